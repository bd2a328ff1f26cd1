// The base grid beside QStandardItemModel and QTableView doing the same
// work: a million cell writes and reads with a look on every tenth cell
// (time and memory), the rectangles of 2,000 merged areas near the end of a
// million rows, full repaints of a screen of cells, and a million undo
// registrations beside QUndoStack.
#include "support/BenchMain.h"
#include "support/Smoke.h"
#include "support/RenderFrames.h"

#include "controls/grid/base/widget/BaseGrid.h"
#include "controls/grid/base/widget/ExGridUndoRedo.h"

#include <QApplication>
#include <QHeaderView>
#include <QStandardItemModel>
#include <QTableView>
#include <QUndoStack>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>
#include <vector>

namespace {

using controls::TBaseGrid;

constexpr int kCols = 100;
const int kRows = bench::sized(10000, 100); // a million cells
const int kMillion = kCols * kRows;
constexpr int kAreas = 2000;

std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The texts written, made once so that neither side pays for them.
const std::vector<QString> &texts()
{
    static const std::vector<QString> all = [] {
        std::vector<QString> v;
        v.reserve(kMillion);
        for (int i = 0; i < kMillion; ++i)
            v.push_back(QString::number(std::int64_t{i} * 7919 % 100000));
        return v;
    }();
    return all;
}

void setCells(benchmark::State &state, std::int64_t cells)
{
    state.counters["cells/s"] =
        benchmark::Counter(static_cast<double>(cells), benchmark::Counter::kIsIterationInvariantRate);
}

// ---- Writes and reads ----------------------------------------------------------

std::unique_ptr<TBaseGrid> filledGrid()
{
    auto grid = std::make_unique<TBaseGrid>();
    grid->setColCount(kCols);
    grid->setRowCount(kRows);
    const std::vector<QString> &t = texts();
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col) {
            const int i = row * kCols + col;
            grid->setCells(col, row, t[static_cast<std::size_t>(i)]);
            if (i % 10 == 0)
                grid->CellProperties(col, row).FBrushColor = 0x00FFEE;
        }
    return grid;
}

std::unique_ptr<QStandardItemModel> filledModel()
{
    auto model = std::make_unique<QStandardItemModel>(kRows, kCols);
    const std::vector<QString> &t = texts();
    const QBrush brush(QColor(0xEE, 0xFF, 0x00));
    for (int row = 0; row < kRows; ++row)
        for (int col = 0; col < kCols; ++col) {
            const int i = row * kCols + col;
            auto *item = new QStandardItem(t[static_cast<std::size_t>(i)]);
            if (i % 10 == 0)
                item->setBackground(brush);
            model->setItem(row, col, item);
        }
    return model;
}

void Grid_WriteMillionCells(benchmark::State &state)
{
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        auto grid = filledGrid();
        state.counters["bytes/cell"] = static_cast<double>(heapInUse() - before) / kMillion;
        state.PauseTiming();
        grid.reset();
        state.ResumeTiming();
    }
    setCells(state, kMillion);
}
BENCHMARK(Grid_WriteMillionCells)->Unit(benchmark::kMillisecond);

void Model_WriteMillionCells(benchmark::State &state)
{
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        auto model = filledModel();
        state.counters["bytes/cell"] = static_cast<double>(heapInUse() - before) / kMillion;
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    setCells(state, kMillion);
}
BENCHMARK(Model_WriteMillionCells)->Unit(benchmark::kMillisecond);

void Grid_ReadMillionCells(benchmark::State &state)
{
    const auto grid = filledGrid();
    for (auto _ : state) {
        qsizetype length = 0;
        int colored = 0;
        for (int row = 0; row < kRows; ++row)
            for (int col = 0; col < kCols; ++col) {
                length += grid->Cells(col, row).size();
                if (grid->CellHasProperties(col, row) && grid->GetGridObject(col, row)->FBrushColor == 0x00FFEE)
                    ++colored;
            }
        benchmark::DoNotOptimize(length);
        benchmark::DoNotOptimize(colored);
    }
    setCells(state, kMillion);
}
BENCHMARK(Grid_ReadMillionCells)->Unit(benchmark::kMillisecond);

void Model_ReadMillionCells(benchmark::State &state)
{
    const auto model = filledModel();
    for (auto _ : state) {
        qsizetype length = 0;
        int colored = 0;
        for (int row = 0; row < kRows; ++row)
            for (int col = 0; col < kCols; ++col) {
                const QModelIndex index = model->index(row, col);
                length += index.data(Qt::DisplayRole).toString().size();
                if (index.data(Qt::BackgroundRole).isValid())
                    ++colored;
            }
        benchmark::DoNotOptimize(length);
        benchmark::DoNotOptimize(colored);
    }
    setCells(state, kMillion);
}
BENCHMARK(Model_ReadMillionCells)->Unit(benchmark::kMillisecond);

// ---- Rectangles of merged areas far down -----------------------------------

// 2,000 areas of 2 x 2 in the last 8,000 of a million rows, a few rows
// taller than the rest all the way down; the view shows the last page.
void Grid_MergedRectsNearTheEnd(benchmark::State &state)
{
    TBaseGrid grid;
    grid.resize(1200, 800);
    grid.setColCount(10);
    grid.setRowCount(kMillion);
    for (int row = 1; row < kMillion; row += 997)
        grid.setRowHeights(row, 31);
    const int first = kMillion - 4 * kAreas;
    for (int i = 0; i < kAreas; ++i)
        grid.MergeCells(1 + i % 8, first + 4 * i, 2, 2);
    grid.setTopRow(grid.MaxTopRow());
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (int i = 0; i < kAreas; ++i) {
            const platform::TRect r = grid.CellRect(2 + i % 8, first + 4 * i + 1);
            sum += r.Top + r.Bottom;
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["rects/s"] = benchmark::Counter(kAreas, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Grid_MergedRectsNearTheEnd)->Unit(benchmark::kMicrosecond);

void TableView_MergedRectsNearTheEnd(benchmark::State &state)
{
    QStandardItemModel model(kMillion, 10);
    QTableView view;
    view.resize(1200, 800);
    view.setModel(&model);
    for (int row = 1; row < kMillion; row += 997)
        view.setRowHeight(row, 31);
    const int first = kMillion - 4 * kAreas;
    for (int i = 0; i < kAreas; ++i)
        view.setSpan(first + 4 * i, 1 + i % 8, 2, 2);
    view.scrollToBottom();
    for (auto _ : state) {
        std::int64_t sum = 0;
        for (int i = 0; i < kAreas; ++i) {
            const QRect r = view.visualRect(model.index(first + 4 * i + 1, 2 + i % 8));
            sum += r.top() + r.bottom();
        }
        benchmark::DoNotOptimize(sum);
    }
    state.counters["rects/s"] = benchmark::Counter(kAreas, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(TableView_MergedRectsNearTheEnd)->Unit(benchmark::kMicrosecond);

// ---- Full repaints ---------------------------------------------------------------

const int kRepaints = bench::rounds(200);

void Grid_FullRepaint(benchmark::State &state)
{
    TBaseGrid grid;
    grid.resize(1200, 800);
    grid.setColCount(40);
    grid.setRowCount(200);
    for (int row = 0; row < 200; ++row)
        for (int col = 0; col < 40; ++col)
            grid.setCells(col, row, texts()[static_cast<std::size_t>(row * 40 + col)]);
    for (auto _ : state) {
        for (int i = 0; i < kRepaints; ++i)
            benchmark::DoNotOptimize(grid.paintToImage());
    }
    state.counters["frames/s"] = benchmark::Counter(kRepaints, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Grid_FullRepaint)->Unit(benchmark::kMillisecond);

void TableView_FullRepaint(benchmark::State &state)
{
    QStandardItemModel model(200, 40);
    for (int row = 0; row < 200; ++row)
        for (int col = 0; col < 40; ++col)
            model.setItem(row, col, new QStandardItem(texts()[static_cast<std::size_t>(row * 40 + col)]));
    QTableView view;
    view.resize(1200, 800);
    view.setModel(&model);
    // The grid's shape: 64 x 24 cells under one fixed row and column.
    view.horizontalHeader()->setDefaultSectionSize(64);
    view.verticalHeader()->setDefaultSectionSize(24);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    bench::renderFrames(state, view, kRepaints);
}
BENCHMARK(TableView_FullRepaint)->Unit(benchmark::kMillisecond);

// ---- Undo registrations ------------------------------------------------------------

void Grid_MillionUndoRegistrations(benchmark::State &state)
{
    const std::vector<QString> &t = texts();
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        controls::TExGridUndoRedo undo;
        for (int i = 0; i < kMillion; ++i)
            undo.RegisterChange({i % kCols, i / kCols, t[static_cast<std::size_t>(i)],
                                 t[static_cast<std::size_t>(kMillion - 1 - i)]});
        state.counters["bytes/change"] = static_cast<double>(heapInUse() - before) / kMillion;
    }
    state.counters["changes/s"] = benchmark::Counter(kMillion, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Grid_MillionUndoRegistrations)->Unit(benchmark::kMillisecond);

// The same record as a command: the cell and both texts; pushing runs redo,
// which has nothing to do the first time.
class CellChangeCommand : public QUndoCommand {
public:
    CellChangeCommand(int col, int row, QString oldValue, QString newValue)
        : m_col(col), m_row(row), m_old(std::move(oldValue)), m_new(std::move(newValue))
    {
    }
    void undo() override { benchmark::DoNotOptimize(m_old); }
    void redo() override { benchmark::DoNotOptimize(m_new); }

private:
    int m_col;
    int m_row;
    QString m_old;
    QString m_new;
};

void UndoStack_MillionPushes(benchmark::State &state)
{
    const std::vector<QString> &t = texts();
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        QUndoStack stack;
        for (int i = 0; i < kMillion; ++i)
            stack.push(new CellChangeCommand(i % kCols, i / kCols, t[static_cast<std::size_t>(i)],
                                             t[static_cast<std::size_t>(kMillion - 1 - i)]));
        state.counters["bytes/change"] = static_cast<double>(heapInUse() - before) / kMillion;
    }
    state.counters["changes/s"] = benchmark::Counter(kMillion, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(UndoStack_MillionPushes)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Freed memory stays in the process, the same for both sides, so that
    // later runs measure the work rather than fresh pages.
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    texts();
    return bench::runBenchmarks<QApplication>(argc, argv);
}
