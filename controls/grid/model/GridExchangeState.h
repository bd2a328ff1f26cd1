#pragma once
// What the clipboard, the drags and drops and the stored layouts keep
// between calls. Only their files include this.
#include "controls/grid/model/DragDropSettings.h"
#include "controls/grid/model/ExGrid.h"

#include <QPointer>

#include <memory>

class QListWidget;

namespace controls {

class TGridDropTarget;

struct TGridExchange {
    QPoint clipTopLeft{0, 0}; // top-left of the last range copied from here
    TExStringGrid::TClipOperation clipLastOp = TExStringGrid::coCopy;
    bool pasteAll = false; // a whole-grid paste, not one at the selection
    bool mouseResize = false;
    bool sizesLoaded = false; // the first show loaded the stored widths // the resizer press copied; the release fills
    TGridRect dropSelection{-1, -1, -1, -1}; // the cells dragged out of here
    bool dragging = false; // a drag from this grid runs
    bool dropInsideDrag = false; // it was dropped into its own block
    TGridRect droppedHere{-1, -1, -1, -1}; // where it landed in this grid
    TDragDropSettings dragDrop;
    std::shared_ptr<TGridDropTarget> dropTarget; // shared: its type stays the view's
    QPointer<QObject> dropAdapter; // the widget's drop registration
    QPointer<QWidget> moveButton; // the floating header of a move
    std::shared_ptr<struct TMoveArrows> moveArrows; // where a moved header drops
    std::unique_ptr<QWidget> moveForm; // the dragged cells' picture
    int oleDragCol = -1; // a list box column on its way in
    int oleDragIndex = -1;
    QPointer<QListWidget> oleDragList;
};

// The floating header and the arrows of a row or column move hidden.
void hideMoveFeedback(TGridExchange &x);

} // namespace controls
