#include "core/settings.h"
#include "core/textfile.h"
#include "scenario/checker.h"
#include "scenario/commands.h"
#include "scenario/scenariohost.h"
#include "scenario/scenarioline.h"
#include "testcontext.h"

#include <QProcess>
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
    template <typename... Args> bool rec(const char *call, const Args &...args)
    {
        QStringList words{QString::fromUtf8(call)};
        ((words << QVariant::fromValue(args).toString()), ...);
        log << words.join(u' ');
        return !words.value(1).startsWith(u"nope");
    }
};

} // namespace

// The scenario interpreter on a recording host, and the content checker on
// crafted folders: every test starts in a content folder that passes the
// checker, whose tests break one file at a time.
class TestScenario : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        ctx = std::make_unique<TestContext>();
        const QString three = "3\r\n>один\r\n>два\r\n>три\r\n";
        for (const char *name : {"text.tlk", "tost.tlk", "zag.tlk"})
            ctx->write(QLatin1String(name), three);
        ctx->write("sound.tlk", "3\r\n>a.wav\r\nА\r\n>b.wav\r\nБе\r\n>c.wav\r\nВе\r\n");
        for (const char *name : {"wav/a.wav", "wav/b.wav", "wav/c.wav", "warn.wav"})
            writeTestFile(QLatin1String(name), playableWav());
        ctx->write("config.cfg", "; настройки\r\n[Stakanych]\r\nquake=300\r\nmypic=alk1.bmp\r\n");
        ctx->writeImage("alk1.bmp", {433, 225}, Qt::green);
        ctx->writeImage("pics/a.bmp", {433, 225}, Qt::red);
        ctx->write("pics/order.txt", "a.bmp\r\n");
        ctx->write("date.tlk", "1-1 Новый год\r\n7-1 Рождество\r\n");
        ctx->write("user.but", "Огурчик\r\n%>!<%Секрет\r\n\r\n%>!<%\r\n");
        ctx->write("button1.but", "msg Хрусть\r\n");
        ctx->write("button2.but", "; nothing\r\n");
        ctx->write("inc.txt", "pics\\a.bmp");
        ctx->write("run.scn", "; intro\r\nmsg hi\r\nsleep 10\r\npic Pics\\A.BMP\r\nplaysound\r\n"
                              "playsound \\\\3\r\nbasevoice 3\r\nwavs wav\\a.wav\r\ngluk\r\n"
                              "showbutton 5\r\ninclude inc.txt\r\ntoonpic %include%\r\nunload");
    }

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

    void cleanFolderPasses()
    {
        QCOMPARE(CheckContentFolder(), QStringList{});
        // Linux-written content: UTF-8 without a byte order mark, LF line ends.
        writeTestFile("text.tlk", "3\n>один\n>два\n>три\n");
        writeTestFile("user.but", "Огурчик\n%>!<%Секрет\n");
        writeTestFile("config.cfg", "\xEF\xBB\xBF[Stakanych]\nmypic=alk1.bmp\n");
        QCOMPARE(CheckContentFolder(), QStringList{});
        QCOMPARE(CheckContentFolder(ctx->dir.path() + "/"), QStringList{});
    }

    void reports_data()
    {
        // text: written in Windows-1251; expected: each report as "file:line: " and
        // the parts of its text that name what was found, "…" between them
        columns<QString, QString, QStringList>("file", "text", "expected");
        const auto row = [](const char *name, const char *file, const QString &text,
                            const QStringList &expected) {
            QTest::newRow(name) << file << text << expected;
        };
        // Scenarios: every *.scn and button*.but, with the command table.
        row("unknown commands, missing files, files that do not decode", "run.scn",
            "Foo bar\r\nsleep\t5\r\npic no.bmp\r\n\r\nwavs wav\\no.wav\r\ntoonminipic x.gif\r\n"
            "include no.txt\r\nwavs\r\npaint run.scn\r\nplaysound alk1.bmp",
            {"run.scn:1: неизвестная команда \"foo\"",
             "run.scn:2: неизвестная команда \"sleep\t5\"", "run.scn:3: pic: нет файла \"no.bmp\"",
             "run.scn:5: wavs: нет файла \"wav\\no.wav\"",
             "run.scn:6: toonminipic: нет файла \"x.gif\"",
             "run.scn:7: include: нет файла \"no.txt\"", "run.scn:8: wavs: не указан файл",
             "run.scn:9: paint: \"run.scn\" не читается как картинка",
             "run.scn:10: playsound: звук \"alk1.bmp\" не сыграет: это не WAV-файл"});
        row("arguments", "button2.but", "sleep x\r\npicx\r\ngluk 1e3\r\nshowbutton 7",
            {"button2.but:1: sleep: \"x\" - не целое число", "button2.but:2: picx: \"\" - не целое",
             "button2.but:3: gluk: \"1e3\" - не целое",
             "button2.but:4: showbutton: кнопки с номером \"7\" нет"});
        row("voice phrases beyond sound.tlk; a network path plays a random one", "run.scn",
            "basevoice 4\r\nplaysound \\\\9\r\nbasevoice 0\r\nplaysound \\\\ 8\r\n"
            "playsound \\\\srv\\a.wav",
            {"run.scn:1: basevoice: фразы 4 в sound.tlk нет (всего фраз: 3)",
             "run.scn:2: playsound: фразы 9 в sound.tlk нет (всего фраз: 3)",
             "run.scn:4: playsound: фразы 8 в sound.tlk нет (всего фраз: 3)"});

        row("count larger", "tost.tlk", "5\r\n>а\r\n>б\r\n>в\r\n",
            {"tost.tlk:1: число фраз 5, а их в файле 3…номеров 4..5 покажет пустую фразу"});
        row("count smaller", "zag.tlk", "3\r\n>а\r\n>б\r\n>в\r\n>г\r\n",
            {"zag.tlk:1: число фраз 3, а их в файле 4: фраза 4 случайно никогда не выпадет"});
        row("one phrase", "zag.tlk", "1\r\n>а\r\nответ\r\n", {"zag.tlk:1: фраза всего одна"});
        row("text before the first phrase", "text.tlk",
            "3\r\nзабыли знак\r\n\r\n>а\r\n>б\r\n>в\r\n",
            {"text.tlk:2: строка до первой фразы не входит ни в одну фразу"});
        row("no phrases", "text.tlk", "0\r\n",
            {"text.tlk:0: нет ни одной фразы", "text.tlk:1: число фраз…а стоит \"0\""});
        row("%exescript% names a missing scenario", "text.tlk",
            "3\r\n>а\r\n>%exescript% nope.scn\r\n>%exescript% sub\\x.scn\r\n",
            {"text.tlk:3: %exescript% называет сценарий \"nope.scn\", а такого файла нет"});
        row("voice phrases", "sound.tlk",
            "4\r\n>a.wav\r\n>b.wav\r\nБе\r\n>nope.wav\r\nНе\r\n>warn.wav\r\n",
            {"sound.tlk:2: у голосовой фразы 1 нет строки текста: с пункта 1 меню",
             "sound.tlk:5: голосовая фраза 3: нет файла \"wav\\nope.wav\"",
             "sound.tlk:7: голосовая фраза 4: нет файла \"wav\\warn.wav\"",
             "sound.tlk:7: у голосовой фразы 4 нет строки текста: в меню голосов её не будет"});
        row("voice phrase that does not play", "sound.tlk",
            "3\r\n>a.wav\r\nА\r\n>b.wav\r\nБ\r\n>..\\alk1.bmp\r\nВ\r\n",
            {"sound.tlk:6: голосовая фраза 3: звук \"wav\\..\\alk1.bmp\" не сыграет"});

        row("user buttons", "user.but",
            "Огурчик\r\n%>!<%Секрет\r\nБез сценария\r\n%>!<%Тайная\r\nа\r\nб\r\n",
            {"user.but:3: у кнопки \"Без сценария\" нет сценария button3.but",
             "user.but:4: у кнопки \"Тайная\" нет сценария button4.but",
             "user.but:5: у кнопки \"а\" нет сценария button5.but",
             "user.but:6: кнопок не больше пяти"});
        row("holidays", "date.tlk",
            "1-1 Новый год\r\n07-1 нули\r\n7-01 нули\r\n31-2 нет\r\n7-1Рождество\r\n1-1 снова\r\n"
            "просто текст\r\n\r\n29-2 високосный\r\n",
            {"date.tlk:2: \"07-1\" не совпадёт ни с одним днём…\"7-1\"",
             "date.tlk:3: \"7-01\" не совпадёт ни с одним днём…\"7-1\"",
             "date.tlk:4: дня \"31-2\" не бывает", "date.tlk:5: после \"7-1\" нужен пробел",
             "date.tlk:6: день 1-1 уже есть в строке 1", "date.tlk:7: строка должна начинаться"});
        row("picture order", "pics/order.txt", "a.bmp\r\n\r\nnope.jpg\r\na.bmp \r\norder.txt",
            {"pics/order.txt:2: пустая строка", "pics/order.txt:3: нет файла \"pics/nope.jpg\"",
             "pics/order.txt:4: нет файла \"pics/a.bmp \"",
             "pics/order.txt:5: \"pics/order.txt\" не читается как картинка"});
        row("empty picture order", "pics/order.txt", "", {"pics/order.txt:0: файл пуст"});
        row("picture that does not decode", "pics/b.gif", "GIF89a, but not really",
            {"pics/b.gif:0: не читается как картинка"});

        row("config keys", "config.cfg",
            "[Stakanych]\r\nquake=1\r\nfoo=1\r\nQUAKE=2\r\nrandompic 20\r\n[Other]\r\nbar=1\r\n",
            {"config.cfg:3: неизвестный ключ \"foo\"", "config.cfg:4: QUAKE уже задан в строке 2",
             "config.cfg:5: в строке нет знака \"=\""});
        row("config numbers", "config.cfg",
            "[Stakanych]\r\nigluk=много\r\nBaseIntervalFrom=0\r\nBaseIntervalTo=10\r\n"
            "randompic=250\r\ntextver=\r\nvoicever=-5\r\n",
            {"config.cfg:2: igluk: \"много\" - не целое число, программа возьмёт 0",
             "config.cfg:3: BaseIntervalFrom=0 - вне пределов (от 1 до 60), программа возьмёт 50",
             "config.cfg:4: BaseIntervalTo=10…(от BaseIntervalFrom до 60), программа возьмёт 50",
             "config.cfg:5: randompic=250…(от 0 до 100), программа возьмёт 100",
             "config.cfg:6: textver: \"\" - не целое число, программа возьмёт 0"});
        row("config files", "config.cfg",
            "[Stakanych]\r\nmypic=nope.bmp\r\ntexture= run.scn \r\nexescript=nope.scn\r\n",
            {"config.cfg:2: mypic: нет файла \"nope.bmp\"",
             "config.cfg:3: texture: \"run.scn\" не читается как картинка",
             "config.cfg:4: exescript: нет сценария \"nope.scn\""});
        row("config without the section", "config.cfg", "quake=5\r\n",
            {"config.cfg:0: нет раздела [Stakanych]"});
    }

    void reports()
    {
        auto [file, text, expected] =
            fetch<QString, QString, QStringList>("file", "text", "expected");
        ctx->write("sub/x.scn", "foo\r\n");
        ctx->write(file, text);
        // Scenarios named by "%exescript%" are checked too, under that name.
        if (text.contains("sub\\x.scn"))
            expected << "sub\\x.scn:1: неизвестная команда \"foo\"";
        const QStringList got = CheckContentFolder();
        QVERIFY2(got.size() == expected.size(), qPrintable(got.join('\n')));
        for (qsizetype i = 0; i < got.size(); ++i) {
            const qsizetype place = expected[i].indexOf(": ") + 2;
            qsizetype at = got[i].startsWith(expected[i].left(place)) ? place : -1;
            for (const QString &part : expected[i].mid(place).split(u'…'))
                if (at >= 0 && (at = got[i].indexOf(part, at)) >= 0)
                    at += part.size();
            QVERIFY2(at >= 0, qPrintable(got[i]));
        }
    }

    void singleFiles_data()
    {
        columns<QString, QStringList>("file", "expected");
        for (const char *file : {"text.tlk", "pics/order.txt", "inc.txt", "alk1.bmp", "wav/a.wav"})
            QTest::newRow(file) << file << QStringList{};
        QTest::newRow("scenario in its own folder")
            << "sub/s.scn" << QStringList{"sub/s.scn:2: pic: нет файла \"pics\\a.bmp\""};
        QTest::newRow("missing") << "sub/none.scn" << QStringList{"sub/none.scn:0: файла нет"};
    }

    void singleFiles()
    {
        const auto [file, expected] = fetch<QString, QStringList>("file", "expected");
        ctx->write("sub/s.scn", "msg a\r\npic pics\\a.bmp\r\n");
        QCOMPARE(CheckContentFile(file), expected);
    }

    void commandLine()
    {
        // (A clean folder's exit status is content_check's.)
        ctx->write("tost.tlk", "2\r\n>а\r\n>б\r\n");
        QProcess check;
        check.start(QStringLiteral(STAK_CHECKER), {"sub", ctx->dir.path(), "run.scn"});
        QVERIFY(check.waitForFinished(60000));
        QCOMPARE(check.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(check.readAllStandardOutput()),
                 "sub:0: файла нет\n" + ctx->dir.path() +
                     "/tost.tlk:1: фраз всего две: они будут строго чередоваться (нужно хотя бы "
                     "три)\n");
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

QTEST_MAIN(TestScenario)
#include "tst_scenario.moc"
