// Bulk cell operations over the row and column structure: clearing and
// trimming rectangles, removing checked, duplicate or selected rows,
// hiding selected rows, splitting merged cells and merging runs of equal
// texts.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSelection.h"
#include "controls/grid/model/GridStructure.h"

#include "controls/grid/base/CellText.h"

#include <QSet>

#include <algorithm>

namespace controls {

namespace {

// Leading and trailing blanks and control characters.
QString trimmedCellText(const QString &text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && text[first].unicode() <= u' ')
        ++first;
    while (last > first && text[last - 1].unicode() <= u' ')
        --last;
    return text.mid(first, last - first);
}

} // namespace

void TExStringGrid::ClearNormalRows(int RowIndex, int RCount)
{
    if (RowCount() > 0 && ColCount() > 0 && RCount > 0)
        ClearRect(FixedCols(), RowIndex, TotalColCount() - FFixedRightCols - 1, RowIndex + RCount - 1);
}

void TExStringGrid::ClearNormalCols(int ColIndex, int CCount)
{
    if (RowCount() > 0 && ColCount() > 0 && CCount > 0)
        ClearRect(ColIndex, FixedRows(), ColIndex + CCount - 1, RowCount() - FFixedFooters - 1);
}

void TExStringGrid::ClearNormalCells()
{
    if (RowCount() > 0 && ColCount() > 0)
        ClearRect(FixedCols(), FixedRows(), TotalColCount() - FFixedRightCols - 1, RowCount() - FFixedFooters - 1);
}

void TExStringGrid::Clear()
{
    if (RowCount() > 0 && ColCount() > 0)
        ClearRect(0, 0, TotalColCount() - 1, RowCount() - 1);
    if (NumHiddenColumns() > 0)
        InvalidateGrid();
}

void TExStringGrid::ClearAll()
{
    Clear();
    THiddenRows<TRowCells> &rows = m_structure->hiddenRows;
    for (int i = 0; i < rows.count(); ++i)
        rows.at(i).Items.cells.clear();
}

void TExStringGrid::ClearSelection()
{
    if (m_mouseActions.DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (TGridSelection::flag(m_selection->rowSelect, m_mouseActions.RowSelectPersistent ? RealRowIndex(r) : r))
                ClearRows(r, 1);
        return;
    }
    if (m_mouseActions.DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (TGridSelection::flag(m_selection->colSelect, c))
                ClearCols(c, 1);
        return;
    }
    const TGridRect sel = Selection();
    ClearRect(std::min(sel.Left, sel.Right), std::min(sel.Top, sel.Bottom), std::max(sel.Left, sel.Right),
              std::max(sel.Top, sel.Bottom));
}

void TExStringGrid::TrimRect(int ACol1, int ARow1, int ACol2, int ARow2)
{
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c) {
            const int store = SaveHiddenCells ? RealColIndex(c) : c;
            const QString text = GetGridCell(store, r);
            const QString trimmed = trimmedCellText(text);
            if (trimmed != text)
                SetGridCell(store, r, trimmed);
        }
}

void TExStringGrid::ColorRect(int ACol1, int ARow1, int ACol2, int ARow2, platform::TColor AColor)
{
    for (int r = ARow1; r <= ARow2; ++r)
        for (int c = ACol1; c <= ACol2; ++c)
            setColors(c, r, AColor);
}

// --- bulk removal ----------------------------------------------------------------------------------------

void TExStringGrid::RemoveCheckedRows(int CheckBoxColumn, bool RemoveChecked)
{
    BeginUpdate();
    for (int r = RowCount() - 1; r >= FixedRows(); --r)
        if (IsChecked(CheckBoxColumn, RealRowIndex(r)) == RemoveChecked)
            RemoveRows(r, 1);
    EndUpdate();
}

void TExStringGrid::RemoveDuplicates(int ACol, bool DoCase)
{
    const int c = RealColIndex(ACol);
    QSet<QString> seen;
    BeginUpdate();
    for (int r = FixedRows(); r < RowCount() - FFixedFooters;) {
        const QString text = GetCellEx(c, r);
        const QString key = DoCase ? text : text.toUpper();
        if (seen.contains(key)) {
            DeleteRowRange(r, 1);
            continue;
        }
        seen.insert(key);
        ++r;
    }
    EndUpdate();
}

void TExStringGrid::RemoveSelectedRows()
{
    BeginUpdate();
    if (m_mouseActions.DisjunctRowSelect()) {
        std::vector<int> picked;
        for (int r = FixedRows(); r < RowCount() - FFixedFooters; ++r)
            if (TGridSelection::flag(m_selection->rowSelect, r))
                picked.push_back(r);
        for (auto it = picked.rbegin(); it != picked.rend(); ++it)
            DeleteRowRange(*it, 1);
        ClearRowSelect();
    } else {
        const TGridRect sel = Selection();
        const int top = std::max(std::min(sel.Top, sel.Bottom), FixedRows());
        for (int r = std::max(sel.Top, sel.Bottom); r >= top; --r)
            DeleteRowRange(r, 1);
    }
    EndUpdate();
}

void TExStringGrid::RemoveUnSelectedRows()
{
    BeginUpdate();
    for (int r = RowCount() - FFixedFooters - 1; r >= FixedRows(); --r)
        if (!IsSelected(std::max(FixedCols(), Col()), r))
            DeleteRowRange(r, 1);
    ClearRowSelect();
    EndUpdate();
}

void TExStringGrid::RemoveSelectedCols()
{
    if (m_mouseActions.DisjunctColSelect()) {
        for (int c = ColCount() - 1; c >= FixedCols(); --c)
            if (TGridSelection::flag(m_selection->colSelect, c)) {
                RemoveCols(RealColIndex(c), 1);
                TGridSelection::removeAt(m_selection->colSelect, c);
            }
        return;
    }
    const TGridRect sel = Selection();
    const int left = std::min(sel.Left, sel.Right);
    const int right = std::max(sel.Left, sel.Right);
    for (int c = right; c >= left; --c)
        RemoveCols(RealColIndex(c), 1);
}

void TExStringGrid::HideSelectedRows()
{
    BeginUpdate();
    for (int r = RowCount() - 1; r >= FixedRows(); --r)
        if (IsSelected(std::max(FixedCols(), Col()), r))
            HideRow(RealRowIndex(r));
    EndUpdate();
}

void TExStringGrid::HideUnSelectedRows()
{
    BeginUpdate();
    for (int r = FixedRows(); r < RowCount();) {
        if (IsSelected(std::max(FixedCols(), Col()), r)) {
            ++r;
            continue;
        }
        HideRow(RealRowIndex(r));
    }
    EndUpdate();
}

// --- merging ------------------------------------------------------------------------------------------------

void TExStringGrid::SplitColumnCells(int ColIndex)
{
    for (int r = 0; r < RowCount() - FFixedFooters;) {
        if (IsYMergedCell(ColIndex, r)) {
            const TGridCoord base = BaseCell(ColIndex, r);
            const int span = CellSpan(base.X, base.Y).Y;
            SplitCells(ColIndex, r);
            r = base.Y + span + 1;
        } else {
            ++r;
        }
    }
}

void TExStringGrid::SplitRowCells(int RowIndex)
{
    for (int c = 0; c < TotalColCount() - FFixedRightCols;) {
        if (IsMergedCell(c, RowIndex)) {
            const TGridCoord base = BaseCell(c, RowIndex);
            const int span = CellSpan(base.X, base.Y).X;
            SplitCells(c, RowIndex);
            c = base.X + span + 1;
        } else {
            ++c;
        }
    }
}

void TExStringGrid::SplitAllCells()
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < TotalColCount(); ++c)
            if (IsMergedCell(c, r))
                SplitCells(c, r);
}

void TExStringGrid::MergeColumnCells(int ColIndex, bool MainMerge)
{
    const int last = RowCount() - FFixedFooters - 1;
    int runStart = FixedRows();
    for (int r = FixedRows() + 1; r <= last + 1; ++r) {
        const bool extends = r <= last && GetCellEx(ColIndex, r) == GetCellEx(ColIndex, r - 1) &&
                             (MainMerge || RowSpanIdentical(r, r - 1));
        if (extends)
            continue;
        if (r - runStart >= 2)
            MergeCells(ColIndex, runStart, 1, r - runStart);
        runStart = r;
    }
}

void TExStringGrid::ReapplyMergedColumns()
{
    for (int i = 0; i < m_mergedColumns.Count(); ++i)
        MergeColumnCells(m_mergedColumns[i], i == 0);
}

void TExStringGrid::MergeRowCells(int RowIndex, bool MainMerge)
{
    const int last = ColCount() - FFixedRightCols - 1;
    int runStart = FixedCols();
    for (int c = FixedCols() + 1; c <= last + 1; ++c) {
        const bool extends = c <= last && GetCellEx(c, RowIndex) == GetCellEx(c - 1, RowIndex) &&
                             (MainMerge || ColSpanIdentical(c, c - 1));
        if (extends)
            continue;
        if (c - runStart >= 2)
            MergeCells(runStart, RowIndex, c - runStart, 1);
        runStart = c;
    }
}

void TExStringGrid::MergeCols(int ColIndex1, int ColIndex2, const QString &Separator)
{
    for (int r = FixedRows(); r < RowCount(); ++r)
        SetCellEx(ColIndex1, r, (GetCellEx(ColIndex1, r) + Separator + GetCellEx(ColIndex2, r)).trimmed());
    RemoveCols(ColIndex2, 1);
}

bool TExStringGrid::IsCell(const QString &SubStr, int &ACol, int &ARow) const
{
    for (int r = 0; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (GetGridCell(c, r) == SubStr) {
                ACol = c;
                ARow = r;
                return true;
            }
    return false;
}

bool TExStringGrid::IsWideCell(int ACol, int ARow) const
{
    return GetCellEx(ACol, ARow).startsWith(QStringLiteral("|\\"));
}

} // namespace controls
