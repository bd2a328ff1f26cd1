#pragma once
// Backgrounds of cells and buttons: banded gradients, cells with a
// mirrored second half and a border, and the rounded faces of buttons that
// may be parts of a button bar.
#include "platform/draw/Canvas.h"
#include "platform/draw/Gradient.h"

namespace controls {

// Bands from one colour to the other, left to right (Horizontal) or top to
// bottom: steps + 1 bands, at most one per pixel. With one colour clNone
// the rectangle is filled with the other.
void FillGradient(platform::TCanvas &canvas, const platform::TRect &rect, platform::TColor from, platform::TColor to,
                  int steps, platform::TGradientAxis axis);

struct TGradientCellLook {
    platform::TColor Color = platform::clNone; // clNone: no fill
    platform::TColor ColorTo = platform::clNone; // clNone: solid
    platform::TColor MirrorColor = platform::clNone; // set: a second half from here
    platform::TColor MirrorColorTo = platform::clNone;
    platform::TColor BorderColor = platform::clNone; // clNone: no border
    bool Vertical = false; // gradients top to bottom, halves one above the other
    bool SideLinesOnly = false; // the border's left and right lines only
    bool Fill = true;
};

void DrawGradientCell(platform::TCanvas &canvas, const platform::TRect &rect, const TGradientCellLook &look);

// Which ends of a button face are rounded.
enum class TButtonFacePart : std::uint8_t {
    Whole = 0, // both
    Left = 1,  // the left end of a bar
    Right = 2, // the right end of a bar
    Middle = 3, // neither
};

struct TButtonFaceColors {
    platform::TColor Color = platform::clNone;
    platform::TColor ColorTo = platform::clNone; // clNone: a solid face
    platform::TColor MirrorColor = platform::clNone; // set: the lower half from here
    platform::TColor MirrorColorTo = platform::clNone;
    platform::TColor Highlight = platform::clNone; // the line below the top, the upper inner end lines
    platform::TColor Shadow = platform::clNone; // the line above the bottom, the lower inner end lines
    platform::TColor Border = platform::clNone; // top, bottom and outer end lines
    platform::TColor Corner = platform::clNone; // the pixels rounding the ends
    platform::TColor Background = platform::clNone; // the outermost corner pixels
};

// The face covers the rectangle less one pixel at the right and one at the
// bottom; the gradients have 16 steps.
void DrawRoundedButtonFace(platform::TCanvas &canvas, const platform::TRect &rect, const TButtonFaceColors &colors,
                           TButtonFacePart part);

} // namespace controls
