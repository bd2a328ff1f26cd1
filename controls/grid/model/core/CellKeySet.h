#pragma once
// A set of cells that remembers the order they were added in: the disjunct
// cell selection. Membership is a hash lookup; removal keeps the order.
#include "controls/grid/model/core/CellKey.h"

#include <span>
#include <unordered_set>
#include <vector>

namespace controls {

struct TCellPoint {
    int col = 0;
    int row = 0;
    friend bool operator==(const TCellPoint &, const TCellPoint &) = default;
};

class TCellKeySet {
public:
    int count() const { return static_cast<int>(m_order.size()); }
    bool contains(int col, int row) const { return m_members.contains(cellKey(col, row)); }
    // False when the cell was there already.
    bool add(int col, int row);
    // False when the cell was not there.
    bool remove(int col, int row);
    void clear();
    // The i-th cell added; (-1, -1) outside.
    TCellPoint at(int index) const;

    // Rows and columns came or went: the cells move with them, the cells of
    // removed lines leave the set.
    void insertRows(int at, int count);
    void removeRows(int at, int count);
    void insertCols(int at, int count);
    void removeCols(int at, int count);
    // Many rows at once: the rows at these indexes (ascending) went, or
    // new rows came in at these indexes of the grown grid (ascending).
    void removeRowList(std::span<const int> rows);
    void insertRowList(std::span<const int> rows);

private:
    template <class Remap>
    void remapAll(Remap remap);

    std::vector<TCellKey> m_order;
    std::unordered_set<TCellKey> m_members;
};

} // namespace controls
