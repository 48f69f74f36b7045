#include "app/cmdoptions.h"
#include "core/contentfolders.h"
#include "core/contentpath.h"
#include "core/cp1251.h"
#include "core/settings.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace stak;

// The user's content folder over the installed one: which folders a run uses,
// and how reads, writes and listings share them.
class TestContentFolders : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        root = std::make_unique<QTemporaryDir>();
        QDir(root->path()).mkpath(QStringLiteral("user"));
        QDir(root->path()).mkpath(QStringLiteral("share/stakanych"));
        QVERIFY(QDir::setCurrent(path("user")));
        setInstalledContentFolder(path("share/stakanych"));
    }
    void cleanup()
    {
        setInstalledContentFolder({});
        QDir::setCurrent(QDir::tempPath());
        root.reset();
    }

    void chooseFolders_data();
    void chooseFolders();
    void useFoldersCreatesTheUserFolder();
    void userFilesWinOverInstalledOnes();
    void writesStayInTheUserFolder();
    void listingsMergeBothFolders();
    void configWriteStartsFromTheInstalledFile();
    void startFolderPaths();
    void helpNamesTheFolders();

private:
    QString path(const QString &name) const { return root->filePath(name); }
    void put(const QString &name, const QByteArray &bytes = "x") const
    {
        writeTestFile(path(name), bytes);
    }
    static QByteArray read(const QString &file)
    {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    std::unique_ptr<QTemporaryDir> root;
};

void TestContentFolders::chooseFolders_data()
{
    // Folders under the test's root; "" for none. The installed folder holds
    // text.tlk unless a row says otherwise.
    QTest::addColumn<QStringList>("startFiles");
    QTest::addColumn<QString>("start");
    QTest::addColumn<QString>("dataHome");
    QTest::addColumn<bool>("installedHoldsContent");
    QTest::addColumn<QString>("user");
    QTest::addColumn<QString>("installed");
    const QString share = QStringLiteral("share/stakanych");
    auto row = [](const char *name, QStringList files, QString start, QString dataHome,
                  bool installedHoldsContent, QString user, QString installed) {
        QTest::newRow(name) << files << start << dataHome << installedHoldsContent << user
                            << installed;
    };
    row("empty folder: the user's over the installed", {}, "here", "data", true, "data/stakanych",
        share);
    row("settings file: that folder alone", {"Config.CFG"}, "here", "data", true, "here", "");
    row("a scenario is content too", {"PARTY.SCN"}, "here", "data", true, "here", "");
    row("other files are not content", {"notes.txt", "pics/a.bmp"}, "here", "data", true,
        "data/stakanych", share);
    row("in the installed folder: still the user's", {}, share, "data", true, "data/stakanych",
        share);
    row("in the user's folder, which has settings: over the installed", {"config.cfg"},
        "data/stakanych", "data", true, "data/stakanych", share);
    row("nothing installed: the start folder alone", {}, "here", "data", false, "here", "");
    row("installed into the data home: that folder alone", {}, "here", "share", true, share, "");
    row("no usable data home: the start folder alone", {}, "here", "", true, "here", "");
}

void TestContentFolders::chooseFolders()
{
    QFETCH(QStringList, startFiles);
    QFETCH(QString, start);
    QFETCH(QString, dataHome);
    QFETCH(bool, installedHoldsContent);
    QFETCH(QString, user);
    QFETCH(QString, installed);
    QDir(root->path()).mkpath(start);
    for (const QString &f : startFiles)
        put(start + QLatin1Char('/') + f);
    if (installedHoldsContent)
        put(QStringLiteral("share/stakanych/text.tlk"));
    const ContentFolders chosen =
        chooseContentFolders(path(start), path("share/stakanych"),
                             dataHome.isEmpty() ? QStringLiteral("data") : path(dataHome));
    QCOMPARE(chosen.user, path(user));
    QCOMPARE(chosen.installed, installed.isEmpty() ? QString() : path(installed));
}

void TestContentFolders::useFoldersCreatesTheUserFolder()
{
    QString error;
    QVERIFY(useContentFolders({path("home/data/stakanych"), path("share/stakanych")}, &error));
    QCOMPARE(QDir::currentPath(), path("home/data/stakanych"));
    QCOMPARE(installedContentFolder(), path("share/stakanych"));

    // A file where the folder should be: nothing changes, the reason is told.
    setInstalledContentFolder({});
    put(QStringLiteral("blocked"));
    QVERIFY(!useContentFolders({path("blocked/stakanych"), path("share/stakanych")}, &error));
    QVERIFY(error.contains(path("blocked/stakanych")));
    QCOMPARE(QDir::currentPath(), path("home/data/stakanych"));
    QVERIFY(installedContentFolder().isEmpty());
}

void TestContentFolders::userFilesWinOverInstalledOnes()
{
    put(QStringLiteral("share/stakanych/text.tlk"), "installed");
    put(QStringLiteral("share/stakanych/Pics/Bottle.BMP"), "installed");
    put(QStringLiteral("share/stakanych/tost.tlk"), "installed");
    put(QStringLiteral("user/TOST.TLK"), "user");
    QCOMPARE(read(resolveContentPath(QStringLiteral("text.tlk"))), QByteArray("installed"));
    QCOMPARE(read(resolveContentPath(QStringLiteral(".\\pics\\bottle.bmp"))),
             QByteArray("installed"));
    QCOMPARE(read(resolveContentPath(QStringLiteral("tost.tlk"))), QByteArray("user"));
    QVERIFY(contentFileExists(QStringLiteral("PICS\\BOTTLE.BMP")));
    // Missing in both: the user folder's name, for messages and writes.
    QCOMPARE(resolveContentPath(QStringLiteral("wav\\none.wav")), QStringLiteral("wav/none.wav"));
    // Absolute paths mean what they say.
    QVERIFY(!contentFileExists(path("user/text.tlk")));
}

void TestContentFolders::writesStayInTheUserFolder()
{
    put(QStringLiteral("share/stakanych/title.mp3"), "tune");
    const QString target = writableContentPath(QStringLiteral("title.mp3"));
    QCOMPARE(target, path("user/title.mp3"));
    QVERIFY(!QFileInfo::exists(target)); // a replacement is not copied first
    put(QStringLiteral("user/Sub/Old.TXT"), "old");
    QCOMPARE(writableContentPath(QStringLiteral("sub\\old.txt"), ContentWrite::Update),
             path("user/Sub/Old.TXT"));
    QCOMPARE(read(path("user/Sub/Old.TXT")), QByteArray("old"));
}

void TestContentFolders::listingsMergeBothFolders()
{
    for (const char *f :
         {"user/a.scn", "user/Party.scn", "user/pics/mine.jpg", "share/stakanych/b.SCN",
          "share/stakanych/party.scn", "share/stakanych/z.txt", "share/stakanych/pics/x.jpg"})
        put(QLatin1String(f));
    QCOMPARE(listContentFiles(QString(), {QStringLiteral("*.scn")}),
             (QStringList{"a.scn", "b.SCN", "Party.scn"}));
    QCOMPARE(listContentFiles(QStringLiteral("PICS"), {QStringLiteral("*.jpg")}),
             (QStringList{"mine.jpg", "x.jpg"}));
    // A folder named in full is that folder only.
    QCOMPARE(listContentFiles(path("share/stakanych"), {QStringLiteral("*.scn")}),
             (QStringList{"b.SCN", "party.scn"}));
    setInstalledContentFolder({});
    QCOMPARE(listContentFiles(QString(), {QStringLiteral("*.scn")}),
             (QStringList{"a.scn", "Party.scn"}));
}

void TestContentFolders::configWriteStartsFromTheInstalledFile()
{
    const QByteArray shipped = encodeCp1251(
        QStringLiteral("; Настройки\r\n[Stakanych]\r\n; как часто\r\ntextver=50\r\nquake=300\r\n"));
    put(QStringLiteral("share/stakanych/config.cfg"), shipped);
    QCOMPARE(ReadConfigValue(QStringLiteral("quake"), QString()), QStringLiteral("300"));
    QCOMPARE(configWritePath(), path("user/config.cfg"));

    QString error;
    QVERIFY(WriteConfigValue(QStringLiteral("TextVer"), QStringLiteral("60"), &error));
    QCOMPARE(read(path("user/config.cfg")),
             encodeCp1251(QStringLiteral(
                 "; Настройки\r\n[Stakanych]\r\n; как часто\r\ntextver=60\r\nquake=300\r\n")));
    QCOMPARE(read(path("share/stakanych/config.cfg")), shipped);
    QCOMPARE(ReadConfigValue(QStringLiteral("textver"), QString()), QStringLiteral("60"));

    // Nothing installed: the file is made from nothing, as always.
    QFile::remove(path("user/config.cfg"));
    setInstalledContentFolder({});
    QVERIFY(WriteConfigValue(QStringLiteral("TextVer"), QStringLiteral("5"), &error));
    QCOMPARE(read(path("user/config.cfg")), QByteArray("[Stakanych]\r\nTextVer=5\r\n"));
}

void TestContentFolders::startFolderPaths()
{
    put(QStringLiteral("start/my party.scn"));
    put(QStringLiteral("start/sub/x.scn"));
    const QString start = path("start");
    QCOMPARE(keepStartFolderPath(QStringLiteral("my party.scn"), start),
             path("start/my party.scn"));
    QCOMPARE(keepStartFolderPath(QStringLiteral("sub\\x.scn"), start), path("start/sub/x.scn"));
    QCOMPARE(keepStartFolderPath(QStringLiteral("fun.scn"), start), QStringLiteral("fun.scn"));
    QCOMPARE(keepStartFolderPath(QString(), start), QString());
}

void TestContentFolders::helpNamesTheFolders()
{
    const QString both = HelpText({path("data/stakanych"), path("share/stakanych")});
    QVERIFY(both.contains(path("data/stakanych")));
    QVERIFY(both.contains(path("share/stakanych")));
    QVERIFY(both.contains(QStringLiteral("--version")));
    const QString alone = HelpText({path("here"), {}});
    QVERIFY(alone.contains(path("here")));
    QVERIFY(!alone.contains(path("share/stakanych")));
}

QTEST_GUILESS_MAIN(TestContentFolders)
#include "tst_contentfolders.moc"
