// The string grid's painting beside QTableView over QStandardItemModel: a
// 1920 x 1080 viewport of a million-row grid at its first row and at row
// 500,000, and of a thousand-row grid, each repainted whole. A repaint
// costs the rows in view, not the rows in the grid.
#include "support/BenchMain.h"
#include "support/RenderFrames.h"

#include "controls/grid/model/ExGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using controls::TExStringGrid;

constexpr int kCols = 30;
constexpr int kRepaints = 20;

// Texts of one length wherever the row is, so that each viewport draws the same.
QString text(int col, int row) { return QStringLiteral("%1:%2").arg(col, 2, 10, QChar(u' ')).arg(row, 7, 10, QChar(u'0')); }

std::unique_ptr<TExStringGrid> grid(int rows, int topRow)
{
    auto g = std::make_unique<TExStringGrid>();
    g->resize(1920, 1080);
    g->setColCount(kCols);
    g->setRowCount(rows);
    for (int row = topRow; row < std::min(rows, topRow + 60); ++row)
        for (int col = 0; col < kCols; ++col)
            g->setCells(col, row, text(col, row));
    g->setTopRow(topRow);
    return g;
}

void repaint(benchmark::State &state, TExStringGrid &g)
{
    for (auto _ : state)
        for (int i = 0; i < kRepaints; ++i)
            benchmark::DoNotOptimize(g.paintToImage());
    state.counters["frames/s"] = benchmark::Counter(kRepaints, benchmark::Counter::kIsIterationInvariantRate);
}

void Grid_MillionRowsAtTop(benchmark::State &state)
{
    const auto g = grid(1000000, 1);
    repaint(state, *g);
}
BENCHMARK(Grid_MillionRowsAtTop)->Unit(benchmark::kMillisecond);

void Grid_MillionRowsAtHalf(benchmark::State &state)
{
    const auto g = grid(1000000, 500000);
    repaint(state, *g);
}
BENCHMARK(Grid_MillionRowsAtHalf)->Unit(benchmark::kMillisecond);

void Grid_ThousandRows(benchmark::State &state)
{
    const auto g = grid(1000, 1);
    repaint(state, *g);
}
BENCHMARK(Grid_ThousandRows)->Unit(benchmark::kMillisecond);

void TableView_ThousandRows(benchmark::State &state)
{
    QStandardItemModel model(1000, kCols);
    for (int row = 0; row < 1000; ++row)
        for (int col = 0; col < kCols; ++col)
            model.setItem(row, col, new QStandardItem(text(col, row)));
    QTableView view;
    view.resize(1920, 1080);
    view.setModel(&model);
    // The grid's shape: 64 x 22 cells.
    view.horizontalHeader()->setDefaultSectionSize(64);
    view.verticalHeader()->setDefaultSectionSize(22);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    bench::renderFrames(state, view, kRepaints);
}
BENCHMARK(TableView_ThousandRows)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv) { return bench::runBenchmarks<QApplication>(argc, argv); }
