// The lazy tree's sort, position cache and stream beside the same work done
// by std::stable_sort and QStandardItemModel: sorting a million siblings by
// an integer key, building the cache for a million rows and the longest stop
// of it, finding the row at an offset with and without the cache, and
// saving and loading a million nodes.
#include "support/BenchMain.h"
#include "support/Smoke.h"

#include "controls/vtree/BaseLazyTree.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QStandardItemModel>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <random>
#include <thread>

namespace {

using vtree::PLazyNode;
using vtree::TBaseLazyTree;

const int million = bench::sized(1000000, 3000);

std::vector<int> keys()
{
    std::mt19937 random(11);
    std::vector<int> out(million);
    for (int &k : out)
        k = std::uniform_int_distribution<int>(0, million)(random);
    return out;
}

std::unique_ptr<TBaseLazyTree> keyTree(const std::vector<int> &values)
{
    auto tree = std::make_unique<TBaseLazyTree>();
    tree->SetNodeDataSize(sizeof(int));
    tree->TreeOptions().SetAutoOptions(tree->TreeOptions().AutoOptions() - vtree::TLTAutoOption::toAutoSort);
    tree->BeginUpdate();
    for (int k : values)
        *tree->GetNodeData<int>(tree->AddChild(nullptr)) = k;
    tree->EndUpdate();
    tree->OnCompareNodes = [](TBaseLazyTree *t, PLazyNode a, PLazyNode b, vtree::TColumnIndex, int &result) {
        const int x = *static_cast<int *>(a->GetData()), y = *static_cast<int *>(b->GetData());
        result = (x > y) - (x < y);
        (void)t;
    };
    return tree;
}

void BM_SortTree(benchmark::State &state)
{
    const std::vector<int> values = keys();
    for (auto _ : state) {
        state.PauseTiming();
        auto tree = keyTree(values);
        state.ResumeTiming();
        tree->Sort(nullptr, 0, vtree::TSortDirection::sdAscending);
        state.PauseTiming();
        tree.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_SortTree)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_StableSortKeys(benchmark::State &state)
{
    const std::vector<int> values = keys();
    for (auto _ : state) {
        std::vector<int> copy = values;
        std::stable_sort(copy.begin(), copy.end());
        benchmark::DoNotOptimize(copy.data());
    }
}
BENCHMARK(BM_StableSortKeys)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same nodes, sorted as pointers with the same comparison reading their data.
void BM_StableSortNodes(benchmark::State &state)
{
    const std::vector<int> values = keys();
    auto tree = keyTree(values);
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<PLazyNode> nodes;
        for (PLazyNode n = tree->GetFirstNoInit(); n; n = n->NextSibling)
            nodes.push_back(n);
        state.ResumeTiming();
        std::stable_sort(nodes.begin(), nodes.end(), [](PLazyNode a, PLazyNode b) {
            return *static_cast<int *>(a->GetData()) < *static_cast<int *>(b->GetData());
        });
        benchmark::DoNotOptimize(nodes.data());
    }
}
BENCHMARK(BM_StableSortNodes)->Unit(benchmark::kMillisecond)->Iterations(3);

void fillModel(QStandardItemModel &model, const std::vector<int> &values)
{
    model.setColumnCount(1);
    for (int k : values) {
        auto *item = new QStandardItem; // owned by the model
        item->setData(k, Qt::DisplayRole);
        model.appendRow(item);
    }
}

void BM_QStandardItemModelSort(benchmark::State &state)
{
    const std::vector<int> values = keys();
    for (auto _ : state) {
        state.PauseTiming();
        auto model = std::make_unique<QStandardItemModel>();
        fillModel(*model, values);
        state.ResumeTiming();
        model->sort(0);
        // Freeing the model is not part of the sort; the loop ends timed.
        state.PauseTiming();
        model.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_QStandardItemModelSort)->Unit(benchmark::kMillisecond)->Iterations(2);

std::unique_ptr<TBaseLazyTree> rowTree()
{
    auto tree = std::make_unique<TBaseLazyTree>();
    tree->SetNodeDataSize(8);
    tree->BeginUpdate();
    tree->SetRootNodeCount(million);
    tree->EndUpdate();
    tree->StopCacheValidation();
    return tree;
}

void BM_BuildCache(benchmark::State &state)
{
    auto tree = rowTree();
    for (auto _ : state) {
        tree->MarkCacheStale();
        tree->ScheduleCacheValidation();
        benchmark::DoNotOptimize(tree->WaitForPositionCache());
    }
}
BENCHMARK(BM_BuildCache)->Unit(benchmark::kMillisecond)->Iterations(5);

// How long the interface thread waits when a change stops a running build.
void BM_StopStall(benchmark::State &state)
{
    auto tree = rowTree();
    std::vector<double> stalls;
    int round = 0;
    for (auto _ : state) {
        tree->MarkCacheStale();
        tree->ScheduleCacheValidation();
        // Stops land at spread points of a build that takes milliseconds.
        std::this_thread::sleep_for(std::chrono::microseconds(500 * (round++ % 40)));
        const auto start = std::chrono::steady_clock::now();
        tree->StopCacheValidation();
        stalls.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
    }
    // The longest stall and the median: on a busy machine the longest is
    // mostly the worker waiting for a core.
    std::sort(stalls.begin(), stalls.end());
    state.counters["longest_us"] = stalls.back();
    state.counters["median_us"] = stalls[stalls.size() / 2];
    state.counters["p90_us"] = stalls[stalls.size() * 9 / 10];
}
BENCHMARK(BM_StopStall)->Iterations(bench::rounds(200));

void nodeAt(benchmark::State &state, bool cached)
{
    auto tree = rowTree();
    if (cached) {
        tree->MarkCacheStale();
        tree->ScheduleCacheValidation();
        tree->WaitForPositionCache();
    }
    std::mt19937 random(3);
    const std::uint32_t height = tree->RootNode()->TotalHeight - tree->DefaultNodeHeight();
    for (auto _ : state) {
        std::uint32_t top = 0;
        benchmark::DoNotOptimize(tree->GetNodeAtOffset(std::uniform_int_distribution<std::uint32_t>(0, height - 1)(random), top));
    }
}
void BM_NodeAtCached(benchmark::State &state) { nodeAt(state, true); }
void BM_NodeAtWalk(benchmark::State &state) { nodeAt(state, false); }
BENCHMARK(BM_NodeAtCached)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_NodeAtWalk)->Unit(benchmark::kMicrosecond)->Iterations(20);

void BM_QStandardItemModelRowAt(benchmark::State &state)
{
    QStandardItemModel model;
    model.setRowCount(million);
    model.setColumnCount(1);
    std::mt19937 random(3);
    for (auto _ : state)
        benchmark::DoNotOptimize(model.index(std::uniform_int_distribution<int>(0, million - 1)(random), 0));
}
BENCHMARK(BM_QStandardItemModelRowAt)->Unit(benchmark::kMicrosecond);

void BM_SaveLoadTree(benchmark::State &state)
{
    const std::vector<int> values = keys();
    auto tree = keyTree(values);
    tree->OnSaveNode = [](TBaseLazyTree *, PLazyNode node, QIODevice *stream) { stream->write(static_cast<char *>(node->GetData()), 4); };
    tree->OnLoadNode = [](TBaseLazyTree *, PLazyNode node, QIODevice *stream) { stream->read(static_cast<char *>(node->GetData()), 4); };
    for (auto _ : state) {
        QByteArray bytes;
        QBuffer out(&bytes);
        out.open(QIODevice::WriteOnly);
        tree->SaveToStream(out);
        QBuffer in(&bytes);
        in.open(QIODevice::ReadOnly);
        tree->LoadFromStream(in);
        state.counters["bytes"] = static_cast<double>(bytes.size());
    }
}
BENCHMARK(BM_SaveLoadTree)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_QStandardItemModelSaveLoad(benchmark::State &state)
{
    const std::vector<int> values = keys();
    QStandardItemModel model;
    fillModel(model, values);
    for (auto _ : state) {
        QByteArray bytes;
        {
            QDataStream out(&bytes, QIODevice::WriteOnly);
            for (int row = 0; row < model.rowCount(); ++row)
                model.item(row)->write(out);
        }
        QStandardItemModel loaded;
        QDataStream in(bytes);
        for (int row = 0; row < million; ++row) {
            auto *item = new QStandardItem; // owned by the model
            item->read(in);
            loaded.appendRow(item);
        }
        benchmark::DoNotOptimize(loaded.rowCount());
    }
}
BENCHMARK(BM_QStandardItemModelSaveLoad)->Unit(benchmark::kMillisecond)->Iterations(2);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QCoreApplication>(argc, argv);
}
