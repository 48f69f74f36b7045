// The frolic's copy of a 1920 x 1080 screen on X11. Target: at most 2 ms
// through shared memory. Run it on an X server of that size:
//   xvfb-run -s "-screen 0 1920x1080x24" build/bench_capture
#include "platform/x11screencapture.h"

#include <QGuiApplication>
#include <QPixmap>
#include <QScreen>
#include <benchmark/benchmark.h>

using namespace stak;

namespace {

xcb_connection_t *connection()
{
    auto *x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

const QRect kScreen(0, 0, 1920, 1080);

void BM_CaptureSharedMemory(benchmark::State &state)
{
    X11ScreenCapture capture(connection());
    if (capture.method() != X11ScreenCapture::Method::SharedMemory)
        state.SkipWithError("the X server shares no memory");
    for (auto _ : state)
        benchmark::DoNotOptimize(capture.captureArea(kScreen));
}
BENCHMARK(BM_CaptureSharedMemory)->Unit(benchmark::kMillisecond);

void BM_CaptureImageRequest(benchmark::State &state)
{
    X11ScreenCapture capture(connection());
    capture.useImageRequests();
    for (auto _ : state)
        benchmark::DoNotOptimize(capture.captureArea(kScreen));
}
BENCHMARK(BM_CaptureImageRequest)->Unit(benchmark::kMillisecond);

// Qt's own grab of the screen, for comparison.
void BM_CaptureQtGrab(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(QGuiApplication::primaryScreen()->grabWindow(0).toImage());
}
BENCHMARK(BM_CaptureQtGrab)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "xcb");
    QGuiApplication app(argc, argv);
    if (!connection() || QGuiApplication::primaryScreen()->size() != kScreen.size()) {
        std::fprintf(stderr, "bench_capture needs an X server of 1920 x 1080\n");
        return 2;
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
