// The mouse on buttons and expand buttons in cells: a press pushes the
// button, the release lets it up and clicks only when it ends inside the
// button it pushed; the button under the mouse draws hot. Where a button
// sits is where painting last put it.
#include "controls/grid/view/CellObjectState.h"
#include "controls/grid/view/GridMouseState.h"

namespace controls {

using platform::TRect;

namespace {

bool hits(const TRect &r, int X, int Y) { return X >= r.Left && X < r.Right && Y >= r.Top && Y < r.Bottom; }

} // namespace

TGridCoord TExStringGrid::HoverButton() const { return cellObjects().HoverButton; }

// True on the rectangle of the button or expand button of the cell (display
// column) or of its merged area's base cell.
bool TExStringGrid::onCellButton(int X, int Y)
{
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 || ARow < 0)
        return false;
    const TGridCoord base = BaseCell(RealColIndex(ACol), ARow);
    const int col = DisplColIndex(base.X);
    return (HasButton(base.X, base.Y) && hits(GetCellButtonRect(col, base.Y), X, Y))
           || (HasExpand(base.X, base.Y) && hits(GetExpandButtonRect(col, base.Y), X, Y));
}

bool TExStringGrid::pressCellButton(int ACol, int ARow, int RealCol, int X, int Y)
{
    const bool button = HasButton(RealCol, ARow);
    if (!button && !HasExpand(RealCol, ARow))
        return false;
    HideEditor();
    if (!IsFixed(ACol, ARow)) {
        FForceSel = true;
        FocusCell(ACol, ARow);
        FForceSel = false;
    }
    const TRect r = button ? GetCellButtonRect(ACol, ARow) : GetExpandButtonRect(ACol, ARow);
    if (!hits(r, X, Y))
        return false; // beside the button the press goes on
    PushButton(ACol, ARow, true);
    mouse().PushedCellButton = {ACol, ARow};
    fireClickCell(OnClickCell, ARow, ACol);
    return true;
}

bool TExStringGrid::releaseCellButton(int X, int Y)
{
    TGridMouse &m = mouse();
    if (m.PushedCellButton.X != -1) {
        const TGridCoord pushed = m.PushedCellButton;
        m.PushedCellButton = {-1, -1};
        int ACol = -1;
        int ARow = -1;
        MouseToCell(X, Y, ACol, ARow);
        const bool onCell = ACol >= 0 && ARow >= 0;
        bool enabled = Options().testFlag(goEditing);
        if (onCell && !m_controlLook.NoDisabledButtonLook)
            enabled = IsEditableCell(RealColIndex(ACol), ARow);
        const bool pushedFixed = pushed.X < FixedCols() || pushed.Y < FixedRows();
        // A button never stays drawn down, clicked or not.
        if (!IsNode(pushed.Y))
            PushButton(pushed.X, pushed.Y, false);
        const int realCol = RealColIndex(pushed.X);
        if (onCell && (enabled || m_controlLook.NoDisabledButtonLook || pushedFixed)) {
            // Only the release inside the button that was pushed clicks it.
            if (HasButton(realCol, pushed.Y) && hits(GetCellButtonRect(pushed.X, pushed.Y), X, Y))
                DoButtonClick(pushed.X, pushed.Y);
            if (HasExpand(realCol, pushed.Y) && hits(GetExpandButtonRect(pushed.X, pushed.Y), X, Y))
                DoExpandClick(pushed.X, pushed.Y, ToggleExpand(realCol, pushed.Y));
        }
    }
    // A release on a button is the button's; a range being dragged still ends.
    return GridState() == gsNormal && onCellButton(X, Y);
}

void TExStringGrid::hoverCellObjects(int ACol, int ARow, int X, int Y)
{
    hoverInCellScrollBar(ACol, ARow);
    TCellObjectState &st = cellObjects();
    TGridCoord hot{-1, -1};
    if (ACol >= 0 && ARow >= 0 && onCellButton(X, Y)) {
        const TGridCoord base = BaseCell(RealColIndex(ACol), ARow);
        hot = {DisplColIndex(base.X), base.Y};
    }
    if (hot.X == st.HoverButton.X && hot.Y == st.HoverButton.Y)
        return;
    const TGridCoord old = st.HoverButton;
    st.HoverButton = hot;
    if (old.X >= 0)
        RepaintCell(old.X, old.Y);
    if (hot.X >= 0)
        RepaintCell(hot.X, hot.Y);
}

} // namespace controls
