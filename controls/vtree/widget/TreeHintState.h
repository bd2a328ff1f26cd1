#pragma once
// What the tree keeps for its hints: whether they show, the last one's data
// and the area it stays valid in, and the window that shows it.
#include "controls/vtree/widget/HintWindow.h"
#include "platform/draw/Geometry.h"

#include <QPointer>

namespace vtree {

struct TTreeHintState {
    bool ShowHint = true;
    TLTHintData HintData;
    // Client area within which the shown hint stays valid.
    platform::TRect LastHintRect;
    QPointer<TLazyTreeHintWindow> HintWindow;
};

} // namespace vtree
