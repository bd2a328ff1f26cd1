// The replay programs must give the same inputs on every run, so that a
// failure found by the test command is found again, and must stay within
// the length each fuzz target is limited to.
#include "SeedMutator.h"

#include <gtest/gtest.h>

#include <set>

using fuzzreplay::Bytes;
using fuzzreplay::SeedMutator;

TEST(SeedMutator, SameSeedsGiveTheSameVariations)
{
    const std::vector<Bytes> seeds = {{0x68, 0x03, 0x03, 0x68, 0x08, 0x01, 0x72}, {'a', 'b', 'c'}};
    const SeedMutator one(seeds, 64);
    const SeedMutator two(seeds, 64);
    for (std::size_t n = 0; n < 200; ++n)
        ASSERT_EQ(one.variation(n), two.variation(n)) << n;
}

TEST(SeedMutator, VariationsDifferAndKeepToTheLengthLimit)
{
    const std::vector<Bytes> seeds = {Bytes(40, 0x2F), {1, 2, 3, 4, 5, 6, 7, 8}};
    const SeedMutator mutator(seeds, 32);
    std::set<Bytes> seen;
    for (std::size_t n = 0; n < 500; ++n) {
        const Bytes v = mutator.variation(n);
        ASSERT_LE(v.size(), 32u) << n;
        seen.insert(v);
    }
    // Far more distinct inputs than seeds, and not only the seeds cut short.
    EXPECT_GT(seen.size(), 300u);
}

TEST(SeedMutator, NoSeedsStillGiveInputs)
{
    const SeedMutator mutator({}, 16);
    std::size_t nonEmpty = 0;
    for (std::size_t n = 0; n < 100; ++n) {
        const Bytes v = mutator.variation(n);
        ASSERT_LE(v.size(), 16u);
        nonEmpty += v.empty() ? 0 : 1;
    }
    EXPECT_GT(nonEmpty, 10u);
}
