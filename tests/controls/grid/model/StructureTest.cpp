#include "GridFixture.h"

#include <QWidget>
#include <gtest/gtest.h>

#include <vector>

using namespace controls;
using stringgridtest::fillLabels;
using stringgridtest::label;

namespace {

// A graphic that reports when it is freed.
class Watched : public TGridObject {
public:
    explicit Watched(bool &freed) : m_freed(freed) {}
    ~Watched() override { m_freed = true; }

private:
    bool &m_freed;
};

TEST(StringGridStructure, HidingAndShowingRowsKeepsTheirPropertiesAndHeights)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.setColors(2, 4, 0x00FF00);
    TCellProperties *props = grid.GetGridObject(2, 4);
    grid.setRowHeights(4, 40);
    grid.setRowModified(4, true);
    grid.HideRows(3, 5);
    EXPECT_EQ(grid.RowCount(), 7);
    EXPECT_EQ(grid.AllRowCount(), 10);
    EXPECT_EQ(grid.Cells(2, 3), label(2, 6));
    EXPECT_EQ(grid.RealRowIndex(3), 6);
    EXPECT_EQ(grid.DisplRowIndex(4), 3);
    EXPECT_EQ(grid.GetObjectOfRealRow(2, 4), props);
    EXPECT_FALSE(grid.RowModified(4)); // the flag left with its row
    grid.UnHideRows(3, 5);
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.GetGridObject(2, 4), props);
    EXPECT_EQ(grid.Colors(2, 4), platform::TColor(0x00FF00));
    EXPECT_EQ(grid.RowHeights(4), 40);
    EXPECT_TRUE(grid.RowModified(4));
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(grid.Cells(1, r), label(1, r));
}

TEST(StringGridStructure, AMixedRangePutsEachRowAtItsOwnPlace)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.HideRow(4);
    grid.HideRows(2, 6); // row 4 is hidden already
    EXPECT_EQ(grid.NumHiddenRows(), 5);
    EXPECT_EQ(grid.Cells(1, 2), label(1, 7));
    grid.UnHideRows(3, 5);
    EXPECT_EQ(grid.Cells(1, 2), label(1, 3));
    EXPECT_EQ(grid.Cells(1, 3), label(1, 4));
    EXPECT_EQ(grid.Cells(1, 4), label(1, 5));
    EXPECT_EQ(grid.Cells(1, 5), label(1, 7));
    grid.UnHideRowsAll();
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(grid.Cells(1, r), label(1, r));
}

TEST(StringGridStructure, ShowingAFilterLevelLeavesRowsHiddenByHand)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.HideRow(2);
    grid.HideRowList({3, 5}); // store rows: real rows 4 and 6
    EXPECT_TRUE(grid.IsHiddenRow(4));
    EXPECT_TRUE(grid.IsHiddenRow(6));
    EXPECT_EQ(grid.HiddenRowReason(4), THideReason::Filter);
    EXPECT_EQ(grid.HiddenRowReason(2), THideReason::Rows);
    grid.UnHideRowList();
    EXPECT_FALSE(grid.IsHiddenRow(4));
    EXPECT_FALSE(grid.IsHiddenRow(6));
    EXPECT_TRUE(grid.IsHiddenRow(2));
    EXPECT_EQ(grid.Cells(1, 3), label(1, 4));
}

TEST(StringGridStructure, RemoveRowsFreesPropertiesRemoveRowsExHandsThemBack)
{
    TExStringGrid grid;
    bool freedByRemove = false;
    bool freedByTake = false;
    grid.SetGraphicObjectEx(1, 2, std::make_unique<Watched>(freedByRemove));
    grid.SetGraphicObjectEx(1, 5, std::make_unique<Watched>(freedByTake));
    TCellProperties *kept = grid.GetGridObject(1, 5);
    grid.RemoveRows(2, 1);
    EXPECT_TRUE(freedByRemove);
    EXPECT_EQ(grid.RowCount(), 9);
    std::vector<TRowCells> rows = grid.RemoveRowsEx(4, 1);
    EXPECT_FALSE(freedByTake);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].cells[1].props.get(), kept);
    EXPECT_EQ(grid.RowCount(), 8);
}

TEST(StringGridStructure, RemovingAboveHiddenRowsLowersTheirIndexInsertingRaisesIt)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.HideRow(6);
    grid.RemoveRows(2, 2); // real rows 2 and 3
    EXPECT_TRUE(grid.IsHiddenRow(4));
    EXPECT_FALSE(grid.IsHiddenRow(6));
    EXPECT_EQ(grid.AllCells(1, 4), label(1, 6));
    grid.InsertRows(1, 2);
    EXPECT_TRUE(grid.IsHiddenRow(6));
    EXPECT_EQ(grid.AllCells(1, 6), label(1, 6));
    grid.UnHideRow(6);
    EXPECT_EQ(grid.Cells(1, 6), label(1, 6));
    EXPECT_EQ(grid.Cells(1, 5), label(1, 5));
    EXPECT_EQ(grid.Cells(1, 7), label(1, 7));
}

TEST(StringGridStructure, RowFlagsMoveWithTheirRows)
{
    TExStringGrid grid;
    grid.MouseActions().setDisjunctRowSelect(true);
    grid.setRowModified(5, true);
    grid.setRowEnabled(6, false);
    grid.setRowSelect(7, true);
    grid.RemoveRows(2, 2);
    EXPECT_TRUE(grid.RowModified(3));
    EXPECT_FALSE(grid.RowEnabled(4));
    EXPECT_TRUE(grid.RowSelect(5));
    EXPECT_FALSE(grid.RowModified(5));
    grid.InsertRows(1, 1);
    EXPECT_TRUE(grid.RowModified(4));
    EXPECT_FALSE(grid.RowEnabled(5));
    EXPECT_TRUE(grid.RowSelect(6));
    grid.MoveRow(4, 8);
    EXPECT_TRUE(grid.RowModified(8));
    EXPECT_FALSE(grid.RowModified(4));
}

TEST(StringGridStructure, ASortColumnFollowsItsColumn)
{
    struct Case {
        int sort;
        int from;
        int to;
        int expected;
    };
    const Case cases[] = {
        {3, 1, 4, 2}, // between
        {4, 1, 4, 3}, // at the target, moving right: it stepped left too
        {1, 1, 4, 4}, // the moved column itself
        {2, 4, 1, 3},
        {4, 4, 1, 1},
    };
    for (const Case &c : cases) {
        TExStringGrid grid;
        grid.setColCount(6);
        fillLabels(grid);
        grid.setSortColumn(c.sort);
        grid.MoveColumn(c.from, c.to);
        EXPECT_EQ(grid.SortColumn(), c.expected) << c.sort << " " << c.from << "->" << c.to;
        EXPECT_EQ(grid.Cells(grid.SortColumn(), 1), label(c.sort, 1));
    }
}

TEST(StringGridStructure, AMovedColumnTakesItsHiddenNeighboursAlong)
{
    // Hidden flags and saved widths move with their columns whatever
    // EnhRowColMove says; each datum moves once.
    TExStringGrid grid;
    grid.setColCount(6);
    fillLabels(grid);
    grid.setEnhRowColMove(false);
    grid.setColWidths(1, 11);
    grid.HideColumn(3);
    grid.MoveColumn(1, 3); // display 3 is real 4
    EXPECT_EQ(grid.Cells(4, 2), label(1, 2));
    EXPECT_TRUE(grid.IsHiddenColumn(2));
    EXPECT_EQ(grid.AllCells(2, 2), label(3, 2));
    EXPECT_EQ(grid.ColWidths(3), 11);
    EXPECT_EQ(grid.ColumnPosition(1), 4);
    EXPECT_EQ(grid.ColumnAtPosition(4), 1);
}

TEST(StringGridStructure, ResetColumnOrderRestoresTheLayoutAndRefusesNonsense)
{
    TExStringGrid grid;
    grid.setColCount(6);
    fillLabels(grid);
    grid.MoveColumn(1, 4);
    grid.MoveColumn(5, 0);
    grid.HideColumn(2);
    EXPECT_TRUE(grid.ResetColumnOrder());
    EXPECT_EQ(grid.NumHiddenColumns(), 0);
    for (int c = 0; c < 6; ++c)
        EXPECT_EQ(grid.Cells(c, 1), label(c, 1));
    // Inserted and removed columns keep the order a permutation.
    grid.MoveColumn(0, 3);
    grid.InsertCols(1, 1);
    grid.RemoveCols(5, 1);
    EXPECT_TRUE(grid.ResetColumnOrder());
    grid.SetColumnOrderList({0, 0, 1, 2, 3, 4});
    EXPECT_FALSE(grid.ResetColumnOrder());
}

TEST(StringGridStructure, InsertedAndRemovedColumnsCarryTheirData)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.HideColumn(3);
    grid.InsertCols(2, 1);
    EXPECT_EQ(grid.AllColCount(), 6);
    EXPECT_TRUE(grid.Cells(2, 1).isEmpty());
    EXPECT_EQ(grid.Cells(3, 1), label(2, 1));
    EXPECT_TRUE(grid.IsHiddenColumn(4));
    EXPECT_EQ(grid.Cells(4, 1), label(3, 1));
    grid.RemoveCols(1, 2);
    EXPECT_EQ(grid.AllColCount(), 4);
    EXPECT_TRUE(grid.IsHiddenColumn(2));
    EXPECT_EQ(grid.Cells(1, 1), label(2, 1));
    EXPECT_EQ(grid.Cells(2, 1), label(3, 1));
}

TEST(StringGridStructure, ControlsLandOnTheirOwnCells)
{
    // Real and display rows were mixed and columns mapped the wrong way.
    TExStringGrid grid;
    grid.resize(600, 400);
    auto *control = new QWidget;
    grid.setCellControls(3, 4, control);
    EXPECT_EQ(grid.NumCellControls(), 1);
    grid.HideColumn(1);
    grid.HideRow(2);
    // Real column 3 shows at display column 2; real row 4 at store row 3.
    const platform::TRect rect = grid.CellRect(2, 3);
    EXPECT_EQ(control->geometry().topLeft(), QPoint(rect.Left - 1, rect.Top - 1));
    grid.HideRow(4);
    EXPECT_TRUE(control->isHidden());
    grid.UnHideRow(4);
    grid.MoveRow(3, 6);
    EXPECT_EQ(grid.CellControls(3, 6), control);
    grid.setCellControls(3, 6, nullptr);
    EXPECT_EQ(grid.NumCellControls(), 0);
}

} // namespace

namespace {

TEST(StringGridStructure, AHeaderDragWithHiddenColumnsMovesTheRealColumns)
{
    // The cell grid moves store columns at display indexes; with a hidden
    // column among them the string grid moves the real ones instead.
    TExStringGrid grid;
    grid.setColCount(6);
    fillLabels(grid);
    grid.HideColumn(2);
    grid.HideRow(5);
    grid.setSortColumn(4);
    static_cast<TCellGrid &>(grid).MoveColumn(1, 3); // real 1 to real 4
    EXPECT_EQ(grid.Cells(4, 1), label(1, 1));
    EXPECT_EQ(grid.Cells(2, 1), label(3, 1));
    EXPECT_TRUE(grid.IsHiddenColumn(1));
    EXPECT_EQ(grid.Cells(1, 2), label(2, 2)); // the hidden column stepped aside
    EXPECT_EQ(grid.AllCells(4, 5), label(1, 5)); // hidden rows' cells went along
    EXPECT_EQ(grid.SortColumn(), 3);
    EXPECT_EQ(grid.ColumnPosition(1), 4);
}

TEST(StringGridStructure, TheCurrentColumnFollowsAMove)
{
    TExStringGrid grid;
    grid.setColCount(6);
    grid.FocusCell(4, 2);
    grid.MoveColumn(1, 4);
    EXPECT_EQ(grid.Col(), 3);
    grid.MoveColumn(3, 1);
    EXPECT_EQ(grid.Col(), 1);
}

TEST(StringGridStructure, SwapsExchangeWholeRowsAndColumns)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.setRowHeights(2, 30);
    grid.setColors(1, 2, 0x00FF00);
    grid.SwapRows(2, 6);
    EXPECT_EQ(grid.Cells(1, 2), label(1, 6));
    EXPECT_EQ(grid.Cells(1, 6), label(1, 2));
    EXPECT_EQ(grid.RowHeights(6), 30);
    EXPECT_EQ(grid.Colors(1, 6), platform::TColor(0x00FF00));
    grid.setSortColumn(1);
    grid.SwapColumns(1, 3);
    EXPECT_EQ(grid.Cells(1, 4), label(3, 4));
    EXPECT_EQ(grid.Cells(3, 4), label(1, 4));
    EXPECT_EQ(grid.SortColumn(), 3);
}

} // namespace
