// The column grid's editing answers (the column's editor, length limit and
// mask) and the popup menu a column shows on a click.
#include "controls/grid/model/ExCGrid.h"

namespace controls {

void TExColumnGrid::DoGetEditorType(int ACol, int ARow, TEditorType &AEditor)
{
    if (const TGridColumnItem *item = itemOf(ACol)) {
        if (ACol >= FixedCols() && ARow >= FixedRows()) {
            AEditor = item->Editor();
            // The shared combo and spin editors open with the column's lists.
            Combobox().Items = item->ComboItems;
            Combobox().DropDownCount = item->DropDownCount;
            SpinEdit() = TGridSpinRange{item->SpinMin, item->SpinMax, item->SpinStep};
            ControlLook().DropDownCount = item->DropDownCount;
        }
        if (!item->FloatFormat().isEmpty())
            FloatFormat = item->FloatFormat();
    }
    TExStringGrid::DoGetEditorType(ACol, ARow, AEditor);
}

int TExColumnGrid::GridGetEditLimit()
{
    // The column's length, 0 included (no limit), wins over the grid's.
    if (Col() >= FixedCols() && Col() < Columns().Count())
        if (const TGridColumnItem *item = itemOf(RealColIndex(Col())))
            return item->EditLength;
    return TExStringGrid::GridGetEditLimit();
}

QString TExColumnGrid::GridGetEditMask(int ACol, int ARow)
{
    QString mask;
    if (ACol >= FixedCols() && ACol < Columns().Count())
        if (const TGridColumnItem *item = itemOf(RealColIndex(ACol)))
            mask = item->EditMask;
    // The grid's own mask, or the owner's, wins over the column's.
    if (const QString own = TExStringGrid::GridGetEditMask(ACol, ARow); !own.isEmpty())
        mask = own;
    return mask;
}

void TExColumnGrid::GridMouseDown(platform::TMouseButton Button, platform::TShiftState Shift, int X, int Y)
{
    TExStringGrid::GridMouseDown(Button, Shift, X, Y);
    int col = -1;
    int row = -1;
    MouseToCell(X, Y, col, row);
    if (col < 0 || row < 0)
        return;
    // The click gives a display column; the items are the real columns'.
    const TGridColumnItem *item = itemOf(RealColIndex(col));
    if (item == nullptr || item->ColumnPopup.isNull() || Button == platform::mbMiddle)
        return;
    const TColumnPopupType type = item->ColumnPopupType;
    const bool left = Button == platform::mbLeft;
    const TColumnPopupType fixedType = left ? cpFixedCellsLClick : cpFixedCellsRClick;
    const TColumnPopupType normalType = left ? cpNormalCellsLClick : cpNormalCellsRClick;
    const TColumnPopupType allType = left ? cpAllCellsLClick : cpAllCellsRClick;
    if (type != fixedType && type != normalType && type != allType)
        return;
    const QPointer<QMenu> menu = item->ColumnPopup; // the event may take it away
    if (OnColumnPopup)
        OnColumnPopup(this, col, row, menu);
    const bool fixedRow = row < FixedRows();
    if ((fixedRow && (type == fixedType || type == allType)) || (!fixedRow && (type == normalType || type == allType))) {
        const platform::TRect r = CellRect(col, row);
        if (!menu.isNull())
            menu->popup(mapToGlobal(QPoint(r.Left, r.Bottom)));
    }
}

} // namespace controls
