// The string grid's sort and filter cores beside the usual ways of doing
// the same: sorting a million rows of five cells by a number column and by
// a text column, beside std::stable_sort over (key, row) pairs with the
// same comparison and the same row moves; and filtering half of a million
// rows out and back in, beside QSortFilterProxyModel testing the same
// condition. Compare the lines of one run; the ratios are printed at the
// end.
#include "support/BenchMain.h"
#include "support/ManualTimes.h"
#include "support/Smoke.h"

#include "controls/grid/base/AxisSizes.h"
#include "controls/grid/base/CellTable.h"
#include "controls/grid/base/GridObject.h"
#include "controls/grid/model/core/FilterMatch.h"
#include "controls/grid/model/core/HiddenRows.h"
#include "controls/grid/model/core/SortCompare.h"
#include "controls/grid/model/core/SortKernel.h"

#include <QAbstractTableModel>
#include <QCoreApplication>
#include <QSortFilterProxyModel>
#include <benchmark/benchmark.h>

#include <array>
#include <chrono>
#include <cstdio>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using Row = std::array<QString, 5>;

int rowCount() { return bench::sized(1000000, 2000); }

// Column 0 numbers, column 1 words, the rest filler; the same every call.
const std::vector<Row> &table()
{
    static const std::vector<Row> rows = [] {
        std::vector<Row> v(static_cast<std::size_t>(rowCount()));
        std::mt19937 rng(42);
        for (std::size_t i = 0; i < v.size(); ++i) {
            v[i][0] = QString::number(static_cast<double>(rng() % 10000000) / 100.0, 'f', 2);
            QString word(8, u'a');
            for (QChar &c : word)
                c = QChar(u'a' + static_cast<char16_t>(rng() % 26));
            v[i][1] = word;
            v[i][2] = QString::number(static_cast<int>(i));
            v[i][3] = QStringLiteral("x");
            v[i][4] = QString();
        }
        return v;
    }();
    return rows;
}

std::vector<QString> columnOf(const std::vector<Row> &rows, int col)
{
    std::vector<QString> texts;
    texts.reserve(rows.size());
    for (const Row &r : rows)
        texts.push_back(r[static_cast<std::size_t>(col)]);
    return texts;
}

controls::TSortKeyRule ruleFor(controls::TSortStyle style)
{
    controls::TSortKeyRule rule;
    rule.Style = style;
    rule.Format = controls::TFormatSettings{};
    return rule;
}

void sortOurs(benchmark::State &state, int col, controls::TSortStyle style, const char *name)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<Row> rows = table();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        controls::TSortColumnRule column;
        column.MakeKeys = [&] { return controls::TColumnSortKeys::fromTexts(columnOf(rows, col), ruleFor(style)); };
        controls::TRowSortComparer comparer({column}, false, controls::blFirst);
        const std::vector<int> order = comparer.sortedOrder(static_cast<int>(rows.size()));
        controls::applySortOrder(order, [&](int i, int j) {
            std::swap(rows[static_cast<std::size_t>(i)], rows[static_cast<std::size_t>(j)]);
        });
        benchmark::DoNotOptimize(rows.front()[0]);
        bench::record(state, name, bench::since(start));
    }
}

// The same keys in (key, row) pairs, std::stable_sort, the same moves.
template <class Key, class MakeKey, class Less>
void sortStd(benchmark::State &state, int col, MakeKey makeKey, Less less, const char *name)
{
    for (auto _ : state) {
        state.PauseTiming();
        std::vector<Row> rows = table();
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        std::vector<std::pair<Key, int>> pairs;
        pairs.reserve(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i)
            pairs.emplace_back(makeKey(rows[i][static_cast<std::size_t>(col)]), static_cast<int>(i));
        std::stable_sort(pairs.begin(), pairs.end(), [&](const auto &a, const auto &b) { return less(a.first, b.first); });
        std::vector<int> order;
        order.reserve(pairs.size());
        for (const auto &p : pairs)
            order.push_back(p.second);
        controls::applySortOrder(order, [&](int i, int j) {
            std::swap(rows[static_cast<std::size_t>(i)], rows[static_cast<std::size_t>(j)]);
        });
        benchmark::DoNotOptimize(rows.front()[0]);
        bench::record(state, name, bench::since(start));
    }
}

void Grid_SortNumbers(benchmark::State &state) { sortOurs(state, 0, controls::ssNumeric, "sort_num_grid"); }
BENCHMARK(Grid_SortNumbers)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(3));

void Std_SortNumbers(benchmark::State &state)
{
    const controls::TSortKeyRule rule = ruleFor(controls::ssNumeric);
    using Key = std::pair<bool, double>; // a number, its value
    sortStd<Key>(
        state, 0,
        [&](const QString &t) {
            const std::optional<double> v = controls::sortNumberOf(t, rule);
            return Key{v.has_value(), v.value_or(0)};
        },
        [](const Key &a, const Key &b) { return a.first != b.first ? !a.first : a.second < b.second; },
        "sort_num_std");
}
BENCHMARK(Std_SortNumbers)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(3));

void Grid_SortTexts(benchmark::State &state) { sortOurs(state, 1, controls::ssAlphabetic, "sort_text_grid"); }
BENCHMARK(Grid_SortTexts)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(3));

void Std_SortTexts(benchmark::State &state)
{
    sortStd<QString>(
        state, 1, [](const QString &t) { return t; },
        [](const QString &a, const QString &b) { return QString::compare(a, b, Qt::CaseSensitive) < 0; },
        "sort_text_std");
}
BENCHMARK(Std_SortTexts)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(3));

// Half of the rows fail: column 2 holds the row number.
controls::TFilterData halfCondition()
{
    controls::TFilterData item;
    item.Column = 2;
    item.Condition = QStringLiteral("<") + QString::number(rowCount() / 2);
    item.Data = controls::fcNormal;
    item.Operation = controls::foNONE;
    return item;
}

// A filter level as the grid applies it, on the grid's own stores (the
// cell table and the row heights of the base grid): the failing rows leave
// in one pass, their cells moved out whole into the hidden rows, and come
// back in one pass at their places when the level is lifted.
void Grid_FilterHalf(benchmark::State &state)
{
    using Store = controls::TCellTable<controls::TGridObject>;
    const std::vector<controls::TFilterData> items{halfCondition()};
    const std::vector<Row> &rows = table();
    const int total = static_cast<int>(rows.size());
    for (auto _ : state) {
        state.PauseTiming();
        Store store;
        store.resize(5, total);
        for (int r = 0; r < total; ++r)
            for (int c = 0; c < 5; ++c)
                store.setText(c, r, rows[static_cast<std::size_t>(r)][static_cast<std::size_t>(c)]);
        controls::TAxisSizes heights(20);
        heights.setCount(total);
        state.ResumeTiming();
        const auto start = std::chrono::steady_clock::now();
        controls::THiddenRows<Store::Row> hidden;
        // Room for every row once: no list grows while rows are matched.
        std::vector<controls::THiddenRow<Store::Row>> taken;
        std::vector<int> failing;
        taken.reserve(static_cast<std::size_t>(total));
        failing.reserve(static_cast<std::size_t>(total));
        const auto textOf = [&](int r) {
            return [&store, r](const controls::TFilterData &d) { return store.text(d.Column, r); };
        };
        for (int r = 0; r < total; ++r) {
            if (controls::matchFilterRow(items, textOf(r)))
                continue;
            failing.push_back(r);
            taken.push_back({r, heights.size(r), 1, controls::THideReason::Filter, store.takeRow(r)});
        }
        store.removeRowList(failing);
        heights.removeList(failing);
        hidden.addAll(std::move(taken));
        benchmark::DoNotOptimize(hidden.realOf(store.rowCount() / 2));
        // The level lifted: its rows back at their display places.
        std::vector<controls::THiddenRow<Store::Row>> back =
            hidden.takeIf([](const controls::THiddenRow<Store::Row> &i) { return i.Level == 1; });
        std::vector<int> places;
        std::vector<int> sizes;
        places.reserve(back.size());
        sizes.reserve(back.size());
        for (const auto &item : back) {
            places.push_back(hidden.displOf(item.Idx));
            sizes.push_back(item.Height);
        }
        store.insertRowList(places);
        heights.insertList(places, sizes);
        for (std::size_t i = 0; i < back.size(); ++i)
            store.putRow(places[i], std::move(back[i].Items));
        benchmark::DoNotOptimize(store.rowCount());
        bench::record(state, "filter_grid", bench::since(start));
    }
}
BENCHMARK(Grid_FilterHalf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(3));

class TableModel : public QAbstractTableModel {
public:
    int rowCount(const QModelIndex &parent = {}) const override
    {
        return parent.isValid() ? 0 : static_cast<int>(table().size());
    }
    int columnCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : 5; }
    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role != Qt::DisplayRole)
            return {};
        return table()[static_cast<std::size_t>(index.row())][static_cast<std::size_t>(index.column())];
    }
};

class ConditionProxy : public QSortFilterProxyModel {
public:
    void setActive(bool active)
    {
        m_active = active;
        invalidate();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        if (!m_active)
            return true;
        const QString text = sourceModel()->index(row, m_item.Column, parent).data().toString();
        return controls::matchFilterItem(m_item, text);
    }

private:
    controls::TFilterData m_item = halfCondition();
    bool m_active = false;
};

void Proxy_FilterHalf(benchmark::State &state)
{
    TableModel model;
    ConditionProxy proxy;
    proxy.setSourceModel(&model);
    benchmark::DoNotOptimize(proxy.rowCount());
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        proxy.setActive(true);
        benchmark::DoNotOptimize(proxy.rowCount());
        benchmark::DoNotOptimize(proxy.mapToSource(proxy.index(proxy.rowCount() / 2, 0)).row());
        proxy.setActive(false);
        benchmark::DoNotOptimize(proxy.rowCount());
        bench::record(state, "filter_proxy", bench::since(start));
    }
}
BENCHMARK(Proxy_FilterHalf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(bench::rounds(3));

} // namespace

int main(int argc, char **argv)
{
    const int result = bench::runBenchmarks<QCoreApplication>(argc, argv);
    bench::printMeanRatio("sort 1M x 5 rows by numbers", "sort_num_grid", "sort_num_std", "std::stable_sort");
    bench::printMeanRatio("sort 1M x 5 rows by text", "sort_text_grid", "sort_text_std", "std::stable_sort");
    bench::printMeanRatio("filter half of 1M rows and back", "filter_grid", "filter_proxy", "QSortFilterProxyModel");
    return result;
}
