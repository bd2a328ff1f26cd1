#include "GridFixture.h"

#include "controls/grid/view/GridAppearance.h"

#include <gtest/gtest.h>

using namespace controls;
using stringgridtest::fillLabels;
using stringgridtest::label;

namespace {

TEST(StringGridNodes, ContractingHidesTheSpanAndExpandingShowsIt)
{
    TExStringGrid grid; // 10 rows, 1 fixed
    fillLabels(grid);
    grid.AddNode(1, 3);
    EXPECT_TRUE(grid.IsNode(1));
    EXPECT_EQ(grid.GetNodeSpan(1), 3);
    EXPECT_EQ(grid.GetNodeLevel(1), 1);
    EXPECT_EQ(grid.NumNodes(), 1);
    grid.ContractNode(1);
    EXPECT_TRUE(grid.GetNodeState(1));
    EXPECT_EQ(grid.RealRowIndex(2), 4);
    EXPECT_EQ(grid.Cells(1, 2), label(1, 4));
    EXPECT_EQ(grid.HiddenRowReason(2), THideReason::Node);
    grid.ExpandNode(1);
    EXPECT_FALSE(grid.GetNodeState(1));
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.Cells(1, 3), label(1, 3));
}

TEST(StringGridNodes, NestedNodesComeBackWithTheirContents)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.AddNode(1, 6); // rows 1..6
    grid.AddNode(3, 3); // rows 3..5
    grid.ContractNode(3);
    EXPECT_EQ(grid.RealRowIndex(4), 6);
    grid.ContractNode(1);
    EXPECT_EQ(grid.RowCount(), 5);
    EXPECT_EQ(grid.RealRowIndex(2), 7);
    grid.ExpandNode(1);
    // The inner node comes back expanded, with its rows.
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_FALSE(grid.GetNodeState(3));
    for (int r = 0; r < 10; ++r)
        EXPECT_EQ(grid.Cells(1, r), label(1, r)) << r;
}

TEST(StringGridNodes, NodesAndFiltersKeepTheirOwnRows)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.AddNode(1, 4); // rows 1..4
    grid.setCells(1, 3, QStringLiteral("drop"));
    TFilterData f;
    f.Column = 1;
    f.Condition = QStringLiteral("!drop");
    f.Operation = foNONE;
    grid.Filter() = {f};
    grid.ApplyFilter(); // hides row 3
    grid.ContractNode(1);
    EXPECT_EQ(grid.RealRowIndex(2), 5);
    EXPECT_TRUE(grid.RemoveLastFilter() == false);
    // The filter's row does not show under a contracted node.
    EXPECT_TRUE(grid.GetNodeState(1));
    EXPECT_EQ(grid.RealRowIndex(2), 5);
    grid.ExpandNode(1);
    EXPECT_EQ(grid.RowCount(), 10);
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("drop"));
    // Hidden by hand inside a node: the node does not show it.
    grid.HideRow(2);
    grid.ContractNode(1);
    grid.ExpandNode(1);
    EXPECT_TRUE(grid.IsHiddenRow(2));
    EXPECT_EQ(grid.HiddenRowReason(2), THideReason::Rows);
}

TEST(StringGridNodes, ExpandOneContractsTheOthers)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.AddNode(1, 2);
    grid.AddNode(3, 2);
    grid.ContractAll();
    EXPECT_TRUE(grid.GetNodeState(1));
    EXPECT_TRUE(grid.GetNodeState(2));
    grid.CellNode().ExpandOne = true;
    grid.ExpandNode(1);
    EXPECT_FALSE(grid.GetNodeState(1));
    grid.ExpandNode(3);
    EXPECT_TRUE(grid.GetNodeState(1));
    EXPECT_FALSE(grid.GetNodeState(grid.DisplRowIndex(3)));
    grid.ExpandAll();
    EXPECT_EQ(grid.RowCount(), 10);
    grid.RemoveNode(1);
    EXPECT_FALSE(grid.IsNode(1));
    EXPECT_EQ(grid.NumNodes(), 1);
}

} // namespace

namespace {

// Rows A, A, B in column 2 under one fixed row; numbers in column 1.
void fillGroups(TExStringGrid &grid)
{
    grid.setColCount(4);
    grid.setRowCount(4);
    grid.setFixedRows(1);
    grid.setCells(2, 0, QStringLiteral("Kind"));
    const char *kinds[] = {"B", "A", "A"};
    for (int r = 1; r <= 3; ++r) {
        grid.setCells(1, r, QString::number(r));
        grid.setCells(2, r, QString::fromUtf8(kinds[r - 1]));
        grid.setCells(3, r, QStringLiteral("x%1").arg(r));
    }
    grid.setColWidths(2, 77);
}

TEST(StringGridGroups, GroupMakesANodePerValueAndUnGroupPutsItBack)
{
    TExStringGrid grid;
    fillGroups(grid);
    grid.Group(2);
    EXPECT_EQ(grid.GroupColumn(), 2);
    EXPECT_EQ(grid.ColCount(), 3);
    ASSERT_EQ(grid.RowCount(), 6); // header, A, a, a, B, b
    EXPECT_TRUE(grid.IsNode(1));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("A"));
    EXPECT_EQ(grid.GetNodeSpan(1), 3);
    EXPECT_TRUE(grid.IsNode(4));
    EXPECT_EQ(grid.Cells(1, 4), QStringLiteral("B"));
    EXPECT_EQ(grid.GetNodeSpan(4), 2);
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("x2")); // the grouped column left
    grid.GroupCount(2);
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("2"));
    EXPECT_EQ(grid.Cells(2, 4), QStringLiteral("1"));

    grid.ContractNode(1);
    grid.UnGroup();
    EXPECT_EQ(grid.GroupColumn(), -1);
    EXPECT_EQ(grid.ColCount(), 4);
    ASSERT_EQ(grid.RowCount(), 4);
    EXPECT_EQ(grid.Cells(2, 0), QStringLiteral("Kind"));
    EXPECT_EQ(grid.ColWidths(2), 77);
    EXPECT_EQ(grid.Cells(2, 1), QStringLiteral("A"));
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("A"));
    EXPECT_EQ(grid.Cells(2, 3), QStringLiteral("B"));
    EXPECT_EQ(grid.Cells(3, 3), QStringLiteral("x1"));
    EXPECT_FALSE(grid.IsNode(1));
    EXPECT_EQ(grid.NumNodes(), 0);
}

TEST(StringGridGroups, ColumnZeroIsRefused)
{
    TExStringGrid grid;
    fillGroups(grid);
    grid.setFixedCols(0);
    grid.Group(0);
    EXPECT_EQ(grid.GroupColumn(), -1);
    EXPECT_EQ(grid.ColCount(), 4);
    EXPECT_EQ(grid.RowCount(), 4);
}

} // namespace

namespace {

TEST(StringGridNodes, AutoCheckGroupChecksTheRowsAndGraysTheNode)
{
    TExStringGrid grid;
    fillLabels(grid);
    grid.AddNode(1, 4); // rows 2..4 under it
    grid.AddCheckBox(1, 1, cbUnchecked);
    for (int r = 2; r <= 4; ++r)
        grid.AddCheckBox(1, r, false, false);
    grid.GroupingAutoCheckGroup = true;
    TCheckBoxState node = cbUnchecked;
    bool row = false;

    grid.ToggleCheckBox(1, 2);
    grid.GetCheckBoxState(1, 1, node);
    EXPECT_EQ(node, cbGrayed);
    grid.ToggleCheckBox(1, 3);
    grid.ToggleCheckBox(1, 4);
    grid.GetCheckBoxState(1, 1, node);
    EXPECT_EQ(node, cbChecked);

    grid.ToggleCheckBox(1, 1); // the node's own box: unchecked, and its rows
    grid.GetCheckBoxState(1, 1, node);
    EXPECT_EQ(node, cbUnchecked);
    grid.GetCheckBoxState(1, 3, row);
    EXPECT_FALSE(row);
    grid.setFixedRows(1);
    grid.ContractNode(1);
    grid.ToggleCheckBox(1, 1); // contracted: its hidden rows still follow
    grid.GetCheckBoxState(1, 4, row);
    EXPECT_TRUE(row);
    // Grayed clicks to checked on a node.
    grid.ExpandNode(1);
    grid.ToggleCheckBox(1, 2);
    grid.GetCheckBoxState(1, 1, node);
    EXPECT_EQ(node, cbGrayed);
    grid.ToggleCheckBox(1, 1);
    grid.GetCheckBoxState(1, 1, node);
    EXPECT_EQ(node, cbChecked);
}

} // namespace
