// The string tree's cell content: the text asked of the application, in the
// node's colours, and its static text beside it.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "controls/vtree/widget/DrawingUtils.h"
#include "platform/draw/DrawFlags.h"

namespace vtree {

using platform::TRect;

int TLazyStringTreeWidget::MeasureNodeWidth(platform::TCanvas *Canvas, PLazyNode Node, TColumnIndex Column)
{
    const bool main = Column <= NoColumn;
    if (main && CachedTextWidth(Node) > 0)
        return int(CachedTextWidth(Node));
    const QString text = GetText(Node, Column);
    int width = 2 * FTextMargin;
    if (!text.isEmpty()) {
        platform::TCanvas &canvas = Canvas ? *Canvas : FIdleCanvas;
        canvas.Font().Assign(FFont);
        width += canvas.TextWidth(text);
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
    if (text.isEmpty() || FAlignment == TAlignment::taCenter || GetMultiline(Node))
        return 0;
    platform::TCanvas &canvas = Canvas ? *Canvas : FIdleCanvas;
    canvas.Font().Assign(FFont);
    return FTextMargin + canvas.TextWidth(text);
}

void TLazyStringTreeWidget::applyTextColors(TLTPaintInfo &PaintInfo)
{
    platform::TCanvas &canvas = *PaintInfo.Canvas;
    canvas.Font().Assign(FFont);
    canvas.Font().setColor(IsTreeEnabled() ? NodeFontColor() : FColors.GetColor(TLTColors::DisabledColor));
    PLazyNode node = PaintInfo.Node;
    if (toOption(TLTPaintOption::toHotTrack) && node == FCurrentHotNode) {
        platform::FontStyle style = canvas.Font().Style();
        style.underline = true;
        canvas.Font().setStyle(style);
        canvas.Font().setColor(FColors.GetColor(TLTColors::HotColor));
    }
    const bool withSelection = PaintInfo.PaintOptions.contains(TLTInternalPaintOption::poDrawSelection) &&
                               (PaintInfo.Column == FFocusedColumn || toOption(TLTSelectionOption::toFullRowSelect));
    if (!withSelection)
        return;
    if (node == FDropTargetNode) {
        if (FLastDropMode == TDropMode::dmOnNode || Selected(node))
            canvas.Font().setColor(FColors.GetColor(TLTColors::SelectionTextColor));
    } else if (Selected(node) && (Focused() || toOption(TLTPaintOption::toPopupMode)))
        canvas.Font().setColor(FColors.GetColor(TLTColors::SelectionTextColor));
}

void TLazyStringTreeWidget::PaintNodeContent(TLTPaintInfo &PaintInfo)
{
    TLSTGetCellTextEventArgs args;
    args.Node = PaintInfo.Node;
    args.Column = PaintInfo.Column;
    QueryCellText(args);
    if (!args.CellText.isEmpty())
        drawText(PaintInfo, args.CellText);
    if (!args.StaticText.isEmpty() && FAlignment != TAlignment::taCenter && !GetMultiline(PaintInfo.Node) &&
        StringTreeOptions().StringOptions().contains(TLTStringOption::toShowStaticText))
        drawStaticText(PaintInfo, args.StaticText);
}

void TLazyStringTreeWidget::drawText(TLTPaintInfo &PaintInfo, const QString &Text)
{
    platform::TCanvas &canvas = *PaintInfo.Canvas;
    applyTextColors(PaintInfo);
    TRect r = PaintInfo.ContentRect;
    r.Left += FTextMargin;
    r.Right -= FTextMargin;
    canvas.setTextFlags(0);
    if (PaintInfo.Node->States.contains(TLazyNodeState::vsDisabled) || !IsTreeEnabled())
        canvas.Font().setColor(FColors.GetColor(TLTColors::DisabledColor));
    unsigned flags = platform::DT_NOPREFIX;
    const unsigned alignment = PaintInfo.Alignment == TAlignment::taRightJustify ? platform::DT_RIGHT
                               : PaintInfo.Alignment == TAlignment::taCenter    ? platform::DT_CENTER
                                                                                  : platform::DT_LEFT;
    QString shown = Text;
    if (GetMultiline(PaintInfo.Node))
        flags |= alignment | platform::DT_WORDBREAK | platform::DT_END_ELLIPSIS | platform::DT_EDITCONTROL;
    else {
        flags |= platform::DT_VCENTER | platform::DT_SINGLELINE;
        // Without columns nothing is shortened: the row is as wide as its text.
        if (PaintInfo.Column >= 0 && r.Width() < PaintInfo.NodeWidth - 2 * FTextMargin) {
            shown = EllipsizeText(canvasExtent(canvas), Text, r.Width(), 0);
            flags |= PaintInfo.Alignment == TAlignment::taRightJustify ? platform::DT_RIGHT : platform::DT_LEFT;
        } else
            flags |= alignment;
    }
    canvas.SetBkMode(platform::TRANSPARENT);
    canvas.DrawText(shown, r, flags);
}

void TLazyStringTreeWidget::drawStaticText(TLTPaintInfo &PaintInfo, const QString &Text)
{
    platform::TCanvas &canvas = *PaintInfo.Canvas;
    canvas.Font().Assign(FFont);
    canvas.Font().setColor(NodeFontColor());
    if (toOption(TLTSelectionOption::toFullRowSelect) && Selected(PaintInfo.Node) &&
        (Focused() || toOption(TLTPaintOption::toPopupMode)))
        canvas.Font().setColor(FColors.GetColor(TLTColors::SelectionTextColor));
    canvas.setTextFlags(0);
    if (PaintInfo.Node->States.contains(TLazyNodeState::vsDisabled) || !IsTreeEnabled())
        canvas.Font().setColor(FColors.GetColor(TLTColors::DisabledColor));
    TRect r = PaintInfo.ContentRect;
    if (FAlignment == TAlignment::taRightJustify)
        r.Right -= PaintInfo.NodeWidth + FTextMargin;
    else
        r.Left += PaintInfo.NodeWidth + FTextMargin;
    canvas.SetBkMode(platform::TRANSPARENT);
    canvas.DrawText(Text, r, platform::DT_NOPREFIX | platform::DT_SINGLELINE | platform::DT_VCENTER);
}

} // namespace vtree
