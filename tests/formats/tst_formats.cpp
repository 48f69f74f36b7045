#include "core/appcontext.h"
#include "core/cp1251.h"
#include "core/random.h"
#include "formats/dates.h"
#include "formats/phrases.h"
#include "formats/userbuttons.h"
#include "formats/wavfile.h"
#include "testsupport.h"

#include <QTemporaryDir>
#include <sys/time.h>

using namespace stak;

namespace {
QList<float> drawsFor(const QList<int> &numbers, int count)
{
    QList<float> out;
    for (int n : numbers)
        out << drawFor(n, count);
    return out;
}
} // namespace

// The content file formats: phrase files and the random picker, user.but and
// WAV headers.
class TestFormats : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        dir.emplace();
        QDir::setCurrent(dir->path());
        ctx.emplace(nullptr, &clock, &random);
    }
    void cleanup() { ctx.reset(); }

    void readPhrase_data()
    {
        // number 0: a random phrase, the draws naming 1, 1 and 2 of two; the
        // speech history holds "1," before and `history` after
        columns<QByteArray, int, QString, QString>("file", "number", "expected", "history");
        using B = QByteArray;
        const B five = "2\r\n>A\r\n>B\r\n\r\nB2\r\n";
        tableRow("one-line phrase", five, 1, "A\r\n", "1,");
        tableRow("empty line belongs to the phrase", five, 2, "B\r\n\r\nB2\r\n", "1,");
        tableRow("beyond the phrases", five, 3, "", "1,");
        tableRow("bare marker", B("1\r\n>\r\nQ\r\n"), 1, "\r\nQ\r\n", "1,");
        tableRow("lines before the first marker", B("2\r\nintro\r\n>X\r\n>Y\r\n"), 1, "X\r\n",
                 "1,");
        tableRow("CR line ends", B("2\r>one\rtwo\r>three\r"), 1, "one\r\ntwo\r\n", "1,");
        tableRow("last phrase without line end", B("2\r\n>a\r\n>b"), 2, "b\r\n", "1,");
        tableRow("count larger than the phrases", B("9\r\n>a\r\n"), 2, "", "1,");
        tableRow("count 0 bounds no explicit number", B("0\r\n>a\r\n>b\r\n"), 2, "b\r\n", "1,");
        tableRow("count not a number either", B("x\r\n>a\r\n"), 1, "a\r\n", "1,");
        tableRow("Windows-1251", B("1\r\n>\xcd\xe0\xeb\xe8\xe2\xe0\xe9!\r\n"), 1, "Наливай!\r\n",
                 "1,");
        tableRow("UTF-8 with BOM", "\xef\xbb\xbf" + B("1\r\n>Ура\r\n"), 1, "Ура\r\n", "1,");
        // The count line bounds the draw although more phrases follow.
        tableRow("random", B("2\r\n>a\r\n>b\r\n>c\r\n"), 0, "b\r\n", "1,2,");
        // No phrase to draw from: nothing drawn, the history left alone.
        tableRow("missing", B(), 0, "", "1,");
        tableRow("count only", B("3\r\n"), 0, "", "1,");
        tableRow("count zero", B("0\r\n>a\r\n"), 0, "", "1,");
        tableRow("count with fraction", B("2.5\r\n>a\r\n>b\r\n"), 0, "", "1,");
    }
    void readPhrase()
    {
        const auto [file, number, expected, history] =
            fetch<QByteArray, int, QString, QString>("file", "number", "expected", "history");
        if (!file.isNull())
            writeTestFile(u"text.tlk"_qs, file);
        ScriptedRandom scripted(drawsFor({1, 1, 2}, 2));
        ctx->random = &scripted;
        phraseHistory().slot(0) = u"1,"_qs;
        QCOMPARE(ReadPhrase(u"text.tlk"_qs, number), expected);
        QCOMPARE(phraseHistory().slot(0), history);
        // The clock reseeds the draws when reading starts and before each draw.
        const bool drawn = history != u"1,"_qs;
        QCOMPARE(scripted.draws(), drawn ? 3 : 0);
        QVERIFY(!drawn || scripted.reseeds() == 4);
    }

    void picks_data()
    {
        // Picks from a file of `count` phrases, the draws naming `drawn`, its
        // kind's slot of recent picks holding `recent` before and `slot` after
        // ("*": not looked at).
        columns<QString, int, int, QString, QList<int>, QList<int>, QString>(
            "name", "kind", "count", "recent", "drawn", "picks", "slot");
        using P = QList<int>;
        tableRow("speech, a comma after each pick", "text.tlk", 0, 50, "", P{12, 5, 31},
                 P{12, 5, 31}, "12,5,31,");
        tableRow("toasts", "tost.tlk", 1, 50, "", P{7}, P{7}, "7,");
        // A run of count - 2 picks clears the slot; the accepted pick starts
        // the next run.
        tableRow("voices, recent picks drawn again", "sound.tlk", 2, 5, "",
                 P{1, 1, 2, 3, 2, 4, 4, 1}, P{1, 2, 3, 4, 1}, "4,1,");
        tableRow("riddles", "zag.tlk", 3, 50, "8,", P{8, 9}, P{9}, "8,9,");
        tableRow("other names share the speech slot", "anekdot.tlk", 0, 3, "2,", P{2, 3}, P{3},
                 "3,");
        tableRow("so does another letter case", "Tost.tlk", 0, 3, "2,", P{2, 3}, P{3}, "3,");
        tableRow("and a folder", ".\\sound.tlk", 0, 3, "2,", P{2, 3}, P{3}, "3,");
        tableRow("one phrase", "tost.tlk", 1, 1, "", P{1}, P{1, 1, 1, 1}, "1,");
        // Every pick differs from the one before although the draws keep
        // naming phrase 1.
        tableRow("two phrases, draws stuck on 1", "tost.tlk", 1, 2, "", P{1}, P{1, 2, 1, 2, 1},
                 "2,1,");
        tableRow("two phrases, alternating draws", "tost.tlk", 1, 2, "", P{1, 2},
                 P{1, 2, 1, 2, 1, 2}, "*");
    }
    void picks()
    {
        const auto [name, kind, count, recent, drawn, picks, slot] =
            fetch<QString, int, int, QString, QList<int>, QList<int>, QString>(
                "name", "kind", "count", "recent", "drawn", "picks", "slot");
        ScriptedRandom scripted(drawsFor(drawn, count));
        ctx->random = &scripted;
        phraseHistory().slot(kind) = recent;
        QList<int> got;
        for (qsizetype i = 0; i < picks.size(); ++i)
            got << PickPhraseNumber(name, count);
        QCOMPARE(got, picks);
        if (slot != u"*"_qs)
            QCOMPARE(phraseHistory().slot(kind), slot);
        // A slot never grows beyond what one run needs; other kinds' stay empty.
        QVERIFY(phraseHistory().slot(kind).count(u',') <= qMax(2, count - 1));
        for (int k = 0; k < 4; ++k)
            QVERIFY(k == kind || phraseHistory().slot(k).isEmpty());
    }

    void userButtons_data()
    {
        // Buttons 1..5 as "caption", "caption (hidden)" or "-" for none.
        columns<QStringList, QStringList>("lines", "buttons");
        using L = QStringList;
        tableRow("captions trimmed; blank lines give none", L{" Тост ", "", "  \t", "Пять"},
                 L{"Тост", "-", "-", "Пять", "-"});
        tableRow("the marker hides, anywhere in the line", L{"%>!<% Секрет", "Вы%>!<%пьем"},
                 L{"Секрет (hidden)", "Выпьем (hidden)", "-", "-", "-"});
        tableRow("a marker alone", L{"%>!<%"}, L{" (hidden)", "-", "-", "-", "-"});
        tableRow("five at most", L{"1", "2", "3", "4", "5", "6"}, L{"1", "2", "3", "4", "5"});
    }
    void userButtons()
    {
        const auto [lines, buttons] = fetch<QStringList, QStringList>("lines", "buttons");
        const auto parsed = ParseUserButtons(lines);
        QVERIFY(!parsed[0]);
        QStringList got;
        for (int k = 1; k <= 5; ++k)
            got << (!parsed[k]          ? u"-"_qs
                    : parsed[k]->hidden ? parsed[k]->caption + u" (hidden)"_qs
                                        : parsed[k]->caption);
        QCOMPARE(got, buttons);
    }

    void wavProblems_data()
    {
        // problem: part of the reason; empty: plays
        columns<QByteArray, QString>("bytes", "problem");
        const QByteArray sound = wavChunk("data", QByteArray(100, 'x'));
        const QByteArray pcm = wavFormat(1, 1, 22050, 16), odd = wavChunk("fact", "x");
        tableRow("16-bit PCM", wavFile(pcm + sound), "");
        tableRow("other chunks first, odd sizes padded",
                 wavFile(wavChunk("LIST", "abc") + wavFormat(3, 2, 44100, 32) + odd + sound), "");
        tableRow("IMA ADPCM", wavFile(wavFormat(0x11, 1, 8000, 4) + sound), "");
        tableRow("not RIFF", QByteArray("ID3\x03 an mp3 file"), "RIFF/WAVE");
        tableRow("no format", wavFile(sound), "fmt");
        tableRow("no data", wavFile(pcm), "data");
        tableRow("empty data", wavFile(pcm + wavChunk("data", {})), "data");
        tableRow("MP3 inside", wavFile(wavFormat(0x55, 1, 22050, 0) + sound), "85");
        tableRow("12-bit PCM", wavFile(wavFormat(1, 1, 22050, 12) + sound), "12 бит");
        tableRow("no channels", wavFile(wavFormat(1, 0, 22050, 16) + sound), "каналов");
        tableRow("cut header", QByteArray("RIFF\x10\0\0\0WAVEfmt \x10\0\0\0\x01", 21), "fmt");
    }
    void wavProblems()
    {
        const auto [bytes, problem] = fetch<QByteArray, QString>("bytes", "problem");
        const auto got = WavProblem(bytes);
        QCOMPARE(got.has_value(), !problem.isEmpty());
        QVERIFY2(!got || got->contains(problem), qPrintable(got.value_or(QString())));
    }

    void changedFilesAreReadAgain_data()
    {
        columns<QByteArray, bool, QString>("second", "restoreTime", "read");
        // Read once an hour after it was written, the file is then changed.
        tableRow("another size", QByteArray("1\r\n>Второй\r\n"), false, u"Второй\r\n"_qs);
        tableRow("same size, changed just now", QByteArray("1\r\n>Шестой\r\n"), false,
                 u"Шестой\r\n"_qs);
        // Same size, inode and time: nothing tells it changed, the index stays.
        tableRow("same size and time", QByteArray("1\r\n>Шестой\r\n"), true, u"Первый\r\n"_qs);
    }
    void changedFilesAreReadAgain()
    {
        const auto [second, restoreTime, read] =
            fetch<QByteArray, bool, QString>("second", "restoreTime", "read");
        const timeval hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        const auto write = [&](const QByteArray &bytes) {
            QFile f(u"text.tlk"_qs);
            QVERIFY(f.open(QIODevice::ReadWrite));
            QVERIFY(f.resize(0) && f.write(encodeCp1251(QString::fromUtf8(bytes))) > 0);
        };
        write("1\r\n>Первый\r\n");
        ::utimes("text.tlk", hourAgo);
        QCOMPARE(ReadPhrase(u"text.tlk"_qs, 1), u"Первый\r\n"_qs);
        write(second);
        if (restoreTime)
            ::utimes("text.tlk", hourAgo);
        QCOMPARE(ReadPhrase(u"text.tlk"_qs, 1), read);
    }

    void countdown_data()
    {
        columns<QDateTime, QString>("now", "text");
        const auto row = [](int day, int month, int h, int m, const char *text) {
            QTest::addRow("%d.%d. %d:%02d", day, month, h, m)
                << QDateTime(QDate(2003, month, day), QTime(h, m)) << QString::fromUtf8(text);
        };
        row(31, 12, 23, 59, "> До нового года - 0 час. 1 мин. <");
        row(12, 12, 10, 0, "До нового года - 19 дней");
        row(26, 12, 10, 0, "До нового года - 5 дней");
        row(27, 12, 10, 0, "До нового года - 4 дня");
        row(30, 12, 10, 0, "До нового года - 1 день");
        row(11, 12, 23, 59, "");
        row(31, 1, 0, 0, "");
    }
    void countdown()
    {
        const auto [now, text] = fetch<QDateTime, QString>("now", "text");
        QCOMPARE(CountdownText(now), text);
    }

    void holiday_data()
    {
        columns<QString, QDate, QString>("list", "day", "text");
        const auto row = [](const char *name, const char *list, QDate day, const char *text) {
            QTest::newRow(name) << QString::fromUtf8(list) << day << QString::fromUtf8(text);
        };
        // The key is day, month and a blank.
        const char *list = "11-1 Одиннадцатое\r\n1-12 Декабрь\r\n1-1 Новый год\r\n";
        row("1 January is not 11 January or 1 December", list, {2004, 1, 1}, "Новый год");
        row("line break in any case", "7-1 Рождество%BR%Христово\r\n", {2004, 1, 7},
            "Рождество\r\nХристово");
        row("first of two lines", "8-3 Первая\r\n8-3 Вторая\r\n", {2004, 3, 8}, "Первая");
        row("key needs its blank", "8-3Первая\r\n8-31 Нет\r\n", {2004, 3, 8}, "");
    }
    void holiday()
    {
        const auto [list, day, text] = fetch<QString, QDate, QString>("list", "day", "text");
        QCOMPARE(HolidayLine(list, day), text);
    }

private:
    std::optional<QTemporaryDir> dir;
    FakeClock clock;
    MixingRandom random;
    std::optional<AppContext> ctx;
};

QTEST_GUILESS_MAIN(TestFormats)
#include "tst_formats.moc"
