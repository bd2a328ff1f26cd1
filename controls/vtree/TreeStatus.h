#pragma once
// The tree's states and where its content is scrolled to. Only TreeStatus.cpp
// sees them; everything else goes through the tree's accessors.
#include "controls/vtree/TreeStates.h"

namespace vtree {

struct TTreeStatus {
    TLazyTreeStates States;
    // 0 or less: the content's left and top edge lie that far beyond the
    // window's.
    int OffsetX = 0;
    int OffsetY = 0;
};

} // namespace vtree
