#include "controls/dropdown/paint/StripPainting.h"

#include "controls/dropdown/core/ColorArithmetic.h"
#include "controls/dropdown/core/StyleTables.h"
#include "controls/dropdown/paint/Gradient.h"
#include "controls/dropdown/paint/TextFitting.h"
#include "controls/grid/base/paint/Fills.h"

#include <algorithm>

namespace controls {

using namespace platform;

namespace {

constexpr int StripSteps = 80;

void solidPen(TCanvas &canvas, TColor color, int width)
{
    canvas.Pen().setStyle(TPenStyle::psSolid);
    canvas.Pen().setWidth(width);
    canvas.Pen().setColor(color);
}

void square(TCanvas &canvas, int x, int y)
{
    canvas.Rectangle(x, y - 2, x + 2, y);
}

} // namespace

void DrawStripBackground(TCanvas &canvas, const TRect &r, const TStripAppearance &appearance, bool footer,
                         bool ownEdges)
{
    if (appearance.ColorTo == clNone) {
        if (appearance.Color != clNone)
            canvas.FillColor(r, appearance.Color);
    } else {
        DrawGradient(canvas, appearance.Color, appearance.ColorTo, StripSteps, r,
                     appearance.GradientDirection == gdHorizontal);
    }
    if (appearance.BorderColor == clNone || appearance.BorderWidth <= 0)
        return;
    solidPen(canvas, appearance.BorderColor, appearance.BorderWidth);
    const int edge = footer ? r.Top : r.Bottom - 1;
    canvas.MoveTo(r.Left, edge);
    canvas.LineTo(r.Right, edge);
    if (ownEdges) {
        const int outer = footer ? r.Bottom : r.Top;
        canvas.MoveTo(r.Left, edge);
        canvas.LineTo(r.Left, outer);
        canvas.LineTo(r.Right, outer);
        canvas.LineTo(r.Right, edge);
    }
    solidPen(canvas, MixColors(appearance.BorderColor, clWhite, 20), 1);
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    if (footer)
        canvas.Rectangle(r.Left, r.Top + appearance.BorderWidth, r.Right, r.Bottom);
    else
        canvas.Rectangle(r.Left, r.Top, r.Right, r.Bottom - appearance.BorderWidth);
}

void DrawStripCaption(TCanvas &canvas, const TRect &r, const TStripAppearance &appearance, const QString &caption,
                      int textRight, const TImageList *images, const QObject *window)
{
    const int inset = std::max(0, appearance.BorderWidth);
    TRect text = InflateRect(r, -inset, -inset);
    if (appearance.ImageIndex >= 0 && images) {
        images->Draw(canvas, text.Left + 4, text.Top + (text.Height() - images->Height()) / 2,
                     appearance.ImageIndex);
        text.Left += images->Width() + 8;
    }
    if (caption.isEmpty())
        return;
    text.Right = std::min(text.Right, textRight);
    canvas.Font().Assign(appearance.Font());
    const QSize measured = DrawHtmlCaption(canvas, caption, text, window, false, images);
    if (measured.height() < text.Height())
        text.Top += (text.Height() - measured.height()) / 2;
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    DrawHtmlCaption(canvas, caption, text, window, true, images);
}

void DrawSizeGrip(TCanvas &canvas, const TRect &grip, TColor borderColor)
{
    const int l = grip.Left;
    const int b = grip.Bottom;
    const int dots[][2] = {{5, 2}, {9, 2}, {13, 2}, {13, 6}, {13, 10}, {9, 6}};
    for (const TColor color : {TColor(clWhite), borderColor}) {
        const int shift = color == clWhite ? 0 : 1;
        canvas.Pen().setStyle(TPenStyle::psSolid);
        canvas.Pen().setWidth(1);
        canvas.Pen().setColor(color);
        canvas.Brush().setStyle(TBrushStyle::bsSolid);
        canvas.Brush().setColor(color);
        for (const auto &dot : dots)
            square(canvas, l + dot[0] - shift, b - dot[1] - shift);
    }
}

TRect StripButtonArea(const TRect &client, bool footer, bool gripShown)
{
    if (footer)
        return Rect(client.Left + 2, client.Top + 2, client.Right - (gripShown ? 14 : 2), client.Bottom - 2);
    return Rect(client.Left + 2, client.Top + 2, client.Right - 2, client.Bottom - 3);
}

std::vector<int> ArrangeStripButtons(const TRect &area, const std::vector<int> &widths, TButtonAlignment alignment)
{
    std::vector<int> lefts;
    lefts.reserve(widths.size());
    int at = alignment == baRight ? area.Right : area.Left;
    for (const int width : widths) {
        if (alignment == baRight) {
            at -= width;
            lefts.push_back(at);
        } else {
            lefts.push_back(at);
            at += width;
        }
    }
    return lefts;
}

void DrawExButtonFace(TCanvas &canvas, const TRect &r, const TExButtonAppearance &a, TExButtonState state)
{
    TColor from = a.Color(), to = a.ColorTo(), border = a.BorderColor();
    switch (state) {
    case TExButtonState::Disabled:
        from = a.ColorDisabled();
        to = a.ColorDisabledTo();
        border = a.BorderColorDisabled();
        break;
    case TExButtonState::Down:
        from = to = a.ColorDown();
        border = a.BorderColorDown();
        break;
    case TExButtonState::Hot:
        from = to = a.ColorHot();
        border = a.BorderColorHot();
        break;
    case TExButtonState::Up:
        break;
    }
    DrawFaceRect(&canvas, r, from, to, border, 1, a.Gradient());
}

void DrawSelectionFace(TCanvas &canvas, const TRect &r, TSelectionColorStyle style, TColor selectionColor,
                       TColor selectionColorTo, int partKind, TColor cornerColor)
{
    const auto face = selectionFaceColors(style);
    if (!face) {
        canvas.FillColor(r, selectionColor);
        return;
    }
    TButtonFaceColors colors;
    colors.Color = selectionColor;
    colors.ColorTo = selectionColorTo;
    colors.MirrorColor = face->MirrorColor;
    colors.MirrorColorTo = face->MirrorColorTo;
    colors.Highlight = face->UpperInnerLine;
    colors.Shadow = face->LowerInnerLine;
    colors.Border = face->Edge;
    colors.Corner = face->InnerCorner;
    colors.Background = cornerColor;
    DrawRoundedButtonFace(canvas, r, colors, TButtonFacePart(std::clamp(partKind, 0, 3)));
}

} // namespace controls
