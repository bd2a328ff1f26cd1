// The lazy string tree's selection by keys and its incremental search beside
// QTreeView over QStandardItemModel: selecting all of a million top-level
// rows, Shift+End from the first of a million rows, and a search that finds
// nothing among a hundred thousand rows.
#include "support/BenchMain.h"
#include "support/Smoke.h"

#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "platform/Input.h"
#include "platform/ui/Beep.h"

#include <QApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTreeView>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

using namespace vtree;

const int kMillion = bench::sized(1000000, 3000);
const int kSearchRows = bench::sized(100000, 1000);

QStringList rowTexts(int rows)
{
    QStringList texts;
    texts.reserve(rows);
    for (int row = 0; row < rows; ++row)
        texts.append(QStringLiteral("Node %1").arg(row));
    return texts;
}

std::unique_ptr<TLazyStringTreeWidget> tree(const QStringList &texts)
{
    auto t = std::make_unique<TLazyStringTreeWidget>();
    t->setAttribute(Qt::WA_DontShowOnScreen);
    t->resize(800, 600);
    t->show();
    t->OnGetText = [&texts](TreeSender, PLazyNode Node, TColumnIndex, TLSTTextType Type, QString &Text) {
        if (Type == TLSTTextType::ttNormal)
            Text = texts[int(Node->Index)];
    };
    t->TreeOptions().SetSelectionOptions({TLTSelectionOption::toMultiSelect});
    t->SetRootNodeCount(std::uint32_t(texts.size()));
    t->WaitForPositionCache();
    t->UpdateScrollBars(true);
    return t;
}

struct View {
    explicit View(const QStringList &texts) : model(int(texts.size()), 1)
    {
        for (int row = 0; row < texts.size(); ++row)
            model.setItem(row, 0, new QStandardItem(texts[row]));
        view.setUniformRowHeights(true);
        view.setHeaderHidden(true);
        view.setSelectionMode(QAbstractItemView::ExtendedSelection);
        view.resize(800, 600);
        view.setModel(&model);
    }
    QStandardItemModel model;
    QTreeView view;
};

void sendKey(QWidget *widget, int key, Qt::KeyboardModifiers modifiers)
{
    QKeyEvent press(QEvent::KeyPress, key, modifiers);
    QApplication::sendEvent(widget, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers);
    QApplication::sendEvent(widget, &release);
}

// Times Work only; Reset brings the starting point back between the runs.
template <class Work, class Reset>
void measure(benchmark::State &state, Work work, Reset reset)
{
    for (auto _ : state) {
        work();
        state.PauseTiming();
        reset();
        state.ResumeTiming();
    }
}

void Tree_SelectAllOfAMillion(benchmark::State &state)
{
    const QStringList texts = rowTexts(kMillion);
    auto t = tree(texts);
    measure(state, [&] { t->SelectAll(true); }, [&] { t->ClearSelection(); });
}
BENCHMARK(Tree_SelectAllOfAMillion)->Unit(benchmark::kMillisecond);

void TreeView_SelectAllOfAMillion(benchmark::State &state)
{
    View v(rowTexts(kMillion));
    measure(state, [&] { v.view.selectAll(); }, [&] { v.view.clearSelection(); });
}
BENCHMARK(TreeView_SelectAllOfAMillion)->Unit(benchmark::kMillisecond);

void Tree_ShiftEndOverAMillion(benchmark::State &state)
{
    const QStringList texts = rowTexts(kMillion);
    auto t = tree(texts);
    sendKey(t.get(), Qt::Key_Home, {});
    measure(state, [&] { sendKey(t.get(), Qt::Key_End, Qt::ShiftModifier); }, [&] { sendKey(t.get(), Qt::Key_Home, {}); });
    sendKey(t.get(), Qt::Key_End, Qt::ShiftModifier);
    if (t->SelectedCount() != unsigned(kMillion))
        state.SkipWithError("Shift+End did not select every row");
}
BENCHMARK(Tree_ShiftEndOverAMillion)->Unit(benchmark::kMillisecond);

void TreeView_ShiftEndOverAMillion(benchmark::State &state)
{
    View v(rowTexts(kMillion));
    sendKey(&v.view, Qt::Key_Home, {});
    measure(state, [&] { sendKey(&v.view, Qt::Key_End, Qt::ShiftModifier); }, [&] { sendKey(&v.view, Qt::Key_Home, {}); });
    sendKey(&v.view, Qt::Key_End, Qt::ShiftModifier);
    if (v.view.selectionModel()->selectedRows().size() != kMillion)
        state.SkipWithError("Shift+End did not select every row");
}
BENCHMARK(TreeView_ShiftEndOverAMillion)->Unit(benchmark::kMillisecond);

// The range selection as the item view's selection model makes it directly.
void TreeView_RangeSelectionOfAMillion(benchmark::State &state)
{
    View v(rowTexts(kMillion));
    const QItemSelection range(v.model.index(0, 0), v.model.index(kMillion - 1, 0));
    measure(state, [&] { v.view.selectionModel()->select(range, QItemSelectionModel::ClearAndSelect); },
            [&] { v.view.clearSelection(); });
}
BENCHMARK(TreeView_RangeSelectionOfAMillion)->Unit(benchmark::kMillisecond);

void Tree_SearchMissOverAHundredThousand(benchmark::State &state)
{
    const QStringList texts = rowTexts(kSearchRows);
    auto t = tree(texts);
    t->SetIncrementalSearch(TLTIncrementalSearch::isAll);
    t->SetFocusedNode(t->GetFirst());
    platform::setMessageBeepHook([] {});
    measure(state, [&] { t->HandleIncrementalSearch(u'x'); }, [&] { t->StopIncrementalSearch(); });
    platform::setMessageBeepHook(nullptr);
}
BENCHMARK(Tree_SearchMissOverAHundredThousand)->Unit(benchmark::kMillisecond);

void TreeView_KeyboardSearchMissOverAHundredThousand(benchmark::State &state)
{
    View v(rowTexts(kSearchRows));
    v.view.setCurrentIndex(v.model.index(0, 0));
    // An empty search forgets the typed text, as the time-out does.
    measure(state, [&] { v.view.keyboardSearch(QStringLiteral("x")); }, [&] { v.view.keyboardSearch(QString()); });
}
BENCHMARK(TreeView_KeyboardSearchMissOverAHundredThousand)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    return bench::runBenchmarks<QApplication>(argc, argv);
}
