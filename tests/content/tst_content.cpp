#include "core/appcontext.h"
#include "core/contentfile.h"
#include "core/contentpath.h"
#include "core/textfile.h"
#include "formats/phrases.h"
#include "widgets/picturebox.h"

#include <QDate>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <QTemporaryDir>
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
    void pictureOrderExampleNamesPictures();
    void linuxCopiesReadTheSame_data();
    void linuxCopiesReadTheSame();
    void userButtonsHaveScenarios();
    void holidaysCoverEveryDayOnce();

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
    QTest::newRow("zag.tlk") << "zag.tlk" << 60;
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
    QTest::addColumn<bool>("cutOut");
    QTest::newRow("alk1.bmp") << "alk1.bmp" << QSize(433, 225) << false;
    QTest::newRow("logo.bmp") << "logo.bmp" << QSize(300, 170) << false;
    QTest::newRow("texture.bmp") << "texture.bmp" << QSize(64, 64) << false;
    // The caricature window's background and its inner pictures.
    QTest::newRow("extra/fon.jpg") << "extra/fon.jpg" << QSize(500, 420) << false;
    QTest::newRow("extra/portret.gif") << "extra/portret.gif" << QSize(433, 225) << false;
    QTest::newRow("extra/portret2.jpg") << "extra/portret2.jpg" << QSize(433, 225) << false;
    // Stickers that scenarios paint over the panel: any size that fits it,
    // cut out along their outline.
    for (const char *sticker : {"extra/bah.gif", "extra/ogurchik.gif", "extra/ryumka.gif"})
        QTest::newRow(sticker) << QString::fromLatin1(sticker) << QSize() << true;
    const QStringList pics =
        QDir(QStringLiteral("pics")).entryList({"*.bmp", "*.jpg", "*.gif"}, QDir::Files);
    QVERIFY(pics.size() >= 12);
    for (const QString &p : pics)
        QTest::newRow(qPrintable(p)) << QStringLiteral("pics/") + p << QSize(433, 225) << false;
}

void TestContent::pictures()
{
    QFETCH(QString, file);
    QFETCH(QSize, size);
    QFETCH(bool, cutOut);
    const QImage img = loadPicture(file);
    QVERIFY(!img.isNull());
    if (size.isValid())
        QCOMPARE(img.size(), size);
    else
        QVERIFY(img.width() <= 433 && img.height() <= 225);
    if (cutOut) {
        // Transparent around the sticker (the corners), opaque in its middle.
        const QImage raw = QImageReader(file).read();
        QVERIFY(raw.hasAlphaChannel());
        const int r = raw.width() - 1, b = raw.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
            QCOMPARE(qAlpha(raw.pixel(corner)), 0);
        QCOMPARE(qAlpha(raw.pixel(raw.width() / 2, raw.height() / 2)), 255);
    }
}

void TestContent::pictureOrderExampleNamesPictures()
{
    const QStringList names = lines(QStringLiteral("pics/order-example.txt"));
    QVERIFY(names.size() >= 3);
    for (const QString &name : names)
        QVERIFY2(QFile::exists(QStringLiteral("pics/") + name), qPrintable(name));
}

void TestContent::linuxCopiesReadTheSame_data()
{
    textFilesAreCp1251WithCrLf_data();
}

void TestContent::linuxCopiesReadTheSame()
{
    // The file as a Linux editor would save it: UTF-8 without a byte order
    // mark, LF line ends. The program reads the same lines and phrases.
    QFETCH(QString, file);
    QFile f(file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray shipped = f.readAll();
    const QString text = decodeContentText(shipped);
    QByteArray asLinux = text.toUtf8();
    asLinux.replace("\r\n", "\n");
    const bool russian = asLinux.size() != text.size();
    QCOMPARE(detectTextEncoding(shipped), TextEncoding::Cp1251);
    QCOMPARE(detectTextEncoding(asLinux), russian ? TextEncoding::Utf8 : TextEncoding::Cp1251);
    QCOMPARE(splitLines(decodeContentText(asLinux)), splitLines(text));
    if (!file.endsWith(QStringLiteral(".tlk")) || file == QStringLiteral("date.tlk"))
        return;
    QTemporaryDir dir;
    const QString copy = dir.filePath(file);
    QFile out(copy);
    QVERIFY(out.open(QIODevice::WriteOnly));
    out.write(asLinux);
    out.close();
    const int count = splitLines(text).value(0).toInt();
    QVERIFY(count > 0);
    for (int n = 1; n <= count + 1; ++n)
        QCOMPARE(ReadPhrase(copy, n), ReadPhrase(file, n));
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

void TestContent::holidaysCoverEveryDayOnce()
{
    static const QRegularExpression key(QStringLiteral("^([1-9][0-9]?)-([1-9][0-9]?) \\S"));
    QHash<QString, int> linesPerDay;
    for (const QString &line : lines(QStringLiteral("date.tlk"))) {
        const auto m = key.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line));
        QVERIFY2(QDate(2004, m.captured(2).toInt(), m.captured(1).toInt()).isValid(),
                 qPrintable(line));
        linesPerDay[m.captured(1) + QLatin1Char('-') + m.captured(2)] += 1;
    }
    // 2004 is a leap year: every one of its 366 days has exactly one line.
    for (QDate d(2004, 1, 1); d.year() == 2004; d = d.addDays(1)) {
        const QString day = QStringLiteral("%1-%2").arg(d.day()).arg(d.month());
        QVERIFY2(linesPerDay.value(day) == 1, qPrintable(day));
    }
}

QTEST_MAIN(TestContent)
#include "tst_content.moc"
