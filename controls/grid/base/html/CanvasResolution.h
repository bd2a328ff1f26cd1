#pragma once
// The dots per inch a canvas draws at, as the mini-HTML pictures scale by it.
// An image carries its own resolution; every other target (a widget, a
// printer page the grid scales itself) is laid out at the 96 dpi the layer's
// fonts are made for.
#include "platform/draw/Canvas.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace controls {

struct TLogPixels {
    int x = 96;
    int y = 96;
};

inline TLogPixels canvasLogPixels(const platform::TCanvas &canvas)
{
    const QImage *image = canvas.image();
    if (!image || image->isNull() || image->logicalDpiX() <= 0 || image->logicalDpiY() <= 0)
        return {};
    return {image->logicalDpiX(), image->logicalDpiY()};
}

// value * numerator / denominator, rounded half away from zero, in 64 bits.
inline int mulDiv(int value, int numerator, int denominator)
{
    if (denominator == 0)
        return 0;
    const long long product = static_cast<long long>(value) * numerator;
    const long long divisor = std::llabs(denominator);
    long long quotient = (std::llabs(product) + divisor / 2) / divisor;
    if ((product < 0) != (denominator < 0))
        quotient = -quotient;
    return static_cast<int>(std::clamp<long long>(quotient, INT32_MIN, INT32_MAX));
}

} // namespace controls
