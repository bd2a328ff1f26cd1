#pragma once
// The ring the tree draws around its header and rows: a band in the border
// colour, edged by a bevel on the sides the settings name.
#include "controls/vtree/widget/TreeLooks.h"

class QWidget;

namespace vtree {

struct TTreeBorder {
    int BorderWidth = 0;
    TBevelEdges BevelEdges = AllBevelEdges;
    TBevelCut BevelInner = TBevelCut::bvRaised;
    TBevelCut BevelOuter = TBevelCut::bvLowered;
    TBevelKind BevelKind = TBevelKind::bkNone;
    int BevelWidth = 1;
    bool Ctl3D = true;
    // Made when the ring first has a thickness.
    QWidget *Ring = nullptr;
};

} // namespace vtree
