// The form's scaling reaches the fonts the grid keeps beside its own.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/FontScale.h"

namespace controls {

void TExStringGrid::GridChangeScale(int M, int D)
{
    if (M == D || D == 0)
        return;
    ScaleFontSize(m_activeCellFont, M, D);
}

} // namespace controls
