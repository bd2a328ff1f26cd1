#include "platform/draw/ColorMath.h"

#include <algorithm>
#include <cmath>

namespace platform {
namespace {

int channel(double value) { return std::clamp(int(value), 0, 255); }

} // namespace

int roundWith(double value, TRounding rounding)
{
    if (rounding == TRounding::Truncate)
        return int(std::trunc(value));
    return int(std::nearbyint(value)); // the default floating mode rounds halves to even
}

TColor MixColors(TColor from, TColor to, double part, double whole, TRounding rounding)
{
    if (!isColorSet(from) || !isColorSet(to))
        return !isColorSet(from) ? from : to;
    const TColor a = ColorToRGB(from);
    if (whole <= 0)
        return a;
    const TColor b = ColorToRGB(to);
    const auto mix = [&](int ca, int cb) { return channel(ca + roundWith(part * (cb - ca) / whole, rounding)); };
    return RGB(mix(GetRValue(a), GetRValue(b)), mix(GetGValue(a), GetGValue(b)), mix(GetBValue(a), GetBValue(b)));
}

TColor BlendColors(TColor a, TColor b, int alpha)
{
    return MixColors(a, b, std::clamp(alpha, 0, 255), 255);
}

TColor LightenColor(TColor color, int percent)
{
    return MixColors(color, clWhite, std::clamp(percent, 0, 100), 100);
}

TColor DarkenColor(TColor color, int percent)
{
    return MixColors(color, clBlack, std::clamp(percent, 0, 100), 100);
}

} // namespace platform
