#pragma once
// The entries of a column's filter drop-down: the distinct texts of the
// column, sorted without regard to case, a text with a blank shown as the
// text and filtered by the quoted text ("b c" becomes b c="b c"), and the
// clear entry ("(All)") first.
#include "controls/grid/model/core/CellSource.h"

#include <QString>
#include <QStringList>
#include <span>

namespace controls {

struct TColumnFilterSource {
    const ICellSource *cells = nullptr;
    int col = 0;
    int fromRow = 0; // display rows, inclusive
    int toRow = -1;
    // The column's texts of hidden rows, taken as they are (untrimmed).
    std::span<const QString> hiddenTexts;
    QString clearEntry; // empty: none
};

QStringList columnFilterList(const TColumnFilterSource &source);
// The entry a text stands as in the list.
QString columnFilterEntry(const QString &text);

} // namespace controls
