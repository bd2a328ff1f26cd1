// After column widths change: the stretch column is stretched again, and a
// column the mouse sized is reported (OnEndColumnSize, then
// OnUpdateColumnSize, whose width wins), scaling the others with
// AllColumnSize.
#include "controls/grid/view/GridMouseState.h"
#include "controls/grid/view/HeaderClickState.h"

#include "platform/ScopeGuard.h"

#include <cmath>

namespace controls {

void TExStringGrid::DoUpdateColumnSize(int ACol, int &AWidth)
{
    if (OnUpdateColumnSize)
        OnUpdateColumnSize(this, ACol, AWidth);
}

void TExStringGrid::GridColWidthsChanged()
{
    TGridHeaderClick &h = headerClick();
    // The widths set below come back here.
    if (h.isColChanging)
        return;
    h.isColChanging = true;
    platform::Finally done([&h] { h.isColChanging = false; });

    if (h.colChanged)
        ApplyOwnStretch();
    TGridMouse &m = mouse();
    const int sized = m.ColClicked;
    // A press on a border released without a move sized nothing.
    if (m.ColSizeFlg && sized >= 0 && sized < ColCount() && ColWidths(sized) == m.ColClickedSize)
        m.ColClicked = m.RowClicked = -1;
    if (m.ColSizeFlg && sized >= 0 && sized < ColCount() && ColWidths(sized) != m.ColClickedSize) {
        if (m_mouseActions.AllColumnSize && m.ColClickedSize > 0) {
            const double factor = double(ColWidths(sized)) / m.ColClickedSize;
            for (int c = FixedCols(); c < ColCount(); ++c)
                if (c != sized)
                    setColWidths(c, static_cast<int>(std::nearbyint(ColWidths(c) * factor)));
        }
        if (OnEndColumnSize)
            OnEndColumnSize(this, sized);
        int w = ColWidths(sized);
        DoUpdateColumnSize(sized, w);
        if (w != ColWidths(sized))
            setColWidths(sized, w);
        m.ColClicked = m.RowClicked = -1;
    }
    if (NumCellControls() > 0)
        CellControlsUpdate(false);
}

} // namespace controls
