#pragma once
// Deterministic variations of a fuzz target's seeds, for the replay programs
// the test command runs: the same seeds give the same inputs on every run
// and every machine, so a failure found there is found again.
#include <cstddef>
#include <cstdint>
#include <vector>

namespace fuzzreplay {

using Bytes = std::vector<std::uint8_t>;

class SeedMutator {
public:
    // `seeds` may be empty: the variations then start from nothing.
    SeedMutator(std::vector<Bytes> seeds, std::size_t maxLength);

    // The n-th variation: a seed (or two spliced) changed in one to four
    // places, never longer than the maximum length.
    Bytes variation(std::size_t n) const;

private:
    // splitmix64: small, well spread and the same everywhere.
    static std::uint64_t mix(std::uint64_t &state);
    void changeOnce(Bytes &bytes, std::uint64_t &state) const;

    std::vector<Bytes> m_seeds;
    std::size_t m_maxLength;
};

} // namespace fuzzreplay
