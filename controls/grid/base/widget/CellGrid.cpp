// The cell grid's structure: construction, shape (counts, fixed parts,
// sizes, options, colours), rows and columns moved or deleted with their
// texts and objects, and the cell store.
#include "controls/grid/base/widget/CellGrid.h"

#include <QScrollBar>

#include <algorithm>
#include <vector>

namespace controls {

// --- construction ---------------------------------------------------------------

TCellGrid::TCellGrid(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_cols.setCount(5);
    m_rows.setCount(5);
    m_cells.resize(5, 5);
    m_options = goFixedVertLine | goFixedHorzLine | goVertLine | goHorzLine | goRangeSelect;
    m_font.OnChange = [this] { fontChanged(); };

    m_vertBar = new QScrollBar(Qt::Vertical, this);
    m_horzBar = new QScrollBar(Qt::Horizontal, this);
    m_vertBar->hide();
    m_horzBar->hide();
    m_vertBar->setFocusPolicy(Qt::NoFocus);
    m_horzBar->setFocusPolicy(Qt::NoFocus);
    connect(m_vertBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_syncingBars)
            changeTopLeft(LeftCol(), FixedRows() + value);
    });
    connect(m_horzBar, &QScrollBar::valueChanged, this, [this](int value) {
        if (!m_syncingBars)
            changeTopLeft(FixedCols() + value, TopRow());
    });
    syncScrollBars();
}

TCellGrid::~TCellGrid()
{
    // Descendants are gone by now: nothing may call back into them.
    m_font.OnChange = nullptr;
}

// --- shape ----------------------------------------------------------------------

void TCellGrid::setColCount(int count)
{
    count = std::max(count, 0);
    if (count == ColCount())
        return;
    const int oldCols = ColCount();
    const int oldRows = RowCount();
    m_cols.setCount(count);
    m_cells.resize(std::max(count, m_cells.colCount()), RowCount());
    m_fixedCols = std::min(m_fixedCols, count);
    clampCurrent();
    layoutScrollBars();
    InvalidateGrid();
    GridSizeChanged(oldCols, oldRows);
}

void TCellGrid::setRowCount(int count)
{
    count = std::max(count, 0);
    if (count == RowCount())
        return;
    const int oldCols = ColCount();
    const int oldRows = RowCount();
    m_rows.setCount(count);
    m_cells.resize(m_cells.colCount(), count);
    m_fixedRows = std::min(m_fixedRows, count);
    clampCurrent();
    layoutScrollBars();
    InvalidateGrid();
    GridSizeChanged(oldCols, oldRows);
}

void TCellGrid::setFixedCols(int count)
{
    count = std::clamp(count, 0, ColCount());
    if (count == m_fixedCols)
        return;
    m_fixedCols = count;
    clampCurrent();
    layoutScrollBars();
    InvalidateGrid();
}

void TCellGrid::setFixedRows(int count)
{
    count = std::clamp(count, 0, RowCount());
    if (count == m_fixedRows)
        return;
    m_fixedRows = count;
    clampCurrent();
    layoutScrollBars();
    InvalidateGrid();
}

void TCellGrid::setDefaultColWidth(int width)
{
    m_cols.setDefaultSize(width);
    layoutScrollBars();
    InvalidateGrid();
    GridColWidthsChanged();
}

void TCellGrid::setDefaultRowHeight(int height)
{
    m_rows.setDefaultSize(height);
    layoutScrollBars();
    InvalidateGrid();
    GridRowHeightsChanged();
}

bool TCellGrid::resizeEntry(TAxisSizes &axis, int count, int index, int size)
{
    if (index < 0 || index >= count || axis.size(index) == std::max(size, 0))
        return false;
    axis.setSize(index, size);
    layoutScrollBars();
    InvalidateGrid();
    return true;
}

void TCellGrid::setColWidths(int col, int width)
{
    if (resizeEntry(m_cols, ColCount(), col, width))
        GridColWidthsChanged();
}

void TCellGrid::setRowHeights(int row, int height)
{
    if (resizeEntry(m_rows, RowCount(), row, height))
        GridRowHeightsChanged();
}

void TCellGrid::setLineWidth(int width)
{
    width = std::clamp(width, 0, TAxisSizes::MaxSize);
    if (width == m_lineWidth)
        return;
    m_lineWidth = width;
    layoutScrollBars();
    InvalidateGrid();
}

void TCellGrid::setOptions(TGridOptions options)
{
    if (options == m_options)
        return;
    const bool editingGone = !options.testFlag(goEditing) || options.testFlag(goRowSelect);
    m_options = options;
    if (editingGone)
        HideEditor();
    syncScrollBars();
    InvalidateGrid();
}

void TCellGrid::setDefaultDrawing(bool value)
{
    if (value == m_defaultDrawing)
        return;
    m_defaultDrawing = value;
    InvalidateGrid();
}

void TCellGrid::setColor(platform::TColor color)
{
    if (color == m_color)
        return;
    m_color = color;
    InvalidateGrid();
}

void TCellGrid::setFixedColor(platform::TColor color)
{
    if (color == m_fixedColor)
        return;
    m_fixedColor = color;
    InvalidateGrid();
}

void TCellGrid::setScrollBars(TScrollStyle bars)
{
    if (bars == m_scrollBars)
        return;
    m_scrollBars = bars;
    layoutScrollBars();
    InvalidateGrid();
}

void TCellGrid::setRightToLeft(bool value)
{
    if (value == m_rightToLeft)
        return;
    m_rightToLeft = value;
    InvalidateGrid();
}

void TCellGrid::fontChanged()
{
    if (m_editor != nullptr)
        m_editor->setFont(m_font.qfont());
    InvalidateGrid();
}

// --- rows and columns ---------------------------------------------------------------------

void TCellGrid::DeleteRow(int row) { deleteLine(true, row); }

void TCellGrid::DeleteColumn(int col) { deleteLine(false, col); }

void TCellGrid::MoveRow(int from, int to) { moveLine(true, from, to); }

void TCellGrid::MoveColumn(int from, int to) { moveLine(false, from, to); }

void TCellGrid::deleteLine(bool row, int index)
{
    TAxisSizes &axis = row ? m_rows : m_cols;
    if (index < 0 || index >= axis.count())
        return;
    HideEditor();
    const int oldCols = ColCount();
    const int oldRows = RowCount();
    axis.remove(index, 1);
    if (row)
        m_cells.removeRows(index, 1);
    else
        m_cells.removeCols(index, 1);
    int &fixed = row ? m_fixedRows : m_fixedCols;
    fixed = std::min(fixed, axis.count());
    int TGridCoord::*along = row ? &TGridCoord::Y : &TGridCoord::X;
    if (m_current.*along > index)
        --(m_current.*along);
    if (m_anchor.*along > index)
        --(m_anchor.*along);
    clampCurrent();
    layoutScrollBars();
    InvalidateGrid();
    GridSizeChanged(oldCols, oldRows);
}

// The list as the bulk row changes take it: ascending, distinct, inside
// 0..limit - 1. A list that already is one is used as it is.
static std::span<const int> cleanRowList(std::span<const int> rows, int limit, std::vector<int> &copy)
{
    bool clean = true;
    for (std::size_t i = 0; i < rows.size() && clean; ++i)
        clean = rows[i] >= 0 && rows[i] < limit && (i == 0 || rows[i - 1] < rows[i]);
    if (clean)
        return rows;
    copy.assign(rows.begin(), rows.end());
    std::sort(copy.begin(), copy.end());
    copy.erase(std::unique(copy.begin(), copy.end()), copy.end());
    std::erase_if(copy, [&](int r) { return r < 0 || r >= limit; });
    return copy;
}

void TCellGrid::DeleteRowList(std::span<const int> rows)
{
    std::vector<int> copy;
    rows = cleanRowList(rows, RowCount(), copy);
    if (rows.empty())
        return;
    HideEditor();
    const int oldRows = RowCount();
    m_rows.removeList(rows);
    m_cells.removeRowList(rows);
    m_fixedRows = std::min(m_fixedRows, m_rows.count());
    // A row keeps its place less the rows gone before it; the current
    // cell on a row that went lands on the next one, as DeleteRow does.
    const auto shifted = [&](int row) {
        return row - static_cast<int>(std::lower_bound(rows.begin(), rows.end(), row) - rows.begin());
    };
    m_current.Y = shifted(m_current.Y);
    m_anchor.Y = shifted(m_anchor.Y);
    clampCurrent();
    layoutScrollBars();
    InvalidateGrid();
    GridSizeChanged(ColCount(), oldRows);
}

void TCellGrid::InsertRowList(std::span<const int> rows, std::span<const int> heights)
{
    std::vector<int> copy;
    // Each new row can land at most at the end of the grown grid; a list
    // that had to be cleaned loses its pairing with the heights.
    const std::span<const int> clean = cleanRowList(rows, RowCount() + static_cast<int>(rows.size()), copy);
    if (clean.data() != rows.data())
        heights = {};
    rows = clean;
    // With duplicates gone, a row can still lie beyond the grown grid.
    while (!rows.empty() && rows.back() >= RowCount() + static_cast<int>(rows.size()))
        rows = rows.first(rows.size() - 1);
    if (rows.empty())
        return;
    HideEditor();
    const int oldRows = RowCount();
    m_rows.insertList(rows, heights);
    m_cells.insertRowList(rows);
    const auto shifted = [&](int row) {
        std::size_t k = 0;
        while (k < rows.size() && rows[k] <= row + static_cast<int>(k))
            ++k;
        return row + static_cast<int>(k);
    };
    m_current.Y = shifted(m_current.Y);
    m_anchor.Y = shifted(m_anchor.Y);
    clampCurrent();
    layoutScrollBars();
    InvalidateGrid();
    GridSizeChanged(ColCount(), oldRows);
}

void TCellGrid::moveLine(bool row, int from, int to)
{
    TAxisSizes &axis = row ? m_rows : m_cols;
    if (from < 0 || from >= axis.count() || to < 0 || to >= axis.count() || from == to)
        return;
    HideEditor();
    axis.move(from, to);
    if (row)
        m_cells.moveRow(from, to);
    else
        m_cells.moveCol(from, to);
    // The current cell goes with the line that moved.
    int TGridCoord::*along = row ? &TGridCoord::Y : &TGridCoord::X;
    if (m_current.*along == from) {
        m_current.*along = to;
        m_anchor.*along = to;
        clampCurrent();
    }
    InvalidateGrid();
    if (row)
        GridRowMoved(from, to);
    else
        GridColumnMoved(from, to);
}

void TCellGrid::GridColumnMoved(int from, int to)
{
    if (OnColumnMoved)
        OnColumnMoved(this, from, to);
}

void TCellGrid::GridRowMoved(int from, int to)
{
    if (OnRowMoved)
        OnRowMoved(this, from, to);
}

// --- storage ------------------------------------------------------------------------------

void TCellGrid::SetGridCell(int col, int row, const QString &value)
{
    if (!m_cells.contains(col, row))
        return;
    m_cells.setText(col, row, value);
    InvalidateCell(col, row);
}

std::unique_ptr<TGridObject> TCellGrid::putGridObjectSlot(int col, int row, std::unique_ptr<TGridObject> object)
{
    return m_cells.put(col, row, std::move(object));
}

void TCellGrid::clearGridObjects()
{
    for (int row = 0; row < RowCount(); ++row) {
        for (int col = 0; col < m_cells.colCount(); ++col)
            m_cells.take(col, row);
    }
}

} // namespace controls
