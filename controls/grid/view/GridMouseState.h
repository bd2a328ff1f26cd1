#pragma once
// What a press leaves for the moves and the release, the hover-free part of
// the mouse-move state, and the grid's numbered timer. Only the mouse and
// wheel files include this.
#include "controls/grid/model/ExGrid.h"
#include "platform/NumberedTimers.h"

#include <memory>

namespace controls {

struct TGridMouse {
    bool DoOnClick = false;       // the release fires OnClick for fixed cells
    bool MouseDownMove = false;   // a button is held
    bool MouseKeepDown = false;
    bool SelectionClick = false;  // a press on a selected cell that may become a drag
    bool DeselectState = false;   // the release deselects the pressed row or column
    bool MouseDown = false;       // a disjunct press without Ctrl
    bool EditStart = false;       // the base press runs from the control-level press
    bool FixedCellPushed = false;
    platform::TRect PushedFixedCell{}; // drawn sunken while FixedCellPushed
    TGridCoord PushedCellButton{-1, -1};
    int ColClicked = -1;          // the cell 5 pixels left and 4 up of the press
    int RowClicked = -1;
    int ColClickedSize = 0;
    int RowClickedSize = 0;
    int ClickPosX = 0;
    int ClickPosY = 0;
    int ClickPosDX = 0;
    int ClickPosDY = 0;
    int MoveCell = -1;            // the header a move would drag
    int MoveOfsX = 0;
    int MoveOfsY = 0;
    int MoveColInd = -1;
    int MoveRowInd = -1;
    int MouseSelectStart = -1;
    int OldTopRow = 0;
    int OldKeepLeftCol = 0;
    TGridCoord PressCell{-1, -1};
    TExStringGrid::TMouseSelectMode SelectMode = TExStringGrid::msNormal;
    bool SizeFixed = false;       // the pointer is on a fixed column's right border
    bool SizeFixedR = false;
    bool LButFlg = false;         // the editor puts its caret at the press
    bool ColMoveFlg = false;
    bool ColSizeFlg = false;
    TGridRect SizeSelection{};
    // What the press on a header selects while the mouse drags on.
    TExStringGrid::TMouseSelectMode PressSelectMode = TExStringGrid::msNormal;
    bool MoveCanDrop = true; // the moved header may drop where it is
    TGridRect PressSelection{}; // the selection before the last press

    // Rows per wheel notch; a page when the system asks for one.
    int WheelScrl = 3;

    std::unique_ptr<platform::NumberedTimers> Timers;
    int TimerTicks = 0;
    bool GridBlink = false; // the phase of blinking text
};

} // namespace controls
