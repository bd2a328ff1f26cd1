// Copying one string grid onto another: its look, its settings objects,
// its layout and sizes, then its cells through the grid text stream, in
// that order.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/model/HtmlSettings.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/GridScrollTypes.h"
#include "controls/grid/view/HeaderClickState.h"
#include "controls/grid/base/SearchFooter.h"
#include "controls/grid/base/SyncGrid.h"

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
    FilterDropDown() = source->FilterDropDown();
    AnchorHint = source->AnchorHint;
    Appearance().AutoNumAlign = source->Appearance().AutoNumAlign;
    // The setting only: copying sizes nothing.
    sortFilter().autoSize = source->AutoSize();
    setAutoThemeAdapt(source->AutoThemeAdapt());
    AutoFilterUpdate = source->AutoFilterUpdate;

    m_mouseActions.Assign(source->MouseActions());
    m_navigation.Assign(source->Navigation());
    Grouping().Assign(source->Grouping());
    SearchFooter().Assign(source->SearchFooter());
    PrintSettings.Assign(source->PrintSettings);
    Filter() = source->Filter();
    HTMLSettings().Assign(source->HTMLSettings());
    Bands().Assign(source->Bands());
    CellNode() = source->CellNode();
    copySortSettings(SortSettings(), source->SortSettings());
    DragScrollOptions().Assign(source->DragScrollOptions());
    Appearance().ProgressAppearance.Assign(source->Appearance().ProgressAppearance);
    ColumnSize() = source->ColumnSize();
    SyncGrid().Assign(source->SyncGrid());
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
    setScrollProportional(source->ScrollProportional());
    ScrollSynch = source->ScrollSynch;
    ScrollHints = source->ScrollHints;
    Appearance().ScrollBarAlways = source->Appearance().ScrollBarAlways;
    setScrollBars(source->ScrollBars());
    setScrollColor(source->ScrollColor());
    setScrollType(source->ScrollType());
    setScrollWidth(source->ScrollWidth());
    // A copy shows the source's texts only: what the target held in its
    // normal cells goes first, as the cell stream writes no empty cell.
    ClearNormalCells();
    AssignCells(Source);
}

} // namespace controls
