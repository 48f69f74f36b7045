#include "companion/picturebox.h"
#include "core/appcontext.h"
#include "core/contentfile.h"
#include "core/contentpath.h"
#include "core/textfile.h"
#include "phrases/phrases.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QtTest>

using namespace stak;

// The shipped content folder read with the program's own readers.
class TestContent : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString root = qEnvironmentVariable("STAK_SOURCE_DIR");
        QVERIFY(!root.isEmpty());
        QVERIFY(QDir::setCurrent(root + QStringLiteral("/content")));
    }

    void textFilesAreCp1251WithCrLf_data();
    void textFilesAreCp1251WithCrLf();
    void phraseCounts_data();
    void phraseCounts();
    void voicePhrasesHaveWavs();
    void pictures_data();
    void pictures();
    void scenariosPassTheChecker();
    void userButtonsHaveScenarios();
    void holidayKeysAreDates();

private:
    SystemClock clock;
    MixingRandom random;
    AppContext context{nullptr, &clock, &random};

    static QStringList lines(const QString &file)
    {
        return splitLines(readTextFile(file).value_or(QString()));
    }
};

void TestContent::textFilesAreCp1251WithCrLf_data()
{
    QTest::addColumn<QString>("file");
    QDir dir;
    for (const QString &f :
         dir.entryList({"*.tlk", "*.txt", "*.but", "*.scn", "*.cfg"}, QDir::Files))
        QTest::newRow(qPrintable(f)) << f;
    QTest::newRow("pics.txt") << QStringLiteral("pics/pics.txt");
}

void TestContent::textFilesAreCp1251WithCrLf()
{
    QFETCH(QString, file);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QVERIFY(!bytes.isEmpty());
    QVERIFY2(!bytes.startsWith("\xEF\xBB\xBF"), "shipped files are Windows-1251");
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        if (bytes[i] == '\n')
            QVERIFY2(i > 0 && bytes[i - 1] == '\r', "lone LF");
        if (bytes[i] == '\r')
            QVERIFY2(i + 1 < bytes.size() && bytes[i + 1] == '\n', "lone CR");
    }
}

void TestContent::phraseCounts_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("minimum");
    QTest::newRow("text.tlk") << "text.tlk" << 80;
    QTest::newRow("tost.tlk") << "tost.tlk" << 50;
    QTest::newRow("sound.tlk") << "sound.tlk" << 20;
    QTest::newRow("zag.tlk") << "zag.tlk" << 40;
}

void TestContent::phraseCounts()
{
    QFETCH(QString, file);
    QFETCH(int, minimum);
    const QStringList l = lines(file);
    QVERIFY(!l.isEmpty());
    bool ok = false;
    const int count = l[0].trimmed().toInt(&ok);
    QVERIFY(ok);
    int real = 0;
    for (qsizetype i = 1; i < l.size(); ++i)
        real += l[i].startsWith(QLatin1Char('>'));
    QCOMPARE(count, real);
    QVERIFY(count >= minimum);
    // Every phrase reads back non-empty through the program's reader.
    for (int n = 1; n <= count; ++n)
        QVERIFY2(!ReadPhrase(file, n).trimmed().isEmpty(), qPrintable(QString::number(n)));
    QVERIFY(ReadPhrase(file, count + 1).isEmpty());
}

void TestContent::voicePhrasesHaveWavs()
{
    const int count = lines(QStringLiteral("sound.tlk")).value(0).toInt();
    bool shaking = false;
    for (int n = 1; n <= count; ++n) {
        const QString p = ReadPhrase(QStringLiteral("sound.tlk"), n);
        const qsizetype q = p.indexOf(QStringLiteral("\r\n"), 1);
        QVERIFY2(q > 0, "a voice phrase has a caption line");
        const QString name = p.left(q).trimmed();
        shaking |= name == QStringLiteral("rukidroz.wav");
        QFile wav(resolveContentPath(QStringLiteral(".\\wav\\") + name));
        QVERIFY2(wav.open(QIODevice::ReadOnly), qPrintable(name));
        const QByteArray b = wav.readAll();
        QVERIFY2(b.startsWith("RIFF") && b.mid(8, 4) == "WAVE", qPrintable(name));
        const qsizetype data = b.indexOf("data");
        QVERIFY2(data > 0 && b.size() > data + 8 + 1000, qPrintable(name));
    }
    QVERIFY(shaking);
}

void TestContent::pictures_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QSize>("size");
    QTest::newRow("alk1.bmp") << "alk1.bmp" << QSize(433, 225);
    QTest::newRow("logo.bmp") << "logo.bmp" << QSize(300, 170);
    QTest::newRow("texture.bmp") << "texture.bmp" << QSize(64, 64);
    // The caricature window's background and its inner pictures.
    QTest::newRow("extra/fon.jpg") << "extra/fon.jpg" << QSize(500, 420);
    QTest::newRow("extra/portret.gif") << "extra/portret.gif" << QSize(433, 225);
    QTest::newRow("extra/portret2.jpg") << "extra/portret2.jpg" << QSize(433, 225);
    // Stickers that scenarios paint over the panel: any size that fits it.
    for (const char *sticker : {"extra/bah.gif", "extra/ogurchik.gif", "extra/ryumka.gif"})
        QTest::newRow(sticker) << QString::fromLatin1(sticker) << QSize();
    const QStringList pics =
        QDir(QStringLiteral("pics")).entryList({"*.bmp", "*.jpg", "*.gif"}, QDir::Files);
    QVERIFY(pics.size() >= 12);
    for (const QString &p : pics)
        QTest::newRow(qPrintable(p)) << QStringLiteral("pics/") + p << QSize(433, 225);
}

void TestContent::pictures()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    const QImage img = loadPicture(file);
    QVERIFY(!img.isNull());
    if (size.isValid())
        QCOMPARE(img.size(), size);
    else
        QVERIFY(img.width() <= 433 && img.height() <= 225);
}

void TestContent::scenariosPassTheChecker()
{
    QStringList files = QDir().entryList({"*.scn", "*.but"}, QDir::Files);
    files.removeAll(QStringLiteral("user.but"));
    QVERIFY(files.size() >= 8);
    QProcess check;
    check.start(QStringLiteral(STAK_CHECKER), files);
    QVERIFY(check.waitForFinished(60000));
    QVERIFY2(check.exitCode() == 0, check.readAllStandardOutput().constData());
}

void TestContent::userButtonsHaveScenarios()
{
    const QStringList l = lines(QStringLiteral("user.but"));
    int visible = 0, hidden = 0;
    for (int k = 1; k <= 5 && k <= l.size(); ++k) {
        QString caption = l[k - 1];
        const bool isHidden = caption.contains(QStringLiteral("%>!<%"));
        caption.remove(QStringLiteral("%>!<%"));
        if (caption.trimmed().isEmpty())
            continue;
        (isHidden ? hidden : visible) += 1;
        QVERIFY2(contentFileExists(QStringLiteral("button%1.but").arg(k)), qPrintable(caption));
    }
    QCOMPARE(visible, 3);
    QCOMPARE(hidden, 1);
}

void TestContent::holidayKeysAreDates()
{
    static const QRegularExpression key(QStringLiteral("^([1-9][0-9]?)-([1-9][0-9]?) (.+)$"));
    QSet<QString> days;
    for (const QString &line : lines(QStringLiteral("date.tlk"))) {
        const auto m = key.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        QVERIFY2(QDate(2004, m.captured(2).toInt(), m.captured(1).toInt()).isValid(),
                 qPrintable(line));
        days.insert(m.captured(1) + QLatin1Char('-') + m.captured(2));
    }
    QVERIFY(days.size() >= 120);
}

QTEST_MAIN(TestContent)
#include "tst_content.moc"
