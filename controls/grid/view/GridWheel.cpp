// The mouse wheel, and the grid's numbered timer that starts with its
// window. A wheel event reaches the grid's parent first: a parent that wants
// it installs an event filter on the grid and keeps it.
#include "controls/grid/view/GridMouseState.h"

#include "platform/HandlerGuard.h"

#include <QWheelEvent>

#include <algorithm>
#include <cmath>

namespace controls {

using platform::TShiftState;

namespace {

bool sameRect(const TGridRect &a, const TGridRect &b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

} // namespace

int TExStringGrid::WheelScrollLines() const { return mouse().WheelScrl; }

void TExStringGrid::setWheelScrollLines(int lines) { mouse().WheelScrl = std::max(lines, 1); }

platform::NumberedTimers &TExStringGrid::GridTimers()
{
    TGridMouse &m = mouse();
    if (!m.Timers)
        setGridTimers(std::make_unique<platform::QtNumberedTimers>());
    return *m.Timers;
}

void TExStringGrid::setGridTimers(std::unique_ptr<platform::NumberedTimers> timers)
{
    TGridMouse &m = mouse();
    m.Timers = std::move(timers);
    if (m.Timers)
        m.Timers->setHandler([this](int id) { platform::guarded([&] { GridTimer(id); }); });
}

void TExStringGrid::showEvent(QShowEvent *event)
{
    TBaseGrid::showEvent(event);
    TGridMouse &m = mouse();
    if (!m.Timers || !m.Timers->isTimerSet(GridTimerID))
        GridTimers().setTimer(GridTimerID, std::chrono::milliseconds(500));
    loadColSizesOnce();
}

void TExStringGrid::wheelEvent(QWheelEvent *event)
{
    const int delta = event->angleDelta().y();
    // The grid keeps every wheel event: none goes on to the parent.
    event->accept();
    if (delta == 0)
        return;
    const TShiftState shift = platform::shiftState(event->modifiers(), event->buttons());
    const QPoint pos = event->position().toPoint();
    platform::guarded([&] { wheelMessage(delta < 0, shift, pos); });
}

bool TExStringGrid::wheelMessage(bool Down, TShiftState Shift, QPoint MousePos)
{
    const TGridRect entry = Selection();
    if (Shift.testFlag(platform::ssCtrl) && IntelliZoom) {
        Zoom(Down ? mouse().WheelScrl : -mouse().WheelScrl);
        AutoSizeCells(true, 4, 4);
        return false;
    }
    if (!EnableWheel || (FFixedRowAlways && RowCount() == 1))
        return false;
    const bool move = m_mouseActions.WheelAction() == TWheelAction::waMoveSelection;
    int step = m_mouseActions.WheelIncrement > 0 ? m_mouseActions.WheelIncrement : mouse().WheelScrl;
    int target = Row();
    if (!move) {
        if (Down) {
            if (TopRow() < RowCount() - VisibleRowCount() && TopRow() + step >= FixedRows())
                setTopRow(TopRow() + step);
        } else {
            if (TopRow() - step < FixedRows())
                step = TopRow() - FixedRows();
            if (TopRow() > FixedRows() && TopRow() - step >= FixedRows())
                setTopRow(TopRow() - step);
        }
    } else {
        target = Down ? Row() + step : Row() - step;
    }
    // The footer rows are never reached.
    target = std::clamp(target, FixedRows(), std::max(FixedRows(), RowCount() - FFixedFooters - 1));
    if (Col() > ColCount() - 1 && Row() > RowCount() - 1)
        FocusCell(ColCount() - 1, RowCount() - 1);
    if (Col() < FixedCols() && FixedCols() < ColCount())
        setCol(FixedCols());

    int rowDelta = 0;
    if (target >= 0 && target < RowCount()) {
        const int leftCol = LeftCol();
        StartUpdate();
        if (m_mouseActions.DisjunctRowSelect() && move)
            ClearRowSelect();
        rowDelta = target - Row();
        if (move && target != Row()) {
            setRow(target);
            // A refused row: half the way, the view one row up.
            if (Row() != target) {
                setRow(Row() + static_cast<int>(std::nearbyint((target - Row()) / 2.0)));
                if (TopRow() > FixedRows())
                    setTopRow(TopRow() - 1);
            }
        }
        if ((Options() & goRowSelect) && m_navigation.KeepHorizScroll)
            setLeftCol(leftCol);
        ResetUpdate();
    }
    bool handled = true;
    AfterWheelRowMove(rowDelta, handled);
    bool result = false;
    if ((m_mouseActions.WheelIncrement != 0 || m_mouseActions.DisjunctRowSelect()) && handled) {
        result = true;
        const TShiftState shift = m_mouseActions.DisjunctRowSelect() ? Shift : TShiftState{};
        const QPoint pos = m_mouseActions.DisjunctRowSelect() ? MousePos : QPoint{};
        bool eventHandled = false;
        if (Down && OnMouseWheelDown)
            OnMouseWheelDown(this, shift, pos, eventHandled);
        else if (!Down && OnMouseWheelUp)
            OnMouseWheelUp(this, shift, pos, eventHandled);
    }
    const TGridRect now = Selection();
    if (!sameRect(entry, now))
        DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
    if (SearchPanelHeight() > 0 && TopRow() == RowCount() - VisibleRowCount())
        KeepLastRowAboveSearchPanel();
    return result;
}

// The wheel as a notification (from a child that passes it on): scrolling
// stays with the owner's handlers, moving goes through the base grid.
bool TExStringGrid::GridWheelDown(TShiftState Shift, QPoint MousePos)
{
    return wheelNotification(true, Shift, MousePos);
}

bool TExStringGrid::GridWheelUp(TShiftState Shift, QPoint MousePos)
{
    return wheelNotification(false, Shift, MousePos);
}

bool TExStringGrid::wheelNotification(bool Down, TShiftState Shift, QPoint MousePos)
{
    if (m_mouseActions.WheelAction() == TWheelAction::waScroll || !EnableWheel) {
        bool handled = false;
        if (const TMouseWheelUpDownEvent &event = Down ? OnMouseWheelDown : OnMouseWheelUp)
            event(this, Shift, MousePos, handled);
        return handled;
    }
    if (!Down && (Row() >= RowCount() || Col() >= ColCount()))
        return true;
    const auto baseWheel = [&] {
        return Down ? TBaseGrid::GridWheelDown(Shift, MousePos) : TBaseGrid::GridWheelUp(Shift, MousePos);
    };
    const bool directEdit = m_mouseActions.DirectEdit;
    m_mouseActions.DirectEdit = false;
    const bool wasEditing = EditorMode();
    bool result = false;
    if ((Options() & goRowSelect) && m_navigation.KeepHorizScroll) {
        const int leftCol = LeftCol();
        StartUpdate();
        result = baseWheel();
        setLeftCol(leftCol);
        ResetUpdate();
    } else {
        result = baseWheel();
        if (wasEditing)
            setFocus(Qt::OtherFocusReason);
    }
    // The footer rows are the wheel's end here too.
    if (Down && FFixedFooters > 0 && Row() > RowCount() - FFixedFooters - 1
        && RowCount() - FFixedFooters - 1 >= FixedRows())
        MoveColRow(Col(), RowCount() - FFixedFooters - 1, true, true);
    m_mouseActions.DirectEdit = directEdit;
    return result;
}

} // namespace controls
