#pragma once
// Nodes the window's parts remember (hot, drop target, last search hit,
// height tracking, edited). RememberedNodes.cpp keeps them and forgets every
// remembered node, of whichever concern, when its node goes.
#include "controls/vtree/LazyNode.h"

namespace vtree {

struct TTreeRememberedNodes {
    PLazyNode HotNode = nullptr;
    PLazyNode DropTargetNode = nullptr;
    PLazyNode LastDragTarget = nullptr;
    PLazyNode LastSearchNode = nullptr;
    PLazyNode HeightTrackNode = nullptr;
    PLazyNode EditNode = nullptr;
};

} // namespace vtree
