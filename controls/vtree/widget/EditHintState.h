#pragma once
// What the tree keeps for in-place editing, its hints and its animations.
#include "controls/vtree/TreeEvents.h"
#include "controls/vtree/widget/HintWindow.h"
#include "controls/vtree/widget/ToggleGeometry.h"
#include "controls/vtree/widget/TreeAnimation.h"
#include "platform/draw/Geometry.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace vtree {

struct TEditHintState {
    // The open editor; nil when none.
    platform::InterfaceRef<ILTEditLink> EditLink;
    TColumnIndex EditColumn = NoColumn;
    bool ShowHint = true;
    TLTHintData HintData;
    // Client area within which the shown hint stays valid.
    platform::TRect LastHintRect;
    QPointer<TLazyTreeHintWindow> HintWindow;
    // Children of the tree: they go with it.
    QPointer<TTimedAnimation> Animation;
    QPointer<QWidget> ToggleOverlay;
    ToggleScrollData Toggle;
    QImage ToggleFrame;
};

} // namespace vtree
