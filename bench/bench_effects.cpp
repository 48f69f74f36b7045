// The screen effects.
// Targets on the development machine: 50,000 smears on a 1920 x 1080 buffer
// under 3 ms; DoublePicture under 0.5 ms; one frame of the frolic's shake at
// 1920 x 1080 well inside a 60 Hz frame (under 5 ms of its 16.7 ms).
#include "core/appcontext.h"
#include "core/effects.h"
#include "core/random.h"
#include "core/settings.h"
#include "platform/fakeplatform.h"
#include "windows/frmscr.h"

#include <QApplication>
#include <QWindow>
#include <benchmark/benchmark.h>

using namespace stak;

namespace {

QImage noise(int w, int h)
{
    QImage img(w, h, QImage::Format_RGB32);
    MixingRandom r(1);
    for (int y = 0; y < h; ++y) {
        auto *line = reinterpret_cast<QRgb *>(img.scanLine(y));
        for (int x = 0; x < w; ++x)
            line[x] = qRgb(int(r.next() * 255), int(r.next() * 255), int(r.next() * 255));
    }
    return img;
}

void BM_Smear(benchmark::State &state)
{
    const int w = int(state.range(0)), h = int(state.range(1));
    QImage img = noise(w, h);
    MixingRandom random(7);
    for (auto _ : state) {
        SmearPixels(state.range(2), img, w - 1, h - 1, random);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_Smear)
    ->Args({1920, 1080, 50000})
    ->Args({433, 225, 10000})
    ->Unit(benchmark::kMillisecond);

void BM_DoublePicture(benchmark::State &state)
{
    QImage img = noise(433, 225);
    for (auto _ : state) {
        DoubleImage(img);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_DoublePicture)->Unit(benchmark::kMicrosecond);

// A whole frolic of the default 50,000 smears on a 1920 x 1080 screen, without
// its shake, on the offscreen platform.
void BM_FrolicWithoutShake(benchmark::State &state)
{
    FakePlatform fake;
    const QRect screen(0, 0, 1920, 1080);
    fake.screenImage = noise(1920, 1080);
    SystemClock clock;
    MixingRandom random;
    AppContext context(&fake, &clock, &random);
    for (auto _ : state)
        benchmark::DoNotOptimize(
            FrolicPicture(fake.captureScreen(screen), screen.size(), 50000, random));
}
BENCHMARK(BM_FrolicWithoutShake)->Unit(benchmark::kMillisecond);

// One frame of the frolic's shake: the copy of a 1920 x 1080 screen painted
// at its offset, the uncovered edges black, on the offscreen platform.
void BM_FrolicFrame(benchmark::State &state)
{
    FrmScr scr;
    scr.setImage(noise(1920, 1080));
    scr.setGeometry(0, 0, 1920, 1080);
    scr.show();
    while (!scr.windowHandle()->isExposed())
        QCoreApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        scr.showAt(QPoint(step % 7 - 3, step / 7 % 7 - 3));
        ++step;
    }
}
BENCHMARK(BM_FrolicFrame)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
