#pragma once
// What the header strip remembers between mouse events: the column being
// dragged and where it would drop, the press point, the painted glyph of each
// column (for check-box clicks), the header's images and menus, and the drag
// image.
#include "controls/vtree/TreeTypes.h"
#include "platform/draw/ImageList.h"

#include <QImage>
#include <QMenu>
#include <QPoint>
#include <QPointer>
#include <QRect>

#include <vector>

namespace vtree {


struct THeaderInteraction {
    TColumnIndex DragIndex = NoColumn;
    TColumnIndex DropTarget = NoColumn;
    bool DropBefore = false;
    // The press was on the pressed column's check box.
    bool CheckBoxHit = false;
    // Screen point of the press that may start a column drag.
    QPoint DragStart;
    // Where the drag image's picture is held, relative to its top-left.
    QPoint DragHotSpot;
    // Client point of a splitter press, and the tracked column's left edge.
    QPoint TrackStart;
    QPoint TrackPoint;
    bool WidthTracked = false;
    // Per column index: the glyph's rectangle as last painted, in header
    // coordinates (x not scrolled), empty without a glyph.
    std::vector<QRect> GlyphRects;
    platform::TImageList *Images = nullptr;
    QPointer<QMenu> PopupMenu;
    // The column menu of the last right click with hoAutoColumnPopupMenu.
    QPointer<QMenu> AutoMenu;
    QPointer<QWidget> DragImage;
};

} // namespace vtree
