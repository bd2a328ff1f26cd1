#pragma once
// The order the columns of a grid stood in when it was last remembered:
// position i holds the number of the column that stood at real position i
// then. It covers every real column, hidden ones included, and is kept a
// permutation of 0..count-1 through inserts, removals and moves, so that
// putting the columns back always ends.
#include <optional>
#include <utility>
#include <vector>

namespace controls {

class TColumnOrder {
public:
    bool empty() const { return m_entries.empty(); }
    int count() const { return static_cast<int>(m_entries.size()); }
    // 0, 1, ..., count - 1.
    void reset(int count);
    void clear() { m_entries.clear(); }
    // The entry at a position; -1 outside.
    int at(int position) const;
    // The first position holding column; -1 when none does.
    int positionOf(int column) const;

    // The column at real position from moved to real position to; ignored
    // unless both lie inside.
    void move(int from, int to);
    // New columns at real position at remember that position as their own;
    // removed ones leave the numbering without a gap.
    void insertCols(int at, int count);
    void removeCols(int at, int count);

    // Whether the entries are 0..count-1 in some order; a list read from a
    // stored layout may not be.
    bool isPermutation() const;
    // The moves (from, to) that put every column back at its remembered
    // position, applied one after another; none when the entries are no
    // permutation.
    std::optional<std::vector<std::pair<int, int>>> restoringMoves() const;

    // Replaces the entries as they are (a stored layout); no check.
    void assign(std::vector<int> entries) { m_entries = std::move(entries); }
    const std::vector<int> &entries() const { return m_entries; }

private:
    std::vector<int> m_entries;
};

// Where an index that follows a line (a sort column, the current column)
// goes when the line at from is taken out and put back at to.
constexpr int followMovedLine(int index, int from, int to)
{
    if (index == from)
        return to;
    if (from < to && index > from && index <= to)
        return index - 1;
    if (to < from && index >= to && index < from)
        return index + 1;
    return index;
}

} // namespace controls
