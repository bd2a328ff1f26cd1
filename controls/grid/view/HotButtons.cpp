// The hot in-cell button is let go when the pointer leaves the grid.
#include "controls/grid/view/CellObjectState.h"
#include "controls/grid/view/GridMouseState.h"

namespace controls {

void TExStringGrid::clearHoverButton()
{
    TCellObjectState &st = cellObjects();
    if (st.HoverButton.X < 0)
        return;
    const TGridCoord before = st.HoverButton;
    st.HoverButton = {-1, -1};
    RepaintCell(before.X, before.Y);
}

} // namespace controls
