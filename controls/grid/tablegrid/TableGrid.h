#pragma once
// The string grid as the dialogs use it: cells addressed column first, one
// optional fixed header row at the top, in-place editing, images in cells and
// click events. This is a stand-in over a Qt table that keeps the interface
// the dialogs rely on, until they move onto the string grid. The fixed row is the table's header, so it stays in
// view while the rows scroll, as a fixed row does.
#include "platform/Color.h"

#include <QWidget>
#include <cstdint>
#include <functional>

class QTableWidget;
class QTableWidgetItem;
namespace platform {
class TImageList;
}

namespace controls {

// Where a cell's image sits (ordinals as stored).
enum class TCellHAlign : std::uint8_t { haLeft, haRight, haCenter, haBeforeText, haAfterText, haFull };
enum class TCellVAlign : std::uint8_t { vaTop, vaBottom, vaCenter, vaUnderText, vaAboveText, vaFull };

// Sender, then the row and the column of the cell.
using TClickCellEvent = std::function<void(QObject *Sender, int ARow, int ACol)>;

class TTableGrid : public QWidget {
    Q_OBJECT
public:
    explicit TTableGrid(QWidget *parent = nullptr);
    ~TTableGrid() override;

    // Rows including the fixed row. Writing resizes the grid (new rows are
    // empty, rows beyond the count are dropped); it never goes below the
    // fixed rows.
    int RowCount() const;
    void setRowCount(int count);
    // The largest row count the grid has had.
    int MaxRowCount() const { return m_maxRowCount; }

    int ColCount() const;
    void setColCount(int count);

    // 0 or 1: whether row 0 is the fixed header row.
    int FixedRows() const { return m_fixedRows; }
    void setFixedRows(int count);

    // The current cell; the row is never above the first non-fixed row.
    int Row() const;
    void setRow(int row);
    int Col() const;

    // Cell text, column first. Reading outside the grid gives an empty text
    // and writing outside it is ignored.
    QString Cells(int ACol, int ARow) const { return GetCellEx(ACol, ARow); }
    void setCells(int ACol, int ARow, const QString &value) { SetCellEx(ACol, ARow, value); }
    QString GetCellEx(int ACol, int ARow) const;
    void SetCellEx(int ACol, int ARow, const QString &value);

    int DefaultRowHeight() const { return m_defaultRowHeight; }
    void setDefaultRowHeight(int height);
    int ColWidths(int ACol) const;
    void setColWidths(int ACol, int width);

    // Whether non-fixed cells can be edited in place at all.
    bool Editing() const { return m_editing; }
    void setEditing(bool editing);
    // Whether the user can edit this cell in place.
    virtual bool IsCellEditable(int ACol, int ARow) const;

    // The pictures AddImageIdx takes from; not owned.
    platform::TImageList *GridImages() const { return m_gridImages; }
    void setGridImages(platform::TImageList *images) { m_gridImages = images; }
    // Puts picture idx of GridImages into the cell; does nothing without
    // GridImages or outside the grid.
    void AddImageIdx(int ACol, int ARow, int idx, TCellHAlign hal, TCellVAlign val);
    // The index of the cell's picture, when it has one.
    bool GetImageIdx(int ACol, int ARow, int &idx) const;

    // One non-fixed cell's own background, over its column's; clNone gives
    // the cell back to its column. CellBackground reads what the cell shows.
    void SetCellColor(int ACol, int ARow, platform::TColor color);
    platform::TColor CellBackground(int ACol, int ARow) const;

    // Clicks select whole rows, as in a list of records.
    bool RowSelect() const;
    void setRowSelect(bool rowSelect);

    // Raised for every cell, the fixed row included.
    TClickCellEvent OnClickCell;
    TClickCellEvent OnDblClickCell;

protected:
    // The background of a non-fixed cell; clNone for the grid's own.
    virtual platform::TColor CellColor(int ACol, int ARow) const;
    // Runs after the number of columns changed.
    virtual void ColCountChanged() {}
    // Applies editability and colour to every cell again.
    void RestyleCells();

private:
    // Where a cell keeps its own background.
    static constexpr int CellColorRole = Qt::UserRole + 3;

    bool inside(int ACol, int ARow) const;
    QTableWidgetItem *cellItem(int ACol, int ARow) const;
    QTableWidgetItem *ensureCellItem(int ACol, int ARow);
    void styleItem(QTableWidgetItem &item, int ACol, int ARow) const;
    // Gives an item to every cell in the new columns and the new rows.
    void fillNewCells(int firstNewCol, int firstNewRow);
    void clickedAt(const TClickCellEvent &event, int ARow, int ACol);

    QTableWidget *m_table;
    platform::TImageList *m_gridImages = nullptr;
    int m_fixedRows = 1;
    int m_maxRowCount = 0;
    int m_defaultRowHeight = 21;
    bool m_editing = false;
};

} // namespace controls
