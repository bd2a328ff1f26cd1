#include "controls/grid/base/paint/CellShapes.h"

#include "platform/draw/ColorMath.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace controls {

using namespace platform;

namespace {

// The ten points of a star: even ones on the outer radii, odd ones on the
// inner, clockwise from the top.
std::vector<TPoint> starPoints(int x, int y, int w, int h)
{
    const double cx = x + w / 2, cy = y + h / 2;
    std::vector<TPoint> points;
    for (int i = 0; i < 10; ++i) {
        const double angle = i * 36 * std::numbers::pi / 180;
        const double rx = i % 2 == 0 ? w / 2 : w / 6.0;
        const double ry = i % 2 == 0 ? h / 2 : h / 6.0;
        points.push_back({roundWith(cx + rx * std::sin(angle), TRounding::HalfEven),
                          roundWith(cy - ry * std::cos(angle), TRounding::HalfEven)});
    }
    return points;
}

} // namespace

void DrawCellShape(TCanvas &canvas, const TRect &box, TCellShape shape, TColor brushColor, TColor penColor)
{
    if (shape > csHalfStar)
        return;
    const int x = box.Left, y = box.Top;
    int w = box.Width(), h = box.Height();
    if (shape == csCircle || shape == csSquare || shape == csRoundSquare)
        w = h = std::min(w, h);
    canvas.Brush().setStyle(TBrushStyle::bsSolid);
    canvas.Brush().setColor(brushColor);
    canvas.Pen().setColor(penColor);
    canvas.Pen().setStyle(TPenStyle::psSolid);
    const auto polygon = [&](std::initializer_list<TPoint> points) {
        canvas.Polygon(std::span<const TPoint>(points.begin(), points.size()));
    };
    const int e = w - w % 2, f = h - h % 2;
    switch (shape) {
    case csRectangle:
    case csSquare:
        canvas.Rectangle(x + 1, y + 1, x + w - 1, y + h - 1);
        break;
    case csCircle:
    case csEllips:
        canvas.Ellipse(x, y, x + w, y + h);
        break;
    case csTriangleLeft:
        polygon({Point(x + w, y), Point(x + w, y + h), Point(x, y + h / 2)});
        break;
    case csTriangleRight:
        polygon({Point(x, y), Point(x, y + h), Point(x + w, y + h / 2)});
        break;
    case csTriangleUp:
        polygon({Point(x, y + h), Point(x + w, y + h), Point(x + w / 2, y)});
        break;
    case csTriangleDown:
        polygon({Point(x, y), Point(x + w, y), Point(x + w / 2, y + h)});
        break;
    case csDiamond:
        polygon({Point(x, y + h / 2), Point(x + w / 2, y), Point(x + 2 * (w / 2), y + h / 2),
                 Point(x + w / 2, y + 2 * (h / 2))});
        break;
    case csLineVert:
        canvas.Rectangle(x + w / 2, y, x + w / 2 + 1, y + h);
        break;
    case csLineHorz:
        canvas.Rectangle(x, y + h / 2, x + w, y + h / 2 + 1);
        break;
    case csRoundRect:
    case csRoundSquare:
        canvas.RoundRect(x, y, x + w, y + h, 10, 10);
        break;
    case csStar: {
        const std::vector<TPoint> star = starPoints(x, y, w, h);
        canvas.Polygon(star);
        break;
    }
    case csHalfStar: {
        const std::vector<TPoint> star = starPoints(x, y, w, h);
        const TPoint half[] = {star[0], star[5], star[6], star[7], star[8], star[9]};
        canvas.Polygon(half);
        break;
    }
    case csArrowUp:
        polygon({Point(x, y + h / 2), Point(x + e / 2, y), Point(x + e, y + h / 2), Point(x + 3 * e / 4, y + h / 2),
                 Point(x + 3 * e / 4, y + h), Point(x + e / 4, y + h), Point(x + e / 4, y + h / 2)});
        break;
    case csArrowDown:
        polygon({Point(x, y + h / 2), Point(x + e / 2, y + h), Point(x + e, y + h / 2), Point(x + 3 * e / 4, y + h / 2),
                 Point(x + 3 * e / 4, y), Point(x + e / 4, y), Point(x + e / 4, y + h / 2)});
        break;
    case csArrowLeft:
        polygon({Point(x, y + f / 2), Point(x + w / 2, y), Point(x + w / 2, y + f / 4), Point(x + w, y + f / 4),
                 Point(x + w, y + 3 * f / 4), Point(x + w / 2, y + 3 * f / 4), Point(x + w / 2, y + f)});
        break;
    case csArrowRight:
        polygon({Point(x + w, y + f / 2), Point(x + w / 2, y), Point(x + w / 2, y + f / 4), Point(x, y + f / 4),
                 Point(x, y + 3 * f / 4), Point(x + w / 2, y + 3 * f / 4), Point(x + w / 2, y + f)});
        break;
    }
}

void DrawDownMarker(TCanvas &canvas, int x, int y, TColor color)
{
    canvas.Brush().setStyle(TBrushStyle::bsSolid);
    canvas.Brush().setColor(color);
    canvas.Pen().setColor(color);
    const TPoint points[] = {Point(x - 3, y), Point(x + 3, y), Point(x, y + 3)};
    canvas.Polygon(points);
}

} // namespace controls
