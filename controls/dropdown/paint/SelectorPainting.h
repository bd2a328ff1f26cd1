#pragma once
// The faces of the item drop-downs' lists and colour panels: the hot and
// selected item backgrounds, the framed colour boxes of the palette joined
// into shade columns, the honeycomb cells and the spectrum's swatches.
#include "controls/dropdown/core/ColorPanelsLayout.h"
#include "controls/dropdown/core/ItemAppearance.h"
#include "platform/draw/Canvas.h"

namespace controls {

// An item's background: the panel's colour when it is neither hot nor
// selected, else the hot or selected face (selected wins), rounded when
// the appearance has a top border colour.
void PaintSelectorItemFace(platform::TCanvas &canvas, const platform::TRect &r, const TItemAppearance &appearance,
                           bool hot, bool selected, platform::TColor panelColor);

// The text colour of an item in that state; none keeps the font's colour.
platform::TColor selectorItemTextColor(const TItemAppearance &appearance, bool hot, bool selected,
                                       platform::TColor normal);

struct TColorBoxLook {
    platform::TColor BorderColor = 0xC5C5C5;
    platform::TColor OuterBorderColorHot = 0x3694F2;
    platform::TColor InnerBorderColorHot = 0x94E2FF;
    platform::TColor OuterBorderColorSelected = 0x0000FF;
    platform::TColor InnerBorderColorSelected = 0x94E2FF;
};

// A palette box: its colour, then a double frame when hot or selected,
// else the lines its place in a shade column asks for.
void PaintColorBox(platform::TCanvas &canvas, const platform::TRect &r, platform::TColor color, TItemPos pos,
                   bool hot, bool selected, const TColorBoxLook &look);

// A cube cell, with the hot (red and white) or selected (black and white)
// outline.
void PaintCubeCell(platform::TCanvas &canvas, const TCubeCell &cell, bool hot, bool selected);

// A swatch of the spectrum: a grey frame around it, then the colour
// inside a white pen.
void PaintSwatch(platform::TCanvas &canvas, const platform::TRect &r, platform::TColor color);

} // namespace controls
