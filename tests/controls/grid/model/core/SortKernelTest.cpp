#include "controls/grid/model/core/SortKernel.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

using namespace controls;

namespace {

TEST(SortKernel, MatchesStableSortOnEverySize)
{
    std::mt19937 rng(7);
    for (int n : {0, 1, 2, 15, 16, 17, 31, 33, 100, 1000, 4099}) {
        std::vector<int> keys(static_cast<std::size_t>(n));
        for (int &k : keys)
            k = static_cast<int>(rng() % 10); // many ties
        const auto before = [&](int a, int b) { return keys[static_cast<std::size_t>(a)] < keys[static_cast<std::size_t>(b)]; };
        std::vector<int> expected(static_cast<std::size_t>(n));
        std::iota(expected.begin(), expected.end(), 0);
        std::stable_sort(expected.begin(), expected.end(), before);
        EXPECT_EQ(stableSortOrder(n, before), expected) << n;
    }
}

TEST(SortKernel, AnyComparisonGivesAPermutation)
{
    // Comparisons that are no order at all: random answers, always true,
    // and a cycle. The result must still hold every item once.
    std::mt19937 rng(3);
    const std::vector<std::function<bool(int, int)>> comparisons = {
        [&](int, int) { return rng() % 2 == 0; },
        [](int, int) { return true; },
        [](int a, int b) { return (a + 1) % 3 == b % 3; },
    };
    for (const auto &before : comparisons) {
        std::vector<int> order = stableSortOrder(777, before);
        std::sort(order.begin(), order.end());
        for (int i = 0; i < 777; ++i)
            ASSERT_EQ(order[static_cast<std::size_t>(i)], i);
    }
}

TEST(SortKernel, AppliesTheOrderBySwaps)
{
    std::mt19937 rng(11);
    for (int n : {0, 1, 2, 5, 64, 500}) {
        std::vector<int> order(static_cast<std::size_t>(n));
        std::iota(order.begin(), order.end(), 0);
        std::shuffle(order.begin(), order.end(), rng);
        std::vector<int> items(static_cast<std::size_t>(n));
        std::iota(items.begin(), items.end(), 0);
        int swaps = 0;
        applySortOrder(order, [&](int i, int j) {
            std::swap(items[static_cast<std::size_t>(i)], items[static_cast<std::size_t>(j)]);
            ++swaps;
        });
        EXPECT_EQ(items, order);
        EXPECT_LE(swaps, std::max(n - 1, 0));
    }
}

} // namespace
