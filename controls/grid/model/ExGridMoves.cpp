// Moving and swapping rows and columns, and the remembered column order.
// A moved column takes all of its data along once: cells, properties, the
// cells of hidden rows, its width, its hidden flag and saved width, its
// entry of the order; the sort column and the current column follow.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSelection.h"
#include "controls/grid/model/GridStructure.h"

#include <algorithm>

namespace controls {

namespace {

template <class T>
void rotateOne(std::vector<T> &v, int from, int to)
{
    const int reach = std::max(from, to);
    if (static_cast<std::size_t>(reach) >= v.size())
        v.resize(static_cast<std::size_t>(reach) + 1);
    const auto first = v.begin();
    if (from < to)
        std::rotate(first + from, first + from + 1, first + to + 1);
    else
        std::rotate(first + to, first + from, first + from + 1);
}

} // namespace

void TExStringGrid::moveStoreCells(int FromCol, int ToCol)
{
    if (FromCol == ToCol)
        return;
    const int step = FromCol < ToCol ? 1 : -1;
    for (int r = 0; r < RowCount(); ++r) {
        const QString text = GetGridCell(FromCol, r);
        std::unique_ptr<TCellProperties> props = TakeGridObject(FromCol, r);
        for (int c = FromCol; c != ToCol; c += step) {
            SetGridCell(c, r, GetGridCell(c + step, r));
            (void)PutGridObject(c, r, TakeGridObject(c + step, r));
        }
        SetGridCell(ToCol, r, text);
        (void)PutGridObject(ToCol, r, std::move(props));
    }
}

void TExStringGrid::moveHiddenRowCells(int FromCol, int ToCol)
{
    if (FromCol == ToCol)
        return;
    THiddenRows<TRowCells> &rows = m_structure->hiddenRows;
    for (int i = 0; i < rows.count(); ++i)
        rotateOne(rows.at(i).Items.cells, FromCol, ToCol);
}

void TExStringGrid::moveStoreColumn(int FromCol, int ToCol)
{
    moveStoreCells(FromCol, ToCol);
    moveHiddenRowCells(FromCol, ToCol);
}

void TExStringGrid::moveColumnData(int RealFrom, int RealTo)
{
    m_structure->hiddenColumns.moveCol(RealFrom, RealTo);
    m_structure->columnOrder.move(RealFrom, RealTo);
    if (m_sortColumn >= 0)
        m_sortColumn = followMovedLine(m_sortColumn, RealFrom, RealTo);
}

void TExStringGrid::MoveColumn(int FromIndex, int ToIndex)
{
    if (FromIndex == ToIndex || FromIndex < 0 || ToIndex < 0 || FromIndex >= ColCount() || ToIndex >= ColCount())
        return;
    syncColumnCount();
    if (m_structure->columnOrder.empty())
        SetColumnOrder();
    const int realFrom = RealColIndex(FromIndex);
    const int realTo = RealColIndex(ToIndex);
    HideEditor();
    moveStoreColumn(realFrom, realTo);
    const int width = ColWidths(FromIndex);
    if (FromIndex < ToIndex)
        for (int k = FromIndex; k < ToIndex; ++k)
            setColWidths(k, ColWidths(k + 1));
    else
        for (int k = FromIndex; k > ToIndex; --k)
            setColWidths(k, ColWidths(k - 1));
    setColWidths(ToIndex, width);
    moveColumnData(realFrom, realTo);
    TGridSelection::move(m_selection->colSelect, FromIndex, ToIndex);
    const int col = followMovedLine(Col(), FromIndex, ToIndex);
    if (col != Col())
        FocusCell(col, Row());
    CellControlsUpdate(false);
    InvalidateGrid();
    if (OnColumnMoved)
        OnColumnMoved(this, FromIndex, ToIndex);
    if (OnGridColumnMoved)
        OnGridColumnMoved(this, FromIndex, ToIndex);
}

void TExStringGrid::GridColumnMoved(int FromIndex, int ToIndex)
{
    // The cell grid moved a column by a header drag: it moved the widths,
    // the current cell and the store at the display indexes.
    if (m_internalMove)
        return;
    syncColumnCount();
    const int realFrom = RealColIndex(FromIndex);
    const int realTo = RealColIndex(ToIndex);
    if (NumHiddenColumns() > 0) {
        // The store holds hidden columns too: its display-index move is
        // undone and the real columns moved instead.
        moveStoreCells(ToIndex, FromIndex);
        moveStoreCells(realFrom, realTo);
    }
    moveHiddenRowCells(realFrom, realTo);
    if (m_structure->columnOrder.empty())
        m_structure->columnOrder.reset(TotalColCount());
    moveColumnData(realFrom, realTo);
    TGridSelection::move(m_selection->colSelect, FromIndex, ToIndex);
    CellControlsUpdate(false);
    TBaseGrid::GridColumnMoved(FromIndex, ToIndex);
    if (OnGridColumnMoved)
        OnGridColumnMoved(this, FromIndex, ToIndex);
    UpdateFooter();
}

void TExStringGrid::MoveRow(int FromIndex, int ToIndex) { TCellGrid::MoveRow(FromIndex, ToIndex); }

void TExStringGrid::GridRowMoved(int FromIndex, int ToIndex)
{
    if (m_internalMove)
        return;
    if (refuseMoveOntoFooterRow(FromIndex, ToIndex))
        return;
    // The row passed hidden rows on its way: their real indexes step aside.
    const int realFrom = RealRowIndex(FromIndex);
    const int realTo = RealRowIndex(ToIndex);
    m_structure->hiddenRows.moveShownRow(realFrom, realTo);
    TGridSelection &sel = *m_selection;
    TGridSelection::move(sel.modifiedRows, FromIndex, ToIndex);
    TGridSelection::move(sel.disabledRows, FromIndex, ToIndex);
    TGridSelection::move(sel.rowSelect, FromIndex, ToIndex);
    CellControlsUpdate(false);
    TBaseGrid::GridRowMoved(FromIndex, ToIndex);
    if (OnGridRowMoved)
        OnGridRowMoved(this, FromIndex, ToIndex);
}

void TExStringGrid::SwapRows(int Index, int Index2)
{
    if (Index == Index2)
        return;
    const int a = std::min(Index, Index2);
    const int b = std::max(Index, Index2);
    MoveRow(a, b);
    MoveRow(b - 1, a);
}

void TExStringGrid::SwapColumns(int Index, int Index2)
{
    if (Index == Index2)
        return;
    const int a = std::min(Index, Index2);
    const int b = std::max(Index, Index2);
    MoveColumn(DisplColIndex(a), DisplColIndex(b));
    MoveColumn(DisplColIndex(b - 1), DisplColIndex(a));
}

void TExStringGrid::SetColumnOrder()
{
    syncColumnCount();
    m_structure->columnOrder.reset(TotalColCount());
}

void TExStringGrid::SetColumnOrderList(const std::vector<int> &Order) { m_structure->columnOrder.assign(Order); }

bool TExStringGrid::ResetColumnOrder()
{
    TColumnOrder &order = m_structure->columnOrder;
    if (!order.empty() && !order.isPermutation())
        return false;
    UnHideColumnsAll();
    if (order.empty()) {
        SetColumnOrder();
        return true;
    }
    const auto moves = order.restoringMoves();
    if (!moves)
        return false;
    for (const auto &[from, to] : *moves)
        MoveColumn(from, to);
    return true;
}

int TExStringGrid::ColumnPosition(int ACol) const
{
    const TColumnOrder &order = m_structure->columnOrder;
    if (order.empty())
        return ACol;
    const int p = order.positionOf(ACol);
    return p < 0 ? ACol : p;
}

int TExStringGrid::ColumnAtPosition(int APos)
{
    if (m_structure->columnOrder.empty())
        SetColumnOrder();
    const int c = m_structure->columnOrder.at(APos);
    return c < 0 ? APos : c;
}

int TExStringGrid::ColumnByHeader(const QString &AValue) const
{
    for (int c = 0; c < TotalColCount(); ++c)
        if (AllCells(c, 0) == AValue)
            return c;
    return -1;
}

} // namespace controls
