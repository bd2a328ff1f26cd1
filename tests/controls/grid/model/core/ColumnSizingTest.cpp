#include "controls/grid/model/core/ColumnSizing.h"

#include <gtest/gtest.h>

#include <numeric>

using namespace controls;

namespace {

TEST(ColumnSizing, StretchedColumnTakesTheRoomLeft)
{
    EXPECT_EQ(stretchedColumnWidth(400, 300, 64, true), 99);
    EXPECT_EQ(stretchedColumnWidth(400, 450, 64, true), 64);
    EXPECT_EQ(stretchedColumnWidth(400, 450, 64, false), std::nullopt);
    EXPECT_EQ(stretchColumnIndex(-1, 5), 4);
    EXPECT_EQ(stretchColumnIndex(-1, 7), 6);
    EXPECT_EQ(stretchColumnIndex(5, 5), std::nullopt);
    EXPECT_EQ(stretchColumnIndex(-1, 0), std::nullopt);
}

TEST(ColumnSizing, FittedWidthsFillTheRoom)
{
    struct Case {
        std::vector<int> widths;
        int room;
        int lines;
    };
    const Case cases[] = {
        {{100, 100, 200}, 600, 0}, {{64, 64, 64}, 200, 3}, {{10, 0, 30}, 401, 0}, {{0, 0, 0}, 300, 0},
        {{0, 0}, 301, 2},          {{50}, 120, 0},         {{100, 100}, 150, 0},
    };
    for (const Case &c : cases) {
        const std::vector<int> w = fittedColumnWidths(c.widths, c.room, c.lines);
        ASSERT_EQ(w.size(), c.widths.size());
        EXPECT_EQ(std::accumulate(w.begin(), w.end(), 0), c.room) << c.room;
    }
    // No width at all: equal shares, the rest to the first.
    EXPECT_EQ(fittedColumnWidths({0, 0, 0}, 301, 0), (std::vector<int>{101, 100, 100}));
    // Already filling: unchanged.
    EXPECT_EQ(fittedColumnWidths({100, 200}, 300, 0), (std::vector<int>{100, 200}));
    EXPECT_EQ(fittedColumnWidths({100, 300}, 200, 0), (std::vector<int>{50, 150}));
}

TEST(ColumnSizing, ContentWidthWithinItsLimits)
{
    struct Case {
        int measured, current, min, max;
        bool growOnly;
        int width;
    };
    const Case cases[] = {
        {120, 64, 50, 50, false, 120}, // equal limits are none
        {120, 64, 0, 100, false, 100}, {20, 64, 30, 0, false, 30},  {40, 64, 0, 0, true, 64},
        {40, 64, 0, 0, false, 40},     {80, 64, 0, 0, true, 80},
    };
    for (const Case &c : cases)
        EXPECT_EQ(contentColumnWidth(c.measured, c.current, c.min, c.max, c.growOnly), c.width) << c.measured;
    EXPECT_EQ(contentExtraWidth(true, false), 10);
    EXPECT_EQ(contentExtraWidth(false, true), 12);
}

TEST(ColumnSizing, AutoNumbersSkipTheStart)
{
    // One fixed row, data rows 1..5, numbering starts two rows in.
    EXPECT_EQ(autoNumbers(1, 5, 2, 0, false), (std::vector<std::pair<int, int>>{{3, 3}, {4, 4}, {5, 5}}));
    EXPECT_EQ(autoNumbers(1, 3, 0, 10, true), (std::vector<std::pair<int, int>>{{3, 11}, {2, 12}, {1, 13}}));
}

} // namespace
