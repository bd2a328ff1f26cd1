#pragma once
// Column layouts as the grid keeps them outside itself, read and checked
// whole before the grid takes any of them: a layout that does not fit (a
// count, a number, a flag, an order that is no permutation) is refused
// with the message of its first fault, so that no half of it is applied
// and putting columns in order always ends.
//
// The column states string: "N#w0,...,wN-1#o0,...,oN-1#v0,...,vN-1", the
// column count, the widths by display position, the column order (the
// first number of the column at each position) and "1"/"0" visibility by
// real column.
#include <QString>

#include <optional>
#include <variant>
#include <vector>

namespace controls {

struct TColumnStates {
    int count = 0;
    std::vector<int> widths;
    std::vector<int> order; // empty: the columns stand in their own order
    std::vector<bool> visible;
};

// The most columns a stored layout may name, and the widest column.
constexpr int kStoredLayoutMaxCols = 4096;
constexpr int kStoredLayoutMaxWidth = 65535;

QString columnStatesToString(const TColumnStates &states);

// The layout, or the message of its first fault. A value without "#" is
// no layout at all: nothing, and no message.
struct TLayoutFault {
    QString message;
};
std::variant<std::monostate, TColumnStates, TLayoutFault> readColumnStates(const QString &value);

// Whether the entries are 0..count-1, each once.
bool isPermutationOf(const std::vector<int> &entries, int count);
// inverse[entries[i]] = i; entries must be a permutation.
std::vector<int> inversePermutation(const std::vector<int> &entries);

// An ordered list of stored integers ("Pos0", "Pos1", ... or "CP0"...)
// checked as a column order of count columns; the message of its first
// fault otherwise. values[i] is nothing when key i is missing.
std::variant<std::vector<int>, TLayoutFault> readStoredOrder(const std::vector<std::optional<QString>> &values,
                                                             int count);

} // namespace controls
