#include "controls/grid/model/core/HiddenIndex.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

using namespace controls;

namespace {

// The mapping as the walk over every line defines it.
int walkRealOf(const THiddenIndex &index, int displ)
{
    int shown = -1;
    for (int real = 0;; ++real) {
        if (!index.isHidden(real) && ++shown == displ)
            return real;
    }
}

TEST(HiddenIndex, WithNothingHiddenEveryConversionIsTheIdentity)
{
    THiddenIndex index;
    for (const int i : {0, 1, 7, 1000000}) {
        EXPECT_EQ(index.displOf(i), i);
        EXPECT_EQ(index.realOf(i), i);
    }
}

TEST(HiddenIndex, ConvertsAsTheWalkDoes)
{
    struct Case {
        std::vector<int> hidden;
    };
    const Case cases[] = {{{0}}, {{1, 2}}, {{0, 1, 2, 9}}, {{3, 4, 5}}, {{1, 3, 5, 7, 9, 11}}, {{100}}};
    for (const Case &c : cases) {
        THiddenIndex index;
        index.hideAll(c.hidden);
        for (int displ = 0; displ < 30; ++displ) {
            const int real = index.realOf(displ);
            EXPECT_EQ(real, walkRealOf(index, displ)) << displ;
            EXPECT_FALSE(index.isHidden(real));
            EXPECT_EQ(index.displOf(real), displ);
        }
    }
}

TEST(HiddenIndex, AHiddenLineMapsToTheDisplayIndexOfTheNextShownLine)
{
    THiddenIndex index;
    index.hideAll(std::vector<int>{3, 4, 5});
    EXPECT_EQ(index.displOf(4), 3);
    EXPECT_EQ(index.realOf(3), 6);
}

TEST(HiddenIndex, HidesAndShowsOnceAndKeepsOrder)
{
    THiddenIndex index;
    EXPECT_TRUE(index.hide(5));
    EXPECT_TRUE(index.hide(2));
    EXPECT_FALSE(index.hide(5));
    index.hideAll(std::vector<int>{9, 2, 7});
    EXPECT_EQ(std::vector<int>(index.hidden().begin(), index.hidden().end()), (std::vector<int>{2, 5, 7, 9}));
    EXPECT_EQ(index.showRange(4, 8), 2);
    EXPECT_FALSE(index.show(5));
    EXPECT_TRUE(index.show(9));
    EXPECT_EQ(index.count(), 1);
}

TEST(HiddenIndex, InsertedAndRemovedLinesRenumberTheHiddenOnesAfterThem)
{
    THiddenIndex index;
    index.hideAll(std::vector<int>{2, 6, 9});
    index.insertLines(5, 2);
    EXPECT_EQ(std::vector<int>(index.hidden().begin(), index.hidden().end()), (std::vector<int>{2, 8, 11}));
    index.removeLines(0, 3); // takes hidden line 2 with it
    EXPECT_EQ(std::vector<int>(index.hidden().begin(), index.hidden().end()), (std::vector<int>{5, 8}));
}

TEST(HiddenIndex, AMovedLineTakesItsFlagAlong)
{
    struct Case {
        std::vector<int> hidden;
        int from;
        int to;
        std::vector<int> expected;
    };
    const Case cases[] = {
        {{1}, 1, 4, {4}},
        {{2}, 1, 4, {1}}, // the lines between step left
        {{4}, 1, 4, {3}},
        {{5}, 1, 4, {5}},
        {{1, 3}, 4, 0, {2, 4}},
        {{4}, 4, 0, {0}},
    };
    for (const Case &c : cases) {
        THiddenIndex index;
        index.hideAll(c.hidden);
        index.moveLine(c.from, c.to);
        EXPECT_EQ(std::vector<int>(index.hidden().begin(), index.hidden().end()), c.expected)
            << c.from << "->" << c.to;
    }
}

} // namespace

namespace {

TEST(HiddenIndex, LargeSetsWithLongRunsConvertAsTheWalkDoes)
{
    // Runs longer than the index's blocks, single lines, and gaps.
    std::uint32_t x = 7;
    const auto next = [&] {
        x = x * 1664525u + 1013904223u;
        return x >> 8;
    };
    for (int round = 0; round < 6; ++round) {
        THiddenIndex index;
        std::vector<int> hidden;
        int real = static_cast<int>(next() % 50);
        while (real < 20000) {
            const int run = (next() % 4 == 0) ? static_cast<int>(next() % 1500) : 1;
            for (int i = 0; i < run; ++i)
                hidden.push_back(real + i);
            real += run + 1 + static_cast<int>(next() % (round * 300 + 2));
        }
        index.hideAll(hidden);
        std::vector<int> shown;
        for (int r = 0, h = 0; r < 25000; ++r) {
            if (h < static_cast<int>(hidden.size()) && hidden[static_cast<std::size_t>(h)] == r)
                ++h;
            else
                shown.push_back(r);
        }
        for (std::size_t d = 0; d < shown.size(); ++d) {
            ASSERT_EQ(index.realOf(static_cast<int>(d)), shown[d]) << "round " << round << " displ " << d;
            ASSERT_EQ(index.displOf(shown[d]), static_cast<int>(d));
        }
        for (const int h : hidden)
            ASSERT_EQ(index.hiddenBefore(h), static_cast<int>(std::lower_bound(hidden.begin(), hidden.end(), h) - hidden.begin()));
    }
}

} // namespace
