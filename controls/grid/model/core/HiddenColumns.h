#pragma once
// The columns a grid hides: which real columns are hidden, the width each
// real column had when it was hidden (or was given while hidden), and the
// mapping between real and display columns. Sized to every column the grid
// has, with no upper bound; widths are ints.
#include "controls/grid/model/core/HiddenIndex.h"

#include <vector>

namespace controls {

class THiddenColumns {
public:
    // All columns, hidden ones included; new columns start shown with width 0.
    int allCount() const { return static_cast<int>(m_widths.size()); }
    void setAllCount(int count);
    int hiddenCount() const { return m_index.count(); }
    bool isHidden(int real) const { return m_index.isHidden(real); }

    int displOf(int real) const { return m_index.displOf(real); }
    int realOf(int displ) const { return m_index.realOf(displ); }

    // False for a column outside or hidden already; keeps its width.
    bool hide(int real, int width);
    // False for a column that is not hidden.
    bool show(int real);

    // The width kept for a column; 0 outside.
    int savedWidth(int real) const;
    void setSavedWidth(int real, int width);

    // Columns inserted or removed at real index at, or one moved: the flags
    // and widths go along.
    void insertCols(int at, int count);
    void removeCols(int at, int count);
    void moveCol(int from, int to);

    const THiddenIndex &index() const { return m_index; }

private:
    bool inside(int real) const { return real >= 0 && real < allCount(); }

    THiddenIndex m_index;
    std::vector<int> m_widths;
};

} // namespace controls
