#include "testcontext.h"

#include "scenario/checker.h"

#include <QProcess>
#include <QtTest>

using namespace stak;

// The content checker on crafted folders: a clean folder that passes, and
// one broken file at a time.
class TestChecker : public QObject
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

        // Phrase files.
        row("count larger", "tost.tlk", "5\r\n>а\r\n>б\r\n>в\r\n",
            {"tost.tlk:1: число фраз 5, а их в файле 3…номеров 4..5 покажет пустую фразу"});
        row("count smaller", "zag.tlk", "3\r\n>а\r\n>б\r\n>в\r\n>г\r\n",
            {"zag.tlk:1: число фраз 3, а их в файле 4: фраза 4 случайно никогда не выпадет"});
        row("one phrase", "zag.tlk", "1\r\n>а\r\nответ\r\n", {"zag.tlk:1: фраза всего одна"});
        row("two phrases", "tost.tlk", "2\r\n>а\r\n>б\r\n", {"tost.tlk:1: фраз всего две"});
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

        // user.but, date.tlk, pics/order.txt and pics/.
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

        // config.cfg.
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
        QTest::newRow("missing folder") << "none/x.scn" << QStringList{"none/x.scn:0: файла нет"};
    }

    void singleFiles()
    {
        const auto [file, expected] = fetch<QString, QStringList>("file", "expected");
        ctx->write("sub/s.scn", "msg a\r\npic pics\\a.bmp\r\n");
        QCOMPARE(CheckContentFile(file), expected);
    }

    void commandLine()
    {
        QProcess check;
        check.start(QStringLiteral(STAK_CHECKER), {});
        QVERIFY(check.waitForFinished(60000));
        QCOMPARE(check.exitCode(), 0);
        QCOMPARE(check.readAllStandardOutput(), QByteArray());
        ctx->write("tost.tlk", "2\r\n>а\r\n>б\r\n");
        check.start(QStringLiteral(STAK_CHECKER), {"sub", ctx->dir.path(), "run.scn"});
        QVERIFY(check.waitForFinished(60000));
        QCOMPARE(check.exitCode(), 1);
        QCOMPARE(QString::fromUtf8(check.readAllStandardOutput()),
                 "sub:0: файла нет\n" + ctx->dir.path() +
                     "/tost.tlk:1: фраз всего две: они будут строго чередоваться (нужно хотя бы "
                     "три)\n");
    }

private:
    std::unique_ptr<TestContext> ctx;
};

QTEST_MAIN(TestChecker)
#include "tst_checker.moc"
