// A row's background and highlights: erasing (colour, background picture,
// full-row selection), the selection and focus of a cell, dotted lines, the
// drop mark between rows.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "controls/vtree/widget/DrawingUtils.h"

#include <algorithm>

namespace vtree {

using platform::TRect;
using enum TLTInternalPaintOption;

void TLazyStringTreeWidget::DottedHorzLine(TLTPaintInfo &PaintInfo, int Left, int Y, int Right)
{
    platform::TCanvas &canvas = *PaintInfo.Canvas;
    canvas.SetBkColor(BackGroundColor());
    canvas.Brush().setPattern(linePattern());
    canvas.FillRect({std::min(Left, Right), Y, std::max(Left, Right) + 1, Y + 1});
    canvas.Brush().setStyle(platform::TBrushStyle::bsSolid);
}

void TLazyStringTreeWidget::DottedVertLine(TLTPaintInfo &PaintInfo, int Top, bool UseSelectionColor, int X, int Bottom)
{
    platform::TCanvas &canvas = *PaintInfo.Canvas;
    TColor gaps = BackGroundColor();
    if (UseSelectionColor)
        gaps = Focused() || toOption(TLTPaintOption::toPopupMode) ? Colors().GetColor(TLTColors::FocusedSelectionColor)
                                                                   : Colors().GetColor(TLTColors::UnfocusedSelectionColor);
    canvas.SetBkColor(gaps);
    canvas.Brush().setPattern(linePattern());
    canvas.FillRect({X, std::min(Top, Bottom), X + 1, std::max(Top, Bottom) + 1});
    canvas.Brush().setStyle(platform::TBrushStyle::bsSolid);
}

void TLazyStringTreeWidget::TileBackgroundBitmap(platform::TCanvas &Canvas, TRect R, platform::TPoint Offset)
{
    const int width = Background().width();
    const int height = Background().height();
    // An empty picture is no background.
    if (width <= 0 || height <= 0)
        return;
    auto positiveMod = [](int value, int modulus) { return ((value % modulus) + modulus) % modulus; };
    int y0 = positiveMod(R.Top + Offset.Y + BackgroundOffsetY(), height);
    for (int y = R.Top; y < R.Bottom; y0 = 0) {
        const int pieceHeight = std::min(height - y0, R.Bottom - y);
        int x0 = positiveMod(R.Left + Offset.X + BackgroundOffsetX(), width);
        for (int x = R.Left; x < R.Right; x0 = 0) {
            const int pieceWidth = std::min(width - x0, R.Right - x);
            Canvas.DrawImage(x, y, Background().copy(x0, y0, pieceWidth, pieceHeight));
            x += pieceWidth;
        }
        y += pieceHeight;
    }
}

void TLazyStringTreeWidget::PlaceStaticBackground(platform::TCanvas &Canvas, TRect R, platform::TPoint Offset)
{
    Canvas.FillColor(R, Color());
    const TRect picture{BackgroundOffsetX(), BackgroundOffsetY(), BackgroundOffsetX() + Background().width(),
                        BackgroundOffsetY() + Background().height()};
    const TRect moved = OffsetRect(R, Offset.X, Offset.Y);
    const TRect part = IntersectRect(picture, moved);
    if (IsRectEmpty(part))
        return;
    Canvas.DrawImage(part.Left - Offset.X, part.Top - Offset.Y,
                     Background().copy(part.Left - picture.Left, part.Top - picture.Top, part.Width(), part.Height()));
}

void TLazyStringTreeWidget::EraseNodeBackground(TLTPaintInfo &PaintInfo, bool ShowBackground, TRect R)
{
    platform::TCanvas &canvas = *PaintInfo.Canvas;
    TColor color = BackGroundColor();
    TItemEraseAction action = TItemEraseAction::eaDefault;
    // The picture's offset in tree coordinates: the row's absolute top.
    const platform::TPoint offset{0, PaintInfo.BrushOrigin.Y};
    RaiseBeforeItemErase(&canvas, PaintInfo.Node, platform::toQRect(R), color, action);
    switch (action) {
    case TItemEraseAction::eaColor:
        canvas.FillColor(R, color);
        break;
    case TItemEraseAction::eaNone:
        break;
    case TItemEraseAction::eaDefault:
        if (ShowBackground) {
            if (toOption(TLTPaintOption::toStaticBackground))
                PlaceStaticBackground(canvas, R, {offset.X - EffectiveOffsetX(), offset.Y + OffsetY()});
            else
                TileBackgroundBitmap(canvas, R, offset);
        } else if (PaintInfo.PaintOptions.contains(poDrawSelection) && toOption(TLTSelectionOption::toFullRowSelect) &&
                   Selected(PaintInfo.Node) && !toOption(TLTPaintOption::toUseBlendedSelection)) {
            if (toOption(TLTPaintOption::toShowHorzGridLines)) {
                canvas.FillColor({R.Left, R.Bottom - 1, R.Right, R.Bottom}, color);
                --R.Bottom;
            }
            const bool focused = Focused() || toOption(TLTPaintOption::toPopupMode);
            canvas.Brush().setColor(Colors().GetColor(focused ? TLTColors::FocusedSelectionColor
                                                             : TLTColors::UnfocusedSelectionColor));
            canvas.Pen().setColor(Colors().GetColor(focused ? TLTColors::FocusedSelectionBorderColor
                                                           : TLTColors::UnfocusedSelectionBorderColor));
            const int radius = int(SelectionCurveRadius());
            canvas.RoundRect(R.Left, R.Top, R.Right, R.Bottom, radius, radius);
        } else
            canvas.FillColor(R, color);
        break;
    }
    RaiseAfterItemErase(&canvas, PaintInfo.Node, platform::toQRect(R));
}

void TLazyStringTreeWidget::blendSelection(platform::TCanvas &Canvas, TRect Inner, TColor Color)
{
    // The row bitmap's pixels are tinted directly: the painter lets go first.
    TRect device = OffsetRect(Inner, -Canvas.WindowOrg().X, -Canvas.WindowOrg().Y);
    device = IntersectRect(device, {0, 0, Canvas.image()->width(), Canvas.image()->height()});
    if (IsRectEmpty(device))
        return;
    Canvas.endPainting();
    QImage &row = *Canvas.image();
    AlphaBlendRect(nullptr, row, device, {}, TPixelBlend::pbColorTint, SelectionBlendFactor(), Color);
    // The tint counts the alpha byte as a colour byte; the row stays opaque,
    // as a screen bitmap's alpha means nothing.
    for (int y = std::max(device.Top, 0); y < std::min(device.Bottom, row.height()); ++y) {
        auto *line = reinterpret_cast<QRgb *>(row.scanLine(y));
        for (int x = device.Left; x < device.Right; ++x)
            line[x] |= 0xFF000000u;
    }
}

void TLazyStringTreeWidget::DecorateCell(TLTPaintInfo &PaintInfo)
{
    platform::TCanvas &canvas = *PaintInfo.Canvas;
    QRect content = platform::toQRect(PaintInfo.ContentRect);
    RaiseBeforeCellPaint(&canvas, PaintInfo.Node, PaintInfo.Column, TLTCellPaintMode::cpmPaint,
                         platform::toQRect(PaintInfo.CellRect), content);
    if (!content.isNull())
        PaintInfo.ContentRect = {content.left(), content.top(), content.right() + 1, content.bottom() + 1};
    TRect inner = PaintInfo.ContentRect;
    const int nodeWidth = PaintInfo.NodeWidth;
    if (!toOption(TLTMiscOption::toGridExtensions))
        alignTextRect(inner, nodeWidth, PaintInfo.Alignment, false);
    PLazyNode node = PaintInfo.Node;
    const bool focused = Focused() || toOption(TLTPaintOption::toPopupMode);
    const bool inFocusColumn = PaintInfo.Column == FocusedColumn() || toOption(TLTSelectionOption::toFullRowSelect);
    const bool wholeCell = toOption(TLTMiscOption::toGridExtensions) || toOption(TLTSelectionOption::toFullRowSelect);
    const int radius = int(SelectionCurveRadius());
    if (inFocusColumn && PaintInfo.PaintOptions.contains(poDrawSelection)) {
        bool draw = false;
        if (node == DropTargetNode()) {
            if (LastDropMode() == TDropMode::dmOnNode || Selected(node)) {
                canvas.Brush().setColor(Colors().GetColor(TLTColors::DropTargetColor));
                canvas.Pen().setColor(Colors().GetColor(TLTColors::DropTargetBorderColor));
                draw = true;
            }
        } else if (Selected(node)) {
            canvas.Brush().setColor(Colors().GetColor(focused ? TLTColors::FocusedSelectionColor
                                                             : TLTColors::UnfocusedSelectionColor));
            canvas.Pen().setColor(Colors().GetColor(focused ? TLTColors::FocusedSelectionBorderColor
                                                           : TLTColors::UnfocusedSelectionBorderColor));
            // A full-row selection is drawn when the row is erased.
            draw = !toOption(TLTSelectionOption::toFullRowSelect) || toOption(TLTPaintOption::toUseBlendedSelection);
        }
        if (draw) {
            if (wholeCell)
                inner = PaintInfo.CellRect;
            if (!IsRectEmpty(inner)) {
                if (toOption(TLTPaintOption::toUseBlendedSelection) && canvas.image())
                    blendSelection(canvas, inner, canvas.Brush().Color());
                else
                    canvas.RoundRect(inner.Left, inner.Top, inner.Right, inner.Bottom, radius, radius);
            }
        }
    }
    if (inFocusColumn && PaintInfo.PaintOptions.contains(poDrawFocusRect) && focused && node == FocusedNode()) {
        drawDottedFrame(canvas, toOption(TLTMiscOption::toGridExtensions) ? PaintInfo.CellRect : inner);
    }
}

void TLazyStringTreeWidget::drawDottedFrame(platform::TCanvas &Canvas, const TRect &R)
{
    const TColor textColor = Canvas.TextColor();
    const TColor bkColor = Canvas.BkColor();
    Canvas.SetTextColor(platform::clWhite);
    Canvas.SetBkColor(platform::clBlack);
    Canvas.DrawFocusRect(R);
    Canvas.SetTextColor(textColor);
    Canvas.SetBkColor(bkColor);
}

void TLazyStringTreeWidget::PaintNodeDropMark(platform::TCanvas &Canvas, PLazyNode, TRect R)
{
    if (LastDropMode() != TDropMode::dmAbove && LastDropMode() != TDropMode::dmBelow)
        return;
    const platform::TPenStyle pen = Canvas.Pen().Style();
    const TColor brush = Canvas.Brush().Color();
    Canvas.Pen().setStyle(platform::TPenStyle::psClear);
    Canvas.Brush().setColor(Colors().GetColor(TLTColors::DropMarkColor));
    const int l = R.Left, t = R.Top, r = R.Right, b = R.Bottom;
    if (LastDropMode() == TDropMode::dmAbove) {
        const platform::TPoint mark[] = {{l + 2, t}, {r - 2, t}, {r - 2, t + 6}, {r - 6, t + 2}, {l + 6, t + 2}, {l + 2, t + 6}};
        Canvas.Polygon(mark);
    } else {
        const platform::TPoint mark[] = {{l + 2, b - 1}, {r - 2, b - 1}, {r - 2, b - 8}, {r - 7, b - 3}, {l + 7, b - 3}, {l + 2, b - 8}};
        Canvas.Polygon(mark);
    }
    Canvas.Pen().setStyle(pen);
    Canvas.Brush().setColor(brush);
}

} // namespace vtree
