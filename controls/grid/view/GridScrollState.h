#pragma once
// What the string grid keeps for its scroll bar looks, scroll hints, drag
// scrolling, wheel-button panning and zoom. Only the files of those
// concerns include this.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridScrollTypes.h"

#include <QCursor>
#include <QPoint>
#include <QPointer>
#include <QTimer>
#include <QWidget>

#include <vector>

namespace controls {

class TScrollControl;
class TScrollHintWindow;
class TPanGlyph;

struct TGridScrolling {
    TScrollType ScrollType = ssNormal;
    platform::TColor ScrollColor = platform::clNone;
    int ScrollWidth = 17;
    bool ScrollProportional = false;
    bool ScrollLock = false; // zooming: the thumbs wait for the last size
    QPointer<TScrollControl> VertBar;
    QPointer<TScrollControl> HorzBar;

    QPointer<TScrollHintWindow> HintWnd;
    bool ScrollHintShow = false;

    TDragScrollOptions DragScrollOptions;
    // A child of the grid: no step can outlive it.
    QPointer<QTimer> DragTimer;
    TDragScrollDirection DragScrollDirection;

    bool Panning = false;
    QPoint PanAnchor;
    int PanCursorId = 8000;
    QPointer<QTimer> PanTimer;
    QPointer<TPanGlyph> PanGlyph;
    QCursor PrevCursor;
    bool PrevCursorSet = false;

    // The widths a resize scales from, and the grid's width then.
    std::vector<int> OrigColSizes;
    int OldSize = 0;
    bool FirstPainted = false;
};

// The bars' numbering of their messages (a thumb drag is 5, its end 4 then 8).
enum TScrollCode : int {
    SB_LINEUP = 0,
    SB_LINEDOWN = 1,
    SB_PAGEUP = 2,
    SB_PAGEDOWN = 3,
    SB_THUMBPOSITION = 4,
    SB_THUMBTRACK = 5,
    SB_TOP = 6,
    SB_BOTTOM = 7,
    SB_ENDSCROLL = 8,
};

} // namespace controls
