// FindFirst of the string grid over a million rows of ten cells, for a
// text only the last cell holds, beside QStandardItemModel::match looking
// through the same ten columns for the same text. Both compare without
// case and walk every cell. The ratio of the means is printed at the end.
#include "support/BenchMain.h"
#include "support/ManualTimes.h"
#include "support/Smoke.h"

#include "controls/grid/model/ExGrid.h"

#include <QApplication>
#include <QStandardItemModel>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int kCols = 10;
int rowCount() { return bench::sized(1000000, 2000); }

// One shared text in every cell but the last, as the grid and the model
// each hold it: the measure is the walk, not the memory of ten million texts.
const QString &hay()
{
    static const QString text = QStringLiteral("meter reading 0042");
    return text;
}
const QString &needle()
{
    static const QString text = QStringLiteral("Needle");
    return text;
}

std::unique_ptr<controls::TExStringGrid> &grid()
{
    static std::unique_ptr<controls::TExStringGrid> g;
    return g;
}

std::unique_ptr<QStandardItemModel> &model()
{
    static std::unique_ptr<QStandardItemModel> m;
    return m;
}

void Grid_FindFirst(benchmark::State &state)
{
    if (!grid()) {
        grid() = std::make_unique<controls::TExStringGrid>();
        controls::TExStringGrid &g = *grid();
        g.setColCount(kCols);
        g.setRowCount(rowCount());
        g.setFixedRows(0);
        g.setFixedCols(0);
        for (int r = 0; r < rowCount(); ++r)
            for (int c = 0; c < kCols; ++c)
                g.SetGridCell(c, r, hay());
        g.SetGridCell(kCols - 1, rowCount() - 1, needle());
    }
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        const QPoint hit = grid()->FindFirst(QStringLiteral("needle"), {});
        bench::record(state, "find_grid", bench::since(start));
        if (hit != QPoint(kCols - 1, rowCount() - 1))
            state.SkipWithError("the grid missed the cell");
    }
    grid().reset();
}
BENCHMARK(Grid_FindFirst)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));

void Model_Match(benchmark::State &state)
{
    if (!model()) {
        model() = std::make_unique<QStandardItemModel>(rowCount(), kCols);
        QStandardItemModel &m = *model();
        for (int r = 0; r < rowCount(); ++r)
            for (int c = 0; c < kCols; ++c)
                m.setItem(r, c, new QStandardItem(hay()));
        m.item(rowCount() - 1, kCols - 1)->setText(needle());
    }
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        QModelIndexList hits;
        for (int c = 0; c < kCols && hits.isEmpty(); ++c)
            hits = model()->match(model()->index(0, c), Qt::DisplayRole, QStringLiteral("needle"), 1,
                                  Qt::MatchContains);
        bench::record(state, "find_model", bench::since(start));
        if (hits.size() != 1 || hits.front().row() != rowCount() - 1)
            state.SkipWithError("the model missed the cell");
    }
    model().reset();
}
BENCHMARK(Model_Match)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));

} // namespace

int main(int argc, char **argv)
{
    const int result = bench::runBenchmarks<QApplication>(argc, argv, [] {
        grid().reset();
        model().reset();
    });
    bench::printMeanRatio("FindFirst over 1M x 10 cells", "find_grid", "find_model", "QStandardItemModel::match");
    return result;
}
