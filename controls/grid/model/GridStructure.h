#pragma once
// The private part of the string grid that its structure files share: the
// hidden rows with their cells, the hidden columns with their widths, the
// filter level and the remembered column order.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/ColumnOrder.h"
#include "controls/grid/model/core/HiddenColumns.h"
#include "controls/grid/model/core/HiddenRows.h"

namespace controls {

struct TGridStructure {
    THiddenRows<TRowCells> hiddenRows;
    THiddenColumns hiddenColumns;
    int filterLevel = 0;
    TColumnOrder columnOrder;
};

} // namespace controls
