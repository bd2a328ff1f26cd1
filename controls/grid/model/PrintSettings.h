#pragma once
// What the string grid's painting and printing share: the fonts a printed
// cell takes, and the sides of a cell that get a border.
#include "controls/grid/base/GridTypes.h"
#include "platform/draw/GraphicsObjects.h"

#include <bitset>

namespace controls {

// The fonts printing uses where a column has none of its own; with
// UseDisplayFont the screen's fonts print.
struct TPrintSettings {
    platform::TFont Font;
    platform::TFont FixedFont;
    bool UseDisplayFont = false;
};

// Which sides of a cell get a border, indexed by TCellBorder.
using TCellBorders = std::bitset<4>;

} // namespace controls
