// The string grid's hidden-row index beside QSortFilterProxyModel doing the
// same job over a million rows with every other row hidden: a million
// display-to-real and real-to-display conversions (mapToSource and
// mapFromSource), and hiding then showing the half million rows (the
// proxy's filter invalidation). Compare the Index_ and Proxy_ lines of one
// run; the ratio is printed at the end.
#include "support/BenchMain.h"
#include "support/ManualTimes.h"

#include "controls/grid/model/core/HiddenIndex.h"

#include <QAbstractListModel>
#include <QCoreApplication>
#include <QSortFilterProxyModel>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

constexpr int kRows = 1000000;
constexpr int kCalls = 1000000;

// A million rows that cost nothing to ask.
class RowsModel : public QAbstractListModel {
public:
    int rowCount(const QModelIndex &parent = {}) const override { return parent.isValid() ? 0 : kRows; }
    QVariant data(const QModelIndex &, int) const override { return {}; }
};

// Hides the odd rows while hiding is on. A change maps every row anew
// (invalidate): the filter's own incremental invalidation removes the half
// million rows range by range and does not end in minutes.
class OddRowsHidden : public QSortFilterProxyModel {
public:
    void setHiding(bool hiding)
    {
        m_hiding = hiding;
        invalidate();
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &) const override { return !m_hiding || row % 2 == 0; }

private:
    bool m_hiding = true;
};

const std::vector<int> &oddRows()
{
    static const std::vector<int> rows = [] {
        std::vector<int> v;
        v.reserve(kRows / 2);
        for (int r = 1; r < kRows; r += 2)
            v.push_back(r);
        return v;
    }();
    return rows;
}

// Display rows asked in a scattered order, the same for both sides.
const std::vector<int> &probes(int limit)
{
    static std::map<int, std::vector<int>> cache;
    std::vector<int> &v = cache[limit];
    if (v.empty()) {
        v.reserve(kCalls);
        std::uint32_t x = 12345;
        for (int i = 0; i < kCalls; ++i) {
            x = x * 1664525u + 1013904223u;
            v.push_back(static_cast<int>(x % static_cast<std::uint32_t>(limit)));
        }
    }
    return v;
}

void Index_MapRows(benchmark::State &state)
{
    controls::THiddenIndex index;
    index.hideAll(oddRows());
    const std::vector<int> &displ = probes(kRows / 2);
    const std::vector<int> &real = probes(kRows);
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        long long sum = 0;
        for (int i = 0; i < kCalls; ++i) {
            sum += index.realOf(displ[static_cast<std::size_t>(i)]);
            sum += index.displOf(real[static_cast<std::size_t>(i)]);
        }
        benchmark::DoNotOptimize(sum);
        bench::record(state, "map_index", bench::since(start));
    }
}
BENCHMARK(Index_MapRows)->UseManualTime()->Unit(benchmark::kMillisecond);

void Proxy_MapRows(benchmark::State &state)
{
    RowsModel model;
    OddRowsHidden proxy;
    proxy.setSourceModel(&model);
    const std::vector<int> &displ = probes(kRows / 2);
    const std::vector<int> &real = probes(kRows);
    // The proxy maps only the even rows; an odd one maps to nothing, so ask
    // it for the even row next to it.
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        long long sum = 0;
        for (int i = 0; i < kCalls; ++i) {
            sum += proxy.mapToSource(proxy.index(displ[static_cast<std::size_t>(i)], 0)).row();
            sum += proxy.mapFromSource(model.index(real[static_cast<std::size_t>(i)] & ~1, 0)).row();
        }
        benchmark::DoNotOptimize(sum);
        bench::record(state, "map_proxy", bench::since(start));
    }
}
BENCHMARK(Proxy_MapRows)->UseManualTime()->Unit(benchmark::kMillisecond);

void Index_HideShow(benchmark::State &state)
{
    controls::THiddenIndex index;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        index.hideAll(oddRows());
        benchmark::DoNotOptimize(index.realOf(kRows / 4));
        index.showRange(0, kRows - 1);
        benchmark::DoNotOptimize(index.count());
        bench::record(state, "hide_index", bench::since(start));
    }
}
BENCHMARK(Index_HideShow)->UseManualTime()->Unit(benchmark::kMillisecond);

void Proxy_HideShow(benchmark::State &state)
{
    RowsModel model;
    OddRowsHidden proxy;
    proxy.setHiding(false);
    proxy.setSourceModel(&model);
    benchmark::DoNotOptimize(proxy.rowCount());
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        // Counting the rows makes the proxy build its mapping.
        proxy.setHiding(true);
        benchmark::DoNotOptimize(proxy.rowCount());
        benchmark::DoNotOptimize(proxy.mapToSource(proxy.index(kRows / 4, 0)).row());
        proxy.setHiding(false);
        benchmark::DoNotOptimize(proxy.rowCount());
        bench::record(state, "hide_proxy", bench::since(start));
    }
}
BENCHMARK(Proxy_HideShow)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    const int result = bench::runBenchmarks<QCoreApplication>(argc, argv);
    bench::printMeanRatio("map 1M rows both ways", "map_index", "map_proxy", "QSortFilterProxyModel");
    bench::printMeanRatio("hide and show 500k rows", "hide_index", "hide_proxy", "QSortFilterProxyModel");
    return result;
}
