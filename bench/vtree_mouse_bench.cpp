// The lazy string tree's window beside QTreeView over QStandardItemModel
// (uniform row heights) under the mouse: moves with hot tracking and clicks
// that select, on a thousand and on a million top-level rows, scrolled to
// the middle, and the lookups beneath them: the row under a point and
// bringing a row into view. Events go straight to the viewports; nothing is
// painted.
#include "support/BenchMain.h"

#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <QApplication>
#include <QMouseEvent>
#include <QStandardItemModel>
#include <QScrollBar>
#include <QTreeView>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace vtree;

constexpr int kEvents = 200;

std::unique_ptr<TLazyStringTreeWidget> tree(int rows)
{
    auto t = std::make_unique<TLazyStringTreeWidget>();
    t->setAttribute(Qt::WA_DontShowOnScreen);
    t->resize(800, 600);
    t->show();
    t->OnGetText = [](TreeSender, PLazyNode Node, TColumnIndex, TLSTTextType, QString &Text) {
        Text = QString::number(Node->Index);
    };
    TLTPaintOptions paint = t->TreeOptions().PaintOptions();
    paint.include(TLTPaintOption::toHotTrack);
    t->TreeOptions().SetPaintOptions(paint);
    t->SetRootNodeCount(std::uint32_t(rows));
    t->WaitForPositionCache();
    t->UpdateScrollBars(true);
    t->SetOffsetY(-(t->RangeY() - t->ClientHeight()) / 2);
    return t;
}

struct View {
    explicit View(int rows) : model(rows, 1)
    {
        for (int row = 0; row < rows; ++row)
            model.setItem(row, 0, new QStandardItem(QString::number(row)));
        view.setUniformRowHeights(true);
        view.setHeaderHidden(true);
        view.setAttribute(Qt::WA_DontShowOnScreen);
        view.resize(800, 600);
        view.setModel(&model);
        view.setMouseTracking(true);
        view.viewport()->setAttribute(Qt::WA_Hover);
        view.show();
        view.scrollTo(model.index(rows / 2, 0), QAbstractItemView::PositionAtTop);
    }
    QStandardItemModel model;
    QTreeView view;
};

// Points down the first rows' labels, one per event.
QPoint pointOf(int i) { return {12 + (i % 3), 9 + (i % 30) * 18}; }

void send(QWidget *viewport, QEvent::Type type, QPoint p, Qt::MouseButton button)
{
    QMouseEvent event(type, QPointF(p), QPointF(viewport->mapToGlobal(p)), button,
                      type == QEvent::MouseButtonPress ? Qt::MouseButtons(button) : Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(viewport, &event);
}

void Tree_HotTrackMoves(benchmark::State &state)
{
    auto t = tree(int(state.range(0)));
    for (auto _ : state)
        for (int i = 0; i < kEvents; ++i)
            send(t->viewport(), QEvent::MouseMove, pointOf(i), Qt::NoButton);
    state.counters["events/s"] = benchmark::Counter(kEvents, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Tree_HotTrackMoves)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void TreeView_HoverMoves(benchmark::State &state)
{
    View v(int(state.range(0)));
    QWidget *viewport = v.view.viewport();
    for (auto _ : state)
        for (int i = 0; i < kEvents; ++i) {
            const QPoint p = pointOf(i);
            send(viewport, QEvent::MouseMove, p, Qt::NoButton);
            QHoverEvent hover(QEvent::HoverMove, QPointF(p), QPointF(viewport->mapToGlobal(p)), QPointF(p));
            QApplication::sendEvent(viewport, &hover);
        }
    state.counters["events/s"] = benchmark::Counter(kEvents, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(TreeView_HoverMoves)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void Tree_ClickSelect(benchmark::State &state)
{
    auto t = tree(int(state.range(0)));
    for (auto _ : state)
        for (int i = 0; i < kEvents; ++i) {
            send(t->viewport(), QEvent::MouseButtonPress, pointOf(i), Qt::LeftButton);
            send(t->viewport(), QEvent::MouseButtonRelease, pointOf(i), Qt::LeftButton);
        }
    state.counters["clicks/s"] = benchmark::Counter(kEvents, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(Tree_ClickSelect)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

void TreeView_ClickSelect(benchmark::State &state)
{
    View v(int(state.range(0)));
    for (auto _ : state)
        for (int i = 0; i < kEvents; ++i) {
            send(v.view.viewport(), QEvent::MouseButtonPress, pointOf(i), Qt::LeftButton);
            send(v.view.viewport(), QEvent::MouseButtonRelease, pointOf(i), Qt::LeftButton);
        }
    state.counters["clicks/s"] = benchmark::Counter(kEvents, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(TreeView_ClickSelect)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond);

// The row under a point, as hot tracking and clicks find it: the tree's hit
// lookup beside QTreeView::indexAt, on the rows shown in the middle.
void Tree_NodeAt(benchmark::State &state)
{
    auto t = tree(int(state.range(0)));
    int i = 0;
    for (auto _ : state) {
        const QPoint p = pointOf(i++);
        benchmark::DoNotOptimize(t->GetNodeAt(p.x(), p.y()));
    }
}
BENCHMARK(Tree_NodeAt)->Arg(1000)->Arg(1000000)->Unit(benchmark::kNanosecond);

void TreeView_IndexAt(benchmark::State &state)
{
    View v(int(state.range(0)));
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(v.view.indexAt(pointOf(i++)));
}
BENCHMARK(TreeView_IndexAt)->Arg(1000)->Arg(1000000)->Unit(benchmark::kNanosecond);

// Bringing the last and the first row into view in turns, once both sides
// have laid their rows out.
void Tree_ScrollIntoView(benchmark::State &state)
{
    auto t = tree(int(state.range(0)));
    const PLazyNode ends[] = {t->GetLast(), t->GetFirst()};
    int i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(t->ScrollIntoView(ends[i++ % 2], false));
}
BENCHMARK(Tree_ScrollIntoView)->Arg(1000)->Arg(1000000)->Unit(benchmark::kNanosecond);

void TreeView_ScrollTo(benchmark::State &state)
{
    const int rows = int(state.range(0));
    View v(rows);
    v.view.doItemsLayout();
    const QModelIndex ends[] = {v.model.index(rows - 1, 0), v.model.index(0, 0)};
    int i = 0;
    for (auto _ : state) {
        v.view.scrollTo(ends[i++ % 2]);
        benchmark::DoNotOptimize(v.view.verticalScrollBar()->value());
    }
}
BENCHMARK(TreeView_ScrollTo)->Arg(1000)->Arg(1000000)->Unit(benchmark::kNanosecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
