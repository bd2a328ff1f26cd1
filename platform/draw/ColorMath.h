#pragma once
// Colour arithmetic of the painting code. Every routine turns system colours
// into RGB first; clNone and clDefault are not colours and come back as they
// are, so that a caller that passes them draws nothing.
#include "platform/Color.h"

namespace platform {

enum class TRounding {
    HalfEven,  // to the nearest integer, halves to the even neighbour
    Truncate,  // toward zero
};

int roundWith(double value, TRounding rounding);

// From + part / whole of the way to To, channel by channel; whole <= 0 gives From.
TColor MixColors(TColor from, TColor to, double part, double whole, TRounding rounding = TRounding::HalfEven);
// Alpha 0 gives a, 255 gives b.
TColor BlendColors(TColor a, TColor b, int alpha);
// Percent of the way to white, or to black.
TColor LightenColor(TColor color, int percent);
TColor DarkenColor(TColor color, int percent);

} // namespace platform
