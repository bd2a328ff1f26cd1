// Filtering the string grid: the rows that fail the filter leave as one
// filter level of the hidden rows, and a level, when removed, brings back
// its own rows only.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/model/GridStructure.h"
#include "platform/ScopeGuard.h"

namespace controls {

std::vector<TFilterData> &TExStringGrid::Filter() { return sortFilter().filter; }
bool TExStringGrid::FilterActive() const { return sortFilter().filterActive; }
int TExStringGrid::FilterLevel() const { return m_structure->filterLevel; }

bool TExStringGrid::MatchFilter(int ARow)
{
    const auto textOf = [&](const TFilterData &item) -> QString {
        switch (item.Data) {
        case fcVirtual:
            return Cells(item.Column, ARow);
        case fcNormal:
            return GetGridCell(item.Column, ARow);
        case fcStripHTML:
            return GetStrippedCell(item.Column, ARow);
        case fcCalculated:
            return ReadCellText(item.Column, ARow);
        case fcRow: {
            QStringList texts;
            for (int c = 0; c < TotalColCount(); ++c)
                texts.push_back(GetGridCell(c, ARow));
            return texts.join(u'\n');
        }
        }
        return {};
    };
    bool accept = matchFilterRow(sortFilter().filter, textOf);
    if (OnCustomFilter)
        OnCustomFilter(this, ARow, accept);
    return accept;
}

void TExStringGrid::FilterRow(int ARow)
{
    if (!MatchFilter(ARow))
        HideRow(RealRowIndex(ARow));
}

void TExStringGrid::ApplyFilter()
{
    sortFilter().filterFixedRows = FixedRows();
    std::vector<int> failing;
    for (int r = FixedRows(); r <= RowCount() - FixedFooters() - 1; ++r) {
        if (FilterNormalCellsOnly) {
            const TCellType kind = GetCellType(0, r);
            if (kind == ctNode || kind == ctSummary)
                continue;
        }
        if (!MatchFilter(r))
            failing.push_back(r);
    }
    HideRowList(failing);
}

// Rows of the latest level inside a contracted node pass to the node: the
// level lifted, they stay hidden under it until it expands.
static void handLevelToContractedNodes(TExStringGrid &grid, THiddenRows<TRowCells> &rows, int level)
{
    for (int d = grid.FixedRows(); d < grid.RowCount(); ++d) {
        if (!grid.IsNode(d) || !grid.GetNodeState(d) || grid.GetNodeSpan(d) <= 0)
            continue;
        const int real = grid.RealRowIndex(d);
        for (int k = real + 1; k < real + grid.GetNodeSpan(d); ++k)
            if (auto *item = rows.find(k); item && item->Reason == THideReason::Filter && item->Level == level)
                item->Reason = THideReason::Node;
    }
}

bool TExStringGrid::RemoveLastFilter()
{
    if (m_structure->filterLevel <= 0)
        return false;
    handLevelToContractedNodes(*this, m_structure->hiddenRows, m_structure->filterLevel - 1);
    UnHideRowList();
    setFixedRows(sortFilter().filterFixedRows);
    return m_structure->filterLevel > 0;
}

void TExStringGrid::RemoveAllFilters()
{
    if (m_structure->filterLevel > 0) {
        while (RemoveLastFilter()) {
        }
        return;
    }
    sortFilter().filter.clear();
}

void TExStringGrid::setFilterActive(bool Value)
{
    TGridSortFilter &state = sortFilter();
    if (Value != state.filterActive) {
        state.filterActive = Value;
        if (Value) {
            if (Row() >= RowCount() || Col() >= ColCount())
                FocusCell(FixedCols(), FixedRows());
            BeginUpdate();
            platform::Finally endUpdate([&] { EndUpdate(); });
            ApplyFilter();
        } else {
            handLevelToContractedNodes(*this, m_structure->hiddenRows, m_structure->filterLevel - 1);
            UnHideRowList();
            setFixedRows(state.filterFixedRows);
        }
        setTopRow(FixedRows());
    }
}

void TExStringGrid::NarrowDown(const QString &ACondition, int AColumn)
{
    TGridSortFilter &state = sortFilter();
    FFixedRowAlways = true;
    const QString &last = state.lastFilter;
    if (ACondition.size() == last.size() + 1 && ACondition.startsWith(last)) {
        state.filter.assign(1, narrowDownItem(ACondition, AColumn, true));
        ApplyFilter();
    } else if (!ACondition.isEmpty() && last.size() == ACondition.size() + 1 && last.startsWith(ACondition)) {
        RemoveLastFilter();
    } else {
        RemoveAllFilters();
        if (!ACondition.isEmpty()) {
            state.filter.assign(1, narrowDownItem(ACondition, AColumn, false));
            ApplyFilter();
        }
    }
    state.lastFilter = ACondition;
}

} // namespace controls
