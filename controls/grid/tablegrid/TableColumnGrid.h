#pragma once
// The string grid with one column definition per column (header text, width,
// read-only flag, colour), as the forms set them up. Stand-in: see
// TableGrid.h.
#include "controls/grid/tablegrid/TableGrid.h"

#include <memory>
#include <vector>

namespace controls {

class TTableColumnGrid;

class TTableColumnItem {
public:
    TTableColumnItem(TTableColumnGrid &grid, int index) : m_grid(grid), m_index(index) {}

    int Index() const { return m_index; }

    // Writing also puts the text into the fixed row, when the grid has one.
    QString Header() const { return m_header; }
    void setHeader(const QString &header);

    int Width() const;
    void setWidth(int width);

    // A column that is neither read-only nor fixed can be edited in place.
    bool ReadOnly() const { return m_readOnly; }
    void setReadOnly(bool readOnly);

    // Background of the column's cells; clNone for the grid's own.
    platform::TColor Color() const { return m_color; }
    void setColor(platform::TColor color);

private:
    TTableColumnGrid &m_grid;
    int m_index;
    QString m_header;
    bool m_readOnly = false;
    platform::TColor m_color = platform::clNone;
};

// Item i is the definition of column i; the grid keeps the two in step.
class TTableColumnCollection {
public:
    explicit TTableColumnCollection(TTableColumnGrid &grid) : m_grid(grid) {}

    int Count() const { return int(m_items.size()); }
    TTableColumnItem &Items(int index) { return *m_items.at(std::size_t(index)); }
    const TTableColumnItem &Items(int index) const { return *m_items.at(std::size_t(index)); }
    TTableColumnItem &operator[](int index) { return Items(index); }
    const TTableColumnItem &operator[](int index) const { return Items(index); }

    // Appends a column to the grid and gives its definition.
    TTableColumnItem &Add();

private:
    friend class TTableColumnGrid;
    void resize(int count);

    TTableColumnGrid &m_grid;
    std::vector<std::unique_ptr<TTableColumnItem>> m_items;
};

class TTableColumnGrid : public TTableGrid {
    Q_OBJECT
public:
    // Starts without columns; the form adds them through Columns.
    explicit TTableColumnGrid(QWidget *parent = nullptr);

    TTableColumnCollection &Columns() { return m_columns; }
    const TTableColumnCollection &Columns() const { return m_columns; }

    bool IsCellEditable(int ACol, int ARow) const override;

protected:
    platform::TColor CellColor(int ACol, int ARow) const override;
    void ColCountChanged() override;

private:
    friend class TTableColumnItem;

    TTableColumnCollection m_columns;
};

} // namespace controls
