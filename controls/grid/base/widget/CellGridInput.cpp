// The cell grid's input: keys that walk the current cell, the mouse that
// selects, sizes and moves columns and rows, the wheel, and the focus.
#include "controls/grid/base/widget/CellGrid.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>

#include <algorithm>

namespace controls {

using platform::TShiftState;

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

// --- focus ----------------------------------------------------------------------------------

// QWidget's own focus handlers repaint the whole widget; only the
// selection looks different with the focus, so only it is repainted (an
// editor taking the focus and giving it back would repaint every cell).
void TCellGrid::focusInEvent(QFocusEvent *event)
{
    event->accept();
    invalidateSelection(Selection());
    if (m_options.testFlag(goAlwaysShowEditor) && !m_editorMode)
        ShowEditor();
}

void TCellGrid::focusOutEvent(QFocusEvent *event)
{
    event->accept();
    invalidateSelection(Selection());
}

} // namespace controls
