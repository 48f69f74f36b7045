// Phrase reading and picking.
// Targets on the development machine: reading phrase 4999 of a 5000-phrase
// file under 2 ms; a pick from 50 phrases with 48 of them recent under 1 ms.
#include "core/appcontext.h"
#include "core/cp1251.h"
#include "formats/phrases.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace stak;

namespace {

struct Folder
{
    QTemporaryDir dir;
    Folder()
    {
        QDir::setCurrent(dir.path());
        QString text = QStringLiteral("5000\r\n");
        for (int i = 1; i <= 5000; ++i)
            text += QStringLiteral(">Фраза номер %1, тост за здоровье\r\nвторая строка\r\n").arg(i);
        QFile f(QStringLiteral("text.tlk"));
        f.open(QIODevice::WriteOnly);
        f.write(encodeCp1251(text));
    }
};

void BM_ReadPhraseNearEnd(benchmark::State &state)
{
    static Folder folder;
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
