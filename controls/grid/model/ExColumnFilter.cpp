// The column grid's filter drop-downs: an item's own entries, each a
// display name and a condition ("Large=>=10"); a choice may become the
// column's header.
#include "controls/grid/model/ExCGrid.h"

namespace controls {

bool TExColumnGrid::DoGetColumnFilter(int ACol)
{
    const bool own = TExStringGrid::DoGetColumnFilter(ACol);
    const TGridColumnItem *item = ACol >= 0 && ACol < Columns().Count() ? Columns()[ACol] : nullptr;
    if (!item)
        return false;
    if (item->Filter.isEmpty())
        return own;
    // Whole entries: the list shows the names, a check list applies the
    // conditions after them.
    replaceFilterList(item->Filter);
    return true;
}

void TExColumnGrid::DoFilterSelect(int ItemIndex)
{
    const int c = FilterDropDownColumn();
    const TGridColumnItem *known = c >= 0 && c < Columns().Count() ? Columns()[c] : nullptr;
    if (!known || known->Filter.isEmpty()) {
        TExStringGrid::DoFilterSelect(ItemIndex);
        return;
    }
    forgetFilterColumn();
    TGridColumnItem *item = Columns()[c];
    if (ItemIndex < 0 || ItemIndex >= item->Filter.size())
        return;
    const QString entry = item->Filter.at(ItemIndex);
    const qsizetype eq = entry.indexOf(u'=');
    const QString display = eq < 0 ? entry : entry.left(eq);
    if (AutoFilterDisplay)
        item->setHeader(display);
    if (AutoFilterUpdate)
        setFilterActive(false);
    QString condition = eq < 0 ? entry : entry.mid(eq + 1);
    if (OnFilterSelect)
        OnFilterSelect(this, c, ItemIndex, display, condition);
    std::vector<TFilterData> &filter = Filter();
    auto at = std::find_if(filter.begin(), filter.end(), [c](const TFilterData &f) { return f.Column == c; });
    if (at == filter.end()) {
        TFilterData data;
        data.Column = c;
        filter.push_back(data);
        at = filter.end() - 1;
    }
    at->Condition = condition;
    at->CaseSensitive = item->FilterCaseSensitive;
    if (AutoFilterUpdate) {
        setFilterActive(true);
        if (RowCount() != FixedRows() && !(RowCount() == 1 && FFixedRowAlways))
            setRow(FixedRows());
        DoFilterDone();
    }
}

} // namespace controls
