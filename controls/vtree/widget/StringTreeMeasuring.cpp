// How much room the string tree's texts take: widths (cached for the main
// text), extents with the measuring events, heights of multiline cells, the
// editor's rectangle and font, and the font's metrics.
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreePaintState.h"

#include "platform/draw/DrawFlags.h"

#include <climits>

namespace vtree {

int TLazyStringTreeWidget::TextHeight() const { return FPaintState->TextHeight; }
int TLazyStringTreeWidget::EllipsisWidth() const { return FPaintState->EllipsisWidth; }

using platform::TRect;

void TLazyStringTreeWidget::treeFontChanged()
{
    platform::TCanvas &canvas = FIdleCanvas;
    canvas.Font().Assign(TreeFont());
    FPaintState->TextHeight = canvas.TextMetrics().tmHeight;
    FPaintState->EllipsisWidth = canvas.TextWidth(QStringLiteral("..."));
    ClearCachedTextWidths();
    HeaderParentFontChanged();
    if (IsLoading())
        return;
    BuildButtonBitmaps(true, false);
    Invalidate();
}

bool TLazyStringTreeWidget::NotifyPaintText(platform::TCanvas &Canvas, PLazyNode Node, TColumnIndex Column,
                                            TLSTTextType TextType)
{
    if (!OnPaintText)
        return false;
    const std::uint64_t before = Canvas.Font().changeStamp();
    OnPaintText(this, &Canvas, Node, Column, TextType);
    return Canvas.Font().changeStamp() != before;
}

unsigned TLazyStringTreeWidget::alignmentFlag(TAlignment Alignment) const
{
    switch (Alignment) {
    case TAlignment::taRightJustify:
        return platform::DT_RIGHT;
    case TAlignment::taCenter:
        return platform::DT_CENTER;
    case TAlignment::taLeftJustify:
        break;
    }
    return platform::DT_LEFT;
}

platform::TSize TLazyStringTreeWidget::MeasureTextExtent(platform::TCanvas &Canvas, PLazyNode Node,
                                                         TColumnIndex Column, const QString &Text)
{
    platform::TSize extent = Canvas.TextExtent(Text);
    if (GetMultiline(Node)) {
        unsigned flags = platform::DT_CALCRECT | platform::DT_WORDBREAK | platform::DT_NOPREFIX |
                         platform::DT_EDITCONTROL | platform::DT_END_ELLIPSIS | alignmentFlag(Alignment());
        if (UseRightToLeftReading())
            flags |= platform::DT_RTLREADING;
        TRect r{0, 0, extent.cx, INT_MAX};
        Canvas.DrawText(Text, r, flags);
        extent.cx = r.Width();
    }
    if (OnMeasureTextWidth)
        OnMeasureTextWidth(this, &Canvas, Node, Column, Text, extent.cx);
    if (OnMeasureTextHeight)
        OnMeasureTextHeight(this, &Canvas, Node, Column, Text, extent.cy);
    return extent;
}

int TLazyStringTreeWidget::MeasureNodeWidth(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column)
{
    // A multiline cell takes its whole column.
    if (Column >= 0 && IsValidColumn(Column) && GetMultiline(Node))
        return FHeader.Columns()[Column].Width();
    const bool main = Column <= NoColumn;
    if (main && CachedTextWidth(Node) > 0)
        return int(CachedTextWidth(Node));
    const QString text = GetText(Node, Column);
    int width = 2 * TextMargin();
    if (!text.isEmpty()) {
        platform::TCanvas &canvas = Canvas ? *Canvas : *FCanvas;
        canvas.Font().Assign(TreeFont());
        NotifyPaintText(canvas, Node, Column, TLSTTextType::ttNormal);
        width += MeasureTextExtent(canvas, Node, Column, text).cx;
    }
    if (main)
        SetCachedTextWidth(Node, std::uint32_t(width));
    return width;
}

int TLazyStringTreeWidget::MeasureStaticTextWidth(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column)
{
    if (!StringTreeOptions().StringOptions().contains(TLTStringOption::toShowStaticText))
        return 0;
    const QString text = GetStaticText(Node, Column);
    if (text.isEmpty() || Alignment() == TAlignment::taCenter || GetMultiline(Node))
        return 0;
    platform::TCanvas &canvas = Canvas ? *Canvas : *FCanvas;
    canvas.Font().Assign(TreeFont());
    NotifyPaintText(canvas, Node, Column, TLSTTextType::ttStatic);
    return TextMargin() + canvas.TextWidth(text);
}

int TLazyStringTreeWidget::ComputeNodeHeight(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column, QString S)
{
    if (S.isEmpty())
        S = GetText(Node, Column);
    const bool rightToLeft = readsRightToLeft(Column);
    unsigned flags = platform::DT_CALCRECT | (GetMultiline(Node) ? platform::DT_WORDBREAK | platform::DT_NOPREFIX |
                                                                       platform::DT_EDITCONTROL
                                                                 : platform::DT_NOPREFIX | platform::DT_SINGLELINE |
                                                                       platform::DT_VCENTER);
    if (rightToLeft)
        flags |= platform::DT_RIGHT | platform::DT_RTLREADING;
    TLTPaintInfo info;
    info.Node = Node;
    info.Column = Column;
    if (Column < 0 || !IsValidColumn(Column))
        info.CellRect = {0, 0, ClientWidth(), 0};
    else {
        info.CellRect = {TextMargin() + Margin(), 0, FHeader.Columns()[Column].Width() - TextMargin(), 0};
        if (Column == MainColumn()) {
            TLineImage lines;
            ComputeLineImage(Node, lines);
            const int levels = toOption(TLTPaintOption::toFixedIndent) ? 1 : int(lines.size());
            info.CellRect.Left += int(Indent()) * levels;
        }
        // Empty neighbours lend the text their room.
        SpanCellRect(info);
    }
    platform::TCanvas &canvas = Canvas ? *Canvas : *FCanvas;
    TRect r = info.CellRect;
    canvas.DrawText(S, r, flags);
    return r.Height();
}

void TLazyStringTreeWidget::GetTextInfo(PLazyNode Node, TColumnIndex Column, platform::TFont &AFont, TRect &R,
                                        QString &Text)
{
    R = {};
    Text.clear();
    AFont.Assign(TreeFont());
    platform::TCanvas &canvas = *FCanvas;
    canvas.Font().Assign(AFont);
    int lineHeight = FPaintState->TextHeight;
    if (NotifyPaintText(canvas, Node, Column, TLSTTextType::ttNormal)) {
        AFont.Assign(canvas.Font());
        lineHeight = canvas.TextMetrics().tmHeight;
    }
    Text = GetText(Node, Column);
    R = GetDisplayRect(Node, Column, true, !GetMultiline(Node), false);
    if (toOption(TLTPaintOption::toShowHorzGridLines))
        --R.Bottom;
    const int half = (R.Height() - lineHeight) / 2;
    R.Top += half;
    R.Bottom -= half;
}

} // namespace vtree
