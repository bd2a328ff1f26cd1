// Whether the string grid's rows may be moved on the screen when it scrolls
// instead of being painted again.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridAppearance.h"

namespace controls {

bool TExStringGrid::GridCanScrollByBlit()
{
    const TBackGround &back = Appearance().BackGround;
    const bool placedBackground =
        !back.Bitmap.isNull() || back.Display == bdGradientHorz || back.Display == bdGradientVert;
    return FFixedFooters == 0 && MergeCount() == 0 && FNumCellControls == 0 && !placedBackground;
}

} // namespace controls
