#pragma once
// The colour picker's texts and tables: how a colour is written beside its
// box, and the sixteen colours a new picker offers.
#include "platform/Color.h"

#include <QString>

#include <span>

namespace controls {

enum TColorValueText : unsigned char { cvtNone, cvtHex, cvtWebName, cvtRGB, cvtHTML };

// The colour as the format writes it; clNone is no colour and has no text
// in any format.
QString colorValueText(platform::TColor color, TColorValueText format);

// The CSS name of the colour when our table has one, else "#RRGGBB".
QString webColorName(platform::TColor color);

struct TNamedColor {
    const char *Caption;
    platform::TColor Color;
};

// Black, Maroon, ... White: the sixteen a picker adds by default.
std::span<const TNamedColor> defaultColors();

} // namespace controls
