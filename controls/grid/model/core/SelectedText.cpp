#include "controls/grid/model/core/SelectedText.h"

#include "controls/grid/base/LineBreaks.h"

namespace controls {

QString selectedText(const ICellSource &cells, std::span<const int> cols, std::span<const int> rows,
                     bool quoteMultiLine)
{
    QString text;
    bool firstRow = true;
    for (const int row : rows) {
        if (!firstRow)
            text += QStringLiteral("\r\n");
        firstRow = false;
        bool firstCol = true;
        for (const int col : cols) {
            if (!firstCol)
                text += u'\t';
            firstCol = false;
            QString cell = cells.cellText(col, row);
            if (quoteMultiLine && CountTextLines(cell, true) > 1)
                QuoteMultiLineText(cell);
            text += cell;
        }
    }
    return text;
}

} // namespace controls
