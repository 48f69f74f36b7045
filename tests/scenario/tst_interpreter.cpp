#include "core/settings.h"
#include "core/textfile.h"
#include "scenario/commands.h"
#include "scenario/scenariohost.h"
#include "scenario/scenarioline.h"
#include "testcontext.h"

#include <QtTest>

using namespace stak;

namespace {

// A companion that writes down what a scenario asks of it. Pictures whose
// name starts with "nope" cannot be loaded.
class RecordingHost : public ScenarioHost, public ScenarioCaricature
{
public:
    QStringList log;

    void SayText(const QString &t) override { log << "say " + t; }
    void SayToast(const QString &t) override { log << "tost " + t; }
    void SayVoice(const QString &t) override { log << "voice " + t; }
    void DoublePicture() override { log << "double"; }
    bool GlitchPicture(const QString &c) override { return note("glitch " + c); }
    bool Frolic(const QString &c) override { return note("frolic " + c); }
    void SetCdDoor(const QString &s) override { log << "cd " + s; }
    void setPictureFrame(bool on) override { log << QStringLiteral("frame %1").arg(on); }
    void clearPicture() override { log << "clear"; }
    void setPictureVisible(bool v) override { log << QStringLiteral("picture visible %1").arg(v); }
    bool paintPicture(const QString &p, int x, int y) override
    {
        return note(QStringLiteral("paint %1 at %2,%3").arg(p).arg(x).arg(y), p);
    }
    void setUserButtonVisible(int k, bool v) override
    {
        log << QStringLiteral("button %1 visible %2").arg(k).arg(v);
    }
    void setEventTimer(bool on) override { log << QStringLiteral("timer %1").arg(on); }
    void setWindowVisible(bool v) override { log << QStringLiteral("window visible %1").arg(v); }
    [[noreturn]] void Form_Unload() override
    {
        log << "unload";
        throw ProgramExit(0);
    }
    ScenarioCaricature &caricature() override { return *this; }
    void toon() override { log << "toon"; }
    bool toonpic(const QString &p) override { return note("toonpic " + p, p); }
    void toonpichide() override { log << "toonpichide"; }
    bool toonminipic(const QString &p) override { return note("toonminipic " + p, p); }
    void toonminihide() override { log << "toonminihide"; }
    void toonclose() override { log << "toonclose"; }

private:
    bool note(const QString &call, const QString &file = {})
    {
        log << call;
        return !file.startsWith(QStringLiteral("nope"));
    }
};

// One command case: the scenario, and what the run did in order (host calls
// and message boxes), then the platform's blocking calls (sleeps and sounds
// waited for).
struct CommandCase
{
    const char *name;
    QString script;
    QStringList log;
    QList<MsgAnswer> answers = {};
    QString mypic = QStringLiteral("alk1.bmp");
};

QString failure(int line, const QString &text, const QString &why)
{
    return QStringLiteral("error Ошибка в строке %1 сценария:\r\n%2\r\n%3")
        .arg(line)
        .arg(text, why);
}

const QList<CommandCase> &commandCases()
{
    const QString unknownFoo = "ask Неизвестная команда - foo\r\nПродолжить выполнение?";
    static const QList<CommandCase> cases = [&] {
        QList<CommandCase> cases{
            {"message", "message Привет, мир", {"box Привет, мир"}},
            {"msg, empty", "MSG", {"box "}},
            {"line breaks, not in capitals", "msg a%br%b\r\nmsg %BR%", {"box a\r\nb", "box %BR%"}},
            {"no comment at the end", "message hello ; world", {"box hello ; world"}},
            {"comments and blank lines", "; intro\r\n;x\r\n\r\n   \r\nmsg a", {"box a"}},
            {"sleep, pause, letter case, spaces",
             "sleep 1000\r\nSLEEP 1000\r\nsleep   1000\r\npause 5",
             {"sleep 1000", "sleep 1000", "sleep 1000", "sleep 5"}},
            {"negative sleep waits nothing", "sleep -300", {"sleep 0"}},
            {"tab makes an unknown word",
             "sleep\t1000",
             {"ask Неизвестная команда - sleep\t1000\r\nПродолжить выполнение?"}},
            {"say, talk", "say Привет%br%всем\r\ntalk", {"say Привет\r\nвсем", "say "}},
            {"tost", "tost За нас!\r\ntost", {"tost За нас!", "tost "}},
            {"basevoice", "basevoice 3", {"voice \\\\3"}},
            {"playsound", "playsound wav\\b.wav\r\nplaysound", {"voice wav\\b.wav", "voice "}},
            {"wavs", "wavs wav\\a.wav", {"wavs wav\\a.wav"}},
            {"dbl", "dbl", {"double"}},
            {"gluk", "gluk\r\ngluk 500", {"glitch ", "glitch 500"}},
            {"biggluk", "biggluk\r\nbiggluk 7", {"frolic ", "frolic 7"}},
            {"setquake", "setquake 10", {"quake 10"}},
            {"picframe",
             "picframe 1\r\npicframe 0\r\npicframe yes",
             {"frame 1", "frame 0", "frame 0"}},
            {"picclear", "picclear", {"clear"}},
            {"pic, paint, picx, picy",
             "pic a.bmp\r\npicx 10\r\npicy -20\r\npaint Pics\\A.BMP",
             {"picture visible 1", "paint a.bmp at 0,0", "picture visible 1",
              "paint Pics\\A.BMP at 10,-20"}},
            {"picvisible",
             "picvisible 0\r\npicvisible 1\r\npicvisible on",
             {"picture visible 0", "picture visible 1", "picture visible 0"}},
            {"restorepic ignores picx", "picx 5\r\nrestorepic", {"paint alk1.bmp at 0,0"}},
            {"showbutton, hidebutton",
             "showbutton 5\r\nhidebutton 1\r\nhidebutton 2.9",
             {"button 5 visible 1", "button 1 visible 0", "button 2 visible 0"}},
            {"timer", "timer 1\r\ntimer 0\r\ntimer", {"timer 1", "timer 0", "timer 0"}},
            {"unload ends at once", "unload\r\nmsg never", {"unload"}},
            {"waitrun", "waitrun 3000", {"window visible 0", "window visible 1", "sleep 3000"}},
            {"include is data, not commands",
             "msg [%include%]\r\ninclude notes.txt\r\nmsg <%include%>\r\nsay Сегодня: %include%",
             {"box []", "box <first%br%\r\nmsg not run>", "say Сегодня: first%br%\r\nmsg not run"}},
            {"include in the include argument",
             "include name.txt\r\ninclude %include%.txt\r\nmsg %include%",
             {"box first%br%\r\nmsg not run"}},
            {"cdopen, cdclose", "cdopen\r\ncdclose", {"cd Open", "cd Closed"}},
            {"caricature",
             "toon\r\ntoonpic fon.jpg\r\ntoonpichide\r\ntoonminipic mini.gif\r\ntoonminihide\r\n"
             "toonclose",
             {"toon", "toonpic fon.jpg", "toonpichide", "toonminipic mini.gif", "toonminihide",
              "toonclose"}},
            {"unknown command: yes goes on", "Foo bar\r\nmsg after", {unknownFoo, "box after"}},
            {"unknown command: no ends the run",
             "Foo bar\r\nmsg after",
             {unknownFoo},
             {MsgAnswer::No}},
        };
        // A failing line is named and ends the run.
        const auto fails = [&](const char *line, const QString &why, QStringList log = {},
                               const char *mypic = "alk1.bmp") {
            log << failure(2, line, why);
            cases.append({line,
                          "; failing\r\n  " + QString::fromUtf8(line) + "  \r\nmsg after",
                          log,
                          {},
                          mypic});
        };
        const QString nan = "\" - не целое число", picture = "не удалось загрузить картинку ";
        for (const char *line : {"sleep long", "sleep 99999999999", "picx 1.5", "basevoice one",
                                 "setquake", "gluk many", "biggluk 1e3", "waitrun soon"})
            fails(line, "\"" + ParseScenarioLine(line).argument + nan);
        fails("include nope.txt", "не удалось прочитать файл nope.txt");
        // Files that would block or fill the memory are no readable files.
        fails("include pipe", "не удалось прочитать файл pipe");
        fails("include zero", "не удалось прочитать файл zero");
        fails("include huge.txt", "не удалось прочитать файл huge.txt");
        fails("pic nope.bmp", picture + "nope.bmp", {"picture visible 1", "paint nope.bmp at 0,0"});
        fails("restorepic", picture + "nope.bmp", {"paint nope.bmp at 0,0"}, "nope.bmp");
        fails("toonpic nope.jpg", picture + "nope.jpg", {"toonpic nope.jpg"});
        fails("toonminipic nope.gif", picture + "nope.gif", {"toonminipic nope.gif"});
        fails("showbutton 6", "кнопки с номером \"6\" нет (бывают 1..5)");
        fails("hidebutton 0", "кнопки с номером \"0\" нет (бывают 1..5)");
        fails("showbutton nan", "кнопки с номером \"nan\" нет (бывают 1..5)");
        fails("hidebutton -inf", "кнопки с номером \"-inf\" нет (бывают 1..5)");
        return cases;
    }();
    return cases;
}

} // namespace

class TestInterpreter : public QObject
{
    Q_OBJECT
private slots:
    void init() { ctx = std::make_unique<TestContext>(); }
    void cleanup() { ctx.reset(); }

    void splitting_data();
    void splitting();
    void arguments_data();
    void arguments();
    void commands_data();
    void commands();
    void everyCommandHasACase();
    void yieldsBeforeEveryLine();
    void trace();

private:
    // Runs a script on a recording host; the log as commandCases describes it.
    QStringList runOnHost(const QString &script, ScenarioTrace trace = {})
    {
        RecordingHost host;
        ctx->fake.onBox = [&](const FakePlatform::Box &b) {
            if (b.buttons == MsgButtons::YesNo && b.title == u"Ошибка"_qs)
                host.log << "ask " + b.prompt;
            else if (b.title == u"Ошибка"_qs)
                host.log << "error " + b.prompt;
            else if (b.title == QString() && b.foreground)
                host.log << "box " + b.prompt;
            else
                host.log << "other box " + b.prompt;
        };
        const int quake = settings().quake;
        try {
            ExecuteScenario(host, splitScenarioLines(script), u"t.scn"_qs, trace);
        } catch (const ProgramExit &) {
        }
        if (settings().quake != quake)
            host.log << QStringLiteral("quake %1").arg(settings().quake);
        for (int ms : ctx->fake.sleeps)
            host.log << QStringLiteral("sleep %1").arg(ms);
        for (const QString &s : ctx->fake.waitedSounds)
            host.log << "wavs " + s;
        return host.log;
    }
    std::unique_ptr<TestContext> ctx;
};

void TestInterpreter::splitting_data()
{
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("include");
    QTest::addColumn<QString>("command"); // empty: a comment
    QTest::addColumn<QString>("argument");
    const auto row = [](const char *name, const char *line, const char *include,
                        const char *command, const char *argument) {
        QTest::newRow(name) << line << include << command << argument;
    };
    row("spaces around", "  Message   Hello, world!  ", "", "message", "Hello, world!");
    row("argument keeps case", "msg ABC def", "", "msg", "ABC def");
    row("tab kept in argument", "msg \ta\t", "", "msg", "\ta\t");
    row("included %br% stays", "message %include%", "a%br%b", "message", "a%br%b");
    row("included text untrimmed", "say Today: %include%", " x\r\ny ", "say", "Today:  x\r\ny ");
}

void TestInterpreter::splitting()
{
    QFETCH(QString, line);
    QFETCH(QString, include);
    QFETCH(QString, command);
    QFETCH(QString, argument);
    const ScenarioLine got = ParseScenarioLine(line, include);
    QCOMPARE(got.comment, command.isEmpty());
    if (!got.comment) {
        QCOMPARE(got.command, command);
        QCOMPARE(got.argument, argument);
    }
}

void TestInterpreter::arguments_data()
{
    QTest::addColumn<ArgumentKind>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("error"); // part of it; empty: fits
    QTest::addColumn<int>("number");
    QTest::addColumn<bool>("flag"); // on for Switch, phrase for SoundOrPhrase
    const auto row = [](const char *text, ArgumentKind kind, const char *error, int number,
                        bool flag = false) {
        QTest::addRow("%s", text) << kind << text << error << number << flag;
    };
    using A = ArgumentKind;
    const char *nan = "не целое число";
    row("1500", A::Number, "", 1500);
    row(" -5 ", A::Number, "", -5);
    row("2147483647", A::Number, "", 2147483647);
    row("2147483648", A::Number, nan, 0);
    row("1.5", A::Number, nan, 0);
    row("0x10", A::Number, nan, 0);
    row("", A::Number, nan, 0);
    row("", A::CountOrEmpty, "", 0);
    row("20", A::CountOrEmpty, "", 20);
    row("x", A::CountOrEmpty, nan, 0);
    row("2.9", A::ButtonIndex, "", 2);
    row("5", A::ButtonIndex, "", 5);
    row("6", A::ButtonIndex, "1..5", 0);
    row("first", A::ButtonIndex, "1..5", 0);
    row("1", A::Switch, "", 0, true);
    row("01", A::Switch, "", 0, false);
    row("a.wav", A::SoundOrPhrase, "", 0, false);
    row("", A::SoundOrPhrase, "", 0, true);               // a random phrase
    row("\\\\ 3", A::SoundOrPhrase, "", 3, true);         // phrase 3
    row("\\\\srv\\a.wav", A::SoundOrPhrase, "", 0, true); // a network path is taken for one
}

void TestInterpreter::arguments()
{
    QFETCH(ArgumentKind, kind);
    QFETCH(QString, text);
    QFETCH(QString, error);
    QFETCH(int, number);
    QFETCH(bool, flag);
    const ScenarioArgument a = ParseScenarioArgument(kind, text);
    QCOMPARE(a.ok(), error.isEmpty());
    QVERIFY2(a.error.contains(error), qPrintable(a.error));
    QCOMPARE(a.number, number);
    QCOMPARE(kind == ArgumentKind::Switch ? a.on : a.phrase, flag);
}

void TestInterpreter::commands_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < commandCases().size(); ++i)
        QTest::newRow(commandCases()[i].name) << i;
}

void TestInterpreter::commands()
{
    QFETCH(int, index);
    const CommandCase &c = commandCases()[index];
    ctx->write(QStringLiteral("notes.txt"), QStringLiteral("first%br%\r\nmsg not run"));
    ctx->write(QStringLiteral("name.txt"), QStringLiteral("notes"));
    plant(QStringLiteral("pipe"), Planted::Fifo);
    plant(QStringLiteral("zero"), Planted::Device);
    plant(QStringLiteral("huge.txt"), Planted::Huge);
    ctx->fake.answers = c.answers;
    settings().mypic = c.mypic;
    QCOMPARE(runOnHost(c.script), c.log);
}

void TestInterpreter::everyCommandHasACase()
{
    QSet<QString> used;
    for (const CommandCase &c : commandCases())
        for (const QString &line : splitScenarioLines(c.script))
            used.insert(ParseScenarioLine(line).command);
    for (const ScenarioCommandRow &row : ScenarioCommands()) {
        QVERIFY2(used.contains(QLatin1String(row.name)), row.name);
        if (row.alias)
            QVERIFY2(used.contains(QLatin1String(row.alias)), row.alias);
        // Names are unique: the lookup finds each command by its own row.
        QCOMPARE(FindScenarioCommand(QLatin1String(row.name)), &row);
    }
}

void TestInterpreter::yieldsBeforeEveryLine()
{
    RecordingHost host;
    QList<qsizetype> calls;
    ctx->fake.onYield = [&] { calls << host.log.size(); };
    ExecuteScenario(host, splitScenarioLines(u"; one\r\n\r\ndbl\r\nwaitrun 5\r\n;two"_qs));
    // Before each of the five lines, and inside waitrun once the window is hidden.
    QCOMPARE(calls, (QList<qsizetype>{0, 0, 0, 1, 2, 3}));
    ctx->fake.eventPumps = 0;
    ExecuteScenario(host, {});
    QCOMPARE(ctx->fake.eventPumps, 0);
}

void TestInterpreter::trace()
{
    QStringList lines;
    ctx->fake.answers = {MsgAnswer::Yes};
    runOnHost(u"sleep 1500\r\n; quiet\r\nmsg hi\r\nfoo\r\npic nope.bmp\r\nsleep 5"_qs,
              [&](const QString &l) { lines << l; });
    QCOMPARE(lines, (QStringList{
                        "t.scn: [0.000 с] начало сценария",
                        "t.scn:1: [0.000 с] sleep 1500",
                        "t.scn:3: [1.500 с] msg hi",
                        "t.scn:4: [1.500 с] foo",
                        "t.scn:4: [1.500 с] неизвестная команда \"foo\"",
                        "t.scn:5: [1.500 с] pic nope.bmp",
                        "t.scn:5: [1.500 с] ошибка: не удалось загрузить картинку nope.bmp; "
                        "сценарий остановлен",
                    }));
    lines.clear();
    ctx->fake.answers = {MsgAnswer::No};
    runOnHost(u"foo\r\nmsg never"_qs, [&](const QString &l) { lines << l; });
    QCOMPARE(lines.last(), u"t.scn:1: [0.000 с] сценарий остановлен пользователем"_qs);
    lines.clear();
    runOnHost(u"dbl"_qs, [&](const QString &l) { lines << l; });
    QCOMPARE(lines.last(), u"t.scn: [0.000 с] конец сценария"_qs);
}

QTEST_MAIN(TestInterpreter)
#include "tst_interpreter.moc"
