#include "GridFixture.h"

#include <QCoreApplication>
#include <QStyle>
#include <gtest/gtest.h>

using namespace controls;

namespace {

// Counts the paints the grid gets.
class CountingGrid : public TExStringGrid {
public:
    int paints = 0;

protected:
    void PaintGrid() override
    {
        ++paints;
        TExStringGrid::PaintGrid();
    }
};

TEST(StringGridConstruction, StartsWithItsDefaults)
{
    TExStringGrid grid;
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.ColCount(), 5);
    EXPECT_EQ(grid.FixedRows(), 1);
    EXPECT_EQ(grid.FixedCols(), 1);
    EXPECT_EQ(grid.DefaultRowHeight(), 22);
    EXPECT_EQ(grid.RowHeights(9), 22);
    EXPECT_EQ(grid.width(), 400);
    EXPECT_EQ(grid.height(), 250);
    EXPECT_EQ(grid.VersionNr(), 33816577);
    EXPECT_EQ(grid.Version(), QStringLiteral("2.4.0.1"));
    EXPECT_EQ(grid.VersionString(), QStringLiteral("2.4.0.1 Mar, 2024"));
    EXPECT_EQ(grid.FloatFormat, QStringLiteral("%.2f"));
    EXPECT_EQ(grid.CheckTrue, QStringLiteral("Y"));
    EXPECT_EQ(grid.CheckFalse, QStringLiteral("N"));
    EXPECT_EQ(grid.FilterDropDownClear, QStringLiteral("(All)"));
    EXPECT_FALSE(grid.IsWinXP());
    EXPECT_FALSE(grid.UseVCLStyles());
    EXPECT_TRUE(grid.EnhRowColMove());
}

TEST(StringGridConstruction, RegistersItsEventTypesOnce)
{
    const QEvent::Type done = GridEditDoneEvent();
    EXPECT_GE(int(done), int(QEvent::User));
    EXPECT_EQ(GridEditDoneEvent(), done);
    EXPECT_NE(DTPShiftFocusEvent(), done);
    EXPECT_FALSE(GridCellsMimeType().isEmpty());
}

TEST(StringGridConstruction, IntegralHeightCutsToWholeRows)
{
    TExStringGrid grid;
    grid.setIntegralHeight(true);
    grid.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(grid.height(), 92); // 100 - ((100 - 0 - 2) mod 22) + 2
    grid.setIntegralHeight(false);
    grid.SetBounds(0, 0, 400, 100);
    EXPECT_EQ(grid.height(), 100);
}

TEST(StringGridConstruction, SelectionColorMixerFactorIsClamped)
{
    TExStringGrid grid;
    EXPECT_EQ(grid.SelectionColorMixerFactor(), 50);
    grid.setSelectionColorMixerFactor(150);
    EXPECT_EQ(grid.SelectionColorMixerFactor(), 100);
    grid.setSelectionColorMixerFactor(-5);
    EXPECT_EQ(grid.SelectionColorMixerFactor(), 0);
}

TEST(StringGridConstruction, NestedLocksRepaintOnce)
{
    CountingGrid grid;
    grid.show();
    QCoreApplication::processEvents();
    grid.paints = 0;
    grid.BeginUpdate();
    grid.BeginUpdate();
    grid.setCells(1, 1, QStringLiteral("a"));
    grid.EndUpdate();
    QCoreApplication::processEvents();
    EXPECT_TRUE(grid.LockUpdate());
    EXPECT_EQ(grid.paints, 0);
    grid.setCells(2, 2, QStringLiteral("b"));
    grid.EndUpdate();
    EXPECT_FALSE(grid.LockUpdate());
    QCoreApplication::processEvents();
    EXPECT_EQ(grid.paints, 1);
    // An unmatched EndUpdate keeps the count at 0.
    grid.EndUpdate();
    EXPECT_EQ(grid.UpdateCount(), 0);
}

TEST(StringGridConstruction, LockingAnInvisibleGridChangesNothingButStartUpdateCounts)
{
    TExStringGrid grid;
    grid.BeginUpdate();
    EXPECT_FALSE(grid.LockUpdate());
    grid.StartUpdate();
    EXPECT_TRUE(grid.LockUpdate());
    grid.EndUpdate();
    EXPECT_TRUE(grid.LockUpdate());
    grid.ResetUpdate();
    EXPECT_FALSE(grid.LockUpdate());
}

TEST(StringGridConstruction, TheLoadingBracketRunsGridLoaded)
{
    TExStringGrid grid;
    grid.BeginLoading();
    EXPECT_TRUE(grid.Loading());
    EXPECT_FALSE(grid.Loaded());
    grid.EndLoading();
    EXPECT_TRUE(grid.Loaded());
    EXPECT_EQ(grid.ColumnAtPosition(3), 3);
}

} // namespace

namespace {

TEST(StringGridConstruction, FixedRowsAskedForComeBackWithTheRows)
{
    TExStringGrid grid;
    grid.setFixedRowAlways(true);
    grid.setRowCount(3);
    grid.setFixedRows(5);
    EXPECT_EQ(grid.FixedRows(), 2);
    grid.setRowCount(10);
    EXPECT_EQ(grid.FixedRows(), 5);

    TExStringGrid plain;
    plain.setRowCount(3);
    plain.setFixedRows(5);
    const int fixed = plain.FixedRows();
    plain.setRowCount(10);
    EXPECT_EQ(plain.FixedRows(), fixed);
}

} // namespace

namespace {

TEST(StringGridConstruction, MoreColumnsThanFitMakeRoomForTheScrollBar)
{
    TExStringGrid grid;
    grid.setIntegralHeight(true);
    grid.SetBounds(0, 0, 400, 100);
    ASSERT_EQ(grid.height(), 92);
    grid.setColCount(20); // a horizontal scroll bar now
    const int hs = grid.style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    EXPECT_EQ(grid.height(), 92 - ((92 - hs - 2) % 22) + 2);
}

} // namespace
