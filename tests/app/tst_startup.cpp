#include "testcontext.h"

#include "app/cmdoptions.h"
#include "app/startchain.h"
#include "companion/frmstakan.h"
#include "formats/dates.h"
#include "platform/runningmarker.h"
#include "windows/frm1.h"
#include "windows/frmabout.h"
#include "windows/frmspl.h"

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

using namespace stak;

class TestStartup : public QObject
{
    Q_OBJECT
private slots:
    void init() { ctx = std::make_unique<TestContext>(); }
    void cleanup() { ctx.reset(); }

    void commandLine_data();
    void commandLine();
    void countdown_data();
    void countdown();
    void holiday_data();
    void holiday();
    void scenarioChoice_data();
    void scenarioChoice();
    void noScenarioAgain();
    void wifeMessage();
    void markerIsWrittenSafely();
    void readmeDocuments();
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
    QTest::addColumn<bool>("trace");
    QTest::newRow("nothing") << QStringList{} << "" << false;
    QTest::newRow("words joined by one blank")
        << QStringList{"my", "party.scn"} << "my party.scn" << false;
    QTest::newRow("blanks inside an argument kept")
        << QStringList{"a  b.scn", "c"} << "a  b.scn c" << false;
    QTest::newRow("trace") << QStringList{"--trace", "x.scn"} << "x.scn" << true;
}

void TestStartup::commandLine()
{
    QFETCH(QStringList, args);
    QFETCH(QString, scenario);
    QFETCH(bool, trace);
    const CommandLine c = ParseCommandLine(args);
    QCOMPARE(c.scenario, scenario);
    QCOMPARE(c.trace, trace);
}

void TestStartup::countdown_data()
{
    QTest::addColumn<QDateTime>("now");
    QTest::addColumn<QString>("text");
    auto at = [](int month, int day, int h, int m) {
        return QDateTime(QDate(2003, month, day), QTime(h, m));
    };
    QTest::newRow("31 Dec 00:00") << at(12, 31, 0, 0) << "> До нового года - 23 час. 60 мин. <";
    QTest::newRow("31 Dec 23:59") << at(12, 31, 23, 59) << "> До нового года - 0 час. 1 мин. <";
    QTest::newRow("31 Dec 22:15") << at(12, 31, 22, 15) << "> До нового года - 1 час. 45 мин. <";
    QTest::newRow("12 Dec") << at(12, 12, 10, 0) << "До нового года - 19 дней";
    QTest::newRow("26 Dec") << at(12, 26, 10, 0) << "До нового года - 5 дней";
    QTest::newRow("27 Dec") << at(12, 27, 10, 0) << "До нового года - 4 дня";
    QTest::newRow("29 Dec") << at(12, 29, 10, 0) << "До нового года - 2 дня";
    QTest::newRow("30 Dec") << at(12, 30, 10, 0) << "До нового года - 1 день";
    QTest::newRow("11 Dec") << at(12, 11, 23, 59) << "";
    QTest::newRow("31 Jan") << at(1, 31, 0, 0) << "";
}

void TestStartup::countdown()
{
    QFETCH(QDateTime, now);
    QFETCH(QString, text);
    QCOMPARE(CountdownText(now), text);
    // The start dialog shows it for the program's clock.
    ctx->clock.set(now);
    Frm1 f({});
    f.Form_Load();
    QCOMPARE(f.Label3->text(), text);
}

void TestStartup::holiday_data()
{
    QTest::addColumn<QString>("list");
    QTest::addColumn<QDate>("day");
    QTest::addColumn<QString>("text");
    const QString list = QStringLiteral("11-1 Одиннадцатое\r\n1-12 Декабрь\r\n1-1 Новый год\r\n");
    QTest::newRow("1 January is not 11 January or 1 December")
        << list << QDate(2004, 1, 1) << "Новый год";
    QTest::newRow("11 January") << list << QDate(2004, 1, 11) << "Одиннадцатое";
    QTest::newRow("no line") << list << QDate(2004, 5, 5) << "";
    QTest::newRow("line break in any case") << QStringLiteral("7-1 Рождество%BR%Христово\r\n")
                                            << QDate(2004, 1, 7) << "Рождество\r\nХристово";
    QTest::newRow("first of two lines")
        << QStringLiteral("8-3 Первая\r\n8-3 Вторая\r\n") << QDate(2004, 3, 8) << "Первая";
    QTest::newRow("key needs its blank")
        << QStringLiteral("8-3Первая\r\n8-31 Нет\r\n") << QDate(2004, 3, 8) << "";
}

void TestStartup::holiday()
{
    QFETCH(QString, list);
    QFETCH(QDate, day);
    QFETCH(QString, text);
    QCOMPARE(HolidayLine(list, day), text);
    ctx->write(QStringLiteral("date.tlk"), list);
    ctx->clock.set(QDateTime(day, QTime(12, 0)));
    Frm1 f({});
    f.Form_Load();
    QCOMPARE(f.holidayText(), text);
    QCOMPARE(f.Text1->toPlainText(), QString(text).replace(QStringLiteral("\r\n"), "\n"));
}

void TestStartup::scenarioChoice_data()
{
    QTest::addColumn<QString>("configured");
    QTest::addColumn<QString>("commandLine");
    QTest::addColumn<QStringList>("items");
    QTest::addColumn<int>("selected");
    QTest::addColumn<QString>("exescript");
    const QStringList listed{"Нет сценария", "A.scn", "b.scn"};
    QTest::newRow("interactive") << ""
                                 << "" << listed << 0 << "";
    QTest::newRow("configured in other case") << "B.SCN"
                                              << "" << listed << 2 << "b.scn";
    QTest::newRow("configured elsewhere") << "far/away.scn"
                                          << "" << listed << 0 << "far/away.scn";
    QTest::newRow("command line wins")
        << "b.scn"
        << "my run.scn" << (listed + QStringList{"my run.scn"}) << 3 << "my run.scn";
    QTest::newRow("blank command line") << ""
                                        << "   " << listed << 0 << "";
}

void TestStartup::scenarioChoice()
{
    QFETCH(QString, configured);
    QFETCH(QString, commandLine);
    QFETCH(QStringList, items);
    QFETCH(int, selected);
    QFETCH(QString, exescript);
    ctx->write(QStringLiteral("b.scn"), {});
    ctx->write(QStringLiteral("A.scn"), {});
    ctx->write(QStringLiteral("notes.txt"), {});
    ctx->write(QStringLiteral("config.cfg"),
               QStringLiteral("[Stakanych]\r\nexescript=%1\r\nquake=7\r\n").arg(configured));
    Frm1 f(commandLine);
    f.Form_Load();
    QStringList shown;
    for (int i = 0; i < f.Combo1->count(); ++i)
        shown << f.Combo1->itemText(i);
    QCOMPARE(shown, items);
    QCOMPARE(f.Combo1->currentIndex(), selected);
    QCOMPARE(settings().exescript, exescript);
    QCOMPARE(f.Label1->text(), selected == 0 ? QStringLiteral("Интерактивный режим")
                                             : QStringLiteral("Режим сценария: ") + exescript);
    QCOMPARE(settings().quake, 7); // the rest of the settings loaded too
}

void TestStartup::noScenarioAgain()
{
    ctx->write(QStringLiteral("a.scn"), {});
    Frm1 f(QStringLiteral("a.scn"));
    f.Form_Load();
    QCOMPARE(settings().exescript, u"a.scn"_qs);
    f.Combo1->setCurrentIndex(0);
    emit f.Combo1->activated(0);
    QCOMPARE(settings().exescript, QString());
    QCOMPARE(f.Label1->text(), u"Интерактивный режим"_qs);
}

void TestStartup::wifeMessage()
{
    Frm1 quiet({});
    quiet.Form_Load();
    QVERIFY(ctx->fake.boxes.isEmpty());
    writeTestFile(ctx->fake.tempFolder() + QStringLiteral("zhena.tut"), {});
    Frm1 f({});
    f.Form_Load();
    QCOMPARE(ctx->fake.boxes.size(), 1);
    QCOMPARE(ctx->fake.boxes[0].prompt, u"Так у тебя жена дома? Ниче, ругаться не будет?"_qs);
    QCOMPARE(ctx->fake.boxes[0].title, std::optional<QString>(u"Жена дома"_qs));
}

void TestStartup::markerIsWrittenSafely()
{
    // A link planted under the marker's name must not lead the program to
    // overwrite another file.
    const QString victim = ctx->dir.filePath(QStringLiteral("victim.txt"));
    writeTestFile(victim, "precious");
    QVERIFY(QFile::link(victim, RunningMarker::path()));
    Frm1 f({});
    f.Form_Load();
    QFile v(victim);
    QVERIFY(v.open(QIODevice::ReadOnly));
    QCOMPARE(v.readAll(), QByteArray("precious"));
    QVERIFY(!QFileInfo(RunningMarker::path()).isSymLink());
    QCOMPARE(readMarker(), u"final\r\n"_qs);
    QCOMPARE(QFile::permissions(RunningMarker::path()),
             QFile::ReadOwner | QFile::WriteOwner | QFile::ReadUser | QFile::WriteUser);
    // A stale marker is replaced.
    QVERIFY(RunningMarker::write());
    QCOMPARE(readMarker(), u"final\r\n"_qs);
}

void TestStartup::readmeDocuments()
{
    FrmAbout about;
    about.Form_Load();
    QCOMPARE(about.Text1->toPlainText(), QString()); // no readme.txt
    QVERIFY(about.Option1[0]->isChecked());
    ctx->write(QStringLiteral("tips.txt"), QStringLiteral("Совет первый\r\nСовет второй\r\n"));
    QTest::mouseClick(about.Option1[3], Qt::LeftButton);
    QCOMPARE(about.Text1->toPlainText(), u"Совет первый\nСовет второй\n"_qs);
    QTest::mouseClick(about.Option1[1], Qt::LeftButton); // no ovodke.txt
    QCOMPARE(about.Text1->toPlainText(), u"Совет первый\nСовет второй\n"_qs);
}

void TestStartup::chainThroughReadme()
{
    StartChain chain({});
    chain.start();
    QVERIFY(chain.startDialog()->isVisible());
    QCOMPARE(readMarker(), u"final\r\n"_qs);
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
    ctx->write(QStringLiteral("run.scn"), QStringLiteral("say Сценарий идёт\r\n"));
    StartChain chain(QStringLiteral("run.scn"));
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
    QCOMPARE(chain.companionWindow()->companion().ScenarioLines.value(0), u"say Сценарий идёт"_qs);
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
