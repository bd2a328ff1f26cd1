// The string tree's cell content: the text asked of the application, in the
// node's colours, and its static text beside it.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "controls/vtree/widget/DrawingUtils.h"
#include "platform/draw/DrawFlags.h"

namespace vtree {

using platform::TRect;

void TLazyStringTreeWidget::applyTextColors(TLTPaintInfo &PaintInfo)
{
    platform::TCanvas &canvas = *PaintInfo.Canvas;
    canvas.Font().Assign(TreeFont());
    canvas.Font().setColor(IsTreeEnabled() ? NodeFontColor() : Colors().GetColor(TLTColors::DisabledColor));
    PLazyNode node = PaintInfo.Node;
    if (toOption(TLTPaintOption::toHotTrack) && node == HotNode()) {
        platform::FontStyle style = canvas.Font().Style();
        style.underline = true;
        canvas.Font().setStyle(style);
        canvas.Font().setColor(Colors().GetColor(TLTColors::HotColor));
    }
    const bool withSelection = PaintInfo.PaintOptions.contains(TLTInternalPaintOption::poDrawSelection) &&
                               (PaintInfo.Column == FocusedColumn() || toOption(TLTSelectionOption::toFullRowSelect));
    if (!withSelection)
        return;
    if (node == DropTargetNode()) {
        if (LastDropMode() == TDropMode::dmOnNode || Selected(node))
            canvas.Font().setColor(Colors().GetColor(TLTColors::SelectionTextColor));
    } else if (Selected(node) && (Focused() || toOption(TLTPaintOption::toPopupMode)))
        canvas.Font().setColor(Colors().GetColor(TLTColors::SelectionTextColor));
}

void TLazyStringTreeWidget::PaintNodeContent(TLTPaintInfo &PaintInfo)
{
    TLSTGetCellTextEventArgs args;
    args.Node = PaintInfo.Node;
    args.Column = PaintInfo.Column;
    QueryCellText(args);
    if (!args.CellText.isEmpty())
        drawText(PaintInfo, args.CellText);
    if (!args.StaticText.isEmpty() && Alignment() != TAlignment::taCenter && !GetMultiline(PaintInfo.Node) &&
        StringTreeOptions().StringOptions().contains(TLTStringOption::toShowStaticText))
        drawStaticText(PaintInfo, args.StaticText);
}

void TLazyStringTreeWidget::drawText(TLTPaintInfo &PaintInfo, const QString &Text)
{
    platform::TCanvas &canvas = *PaintInfo.Canvas;
    PLazyNode node = PaintInfo.Node;
    const TColumnIndex column = PaintInfo.Column;
    applyTextColors(PaintInfo);
    TRect r = PaintInfo.ContentRect;
    r.Left += TextMargin();
    r.Right -= TextMargin();
    canvas.setTextFlags(0);
    const bool disabled = node->States.contains(TLazyNodeState::vsDisabled) || !IsTreeEnabled();
    const unsigned reading = readsRightToLeft(column) ? platform::DT_RTLREADING : 0;
    QString shown = Text;
    unsigned flags = platform::DT_NOPREFIX | reading;
    if (GetMultiline(node)) {
        NotifyPaintText(canvas, node, column, TLSTTextType::ttNormal);
        const int height = ComputeNodeHeight(&canvas, node, column, Text);
        if (disabled)
            canvas.Font().setColor(Colors().GetColor(TLTColors::DisabledColor));
        flags |= alignmentFlag(PaintInfo.Alignment) | platform::DT_WORDBREAK | platform::DT_END_ELLIPSIS |
                 platform::DT_EDITCONTROL;
        // A text shorter than the row stands in its middle.
        if (height < r.Height()) {
            const int half = (r.Height() - height) / 2;
            r.Top += half;
            r.Bottom -= half;
        }
    } else {
        int ellipsisWidth = EllipsisWidth();
        if (NotifyPaintText(canvas, node, column, TLSTTextType::ttNormal)) {
            // Another font: the ellipsis and the text are measured in it.
            ellipsisWidth = 0;
            PaintInfo.NodeWidth = 2 * TextMargin() + canvas.TextWidth(Text);
        }
        if (disabled)
            canvas.Font().setColor(Colors().GetColor(TLTColors::DisabledColor));
        flags |= platform::DT_VCENTER | platform::DT_SINGLELINE;
        // Without columns nothing is shortened: the row is as wide as its text.
        if (column < 0)
            flags |= alignmentFlag(PaintInfo.Alignment);
        else if (r.Width() < PaintInfo.NodeWidth - 2 * TextMargin()) {
            shown = FitTextToWidth(canvas, node, column, Text, r.Width(), ellipsisWidth);
            flags |= PaintInfo.Alignment == TAlignment::taRightJustify ? platform::DT_RIGHT : platform::DT_LEFT;
        } else
            flags |= alignmentFlag(PaintInfo.Alignment);
    }
    canvas.SetBkMode(canvas.TextFlags() & platform::ETO_OPAQUE ? platform::OPAQUE : platform::TRANSPARENT);
    RenderCellText(canvas, node, column, shown, r, flags);
}

QString TLazyStringTreeWidget::FitTextToWidth(platform::TCanvas &Canvas, PLazyNode Node, TColumnIndex Column,
                                              const QString &S, int Width, int EllipsisWidth)
{
    QString result;
    bool done = false;
    if (OnShortenString)
        OnShortenString(this, &Canvas, Node, Column, S, Width, result, done);
    return done ? result : EllipsizeText(canvasExtent(Canvas), S, Width, EllipsisWidth);
}

void TLazyStringTreeWidget::RenderCellText(platform::TCanvas &Canvas, PLazyNode Node, TColumnIndex Column,
                                           const QString &Text, TRect R, unsigned Flags)
{
    bool defaultDraw = true;
    if (OnDrawText)
        OnDrawText(this, &Canvas, Node, Column, Text, platform::toQRect(R), defaultDraw);
    if (defaultDraw)
        Canvas.DrawText(Text, R, Flags);
}

void TLazyStringTreeWidget::drawStaticText(TLTPaintInfo &PaintInfo, const QString &Text)
{
    platform::TCanvas &canvas = *PaintInfo.Canvas;
    PLazyNode node = PaintInfo.Node;
    canvas.Font().Assign(TreeFont());
    canvas.Font().setColor(NodeFontColor());
    if (toOption(TLTSelectionOption::toFullRowSelect)) {
        const bool highlighted = node == DropTargetNode()
                                     ? LastDropMode() == TDropMode::dmOnNode || Selected(node)
                                     : Selected(node) && (Focused() || toOption(TLTPaintOption::toPopupMode));
        if (highlighted)
            canvas.Font().setColor(Colors().GetColor(TLTColors::SelectionTextColor));
    }
    canvas.setTextFlags(0);
    NotifyPaintText(canvas, node, PaintInfo.Column, TLSTTextType::ttStatic);
    if (node->States.contains(TLazyNodeState::vsDisabled) || !IsTreeEnabled())
        canvas.Font().setColor(Colors().GetColor(TLTColors::DisabledColor));
    TRect r = PaintInfo.ContentRect;
    if (Alignment() == TAlignment::taRightJustify)
        r.Right -= PaintInfo.NodeWidth + TextMargin();
    else
        r.Left += PaintInfo.NodeWidth + TextMargin();
    canvas.SetBkMode(canvas.TextFlags() & platform::ETO_OPAQUE ? platform::OPAQUE : platform::TRANSPARENT);
    canvas.DrawText(Text, r, platform::DT_NOPREFIX | platform::DT_SINGLELINE | platform::DT_VCENTER);
}

} // namespace vtree
