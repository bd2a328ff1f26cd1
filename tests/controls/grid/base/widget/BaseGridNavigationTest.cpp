// How the base grid steers the current cell: over merged areas, onto their
// base cells, and off the hidden last row.
#include "BaseGridProbe.h"
#include "GridEvents.h"

#include <gtest/gtest.h>

using namespace controls;
using gridtest::key;
using gridtest::ProbeBaseGrid;

namespace {

struct Area {
    int col, row, spanX, spanY;
};

// 10 x 30 cells of 64 x 24 in 400 x 200 pixels: five columns and seven
// rows in view.
struct BaseGridNavigationTest : testing::Test {
    ProbeBaseGrid grid;
    void SetUp() override
    {
        grid.setScrollBars(ssNone);
        grid.resize(400, 200);
        grid.setColCount(10);
        grid.setRowCount(30);
    }
    TGridCoord current() const { return {grid.Col(), grid.Row()}; }
};

struct Walk {
    const char *name;
    Area area;
    TGridCoord from;
    int qtKey;
    Qt::KeyboardModifiers mods;
    TGridCoord to;
};

const Walk kWalks[] = {
    {"left from an area's last column leaves it", {2, 2, 3, 1}, {4, 2}, Qt::Key_Left, Qt::NoModifier, {1, 2}},
    {"right from the base leaves the area", {2, 2, 3, 1}, {2, 2}, Qt::Key_Right, Qt::NoModifier, {5, 2}},
    {"right into an area lands on its base", {2, 2, 3, 1}, {1, 2}, Qt::Key_Right, Qt::NoModifier, {2, 2}},
    {"left into an area lands on its base", {2, 2, 3, 1}, {5, 2}, Qt::Key_Left, Qt::NoModifier, {2, 2}},
    {"down into an area lands on its base", {2, 2, 3, 1}, {3, 1}, Qt::Key_Down, Qt::NoModifier, {2, 2}},
    {"up from an area's last row leaves it", {2, 2, 1, 3}, {2, 4}, Qt::Key_Up, Qt::NoModifier, {2, 1}},
    {"down from the base leaves the area", {2, 2, 1, 3}, {2, 2}, Qt::Key_Down, Qt::NoModifier, {2, 5}},
    {"up into an area lands on its base", {2, 2, 1, 3}, {2, 5}, Qt::Key_Up, Qt::NoModifier, {2, 2}},
    {"right stops at an area reaching the last column", {7, 2, 3, 1}, {7, 2}, Qt::Key_Right, Qt::NoModifier,
     {7, 2}},
    {"down stops at an area reaching the last row", {2, 27, 1, 3}, {2, 27}, Qt::Key_Down, Qt::NoModifier, {2, 27}},
    {"tab leaves an area from its last column", {2, 2, 3, 1}, {2, 2}, Qt::Key_Tab, Qt::NoModifier, {5, 2}},
    {"tab over an area at the row's end wraps", {7, 2, 3, 1}, {7, 2}, Qt::Key_Tab, Qt::NoModifier, {1, 3}},
    {"shift tab into an area lands on its base", {2, 2, 3, 1}, {5, 2}, Qt::Key_Backtab, Qt::ShiftModifier, {2, 2}},
    {"ctrl end onto an area's last cell snaps to its base", {8, 28, 2, 2}, {1, 1}, Qt::Key_End, Qt::ControlModifier,
     {8, 28}},
};

TEST_F(BaseGridNavigationTest, ArrowsStepOverMergedAreas)
{
    grid.setOptions(grid.Options() | goTabs);
    for (const Walk &w : kWalks) {
        SCOPED_TRACE(w.name);
        grid.MergeCells(w.area.col, w.area.row, w.area.spanX, w.area.spanY);
        grid.MoveColRow(w.from.X, w.from.Y, true, true);
        ASSERT_EQ(current(), w.from);
        key(grid, w.qtKey, w.mods);
        EXPECT_EQ(current(), w.to);
        grid.SplitCells(w.area.col, w.area.row);
    }
}

TEST_F(BaseGridNavigationTest, ShiftArrowsOverAnAreaKeepTheAnchor)
{
    grid.MergeCells(2, 2, 3, 1);
    grid.MoveColRow(1, 2, true, true);
    key(grid, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(current(), TGridCoord(2, 2));
    EXPECT_EQ(grid.Anchor(), TGridCoord(1, 2));
    key(grid, Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(current(), TGridCoord(5, 2));
    EXPECT_EQ(grid.Selection(), TGridRect(1, 2, 5, 2));
}

TEST_F(BaseGridNavigationTest, HiddenLastRowIsNeverCurrent)
{
    grid.FHideLastRow = true;
    grid.setTopRow(23); // the last page: rows 23 to 29
    grid.MoveColRow(1, 25, true, true);
    key(grid, Qt::Key_PageDown);
    EXPECT_EQ(current(), TGridCoord(1, 28)) << "the second-to-last row";
    key(grid, Qt::Key_PageDown);
    EXPECT_EQ(current(), TGridCoord(1, 28));

    grid.MoveColRow(1, 27, true, true);
    gridtest::wheel(grid, {100, 100}, -120);
    gridtest::wheel(grid, {100, 100}, -120);
    EXPECT_EQ(current(), TGridCoord(1, 28));

    grid.FHideLastRow = false;
    key(grid, Qt::Key_PageDown);
    EXPECT_EQ(current(), TGridCoord(1, 29)) << "a row like any other when not hidden";
}

TEST_F(BaseGridNavigationTest, WheelStepsOverAreasAndSnapsToTheirBase)
{
    grid.MergeCells(2, 3, 1, 3); // rows 3 to 5
    grid.MoveColRow(2, 2, true, true);
    gridtest::wheel(grid, {100, 100}, -120);
    EXPECT_EQ(current(), TGridCoord(2, 3));
    gridtest::wheel(grid, {100, 100}, -120);
    EXPECT_EQ(current(), TGridCoord(2, 6)) << "past the area, not back onto its base";
    gridtest::wheel(grid, {100, 100}, 120);
    EXPECT_EQ(current(), TGridCoord(2, 3));
}

TEST_F(BaseGridNavigationTest, SelectingACellAsksTheHookBeforeEveryMove)
{
    std::vector<TGridCoord> asked;
    grid.OnSelectCell = [&](TCellGrid *, int col, int row, bool &canSelect) {
        asked.push_back({col, row});
        canSelect = row != 4;
    };
    grid.MoveColRow(2, 3, true, true);
    key(grid, Qt::Key_Down);
    EXPECT_EQ(current(), TGridCoord(2, 3)) << "vetoed";
    EXPECT_EQ(asked, (std::vector<TGridCoord>{{2, 3}, {2, 4}}));
}

} // namespace
