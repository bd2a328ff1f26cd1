// The grid timer's tick on a clock the test moves: typed look-up text
// expires, a resting mouse moves the current cell with Hovering, and
// blinking text repaints only the cells that blink.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridAppearance.h"
#include "support/ManualNumberedTimers.h"

#include <QApplication>
#include <QCursor>
#include <QPaintEvent>
#include <QRegion>
#include <gtest/gtest.h>

namespace {

using controls::TExStringGrid;
using std::chrono::milliseconds;

class PaintCountingGrid : public TExStringGrid {
public:
    QRegion painted;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        painted += event->region();
        TExStringGrid::paintEvent(event);
    }
};

struct GridTimerTickTest : testing::Test {
    PaintCountingGrid grid;
    testsupport::ManualNumberedTimers *clock = nullptr;
    void SetUp() override
    {
        auto timers = std::make_unique<testsupport::ManualNumberedTimers>();
        clock = timers.get();
        grid.setGridTimers(std::move(timers));
        grid.setScrollBars(controls::ssNone);
        grid.resize(340, 200);
        grid.show();
        QCoreApplication::processEvents();
    }
    void tick(int n = 1) { clock->advance(milliseconds(500 * n)); }
    void flushPaints()
    {
        QCoreApplication::processEvents();
        grid.painted = QRegion();
    }
};

TEST_F(GridTimerTickTest, LookupTextExpiresOnTheFourthTickAfterTheLastKey)
{
    grid.Navigation().AutoGotoIncremental = true;
    for (int r = 1; r < grid.RowCount(); ++r)
        grid.setCells(1, r, QStringLiteral("Meter %1").arg(r));
    EXPECT_EQ(grid.LookupKey(u'M'), QStringLiteral("M"));
    tick(2);
    EXPECT_EQ(grid.LookupKey(u'E'), QStringLiteral("ME")) << "a key within the time adds to the text";
    tick(3);
    EXPECT_EQ(grid.LookupKey(u'T'), QStringLiteral("MET")) << "three ticks later the text still stands";
    tick(4);
    EXPECT_EQ(grid.LookupKey(u'M'), QStringLiteral("M")) << "the fourth tick cleared it";
    EXPECT_EQ(grid.TimerTicks(), 9);

    grid.Navigation().AutoGotoIncremental = false;
    tick(10);
    EXPECT_EQ(grid.LookupKey(u'E'), QStringLiteral("ME")) << "without incremental look-up nothing expires";
}

TEST_F(GridTimerTickTest, BlinkingRepaintsOnlyTheCellsThatBlink)
{
    grid.EnableBlink = true;
    flushPaints();
    tick();
    EXPECT_TRUE(grid.GridBlink());
    QCoreApplication::processEvents();
    EXPECT_TRUE(grid.painted.isEmpty()) << "no cell blinks: the phase turns, nothing repaints";

    grid.setCells(2, 3, QStringLiteral("<p>al<bLInk>arm</blink></p>"));
    grid.setCells(1, 0, QStringLiteral("<BLINK>head</BLINK>"));
    flushPaints();
    tick();
    EXPECT_FALSE(grid.GridBlink());
    QCoreApplication::processEvents();
    const QRect cell23 = QRect(grid.CellRect(2, 3).Left, grid.CellRect(2, 3).Top, grid.CellRect(2, 3).Width(),
                               grid.CellRect(2, 3).Height());
    EXPECT_TRUE(grid.painted.intersects(cell23));
    EXPECT_TRUE(grid.painted.contains(QPoint(grid.CellRect(1, 0).Left + 3, grid.CellRect(1, 0).Top + 3)));
    EXPECT_FALSE(grid.painted.contains(QPoint(grid.CellRect(3, 4).Left + 3, grid.CellRect(3, 4).Top + 3)));

    grid.EnableBlink = false;
    tick();
    EXPECT_FALSE(grid.GridBlink()) << "blinking off leaves the phase";
}

TEST_F(GridTimerTickTest, HoveringMovesTheCurrentCellToANormalCellUnderARestingMouse)
{
    grid.Appearance().Hovering = true;
    const auto restOn = [&](int col, int row) {
        const auto r = grid.CellRect(col, row);
        QCursor::setPos(grid.mapToGlobal(QPoint(r.Left + 5, r.Top + 5)));
    };
    restOn(3, 2);
    if (QApplication::widgetAt(QCursor::pos()) != &grid)
        GTEST_SKIP() << "this platform plugin places no cursor";
    tick();
    EXPECT_EQ(grid.Col(), 3);
    EXPECT_EQ(grid.Row(), 2);
    restOn(0, 4);
    tick();
    EXPECT_EQ(grid.Row(), 2) << "a fixed cell does not move it";
    restOn(2, 0);
    tick();
    EXPECT_EQ(grid.Col(), 3);

    grid.Appearance().Hovering = false;
    restOn(1, 1);
    tick();
    EXPECT_EQ(grid.Col(), 3);
}

} // namespace
