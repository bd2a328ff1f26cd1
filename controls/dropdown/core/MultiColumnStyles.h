#pragma once
// The multi-column drop-down's colours per component style and the grid
// line colours each selection style brings, as data.
#include "controls/dropdown/core/DropDownTypes.h"
#include "controls/dropdown/core/StyleTables.h"
#include "controls/grid/base/Themes.h"
#include "platform/Color.h"

#include <optional>

namespace controls::multicol {

struct TLineColors {
    platform::TColor LineColor;
    platform::TColor FixedLineColor;
};

// The lines of the data rows and of the header row a selection style
// sets; none for scCustom, which keeps them.
std::optional<TLineColors> selectionLineColors(TSelectionColorStyle style);

struct TMultiColumnStyleColors {
    platform::TColor HeaderColor;
    platform::TColor HeaderColorTo;
    // None: the header font keeps its colour.
    std::optional<platform::TColor> HeaderFontColor;
    // Set first: it brings its own lines and selection colours...
    TSelectionColorStyle SelectionColorStyle;
    // ...which these then replace.
    TLineColors Lines;
    std::optional<TSelectionStyleColors> Selection;
    platform::TColor SelectionTextColor = 0;
};

// None for tsCustom, which changes nothing.
std::optional<TMultiColumnStyleColors> multiColumnStyleColors(TFenloStyle style);

} // namespace controls::multicol
