// How the base grid steers the current cell: around merged areas, off the
// hidden last row, and onto base cells after every key and wheel step; and
// which cells it repaints when the cell grid moves or scrolls.
#include "controls/grid/base/widget/BaseGrid.h"

namespace controls {

using namespace platform;

void TBaseGrid::GridKeyDown(std::uint16_t &Key, TShiftState Shift)
{
    const TGridCoord base = BaseCell(Col(), Row());
    const TGridCoord span = CellSpan(Col(), Row());
    const bool hasProps = CellHasProperties(Col(), Row());
    // A step that starts elsewhere in the area keeps a range being selected.
    const bool single = Anchor() == TGridCoord{Col(), Row()};
    const bool lastPageShown = TopRow() + VisibleRowCount() >= RowCount();
    switch (Key) {
    case VK_NEXT:
        if (lastPageShown && FHideLastRow && RowCount() > 1)
            MoveColRow(Col(), RowCount() - 2, single, true);
        break;
    case VK_LEFT:
        if (hasProps && base.X < Col() && Col() > FixedCols() && base.X > 0)
            MoveColRow(base.X, Row(), single, true);
        break;
    case VK_UP:
        if (hasProps && base.Y < Row() && Row() > FixedRows() && base.Y > 0)
            MoveColRow(Col(), base.Y, single, true);
        break;
    case VK_TAB:
        // A tab forward leaves an area from its last column too; snapped back
        // to the base, it would never get past it.
        if (!Options().testFlag(goTabs) || Options().testFlag(goRowSelect) || Shift.testFlag(ssShift))
            break;
        [[fallthrough]];
    case VK_RIGHT: {
        const int last = base.X + span.X;
        if (last >= Col() && Col() < ColCount() - 1 && base.X < ColCount() - 1 && last < ColCount())
            MoveColRow(last, Row(), single, true);
        break;
    }
    case VK_DOWN: {
        const int last = base.Y + span.Y;
        if (last >= Row() && Row() < RowCount() - 1 && base.Y < RowCount() - 1)
            MoveColRow(Col(), last, single, true);
        break;
    }
    default:
        break;
    }
    const std::uint16_t pressed = Key;
    TCellGrid::GridKeyDown(Key, Shift);
    // A page step on the last page ends on the last shown row.
    if (pressed == VK_NEXT && FHideLastRow && Row() == RowCount() - 1 && RowCount() - 2 >= FixedRows())
        MoveColRow(Col(), RowCount() - 2, true, true);
    SnapToBaseCell();
}

bool TBaseGrid::GridWheelDown(TShiftState Shift, QPoint MousePos)
{
    // As the Down key does, the step starts from the area's last row: from
    // the base it would come back to the base, and the wheel would never get
    // past the area.
    const int last = BaseCell(Col(), Row()).Y + CellSpan(Col(), Row()).Y;
    if (last > Row() && last < RowCount() - 1)
        MoveColRow(Col(), last, true, true);
    const bool handled = TCellGrid::GridWheelDown(Shift, MousePos);
    if (FHideLastRow) {
        if (VisibleRowCount() < Row() - TopRow() && Row() < RowCount() - 1)
            setTopRow(TopRow() + 1);
        // The wheel does not reach the hidden row either.
        if (Row() == RowCount() - 1 && RowCount() - 2 >= FixedRows())
            MoveColRow(Col(), RowCount() - 2, true, true);
    }
    SnapToBaseCell();
    return handled;
}

bool TBaseGrid::GridWheelUp(TShiftState Shift, QPoint MousePos)
{
    const bool handled = TCellGrid::GridWheelUp(Shift, MousePos);
    SnapToBaseCell();
    return handled;
}

bool TBaseGrid::CanSelectCell(int ACol, int ARow)
{
    if (RightToLeft()) {
        const bool answer = TCellGrid::CanSelectCell(ACol, ARow);
        InvalidateGrid();
        return answer;
    }
    RepaintCell(Col(), Row());
    const bool answer = TCellGrid::CanSelectCell(ACol, ARow);
    RepaintCell(ACol, ARow);
    return answer;
}

void TBaseGrid::GridTopLeftChanged()
{
    TCellGrid::GridTopLeftChanged();
    RepaintFixedColMerges();
    RepaintFixedRowMerges();
}

void TBaseGrid::RepaintFixedColMerges()
{
    if (FixedCols() <= 0)
        return;
    const int last = std::min(RowCount() - 1, TopRow() + VisibleRowCount());
    for (int row = TopRow(); row <= last; ++row) {
        for (int col = 0; col < FixedCols(); ++col) {
            if (IsMergedCell(col, row))
                RepaintCell(col, row);
        }
    }
}

void TBaseGrid::RepaintFixedRowMerges()
{
    if (FixedRows() <= 0)
        return;
    const int last = std::min(ColCount() - 1, LeftCol() + VisibleColCount());
    for (int col = LeftCol(); col <= last; ++col) {
        for (int row = 0; row < FixedRows(); ++row) {
            if (IsMergedCell(col, row))
                RepaintCell(col, row);
        }
    }
}

} // namespace controls
