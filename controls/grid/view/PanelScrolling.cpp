// How the footer and search panels over the grid's bottom rows change
// moving and scrolling: the cell moved to, the keys at the end of the grid
// and the scroll bars keep the rows in view above the panels.
#include "controls/grid/model/GridFind.h"
#include "controls/grid/view/FooterPanel.h"
#include "controls/grid/view/SearchPanel.h"

#include <QScrollBar>

namespace controls {

using namespace platform;

namespace {

int rowBottomOf(int top, int height) { return top + height; }

} // namespace

bool TExStringGrid::footerPanelsAllowCell(int ACol, int ARow)
{
    if (ARow < 0 || ACol < 0 || !m_find)
        return true;
    const int searchHeight = SearchPanelHeight();
    if (m_find->floatingFooter.Visible()) {
        const TFloatingFooter &ff = m_find->floatingFooter;
        const int footerHeight = ff.Height() > 0 ? ff.Height() : DefaultRowHeight();
        const int b = searchHeight > 0 ? searchHeight + 2 : 0;
        const auto belowFooter = [&] {
            return ClientHeight() - footerHeight + 2 - b < rowBottomOf(rowTop(ARow), RowHeights(ARow));
        };
        if (ff.FooterStyle() == fsFixedLastRow) {
            if (ARow >= TopRow() + VisibleRowCount())
                setTopRow(ARow - VisibleRowCount() + FixedRows());
            if (belowFooter() && ARow < RowCount() - 1)
                setTopRow(TopRow() + 1);
            if (ARow == RowCount() - 1)
                return false;
        } else {
            UpdateFooter();
            if (belowFooter() && ARow < RowCount())
                setTopRow(TopRow() + 1);
        }
    }
    if (searchHeight > 0) {
        while (rowBottomOf(rowTop(ARow), RowHeights(ARow)) > ClientHeight() - searchHeight + 2
               && ARow <= RowCount() - 1 && TopRow() < RowCount() - 1) {
            const int before = TopRow();
            setTopRow(before + 1);
            if (TopRow() == before)
                break;
        }
    }
    return true;
}

bool TExStringGrid::refuseMoveOntoFooterRow(int FromIndex, int ToIndex)
{
    if (!m_find || !m_find->floatingFooter.ShowsLastRow() || ToIndex != RowCount() - 1 || FromIndex == ToIndex)
        return false;
    m_internalMove = true;
    TCellGrid::MoveRow(ToIndex, FromIndex);
    m_internalMove = false;
    return true;
}

bool TExStringGrid::searchPanelKeyStops(std::uint16_t Key)
{
    if (SearchPanelHeight() == 0 || TopRow() < RowCount() - VisibleRowCount())
        return false;
    const bool lastRow = Row() >= RowCount() - 1;
    if (Key == VK_DOWN && lastRow) {
        KeepLastRowAboveSearchPanel();
        return true;
    }
    if (Key == VK_RIGHT && lastRow && Col() + 1 == ColCount())
        return true;
    return Key == VK_LEFT && lastRow && Col() == FixedCols();
}

void TExStringGrid::searchPanelKeyDone(std::uint16_t Key, int T0)
{
    if (SearchPanelHeight() == 0)
        return;
    const bool moving = Key == VK_SHIFT || Key == VK_MENU || (Key >= VK_PRIOR && Key <= VK_DOWN);
    if (TopRow() >= RowCount() - VisibleRowCount() && !moving)
        setTopRow(T0);
    if ((Key == VK_NEXT || Key == VK_END || Key == VK_LEFT || Key == VK_RIGHT || Key == VK_DOWN)
        && Row() == RowCount() - 1)
        KeepLastRowAboveSearchPanel();
}

} // namespace controls
