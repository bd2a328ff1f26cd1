// In-cell push and expand buttons under the mouse: where painting put them,
// and the one the pointer rests on, which draws hot until the pointer
// leaves it.
#include "controls/grid/view/GridMouseState.h"

#include <cmath>
#include <cstdint>

namespace controls {

using platform::TRect;

bool TExStringGrid::HasButton(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctButton, ctBitButton}); }

bool TExStringGrid::HasExpand(int ACol, int ARow) { return CellTypeInSet(ACol, ARow, {ctExpand}); }

TRect TExStringGrid::GetCellButtonRect(int ACol, int ARow)
{
    const TCellGraphic *g = graphicOf(RealColIndex(ACol), ARow);
    if (g == nullptr)
        return {};
    const TRect cell = CellRect(ACol, ARow);
    // Painting keeps the offset in the cell as (y << 16) | x.
    const auto place = std::uint32_t(std::llround(g->FCellValue));
    const auto size = std::uint32_t(g->FCellIndex);
    TRect r;
    r.Left = cell.Left + int(place & 0xFFFF);
    r.Top = cell.Top + int(place >> 16);
    r.Right = r.Left + int(size & 0xFFFF);
    r.Bottom = r.Top + int(size >> 16);
    if (g->FCellVAlign == vaFull) {
        r.Top = cell.Top;
        r.Bottom = cell.Bottom;
    }
    if (g->FCellHAlign == haFull) {
        r.Left = cell.Left;
        r.Right = cell.Right;
    }
    return r;
}

TRect TExStringGrid::GetExpandButtonRect(int ACol, int ARow)
{
    if (GetCellType(RealColIndex(ACol), ARow) != ctExpand)
        return {};
    const TRect cell = CellRect(ACol, ARow);
    return platform::Rect(cell.Right - 13, cell.Top + 2, cell.Right - 2, cell.Top + 13);
}

TGridCoord TExStringGrid::HoverButton() const { return m_mouse ? m_mouse->HoverButton : TGridCoord{-1, -1}; }

void TExStringGrid::trackHoverButton(int ACol, int ARow, int X, int Y)
{
    TGridMouse &m = mouse();
    bool over = false;
    if (ACol >= 0 && ARow >= 0) {
        const int realCol = RealColIndex(ACol);
        const auto inside = [X, Y](const TRect &r) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; };
        over = (HasButton(realCol, ARow) && inside(GetCellButtonRect(ACol, ARow)))
               || (HasExpand(realCol, ARow) && inside(GetExpandButtonRect(ACol, ARow)));
    }
    const TGridCoord now = over ? TGridCoord{ACol, ARow} : TGridCoord{-1, -1};
    if (now == m.HoverButton)
        return;
    const TGridCoord before = m.HoverButton;
    m.HoverButton = now;
    if (before.X >= 0)
        RepaintCell(before.X, before.Y);
    if (now.X >= 0)
        RepaintCell(now.X, now.Y);
}

void TExStringGrid::clearHoverButton()
{
    if (!m_mouse || m_mouse->HoverButton.X < 0)
        return;
    const TGridCoord before = m_mouse->HoverButton;
    m_mouse->HoverButton = {-1, -1};
    RepaintCell(before.X, before.Y);
}

} // namespace controls
