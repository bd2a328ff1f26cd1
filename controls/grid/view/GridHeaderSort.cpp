// A click on the sort row's header sorts by its column: again it turns the
// direction round, a third time (with UndoSort) gives back the order from
// before; with the index key held it adds the column to a sort by several.
// A double click on a header border sizes the column to its content, and
// the release of that double click sorts nothing.
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/view/GridMouseState.h"
#include "controls/grid/view/HeaderClickState.h"

#include <QElapsedTimer>

#include <cstdlib>

namespace controls {

using platform::TShiftState;

TGridHeaderClick &TExStringGrid::headerClick() const
{
    if (!m_headerClick)
        m_headerClick = std::make_shared<TGridHeaderClick>();
    return *m_headerClick;
}

TIntList &TExStringGrid::IgnoreColumns() { return headerClick().ignoreColumns; }

bool TExStringGrid::IsIgnoredColumn(int ACol) { return headerClick().ignoreColumns.HasValue(ACol); }

int TExStringGrid::SortTime() const { return headerClick().sortTime; }

void TExStringGrid::DoClickSort(int ACol)
{
    if (OnClickSort)
        OnClickSort(this, ACol);
}

bool TExStringGrid::isSortedHeader(int ACol, int ARow)
{
    const TSortSettings &sort = SortSettings();
    return sort.Column() != -1 && sort.HeaderColor != platform::clNone && ARow == FixedRows() - 1
           && (ACol >= FixedCols() || sort.FixedCols) && RealColIndex(ACol) == sort.Column();
}

namespace {

// The index list after a click: with the key held the column joins it (or
// turns round when listed); without, a list of only this column turns
// round, any other list starts afresh with it.
void clickIndex(TSortIndexList &indexes, int column, bool keyHeld, bool ascendingFirst)
{
    const bool listed = indexes.FindIndex(column) >= 0;
    if (keyHeld) {
        if (listed)
            indexes.ToggleIndex(column);
        else
            indexes.AddIndex(column, ascendingFirst);
        return;
    }
    if (indexes.Count() == 1 && listed) {
        indexes.ToggleIndex(column);
        return;
    }
    indexes.Clear();
    indexes.AddIndex(column, ascendingFirst);
}

} // namespace

void TExStringGrid::headerSortClick(int ACol, int ARow, int X, int Y, TShiftState Shift)
{
    TGridHeaderClick &h = headerClick();
    if (h.dblClk) {
        h.dblClk = false;
        return;
    }
    const TSortSettings &settings = SortSettings();
    const int displCol = DisplColIndex(ACol);
    const platform::TRect R = CellRect(displCol, ARow);
    // Near a side border the release ends a sizing.
    if (ARow == 0 && (Options() & goColSizing) && (std::abs(X - R.Left) < 4 || std::abs(X - R.Right) < 4))
        return;
    int pressCol = -1;
    int pressRow = -1;
    MouseToCell(mouse().ClickPosX, mouse().ClickPosY, pressCol, pressRow);
    const bool sortClick = pressRow == settings.Row && ARow == settings.Row && FixedRows() > 0
                           && !IsInCheckBox(ACol, ARow, X, Y) && settings.Show && RowCount() > 2;
    if (!sortClick)
        return;
    // The rightmost 16 pixels are the drop-down and filter buttons'.
    if (X > R.Right - 16 && (m_controlLook.FixedDropDownButton || DoGetColumnFilter(ACol)))
        return;
    bool doSort = !IsIgnoredColumn(ACol);
    if (OnCanSort)
        OnCanSort(this, ACol, doSort);
    if (!doSort) {
        RepaintCell(displCol, ARow); // its pressed look ends
        return;
    }

    HideEditor();
    TGridSortFilter &state = sortFilter();
    if (static_cast<int>(state.sortRowXRef.size()) != RowCount())
        InitSortXRef();
    const bool merge = settings.AutoColumnMerge;
    if (merge)
        for (int i = 0; i < m_mergedColumns.Count(); ++i)
            SplitColumnCells(m_mergedColumns[i]);

    QElapsedTimer timer;
    timer.start();
    const int leftCol = LeftCol();
    const bool keepHoriz = (Options() & goRowSelect) && m_navigation.KeepHorizScroll;
    if (keepHoriz)
        StartUpdate();
    const auto restore = [&] {
        setLeftCol(leftCol);
        if (keepHoriz)
            ResetUpdate();
    };
    TSortSettings &sort = SortSettings();
    try {
        if (sort.IndexShow) {
            const bool keyHeld = Shift.testFlag(sort.IndexSortKey == TSortSettings::ikCtrl ? platform::ssCtrl
                                                                                          : platform::ssShift);
            clickIndex(state.sortIndexes, ACol, keyHeld, sort.InitSortDirection == sdAscending);
            if (NumNodes() > 0)
                QSortGroupIndexed();
            else
                QSortIndexed();
            sort.setColumn(state.sortIndexes.Count() > 0 ? state.sortIndexes.SortColumns(0) : -1);
        } else {
            bool undo = false;
            if (ACol == sort.Column()) {
                undo = sort.Direction != sort.InitSortDirection && sort.UndoSort;
                sort.ToggleDirection();
            } else {
                sort.Direction = sort.InitSortDirection;
                sort.setColumn(ACol);
            }
            if (NumNodes() > 0) {
                QSortGroup();
            } else if (undo) {
                QUnSort();
                sort.setColumn(-1);
            } else {
                QSort();
            }
        }
    } catch (...) {
        restore();
        h.sortTime = static_cast<int>(timer.elapsed());
        throw;
    }
    restore();
    h.sortTime = static_cast<int>(timer.elapsed());
    if (merge)
        ReapplyMergedColumns();
    if (NumCellControls() > 0)
        CellControlsUpdate(true);
    InvalidateGrid();
    DoClickSort(sort.Column());
}

bool TExStringGrid::borderAutoSize(int ACol, int ARow, int X)
{
    if (ARow < 0 || ARow >= FixedRows() || !(Options() & goColSizing) || !m_mouseActions.AutoSizeColOnDblClick)
        return false;
    const platform::TRect R = CellRect(ACol, ARow);
    int sized = -1;
    if (std::abs(X - R.Left) <= 3) {
        headerClick().dblClk = true;
        if (ACol - 1 >= FixedCols())
            sized = ACol - 1;
    } else if (std::abs(X - R.Right) <= 3 && ACol >= FixedCols()) {
        headerClick().dblClk = true;
        sized = ACol;
    } else {
        return false;
    }
    if (sized >= 0) {
        bool allow = true;
        if (OnColumnSize)
            OnColumnSize(this, sized, allow);
        if (allow) {
            AutoSizeCol(sized, 0);
            if (OnEndColumnSize)
                OnEndColumnSize(this, sized);
        }
    }
    return true;
}

} // namespace controls
