// The popup grid's events: those the drop-down answers itself (the current
// cell, a chosen row, the sort keeping the chosen item) and those it hands
// on to its own published events with the arguments unchanged.
#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/grid/ExGridDropDown.h"
#include "controls/dropdown/grid/PopupGrid.h"

#include <QPointer>

namespace controls::griddd {

namespace {

// Hooks the grid's event to the drop-down's published one. The drop-down
// is asked for at each call, through the grid's guarded link: the grid may
// outlive it for a moment.
template <class Event>
void forward(TExColGrid *grid, Event &gridEvent, Event TCustomExGridDropDown::*published)
{
    gridEvent = [grid, published](auto &&...args) {
        TCustomExGridDropDown *dropDown = grid->ExDropDown();
        if (dropDown && dropDown->*published)
            (dropDown->*published)(std::forward<decltype(args)>(args)...);
    };
}

} // namespace

template <class Call>
void TCustomExGridDropDown::withActivationBlocked(Call &&call)
{
    QPointer<TDropDownForm> form = DropDownForm();
    const bool blocked = form && form->BlockActivate();
    if (form)
        form->setBlockActivate(true);
    call();
    if (form)
        form->setBlockActivate(blocked);
}

void TCustomExGridDropDown::hookGridEvents()
{
    TExColGrid *grid = m_grid;
    if (!grid)
        return;
    grid->OnSelectCell = [grid](TCellGrid *, int col, int row, bool &) {
        if (TCustomExGridDropDown *dropDown = grid->ExDropDown())
            dropDown->GridSelectCell(col, row);
    };
    grid->OnSelect = [grid](QObject *) {
        if (TCustomExGridDropDown *dropDown = grid->ExDropDown())
            dropDown->GridSelect();
    };
    grid->OnCanSort = [grid](TExStringGrid *, int, bool &) {
        if (TCustomExGridDropDown *dropDown = grid->ExDropDown())
            dropDown->rememberItemIndex();
    };
    grid->OnClickSort = [grid](TExStringGrid *, int) {
        if (TCustomExGridDropDown *dropDown = grid->ExDropDown())
            dropDown->restoreSortedRow();
    };

    // A dialog shown from these leaves the popup open.
    grid->OnAnchorClick = [grid](TExStringGrid *sender, int row, int col, const QString &anchor, bool &autoHandle) {
        TCustomExGridDropDown *dropDown = grid->ExDropDown();
        if (dropDown && dropDown->OnGridAnchorClick)
            dropDown->withActivationBlocked(
                [&] { dropDown->OnGridAnchorClick(sender, row, col, anchor, autoHandle); });
    };
    grid->OnButtonClick = [grid](TExStringGrid *sender, int col, int row) {
        TCustomExGridDropDown *dropDown = grid->ExDropDown();
        if (dropDown && dropDown->OnGridButtonClick)
            dropDown->withActivationBlocked([&] { dropDown->OnGridButtonClick(sender, col, row); });
    };

    // The column's alignment and colour come first; the handler may change
    // them.
    grid->OnGetAlignment = [grid](TExStringGrid *sender, int row, int col, controls::TAlignment &hAlign,
                                  TVAlignment &vAlign) {
        TCustomExGridDropDown *dropDown = grid->ExDropDown();
        if (!dropDown)
            return;
        if (col >= 0 && col < grid->Columns().Count() && row >= grid->FixedRows()) {
            switch (grid->Columns()[col].Alignment()) {
            case multicol::taLeftJustify:
                hAlign = controls::taLeftJustify;
                break;
            case multicol::taRightJustify:
                hAlign = controls::taRightJustify;
                break;
            case multicol::taCenter:
                hAlign = controls::taCenter;
                break;
            }
        }
        if (dropDown->OnGridGetAlignment)
            dropDown->OnGridGetAlignment(sender, row, col, hAlign, vAlign);
    };
    grid->OnGetCellColor = [grid](TExStringGrid *sender, int row, int col, TGridDrawState state,
                                  platform::TBrush &brush, platform::TFont &font) {
        TCustomExGridDropDown *dropDown = grid->ExDropDown();
        if (!dropDown)
            return;
        if (col >= 0 && col < grid->Columns().Count() && row >= grid->FixedRows())
            brush.setColor(grid->Columns()[col].Color());
        if (dropDown->OnGridGetCellColor)
            dropDown->OnGridGetCellColor(sender, row, col, state, brush, font);
    };

    // Custom drawing costs a call per cell: hooked only when wanted.
    if (OnGridCustomCellDraw)
        forward(grid, grid->OnCustomCellDraw, &TCustomExGridDropDown::OnGridCustomCellDraw);
    else
        grid->OnCustomCellDraw = nullptr;
    if (OnGridCustomCellBkgDraw)
        forward(grid, grid->OnCustomCellBkgDraw, &TCustomExGridDropDown::OnGridCustomCellBkgDraw);
    else
        grid->OnCustomCellBkgDraw = nullptr;

    forward(grid, grid->OnAnchorEnter, &TCustomExGridDropDown::OnGridAnchorEnter);
    forward(grid, grid->OnAnchorExit, &TCustomExGridDropDown::OnGridAnchorExit);
    forward(grid, grid->OnAnchorHint, &TCustomExGridDropDown::OnGridAnchorHint);
    forward(grid, grid->OnCheckBoxClick, &TCustomExGridDropDown::OnGridCheckBoxClick);
    forward(grid, grid->OnColumnSize, &TCustomExGridDropDown::OnGridColumnSize);
    forward(grid, grid->OnColumnSizing, &TCustomExGridDropDown::OnGridColumnSizing);
    forward(grid, grid->OnEndColumnSize, &TCustomExGridDropDown::OnGridEndColumnSize);
    forward(grid, grid->OnRowSize, &TCustomExGridDropDown::OnGridRowSize);
    forward(grid, grid->OnRowSizing, &TCustomExGridDropDown::OnGridRowSizing);
    forward(grid, grid->OnEndRowSize, &TCustomExGridDropDown::OnGridEndRowSize);
    forward(grid, grid->OnGridRowMoved, &TCustomExGridDropDown::OnGridRowMoved);
    forward(grid, grid->OnGridColumnMoved, &TCustomExGridDropDown::OnGridColumnMoved);
    forward(grid, grid->OnCellBalloon, &TCustomExGridDropDown::OnGridCellBalloon);
    forward(grid, grid->OnGetFloatFormat, &TCustomExGridDropDown::OnGridGetFloatFormat);
    forward(grid, grid->OnGetEditorType, &TCustomExGridDropDown::OnGridGetEditorType);
    forward(grid, grid->OnGetEditorProp, &TCustomExGridDropDown::OnGridGetEditorProp);
    forward(grid, grid->OnCanEditCell, &TCustomExGridDropDown::OnGridCanEditCell);
    forward(grid, grid->OnGetDisplText, &TCustomExGridDropDown::OnGridGetDiplText);
    forward(grid, grid->OnGetFormat, &TCustomExGridDropDown::OnGridGetFormat);
    forward(grid, grid->OnGridHint, &TCustomExGridDropDown::OnGridHint);
    forward(grid, grid->OnMouseDown, &TCustomExGridDropDown::OnGridMouseDown);
    forward(grid, grid->OnMouseUp, &TCustomExGridDropDown::OnGridMouseUp);
    forward(grid, grid->OnRightClickCell, &TCustomExGridDropDown::OnGridRightClickCell);
    forward(grid, grid->OnScrollHint, &TCustomExGridDropDown::OnGridScrollHint);
    forward(grid, grid->OnTopLeftChanged, &TCustomExGridDropDown::OnGridTopLeftChanged);
    forward(grid, grid->OnSearchEditChange, &TCustomExGridDropDown::OnGridSearchEditChange);
    forward(grid, grid->OnAutoAddRow, &TCustomExGridDropDown::OnGridAutoAddRow);
    forward(grid, grid->OnAutoInsertRow, &TCustomExGridDropDown::OnGridInsertRow);
    forward(grid, grid->OnAutoDeleteRow, &TCustomExGridDropDown::OnGridDeleteRow);
    forward(grid, grid->OnCanAddRow, &TCustomExGridDropDown::OnGridCanAddRow);
    forward(grid, grid->OnCanInsertRow, &TCustomExGridDropDown::OnGridCanInsertRow);
    forward(grid, grid->OnCanDeleteRow, &TCustomExGridDropDown::OnGridCanDeleteRow);
}

} // namespace controls::griddd
