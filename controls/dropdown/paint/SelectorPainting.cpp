#include "controls/dropdown/paint/SelectorPainting.h"

#include "controls/dropdown/paint/DrawHelpers.h"
#include "controls/dropdown/paint/Gradient.h"
#include "controls/grid/base/paint/Fills.h"

namespace controls {

using namespace platform;

void PaintSelectorItemFace(TCanvas &canvas, const TRect &r, const TItemAppearance &a, bool hot, bool selected,
                           TColor panelColor)
{
    if (!hot && !selected) {
        canvas.FillColor(r, panelColor);
        return;
    }
    TColor border = a.BorderColor, top = a.BorderColorTop, bottom = a.BorderColorBottom, edge = a.EdgeColor;
    TColor face, faceTo, mirror, mirrorTo;
    const TColor stateBorder = selected ? a.BorderColorSelected : a.BorderColorHot;
    if (selected) {
        face = a.ColorSelected;
        faceTo = a.ColorSelectedTo;
        mirror = a.ColorMirrorSelected;
        mirrorTo = a.ColorMirrorSelectedTo;
    } else {
        face = a.ColorHot;
        faceTo = a.ColorHotTo;
        mirror = a.ColorMirrorHot;
        mirrorTo = a.ColorMirrorHotTo;
    }
    if (stateBorder != clNone) {
        border = stateBorder;
        top = bottom = edge = clNone;
    }
    if (top == clNone) {
        DrawFaceRect(&canvas, r, face, faceTo, border, 1, gdVertical);
        return;
    }
    TButtonFaceColors colors;
    colors.Color = face;
    colors.ColorTo = faceTo;
    colors.MirrorColor = mirror;
    colors.MirrorColorTo = mirrorTo;
    colors.Highlight = top;
    colors.Shadow = bottom;
    colors.Border = border;
    colors.Corner = edge;
    colors.Background = panelColor;
    DrawRoundedButtonFace(canvas, r, colors, TButtonFacePart::Whole);
}

TColor selectorItemTextColor(const TItemAppearance &a, bool hot, bool selected, TColor normal)
{
    if (selected)
        return a.ColorSelectedText;
    if (hot)
        return a.ColorHotText;
    return normal;
}

void PaintColorBox(TCanvas &canvas, const TRect &box, TColor color, TItemPos pos, bool hot, bool selected,
                   const TColorBoxLook &look)
{
    TRect r = box;
    if (color != clNone) {
        setPen(canvas, color);
        setBrush(canvas, color);
        canvas.Rectangle(r);
    }
    if (hot || selected) {
        const TColor outer = selected ? look.OuterBorderColorSelected : look.OuterBorderColorHot;
        const TColor inner = selected ? look.InnerBorderColorSelected : look.InnerBorderColorHot;
        setBrushClear(canvas);
        if (outer != clNone) {
            setPen(canvas, outer);
            canvas.Rectangle(r);
            r = InflateRect(r, -1, -1);
        }
        if (inner != clNone) {
            setPen(canvas, inner);
            canvas.Rectangle(r);
        }
        return;
    }
    setPen(canvas, look.BorderColor);
    const int L = r.Left, T = r.Top, R = r.Right, B = r.Bottom;
    switch (pos) {
    case ipStandAlone:
        canvas.MoveTo(L, B);
        canvas.LineTo(L, T);
        canvas.LineTo(R, T);
        canvas.LineTo(R, B);
        canvas.LineTo(L, B);
        break;
    case ipTop:
        canvas.MoveTo(L, B);
        canvas.LineTo(L, T);
        canvas.LineTo(R, T);
        canvas.LineTo(R, B);
        break;
    case ipMiddle:
        canvas.MoveTo(L, T);
        canvas.LineTo(L, B);
        canvas.MoveTo(R, T);
        canvas.LineTo(R, B);
        break;
    case ipBottom:
        canvas.MoveTo(L, T);
        canvas.LineTo(L, B);
        canvas.LineTo(R, B);
        canvas.MoveTo(R, T);
        canvas.LineTo(R, B + 1);
        break;
    }
}

namespace {

void hexagon(TCanvas &canvas, QPoint centre, QPoint size)
{
    const auto corners = hexagonCorners(centre, size);
    TPoint points[6];
    for (int i = 0; i < 6; ++i)
        points[i] = {corners[std::size_t(i)].x(), corners[std::size_t(i)].y()};
    canvas.Polygon(points);
}

void outline(TCanvas &canvas, const TCubeCell &cell, TColor first)
{
    const QPoint centre(cell.X, cell.Y);
    setBrushClear(canvas);
    setPen(canvas, first);
    hexagon(canvas, centre, {CubeCellSize.x() - 1, CubeCellSize.y()});
    setPen(canvas, clWhite);
    hexagon(canvas, centre, {CubeCellSize.x() - 2, CubeCellSize.y() - 1});
}

} // namespace

void PaintCubeCell(TCanvas &canvas, const TCubeCell &cell, bool hot, bool selected)
{
    setPen(canvas, cell.Color);
    setBrush(canvas, cell.Color);
    hexagon(canvas, {cell.X, cell.Y}, CubeCellSize);
    if (hot)
        outline(canvas, cell, 0x0000FF);
    if (selected)
        outline(canvas, cell, clBlack);
}

void PaintSwatch(TCanvas &canvas, const TRect &r, TColor color)
{
    setBrushClear(canvas);
    setPen(canvas, 0x808080);
    canvas.Rectangle(InflateRect(r, 1, 1));
    setPen(canvas, clWhite);
    if (color == clNone)
        setBrushClear(canvas);
    else
        setBrush(canvas, color);
    canvas.Rectangle(r);
}

} // namespace controls
