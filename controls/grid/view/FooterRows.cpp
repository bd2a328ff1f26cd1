// The floating footer's row is the grid's last row, shown by the footer
// panel: it stays out of the scrolled area, so that the last data row ends
// above the panel and no empty strip of the hidden row shows.
#include "controls/grid/model/GridFind.h"
#include "controls/grid/view/FooterPanel.h"

namespace controls {

int TExStringGrid::GridFooterRows() const { return FHideLastRow && RowCount() - 1 > FixedRows() ? 1 : 0; }

int TExStringGrid::GridFooterHeight() const
{
    if (!m_find || !m_find->footerPanel || !m_find->floatingFooter.Visible())
        return 0;
    // The search panel, when shown, lies below the footer panel.
    return m_find->footerPanel->height() + SearchPanelHeight();
}

} // namespace controls
