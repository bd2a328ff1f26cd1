#include "controls/grid/tablegrid/TableGrid.h"

#include "platform/HandlerGuard.h"
#include "platform/draw/ImageList.h"
#include "platform/ui/QtColor.h"

#include <QHeaderView>
#include <QIcon>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace controls {
namespace {

// Where a cell keeps its image index and the alignment it was given.
constexpr int ImageIndexRole = Qt::UserRole + 1;
constexpr int ImageAlignRole = Qt::UserRole + 2;

// A new grid has the class library's default size.
constexpr int InitialCount = 5;

} // namespace

TTableGrid::TTableGrid(QWidget *parent) : QWidget(parent), m_table(new QTableWidget(this))
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_table);

    m_table->verticalHeader()->hide();
    m_table->verticalHeader()->setMinimumSectionSize(1);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    m_table->horizontalHeader()->setMinimumSectionSize(1);
    m_table->horizontalHeader()->setHighlightSections(false);
    m_table->horizontalHeader()->setSectionsClickable(true);
    m_table->setSelectionMode(QAbstractItemView::SingleSelection);
    // A text wider than its cell is cut at the cell's edge, as grids do.
    m_table->setTextElideMode(Qt::ElideNone);
    m_table->setWordWrap(false);
    m_table->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked
                             | QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    setDefaultRowHeight(m_defaultRowHeight);

    connect(m_table, &QTableWidget::cellClicked, this,
            [this](int row, int col) { clickedAt(OnClickCell, row + m_fixedRows, col); });
    connect(m_table, &QTableWidget::cellDoubleClicked, this,
            [this](int row, int col) { clickedAt(OnDblClickCell, row + m_fixedRows, col); });
    connect(m_table->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int col) { clickedAt(OnClickCell, 0, col); });
    connect(m_table->horizontalHeader(), &QHeaderView::sectionDoubleClicked, this,
            [this](int col) { clickedAt(OnDblClickCell, 0, col); });

    setColCount(InitialCount);
    setRowCount(InitialCount);
}

TTableGrid::~TTableGrid() = default;

int TTableGrid::RowCount() const { return m_table->rowCount() + m_fixedRows; }

void TTableGrid::setRowCount(int count)
{
    count = std::max(count, m_fixedRows);
    const int before = RowCount();
    m_table->setRowCount(count - m_fixedRows);
    fillNewCells(ColCount(), before);
    m_maxRowCount = std::max(m_maxRowCount, count);
}

int TTableGrid::ColCount() const { return m_table->columnCount(); }

void TTableGrid::setColCount(int count)
{
    count = std::max(count, 0);
    const int before = m_table->columnCount();
    m_table->setColumnCount(count);
    // Header items of their own, so that a new column shows no number.
    for (int c = before; c < count; ++c)
        m_table->setHorizontalHeaderItem(c, new QTableWidgetItem);
    fillNewCells(before, RowCount());
    ColCountChanged();
}

void TTableGrid::setFixedRows(int count)
{
    count = std::clamp(count, 0, 1);
    if (count == m_fixedRows)
        return;
    const int rows = RowCount();
    if (count == 0) {
        // The header's texts become the first row.
        m_table->insertRow(0);
        for (int c = 0; c < ColCount(); ++c) {
            QTableWidgetItem *header = m_table->horizontalHeaderItem(c);
            m_table->setItem(0, c, new QTableWidgetItem(header ? header->text() : QString()));
            m_table->setHorizontalHeaderItem(c, new QTableWidgetItem);
        }
        m_table->horizontalHeader()->hide();
    } else {
        if (m_table->rowCount() == 0)
            m_table->insertRow(0);
        for (int c = 0; c < ColCount(); ++c) {
            QTableWidgetItem *first = m_table->item(0, c);
            m_table->setHorizontalHeaderItem(c, new QTableWidgetItem(first ? first->text() : QString()));
        }
        m_table->removeRow(0);
        m_table->horizontalHeader()->show();
    }
    m_fixedRows = count;
    setRowCount(std::max(rows, count));
    fillNewCells(0, 0);
    RestyleCells();
}

int TTableGrid::Row() const
{
    const int row = m_table->currentRow();
    return row < 0 ? m_fixedRows : row + m_fixedRows;
}

void TTableGrid::setRow(int row)
{
    if (row < m_fixedRows || row >= RowCount())
        return;
    m_table->setCurrentCell(row - m_fixedRows, Col());
}

int TTableGrid::Col() const { return std::max(m_table->currentColumn(), 0); }

bool TTableGrid::inside(int ACol, int ARow) const
{
    return ACol >= 0 && ACol < ColCount() && ARow >= 0 && ARow < RowCount();
}

QTableWidgetItem *TTableGrid::cellItem(int ACol, int ARow) const
{
    if (!inside(ACol, ARow))
        return nullptr;
    if (ARow < m_fixedRows)
        return m_table->horizontalHeaderItem(ACol);
    return m_table->item(ARow - m_fixedRows, ACol);
}

QTableWidgetItem *TTableGrid::ensureCellItem(int ACol, int ARow)
{
    if (QTableWidgetItem *item = cellItem(ACol, ARow))
        return item;
    if (!inside(ACol, ARow))
        return nullptr;
    auto *item = new QTableWidgetItem;
    if (ARow < m_fixedRows) {
        m_table->setHorizontalHeaderItem(ACol, item);
    } else {
        styleItem(*item, ACol, ARow);
        m_table->setItem(ARow - m_fixedRows, ACol, item);
    }
    return item;
}

QString TTableGrid::GetCellEx(int ACol, int ARow) const
{
    const QTableWidgetItem *item = cellItem(ACol, ARow);
    return item ? item->text() : QString();
}

void TTableGrid::SetCellEx(int ACol, int ARow, const QString &value)
{
    if (QTableWidgetItem *item = ensureCellItem(ACol, ARow))
        item->setText(value);
}

void TTableGrid::setDefaultRowHeight(int height)
{
    m_defaultRowHeight = std::max(height, 1);
    m_table->verticalHeader()->setDefaultSectionSize(m_defaultRowHeight);
    m_table->horizontalHeader()->setFixedHeight(m_defaultRowHeight);
}

int TTableGrid::ColWidths(int ACol) const { return m_table->columnWidth(ACol); }

void TTableGrid::setColWidths(int ACol, int width)
{
    if (ACol >= 0 && ACol < ColCount())
        m_table->setColumnWidth(ACol, std::max(width, 0));
}

void TTableGrid::setEditing(bool editing)
{
    m_editing = editing;
    RestyleCells();
}

bool TTableGrid::IsCellEditable(int ACol, int ARow) const
{
    return m_editing && ARow >= m_fixedRows && inside(ACol, ARow);
}

platform::TColor TTableGrid::CellColor(int, int) const { return platform::clNone; }

void TTableGrid::styleItem(QTableWidgetItem &item, int ACol, int ARow) const
{
    Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (IsCellEditable(ACol, ARow))
        flags |= Qt::ItemIsEditable;
    item.setFlags(flags);
    const QVariant own = item.data(CellColorRole);
    const platform::TColor color = own.isValid() ? platform::TColor(own.toInt()) : CellColor(ACol, ARow);
    if (color == platform::clNone)
        item.setData(Qt::BackgroundRole, QVariant());
    else
        item.setBackground(platform::toQColor(color));
}

void TTableGrid::RestyleCells()
{
    for (int r = m_fixedRows; r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            if (QTableWidgetItem *item = cellItem(c, r))
                styleItem(*item, c, r);
}

void TTableGrid::fillNewCells(int firstNewCol, int firstNewRow)
{
    // Every cell gets an item: a cell without one would be editable whatever
    // its column says.
    for (int r = std::max(firstNewRow, m_fixedRows); r < RowCount(); ++r)
        for (int c = 0; c < ColCount(); ++c)
            ensureCellItem(c, r);
    for (int r = m_fixedRows; r < std::min(firstNewRow, RowCount()); ++r)
        for (int c = firstNewCol; c < ColCount(); ++c)
            ensureCellItem(c, r);
}

void TTableGrid::AddImageIdx(int ACol, int ARow, int idx, TCellHAlign hal, TCellVAlign val)
{
    if (!m_gridImages)
        return;
    QTableWidgetItem *item = ensureCellItem(ACol, ARow);
    if (!item)
        return;
    // The stand-in draws the picture before the text whatever the alignment;
    // the alignment is kept for the grid that replaces it.
    item->setIcon(QIcon(m_gridImages->GetBitmap(idx)));
    item->setData(ImageIndexRole, idx);
    item->setData(ImageAlignRole, int(hal) | (int(val) << 8));
}

bool TTableGrid::GetImageIdx(int ACol, int ARow, int &idx) const
{
    const QTableWidgetItem *item = cellItem(ACol, ARow);
    if (!m_gridImages || !item)
        return false;
    const QVariant stored = item->data(ImageIndexRole);
    if (!stored.isValid())
        return false;
    idx = stored.toInt();
    return true;
}

void TTableGrid::clickedAt(const TClickCellEvent &event, int ARow, int ACol)
{
    if (event)
        platform::guarded([&] { event(this, ARow, ACol); });
}

} // namespace controls
