// Where the header's columns lie in the tree window: their bounds, the
// column under a point, spans over empty cells and column invalidation.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

namespace vtree {

TAlignment TLazyStringTreeWidget::cellAlignment(TColumnIndex Column) const
{
    return IsValidColumn(Column) ? FHeader.Columns()[Column].Alignment() : Alignment();
}

bool TLazyStringTreeWidget::readsRightToLeft(TColumnIndex Column) const
{
    if (IsValidColumn(Column))
        return FHeader.Columns()[Column].BiDiMode() != TBiDiMode::bdLeftToRight;
    return UseRightToLeftReading();
}

TAlignment mirrored(TAlignment Alignment)
{
    switch (Alignment) {
    case TAlignment::taLeftJustify:
        return TAlignment::taRightJustify;
    case TAlignment::taRightJustify:
        return TAlignment::taLeftJustify;
    case TAlignment::taCenter:
        break;
    }
    return Alignment;
}

void TLazyStringTreeWidget::GetColumnBounds(TColumnIndex Column, int &Left, int &Right) const
{
    if (!IsValidColumn(Column)) {
        Left = 0;
        Right = ClientWidth();
        return;
    }
    const TLazyTreeColumn &column = FHeader.Columns()[Column];
    const bool fixed = column.Options().contains(TLTColumnOption::coFixed);
    Left = column.Left() - (fixed ? 0 : EffectiveOffsetX());
    Right = Left + column.Width();
}

TColumnIndex TLazyStringTreeWidget::ColumnAndEdgesAt(int X, int &Left, int &Right) const
{
    if (X < 0)
        return InvalidColumn;
    // Walked in place: hit tests run on every mouse move.
    const TLazyTreeColumns &columns = FHeader.Columns();
    for (const TColumnIndex index : columns.PositionToIndex()) {
        const TLazyTreeColumn &column = columns[index];
        if (column.Options().contains(TLTColumnOption::coVisible) && column.Left() + column.Width() > X) {
            Left = column.Left();
            Right = Left + column.Width();
            return index;
        }
    }
    return InvalidColumn;
}

void TLazyStringTreeWidget::spanEmptyCells(PLazyNode Node, TColumnIndex &Column, int &Left, int &Right)
{
    const TLazyTreeColumns &columns = FHeader.Columns();
    for (TColumnIndex previous = columns.GetPreviousVisibleColumn(Column);
         previous >= 0 && IsCellEmpty(Node, Column); previous = columns.GetPreviousVisibleColumn(Column)) {
        Column = previous;
        Left = columns[Column].Left();
    }
    for (TColumnIndex next = columns.GetNextVisibleColumn(Column); next >= 0 && IsCellEmpty(Node, next);
         next = columns.GetNextVisibleColumn(next))
        Right = columns[next].Left() + columns[next].Width();
}

void TLazyStringTreeWidget::InvalidateColumn(TColumnIndex Column)
{
    if (IsUpdating() || !IsValidColumn(Column))
        return;
    int left = 0;
    int right = 0;
    GetColumnBounds(Column, left, right);
    viewport()->update(QRect(left, 0, right - left, ClientHeight()));
}

} // namespace vtree
