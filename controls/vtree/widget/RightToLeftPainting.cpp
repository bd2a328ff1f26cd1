// The tree's reading direction and what follows from it for painting: cells
// that read right to left are mirrored, a right-to-left tree narrower than
// its window lies against the right edge, and cells span over empty
// neighbours in reading order.
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "controls/vtree/widget/TreePaintState.h"

#include <QScrollBar>
#include <QStyle>

#include <algorithm>

namespace vtree {

TBiDiMode TLazyStringTreeWidget::BiDiMode() const { return FPaintState->BiDiMode; }

void TLazyStringTreeWidget::followLayoutDirection(bool RightToLeft)
{
    FPaintState->BiDiMode = RightToLeft ? TBiDiMode::bdRightToLeft : TBiDiMode::bdLeftToRight;
}

void TLazyStringTreeWidget::SetBiDiMode(TBiDiMode Value)
{
    if (FPaintState->BiDiMode == Value)
        return;
    FPaintState->BiDiMode = Value;
    // Qt mirrors the scroll bars; changeEvent does the rest.
    const Qt::LayoutDirection direction = Value == TBiDiMode::bdLeftToRight ? Qt::LeftToRight : Qt::RightToLeft;
    if (layoutDirection() != direction)
        setLayoutDirection(direction);
    else
        Invalidate();
}

int TLazyStringTreeWidget::effectiveOffsetX() const
{
    if (UseRightToLeftAlignment())
        return std::max(0, RangeX() + OffsetX() - ClientWidth());
    return -OffsetX();
}

int TLazyStringTreeWidget::RightToLeftShift(bool ExcludeScrollBar)
{
    const TScrollStyle bars = ScrollBarOptions().ScrollBars();
    const bool vertical = ClientHeight() < RangeY() && (bars == TScrollStyle::ssVertical || bars == TScrollStyle::ssBoth);
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    // The header spans the client area and the vertical bar beside it.
    const int headerWidth = ClientWidth() + (vertical ? barWidth : 0);
    int shift = vertical ? barWidth : 0;
    if (headerWidth >= shift + RangeX())
        shift = headerWidth - RangeX();
    if (ExcludeScrollBar && vertical)
        shift -= barWidth;
    return shift;
}

TColumnIndex TLazyStringTreeWidget::SpanCellRect(TLTPaintInfo &PaintInfo)
{
    const TLazyTreeColumns &columns = FHeader.Columns();
    TColumnIndex next = ColumnsUsed() && PaintInfo.Column >= 0 ? columns.GetNextVisibleColumn(PaintInfo.Column)
                                                               : InvalidColumn;
    if (!toOption(TLTAutoOption::toAutoSpanColumns) || !ColumnsUsed() || readsRightToLeft(PaintInfo.Column))
        return next < 0 ? InvalidColumn : next;
    // Left-to-right cells widen over the empty left-to-right cells after them.
    while (next >= 0 && !readsRightToLeft(next) && IsCellEmpty(PaintInfo.Node, next)) {
        PaintInfo.CellRect.Right += columns[next].Width();
        next = columns.GetNextVisibleColumn(next);
    }
    return next < 0 ? InvalidColumn : next;
}

} // namespace vtree
