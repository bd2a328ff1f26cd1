#include "controls/grid/base/paint/ColorSteps.h"

#include "platform/draw/ColorMath.h"

#include <algorithm>

namespace controls {

using namespace platform;

namespace {

int channel(double value) { return std::clamp(roundWith(value, TRounding::HalfEven), 0, 255); }

template <class Channel>
TColor perChannel(TColor color, Channel change)
{
    const TColor rgb = ColorToRGB(color);
    return RGB(change(GetRValue(rgb)), change(GetGValue(rgb)), change(GetBValue(rgb)));
}

} // namespace

TColor HalveColor(TColor color)
{
    return perChannel(color, [](int c) { return c >> 1; });
}

TColor ScaleColorPercent(TColor color, int percent)
{
    return perChannel(color, [percent](int c) { return channel(c + c * double(percent) / 100); });
}

TColor BlendColorStep(TColor from, TColor to, int minimum, int maximum, int position)
{
    if (!isColorSet(from) || !isColorSet(to) || maximum == minimum)
        return from;
    const TColor a = ColorToRGB(from);
    const TColor b = ColorToRGB(to);
    // In doubles: the range of two far-apart ints does not fit an int.
    const double range = double(maximum) - double(minimum);
    const auto step = [&](int ca, int cb) { return channel(ca + double(cb - ca) / range * position); };
    return RGB(step(GetRValue(a), GetRValue(b)), step(GetGValue(a), GetGValue(b)), step(GetBValue(a), GetBValue(b)));
}

} // namespace controls
