// Inserting, removing and clearing rows and columns. Every per-row and
// per-column datum (flags, hidden-row indexes, hidden-column flags and
// widths, the column order, the sort column) moves with its line.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSelection.h"
#include "controls/grid/model/GridStructure.h"

#include <algorithm>

namespace controls {

void TExStringGrid::InsertRows(int RowIndex, int RCount, bool UpdateCellControls)
{
    if (RCount <= 0)
        return;
    RowIndex = std::clamp(RowIndex, 0, RowCount());
    // A user's insertion shifts the real rows after it, hidden ones too.
    const int real = RealRowIndex(RowIndex);
    insertStoreRows(RowIndex, RCount);
    m_structure->hiddenRows.insertRows(real, RCount);
    if (UpdateCellControls)
        CellControlsUpdate(false);
    DoCellsChanged(platform::TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
}

std::vector<TRowCells> TExStringGrid::RemoveRowsEx(int RowIndex, int RCount)
{
    std::vector<TRowCells> taken;
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return taken;
    RCount = std::min(RCount, RowCount() - RowIndex);
    std::vector<int> reals;
    for (int i = 0; i < RCount; ++i)
        reals.push_back(RealRowIndex(RowIndex + i));
    for (int i = 0; i < RCount; ++i) {
        taken.push_back(takeStoreRow(RowIndex));
        removeStoreRow(RowIndex);
    }
    m_structure->hiddenRows.removeShownRows(reals);
    CellControlsUpdate(false);
    DoCellsChanged(platform::TRect{0, RowIndex, ColCount() - 1, RowIndex + RCount});
    return taken;
}

void TExStringGrid::RemoveRows(int RowIndex, int RCount)
{
    if (RowIndex < 0 || RowIndex >= RowCount() || RCount <= 0)
        return;
    RCount = std::min(RCount, RowCount() - RowIndex);
    const int keepRow = Row();
    // Taken out and dropped: the properties are freed with their rows, the
    // flags of the removed rows go, the rest move up.
    for (TRowCells &row : RemoveRowsEx(RowIndex, RCount))
        for (THiddenCell &cell : row.cells)
            if (cell.props && cell.props->FControl) {
                cell.props->FControl->hide();
                FNumCellControls = std::max(FNumCellControls - 1, 0);
            }
    if (keepRow < RowCount() - FFixedFooters)
        FocusCell(Col(), keepRow);
    else if (RowCount() - FFixedFooters - 1 >= FixedRows())
        FocusCell(Col(), RowCount() - FFixedFooters - 1);
    else
        HideSelection();
    if (SearchPanelHeight() > 0)
        UpdateSearchPanel();
}

void TExStringGrid::DeleteRowRange(int RowIndex, int RCount) { RemoveRows(RowIndex, RCount); }

void TExStringGrid::AddRow()
{
    if (FloatingFooterVisible()) {
        InsertRows(RowCount() - 1, 1, true);
        if (FloatingFooter().FooterStyle() == fsFixedLastRow)
            ClearRows(RowCount() - 2, 1);
        return;
    }
    InsertRows(RowCount(), 1, true);
    ClearRows(RowCount() - 1, 1);
}

void TExStringGrid::InsertCols(int ColIndex, int CCount)
{
    if (CCount <= 0)
        return;
    syncColumnCount();
    const int all = TotalColCount();
    ColIndex = std::clamp(ColIndex, 0, all);
    const int displ = DisplColIndex(ColIndex);
    // New shown columns at the end of the store, their data then moved to
    // their place; the display widths after them step right.
    setColCount(ColCount() + CCount);
    for (int i = 0; i < CCount; ++i)
        moveStoreColumn(all + i, ColIndex + i);
    for (int k = ColCount() - 1; k >= displ + CCount; --k)
        setColWidths(k, ColWidths(k - CCount));
    for (int k = displ; k < displ + CCount; ++k)
        setColWidths(k, DefaultColWidth());
    THiddenColumns &columns = m_structure->hiddenColumns;
    columns.removeCols(all, CCount);
    columns.insertCols(ColIndex, CCount);
    TColumnOrder &order = m_structure->columnOrder;
    if (!order.empty()) {
        order.removeCols(all, CCount);
        order.insertCols(ColIndex, CCount);
    }
    m_selection->selectedCells.insertCols(ColIndex, CCount);
    if (m_sortColumn >= ColIndex)
        m_sortColumn += CCount;
    for (int i = 0; i < CCount; ++i)
        for (int r = 0; r < RowCount(); ++r)
            ResetCell(ColIndex + i, r);
    CellControlsUpdate(false);
}

void TExStringGrid::RemoveCols(int ColIndex, int CCount)
{
    syncColumnCount();
    if (ColIndex < 0 || ColIndex >= TotalColCount() || CCount <= 0)
        return;
    CCount = std::min(CCount, TotalColCount() - ColIndex);
    ClearCols(ColIndex, CCount);
    for (int i = 0; i < CCount; ++i) {
        const int c = ColIndex;
        const bool hidden = IsHiddenColumn(c);
        const int displ = DisplColIndex(c);
        // The emptied column goes to the end of the store, past the columns
        // the grid has; a shown one gives up its display width.
        moveStoreColumn(c, TotalColCount() - 1);
        for (int h = 0; h < m_structure->hiddenRows.count(); ++h) {
            auto &cells = m_structure->hiddenRows.at(h).Items.cells;
            if (static_cast<std::size_t>(TotalColCount() - 1) < cells.size())
                cells.erase(cells.begin() + (TotalColCount() - 1));
        }
        if (!hidden) {
            for (int k = displ; k < ColCount() - 1; ++k)
                setColWidths(k, ColWidths(k + 1));
        }
        m_structure->hiddenColumns.removeCols(c, 1);
        m_structure->columnOrder.removeCols(c, 1);
        m_selection->selectedCells.removeCols(c, 1);
        if (m_sortColumn == c)
            m_sortColumn = -1;
        else if (m_sortColumn > c)
            --m_sortColumn;
        if (!hidden)
            TCellGrid::setColCount(ColCount() - 1);
    }
    CellControlsUpdate(false);
    DoCellsChanged(platform::TRect{ColIndex, 0, ColIndex + CCount, RowCount() - 1});
}

void TExStringGrid::ClearRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) {
            const int store = SaveHiddenCells ? RealColIndex(c) : c;
            if (!ClearTextOnly && CellHasProperties(store, r)) {
                RemoveCellGraphic(store, r);
                if (TCellProperties *p = propsOf(store, r); p && p->FControl)
                    setCellControls(store, r, nullptr);
                FreeCellProperties(store, r);
            }
            if (!GetGridCell(store, r).isEmpty())
                SetGridCell(store, r, QString());
        }
    if (ACol1 <= 0 && ARow1 <= 0 && ACol2 >= ColCount() - 1 && ARow2 >= RowCount() - 1 && !ClearTextOnly)
        FHasCellProps = false;
    DoCellsChanged(platform::TRect{ACol1, ARow1, ACol2, ARow2});
}

void TExStringGrid::ClearRows(int RowIndex, int RCount)
{
    if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
        ClearRect(0, RowIndex, TotalColCount() - 1, RowIndex + RCount - 1);
}

void TExStringGrid::ClearCols(int ColIndex, int CCount)
{
    if (RowCount() > 0 && ColCount() > 0 && CCount > 0)
        ClearRect(ColIndex, 0, ColIndex + CCount - 1, RowCount() - 1);
}

} // namespace controls
