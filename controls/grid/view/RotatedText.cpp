// Rotated text: the text runs along (cos a, -sin a) from its start point
// (screen y grows down) and its height along (sin a, cos a). The start
// point is placed from the rotated box's corners directly.
#include "controls/grid/view/RotatedText.h"
#include "controls/grid/view/CellPaint.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace controls {

using namespace platform;

namespace {

struct Corners {
    double minX, minY, maxX, maxY;
};

Corners cornersOf(int width, int height, int angle)
{
    const double a = angle * std::numbers::pi / 180.0;
    const double c = std::cos(a), s = std::sin(a);
    const std::array<double, 4> xs{0.0, width * c, height * s, width * c + height * s};
    const std::array<double, 4> ys{0.0, -width * s, height * c, -width * s + height * c};
    return {*std::min_element(xs.begin(), xs.end()), *std::min_element(ys.begin(), ys.end()),
            *std::max_element(xs.begin(), xs.end()), *std::max_element(ys.begin(), ys.end())};
}

// align: 0 at the low edge, 1 at the high edge, 2 in the middle.
int place(int low, int high, int align, double extent, double minOffset)
{
    double start = low;
    if (align == 1)
        start = high - extent;
    else if (align == 2)
        start = low + (high - low - extent) / 2;
    return int(std::lround(start - minOffset));
}

} // namespace

TSize RotatedTextBox(int width, int height, int angle)
{
    const Corners k = cornersOf(width, height, angle);
    return {int(std::lround(k.maxX - k.minX)), int(std::lround(k.maxY - k.minY))};
}

void RotatedTextOrigin(TRect &Rect, int HAlign, int VAlign, int width, int height, int angle)
{
    const Corners k = cornersOf(width, height, angle);
    Rect.Left = place(Rect.Left, Rect.Right, HAlign, k.maxX - k.minX, k.minX);
    // Vertically 1 is the middle and 2 the bottom.
    const int towardsEnd = VAlign == 2 ? 1 : VAlign == 1 ? 2 : 0;
    Rect.Top = place(Rect.Top, Rect.Bottom, towardsEnd, k.maxY - k.minY, k.minY);
}

int TExStringGrid::TotalXOffset() const
{
    const TGridAppearance &look = Appearance();
    return look.XYOffsetTopLeftOnly ? look.XYOffset.X : 2 * look.XYOffset.X;
}

int TExStringGrid::TotalYOffset() const
{
    const TGridAppearance &look = Appearance();
    return look.XYOffsetTopLeftOnly ? look.XYOffset.Y : 2 * look.XYOffset.Y;
}

void TExStringGrid::PlaceRotatedText(TCanvas &ACanvas, TRect &ARect, int AAngle, TCellVAlign VAlign,
                                     TCellHAlign HAlign, const QString &AText)
{
    const int w = ACanvas.TextWidth(AText + u'w');
    const int h = ACanvas.TextHeight(AText + u'w');
    ARect = InflateRect(ARect, -2, -2);
    const int ha = HAlign == haRight ? 1 : HAlign == haCenter ? 2 : 0;
    const int va = VAlign == vaCenter ? 1 : VAlign == vaBottom ? 2 : 0;
    RotatedTextOrigin(ARect, ha, va, w, h, AAngle);
}

} // namespace controls
