// Sub-grouping: inside every node the rows are grouped again by another
// column. Each run of equal values gets a child header row holding the
// value, the column keeps its place but its cells are emptied, and
// SubUnGroup writes the values back.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSortFilter.h"
#include "platform/Color.h"
#include "platform/ScopeGuard.h"

namespace controls {

namespace {

void styleSubHeader(TExStringGrid &grid, int row, int h, const TGrouping &look)
{
    if (look.MergeHeader) {
        grid.MergeCells(h, row, grid.ColCount() - h, 1);
        if (look.HeaderColor != platform::clNone)
            grid.setColors(h, row, look.HeaderColor);
        if (look.HeaderColorTo != platform::clNone)
            grid.setColorsTo(h, row, look.HeaderColorTo);
        if (look.HeaderTextColor != platform::clNone)
            grid.setFontColors(h, row, look.HeaderTextColor);
        return;
    }
    if (look.HeaderColor != platform::clNone)
        grid.setRowColor(row, platform::ColorToRGB(look.HeaderColor));
    if (look.HeaderColorTo != platform::clNone)
        grid.setRowColorTo(row, platform::ColorToRGB(look.HeaderColorTo));
    if (look.HeaderTextColor != platform::clNone)
        grid.setRowFontColor(row, platform::ColorToRGB(look.HeaderTextColor));
}

} // namespace

void TExStringGrid::SubGroup(int Colindex)
{
    if (Colindex < FixedCols() || Colindex <= 0 || Colindex >= ColCount() - 1)
        return;
    const TGrouping &look = sortFilter().grouping;
    BeginUpdate();
    platform::Finally endUpdate([&] { EndUpdate(); });
    // The column stays in the grid, so it is not the grid's group column:
    // what Group recorded for UnGroup is kept.
    const int h = Colindex + 1;
    const auto outline = [&](int row) { return IsNode(row) || IsSummary(row); };
    // The sub-group that began at hdr ends before a.
    const auto closeSubGroup = [&](int hdr, int a) {
        AddNode(RealRowIndex(hdr), a - hdr);
        if (TCellGraphic *g = GetCellGraphic(0, hdr); g && g->FCellType == ctNode)
            g->FCellVar = Colindex;
    };
    bool havePrev = false;
    QString prev;
    int hdr = -1;
    // From the first data row: a grid grouped before starts with a node
    // there, a plain grid with a row that opens the first sub-group.
    int a = FixedRows();
    while (a < RowCount() - FixedFooters()) {
        const QString v = Cells(Colindex, a);
        if (!havePrev || v != prev || outline(a)) {
            if (hdr != -1 && !outline(hdr))
                closeSubGroup(hdr, a);
            if (!outline(a)) {
                InsertChildRow(RealRowIndex(a), 0);
                SetGridCell(h, a, v);
                styleSubHeader(*this, a, h, look);
            }
            hdr = a;
            ++a;
        }
        if (a < RowCount() - FixedFooters() && !outline(a - 1) && !outline(a)) {
            prev = Cells(Colindex, a);
            havePrev = true;
            SetGridCell(Colindex, a, QString());
            ++a;
        } else {
            havePrev = false;
        }
    }
    if (hdr != -1 && !outline(hdr)) {
        closeSubGroup(hdr, a);
        if (look.Summary) {
            // One summary row after the last sub-group, known as this
            // column's so that SubUnGroup takes it out again.
            InsertRows(a, 1);
            MarkSummaryRow(RealRowIndex(a));
            if (TCellGraphic *g = GetCellGraphic(0, a))
                g->FCellVar = Colindex;
            if (look.MergeSummary)
                MergeCells(h, a, ColCount() - h, 1);
            else if (look.SummaryColor != platform::clNone)
                setRowColor(a, platform::ColorToRGB(look.SummaryColor));
        }
    }
    setRow(FixedRows());
}

void TExStringGrid::SubUnGroup(int Colindex)
{
    const TGrouping &look = sortFilter().grouping;
    BeginUpdate();
    platform::Finally endUpdate([&] { EndUpdate(); });
    ExpandAll();
    QString value;
    int a = FixedRows();
    while (a <= RowCount() - FixedFooters() - 1) {
        const TCellGraphic *g = IsNode(a) ? GetCellGraphic(0, a) : nullptr;
        if (g && g->FCellVar.isValid() && g->FCellVar.toInt() == Colindex) {
            value = GetGridCell(Colindex + 1, a);
            RemoveNode(RealRowIndex(a));
            if (look.MergeHeader && IsMergedCell(Colindex + 1, a))
                SplitCells(Colindex + 1, a);
            RemoveChildRow(RealRowIndex(a));
            continue;
        }
        if (IsSummary(a)) {
            const TCellGraphic *sg = GetCellGraphic(0, a);
            if (sg && sg->FCellVar.isValid() && sg->FCellVar.toInt() == Colindex) {
                RemoveRows(a, 1);
                continue;
            }
        } else if (!IsNode(a)) {
            SetGridCell(Colindex, a, value);
        }
        ++a;
    }
}

} // namespace controls
