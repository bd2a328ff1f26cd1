// Where the cell grid's cells are: the current cell and the selection,
// scrolling by whole cells with the scroll bars in step, cell rectangles and
// hit testing, and the pixels a change repaints.
#include "controls/grid/base/widget/CellGrid.h"

#include <QScrollBar>

#include <algorithm>
#include <climits>
#include <cstdlib>

namespace controls {

using platform::TRect;

namespace {

int clampToInt(std::int64_t v) { return static_cast<int>(std::clamp<std::int64_t>(v, INT_MIN / 2, INT_MAX / 2)); }

// The range lo..hi of current-cell positions along an axis; a grid without
// scrollable entries keeps its current cell on the last one there is.
std::pair<int, int> currentRange(int fixed, int count)
{
    if (fixed <= count - 1)
        return {fixed, count - 1};
    const int only = std::max(0, count - 1);
    return {only, only};
}

} // namespace

QSize TCellGrid::sizeHint() const
{
    const auto extent = [](const TAxisSizes &axis, int lineWidth) {
        return clampToInt(std::min<std::int64_t>(axis.total() + std::int64_t{axis.count()} * lineWidth, 800));
    };
    return {extent(m_cols, m_lineWidth), extent(m_rows, m_lineWidth)};
}

// --- current cell and selection ---------------------------------------------------

void TCellGrid::setCol(int col) { MoveColRow(col, Row(), true, true); }

void TCellGrid::setRow(int row) { MoveColRow(Col(), row, true, true); }

TGridRect TCellGrid::Selection() const
{
    TGridRect r{std::min(m_anchor.X, m_current.X), std::min(m_anchor.Y, m_current.Y),
                std::max(m_anchor.X, m_current.X), std::max(m_anchor.Y, m_current.Y)};
    if (m_options.testFlag(goRowSelect)) {
        r.Left = m_fixedCols;
        r.Right = std::max(m_fixedCols, ColCount() - 1);
    }
    return r;
}

void TCellGrid::setSelection(const TGridRect &rect)
{
    const TGridRect before = Selection();
    if (!moveCurrent(rect.Left, rect.Top, true, true))
        return;
    const auto [loX, hiX] = currentRange(m_fixedCols, ColCount());
    const auto [loY, hiY] = currentRange(m_fixedRows, RowCount());
    m_anchor = {std::clamp(rect.Right, loX, hiX), std::clamp(rect.Bottom, loY, hiY)};
    invalidateSelection(before);
    invalidateSelection(Selection());
}

void TCellGrid::clampCurrent()
{
    const auto [loX, hiX] = currentRange(m_fixedCols, ColCount());
    const auto [loY, hiY] = currentRange(m_fixedRows, RowCount());
    m_current = {std::clamp(m_current.X, loX, hiX), std::clamp(m_current.Y, loY, hiY)};
    m_anchor = {std::clamp(m_anchor.X, loX, hiX), std::clamp(m_anchor.Y, loY, hiY)};
    m_topLeft = {std::clamp(m_topLeft.X, m_fixedCols, std::max(m_fixedCols, MaxLeftCol())),
                 std::clamp(m_topLeft.Y, m_fixedRows, std::max(m_fixedRows, MaxTopRow()))};
}

void TCellGrid::MoveColRow(int col, int row, bool moveAnchor, bool show) { moveCurrent(col, row, moveAnchor, show); }

bool TCellGrid::moveCurrent(int col, int row, bool moveAnchor, bool show)
{
    const auto [loX, hiX] = currentRange(m_fixedCols, ColCount());
    const auto [loY, hiY] = currentRange(m_fixedRows, RowCount());
    if (ColCount() == 0 || RowCount() == 0)
        return false;
    col = std::clamp(col, loX, hiX);
    row = std::clamp(row, loY, hiY);
    const bool moves = col != m_current.X || row != m_current.Y;
    if (moves && !CanSelectCell(col, row))
        return false;
    const TGridRect before = Selection();
    const bool reopen = m_editorMode && moves && m_options.testFlag(goAlwaysShowEditor);
    if (moves)
        HideEditor();
    m_current = {col, row};
    if (moveAnchor)
        m_anchor = m_current;
    if (show)
        scrollIntoView(col, row);
    invalidateSelection(before);
    invalidateSelection(Selection());
    if (reopen || (m_options.testFlag(goAlwaysShowEditor) && Focused()))
        ShowEditor();
    return true;
}

bool TCellGrid::CanSelectCell(int col, int row)
{
    bool canSelect = true;
    if (OnSelectCell)
        OnSelectCell(this, col, row, canSelect);
    return canSelect;
}

bool TCellGrid::Focused() const
{
    return hasFocus() || (m_editor != nullptr && m_editor->hasFocus());
}

// --- scrolling --------------------------------------------------------------------

int TCellGrid::ClientWidth() const
{
    return std::max(0, width() - (m_vertBar->isVisibleTo(this) ? m_vertBar->sizeHint().width() : 0));
}

int TCellGrid::ClientHeight() const
{
    return std::max(0, height() - (m_horzBar->isVisibleTo(this) ? m_horzBar->sizeHint().height() : 0));
}

int TCellGrid::fixedColsExtent() const
{
    return clampToInt(m_cols.offset(m_fixedCols) + std::int64_t{m_fixedCols} * m_lineWidth);
}

int TCellGrid::fixedRowsExtent() const
{
    return clampToInt(m_rows.offset(m_fixedRows) + std::int64_t{m_fixedRows} * m_lineWidth);
}

int TCellGrid::colLeft(int col) const
{
    if (col < m_fixedCols)
        return clampToInt(m_cols.offset(col) + std::int64_t{col} * m_lineWidth);
    return clampToInt(fixedColsExtent() + m_cols.offset(col) - m_cols.offset(LeftCol())
                      + std::int64_t{col - LeftCol()} * m_lineWidth);
}

int TCellGrid::rowTop(int row) const
{
    if (row < m_fixedRows)
        return clampToInt(m_rows.offset(row) + std::int64_t{row} * m_lineWidth);
    return clampToInt(fixedRowsExtent() + m_rows.offset(row) - m_rows.offset(TopRow())
                      + std::int64_t{row - TopRow()} * m_lineWidth);
}

// How many entries from first fit wholly into available pixels.
int TCellGrid::fittingCount(const TAxisSizes &axis, int first, int available) const
{
    const auto fits = [&](int k) { return axis.span(first, first + k) + std::int64_t{k} * m_lineWidth <= available; };
    int lo = 0;
    int hi = std::max(0, axis.count() - first);
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (fits(mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

// The smallest first entry from which every remaining entry fits.
int TCellGrid::maxFirst(const TAxisSizes &axis, int fixedCount, int available, int end) const
{
    const int count = end < 0 ? axis.count() : std::min(end, axis.count());
    if (count <= fixedCount)
        return fixedCount;
    const auto fits = [&](int first) {
        return axis.span(first, count) + std::int64_t{count - first} * m_lineWidth <= available;
    };
    int lo = fixedCount;
    int hi = count - 1;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (fits(mid))
            hi = mid;
        else
            lo = mid + 1;
    }
    return lo;
}

int TCellGrid::VisibleColCount() const
{
    if (ColCount() <= m_fixedCols)
        return 0;
    return std::max(1, fittingCount(m_cols, LeftCol(), ClientWidth() - fixedColsExtent()));
}

int TCellGrid::VisibleRowCount() const
{
    if (RowCount() <= m_fixedRows)
        return 0;
    const int fits = fittingCount(m_rows, TopRow(), ClientHeight() - fixedRowsExtent() - GridFooterHeight());
    return std::max(1, std::min(fits, RowCount() - GridFooterRows() - TopRow()));
}

int TCellGrid::MaxTopRow() const
{
    return maxFirst(m_rows, m_fixedRows, ClientHeight() - fixedRowsExtent() - GridFooterHeight(),
                    RowCount() - GridFooterRows());
}

int TCellGrid::MaxLeftCol() const { return maxFirst(m_cols, m_fixedCols, ClientWidth() - fixedColsExtent()); }

void TCellGrid::setLeftCol(int col) { changeTopLeft(col, TopRow()); }

void TCellGrid::setTopRow(int row) { changeTopLeft(LeftCol(), row); }

void TCellGrid::changeTopLeft(int leftCol, int topRow)
{
    leftCol = std::clamp(leftCol, m_fixedCols, std::max(m_fixedCols, ColCount() - 1));
    topRow = std::clamp(topRow, m_fixedRows, std::max(m_fixedRows, RowCount() - 1));
    // Rows kept out of the scrolled area are never scrolled to.
    if (GridFooterRows() > 0)
        topRow = std::min(topRow, std::max(m_fixedRows, MaxTopRow()));
    if (leftCol == LeftCol() && topRow == TopRow())
        return;
    // Rows only moving up or down are moved in the kept picture; just the
    // rows coming into view are painted.
    const int kept = std::max(topRow, TopRow());
    const int before = rowTop(kept);
    const bool vertical = leftCol == LeftCol();
    m_topLeft = {leftCol, topRow};
    syncScrollBars();
    placeEditor();
    if (!vertical || !scrollRetained(rowTop(kept) - before))
        InvalidateGrid();
    GridTopLeftChanged();
}

void TCellGrid::GridTopLeftChanged()
{
    if (OnTopLeftChanged)
        OnTopLeftChanged(this);
}

void TCellGrid::scrollIntoView(int col, int row)
{
    // The smallest scroll that shows the cell wholly (or from its start when
    // it is larger than the view).
    const auto first = [this](const TAxisSizes &axis, int index, int fixedCount, int current, int available) {
        if (index < fixedCount)
            return current;
        if (index < current)
            return index;
        int lo = current;
        int hi = index;
        const auto fits = [&](int f) {
            return axis.span(f, index + 1) + std::int64_t{index + 1 - f} * m_lineWidth <= available;
        };
        if (fits(current))
            return current;
        while (lo < hi) {
            const int mid = lo + (hi - lo) / 2;
            if (fits(mid))
                hi = mid;
            else
                lo = mid + 1;
        }
        return lo;
    };
    changeTopLeft(first(m_cols, col, m_fixedCols, LeftCol(), ClientWidth() - fixedColsExtent()),
                  first(m_rows, row, m_fixedRows, TopRow(), ClientHeight() - fixedRowsExtent()));
}

void TCellGrid::layoutScrollBars()
{
    const bool allowV = m_scrollBars == ssVertical || m_scrollBars == ssBoth;
    const bool allowH = m_scrollBars == ssHorizontal || m_scrollBars == ssBoth;
    const int barW = m_vertBar->sizeHint().width();
    const int barH = m_horzBar->sizeHint().height();
    bool showV = false;
    bool showH = false;
    for (int pass = 0; pass < 2; ++pass) {
        showV = allowV
                && maxFirst(m_rows, m_fixedRows, height() - (showH ? barH : 0) - fixedRowsExtent() - GridFooterHeight(),
                            RowCount() - GridFooterRows())
                       > m_fixedRows;
        showH = allowH && maxFirst(m_cols, m_fixedCols, width() - (showV ? barW : 0) - fixedColsExtent()) > m_fixedCols;
    }
    m_vertBar->setVisible(showV);
    m_horzBar->setVisible(showH);
    m_vertBar->setGeometry(width() - barW, 0, barW, height() - (showH ? barH : 0));
    m_horzBar->setGeometry(0, height() - barH, width() - (showV ? barW : 0), barH);
    const TGridCoord before = m_topLeft;
    clampCurrent();
    syncScrollBars();
    placeEditor();
    if (!(before == m_topLeft)) {
        InvalidateGrid();
        GridTopLeftChanged();
    }
}

void TCellGrid::syncScrollBars()
{
    m_syncingBars = true;
    const bool tracking = m_options.testFlag(goThumbTracking);
    m_vertBar->setRange(0, std::max(0, MaxTopRow() - m_fixedRows));
    m_vertBar->setPageStep(std::max(1, VisibleRowCount()));
    m_vertBar->setValue(TopRow() - m_fixedRows);
    m_vertBar->setTracking(tracking);
    m_horzBar->setRange(0, std::max(0, MaxLeftCol() - m_fixedCols));
    m_horzBar->setPageStep(std::max(1, VisibleColCount()));
    m_horzBar->setValue(LeftCol() - m_fixedCols);
    m_horzBar->setTracking(tracking);
    m_syncingBars = false;
    GridScrollBarsSynced();
}

// --- geometry -------------------------------------------------------------------

TRect TCellGrid::CellRect(int col, int row) const
{
    if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
        return {};
    if (col >= m_fixedCols && col < LeftCol())
        return {};
    if (row >= m_fixedRows && row < TopRow())
        return {};
    const int x = colLeft(col);
    const int y = rowTop(row);
    if (x >= ClientWidth() || y >= ClientHeight())
        return {};
    return platform::Bounds(x, y, m_cols.size(col), m_rows.size(row));
}

// The entry whose cell or following line holds pixel pos; -1 for none.
int TCellGrid::indexAtPixel(const TAxisSizes &axis, int fixedCount, int first, int pos) const
{
    const auto start = [&](int i) {
        return i < fixedCount ? axis.offset(i) + std::int64_t{i} * m_lineWidth
                              : axis.offset(fixedCount) + std::int64_t{fixedCount} * m_lineWidth + axis.span(first, i)
                                    + std::int64_t{i - first} * m_lineWidth;
    };
    if (pos < 0)
        return -1;
    const bool inFixed = pos < axis.offset(fixedCount) + std::int64_t{fixedCount} * m_lineWidth;
    int lo = inFixed ? 0 : first;
    int hi = inFixed ? fixedCount - 1 : axis.count() - 1;
    if (lo > hi || pos >= start(hi) + axis.size(hi) + m_lineWidth)
        return -1;
    while (lo < hi) {
        const int mid = lo + (hi - lo + 1) / 2;
        if (start(mid) <= pos)
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

TGridCoord TCellGrid::MouseCoord(int x, int y) const
{
    if (x >= ClientWidth() || y >= ClientHeight())
        return {-1, -1};
    const int col = indexAtPixel(m_cols, m_fixedCols, LeftCol(), x);
    const int row = indexAtPixel(m_rows, m_fixedRows, TopRow(), y);
    if (col < 0 || row < 0)
        return {-1, -1};
    return {col, row};
}

void TCellGrid::MouseToCell(int x, int y, int &col, int &row) const
{
    const TGridCoord c = MouseCoord(x, y);
    col = c.X;
    row = c.Y;
}

// --- repainting -------------------------------------------------------------------

void TCellGrid::requestRepaint(const QRect &rect)
{
    m_requested |= rect;
    update(rect);
}

bool TCellGrid::scrollRetained(int dy)
{
    if (!isVisible() || !GridCanScrollByBlit())
        return false;
    const int top = fixedRowsExtent();
    const QRect area(0, top, ClientWidth(), ClientHeight() - top);
    // A border ring's sides are the same all the way down and move with the
    // rows unharmed; only its bottom edge stays where it is.
    const int inset = GridBlitInset();
    const QRect moved = area & rect().adjusted(0, 0, 0, -inset);
    if (moved.isEmpty() || dy == 0 || std::abs(dy) >= moved.height())
        return false;
    m_retained.scroll(moved, dy);
    m_scrolledValid |= moved;
    // The shown pixels move too, so that only the rows that came in are
    // presented again; where Qt cannot move them it asks for the whole rect,
    // which the retained image still answers without painting the rows.
    m_requested |= area;
    scroll(0, dy, moved);
    // The edges left out of the move are painted again with the rows.
    requestRepaint(QRegion(area).subtracted(moved).boundingRect());
    return true;
}

void TCellGrid::invalidateRect(const TRect &rect)
{
    if (isVisible() && !platform::IsRectEmpty(rect)) {
        const QRect r = platform::toQRect(rect).adjusted(0, 0, m_lineWidth, m_lineWidth);
        m_scrolledValid -= r;
        requestRepaint(r);
    }
}

void TCellGrid::InvalidateCell(int col, int row)
{
    if (isVisible())
        invalidateRect(CellRect(col, row));
}

void TCellGrid::InvalidateRow(int row)
{
    if (!isVisible() || row < 0 || row >= RowCount())
        return;
    const QRect r(0, rowTop(row), width(), m_rows.size(row) + m_lineWidth);
    m_scrolledValid -= r;
    requestRepaint(r);
}

void TCellGrid::InvalidateCol(int col)
{
    if (!isVisible() || col < 0 || col >= ColCount())
        return;
    const QRect r(colLeft(col), 0, m_cols.size(col) + m_lineWidth, height());
    m_scrolledValid -= r;
    requestRepaint(r);
}

void TCellGrid::InvalidateGrid()
{
    if (isVisible()) {
        m_scrolledValid = QRegion();
        requestRepaint(rect());
    }
}

void TCellGrid::invalidateSelection(const TGridRect &rect)
{
    if (!isVisible())
        return;
    // The pixels along one axis that the index range covers on screen.
    const auto span = [this](int from, int to, int fixedCount, int first, auto startOf, auto sizeOf) {
        from = std::max(from, 0);
        int begin = from < fixedCount ? startOf(from) : startOf(std::max(from, first));
        if (to < first && to >= fixedCount)
            to = fixedCount - 1;
        if (to < from)
            return std::pair{0, 0};
        return std::pair{begin, startOf(to) + sizeOf(to) + m_lineWidth};
    };
    const auto [x0, x1] = span(rect.Left, std::min(rect.Right, ColCount() - 1), m_fixedCols, LeftCol(),
                               [this](int c) { return colLeft(c); }, [this](int c) { return m_cols.size(c); });
    const auto [y0, y1] = span(rect.Top, std::min(rect.Bottom, RowCount() - 1), m_fixedRows, TopRow(),
                               [this](int r) { return rowTop(r); }, [this](int r) { return m_rows.size(r); });
    if (x1 > x0 && y1 > y0) {
        const QRect r(x0, y0, x1 - x0, y1 - y0);
        m_scrolledValid -= r;
        requestRepaint(r);
    }
}

void TCellGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutScrollBars();
}

} // namespace controls
