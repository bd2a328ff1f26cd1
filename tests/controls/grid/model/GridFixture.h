#pragma once
// A string grid with numbered texts: cell (c, r) holds "c:r".
#include "controls/grid/model/ExGrid.h"

#include <QString>

namespace stringgridtest {

inline QString label(int col, int row) { return QStringLiteral("%1:%2").arg(col).arg(row); }

inline void fillLabels(controls::TExStringGrid &grid)
{
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.TotalColCount(); ++c)
            grid.setCells(c, r, label(c, r));
}

} // namespace stringgridtest
