#pragma once
// One cell as one number, for sets and maps of cells. The row takes the
// high 32 bits and the column the low 32, so no two cells of any grid share
// a key (a 16-bit split made row 70,000 the same cell as row 4,464).
#include <cstdint>

namespace controls {

using TCellKey = std::uint64_t;

constexpr TCellKey cellKey(int col, int row)
{
    return (TCellKey{static_cast<std::uint32_t>(row)} << 32) | static_cast<std::uint32_t>(col);
}
constexpr int keyCol(TCellKey key) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(key)); }
constexpr int keyRow(TCellKey key) { return static_cast<std::int32_t>(static_cast<std::uint32_t>(key >> 32)); }

} // namespace controls
