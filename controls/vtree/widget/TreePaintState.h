#pragma once
// What the tree's painting keeps between paints: the expand button images,
// the line pattern, the font's metrics and the reading direction.
#include "controls/vtree/TreeColumns.h"
#include "controls/vtree/widget/ButtonImages.h"
#include "platform/draw/GraphicsObjects.h"

namespace vtree {

struct TTreePaintState {
    TButtonBitmaps Buttons;
    // The dot pattern of tree and grid lines, eight rows of eight bits.
    platform::TPattern8 LinePattern{0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    // The tree font's cell height and the width of "..." in it.
    int TextHeight = 0;
    int EllipsisWidth = 0;
    // Set when a handler changed the canvas font while a text was prepared.
    bool FontChanged = false;
    TBiDiMode BiDiMode = TBiDiMode::bdLeftToRight;
};

} // namespace vtree
