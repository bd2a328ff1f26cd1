#pragma once
// The mouse as a user drives it: real QMouseEvent and QWheelEvent objects
// sent to one widget, a double click as the press, release, double-click
// and release that the window system delivers.
#include "platform/draw/Geometry.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace viewtest {

inline QPoint centre(const platform::TRect &r) { return {(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2}; }

inline void sendMouse(QWidget &w, QEvent::Type type, Qt::MouseButton button, QPoint p,
                      Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(p), w.mapToGlobal(QPointF(p)), button, held, modifiers);
    QCoreApplication::sendEvent(&w, &event);
}

inline void click(QWidget &w, QPoint p, Qt::MouseButton button = Qt::LeftButton,
                  Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    sendMouse(w, QEvent::MouseButtonPress, button, p, modifiers);
    sendMouse(w, QEvent::MouseButtonRelease, button, p, modifiers);
}

inline void doubleClick(QWidget &w, QPoint p)
{
    click(w, p);
    sendMouse(w, QEvent::MouseButtonDblClick, Qt::LeftButton, p);
    sendMouse(w, QEvent::MouseButtonRelease, Qt::LeftButton, p);
}

inline void moveTo(QWidget &w, QPoint p)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(p), w.mapToGlobal(QPointF(p)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(&w, &event);
}

// One notch; towards the user (down) is a negative delta.
inline bool wheel(QWidget &w, QPoint p, bool down, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QWheelEvent event(QPointF(p), w.mapToGlobal(QPointF(p)), QPoint(), QPoint(0, down ? -120 : 120), Qt::NoButton,
                      modifiers, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&w, &event);
    return event.isAccepted();
}

} // namespace viewtest
