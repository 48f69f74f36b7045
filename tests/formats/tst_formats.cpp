#include "core/appcontext.h"
#include "core/cp1251.h"
#include "core/random.h"
#include "formats/phrases.h"
#include "testsupport.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

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

class TestPhrases : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        dir = std::make_unique<QTemporaryDir>();
        QDir::setCurrent(dir->path());
        ctx = std::make_unique<AppContext>(nullptr, &clock, &mixing);
    }
    void cleanup() { ctx.reset(); }

    void readPhrase_data();
    void readPhrase();
    void unreadableFilesLeaveHistoryAlone_data();
    void unreadableFilesLeaveHistoryAlone();
    void randomPhraseUsesCountLine();
    void kinds_data();
    void kinds();
    void slotRecordsPicksWithTrailingComma();
    void rejectedCandidatesAreDrawnAgain();
    void runsNeverRepeat_data();
    void runsNeverRepeat();
    void smallFilesAlternate_data();
    void smallFilesAlternate();
    void unknownNamesShareTheSpeechSlot();
    void reseedsBeforeEveryDraw();

private:
    std::unique_ptr<QTemporaryDir> dir;
    FakeClock clock;
    MixingRandom mixing;
    std::unique_ptr<AppContext> ctx;
};

void TestPhrases::readPhrase_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("expected");

    const QByteArray five = "2\r\n>A\r\n>B\r\n\r\nB2\r\n";
    QTest::newRow("one-line phrase") << five << 1 << u"A\r\n"_qs;
    QTest::newRow("empty line belongs to the phrase") << five << 2 << u"B\r\n\r\nB2\r\n"_qs;
    QTest::newRow("beyond the phrases") << five << 3 << QString();
    QTest::newRow("bare marker") << QByteArray("1\r\n>\r\nQ\r\n") << 1 << u"\r\nQ\r\n"_qs;
    QTest::newRow("lines before the first marker")
        << QByteArray("2\r\nintro\r\nmore\r\n>X\r\n>Y\r\n") << 1 << u"X\r\n"_qs;
    QTest::newRow("CR line ends") << QByteArray("2\r>one\rtwo\r>three\r") << 1
                                  << u"one\r\ntwo\r\n"_qs;
    QTest::newRow("last phrase without line end")
        << QByteArray("2\r\n>a\r\n>b") << 2 << u"b\r\n"_qs;
    QTest::newRow("count larger than the phrases") << QByteArray("9\r\n>a\r\n") << 2 << QString();
    QTest::newRow("count 0 bounds no explicit number")
        << QByteArray("0\r\n>a\r\n>b\r\n") << 2 << u"b\r\n"_qs;
    QTest::newRow("count not a number either") << QByteArray("x\r\n>a\r\n") << 1 << u"a\r\n"_qs;
    QTest::newRow("Windows-1251 text")
        << QByteArray("1\r\n>\xcd\xe0\xeb\xe8\xe2\xe0\xe9!\r\n") << 1 << u"Наливай!\r\n"_qs;
    QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbf"
                                                  "1\r\n>Ура\r\n")
                                    << 1 << u"Ура\r\n"_qs;
    QTest::newRow("UTF-8 with LF line ends, as Linux editors write it")
        << QByteArray("2\n>Ура\nещё\n>Два\n") << 1 << u"Ура\r\nещё\r\n"_qs;
}

void TestPhrases::readPhrase()
{
    QFETCH(QByteArray, file);
    QFETCH(int, number);
    QFETCH(QString, expected);
    writeTestFile(QStringLiteral("text.tlk"), file);
    QCOMPARE(ReadPhrase(QStringLiteral("text.tlk"), number), expected);
    QVERIFY(phraseHistory().slot(0).isEmpty());
}

void TestPhrases::unreadableFilesLeaveHistoryAlone_data()
{
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<bool>("exists");
    QTest::newRow("missing") << QByteArray() << false;
    QTest::newRow("empty") << QByteArray() << true;
    QTest::newRow("count only") << QByteArray("3\r\n") << true;
    QTest::newRow("count not a number") << QByteArray("abc\r\n>a\r\n") << true;
    QTest::newRow("count zero") << QByteArray("0\r\n>a\r\n") << true;
    QTest::newRow("count negative") << QByteArray("-2\r\n>a\r\n") << true;
    QTest::newRow("count with fraction") << QByteArray("2.5\r\n>a\r\n>b\r\n") << true;
}

void TestPhrases::unreadableFilesLeaveHistoryAlone()
{
    QFETCH(QByteArray, file);
    QFETCH(bool, exists);
    if (exists)
        writeTestFile(QStringLiteral("tost.tlk"), file);
    ScriptedRandom random({0.1f});
    ctx->random = &random;
    phraseHistory().slot(1) = QStringLiteral("1,");
    QCOMPARE(ReadPhrase(QStringLiteral("tost.tlk"), 0), QString());
    QCOMPARE(phraseHistory().slot(1), u"1,"_qs);
    QCOMPARE(random.draws(), 0);
}

void TestPhrases::randomPhraseUsesCountLine()
{
    // The count line bounds the draw even when more phrases follow.
    writeTestFile(QStringLiteral("zag.tlk"), "2\r\n>a\r\n>b\r\n>c\r\n");
    ScriptedRandom random({0.99f});
    ctx->random = &random;
    QCOMPARE(ReadPhrase(QStringLiteral("zag.tlk"), 0), u"b\r\n"_qs);
    QCOMPARE(phraseHistory().slot(3), u"2,"_qs);
}

void TestPhrases::kinds_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("kind");
    QTest::newRow("speech") << u"text.tlk"_qs << 0;
    QTest::newRow("toasts") << u"tost.tlk"_qs << 1;
    QTest::newRow("voices") << u"sound.tlk"_qs << 2;
    QTest::newRow("riddles") << u"zag.tlk"_qs << 3;
    QTest::newRow("other letter case") << u"Tost.tlk"_qs << 0;
    QTest::newRow("with a folder") << u".\\sound.tlk"_qs << 0;
    QTest::newRow("other file") << u"anekdot.tlk"_qs << 0;
}

void TestPhrases::kinds()
{
    QFETCH(QString, name);
    QFETCH(int, kind);
    QCOMPARE(PhraseKind(name), kind);
}

void TestPhrases::slotRecordsPicksWithTrailingComma()
{
    ScriptedRandom random(drawsFor({12, 5, 31}, 50));
    ctx->random = &random;
    for (int expected : {12, 5, 31})
        QCOMPARE(PickPhraseNumber(QStringLiteral("tost.tlk"), 50), expected);
    QCOMPARE(phraseHistory().slot(1), u"12,5,31,"_qs);
    QVERIFY(phraseHistory().slot(0).isEmpty());
}

void TestPhrases::rejectedCandidatesAreDrawnAgain()
{
    // count 5: the slot is cleared when a pick lands on three entries, and the
    // accepted pick starts the next run.
    ScriptedRandom random(drawsFor({1, 1, 2, 3, 2, 4, 4, 1}, 5));
    ctx->random = &random;
    const QString file = QStringLiteral("sound.tlk");
    QCOMPARE(PickPhraseNumber(file, 5), 1);
    QCOMPARE(PickPhraseNumber(file, 5), 2);
    QCOMPARE(PickPhraseNumber(file, 5), 3);
    QCOMPARE(phraseHistory().slot(2), u"1,2,3,"_qs);
    QCOMPARE(PickPhraseNumber(file, 5), 4);
    QCOMPARE(phraseHistory().slot(2), u"4,"_qs);
    QCOMPARE(PickPhraseNumber(file, 5), 1);
    QCOMPARE(phraseHistory().slot(2), u"4,1,"_qs);
    QCOMPARE(random.draws(), 8);
}

void TestPhrases::runsNeverRepeat_data()
{
    QTest::addColumn<int>("count");
    QTest::newRow("3") << 3;
    QTest::newRow("5") << 5;
    QTest::newRow("7") << 7;
    QTest::newRow("50") << 50;
}

void TestPhrases::runsNeverRepeat()
{
    QFETCH(int, count);
    MixingRandom random(count);
    ctx->random = &random;
    QList<int> picks;
    for (int i = 0; i < 20 * count; ++i) {
        const int n = PickPhraseNumber(QStringLiteral("text.tlk"), count);
        QVERIFY(n >= 1 && n <= count);
        picks << n;
    }
    // Runs of count - 1 picks, each overlapping the one before by one pick,
    // hold no number twice.
    const int step = count - 2;
    for (int start = 0; start + count - 1 <= picks.size(); start += step) {
        const QList<int> run = picks.mid(start, count - 1);
        QCOMPARE(QSet<int>(run.begin(), run.end()).size(), run.size());
    }
    // And every number turns up in the long run.
    QCOMPARE(QSet<int>(picks.begin(), picks.end()).size(), count);
}

void TestPhrases::smallFilesAlternate_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<float>>("draws");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("one phrase") << 1 << QList<float>{0.5f} << QList<int>{1, 1, 1, 1};
    // The second pick differs from the first; afterwards every pick differs
    // from the one before, although the draws keep naming phrase 1.
    QTest::newRow("two phrases, draws stuck on 1")
        << 2 << QList<float>{0.1f} << QList<int>{1, 2, 1, 2, 1};
    QTest::newRow("two phrases, alternating draws")
        << 2 << QList<float>{0.1f, 0.9f} << QList<int>{1, 2, 1, 2, 1, 2};
}

void TestPhrases::smallFilesAlternate()
{
    QFETCH(int, count);
    QFETCH(QList<float>, draws);
    QFETCH(QList<int>, expected);
    ScriptedRandom random(draws);
    ctx->random = &random;
    QList<int> got;
    for (qsizetype i = 0; i < expected.size(); ++i)
        got << PickPhraseNumber(QStringLiteral("tost.tlk"), count);
    QCOMPARE(got, expected);
    // The slot never grows beyond what one run needs.
    QVERIFY(phraseHistory().slot(1).count(QLatin1Char(',')) <= 2);
}

void TestPhrases::unknownNamesShareTheSpeechSlot()
{
    ScriptedRandom random(drawsFor({2, 2, 3}, 3));
    ctx->random = &random;
    QCOMPARE(PickPhraseNumber(QStringLiteral("anekdot.tlk"), 3), 2);
    // text.tlk sees anekdot.tlk's pick and rejects 2.
    QCOMPARE(PickPhraseNumber(QStringLiteral("text.tlk"), 3), 3);
    QCOMPARE(random.draws(), 3);
}

void TestPhrases::reseedsBeforeEveryDraw()
{
    writeTestFile(QStringLiteral("text.tlk"), "3\r\n>a\r\n>b\r\n>c\r\n");
    phraseHistory().slot(0) = QStringLiteral("1,");
    ScriptedRandom random(drawsFor({1, 1, 2}, 3));
    ctx->random = &random;
    QCOMPARE(ReadPhrase(QStringLiteral("text.tlk"), 0), u"b\r\n"_qs);
    // One reseed when reading starts, one before each of the three draws.
    QCOMPARE(random.reseeds(), 4);
    QCOMPARE(random.draws(), 3);
}

QTEST_GUILESS_MAIN(TestPhrases)
#include "tst_formats.moc"
