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
    std::unique_ptr<CompanionFixture> fx;
    Companion &c() { return fx->companion; }
    RecordingView &v() { return fx->view; }
    void run(const QString &script)
    {
        fx->write(u"run.scn"_qs, script);
        c().RunScenario(u"run.scn"_qs);
    }
    QStringList boxPrompts() const
    {
        QStringList prompts;
        for (const auto &box : std::as_const(fx->fake.boxes))
            prompts << box.prompt;
        return prompts;
    }

private slots:
    void init()
    {
        fx = std::make_unique<CompanionFixture>();
        fx->write(u"text.tlk"_qs, u"1\r\n>Речь\r\n"_qs);
        fx->write(u"tost.tlk"_qs, u"1\r\n>Тост\r\n"_qs);
        fx->write(u"sound.tlk"_qs, u"1\r\n>v.wav\r\nГолос\r\n"_qs);
    }
    void cleanup() { fx.reset(); }

    void eventOfADraw_data()
    {
        // chances: text, toast, voice
        columns<QList<int>, int, TickEvent>("chances", "n", "event");
        using E = TickEvent;
        const QList<std::tuple<QList<int>, int, E>> rows = {
            {{50, 30, 20}, 50, E::Text},   {{50, 30, 20}, 51, E::Toast},
            {{50, 30, 20}, 80, E::Toast},  {{50, 30, 20}, 81, E::Voice},
            {{0, 0, 0}, 1, E::None},       {{30, 30, 0}, 61, E::None},
            {{80, 30, 20}, 100, E::Toast}, // beyond 100 the last bands are cut
        };
        for (const auto &[chances, n, event] : rows)
            QTest::addRow("%d/%d/%d n=%d", chances[0], chances[1], chances[2], n)
                << chances << n << event;
    }
    void eventOfADraw()
    {
        const auto [chances, n, event] = fetch<QList<int>, int, TickEvent>("chances", "n", "event");
        Settings s;
        s.textver = chances[0];
        s.tostver = chances[1];
        s.voicever = chances[2];
        QCOMPARE(EventForDraw(n, s), event);
    }

    void tick_data()
    {
        // randompic: -1: 100 with an order file; done: speech | toast | sound | picture; drawn:
        // draws in all; -1: not counted
        columns<QList<float>, int, QString, int, int>("draws", "randompic", "done", "interval",
                                                      "drawn");
        using F = QList<float>;
        tableRow("text", F{0.25f, drawFor(10, 100)}, 0, u"Речь\r\n|||"_qs, 52500, -1);
        tableRow("toast", F{0.0f, drawFor(60, 100)}, 0, u"|Тост\r\n|warn.wav|"_qs, 50000, -1);
        tableRow("voice, longest interval", F{0.99999994f, drawFor(90, 100)}, 0,
                 u"Голос\r\n||.\\wav\\v.wav|"_qs, 59999, -1);
        tableRow("nothing: no draw for a picture", F{0.5f, 0.999f}, 0, u"|||"_qs, 55000, 2);
        tableRow("picture: m=30 of 30", F{0.5f, 0.999f, 0.295f, 0.0f}, 30,
                 u"|||./pics/a.bmp 0,0"_qs, 55000, 4);
        tableRow("no picture: m=31 of 30", F{0.5f, 0.999f, 0.305f, 0.0f}, 30, u"|||"_qs, 55000, 3);
        tableRow("picture from the order file", F{0.5f, 0.999f, 0.5f, 0.0f}, -1,
                 u"|||./pics/b.bmp 0,0"_qs, 55000, 3);
    }
    void tick()
    {
        const auto [draws, randompic, done, interval, drawn] =
            fetch<QList<float>, int, QString, int, int>("draws", "randompic", "done", "interval",
                                                        "drawn");
        settings().voicever = 19; // 50/30/19: n=100 brings nothing
        settings().randompic = randompic < 0 ? 100 : randompic;
        fx->writeImage(u"pics/a.bmp"_qs, {4, 4}, Qt::red);
        fx->writeImage(u"pics/b.bmp"_qs, {4, 4}, Qt::blue);
        if (randompic < 0)
            fx->write(u"pics/order.txt"_qs, u"b.bmp\r\na.bmp\r\n"_qs);
        v().pictureShown = false;
        fx->random.setValues(draws);
        c().tick();
        const QStringList what{v().speech.join(u'+'), v().toasts.join(u'+'),
                               fx->fake.sounds.join(u'+'), v().painted.join(u'+')};
        QCOMPARE(what.join(u'|'), done);
        QCOMPARE(v().pictureShown, !v().painted.isEmpty());
        QCOMPARE(c().eventTimer().interval(), interval);
        QCOMPARE(v().hintShown, QList<bool>{false});
        QCOMPARE(v().broughtToFront, 1);
        if (drawn >= 0)
            QCOMPARE(fx->random.draws(), drawn);
    }

    void orderMode_data()
    {
        // positions: after each of six steps
        columns<QString, QStringList, QList<int>>("order", "painted", "positions");
        const QStringList abc{"./pics/a.bmp 0,0", "./pics/b.bmp 0,0", "./pics/c.bmp 0,0"};
        const QList<int> cycle{1, 2, 0, 1, 2, 0};
        tableRow("no final break", u"a.bmp\r\nb.bmp\r\nc.bmp"_qs, abc + abc, cycle);
        // A missing picture and an empty line paint nothing but take their turn.
        tableRow("missing, empty", u"missing.bmp\r\n\r\na.bmp\r\n"_qs, QStringList{abc[0], abc[0]},
                 cycle);
        tableRow("empty order file", QString(), QStringList{}, QList<int>(6, 0));
    }
    void orderMode()
    {
        const auto [order, painted, positions] =
            fetch<QString, QStringList, QList<int>>("order", "painted", "positions");
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

    void randomPictures()
    {
        // Listed by pattern in turn, counted, and one drawn from the list.
        fx->writeImage(u"pics/z.gif"_qs, {4, 4}, Qt::blue);
        fx->writeImage(u"pics/x.bmp"_qs, {4, 4}, Qt::red);
        fx->writeImage(u"pics/y.jpg"_qs, {4, 4}, Qt::green);
        fx->write(u"pics/notes.txt"_qs, u"not a picture"_qs);
        const QString list = c().ListPictures(u"*.bmp"_qs) + c().ListPictures(u"*.jpg"_qs) +
                             c().ListPictures(u"*.gif"_qs);
        QCOMPARE(list, u"x.bmp|y.jpg|z.gif|"_qs);
        QCOMPARE(PickListEntry(4, list), QString());
        fx->random.setValues({0.0f, 0.99f});
        c().ChangePicture(2);
        c().ChangePicture(2);
        QCOMPARE(v().painted, (QStringList{"./pics/x.bmp 0,0", "./pics/z.gif 0,0"}));
        QCOMPARE(c().PictureCount, 3);
    }

    void newYearOnce()
    {
        settings().textver = settings().tostver = settings().voicever = 0;
        for (const QDateTime &t :
             {QDateTime({2003, 12, 31}, {23, 59, 59}), QDateTime({2004, 1, 1}, {0, 0, 10}),
              QDateTime({2004, 1, 1}, {0, 0, 59}), QDateTime({2004, 1, 1}, {0, 1})}) {
            fx->clock.set(t);
            c().tick();
        }
        QCOMPARE(boxPrompts(), QStringList{u"НОВЫЙ ГОД, ГОСПОДА!"_qs});
        QVERIFY(!fx->fake.boxes[0].title.has_value());
        QCOMPARE(v().speech, QStringList{u"C новым годом!"_qs});
        QVERIFY(!IsNewYearMinute(QDateTime({2030, 2, 1}, {0, 0})));
    }

    void load_data()
    {
        QTest::addColumn<QString>("exescript");
        QTest::newRow("interactive") << "";
        QTest::newRow("scenario") << "go.scn";
    }
    void load()
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

    void scenarioRuns_data()
    {
        columns<QString, bool, bool, QString>("script", "busy", "timerAfter", "tagAfter");
        tableRow("no tag", QString(), false, true, QString());
        tableRow("timer 0 tags it", u"timer 0"_qs, false, false, u"no!"_qs);
        tableRow("timer 1 clears it", u"timer 0\r\ntimer 1"_qs, false, true, QString());
        tableRow("already busy: dropped", u"timer 0"_qs, true, false, QString());
    }
    void scenarioRuns()
    {
        const auto [script, busy, timerAfter, tagAfter] =
            fetch<QString, bool, bool, QString>("script", "busy", "timerAfter", "tagAfter");
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

    void runsOneAfterAnother()
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
        // is not saved.
        run(u"setquake 10\r\nbiggluk 0"_qs);
        QVERIFY(!c().FrolicFromButton && c().eventTimer().isActive());
        QVERIFY(!QFile::exists(u"config.cfg"_qs));
        // What cannot be read runs as an empty scenario: no line, no yield.
        const int pumps = fx->fake.eventPumps;
        for (const char *name : {"/dev/zero", ".", "missing.scn"}) {
            c().RunScenario(QLatin1String(name));
            QVERIFY(c().ScenarioLines.isEmpty());
        }
        QCOMPARE(fx->fake.eventPumps, pumps);
    }

    void timerOneLetsTicksIn()
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

    void speaking()
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

    void voices_data()
    {
        // The phrase's first line names the sound, the rest is its caption.
        columns<QString, QStringList, QString, int>("arg", "speech", "played", "shakes");
        using L = QStringList;
        tableRow("phrase 1", u"\\\\1"_qs, L{"Эй\r\nты\r\n"}, u".\\wav\\a.wav"_qs, 0);
        tableRow("file line only: an empty line", u"\\\\2"_qs, L{""}, u".\\wav\\b.wav"_qs, 0);
        tableRow("bare marker line", u"\\\\3"_qs, L{"Си\r\n"}, u".\\wav\\c.wav"_qs, 0);
        tableRow("the shaking phrase", u"\\\\4"_qs, L{"Дрожу\r\n"}, u".\\wav\\rukidroz.wav"_qs, 1);
        tableRow("beyond the phrases", u"\\\\9"_qs, L{}, u".\\wav\\"_qs, 0);
        tableRow("a path plays unchanged, no shake", u"x\\rukidroz.wav"_qs, L{},
                 u"x\\rukidroz.wav"_qs, 0);
        tableRow("not a number: random", u"\\\\x"_qs, L{"Эй\r\nты\r\n"}, u".\\wav\\a.wav"_qs, 0);
    }
    void voices()
    {
        const auto [arg, speech, played, shakes] =
            fetch<QString, QStringList, QString, int>("arg", "speech", "played", "shakes");
        fx->write(u"sound.tlk"_qs, u"4\r\n>a.wav\r\nЭй\r\nты\r\n>b.wav\r\n>\r\nc.wav\r\nСи\r\n"
                                   u">rukidroz.wav\r\nДрожу\r\n"_qs);
        fx->random.setValues({0.0f, 0.9999f, 0.5f});
        c().SayVoice(arg);
        QCOMPARE(v().speech, speech);
        QCOMPARE(fx->fake.sounds, QStringList{played});
        QCOMPARE(v().shakes.size(), shakes);
    }

    void drinkButton_data()
    {
        // outcome: frolic, double or plain
        columns<int, QList<float>, MsgAnswer, QStringList, QString>("countBefore", "draws",
                                                                    "answer", "boxes", "outcome");
        using F = QList<float>;
        using L = QStringList;
        const QString many = u"Много выпили?"_qs;
        const auto Yes = MsgAnswer::Yes, No = MsgAnswer::No;
        tableRow("fifth: no question", 4, F{0.9f}, Yes, L{}, u"plain"_qs);
        tableRow("sixth, r=0.7: none", 5, F{0.7f}, Yes, L{}, u"plain"_qs);
        tableRow("sixth, No", 5, F{0.71f}, No, L{many}, u"plain"_qs);
        tableRow("Yes, r=0.5: double vision", 5, F{0.8f, 0.5f}, Yes, L{many}, u"double"_qs);
        tableRow("Yes, r>0.5: frolic", 5, F{0.8f, 0.6f}, Yes, L{many, u"Легче стало?"_qs},
                 u"frolic"_qs);
    }
    void drinkButton()
    {
        const auto [countBefore, draws, answer, boxes, outcome] =
            fetch<int, QList<float>, MsgAnswer, QStringList, QString>("countBefore", "draws",
                                                                      "answer", "boxes", "outcome");
        settings().drinkcount = countBefore;
        settings().igluk = settings().ibiggluk = 0;
        fx->random.setValues(draws);
        fx->fake.answers = {answer};
        c().drink();
        QCOMPARE(fx->fake.sounds.value(0), u"drinkme.wav"_qs);
        QCOMPARE(settings().drinkcount, countBefore + 1);
        QCOMPARE(boxPrompts(), boxes);
        QCOMPARE(v().frolics.size(), outcome == u"frolic"_qs ? 1 : 0);
        QCOMPARE(v().speech.contains(u"Ой, скока вас?"_qs), outcome == u"double"_qs);
        // The glitch of igluk smears (here none) always follows.
        QCOMPARE(v().panelChanges, outcome == u"double"_qs ? 2 : 1);
    }

    void easterEgg_data()
    {
        // clicks: l: speech line, 3: "Что?", 2: toast, d: double
        columns<QString, bool>("clicks", "found");
        QTest::newRow("line, Что?, toast, double click") << "l32d" << true;
        QTest::newRow("wrong order") << "l23d" << false;
        QTest::newRow("line clicked twice still counts once") << "ll32d" << true;
        QTest::newRow("interrupted by another Что?") << "l332d" << false;
        QTest::newRow("without the line") << "32d" << false;
    }
    void easterEgg()
    {
        const auto [clicks, found] = fetch<QString, bool>("clicks", "found");
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
        QCOMPARE(fx->fake.boxes.size(), found ? 3 : 0);
        QVERIFY(!found || fx->fake.boxes.last().prompt.contains(u"драйве A:"_qs));
    }

    void sideWindowsStopTheTimer_data()
    {
        columns<SideWindow, bool>("window", "silenced");
        for (bool silenced : {false, true})
            for (SideWindow w : {SideWindow::Riddles, SideWindow::Readme, SideWindow::Options})
                QTest::addRow("%d%s", int(w), silenced ? " no!" : "") << w << silenced;
    }
    void sideWindowsStopTheTimer()
    {
        const auto [window, silenced] = fetch<SideWindow, bool>("window", "silenced");
        if (silenced)
            c().setEventTimer(false);
        c().eventTimer().start();
        bool timerDuring = true;
        v().onSideWindow = [&](SideWindow) { timerDuring = c().eventTimer().isActive(); };
        c().RunModalWindow(window);
        QCOMPARE(v().sideWindows, QList<SideWindow>{window});
        QVERIFY(!timerDuring);
        QCOMPARE(c().eventTimer().isActive(), !silenced);
    }

    void glitchAndDouble_data()
    {
        // The smears themselves are the pixel effects' business.
        // count: "dbl": double vision
        columns<QString, bool, bool>("count", "done", "changed");
        tableRow("glitch 3", u"3"_qs, true, true);
        tableRow("glitch 0", u"0"_qs, true, false);
        tableRow("glitch: not a number", u"many"_qs, false, false);
        tableRow("double vision", u"dbl"_qs, true, true);
    }
    void glitchAndDouble()
    {
        const auto [count, done, changed] = fetch<QString, bool, bool>("count", "done", "changed");
        for (int x = 0; x < 433; ++x)
            for (int y = 0; y < 225; ++y)
                v().panel.setPixel(x, y, qRgb(x % 256, y, x / 256));
        const QImage before = v().panel;
        v().pictureShown = false;
        if (count == u"dbl"_qs)
            c().DoublePicture();
        else
            QCOMPARE(c().GlitchPicture(count), done);
        QCOMPARE(v().panel != before, changed);
        // An effect that ran shows the panel, whatever its visibility was.
        QCOMPARE(v().pictureShown, done);
        QCOMPARE(v().panelChanges, done ? 1 : 0);
    }

    void frolic_data()
    {
        columns<bool, bool, bool, bool, bool>("refused", "fromButton", "silenced", "timerAfter",
                                              "flagAfter");
        tableRow("desktop, button", false, true, false, true, false);
        tableRow("desktop, button, no!", false, true, true, false, true);
        tableRow("desktop, scenario", false, false, false, false, false);
        tableRow("refused, button", true, true, false, true, false);
    }
    void frolic()
    {
        const auto [refused, fromButton, silenced, timerAfter, flagAfter] =
            fetch<bool, bool, bool, bool, bool>("refused", "fromButton", "silenced", "timerAfter",
                                                "flagAfter");
        // The companion stands on the second of two screens.
        fx->fake.screenAreas = {{0, 0, 1024, 768}, {1024, 100, 64, 48}};
        v().area = {1024, 100, 64, 48};
        fx->fake.captureFails = refused;
        fx->fake.screenImage = QImage(64, 48, QImage::Format_RGB32);
        fx->fake.screenImage.fill(Qt::darkCyan);
        if (silenced)
            c().setEventTimer(false);
        c().eventTimer().start();
        c().FrolicFromButton = fromButton;
        bool capturedRightly = false;
        fx->fake.onCapture = [&] {
            // The screen as the user sees it: the preparation text shown, no
            // event tick to come.
            capturedRightly = v().speech.size() == 1 &&
                              v().speech[0].startsWith(u"Идет подготовка к колбасне"_qs) &&
                              !c().eventTimer().isActive();
        };
        QVERIFY(c().Frolic(u"20"_qs));
        QVERIFY(capturedRightly);
        QCOMPARE(c().eventTimer().isActive(), timerAfter);
        QCOMPARE(c().FrolicFromButton, flagAfter);
        QCOMPARE(v().frolics.size(), refused ? 0 : 1);
        QCOMPARE(fx->fake.capturedScreens.value(0), v().area);
        if (!refused) { // that screen's copy at its size, 20 smears of two draws
            QCOMPARE(v().frolicScreens, QList<QRect>{v().area});
            QCOMPARE(v().frolics[0].size(), QSize(64, 48));
            QCOMPARE(fx->random.draws(), 40);
            QVERIFY(fx->fake.boxes.isEmpty());
            return;
        }
        // No black cover: a word of why, once a run.
        QVERIFY(c().Frolic(u"20"_qs));
        QCOMPARE(fx->fake.boxes.size(), 1);
        QVERIFY(fx->fake.boxes[0].prompt.contains(u"Разрешите снимки экрана"_qs));
        QCOMPARE(fx->fake.captures, 2);
        // Empty means 50000 smears (two draws each); a word is no count.
        fx->fake.captureFails = false;
        QVERIFY(c().Frolic(QString()));
        QCOMPARE(fx->random.draws(), 100000);
        QVERIFY(!c().Frolic(u"x"_qs));
        QCOMPARE(fx->fake.captures, 3);
    }

    void cdDoorAndTheMillionthPress()
    {
        c().SetCdDoor(u"Open"_qs);
        c().SetCdDoor(u"Closed"_qs);
        c().SetCdDoor(u"Ajar"_qs);
        QCOMPARE(fx->fake.cdDoor, (QList<bool>{true, false}));
        // The drink button's millionth press ends the program, the running
        // marker with it (unload's end is scenario_e2e's).
        QVERIFY(RunningMarker::write());
        settings().drinkcount = 999999;
        QVERIFY_THROWS_EXCEPTION(ProgramExit, c().drink());
        QCOMPARE(boxPrompts().size(), 1);
        QVERIFY(boxPrompts()[0].startsWith(u"Вы миллионный кликатель!"_qs));
        QVERIFY(!QFile::exists(RunningMarker::path()));
    }
};

QTEST_MAIN(TestCompanion)
#include "tst_companion.moc"
