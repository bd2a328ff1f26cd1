#include "controls/dropdown/paint/Gradient.h"

#include "platform/draw/ColorMath.h"

namespace controls {

using namespace platform;

namespace {

int nearest(double value) { return roundWith(value, TRounding::HalfEven); }

constexpr int FaceSteps = 80;

} // namespace

void DrawGradient(TCanvas &canvas, TColor fromColor, TColor toColor, int steps, const TRect &r, bool horizontal)
{
    TRect area = r;
    if (horizontal)
        --area.Right;
    else
        --area.Bottom;
    if (steps <= 0)
        steps = 1;
    const TColor from = ColorToRGB(fromColor);
    const TColor to = ColorToRGB(toColor);
    const double dRed = double(GetRValue(to) - GetRValue(from)) / steps;
    const double dGreen = double(GetGValue(to) - GetGValue(from)) / steps;
    const double dBlue = double(GetBValue(to) - GetBValue(from)) / steps;
    const double band = double(horizontal ? area.Right - area.Left : area.Bottom - area.Top) / steps;
    const int bandWidth = nearest(band) + 1;
    canvas.Pen().setStyle(TPenStyle::psSolid);
    canvas.Pen().setWidth(1);
    canvas.Brush().setStyle(TBrushStyle::bsSolid);
    for (int i = 0; i < steps; ++i) {
        const TColor color = RGB(GetRValue(from) + nearest(i * dRed), GetGValue(from) + nearest(i * dGreen),
                                 GetBValue(from) + nearest(i * dBlue));
        canvas.Pen().setColor(color);
        canvas.Brush().setColor(color);
        const int offset = nearest(i * band);
        if (horizontal)
            canvas.Rectangle(area.Left + offset, area.Top, area.Left + offset + bandWidth, area.Bottom);
        else
            canvas.Rectangle(area.Left, area.Top + offset, area.Right, area.Top + offset + bandWidth);
    }
}

void DrawFaceRect(TCanvas *canvas, const TRect &r, TColor color, TColor colorTo, TColor borderColor,
                  int borderWidth, TGradientDirection direction)
{
    if (!canvas)
        return;
    if (colorTo != clNone) {
        DrawGradient(*canvas, color, colorTo, FaceSteps, r, direction == gdHorizontal);
    } else if (color != clNone) {
        canvas->FillColor(r, color);
    }
    if (borderColor != clNone && borderWidth > 0) {
        canvas->Brush().setStyle(TBrushStyle::bsClear);
        canvas->Pen().setStyle(TPenStyle::psSolid);
        canvas->Pen().setWidth(borderWidth);
        canvas->Pen().setColor(borderColor);
        canvas->Rectangle(r);
    }
}

} // namespace controls
