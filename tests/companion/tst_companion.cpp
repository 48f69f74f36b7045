#include "recordingview.h"

#include "core/settings.h"

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

    void tickDecisions_data();
    void tickDecisions();
    void tickDoesIt_data();
    void tickDoesIt();
    void pictureOnTick_data();
    void pictureOnTick();
    void orderMode_data();
    void orderMode();
    void randomPictures();
    void newYearOnce();
    void load_data();
    void load();
    void blink();
    void scenarioRuns_data();
    void scenarioRuns();
    void sayText();
    void toasts();
    void voices_data();
    void voices();
    void shake();
    void drinkButton_data();
    void drinkButton();
    void easterEgg_data();
    void easterEgg();
    void sideWindowsStopTheTimer_data();
    void sideWindowsStopTheTimer();
    void glitchAndDouble_data();
    void glitchAndDouble();
    void frolic();
    void frolicWithoutScreenCopy_data();
    void frolicWithoutScreenCopy();
    void frolicTimerRule_data();
    void frolicTimerRule();
    void unloadAndCdDoor();
    void timerTagAcrossRuns();
    void timerOneLetsTicksIn();
    void unusualRuns();

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

void TestCompanion::tickDecisions_data()
{
    QTest::addColumn<QList<int>>("chances"); // text, toast, voice
    QTest::addColumn<int>("n");
    QTest::addColumn<int>("event");
    QTest::addColumn<QList<int>>("interval"); // from, to, draw x 1e6, expected
    using E = TickEvent;
    const QList<std::tuple<QList<int>, int, E, QList<int>>> rows = {
        {{50, 30, 20}, 1, E::Text, {50000, 60000, 0, 50000}},
        {{50, 30, 20}, 50, E::Text, {50000, 60000, 999999, 59999}},
        {{50, 30, 20}, 51, E::Toast, {50000, 60000, 250000, 52500}},
        {{50, 30, 20}, 80, E::Toast, {30000, 30000, 999999, 30000}},
        {{50, 30, 20}, 81, E::Voice, {1000, 2000, 500000, 1500}},
        {{50, 30, 20}, 100, E::Voice, {30000, 30000, 0, 30000}},
        {{100, 0, 0}, 100, E::Text, {1000, 1000, 0, 1000}},
        {{0, 0, 0}, 1, E::None, {1000, 1000, 0, 1000}},
        {{30, 30, 0}, 60, E::Toast, {1000, 1000, 0, 1000}},
        {{30, 30, 0}, 61, E::None, {1000, 1000, 0, 1000}},
        // Chances above 100 in all: the later bands lose what lies beyond.
        {{80, 30, 20}, 80, E::Text, {1000, 1000, 0, 1000}},
        {{80, 30, 20}, 100, E::Toast, {1000, 1000, 0, 1000}},
    };
    for (const auto &[chances, n, event, interval] : rows)
        QTest::addRow("%d/%d/%d n=%d", chances[0], chances[1], chances[2], n)
            << chances << n << int(event) << interval;
}

void TestCompanion::tickDecisions()
{
    QFETCH(QList<int>, chances);
    QFETCH(int, n);
    QFETCH(int, event);
    QFETCH(QList<int>, interval);
    Settings s;
    s.textver = chances[0];
    s.tostver = chances[1];
    s.voicever = chances[2];
    s.BaseIntervalFrom = interval[0];
    s.BaseIntervalTo = interval[1];
    QCOMPARE(int(EventForDraw(n, s)), event);
    const float r = interval[2] == 999999 ? 0.99999994f : float(interval[2] / 1e6);
    QCOMPARE(NextEventInterval(r, s), interval[3]);
}

void TestCompanion::tickDoesIt_data()
{
    QTest::addColumn<int>("n");
    QTest::addColumn<QString>("speech");
    QTest::addColumn<QString>("toast");
    QTest::addColumn<QString>("sound");
    QTest::newRow("text") << 10 << "Речь\r\n"
                          << ""
                          << "";
    QTest::newRow("toast") << 60 << ""
                           << "Тост\r\n"
                           << "warn.wav";
    QTest::newRow("voice") << 90 << "Голос\r\n"
                           << ""
                           << ".\\wav\\v.wav";
}

void TestCompanion::tickDoesIt()
{
    QFETCH(int, n);
    QFETCH(QString, speech);
    QFETCH(QString, toast);
    QFETCH(QString, sound);
    fx->random.setValues({0.25f, drawFor(n, 100), 0.0f});
    c().tick();
    QCOMPARE(v().speech.value(0), speech);
    QCOMPARE(v().toasts.value(0), toast);
    QCOMPARE(fx->fake.sounds.value(0), sound);
    QCOMPARE(v().hintShown, QList<bool>{false});
    QCOMPARE(v().broughtToFront, 1);
    QCOMPARE(c().eventTimer().interval(), 52500);
}

void TestCompanion::pictureOnTick_data()
{
    QTest::addColumn<int>("randompic");
    QTest::addColumn<float>("r3");
    QTest::addColumn<bool>("orderFile");
    QTest::addColumn<QString>("painted");
    QTest::addColumn<int>("draws");
    QTest::newRow("0: no draw at all") << 0 << 0.0f << false << "" << 2;
    QTest::newRow("100: always, random mode") << 100 << 0.99f << false << "./pics/a.bmp 0,0" << 4;
    QTest::newRow("30, m=30") << 30 << 0.295f << false << "./pics/a.bmp 0,0" << 4;
    QTest::newRow("30, m=31") << 30 << 0.305f << false << "" << 3;
    QTest::newRow("order file: its next line") << 100 << 0.5f << true << "./pics/b.bmp 0,0" << 3;
}

void TestCompanion::pictureOnTick()
{
    QFETCH(int, randompic);
    QFETCH(float, r3);
    QFETCH(bool, orderFile);
    QFETCH(QString, painted);
    QFETCH(int, draws);
    settings().randompic = randompic;
    settings().textver = settings().tostver = settings().voicever = 0;
    fx->writeImage(u"pics/a.bmp"_qs, {433, 225}, Qt::red);
    fx->writeImage(u"pics/b.bmp"_qs, {433, 225}, Qt::blue);
    if (orderFile)
        fx->write(u"pics/order.txt"_qs, u"b.bmp\r\na.bmp\r\n"_qs);
    v().pictureShown = false;
    fx->random.setValues({0.5f, 0.5f, r3, 0.0f});
    c().tick();
    QCOMPARE(v().painted.join(u';'), painted);
    QCOMPARE(v().pictureShown, !painted.isEmpty());
    QCOMPARE(fx->random.draws(), draws);
}

void TestCompanion::orderMode_data()
{
    QTest::addColumn<QString>("order");
    QTest::addColumn<QStringList>("painted"); // after each of six steps
    QTest::addColumn<QList<int>>("positions");
    const QStringList abc{"./pics/a.bmp 0,0", "./pics/b.bmp 0,0", "./pics/c.bmp 0,0"};
    QTest::newRow("no final break")
        << "a.bmp\r\nb.bmp\r\nc.bmp" << abc + abc << QList<int>{1, 2, 0, 1, 2, 0};
    QTest::newRow("final break, CR only")
        << "a.bmp\rb.bmp\rc.bmp\r" << abc + abc << QList<int>{1, 2, 0, 1, 2, 0};
    // A missing picture and an empty line paint nothing but take their turn.
    QTest::newRow("missing, empty") << "missing.bmp\r\n\r\na.bmp\r\n"
                                    << QStringList{abc[0], abc[0]} << QList<int>{1, 2, 0, 1, 2, 0};
    QTest::newRow("empty order file") << "" << QStringList{} << QList<int>{0, 0, 0, 0, 0, 0};
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
    QCOMPARE(v().painted, painted);
    QCOMPARE(seen, positions);
    // Modes other than 1 and 2 do nothing.
    for (int mode : {0, 3, -1})
        c().ChangePicture(mode);
    QCOMPARE(v().painted, painted);
}

void TestCompanion::randomPictures()
{
    fx->writeImage(u"pics/z.gif"_qs, {4, 4}, Qt::blue);
    fx->writeImage(u"pics/x.bmp"_qs, {4, 4}, Qt::red);
    fx->writeImage(u"pics/y.jpg"_qs, {4, 4}, Qt::green);
    fx->write(u"pics/notes.txt"_qs, u"not a picture"_qs);
    plant(u"pics/pipe.bmp"_qs, Planted::LinkToFifo);
    plant(u"pics/dir.gif"_qs, Planted::Folder);
    const QString list = c().ListPictures(u"*.bmp"_qs) + c().ListPictures(u"*.jpg"_qs) +
                         c().ListPictures(u"*.gif"_qs);
    QCOMPARE(list, u"x.bmp|y.jpg|z.gif|"_qs);
    QCOMPARE(c().PictureCount, 3);
    QCOMPARE(PickListEntry(3, list), u"z.gif"_qs);
    QCOMPARE(PickListEntry(4, list), QString());

    fx->random.setValues({0.0f, 0.99f});
    c().ChangePicture(2);
    c().ChangePicture(2);
    QCOMPARE(v().painted, (QStringList{"./pics/x.bmp 0,0", "./pics/z.gif 0,0"}));
    QCOMPARE(c().PictureCount, 3);
    // Letter case does not matter; the installed pictures join the user's,
    // the user's winning a shared name.
    fx->writeImage(u"pics/W.BMP"_qs, {4, 4}, Qt::black);
    fx->writeImage(fx->installed(u"pics/a.bmp"_qs), {4, 4}, Qt::yellow);
    fx->writeImage(fx->installed(u"pics/X.bmp"_qs), {4, 4}, Qt::cyan);
    c().PictureCount = 0;
    QCOMPARE(c().ListPictures(u"*.bmp"_qs), u"a.bmp|W.BMP|x.bmp|"_qs);
}

void TestCompanion::newYearOnce()
{
    settings().textver = settings().tostver = settings().voicever = 0;
    for (const QDateTime &t :
         {QDateTime({2003, 12, 31}, {23, 59, 59}), QDateTime({2004, 1, 1}, {0, 0, 10}),
          QDateTime({2004, 1, 1}, {0, 0, 40}), QDateTime({2004, 1, 1}, {0, 1}),
          QDateTime({2004, 2, 1}, {0, 0})}) {
        fx->clock.set(t);
        c().tick();
    }
    QCOMPARE(fx->fake.boxes.size(), 1);
    QCOMPARE(fx->fake.boxes[0].prompt, u"НОВЫЙ ГОД, ГОСПОДА!"_qs);
    QVERIFY(!fx->fake.boxes[0].title.has_value());
    QCOMPARE(v().speech, QStringList{u"C новым годом!"_qs});
    QVERIFY(IsNewYearMinute(QDateTime({2030, 1, 1}, {0, 0, 59})));
    QVERIFY(!IsNewYearMinute(QDateTime({2030, 1, 1}, {1, 0})));
}

void TestCompanion::load_data()
{
    QTest::addColumn<QString>("exescript");
    QTest::addColumn<bool>("timerOn");
    QTest::newRow("interactive") << "" << true;
    QTest::newRow("scenario") << "go.scn" << false;
}

void TestCompanion::load()
{
    QFETCH(QString, exescript);
    QFETCH(bool, timerOn);
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
    QCOMPARE(c().eventTimer().isActive(), timerOn);
    // A scenario given at the start runs on the shown window.
    QCOMPARE(v().windowShown, timerOn ? 0 : 1);
    QCOMPARE(c().timerTag(), timerOn ? QString() : u"no!"_qs);
}

void TestCompanion::blink()
{
    c().load();
    auto *timer2 = c().findChild<QTimer *>(u"Timer2"_qs);
    QVERIFY(timer2->isActive());
    QCOMPARE(timer2->interval(), 30000);
    for (int tick = 1; tick <= 9; ++tick)
        c().blink();
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
    fx->write(u"a.scn"_qs, script + u"\r\nthree\rfour\n"_qs);
    fx->fake.answers = {MsgAnswer::Yes, MsgAnswer::Yes};
    c().ScenarioBusy = busy;
    QStringList trace;
    c().scenarioTrace = [&](const QString &line) { trace << line; };
    bool enabledDuring = true;
    fx->fake.onYield = [&] { enabledDuring = enabledDuring && v().buttonsEnabled; };
    c().RunScenario(u"a.scn"_qs);
    QCOMPARE(c().eventTimer().isActive(), timerAfter);
    QCOMPARE(c().timerTag(), tagAfter);
    QCOMPARE(c().ScenarioBusy, busy);
    QVERIFY(v().buttonsEnabled && c().buttonsEnabled());
    if (busy) {
        QCOMPARE(trace, QStringList{u"a.scn: не запущен: уже идёт другой сценарий"_qs});
        return;
    }
    QVERIFY(!enabledDuring);
    QCOMPARE(c().ScenarioLines.mid(c().ScenarioLines.size() - 3),
             (QStringList{"three", "four", ""}));
    c().RunScenario(u"missing.scn"_qs);
    QVERIFY(c().ScenarioLines.isEmpty());
    QVERIFY(trace.contains(u"missing.scn: не удалось прочитать файл, сценарий пуст"_qs));
}

void TestCompanion::sayText()
{
    c().SayText(QString());
    c().SayText(u"Своё"_qs);
    QCOMPARE(v().speech, (QStringList{"Речь\r\n", "Своё"}));
    // A drawn %exescript% phrase runs its scenario instead of speaking, even
    // when a text was given.
    fx->write(u"text.tlk"_qs, u"1\r\n>%exescript%  run.scn \r\n"_qs);
    fx->write(u"run.scn"_qs, u"; nothing\r\n"_qs);
    c().SayText(QString());
    c().SayText(u"Привет"_qs);
    QCOMPARE(v().speech.size(), 2);
    QCOMPARE(c().ScenarioLines, QStringList({"; nothing", ""}));
    QVERIFY(c().eventTimer().isActive());
}

void TestCompanion::toasts()
{
    fx->write(u"tost.tlk"_qs, u"2\r\n>За нас!\r\n>За них!\r\n"_qs);
    c().SayToast(QString());
    c().SayToast(QString()); // the toast window is open: nothing at all
    c().SayToast(u"\\\\frombutton"_qs);
    c().SayToast(u"Свой тост"_qs);
    QCOMPARE(v().toasts.size(), 3);
    QVERIFY(v().toasts[0] != v().toasts[1]);
    QVERIFY(v().toasts[1].startsWith(u"За "_qs));
    QCOMPARE(v().toasts[2], u"Свой тост"_qs);
    QCOMPARE(fx->fake.sounds, QStringList(3, u"warn.wav"_qs));
}

void TestCompanion::voices_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("arg");
    QTest::addColumn<QStringList>("speech");
    QTest::addColumn<QString>("played");
    const QString tlk =
        u"4\r\n>a.wav\r\nЭй\r\nты\r\n>b.wav\r\n>\r\nc.wav\r\nСи\r\n>d.wav\r\n\r\n"_qs;
    QTest::newRow("phrase 1") << tlk << "\\\\1" << QStringList{"Эй\r\nты\r\n"} << ".\\wav\\a.wav";
    QTest::newRow("file line only clears the line")
        << tlk << "\\\\2" << QStringList{""} << ".\\wav\\b.wav";
    QTest::newRow("bare marker line") << tlk << "\\\\3" << QStringList{"Си\r\n"} << ".\\wav\\c.wav";
    QTest::newRow("empty caption line") << tlk << "\\\\4" << QStringList{"\r\n"} << ".\\wav\\d.wav";
    QTest::newRow("beyond the phrases") << tlk << "\\\\9" << QStringList{} << ".\\wav\\";
    QTest::newRow("a path plays unchanged")
        << tlk << "x\\rukidroz.wav" << QStringList{} << "x\\rukidroz.wav";
    QTest::newRow("not a number: random")
        << u"1\r\n>a.wav\r\nА\r\n"_qs << "\\\\x" << QStringList{"А\r\n"} << ".\\wav\\a.wav";
}

void TestCompanion::voices()
{
    QFETCH(QString, file);
    QFETCH(QString, arg);
    QFETCH(QStringList, speech);
    QFETCH(QString, played);
    fx->write(u"sound.tlk"_qs, file);
    c().SayVoice(arg);
    QCOMPARE(v().speech, speech);
    QCOMPARE(fx->fake.sounds, QStringList{played});
    QVERIFY(v().shakes.isEmpty());
}

void TestCompanion::shake()
{
    fx->write(u"sound.tlk"_qs, u"1\r\n>rukidroz.wav\r\nДрожу\r\n"_qs);
    fx->random.setValues({0.0f, 0.9999f, 0.5f});
    c().playVoiceItem(1);
    QCOMPARE(v().shakes.size(), 1);
    const QList<QPoint> &offsets = v().shakes[0];
    QCOMPARE(offsets.size(), 30);
    for (const QPoint &p : offsets)
        QVERIFY(qAbs(p.x()) <= 40 && qAbs(p.y()) <= 40);
    QCOMPARE(offsets[0], QPoint(-40, 40));
    QCOMPARE(offsets[1], QPoint(0, -40));
}

void TestCompanion::drinkButton_data()
{
    QTest::addColumn<int>("countBefore");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QList<MsgAnswer>>("answers");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<QString>("outcome"); // frolic, double or plain
    const QString many = u"Много выпили?"_qs, lighter = u"Легче стало?"_qs;
    QTest::newRow("fifth drink: no question")
        << 4 << QList<float>{0.9f} << QList<MsgAnswer>{} << QStringList{} << "plain";
    QTest::newRow("sixth, r=0.7: no question")
        << 5 << QList<float>{0.7f} << QList<MsgAnswer>{} << QStringList{} << "plain";
    QTest::newRow("sixth, No") << 5 << QList<float>{0.71f} << QList<MsgAnswer>{MsgAnswer::No}
                               << QStringList{many} << "plain";
    QTest::newRow("Yes, r=0.5: double vision")
        << 5 << QList<float>{0.8f, 0.5f} << QList<MsgAnswer>{MsgAnswer::Yes} << QStringList{many}
        << "double";
    QTest::newRow("Yes, r>0.5: frolic")
        << 5 << QList<float>{0.8f, 0.6f} << QList<MsgAnswer>{MsgAnswer::Yes}
        << QStringList{many, lighter} << "frolic";
}

void TestCompanion::drinkButton()
{
    QFETCH(int, countBefore);
    QFETCH(QList<float>, draws);
    QFETCH(QList<MsgAnswer>, answers);
    QFETCH(QStringList, boxes);
    QFETCH(QString, outcome);
    settings().drinkcount = countBefore;
    settings().quake = 0;
    settings().igluk = 0;
    settings().ibiggluk = 0;
    fx->random.setValues(draws);
    fx->fake.answers = answers;
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
    QTest::addColumn<QString>("effect");
    QTest::addColumn<QString>("count");
    QTest::addColumn<bool>("done");
    QTest::addColumn<bool>("changed");
    QTest::newRow("glitch 1") << "gluk"
                              << "1" << true << true;
    QTest::newRow("glitch 0") << "gluk"
                              << "0" << true << false;
    QTest::newRow("glitch -10") << "gluk"
                                << "-10" << true << false;
    QTest::newRow("glitch: not a number") << "gluk"
                                          << "many" << false << false;
    QTest::newRow("double vision") << "dbl"
                                   << "" << true << true;
}

void TestCompanion::glitchAndDouble()
{
    QFETCH(QString, effect);
    QFETCH(QString, count);
    QFETCH(bool, done);
    QFETCH(bool, changed);
    for (int x = 0; x < 433; ++x)
        for (int y = 0; y < 225; ++y)
            v().panel.setPixel(x, y, qRgb(x % 256, y, x / 256));
    const QImage before = v().panel;
    v().pictureShown = false;
    fx->random.setValues({0.0f, 0.0f});
    if (effect == u"dbl"_qs)
        c().DoublePicture();
    else
        QCOMPARE(c().GlitchPicture(count), done);
    QCOMPARE(v().panel != before, changed);
    // An effect that ran shows the panel, whatever its visibility was.
    QCOMPARE(v().pictureShown, done);
    QCOMPARE(v().panelChanges, done ? 1 : 0);
    if (effect == u"gluk"_qs && changed) // the centre (1, 1) smeared around
        QCOMPARE(v().panel.pixel(0, 0), before.pixel(1, 1));
}

void TestCompanion::frolic()
{
    fx->fake.screen = QSize(64, 48);
    fx->fake.screenImage = QImage(64, 48, QImage::Format_RGB32);
    fx->fake.screenImage.fill(Qt::darkCyan);
    c().eventTimer().start();
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
    QCOMPARE(v().frolics.size(), 1);
    const QImage &shown = v().frolics[0];
    QCOMPARE(shown.size(), QSize(64, 48));
    // Twenty smears of up to eight pixels each: still the same desktop.
    int changed = 0;
    for (int y = 0; y < 48; ++y)
        for (int x = 0; x < 64; ++x)
            changed += shown.pixel(x, y) != fx->fake.screenImage.pixel(x, y);
    QVERIFY(changed <= 8 * 20);
    QCOMPARE(fx->random.draws(), 40);
    QVERIFY(fx->fake.boxes.isEmpty());
    // Empty means 50000 smears, two draws each; a word is no count.
    QVERIFY(c().Frolic(QString()));
    QCOMPARE(fx->random.draws(), 40 + 100000);
    QVERIFY(!c().Frolic(u"x"_qs));
    QCOMPARE(fx->fake.captures, 2);
    // From a scenario the timer is left to the end of the run.
    QVERIFY(!c().eventTimer().isActive());
}

void TestCompanion::frolicWithoutScreenCopy_data()
{
    QTest::addColumn<bool>("fails");
    QTest::newRow("refused") << true;
    QTest::newRow("blank") << false;
}

void TestCompanion::frolicWithoutScreenCopy()
{
    QFETCH(bool, fails);
    fx->fake.captureFails = fails;
    if (!fails) {
        fx->fake.screenImage = QImage(fx->fake.screen, QImage::Format_RGB32);
        fx->fake.screenImage.fill(Qt::black);
    }
    c().FrolicFromButton = true;
    QVERIFY(c().Frolic(u"10"_qs));
    // No black cover: a word of why, and then on as after a frolic.
    QVERIFY(v().frolics.isEmpty());
    QCOMPARE(fx->fake.boxes.size(), 1);
    QCOMPARE(fx->fake.boxes[0].title, std::optional<QString>(u"Колбасня отменяется"_qs));
    QVERIFY(fx->fake.boxes[0].prompt.contains(u"Разрешите снимки экрана"_qs));
    QVERIFY(c().eventTimer().isActive());
    QVERIFY(!c().FrolicFromButton);
    // Told once a run.
    QVERIFY(c().Frolic(u"10"_qs));
    QCOMPARE(fx->fake.boxes.size(), 1);
    QCOMPARE(fx->fake.captures, 2);
}

void TestCompanion::frolicTimerRule_data()
{
    QTest::addColumn<bool>("fromButton");
    QTest::addColumn<bool>("silenced");
    QTest::addColumn<bool>("timerAfter");
    QTest::addColumn<bool>("flagAfter");
    QTest::newRow("button") << true << false << true << false;
    QTest::newRow("button, silenced") << true << true << false << true;
    QTest::newRow("scenario") << false << false << false << false;
    QTest::newRow("scenario, silenced") << false << true << false << false;
}

void TestCompanion::frolicTimerRule()
{
    QFETCH(bool, fromButton);
    QFETCH(bool, silenced);
    QFETCH(bool, timerAfter);
    QFETCH(bool, flagAfter);
    if (silenced)
        c().setEventTimer(false);
    c().eventTimer().start();
    c().FrolicFromButton = fromButton;
    QVERIFY(c().Frolic(u"10"_qs));
    QCOMPARE(c().eventTimer().isActive(), timerAfter);
    QCOMPARE(c().FrolicFromButton, flagAfter);
}

void TestCompanion::unloadAndCdDoor()
{
    c().SetCdDoor(u"Open"_qs);
    c().SetCdDoor(u"Closed"_qs);
    c().SetCdDoor(u"Ajar"_qs);
    QCOMPARE(fx->fake.cdDoor, (QList<bool>{true, false}));

    const QString marker = fx->fake.tempFolder() + u"vipivaem.tut"_qs;
    writeTestFile(marker, "final\r\n");
    QVERIFY_THROWS_EXCEPTION(ProgramExit, c().Form_Unload());
    QVERIFY(!QFile::exists(marker));
    QVERIFY_THROWS_EXCEPTION(ProgramExit, c().Form_Unload()); // no marker: ends all the same
    // The drink button's millionth press ends the program the same way.
    writeTestFile(marker, "final\r\n");
    settings().drinkcount = 999999;
    QVERIFY_THROWS_EXCEPTION(ProgramExit, c().drink());
    QCOMPARE(fx->fake.boxes.size(), 1);
    QVERIFY(fx->fake.boxes[0].prompt.startsWith(u"Вы миллионный кликатель!"_qs));
    QVERIFY(!QFile::exists(marker));
}

void TestCompanion::timerTagAcrossRuns()
{
    run(u"timer 0"_qs);
    QVERIFY(!c().eventTimer().isActive());
    // A later run without a timer line leaves the companion silent, and so
    // does a frolic of the drink button.
    run(u"msg hi"_qs);
    c().FrolicFromButton = true;
    QVERIFY(c().Frolic(u"0"_qs));
    QVERIFY(!c().eventTimer().isActive());
    run(u"timer 1"_qs);
    QVERIFY(c().eventTimer().isActive());
    QVERIFY(c().timerTag().isEmpty());
    // The next frolic, even one from a scenario, clears the flag.
    run(u"biggluk 0"_qs);
    QVERIFY(!c().FrolicFromButton);
    QVERIFY(c().eventTimer().isActive());
}

void TestCompanion::timerOneLetsTicksIn()
{
    // The event timer speaks the only line of text.tlk on every tick; ticks
    // fall due while a line blocks and run at the next yield, once the
    // scenario let the timer on.
    settings().textver = 100;
    settings().tostver = settings().voicever = 0;
    c().eventTimer().setInterval(1);
    fx->fake.pumpQtEvents = true;
    QList<qsizetype> spoken;
    fx->fake.onYield = [&] {
        spoken << v().speech.size();
        QThread::msleep(20);
    };
    run(u"sleep 5000\r\nsleep 5000\r\nsleep 5000"_qs);
    QCOMPARE(spoken, (QList<qsizetype>{0, 0, 0}));
    spoken.clear();
    c().eventTimer().setInterval(1);
    run(u"timer 1\r\nsleep 5000\r\nsleep 5000\r\nsleep 5000"_qs);
    QCOMPARE(spoken.size(), 4);
    QCOMPARE(spoken[0], 0);
    QVERIFY(spoken[3] > 0);
}

void TestCompanion::unusualRuns()
{
    // setquake reaches later frolics without being saved.
    run(u"setquake 10\r\nbiggluk 100"_qs);
    QCOMPARE(settings().quake, 10);
    QCOMPARE(v().frolics.size(), 1);
    QVERIFY(!QFile::exists(u"config.cfg"_qs));
    // What cannot be read runs as an empty scenario: no line, no yield.
    for (const char *name : {"/dev/zero", "."}) {
        c().RunScenario(QLatin1String(name));
        QVERIFY(c().ScenarioLines.isEmpty());
        QVERIFY(c().eventTimer().isActive());
    }
    QCOMPARE(fx->fake.eventPumps, 2);
    // unload ends the program at once, the marker with it.
    const QString marker = fx->fake.tempFolder() + u"vipivaem.tut"_qs;
    writeTestFile(marker, "final\r\n");
    QVERIFY_THROWS_EXCEPTION(ProgramExit, run(u"unload\r\nmsg never"_qs));
    QVERIFY(fx->fake.boxes.isEmpty());
    QVERIFY(!QFile::exists(marker));
}

QTEST_MAIN(TestCompanion)
#include "tst_companion.moc"
