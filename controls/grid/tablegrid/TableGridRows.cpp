// Per-cell backgrounds and whole-row selection: what a grid that lists
// records (one row per record, coloured by its state) needs beyond columns.
#include "controls/grid/tablegrid/TableGrid.h"

#include "platform/ui/QtColor.h"

#include <QTableWidget>

namespace controls {
void TTableGrid::SetCellColor(int ACol, int ARow, platform::TColor color)
{
    if (ARow < m_fixedRows)
        return;
    QTableWidgetItem *item = ensureCellItem(ACol, ARow);
    if (!item)
        return;
    if (color == platform::clNone)
        item->setData(CellColorRole, QVariant());
    else
        item->setData(CellColorRole, int(color));
    styleItem(*item, ACol, ARow);
}

platform::TColor TTableGrid::CellBackground(int ACol, int ARow) const
{
    const QTableWidgetItem *item = cellItem(ACol, ARow);
    if (!item || ARow < m_fixedRows)
        return platform::clNone;
    const QVariant own = item->data(CellColorRole);
    return own.isValid() ? platform::TColor(own.toInt()) : CellColor(ACol, ARow);
}

bool TTableGrid::RowSelect() const { return m_table->selectionBehavior() == QAbstractItemView::SelectRows; }

void TTableGrid::setRowSelect(bool rowSelect)
{
    m_table->setSelectionBehavior(rowSelect ? QAbstractItemView::SelectRows : QAbstractItemView::SelectItems);
}

} // namespace controls
