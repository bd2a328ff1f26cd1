#pragma once
// A check click or key waiting for its release, the check images' kind and
// how deep a check's propagation runs. Checks.cpp keeps them.
#include "controls/vtree/CheckStates.h"
#include "controls/vtree/LazyNode.h"

namespace vtree {

struct TTreePendingCheck {
    PLazyNode CheckNode = nullptr;
    TCheckState PendingCheckState = TCheckState::csUncheckedNormal;
    TCheckImageKind CheckImageKind = TCheckImageKind::ckSystemDefault;
    unsigned PropagationCount = 0;
};

} // namespace vtree
