#include "controls/dropdown/core/ColorArithmetic.h"

#include <QLocale>

#include <algorithm>

namespace controls {

using platform::TColor;

namespace {

// numerator / denominator rounded to the nearest integer, halves to the even
// neighbour, in integers: a percent of a channel is a tie exactly when the
// arithmetic says so, not when a binary fraction happens to land on one.
int divideRounded(int numerator, int denominator)
{
    const int quotient = numerator / denominator;
    const int twiceRest = 2 * (numerator % denominator);
    if (twiceRest > denominator || (twiceRest == denominator && quotient % 2 != 0))
        return quotient + 1;
    return quotient;
}

} // namespace

TColor MixColors(TColor color1, TColor color2, int percent)
{
    if (percent >= 100)
        return color1;
    if (percent <= 0)
        return color2;
    const TColor a = platform::ColorToRGB(color1);
    const TColor b = platform::ColorToRGB(color2);
    auto mix = [percent](int c1, int c2) { return divideRounded(percent * c1 + (100 - percent) * c2, 100); };
    return platform::RGB(mix(platform::GetRValue(a), platform::GetRValue(b)),
                         mix(platform::GetGValue(a), platform::GetGValue(b)),
                         mix(platform::GetBValue(a), platform::GetBValue(b)));
}

TColor ScaleColorChannels(TColor color, int redPercent, int greenPercent, int bluePercent)
{
    const TColor rgb = platform::ColorToRGB(color);
    auto scale = [](int channel, int percent) {
        if (channel == 0)
            return std::max(0, percent);
        // Below -100 a channel cannot get darker than dark.
        return divideRounded(std::clamp(percent + 100, 0, 100) * channel, 100);
    };
    return platform::RGB(scale(platform::GetRValue(rgb), redPercent), scale(platform::GetGValue(rgb), greenPercent),
                         scale(platform::GetBValue(rgb), bluePercent));
}

QString FoldCase(const QString &text, bool caseSensitive)
{
    return caseSensitive ? text : QLocale().toUpper(text);
}

} // namespace controls
