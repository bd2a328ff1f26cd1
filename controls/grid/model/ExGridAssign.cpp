// Copying one string grid onto another: its look, its settings objects,
// its layout and sizes, then its cells, in that order.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/view/GridAppearance.h"

namespace controls {

namespace {

// The sort settings without the grid they belong to.
void copySortSettings(TSortSettings &to, const TSortSettings &from)
{
    to.AutoSortForGrouping = from.AutoSortForGrouping;
    to.Show = from.Show;
    to.IndexShow = from.IndexShow;
    to.Full = from.Full;
    to.SingleColumn = from.SingleColumn;
    to.IgnoreBlanks = from.IgnoreBlanks;
    to.BlankPos = from.BlankPos;
    to.AutoFormat = from.AutoFormat;
    to.Direction = from.Direction;
    to.IgnoreCase = from.IgnoreCase;
    to.InitSortDirection = from.InitSortDirection;
    to.NormalCellsOnly = from.NormalCellsOnly;
    to.UndoSort = from.UndoSort;
    to.SortOnVirtualCells = from.SortOnVirtualCells;
    to.Row = from.Row;
    to.IndexColor = from.IndexColor;
    to.UpGlyph = from.UpGlyph;
    to.DownGlyph = from.DownGlyph;
    to.IndexUpGlyph = from.IndexUpGlyph;
    to.IndexDownGlyph = from.IndexDownGlyph;
}

} // namespace

void TExStringGrid::Assign(const QObject *Source)
{
    auto *source = const_cast<TExStringGrid *>(qobject_cast<const TExStringGrid *>(Source));
    if (!source || source == this)
        return;
    Font().Assign(source->Font());
    ActiveCellColor = source->ActiveCellColor;
    Appearance().ActiveCellColorTo = source->Appearance().ActiveCellColorTo;
    ActiveCellFont().Assign(source->ActiveCellFont());
    ActiveCellShow = source->ActiveCellShow;
    setActiveRowShow(source->ActiveRowShow());
    Appearance().AutoNumAlign = source->Appearance().AutoNumAlign;
    // The setting only: copying sizes nothing.
    sortFilter().autoSize = source->AutoSize();

    m_mouseActions.Assign(source->MouseActions());
    m_navigation.Assign(source->Navigation());
    Grouping().Assign(source->Grouping());
    PrintSettings.Assign(source->PrintSettings);
    Filter() = source->Filter();
    Bands().Assign(source->Bands());
    CellNode() = source->CellNode();
    copySortSettings(SortSettings(), source->SortSettings());
    Appearance().ProgressAppearance.Assign(source->Appearance().ProgressAppearance);
    ColumnSize() = source->ColumnSize();
    FFixedRowAlways = source->FixedRowAlways();

    setColCount(source->ColCount());
    setRowCount(source->RowCount());
    setFixedRows(source->FixedRows());
    setFixedCols(source->FixedCols());
    setDefaultColWidth(source->DefaultColWidth());
    setDefaultRowHeight(source->DefaultRowHeight());
    InvalidEntryTitle = source->InvalidEntryTitle;
    InvalidEntryText = source->InvalidEntryText;
    setOptions(source->Options());
    for (int c = 0; c < ColCount(); ++c)
        setColWidths(c, source->ColWidths(c));
    setColumnHeaders(source->ColumnHeaders());
    for (int r = 0; r < RowCount(); ++r)
        setRowHeights(r, source->RowHeights(r));
    setScrollBars(source->ScrollBars());
    copyCellsFrom(*source);
}

void TExStringGrid::copyCellsFrom(TExStringGrid &source)
{
    const int cols = std::min(TotalColCount(), source.TotalColCount());
    const int rows = std::min(RowCount(), source.RowCount());
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < cols; ++c) {
            SetGridCell(c, r, source.GetGridCell(c, r));
            const TCellProperties *from = source.propsOf(c, r);
            if (!from) {
                if (CellHasProperties(c, r))
                    SetCellProperties(c, r, nullptr);
                continue;
            }
            auto props = std::make_unique<TCellProperties>(this, c, r);
            props->Assign(*from);
            props->placedAt(c, r);
            SetCellProperties(c, r, std::move(props));
        }
    }
    DoCellsChanged(platform::Rect(0, 0, ColCount(), RowCount()));
}

} // namespace controls
