// The multi-column drop-down over 100,000 items of three columns, beside
// Qt doing the same job in the same run:
// - opening the popup with every column auto-sized, beside QTableView over
//   QStandardItemModel sizing its columns to every row's contents;
// - one key of the edit's type-ahead and one of the open list's, beside a
//   QCompleter's prefix match over the same texts.
// The ratios are printed at the end.
#include "support/BenchMain.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/ExColGrid.h"
#include "controls/dropdown/MultiColumnDropDown.h"
#include "support/Smoke.h"
#include "support/HostWindow.h"
#include "support/TimesReporter.h"

#include <QApplication>
#include <QCompleter>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

using bench::window;

using controls::multicol::TExMultiColumnDropDown;

int itemCount() { return bench::sized(100000, 300); }

// Meter names that share their first letters, as a real list's do.
QStringList row(int i)
{
    return {QStringLiteral("Meter %1").arg(i, 6, 10, QChar(u'0')),
            QStringLiteral("0x%1").arg(0x10000 + i, 5, 16, QChar(u'0')),
            QStringLiteral("Heat, building %1, floor %2").arg(i / 100).arg(i % 7)};
}


TExMultiColumnDropDown &dropDown()
{
    static TExMultiColumnDropDown *d = [] {
        auto *dropDown = TExMultiColumnDropDown::create<TExMultiColumnDropDown>(&window());
        dropDown->DropDownHeader().setVisible(false);
        dropDown->DropDownFooter().setVisible(false);
        for (int c = 0; c < 3; ++c)
            dropDown->Columns().Add()->setAutoSize(true);
        dropDown->BeginUpdate();
        for (int i = 0; i < itemCount(); ++i)
            dropDown->Items().Add()->setText(row(i));
        dropDown->EndUpdate();
        dropDown->move(10, 10);
        dropDown->show();
        return dropDown;
    }();
    return *d;
}

void key(QWidget &to, int code, const QString &text)
{
    QKeyEvent down(QEvent::KeyPress, code, Qt::NoModifier, text);
    QApplication::sendEvent(&to, &down);
    QKeyEvent up(QEvent::KeyRelease, code, Qt::NoModifier, text);
    QApplication::sendEvent(&to, &up);
}

void MultiColumn_OpenAutoSized(benchmark::State &state)
{
    TExMultiColumnDropDown &d = dropDown();
    for (auto _ : state) {
        d.ShowDropDown();
        d.HideDropDown(true);
    }
}

void QTableView_ResizeColumnsToContents(benchmark::State &state)
{
    QStandardItemModel model(itemCount(), 3);
    for (int i = 0; i < itemCount(); ++i) {
        const QStringList texts = row(i);
        for (int c = 0; c < 3; ++c)
            model.setItem(i, c, new QStandardItem(texts[c]));
    }
    QTableView view(&window());
    view.setModel(&model);
    view.horizontalHeader()->setResizeContentsPrecision(-1);
    view.resize(400, 200);
    view.show();
    for (auto _ : state)
        view.resizeColumnsToContents();
}

// The last item's whole name: every candidate before it is tried.
QString lastPrefix() { return row(itemCount() - 1)[0]; }

void MultiColumn_EditTypeAheadKey(benchmark::State &state)
{
    TExMultiColumnDropDown &d = dropDown();
    const QString typed = lastPrefix();
    for (auto _ : state) {
        d.setText(typed.left(typed.size() - 1));
        d.setCursorPosition(int(typed.size()) - 1);
        key(d, typed.back().toUpper().unicode(), typed.back());
    }
    if (d.ItemIndex() != itemCount() - 1)
        state.SkipWithError("the edit did not complete to the last item");
}

void MultiColumn_PopupTypeAheadKey(benchmark::State &state)
{
    TExMultiColumnDropDown &d = dropDown();
    const QString typed = lastPrefix();
    d.ShowDropDown();
    for (const QChar c : typed.left(typed.size() - 1))
        d.PopupLookupKey(c);
    const QString entry = d.LookupEntry();
    int row = -1;
    for (auto _ : state) {
        // The entry as before the last key, then the key.
        row = d.PopupLookupKey(typed.back());
        d.PopupLookupKey(QChar(8));
    }
    d.HideDropDown(true);
    if (row != itemCount() - 1)
        state.SkipWithError("the list did not find the last item");
}

void QCompleter_PrefixMatch(benchmark::State &state)
{
    QStringList names;
    for (int i = 0; i < itemCount(); ++i)
        names << row(i)[0];
    QStringListModel model(names);
    QCompleter completer(&model);
    completer.setCaseSensitivity(Qt::CaseInsensitive);
    completer.setModelSorting(QCompleter::UnsortedModel);
    const QString typed = lastPrefix();
    for (auto _ : state) {
        // A new prefix each round, as a key makes one.
        completer.setCompletionPrefix(typed.left(typed.size() - 1));
        completer.setCompletionPrefix(typed);
        benchmark::DoNotOptimize(completer.currentCompletion());
    }
}

BENCHMARK(MultiColumn_OpenAutoSized)->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));
BENCHMARK(QTableView_ResizeColumnsToContents)->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));
BENCHMARK(MultiColumn_EditTypeAheadKey)->Unit(benchmark::kMicrosecond)->Iterations(bench::rounds(50));
BENCHMARK(MultiColumn_PopupTypeAheadKey)->Unit(benchmark::kMicrosecond)->Iterations(bench::rounds(50));
BENCHMARK(QCompleter_PrefixMatch)->Unit(benchmark::kMicrosecond)->Iterations(bench::rounds(50));

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Processor time: the machine is shared, and the wall clock says more
    // about the other programs than about these.
    bench::TimesReporter reporter(bench::TimesReporter::Clock::Cpu);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("open auto-sized / QTableView resizeColumnsToContents", "MultiColumn_OpenAutoSized",
                        "QTableView_ResizeColumnsToContents");
    reporter.printRatio("edit type-ahead key / QCompleter prefix", "MultiColumn_EditTypeAheadKey",
                        "QCompleter_PrefixMatch");
    reporter.printRatio("popup type-ahead key / QCompleter prefix", "MultiColumn_PopupTypeAheadKey",
                        "QCompleter_PrefixMatch");
    benchmark::Shutdown();
    delete &window();
    return 0;
}
