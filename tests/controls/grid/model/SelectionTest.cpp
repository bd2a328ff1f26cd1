#include "GridFixture.h"

#include "controls/grid/model/core/GridError.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(StringGridSelection, SelectRowsInBothModes)
{
    TExStringGrid grid;
    grid.SelectRows(3, 2);
    EXPECT_TRUE(grid.RowSelect(3));
    EXPECT_TRUE(grid.RowSelect(4));
    EXPECT_FALSE(grid.RowSelect(5));
    EXPECT_EQ(grid.RowSelectCount(), 2);

    TExStringGrid disjunct;
    disjunct.MouseActions().setDisjunctRowSelect(true);
    const TGridRect before = disjunct.Selection();
    disjunct.SelectRows(3, 2);
    EXPECT_TRUE(disjunct.RowSelect(3));
    EXPECT_TRUE(disjunct.RowSelect(4));
    EXPECT_FALSE(disjunct.RowSelect(5));
    EXPECT_EQ(disjunct.SelectedRow(0), 3);
    EXPECT_EQ(disjunct.SelectedRowCount(), 2);
    EXPECT_EQ(disjunct.Selection().Top, before.Top); // the rectangle stays
    // Cut to the grid.
    disjunct.SelectRows(8, 5);
    EXPECT_EQ(disjunct.SelectedRowCount(), 4);
}

TEST(StringGridSelection, RowsOutsideTheGridRaise)
{
    TExStringGrid grid;
    try {
        grid.setRowSelect(grid.RowCount() + 5, true);
        FAIL() << "no exception";
    } catch (const ZOraZaziRarar &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid row accessed"));
    }
    try {
        (void)grid.RowSelect(15);
        FAIL() << "no exception";
    } catch (const ZOraZaziRarar &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Invalid row 15 accessed"));
    }
    EXPECT_THROW(grid.setColSelect(5, true), ZOraZaziRarar);
    EXPECT_THROW((void)grid.ColSelect(-1), ZOraZaziRarar);
}

TEST(StringGridSelection, AHandlerMayRefuseARowFlag)
{
    TExStringGrid grid;
    grid.MouseActions().setDisjunctRowSelect(true);
    grid.OnRowDisjunctSelect = [](TExStringGrid *, int row, bool, bool &allow) { allow = row != 4; };
    grid.setRowSelect(4, true);
    grid.setRowSelect(5, true);
    EXPECT_FALSE(grid.RowSelect(4));
    EXPECT_TRUE(grid.RowSelect(5));
}

TEST(StringGridSelection, SelectedTextJoinsByTabAndCrLf)
{
    TExStringGrid grid;
    grid.setCells(1, 1, QStringLiteral("a"));
    grid.setCells(2, 1, QStringLiteral("b"));
    grid.setCells(1, 2, QStringLiteral("c"));
    grid.setCells(2, 2, QStringLiteral("d"));
    grid.setSelection(TGridRect{1, 1, 2, 2});
    EXPECT_EQ(grid.SelectedText(), QStringLiteral("a\tb\r\nc\td"));
    // With a hidden column the shown cells are the ones copied.
    grid.setCells(3, 1, QStringLiteral("e"));
    grid.setCells(3, 2, QStringLiteral("f"));
    grid.HideColumn(2);
    EXPECT_EQ(grid.SelectedText(), QStringLiteral("a\te\r\nc\tf"));
}

TEST(StringGridSelection, EnteringAMergedAreaGoesToItsBaseCell)
{
    TExStringGrid grid;
    grid.setOptions(grid.Options() & ~TGridOptions(goRangeSelect));
    grid.MergeCells(2, 2, 2, 3);
    grid.FocusCell(3, 4);
    EXPECT_EQ(grid.Col(), 2);
    EXPECT_EQ(grid.Row(), 2);
}

TEST(StringGridSelection, SelectedCellsOfARectangleColumnByColumn)
{
    TExStringGrid grid;
    grid.setSelection(TGridRect{1, 1, 2, 3});
    EXPECT_EQ(grid.SelectedCellsCount(), 6);
    EXPECT_EQ(grid.SelectedCell(0), (TGridCoord{1, 1}));
    EXPECT_EQ(grid.SelectedCell(2), (TGridCoord{1, 3}));
    EXPECT_EQ(grid.SelectedCell(3), (TGridCoord{2, 1}));
}

TEST(StringGridSelection, DisjunctCellsFarDownKeepTheirOwnRow)
{
    // Keys of row << 16 | col made row 70,000 the same cell as row 4,464.
    TExStringGrid grid;
    grid.setRowCount(70001);
    grid.MouseActions().setDisjunctCellSelect(true);
    grid.setSelectedCells(2, 70000, true);
    EXPECT_TRUE(grid.SelectedCells(2, 70000));
    EXPECT_FALSE(grid.SelectedCells(2, 4464));
    EXPECT_EQ(grid.SelectedCell(0), (TGridCoord{2, 70000}));
}

TEST(StringGridSelection, DisablingTheCurrentRowMovesToTheFirstEnabledOne)
{
    TExStringGrid grid;
    grid.setRowEnabled(1, false);
    grid.FocusCell(2, 3);
    grid.setRowEnabled(3, false);
    EXPECT_EQ(grid.Row(), 2);
    EXPECT_FALSE(grid.RowEnabled(3));
    grid.FocusCell(2, 3); // disabled rows are skipped
    EXPECT_EQ(grid.Row(), 2);
}

} // namespace

namespace {

TEST(StringGridSelection, TheRectangleCopiesIntoTheFlags)
{
    TExStringGrid grid;
    grid.MouseActions().setDisjunctRowSelect(true);
    grid.setRowSelect(8, true);
    grid.setSelection(TGridRect{1, 2, 3, 4});
    grid.SelectionToRowSelect(false);
    EXPECT_TRUE(grid.RowSelect(3));
    EXPECT_TRUE(grid.RowSelect(8));
    grid.SelectionToRowSelect(true);
    EXPECT_FALSE(grid.RowSelect(8));
    EXPECT_EQ(grid.RowSelectCount(), 3);
    grid.SelectionToColSelect(true);
    EXPECT_TRUE(grid.ColSelect(2));
    EXPECT_FALSE(grid.ColSelect(4));
    EXPECT_EQ(grid.ColSelectCount(), 3); // the rectangle's width without the mode
}

TEST(StringGridSelection, ModifiedRowsAreCountedAndCleared)
{
    TExStringGrid grid;
    grid.setRowModified(2, true);
    grid.setRowModified(5, true);
    grid.setRowModified(5, true);
    EXPECT_EQ(grid.ModifiedRowCount(), 2);
    grid.ClearModifiedRows();
    EXPECT_EQ(grid.ModifiedRowCount(), 0);
    EXPECT_FALSE(grid.RowModified(2));
}

TEST(StringGridSelection, SwapCellsExchangesTextsAndProperties)
{
    TExStringGrid grid;
    grid.setCells(1, 1, QStringLiteral("a"));
    grid.setColors(1, 1, 0x0000FF);
    grid.setCells(3, 4, QStringLiteral("b"));
    grid.SwapCells(TGridCoord{1, 1}, TGridCoord{3, 4});
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("b"));
    EXPECT_EQ(grid.Cells(3, 4), QStringLiteral("a"));
    EXPECT_EQ(grid.Colors(3, 4), platform::TColor(0x0000FF));
    EXPECT_FALSE(grid.CellHasProperties(1, 1));
}

} // namespace
