// The string grid's clipboard text beside Qt doing the same job, in the
// same run: 100,000 rows of 10 cells copied as tab and line text (beside
// QStringList::join over the same cells read from the same grid), and that
// text pasted into an empty grid (beside QString::split into a
// QStandardItemModel). The ratios of the means are printed at the end; the
// goals are 1 or below for the copy and 1.5 or below for the paste.
#include "support/BenchMain.h"
#include "support/ManualTimes.h"
#include "support/Smoke.h"

#include "controls/grid/model/ExGrid.h"

#include <QApplication>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>

#include <chrono>
#include <memory>

namespace {

using namespace controls;
using Clock = std::chrono::steady_clock;

constexpr int kCols = 10;
const int kRows = bench::sized(100000, 100);

std::unique_ptr<TExStringGrid> makeGrid(int rows)
{
    auto grid = std::make_unique<TExStringGrid>();
    grid->setFixedRows(0);
    grid->setFixedCols(0);
    grid->setColCount(kCols);
    grid->setRowCount(rows);
    grid->setOptions(grid->Options() | goEditing);
    return grid;
}

TExStringGrid &sourceGrid()
{
    static const std::unique_ptr<TExStringGrid> grid = [] {
        auto g = makeGrid(kRows);
        for (int r = 0; r < kRows; ++r)
            for (int c = 0; c < kCols; ++c)
                g->setCells(c, r, QStringLiteral("meter %1 value %2").arg(r).arg(c));
        return g;
    }();
    return *grid;
}

const QString &copiedText()
{
    static const QString text = sourceGrid().RangeText({0, 0, kCols - 1, kRows - 1}, false);
    return text;
}

void Grid_CopyText(benchmark::State &state)
{
    TExStringGrid &grid = sourceGrid();
    for (auto _ : state) {
        const auto start = Clock::now();
        const QString text = grid.RangeText({0, 0, kCols - 1, kRows - 1}, false);
        bench::record(state, "copy_grid", bench::since(start));
        benchmark::DoNotOptimize(text.size());
    }
    state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(Grid_CopyText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));

// The peer reads the same cells from the same grid and joins them.
void Join_CopyText(benchmark::State &state)
{
    TExStringGrid &grid = sourceGrid();
    for (auto _ : state) {
        const auto start = Clock::now();
        QStringList lines;
        lines.reserve(kRows + 1);
        QStringList fields;
        for (int r = 0; r < kRows; ++r) {
            fields.clear();
            for (int c = 0; c < kCols; ++c)
                fields << grid.Cells(c, r);
            lines << fields.join(u'\t');
        }
        lines << QString();
        const QString text = lines.join(QStringLiteral("\r\n"));
        bench::record(state, "copy_join", bench::since(start));
        benchmark::DoNotOptimize(text.size());
    }
    state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(Join_CopyText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));

void Grid_PasteText(benchmark::State &state)
{
    const QString &text = copiedText();
    for (auto _ : state) {
        auto grid = makeGrid(1);
        int rows = 0, cols = 0;
        const auto start = Clock::now();
        grid->ParseTextToCells(text, 0, 0, rows, cols);
        bench::record(state, "paste_grid", bench::since(start));
        benchmark::DoNotOptimize(rows);
    }
    state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(Grid_PasteText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));

void Split_PasteText(benchmark::State &state)
{
    const QString &text = copiedText();
    for (auto _ : state) {
        QStandardItemModel model;
        const auto start = Clock::now();
        const QStringList lines = text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        model.setRowCount(int(lines.size()));
        model.setColumnCount(kCols);
        for (int r = 0; r < lines.size(); ++r) {
            const QStringList fields = lines[r].split(u'\t');
            for (int c = 0; c < fields.size(); ++c)
                model.setItem(r, c, new QStandardItem(fields[c]));
        }
        bench::record(state, "paste_split", bench::since(start));
        benchmark::DoNotOptimize(model.rowCount());
    }
    state.SetItemsProcessed(state.iterations() * kCols * kRows);
}
BENCHMARK(Split_PasteText)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));

} // namespace

int main(int argc, char **argv)
{
    const int result = bench::runBenchmarks<QApplication>(argc, argv);
    bench::printMeanRatio("copy 100k x 10 cells as text", "copy_grid", "copy_join", "QStringList::join");
    bench::printMeanRatio("paste 100k x 10 cells of text", "paste_grid", "paste_split",
                          "QString::split into QStandardItemModel");
    return result;
}
