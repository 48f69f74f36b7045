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

    void SayText(const QString &t) override { rec("say", t); }
    void SayToast(const QString &t) override { rec("tost", t); }
    void SayVoice(const QString &t) override { rec("voice", t); }
    void DoublePicture() override { rec("double"); }
    bool GlitchPicture(const QString &c) override { return rec("glitch", c); }
    bool Frolic(const QString &c) override { return rec("frolic", c); }
    void SetCdDoor(const QString &s) override { rec("cd", s); }
    void setPictureFrame(bool on) override { rec("frame", on); }
    void clearPicture() override { rec("clear"); }
    void setPictureVisible(bool v) override { rec("picture visible", v); }
    bool paintPicture(const QString &p, int x, int y) override { return rec("paint", p, x, y); }
    void setUserButtonVisible(int k, bool v) override { rec("button", k, v); }
    void setEventTimer(bool on) override { rec("timer", on); }
    void setWindowVisible(bool v) override { rec("window visible", v); }
    [[noreturn]] void Form_Unload() override
    {
        rec("unload");
        throw ProgramExit(0);
    }
    ScenarioCaricature &caricature() override { return *this; }
    void toon() override { rec("toon"); }
    bool toonpic(const QString &p) override { return rec("toonpic", p); }
    void toonpichide() override { rec("toonpichide"); }
    bool toonminipic(const QString &p) override { return rec("toonminipic", p); }
    void toonminihide() override { rec("toonminihide"); }
    void toonclose() override { rec("toonclose"); }

private:
    // Writes the call down; false for a file named "nope...".
    template <typename... Args> bool rec(const char *call, const Args &...args)
    {
        QStringList words{QString::fromUtf8(call)};
        ((words << QVariant::fromValue(args).toString()), ...);
        log << words.join(u' ');
        return !words.value(1).startsWith(u"nope");
    }
};

} // namespace

class TestInterpreter : public QObject
{
    Q_OBJECT
private slots:
    void init() { ctx = std::make_unique<TestContext>(); }
    void cleanup() { ctx.reset(); }

    void commands_data()
    {
        // A scenario and what its run did in order (host calls and message boxes),
        // then the platform's blocking calls (sleeps and sounds waited for).
        columns<QString, QStringList, QList<MsgAnswer>, QString>("script", "log", "answers",
                                                                 "mypic");
        const auto row = [](const char *name, const QString &script, const QStringList &log,
                            const QList<MsgAnswer> &answers = {}, const char *mypic = "alk1.bmp") {
            QTest::newRow(name) << script << log << answers << QString::fromUtf8(mypic);
        };
        const auto unknown = [](const QString &word) {
            return "ask Неизвестная команда - " + word + "\r\nПродолжить выполнение?";
        };
        row("messages: line breaks, not in capitals, no comment at the end",
            "message Привет, мир\r\nMSG\r\nmsg a%br%b\r\nmsg %BR%\r\nmsg \ta ; b\t",
            {"box Привет, мир", "box ", "box a\r\nb", "box %BR%", "box \ta ; b\t"});
        // The last line runs too.
        row("comments and blank lines", "; intro\r\n;x\r\n\r\n   \r\nmsg a", {"box a"});
        row("sleep, pause: letter case, spaces, bounds",
            "sleep 1000\r\nSLEEP 1000\r\nsleep   1000\r\npause 5\r\nsleep -300\r\nsleep 2147483647",
            {"sleep 1000", "sleep 1000", "sleep 1000", "sleep 5", "sleep 0", "sleep 2147483647"});
        row("speaking",
            "say Привет%br%всем\r\ntalk\r\ntost За нас!\r\ntost\r\nbasevoice 3\r\n"
            "playsound wav\\b.wav\r\nplaysound\r\nwavs wav\\a.wav",
            {"say Привет\r\nвсем", "say ", "tost За нас!", "tost ", "voice \\\\3",
             "voice wav\\b.wav", "voice ", "wavs wav\\a.wav"});
        row("effects",
            "dbl\r\ngluk\r\ngluk 500\r\nbiggluk\r\nbiggluk 7\r\nsetquake 10\r\ncdopen\r\ncdclose",
            {"double", "glitch ", "glitch 500", "frolic ", "frolic 7", "cd Open", "cd Closed",
             "quake 10"});
        row("switches: only 1 is on",
            "picframe 1\r\npicframe yes\r\npicvisible 1\r\npicvisible 01\r\ntimer 1\r\ntimer",
            {"frame true", "frame false", "picture visible true", "picture visible false",
             "timer true", "timer false"});
        row("pictures; restorepic ignores picx",
            "pic a.bmp\r\npicx 10\r\npicy -20\r\npaint Pics\\A.BMP\r\npicclear\r\nrestorepic",
            {"picture visible true", "paint a.bmp 0 0", "picture visible true",
             "paint Pics\\A.BMP 10 -20", "clear", "paint alk1.bmp 0 0"});
        row("showbutton, hidebutton", "showbutton 5\r\nhidebutton 1\r\nhidebutton 2.9",
            {"button 5 true", "button 1 false", "button 2 false"});
        row("waitrun; unload ends at once", "waitrun 3000\r\nunload\r\nmsg never",
            {"window visible false", "window visible true", "unload", "sleep 3000"});
        row("include is data, not commands, untrimmed, and may name itself",
            "msg [%include%]\r\ninclude name.txt\r\ninclude %include%.txt\r\n"
            "msg <%include%>\r\nsay Сегодня: %include%",
            {"box []", "box < first%br%\r\nmsg not run >",
             "say Сегодня:  first%br%\r\nmsg not run "});
        row("caricature",
            "toon\r\ntoonpic fon.jpg\r\ntoonpichide\r\ntoonminipic mini.gif\r\ntoonminihide\r\n"
            "toonclose",
            {"toon", "toonpic fon.jpg", "toonpichide", "toonminipic mini.gif", "toonminihide",
             "toonclose"});
        // A tab is no separator; the message box takes an answer too.
        row("unknown words: yes goes on, no ends the run",
            "Foo bar\r\nmsg after\r\nsleep\t1000\r\nFoo\r\nmsg never",
            {unknown("foo"), "box after", unknown("sleep\t1000"), unknown("foo")},
            {MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::Yes, MsgAnswer::No});

        // A failing line is named and ends the run.
        const auto fails = [&](const char *line, const QString &why, QStringList log = {},
                               const char *mypic = "alk1.bmp") {
            log << QStringLiteral("error Ошибка в строке 2 сценария:\r\n%1\r\n%2").arg(line, why);
            row(line, "; failing\r\n  " + QString::fromUtf8(line) + "  \r\nmsg after", log, {},
                mypic);
        };
        const auto argument = [](const char *line) { return ParseScenarioLine(line).argument; };
        for (const char *line :
             {"sleep long", "sleep 2147483648", "picx 1.5", "picx 0x10", "basevoice one",
              "setquake", "gluk many", "biggluk 1e3", "waitrun soon"})
            fails(line, "\"" + argument(line) + "\" - не целое число");
        // Missing files, and files that would block or fill the memory.
        for (const char *line :
             {"include nope.txt", "include pipe", "include zero", "include huge.txt"})
            fails(line, "не удалось прочитать файл " + argument(line));
        const QString picture = "не удалось загрузить картинку ";
        fails("pic nope.bmp", picture + "nope.bmp", {"picture visible true", "paint nope.bmp 0 0"});
        fails("restorepic", picture + "nope.bmp", {"paint nope.bmp 0 0"}, "nope.bmp");
        fails("toonpic nope.jpg", picture + "nope.jpg", {"toonpic nope.jpg"});
        fails("toonminipic nope.gif", picture + "nope.gif", {"toonminipic nope.gif"});
        for (const char *line : {"showbutton 6", "hidebutton 0", "showbutton first",
                                 "showbutton nan", "hidebutton -inf"})
            fails(line, "кнопки с номером \"" + argument(line) + "\" нет (бывают 1..5)");
    }

    void commands()
    {
        const auto [script, log, answers, mypic] =
            fetch<QString, QStringList, QList<MsgAnswer>, QString>("script", "log", "answers",
                                                                   "mypic");
        ctx->write(QStringLiteral("notes.txt"), QStringLiteral(" first%br%\r\nmsg not run "));
        ctx->write(QStringLiteral("name.txt"), QStringLiteral("notes"));
        plant(QStringLiteral("pipe"), Planted::Fifo);
        plant(QStringLiteral("zero"), Planted::Device);
        plant(QStringLiteral("huge.txt"), Planted::Huge);
        ctx->fake.answers = answers;
        settings().mypic = mypic;
        QCOMPARE(runOnHost(script), log);
    }

    void yieldsBeforeEveryLine()
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

    void trace()
    {
        QStringList lines;
        const auto traced = [&](const QString &script, MsgAnswer answer) {
            lines.clear();
            ctx->fake.answers = {answer};
            runOnHost(script, [&](const QString &l) { lines << l; });
        };
        traced(u"sleep 1500\r\n; quiet\r\nfoo\r\npic nope.bmp\r\nsleep 5"_qs, MsgAnswer::Yes);
        QCOMPARE(lines, (QStringList{
                            "t.scn: [0.000 с] начало сценария",
                            "t.scn:1: [0.000 с] sleep 1500",
                            "t.scn:3: [1.500 с] foo",
                            "t.scn:3: [1.500 с] неизвестная команда \"foo\"",
                            "t.scn:4: [1.500 с] pic nope.bmp",
                            "t.scn:4: [1.500 с] ошибка: не удалось загрузить картинку nope.bmp; "
                            "сценарий остановлен",
                        }));
        traced(u"foo\r\nmsg never"_qs, MsgAnswer::No);
        QCOMPARE(lines.last(), u"t.scn:1: [0.000 с] сценарий остановлен пользователем"_qs);
        traced(u"dbl"_qs, MsgAnswer::Yes);
        QCOMPARE(lines.last(), u"t.scn: [0.000 с] конец сценария"_qs);
    }

private:
    // Runs a script on a recording host; the log as commands_data describes it.
    QStringList runOnHost(const QString &script, ScenarioTrace trace = {})
    {
        RecordingHost host;
        ctx->fake.onBox = [&](const FakePlatform::Box &b) {
            if (b.title == u"Ошибка"_qs)
                host.log << (b.buttons == MsgButtons::YesNo ? "ask " : "error ") + b.prompt;
            else
                host.log << (b.title == QString() && b.foreground ? "box " : "other box ") +
                                b.prompt;
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

QTEST_MAIN(TestInterpreter)
#include "tst_interpreter.moc"
