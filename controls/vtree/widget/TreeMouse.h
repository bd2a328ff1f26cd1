#pragma once
// What the tree keeps between mouse events: the hot node's column and
// button, a pressed node splitter, the rubber band, automatic scrolling and
// wheel panning with their timers, and the drag the tree is source or target
// of. Timers pace every repeated step; they go with the tree.
#include "controls/vtree/widget/DragImage.h"
#include "controls/vtree/widget/TreeMouseTypes.h"

#include <QElapsedTimer>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QTimer>

#include <memory>
#include <vector>

class QMimeData;
class QWidget;

namespace vtree {

class TBaseLazyTree;

struct TTreeMouseState {
    // Drops and every move reach the viewport; whether the tree takes a drop
    // is its option's say.
    explicit TTreeMouseState(QWidget *Viewport);

    TDragMode DragMode = TDragMode::dmManual;
    QPoint LastClickPos;
    TColumnIndex CurrentHotColumn = NoColumn;
    // The pointer is over the expand button of the hot node.
    bool HotNodeButtonHit = false;
    TColumnIndex HeightTrackColumn = NoColumn;
    QPoint HeightTrackPoint;
    TColumnIndex EditColumn = NoColumn;
    int DragThreshold = 0;
    // The column the header noted at mouse down, for its click event.
    TColumnIndex ClickColumn = NoColumn;

    // Rubber band: tree coordinates (client x plus the horizontal offset,
    // client y minus the vertical offset).
    TShiftState DrawSelShiftState;
    QRect LastSelRect;
    QRect NewSelRect;

    // Automatic scrolling and wheel panning (both step on ScrollTimer).
    TScrollDirections ScrollDirections;
    QPoint LastMousePos; // where the last move was: the timer's steps go on from there
    QElapsedTimer DragScrollStart; // invalid: no edge scrolling waits
    std::unique_ptr<QTimer> ScrollTimer;
    std::unique_ptr<QWidget> PanningWindow;
    QString PanningCursor; // the cursor resource in use while panning

    // Drag and drop.
    std::unique_ptr<QTimer> ExpandTimer;
    std::vector<PLazyNode> DragSelection;
    int LastDragEffect = DROPEFFECT_NONE;
    TDropMode LastDropMode = TDropMode::dmNowhere;
    bool IsDropTarget = false;
    const QMimeData *DropData = nullptr;       // the data of the drag over the tree
    QPointer<QObject> DropSource;              // the tree the drag over this one comes from
    TBaseLazyTree *DropSourceTree = nullptr;   // the same as a tree, while it drags
    TLTDragImage DragImage;
};

} // namespace vtree
