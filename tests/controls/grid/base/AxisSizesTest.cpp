#include "controls/grid/base/AxisSizes.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

using controls::TAxisSizes;

namespace {

// The plain answer: a walk over every entry.
struct NaiveAxis {
    std::vector<int> sizes;
    std::int64_t offset(int index) const
    {
        index = std::clamp(index, 0, static_cast<int>(sizes.size()));
        return std::accumulate(sizes.begin(), sizes.begin() + index, std::int64_t{0});
    }
    int indexAt(std::int64_t pos) const
    {
        if (pos < 0)
            return -1;
        std::int64_t edge = 0;
        for (std::size_t i = 0; i < sizes.size(); ++i) {
            edge += sizes[i];
            if (pos < edge)
                return static_cast<int>(i);
        }
        return static_cast<int>(sizes.size());
    }
};

void expectSame(const TAxisSizes &axis, const NaiveAxis &naive)
{
    const int n = static_cast<int>(naive.sizes.size());
    ASSERT_EQ(axis.count(), n);
    for (int i = -1; i <= n + 1; ++i) {
        EXPECT_EQ(axis.offset(i), naive.offset(i)) << "offset " << i;
        EXPECT_EQ(axis.size(i), i >= 0 && i < n ? naive.sizes[static_cast<std::size_t>(i)] : 0) << "size " << i;
    }
    for (std::int64_t pos = -2; pos <= naive.offset(n) + 2; ++pos)
        EXPECT_EQ(axis.indexAt(pos), naive.indexAt(pos)) << "pixel " << pos;
}

} // namespace

TEST(AxisSizesTest, UniformAxisAnswersWithoutStoringEntries)
{
    TAxisSizes axis(24);
    axis.setCount(1'000'000);
    EXPECT_EQ(axis.offset(999'999), 999'999LL * 24);
    EXPECT_EQ(axis.indexAt(24LL * 500'000 + 23), 500'000);
    EXPECT_EQ(axis.indexAt(axis.total()), 1'000'000);
    axis.setSize(999'998, 40);
    EXPECT_EQ(axis.offset(999'999), 999'998LL * 24 + 40);
    EXPECT_EQ(axis.indexAt(999'998LL * 24 + 39), 999'998);
    EXPECT_EQ(axis.indexAt(999'998LL * 24 + 40), 999'999);
}

TEST(AxisSizesTest, EveryChangeAgreesWithAWalkOverTheEntries)
{
    std::mt19937 random(7);
    TAxisSizes axis(5);
    NaiveAxis naive;
    const auto pick = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
    for (int round = 0; round < 300; ++round) {
        const int n = static_cast<int>(naive.sizes.size());
        switch (pick(7)) {
        case 0: {
            const int count = pick(40);
            axis.setCount(count);
            naive.sizes.resize(static_cast<std::size_t>(count), axis.defaultSize());
            break;
        }
        case 1:
        case 2: {
            // Sizes of 0 and negative ones (which count as 0) included.
            const int index = pick(n + 2) - 1;
            const int size = pick(12) - 2;
            axis.setSize(index, size);
            if (index >= 0 && index < n)
                naive.sizes[static_cast<std::size_t>(index)] = std::max(size, 0);
            break;
        }
        case 3: {
            const int at = pick(n + 3) - 1;
            const int count = pick(4);
            axis.insert(at, count);
            naive.sizes.insert(naive.sizes.begin() + std::clamp(at, 0, n), static_cast<std::size_t>(count),
                               axis.defaultSize());
            break;
        }
        case 4: {
            const int at = pick(n + 2) - 1;
            const int count = pick(4);
            axis.remove(at, count);
            if (at >= 0 && at < n && count > 0)
                naive.sizes.erase(naive.sizes.begin() + at, naive.sizes.begin() + std::min(n, at + count));
            break;
        }
        case 5: {
            const int from = pick(n + 2) - 1;
            const int to = pick(n + 2) - 1;
            axis.move(from, to);
            if (from >= 0 && from < n && to >= 0 && to < n) {
                const int moved = naive.sizes[static_cast<std::size_t>(from)];
                naive.sizes.erase(naive.sizes.begin() + from);
                naive.sizes.insert(naive.sizes.begin() + to, moved);
            }
            break;
        }
        default: {
            const int size = pick(9);
            axis.setDefaultSize(size);
            std::fill(naive.sizes.begin(), naive.sizes.end(), size);
            break;
        }
        }
        expectSame(axis, naive);
        if (testing::Test::HasFailure())
            FAIL() << "after round " << round;
    }
}

TEST(AxisSizesTest, ListsOfEntriesGoAndComeBackInOnePass)
{
    std::mt19937 random(11);
    const auto pick = [&](int below) { return static_cast<int>(random() % static_cast<unsigned>(below)); };
    for (int round = 0; round < 60; ++round) {
        TAxisSizes axis(5);
        NaiveAxis naive;
        const int n = pick(30);
        axis.setCount(n);
        naive.sizes.assign(static_cast<std::size_t>(n), 5);
        if (round % 3 != 0) { // a uniform axis as well as a stored one
            for (int i = 0; i < n; i += 3) {
                axis.setSize(i, i % 7);
                naive.sizes[static_cast<std::size_t>(i)] = i % 7;
            }
        }
        std::vector<int> gone;
        for (int i = 0; i < n; ++i)
            if (pick(2) == 0)
                gone.push_back(i);
        std::vector<int> goneSizes;
        for (const int i : gone)
            goneSizes.push_back(naive.sizes[static_cast<std::size_t>(i)]);
        const std::vector<int> before = naive.sizes;
        axis.removeList(gone);
        for (std::size_t k = gone.size(); k-- > 0;)
            naive.sizes.erase(naive.sizes.begin() + gone[k]);
        expectSame(axis, naive);
        // Back at their own places with their own sizes: the axis as it was.
        axis.insertList(gone, goneSizes);
        naive.sizes = before;
        expectSame(axis, naive);
    }
}

TEST(AxisSizesTest, InsertedEntriesWithoutSizesTakeTheDefault)
{
    TAxisSizes axis(24);
    axis.setCount(3);
    const std::vector<int> at{0, 2, 4};
    axis.insertList(at, std::vector<int>{30});
    EXPECT_EQ(axis.count(), 6);
    EXPECT_EQ(axis.size(0), 30);
    for (const int i : {1, 2, 3, 4, 5})
        EXPECT_EQ(axis.size(i), 24) << i;
    EXPECT_EQ(axis.total(), 30 + 5 * 24);
}
