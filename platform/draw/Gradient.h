#pragma once
// Gradients as the controls draw them: a number of solid bands stepping from
// one colour to another, side by side or stacked.
#include "platform/draw/Canvas.h"
#include "platform/draw/ColorMath.h"

namespace platform {

enum class TGradientAxis {
    Horizontal, // bands side by side, the first at the left
    Vertical,   // bands stacked, the first at the top
};

// Band i of n has the colour From + i/n of the way to To (rounded as asked)
// and starts i/n of the way across the rectangle (rounded half to even), so
// the bands fill the rectangle exactly. No bands, an empty rectangle or a
// colour clNone draw nothing.
void DrawBandGradient(TCanvas &canvas, const TRect &rect, TColor from, TColor to, int bands, TGradientAxis axis,
                      TRounding colorRounding = TRounding::HalfEven);

} // namespace platform
