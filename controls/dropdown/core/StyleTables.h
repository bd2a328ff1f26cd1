#pragma once
// The colour sets of the drop-downs' component styles and selection
// styles, as data: the popup, its header and footer, the header and
// footer buttons, and the selected items of the lists inside the popups.
#include "controls/dropdown/core/DropDownTypes.h"
#include "controls/grid/base/Themes.h"
#include "platform/Color.h"

#include <optional>

namespace controls {

struct TStripStyleColors {
    platform::TColor Color;
    platform::TColor ColorTo;
    platform::TColor FontColor;
    platform::TColor BorderColor;
};

struct TButtonStyleColors {
    platform::TColor Color, ColorTo, BorderColor;
    platform::TColor ColorHot, ColorHotTo, BorderColorHot;
    platform::TColor ColorDown, ColorDownTo, BorderColorDown;
    platform::TColor ColorDisabled, ColorDisabledTo;
};

struct TDropDownStyleColors {
    platform::TColor DropDownColor;
    platform::TColor DropDownColorTo;
    // None: the popup's border keeps the colour it has.
    std::optional<platform::TColor> DropDownBorderColor;
    TStripStyleColors Header;
    TStripStyleColors Footer;
    TButtonStyleColors Buttons;
};

// The colours of a component style; none for tsCustom, which keeps every
// colour as it is.
std::optional<TDropDownStyleColors> dropDownStyleColors(TFenloStyle style);

struct TSelectionStyleColors {
    platform::TColor SelectionColor;
    platform::TColor SelectionColorTo;
};

// The selection colours a selection style sets; none for scCustom.
std::optional<TSelectionStyleColors> selectionStyleColors(TSelectionColorStyle style);

// The rounded face a selection style paints a selected item with, beside
// the selection colours; none for scCustom, which fills a plain rectangle.
struct TSelectionFaceColors {
    platform::TColor InnerCorner;
    platform::TColor Edge;
    platform::TColor LowerInnerLine;
    platform::TColor UpperInnerLine;
    platform::TColor MirrorColor; // none: one gradient over the whole face
    platform::TColor MirrorColorTo;
};
std::optional<TSelectionFaceColors> selectionFaceColors(TSelectionColorStyle style);

} // namespace controls
