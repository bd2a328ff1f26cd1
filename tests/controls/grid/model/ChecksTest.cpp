#include "GridFixture.h"

#include "controls/grid/base/widget/ExGridUndoRedo.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(StringGridChecks, ADataCheckBoxKeepsAStateText)
{
    TExStringGrid grid;
    grid.setCells(1, 1, QStringLiteral("N"));
    grid.AddCheckBox(1, 1, true, true);
    bool state = true;
    EXPECT_TRUE(grid.GetCheckBoxState(1, 1, state));
    EXPECT_FALSE(state); // the text decides
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("N"));
    grid.AddCheckBox(1, 2, true, true);
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("Y"));
    grid.setCells(1, 3, QStringLiteral("maybe"));
    grid.AddCheckBox(1, 3, false, true);
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("N"));
    // A third text reads unchecked; a click writes the checked text.
    grid.setCells(1, 3, QStringLiteral("other"));
    EXPECT_FALSE(grid.IsChecked(1, 3));
    bool reported = false;
    grid.OnCheckBoxChange = [&](TExStringGrid *, int, int, bool s) { reported = s; };
    EXPECT_TRUE(grid.ClickCellCheckBox(1, 3, false));
    EXPECT_EQ(grid.Cells(1, 3), QStringLiteral("Y"));
    EXPECT_TRUE(reported);
}

TEST(StringGridChecks, TriStateClicksCycle)
{
    TExStringGrid grid;
    grid.AddCheckBox(2, 2, cbUnchecked);
    std::vector<bool> reports;
    grid.OnCheckBoxChange = [&](TExStringGrid *, int, int, bool s) { reports.push_back(s); };
    const TCheckBoxState cycle[] = {cbGrayed, cbChecked, cbUnchecked};
    for (const TCheckBoxState expected : cycle) {
        grid.ToggleCheckBox(2, 2);
        TCheckBoxState state = cbChecked;
        EXPECT_TRUE(grid.GetCheckBoxState(2, 2, state));
        EXPECT_EQ(state, expected);
    }
    EXPECT_EQ(reports, (std::vector<bool>{false, false, false}));
}

TEST(StringGridChecks, RadioButtonsOfAColumnAreExclusiveByClick)
{
    TExStringGrid grid;
    for (int r = 1; r < 10; ++r)
        grid.AddRadioButton(1, r, r == 5);
    EXPECT_TRUE(grid.ClickRadioButton(1, 3, false));
    EXPECT_TRUE(grid.IsRadioButtonChecked(1, 3));
    EXPECT_FALSE(grid.IsRadioButtonChecked(1, 5));
    EXPECT_TRUE(grid.ClickRadioButton(1, 3, false));
    EXPECT_TRUE(grid.IsRadioButtonChecked(1, 3));
    EXPECT_EQ(grid.GetRadioButtonColumnIndex(1), 3);
    grid.SetRadioButtonColumnIndex(1, 99);
    EXPECT_EQ(grid.GetRadioButtonColumnIndex(1), -1);
    EXPECT_FALSE(grid.ClickRadioButton(2, 3, false));
}

TEST(StringGridChecks, PreciseHitTestFindsTheSquare)
{
    TExStringGrid grid;
    grid.setRowHeights(2, 20);
    grid.AddCheckBox(1, 2, false, false);
    const platform::TRect r = grid.CellRect(1, 2);
    EXPECT_TRUE(grid.IsInCheckBox(1, 2, r.Right - 2, r.Top + 1)); // anywhere without precision
    grid.MouseActions().PreciseCheckBoxCheck = true;
    EXPECT_TRUE(grid.IsInCheckBox(1, 2, r.Left + 2, r.Top + 2));
    EXPECT_FALSE(grid.IsInCheckBox(1, 2, r.Left + 2, r.Top + 17));
    EXPECT_TRUE(grid.IsInCheckBox(1, 2, r.Left + 16, r.Top + 16));
    EXPECT_FALSE(grid.IsInCheckBox(1, 2, r.Left + 17, r.Top + 2));
    EXPECT_FALSE(grid.IsInCheckBox(2, 2, r.Left + 2, r.Top + 2)); // no box there
}

TEST(StringGridChecks, AddingOutsideTheGridRaises)
{
    TExStringGrid grid;
    EXPECT_THROW(grid.AddCheckBox(5, 1, true, false), platform::Error);
    EXPECT_THROW(grid.AddCheckBox(1, 10, cbChecked), platform::Error);
    EXPECT_THROW(grid.AddRadioButton(1, 10, true), platform::Error);
    grid.HideColumn(4);
    EXPECT_NO_THROW(grid.AddCheckBox(4, 1, true, false));
}

TEST(StringGridChecks, AClickIsUndoneOnlyWhereTheStateIsTheText)
{
    // Undo writes texts back: a fixed "N"/"Y" recorded for a plain box
    // overwrote its caption.
    TExStringGrid grid;
    TExGridUndoRedo undo;
    grid.setUndoRedo(&undo);
    grid.setCells(1, 1, QStringLiteral("caption"));
    grid.AddCheckBox(1, 1, false, false);
    grid.ClickCellCheckBox(1, 1, false);
    EXPECT_EQ(undo.ItemCount(), 0);
    grid.setCells(1, 2, QStringLiteral("other"));
    grid.AddCheckBox(1, 2, false, true); // writes "N"
    grid.setCells(1, 2, QStringLiteral("N"));
    grid.ClickCellCheckBox(1, 2, false);
    ASSERT_EQ(undo.ItemCount(), 1);
    EXPECT_EQ(undo.Items().back().OrigValue, QStringLiteral("N"));
    EXPECT_EQ(undo.Items().back().Value, QStringLiteral("Y"));
    undo.Undo();
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("N"));
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("caption"));
    grid.setUndoRedo(nullptr);
}

TEST(StringGridChecks, ReadOnlyCellsRefuseClicksUnlessAlwaysActive)
{
    TExStringGrid grid;
    grid.setOptions(grid.Options() | goEditing);
    grid.AddCheckBox(1, 1, false, false);
    grid.setReadOnly(1, 1, true);
    EXPECT_FALSE(grid.ClickCellCheckBox(1, 1, true));
    EXPECT_FALSE(grid.IsChecked(1, 1));
    grid.ControlLook().CheckAlwaysActive = true;
    EXPECT_TRUE(grid.ClickCellCheckBox(1, 1, true));
    EXPECT_TRUE(grid.IsChecked(1, 1));
}

TEST(StringGridChecks, StateByRealRowReachesHiddenRows)
{
    TExStringGrid grid;
    grid.AddCheckBox(1, 6, false, true);
    grid.HideRow(2);
    EXPECT_TRUE(grid.SetCheckBoxState(1, 6, true));
    EXPECT_EQ(grid.AllCells(1, 6), QStringLiteral("Y"));
    bool state = false;
    EXPECT_TRUE(grid.GetCheckBoxState(1, 6, state));
    EXPECT_TRUE(state);
    grid.HideRow(6);
    EXPECT_TRUE(grid.SetCheckBoxState(1, 6, false));
    EXPECT_EQ(grid.AllCells(1, 6), QStringLiteral("N"));
}

TEST(StringGridChecks, CheckAllReportsOnlyBoxesThatChanged)
{
    TExStringGrid grid;
    grid.AddCheckBox(1, 1, true, false);
    grid.AddCheckBox(1, 2, false, false);
    grid.AddCheckBox(1, 3, false, true);
    int reports = 0;
    grid.OnCheckBoxChange = [&](TExStringGrid *, int, int, bool) { ++reports; };
    grid.CheckAll(1);
    EXPECT_EQ(reports, 2);
    for (int r = 1; r <= 3; ++r)
        EXPECT_TRUE(grid.IsChecked(1, r));
}

} // namespace

namespace {

TEST(StringGridChecks, ColumnsOfBoxesStartAtTheFirstNormalRowUnlessCheckAllCheck)
{
    TExStringGrid grid;
    grid.AddCheckBoxColumn(1);
    EXPECT_FALSE(grid.HasCheckBox(1, 0));
    EXPECT_TRUE(grid.HasCheckBox(1, 9));
    grid.MouseActions().CheckAllCheck = true;
    grid.AddTriStateCheckBoxColumn(2, cbGrayed);
    TCheckBoxState state = cbUnchecked;
    EXPECT_TRUE(grid.GetCheckBoxState(2, 0, state));
    EXPECT_EQ(state, cbGrayed);
    grid.RemoveCheckBoxColumn(2);
    EXPECT_FALSE(grid.HasCheckBox(2, 0));
    grid.AddRadioButtonColumn(3);
    EXPECT_TRUE(grid.HasRadioButton(3, 4));
    grid.RemoveRadioButtonColumn(3);
    EXPECT_FALSE(grid.HasRadioButton(3, 4));
    EXPECT_TRUE(grid.IsClickControlCell(1, 3));
    EXPECT_FALSE(grid.IsDataTextCell(1, 3));
}

TEST(StringGridChecks, TheSpaceKeyAdvancesARadioGroupRoundToTheFirst)
{
    TExStringGrid grid;
    QStringList options{"a", "b", "c"};
    grid.AddRadio(1, 1, 0, 2, &options);
    EXPECT_TRUE(grid.SelectNextRadioItem(1, 1, false));
    int idx = -1;
    grid.GetRadioIdx(1, 1, idx);
    EXPECT_EQ(idx, 0);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("a"));
    // A group that follows its text keeps its marker.
    grid.AddRadio(1, 2, 0, -2, &options);
    grid.setCells(1, 2, QStringLiteral("b"));
    EXPECT_TRUE(grid.SelectNextRadioItem(1, 2, false));
    grid.GetRadioIdx(1, 2, idx);
    EXPECT_EQ(idx, -2);
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("c"));
}

} // namespace
