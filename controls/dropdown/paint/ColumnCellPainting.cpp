#include "controls/dropdown/paint/ColumnCellPainting.h"

#include "controls/dropdown/paint/Gradient.h"
#include "platform/draw/DrawFlags.h"

#include <algorithm>

namespace controls::multicol {

using namespace platform;

namespace {

void paintBackground(TCanvas &canvas, const TRect &rect, const TColumnCellLook &look,
                     const TColumnCellPainters &painters)
{
    if (look.header) {
        if (look.headerColor == clNone || look.headerColorTo == clNone) {
            canvas.FillColor(rect, look.headerColor == clNone ? look.background : look.headerColor);
        } else if (painters.headerGradient) {
            painters.headerGradient(canvas, look.headerColor, look.headerColorTo, HeaderGradientSteps, rect);
        } else {
            DrawGradient(canvas, look.headerColor, look.headerColorTo, HeaderGradientSteps, rect, false);
        }
        return;
    }
    if (look.selected) {
        if (painters.selection)
            painters.selection(canvas, rect, look.partKind, look.background);
        else
            canvas.FillColor(rect, clActiveCaption);
        return;
    }
    canvas.Pen().setStyle(TPenStyle::psSolid);
    canvas.Pen().setWidth(1);
    canvas.Pen().setColor(look.background);
    canvas.FillColor(rect, look.background);
}

void paintLines(TCanvas &canvas, const TRect &rect, const TColumnCellLook &look)
{
    const bool header = look.header;
    const int width = header ? 1 : look.gridLineWidth;
    if (width <= 0)
        return;
    const int c = header ? 1 : (width + 1) / 2;
    canvas.Pen().setStyle(TPenStyle::psSolid);
    canvas.Pen().setWidth(width);
    canvas.Pen().setColor(header ? look.fixedLineColor : look.lineColor);
    if (look.horzLine) {
        canvas.MoveTo(rect.Left - c + 1, rect.Bottom - c);
        canvas.LineTo(rect.Right - c + 1, rect.Bottom - c);
    }
    if (look.vertLine) {
        const int x = look.rightToLeft ? rect.Right - c + 1 : rect.Right - c;
        canvas.MoveTo(x, rect.Bottom - c);
        canvas.LineTo(x, rect.Top - c);
    }
    canvas.Pen().setWidth(1);
}

} // namespace

unsigned cellTextFlags(const TColumnCellLook &look)
{
    unsigned flags = look.wordwrap ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
    switch (look.alignment) {
    case taLeftJustify:
        flags |= DT_LEFT;
        break;
    case taRightJustify:
        flags |= DT_RIGHT;
        break;
    case taCenter:
        flags |= DT_CENTER;
        break;
    }
    flags |= DT_NOPREFIX | DT_EXPANDTABS | DT_VCENTER;
    if (look.ellipsis)
        flags |= DT_END_ELLIPSIS;
    return flags;
}

void paintColumnCell(TCanvas &canvas, const TRect &rect, const TColumnCellLook &look,
                     const TColumnCellPainters &painters)
{
    paintBackground(canvas, rect, look, painters);
    paintLines(canvas, rect, look);

    const int inset = std::max(0, look.gridLineWidth);
    TRect textRect{rect.Left + inset + 2, rect.Top + inset, rect.Right - inset, rect.Bottom - inset};
    if (!look.header && look.images && look.imageIndex >= 0) {
        const int imageHeight = look.images->Height();
        const int cellHeight = textRect.Bottom - textRect.Top;
        const int y = imageHeight < cellHeight ? textRect.Top + (cellHeight - imageHeight) / 2 : textRect.Top;
        look.images->Draw(canvas, textRect.Left, y, look.imageIndex, true);
        textRect.Left += look.images->Width() + 4;
    }
    if (look.text.isEmpty())
        return;
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    if (look.font)
        canvas.Font().Assign(*look.font);
    if (look.selected && !look.header)
        canvas.Font().setColor(look.selectionTextColor);
    canvas.DrawText(look.text, textRect, cellTextFlags(look));
    canvas.Brush().setStyle(TBrushStyle::bsSolid);
}

} // namespace controls::multicol
