// Grouping the string grid by a column: the rows sorted by it, a node row
// put above every run of equal values, and the column taken out until
// UnGroup puts it and its values back.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/Color.h"
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

TGrouping &TExStringGrid::Grouping() { return sortFilter().grouping; }

namespace {

platform::TColor rgbOrNone(platform::TColor color)
{
    return color == platform::clNone ? color : platform::ColorToRGB(color);
}

// A header or summary row's colours, each only when set.
void colourRow(TExStringGrid &grid, int row, platform::TColor color, platform::TColor colorTo,
               platform::TColor textColor)
{
    if (color != platform::clNone)
        grid.setRowColor(row, rgbOrNone(color));
    if (colorTo != platform::clNone)
        grid.setRowColorTo(row, rgbOrNone(colorTo));
    if (textColor != platform::clNone)
        grid.setRowFontColor(row, rgbOrNone(textColor));
}

// A merged header or summary: one cell from column from to the last, in
// the colours.
void mergeRow(TExStringGrid &grid, int row, int from, platform::TColor color, platform::TColor colorTo,
              platform::TColor textColor)
{
    grid.MergeCells(from, row, grid.ColCount() - from, 1);
    if (color != platform::clNone)
        grid.setColors(from, row, color);
    if (colorTo != platform::clNone)
        grid.setColorsTo(from, row, colorTo);
    if (textColor != platform::clNone)
        grid.setFontColors(from, row, textColor);
}

// A header or summary row on its way out: its colours gone (a merged one
// was split before the column came back).
void uncolourRow(TExStringGrid &grid, int row, bool merged, platform::TColor color, platform::TColor colorTo)
{
    if (merged)
        return;
    if (color != platform::clNone)
        grid.setRowColor(row, platform::clNone);
    if (colorTo != platform::clNone)
        grid.setRowColorTo(row, platform::clNone);
}

} // namespace

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
    const TGrouping &look = state.grouping;
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
    const bool summaryColours = !(look.MergeSummary && look.Summary);
    // A group ends at a: its summary row goes in there, its node spans
    // the header and the group's rows.
    const auto closeGroup = [&](int hdr, int &a) {
        const int span = a - hdr;
        if (look.Summary) {
            InsertRows(a, 1);
            MarkSummaryRow(RealRowIndex(a));
            if (summaryColours)
                colourRow(*this, a, look.SummaryColor, look.SummaryColorTo, look.SummaryTextColor);
            ++a;
        }
        AddNode(RealRowIndex(hdr), span);
    };
    bool first = true;
    QString prev;
    int hdr = -1;
    int a = FixedRows();
    while (a <= RowCount() - FixedFooters() - 1) {
        const QString v = GetGridCell(Colindex, a);
        if (first || v != prev) {
            if (hdr != -1)
                closeGroup(hdr, a);
            InsertRows(a, 1);
            SetGridCell(h, a, v);
            if (!look.MergeHeader)
                colourRow(*this, a, look.HeaderColor, look.HeaderColorTo, look.HeaderTextColor);
            hdr = a;
            ++a;
        }
        first = false;
        prev = v;
        ++a;
    }
    if (hdr != -1)
        closeGroup(hdr, a);
    RemoveCols(Colindex, 1);
    if (look.MergeHeader || (look.MergeSummary && look.Summary)) {
        for (int b = FixedRows(); b <= RowCount() - FixedFooters() - 1; ++b) {
            if (look.MergeHeader && IsNode(b))
                mergeRow(*this, b, 1, look.HeaderColor, look.HeaderColorTo, look.HeaderTextColor);
            else if (look.MergeSummary && look.Summary && IsSummary(b))
                mergeRow(*this, b, 1, look.SummaryColor, look.SummaryColorTo, look.SummaryTextColor);
        }
    }
    if (CellNode().ExpandOne) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (IsNode(r)) {
                ExpandNode(RealRowIndex(r));
                break;
            }
    }
    if (Col() >= ColCount() || Row() >= RowCount())
        FocusCell(FixedCols(), FixedRows());
    setRow(FixedRows());
}

void TExStringGrid::UnGroup()
{
    TGridSortFilter &state = sortFilter();
    if (state.groupColumn <= 0)
        return;
    const TGrouping &look = state.grouping;
    BeginUpdate();
    platform::Finally endUpdate([&] { EndUpdate(); });
    const bool one = CellNode().ExpandOne;
    CellNode().ExpandOne = false;
    platform::Finally restoreOne([&] { CellNode().ExpandOne = one; });
    ExpandAll();
    // Sub-groups first: their nodes are no group headers.
    for (int r = RowCount() - FixedFooters() - 1; r >= FixedRows(); --r) {
        const TCellGraphic *g = IsNode(r) ? GetCellGraphic(0, r) : nullptr;
        if (g && g->FCellVar.isValid() && g->FCellVar.toInt() > 0) {
            SubUnGroup(g->FCellVar.toInt());
            r = std::min(r, RowCount() - FixedFooters());
        }
    }
    // Merges split while they still start at column 1, before the column
    // comes back inside them.
    for (int r = FixedRows(); r <= RowCount() - FixedFooters() - 1; ++r)
        if ((IsNode(r) || IsSummary(r)) && IsMergedCell(1, r))
            SplitCells(1, r);
    const int col = state.groupColumn;
    InsertCols(col, 1);
    setAllColWidths(col, state.groupWidth);
    if (FixedRows() > 0)
        SetGridCell(col, 0, state.groupCaption);
    if (FixedFooters() > 0)
        SetGridCell(col, RowCount() - 1, state.groupFooter);
    const int h = col == 1 ? 2 : 1;
    // Removed with everything in it, properties included.
    const auto dropRow = [&](int row) { RemoveRows(row, 1); };
    QString value;
    int a = FixedRows();
    while (a <= RowCount() - FixedFooters() - 1) {
        if (IsNode(a)) {
            // The summary row goes whether or not Summary is still set: left
            // in, it would become a row of data.
            // Spans count real rows; a filter may hide some of them.
            const int s = DisplRowIndex(RealRowIndex(a) + GetNodeSpan(a));
            if (IsSummary(s)) {
                uncolourRow(*this, s, look.MergeSummary, look.SummaryColor, look.SummaryColorTo);
                dropRow(s);
            }
            value = GetGridCell(h, a);
            RemoveNode(RealRowIndex(a));
            TakeGridObject(0, a);
            uncolourRow(*this, a, look.MergeHeader, look.HeaderColor, look.HeaderColorTo);
            dropRow(a);
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
            // Spans count real rows; a filter may hide some of them.
            const int end = grid.DisplRowIndex(grid.RealRowIndex(r) + std::max(grid.GetNodeSpan(r), 1));
            const int target = grid.Grouping().Summary && grid.IsSummary(end) ? end : r;
            calc(target, r + 1, end - 1);
            r = end;
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

void TExStringGrid::GroupStdDev(int ACol)
{
    groupCalc(*this, ACol, [&](int at, int from, int to) { setFloats(ACol, at, ColumnStdDev(ACol, from, to)); });
}

void TExStringGrid::GroupCustomCalc(int ACol)
{
    groupCalc(*this, ACol, [&](int at, int from, int to) { setFloats(ACol, at, GroupCustomCalc(ACol, from, to)); });
}

} // namespace controls
