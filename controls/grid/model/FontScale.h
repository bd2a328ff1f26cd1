#pragma once
// A font's size scaled by M/D as a form scales its controls: rounded like
// Windows' MulDiv (halves away from zero).
#include "platform/draw/GraphicsObjects.h"

#include <cstdint>

namespace controls {

inline int MulDiv(int number, int numerator, int denominator)
{
    if (denominator == 0)
        return -1;
    const std::int64_t product = std::int64_t(number) * numerator;
    const std::int64_t half = (denominator < 0 ? -std::int64_t(denominator) : denominator) / 2;
    const bool negative = (product < 0) != (denominator < 0);
    const std::int64_t magnitude = (product < 0 ? -product : product) + half;
    const std::int64_t quotient = magnitude / (denominator < 0 ? -std::int64_t(denominator) : denominator);
    return int(negative ? -quotient : quotient);
}

inline void ScaleFontSize(platform::TFont &font, int M, int D) { font.setSize(MulDiv(font.Size(), M, D)); }

} // namespace controls
