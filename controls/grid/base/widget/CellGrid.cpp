#include "controls/grid/base/widget/CellGrid.h"

#include "platform/draw/WidgetPainting.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QScrollBar>
#include <QWheelEvent>

#include <algorithm>
#include <climits>

namespace controls {

using platform::TRect;
using platform::TShiftState;

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

bool isNavigationKey(std::uint16_t key)
{
    using namespace platform;
    return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
}

} // namespace

// --- in-place editor ----------------------------------------------------------

TInplaceEdit::TInplaceEdit(TCellGrid *grid) : QLineEdit(grid), m_grid(grid)
{
    setFrame(false);
    hide();
}

bool TInplaceEdit::event(QEvent *event)
{
    // Tab would leave for the next widget; with goTabs it moves to the next cell.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && m_grid->Options().testFlag(goTabs)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TInplaceEdit::keyPressEvent(QKeyEvent *event)
{
    const std::uint16_t key = platform::virtualKey(event->key());
    const TShiftState shift = platform::shiftState(event->modifiers());
    switch (key) {
    case platform::VK_ESCAPE:
        m_grid->HideEditor(true);
        m_grid->setFocus();
        return;
    case platform::VK_RETURN:
        m_grid->HideEditor(false);
        m_grid->setFocus();
        return;
    default:
        break;
    }
    if (isNavigationKey(key) || (key == platform::VK_TAB && m_grid->Options().testFlag(goTabs))) {
        // The cell is left: the text is stored and the grid walks on.
        m_grid->HideEditor(false);
        m_grid->setFocus();
        m_grid->KeyDown(key, shift);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

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

QSize TCellGrid::sizeHint() const
{
    const auto extent = [](const TAxisSizes &axis, int lineWidth) {
        return clampToInt(std::min<std::int64_t>(axis.total() + std::int64_t{axis.count()} * lineWidth, 800));
    };
    return {extent(m_cols, m_lineWidth), extent(m_rows, m_lineWidth)};
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
int TCellGrid::maxFirst(const TAxisSizes &axis, int fixedCount, int available) const
{
    const int count = axis.count();
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
    return std::max(1, fittingCount(m_rows, TopRow(), ClientHeight() - fixedRowsExtent()));
}

int TCellGrid::MaxTopRow() const { return maxFirst(m_rows, m_fixedRows, ClientHeight() - fixedRowsExtent()); }

int TCellGrid::MaxLeftCol() const { return maxFirst(m_cols, m_fixedCols, ClientWidth() - fixedColsExtent()); }

void TCellGrid::setLeftCol(int col) { changeTopLeft(col, TopRow()); }

void TCellGrid::setTopRow(int row) { changeTopLeft(LeftCol(), row); }

void TCellGrid::changeTopLeft(int leftCol, int topRow)
{
    leftCol = std::clamp(leftCol, m_fixedCols, std::max(m_fixedCols, ColCount() - 1));
    topRow = std::clamp(topRow, m_fixedRows, std::max(m_fixedRows, RowCount() - 1));
    if (leftCol == LeftCol() && topRow == TopRow())
        return;
    m_topLeft = {leftCol, topRow};
    syncScrollBars();
    placeEditor();
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
        showV = allowV && maxFirst(m_rows, m_fixedRows, height() - (showH ? barH : 0) - fixedRowsExtent()) > m_fixedRows;
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

void TCellGrid::invalidateRect(const TRect &rect)
{
    if (isVisible() && !platform::IsRectEmpty(rect))
        update(platform::toQRect(rect).adjusted(0, 0, m_lineWidth, m_lineWidth));
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
    update(0, rowTop(row), width(), m_rows.size(row) + m_lineWidth);
}

void TCellGrid::InvalidateCol(int col)
{
    if (!isVisible() || col < 0 || col >= ColCount())
        return;
    update(colLeft(col), 0, m_cols.size(col) + m_lineWidth, height());
}

void TCellGrid::InvalidateGrid()
{
    if (isVisible())
        update();
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
    if (x1 > x0 && y1 > y0)
        update(QRect(x0, y0, x1 - x0, y1 - y0));
}

// --- painting -------------------------------------------------------------------------

void TCellGrid::paintEvent(QPaintEvent *event)
{
    platform::paintRetained(*this, *event, m_retained, [this](platform::TCanvas &canvas) {
        m_canvas = &canvas;
        canvas.Font().Assign(m_font);
        PaintGrid();
        m_canvas = &m_idleCanvas;
    });
}

QImage TCellGrid::paintToImage()
{
    QImage image(size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        platform::TCanvas canvas(&image);
        m_canvas = &canvas;
        canvas.Font().Assign(m_font);
        PaintGrid();
        m_canvas = &m_idleCanvas;
    }
    return image;
}

void TCellGrid::PaintGrid()
{
    platform::TCanvas &canvas = Canvas();
    const TRect clip = canvas.ClipRect();
    const int clientW = ClientWidth();
    const int clientH = ClientHeight();
    const TGridRect selection = Selection();
    const bool focused = Focused();
    const bool drawFocusSelected = m_options.testFlag(goDrawFocusSelected);
    const auto visibleIndexes = [](int fixedCount, int first, int count, auto startOf, int limit) {
        std::vector<int> out;
        for (int i = 0; i < std::min(fixedCount, count); ++i)
            out.push_back(i);
        for (int i = first; i < count && startOf(i) < limit; ++i)
            out.push_back(i);
        return out;
    };
    const std::vector<int> cols =
        visibleIndexes(m_fixedCols, LeftCol(), ColCount(), [this](int c) { return colLeft(c); }, clientW);
    const std::vector<int> rows =
        visibleIndexes(m_fixedRows, TopRow(), RowCount(), [this](int r) { return rowTop(r); }, clientH);

    for (const int row : rows) {
        const int y = rowTop(row);
        const int h = m_rows.size(row);
        if (y >= clip.Bottom || y + h + m_lineWidth <= clip.Top)
            continue;
        for (const int col : cols) {
            const int x = colLeft(col);
            const int w = m_cols.size(col);
            if (x >= clip.Right || x + w + m_lineWidth <= clip.Left)
                continue;
            const bool fixed = col < m_fixedCols || row < m_fixedRows;
            const bool current = col == Col() && row == Row();
            TGridDrawState state;
            if (fixed)
                state |= gdFixed;
            else if (PointInGridRect(selection, col, row) && !(current && focused && !drawFocusSelected))
                state |= gdSelected;
            if (current && focused)
                state |= gdFocused;
            const TRect rect = platform::Bounds(x, y, w, h);
            DrawGridCell(col, row, rect, state);
            if (m_lineWidth > 0) {
                const bool vertical = m_options.testFlag(fixed ? goFixedVertLine : goVertLine);
                const bool horizontal = m_options.testFlag(fixed ? goFixedHorzLine : goHorzLine);
                const platform::TColor lineColor = fixed ? platform::clBlack : platform::clSilver;
                const platform::TColor plain = fixed ? m_fixedColor : m_color;
                canvas.FillColor(platform::Bounds(x + w, y, m_lineWidth, h + m_lineWidth),
                                 vertical ? lineColor : plain);
                canvas.FillColor(platform::Bounds(x, y + h, w, m_lineWidth), horizontal ? lineColor : plain);
            }
        }
    }
    // What lies beyond the last column and row shows the grid's colour.
    const int right = cols.empty() ? 0 : colLeft(cols.back()) + m_cols.size(cols.back()) + m_lineWidth;
    const int bottom = rows.empty() ? 0 : rowTop(rows.back()) + m_rows.size(rows.back()) + m_lineWidth;
    canvas.FillColor(platform::Rect(right, 0, clientW, clientH), m_color);
    canvas.FillColor(platform::Rect(0, bottom, std::min(right, clientW), clientH), m_color);
    // The corner between the two scroll bars.
    canvas.FillColor(platform::Rect(clientW, clientH, width(), height()), platform::clBtnFace);
}

void TCellGrid::DrawGridCell(int col, int row, const TRect &rect, TGridDrawState state)
{
    platform::TCanvas &canvas = Canvas();
    if (m_defaultDrawing) {
        const bool selected = state.testFlag(gdSelected);
        canvas.Brush().setColor(state.testFlag(gdFixed) ? m_fixedColor
                                : selected                ? platform::clHighlight
                                                          : m_color);
        canvas.Brush().setStyle(platform::TBrushStyle::bsSolid);
        canvas.Font().Assign(m_font);
        if (selected)
            canvas.Font().setColor(platform::clHighlightText);
        canvas.TextRect(rect, rect.Left + 2, rect.Top + 2, DefaultDrawText(col, row));
        if (state.testFlag(gdFocused) && !m_options.testFlag(goRowSelect))
            canvas.DrawFocusRect(rect);
    }
    if (OnDrawCell)
        OnDrawCell(this, col, row, rect, state);
}

// --- editor -----------------------------------------------------------------------------

void TCellGrid::setEditorMode(bool value)
{
    if (value)
        ShowEditor();
    else
        HideEditor();
}

bool TCellGrid::GridCanEditShow() { return m_options.testFlag(goEditing) && !m_options.testFlag(goRowSelect); }

TInplaceEdit *TCellGrid::GridCreateEditor() { return new TInplaceEdit(this); }

QString TCellGrid::GridGetEditText(int col, int row)
{
    QString text = GetGridCell(col, row);
    if (OnGetEditText)
        OnGetEditText(this, col, row, text);
    return text;
}

void TCellGrid::GridSetEditText(int col, int row, const QString &value)
{
    SetGridCell(col, row, value);
    if (OnSetEditText)
        OnSetEditText(this, col, row, value);
}

void TCellGrid::ShowEditor()
{
    if (RowCount() == 0 || ColCount() == 0 || !GridCanEditShow())
        return;
    if (m_editor == nullptr) {
        m_editor = GridCreateEditor();
        m_editor->setFont(m_font.qfont());
    }
    const QString text = GridGetEditText(Col(), Row());
    const int limit = GridGetEditLimit();
    m_editor->setMaxLength(limit > 0 ? limit : 32767);
    m_editor->setEditMask(GridGetEditMask(Col(), Row()));
    m_editor->setText(text);
    m_editor->setOriginalText(text);
    m_editorMode = true;
    placeEditor();
    m_editor->selectAll();
    if (hasFocus() || isActiveWindow())
        m_editor->setFocus();
}

void TCellGrid::HideEditor(bool cancel)
{
    if (!m_editorMode)
        return;
    m_editorMode = false;
    if (m_editor == nullptr)
        return;
    const bool hadFocus = m_editor->hasFocus();
    if (!cancel && m_editor->text() != m_editor->OriginalText())
        GridSetEditText(Col(), Row(), m_editor->text());
    m_editor->hide();
    if (hadFocus)
        setFocus();
    InvalidateCell(Col(), Row());
}

void TCellGrid::placeEditor()
{
    if (m_editor == nullptr)
        return;
    if (!m_editorMode) {
        m_editor->hide();
        return;
    }
    // A descendant's rectangle may stand for a cell out of view (a merged
    // area, a cell placed as if the grid were larger): only the cell's own
    // place in view says whether it shows.
    const QRect cell = platform::toQRect(CellRect(Col(), Row())).intersected(QRect(0, 0, ClientWidth(), ClientHeight()));
    if (cell.isEmpty() || platform::IsRectEmpty(TCellGrid::CellRect(Col(), Row()))) {
        m_editor->hide();
        return;
    }
    m_editor->setGeometry(cell);
    m_editor->show();
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

// --- keyboard ----------------------------------------------------------------------------

bool TCellGrid::event(QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && m_options.testFlag(goTabs)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QWidget::event(event);
}

void TCellGrid::keyPressEvent(QKeyEvent *event)
{
    const TShiftState shift = platform::shiftState(event->modifiers());
    if (const std::uint16_t key = platform::virtualKey(event->key()); key != 0)
        KeyDown(key, shift);
    const QString text = event->text();
    if (!text.isEmpty() && !(shift & (platform::ssCtrl | platform::ssAlt)))
        KeyPress(text.front());
}

void TCellGrid::KeyDown(std::uint16_t key, TShiftState shift) { GridKeyDown(key, shift); }

void TCellGrid::KeyPress(QChar key) { GridKeyPress(key); }

bool TCellGrid::keyTarget(std::uint16_t key, TShiftState shift, TGridCoord &target, bool &scrolled)
{
    using namespace platform;
    const bool ctrl = shift.testFlag(ssCtrl);
    const bool rowSelect = m_options.testFlag(goRowSelect);
    target = m_current;
    scrolled = false;
    const int pageRows = std::max(1, VisibleRowCount());
    const int pageCols = std::max(1, VisibleColCount());
    switch (key) {
    case VK_UP:
        --target.Y;
        return true;
    case VK_DOWN:
        ++target.Y;
        return true;
    case VK_LEFT:
    case VK_RIGHT: {
        const int sign = key == VK_LEFT ? -1 : 1;
        if (rowSelect) {
            changeTopLeft(LeftCol() + sign * (ctrl ? pageCols : 1), TopRow());
            scrolled = true;
            return true;
        }
        if (ctrl) {
            changeTopLeft(LeftCol() + sign * pageCols, TopRow());
            target.X += sign * pageCols;
        } else {
            target.X += sign;
        }
        return true;
    }
    case VK_PRIOR:
    case VK_NEXT: {
        const int sign = key == VK_PRIOR ? -1 : 1;
        if (ctrl) {
            target.Y = sign < 0 ? TopRow() : TopRow() + pageRows - 1;
            return true;
        }
        changeTopLeft(LeftCol(), std::min(TopRow() + sign * pageRows, std::max(m_fixedRows, MaxTopRow())));
        target.Y += sign * pageRows;
        return true;
    }
    case VK_HOME:
        if (ctrl || rowSelect)
            target.Y = m_fixedRows;
        if (!rowSelect || ctrl)
            target.X = m_fixedCols;
        return true;
    case VK_END:
        if (ctrl || rowSelect)
            target.Y = RowCount() - 1;
        if (!rowSelect || ctrl)
            target.X = ColCount() - 1;
        return true;
    case VK_TAB: {
        if (!m_options.testFlag(goTabs))
            return false;
        const bool back = shift.testFlag(ssShift);
        if (rowSelect) {
            target.Y += back ? -1 : 1;
            return true;
        }
        // Along the row, then on to the next (previous) row; the first and
        // the last cell are the ends.
        if (back) {
            if (target.X > m_fixedCols)
                --target.X;
            else if (target.Y > m_fixedRows)
                target = {ColCount() - 1, target.Y - 1};
        } else {
            if (target.X < ColCount() - 1)
                ++target.X;
            else if (target.Y < RowCount() - 1)
                target = {m_fixedCols, target.Y + 1};
        }
        return true;
    }
    default:
        return false;
    }
}

void TCellGrid::GridKeyDown(std::uint16_t &key, TShiftState shift)
{
    if (OnKeyDown)
        OnKeyDown(this, key, shift);
    if (key == 0)
        return;
    if ((key == platform::VK_RETURN || key == platform::VK_F2) && !m_editorMode) {
        ShowEditor();
        return;
    }
    TGridCoord target;
    bool scrolled = false;
    if (!keyTarget(key, shift, target, scrolled) || scrolled)
        return;
    const bool extend = shift.testFlag(platform::ssShift) && key != platform::VK_TAB
                        && m_options.testFlag(goRangeSelect) && !m_options.testFlag(goRowSelect);
    MoveColRow(target.X, target.Y, !extend, true);
}

void TCellGrid::GridKeyPress(QChar &key)
{
    if (OnKeyPress)
        OnKeyPress(this, key);
    if (key.isNull() || !key.isPrint() || m_editorMode)
        return;
    ShowEditor();
    if (m_editorMode && m_editor != nullptr) {
        m_editor->setText(QString(key));
        m_editor->end(false);
    }
}

// --- mouse ----------------------------------------------------------------------------------

void TCellGrid::mousePressEvent(QMouseEvent *event)
{
    if (focusPolicy() != Qt::NoFocus && !m_editorMode)
        setFocus(Qt::MouseFocusReason);
    TShiftState shift = platform::shiftState(event->modifiers(), event->buttons());
    if (event->type() == QEvent::MouseButtonDblClick)
        shift |= platform::ssDouble;
    const QPoint p = event->position().toPoint();
    GridMouseDown(platform::mouseButton(event->button()), shift, p.x(), p.y());
}

void TCellGrid::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    GridMouseMove(platform::shiftState(event->modifiers(), event->buttons()), p.x(), p.y());
}

void TCellGrid::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    GridMouseUp(platform::mouseButton(event->button()), platform::shiftState(event->modifiers(), event->buttons()),
                p.x(), p.y());
}

void TCellGrid::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    if (delta == 0)
        return;
    const TShiftState shift = platform::shiftState(event->modifiers(), event->buttons());
    const QPoint p = event->position().toPoint();
    const bool handled = delta < 0 ? GridWheelDown(shift, p) : GridWheelUp(shift, p);
    event->setAccepted(handled);
}

bool TCellGrid::GridWheelDown(TShiftState shift, QPoint pos)
{
    MoveColRow(Col(), Row() + 1, true, true);
    return true;
}

bool TCellGrid::GridWheelUp(TShiftState shift, QPoint pos)
{
    MoveColRow(Col(), Row() - 1, true, true);
    return true;
}

void TCellGrid::GridCalcSizingState(int x, int y, TGridState &state, int &index, int &sizingPos, int &sizingOfs)
{
    state = gsNormal;
    index = -1;
    // The line after entry i lies at [far, far + LineWidth); the zone reaches
    // SizingZone pixels beyond it on both sides.
    const auto near = [this](int pos, int i, auto startOf, const TAxisSizes &axis) {
        const int far = startOf(i) + axis.size(i);
        return pos >= far - SizingZone && pos < far + m_lineWidth + SizingZone;
    };
    if (m_options.testFlag(goColSizing) && y >= 0 && y < fixedRowsExtent()) {
        const int hit = indexAtPixel(m_cols, m_fixedCols, LeftCol(), x);
        const auto startOf = [this](int c) { return colLeft(c); };
        for (const int c : {hit, hit - 1, hit < 0 ? ColCount() - 1 : -1}) {
            if (c >= 0 && c < ColCount() && (c < m_fixedCols || c >= LeftCol()) && near(x, c, startOf, m_cols)) {
                state = gsColSizing;
                index = c;
                sizingPos = colLeft(c) + m_cols.size(c);
                sizingOfs = x - sizingPos;
                return;
            }
        }
    }
    if (m_options.testFlag(goRowSizing) && x >= 0 && x < fixedColsExtent()) {
        const int hit = indexAtPixel(m_rows, m_fixedRows, TopRow(), y);
        const auto startOf = [this](int r) { return rowTop(r); };
        for (const int r : {hit, hit - 1, hit < 0 ? RowCount() - 1 : -1}) {
            if (r >= 0 && r < RowCount() && (r < m_fixedRows || r >= TopRow()) && near(y, r, startOf, m_rows)) {
                state = gsRowSizing;
                index = r;
                sizingPos = rowTop(r) + m_rows.size(r);
                sizingOfs = y - sizingPos;
                return;
            }
        }
    }
}

void TCellGrid::GridMouseDown(platform::TMouseButton button, TShiftState shift, int x, int y)
{
    if (button != platform::mbLeft)
        return;
    HideEditor();
    TGridState state = gsNormal;
    int index = -1;
    int pos = 0;
    int ofs = 0;
    GridCalcSizingState(x, y, state, index, pos, ofs);
    if (state == gsColSizing || state == gsRowSizing) {
        m_state = state;
        m_sizingIndex = index;
        m_sizingPos = pos;
        m_sizingOfs = ofs;
        return;
    }
    const TGridCoord cell = MouseCoord(x, y);
    if (cell.X < 0)
        return;
    if (cell.Y < m_fixedRows && cell.X >= m_fixedCols && m_options.testFlag(goColMoving)) {
        m_state = gsColMoving;
        m_moveFrom = m_moveTo = cell.X;
        return;
    }
    if (cell.X < m_fixedCols && cell.Y >= m_fixedRows && m_options.testFlag(goRowMoving)) {
        m_state = gsRowMoving;
        m_moveFrom = m_moveTo = cell.Y;
        return;
    }
    if (cell.X < m_fixedCols || cell.Y < m_fixedRows)
        return;
    const bool range = m_options.testFlag(goRangeSelect) && !m_options.testFlag(goRowSelect);
    const bool extend = range && shift.testFlag(platform::ssShift);
    MoveColRow(cell.X, cell.Y, !extend, true);
    if (shift.testFlag(platform::ssDouble)) {
        ShowEditor();
        return;
    }
    if (range)
        m_state = gsSelecting;
}

void TCellGrid::GridMouseMove(TShiftState shift, int x, int y)
{
    switch (m_state) {
    case gsColSizing:
        m_cols.setSize(m_sizingIndex, x - m_sizingOfs - colLeft(m_sizingIndex));
        layoutScrollBars();
        InvalidateGrid();
        return;
    case gsRowSizing:
        m_rows.setSize(m_sizingIndex, y - m_sizingOfs - rowTop(m_sizingIndex));
        layoutScrollBars();
        InvalidateGrid();
        return;
    case gsColMoving: {
        const int col = indexAtPixel(m_cols, m_fixedCols, LeftCol(), std::clamp(x, 0, ClientWidth() - 1));
        if (col >= m_fixedCols)
            m_moveTo = col;
        return;
    }
    case gsRowMoving: {
        const int row = indexAtPixel(m_rows, m_fixedRows, TopRow(), std::clamp(y, 0, ClientHeight() - 1));
        if (row >= m_fixedRows)
            m_moveTo = row;
        return;
    }
    case gsSelecting: {
        // Past an edge the selection grows by one cell, scrolling with it.
        const auto target = [this](int pos, int limit, int fixedExtent, int current, int first, int visible,
                                   const TAxisSizes &axis, int fixedCount) {
            if (pos >= limit)
                return first + visible;
            if (pos < fixedExtent)
                return first > fixedCount ? first - 1 : current;
            const int i = indexAtPixel(axis, fixedCount, first, pos);
            return i < 0 ? axis.count() - 1 : i;
        };
        const int col = target(x, ClientWidth(), fixedColsExtent(), Col(), LeftCol(), VisibleColCount(), m_cols,
                               m_fixedCols);
        const int row = target(y, ClientHeight(), fixedRowsExtent(), Row(), TopRow(), VisibleRowCount(), m_rows,
                               m_fixedRows);
        MoveColRow(col, row, false, true);
        return;
    }
    default: {
        TGridState state = gsNormal;
        int index = -1;
        int pos = 0;
        int ofs = 0;
        GridCalcSizingState(x, y, state, index, pos, ofs);
        setCursor(state == gsColSizing   ? Qt::SplitHCursor
                  : state == gsRowSizing ? Qt::SplitVCursor
                                         : Qt::ArrowCursor);
        return;
    }
    }
}

void TCellGrid::GridMouseUp(platform::TMouseButton button, TShiftState shift, int x, int y)
{
    if (button != platform::mbLeft)
        return;
    finishMouseState(x, y);
}

void TCellGrid::finishMouseState(int x, int y)
{
    const TGridState state = m_state;
    m_state = gsNormal;
    switch (state) {
    case gsColSizing:
        GridColWidthsChanged();
        break;
    case gsRowSizing:
        GridRowHeightsChanged();
        break;
    case gsColMoving:
        MoveColumn(m_moveFrom, m_moveTo);
        break;
    case gsRowMoving:
        MoveRow(m_moveFrom, m_moveTo);
        break;
    default:
        break;
    }
}

// --- focus and size ---------------------------------------------------------------------------

void TCellGrid::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    invalidateSelection(Selection());
    if (m_options.testFlag(goAlwaysShowEditor) && !m_editorMode)
        ShowEditor();
}

void TCellGrid::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    invalidateSelection(Selection());
}

void TCellGrid::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layoutScrollBars();
}

} // namespace controls
