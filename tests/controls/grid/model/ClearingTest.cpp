#include "GridFixture.h"

#include <QWidget>
#include <gtest/gtest.h>

using namespace controls;
using stringgridtest::fillLabels;
using stringgridtest::label;

namespace {

TEST(StringGridClearing, ClearingTheWholeGridForgetsItHadProperties)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.setColors(2, 2, 0x0000FF);
    grid.ClearTextOnly = true;
    grid.Clear();
    EXPECT_TRUE(grid.Cells(1, 1).isEmpty());
    EXPECT_EQ(grid.Colors(2, 2), platform::TColor(0x0000FF));
    EXPECT_TRUE(grid.HasCellProps());
    grid.ClearTextOnly = false;
    grid.Clear();
    EXPECT_EQ(grid.Colors(2, 2), platform::clNone);
    EXPECT_FALSE(grid.HasCellProps());
}

TEST(StringGridClearing, NormalCellsLeaveTheFixedOnes)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.ClearNormalCells();
    EXPECT_EQ(grid.Cells(0, 3), label(0, 3));
    EXPECT_EQ(grid.Cells(3, 0), label(3, 0));
    EXPECT_TRUE(grid.Cells(3, 3).isEmpty());
}

TEST(StringGridClearing, TrimsBlanksAndControlCharacters)
{
    TExStringGrid grid;
    grid.setCells(1, 1, QStringLiteral(" \t a b \r\n"));
    grid.TrimAll();
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("a b"));
}

TEST(StringGridClearing, RemoveDuplicatesIgnoresCaseAndKeepsTheFirst)
{
    TExStringGrid grid;
    grid.setRowCount(5);
    const char *texts[] = {"abc", "x", "ABC", "x"};
    for (int r = 1; r <= 4; ++r)
        grid.setCells(1, r, QString::fromUtf8(texts[r - 1]));
    grid.RemoveDuplicates(1, false);
    EXPECT_EQ(grid.RowCount(), 3);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("abc"));
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("x"));
}

TEST(StringGridClearing, MergesRunsOfEqualTexts)
{
    TExStringGrid grid;
    grid.setRowCount(6);
    const char *texts[] = {"A", "A", "B", "B", "B"};
    for (int r = 1; r <= 5; ++r)
        grid.setCells(1, r, QString::fromUtf8(texts[r - 1]));
    grid.MergeColumnCells(1, true);
    EXPECT_EQ(grid.CellSpan(1, 1).Y, 1);
    EXPECT_EQ(grid.BaseCell(1, 2), (TGridCoord{1, 1}));
    EXPECT_EQ(grid.CellSpan(1, 3).Y, 2);
    EXPECT_EQ(grid.BaseCell(1, 5), (TGridCoord{1, 3}));
    grid.SplitColumnCells(1);
    EXPECT_FALSE(grid.IsMergedCell(1, 4));
}

TEST(StringGridClearing, RemovesCheckedAndSelectedRows)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.AddCheckBoxColumn(1);
    grid.SetCheckBoxState(1, 3, true);
    grid.SetCheckBoxState(1, 5, true);
    grid.RemoveCheckedRows(1, true);
    EXPECT_EQ(grid.RowCount(), 8);
    EXPECT_EQ(grid.Cells(2, 3), label(2, 4));
    EXPECT_EQ(grid.Cells(2, 4), label(2, 6));

    TExStringGrid disjunct;
    fillLabels(disjunct);
    disjunct.MouseActions().setDisjunctRowSelect(true);
    disjunct.setRowSelect(2, true);
    disjunct.setRowSelect(7, true);
    disjunct.RemoveSelectedRows();
    EXPECT_EQ(disjunct.RowCount(), 8);
    EXPECT_EQ(disjunct.Cells(1, 2), label(1, 3));
    EXPECT_EQ(disjunct.SelectedRowCount(), 0);
}

TEST(StringGridClearing, HidesSelectedRowsAndJoinsColumns)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.MouseActions().setDisjunctRowSelect(true);
    grid.setRowSelect(3, true);
    grid.setRowSelect(4, true);
    grid.HideSelectedRows();
    EXPECT_TRUE(grid.IsHiddenRow(3));
    EXPECT_TRUE(grid.IsHiddenRow(4));
    grid.MergeCols(1, 2, QStringLiteral("-"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("1:1-2:1"));
    EXPECT_EQ(grid.AllColCount(), 4);
    int col = -1;
    int row = -1;
    EXPECT_TRUE(grid.IsCell(label(3, 5), col, row));
    EXPECT_EQ(col, 2);
    EXPECT_EQ(row, 3);
}

TEST(StringGridClearing, RemovedRowsTakeTheirControlsAlong)
{
    TExStringGrid grid;
    auto *control = new QWidget;
    grid.setCellControls(2, 4, control);
    grid.RemoveRows(4, 1);
    EXPECT_EQ(grid.NumCellControls(), 0);
    EXPECT_TRUE(control->isHidden());
    auto *other = new QWidget;
    grid.setCellControls(2, 3, other);
    grid.ClearRows(3, 1);
    EXPECT_EQ(grid.NumCellControls(), 0);
}

} // namespace

namespace {

TEST(StringGridClearing, MergedColumnsStayMergedThroughChangesOfTheList)
{
    TExStringGrid grid;
    grid.setRowCount(5);
    for (int r = 1; r <= 4; ++r) {
        grid.setCells(1, r, r <= 2 ? QStringLiteral("A") : QStringLiteral("B"));
        grid.setCells(2, r, QStringLiteral("x"));
    }
    grid.MergedColumns().Add(1);
    EXPECT_EQ(grid.BaseCell(1, 2), (TGridCoord{1, 1}));
    EXPECT_EQ(grid.BaseCell(1, 4), (TGridCoord{1, 3}));
    // The second column merges only inside the first one's areas.
    grid.MergedColumns().Add(2);
    EXPECT_EQ(grid.BaseCell(2, 2), (TGridCoord{2, 1}));
    EXPECT_EQ(grid.BaseCell(2, 3), (TGridCoord{2, 3}));
    grid.MergedColumns().Delete(0);
    EXPECT_FALSE(grid.IsMergedCell(1, 2));
}

} // namespace
