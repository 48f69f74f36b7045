#include "recordingview.h"

#include "core/settings.h"
#include "platform/runningmarker.h"

#include <QThread>
#include <QtTest>

using namespace stak;

// The companion's decisions, on a recording view: no window is built.
class TestCompanion : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        fx = std::make_unique<CompanionFixture>();
        fx->write(u"text.tlk"_qs, u"1\r\n>Речь\r\n"_qs);
        fx->write(u"tost.tlk"_qs, u"1\r\n>Тост\r\n"_qs);
        fx->write(u"sound.tlk"_qs, u"1\r\n>v.wav\r\nГолос\r\n"_qs);
    }
    void cleanup() { fx.reset(); }

    void eventOfADraw_data();
    void eventOfADraw();
    void tick_data();
    void tick();
    void orderMode_data();
    void orderMode();
    void randomPictures();
    void newYearOnce();
    void load_data();
    void load();
    void scenarioRuns_data();
    void scenarioRuns();
    void runsOneAfterAnother();
    void timerOneLetsTicksIn();
    void speaking();
    void voices_data();
    void voices();
    void drinkButton_data();
    void drinkButton();
    void easterEgg_data();
    void easterEgg();
    void sideWindowsStopTheTimer_data();
    void sideWindowsStopTheTimer();
    void glitchAndDouble_data();
    void glitchAndDouble();
    void frolic_data();
    void frolic();
    void unloadAndCdDoor();

private:
    void run(const QString &script)
    {
        fx->write(u"run.scn"_qs, script);
        c().RunScenario(u"run.scn"_qs);
    }
    Companion &c() { return fx->companion; }
    RecordingView &v() { return fx->view; }
    std::unique_ptr<CompanionFixture> fx;
};

void TestCompanion::eventOfADraw_data()
{
    QTest::addColumn<QList<int>>("chances"); // text, toast, voice
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("event");
    using E = TickEvent;
    const QList<std::tuple<QList<int>, int, E>> rows = {
        {{50, 30, 20}, 1, E::Text},   {{50, 30, 20}, 50, E::Text},  {{50, 30, 20}, 51, E::Toast},
        {{50, 30, 20}, 80, E::Toast}, {{50, 30, 20}, 81, E::Voice}, {{50, 30, 20}, 100, E::Voice},
        {{100, 0, 0}, 100, E::Text},  {{0, 0, 0}, 1, E::None},      {{30, 30, 0}, 60, E::Toast},
        {{30, 30, 0}, 61, E::None},   {{80, 30, 20}, 80, E::Text},  {{80, 30, 20}, 100, E::Toast},
    };
    for (const auto &[chances, n, event] : rows)
        QTest::addRow("%d/%d/%d n=%d", chances[0], chances[1], chances[2], n)
            << chances << n << int(event);
}

void TestCompanion::eventOfADraw()
{
    QFETCH(QList<int>, chances);
    QFETCH(int, n);
    QFETCH(int, event);
    Settings s;
    s.textver = chances[0];
    s.tostver = chances[1];
    s.voicever = chances[2];
    QCOMPARE(int(EventForDraw(n, s)), event);
}

void TestCompanion::tick_data()
{
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<int>("randompic");
    QTest::addColumn<bool>("orderFile");
    QTest::addColumn<QString>("done"); // speech | toast | sound | picture
    QTest::addColumn<int>("interval");
    QTest::addColumn<int>("drawn"); // draws in all; -1: not counted
    const QList<std::tuple<const char *, QList<float>, int, bool, const char *, int, int>> rows = {
        {"text", {0.25f, drawFor(10, 100)}, 0, false, "Речь\r\n|||", 52500, -1},
        {"toast", {0.0f, drawFor(60, 100)}, 0, false, "|Тост\r\n|warn.wav|", 50000, -1},
        {"voice, longest interval",
         {0.99999994f, drawFor(90, 100)},
         0,
         false,
         "Голос\r\n||.\\wav\\v.wav|",
         59999,
         -1},
        {"nothing: no draw for a picture", {0.5f, 0.999f}, 0, false, "|||", 55000, 2},
        {"picture: m=30 of 30, random mode",
         {0.5f, 0.999f, 0.295f, 0.0f},
         30,
         false,
         "|||./pics/a.bmp 0,0",
         55000,
         4},
        {"no picture: m=31 of 30", {0.5f, 0.999f, 0.305f, 0.0f}, 30, false, "|||", 55000, 3},
        {"picture from the order file",
         {0.5f, 0.999f, 0.5f, 0.0f},
         100,
         true,
         "|||./pics/b.bmp 0,0",
         55000,
         3},
    };
    for (const auto &[name, draws, randompic, orderFile, done, interval, drawn] : rows)
        QTest::newRow(name) << draws << randompic << orderFile << QString::fromUtf8(done)
                            << interval << drawn;
}

void TestCompanion::tick()
{
    QFETCH(QList<float>, draws);
    QFETCH(int, randompic);
    QFETCH(bool, orderFile);
    QFETCH(QString, done);
    QFETCH(int, interval);
    QFETCH(int, drawn);
    settings().voicever = 19; // 50/30/19: n=100 brings nothing
    settings().randompic = randompic;
    fx->writeImage(u"pics/a.bmp"_qs, {4, 4}, Qt::red);
    fx->writeImage(u"pics/b.bmp"_qs, {4, 4}, Qt::blue);
    if (orderFile)
        fx->write(u"pics/order.txt"_qs, u"b.bmp\r\na.bmp\r\n"_qs);
    v().pictureShown = false;
    fx->random.setValues(draws);
    c().tick();
    const QStringList what{v().speech.join(u'+'), v().toasts.join(u'+'), fx->fake.sounds.join(u'+'),
                           v().painted.join(u'+')};
    QCOMPARE(what.join(u'|'), done);
    QCOMPARE(v().pictureShown, !v().painted.isEmpty());
    QCOMPARE(c().eventTimer().interval(), interval);
    QCOMPARE(v().hintShown, QList<bool>{false});
    QCOMPARE(v().broughtToFront, 1);
    if (drawn >= 0)
        QCOMPARE(fx->random.draws(), drawn);
}

void TestCompanion::orderMode_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<QStringList>("painted");
    QTest::addColumn<QList<int>>("positions"); // after each of six steps
    const QStringList abc{"./pics/a.bmp 0,0", "./pics/b.bmp 0,0", "./pics/c.bmp 0,0"};
    const QList<int> cycle{1, 2, 0, 1, 2, 0};
    QTest::newRow("no final break") << "a.bmp\r\nb.bmp\r\nc.bmp" << abc + abc << cycle;
    QTest::newRow("final break, CR only") << "a.bmp\rb.bmp\rc.bmp\r" << abc + abc << cycle;
    // A missing picture and an empty line paint nothing but take their turn.
    QTest::newRow("missing, empty") << "missing.bmp\r\n\r\na.bmp\r\n"
                                    << QStringList{abc[0], abc[0]} << cycle;
    QTest::newRow("empty order file") << "" << QStringList{} << QList<int>(6, 0);
}

void TestCompanion::orderMode()
{
    QFETCH(QString, order);
    QFETCH(QStringList, painted);
    QFETCH(QList<int>, positions);
    for (const char *name : {"a", "b", "c"})
        fx->writeImage(u"pics/%1.bmp"_qs.arg(QLatin1String(name)), {10, 10}, Qt::red);
    fx->write(u"pics/order.txt"_qs, order);
    QList<int> seen;
    for (int i = 0; i < 6; ++i) {
        c().ChangePicture(1);
        seen << c().OrderPosition;
    }
    for (int mode : {0, 3, -1}) // other modes do nothing
        c().ChangePicture(mode);
    QCOMPARE(v().painted, painted);
    QCOMPARE(seen, positions);
}

void TestCompanion::randomPictures()
{
    // Listed by pattern in turn, counted, and one drawn from the list.
    fx->writeImage(u"pics/z.gif"_qs, {4, 4}, Qt::blue);
    fx->writeImage(u"pics/x.bmp"_qs, {4, 4}, Qt::red);
    fx->writeImage(u"pics/y.jpg"_qs, {4, 4}, Qt::green);
    fx->write(u"pics/notes.txt"_qs, u"not a picture"_qs);
    const QString list = c().ListPictures(u"*.bmp"_qs) + c().ListPictures(u"*.jpg"_qs) +
                         c().ListPictures(u"*.gif"_qs);
    QCOMPARE(list, u"x.bmp|y.jpg|z.gif|"_qs);
    QCOMPARE(PickListEntry(3, list), u"z.gif"_qs);
    QCOMPARE(PickListEntry(4, list), QString());
    fx->random.setValues({0.0f, 0.99f});
    c().ChangePicture(2);
    c().ChangePicture(2);
    QCOMPARE(v().painted, (QStringList{"./pics/x.bmp 0,0", "./pics/z.gif 0,0"}));
    QCOMPARE(c().PictureCount, 3);
}

void TestCompanion::newYearOnce()
{
    settings().textver = settings().tostver = settings().voicever = 0;
    for (const QDateTime &t :
         {QDateTime({2003, 12, 31}, {23, 59, 59}), QDateTime({2004, 1, 1}, {0, 0, 10}),
          QDateTime({2004, 1, 1}, {0, 0, 59}), QDateTime({2004, 1, 1}, {0, 1})}) {
        fx->clock.set(t);
        c().tick();
    }
    QCOMPARE(fx->fake.boxes.size(), 1);
    QCOMPARE(fx->fake.boxes[0].prompt, u"НОВЫЙ ГОД, ГОСПОДА!"_qs);
    QVERIFY(!fx->fake.boxes[0].title.has_value());
    QCOMPARE(v().speech, QStringList{u"C новым годом!"_qs});
    QVERIFY(!IsNewYearMinute(QDateTime({2030, 2, 1}, {0, 0})));
}

void TestCompanion::load_data()
{
    QTest::addColumn<QString>("exescript");
    QTest::newRow("interactive") << "";
    QTest::newRow("scenario") << "go.scn";
}

void TestCompanion::load()
{
    QFETCH(QString, exescript);
    fx->write(u"user.but"_qs, u"Первая\r\n\r\n%>!<% Тайная \r\n"_qs);
    fx->write(u"sound.tlk"_qs, u"3\r\n>a.wav\r\n>b.wav\r\nБэ\r\n>c.wav\r\nЦэ\r\n"_qs);
    fx->write(u"go.scn"_qs, u"timer 0\r\n"_qs);
    fx->writeImage(u"tex.bmp"_qs, {7, 7}, Qt::green);
    fx->writeImage(u"alk1.bmp"_qs, {433, 225}, Qt::red);
    settings().texture = u" tex.bmp "_qs;
    settings().exescript = exescript;
    settings().drinkcount = 12;
    fx->random.setValues({0.99f}); // hint line 0.99 * 6 -> 5
    c().load();
    QCOMPARE(v().hint, Companion::hintLines()[5]);
    QCOMPARE(v().texture.size(), QSize(7, 7));
    QCOMPARE(v().painted.value(0), u"alk1.bmp 0,0"_qs);
    QCOMPARE(v().voiceMenu, (QStringList{">b.wav", "Цэ"}));
    QCOMPARE(v().buttonCaption, (std::array<QString, 6>{"", "Первая", "", "Тайная", "", ""}));
    QCOMPARE(v().buttonShown, (std::array<bool, 6>{false, true, false, false, false, false}));
    QCOMPARE(settings().drinkcount, 0);
    QCOMPARE(c().eventTimer().interval(), settings().BaseIntervalFrom);
    // A scenario given at the start runs on the shown window.
    QCOMPARE(c().eventTimer().isActive(), exescript.isEmpty());
    QCOMPARE(v().windowShown, exescript.isEmpty() ? 0 : 1);
    // The hint line blinks for the first 38 seconds.
    auto *timer2 = c().findChild<QTimer *>(u"Timer2"_qs);
    QCOMPARE(timer2->interval(), 30000);
    for (int tick = 1; tick <= 9; ++tick) {
        QVERIFY(timer2->isActive());
        c().blink();
    }
    QCOMPARE(v().hintShown,
             (QList<bool>{false, true, false, true, false, true, false, true, false}));
    QCOMPARE(timer2->interval(), 1000);
    QVERIFY(!timer2->isActive());
}

void TestCompanion::scenarioRuns_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<bool>("busy");
    QTest::addColumn<bool>("timerAfter");
    QTest::addColumn<QString>("tagAfter");
    QTest::newRow("no tag") << "" << false << true << "";
    QTest::newRow("timer 0 tags it") << "timer 0" << false << false << "no!";
    QTest::newRow("timer 1 clears it") << "timer 0\r\ntimer 1" << false << true << "";
    QTest::newRow("already busy: dropped") << "timer 0" << true << false << "";
}

void TestCompanion::scenarioRuns()
{
    QFETCH(QString, script);
    QFETCH(bool, busy);
    QFETCH(bool, timerAfter);
    QFETCH(QString, tagAfter);
    c().ScenarioBusy = busy;
    QStringList trace;
    c().scenarioTrace = [&](const QString &line) { trace << line; };
    bool enabledDuring = true;
    fx->fake.onYield = [&] { enabledDuring = enabledDuring && v().buttonsEnabled; };
    run(script + u"\r\nthree\rfour\n"_qs);
    QCOMPARE(c().eventTimer().isActive(), timerAfter);
    QCOMPARE(c().timerTag(), tagAfter);
    QCOMPARE(c().ScenarioBusy, busy);
    QVERIFY(v().buttonsEnabled && c().buttonsEnabled());
    QCOMPARE(enabledDuring, busy);
    if (busy)
        QCOMPARE(trace, QStringList{u"run.scn: не запущен: уже идёт другой сценарий"_qs});
    else
        QCOMPARE(c().ScenarioLines.mid(c().ScenarioLines.size() - 3),
                 (QStringList{"three", "four", ""}));
}

void TestCompanion::runsOneAfterAnother()
{
    run(u"timer 0"_qs);
    // A later run without a timer line leaves the companion silent, and so
    // does a frolic of the drink button.
    run(u"msg hi"_qs);
    c().FrolicFromButton = true;
    QVERIFY(c().Frolic(u"0"_qs));
    QVERIFY(!c().eventTimer().isActive());
    run(u"timer 1"_qs);
    QVERIFY(c().eventTimer().isActive());
    // The next frolic, even one from a scenario, clears the flag; setquake
    // reaches it without being saved.
    run(u"setquake 10\r\nbiggluk 0"_qs);
    QVERIFY(!c().FrolicFromButton && c().eventTimer().isActive());
    QCOMPARE(settings().quake, 10);
    QVERIFY(!QFile::exists(u"config.cfg"_qs));
    // What cannot be read runs as an empty scenario: no line, no yield.
    const int pumps = fx->fake.eventPumps;
    for (const char *name : {"/dev/zero", ".", "missing.scn"}) {
        c().RunScenario(QLatin1String(name));
        QVERIFY(c().ScenarioLines.isEmpty());
    }
    QCOMPARE(fx->fake.eventPumps, pumps);
    // unload ends the program at once, the marker with it.
    const QString marker = RunningMarker::path();
    QVERIFY(RunningMarker::write());
    QVERIFY_THROWS_EXCEPTION(ProgramExit, run(u"unload\r\nmsg never"_qs));
    QCOMPARE(fx->fake.boxes.size(), 1); // "hi"
    QVERIFY(!QFile::exists(marker));
}

void TestCompanion::timerOneLetsTicksIn()
{
    // The event timer speaks on every tick; ticks fall due while a line
    // blocks and run at the next yield once the scenario lets the timer on.
    settings().textver = 100;
    c().eventTimer().setInterval(1);
    fx->fake.pumpQtEvents = true;
    QList<qsizetype> spoken;
    fx->fake.onYield = [&] {
        spoken << v().speech.size();
        QThread::msleep(20);
    };
    run(u"sleep 5000\r\nsleep 5000"_qs);
    c().eventTimer().setInterval(1);
    run(u"timer 1\r\nsleep 5000\r\nsleep 5000"_qs);
    QCOMPARE(spoken.size(), 5);
    QCOMPARE(spoken.mid(0, 3), (QList<qsizetype>{0, 0, 0}));
    QVERIFY(spoken[4] > 0);
}

void TestCompanion::speaking()
{
    c().SayText(QString());
    c().SayText(u"Своё"_qs);
    QCOMPARE(v().speech, (QStringList{"Речь\r\n", "Своё"}));
    // A drawn %exescript% phrase runs its scenario instead, even when a text
    // was given.
    fx->write(u"text.tlk"_qs, u"1\r\n>%exescript%  run.scn \r\n"_qs);
    fx->write(u"run.scn"_qs, u"; nothing\r\n"_qs);
    c().SayText(u"Привет"_qs);
    QCOMPARE(v().speech.size(), 2);
    QCOMPARE(c().ScenarioLines, QStringList({"; nothing", ""}));

    fx->write(u"tost.tlk"_qs, u"2\r\n>За нас!\r\n>За них!\r\n"_qs);
    c().SayToast(QString());
    c().SayToast(QString()); // the toast window is open: nothing at all
    c().proposeToast();
    c().SayToast(u"Свой тост"_qs);
    QCOMPARE(v().toasts.size(), 3);
    QVERIFY(v().toasts[0] != v().toasts[1] && v().toasts[1].startsWith(u"За "_qs));
    QCOMPARE(v().toasts[2], u"Свой тост"_qs);
    QCOMPARE(fx->fake.sounds, QStringList(3, u"warn.wav"_qs));
}

void TestCompanion::voices_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("arg");
    QTest::addColumn<QStringList>("speech");
    QTest::addColumn<QString>("played");
    QTest::addColumn<int>("shakes");
    const QString tlk = u"5\r\n>a.wav\r\nЭй\r\nты\r\n>b.wav\r\n>\r\nc.wav\r\nСи\r\n>d.wav\r\n\r\n"
                        u">rukidroz.wav\r\nДрожу\r\n"_qs;
    QTest::newRow("phrase 1") << tlk << "\\\\1" << QStringList{"Эй\r\nты\r\n"} << ".\\wav\\a.wav"
                              << 0;
    QTest::newRow("file line only: an empty line")
        << tlk << "\\\\2" << QStringList{""} << ".\\wav\\b.wav" << 0;
    QTest::newRow("bare marker line")
        << tlk << "\\\\3" << QStringList{"Си\r\n"} << ".\\wav\\c.wav" << 0;
    QTest::newRow("empty caption line")
        << tlk << "\\\\4" << QStringList{"\r\n"} << ".\\wav\\d.wav" << 0;
    QTest::newRow("the shaking phrase")
        << tlk << "\\\\5" << QStringList{"Дрожу\r\n"} << ".\\wav\\rukidroz.wav" << 1;
    QTest::newRow("beyond the phrases") << tlk << "\\\\9" << QStringList{} << ".\\wav\\" << 0;
    QTest::newRow("a path plays unchanged, no shake")
        << tlk << "x\\rukidroz.wav" << QStringList{} << "x\\rukidroz.wav" << 0;
    QTest::newRow("not a number: random")
        << u"1\r\n>a.wav\r\nА\r\n"_qs << "\\\\x" << QStringList{"А\r\n"} << ".\\wav\\a.wav" << 0;
}

void TestCompanion::voices()
{
    QFETCH(QString, file);
    QFETCH(QString, arg);
    QFETCH(QStringList, speech);
    QFETCH(QString, played);
    QFETCH(int, shakes);
    fx->write(u"sound.tlk"_qs, file);
    fx->random.setValues({0.0f, 0.9999f, 0.5f});
    c().SayVoice(arg);
    QCOMPARE(v().speech, speech);
    QCOMPARE(fx->fake.sounds, QStringList{played});
    QCOMPARE(v().shakes.size(), shakes);
    if (shakes) { // 30 steps of at most 40 pixels, drawn left then top
        QCOMPARE(v().shakes[0].size(), 30);
        QCOMPARE(v().shakes[0].mid(0, 2), (QList<QPoint>{{-40, 40}, {0, -40}}));
        for (const QPoint &p : std::as_const(v().shakes[0]))
            QVERIFY(qAbs(p.x()) <= 40 && qAbs(p.y()) <= 40);
    }
}

void TestCompanion::drinkButton_data()
{
    QTest::addColumn<int>("countBefore");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<MsgAnswer>("answer");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("outcome"); // frolic, double or plain
    const QString many = u"Много выпили?"_qs;
    const auto Yes = MsgAnswer::Yes, No = MsgAnswer::No;
    QTest::newRow("fifth: no question")
        << 4 << QList<float>{0.9f} << Yes << QStringList{} << "plain";
    QTest::newRow("sixth, r=0.7: none")
        << 5 << QList<float>{0.7f} << Yes << QStringList{} << "plain";
    QTest::newRow("sixth, No") << 5 << QList<float>{0.71f} << No << QStringList{many} << "plain";
    QTest::newRow("Yes, r=0.5: double vision")
        << 5 << QList<float>{0.8f, 0.5f} << Yes << QStringList{many} << "double";
    QTest::newRow("Yes, r>0.5: frolic") << 5 << QList<float>{0.8f, 0.6f} << Yes
                                        << QStringList{many, u"Легче стало?"_qs} << "frolic";
}

void TestCompanion::drinkButton()
{
    QFETCH(int, countBefore);
    QFETCH(QList<float>, draws);
    QFETCH(MsgAnswer, answer);
    QFETCH(QStringList, boxes);
    QFETCH(QString, outcome);
    settings().drinkcount = countBefore;
    settings().igluk = settings().ibiggluk = 0;
    fx->random.setValues(draws);
    fx->fake.answers = {answer};
    c().drink();
    QCOMPARE(fx->fake.sounds.value(0), u"drinkme.wav"_qs);
    QCOMPARE(settings().drinkcount, countBefore + 1);
    QStringList prompts;
    for (const auto &box : std::as_const(fx->fake.boxes))
        prompts << box.prompt;
    QCOMPARE(prompts, boxes);
    QCOMPARE(v().frolics.size(), outcome == u"frolic"_qs ? 1 : 0);
    QCOMPARE(v().speech.contains(u"Ой, скока вас?"_qs), outcome == u"double"_qs);
    // The glitch of igluk smears (here none) always follows.
    QCOMPARE(v().panelChanges, outcome == u"double"_qs ? 2 : 1);
}

void TestCompanion::easterEgg_data()
{
    QTest::addColumn<QString>("clicks"); // l: speech line, 3: "Что?", 2: toast, d: double
    QTest::addColumn<int>("boxes");
    QTest::newRow("line, Что?, toast, double click") << "l32d" << 3;
    QTest::newRow("wrong order") << "l23d" << 0;
    QTest::newRow("line clicked twice still counts once") << "ll32d" << 3;
    QTest::newRow("interrupted by another Что?") << "l332d" << 0;
    QTest::newRow("without the line") << "32d" << 0;
}

void TestCompanion::easterEgg()
{
    QFETCH(QString, clicks);
    QFETCH(int, boxes);
    for (QChar k : clicks) {
        if (k == u'l')
            c().speechClicked();
        else if (k == u'3')
            c().speak();
        else if (k == u'2')
            c().proposeToast();
        else
            c().speechDoubleClicked();
    }
    QCOMPARE(fx->fake.boxes.size(), boxes);
    if (boxes)
        QVERIFY(fx->fake.boxes.last().prompt.contains(u"драйве A:"_qs));
}

void TestCompanion::sideWindowsStopTheTimer_data()
{
    QTest::addColumn<int>("window");
    QTest::addColumn<bool>("silenced");
    for (bool silenced : {false, true})
        for (SideWindow w : {SideWindow::Riddles, SideWindow::Readme, SideWindow::Options})
            QTest::addRow("%d%s", int(w), silenced ? " no!" : "") << int(w) << silenced;
}

void TestCompanion::sideWindowsStopTheTimer()
{
    QFETCH(int, window);
    QFETCH(bool, silenced);
    if (silenced)
        c().setEventTimer(false);
    c().eventTimer().start();
    bool timerDuring = true;
    v().onSideWindow = [&](SideWindow) { timerDuring = c().eventTimer().isActive(); };
    c().RunModalWindow(SideWindow(window));
    QCOMPARE(v().sideWindows, QList<SideWindow>{SideWindow(window)});
    QVERIFY(!timerDuring);
    QCOMPARE(c().eventTimer().isActive(), !silenced);
}

void TestCompanion::glitchAndDouble_data()
{
    QTest::addColumn<QString>("count"); // "dbl": double vision
    QTest::addColumn<float>("draw");
    QTest::addColumn<bool>("done");
    QTest::addColumn<int>("changed");
    QTest::newRow("glitch, smallest draws: centre (1, 1)") << "1" << 0.0f << true << 8;
    // The bottom-right corner: writes beyond the panel are dropped.
    QTest::newRow("glitch, largest draws: (432, 224)") << "1" << 0.99999f << true << 3;
    QTest::newRow("glitch 0") << "0" << 0.0f << true << 0;
    QTest::newRow("glitch -10") << "-10" << 0.0f << true << 0;
    QTest::newRow("glitch: not a number") << "many" << 0.0f << false << 0;
    QTest::newRow("double vision") << "dbl" << 0.0f << true << 431 * 225;
}

void TestCompanion::glitchAndDouble()
{
    QFETCH(QString, count);
    QFETCH(float, draw);
    QFETCH(bool, done);
    QFETCH(int, changed);
    for (int x = 0; x < 433; ++x)
        for (int y = 0; y < 225; ++y)
            v().panel.setPixel(x, y, qRgb(x % 256, y, x / 256));
    const QImage before = v().panel;
    v().pictureShown = false;
    fx->random.setValues({draw});
    if (count == u"dbl"_qs)
        c().DoublePicture();
    else
        QCOMPARE(c().GlitchPicture(count), done);
    int differ = 0;
    for (int x = 0; x < 433; ++x)
        for (int y = 0; y < 225; ++y)
            differ += v().panel.pixel(x, y) != before.pixel(x, y);
    QCOMPARE(differ, changed);
    // An effect that ran shows the panel, whatever its visibility was.
    QCOMPARE(v().pictureShown, done);
    QCOMPARE(v().panelChanges, done ? 1 : 0);
}

void TestCompanion::frolic_data()
{
    QTest::addColumn<QString>("screen"); // desktop, refused or black
    QTest::addColumn<bool>("fromButton");
    QTest::addColumn<bool>("silenced");
    QTest::addColumn<bool>("timerAfter");
    QTest::addColumn<bool>("flagAfter");
    const QList<std::tuple<const char *, bool, bool, bool, bool>> rows = {
        {"desktop", true, false, true, false},   {"desktop", true, true, false, true},
        {"desktop", false, false, false, false}, {"desktop", false, true, false, false},
        {"refused", true, false, true, false},   {"black", false, false, false, false},
    };
    for (const auto &[screen, fromButton, silenced, timerAfter, flagAfter] : rows)
        QTest::addRow("%s%s%s", screen, fromButton ? ", button" : ", scenario",
                      silenced ? ", no!" : "")
            << QString::fromLatin1(screen) << fromButton << silenced << timerAfter << flagAfter;
}

void TestCompanion::frolic()
{
    QFETCH(QString, screen);
    QFETCH(bool, fromButton);
    QFETCH(bool, silenced);
    QFETCH(bool, timerAfter);
    QFETCH(bool, flagAfter);
    // The companion stands on the second of two screens.
    fx->fake.screenAreas = {{0, 0, 1024, 768}, {1024, 100, 64, 48}};
    v().area = {1024, 100, 64, 48};
    fx->fake.captureFails = screen == u"refused"_qs;
    fx->fake.screenImage = QImage(64, 48, QImage::Format_RGB32);
    fx->fake.screenImage.fill(screen == u"black"_qs ? Qt::black : Qt::darkCyan);
    if (silenced)
        c().setEventTimer(false);
    c().eventTimer().start();
    c().FrolicFromButton = fromButton;
    const QString preparation =
        u"Идет подготовка к колбасне... Выпейте стакан и сядьте на твердую опору..."_qs;
    bool capturedRightly = false;
    fx->fake.onCapture = [&] {
        // The screen as the user sees it: the preparation text shown, no event
        // tick to come.
        capturedRightly = v().speech == QStringList{preparation} && !c().eventTimer().isActive();
    };
    QVERIFY(c().Frolic(u"20"_qs));
    QVERIFY(capturedRightly);
    QCOMPARE(c().eventTimer().isActive(), timerAfter);
    QCOMPARE(c().FrolicFromButton, flagAfter);
    // A black desktop is a desktop like any other.
    const bool copied = screen != u"refused"_qs;
    QCOMPARE(v().frolics.size(), copied ? 1 : 0);
    QCOMPARE(fx->fake.capturedScreens.value(0), v().area);
    if (copied) { // that screen's copy at its size, 20 smears of two draws
        QCOMPARE(v().frolicScreens, QList<QRect>{v().area});
        QCOMPARE(v().frolics[0].size(), QSize(64, 48));
        QCOMPARE(fx->random.draws(), 40);
        QVERIFY(fx->fake.boxes.isEmpty());
        return;
    }
    // No black cover: a word of why, once a run.
    QVERIFY(c().Frolic(u"20"_qs));
    QCOMPARE(fx->fake.boxes.size(), 1);
    QCOMPARE(fx->fake.boxes[0].title, std::optional<QString>(u"Колбасня отменяется"_qs));
    QVERIFY(fx->fake.boxes[0].prompt.contains(u"Разрешите снимки экрана"_qs));
    QCOMPARE(fx->fake.captures, 2);
    // Empty means 50000 smears (two draws each); a word is no count.
    fx->fake.captureFails = false;
    fx->fake.screenImage.fill(Qt::darkCyan);
    QVERIFY(c().Frolic(QString()));
    QCOMPARE(fx->random.draws(), 100000);
    QVERIFY(!c().Frolic(u"x"_qs));
    QCOMPARE(fx->fake.captures, 3);
}

void TestCompanion::unloadAndCdDoor()
{
    c().SetCdDoor(u"Open"_qs);
    c().SetCdDoor(u"Closed"_qs);
    c().SetCdDoor(u"Ajar"_qs);
    QCOMPARE(fx->fake.cdDoor, (QList<bool>{true, false}));
    const QString marker = RunningMarker::path();
    QVERIFY(RunningMarker::write());
    QVERIFY_THROWS_EXCEPTION(ProgramExit, c().Form_Unload());
    QVERIFY(!QFile::exists(marker));
    QVERIFY_THROWS_EXCEPTION(ProgramExit, c().Form_Unload()); // no marker: ends all the same
    // The drink button's millionth press ends the program the same way.
    QVERIFY(RunningMarker::write());
    settings().drinkcount = 999999;
    QVERIFY_THROWS_EXCEPTION(ProgramExit, c().drink());
    QCOMPARE(fx->fake.boxes.size(), 1);
    QVERIFY(fx->fake.boxes[0].prompt.startsWith(u"Вы миллионный кликатель!"_qs));
    QVERIFY(!QFile::exists(marker));
}

QTEST_MAIN(TestCompanion)
#include "tst_companion.moc"
