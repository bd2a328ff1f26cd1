#pragma once
// The private part of the string grid that its selection files share: the
// disjunct row and column flags, the rows selected through RowSelect in
// order, the disjunct cells, and the modified and disabled rows. The per-row
// lists are indexed by display row and kept in step with every row insert,
// removal, move and hiding.
#include "controls/grid/model/core/CellKeySet.h"

#include <QRect>

#include <vector>

namespace controls {

struct TGridSelection {
    std::vector<char> rowSelect;
    std::vector<char> colSelect;
    std::vector<int> selectedRows;
    TCellKeySet selectedCells;
    std::vector<char> modifiedRows;
    std::vector<char> disabledRows;
    bool useEnabledRows = false;
    bool selHidden = false;
    int oldSelLeft = 0, oldSelTop = 0, oldSelRight = 0, oldSelBottom = 0;

    // Grows a flag list to hold index.
    static void reach(std::vector<char> &flags, int index)
    {
        if (index >= 0 && static_cast<std::size_t>(index) >= flags.size())
            flags.resize(static_cast<std::size_t>(index) + 1, 0);
    }
    static bool flag(const std::vector<char> &flags, int index)
    {
        return index >= 0 && static_cast<std::size_t>(index) < flags.size() && flags[static_cast<std::size_t>(index)];
    }
    static void insertAt(std::vector<char> &flags, int at, int count, char value = 0)
    {
        if (at < 0 || static_cast<std::size_t>(at) > flags.size() || count <= 0)
            return;
        flags.insert(flags.begin() + at, static_cast<std::size_t>(count), value);
    }
    static char removeAt(std::vector<char> &flags, int at)
    {
        if (at < 0 || static_cast<std::size_t>(at) >= flags.size())
            return 0;
        const char value = flags[static_cast<std::size_t>(at)];
        flags.erase(flags.begin() + at);
        return value;
    }
    static void move(std::vector<char> &flags, int from, int to)
    {
        const int reach = std::max(from, to);
        if (reach < 0)
            return;
        if (static_cast<std::size_t>(reach) >= flags.size())
            flags.resize(static_cast<std::size_t>(reach) + 1, 0);
        const char value = flags[static_cast<std::size_t>(from)];
        flags.erase(flags.begin() + from);
        flags.insert(flags.begin() + to, value);
    }
};

} // namespace controls
