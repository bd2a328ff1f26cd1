#pragma once
// What the string grid's painting and printing share: the print settings
// with their fonts, and the sides of a cell that get a border.
#include "controls/grid/base/GridTypes.h"
#include "controls/grid/model/core/PrintLayoutSettings.h"
#include "platform/draw/GraphicsObjects.h"

#include <bitset>

namespace controls {

// The layout settings and the fonts printing uses: Font and FixedFont
// where a column has none of its own (with UseDisplayFont the screen's
// fonts print), HeaderFont and FooterFont for the page's header and footer.
struct TPrintSettings : TPrintLayoutSettings {
    platform::TFont Font;
    platform::TFont FixedFont;
    platform::TFont HeaderFont;
    platform::TFont FooterFont;

    // Every setting, the fonts by value, but FixedCellsAlways.
    void Assign(const TPrintSettings &other)
    {
        AssignLayout(other);
        Font.Assign(other.Font);
        FixedFont.Assign(other.FixedFont);
        HeaderFont.Assign(other.HeaderFont);
        FooterFont.Assign(other.FooterFont);
    }
};

// Which sides of a cell get a border, indexed by TCellBorder.
using TCellBorders = std::bitset<4>;

} // namespace controls
