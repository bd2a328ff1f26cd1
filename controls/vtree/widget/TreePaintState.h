#pragma once
// What the tree's painting keeps between paints: the expand button images,
// the hot button, the mouse selection's rectangle, the font's metrics, the
// reading direction and the links to the image lists it shows.
#include "controls/vtree/LazyNode.h"
#include "controls/vtree/TreeColumns.h"
#include "platform/draw/Geometry.h"
#include "platform/draw/GraphicsObjects.h"
#include "platform/draw/ImageList.h"

#include <QImage>
#include <QRect>

namespace vtree {

// The six button images: plus and minus, each normal, hot and selected-hot.
struct TButtonBitmaps {
    QImage Plus, HotPlus, SelectedHotPlus;
    QImage Minus, HotMinus, SelectedHotMinus;
};

struct TTreePaintState {
    TButtonBitmaps Buttons;
    // The dot pattern of tree and grid lines, eight rows of eight bits.
    platform::TPattern8 LinePattern{0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA};
    // The mouse is over the expand button of the hot node.
    bool HotNodeButtonHit = false;
    // The tree font's cell height and the width of "..." in it.
    int TextHeight = 0;
    int EllipsisWidth = 0;
    // Set when a handler changed the canvas font while a text was prepared.
    bool FontChanged = false;
    TBiDiMode BiDiMode = TBiDiMode::bdLeftToRight;
    platform::TChangeLink ImagesLink;
    platform::TChangeLink StateImagesLink;
    platform::TChangeLink CustomCheckImagesLink;
};

} // namespace vtree
