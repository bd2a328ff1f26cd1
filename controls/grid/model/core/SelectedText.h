#pragma once
// The text of a selection for the clipboard: the cells of a row joined by
// TAB, the rows by CR LF, nothing after the last row. A cell of several
// lines is quoted for spreadsheets when asked.
#include "controls/grid/model/core/CellSource.h"

#include <QString>
#include <span>

namespace controls {

QString selectedText(const ICellSource &cells, std::span<const int> cols, std::span<const int> rows,
                     bool quoteMultiLine);

} // namespace controls
