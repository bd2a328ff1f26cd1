#pragma once
// A row tested against the grid's filter: a list of conditions, each on one
// column's text (or on the whole row), joined in order by their operation.
// The grid hands each condition the text it names; the matching is here.
#include "controls/grid/base/FormatSettings.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace controls {

enum TFilterCells : std::uint8_t { fcVirtual, fcNormal, fcStripHTML, fcCalculated, fcRow };
enum TFilterOperation : std::uint8_t { foSHORT, foNONE, foAND, foXOR, foOR };
enum TFilterMethod : std::uint8_t { fmExpression, fmLiteral };

struct TFilterData {
    int Column = 0; // a real column; grids have more than 32767 of them
    QString Condition;
    bool CaseSensitive = true;
    TFilterCells Data = fcVirtual;
    QString Prefix;
    QString Suffix;
    TFilterOperation Operation = foSHORT;
    TFilterMethod Method = fmExpression;
};

// Whether one condition holds for its text (untrimmed, as the grid gives
// it; wide-text cells are decoded here).
bool matchFilterItem(const TFilterData &item, const QString &text, const TFormatSettings &fs = formatSettings());

// Whether the row passes: textOf gives each condition the text its Data
// and Column name.
bool matchFilterRow(const std::vector<TFilterData> &items, const std::function<QString(const TFilterData &)> &textOf,
                    const TFormatSettings &fs = formatSettings());

// The condition that narrows the rows to those holding text: in the whole
// row (column -1) or in one column.
TFilterData narrowDownItem(const QString &text, int column, bool quoteBlanks);

} // namespace controls
