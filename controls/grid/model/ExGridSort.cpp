// Sorting the string grid's data rows: keys made once per column, a stable
// merge sort over row numbers, then the rows moved once along the cycles
// of the order through SortSwapRows.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSelection.h"
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/model/core/SortKernel.h"
#include "controls/grid/model/core/SortSpecifier.h"
#include "platform/Error.h"
#include "platform/ScopeGuard.h"

#include <numeric>

namespace controls {

TGridSortFilter &TExStringGrid::sortFilter() const
{
    if (!m_sortFilter)
        m_sortFilter = std::make_shared<TGridSortFilter>(const_cast<TExStringGrid *>(this));
    return *m_sortFilter;
}

TSortSettings &TExStringGrid::SortSettings() { return sortFilter().settings; }
TSortIndexList &TExStringGrid::SortIndexes() { return sortFilter().sortIndexes; }
int TExStringGrid::SortSwaps() const { return sortFilter().swaps; }

int TSortSettings::Column() const { return m_grid->SortColumn(); }
void TSortSettings::setColumn(int value) { m_grid->setSortColumn(value); }

QString TSortSettings::SaveToString() const
{
    if (IndexShow)
        return sortSpecifierText(const_cast<TExStringGrid *>(m_grid)->SortIndexes());
    return sortSpecifierText(Column(), Direction == sdAscending);
}

void TSortSettings::LoadFromString(const QString &Value)
{
    const TSortSpecifier spec = parseSortSpecifier(Value);
    if (std::holds_alternative<TSortSpecifierNone>(spec))
        return;
    Show = true;
    if (std::holds_alternative<TSortSpecifierTooShort>(spec))
        throw platform::Error(invalidSortSpecifierMessage());
    if (const auto *indexed = std::get_if<TSortSpecifierIndexed>(&spec)) {
        IndexShow = true;
        if (Value.size() > 2) {
            m_grid->SortIndexes() = indexed->Indexes;
            m_grid->QSortIndexed();
        }
        return;
    }
    const auto &column = std::get<TSortSpecifierColumn>(spec);
    IndexShow = false;
    Direction = column.Ascending ? sdAscending : sdDescending;
    if (column.Column) {
        setColumn(*column.Column);
        m_grid->QSort();
    }
}

void TSortSettings::Remove()
{
    setColumn(-1);
    m_grid->SortIndexes().Clear();
    m_grid->update();
}

void TExStringGrid::Sort(int Column, TSortDirection Direction)
{
    SortSettings().setColumn(Column);
    SortSettings().Direction = Direction;
    QSort();
}

void TExStringGrid::SortByColumn(int Col)
{
    if (RowCount() <= 1)
        return;
    SortSettings().setColumn(Col);
    QSort();
}

void TExStringGrid::InitSortXRef()
{
    std::vector<int> &xref = sortFilter().sortRowXRef;
    xref.resize(static_cast<std::size_t>(RowCount()));
    std::iota(xref.begin(), xref.end(), 0);
}

void TExStringGrid::DoGetFormat(int ACol, TSortStyle &AStyle, QString &APrefix, QString &ASuffix)
{
    if (OnGetFormat)
        OnGetFormat(this, ACol, AStyle, APrefix, ASuffix);
}

namespace {

bool isCheckBoxType(TCellType t)
{
    return t == ctCheckBox || t == ctDataCheckBox || t == ctVirtCheckBox || t == ctRowCheckBox;
}

} // namespace

// One column of a row comparison over the data rows first..first+count-1;
// the comparer's row numbers count from first.
static TSortColumnRule sortColumnRule(TExStringGrid &grid, int col, bool descending, int first, int count)
{
    TSortSettings &settings = grid.SortSettings();
    TSortKeyRule rule;
    rule.Style = settings.AutoFormat ? ssAutomatic : (settings.IgnoreCase ? ssAlphaNoCase : ssAlphabetic);
    grid.DoGetFormat(col, rule.Style, rule.Prefix, rule.Suffix);
    TSortColumnRule column;
    column.Column = col;
    column.Descending = descending;
    const bool virtualCells = settings.SortOnVirtualCells;
    const auto textsOf = [&grid, col, first, count, virtualCells] {
        std::vector<QString> texts;
        texts.reserve(static_cast<std::size_t>(count));
        for (int r = first; r < first + count; ++r)
            texts.push_back(virtualCells ? grid.Cells(col, r) : grid.AllGridCells(col, grid.RealRowIndex(r)));
        return texts;
    };
    if (rule.Style == ssAutomatic && count > 0 && isCheckBoxType(grid.GetCellType(col, first)))
        rule.Style = ssCheckBox;
    if (rule.Style == ssCustom) {
        column.Compare = [&grid, textsOf, cache = std::make_shared<std::vector<QString>>()](int a, int b) {
            if (cache->empty())
                *cache = textsOf();
            int res = 0;
            if (grid.OnCustomCompare)
                grid.OnCustomCompare(&grid, (*cache)[static_cast<std::size_t>(a)], (*cache)[static_cast<std::size_t>(b)],
                                     res);
            return res;
        };
        return column;
    }
    if (rule.Style == ssRaw) {
        column.Compare = [&grid, col, first](int a, int b) {
            int res = 0;
            if (grid.OnRawCompare)
                grid.OnRawCompare(&grid, col, first + a, first + b, res);
            return res;
        };
        return column;
    }
    column.MakeKeys = [&grid, rule, textsOf, col, first, count]() mutable {
        if (rule.Style == ssCheckBox || rule.Style == ssImages) {
            std::vector<double> keys(static_cast<std::size_t>(count));
            for (int i = 0; i < count; ++i) {
                const int r = first + i;
                if (rule.Style == ssCheckBox) {
                    bool state = false;
                    grid.GetCheckBoxState(col, grid.RealRowIndex(r), state);
                    keys[static_cast<std::size_t>(i)] = state ? 1 : 0;
                } else {
                    int idx = -1;
                    if (!grid.GetImageIdx(col, r, idx))
                        idx = -1;
                    keys[static_cast<std::size_t>(i)] = idx;
                }
            }
            return TColumnSortKeys::fromNumbers(std::move(keys), {});
        }
        const std::vector<QString> texts = textsOf();
        if (rule.Style == ssAutomatic)
            rule.Style = resolveAutomaticStyle(texts, grid.SortSettings().IgnoreCase, rule.Format);
        rule.Style = resolveAlphaNumericStyle(rule.Style, texts, rule.Format);
        return TColumnSortKeys::fromTexts(texts, rule);
    };
    return column;
}

// Sorts the data rows by the columns given: the order is found first, so
// that a compare event that raises leaves every row where it was; then
// the rows move.
static void sortRowRange(TExStringGrid &grid, std::vector<TSortColumnRule> columns, int first, int last)
{
    const int count = last - first + 1;
    if (count < 2)
        return;
    TSortSettings &settings = grid.SortSettings();
    TRowSortComparer comparer(std::move(columns), settings.IgnoreBlanks, settings.BlankPos);
    const std::vector<int> order = comparer.sortedOrder(count);

    // Column 0 stays with NormalCellsOnly: its cells are put back after.
    std::vector<std::pair<QString, std::unique_ptr<TCellProperties>>> column0;
    const bool keepColumn0 = settings.NormalCellsOnly && grid.FixedCols() > 0;
    if (keepColumn0)
        for (int r = first; r <= last; ++r)
            column0.emplace_back(grid.AllGridCells(0, grid.RealRowIndex(r)), grid.TakeGridObject(0, r));
    const int current = grid.Row();
    grid.BeginUpdate();
    platform::Finally endUpdate([&] { grid.EndUpdate(); });
    applySortOrder(order, [&](int i, int j) { grid.SortSwapRows(first + i, first + j); });
    if (keepColumn0) {
        for (int r = first; r <= last; ++r) {
            auto &[text, props] = column0[static_cast<std::size_t>(r - first)];
            grid.setAllGridCells(0, grid.RealRowIndex(r), text);
            if (props)
                grid.PutGridObject(0, r, std::move(props));
        }
    }
    // The current row follows its data, or stays where it is.
    if (grid.Navigation().MoveRowOnSort && current >= first && current <= last) {
        const auto at = std::find(order.begin(), order.end(), current - first);
        grid.setRow(first + static_cast<int>(at - order.begin()));
    }
}

static void sortDataRows(TExStringGrid &grid, std::vector<TSortColumnRule> columns)
{
    sortRowRange(grid, std::move(columns), grid.FixedRows(), grid.RowCount() - grid.FixedFooters() - 1);
}

// The columns a single-column sort compares, ignored ones left out (they
// count as equal).
static std::vector<TSortColumnRule> columnRules(TExStringGrid &grid, int first, int count)
{
    std::vector<TSortColumnRule> columns;
    const int column = grid.SortSettings().Column();
    const bool descending = grid.SortSettings().Direction == sdDescending;
    if (!grid.IsIgnoredColumn(column))
        columns.push_back(sortColumnRule(grid, column, descending, first, count));
    if (grid.SortSettings().Full)
        for (int c = column + 1; c < grid.TotalColCount(); ++c)
            if (!grid.IsIgnoredColumn(c))
                columns.push_back(sortColumnRule(grid, c, descending, first, count));
    return columns;
}

static std::vector<TSortColumnRule> indexRules(TExStringGrid &grid, int first, int count)
{
    std::vector<TSortColumnRule> columns;
    TSortIndexList &indexes = grid.SortIndexes();
    const int entries = grid.SortSettings().Full ? indexes.Count() : std::min(1, indexes.Count());
    for (int i = 0; i < entries; ++i)
        if (!grid.IsIgnoredColumn(indexes.SortColumns(i)))
            columns.push_back(
                sortColumnRule(grid, indexes.SortColumns(i), !indexes.SortDirections(i), first, count));
    return columns;
}

void TExStringGrid::QSort()
{
    TGridSortFilter &state = sortFilter();
    const int column = SortSettings().Column();
    if (column < 0)
        return;
    if (static_cast<int>(state.sortRowXRef.size()) != RowCount())
        InitSortXRef();
    state.sortIndexes.Clear();
    const int first = FixedRows();
    const int count = RowCount() - FixedFooters() - first;
    sortDataRows(*this, columnRules(*this, first, count));
}

void TExStringGrid::QSortIndexed()
{
    TGridSortFilter &state = sortFilter();
    if (static_cast<int>(state.sortRowXRef.size()) != RowCount())
        InitSortXRef();
    if (state.sortIndexes.Count() == 0)
        throw ZOraZaziRarar(noSortIndexesMessage());
    const int first = FixedRows();
    const int count = RowCount() - FixedFooters() - first;
    sortDataRows(*this, indexRules(*this, first, count));
}

// Inside node groups: only the child rows of the deepest expanded nodes
// move, each group on its own, so that the outline stays as it is.
static void sortGroups(TExStringGrid &grid, bool indexed)
{
    if (!indexed && grid.SortSettings().Column() < 0)
        return;
    if (indexed && grid.SortIndexes().Count() == 0)
        return;
    const int last = grid.RowCount() - grid.FixedFooters() - 1;
    int deepest = 0;
    for (int r = grid.FixedRows(); r <= last; ++r)
        if (grid.IsNode(r))
            deepest = std::max(deepest, grid.GetNodeLevel(r));
    for (int r = grid.FixedRows(); r <= last; ++r) {
        if (!grid.IsNode(r) || grid.GetNodeState(r) || grid.GetNodeLevel(r) != deepest)
            continue;
        const int span = grid.GetNodeSpan(r);
        if (span - 1 <= 1)
            continue;
        const int from = r + 1;
        const int to = std::min(r + span - 1, last);
        const int count = to - from + 1;
        sortRowRange(grid, indexed ? indexRules(grid, from, count) : columnRules(grid, from, count), from, to);
    }
}

void TExStringGrid::QSortGroup()
{
    if (static_cast<int>(sortFilter().sortRowXRef.size()) != RowCount())
        InitSortXRef();
    sortGroups(*this, false);
}

void TExStringGrid::QSortGroupIndexed()
{
    if (static_cast<int>(sortFilter().sortRowXRef.size()) != RowCount())
        InitSortXRef();
    sortGroups(*this, true);
}

void TExStringGrid::QUnSort()
{
    TGridSortFilter &state = sortFilter();
    if (static_cast<int>(state.sortRowXRef.size()) != RowCount())
        return; // rows came or went since: no order to go back to
    const std::vector<int> xref = state.sortRowXRef;
    const std::vector<int> order = stableSortOrder(static_cast<int>(xref.size()), [&](int a, int b) {
        return xref[static_cast<std::size_t>(a)] < xref[static_cast<std::size_t>(b)];
    });
    BeginUpdate();
    platform::Finally endUpdate([&] { EndUpdate(); });
    applySortOrder(order, [&](int i, int j) { SortSwapRows(i, j); });
}

void TExStringGrid::SortSwapRows(int Index, int Index2)
{
    TGridSortFilter &state = sortFilter();
    ++state.swaps;
    std::vector<int> &xref = state.sortRowXRef;
    const auto inside = [&](int i) { return i >= 0 && i < static_cast<int>(xref.size()); };
    if (inside(Index) && inside(Index2))
        std::swap(xref[static_cast<std::size_t>(Index)], xref[static_cast<std::size_t>(Index2)]);
    const auto swapCell = [&](int c) {
        const QString a = GetGridCell(c, Index);
        SetGridCell(c, Index, GetGridCell(c, Index2));
        SetGridCell(c, Index2, a);
        std::unique_ptr<TCellProperties> pa = TakeGridObject(c, Index);
        std::unique_ptr<TCellProperties> pb = TakeGridObject(c, Index2);
        if (pb)
            PutGridObject(c, Index, std::move(pb));
        if (pa)
            PutGridObject(c, Index2, std::move(pa));
    };
    if (SortSettings().SingleColumn) {
        swapCell(SortSettings().Column());
        return;
    }
    for (int c = 0; c < TotalColCount(); ++c)
        swapCell(c);
    if (RowHeights(Index) != RowHeights(Index2)) {
        const int h = RowHeights(Index);
        setRowHeights(Index, RowHeights(Index2));
        setRowHeights(Index2, h);
    }
    TGridSelection &sel = *m_selection;
    const auto swapFlag = [&](std::vector<char> &flags) {
        TGridSelection::reach(flags, std::max(Index, Index2));
        std::swap(flags[static_cast<std::size_t>(Index)], flags[static_cast<std::size_t>(Index2)]);
    };
    if (m_mouseActions.DisjunctRowSelect() && m_navigation.MoveRowOnSort)
        swapFlag(sel.rowSelect);
    swapFlag(sel.modifiedRows);
    if (state.sortRow == Index)
        state.sortRow = Index2;
    else if (state.sortRow == Index2)
        state.sortRow = Index;
}

} // namespace controls
