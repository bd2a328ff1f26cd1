// Each tick of the grid's 500 ms timer: typed look-up text expires, the
// current cell follows a resting mouse (Hovering) and blinking text turns
// on and off.
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/GridMouseState.h"

#include <QApplication>
#include <QCursor>

#include <algorithm>

namespace controls {

bool TExStringGrid::GridBlink() const { return m_mouse && m_mouse->GridBlink; }

int TExStringGrid::TimerTicks() const { return m_mouse ? m_mouse->TimerTicks : 0; }

void TExStringGrid::GridTimer(int id)
{
    if (id != GridTimerID)
        return;
    TGridMouse &m = mouse();
    ++m.TimerTicks;
    if (m_navigation.AutoGotoIncremental) {
        // The look-up text lasts three ticks after the last key: 1.5 to 2 s.
        TGridSortFilter &sf = sortFilter();
        if (sf.lookupTics == 3) {
            sf.lookupText.clear();
            sf.lookupTics = 0;
        } else {
            ++sf.lookupTics;
        }
    }
    if (Appearance().Hovering)
        hoverToCell();
    if (EnableBlink) {
        m.GridBlink = !m.GridBlink;
        repaintBlinkingCells();
    }
}

void TExStringGrid::hoverToCell()
{
    const QPoint global = QCursor::pos();
    if (QApplication::widgetAt(global) != this)
        return;
    const QPoint p = mapFromGlobal(global);
    if (p.x() < 0 || p.y() < 0 || p.x() >= ClientWidth() || p.y() >= ClientHeight())
        return;
    int ACol = -1;
    int ARow = -1;
    MouseToCell(p.x(), p.y(), ACol, ARow);
    if (ACol < FixedCols() || ARow < FixedRows() || ACol >= ColCount() || ARow >= RowCount())
        return;
    setFocus(Qt::OtherFocusReason);
    setRow(ARow);
    setCol(ACol);
}

void TExStringGrid::repaintBlinkingCells()
{
    const auto blinks = [this](int realCol, int row) {
        return GetCellEx(realCol, row).contains(QLatin1String("<BLI"), Qt::CaseInsensitive);
    };
    const int lastRow = std::min(TopRow() + VisibleRowCount(), RowCount());
    const int lastCol = std::min(LeftCol() + VisibleColCount(), ColCount());
    // Scrolling cells: by real column, so that hidden columns count.
    const int realEnd = std::min(LeftCol() + VisibleColCount() + NumHiddenColumns(), ColCount() + NumHiddenColumns());
    for (int row = TopRow(); row < lastRow; ++row)
        for (int real = LeftCol(); real < realEnd; ++real)
            if (blinks(real, row) && DisplColIndex(real) >= 0)
                RepaintCell(DisplColIndex(real), row);
    for (int row = 0; row < std::min(FixedRows(), RowCount()); ++row)
        for (int col = LeftCol(); col < lastCol; ++col)
            if (blinks(RealColIndex(col), row))
                RepaintCell(col, row);
    for (int row = TopRow(); row < lastRow; ++row)
        for (int col = 0; col < std::min(FixedCols(), ColCount()); ++col)
            if (blinks(RealColIndex(col), row))
                RepaintCell(col, row);
}

} // namespace controls
