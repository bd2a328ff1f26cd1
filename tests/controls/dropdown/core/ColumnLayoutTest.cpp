#include "controls/dropdown/core/ColumnLayout.h"
#include "controls/dropdown/core/ItemMoves.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>

using namespace controls::multicol;

namespace {

TEST(DropDownHeight, WholeRowsOnly)
{
    // 200 - 25 - 2 = 173 leaves seven rows of 22.
    EXPECT_EQ(adjustDropDownHeight(200, 0, 25, 22), 181);
    // Header and footer strips stay on top of the rows.
    EXPECT_EQ(adjustDropDownHeight(240, 40, 25, 22), 40 + 25 + 7 * 22 + 2);
    // Already whole.
    EXPECT_EQ(adjustDropDownHeight(181, 0, 25, 22), 181);
}

TEST(DropDownHeight, RowHeightZeroCountsAsOne)
{
    EXPECT_EQ(adjustDropDownHeight(200, 0, 25, 0), 200);
    EXPECT_EQ(adjustDropDownHeight(200, 0, 25, -5), 200);
}

TEST(FitColumns, RoundingCarriesBothWays)
{
    std::vector<int> widths(16, 60);
    widths.push_back(39);
    const std::vector<int> fitted = fitColumnsToWidth(widths, 1010);
    ASSERT_EQ(fitted.size(), widths.size());
    // F = 1010 / 1000; F x 999 = 1008.99.
    EXPECT_EQ(std::accumulate(fitted.begin(), fitted.end(), 0), 1009);
    for (std::size_t i = 0; i < widths.size(); ++i)
        EXPECT_LE(std::abs(fitted[i] - 1.01 * widths[i]), 1.0) << i;
}

TEST(FitColumns, SumsToTheRoundedStretchedTotal)
{
    struct Case {
        std::vector<int> widths;
        int available;
    };
    const Case cases[] = {
        {{100, 100, 100}, 151},
        {{33, 33, 34}, 500},
        {{7}, 300},
        {{80, 0, 80}, 161},
        {{1, 1, 1, 1, 1, 1, 1}, 5},
    };
    for (const Case &c : cases) {
        const std::vector<int> fitted = fitColumnsToWidth(c.widths, c.available);
        const double total = std::accumulate(c.widths.begin(), c.widths.end(), 0.0);
        const double f = c.available / (1 + total);
        EXPECT_EQ(std::accumulate(fitted.begin(), fitted.end(), 0), int(std::nearbyint(f * total)));
        for (std::size_t i = 0; i < fitted.size(); ++i)
            EXPECT_GE(fitted[i], 0);
    }
    EXPECT_TRUE(fitColumnsToWidth({}, 500).empty());
}

TEST(FitColumns, HalvesRoundToEven)
{
    // F = 4 / (1 + 7) = 0.5: 1.5 rounds to 2, the running 3.5 to 4.
    EXPECT_EQ(fitColumnsToWidth({3, 4}, 4), (std::vector<int>{2, 2}));
    // 1 x 0.5 = 0.5 rounds to 0 (even), then 1.0 - 0 = 1.
    EXPECT_EQ(fitColumnsToWidth({1, 1, 1}, 2), (std::vector<int>{0, 1, 1}));
}

TEST(GridWidth, BordersColumnsAndScrollBar)
{
    EXPECT_EQ(gridWidth(1, {80, 40}, 17, true), 122);
    EXPECT_EQ(gridWidth(1, {80, 40}, 17, false), 139);
    EXPECT_EQ(gridWidth(0, {}, 17, true), 0);
}

TEST(AutoSize, CellWidthAndHeight)
{
    EXPECT_EQ(autoCellWidth(false, 16, false, 0), 0);
    EXPECT_EQ(autoCellWidth(true, 16, false, 0), 20);
    EXPECT_EQ(autoCellWidth(true, 16, true, 50), 76);
    EXPECT_EQ(autoCellWidth(false, 16, true, 50), 56);
    EXPECT_EQ(autoCellHeight(true, 16, false, 0), 22);
    EXPECT_EQ(autoCellHeight(true, 16, true, 40), 46);
    EXPECT_EQ(autoCellHeight(false, 0, true, 13), 19);
}

TEST(SelectionParts, FirstLastBetweenAlone)
{
    EXPECT_EQ(selectionPartKind(0, 1), 0);
    EXPECT_EQ(selectionPartKind(0, 3), 1);
    EXPECT_EQ(selectionPartKind(1, 3), 3);
    EXPECT_EQ(selectionPartKind(2, 3), 2);
    EXPECT_EQ(selectionPartKind(1, 2), 2);
}

TEST(Rows, HeaderAndItems)
{
    EXPECT_FALSE(isItemRow(0, 3));
    EXPECT_TRUE(isItemRow(3, 3));
    EXPECT_FALSE(isItemRow(4, 3));
    EXPECT_FALSE(isItemRow(1, 0));
    EXPECT_EQ(itemToRow(2), 3);
    EXPECT_EQ(rowToItem(3), 2);
}

TEST(ItemMoves, FromEachPlace)
{
    struct Case {
        int (*move)(int, int);
        int from, count, to;
    };
    const Case cases[] = {
        {selectNextPage, 5, 10, 9},     {selectPreviousPage, 5, 10, 0},  {selectNextPage, -1, 10, 0},
        {selectPreviousPage, -1, 10, 0}, {selectNext, 9, 10, 9},          {selectNext, -1, 10, 0},
        {selectPrevious, 0, 10, 0},     {selectPrevious, -1, 10, 0},     {selectFirst, 5, 10, 0},
        {selectLast, 5, 10, 9},         {selectNext, -1, 0, -1},         {selectLast, -1, 0, -1},
        {selectNextPage, 0, 25, 10},    {selectPreviousPage, 15, 25, 5},
    };
    for (const Case &c : cases)
        EXPECT_EQ(c.move(c.from, c.count), c.to) << c.from << " of " << c.count;
}

} // namespace
