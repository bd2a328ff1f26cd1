// Hiding and showing rows and columns, and the conversions between display
// and real indexes. A hidden row's cells, properties and flags move into
// its item and come back from it: the same objects, never copies.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSelection.h"
#include "controls/grid/model/GridStructure.h"

#include <algorithm>

namespace controls {

// --- counts ---------------------------------------------------------------------------------

void TExStringGrid::setRowCount(int count)
{
    std::vector<THiddenCell> footer = takeFooterRow(count);
    TCellGrid::setRowCount(count);
    FNormalRowCount = RowCount();
    if (FFixedRowAlways && FFixedRowsMin < RowCount() && FixedRows() != FFixedRowsMin)
        TCellGrid::setFixedRows(FFixedRowsMin);
    putFooterRow(std::move(footer));
}

void TExStringGrid::setFixedRows(int count)
{
    if (!m_loading)
        FFixedRowsMin = count;
    if (FFixedRowAlways && count >= RowCount())
        count = RowCount() - 1;
    TCellGrid::setFixedRows(count);
}

void TExStringGrid::setFixedCols(int count)
{
    if (!m_loading)
        FFixedColsMin = count;
    if (FFixedColAlways && count >= ColCount())
        count = ColCount() - 1;
    TCellGrid::setFixedCols(count);
}

void TExStringGrid::setColCount(int count)
{
    count = std::max(count, 0);
    // The store must reach every real column: widened over the hidden ones
    // first, so that new shown columns get cells of their own.
    const int hidden = NumHiddenColumns();
    if (hidden > 0)
        TCellGrid::setColCount(count + hidden);
    TCellGrid::setColCount(count);
    syncColumnCount();
    if (FFixedColAlways && FFixedColsMin < ColCount() && FixedCols() != FFixedColsMin)
        TCellGrid::setFixedCols(FFixedColsMin);
    // A horizontal scroll bar may come or go: the whole rows are fitted again.
    if (FIntegralHeight)
        SetBounds(x(), y(), width(), height());
}

void TExStringGrid::syncColumnCount()
{
    THiddenColumns &columns = m_structure->hiddenColumns;
    columns.setAllCount(ColCount() + columns.hiddenCount());
    if (!m_structure->columnOrder.empty() && m_structure->columnOrder.count() < columns.allCount())
        m_structure->columnOrder.insertCols(m_structure->columnOrder.count(),
                                            columns.allCount() - m_structure->columnOrder.count());
}

// --- conversions ------------------------------------------------------------------------------

int TExStringGrid::RealRowIndex(int ARow) const { return m_structure->hiddenRows.realOf(ARow); }
int TExStringGrid::DisplRowIndex(int ARow) const { return m_structure->hiddenRows.displOf(ARow); }
int TExStringGrid::RealColIndex(int ACol) const
{
    if (ACol < 0)
        return ACol;
    return m_structure->hiddenColumns.realOf(ACol);
}
int TExStringGrid::DisplColIndex(int ACol) { return std::as_const(*this).DisplColIndex(ACol); }
int TExStringGrid::DisplColIndex(int ACol) const
{
    if (ACol < 0)
        return ACol;
    return m_structure->hiddenColumns.displOf(ACol);
}
int TExStringGrid::TotalColCount() const { return ColCount() + m_structure->hiddenColumns.hiddenCount(); }
int TExStringGrid::NumHiddenColumns() const { return m_structure->hiddenColumns.hiddenCount(); }
int TExStringGrid::NumHiddenRows() const { return m_structure->hiddenRows.count(); }
bool TExStringGrid::IsHiddenColumn(int ColIndex) const { return m_structure->hiddenColumns.isHidden(ColIndex); }
bool TExStringGrid::IsHiddenRow(int RowIndex) const { return m_structure->hiddenRows.isHidden(RowIndex); }

THideReason TExStringGrid::HiddenRowReason(int RowIndex) const
{
    const auto *item = m_structure->hiddenRows.find(RowIndex);
    return item ? item->Reason : THideReason::Rows;
}

int TExStringGrid::HiddenRowHeight(int RowIndex) const
{
    const auto *item = m_structure->hiddenRows.find(RowIndex);
    return item ? item->Height : 0;
}

// --- columns ----------------------------------------------------------------------------------

void TExStringGrid::HideColumns(int FromCol, int ToCol)
{
    HideEditor();
    syncColumnCount();
    THiddenColumns &columns = m_structure->hiddenColumns;
    for (int c = std::max(FromCol, 0); c <= ToCol && c < TotalColCount(); ++c) {
        if (columns.isHidden(c) || ColCount() <= 1)
            continue;
        const int d = DisplColIndex(c);
        const int width = ColWidths(d);
        for (int k = d; k < ColCount() - 1; ++k)
            setColWidths(k, ColWidths(k + 1));
        columns.hide(c, width);
        if (Col() == ColCount() - 1 && Col() > 0)
            setCol(Col() - 1);
        TCellGrid::setColCount(ColCount() - 1);
    }
    CellControlsUpdate(false);
    InvalidateGrid();
}

void TExStringGrid::UnHideColumns(int FromCol, int ToCol)
{
    HideEditor();
    syncColumnCount();
    THiddenColumns &columns = m_structure->hiddenColumns;
    for (int c = std::max(FromCol, 0); c <= ToCol && c < TotalColCount(); ++c) {
        if (!columns.show(c))
            continue;
        TCellGrid::setColCount(ColCount() + 1);
        const int d = DisplColIndex(c);
        for (int k = ColCount() - 1; k > d; --k)
            setColWidths(k, ColWidths(k - 1));
        setColWidths(d, columns.savedWidth(c));
    }
    CellControlsUpdate(false);
    InvalidateGrid();
}

void TExStringGrid::UnHideColumnsAll() { UnHideColumns(0, TotalColCount() - 1); }

int TExStringGrid::AllColWidths(int ACol) const
{
    if (IsHiddenColumn(ACol))
        return m_structure->hiddenColumns.savedWidth(ACol);
    return ColWidths(DisplColIndex(ACol));
}

void TExStringGrid::setAllColWidths(int ACol, int Width)
{
    m_structure->hiddenColumns.setSavedWidth(ACol, Width);
    if (ACol >= 0 && ACol < TotalColCount() && !IsHiddenColumn(ACol))
        setColWidths(DisplColIndex(ACol), Width);
}

// --- store rows ---------------------------------------------------------------------------------

TRowCells TExStringGrid::takeStoreRow(int ARow)
{
    TRowCells row;
    const int cols = TotalColCount();
    row.cells.resize(static_cast<std::size_t>(cols));
    for (int c = 0; c < cols; ++c) {
        THiddenCell &cell = row.cells[static_cast<std::size_t>(c)];
        cell.text = GetGridCell(c, ARow);
        cell.props = TakeGridObject(c, ARow);
    }
    TGridSelection &sel = *m_selection;
    row.modified = TGridSelection::removeAt(sel.modifiedRows, ARow) != 0;
    row.disabled = TGridSelection::removeAt(sel.disabledRows, ARow) != 0;
    row.selected = TGridSelection::removeAt(sel.rowSelect, ARow) != 0;
    return row;
}

void TExStringGrid::putStoreRow(int ARow, TRowCells row)
{
    for (std::size_t c = 0; c < row.cells.size(); ++c) {
        THiddenCell &cell = row.cells[c];
        SetGridCell(static_cast<int>(c), ARow, cell.text);
        if (cell.props)
            PutGridObject(static_cast<int>(c), ARow, std::move(cell.props));
    }
    TGridSelection &sel = *m_selection;
    if (row.modified) {
        TGridSelection::reach(sel.modifiedRows, ARow);
        sel.modifiedRows[static_cast<std::size_t>(ARow)] = 1;
    }
    if (row.disabled) {
        TGridSelection::reach(sel.disabledRows, ARow);
        sel.disabledRows[static_cast<std::size_t>(ARow)] = 1;
    }
    if (row.selected) {
        TGridSelection::reach(sel.rowSelect, ARow);
        sel.rowSelect[static_cast<std::size_t>(ARow)] = 1;
    }
}

void TExStringGrid::insertStoreRows(int ARow, int RCount)
{
    if (RCount <= 0)
        return;
    ARow = std::clamp(ARow, 0, RowCount());
    const int old = RowCount();
    // The store grows at the end; each new row is moved up to its place
    // (row handles only), without the move handling of a user's move.
    m_internalMove = true;
    setRowCount(old + RCount);
    for (int i = 0; i < RCount; ++i)
        TCellGrid::MoveRow(old + i, ARow + i);
    m_internalMove = false;
    TGridSelection &sel = *m_selection;
    TGridSelection::insertAt(sel.modifiedRows, ARow, RCount);
    TGridSelection::insertAt(sel.disabledRows, ARow, RCount);
    TGridSelection::insertAt(sel.rowSelect, ARow, RCount);
    sel.selectedCells.insertRows(ARow, RCount);
}

void TExStringGrid::removeStoreRow(int ARow)
{
    m_selection->selectedCells.removeRows(ARow, 1);
    TCellGrid::DeleteRow(ARow);
    FNormalRowCount = RowCount();
}

// Flags of the rows at these places (ascending) taken out in one pass.
static void removeFlagList(std::vector<char> &flags, const std::vector<int> &rows)
{
    std::size_t kept = 0;
    std::size_t next = 0;
    for (std::size_t i = 0; i < flags.size(); ++i) {
        if (next < rows.size() && static_cast<std::size_t>(rows[next]) == i) {
            ++next;
            continue;
        }
        flags[kept++] = flags[i];
    }
    flags.resize(kept);
}

// Cleared flags put in at these places of the grown grid (ascending); the
// list first reaches the old grid's last row, so that every place lies
// inside it. A list with no flags set stays empty.
static void insertFlagList(std::vector<char> &flags, const std::vector<int> &rows, int oldRowCount)
{
    if (flags.empty() || rows.empty())
        return;
    const std::size_t old = std::max(flags.size(), static_cast<std::size_t>(std::max(oldRowCount, 0)));
    flags.resize(old + rows.size(), 0);
    std::ptrdiff_t from = static_cast<std::ptrdiff_t>(old) - 1;
    std::ptrdiff_t k = static_cast<std::ptrdiff_t>(rows.size()) - 1;
    for (std::ptrdiff_t at = static_cast<std::ptrdiff_t>(flags.size()) - 1; k >= 0; --at) {
        if (rows[static_cast<std::size_t>(k)] == at) {
            flags[static_cast<std::size_t>(at)] = 0;
            --k;
        } else {
            flags[static_cast<std::size_t>(at)] = flags[static_cast<std::size_t>(from--)];
        }
    }
}

std::vector<TRowCells> TExStringGrid::takeStoreRowList(const std::vector<int> &ARows)
{
    std::vector<TRowCells> taken(ARows.size());
    const std::size_t cols = static_cast<std::size_t>(TotalColCount());
    const TGridSelection &sel = *m_selection;
    for (std::size_t i = 0; i < ARows.size(); ++i) {
        const int d = ARows[i];
        TRowCells &row = taken[i];
        // The row's cells moved out whole: no text copied, no object made.
        TCellTable<TGridObject>::Row slot = takeRowSlot(d);
        row.cells.resize(cols);
        for (std::size_t c = 0; c < cols; ++c) {
            THiddenCell &cell = row.cells[c];
            if (c < slot.texts.size())
                cell.text = std::move(slot.texts[c]);
            if (c < slot.objects.size())
                cell.props.reset(static_cast<TCellProperties *>(slot.objects[c].release()));
        }
        row.modified = TGridSelection::flag(sel.modifiedRows, d);
        row.disabled = TGridSelection::flag(sel.disabledRows, d);
        row.selected = TGridSelection::flag(sel.rowSelect, d);
    }
    TGridSelection &s = *m_selection;
    removeFlagList(s.modifiedRows, ARows);
    removeFlagList(s.disabledRows, ARows);
    removeFlagList(s.rowSelect, ARows);
    s.selectedCells.removeRowList(ARows);
    TCellGrid::DeleteRowList(ARows);
    FNormalRowCount = RowCount();
    return taken;
}

void TExStringGrid::putStoreRowList(const std::vector<int> &ARows, std::vector<TRowCells> cells,
                                    const std::vector<int> &heights)
{
    const int oldRows = RowCount();
    TCellGrid::InsertRowList(ARows, heights);
    FNormalRowCount = RowCount();
    TGridSelection &sel = *m_selection;
    insertFlagList(sel.modifiedRows, ARows, oldRows);
    insertFlagList(sel.disabledRows, ARows, oldRows);
    insertFlagList(sel.rowSelect, ARows, oldRows);
    sel.selectedCells.insertRowList(ARows);
    for (std::size_t i = 0; i < ARows.size() && i < cells.size(); ++i) {
        TRowCells &row = cells[i];
        TCellTable<TGridObject>::Row slot;
        slot.texts.reserve(row.cells.size());
        bool hasProps = false;
        for (THiddenCell &cell : row.cells)
            hasProps = hasProps || cell.props != nullptr;
        for (THiddenCell &cell : row.cells)
            slot.texts.push_back(std::move(cell.text));
        if (hasProps) {
            slot.objects.reserve(row.cells.size());
            for (THiddenCell &cell : row.cells)
                slot.objects.emplace_back(std::move(cell.props));
            FHasCellProps = true;
        }
        const int d = ARows[i];
        putRowSlot(d, std::move(slot));
        if (row.modified) {
            TGridSelection::reach(sel.modifiedRows, d);
            sel.modifiedRows[static_cast<std::size_t>(d)] = 1;
        }
        if (row.disabled) {
            TGridSelection::reach(sel.disabledRows, d);
            sel.disabledRows[static_cast<std::size_t>(d)] = 1;
        }
        if (row.selected) {
            TGridSelection::reach(sel.rowSelect, d);
            sel.rowSelect[static_cast<std::size_t>(d)] = 1;
        }
    }
}

// --- hiding rows ----------------------------------------------------------------------------------

namespace {

struct THideRequest {
    THideReason reason;
    bool keepHeight;
    int level;
};

} // namespace

static void hideOne(TExStringGrid &grid, THiddenRows<TRowCells> &rows, int real, int height, TRowCells cells,
                    const THideRequest &request)
{
    THiddenRows<TRowCells>::Item item;
    item.Idx = real;
    item.Height = request.keepHeight ? height : 0;
    item.Level = request.level;
    item.Reason = request.reason;
    item.Items = std::move(cells);
    rows.add(std::move(item));
}

void TExStringGrid::HideRows(int FromRow, int ToRow)
{
    THiddenRows<TRowCells> &rows = m_structure->hiddenRows;
    const THideRequest request{THideReason::Rows, true, 0};
    for (int k = std::max(FromRow, 0); k <= ToRow && k < TotalRowCount(); ++k) {
        if (rows.isHidden(k))
            continue;
        // Each row at its own display place: rows hidden before it, in or
        // out of the range, are counted.
        const int d = DisplRowIndex(k);
        const int height = RowHeights(d);
        TRowCells cells = takeStoreRow(d);
        removeStoreRow(d);
        hideOne(*this, rows, k, height, std::move(cells), request);
    }
    CellControlsUpdate(false);
}

void TExStringGrid::HideRowsEx(int FromRow, int ToRow)
{
    THiddenRows<TRowCells> &rows = m_structure->hiddenRows;
    const THideRequest request{THideReason::Rows, false, 0};
    for (int k = std::max(FromRow, 0); k <= ToRow && k < TotalRowCount(); ++k) {
        if (rows.isHidden(k))
            continue;
        const int d = DisplRowIndex(k);
        TRowCells cells = takeStoreRow(d);
        removeStoreRow(d);
        hideOne(*this, rows, k, 0, std::move(cells), request);
    }
    CellControlsUpdate(false);
}

void TExStringGrid::HideRowList(const std::vector<int> &RowList)
{
    // Store rows become real ones before any of them goes; then all go in
    // one pass and their items join the hidden rows in one merge.
    std::vector<int> stores(RowList.begin(), RowList.end());
    std::sort(stores.begin(), stores.end());
    stores.erase(std::unique(stores.begin(), stores.end()), stores.end());
    std::erase_if(stores, [&](int d) { return d < 0 || d >= RowCount(); });
    std::vector<THiddenRows<TRowCells>::Item> items(stores.size());
    for (std::size_t i = 0; i < stores.size(); ++i) {
        THiddenRows<TRowCells>::Item &item = items[i];
        item.Idx = RealRowIndex(stores[i]);
        item.Height = RowHeights(stores[i]);
        item.Level = m_structure->filterLevel;
        item.Reason = THideReason::Filter;
    }
    std::vector<TRowCells> cells = takeStoreRowList(stores);
    for (std::size_t i = 0; i < items.size(); ++i)
        items[i].Items = std::move(cells[i]);
    m_structure->hiddenRows.addAll(std::move(items));
    ++m_structure->filterLevel;
    CellControlsUpdate(false);
}

// --- showing rows ------------------------------------------------------------------------------------

namespace {

// Shows the taken items, in ascending real order, each at its own place.
void showItems(TExStringGrid &grid, std::vector<THiddenRows<TRowCells>::Item> items,
               const std::function<void(int, TRowCells, int)> &place)
{
    for (auto &item : items)
        place(item.Idx, std::move(item.Items), item.Height);
}

} // namespace

void TExStringGrid::UnHideRows(int FromRow, int ToRow)
{
    auto items = m_structure->hiddenRows.takeIf(
        [&](const THiddenRows<TRowCells>::Item &i) { return i.Idx >= FromRow && i.Idx <= ToRow; });
    showItems(*this, std::move(items), [this](int real, TRowCells cells, int height) {
        const int d = DisplRowIndex(real);
        insertStoreRows(d, 1);
        putStoreRow(d, std::move(cells));
        if (height > 0)
            setRowHeights(d, height);
    });
    CellControlsUpdate(false);
}

void TExStringGrid::UnHideRowsAll() { UnHideRows(0, TotalRowCount()); }

void TExStringGrid::UnHideRowList()
{
    if (m_structure->filterLevel <= 0)
        return;
    const int level = m_structure->filterLevel - 1;
    // Only what this filter level hid: rows hidden by hand or by a node
    // stay hidden.
    auto items = m_structure->hiddenRows.takeIf([&](const THiddenRows<TRowCells>::Item &i) {
        return i.Reason == THideReason::Filter && i.Level == level;
    });
    // With the items out of the index, a real row maps to the display
    // place it takes once all of them are back.
    std::vector<int> places;
    std::vector<int> heights;
    std::vector<TRowCells> cells;
    places.reserve(items.size());
    heights.reserve(items.size());
    cells.reserve(items.size());
    for (auto &item : items) {
        places.push_back(DisplRowIndex(item.Idx));
        heights.push_back(item.Height > 0 ? item.Height : DefaultRowHeight());
        cells.push_back(std::move(item.Items));
    }
    putStoreRowList(places, std::move(cells), heights);
    m_structure->filterLevel = level;
    CellControlsUpdate(false);
}

// --- selection parking ------------------------------------------------------------------------------

void TExStringGrid::HideSelection()
{
    const TGridRect sel = Selection();
    TGridSelection &s = *m_selection;
    s.oldSelLeft = sel.Left;
    s.oldSelTop = sel.Top;
    s.oldSelRight = sel.Right;
    s.oldSelBottom = sel.Bottom;
    s.selHidden = true;
}

void TExStringGrid::UnHideSelection()
{
    TGridSelection &s = *m_selection;
    s.selHidden = false;
    if (s.oldSelTop < RowCount() && s.oldSelLeft < ColCount()) {
        setSelection(TGridRect{s.oldSelLeft, s.oldSelTop, std::min(s.oldSelRight, ColCount() - 1),
                               std::min(s.oldSelBottom, RowCount() - 1)});
        return;
    }
    FocusCell(FixedCols(), FixedRows());
}

} // namespace controls
