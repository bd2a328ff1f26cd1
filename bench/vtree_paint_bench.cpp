// The lazy string tree's window beside QTreeView with uniform row heights
// over QStandardItemModel: an 800 x 600 view painted at the top, the middle
// and the bottom of a thousand and of a million top-level rows, and the last
// of a million rows scrolled into view. The tree is painted both with its
// position cache built and before the cache exists (every paint then walks
// the rows from the first).
#include "support/BenchMain.h"
#include "support/Smoke.h"
#include "support/RenderFrames.h"

#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <QApplication>
#include <QStandardItemModel>
#include <QScrollBar>
#include <QTreeView>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace vtree;

const int kRepaints = bench::rounds(20);
const int kMillionRows = bench::sized(1000000, 3000);

enum Where { Top, Middle, Bottom };

// A tree whose position cache is never built.
class UncachedTree : public TLazyStringTreeWidget {
public:
    void ScheduleCacheValidation() override {}
};

enum Cache { Built, NotYet };

std::unique_ptr<TLazyStringTreeWidget> tree(int rows, Cache cache = Built)
{
    std::unique_ptr<TLazyStringTreeWidget> t =
        cache == Built ? std::make_unique<TLazyStringTreeWidget>() : std::make_unique<UncachedTree>();
    t->setAttribute(Qt::WA_DontShowOnScreen);
    t->resize(800, 600);
    t->show();
    t->OnGetText = [](TreeSender, PLazyNode Node, TColumnIndex, TLSTTextType, QString &Text) {
        Text = QString::number(Node->Index);
    };
    t->SetRootNodeCount(std::uint32_t(rows));
    if (cache == Built)
        t->WaitForPositionCache();
    t->UpdateScrollBars(true);
    return t;
}

void scrollTo(TLazyStringTreeWidget &t, Where where)
{
    const int range = t.RangeY() - t.ClientHeight();
    t.SetOffsetY(where == Top ? 0 : where == Middle ? -range / 2 : -range);
}

void paintRepeatedly(benchmark::State &state, Cache cache)
{
    auto t = tree(int(state.range(0)), cache);
    scrollTo(*t, Where(state.range(1)));
    for (auto _ : state)
        for (int i = 0; i < kRepaints; ++i)
            benchmark::DoNotOptimize(t->paintToImage());
    state.counters["frames/s"] = benchmark::Counter(kRepaints, benchmark::Counter::kIsIterationInvariantRate);
}

void Tree_Paint(benchmark::State &state) { paintRepeatedly(state, Built); }
BENCHMARK(Tree_Paint)->ArgsProduct({{1000, kMillionRows}, {Top, Middle, Bottom}})->Unit(benchmark::kMillisecond);

void Tree_PaintBeforeTheCacheExists(benchmark::State &state) { paintRepeatedly(state, NotYet); }
BENCHMARK(Tree_PaintBeforeTheCacheExists)
    ->ArgsProduct({{1000, kMillionRows}, {Top, Middle, Bottom}})
    ->Unit(benchmark::kMillisecond);

void TreeView_Paint(benchmark::State &state)
{
    const int rows = int(state.range(0));
    QStandardItemModel model(rows, 1);
    for (int row = 0; row < rows; ++row)
        model.setItem(row, 0, new QStandardItem(QString::number(row)));
    QTreeView view;
    view.setUniformRowHeights(true);
    view.setHeaderHidden(true);
    view.resize(800, 600);
    view.setModel(&model);
    const Where where = Where(state.range(1));
    const QModelIndex target = model.index(where == Top ? 0 : where == Middle ? rows / 2 : rows - 1, 0);
    view.scrollTo(target, where == Bottom ? QAbstractItemView::PositionAtBottom : QAbstractItemView::PositionAtTop);
    bench::renderFrames(state, view, kRepaints);
}
BENCHMARK(TreeView_Paint)->ArgsProduct({{1000, kMillionRows}, {Top, Middle, Bottom}})->Unit(benchmark::kMillisecond);

void Tree_ScrollIntoViewLastOfAMillion(benchmark::State &state)
{
    auto t = tree(kMillionRows);
    PLazyNode last = t->GetLast();
    for (auto _ : state) {
        t->SetOffsetY(0);
        benchmark::DoNotOptimize(t->ScrollIntoView(last, false));
    }
}
BENCHMARK(Tree_ScrollIntoViewLastOfAMillion)->Unit(benchmark::kMicrosecond);

void TreeView_ScrollToLastOfAMillion(benchmark::State &state)
{
    QStandardItemModel model(kMillionRows, 1);
    for (int row = 0; row < kMillionRows; ++row)
        model.setItem(row, 0, new QStandardItem(QString::number(row)));
    QTreeView view;
    view.setUniformRowHeights(true);
    view.resize(800, 600);
    view.setModel(&model);
    const QModelIndex last = model.index(kMillionRows - 1, 0);
    for (auto _ : state) {
        view.scrollToTop();
        view.scrollTo(last);
        benchmark::DoNotOptimize(view.verticalScrollBar()->value());
    }
}
BENCHMARK(TreeView_ScrollToLastOfAMillion)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
