#pragma once
// What the tree keeps while a node is edited in place: the open editor and
// its column.
#include "controls/vtree/TreeEvents.h"

namespace vtree {

struct TTreeEditState {
    // The open editor; nil when none.
    platform::InterfaceRef<ILTEditLink> EditLink;
    TColumnIndex EditColumn = NoColumn;
};

} // namespace vtree
