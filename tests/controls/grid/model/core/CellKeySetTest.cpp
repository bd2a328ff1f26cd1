#include "controls/grid/model/core/CellKeySet.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(CellKey, RowsBeyond16BitsKeepTheirOwnKey)
{
    // With a 16-bit split 70,000 and 4,464 were one row (70,000 - 65,536).
    EXPECT_NE(cellKey(3, 70000), cellKey(3, 4464));
    EXPECT_NE(cellKey(70000, 1), cellKey(4464, 2));
    struct Case {
        int col;
        int row;
    };
    const Case cases[] = {{0, 0}, {3, 70000}, {65536, 1}, {2147483647, 2147483647}, {-1, 5}, {5, -1}};
    for (const Case &c : cases) {
        const TCellKey key = cellKey(c.col, c.row);
        EXPECT_EQ(keyCol(key), c.col);
        EXPECT_EQ(keyRow(key), c.row);
    }
}

TEST(CellKeySet, KeepsTheOrderOfAddingAndEachCellOnce)
{
    TCellKeySet set;
    EXPECT_TRUE(set.add(2, 70000));
    EXPECT_TRUE(set.add(2, 4464));
    EXPECT_FALSE(set.add(2, 70000));
    EXPECT_EQ(set.count(), 2);
    EXPECT_EQ(set.at(0), (TCellPoint{2, 70000}));
    EXPECT_EQ(set.at(1), (TCellPoint{2, 4464}));
    EXPECT_EQ(set.at(2), (TCellPoint{-1, -1}));
    EXPECT_TRUE(set.remove(2, 70000));
    EXPECT_FALSE(set.contains(2, 70000));
    EXPECT_TRUE(set.contains(2, 4464));
    EXPECT_FALSE(set.remove(2, 70000));
    EXPECT_EQ(set.at(0), (TCellPoint{2, 4464}));
}

TEST(CellKeySet, CellsFollowInsertedAndRemovedLines)
{
    TCellKeySet set;
    set.add(1, 1);
    set.add(1, 5);
    set.add(4, 8);
    set.insertRows(2, 3); // rows 2..4 new
    EXPECT_EQ(set.at(0), (TCellPoint{1, 1}));
    EXPECT_EQ(set.at(1), (TCellPoint{1, 8}));
    EXPECT_EQ(set.at(2), (TCellPoint{4, 11}));
    set.removeRows(6, 1);
    EXPECT_EQ(set.count(), 3);
    EXPECT_EQ(set.at(1), (TCellPoint{1, 7}));
    EXPECT_EQ(set.at(2), (TCellPoint{4, 10}));
    set.removeRows(7, 1); // takes (1, 7) with it
    EXPECT_EQ(set.count(), 2);
    EXPECT_EQ(set.at(1), (TCellPoint{4, 9}));
    set.removeCols(4, 1);
    EXPECT_EQ(set.count(), 1);
    set.insertCols(0, 2);
    EXPECT_EQ(set.at(0), (TCellPoint{3, 1}));
    EXPECT_TRUE(set.contains(3, 1));
}

} // namespace
