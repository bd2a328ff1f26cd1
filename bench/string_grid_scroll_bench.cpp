// One-row scroll steps of the string grid with pixel-proportional thumbs
// beside QTableView over QStandardItemModel: a thousand line-down steps of
// the vertical bar on a million rows, every thousandth row taller, each
// step painted before the next. Each step sizes the thumb from the kept
// sums of the row heights, never from a walk over the rows.
#include "support/BenchMain.h"
#include "support/ManualTimes.h"
#include "support/Smoke.h"

#include "controls/grid/model/ExGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QScrollBar>
#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using namespace controls;

const int kRows = bench::sized(1000000, 5000);
const int kSteps = bench::sized(1000, 50);
constexpr int kCols = 5;
constexpr int kTallEvery = 1000;
// Only the rows the steps pass show text, on both sides.
const int kFilled = kSteps + 100;

QScrollBar *verticalBarOf(QWidget &w)
{
    for (QScrollBar *b : w.findChildren<QScrollBar *>(QString(), Qt::FindDirectChildrenOnly))
        if (b->orientation() == Qt::Vertical)
            return b;
    return nullptr;
}

void stepDown(QScrollBar &bar)
{
    bar.triggerAction(QAbstractSlider::SliderSingleStepAdd);
    QApplication::processEvents();
}

void gridScrollSteps(benchmark::State &state, bool proportional, const char *side)
{
    auto grid = std::make_unique<TExStringGrid>();
    grid->setAttribute(Qt::WA_DontShowOnScreen);
    grid->resize(600, 400);
    grid->setColCount(kCols);
    grid->setRowCount(kRows);
    for (int r = kTallEvery; r < kRows; r += kTallEvery)
        grid->setRowHeights(r, 40);
    for (int r = 1; r < kFilled; ++r)
        for (int c = 1; c < kCols; ++c)
            grid->setCells(c, r, QStringLiteral("Row %1").arg(r));
    grid->setScrollProportional(proportional);
    grid->show();
    QApplication::processEvents();
    QScrollBar *bar = verticalBarOf(*grid);
    for (auto _ : state) {
        grid->setTopRow(1);
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kSteps; ++i)
            stepDown(*bar);
        bench::record(state, side, bench::since(start));
        if (grid->TopRow() != 1 + kSteps)
            state.SkipWithError("the grid did not scroll");
    }
}
void Grid_ThousandProportionalScrollSteps(benchmark::State &state) { gridScrollSteps(state, true, "ours"); }
BENCHMARK(Grid_ThousandProportionalScrollSteps)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

// The same steps with the grid's row-count thumbs: what the pixel sizing costs.
void Grid_ThousandScrollSteps(benchmark::State &state) { gridScrollSteps(state, false, "ours, row thumbs"); }
BENCHMARK(Grid_ThousandScrollSteps)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void TableView_ThousandScrollSteps(benchmark::State &state)
{
    QStandardItemModel model(kRows, kCols);
    for (int r = 0; r < kFilled; ++r)
        for (int c = 0; c < kCols; ++c)
            model.setItem(r, c, new QStandardItem(QStringLiteral("Row %1").arg(r)));
    QTableView view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(600, 400);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.setModel(&model);
    for (int r = kTallEvery; r < kRows; r += kTallEvery)
        view.verticalHeader()->resizeSection(r, 40);
    view.show();
    QApplication::processEvents();
    QScrollBar *bar = view.verticalScrollBar();
    for (auto _ : state) {
        bar->setValue(0);
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kSteps; ++i)
            stepDown(*bar);
        bench::record(state, "qt", bench::since(start));
        if (bar->value() != kSteps)
            state.SkipWithError("the view did not scroll");
    }
}
BENCHMARK(TableView_ThousandScrollSteps)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    const int result = bench::runBenchmarks<QApplication>(argc, argv);
    bench::printMeanRatio("1,000 one-row scroll steps on a million rows (proportional thumbs)", "ours", "qt",
                          "QTableView");
    bench::printMeanRatio("the same steps with row-count thumbs", "ours, row thumbs", "qt", "QTableView");
    return result;
}
