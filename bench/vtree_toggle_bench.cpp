// The moving rows of a node that opens: every step of an animation that
// slides the rows of an 800 x 600 client area down by 300 pixels, one pixel
// at a time, on the tree's own row scrolling beside Qt's QPixmap::scroll
// doing the same to a pixmap of the same size.
#include "support/BenchMain.h"

#include "controls/vtree/widget/ToggleGeometry.h"

#include <QGuiApplication>
#include <QImage>
#include <QPixmap>
#include <benchmark/benchmark.h>

namespace {

using namespace vtree;

constexpr int kWidth = 800;
constexpr int kHeight = 600;
constexpr int kTop = 100;
constexpr int kDistance = 300;

void Tree_ToggleSteps(benchmark::State &state)
{
    QImage frame(kWidth, kHeight, QImage::Format_ARGB32_Premultiplied);
    frame.fill(Qt::gray);
    for (auto _ : state) {
        ToggleScrollData data;
        data.ScrollRect1 = QRect(0, kTop, kWidth, kHeight - kTop);
        data.Direction1 = TToggleDirection::Down;
        data.Amount1 = kDistance;
        const int steps = prepareToggleSteps(data);
        for (int step = 0; step < steps; ++step)
            AnimateToggleStep(step, 1, data, frame);
        benchmark::DoNotOptimize(frame.constBits());
    }
    state.counters["steps/s"] = benchmark::Counter(kDistance, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Tree_ToggleSteps)->Unit(benchmark::kMillisecond);

void QPixmap_ScrollSteps(benchmark::State &state)
{
    QPixmap frame(kWidth, kHeight);
    frame.fill(Qt::gray);
    const QRect area(0, kTop, kWidth, kHeight - kTop);
    for (auto _ : state) {
        for (int step = 0; step < kDistance; ++step)
            frame.scroll(0, 1, area);
        benchmark::DoNotOptimize(frame.cacheKey());
    }
    state.counters["steps/s"] = benchmark::Counter(kDistance, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(QPixmap_ScrollSteps)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return bench::runBenchmarks<QGuiApplication>(argc, argv); }
