#include "testcontext.h"

#include "app/cmdoptions.h"
#include "app/startchain.h"
#include "companion/frmstakan.h"
#include "platform/runningmarker.h"
#include "windows/frm1.h"
#include "windows/frmabout.h"
#include "windows/frmspl.h"

#include <QPushButton>
#include <QtTest>

using namespace stak;

// The program's start: its command line, the running marker and the chain of
// windows from the start dialog to the companion.
class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void init() { ctx = std::make_unique<TestContext>(); }
    void cleanup() { ctx.reset(); }

    void commandLine_data();
    void commandLine();
    void helpNamesTheFolders();
    void markerIsWrittenSafely();
    void chainThroughReadme();
    void chainThroughSplash();
    void closeBoxesEndTheProgram();

private:
    QString readMarker() const
    {
        QFile f(RunningMarker::path());
        return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
    }
    std::unique_ptr<TestContext> ctx;
};

void TestStartup::commandLine_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<QString>("options"); // help, version, trace: h, v, t
    QTest::newRow("nothing") << QStringList{} << ""
                             << "";
    QTest::newRow("words joined by one blank") << QStringList{"my", "party.scn"} << "my party.scn"
                                               << "";
    QTest::newRow("blanks inside an argument kept") << QStringList{"a  b.scn", "c"} << "a  b.scn c"
                                                    << "";
    QTest::newRow("options anywhere")
        << QStringList{"--trace", "x.scn", "--version", "-h"} << "x.scn"
        << "hvt";
    QTest::newRow("long help, options whole")
        << QStringList{"--help", "--tr", "-help"} << "--tr -help"
        << "h";
}

void TestStartup::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(QString, scenario);
    QFETCH(QString, options);
    const CommandLine c = ParseCommandLine(args);
    QCOMPARE(c.scenario, scenario);
    QCOMPARE(c.help, options.contains('h'));
    QCOMPARE(c.version, options.contains('v'));
    QCOMPARE(c.trace, options.contains('t'));
}

void TestStartup::helpNamesTheFolders()
{
    const QString both = HelpText({"/data/stakanych", "/usr/share/stakanych"});
    QVERIFY(both.contains("/data/stakanych") && both.contains("/usr/share/stakanych"));
    QVERIFY(both.contains("--version"));
    const QString alone = HelpText({"/here", {}});
    QVERIFY(alone.contains("/here") && !alone.contains("/usr/share/stakanych"));
}

void TestStartup::markerIsWrittenSafely()
{
    // A link planted under the marker's name must not lead the program to
    // overwrite another file.
    const QString victim = ctx->dir.filePath("victim.txt");
    writeTestFile(victim, "precious");
    QVERIFY(QFile::link(victim, RunningMarker::path()));
    QVERIFY(RunningMarker::write());
    QFile v(victim);
    QVERIFY(v.open(QIODevice::ReadOnly));
    QCOMPARE(v.readAll(), QByteArray("precious"));
    QVERIFY(!QFileInfo(RunningMarker::path()).isSymLink());
    QCOMPARE(readMarker(), "final\r\n");
    QCOMPARE(QFile::permissions(RunningMarker::path()),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    // A stale marker is replaced.
    QVERIFY(RunningMarker::write());
    QCOMPARE(readMarker(), "final\r\n");
}

void TestStartup::chainThroughReadme()
{
    StartChain chain({});
    chain.start();
    QVERIFY(chain.startDialog()->isVisible());
    QCOMPARE(readMarker(), "final\r\n");
    QTest::mouseClick(chain.startDialog()->Command2, Qt::LeftButton);
    QVERIFY(chain.readme() && chain.readme()->isVisible());
    QVERIFY(!chain.companionWindow());
    // The close box opens the companion, once the readme window has gone.
    chain.readme()->close();
    QVERIFY(!chain.companionWindow());
    QCoreApplication::processEvents();
    QVERIFY(chain.companionWindow() && chain.companionWindow()->isVisible());
    QVERIFY(settings().mainshown);
    // Opened again later, the readme window opens no second companion.
    FrmStakan *companion = chain.companionWindow();
    FrmAbout again;
    QSignalSpy wanted(&again, &FrmAbout::companionWanted);
    again.close();
    QCOMPARE(wanted.size(), 0);
    QCoreApplication::processEvents();
    QCOMPARE(chain.companionWindow(), companion);
}

void TestStartup::chainThroughSplash()
{
    ctx->write("run.scn", "say Сценарий идёт\r\n");
    StartChain chain("run.scn");
    chain.start();
    QTest::mouseClick(chain.startDialog()->Command1, Qt::LeftButton);
    QVERIFY(chain.splash() && chain.splash()->isVisible());
    QTest::keyClick(chain.splash(), Qt::Key_F5, Qt::ShiftModifier);
    QVERIFY(!chain.splash());
    QVERIFY(chain.readme() && chain.readme()->isVisible());
    QTest::mouseClick(chain.readme()->Command1, Qt::LeftButton);
    QCoreApplication::processEvents();
    // The scenario of the command line ran in the companion.
    QVERIFY(chain.companionWindow());
    QCOMPARE(chain.companionWindow()->companion().ScenarioLines.value(0), "say Сценарий идёт");
}

void TestStartup::closeBoxesEndTheProgram()
{
    {
        StartChain chain({});
        chain.start();
        QVERIFY(QFile::exists(RunningMarker::path()));
        QVERIFY_THROWS_EXCEPTION(ProgramExit, chain.startDialog()->close());
        QVERIFY(!QFile::exists(RunningMarker::path()));
    }
    {
        StartChain chain({});
        chain.start();
        QTest::mouseClick(chain.startDialog()->Command1, Qt::LeftButton);
        QVERIFY_THROWS_EXCEPTION(ProgramExit, chain.splash()->close());
        QVERIFY(!QFile::exists(RunningMarker::path()));
        QVERIFY(!chain.readme());
    }
}

QTEST_MAIN(TestStartup)
#include "tst_startup.moc"
