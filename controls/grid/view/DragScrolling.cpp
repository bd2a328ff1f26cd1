// Scrolling while something is dragged over the grid: near an edge the
// grid waits the initial delay, then scrolls one row or column that way at
// every repeat. The timer is a child of the grid, so it ends with it.
#include "controls/grid/view/GridScrollState.h"

#include "platform/HandlerGuard.h"

namespace controls {

namespace {

void setIntervalIfChanged(QTimer &timer, int ms)
{
    // Setting a running timer's interval starts it again: only a change does.
    if (timer.interval() != ms)
        timer.setInterval(ms);
}

void freeTimer(QPointer<QTimer> &timer)
{
    if (!timer)
        return;
    timer->stop();
    // It may be the timer whose step is running now.
    timer->deleteLater();
    timer = nullptr;
}

} // namespace

TDragScrollOptions &TExStringGrid::DragScrollOptions() const { return scrolling().DragScrollOptions; }

QTimer *TExStringGrid::DragScrollTimerObject() const { return scrolling().DragTimer; }

void TExStringGrid::GridDragOver(int X, int Y, TDragState State, bool &Accept)
{
    TGridScrolling &s = scrolling();
    const TDragScrollOptions &o = s.DragScrollOptions;
    if (!o.Active) {
        freeTimer(s.DragTimer);
        return;
    }
    const TDragScrollDirection before = s.DragScrollDirection;
    s.DragScrollDirection = {};
    if (State == dsDragLeave) {
        freeTimer(s.DragTimer);
        return;
    }
    if (Y < o.Margins.TopMargin)
        s.DragScrollDirection |= dsdUp;
    else if (Y > height() - o.Margins.BottomMargin)
        s.DragScrollDirection |= dsdDown;
    if (X < o.Margins.LeftMargin)
        s.DragScrollDirection |= dsdLeft;
    else if (X > width() - o.Margins.RightMargin)
        s.DragScrollDirection |= dsdRight;
    if (!s.DragScrollDirection) {
        freeTimer(s.DragTimer);
        return;
    }
    if (!s.DragTimer) {
        s.DragTimer = new QTimer(this);
        s.DragTimer->setObjectName(QStringLiteral("dragScrollTimer"));
        s.DragTimer->setInterval(o.Delays.InitialDelay);
        connect(s.DragTimer, &QTimer::timeout, this, [this] { platform::guarded([this] { DragScrollTimer(); }); });
        s.DragTimer->start();
    } else if (before) {
        setIntervalIfChanged(*s.DragTimer, o.Delays.InitialDelay);
    }
}

void TExStringGrid::DragScrollTimer()
{
    TGridScrolling &s = scrolling();
    if (!s.DragScrollOptions.Active) {
        freeTimer(s.DragTimer);
        return;
    }
    if (s.DragTimer)
        setIntervalIfChanged(*s.DragTimer, s.DragScrollOptions.Delays.RepeatDelay);
    if (OnDragScroll) {
        bool canScroll = true;
        OnDragScroll(this, TopRow(), LeftCol(), s.DragScrollDirection, canScroll);
        if (!canScroll)
            return;
    }
    const TDragScrollDirection dirs = s.DragScrollDirection;
    if (dirs.testFlag(dsdUp) && TopRow() > FixedRows())
        setTopRow(TopRow() - 1);
    if (dirs.testFlag(dsdDown) && TopRow() + VisibleRowCount() < RowCount())
        setTopRow(TopRow() + 1);
    if (dirs.testFlag(dsdLeft) && LeftCol() > FixedCols())
        setLeftCol(LeftCol() - 1);
    if (dirs.testFlag(dsdRight) && LeftCol() + VisibleColCount() < ColCount())
        setLeftCol(LeftCol() + 1);
}

} // namespace controls
