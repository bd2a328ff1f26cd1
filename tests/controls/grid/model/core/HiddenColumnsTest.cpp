#include "controls/grid/model/core/HiddenColumns.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(HiddenColumns, HidingColumnTwoOfFiveShiftsTheDisplayColumns)
{
    THiddenColumns columns;
    columns.setAllCount(5);
    EXPECT_TRUE(columns.hide(2, 64));
    EXPECT_EQ(columns.realOf(2), 3);
    EXPECT_EQ(columns.displOf(3), 2);
    EXPECT_EQ(columns.displOf(1), 1);
    EXPECT_FALSE(columns.hide(2, 10));
    EXPECT_EQ(columns.savedWidth(2), 64);
    EXPECT_FALSE(columns.hide(5, 10)); // outside
}

TEST(HiddenColumns, ColumnsBeyond512MapExactlyWithWideWidths)
{
    // Column state stopped at 512 with 16-bit widths; column 600 showed the
    // data of another column once a column below 512 was hidden.
    THiddenColumns columns;
    columns.setAllCount(1000);
    columns.hide(10, 70000);
    columns.hide(700, 40);
    EXPECT_EQ(columns.realOf(599), 600);
    EXPECT_EQ(columns.displOf(600), 599);
    EXPECT_EQ(columns.realOf(698), 699);
    EXPECT_EQ(columns.realOf(699), 701);
    EXPECT_TRUE(columns.isHidden(700));
    EXPECT_EQ(columns.savedWidth(10), 70000);
}

TEST(HiddenColumns, FlagsAndWidthsMoveWithTheirColumns)
{
    THiddenColumns columns;
    columns.setAllCount(6);
    columns.hide(1, 11);
    columns.setSavedWidth(3, 33);
    columns.moveCol(1, 4);
    EXPECT_TRUE(columns.isHidden(4));
    EXPECT_FALSE(columns.isHidden(1));
    EXPECT_EQ(columns.savedWidth(4), 11);
    EXPECT_EQ(columns.savedWidth(2), 33);

    columns.insertCols(0, 2);
    EXPECT_EQ(columns.allCount(), 8);
    EXPECT_TRUE(columns.isHidden(6));
    EXPECT_EQ(columns.savedWidth(6), 11);
    columns.removeCols(6, 1);
    EXPECT_EQ(columns.hiddenCount(), 0);
    EXPECT_EQ(columns.allCount(), 7);
}

} // namespace
