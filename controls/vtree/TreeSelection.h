#pragma once
// The selection and the focus. Selection.cpp keeps them, RememberedNodes.cpp
// forgets their nodes; everything else uses the tree's accessors.
#include "controls/vtree/LazyNode.h"
#include "controls/vtree/TreeTypes.h"

#include <vector>

namespace vtree {

struct TTreeSelection {
    // Sorted by address; entries removed during an update stay until packed.
    std::vector<PLazyNode> Selection;
    unsigned SelectionCount = 0;
    // Where a shift-selection extends from, and the level it keeps to.
    PLazyNode RangeAnchor = nullptr;
    int LastSelectionLevel = -1;
    PLazyNode FocusedNode = nullptr;
    TColumnIndex FocusedColumn = NoColumn;
    // The node a removal selects next.
    PLazyNode NextNodeToSelect = nullptr;
    PLazyNode LastSelected = nullptr;
};

} // namespace vtree
