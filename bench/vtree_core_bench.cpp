// The lazy tree's core beside QStandardItemModel doing the same work (and
// QTreeView over it where the work is a view's: expanding): memory per node,
// adding a million nodes flat and as 1000 x 1000, clearing them with free
// events, expanding and walking them.
#include "support/BenchMain.h"
#include "support/Smoke.h"

#include "controls/vtree/BaseLazyTree.h"

#include <QApplication>
#include <QStandardItemModel>
#include <QTreeView>
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

namespace {

using vtree::PLazyNode;
using vtree::TBaseLazyTree;

const int million = bench::sized(1000000, 2500);
const int thousand = bench::sized(1000, 50); // the square: thousand parents of thousand children

// Large blocks come from mmap and are counted apart.
std::size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

std::unique_ptr<TBaseLazyTree> newTree(bool autoSort)
{
    auto tree = std::make_unique<TBaseLazyTree>();
    tree->SetNodeDataSize(8); // one pointer, as the scan dialog's records hold
    if (!autoSort)
        tree->TreeOptions().SetAutoOptions(tree->TreeOptions().AutoOptions() - vtree::TLTAutoOption::toAutoSort);
    return tree;
}

void addFlat(TBaseLazyTree &tree, bool bracket)
{
    if (bracket)
        tree.BeginUpdate();
    for (int i = 0; i < million; ++i)
        tree.AddChild(nullptr);
    if (bracket)
        tree.EndUpdate();
}

void addSquare(TBaseLazyTree &tree, bool bracket)
{
    if (bracket)
        tree.BeginUpdate();
    for (int i = 0; i < thousand; ++i) {
        PLazyNode parent = tree.AddChild(nullptr);
        for (int j = 0; j < thousand; ++j)
            tree.AddChild(parent);
    }
    if (bracket)
        tree.EndUpdate();
}

void addFlat(QStandardItemModel &model)
{
    QStandardItem *root = model.invisibleRootItem();
    for (int i = 0; i < million; ++i)
        root->appendRow(new QStandardItem);
}

void addSquare(QStandardItemModel &model)
{
    QStandardItem *root = model.invisibleRootItem();
    for (int i = 0; i < thousand; ++i) {
        auto *parent = new QStandardItem;
        root->appendRow(parent);
        for (int j = 0; j < thousand; ++j)
            parent->appendRow(new QStandardItem);
    }
}

void setNodes(benchmark::State &state, std::int64_t nodes)
{
    state.counters["nodes/s"] = benchmark::Counter(static_cast<double>(nodes), benchmark::Counter::kIsIterationInvariantRate);
}

// ---- Memory ------------------------------------------------------------------

void Tree_BytesPerNode(benchmark::State &state)
{
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        auto tree = newTree(false);
        addFlat(*tree, true);
        const double perNode = static_cast<double>(heapInUse() - before) / million;
        state.counters["bytes/node"] = perNode;
        state.counters["beyond data"] = perNode - tree->NodeDataSize();
    }
}
BENCHMARK(Tree_BytesPerNode)->Iterations(1)->Unit(benchmark::kMillisecond);

void Model_BytesPerNode(benchmark::State &state)
{
    for (auto _ : state) {
        const std::size_t before = heapInUse();
        auto model = std::make_unique<QStandardItemModel>();
        addFlat(*model);
        state.counters["bytes/node"] = static_cast<double>(heapInUse() - before) / million;
    }
}
BENCHMARK(Model_BytesPerNode)->Iterations(1)->Unit(benchmark::kMillisecond);

// ---- Adding ------------------------------------------------------------------

// Arguments: update bracket, auto-sort option (on by default).
void Tree_AddFlat(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = newTree(state.range(1) != 0);
        state.ResumeTiming();
        addFlat(*tree, state.range(0) != 0);
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    setNodes(state, million);
}
BENCHMARK(Tree_AddFlat)->ArgNames({"bracket", "autosort"})->Args({0, 1})->Args({1, 1})->Args({0, 0})->Args({1, 0})->Unit(benchmark::kMillisecond);

void Model_AddFlat(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<QStandardItemModel>();
        state.ResumeTiming();
        addFlat(*model);
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    setNodes(state, million);
}
BENCHMARK(Model_AddFlat)->Unit(benchmark::kMillisecond);

void Tree_AddSquare(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = newTree(state.range(1) != 0);
        state.ResumeTiming();
        addSquare(*tree, state.range(0) != 0);
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    setNodes(state, million + thousand);
}
BENCHMARK(Tree_AddSquare)->ArgNames({"bracket", "autosort"})->Args({0, 1})->Args({1, 1})->Args({0, 0})->Args({1, 0})->Unit(benchmark::kMillisecond);

void Model_AddSquare(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<QStandardItemModel>();
        state.ResumeTiming();
        addSquare(*model);
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    setNodes(state, million + thousand);
}
BENCHMARK(Model_AddSquare)->Unit(benchmark::kMillisecond);

// ---- Clearing ------------------------------------------------------------------

// Every node carries data, so every one is reported to OnFreeNode.
void Tree_ClearWithFreeEvents(benchmark::State &state)
{
    std::int64_t freed = 0;
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = newTree(false);
        tree->OnFreeNode = [&freed](TBaseLazyTree *, PLazyNode) { ++freed; };
        tree->BeginUpdate();
        for (int i = 0; i < million; ++i)
            tree->AddChild(nullptr, &freed);
        tree->EndUpdate();
        state.ResumeTiming();
        tree->Clear();
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
    benchmark::DoNotOptimize(freed);
    setNodes(state, million);
}
BENCHMARK(Tree_ClearWithFreeEvents)->Unit(benchmark::kMillisecond);

void Model_Clear(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<QStandardItemModel>();
        addFlat(*model);
        state.ResumeTiming();
        model->clear();
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
    setNodes(state, million);
}
BENCHMARK(Model_Clear)->Unit(benchmark::kMillisecond);

// ---- Expanding: 1000 parents open, a million rows come into view ---------------

void Tree_FullExpand(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = newTree(false);
        addSquare(*tree, true);
        state.ResumeTiming();
        tree->FullExpand();
        state.PauseTiming();
        const bool allShown = tree->VisibleCount() == unsigned(million + thousand);
        tree.reset();
        state.ResumeTiming();
        if (!allShown) {
            state.SkipWithError("not every row shows");
            break;
        }
    }
    setNodes(state, million);
}
BENCHMARK(Tree_FullExpand)->Unit(benchmark::kMillisecond);

void TreeView_ExpandAll(benchmark::State &state)
{
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<QStandardItemModel>();
        addSquare(*model);
        auto view = std::make_unique<QTreeView>();
        view->setUniformRowHeights(true);
        view->setModel(model.get());
        state.ResumeTiming();
        view->expandAll();
        state.PauseTiming();
        view.reset();
        model.reset();
        state.ResumeTiming();
    }
    setNodes(state, million);
}
BENCHMARK(TreeView_ExpandAll)->Unit(benchmark::kMillisecond);

// ---- Walking a million nodes ------------------------------------------------------

struct Walked {
    Walked()
    {
        tree = newTree(false);
        addSquare(*tree, true);
        tree->ValidateNode(nullptr, true);
        tree->FullExpand();
        addSquare(model);
    }
    std::unique_ptr<TBaseLazyTree> tree;
    QStandardItemModel model;
};

Walked &walked()
{
    static Walked w;
    return w;
}

// Argument: 0 the plain links (NoInit), 1 the initialising walk, 2 rows only.
void Tree_Walk(benchmark::State &state)
{
    TBaseLazyTree &tree = *walked().tree;
    std::int64_t count = 0;
    for (auto _ : state) {
        count = 0;
        switch (state.range(0)) {
        case 0:
            for (PLazyNode node = tree.GetFirstNoInit(); node; node = tree.GetNextNoInit(node))
                ++count;
            break;
        case 1:
            for (PLazyNode node = tree.GetFirst(); node; node = tree.GetNext(node))
                ++count;
            break;
        default:
            for (PLazyNode node = tree.GetFirstVisible(); node; node = tree.GetNextVisible(node))
                ++count;
            break;
        }
        benchmark::DoNotOptimize(count);
    }
    setNodes(state, count);
}
BENCHMARK(Tree_Walk)->ArgName("form")->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

void walkItems(QStandardItem *item, std::int64_t &count)
{
    const int rows = item->rowCount();
    for (int row = 0; row < rows; ++row) {
        QStandardItem *child = item->child(row);
        ++count;
        walkItems(child, count);
    }
}

void Model_Walk(benchmark::State &state)
{
    QStandardItemModel &model = walked().model;
    std::int64_t count = 0;
    for (auto _ : state) {
        count = 0;
        walkItems(model.invisibleRootItem(), count);
        benchmark::DoNotOptimize(count);
    }
    setNodes(state, count);
}
BENCHMARK(Model_Walk)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    // Freed memory stays in the process, so that every run after the first
    // measures the work, not the system handing out fresh pages (which on a
    // loaded machine costs more than the work); the same for both sides.
    mallopt(M_MMAP_THRESHOLD, 256 << 20);
    mallopt(M_TRIM_THRESHOLD, 1 << 30);
    {
        auto tree = newTree(false);
        addSquare(*tree, true);
        QStandardItemModel model;
        addSquare(model);
    }
    // QTreeView needs an application object, never a screen.
    return bench::runBenchmarks<QApplication>(argc, argv);
}
