#pragma once
// A tree window for the mouse and drag tests: mouse, wheel and drag events
// sent straight to its viewport, and a drag loop that the test answers.
#include "TreeWidgetProbe.h"

#include <QApplication>
#include <QDrag>
#include <QMouseEvent>
#include <QWheelEvent>

#include <functional>

namespace vtreetest {

class MouseProbe : public TreeWidgetProbe {
public:
    using TLazyStringTreeWidget::DoAutoScroll;
    using TLazyStringTreeWidget::SuggestDropEffect;

    void send(QEvent::Type type, QPoint p, Qt::MouseButton button = Qt::LeftButton,
              Qt::KeyboardModifiers modifiers = {})
    {
        Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
        if (type == QEvent::MouseMove)
            held = heldButtons;
        if (type == QEvent::MouseButtonPress)
            heldButtons = button;
        if (type == QEvent::MouseButtonRelease)
            heldButtons = Qt::NoButton;
        QMouseEvent event(type, QPointF(p), QPointF(viewport()->mapToGlobal(p)),
                          type == QEvent::MouseMove ? Qt::NoButton : button, held, modifiers);
        QApplication::sendEvent(viewport(), &event);
    }
    void press(QPoint p, Qt::KeyboardModifiers m = {}, Qt::MouseButton b = Qt::LeftButton)
    {
        send(QEvent::MouseButtonPress, p, b, m);
    }
    void release(QPoint p, Qt::KeyboardModifiers m = {}, Qt::MouseButton b = Qt::LeftButton)
    {
        send(QEvent::MouseButtonRelease, p, b, m);
    }
    void click(QPoint p, Qt::KeyboardModifiers m = {})
    {
        press(p, m);
        release(p, m);
    }
    void move(QPoint p) { send(QEvent::MouseMove, p); }
    void doubleClick(QPoint p)
    {
        click(p);
        send(QEvent::MouseButtonDblClick, p);
        release(p);
    }
    void wheel(int delta, Qt::KeyboardModifiers m = {})
    {
        const QPoint p(50, 50);
        QWheelEvent event(QPointF(p), QPointF(viewport()->mapToGlobal(p)), QPoint(), QPoint(0, delta), Qt::NoButton, m,
                          Qt::NoScrollPhase, false);
        QApplication::sendEvent(viewport(), &event);
    }

    // The middle of a node's label, and the first point of its row with a hit position.
    QPoint labelOf(PLazyNode node)
    {
        const platform::TRect r = GetDisplayRect(node, NoColumn, true);
        return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }
    QPoint pointWith(PLazyNode node, THitPosition position)
    {
        const platform::TRect r = GetDisplayRect(node, NoColumn, false);
        for (int x = 0; x < ClientWidth(); ++x) {
            THitInfo hit;
            GetHitTestInfoAt(x, (r.Top + r.Bottom) / 2, true, hit);
            if (hit.HitNode == node && hit.HitPositions.contains(position))
                return {x, (r.Top + r.Bottom) / 2};
        }
        return {-1, -1};
    }
    bool has(TLazyTreeState state) const { return TreeStates().contains(state); }

    Qt::DropAction ExecDrag(QDrag &drag, Qt::DropActions allowed, Qt::DropAction) override
    {
        ++drags;
        lastAllowed = allowed;
        return dragLoop ? dragLoop(drag, allowed) : Qt::IgnoreAction;
    }

    Qt::MouseButtons heldButtons;
    std::function<Qt::DropAction(QDrag &, Qt::DropActions)> dragLoop;
    Qt::DropActions lastAllowed;
    int drags = 0;
};

} // namespace vtreetest
