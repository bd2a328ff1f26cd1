#include "SeedMutator.h"

#include <algorithm>
#include <array>

namespace fuzzreplay {
namespace {

// Values that sit on the edges readers test: lengths, signs and counts.
constexpr std::array<std::uint8_t, 10> kEdgeBytes = {0x00, 0x01, 0x0F, 0x10, 0x7F, 0x80, 0xFE, 0xFF, 0x1F, 0x2F};
constexpr std::array<std::uint32_t, 8> kEdgeWords = {0, 1, 0x7F, 0xFF, 0x7FFF, 0xFFFF, 0x7FFFFFFF, 0xFFFFFFFF};

} // namespace

SeedMutator::SeedMutator(std::vector<Bytes> seeds, std::size_t maxLength)
    : m_seeds(std::move(seeds)), m_maxLength(std::max<std::size_t>(maxLength, 1))
{
    if (m_seeds.empty())
        m_seeds.emplace_back();
}

std::uint64_t SeedMutator::mix(std::uint64_t &state)
{
    std::uint64_t z = (state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

Bytes SeedMutator::variation(std::size_t n) const
{
    std::uint64_t state = 0x5EED0000ull + n;
    Bytes bytes = m_seeds[n % m_seeds.size()];
    const std::size_t changes = 1 + mix(state) % 4;
    for (std::size_t i = 0; i < changes; ++i)
        changeOnce(bytes, state);
    if (bytes.size() > m_maxLength)
        bytes.resize(m_maxLength);
    return bytes;
}

void SeedMutator::changeOnce(Bytes &bytes, std::uint64_t &state) const
{
    const auto at = [&](std::size_t size) { return size == 0 ? 0 : static_cast<std::size_t>(mix(state) % size); };
    switch (mix(state) % 9) {
    case 0: // one bit
        if (!bytes.empty())
            bytes[at(bytes.size())] ^= static_cast<std::uint8_t>(1u << (mix(state) % 8));
        break;
    case 1: // one byte, any value
        if (!bytes.empty())
            bytes[at(bytes.size())] = static_cast<std::uint8_t>(mix(state));
        break;
    case 2: // one byte on an edge
        if (!bytes.empty())
            bytes[at(bytes.size())] = kEdgeBytes[at(kEdgeBytes.size())];
        break;
    case 3: { // a little-endian word on an edge
        if (bytes.size() < 4)
            break;
        const std::uint32_t word = kEdgeWords[at(kEdgeWords.size())];
        const std::size_t from = at(bytes.size() - 3);
        for (std::size_t k = 0; k < 4; ++k)
            bytes[from + k] = static_cast<std::uint8_t>(word >> (8 * k));
        break;
    }
    case 4: { // a few new bytes
        const std::size_t count = 1 + mix(state) % 8;
        const std::size_t from = at(bytes.size() + 1);
        Bytes inserted(count);
        for (auto &b : inserted)
            b = static_cast<std::uint8_t>(mix(state));
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(from), inserted.begin(), inserted.end());
        break;
    }
    case 5: { // a run of bytes gone
        if (bytes.empty())
            break;
        const std::size_t from = at(bytes.size());
        const std::size_t count = 1 + at(std::min<std::size_t>(bytes.size() - from, 16));
        bytes.erase(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                    bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
        break;
    }
    case 6: { // a run of bytes repeated
        if (bytes.empty())
            break;
        const std::size_t from = at(bytes.size());
        const std::size_t count = 1 + at(std::min<std::size_t>(bytes.size() - from, 32));
        const Bytes run(bytes.begin() + static_cast<std::ptrdiff_t>(from),
                        bytes.begin() + static_cast<std::ptrdiff_t>(from + count));
        bytes.insert(bytes.begin() + static_cast<std::ptrdiff_t>(from + count), run.begin(), run.end());
        break;
    }
    case 7: // cut short
        bytes.resize(at(bytes.size() + 1));
        break;
    case 8: { // the tail of another seed
        const Bytes &other = m_seeds[at(m_seeds.size())];
        const std::size_t keep = at(bytes.size() + 1);
        const std::size_t from = at(other.size() + 1);
        bytes.resize(keep);
        bytes.insert(bytes.end(), other.begin() + static_cast<std::ptrdiff_t>(from), other.end());
        break;
    }
    }
}

} // namespace fuzzreplay
