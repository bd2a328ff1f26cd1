// What is selected in the string grid and whether the current cell may
// move: the rectangle, the disjunct rows, columns and cells, the modified
// and disabled rows, and the selection's text.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSelection.h"
#include "controls/grid/model/GridStructure.h"
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/model/core/SelectedText.h"

#include <algorithm>

namespace controls {

namespace {

class TShownCells : public ICellSource {
public:
    explicit TShownCells(const TExStringGrid &grid) : m_grid(grid) {}
    int colCount() const override { return m_grid.ColCount(); }
    int rowCount() const override { return m_grid.RowCount(); }
    // Display column to real column: what the user sees selected.
    QString cellText(int col, int row) const override { return m_grid.Cells(m_grid.RealColIndex(col), row); }

private:
    const TExStringGrid &m_grid;
};

} // namespace

// --- row and column flags ---------------------------------------------------------------------------

bool TExStringGrid::RowSelect(int ARow)
{
    if (m_mouseActions.DisjunctRowSelect()) {
        if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && !m_mouseActions.RowSelectPersistent))
            throw ZOraZaziRarar(QStringLiteral("Invalid row %1 accessed").arg(ARow));
        TGridSelection::reach(m_selection->rowSelect, ARow);
        return TGridSelection::flag(m_selection->rowSelect, ARow);
    }
    if (ARow < 0 || ARow >= RowCount() + NumHiddenRows())
        throw ZOraZaziRarar(QStringLiteral("Invalid row %1 accessed").arg(ARow));
    const TGridRect sel = normalisedGridRect(Selection());
    return ARow >= sel.Top && ARow <= sel.Bottom;
}

void TExStringGrid::setRowSelect(int ARow, bool Value)
{
    if (ARow < 0 || (ARow >= RowCount() + NumHiddenRows() && RowCount() > FixedRows()))
        throw ZOraZaziRarar(QStringLiteral("Invalid row accessed"));
    TGridSelection &sel = *m_selection;
    bool allow = true;
    const bool beyond = static_cast<std::size_t>(ARow) >= sel.rowSelect.size();
    if ((beyond || TGridSelection::flag(sel.rowSelect, ARow) != Value) && OnRowDisjunctSelect)
        OnRowDisjunctSelect(this, ARow, Value, allow);
    if (!allow)
        return;
    TGridSelection::reach(sel.rowSelect, ARow);
    const bool was = sel.rowSelect[static_cast<std::size_t>(ARow)] != 0;
    sel.rowSelect[static_cast<std::size_t>(ARow)] = Value ? 1 : 0;
    if (Value) {
        if (ARow >= FixedRows() && std::find(sel.selectedRows.begin(), sel.selectedRows.end(), ARow) == sel.selectedRows.end())
            sel.selectedRows.push_back(ARow);
    } else {
        std::erase(sel.selectedRows, ARow);
    }
    if (was != Value)
        InvalidateRow(ARow);
}

bool TExStringGrid::ColSelect(int ACol)
{
    if (ACol < 0 || ACol >= ColCount())
        throw ZOraZaziRarar(QStringLiteral("Invalid column accessed"));
    TGridSelection::reach(m_selection->colSelect, ACol);
    return TGridSelection::flag(m_selection->colSelect, ACol);
}

void TExStringGrid::setColSelect(int ACol, bool Value)
{
    if (ACol < 0 || ACol >= ColCount())
        throw ZOraZaziRarar(QStringLiteral("Invalid column accessed"));
    TGridSelection::reach(m_selection->colSelect, ACol);
    char &flag = m_selection->colSelect[static_cast<std::size_t>(ACol)];
    if ((flag != 0) != Value)
        InvalidateCol(ACol);
    flag = Value ? 1 : 0;
}

bool TExStringGrid::RowModified(int ARow) const { return TGridSelection::flag(m_selection->modifiedRows, ARow); }

void TExStringGrid::setRowModified(int ARow, bool Value)
{
    if (ARow < 0)
        return;
    TGridSelection::reach(m_selection->modifiedRows, ARow);
    m_selection->modifiedRows[static_cast<std::size_t>(ARow)] = Value ? 1 : 0;
    RepaintCell(0, ARow);
}

bool TExStringGrid::RowEnabled(int ARow) const { return !TGridSelection::flag(m_selection->disabledRows, ARow); }

void TExStringGrid::setRowEnabled(int ARow, bool Value)
{
    if (ARow < 0)
        return;
    TGridSelection &sel = *m_selection;
    if (!Value && ARow == Row()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (r != ARow && RowEnabled(r)) {
                FocusCell(Col(), r);
                break;
            }
    }
    sel.useEnabledRows = true;
    TGridSelection::reach(sel.disabledRows, ARow);
    sel.disabledRows[static_cast<std::size_t>(ARow)] = Value ? 0 : 1;
    InvalidateRow(ARow);
}

// --- disjunct cells ----------------------------------------------------------------------------------------

bool TExStringGrid::SelectedCells(int ACol, int ARow) const
{
    if (const_cast<TExStringGrid *>(this)->m_mouseActions.DisjunctCellSelect())
        return m_selection->selectedCells.contains(ACol, ARow);
    const TGridRect sel = normalisedGridRect(Selection());
    return ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
}

void TExStringGrid::setSelectedCells(int ACol, int ARow, bool Value)
{
    if (Value ? m_selection->selectedCells.add(ACol, ARow) : m_selection->selectedCells.remove(ACol, ARow))
        RepaintCell(ACol, ARow);
}

TGridCoord TExStringGrid::SelectedCell(int i) const
{
    const TCellPoint p = m_selection->selectedCells.at(i);
    return {p.col, p.row};
}

int TExStringGrid::SelectedCellsCount()
{
    TCellKeySet &cells = m_selection->selectedCells;
    if (m_mouseActions.DisjunctCellSelect())
        return cells.count();
    cells.clear();
    const TGridRect sel = normalisedGridRect(Selection());
    if (sel.Left == sel.Right && sel.Top == sel.Bottom) {
        cells.add(Col(), Row());
        return cells.count();
    }
    for (int c = sel.Left; c <= sel.Right; ++c)
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            cells.add(c, r);
    return cells.count();
}

// --- counts ------------------------------------------------------------------------------------------------------

int TExStringGrid::SelectedRow(int i) const
{
    if (const_cast<TExStringGrid *>(this)->m_mouseActions.DisjunctRowSelect()) {
        const auto &rows = m_selection->selectedRows;
        return i >= 0 && static_cast<std::size_t>(i) < rows.size() ? rows[static_cast<std::size_t>(i)] : -1;
    }
    const TGridRect sel = normalisedGridRect(Selection());
    return i >= 0 && sel.Top + i <= sel.Bottom ? sel.Top + i : -1;
}

int TExStringGrid::RowSelectCount() const
{
    if (const_cast<TExStringGrid *>(this)->m_mouseActions.DisjunctRowSelect()) {
        const auto &flags = m_selection->rowSelect;
        const std::size_t n = std::min(flags.size(), static_cast<std::size_t>(RowCount() + NumHiddenRows()));
        return static_cast<int>(std::count(flags.begin(), flags.begin() + static_cast<std::ptrdiff_t>(n), 1));
    }
    const TGridRect sel = Selection();
    return std::abs(sel.Bottom - sel.Top) + 1;
}

int TExStringGrid::SelectedRowCount() const
{
    if (const_cast<TExStringGrid *>(this)->m_mouseActions.DisjunctRowSelect())
        return static_cast<int>(m_selection->selectedRows.size());
    TGridRect sel = Selection();
    sel.Bottom = std::min(sel.Bottom, RowCount() - FFixedFooters - 1);
    if (IsMergedCell(sel.Left, sel.Top)) {
        const int s = CellSpan(sel.Left, sel.Top).Y;
        return sel.Top + s > sel.Bottom ? s + 1 : std::abs(sel.Top - sel.Bottom) + 1;
    }
    if (IsMergedCell(sel.Left, sel.Bottom))
        return std::abs(sel.Top - sel.Bottom) + CellSpan(sel.Left, sel.Bottom).Y + 1;
    return std::abs(sel.Top - sel.Bottom) + 1;
}

int TExStringGrid::SelectedColCount() const
{
    if (const_cast<TExStringGrid *>(this)->m_mouseActions.DisjunctColSelect())
        return static_cast<int>(m_selection->colSelect.size());
    const TGridRect sel = Selection();
    if (IsMergedCell(sel.Left, sel.Top)) {
        const int s = CellSpan(sel.Left, sel.Top).X;
        return sel.Left + s > sel.Right ? s + 1 : std::abs(sel.Left - sel.Right) + 1;
    }
    if (IsMergedCell(sel.Right, sel.Top))
        return std::abs(sel.Left - sel.Right) + CellSpan(sel.Right, sel.Top).X + 1;
    return std::abs(sel.Left - sel.Right) + 1;
}

// --- selecting ---------------------------------------------------------------------------------------------------

void TExStringGrid::SelectRows(int RowIndex, int RCount)
{
    RCount = std::min(RCount, RowCount() - RowIndex);
    if (RCount <= 0)
        return;
    if (!m_mouseActions.DisjunctRowSelect()) {
        setSelection(TGridRect{FixedCols(), RowIndex, ColCount() - 1, RowIndex + RCount - 1});
        return;
    }
    for (int r = RowIndex; r < RowIndex + RCount; ++r) {
        const int index = m_mouseActions.RowSelectPersistent ? RealRowIndex(r) : r;
        if (index < RowCount())
            setRowSelect(index, true);
    }
}

void TExStringGrid::UnSelectRows(int RowIndex, int RCount)
{
    if (!m_mouseActions.DisjunctRowSelect())
        return;
    for (int r = RowIndex; r < RowIndex + RCount && r < RowCount(); ++r)
        setRowSelect(m_mouseActions.RowSelectPersistent ? RealRowIndex(r) : r, false);
}

void TExStringGrid::SelectCols(int ColIndex, int CCount)
{
    if (!m_mouseActions.DisjunctColSelect()) {
        setSelection(TGridRect{ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - 1});
        return;
    }
    for (int c = ColIndex; c < ColIndex + CCount && c < ColCount(); ++c)
        setColSelect(c, true);
}

void TExStringGrid::SelectRange(int FromCol, int ToCol, int FromRow, int ToRow)
{
    FocusCell(ToCol, ToRow);
    setSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

void TExStringGrid::SelectCells(int FromCol, int FromRow, int ToCol, int ToRow)
{
    setSelection(TGridRect{FromCol, FromRow, ToCol, ToRow});
}

int TExStringGrid::ColSelectCount() const
{
    if (const_cast<TExStringGrid *>(this)->m_mouseActions.DisjunctColSelect())
        return static_cast<int>(std::count(m_selection->colSelect.begin(), m_selection->colSelect.end(), 1));
    const TGridRect sel = Selection();
    return sel.Right - sel.Left + 1;
}

void TExStringGrid::SelectionToRowSelect(bool All)
{
    TGridRect sel = normalisedGridRect(Selection());
    sel.Bottom = std::min(sel.Bottom, RowCount() - FFixedFooters - 1);
    for (int r = FixedRows(); r < RowCount(); ++r) {
        const bool inside = r >= sel.Top && r <= sel.Bottom;
        if (All || inside)
            setRowSelect(m_mouseActions.RowSelectPersistent ? RealRowIndex(r) : r, inside);
    }
}

void TExStringGrid::SelectionToColSelect(bool All)
{
    const TGridRect sel = normalisedGridRect(Selection());
    for (int c = FixedCols(); c < ColCount(); ++c) {
        const bool inside = c >= sel.Left && c <= sel.Right;
        if (All || inside)
            setColSelect(c, inside);
    }
}

void TExStringGrid::ClearModifiedRows()
{
    m_selection->modifiedRows.clear();
    InvalidateGrid();
}

int TExStringGrid::ModifiedRowCount() const
{
    return static_cast<int>(std::count(m_selection->modifiedRows.begin(), m_selection->modifiedRows.end(), 1));
}

void TExStringGrid::SwapCells(TGridCoord FromCell, TGridCoord ToCell)
{
    const QString text = GetGridCell(FromCell.X, FromCell.Y);
    std::unique_ptr<TCellProperties> props = TakeGridObject(FromCell.X, FromCell.Y);
    SetGridCell(FromCell.X, FromCell.Y, GetGridCell(ToCell.X, ToCell.Y));
    (void)PutGridObject(FromCell.X, FromCell.Y, TakeGridObject(ToCell.X, ToCell.Y));
    SetGridCell(ToCell.X, ToCell.Y, text);
    (void)PutGridObject(ToCell.X, ToCell.Y, std::move(props));
}

void TExStringGrid::ClearRowSelect()
{
    TGridSelection &sel = *m_selection;
    for (std::size_t r = 0; r < sel.rowSelect.size(); ++r)
        if (sel.rowSelect[r]) {
            sel.rowSelect[r] = 0;
            InvalidateRow(static_cast<int>(r));
        }
    sel.selectedRows.clear();
}

void TExStringGrid::ClearColSelect()
{
    TGridSelection &sel = *m_selection;
    for (std::size_t c = 0; c < sel.colSelect.size(); ++c)
        if (sel.colSelect[c]) {
            sel.colSelect[c] = 0;
            InvalidateCol(static_cast<int>(c));
        }
}

void TExStringGrid::ClearSelectedCells()
{
    setSelection(TGridRect{FixedCols(), FixedRows(), FixedCols(), FixedRows()});
    m_selection->selectedCells.clear();
    InvalidateGrid();
}

bool TExStringGrid::IsSelected(int ACol, int ARow)
{
    if (ARow < FixedRows() || ACol < FixedCols())
        return false;
    if (m_mouseActions.DisjunctCellSelect())
        return m_selection->selectedCells.contains(ACol, ARow);
    if (m_mouseActions.DisjunctRowSelect())
        return TGridSelection::flag(m_selection->rowSelect,
                                    m_mouseActions.RowSelectPersistent ? RealRowIndex(ARow) : ARow);
    if (m_mouseActions.DisjunctColSelect())
        return TGridSelection::flag(m_selection->colSelect, ACol);
    const TGridRect sel = normalisedGridRect(Selection());
    return ACol >= sel.Left && ACol <= sel.Right && ARow >= sel.Top && ARow <= sel.Bottom;
}

QString TExStringGrid::SelectedText() const
{
    const TGridRect sel = normalisedGridRect(Selection());
    std::vector<int> cols;
    for (int c = sel.Left; c <= sel.Right; ++c)
        cols.push_back(c);
    std::vector<int> rows;
    if (const_cast<TExStringGrid *>(this)->m_mouseActions.DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (TGridSelection::flag(m_selection->rowSelect,
                                     m_mouseActions.RowSelectPersistent ? RealRowIndex(r) : r))
                rows.push_back(r);
    } else {
        for (int r = sel.Top; r <= sel.Bottom; ++r)
            rows.push_back(r);
    }
    return selectedText(TShownCells(*this), cols, rows, false);
}

void TExStringGrid::GotoCell(int ACol, int ARow)
{
    setRow(ARow);
    setCol(ACol);
}

// --- moving the current cell --------------------------------------------------------------------------------

bool TExStringGrid::CanSelectCell(int ACol, int ARow)
{
    if (FForceSel)
        return true;
    if (!footerPanelsAllowCell(ACol, ARow))
        return false;
    if (ACol < 0 || ARow < 0)
        return false;
    const int rc = RealColIndex(ACol);
    // A merged cell is entered at its base cell.
    if (IsMergedNonBaseCell(rc, ARow) && !(Options() & goRangeSelect)) {
        if (!validateBeforeMove(ACol, ARow))
            return false;
        const TGridCoord base = BaseCell(rc, ARow);
        FForceSel = true;
        FocusCell(DisplColIndex(base.X), base.Y);
        FForceSel = false;
        RepaintCell(DisplColIndex(base.X), base.Y);
        editOnMergedEntry(ACol, ARow);
        return false;
    }
    if (m_selection->useEnabledRows && m_navigation.SkipDisabledRows && !RowEnabled(ARow))
        return false;
    // An open edit is validated first; then goEditing follows the target.
    if (!validateBeforeMove(ACol, ARow))
        return false;
    prepareCellEditing(rc, ARow);
    const bool allowed = TBaseGrid::CanSelectCell(ACol, ARow);
    if (m_selListener)
        m_selListener->CellSelected(Col(), ARow);
    return allowed;
}

} // namespace controls
