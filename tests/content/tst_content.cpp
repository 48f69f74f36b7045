#include "core/appcontext.h"
#include "core/picture.h"
#include "core/textfile.h"
#include "formats/dates.h"
#include "formats/phrases.h"
#include "testsupport.h"

#include <QImageReader>
#include <QTemporaryDir>

using namespace stak;

// The shipped content folder read with the program's own readers. The content
// checker (content_check) holds the rest: the phrase counts, the voice
// phrases' sounds, the user buttons' scenarios, every scenario, the pictures
// of pics/ and the holiday lines' days.
class TestContent : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        const QString root = qEnvironmentVariable("STAK_SOURCE_DIR");
        QVERIFY(!root.isEmpty() && QDir::setCurrent(root + u"/content"_qs));
    }

    void textFiles_data()
    {
        QTest::addColumn<QString>("file");
        for (const QString &f :
             QDir().entryList({"*.tlk", "*.txt", "*.but", "*.scn", "*.cfg"}, QDir::Files))
            QTest::newRow(qPrintable(f)) << f;
        tableRow("pics.txt", "pics/pics.txt");
    }
    void textFiles()
    {
        // Windows-1251 with CR LF. Saved as a Linux editor would save it
        // (UTF-8 without a byte order mark, LF), it reads the same lines and
        // phrases.
        QFETCH(QString, file);
        const QByteArray shipped = readTestFile(file);
        QVERIFY(!shipped.isEmpty());
        QCOMPARE(detectTextEncoding(shipped), TextEncoding::Cp1251);
        QCOMPARE(shipped.count('\r'), shipped.count('\n'));
        QCOMPARE(shipped.count('\r'), shipped.count("\r\n"));
        const QString text = decodeContentText(shipped);
        const QByteArray asLinux = text.toUtf8().replace("\r\n", "\n");
        const bool russian = asLinux.size() != text.size();
        QCOMPARE(detectTextEncoding(asLinux), russian ? TextEncoding::Utf8 : TextEncoding::Cp1251);
        QCOMPARE(stak::splitLines(decodeContentText(asLinux)), stak::splitLines(text));
        if (!file.endsWith(u".tlk"_qs) || file == u"date.tlk"_qs)
            return;
        QTemporaryDir dir;
        writeTestFile(dir.filePath(file), asLinux);
        for (int n = 1; n <= ParsePhraseFile(text).phrases.size() + 1; ++n)
            QCOMPARE(ReadPhrase(dir.filePath(file), n), ReadPhrase(file, n));
    }

    void phraseFiles_data()
    {
        columns<QString, int, QString>("file", "minimum", "holds");
        tableRow("speech", "text.tlk", 80, "");
        tableRow("toasts", "tost.tlk", 50, "");
        tableRow("voices, the shaking one too", "sound.tlk", 20, "rukidroz.wav");
        tableRow("riddles", "zag.tlk", 60, "");
    }
    void phraseFiles()
    {
        const auto [file, minimum, holds] =
            fetch<QString, int, QString>("file", "minimum", "holds");
        const PhraseFile f = ParsePhraseFile(readTextFile(file).value_or(QString()));
        QVERIFY(f.count && *f.count >= minimum);
        for (int n = 1; n <= *f.count; ++n)
            QVERIFY2(!ReadPhrase(file, n).trimmed().isEmpty(), qPrintable(QString::number(n)));
        QVERIFY(f.lines.join(u'\n').contains(holds));
    }

    void pictures_data()
    {
        // size: invalid: a sticker, cut out, that fits the panel
        columns<QString, QSize>("file", "size");
        const QSize panel(433, 225);
        tableRow("alk1.bmp", "alk1.bmp", panel);
        tableRow("logo.bmp", "logo.bmp", QSize(300, 170));
        tableRow("texture.bmp", "texture.bmp", QSize(64, 64));
        // The caricature window's background and its inner pictures.
        tableRow("extra/fon.jpg", "extra/fon.jpg", QSize(500, 420));
        tableRow("extra/portret.gif", "extra/portret.gif", panel);
        tableRow("extra/portret2.jpg", "extra/portret2.jpg", panel);
        for (const char *sticker : {"extra/bah.gif", "extra/ogurchik.gif", "extra/ryumka.gif"})
            tableRow(sticker, sticker, QSize());
        const QStringList pics = QDir(u"pics"_qs).entryList({"*.bmp", "*.jpg", "*.gif"});
        QVERIFY(pics.size() >= 12);
        for (const QString &p : pics)
            QTest::newRow(qPrintable(p)) << u"pics/"_qs + p << panel;
    }
    void pictures()
    {
        const auto [file, size] = fetch<QString, QSize>("file", "size");
        const QImage img = loadPicture(file);
        QVERIFY(!img.isNull());
        QVERIFY(size.isValid() ? img.size() == size : img.width() <= 433 && img.height() <= 225);
        if (size.isValid())
            return;
        // Transparent around the sticker (the corners), opaque in its middle.
        const QImage raw = QImageReader(file).read();
        const int r = raw.width() - 1, b = raw.height() - 1;
        for (const QPoint corner : {QPoint(0, 0), QPoint(r, 0), QPoint(0, b), QPoint(r, b)})
            QCOMPARE(qAlpha(raw.pixel(corner)), 0);
        QCOMPARE(qAlpha(raw.pixel(raw.width() / 2, raw.height() / 2)), 255);
    }

    void pictureOrderExampleNamesPictures()
    {
        const QStringList names =
            stak::splitLines(readTextFile(u"pics/order-example.txt"_qs).value());
        QVERIFY(names.size() >= 3);
        for (const QString &name : names)
            QVERIFY2(QFile::exists(u"pics/"_qs + name), qPrintable(name));
    }

    void holidaysEveryDay()
    {
        // 2004 is a leap year: every one of its 366 days has its line.
        const QString list = readTextFile(u"date.tlk"_qs).value();
        for (QDate d(2004, 1, 1); d.year() == 2004; d = d.addDays(1))
            QVERIFY2(!HolidayLine(list, d).isEmpty(), qPrintable(d.toString()));
    }

private:
    SystemClock clock;
    MixingRandom random;
    AppContext context{nullptr, &clock, &random};
};

QTEST_MAIN(TestContent)
#include "tst_content.moc"
