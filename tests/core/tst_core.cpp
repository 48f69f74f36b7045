#include "core/appcontext.h"
#include "core/contentfile.h"
#include "core/contentfolders.h"
#include "core/contentpath.h"
#include "core/cp1251.h"
#include "core/effects.h"
#include "core/ini.h"
#include "core/picture.h"
#include "core/random.h"
#include "core/screens.h"
#include "core/settings.h"
#include "core/textfile.h"
#include "formats/dates.h"
#include "formats/phrases.h"
#include "formats/userbuttons.h"
#include "formats/wavfile.h"
#include "testsupport.h"

#include <QPainter>
#include <QTemporaryDir>
#include <iconv.h>
#include <sys/time.h>
#include <unistd.h>

using namespace stak;

namespace {
// Every pixel a colour of its own, so a changed pixel tells where it came from.
QImage uniqueImage(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            img.setPixel(x, y, qRgb(x & 0xff, y & 0xff, ((x >> 8) << 4) | (y >> 8)));
    return img;
}

QList<float> drawsFor(const QList<int> &numbers, int count)
{
    QList<float> out;
    for (int n : numbers)
        out << drawFor(n, count);
    return out;
}

// Draws that drawWhole turns into these centres for bounds w and h.
QList<float> centres(const QList<QPoint> &points, int w, int h)
{
    QList<float> out;
    for (const QPoint &p : points)
        out << drawFor(p.x(), w) << drawFor(p.y(), h);
    return out;
}

QList<QPoint> changedPixels(const QImage &before, const QImage &after)
{
    QList<QPoint> out;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            if (before.pixel(x, y) != after.pixel(x, y))
                out << QPoint(x, y);
    return out;
}

mode_t fileMode(const QString &name)
{
    struct stat st;
    return ::stat(QFile::encodeName(name).constData(), &st) == 0 ? st.st_mode & 07777 : 0;
}

const QList<QRect> kSideBySide{{0, 0, 1920, 1080}, {1920, 0, 1920, 1080}};
const QList<QRect> kAbove{{0, 0, 1920, 1080}, {0, -1440, 2560, 1440}};
const QList<QRect> kGap{{0, 0, 1920, 1080}, {2500, 300, 1280, 1024}};
} // namespace

// Text and its encodings, content paths, folders and files, config.cfg and
// the settings, pictures and the pixel effects, screens; the content file
// formats: phrase files and the random picker, user.but, WAV headers, dates.
class TestCore : public QObject
{
    Q_OBJECT
private slots:
    // Every test runs in a folder of its own: "user" is the current folder,
    // "share/stakanych" an installed content folder for the tests that say so.
    void init()
    {
        root.emplace();
        QVERIFY(QDir(root->path()).mkpath(u"share/stakanych"_qs));
        QVERIFY(QDir(root->path()).mkpath(u"user"_qs) && QDir::setCurrent(path("user")));
        ctx.emplace(nullptr, &clock, &random);
    }
    void cleanup()
    {
        ctx.reset();
        setInstalledContentFolder({});
        QDir::setCurrent(QDir::tempPath());
        root.reset();
    }

    void cp1251MatchesIconv()
    {
        // Every byte but 0x98, which has no character and keeps its own code.
        QByteArray bytes;
        for (int b = 0; b < 256; ++b)
            bytes += char(b == 0x98 ? 0x97 : b);
        char16_t utf16[256];
        char *in = bytes.data(), *out = reinterpret_cast<char *>(utf16);
        size_t inLeft = 256, outLeft = sizeof utf16;
        iconv_t cd = iconv_open("UTF-16LE", "CP1251");
        QVERIFY(cd != iconv_t(-1) && iconv(cd, &in, &inLeft, &out, &outLeft) == 0);
        iconv_close(cd);
        QCOMPARE(decodeCp1251(bytes), QString::fromUtf16(utf16, 256));
        bytes[0x98] = char(0x98);
        QCOMPARE(decodeCp1251(bytes)[0x98], QChar(0x98));
        QCOMPARE(encodeCp1251(decodeCp1251(bytes)), bytes);
        QCOMPARE(encodeCp1251(u"€Ё日"), QByteArray("\x88\xA8?"));
    }

    void encodings_data()
    {
        columns<QByteArray, TextEncoding, QString>("bytes", "encoding", "text");
        using enum TextEncoding;
        tableRow("byte order mark", QByteArray("\xEF\xBB\xBF\xD0\x9F\xD1\x80"), Utf8Bom, "Пр");
        tableRow("UTF-8", QByteArray("\xD0\x9F\xD1\x80 ok"), Utf8, "Пр ok");
        tableRow("four-byte UTF-8", QByteArray("\xF0\x9F\x8D\xBA"), Utf8, "🍺");
        tableRow("Windows-1251", QByteArray("\xCF\xF0\xE8\xE2\xE5\xF2"), Cp1251, "Привет");
        tableRow("ASCII", QByteArray("sleep 10"), Cp1251, "sleep 10");
        tableRow("overlong form is no UTF-8", QByteArray("\xC0\xAF"), Cp1251, "АЇ");
        tableRow("surrogate is no UTF-8", QByteArray("\xED\xA0\x80"), Cp1251, "н\u00A0\u0402");
        tableRow("cut sequence is no UTF-8", QByteArray("ok\xD0"), Cp1251, "okР");
    }
    void encodings()
    {
        const auto [bytes, encoding, text] =
            fetch<QByteArray, TextEncoding, QString>("bytes", "encoding", "text");
        QCOMPARE(detectTextEncoding(bytes), encoding);
        QCOMPARE(decodeContentText(bytes), text);
        QCOMPARE(encodeContentText(text, encoding), bytes);
        writeTestFile(u"a.txt"_qs, bytes);
        QCOMPARE(readTextFile(u"a.txt"_qs).value(), text);
    }

    void splitLines_data()
    {
        // scenario: a final break gives an empty line
        columns<QString, QStringList, QStringList>("text", "lines", "scenario");
        using L = QStringList;
        tableRow("empty", "", L{}, L{});
        tableRow("crlf", "a\r\nb\r\n", L{"a", "b"}, L{"a", "b", ""});
        tableRow("no final break", "a\r\nb", L{"a", "b"}, L{"a", "b"});
        tableRow("cr only", "a\rb\r", L{"a", "b"}, L{"a", "b", ""});
        tableRow("lf cr is two", "a\n\rb", L{"a", "", "b"}, L{"a", "", "b"});
        tableRow("mixed, lf at the end", "a\r\nb\nc\rd\n", L{"a", "b", "c", "d"},
                 L{"a", "b", "c", "d", ""});
    }
    void splitLines()
    {
        const auto [text, lines, scenario] =
            fetch<QString, QStringList, QStringList>("text", "lines", "scenario");
        QCOMPARE(stak::splitLines(text), lines);
        QCOMPARE(splitScenarioLines(text), scenario);
    }

    void iniRead_data()
    {
        columns<QByteArray, QString, QString>("file", "key", "expected");
        const QByteArray f = "; comment\r\n[Other]\r\nmypic=no\r\n[ stakanych ]\r\nMyPic =  "
                             "\xEA\xE0\xF0.bmp \t\r\nempty=\r\nnoequals\r\n[Third]\r\nx=1\r\n";
        tableRow("case of section and key, blanks", f, "mypic", "кар.bmp");
        tableRow("empty value is not the default", f, "EMPTY", "");
        tableRow("missing key gives default", f, "x", "DEF");
        tableRow("lf line ends", QByteArray("[Stakanych]\nquake=5\n"), "quake", "5");
        tableRow("first entry wins", QByteArray("[Stakanych]\r\na=1\r\na=2\r\n"), "a", "1");
        tableRow("cut to 254", "[Stakanych]\r\nlong=" + QByteArray(300, 'z'), "long",
                 QString(254, u'z'));
        const QByteArray q = "[Stakanych]\r\nd= \"my pic.bmp\" \r\ns='a b'\r\nmixed=\"a'\r\n"
                             "lone=\"\r\nempty=\"\"\r\ntwice=\"\"x\"\"\r\n";
        tableRow("double quotes dropped", q, "d", "my pic.bmp");
        tableRow("single quotes dropped", q, "s", "a b");
        tableRow("unmatched quotes kept", q, "mixed", "\"a'");
        tableRow("a lone quote kept", q, "lone", "\"");
        tableRow("empty quotes", q, "empty", "");
        tableRow("one pair only", q, "twice", "\"x\"");
    }
    void iniRead()
    {
        const auto [file, key, expected] =
            fetch<QByteArray, QString, QString>("file", "key", "expected");
        writeTestFile(u"c.ini"_qs, file);
        QCOMPARE(readIniValue(u"c.ini"_qs, u"Stakanych"_qs, key, u"DEF"_qs), expected);
    }

    void iniWrite_data()
    {
        // textver=40 written; every other byte kept.
        columns<QByteArray, QByteArray>("before", "after");
        using B = QByteArray;
        tableRow("replace, keeping the file's spelling and blanks",
                 B("; c\r\n[Stakanych]\r\nTextVer = 50\r\nvoicever=20\r\n[X]\r\ntextver=1\r\n"),
                 B("; c\r\n[Stakanych]\r\nTextVer = 40\r\nvoicever=20\r\n[X]\r\ntextver=1\r\n"));
        tableRow("add after the section's last entry", B("[Stakanych]\nquake=1\n\n[X]\ny=2\n"),
                 B("[Stakanych]\nquake=1\ntextver=40\n\n[X]\ny=2\n"));
        tableRow("add the section", B("[X]\r\ny=2"),
                 B("[X]\r\ny=2\r\n[Stakanych]\r\ntextver=40\r\n"));
        tableRow("create the file", B(), B("[Stakanych]\r\ntextver=40\r\n"));
        tableRow("byte order mark kept", B("\xEF\xBB\xBF[Stakanych]\r\nk=\xD0\xBA\r\n"),
                 B("\xEF\xBB\xBF[Stakanych]\r\nk=\xD0\xBA\r\ntextver=40\r\n"));
        tableRow("UTF-8 and LF kept", B("; \xD0\xBA\n[Stakanych]\ntextver=1\n"),
                 B("; \xD0\xBA\n[Stakanych]\ntextver=40\n"));
        tableRow("Windows-1251 kept", B("; \xEA\r\n[Stakanych]\r\ntextver=1\r\n"),
                 B("; \xEA\r\n[Stakanych]\r\ntextver=40\r\n"));
    }
    void iniWrite()
    {
        const auto [before, after] = fetch<QByteArray, QByteArray>("before", "after");
        if (!before.isEmpty())
            writeTestFile(u"config.cfg"_qs, before);
        QVERIFY(WriteConfigValue(u"textver"_qs, u"40"_qs));
        QCOMPARE(readTestFile(u"config.cfg"_qs), after);
        QCOMPARE(ReadConfigValue(u"TEXTVER"_qs, QString()), u"40"_qs);
    }

    void configWrite_data()
    {
        // link: config.cfg is a link to dotfiles/stakanych.cfg
        columns<bool, int>("link", "mode");
        tableRow("mode and owner kept", false, 0640);
        tableRow("read-only", false, 0444);
        tableRow("link", true, 0644);
        tableRow("link to a read-only file", true, 0444);
    }
    void configWrite()
    {
        // A file marked read-only is not written, though its folder would let
        // a new file be renamed over it; root, whom the system lets write it,
        // leaves it alone too. A link stays a link; its target is written.
        // Temporary files of earlier writes cut short go, one just begun and a
        // user's backup stay.
        const auto [link, mode] = fetch<bool, int>("link", "mode");
        const bool readOnly = !(mode & 0222), root = ::getuid() == 0;
        const QString target = link ? u"dotfiles/stakanych.cfg"_qs : u"config.cfg"_qs;
        const QString name = QFileInfo(target).fileName();
        const QDir folder = QFileInfo(target).dir();
        const QByteArray before = "[Stakanych]\r\ntextver=50\r\n";
        writeTestFile(target, before);
        QStringList kept{name, name + u".backup"_qs, u'.' + name + u".Fresh1"_qs,
                         u'.' + name + u".toolong1"_qs};
        const QStringList stale{u'.' + name + u".Ab12Cd"_qs, u'.' + name + u".zzzzzz"_qs};
        for (const QString &t : kept.mid(1) + stale) {
            QFile f(folder.filePath(t));
            const QDateTime old = QDateTime::currentDateTime().addSecs(-3600);
            QVERIFY(f.open(QIODevice::WriteOnly) &&
                    (t.endsWith(u"Fresh1"_qs) ||
                     f.setFileTime(old, QFileDevice::FileModificationTime)));
        }
        if (link)
            QVERIFY(QFile::link(QFileInfo(target).absoluteFilePath(), u"config.cfg"_qs));
        QVERIFY(::chmod(QFile::encodeName(target).constData(), mode_t(mode)) == 0);
        QVERIFY(!root || ::chown(QFile::encodeName(target).constData(), 4321, 4321) == 0);
        QVERIFY(!readOnly || !root || QFile(target).open(QIODevice::Append));
        QString error;
        QCOMPARE(WriteConfigValue(u"textver"_qs, u"60"_qs, &error), !readOnly);
        QCOMPARE(error.isEmpty(), !readOnly);
        QCOMPARE(readTestFile(target), readOnly ? before : "[Stakanych]\r\ntextver=60\r\n");
        QCOMPARE(fileMode(target), mode_t(mode));
        QVERIFY(!root || QFileInfo(target).ownerId() == 4321);
        QCOMPARE(QFileInfo(u"config.cfg"_qs).isSymLink(), link);
        if (readOnly)
            kept += stale;
        kept.sort();
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden, QDir::Name), kept);
        QVERIFY(!writeIniValue(u"no/such/folder/x.ini"_qs, u"S"_qs, u"k"_qs, u"v"_qs));
    }

    void loadSettings_data()
    {
        // loaded: from to textver tostver voicever randompic quake mypic
        columns<QString, QString>("entries", "loaded");
        const char *defaults = "50000 60000 50 30 20 0 300 alk1.bmp";
        tableRow("no file", "", defaults);
        tableRow("from 0 means 50", "BaseIntervalFrom=0", defaults);
        tableRow("from 70", "BaseIntervalFrom=70", "60000 60000 50 30 20 0 300 alk1.bmp");
        tableRow("30 and 10", "BaseIntervalFrom=30\nBaseIntervalTo=10",
                 "30000 30000 50 30 20 0 300 alk1.bmp");
        tableRow("1 and 61", "BaseIntervalFrom=1\nBaseIntervalTo=61",
                 "1000 60000 50 30 20 0 300 alk1.bmp");
        tableRow("randompic 250, a sum above 100", "randompic=250\nTOSTVER=80\nquake=-7\nmypic=my",
                 "50000 60000 50 80 20 100 -7 my");
        tableRow("randompic -5", "RANDOMPIC=-5\nTextVer=70", "50000 60000 70 30 20 0 300 alk1.bmp");
        tableRow("empty values", "BaseIntervalFrom=\ntextver=\nmypic=\nquake=abc",
                 "50000 60000 0 30 20 0 0 ");
    }
    void loadSettings()
    {
        const auto [entries, loaded] = fetch<QString, QString>("entries", "loaded");
        if (!entries.isEmpty())
            writeTestFile(u"config.cfg"_qs, "[STAKANYCH]\n" + entries.toUtf8() + '\n');
        Settings s;
        LoadSettings(s);
        QString got;
        for (int n : {s.BaseIntervalFrom, s.BaseIntervalTo, s.textver, s.tostver, s.voicever,
                      s.randompic, s.quake})
            got += QString::number(n) + u' ';
        QCOMPARE(got + s.mypic, loaded);
    }

    void plantedFilesAreMissing_data()
    {
        QTest::addColumn<Planted>("what");
        using enum Planted;
        tableRow("fifo", Fifo);
        tableRow("link to a fifo", LinkToFifo);
        tableRow("/dev/zero", Device);
        tableRow("folder", Folder);
        tableRow("1 GB", Huge);
        tableRow("dangling link", DanglingLink);
    }
    void plantedFilesAreMissing()
    {
        // Nothing planted under a content file's name may block or exhaust the
        // program: each is a missing file to every reader.
        QFETCH(Planted, what);
        plant(u"pics/x.bmp"_qs, what);
        writeTestFile(u"pics/y.bmp"_qs, "y");
        plant(u"config.cfg"_qs, what);
        QVERIFY(!readTextFile(u"pics\\X.BMP"_qs));
        QVERIFY(loadPicture(u"pics/x.bmp"_qs).isNull());
        // Listings hold regular files only; one too large is there but unreadable.
        const bool regular = what == Planted::Huge;
        QCOMPARE(contentFileExists(u"pics/x.bmp"_qs), regular);
        QCOMPARE(listContentFiles(u"pics"_qs, {u"*.bmp"_qs}),
                 regular ? (QStringList{"x.bmp", "y.bmp"}) : QStringList{"y.bmp"});
        QCOMPARE(ReadConfigValue(u"quake"_qs, u"def"_qs), u"def"_qs);
        // A configuration that cannot be read whole is not overwritten.
        QString error;
        QVERIFY(!WriteConfigValue(u"quake"_qs, u"1"_qs, &error) && !error.isEmpty());
        QCOMPARE(QFileInfo(u"config.cfg"_qs).isFile(), regular);
    }

    void sizeLimits_data()
    {
        // beyond: bytes beyond the kind's limit; -1: an empty file
        columns<ContentKind, qint64>("kind", "beyond");
        for (const auto &[name, kind] :
             {std::pair{"text", ContentKind::Text}, std::pair{"sound", ContentKind::Sound},
              std::pair{"picture", ContentKind::Picture}}) {
            QTest::addRow("%s at its limit", name) << kind << qint64(0);
            QTest::addRow("%s above", name) << kind << qint64(1);
        }
        tableRow("empty", ContentKind::Text, qint64(-1));
    }
    void sizeLimits()
    {
        const auto [kind, beyond] = fetch<ContentKind, qint64>("kind", "beyond");
        const qint64 size = beyond < 0 ? 0 : contentSizeLimit(kind) + beyond;
        QFile f(u"f"_qs);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.resize(size));
        f.close();
        const auto bytes = readContentFile(u"f"_qs, kind);
        QCOMPARE(bytes.has_value(), beyond <= 0);
        QVERIFY(!bytes || bytes->size() == size);
    }

    void chooseFolders_data()
    {
        // Folders under the test's root; "" for none. The installed folder
        // holds text.tlk unless a row says otherwise.
        columns<QStringList, QString, QString, bool, QString, QString>(
            "startFiles", "start", "dataHome", "installedHoldsContent", "user", "installed");
        using L = QStringList;
        const char *share = "share/stakanych", *data = "data/stakanych";
        tableRow("empty: the user's over the installed", L{}, "here", "data", true, data, share);
        tableRow("settings file: that folder alone", L{"Config.CFG"}, "here", "data", true, "here",
                 "");
        tableRow("other files are not content", L{"notes.txt", "pics/a.bmp"}, "here", "data", true,
                 data, share);
        tableRow("in the installed folder", L{}, share, "data", true, data, share);
        tableRow("in the user's, with settings", L{"config.cfg"}, data, "data", true, data, share);
        tableRow("nothing installed: start folder", L{}, "here", "data", false, "here", "");
        tableRow("installed into the data home", L{}, "here", "share", true, share, "");
        tableRow("no usable data home: start folder", L{}, "here", "", true, "here", "");
    }
    void chooseFolders()
    {
        const auto [startFiles, start, dataHome, installedHoldsContent, user, installed] =
            fetch<QStringList, QString, QString, bool, QString, QString>(
                "startFiles", "start", "dataHome", "installedHoldsContent", "user", "installed");
        QDir(root->path()).mkpath(start);
        for (const QString &f : startFiles)
            writeTestFile(root->filePath(start + u'/' + f), "x");
        if (installedHoldsContent)
            writeTestFile(path("share/stakanych/text.tlk"), "x");
        // A relative data home is no usable one.
        const ContentFolders chosen =
            chooseContentFolders(root->filePath(start), path("share/stakanych"),
                                 dataHome.isEmpty() ? u"data"_qs : root->filePath(dataHome));
        QCOMPARE(chosen.user, root->filePath(user));
        QCOMPARE(chosen.installed, installed.isEmpty() ? QString() : root->filePath(installed));
    }

    void unusableUserFolderChangesNothing()
    {
        // A file where the folder should be: the reason is told. (A folder
        // made and entered is install_e2e's.)
        QString error;
        writeTestFile(path("blocked"), "x");
        QVERIFY(!useContentFolders({path("blocked/stakanych"), path("share/stakanych")}, &error));
        QVERIFY(error.contains(path("blocked/stakanych")));
        QCOMPARE(QDir::currentPath(), path("user"));
        QVERIFY(installedContentFolder().isEmpty());
    }

    void userFolderOverTheInstalledOne()
    {
        // Windows paths in any letter case, an exact match first; the user's
        // files over the installed ones, which the user's folder takes every
        // write for.
        setInstalledContentFolder(path("share/stakanych"));
        for (const char *f :
             {"user/Pics/Sub/Bottle.BMP", "user/a.txt", "user/A.txt", "user/TOST.TLK", "user/a.scn",
              "user/Party.scn", "user/Pics/mine.jpg", "user/Sub/Old.TXT"})
            writeTestFile(path(f), "user");
        for (const char *f : {"text.tlk", "tost.tlk", "Pics/Other.BMP", "b.SCN", "party.scn",
                              "z.txt", "Pics/x.jpg", "title.mp3"})
            writeTestFile(path("share/stakanych/") + QLatin1String(f), "installed");
        QCOMPARE(resolveContentPath(u".\\pics\\sub\\bottle.bmp"_qs), u"./Pics/Sub/Bottle.BMP"_qs);
        QCOMPARE(resolveContentPath(u"A.txt"_qs), u"A.txt"_qs);
        QCOMPARE(resolveContentPath(u"a.txt"_qs), u"a.txt"_qs);
        QCOMPARE(readTestFile(resolveContentPath(u"text.tlk"_qs)), QByteArray("installed"));
        QCOMPARE(readTestFile(resolveContentPath(u"tost.tlk"_qs)), QByteArray("user"));
        QVERIFY(contentFileExists(u"PICS\\OTHER.bmp"_qs) && !contentFileExists(u"pics\\sub"_qs));
        // Missing in both: the user folder's name, for messages and writes.
        QCOMPARE(resolveContentPath(u"wav\\none.wav"_qs), u"wav/none.wav"_qs);
        QVERIFY(!contentFileExists(path("user/text.tlk"))); // a full path means what it says
        // A replacement is not copied first; an update of the user's file is that file.
        QCOMPARE(writableContentPath(u"title.mp3"_qs), path("user/title.mp3"));
        QVERIFY(!QFileInfo::exists(path("user/title.mp3")));
        QCOMPARE(writableContentPath(u"sub\\old.txt"_qs, ContentWrite::Update),
                 path("user/Sub/Old.TXT"));
        QCOMPARE(listContentFiles({}, {u"*.scn"_qs}), (QStringList{"a.scn", "b.SCN", "Party.scn"}));
        QCOMPARE(listContentFiles(u"PICS"_qs, {u"*.jpg"_qs}), (QStringList{"mine.jpg", "x.jpg"}));
        // A folder named in full is that folder only.
        QCOMPARE(listContentFiles(path("share/stakanych"), {u"*.scn"_qs}),
                 (QStringList{"b.SCN", "party.scn"}));
        // Nothing installed: the listing is the user's.
        setInstalledContentFolder({});
        QCOMPARE(listContentFiles({}, {u"*.scn"_qs}), (QStringList{"a.scn", "Party.scn"}));
    }

    void startFolderPaths()
    {
        writeTestFile(path("start/my party.scn"), "x");
        writeTestFile(path("start/sub/x.scn"), "x");
        const QString start = path("start");
        QCOMPARE(keepStartFolderPath(u"my party.scn"_qs, start), path("start/my party.scn"));
        QCOMPARE(keepStartFolderPath(u"sub\\x.scn"_qs, start), path("start/sub/x.scn"));
        QCOMPARE(keepStartFolderPath(u"fun.scn"_qs, start), u"fun.scn"_qs);
        QCOMPARE(keepStartFolderPath(QString(), start), QString());
    }

    void randomRange()
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

    void pictureSizeLimit()
    {
        // A GIF of a few bytes may declare a screen of any size, which the
        // decoder fills whole: 5000 x 2000 pixels are refused, 2000 x 2000 not.
        auto gif = [](quint16 w, quint16 h) {
            QByteArray g("GIF89a");
            for (quint16 v : {w, h})
                g += char(v & 0xff) + QByteArray(1, char(v >> 8));
            // Two colours; one image of one pixel; its LZW data; the end.
            return g + QByteArray::fromHex("800000000000ffffff2c00000000010001000002024401003b");
        };
        QCOMPARE(decodePicture(gif(2000, 2000)).size(), QSize(2000, 2000));
        QVERIFY(decodePicture(gif(5000, 2000)).isNull());
    }

    void screenCopies_data()
    {
        // What a refused capture gives: nothing, or nothing but black.
        columns<QImage, bool>("shot", "usable");
        QImage black(100, 60, QImage::Format_RGB32), onePixel;
        black.fill(Qt::black);
        (onePixel = black).setPixel(99, 59, qRgb(0, 0, 1));
        tableRow("null", QImage(), false);
        tableRow("black", black, false);
        tableRow("one pixel of colour", onePixel, true);
    }
    void screenCopies()
    {
        const auto [shot, usable] = fetch<QImage, bool>("shot", "usable");
        QCOMPARE(isUsableScreenCopy(shot), usable);
    }

    void smear_data()
    {
        // Bounds w, h on a picture one pixel larger each way: a centre on the
        // last column or row writes beyond it, and those writes are dropped.
        columns<QList<QPoint>, QSize, int>("centres", "bounds", "changed");
        using P = QList<QPoint>;
        tableRow("inside", P{{2, 2}}, QSize(4, 3), 8);
        tableRow("last column", P{{4, 2}}, QSize(4, 3), 5);
        tableRow("corner", P{{4, 3}}, QSize(4, 3), 3);
        // x is drawn before y.
        tableRow("x first", P{{1, 2}}, QSize(3, 3), 8);
        // The second step reads what the first wrote: one colour all over.
        tableRow("one step after the other", P{{1, 1}, {2, 2}}, QSize(3, 3), 13);
    }
    void smear()
    {
        const auto [centres, bounds, changed] =
            fetch<QList<QPoint>, QSize, int>("centres", "bounds", "changed");
        const QImage before = uniqueImage(bounds.width() + 1, bounds.height() + 1);
        QImage img = before;
        ScriptedRandom random(::centres(centres, bounds.width(), bounds.height()));
        SmearPixels(centres.size(), img, bounds.width(), bounds.height(), random);
        QCOMPARE(random.draws(), 2 * centres.size());
        const QList<QPoint> diff = changedPixels(before, img);
        QCOMPARE(diff.size(), changed);
        for (const QPoint &p : diff) {
            QCOMPARE(img.pixel(p), before.pixel(centres.first()));
            QVERIFY(std::any_of(centres.begin(), centres.end(), [&](QPoint c) {
                return qAbs(p.x() - c.x()) <= 1 && qAbs(p.y() - c.y()) <= 1;
            }));
        }
    }

    void doubleVision()
    {
        // Red columns 0..216, blue to 431, green 432: every second column of
        // 0..430 twice over gives red 0..108 and 216..324; 432 stays green.
        QImage img(433, 225, QImage::Format_RGB32);
        img.fill(Qt::blue);
        QPainter p(&img);
        p.fillRect(0, 0, 217, 225, Qt::red);
        p.fillRect(432, 0, 1, 225, Qt::green);
        p.end();
        DoubleImage(img);
        for (int y : {0, 224})
            for (int x = 0; x < 433; ++x)
                QCOMPARE(img.pixel(x, y), x == 432                    ? qRgb(0, 255, 0)
                                          : x % 216 <= 108 && x < 432 ? qRgb(255, 0, 0)
                                                                      : qRgb(0, 0, 255));
    }

    void frolicPicture()
    {
        // The copy on black at the screen's size, smeared within it.
        const QImage shot = uniqueImage(60, 40);
        ScriptedRandom random(centres({{60, 40}, {1, 1}}, 63, 47));
        const QImage picture = FrolicPicture(shot, QSize(64, 48), 2, random);
        QCOMPARE(picture.size(), QSize(64, 48));
        QCOMPARE(picture.pixel(63, 47), qRgb(0, 0, 0));
        QCOMPARE(picture.pixel(30, 20), shot.pixel(30, 20));
        // (60, 40) lies on black: black spreads into the copy's corner.
        QCOMPARE(picture.pixel(59, 39), qRgb(0, 0, 0));
        QCOMPARE(picture.pixel(0, 0), shot.pixel(1, 1));
        QCOMPARE(random.draws(), 4);
    }

    // Where windows go on desktops of several screens.
    void screenAt_data()
    {
        columns<QList<QRect>, QPoint, int>("screens", "point", "screen");
        QTest::newRow("left") << kSideBySide << QPoint(1919, 500) << 0;
        QTest::newRow("right") << kSideBySide << QPoint(1920, 500) << 1;
        QTest::newRow("above") << kAbove << QPoint(100, -1) << 1;
        QTest::newRow("below the lower: nearest") << kAbove << QPoint(100, 5000) << 0;
        QTest::newRow("in the gap: nearest") << kGap << QPoint(2400, 500) << 1;
        QTest::newRow("no screens") << QList<QRect>{} << QPoint(0, 0) << -1;
    }

    void screenAt()
    {
        const auto [screens, point, screen] =
            fetch<QList<QRect>, QPoint, int>("screens", "point", "screen");
        QCOMPARE(ScreenAt(screens, point), screen);
    }

    void placement_data()
    {
        // window: the window itself, or the one it goes by
        columns<QString, QRect, QSize, QPoint>("rule", "window", "outer", "at");
        const auto row = [](const char *name, const char *rule, QRect window, QSize outer,
                            QPoint at) {
            QTest::newRow(name) << QString::fromLatin1(rule) << window << outer << at;
        };
        // All on the right of two monitors side by side.
        row("inside stays", "keep", {2000, 100, 400, 300}, {}, {2000, 100});
        row("over the right edge", "keep", {3700, 900, 400, 300}, {}, {3440, 780});
        row("partly on the left monitor", "keep", {1800, -50, 400, 300}, {}, {1920, 0});
        row("larger than the screen", "keep", {2500, 500, 2000, 1200}, {}, {1920, 0});
        row("centred", "centre", {}, {500, 420}, {2630, 330});
        row("over the opener", "over", {2400, 300, 467, 413}, {300, 250}, {2484, 382});
        row("over an opener at the edge", "over", {3700, 950, 200, 100}, {300, 250}, {3540, 830});
        row("beside, to the right", "beside", {2000, 100, 467, 413}, {556, 420}, {2467, 100});
        row("beside, no room: to the left", "beside", {3300, 100, 467, 413}, {556, 420},
            {2744, 100});
        row("beside, no room either side", "beside", {2100, 900, 1500, 300}, {556, 420},
            {3284, 660});
    }

    void placement()
    {
        const auto [rule, window, outer, at] =
            fetch<QString, QRect, QSize, QPoint>("rule", "window", "outer", "at");
        const QRect screen = kSideBySide[1];
        QPoint got;
        if (rule == u"keep"_qs)
            got = KeepInside(window, screen);
        else if (rule == u"centre"_qs)
            got = CentredOn(outer, screen);
        else if (rule == u"over"_qs)
            got = CentredOver(outer, window, screen);
        else
            got = Beside(outer, window, screen);
        QCOMPARE(got, at);
    }

    void desktopPictureCrop_data()
    {
        columns<QSize, QList<QRect>, int, QRect>("picture", "screens", "screen", "crop");
        tableRow("beside, 1.25, right", QSize(4800, 1350), kSideBySide, 1,
                 QRect(2400, 0, 2400, 1350));
        tableRow("beside, 2, left", QSize(7680, 2160), kSideBySide, 0, QRect(0, 0, 3840, 2160));
        tableRow("above, 1, lower", QSize(2560, 2520), kAbove, 0, QRect(0, 1440, 1920, 1080));
        tableRow("above, 2, upper", QSize(5120, 5040), kAbove, 1, QRect(0, 0, 5120, 2880));
        tableRow("gap, 1, the second", QSize(3780, 1324), kGap, 1, QRect(2500, 300, 1280, 1024));
        tableRow("no picture", QSize(), kSideBySide, 1, QRect());
    }

    void desktopPictureCrop()
    {
        const auto [picture, screens, screen, crop] =
            fetch<QSize, QList<QRect>, int, QRect>("picture", "screens", "screen", "crop");
        QCOMPARE(DesktopPictureCrop(picture, screens, screens[screen]), crop);
    }

    void readPhrase_data()
    {
        // number 0: a random phrase, the draws naming 1, 1 and 2 of two; the
        // speech history holds "1," before and `history` after
        columns<QByteArray, int, QString, QString>("file", "number", "expected", "history");
        using B = QByteArray;
        const B five = "2\r\n>A\r\n>B\r\n\r\nB2\r\n";
        tableRow("one-line phrase", five, 1, "A\r\n", "1,");
        tableRow("empty line belongs to the phrase", five, 2, "B\r\n\r\nB2\r\n", "1,");
        tableRow("beyond the phrases", five, 3, "", "1,");
        tableRow("bare marker", B("1\r\n>\r\nQ\r\n"), 1, "\r\nQ\r\n", "1,");
        tableRow("lines before the first marker", B("2\r\nintro\r\n>X\r\n>Y\r\n"), 1, "X\r\n",
                 "1,");
        tableRow("CR line ends", B("2\r>one\rtwo\r>three\r"), 1, "one\r\ntwo\r\n", "1,");
        tableRow("last phrase without line end", B("2\r\n>a\r\n>b"), 2, "b\r\n", "1,");
        tableRow("count larger than the phrases", B("9\r\n>a\r\n"), 2, "", "1,");
        tableRow("count 0 bounds no explicit number", B("0\r\n>a\r\n>b\r\n"), 2, "b\r\n", "1,");
        tableRow("count not a number either", B("x\r\n>a\r\n"), 1, "a\r\n", "1,");
        tableRow("Windows-1251", B("1\r\n>\xcd\xe0\xeb\xe8\xe2\xe0\xe9!\r\n"), 1, "Наливай!\r\n",
                 "1,");
        tableRow("UTF-8 with BOM", "\xef\xbb\xbf" + B("1\r\n>Ура\r\n"), 1, "Ура\r\n", "1,");
        // The count line bounds the draw although more phrases follow.
        tableRow("random", B("2\r\n>a\r\n>b\r\n>c\r\n"), 0, "b\r\n", "1,2,");
        // No phrase to draw from: nothing drawn, the history left alone.
        tableRow("missing", B(), 0, "", "1,");
        tableRow("count only", B("3\r\n"), 0, "", "1,");
        tableRow("count zero", B("0\r\n>a\r\n"), 0, "", "1,");
        tableRow("count with fraction", B("2.5\r\n>a\r\n>b\r\n"), 0, "", "1,");
    }
    void readPhrase()
    {
        const auto [file, number, expected, history] =
            fetch<QByteArray, int, QString, QString>("file", "number", "expected", "history");
        if (!file.isNull())
            writeTestFile(u"text.tlk"_qs, file);
        ScriptedRandom scripted(drawsFor({1, 1, 2}, 2));
        ctx->random = &scripted;
        phraseHistory().slot(0) = u"1,"_qs;
        QCOMPARE(ReadPhrase(u"text.tlk"_qs, number), expected);
        QCOMPARE(phraseHistory().slot(0), history);
        // The clock reseeds the draws when reading starts and before each draw.
        const bool drawn = history != u"1,"_qs;
        QCOMPARE(scripted.draws(), drawn ? 3 : 0);
        QVERIFY(!drawn || scripted.reseeds() == 4);
    }

    void picks_data()
    {
        // Picks from a file of `count` phrases, the draws naming `drawn`, its
        // kind's slot of recent picks holding `recent` before and `slot` after
        // ("*": not looked at).
        columns<QString, int, int, QString, QList<int>, QList<int>, QString>(
            "name", "kind", "count", "recent", "drawn", "picks", "slot");
        using P = QList<int>;
        tableRow("speech, a comma after each pick", "text.tlk", 0, 50, "", P{12, 5, 31},
                 P{12, 5, 31}, "12,5,31,");
        tableRow("toasts", "tost.tlk", 1, 50, "", P{7}, P{7}, "7,");
        // A run of count - 2 picks clears the slot; the accepted pick starts
        // the next run.
        tableRow("voices, recent picks drawn again", "sound.tlk", 2, 5, "",
                 P{1, 1, 2, 3, 2, 4, 4, 1}, P{1, 2, 3, 4, 1}, "4,1,");
        tableRow("riddles", "zag.tlk", 3, 50, "8,", P{8, 9}, P{9}, "8,9,");
        tableRow("other names share the speech slot", "anekdot.tlk", 0, 3, "2,", P{2, 3}, P{3},
                 "3,");
        tableRow("so does another letter case", "Tost.tlk", 0, 3, "2,", P{2, 3}, P{3}, "3,");
        tableRow("and a folder", ".\\sound.tlk", 0, 3, "2,", P{2, 3}, P{3}, "3,");
        tableRow("one phrase", "tost.tlk", 1, 1, "", P{1}, P{1, 1, 1, 1}, "1,");
        // Every pick differs from the one before although the draws keep
        // naming phrase 1.
        tableRow("two phrases, draws stuck on 1", "tost.tlk", 1, 2, "", P{1}, P{1, 2, 1, 2, 1},
                 "2,1,");
        tableRow("two phrases, alternating draws", "tost.tlk", 1, 2, "", P{1, 2},
                 P{1, 2, 1, 2, 1, 2}, "*");
    }
    void picks()
    {
        const auto [name, kind, count, recent, drawn, picks, slot] =
            fetch<QString, int, int, QString, QList<int>, QList<int>, QString>(
                "name", "kind", "count", "recent", "drawn", "picks", "slot");
        ScriptedRandom scripted(drawsFor(drawn, count));
        ctx->random = &scripted;
        phraseHistory().slot(kind) = recent;
        QList<int> got;
        for (qsizetype i = 0; i < picks.size(); ++i)
            got << PickPhraseNumber(name, count);
        QCOMPARE(got, picks);
        if (slot != u"*"_qs)
            QCOMPARE(phraseHistory().slot(kind), slot);
        // A slot never grows beyond what one run needs; other kinds' stay empty.
        QVERIFY(phraseHistory().slot(kind).count(u',') <= qMax(2, count - 1));
        for (int k = 0; k < 4; ++k)
            QVERIFY(k == kind || phraseHistory().slot(k).isEmpty());
    }

    void userButtons_data()
    {
        // Buttons 1..5 as "caption", "caption (hidden)" or "-" for none.
        columns<QStringList, QStringList>("lines", "buttons");
        using L = QStringList;
        tableRow("captions trimmed; blank lines give none", L{" Тост ", "", "  \t", "Пять"},
                 L{"Тост", "-", "-", "Пять", "-"});
        tableRow("the marker hides, anywhere in the line", L{"%>!<% Секрет", "Вы%>!<%пьем"},
                 L{"Секрет (hidden)", "Выпьем (hidden)", "-", "-", "-"});
        tableRow("a marker alone", L{"%>!<%"}, L{" (hidden)", "-", "-", "-", "-"});
        tableRow("five at most", L{"1", "2", "3", "4", "5", "6"}, L{"1", "2", "3", "4", "5"});
    }
    void userButtons()
    {
        const auto [lines, buttons] = fetch<QStringList, QStringList>("lines", "buttons");
        const auto parsed = ParseUserButtons(lines);
        QVERIFY(!parsed[0]);
        QStringList got;
        for (int k = 1; k <= 5; ++k)
            got << (!parsed[k]          ? u"-"_qs
                    : parsed[k]->hidden ? parsed[k]->caption + u" (hidden)"_qs
                                        : parsed[k]->caption);
        QCOMPARE(got, buttons);
    }

    void wavProblems_data()
    {
        // problem: part of the reason; empty: plays
        columns<QByteArray, QString>("bytes", "problem");
        const QByteArray sound = wavChunk("data", QByteArray(100, 'x'));
        const QByteArray pcm = wavFormat(1, 1, 22050, 16), odd = wavChunk("fact", "x");
        tableRow("16-bit PCM", wavFile(pcm + sound), "");
        tableRow("other chunks first, odd sizes padded",
                 wavFile(wavChunk("LIST", "abc") + wavFormat(3, 2, 44100, 32) + odd + sound), "");
        tableRow("IMA ADPCM", wavFile(wavFormat(0x11, 1, 8000, 4) + sound), "");
        tableRow("not RIFF", QByteArray("ID3\x03 an mp3 file"), "RIFF/WAVE");
        tableRow("no format", wavFile(sound), "fmt");
        tableRow("no data", wavFile(pcm), "data");
        tableRow("empty data", wavFile(pcm + wavChunk("data", {})), "data");
        tableRow("MP3 inside", wavFile(wavFormat(0x55, 1, 22050, 0) + sound), "85");
        tableRow("12-bit PCM", wavFile(wavFormat(1, 1, 22050, 12) + sound), "12 бит");
        tableRow("no channels", wavFile(wavFormat(1, 0, 22050, 16) + sound), "каналов");
        tableRow("cut header", QByteArray("RIFF\x10\0\0\0WAVEfmt \x10\0\0\0\x01", 21), "fmt");
    }
    void wavProblems()
    {
        const auto [bytes, problem] = fetch<QByteArray, QString>("bytes", "problem");
        const auto got = WavProblem(bytes);
        QCOMPARE(got.has_value(), !problem.isEmpty());
        QVERIFY2(!got || got->contains(problem), qPrintable(got.value_or(QString())));
    }

    void changedFilesAreReadAgain_data()
    {
        columns<QByteArray, bool, QString>("second", "restoreTime", "read");
        // Read once an hour after it was written, the file is then changed.
        tableRow("another size", QByteArray("1\r\n>Второй\r\n"), false, u"Второй\r\n"_qs);
        tableRow("same size, changed just now", QByteArray("1\r\n>Шестой\r\n"), false,
                 u"Шестой\r\n"_qs);
        // Same size, inode and time: nothing tells it changed, the index stays.
        tableRow("same size and time", QByteArray("1\r\n>Шестой\r\n"), true, u"Первый\r\n"_qs);
    }
    void changedFilesAreReadAgain()
    {
        const auto [second, restoreTime, read] =
            fetch<QByteArray, bool, QString>("second", "restoreTime", "read");
        const timeval hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        const auto write = [&](const QByteArray &bytes) {
            QFile f(u"text.tlk"_qs);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(0) && f.write(encodeCp1251(QString::fromUtf8(bytes))) > 0);
        };
        write("1\r\n>Первый\r\n");
        ::utimes("text.tlk", hourAgo);
        QCOMPARE(ReadPhrase(u"text.tlk"_qs, 1), u"Первый\r\n"_qs);
        write(second);
        if (restoreTime)
            ::utimes("text.tlk", hourAgo);
        QCOMPARE(ReadPhrase(u"text.tlk"_qs, 1), read);
    }

    void countdown_data()
    {
        columns<QDateTime, QString>("now", "text");
        const auto row = [](int day, int month, int h, int m, const char *text) {
            QTest::addRow("%d.%d. %d:%02d", day, month, h, m)
                << QDateTime(QDate(2003, month, day), QTime(h, m)) << QString::fromUtf8(text);
        };
        row(31, 12, 23, 59, "> До нового года - 0 час. 1 мин. <");
        row(12, 12, 10, 0, "До нового года - 19 дней");
        row(26, 12, 10, 0, "До нового года - 5 дней");
        row(27, 12, 10, 0, "До нового года - 4 дня");
        row(30, 12, 10, 0, "До нового года - 1 день");
        row(11, 12, 23, 59, "");
        row(31, 1, 0, 0, "");
    }
    void countdown()
    {
        const auto [now, text] = fetch<QDateTime, QString>("now", "text");
        QCOMPARE(CountdownText(now), text);
    }

    void holiday_data()
    {
        columns<QString, QDate, QString>("list", "day", "text");
        const auto row = [](const char *name, const char *list, QDate day, const char *text) {
            QTest::newRow(name) << QString::fromUtf8(list) << day << QString::fromUtf8(text);
        };
        // The key is day, month and a blank.
        const char *list = "11-1 Одиннадцатое\r\n1-12 Декабрь\r\n1-1 Новый год\r\n";
        row("1 January is not 11 January or 1 December", list, {2004, 1, 1}, "Новый год");
        row("line break in any case", "7-1 Рождество%BR%Христово\r\n", {2004, 1, 7},
            "Рождество\r\nХристово");
        row("first of two lines", "8-3 Первая\r\n8-3 Вторая\r\n", {2004, 3, 8}, "Первая");
        row("key needs its blank", "8-3Первая\r\n8-31 Нет\r\n", {2004, 3, 8}, "");
    }
    void holiday()
    {
        const auto [list, day, text] = fetch<QString, QDate, QString>("list", "day", "text");
        QCOMPARE(HolidayLine(list, day), text);
    }

private:
    QString path(const char *name) const { return root->filePath(QLatin1String(name)); }
    std::optional<QTemporaryDir> root;
    FakeClock clock;
    MixingRandom random;
    std::optional<AppContext> ctx;
};

QTEST_MAIN(TestCore)
#include "tst_core.moc"
