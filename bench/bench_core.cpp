// Phrase reading and picking.
// Targets on the development machine: a random phrase of a 50,000-phrase file
// at most 2 ms (the file indexed once); reading phrase 4999 of a 5000-phrase
// file under 2 ms; a pick from 50 phrases with 48 of them recent under 1 ms.
#include "core/appcontext.h"
#include "core/cp1251.h"
#include "formats/phrases.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sys/time.h>

using namespace stak;

namespace {

// A folder with a phrase file of that many phrases, written an hour ago as
// phrase files are: long before the party.
struct Folder
{
    QTemporaryDir dir;
    explicit Folder(int phrases)
    {
        QDir::setCurrent(dir.path());
        QString text = QString::number(phrases) + QStringLiteral("\r\n");
        for (int i = 1; i <= phrases; ++i)
            text += QStringLiteral(">Фраза номер %1, тост за здоровье\r\nвторая строка\r\n").arg(i);
        QFile f(QStringLiteral("text.tlk"));
        f.open(QIODevice::WriteOnly);
        f.write(encodeCp1251(text));
        f.close();
        const timeval hourAgo[2] = {{::time(nullptr) - 3600, 0}, {::time(nullptr) - 3600, 0}};
        ::utimes("text.tlk", hourAgo);
    }
};

void BM_ReadRandomPhraseOf50000(benchmark::State &state)
{
    static Folder folder(50000);
    for (auto _ : state) {
        state.PauseTiming();
        phraseHistory().clear(); // a history of a few picks, as in a party
        state.ResumeTiming();
        for (int i = 0; i < 10; ++i)
            benchmark::DoNotOptimize(ReadPhrase(QStringLiteral("text.tlk"), 0));
    }
    state.SetItemsProcessed(state.iterations() * 10);
}
BENCHMARK(BM_ReadRandomPhraseOf50000)->Unit(benchmark::kMicrosecond);

void BM_ReadPhraseNearEnd(benchmark::State &state)
{
    static Folder folder(5000);
    for (auto _ : state)
        benchmark::DoNotOptimize(ReadPhrase(QStringLiteral("text.tlk"), 4999));
}
BENCHMARK(BM_ReadPhraseNearEnd)->Unit(benchmark::kMicrosecond);

void BM_PickWithFullHistory(benchmark::State &state)
{
    // 48 recent picks of 50: most draws are rejected before one is fresh.
    QString recent;
    for (int i = 1; i <= 48; ++i)
        recent += QString::number(i) + QLatin1Char(',');
    for (auto _ : state) {
        state.PauseTiming();
        phraseHistory().slot(1) = recent;
        state.ResumeTiming();
        benchmark::DoNotOptimize(PickPhraseNumber(QStringLiteral("tost.tlk"), 50));
    }
}
BENCHMARK(BM_PickWithFullHistory)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    SystemClock clock;
    MixingRandom random;
    AppContext context(nullptr, &clock, &random);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
