#include "controls/grid/tablegrid/TableColumnGrid.h"

namespace controls {

void TTableColumnItem::setHeader(const QString &header)
{
    m_header = header;
    if (m_grid.FixedRows() > 0)
        m_grid.setCells(m_index, 0, header);
}

int TTableColumnItem::Width() const { return m_grid.ColWidths(m_index); }

void TTableColumnItem::setWidth(int width) { m_grid.setColWidths(m_index, width); }

void TTableColumnItem::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_grid.RestyleCells();
}

void TTableColumnItem::setColor(platform::TColor color)
{
    m_color = color;
    m_grid.RestyleCells();
}

TTableColumnItem &TTableColumnCollection::Add()
{
    m_grid.setColCount(m_grid.ColCount() + 1);
    return *m_items.back();
}

void TTableColumnCollection::resize(int count)
{
    while (Count() > count)
        m_items.pop_back();
    while (Count() < count)
        m_items.push_back(std::make_unique<TTableColumnItem>(m_grid, Count()));
}

TTableColumnGrid::TTableColumnGrid(QWidget *parent) : TTableGrid(parent), m_columns(*this)
{
    setEditing(true);
    setColCount(0);
}

bool TTableColumnGrid::IsCellEditable(int ACol, int ARow) const
{
    if (ACol < 0 || ACol >= m_columns.Count() || m_columns[ACol].ReadOnly())
        return false;
    return TTableGrid::IsCellEditable(ACol, ARow);
}

platform::TColor TTableColumnGrid::CellColor(int ACol, int) const
{
    return ACol >= 0 && ACol < m_columns.Count() ? m_columns[ACol].Color() : platform::clNone;
}

void TTableColumnGrid::ColCountChanged()
{
    m_columns.resize(ColCount());
    // Cells of new columns were styled before their definitions existed.
    RestyleCells();
}

} // namespace controls
