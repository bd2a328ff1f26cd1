// The query and notification hooks of the string grid: each fires its
// event after the grid's own rules, so that a descendant or the owner has
// the last word.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridStructure.h"
#include "controls/grid/model/core/ColumnFilterList.h"

#include "controls/grid/base/CellText.h"
#include "controls/grid/base/HtmlText.h"

namespace controls {

namespace {

// The grid's shown cells as the core's algorithms read them.
class TGridCellSource : public ICellSource {
public:
    explicit TGridCellSource(const TExStringGrid &grid) : m_grid(grid) {}
    int colCount() const override { return m_grid.TotalColCount(); }
    int rowCount() const override { return m_grid.RowCount(); }
    QString cellText(int col, int row) const override { return m_grid.Cells(col, row); }

private:
    const TExStringGrid &m_grid;
};

} // namespace

void TExStringGrid::DoGetCheckTrue(int ACol, int ARow, QString &Value)
{
    Value = CheckTrue;
    if (OnGetCheckTrue)
        OnGetCheckTrue(this, ACol, ARow, Value);
}

void TExStringGrid::DoGetCheckFalse(int ACol, int ARow, QString &Value)
{
    Value = CheckFalse;
    if (OnGetCheckFalse)
        OnGetCheckFalse(this, ACol, ARow, Value);
}

bool TExStringGrid::DoGetColumnFilter(int ACol)
{
    m_filterList.clear();
    if (FilterDropDownAuto && (ACol >= FixedCols() || FilterDropDownColumns == fdAll)) {
        std::vector<QString> hidden;
        if (!FilterIncremental) {
            const THiddenRows<TRowCells> &rows = m_structure->hiddenRows;
            for (int i = 0; i < rows.count(); ++i) {
                const auto &cells = rows.at(i).Items.cells;
                hidden.push_back(static_cast<std::size_t>(ACol) < cells.size() ? cells[static_cast<std::size_t>(ACol)].text
                                                                             : QString());
            }
        }
        const TGridCellSource cells(*this);
        TColumnFilterSource source;
        source.cells = &cells;
        source.col = ACol;
        source.fromRow = FixedRows();
        source.toRow = RowCount() - FFixedFooters - 1;
        source.hiddenTexts = hidden;
        source.clearEntry = FilterDropDownClear;
        m_filterList = columnFilterList(source);
    }
    if (OnGetColumnFilter)
        OnGetColumnFilter(this, ACol, m_filterList);
    return !m_filterList.isEmpty();
}

void TExStringGrid::DoSaveCell(int ACol, int ARow, QString &Value)
{
    Value = SaveVirtCells ? GetFormattedCell(ACol, ARow) : GetGridCell(ACol, ARow);
    if (Value.isEmpty()) {
        if (TCellGraphic *g = graphicOf(ACol, ARow)) {
            if (g->FCellType == ctCheckBox) {
                bool state = false;
                GetCheckBoxState(ACol, RealRowIndex(ARow), state);
                state ? DoGetCheckTrue(ACol, ARow, Value) : DoGetCheckFalse(ACol, ARow, Value);
            } else if (g->FCellType == ctTriStateCheckBox) {
                g->FCellCheckBoxState == cbChecked ? DoGetCheckTrue(ACol, ARow, Value)
                                                   : DoGetCheckFalse(ACol, ARow, Value);
            }
        }
    }
    if (!SaveWithHTML && GetCellTextKind(Value, true) == ckHtml)
        Value = HtmlToPlainText(Value);
    if (OnSaveCell)
        OnSaveCell(this, ACol, ARow, Value);
}

void TExStringGrid::DoLoadCell(int ACol, int ARow, const QString &Value)
{
    QString text = Value;
    if (OnLoadCell)
        OnLoadCell(this, ACol, ARow, text);
    SetGridCell(ACol, ARow, text);
}

void TExStringGrid::DoAutoDeleteRow(int ARow)
{
    if (RowCount() - FixedRows() - FFixedFooters != 1 || FFixedRowAlways)
        DeleteRowRange(ARow, 1);
    else
        ClearRows(ARow, 1);
    if (OnAutoDeleteRow)
        OnAutoDeleteRow(this, ARow);
}

void TExStringGrid::DoCellsChanged(const platform::TRect &R)
{
    if (OnCellsChanged)
        OnCellsChanged(this, R);
}

void TExStringGrid::DoCanEditCell(int ACol, int ARow, bool &CanEdit)
{
    if (OnCanEditCell)
        OnCanEditCell(this, ARow, ACol, CanEdit);
}

void TExStringGrid::DoIsFixedCell(int ACol, int ARow, bool &IsFixed)
{
    if (IsFixed)
        return;
    IsFixed = ACol < FixedCols() || ARow < FixedRows() || (FFixedRowAlways && RowCount() == FixedRows() && ARow < FixedRows());
    if (!IsFixed && OnIsFixedCell)
        OnIsFixedCell(this, ARow, ACol, IsFixed);
}

void TExStringGrid::CheckCellEditable(int ACol, int ARow, bool &CanEdit)
{
    const TGridCoord base = BaseCell(ACol, ARow);
    if (CellHasProperties(base.X, base.Y) && CanEdit) {
        CanEdit = !ReadOnly(base.X, base.Y);
        if (!(Options() & goEditing) && !FEditDisable && !m_mouseActions.RangeSelectAndEdit)
            CanEdit = false;
    }
    if (base.X < TotalColCount())
        DoCanEditCell(base.X, base.Y, CanEdit);
    else
        CanEdit = true;
}

void TExStringGrid::DoCheckBoxChange(int ACol, int ARow, bool State)
{
    if (OnCheckBoxChange)
        OnCheckBoxChange(this, ACol, ARow, State);
}

void TExStringGrid::DoCanAddRow(bool &CanAdd)
{
    if (OnCanAddRow)
        OnCanAddRow(this, CanAdd);
}

void TExStringGrid::DoCanInsertRow(int ARow, bool &CanInsert)
{
    if (OnCanInsertRow)
        OnCanInsertRow(this, ARow, CanInsert);
}

bool TExStringGrid::IsFixed(int ACol, int ARow)
{
    const TGridCoord base = BaseCell(RealColIndex(ACol), ARow);
    const int displ = DisplColIndex(base.X);
    if (base.Y >= RowCount() - FFixedFooters || (displ >= ColCount() - FFixedRightCols && displ < ColCount()))
        return true;
    bool fixed = false;
    DoIsFixedCell(displ, base.Y, fixed);
    return fixed;
}

bool TExStringGrid::IsEditableCell(int ACol, int ARow)
{
    TGridCoord cell{ACol, ARow};
    if (IsMergedNonBaseCell(ACol, ARow))
        cell = BaseCell(ACol, ARow);
    bool canEdit = true;
    CheckCellEditable(cell.X, cell.Y, canEdit);
    bool fixed = false;
    DoIsFixedCell(cell.X, cell.Y, fixed);
    return canEdit && !fixed;
}

} // namespace controls
