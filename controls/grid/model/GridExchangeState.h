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
class TDropTargetAdapter;

struct TGridExchange {
    QPoint clipTopLeft{0, 0}; // top-left of the last range copied from here
    TExStringGrid::TClipOperation clipLastOp = TExStringGrid::coCopy;
    bool pasteAll = false; // a whole-grid paste, not one at the selection
    bool mouseResize = false; // the resizer press copied; the release fills
    TGridRect dropSelection{-1, -1, -1, -1}; // the rows dragged out of here
    TDragDropSettings dragDrop;
    std::shared_ptr<TGridDropTarget> dropTarget; // shared: its type stays the view's
    QPointer<TDropTargetAdapter> dropAdapter;
    int oleDragCol = -1; // a list box column on its way in
    int oleDragIndex = -1;
    QPointer<QListWidget> oleDragList;
};

} // namespace controls
