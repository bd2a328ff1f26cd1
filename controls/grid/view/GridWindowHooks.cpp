// What the grid's window does with an event before its own handlers see
// it: a wheel-button press starts panning and any press or key ends it, a
// wheel turned while panning is dropped, and a drag over the grid may
// scroll it. Watched through an event filter of the grid's own, so the
// handlers of the other concerns stay as they are.
#include "controls/grid/view/GridScrollState.h"

#include "platform/HandlerGuard.h"

#include <QDragMoveEvent>
#include <QMouseEvent>
#include <QResizeEvent>
#include <QScrollBar>

#include <memory>

namespace controls {

class TGridWindowHooks : public QObject {
public:
    explicit TGridWindowHooks(TExStringGrid &grid)
        : QObject(&grid), m_grid(grid), m_alive(grid.m_scrolling)
    {
        setObjectName(QStringLiteral("gridWindowHooks"));
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        bool consumed = false;
        // The grid's own part is gone once its state is: the widget's
        // destruction still hides it.
        if (watched == &m_grid && !m_alive.expired())
            platform::guarded([&] { consumed = handle(event); });
        return consumed;
    }

private:
    bool handle(QEvent *event)
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick: {
            const auto *mouse = static_cast<QMouseEvent *>(event);
            return m_grid.panMousePress(mouse->button(), mouse->position().toPoint());
        }
        case QEvent::KeyPress:
        case QEvent::Hide: // a hidden grid must not keep the mouse
            m_grid.StopPanning();
            return false;
        case QEvent::Wheel:
            return m_grid.Panning();
        case QEvent::Resize:
            m_grid.synchColumnsWithWidth(static_cast<QResizeEvent *>(event)->size().width());
            return false;
        case QEvent::Paint:
            firstPaint();
            return false;
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            const auto *drag = static_cast<QDragMoveEvent *>(event);
            const QPoint p = drag->position().toPoint();
            bool accept = drag->isAccepted();
            m_grid.GridDragOver(p.x(), p.y(), event->type() == QEvent::DragEnter ? dsDragEnter : dsDragMove,
                                accept);
            return false;
        }
        case QEvent::DragLeave:
        case QEvent::Drop: {
            bool accept = false;
            m_grid.GridDragOver(0, 0, dsDragLeave, accept);
            return false;
        }
        default:
            return false;
        }
    }

    // Settings applied before the first paint (a loaded grid) get their
    // thumbs sized once.
    void firstPaint()
    {
        TGridScrolling &s = m_grid.scrolling();
        if (s.FirstPainted)
            return;
        s.FirstPainted = true;
        m_grid.UpdateVertScrollProportion();
        m_grid.UpdateHorzScrollProportion();
    }

    TExStringGrid &m_grid;
    std::weak_ptr<TGridScrolling> m_alive;
};

namespace {

// A bar's Qt action as the message the grid handles; a thumb move after
// the thumb's release is its final position (the moves while it is held
// come as sliderMoved, tracking or not).
int scrollCode(int action)
{
    switch (action) {
    case QAbstractSlider::SliderSingleStepSub:
        return SB_LINEUP;
    case QAbstractSlider::SliderSingleStepAdd:
        return SB_LINEDOWN;
    case QAbstractSlider::SliderPageStepSub:
        return SB_PAGEUP;
    case QAbstractSlider::SliderPageStepAdd:
        return SB_PAGEDOWN;
    case QAbstractSlider::SliderToMinimum:
        return SB_TOP;
    case QAbstractSlider::SliderToMaximum:
        return SB_BOTTOM;
    default:
        return SB_THUMBPOSITION;
    }
}

} // namespace

void TExStringGrid::installWindowHooks()
{
    scrolling();
    installEventFilter(new TGridWindowHooks(*this));
    const auto wire = [this](QScrollBar *bar, void (TExStringGrid::*message)(int, int)) {
        connect(bar, &QAbstractSlider::actionTriggered, this, [this, bar, message](int action) {
            if (action == QAbstractSlider::SliderMove && bar->isSliderDown())
                return;
            platform::guarded([&] { (this->*message)(scrollCode(action), bar->sliderPosition()); });
        });
        connect(bar, &QAbstractSlider::sliderMoved, this, [this, message](int position) {
            platform::guarded([&] { (this->*message)(SB_THUMBTRACK, position); });
        });
        connect(bar, &QAbstractSlider::sliderReleased, this, [this, bar, message] {
            platform::guarded([&] { (this->*message)(SB_ENDSCROLL, bar->sliderPosition()); });
        });
    };
    wire(verticalBar(), &TExStringGrid::GridVertScrollMessage);
    wire(horizontalBar(), &TExStringGrid::GridHorzScrollMessage);
}

} // namespace controls
