#include "../companion/companionfixture.h"

#include "companion/picturebox.h"
#include "companion/vblabel.h"
#include "scenario/checker.h"
#include "scenario/frmcar.h"
#include "scenario/scenarioline.h"
#include "windows/frmtost.h"

#include <QPushButton>
#include <QThread>
#include <QTimer>
#include <QtTest>

using namespace stak;

class TestInterpreter : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        fx = std::make_unique<CompanionFixture>();
        w = fx->openWindow();
    }
    void cleanup() { fx.reset(); }

    void splitting_data();
    void splitting();
    void numbers_data();
    void numbers();
    void sleepForms_data();
    void sleepForms();
    void messages_data();
    void messages();
    void includeIsDataAndRunLocal();
    void unknownCommand_data();
    void unknownCommand();
    void eventsBeforeEveryLine();
    void picturePositions();
    void visibilityAndRestore_data();
    void visibilityAndRestore();
    void frameAndClear();
    void userButtons();
    void timerTagAcrossRuns();
    void timerOneLetsTicksIn();
    void setquakeReachesLaterFrolics();
    void unloadFirst();
    void waitrunHidesTheWindow();
    void soundsToastsAndTray();
    void caricatureCommands();
    void failingCommands_data();
    void failingCommands();
    void checker_data();
    void checker();

private:
    void run(const QString &script)
    {
        fx->write(QStringLiteral("run.scn"), script);
        w->RunScenario(QStringLiteral("run.scn"));
    }
    QStringList prompts() const
    {
        QStringList out;
        for (const auto &b : fx->fake.boxes)
            out << b.prompt;
        return out;
    }
    std::unique_ptr<CompanionFixture> fx;
    FrmStakan *w = nullptr;
};

void TestInterpreter::splitting_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("include");
    QTest::addColumn<bool>("comment");
    QTest::addColumn<QString>("command");
    QTest::addColumn<QString>("argument");
    QTest::newRow("spaces around") << "  Message   Hello, world!  "
                                   << "" << false << "message"
                                   << "Hello, world!";
    QTest::newRow("number") << "sleep 1500"
                            << "" << false << "sleep"
                            << "1500";
    QTest::newRow("no argument") << "picclear"
                                 << "" << false << "picclear"
                                 << "";
    QTest::newRow("comment with space") << "; intro"
                                        << "" << true << ""
                                        << "";
    QTest::newRow("comment") << ";intro"
                             << "" << true << ""
                             << "";
    QTest::newRow("empty") << ""
                           << "" << true << ""
                           << "";
    QTest::newRow("spaces only") << "    "
                                 << "" << true << ""
                                 << "";
    QTest::newRow("line break") << "say Line one%br%Line two"
                                << "" << false << "say"
                                << "Line one\r\nLine two";
    QTest::newRow("upper case word") << "TOON"
                                     << "" << false << "toon"
                                     << "";
    QTest::newRow("argument keeps case") << "msg ABC def"
                                         << "" << false << "msg"
                                         << "ABC def";
    QTest::newRow("tab is no space") << "sleep\t1000"
                                     << "" << false << "sleep\t1000"
                                     << "";
    QTest::newRow("tab kept in argument") << "msg \ta\t"
                                          << "" << false << "msg"
                                          << "\ta\t";
    QTest::newRow("replacement is case-sensitive") << "message %BR%"
                                                   << "" << false << "message"
                                                   << "%BR%";
    QTest::newRow("no end-of-line comment") << "message hello ; world"
                                            << "" << false << "message"
                                            << "hello ; world";
    QTest::newRow("include before any include") << "message [%include%]"
                                                << "" << false << "message"
                                                << "[]";
    QTest::newRow("included %br% stays") << "message %include%"
                                         << "a%br%b" << false << "message"
                                         << "a%br%b";
    QTest::newRow("included text untrimmed") << "say Today: %include%"
                                             << " x\r\ny " << false << "say"
                                             << "Today:  x\r\ny ";
    QTest::newRow("include in include argument") << "include %include%.txt"
                                                 << "notes" << false << "include"
                                                 << "notes.txt";
}

void TestInterpreter::splitting()
{
    QFETCH(QString, line);
    QFETCH(QString, include);
    QFETCH(bool, comment);
    QFETCH(QString, command);
    QFETCH(QString, argument);
    const ScenarioLine got = ParseScenarioLine(line, include);
    QCOMPARE(got.comment, comment);
    if (!comment) {
        QCOMPARE(got.command, command);
        QCOMPARE(got.argument, argument);
    }
}

void TestInterpreter::numbers_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<int>("value");
    QTest::newRow("plain") << "1500" << true << 1500;
    QTest::newRow("signs and spaces") << " -5 " << true << -5;
    QTest::newRow("plus") << "+7" << true << 7;
    QTest::newRow("lowest") << "-2147483648" << true << int(-2147483648LL);
    QTest::newRow("highest") << "2147483647" << true << 2147483647;
    QTest::newRow("beyond 32 bits") << "2147483648" << false << 0;
    QTest::newRow("fraction") << "1.5" << false << 0;
    QTest::newRow("hexadecimal") << "0x10" << false << 0;
    QTest::newRow("word") << "abc" << false << 0;
    QTest::newRow("empty") << "" << false << 0;
}

void TestInterpreter::numbers()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(int, value);
    const auto n = ScenarioNumber(text);
    QCOMPARE(n.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*n, value);
}

void TestInterpreter::sleepForms_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QList<int>>("sleeps");
    QTest::newRow("three spellings")
        << "sleep 1000\r\nSLEEP 1000\r\nsleep   1000\r\npause 5" << QList<int>{1000, 1000, 1000, 5};
    QTest::newRow("negative waits nothing") << "sleep -300" << QList<int>{0};
    QTest::newRow("tab makes an unknown word") << "sleep\t1000" << QList<int>{};
}

void TestInterpreter::sleepForms()
{
    QFETCH(QString, script);
    QFETCH(QList<int>, sleeps);
    run(script);
    QCOMPARE(fx->fake.sleeps, sleeps);
}

void TestInterpreter::messages_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("msg") << "msg Привет"
                         << "Привет";
    QTest::newRow("empty message") << "message"
                                   << "";
    QTest::newRow("upper-case %BR% unchanged") << "message %BR%"
                                               << "%BR%";
    QTest::newRow("two lines") << "message a%br%b"
                               << "a\r\nb";
    QTest::newRow("no include yet") << "message [%include%]"
                                    << "[]";
}

void TestInterpreter::messages()
{
    QFETCH(QString, script);
    QFETCH(QString, prompt);
    run(script);
    QCOMPARE(fx->fake.boxes.size(), 1);
    const auto &box = fx->fake.boxes.first();
    QCOMPARE(box.prompt, prompt);
    QCOMPARE(box.buttons, MsgButtons::Ok);
    QCOMPARE(box.title, std::optional<QString>(QString()));
    QVERIFY(box.foreground);
}

void TestInterpreter::includeIsDataAndRunLocal()
{
    fx->write(QStringLiteral("notes.txt"), QStringLiteral("first%br%\r\nmsg not run"));
    run(QStringLiteral("include notes.txt\r\nmessage <%include%>\r\nsay Today: %include%"));
    QCOMPARE(prompts(), QStringList{u"<first%br%\r\nmsg not run>"_qs});
    QCOMPARE(w->Label1->caption(), u"Today: first%br%\r\nmsg not run"_qs);
    // The next run starts without the included text.
    run(QStringLiteral("message [%include%]"));
    QCOMPARE(prompts().last(), u"[]"_qs);
}

void TestInterpreter::unknownCommand_data()
{
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<QStringList>("expected");
    const QString prompt = u"Неизвестная команда - foo\r\nПродолжить выполнение?"_qs;
    QTest::newRow("yes goes on") << MsgAnswer::Yes << QStringList{prompt, u"after"_qs};
    QTest::newRow("no ends the run") << MsgAnswer::No << QStringList{prompt};
}

void TestInterpreter::unknownCommand()
{
    QFETCH(MsgAnswer, answer);
    QFETCH(QStringList, expected);
    fx->fake.answers = {answer};
    run(QStringLiteral("Foo bar\r\nmsg after"));
    QCOMPARE(prompts(), expected);
    const auto &box = fx->fake.boxes.first();
    QCOMPARE(box.buttons, MsgButtons::YesNo);
    QCOMPARE(box.title, std::optional<QString>(u"Ошибка"_qs));
    // Either way the run ends normally.
    QVERIFY(w->Timer1->isActive());
    QVERIFY(w->Command5->isEnabled());
    QVERIFY(!w->ScenarioBusy);
}

void TestInterpreter::eventsBeforeEveryLine()
{
    run(QStringLiteral("; one\r\n\r\n   \r\nsleep 1\r\n;two"));
    QCOMPARE(fx->fake.eventPumps, 5);
    fx->fake.eventPumps = 0;
    run(QString());
    QCOMPARE(fx->fake.eventPumps, 0);
    QVERIFY(w->Timer1->isActive());
    // A scenario that is no readable file runs as an empty one.
    for (const char *name : {"/dev/zero", "."}) {
        w->RunScenario(QLatin1String(name));
        QVERIFY(w->ScenarioLines.isEmpty());
    }
    QCOMPARE(fx->fake.eventPumps, 0);
}

void TestInterpreter::picturePositions()
{
    fx->writeImage(QStringLiteral("a.bmp"), {5, 5}, Qt::red);
    w->Image1->image().fill(Qt::white);
    run(QStringLiteral("picx 10\r\npicy 20\r\npic a.bmp"));
    const QImage &img = w->Image1->image();
    QCOMPARE(img.pixelColor(10, 20), QColor(Qt::red));
    QCOMPARE(img.pixelColor(14, 24), QColor(Qt::red));
    QCOMPARE(img.pixelColor(9, 20), QColor(Qt::white));
    QCOMPARE(img.pixelColor(15, 24), QColor(Qt::white));
    QCOMPARE(img.pixelColor(0, 0), QColor(Qt::white));
    // A new run paints at (0, 0) again; paint is the same command.
    run(QStringLiteral("paint a.bmp"));
    QCOMPARE(w->Image1->image().pixelColor(0, 0), QColor(Qt::red));
    // Negative positions cut the picture at the panel's edge.
    w->Image1->image().fill(Qt::white);
    run(QStringLiteral("picx -3\r\npicy -3\r\npic A.BMP"));
    QCOMPARE(w->Image1->image().pixelColor(1, 1), QColor(Qt::red));
    QCOMPARE(w->Image1->image().pixelColor(2, 2), QColor(Qt::white));
}

void TestInterpreter::visibilityAndRestore_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<QColor>("corner");
    QTest::newRow("hidden") << "picvisible 0" << false << QColor(Qt::white);
    QTest::newRow("pic shows it again") << "picvisible 0\r\npic b.bmp" << true << QColor(Qt::blue);
    QTest::newRow("restorepic keeps it hidden")
        << "picvisible 0\r\nrestorepic" << false << QColor(Qt::green);
    QTest::newRow("only 1 shows") << "picvisible 0\r\npicvisible yes" << false << QColor(Qt::white);
    QTest::newRow("shown") << "picvisible 0\r\npicvisible 1" << true << QColor(Qt::white);
}

void TestInterpreter::visibilityAndRestore()
{
    QFETCH(QString, script);
    QFETCH(bool, visible);
    QFETCH(QColor, corner);
    fx->writeImage(QStringLiteral("alk1.bmp"), {433, 225}, Qt::green);
    fx->writeImage(QStringLiteral("b.bmp"), {3, 3}, Qt::blue);
    w->Image1->image().fill(Qt::white);
    run(script);
    QCOMPARE(!w->Image1->isHidden(), visible);
    QCOMPARE(w->Image1->image().pixelColor(0, 0), corner);
}

void TestInterpreter::frameAndClear()
{
    run(QStringLiteral("picframe 0"));
    QVERIFY(!w->Image1->hasBorder());
    run(QStringLiteral("picframe 1"));
    QVERIFY(w->Image1->hasBorder());
    w->Image1->image().fill(Qt::red);
    run(QStringLiteral("picclear"));
    QVERIFY(w->Image1->image().pixelColor(100, 100) != QColor(Qt::red));
}

void TestInterpreter::userButtons()
{
    w->cmdU[5]->hide();
    run(QStringLiteral("showbutton 5\r\nhidebutton 1\r\nhidebutton 2.9"));
    QVERIFY(!w->cmdU[5]->isHidden());
    QVERIFY(w->cmdU[1]->isHidden());
    QVERIFY(w->cmdU[2]->isHidden());
    QVERIFY(fx->fake.boxes.isEmpty());
}

void TestInterpreter::timerTagAcrossRuns()
{
    run(QStringLiteral("timer 0"));
    QVERIFY(!w->Timer1->isActive());
    QCOMPARE(w->timer1Tag, u"no!"_qs);
    // A later run without a timer line leaves the companion silent.
    run(QStringLiteral("msg hi"));
    QVERIFY(!w->Timer1->isActive());
    // So does a frolic from the drink button.
    w->FrolicFromButton = true;
    settings().quake = 0;
    QVERIFY(w->Frolic(QStringLiteral("0")));
    QVERIFY(!w->Timer1->isActive());
    QVERIFY(w->FrolicFromButton);
    run(QStringLiteral("timer 1"));
    QVERIFY(w->Timer1->isActive());
    QVERIFY(w->timer1Tag.isEmpty());
    // The next frolic, even one from a scenario, clears the flag.
    run(QStringLiteral("biggluk 0"));
    QVERIFY(!w->FrolicFromButton);
    QVERIFY(w->Timer1->isActive());
}

void TestInterpreter::timerOneLetsTicksIn()
{
    // The event timer speaks the only line of text.tlk on every tick.
    fx->write(QStringLiteral("text.tlk"), QStringLiteral("1\r\n>ТИК\r\n"));
    settings().textver = 100;
    settings().tostver = 0;
    settings().voicever = 0;
    w->Timer1->setInterval(1);
    fx->fake.pumpQtEvents = true;
    QStringList seen;
    fx->fake.onYield = [&] {
        seen << w->Label1->caption();
        QThread::msleep(20); // the timer falls due while a line blocks
    };
    const QString tick = u"ТИК\r\n"_qs;
    run(QStringLiteral("sleep 5000\r\nsleep 5000\r\nsleep 5000"));
    QVERIFY(!seen.contains(tick));
    seen.clear();
    w->Timer1->setInterval(1);
    run(QStringLiteral("timer 1\r\nsleep 5000\r\nsleep 5000\r\nsleep 5000"));
    QCOMPARE(seen.size(), 4);
    QVERIFY(seen[0] != tick); // before the timer line
    QCOMPARE(seen[3], tick);  // a tick ran at a yield between the sleeps
    QCOMPARE(fx->fake.sleeps.size(), 6);
}

void TestInterpreter::setquakeReachesLaterFrolics()
{
    int shakes = 0;
    fx->fake.onYield = [&] {
        if (w->frolicWindow()) {
            ++shakes;
            const QPoint p = w->frolicWindow()->pos();
            QVERIFY(qAbs(p.x()) <= 3 && qAbs(p.y()) <= 3);
        }
    };
    run(QStringLiteral("setquake 10\r\nbiggluk 100"));
    QCOMPARE(shakes, 10);
    QCOMPARE(settings().quake, 10);
    QVERIFY(!QFile::exists(QStringLiteral("config.cfg")));
    shakes = 0;
    w->FrolicFromButton = true;
    QVERIFY(w->Frolic(QStringLiteral("100")));
    QCOMPARE(shakes, 10);
    QVERIFY(w->Timer1->isActive());
    QVERIFY(!w->frolicWindow());
}

void TestInterpreter::unloadFirst()
{
    const QString marker = fx->fake.tempFolder() + QStringLiteral("vipivaem.tut");
    QFile m(marker);
    QVERIFY(m.open(QIODevice::WriteOnly));
    m.close();
    fx->write(QStringLiteral("run.scn"), QStringLiteral("unload\r\nmsg never"));
    QVERIFY_THROWS_EXCEPTION(ProgramExit, w->RunScenario(QStringLiteral("run.scn")));
    QVERIFY(fx->fake.boxes.isEmpty());
    QVERIFY(!QFile::exists(marker));
}

void TestInterpreter::waitrunHidesTheWindow()
{
    w->show();
    w->move(120, 80);
    const QPoint at = w->pos();
    QList<bool> visibleAtYield;
    fx->fake.onYield = [&] {
        visibleAtYield << w->isVisible();
        // Meanwhile the window manager would place the window anew.
        if (!w->isVisible())
            w->move(400, 300);
    };
    run(QStringLiteral("waitrun 3000"));
    // Visible before the line, hidden while it yields inside waitrun.
    QCOMPARE(visibleAtYield, (QList<bool>{true, false}));
    QCOMPARE(fx->fake.sleeps, QList<int>{3000});
    QVERIFY(w->isVisible());
    QCOMPARE(w->pos(), at); // back where it was
}

void TestInterpreter::soundsToastsAndTray()
{
    run(QStringLiteral("wavs wav\\a.wav\r\nplaysound b.wav\r\ncdopen\r\ncdclose\r\n"
                       "tost За нас!\r\nsay Привет"));
    QCOMPARE(fx->fake.waitedSounds, QStringList{u"wav\\a.wav"_qs});
    // The toast comes with its warning sound.
    QCOMPARE(fx->fake.sounds, (QStringList{u"b.wav"_qs, u"warn.wav"_qs}));
    QCOMPARE(fx->fake.cdDoor, (QList<bool>{true, false}));
    QVERIFY(w->toastWindow());
    QCOMPARE(w->toastWindow()->toast(), u"За нас!"_qs);
    QCOMPARE(w->Label1->caption(), u"Привет"_qs);
}

void TestInterpreter::caricatureCommands()
{
    fx->writeImage(QStringLiteral("fon.bmp"), {500, 420}, Qt::yellow);
    fx->writeImage(QStringLiteral("mini.bmp"), {50, 40}, Qt::cyan);
    run(QStringLiteral("toonpic fon.bmp\r\ntoonminipic mini.bmp\r\ntoon\r\ntoonclose"));
    FrmCar *car = w->existingCaricatureWindow();
    QVERIFY(car);
    QVERIFY(car->isVisible());
    QVERIFY(!car->Picture1->isHidden());
    QVERIFY(!car->Command1->isHidden());
    QCOMPARE(car->backgroundPicture().size(), QSize(500, 420));
    QCOMPARE(car->innerPicture().size(), QSize(50, 40));
    run(QStringLiteral("toonminihide\r\ntoonpichide"));
    QVERIFY(car->Picture1->isHidden());
    QVERIFY(car->backgroundPicture().isNull());
    QVERIFY(car->innerPicture().isNull());
}

void TestInterpreter::failingCommands_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("why");
    QTest::newRow("sleep word") << "sleep long"
                                << "не целое число";
    QTest::newRow("sleep beyond 32 bits") << "sleep 99999999999"
                                          << "не целое число";
    QTest::newRow("picx fraction") << "picx 1.5"
                                   << "не целое число";
    QTest::newRow("basevoice word") << "basevoice one"
                                    << "не целое число";
    QTest::newRow("setquake empty") << "setquake"
                                    << "не целое число";
    QTest::newRow("gluk word") << "gluk many"
                               << "не целое число";
    QTest::newRow("biggluk word") << "biggluk many"
                                  << "не целое число";
    QTest::newRow("waitrun word") << "waitrun soon"
                                  << "не целое число";
    QTest::newRow("include missing") << "include nope.txt"
                                     << "nope.txt";
    QTest::newRow("pic missing") << "pic nope.bmp"
                                 << "nope.bmp";
    QTest::newRow("pic not a picture") << "pic run.scn"
                                       << "run.scn";
    QTest::newRow("restorepic missing") << "restorepic"
                                        << "alk1.bmp";
    QTest::newRow("toonpic missing") << "toonpic nope.jpg"
                                     << "nope.jpg";
    QTest::newRow("toonminipic missing") << "toonminipic nope.gif"
                                         << "nope.gif";
    QTest::newRow("include a fifo") << "include pipe"
                                    << "pipe";
    QTest::newRow("include /dev/zero") << "include /dev/zero"
                                       << "/dev/zero";
    QTest::newRow("include a link to /dev/zero") << "include zero"
                                                 << "zero";
    QTest::newRow("include 1 GB") << "include huge.txt"
                                  << "huge.txt";
    QTest::newRow("pic a fifo") << "pic pipe"
                                << "pipe";
    QTest::newRow("toonpic /dev/zero") << "toonpic zero"
                                       << "zero";
    QTest::newRow("showbutton nan") << "showbutton nan"
                                    << "1..5";
    QTest::newRow("hidebutton -inf") << "hidebutton -inf"
                                     << "1..5";
    QTest::newRow("button 6") << "showbutton 6"
                              << "1..5";
    QTest::newRow("button 0") << "hidebutton 0"
                              << "1..5";
    QTest::newRow("button word") << "hidebutton first"
                                 << "1..5";
}

void TestInterpreter::failingCommands()
{
    QFETCH(QString, line);
    QFETCH(QString, why);
    plant(QStringLiteral("pipe"), Planted::Fifo);
    plant(QStringLiteral("zero"), Planted::Device);
    plant(QStringLiteral("huge.txt"), Planted::Huge);
    run(QStringLiteral("; a failing line\r\n") + line + QStringLiteral("\r\nmsg after"));
    // One box names the line and the reason; the lines after it do not run.
    QCOMPARE(fx->fake.boxes.size(), 1);
    const auto &box = fx->fake.boxes.first();
    QVERIFY2(box.prompt.startsWith(u"Ошибка в строке 2 сценария:\r\n"_qs + line),
             qPrintable(box.prompt));
    QVERIFY2(box.prompt.contains(why), qPrintable(box.prompt));
    QCOMPARE(box.title, std::optional<QString>(u"Ошибка"_qs));
    QVERIFY(fx->fake.sleeps.isEmpty());
    // The run ends normally: buttons and timer back.
    QVERIFY(w->Command1->isEnabled());
    QVERIFY(w->cmdU[1]->isEnabled());
    QVERIFY(w->Timer1->isActive());
    QVERIFY(!w->ScenarioBusy);
}

void TestInterpreter::checker_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("clean") << "; intro\r\nmsg hi\r\nsleep 10\r\npic Pics\\A.BMP\r\nplaysound\r\n"
                              "playsound \\\\3\r\ngluk\r\nshowbutton 5\r\ninclude inc.txt\r\n"
                              "msg %include%\r\nunload"
                           << QStringList{};
    QTest::newRow("unknown command")
        << "msg a\r\nFoo bar" << QStringList{"s.scn:2: unknown command 'foo'"};
    QTest::newRow("tab in command")
        << "sleep\t5" << QStringList{"s.scn:1: unknown command 'sleep\t5'"};
    QTest::newRow("numbers") << "sleep x\r\npicx\r\ngluk 1e3\r\nshowbutton 7"
                             << QStringList{
                                    "s.scn:1: 'sleep' needs a whole number, not 'x'",
                                    "s.scn:2: 'picx' needs a whole number, not ''",
                                    "s.scn:3: 'gluk' needs a whole number or nothing, not '1e3'",
                                    "s.scn:4: 'showbutton' needs a button number 1..5, not '7'"};
    QTest::newRow("missing files")
        << "pic no.bmp\r\n\r\nwavs wav\\no.wav\r\ntoonminipic x.gif\r\ninclude no.txt"
        << QStringList{"s.scn:1: file not found: no.bmp", "s.scn:3: file not found: wav\\no.wav",
                       "s.scn:4: file not found: x.gif", "s.scn:5: file not found: no.txt"};
}

void TestInterpreter::checker()
{
    QFETCH(QString, script);
    QFETCH(QStringList, expected);
    fx->writeImage(QStringLiteral("pics/a.bmp"), {4, 4}, Qt::red);
    fx->write(QStringLiteral("inc.txt"), QStringLiteral("text"));
    fx->write(QStringLiteral("s.scn"), script);
    QCOMPARE(CheckScenarioFile(QStringLiteral("s.scn")), expected);
}

QTEST_MAIN(TestInterpreter)
#include "tst_interpreter.moc"
