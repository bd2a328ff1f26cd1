#pragma once
// How the string grid draws its nodes: the glyph kind and colours, the
// indent per level and the tree lines. ExpandOne is the grid's
// CellNodeExpandOne.
#include "platform/Color.h"
#include "platform/draw/Bitmap.h"

#include <cstdint>

namespace controls {

enum TNodeType : std::uint8_t { cnFlat, cn3D, cnGlyph, cnLeaf, cnXP };

struct TCellNode {
    platform::TColor Color = 0xC0C0C0; // the box's face
    TNodeType NodeType = cnXP;
    platform::TColor NodeColor = 0x000000; // the flat box's frame and signs
    int NodeIndent = 12; // pixels per level
    // cnGlyph draws these when both hold a picture.
    platform::TBitmap ExpandGlyph;
    platform::TBitmap ContractGlyph;
    bool ShowTree = true;
    bool ShowTreeFull = true; // the horizontal line runs to the cell's right edge
    platform::TColor TreeColor = 0x808080;
};

} // namespace controls
