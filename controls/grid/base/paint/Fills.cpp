#include "controls/grid/base/paint/Fills.h"

#include "platform/draw/ColorMath.h"

#include <algorithm>

namespace controls {

using namespace platform;

namespace {

void line(TCanvas &canvas, TColor color, int x0, int y0, int x1, int y1)
{
    canvas.Pen().setColor(color);
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}

void pixel(TCanvas &canvas, TColor color, int x, int y) { canvas.FillColor(Rect(x, y, x + 1, y + 1), color); }

void usePlainPen(TCanvas &canvas)
{
    canvas.Pen().setWidth(1);
    canvas.Pen().setStyle(TPenStyle::psSolid);
    canvas.Pen().setMode(TPenMode::pmCopy);
}

// Two gradients, the second half from the mirror colour.
void fillHalves(TCanvas &canvas, const TRect &rect, TColor color, TColor colorTo, TColor mirror, TColor mirrorTo,
                int steps, bool stacked, TGradientAxis axis)
{
    TRect first = rect, second = rect;
    if (stacked)
        first.Bottom = second.Top = rect.Top + rect.Height() / 2;
    else
        first.Right = second.Left = rect.Left + rect.Width() / 2;
    FillGradient(canvas, first, color, colorTo, steps, axis);
    FillGradient(canvas, second, mirror, mirrorTo, steps, axis);
}

} // namespace

void FillGradient(TCanvas &canvas, const TRect &rect, TColor from, TColor to, int steps, TGradientAxis axis)
{
    const TRect r = NormalizeRect(rect);
    if (IsRectEmpty(r))
        return;
    if (!isColorSet(from) || !isColorSet(to)) {
        canvas.FillColor(r, isColorSet(from) ? from : to);
        return;
    }
    const bool horizontal = axis == TGradientAxis::Horizontal;
    const int origin = horizontal ? r.Left : r.Top;
    const int end = horizontal ? r.Right : r.Bottom;
    const int span = end - origin - 1;
    const int n = std::max(1, std::min(steps, span));
    // Each band reaches one pixel into the next, which paints over it.
    const int length = span / n + 1;
    for (int i = 0; i <= n; ++i) {
        const int start = origin + int(std::int64_t(i) * span / n);
        const int stop = std::min(start + length, end);
        const TColor color = MixColors(from, to, i, n);
        canvas.FillColor(horizontal ? Rect(start, r.Top, stop, r.Bottom) : Rect(r.Left, start, r.Right, stop), color);
    }
}

void DrawGradientCell(TCanvas &canvas, const TRect &rect, const TGradientCellLook &look)
{
    const TGradientAxis axis = look.Vertical ? TGradientAxis::Vertical : TGradientAxis::Horizontal;
    if (look.Fill && isColorSet(look.Color)) {
        if (isColorSet(look.MirrorColor))
            fillHalves(canvas, rect, look.Color, look.ColorTo, look.MirrorColor, look.MirrorColorTo, 128, look.Vertical,
                       axis);
        else if (!isColorSet(look.ColorTo))
            canvas.FillColor(Rect(rect.Left, rect.Top, rect.Right, rect.Bottom + 1), look.Color);
        else
            FillGradient(canvas, rect, look.Color, look.ColorTo, 128, axis);
    }
    if (!isColorSet(look.BorderColor))
        return;
    if (look.SideLinesOnly) {
        usePlainPen(canvas);
        line(canvas, look.BorderColor, rect.Left, rect.Top, rect.Left, rect.Bottom);
        line(canvas, look.BorderColor, rect.Right - 1, rect.Top, rect.Right - 1, rect.Bottom);
        return;
    }
    canvas.Brush().setColor(look.BorderColor);
    canvas.FrameRect(rect);
}

void DrawRoundedButtonFace(TCanvas &canvas, const TRect &rect, const TButtonFaceColors &c, TButtonFacePart part)
{
    const bool roundLeft = part == TButtonFacePart::Whole || part == TButtonFacePart::Left;
    const bool roundRight = part == TButtonFacePart::Whole || part == TButtonFacePart::Right;
    const int l = rect.Left, t = rect.Top, r = rect.Right - 1, b = rect.Bottom - 2;
    const int mid = t + (b - t) / 2;
    usePlainPen(canvas);

    line(canvas, c.Highlight, l, t + 1, r, t + 1);
    if (roundLeft)
        line(canvas, c.Highlight, l + 1, t + 1, l + 1, mid);
    if (roundRight)
        line(canvas, c.Highlight, r - 2, t + 1, r - 2, mid);

    line(canvas, c.Shadow, l, b - 1, r, b - 1);
    if (roundLeft)
        line(canvas, c.Shadow, l + 1, mid, l + 1, b - 1);
    if (roundRight)
        line(canvas, c.Shadow, r - 2, mid, r - 2, b - 1);

    const int borderLeft = roundLeft ? l + 2 : l, borderRight = roundRight ? r - 2 : r;
    line(canvas, c.Border, borderLeft, t, borderRight, t);
    line(canvas, c.Border, borderLeft, b, borderRight, b);
    if (roundLeft)
        line(canvas, c.Border, l, t + 2, l, b - 1);
    if (roundRight)
        line(canvas, c.Border, r - 1, t + 2, r - 1, b - 1);

    const auto corners = [&](int end, int inner) {
        for (const TPoint p : {Point(end, t + 1), Point(inner, t), Point(inner, t + 1), Point(end, b - 1),
                               Point(inner, b), Point(inner, b - 1)})
            pixel(canvas, c.Corner, p.X, p.Y);
        pixel(canvas, c.Background, end, t);
        pixel(canvas, c.Background, end, b);
    };
    if (roundLeft)
        corners(l, l + 1);
    if (roundRight)
        corners(r - 1, r - 2);

    const TRect inside{roundLeft ? l + 2 : l, t + 2, roundRight ? r - 2 : r, b - 1};
    if (!isColorSet(c.ColorTo))
        canvas.FillColor(inside, c.Color);
    else if (!isColorSet(c.MirrorColor))
        FillGradient(canvas, inside, c.Color, c.ColorTo, 16, TGradientAxis::Vertical);
    else
        fillHalves(canvas, inside, c.Color, c.ColorTo, c.MirrorColor, c.MirrorColorTo, 16, true,
                   TGradientAxis::Vertical);
}

} // namespace controls
