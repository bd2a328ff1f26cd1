#include "controls/grid/model/core/ColumnOrder.h"

#include <gtest/gtest.h>

#include <vector>

using namespace controls;

namespace {

// Applies moves to a row of column numbers as the grid would.
std::vector<int> applied(std::vector<int> order, const std::vector<std::pair<int, int>> &moves)
{
    TColumnOrder o;
    o.assign(std::move(order));
    for (const auto &[from, to] : moves)
        o.move(from, to);
    return o.entries();
}

TEST(ColumnOrder, MovingColumnOneToFourIsRememberedAndRestored)
{
    TColumnOrder order;
    order.reset(6);
    order.move(1, 4);
    EXPECT_EQ(order.positionOf(1), 4);
    EXPECT_EQ(order.at(4), 1);
    const auto moves = order.restoringMoves();
    ASSERT_TRUE(moves);
    EXPECT_EQ(applied(order.entries(), *moves), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST(ColumnOrder, RefusesToRestoreWhatIsNoPermutation)
{
    // Such a list made the restoring loop run forever.
    const std::vector<int> broken[] = {{0, 0, 1}, {2, 1}, {-1, 0}, {0, 1, 5}};
    for (const auto &entries : broken) {
        TColumnOrder order;
        order.assign(entries);
        EXPECT_FALSE(order.isPermutation());
        EXPECT_FALSE(order.restoringMoves());
    }
}

TEST(ColumnOrder, StaysAPermutationThroughInsertsAndRemovals)
{
    TColumnOrder order;
    order.reset(5);
    order.move(0, 3); // 1 2 3 0 4
    order.insertCols(2, 2); // new columns remember positions 2 and 3
    EXPECT_TRUE(order.isPermutation());
    EXPECT_EQ(order.entries(), (std::vector<int>{1, 4, 2, 3, 5, 0, 6}));
    order.removeCols(0, 1); // column 1 goes
    EXPECT_TRUE(order.isPermutation());
    EXPECT_EQ(order.entries(), (std::vector<int>{3, 1, 2, 4, 0, 5}));
    const auto moves = order.restoringMoves();
    ASSERT_TRUE(moves);
    EXPECT_EQ(applied(order.entries(), *moves), (std::vector<int>{0, 1, 2, 3, 4, 5}));
}

TEST(ColumnOrder, AFollowingIndexTracksItsLine)
{
    struct Case {
        int index;
        int from;
        int to;
        int expected;
    };
    const Case cases[] = {
        {3, 1, 4, 2}, // between, moving right
        {4, 1, 4, 3}, // at the target, moving right: it stepped left too
        {1, 1, 4, 4}, // the moved line itself
        {5, 1, 4, 5},
        {0, 1, 4, 0},
        {1, 4, 1, 2}, // at the target, moving left
        {3, 4, 1, 4},
        {4, 4, 1, 1},
        {0, 4, 1, 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(followMovedLine(c.index, c.from, c.to), c.expected) << c.index << " " << c.from << "->" << c.to;
}

} // namespace
