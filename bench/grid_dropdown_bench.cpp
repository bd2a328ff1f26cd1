// The grid drop-down over 100,000 items of three columns, beside Qt doing
// the same job in the same run:
// - opening the popup: the items copied into the popup grid and every
//   column sized to its widest text, beside QTableView taking a
//   QStandardItemModel of the same rows and sizing its columns to every
//   row's contents;
// - one type-ahead key in the open popup, beside a QCompleter's prefix
//   match over the same names;
// - one narrow-down key, beside QSortFilterProxyModel::setFilterFixedString;
// - a header click sorting the popup grid, beside the proxy model's sort.
// The ratios are printed at the end.
#include "support/BenchMain.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/grid/ExGridDropDown.h"
#include "controls/dropdown/grid/PopupGrid.h"
#include "support/HostWindow.h"
#include "support/Smoke.h"
#include "support/TimesReporter.h"

#include <QApplication>
#include <QCompleter>
#include <QHeaderView>
#include <QMouseEvent>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QTableView>
#include <benchmark/benchmark.h>

namespace {

using bench::window;

using controls::griddd::TCustomExGridDropDown;
using controls::griddd::TExColGrid;

int itemCount() { return bench::sized(100000, 300); }

// Meter names that share their first letters, as a real list's do.
QStringList row(int i)
{
    return {QStringLiteral("Meter %1").arg(i, 6, 10, QChar(u'0')),
            QStringLiteral("0x%1").arg(0x10000 + i, 5, 16, QChar(u'0')),
            QStringLiteral("Heat, building %1, floor %2").arg(i / 100).arg(i % 7)};
}

TCustomExGridDropDown &dropDown()
{
    static TCustomExGridDropDown *d = [] {
        auto *dropDown = TCustomExGridDropDown::create<TCustomExGridDropDown>(&window());
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

QStandardItemModel &model()
{
    static QStandardItemModel *m = [] {
        auto *model = new QStandardItemModel(itemCount(), 3);
        for (int i = 0; i < itemCount(); ++i) {
            const QStringList texts = row(i);
            for (int c = 0; c < 3; ++c)
                model->setItem(i, c, new QStandardItem(texts[c]));
        }
        return model;
    }();
    return *m;
}

void GridDropDown_OpenAutoSized(benchmark::State &state)
{
    TCustomExGridDropDown &d = dropDown();
    for (auto _ : state) {
        d.ShowDropDown();
        d.HideDropDown(true);
    }
}

void QTableView_ModelAndResizeColumnsToContents(benchmark::State &state)
{
    const QStringList texts = [] {
        QStringList all;
        for (int i = 0; i < itemCount(); ++i)
            all << row(i);
        return all;
    }();
    for (auto _ : state) {
        QStandardItemModel model(itemCount(), 3);
        for (int i = 0; i < itemCount(); ++i)
            for (int c = 0; c < 3; ++c)
                model.setItem(i, c, new QStandardItem(texts[i * 3 + c]));
        QTableView view(&window());
        view.setModel(&model);
        view.horizontalHeader()->setResizeContentsPrecision(-1);
        view.resize(400, 200);
        view.show();
        view.resizeColumnsToContents();
        view.hide();
    }
}

// The last item's whole name: every candidate before it is tried.
QString lastPrefix() { return row(itemCount() - 1)[0]; }

void GridDropDown_TypeAheadKey(benchmark::State &state)
{
    TCustomExGridDropDown &d = dropDown();
    d.setLookupMethod(controls::griddd::lmLookup);
    const QString typed = lastPrefix();
    d.ShowDropDown();
    for (const QChar c : typed.left(typed.size() - 1))
        d.PopupLookupKey(c);
    int row = -1;
    for (auto _ : state) {
        row = d.ItemIndexToRow(d.PopupLookupKey(typed.back()));
        d.PopupLookupKey(QChar(8));
    }
    d.HideDropDown(true);
    if (row != itemCount())
        state.SkipWithError("the popup did not find the last item");
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
        completer.setCompletionPrefix(typed.left(typed.size() - 1));
        completer.setCompletionPrefix(typed);
        benchmark::DoNotOptimize(completer.currentCompletion());
    }
}

// "building 99" then its last digit: the key narrows a filter of one
// hundred rows down from a thousand.
QString narrowEntry() { return QStringLiteral("building %1").arg(itemCount() / 100 - 1); }

void GridDropDown_NarrowDownKey(benchmark::State &state)
{
    TCustomExGridDropDown &d = dropDown();
    d.setLookupMethod(controls::griddd::lmNarrowDown);
    d.setLookupColumn(2);
    d.ShowDropDown();
    const QString entry = narrowEntry();
    for (auto _ : state) {
        state.PauseTiming();
        d.PopupLookupKey(QChar(8));
        for (int i = 0; i < entry.size(); ++i)
            d.PopupLookupKey(QChar(8));
        d.GetExColGrid()->ShowAllRows();
        for (const QChar c : entry.left(entry.size() - 1))
            d.PopupLookupKey(c);
        state.ResumeTiming();
        d.PopupLookupKey(entry.back());
    }
    const int rows = d.GetExColGrid()->RowCount() - 1;
    d.HideDropDown(true);
    d.setLookupMethod(controls::griddd::lmLookup);
    d.setLookupColumn(0);
    if (rows != std::min(itemCount(), 100))
        state.SkipWithError(QStringLiteral("the narrow-down left %1 rows").arg(rows).toStdString().c_str());
}

void QSortFilterProxyModel_FilterFixedString(benchmark::State &state)
{
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model());
    proxy.setFilterKeyColumn(2);
    proxy.setFilterCaseSensitivity(Qt::CaseInsensitive);
    const QString entry = narrowEntry();
    for (auto _ : state) {
        state.PauseTiming();
        proxy.setFilterFixedString(entry.left(entry.size() - 1));
        state.ResumeTiming();
        proxy.setFilterFixedString(entry);
    }
    if (proxy.rowCount() != std::min(itemCount(), 100))
        state.SkipWithError("the proxy left another number of rows");
}

void GridDropDown_HeaderSort(benchmark::State &state)
{
    TCustomExGridDropDown &d = dropDown();
    d.setSorting(controls::griddd::gsSingleColumn);
    d.ShowDropDown();
    TExColGrid &grid = *d.GetExColGrid();
    const platform::TRect r = grid.CellRect(1, 0);
    const QPointF at((r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2);
    for (auto _ : state) {
        // Each click turns the direction round: every round sorts.
        QMouseEvent press(QEvent::MouseButtonPress, at, grid.mapToGlobal(at), Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QApplication::sendEvent(&grid, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, grid.mapToGlobal(at), Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QApplication::sendEvent(&grid, &release);
    }
    d.HideDropDown(true);
    d.setSorting(controls::griddd::gsNone);
}

void QSortFilterProxyModel_Sort(benchmark::State &state)
{
    QSortFilterProxyModel proxy;
    proxy.setSourceModel(&model());
    Qt::SortOrder order = Qt::AscendingOrder;
    for (auto _ : state) {
        proxy.sort(1, order);
        order = order == Qt::AscendingOrder ? Qt::DescendingOrder : Qt::AscendingOrder;
    }
}

BENCHMARK(GridDropDown_OpenAutoSized)->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(5));
BENCHMARK(QTableView_ModelAndResizeColumnsToContents)->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(3));
BENCHMARK(GridDropDown_TypeAheadKey)->Unit(benchmark::kMicrosecond)->Iterations(bench::rounds(50));
BENCHMARK(QCompleter_PrefixMatch)->Unit(benchmark::kMicrosecond)->Iterations(bench::rounds(50));
BENCHMARK(GridDropDown_NarrowDownKey)->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(10));
BENCHMARK(QSortFilterProxyModel_FilterFixedString)->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(10));
BENCHMARK(GridDropDown_HeaderSort)->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(4));
BENCHMARK(QSortFilterProxyModel_Sort)->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(4));

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    // Processor time: the machine is shared.
    bench::TimesReporter reporter(bench::TimesReporter::Clock::Cpu);
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.printRatio("open auto-sized / QTableView model + resizeColumnsToContents (<= 1.5)",
                        "GridDropDown_OpenAutoSized", "QTableView_ModelAndResizeColumnsToContents");
    reporter.printRatio("type-ahead key / QCompleter prefix (<= 2)", "GridDropDown_TypeAheadKey",
                        "QCompleter_PrefixMatch");
    reporter.printRatio("narrow-down key / setFilterFixedString (<= 1.5)", "GridDropDown_NarrowDownKey",
                        "QSortFilterProxyModel_FilterFixedString");
    reporter.printRatio("header sort / QSortFilterProxyModel sort (<= 1.5)", "GridDropDown_HeaderSort",
                        "QSortFilterProxyModel_Sort");
    benchmark::Shutdown();
    delete &model();
    delete &window();
    return 0;
}
