#pragma once
// What the tree keeps for its animations: the timer-paced runner and the
// moving picture of a node that opens or closes.
#include "controls/vtree/widget/ToggleGeometry.h"
#include "controls/vtree/widget/TreeAnimation.h"

#include <QImage>
#include <QPointer>
#include <QWidget>

namespace vtree {

struct TTreeAnimationState {
    // Children of the tree: they go with it.
    QPointer<TTimedAnimation> Animation;
    QPointer<QWidget> ToggleOverlay;
    ToggleScrollData Toggle;
    QImage ToggleFrame;
};

} // namespace vtree
