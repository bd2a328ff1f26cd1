#include "controls/grid/model/ExColumnGrid.h"

namespace controls {

void TGridColumnItem::setHeader(const QString &header)
{
    m_header = header;
    if (m_grid.FixedRows() > 0)
        m_grid.setCells(m_index, 0, header);
}

int TGridColumnItem::Width() const { return m_grid.ColWidths(m_index); }

void TGridColumnItem::setWidth(int width) { m_grid.setColWidths(m_index, width); }

void TGridColumnItem::setReadOnly(bool readOnly)
{
    m_readOnly = readOnly;
    m_grid.RestyleCells();
}

void TGridColumnItem::setColor(platform::TColor color)
{
    m_color = color;
    m_grid.RestyleCells();
}

TGridColumnItem &TGridColumnCollection::Add()
{
    m_grid.setColCount(m_grid.ColCount() + 1);
    return *m_items.back();
}

void TGridColumnCollection::resize(int count)
{
    while (Count() > count)
        m_items.pop_back();
    while (Count() < count)
        m_items.push_back(std::make_unique<TGridColumnItem>(m_grid, Count()));
}

TExColumnGrid::TExColumnGrid(QWidget *parent) : TExStringGrid(parent), m_columns(*this)
{
    setEditing(true);
    setColCount(0);
}

bool TExColumnGrid::IsCellEditable(int ACol, int ARow) const
{
    if (ACol < 0 || ACol >= m_columns.Count() || m_columns[ACol].ReadOnly())
        return false;
    return TExStringGrid::IsCellEditable(ACol, ARow);
}

platform::TColor TExColumnGrid::CellColor(int ACol, int) const
{
    return ACol >= 0 && ACol < m_columns.Count() ? m_columns[ACol].Color() : platform::clNone;
}

void TExColumnGrid::ColCountChanged()
{
    m_columns.resize(ColCount());
    // Cells of new columns were styled before their definitions existed.
    RestyleCells();
}

} // namespace controls
