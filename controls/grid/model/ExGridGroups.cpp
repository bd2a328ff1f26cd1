// Grouping the string grid by a column: the rows sorted by it, a node row
// put above every run of equal values, and the column taken out until
// UnGroup puts it and its values back.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSortFilter.h"
#include "platform/ScopeGuard.h"

namespace controls {

int TExStringGrid::GroupColumn() const { return sortFilter().groupColumn; }

void TExStringGrid::setGroupColumn(int Value)
{
    if (Value == -1)
        UnGroup();
    else if (Value > 0)
        Group(Value);
}

void TExStringGrid::Group(int Colindex)
{
    // Column 0 holds the node glyphs: grouping by it would take them away.
    if (Colindex < FixedCols() || Colindex <= 0 || Colindex >= TotalColCount())
        return;
    TGridSortFilter &state = sortFilter();
    if (state.groupColumn != -1)
        UnGroup();
    if (RowCount() <= FixedRows())
        return;
    BeginUpdate();
    platform::Finally endUpdate([&] { EndUpdate(); });
    state.groupColumn = Colindex;
    state.groupWidth = AllColWidths(Colindex);
    state.groupCaption = FixedRows() > 0 ? GetGridCell(Colindex, 0) : QString();
    state.groupFooter = FixedFooters() > 0 ? GetGridCell(Colindex, RowCount() - 1) : QString();
    if (SortSettings().AutoSortForGrouping) {
        SortSettings().setColumn(Colindex);
        QSort();
    }
    const int h = Colindex == 1 ? 2 : 1;
    bool first = true;
    QString prev;
    int hdr = -1;
    int a = FixedRows();
    while (a <= RowCount() - FixedFooters() - 1) {
        const QString v = GetGridCell(Colindex, a);
        if (first || v != prev) {
            if (hdr != -1)
                AddNode(RealRowIndex(hdr), a - hdr);
            InsertRows(a, 1);
            SetGridCell(h, a, v);
            hdr = a;
            ++a;
        }
        first = false;
        prev = v;
        ++a;
    }
    if (hdr != -1)
        AddNode(RealRowIndex(hdr), a - hdr);
    RemoveCols(Colindex, 1);
    if (Col() >= ColCount() || Row() >= RowCount())
        FocusCell(FixedCols(), FixedRows());
    setRow(FixedRows());
}

void TExStringGrid::UnGroup()
{
    TGridSortFilter &state = sortFilter();
    if (state.groupColumn <= 0)
        return;
    BeginUpdate();
    platform::Finally endUpdate([&] { EndUpdate(); });
    ExpandAll();
    const int col = state.groupColumn;
    InsertCols(col, 1);
    setAllColWidths(col, state.groupWidth);
    if (FixedRows() > 0)
        SetGridCell(col, 0, state.groupCaption);
    if (FixedFooters() > 0)
        SetGridCell(col, RowCount() - 1, state.groupFooter);
    const int h = col == 1 ? 2 : 1;
    QString value;
    int a = FixedRows();
    while (a <= RowCount() - FixedFooters() - 1) {
        if (IsNode(a)) {
            value = GetGridCell(h, a);
            RemoveNode(RealRowIndex(a));
            TakeGridObject(0, a);
            RemoveRows(a, 1);
            continue;
        }
        SetGridCell(col, a, value);
        ++a;
    }
    state.groupColumn = -1;
    update();
}

// Every expanded group's rows calculated into its node row.
static void groupCalc(TExStringGrid &grid, int ACol, const std::function<void(int, int, int)> &calc)
{
    int r = grid.FixedRows();
    while (r < grid.RowCount()) {
        if (grid.IsNode(r) && !grid.GetNodeState(r)) {
            const int span = std::max(grid.GetNodeSpan(r), 1);
            calc(r, r + 1, r + span - 1);
            r += span;
        } else {
            ++r;
        }
    }
}

void TExStringGrid::GroupSum(int ACol)
{
    groupCalc(*this, ACol, [&](int at, int from, int to) { setFloats(ACol, at, ColumnSum(ACol, from, to)); });
}

void TExStringGrid::GroupAvg(int ACol)
{
    groupCalc(*this, ACol, [&](int at, int from, int to) { setFloats(ACol, at, ColumnAvg(ACol, from, to)); });
}

void TExStringGrid::GroupMin(int ACol)
{
    groupCalc(*this, ACol, [&](int at, int from, int to) { setFloats(ACol, at, ColumnMin(ACol, from, to)); });
}

void TExStringGrid::GroupMax(int ACol)
{
    groupCalc(*this, ACol, [&](int at, int from, int to) { setFloats(ACol, at, ColumnMax(ACol, from, to)); });
}

void TExStringGrid::GroupCount(int ACol)
{
    groupCalc(*this, ACol, [&](int at, int from, int to) { setInts(ACol, at, to - from + 1); });
}

void TExStringGrid::GroupDistinct(int ACol)
{
    groupCalc(*this, ACol, [&](int at, int from, int to) { setFloats(ACol, at, ColumnDistinct(ACol, from, to)); });
}

} // namespace controls
