// The focus glow following its form: 1,000 moves of a form whose grid
// shows the glow (each move delivered and the glow placed again) beside
// 1,000 builds of the glow itself (mask, blur, merge, window picture) in
// the same run. A move never builds the glow, so it must cost a small
// part of a build.
#include "controls/grid/base/paint/FocusWindow.h"
#include "controls/grid/model/ExGrid.h"
#include "support/TimesReporter.h"

#include <QApplication>
#include <QWidget>
#include <benchmark/benchmark.h>

namespace {

using namespace controls;

constexpr int kTimes = 1000;

struct GlowForm {
    QWidget form;
    TExStringGrid *grid = new TExStringGrid(&form);
    GlowForm()
    {
        form.resize(400, 300);
        grid->setGeometry(0, 0, 400, 300);
        grid->FocusHelper.Enabled = true;
        form.show();
        QCoreApplication::processEvents();
        grid->ShowFocusWindow(grid->CellRect(1, 1));
        QCoreApplication::processEvents();
    }
};

void BM_GlowBuilds(benchmark::State &state)
{
    GlowForm f;
    const platform::TRect cell = f.grid->CellRect(1, 1);
    for (auto _ : state)
        for (int i = 0; i < kTimes; ++i)
            f.grid->ShowFocusWindow(cell);
}
BENCHMARK(BM_GlowBuilds)->Unit(benchmark::kMillisecond);

void BM_FormMovesWithGlow(benchmark::State &state)
{
    GlowForm f;
    const QPoint home = f.form.pos();
    for (auto _ : state)
        for (int i = 0; i < kTimes; ++i) {
            f.form.move(home + QPoint(i % 7, i % 5));
            QCoreApplication::processEvents();
        }
    if (!f.grid->FocusWindow()->isVisible())
        state.SkipWithError("the glow went away");
}
BENCHMARK(BM_FormMovesWithGlow)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    bench::TimesReporter reporter(bench::TimesReporter::Clock::Real);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("1,000 form moves with the glow / 1,000 glow builds", "BM_FormMovesWithGlow", "BM_GlowBuilds");
    benchmark::Shutdown();
    return 0;
}
