#pragma once
// The small types of the multi-column drop-down's columns. The unit has
// its own alignment, as the grid's and the button's are types of theirs.
#include <cstdint>

namespace controls::multicol {

enum TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

enum TColumnType : std::uint8_t { ctText, ctImage };

} // namespace controls::multicol
