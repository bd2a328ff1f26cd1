// Looking a row up by the start of its text in the search column, as the
// owner types it letter by letter.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSortFilter.h"

namespace controls {

int TExStringGrid::Search(const QString &s)
{
    if (RowCount() < 2)
        return -1;
    TSortSettings &settings = SortSettings();
    int col = FixedCols();
    if (settings.Show && !settings.IndexShow)
        col = settings.Column();
    else if (settings.Show && settings.IndexShow && SortIndexes().Count() > 0)
        col = SortIndexes().SortColumns(0);
    if (col < 0)
        return -1;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (GetStrippedCell(col, r).toUpper().startsWith(s))
            return r;
    return -1;
}

QString TExStringGrid::LookupKey(QChar Key)
{
    QString &text = sortFilter().lookupText;
    sortFilter().lookupTics = 0;
    if (Key == u'\b')
        text.chop(1);
    else
        text += Key.toUpper();
    if (text.isEmpty())
        return text;
    const int row = Search(text);
    if (row < 0)
        text.clear();
    else
        setRow(row);
    return text;
}

} // namespace controls
