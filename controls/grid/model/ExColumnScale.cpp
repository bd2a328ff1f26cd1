// The column items' fonts scale with the form; what they print in does not.
#include "controls/grid/model/ExCGrid.h"
#include "controls/grid/model/FontScale.h"

namespace controls {

void TExColumnGrid::GridChangeScale(int M, int D)
{
    TExStringGrid::GridChangeScale(M, D);
    if (M == D || D == 0)
        return;
    const int count = std::min(ColCount(), Columns().Count());
    for (int i = 0; i < count; ++i) {
        TGridColumnItem *item = Columns().Items(i);
        ScaleFontSize(item->Font, M, D);
        ScaleFontSize(item->HeaderFont, M, D);
    }
}

} // namespace controls
