#pragma once
// Keys, clicks and drags delivered to a grid as Qt events, the way a user
// makes them.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QWidget>

namespace gridtest {

inline void key(QWidget &w, int qtKey, Qt::KeyboardModifiers mods = Qt::NoModifier, const QString &text = {})
{
    QKeyEvent press(QEvent::KeyPress, qtKey, mods, text);
    QCoreApplication::sendEvent(&w, &press);
}

inline void type(QWidget &w, const QString &text)
{
    for (const QChar c : text)
        key(w, c.toUpper().unicode(), Qt::NoModifier, QString(c));
}

inline void mouse(QWidget &w, QEvent::Type type, QPoint p, Qt::MouseButton button, Qt::MouseButtons buttons,
                  Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QMouseEvent event(type, QPointF(p), QPointF(w.mapToGlobal(p)), button, buttons, mods);
    QCoreApplication::sendEvent(&w, &event);
}

inline void press(QWidget &w, QPoint p, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    mouse(w, QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton, mods);
}
inline void moveTo(QWidget &w, QPoint p) { mouse(w, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton); }
inline void release(QWidget &w, QPoint p) { mouse(w, QEvent::MouseButtonRelease, p, Qt::LeftButton, Qt::NoButton); }
inline void drag(QWidget &w, QPoint from, QPoint to)
{
    press(w, from);
    moveTo(w, to);
    release(w, to);
}

inline void wheel(QWidget &w, QPoint p, int delta)
{
    QWheelEvent event(QPointF(p), QPointF(w.mapToGlobal(p)), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QCoreApplication::sendEvent(&w, &event);
}

} // namespace gridtest
