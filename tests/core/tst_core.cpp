#include "core/contentfile.h"
#include "core/contentpath.h"
#include "core/cp1251.h"
#include "core/ini.h"
#include "core/picture.h"
#include "core/random.h"
#include "core/settings.h"
#include "core/textfile.h"
#include "formats/wavfile.h"
#include "testsupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <iconv.h>
#include <unistd.h>

using namespace stak;

class TestCore : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(dir->path());
    }

    void cp1251MatchesIconv();
    void encodings_data();
    void encodings();
    void splitLines_data();
    void splitLines();
    void splitScenario_data();
    void splitScenario();
    void resolvesWindowsPaths();
    void iniRead_data();
    void iniRead();
    void iniWriteKeepsEverythingElse_data();
    void iniWriteKeepsEverythingElse();
    void iniWriteFailureIsReported();
    void iniWriteKeepsOwnerAndCleansUp();
    void configWriteModesAndLinks_data();
    void configWriteModesAndLinks();
    void plantedFilesAreMissing_data();
    void plantedFilesAreMissing();
    void sizeLimits_data();
    void sizeLimits();
    void pictureSizeLimit();
    void loadSettings_data();
    void loadSettings();
    void randomRange();
    void screenCopies_data();
    void screenCopies();
    void wavProblems_data();
    void wavProblems();

private:
    QByteArray read(const QString &name)
    {
        QFile f(name);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::unique_ptr<QTemporaryDir> dir;
};

void TestCore::cp1251MatchesIconv()
{
    iconv_t cd = iconv_open("UTF-16LE", "CP1251");
    QVERIFY(cd != iconv_t(-1));
    for (int b = 0; b < 256; ++b) {
        char in[1] = {char(b)};
        char16_t out[2] = {0, 0};
        char *ip = in, *op = reinterpret_cast<char *>(out);
        size_t il = 1, ol = sizeof out;
        const QString ours = decodeCp1251(QByteArrayView(in, 1));
        QCOMPARE(ours.size(), 1);
        if (iconv(cd, &ip, &il, &op, &ol) == size_t(-1)) {
            // The one byte without a character keeps its own code.
            QCOMPARE(b, 0x98);
            QCOMPARE(ours[0].unicode(), char16_t(0x98));
        } else {
            QCOMPARE(ours[0].unicode(), out[0]);
        }
        QCOMPARE(encodeCp1251(ours), QByteArray(1, char(b)));
    }
    iconv_close(cd);
    QCOMPARE(encodeCp1251(u"€Ё日"), QByteArray("\x88\xA8?"));
}

void TestCore::encodings_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<TextEncoding>("encoding");
    QTest::addColumn<QString>("text");
    QTest::newRow("byte order mark")
        << QByteArray("\xEF\xBB\xBF\xD0\x9F\xD1\x80") << TextEncoding::Utf8Bom << u"Пр"_qs;
    QTest::newRow("UTF-8 without mark")
        << QByteArray("\xD0\x9F\xD1\x80 ok") << TextEncoding::Utf8 << u"Пр ok"_qs;
    QTest::newRow("four-byte UTF-8")
        << QByteArray("\xF0\x9F\x8D\xBA") << TextEncoding::Utf8 << u"🍺"_qs;
    QTest::newRow("Windows-1251") << QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2") << TextEncoding::Cp1251
                                  << u"Привет"_qs;
    QTest::newRow("ASCII only") << QByteArray("sleep 10") << TextEncoding::Cp1251 << u"sleep 10"_qs;
    QTest::newRow("overlong form is no UTF-8")
        << QByteArray("\xC0\xAF") << TextEncoding::Cp1251 << u"АЇ"_qs;
    QTest::newRow("surrogate is no UTF-8")
        << QByteArray("\xED\xA0\x80") << TextEncoding::Cp1251 << u"н\u00A0\u0402"_qs;
    QTest::newRow("cut sequence is no UTF-8")
        << QByteArray("ok\xD0") << TextEncoding::Cp1251 << u"okР"_qs;
}

void TestCore::encodings()
{
    QFETCH(QByteArray, bytes);
    QFETCH(TextEncoding, encoding);
    QFETCH(QString, text);
    QCOMPARE(detectTextEncoding(bytes), encoding);
    QCOMPARE(decodeContentText(bytes), text);
    QCOMPARE(encodeContentText(text, encoding), bytes);
    writeTestFile(QStringLiteral("a.txt"), bytes);
    QCOMPARE(readTextFile(QStringLiteral("a.txt")).value(), text);
    QVERIFY(!readTextFile(QStringLiteral("missing.txt")).has_value());
}

void TestCore::splitLines_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("crlf, final break adds nothing") << "a\r\nb\r\n" << QStringList{"a", "b"};
    QTest::newRow("no final break") << "a\r\nb" << QStringList{"a", "b"};
    QTest::newRow("cr only") << "a\rb\r" << QStringList{"a", "b"};
    QTest::newRow("empty lines kept") << "a\r\n\r\nb" << QStringList{"a", "", "b"};
    QTest::newRow("lf ends lines too") << "a\nb\n" << QStringList{"a", "b"};
    QTest::newRow("lf cr is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
}

void TestCore::splitLines()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(stak::splitLines(text), lines);
}

void TestCore::splitScenario_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("lines");
    QTest::newRow("empty") << "" << QStringList{};
    QTest::newRow("mixed ends") << "a\r\nb\nc\rd" << QStringList{"a", "b", "c", "d"};
    QTest::newRow("final break gives empty line") << "a\n" << QStringList{"a", ""};
    QTest::newRow("lf cr is two breaks") << "a\n\rb" << QStringList{"a", "", "b"};
}

void TestCore::splitScenario()
{
    QFETCH(QString, text);
    QFETCH(QStringList, lines);
    QCOMPARE(splitScenarioLines(text), lines);
}

void TestCore::resolvesWindowsPaths()
{
    writeTestFile(QStringLiteral("Pics/Sub/Bottle.BMP"), "x");
    QCOMPARE(resolveContentPath(QStringLiteral(".\\pics\\sub\\bottle.bmp")),
             QStringLiteral("./Pics/Sub/Bottle.BMP"));
    QVERIFY(contentFileExists(QStringLiteral("PICS\\SUB\\BOTTLE.bmp")));
    QVERIFY(!contentFileExists(QStringLiteral("pics\\sub")));
    QVERIFY(!contentFileExists(QStringLiteral("pics\\nothing.bmp")));
    // An exact match wins over a file differing only in case.
    writeTestFile(QStringLiteral("a.txt"), "lower");
    writeTestFile(QStringLiteral("A.txt"), "upper");
    QCOMPARE(resolveContentPath(QStringLiteral("A.txt")), QStringLiteral("A.txt"));
    QCOMPARE(resolveContentPath(QStringLiteral("a.txt")), QStringLiteral("a.txt"));
}

void TestCore::iniRead_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QString>("expected");
    const QByteArray f = "; comment\r\n[Other]\r\nmypic=no\r\n[ stakanych ]\r\n"
                         "MyPic =  \xEA\xE0\xF0.bmp \t\r\nempty=\r\nnoequals\r\n[Third]\r\nx=1\r\n";
    QTest::newRow("case of section and key, blanks") << f << "mypic"
                                                     << "кар.bmp";
    QTest::newRow("empty value is not the default") << f << "EMPTY"
                                                    << "";
    QTest::newRow("missing key gives default") << f << "x"
                                               << "DEF";
    QTest::newRow("lf line ends") << QByteArray("[Stakanych]\nquake=5\n") << "quake"
                                  << "5";
    QTest::newRow("first entry wins") << QByteArray("[Stakanych]\r\na=1\r\na=2\r\n") << "a"
                                      << "1";
    QTest::newRow("byte order mark before the first section")
        << QByteArray("\xEF\xBB\xBF[Stakanych]\r\nmypic=\xD0\xBA.bmp\r\n") << "mypic"
        << "к.bmp";
    QTest::newRow("UTF-8 without mark")
        << QByteArray("; \xD0\xBA\n[Stakanych]\nmypic=\xD0\xBA.bmp\n") << "mypic"
        << "к.bmp";
    QTest::newRow("cut to 254") << "[Stakanych]\r\nlong=" + QByteArray(300, 'z') << "long"
                                << QString(254, QLatin1Char('z'));
    const QByteArray q = "[Stakanych]\r\nd= \"my pic.bmp\" \r\ns='a b'\r\nmixed=\"a'\r\n"
                         "lone=\"\r\nempty=\"\"\r\ninner=a\"b\"\r\ntwice=\"\"x\"\"\r\n";
    QTest::newRow("double quotes dropped") << q << "d"
                                           << "my pic.bmp";
    QTest::newRow("single quotes dropped") << q << "s"
                                           << "a b";
    QTest::newRow("unmatched quotes kept") << q << "mixed"
                                           << "\"a'";
    QTest::newRow("a lone quote kept") << q << "lone"
                                       << "\"";
    QTest::newRow("empty quotes") << q << "empty"
                                  << "";
    QTest::newRow("inner quotes kept") << q << "inner"
                                       << "a\"b\"";
    QTest::newRow("one pair only") << q << "twice"
                                   << "\"x\"";
}

void TestCore::iniRead()
{
    QFETCH(QByteArray, file);
    QFETCH(QString, key);
    QFETCH(QString, expected);
    writeTestFile(QStringLiteral("c.ini"), file);
    QCOMPARE(readIniValue(QStringLiteral("c.ini"), QStringLiteral("Stakanych"), key,
                          QStringLiteral("DEF")),
             expected);
}

void TestCore::iniWriteKeepsEverythingElse_data()
{
    QTest::addColumn<QByteArray>("before");
    QTest::addColumn<QByteArray>("after");
    QTest::newRow("replace, keeping the spelling")
        << QByteArray("; c\r\n[Stakanych]\r\ntextver = 50\r\nvoicever=20\r\n[X]\r\nTextVer=1\r\n")
        << QByteArray("; c\r\n[Stakanych]\r\ntextver = 40\r\nvoicever=20\r\n[X]\r\nTextVer=1\r\n");
    QTest::newRow("add to the section after its last entry")
        << QByteArray("[Stakanych]\nquake=1\n\n[X]\ny=2\n")
        << QByteArray("[Stakanych]\nquake=1\nTextVer=40\n\n[X]\ny=2\n");
    QTest::newRow("add the section")
        << QByteArray("[X]\r\ny=2") << QByteArray("[X]\r\ny=2\r\n[Stakanych]\r\nTextVer=40\r\n");
    QTest::newRow("create the file") << QByteArray() << QByteArray("[Stakanych]\r\nTextVer=40\r\n");
    QTest::newRow("byte order mark kept")
        << QByteArray("\xEF\xBB\xBF[Stakanych]\r\nmypic=\xD0\xBA.bmp\r\n")
        << QByteArray("\xEF\xBB\xBF[Stakanych]\r\nmypic=\xD0\xBA.bmp\r\nTextVer=40\r\n");
    QTest::newRow("UTF-8 and LF kept") << QByteArray("; \xD0\xBA\n[Stakanych]\ntextver=1\n")
                                       << QByteArray("; \xD0\xBA\n[Stakanych]\ntextver=40\n");
    QTest::newRow("Windows-1251 kept") << QByteArray("; \xEA\r\n[Stakanych]\r\ntextver=1\r\n")
                                       << QByteArray("; \xEA\r\n[Stakanych]\r\ntextver=40\r\n");
}

void TestCore::iniWriteKeepsEverythingElse()
{
    QFETCH(QByteArray, before);
    QFETCH(QByteArray, after);
    if (!before.isEmpty())
        writeTestFile(QStringLiteral("config.cfg"), before);
    QString error;
    QVERIFY(WriteConfigValue(QStringLiteral("TextVer"), QStringLiteral("40"), &error));
    QCOMPARE(read(QStringLiteral("config.cfg")), after);
    QCOMPARE(ReadConfigValue(QStringLiteral("textver"), QString()), QStringLiteral("40"));
}

void TestCore::iniWriteFailureIsReported()
{
    // A folder where the file should be cannot be replaced by a file.
    QDir().mkpath(QStringLiteral("config.cfg"));
    QString error;
    QVERIFY(!WriteConfigValue(QStringLiteral("TextVer"), QStringLiteral("1"), &error));
    QVERIFY(!error.isEmpty());
    QVERIFY(!writeIniValue(QStringLiteral("no/such/folder/x.ini"), QStringLiteral("S"),
                           QStringLiteral("k"), QStringLiteral("v")));
}

void TestCore::iniWriteKeepsOwnerAndCleansUp()
{
    writeTestFile(QStringLiteral("config.cfg"), "[Stakanych]\r\nquake=1\r\n");
    QVERIFY(QFile::setPermissions(QStringLiteral("config.cfg"),
                                  QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const bool root = ::getuid() == 0;
    if (root)
        QVERIFY(::chown("config.cfg", 4321, 4321) == 0);
    // Temporary files of writes cut short, one just begun, and a user's backup.
    const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
    for (const char *name : {".config.cfg.Ab12Cd", ".config.cfg.zzzzzz", ".config.cfg.Fresh1",
                             "config.cfg.backup", ".config.cfg.toolong1"}) {
        writeTestFile(QLatin1String(name), "x");
        if (QLatin1String(name) != QLatin1String(".config.cfg.Fresh1")) {
            QFile f{QLatin1String(name)};
            QVERIFY(f.open(QIODevice::ReadWrite) &&
                    f.setFileTime(old, QFileDevice::FileModificationTime));
        }
    }
    QVERIFY(WriteConfigValue(QStringLiteral("quake"), QStringLiteral("2")));
    QCOMPARE(read(QStringLiteral("config.cfg")), QByteArray("[Stakanych]\r\nquake=2\r\n"));
    QCOMPARE(QFile::permissions(QStringLiteral("config.cfg")),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser |
                 QFile::ReadGroup);
    if (root)
        QCOMPARE(QFileInfo(QStringLiteral("config.cfg")).ownerId(), 4321u);
    QCOMPARE(QDir().entryList(QDir::Files | QDir::Hidden, QDir::Name),
             (QStringList{".config.cfg.Fresh1", ".config.cfg.toolong1", "config.cfg",
                          "config.cfg.backup"}));
}

void TestCore::configWriteModesAndLinks_data()
{
    QTest::addColumn<bool>("link");
    QTest::addColumn<bool>("readOnly");
    QTest::newRow("read-only") << false << true;
    QTest::newRow("link") << true << false;
    QTest::newRow("link to a read-only file") << true << true;
}

void TestCore::configWriteModesAndLinks()
{
    // A file marked read-only (444) is not written, though its folder would
    // let a new file be renamed over it; root, whom the system lets write it,
    // leaves it alone too. A link stays a link and its target is written.
    QFETCH(bool, link);
    QFETCH(bool, readOnly);
    const QString target = link ? u"dotfiles/stakanych.cfg"_qs : u"config.cfg"_qs;
    const QByteArray before = "[Stakanych]\r\ntextver=50\r\n";
    writeTestFile(target, before);
    if (link)
        QVERIFY(QFile::link(QFileInfo(target).absoluteFilePath(), u"config.cfg"_qs));
    const QByteArray native = QFile::encodeName(target);
    const mode_t mode = readOnly ? 0444 : 0644;
    QVERIFY(::chmod(native.constData(), mode) == 0);
    if (readOnly && ::getuid() == 0)
        QVERIFY(::access(native.constData(), W_OK) == 0);
    QString error;
    QCOMPARE(WriteConfigValue(u"textver"_qs, u"60"_qs, &error), !readOnly);
    QCOMPARE(error.isEmpty(), !readOnly);
    QCOMPARE(read(target), readOnly ? before : QByteArray("[Stakanych]\r\ntextver=60\r\n"));
    struct stat st;
    QVERIFY(::stat(native.constData(), &st) == 0 && (st.st_mode & 07777) == mode);
    QCOMPARE(QFileInfo(u"config.cfg"_qs).isSymLink(), link);
    QCOMPARE(QDir(QFileInfo(target).path()).entryList(QDir::Files | QDir::Hidden),
             QStringList{QFileInfo(target).fileName()});
}

void TestCore::plantedFilesAreMissing_data()
{
    QTest::addColumn<Planted>("what");
    addPlantedRows();
}

void TestCore::plantedFilesAreMissing()
{
    // Nothing planted under a content file's name may block or exhaust the
    // program: each is a missing file to every reader.
    QFETCH(Planted, what);
    plant(QStringLiteral("pics/x.bmp"), what);
    writeTestFile(QStringLiteral("pics/y.bmp"), "y");
    plant(QStringLiteral("config.cfg"), what);
    QVERIFY(!readTextFile(QStringLiteral("pics\\X.BMP")));
    QVERIFY(loadPicture(QStringLiteral("pics/x.bmp")).isNull());
    // Listings hold regular files only; one too large is there but unreadable.
    const bool regular = what == Planted::Huge;
    QCOMPARE(contentFileExists(QStringLiteral("pics/x.bmp")), regular);
    QCOMPARE(listContentFiles(QStringLiteral("pics"), {QStringLiteral("*.bmp")}),
             regular ? (QStringList{"x.bmp", "y.bmp"}) : QStringList{"y.bmp"});
    QCOMPARE(ReadConfigValue(QStringLiteral("quake"), QStringLiteral("def")), u"def"_qs);
    // A configuration that cannot be read whole is not overwritten.
    QString error;
    QVERIFY(!WriteConfigValue(QStringLiteral("quake"), QStringLiteral("1"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(QFileInfo(QStringLiteral("config.cfg")).isFile(), regular);
}

void TestCore::sizeLimits_data()
{
    QTest::addColumn<ContentKind>("kind");
    QTest::addColumn<qint64>("size");
    QTest::addColumn<bool>("read");
    QTest::newRow("text at 4 MB") << ContentKind::Text << qint64(4 << 20) << true;
    QTest::newRow("text above") << ContentKind::Text << qint64(4 << 20) + 1 << false;
    QTest::newRow("sound at 16 MB") << ContentKind::Sound << qint64(16 << 20) << true;
    QTest::newRow("sound above") << ContentKind::Sound << qint64(16 << 20) + 1 << false;
    QTest::newRow("picture at 32 MB") << ContentKind::Picture << qint64(32 << 20) << true;
    QTest::newRow("picture above") << ContentKind::Picture << qint64(32 << 20) + 1 << false;
    QTest::newRow("empty") << ContentKind::Text << qint64(0) << true;
}

void TestCore::sizeLimits()
{
    QFETCH(ContentKind, kind);
    QFETCH(qint64, size);
    QFETCH(bool, read);
    QFile f(QStringLiteral("f"));
    QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(size));
    f.close();
    const auto bytes = readContentFile(QStringLiteral("f"), kind);
    QCOMPARE(bytes.has_value(), read);
    if (read)
        QCOMPARE(bytes->size(), size);
}

void TestCore::pictureSizeLimit()
{
    // A GIF of a few bytes may declare a screen of any size, which the decoder
    // fills whole: one of 5000 x 2000 pixels is refused, 2000 x 2000 is not.
    auto gif = [](quint16 w, quint16 h) {
        QByteArray g("GIF89a");
        g += char(w & 0xff);
        g += char(w >> 8);
        g += char(h & 0xff);
        g += char(h >> 8);
        // Two colours; one image of one pixel; its LZW data; the end.
        g += QByteArray::fromHex("800000"
                                 "000000ffffff"
                                 "2c000000000100010000"
                                 "0202440100"
                                 "3b");
        return g;
    };
    QCOMPARE(decodePicture(gif(2000, 2000)).size(), QSize(2000, 2000));
    QVERIFY(decodePicture(gif(5000, 2000)).isNull());
}

void TestCore::loadSettings_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<QList<int>>("numbers"); // from, to, text, tost, voice, randompic, quake
    QTest::addColumn<QString>("mypic");
    QTest::newRow("no file") << QByteArray() << QList<int>{50000, 60000, 50, 30, 20, 0, 300}
                             << "alk1.bmp";
    QTest::newRow("from 0 means 50") << QByteArray("[Stakanych]\r\nBaseIntervalFrom=0\r\n")
                                     << QList<int>{50000, 60000, 50, 30, 20, 0, 300} << "alk1.bmp";
    QTest::newRow("from 70") << QByteArray("[Stakanych]\r\nBaseIntervalFrom=70\r\n")
                             << QList<int>{60000, 60000, 50, 30, 20, 0, 300} << "alk1.bmp";
    QTest::newRow("30 and 10") << QByteArray(
                                      "[Stakanych]\r\nBaseIntervalFrom=30\r\nBaseIntervalTo=10\r\n")
                               << QList<int>{30000, 30000, 50, 30, 20, 0, 300} << "alk1.bmp";
    QTest::newRow("90 and 5") << QByteArray(
                                     "[Stakanych]\r\nBaseIntervalFrom=90\r\nBaseIntervalTo=5\r\n")
                              << QList<int>{60000, 60000, 50, 30, 20, 0, 300} << "alk1.bmp";
    QTest::newRow("randompic 250") << QByteArray("[Stakanych]\r\nrandompic=250\r\n")
                                   << QList<int>{50000, 60000, 50, 30, 20, 100, 300} << "alk1.bmp";
    QTest::newRow("randompic -5, upper case")
        << QByteArray("[STAKANYCH]\r\nRANDOMPIC=-5\r\nTextVer=70\r\n")
        << QList<int>{50000, 60000, 70, 30, 20, 0, 300} << "alk1.bmp";
    QTest::newRow("empty values")
        << QByteArray("[Stakanych]\r\nBaseIntervalFrom=\r\ntextver=\r\nmypic=\r\nquake=abc\r\n")
        << QList<int>{50000, 60000, 0, 30, 20, 0, 0} << "";
    QTest::newRow("sum above 100 kept")
        << QByteArray("[Stakanych]\r\ntextver=80\r\n")
        << QList<int>{50000, 60000, 80, 30, 20, 0, 300} << "alk1.bmp";
}

void TestCore::loadSettings()
{
    QFETCH(QByteArray, file);
    QFETCH(QList<int>, numbers);
    QFETCH(QString, mypic);
    if (!file.isEmpty())
        writeTestFile(QStringLiteral("config.cfg"), file);
    Settings s;
    LoadSettings(s);
    QCOMPARE((QList<int>{s.BaseIntervalFrom, s.BaseIntervalTo, s.textver, s.tostver, s.voicever,
                         s.randompic, s.quake}),
             numbers);
    QCOMPARE(s.mypic, mypic);
    QCOMPARE(s.texture, QString());
    QCOMPARE(s.exescript, QString());
    if (file.isEmpty())
        QCOMPARE((QList<int>{s.igluk, s.ibiggluk}), (QList<int>{10000, 50000}));
}

void TestCore::randomRange()
{
    MixingRandom r;
    QSet<float> seen;
    for (int i = 0; i < 10000; ++i) {
        r.reseed(1234.5); // the same clock value every time
        const float v = r.next();
        QVERIFY(v >= 0.0f && v < 1.0f);
        seen.insert(v);
    }
    QVERIFY(seen.size() > 9900);
    QCOMPARE(drawWhole(0.0f, 5), 1);
    QCOMPARE(drawWhole(0.99999994f, 5), 5);
    QCOMPARE(drawWhole(0.99999994f, 60000), 60000);
    QCOMPARE(drawWhole(0.5f, 1), 1);
}

void TestCore::screenCopies_data()
{
    QTest::addColumn<QImage>("shot");
    QTest::addColumn<bool>("usable");
    QTest::addColumn<QRgb>("corner"); // (99, 59) of the copy fitted to 100 x 60
    auto filled = [](QSize size, QRgb colour, QImage::Format format = QImage::Format_RGB32) {
        QImage img(size, format);
        img.fill(colour);
        return img;
    };
    const QRgb black = qRgb(0, 0, 0), grey = qRgb(90, 90, 90);
    QImage onePixel = filled({100, 60}, black);
    onePixel.setPixel(99, 59, qRgb(0, 0, 1));
    QTest::newRow("null") << QImage() << false << black;
    QTest::newRow("black") << filled({100, 60}, black) << false << black;
    QTest::newRow("black with alpha")
        << filled({100, 60}, qRgba(0, 0, 0, 255), QImage::Format_ARGB32) << false << black;
    QTest::newRow("one pixel of colour") << onePixel << true << qRgb(0, 0, 1);
    QTest::newRow("device pixels: scaled") << filled({200, 120}, grey) << true << grey;
    QTest::newRow("larger desktop: cropped") << filled({300, 60}, grey) << true << grey;
    QTest::newRow("smaller: padded black") << filled({50, 30}, grey) << true << black;
}

void TestCore::screenCopies()
{
    QFETCH(QImage, shot);
    QFETCH(bool, usable);
    QFETCH(QRgb, corner);
    QCOMPARE(isUsableScreenCopy(shot), usable);
    const QImage fitted = fitScreenCopy(shot, {100, 60});
    QCOMPARE(fitted.isNull(), shot.isNull());
    if (!fitted.isNull()) {
        QCOMPARE(fitted.size(), QSize(100, 60));
        QCOMPARE(fitted.format(), QImage::Format_RGB32);
        QCOMPARE(fitted.pixel(99, 59), corner);
    }
}

void TestCore::wavProblems_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("problem"); // part of the reason; empty: plays
    const QByteArray sound = wavChunk("data", QByteArray(100, 'x'));
    QTest::newRow("16-bit PCM") << wavFile(wavFormat(1, 1, 22050, 16) + sound) << "";
    QTest::newRow("other chunks first, odd sizes padded")
        << wavFile(wavChunk("LIST", "abc") + wavFormat(3, 2, 44100, 32) + wavChunk("fact", "x") +
                   sound)
        << "";
    QTest::newRow("IMA ADPCM") << wavFile(wavFormat(0x11, 1, 8000, 4) + sound) << "";
    QTest::newRow("not RIFF") << QByteArray("ID3\x03 an mp3 file") << "RIFF/WAVE";
    QTest::newRow("no format") << wavFile(sound) << "fmt";
    QTest::newRow("no data") << wavFile(wavFormat(1, 1, 22050, 16)) << "data";
    QTest::newRow("empty data") << wavFile(wavFormat(1, 1, 22050, 16) + wavChunk("data", {}))
                                << "data";
    QTest::newRow("MP3 inside") << wavFile(wavFormat(0x55, 1, 22050, 0) + sound) << "85";
    QTest::newRow("12-bit PCM") << wavFile(wavFormat(1, 1, 22050, 12) + sound) << "12 бит";
    QTest::newRow("no channels") << wavFile(wavFormat(1, 0, 22050, 16) + sound) << "каналов";
    QTest::newRow("cut header") << QByteArray("RIFF\x10\0\0\0WAVEfmt \x10\0\0\0\x01", 21) << "fmt";
}

void TestCore::wavProblems()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, problem);
    const auto got = WavProblem(bytes);
    QCOMPARE(got.has_value(), !problem.isEmpty());
    if (got)
        QVERIFY2(got->contains(problem), qPrintable(*got));
}

QTEST_MAIN(TestCore)
#include "tst_core.moc"
