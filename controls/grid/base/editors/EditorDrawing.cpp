#include "controls/grid/base/editors/EditorDrawing.h"

#include "platform/ui/Fonts.h"
#include "platform/draw/Edges.h"

#include <algorithm>
#include <vector>

namespace controls {

using namespace platform;

void setCanvasFont(TFont &target, const QFont &font, TColor color)
{
    target.setName(font.family());
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : pointsToPixels(font.pointSize());
    target.setHeight(-pixels);
    target.setStyle({.bold = font.bold(), .italic = font.italic(), .underline = font.underline(),
                     .strikeOut = font.strikeOut()});
    target.setColor(color);
}

void frameRect(TCanvas &canvas, const TRect &rect, TColor color)
{
    if (!isColorSet(color) || IsRectEmpty(rect))
        return;
    canvas.FillColor(Rect(rect.Left, rect.Top, rect.Right, rect.Top + 1), color);
    canvas.FillColor(Rect(rect.Left, rect.Bottom - 1, rect.Right, rect.Bottom), color);
    canvas.FillColor(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom), color);
    canvas.FillColor(Rect(rect.Right - 1, rect.Top, rect.Right, rect.Bottom), color);
}

void fillRect(TCanvas &canvas, const TRect &rect, TColor color)
{
    canvas.FillColor(rect, color);
}

void fillPolygon(TCanvas &canvas, std::initializer_list<TPoint> points, TColor color)
{
    canvas.Pen().setColor(color);
    canvas.Pen().setStyle(TPenStyle::psSolid);
    canvas.Brush().setColor(color);
    canvas.Brush().setStyle(TBrushStyle::bsSolid);
    const std::vector<TPoint> corners(points);
    canvas.Polygon(corners);
}

void paintEditorBorder(TCanvas &canvas, const TRect &window, const TEditorBorder &b)
{
    if (!b.enabled && b.themedLibrary && !b.disabledBorder) {
        frameRect(canvas, window, DisabledThemedBorder);
        return;
    }
    if (b.focused && isColorSet(b.focusBorderColor)) {
        frameRect(canvas, window, b.focusBorderColor);
        return;
    }
    if (isColorSet(b.borderColor)) {
        frameRect(canvas, window, b.borderColor);
        return;
    }
    if (isColorSet(b.focusBorderColor) && b.rings == TBorderRings::Three)
        return;

    const TColor outer = b.focusFrame ? clBtnFace : b.parentColor;
    TRect r = window;
    if (b.rings == TBorderRings::Two) {
        frameRect(canvas, r, outer);
        frameRect(canvas, InflateRect(r, -1, -1), b.controlColor);
        return;
    }
    if (b.focusFrame) {
        DrawEdge(canvas, r, BDR_SUNKENOUTER, BF_RECT | BF_ADJUST);
        frameRect(canvas, r, outer);
        frameRect(canvas, InflateRect(r, -1, -1), b.controlColor);
        return;
    }
    frameRect(canvas, r, outer);
    TRect middle = InflateRect(r, -1, -1);
    middle.Right -= b.buttonWidth;
    frameRect(canvas, middle, outer);
    const TRect inner = InflateRect(r, -2, -2);
    frameRect(canvas, inner, b.controlColor);
    if (isColorSet(b.flatLineColor))
        canvas.FillColor(Rect(inner.Left - 2, window.Bottom - 1, window.Right - b.buttonWidth, window.Bottom),
                         b.flatLineColor);
}

void paintColoredDropButton(TCanvas &canvas, const TRect &rect, TColor face, TColor borderLine, TColor arrow,
                            int arrowLeft, int faceInset)
{
    canvas.FillColor(Rect(rect.Left + faceInset, rect.Top, rect.Right, rect.Bottom), face);
    canvas.FillColor(Rect(rect.Left, rect.Top, rect.Left + 1, rect.Bottom), borderLine);
    const int x = rect.Left + arrowLeft;
    const int y = rect.Top + 7;
    fillPolygon(canvas, {{x, y}, {x + 6, y}, {x + 3, y + 3}}, arrow);
}

void paintFlatOutline(TCanvas &canvas, QSize size, TColor outer, TColor inner, bool innerAllSides)
{
    const int w = size.width();
    const int h = size.height();
    frameRect(canvas, Rect(0, 0, w, h), outer);
    if (innerAllSides) {
        frameRect(canvas, Rect(1, 1, w - 1, h - 1), inner);
        return;
    }
    canvas.FillColor(Rect(1, 1, 2, h - 1), inner);
    canvas.FillColor(Rect(1, 1, w - 1, 2), inner);
}

void paintClassicDropButton(TCanvas &canvas, const TRect &rect, bool enabled)
{
    DrawFrameControl(canvas, rect, DFC_SCROLL, DFCS_SCROLLCOMBOBOX | (enabled ? DFCS_FLAT : DFCS_INACTIVE));
}

void drawSpeedButtonGlyph(TCanvas &canvas, QSize area, const TBitmap &glyph, int numGlyphs, bool enabled,
                          bool pressed)
{
    if (glyph.Empty())
        return;
    numGlyphs = std::max(1, numGlyphs);
    const int frameWidth = glyph.Width() / numGlyphs;
    int frame = 0;
    if (!enabled && numGlyphs > 1)
        frame = 1;
    else if (pressed && numGlyphs > 2)
        frame = 2;
    const int shift = pressed ? 1 : 0;
    const int x = std::max(0, (area.width() - frameWidth) / 2) + shift;
    const int y = std::max(0, (area.height() - glyph.Height()) / 2) + shift;
    DrawTransparentPart(canvas, x, y, glyph, Bounds(frame * frameWidth, 0, frameWidth, glyph.Height()),
                        glyph.TransparentColor());
}

QRect embeddedButtonRect(QSize edit, int buttonWidth, bool border)
{
    if (border)
        return {edit.width() - buttonWidth - 3, 2, buttonWidth, edit.height() - 5};
    return {edit.width() - buttonWidth - 1, 0, buttonWidth, edit.height() - 1};
}

TColor stateColor(TColor normal, TColor hot, TColor down, bool isHot, bool isDown)
{
    if (isDown && isColorSet(down))
        return down;
    if (isHot && isColorSet(hot))
        return hot;
    return normal;
}

} // namespace controls
