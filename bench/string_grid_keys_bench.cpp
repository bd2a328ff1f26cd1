// The string grid's Down key beside QTableView over QStandardItemModel: ten
// thousand presses on a row-select grid of a million rows, each press sent
// as a real key event and painted before the next one. Ours counts the rows
// each press repaints.
#include "support/BenchMain.h"
#include "support/ManualTimes.h"
#include "support/Smoke.h"

#include "controls/grid/model/ExGrid.h"

#include <QApplication>
#include <QHeaderView>
#include <QKeyEvent>
#include <QStandardItemModel>
#include <QTableView>
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdio>
#include <memory>
#include <set>

namespace {

using namespace controls;

const int kRows = bench::sized(1000000, 2000);
const int kPresses = bench::sized(10000, 200);

// Records the rows whose cells were painted since the last reset.
class CountingGrid : public TExStringGrid {
public:
    std::set<int> painted;

protected:
    void RenderCell(platform::TCanvas &ACanvas, int ACol, int ARow, platform::TRect ARect,
                    TGridDrawState AState) override
    {
        painted.insert(ARow);
        TExStringGrid::RenderCell(ACanvas, ACol, ARow, ARect, AState);
    }
};

void press(QWidget *widget, int key)
{
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &down);
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(widget, &up);
    // Painted before the next key, as a user watching it would see it.
    QApplication::processEvents();
}

long long g_steps = 0;
long long g_scrollSteps = 0;
long long g_rowsRepainted = 0;
long long g_rowsRepaintedScrolling = 0;

void Grid_TenThousandDownPresses(benchmark::State &state)
{
    auto grid = std::make_unique<CountingGrid>();
    grid->setAttribute(Qt::WA_DontShowOnScreen);
    grid->resize(600, 400);
    grid->setColCount(5);
    grid->setRowCount(kRows);
    grid->setOptions(grid->Options() | goRowSelect);
    for (int r = 1; r < kRows; ++r)
        grid->setCells(1, r, QStringLiteral("Row %1").arg(r));
    grid->show();
    grid->setFocus();
    QApplication::processEvents();
    for (auto _ : state) {
        grid->FocusCell(1, 1);
        QApplication::processEvents();
        grid->painted.clear();
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kPresses; ++i) {
            const int top = grid->TopRow();
            press(grid.get(), Qt::Key_Down);
            const auto rows = static_cast<long long>(grid->painted.size());
            ++g_steps;
            g_rowsRepainted += rows;
            if (grid->TopRow() != top) {
                ++g_scrollSteps;
                g_rowsRepaintedScrolling += rows;
            }
            grid->painted.clear();
        }
        bench::record(state, "ours", bench::since(start));
        if (grid->Row() != 1 + kPresses)
            state.SkipWithError("the grid did not walk down");
    }
}
BENCHMARK(Grid_TenThousandDownPresses)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void TableView_TenThousandDownPresses(benchmark::State &state)
{
    QStandardItemModel model(kRows, 1);
    for (int r = 0; r < kRows; ++r)
        model.setItem(r, 0, new QStandardItem(QStringLiteral("Row %1").arg(r)));
    QTableView view;
    view.setAttribute(Qt::WA_DontShowOnScreen);
    view.resize(600, 400);
    view.setSelectionBehavior(QAbstractItemView::SelectRows);
    view.verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    view.setModel(&model);
    view.show();
    view.setFocus();
    QApplication::processEvents();
    for (auto _ : state) {
        view.setCurrentIndex(model.index(0, 0));
        QApplication::processEvents();
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < kPresses; ++i)
            press(&view, Qt::Key_Down);
        bench::record(state, "qt", bench::since(start));
        if (view.currentIndex().row() != kPresses)
            state.SkipWithError("the view did not walk down");
    }
}
BENCHMARK(TableView_TenThousandDownPresses)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    const int result = bench::runBenchmarks<QApplication>(argc, argv);
    bench::printMeanRatio("10,000 Down presses on a million rows", "ours", "qt", "QTableView");
    if (g_steps > 0) {
        const long long still = g_steps - g_scrollSteps;
        std::printf("rows repainted per press: %.2f without scrolling (%lld presses), %.2f when the press scrolls "
                    "(%lld presses)\n",
                    still > 0 ? double(g_rowsRepainted - g_rowsRepaintedScrolling) / double(still) : 0.0, still,
                    g_scrollSteps > 0 ? double(g_rowsRepaintedScrolling) / double(g_scrollSteps) : 0.0,
                    g_scrollSteps);
    }
    return result;
}
