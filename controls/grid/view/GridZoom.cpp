// Zoom: every column and row a few pixels larger or smaller and the fonts a
// few points, ten steps at most either way. The steps change the stored
// sizes themselves, so zooming back restores a size only where no step
// was refused.
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/GridScrollState.h"

#include "platform/ScopeGuard.h"

namespace controls {

int TExStringGrid::ZoomFactor() const { return Appearance().ZoomFactor; }

void TExStringGrid::Zoom(int Delta)
{
    const int zoom = ZoomFactor() + Delta;
    if (zoom < -10 || zoom > 10)
        return;
    TGridScrolling &s = scrolling();
    {
        // The thumbs are sized once, for the last size.
        s.ScrollLock = true;
        platform::Finally unlock([&s] { s.ScrollLock = false; });
        Appearance().ZoomFactor = zoom;
        for (int c = 0; c < ColCount(); ++c)
            if (ColWidths(c) > 0 && ColWidths(c) + Delta > 0)
                setColWidths(c, ColWidths(c) + Delta);
        for (int r = 0; r < RowCount(); ++r)
            if (RowHeights(r) > 0 && RowHeights(r) + Delta > 0)
                setRowHeights(r, RowHeights(r) + Delta);
    }
    if (s.ScrollProportional) {
        UpdateVertScrollProportion();
        UpdateHorzScrollProportion();
    }
    update();
}

} // namespace controls
