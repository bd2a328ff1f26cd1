// Calculations the grid leaves to its owner: a column's and a group's.
#include "controls/grid/model/ExGrid.h"

namespace controls {

double TExStringGrid::ColumnCustomCalc(int ACol, int FromRow, int ToRow)
{
    if (FromRow == -1 || ToRow == -1) {
        FromRow = FixedRows();
        ToRow = RowCount() - FixedFooters() - 1;
    }
    double res = 0;
    if (OnColumnCalc)
        OnColumnCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

double TExStringGrid::GroupCustomCalc(int ACol, int FromRow, int ToRow)
{
    double res = 0;
    if (OnGroupCalc)
        OnGroupCalc(this, ACol, FromRow, ToRow, res);
    return res;
}

} // namespace controls
