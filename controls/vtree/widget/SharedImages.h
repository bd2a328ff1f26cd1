#pragma once
// The images and cursors all trees share: the check image lists, one per kind, each of 25 images of
// 16 by 16 pixels: 0 blank; radio unchecked, radio checked, box unchecked,
// box checked, box mixed and push button, four looks each (normal, hot,
// pressed, disabled).
#include "controls/vtree/CheckStates.h"
#include "platform/draw/ImageList.h"

#include <QCursor>

namespace vtree {

// The list of a kind; nil for ckCustom.
platform::TImageList *CheckImagesOfKind(TCheckImageKind Kind);

// The tree's utility images: drop marks (0 left, 1 right), sort glyphs
// (2 descending, 3 ascending) and the push-button face (4).
platform::TImageList &UtilityImages();

// The cursors over a header splitter and over a node-height splitter.
const QCursor &HeaderSplitCursor();
const QCursor &VertSplitCursor();

} // namespace vtree
