// The query and notification hooks of the string grid: each fires its
// event after the grid's own rules, so that a descendant or the owner has
// the last word.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridStructure.h"
#include "controls/grid/model/core/ColumnFilterList.h"

#include "controls/grid/base/CellText.h"

#include <algorithm>
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
    for (TGridChangeNotifier *notifier : m_notifiers)
        notifier->CellsChanged(R);
    CalcFooter(-1);
}

void TExStringGrid::RegisterNotifier(TGridChangeNotifier *ANotifier)
{
    if (ANotifier && std::find(m_notifiers.begin(), m_notifiers.end(), ANotifier) == m_notifiers.end())
        m_notifiers.push_back(ANotifier);
}

void TExStringGrid::UnRegisterNotifier(TGridChangeNotifier *ANotifier) { std::erase(m_notifiers, ANotifier); }

void TExStringGrid::DoGetCellColor(int ACol, int ARow, TGridDrawState AState, platform::TBrush &ABrush,
                                   platform::TFont &AFont)
{
    // The last fixed column's cell in the current row and the last fixed
    // row's cell in the current column show where the current cell is.
    if (ActiveCellShow) {
        const int d = DisplColIndex(ACol);
        if ((ARow == Row() && d == FixedCols() - 1 && FixedCols() > 0) ||
            (d == Col() && ARow == FixedRows() - 1 && FixedRows() > 0)) {
            AFont.Assign(m_activeCellFont);
            ABrush.setColor(ActiveCellColor);
        }
    }
    if (const TCellProperties *p = propsOf(ACol, ARow)) {
        const TCellType kind = GetCellType(ACol, ARow);
        const bool ownBrush = kind == ctIcon || kind == ctNone || kind == ctImageList || kind == ctEmpty ||
                              kind == ctImages || kind == ctComment;
        if (ownBrush && p->FBrushColor != platform::clNone)
            ABrush.setColor(p->FBrushColor);
        if (p->FFontColor != platform::clNone)
            AFont.setColor(p->FFontColor);
        if (p->FFontStyle.bold || p->FFontStyle.italic || p->FFontStyle.underline || p->FFontStyle.strikeOut)
            AFont.setStyle(p->FFontStyle);
        if (p->FFontSize != 0)
            AFont.setSize(p->FFontSize);
        if (!p->FFontName.isEmpty())
            AFont.setName(p->FFontName);
    }
    if (OnGetCellColor)
        OnGetCellColor(this, ARow, ACol, AState, ABrush, AFont);
}

void TExStringGrid::DoGetAlignment(int ACol, int ARow, TAlignment &HAlign, TVAlignment &VAlign)
{
    if (ACol == 0 && m_mouseActions.HotmailRowSelect())
        HAlign = taCenter;
    if (OnGetAlignment)
        OnGetAlignment(this, ARow, ACol, HAlign, VAlign);
}

void TExStringGrid::DoGetEditorType(int ACol, int ARow, TEditorType &AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

void TExStringGrid::DoGetEditorTypeEx(int ACol, int ARow, TEditorType &AEditor)
{
    if (OnGetEditorType)
        OnGetEditorType(this, ACol, ARow, AEditor);
}

bool TExStringGrid::DoHasComboBox(int ACol, int ARow)
{
    bool has = false;
    if (OnHasComboBox) {
        OnHasComboBox(this, ACol, ARow, has);
        return has;
    }
    if (m_controlLook.DropDownAlwaysVisible) {
        TEditorType editor = DefaultEditor;
        DoGetEditorType(ACol, ARow, editor);
        has = editor == edComboEdit || editor == edComboList;
    }
    return has;
}

bool TExStringGrid::DoHasSpinEdit(int ACol, int ARow)
{
    if (ACol < FixedCols() || ARow < FixedRows())
        return false;
    bool has = false;
    if (OnHasSpinEdit) {
        OnHasSpinEdit(this, ACol, ARow, has);
        return has;
    }
    if (m_controlLook.SpinButtonsAlwaysVisible) {
        TEditorType editor = DefaultEditor;
        DoGetEditorTypeEx(ACol, ARow, editor);
        has = editor == edSpinEdit || editor == edFloatSpinEdit || editor == edTimeSpinEdit || editor == edDateSpinEdit;
    }
    return has;
}

bool TExStringGrid::HasNoEditor(int ACol, int ARow)
{
    if (!OnGetEditorType)
        return false;
    TEditorType editor = edNormal;
    OnGetEditorType(this, ACol, ARow, editor);
    return editor == edNone;
}

void TExStringGrid::DoGridHint(int ACol, int ARow, QString &Hint)
{
    if (OnGridHint)
        OnGridHint(this, ARow, ACol, Hint);
}

void TExStringGrid::DoSelectionChanged(int ALeft, int ATop, int ARight, int ABottom)
{
    if (OnSelectionChanged)
        OnSelectionChanged(this, ALeft, ATop, ARight, ABottom);
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
