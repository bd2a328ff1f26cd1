#include "platform/draw/Gradient.h"

namespace platform {

void DrawBandGradient(TCanvas &canvas, const TRect &rect, TColor from, TColor to, int bands, TGradientAxis axis,
                      TRounding colorRounding)
{
    if (bands <= 0 || IsRectEmpty(rect) || !isColorSet(from) || !isColorSet(to))
        return;
    const bool horizontal = axis == TGradientAxis::Horizontal;
    const int origin = horizontal ? rect.Left : rect.Top;
    const int extent = horizontal ? rect.Width() : rect.Height();
    for (int i = 0; i < bands; ++i) {
        const int start = origin + roundWith(double(i) * extent / bands, TRounding::HalfEven);
        const int end = origin + roundWith(double(i + 1) * extent / bands, TRounding::HalfEven);
        if (end <= start)
            continue;
        const TColor color = MixColors(from, to, i, bands, colorRounding);
        canvas.FillColor(horizontal ? Rect(start, rect.Top, end, rect.Bottom) : Rect(rect.Left, start, rect.Right, end),
                         color);
    }
}

} // namespace platform
