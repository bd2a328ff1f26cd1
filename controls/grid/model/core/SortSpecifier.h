#pragma once
// The sort settings in their string form, as layouts store them: "u3"
// (column 3 ascending), "d2" (column 2 descending), "i;u1;d4" (an index of
// columns 1 ascending and 4 descending). Reading never changes a grid: it
// says what to do, and the grid does it.
#include "controls/grid/base/IntList.h"

#include <QString>
#include <optional>
#include <variant>

namespace controls {

struct TSortSpecifierNone {}; // an empty text: nothing to do
struct TSortSpecifierTooShort {}; // "Invalid sort settings specifier"
struct TSortSpecifierColumn {
    bool Ascending = true;
    // The column, when the text after the direction reads as one.
    std::optional<int> Column;
};
struct TSortSpecifierIndexed {
    // Empty: "No indexes specified for indexed sort" when sorted by.
    TSortIndexList Indexes;
};
using TSortSpecifier =
    std::variant<TSortSpecifierNone, TSortSpecifierTooShort, TSortSpecifierColumn, TSortSpecifierIndexed>;

TSortSpecifier parseSortSpecifier(const QString &text);
QString sortSpecifierText(int column, bool ascending);
QString sortSpecifierText(const TSortIndexList &indexes);

// The two messages of the string form.
QString invalidSortSpecifierMessage();
QString noSortIndexesMessage();

} // namespace controls
