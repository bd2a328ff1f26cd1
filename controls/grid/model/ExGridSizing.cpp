// Column sizing of the string grid that needs no painting: the stretched
// column, fitting the columns into the width, content widths through a
// measuring hook, and running numbers.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/model/core/ColumnSizing.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/base/NumberText.h"
#include "platform/Error.h"

#include <QFontMetrics>

namespace controls {

TColumnSizeSettings &TExStringGrid::ColumnSize() { return sortFilter().columnSize; }

void TExStringGrid::ApplyColumnStretch(int Index)
{
    if (Loading())
        return;
    const std::optional<int> index = stretchColumnIndex(Index, ColCount());
    if (!index) {
        if (ColCount() == 0)
            return;
        throw platform::Error(QStringLiteral("Stretch column index out of range"));
    }
    if (!ColumnSize().Stretch)
        return;
    if (ColCount() == 1) {
        setColWidths(0, ClientWidth());
        return;
    }
    int others = 0;
    for (int c = 0; c < ColCount(); ++c)
        if (c != *index)
            others += ColWidths(c);
    const std::optional<int> width =
        stretchedColumnWidth(ClientWidth(), others, DefaultColWidth(), LeftCol() == FixedCols());
    if (width)
        setColWidths(*index, *width);
}

void TExStringGrid::ApplyOwnStretch()
{
    if (Loading() || !ColumnSize().Stretch || !stretchColumnIndex(ColumnSize().StretchColumn, ColCount()))
        return;
    ApplyColumnStretch(ColumnSize().StretchColumn);
}

void TExStringGrid::GridSizeChanged(int OldColCount, int OldRowCount)
{
    TBaseGrid::GridSizeChanged(OldColCount, OldRowCount);
    ApplyOwnStretch();
}

void TExStringGrid::StretchOnResize()
{
    const TScrollBarAlways bars = Appearance().ScrollBarAlways;
    if (!ColumnSize().Stretch || (bars != saNone && bars != saVert))
        return;
    const std::optional<int> index = stretchColumnIndex(ColumnSize().StretchColumn, ColCount());
    if (!index)
        return;
    int others = 0;
    for (int c = 0; c < ColCount(); ++c)
        if (c != *index)
            others += ColWidths(c);
    // Columns wider than the grid already scroll: the stretch column keeps
    // its width.
    if (others < width())
        ApplyOwnStretch();
}

bool TExStringGrid::AutoSize() const { return sortFilter().autoSize; }

void TExStringGrid::setAutoSize(bool Value)
{
    sortFilter().autoSize = Value;
    if (Value && !Loading())
        AutoSizeColumns(false, 10);
}

void TExStringGrid::AutoFitColumns(bool DoFixedCells)
{
    const int first = DoFixedCells ? 0 : FixedCols();
    const int last = DoFixedCells ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
    if (last < first)
        return;
    int room = ClientWidth();
    if (ColCount() < 2) {
        setColWidths(0, room);
        return;
    }
    std::vector<int> widths;
    for (int c = 0; c <= last; ++c) {
        if (c < first)
            room -= ColWidths(c);
        else
            widths.push_back(ColWidths(c));
    }
    for (int c = last + 1; c < ColCount(); ++c)
        room -= ColWidths(c);
    const std::vector<int> fitted = fittedColumnWidths(widths, room, 0);
    for (int c = first; c <= last; ++c)
        setColWidths(c, fitted[static_cast<std::size_t>(c - first)]);
}

void TExStringGrid::AutoNumberCol(int ACol)
{
    if (RowCount() <= 0)
        return;
    const int last = RowCount() - FixedFooters() - 1;
    for (const auto &[row, value] :
         autoNumbers(FixedRows(), last, AutoNumberStart, AutoNumberOffset, AutoNumberDirection == sdDescending))
        setInts(ACol, row, value);
}

void TExStringGrid::DoUpdateAutoSizeColumn(int ACol, int &AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

void TExStringGrid::SizeColumnToContent(int Index, bool GrowOnly)
{
    const int rc = RealColIndex(Index);
    // The filter button's room in the filter row.
    const int filterRow = FilterDropDownAuto && FilterDropDownRow() < FixedRows() && DoGetColumnFilter(rc)
                              ? FilterDropDownRow()
                              : -1;
    int widest = 0;
    for (int r = 0; r < RowCount(); ++r) {
        int w = MeasureCellWidth ? MeasureCellWidth(rc, r) : QFontMetrics(font()).horizontalAdvance(Cells(rc, r));
        const bool sortCell = rc == SortSettings().Column() && IsSortIndicatorRow(Index, r);
        w += contentExtraWidth(sortCell, r == filterRow);
        widest = std::max(widest, w);
    }
    int width = widest + 2 * 2 + 2 * LineWidth() + 2; // the text offsets both sides
    if (GrowOnly && ColWidths(Index) >= width)
        return;
    DoUpdateAutoSizeColumn(Index, width);
    setColWidths(Index, contentColumnWidth(width, ColWidths(Index), MinColWidth, MaxColWidth, false));
}

void TExStringGrid::AutoSizeCol(int Index, int Padding)
{
    SizeColumnToContent(Index, SizeGrowOnly);
    if (Padding != 0)
        setColWidths(Index, ClampToLimits(ColWidths(Index) + Padding, MinColWidth, MaxColWidth));
}

void TExStringGrid::AutoSizeColumns(bool DoFixedCols, int Padding)
{
    const int first = DoFixedCols ? 0 : FixedCols();
    const int last = DoFixedCols ? ColCount() - 1 : ColCount() - FixedRightCols() - 1;
    for (int c = first; c <= last; ++c)
        AutoSizeCol(c, Padding);
}

} // namespace controls
