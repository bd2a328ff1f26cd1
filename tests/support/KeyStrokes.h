#pragma once
// Keys as a keyboard gives them: a press and a release, each a real key
// event sent to one widget.
#include <QCoreApplication>
#include <QKeyEvent>
#include <QWidget>

namespace testsupport {

inline QString keyText(int key)
{
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return QStringLiteral("\r");
    case Qt::Key_Space:
        return QStringLiteral(" ");
    default:
        return {};
    }
}

inline void keyPress(QWidget &widget, int key)
{
    QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier, keyText(key));
    QCoreApplication::sendEvent(&widget, &event);
}

inline void keyRelease(QWidget &widget, int key)
{
    QKeyEvent event(QEvent::KeyRelease, key, Qt::NoModifier, keyText(key));
    QCoreApplication::sendEvent(&widget, &event);
}

inline void keyStroke(QWidget &widget, int key)
{
    keyPress(widget, key);
    keyRelease(widget, key);
}

} // namespace testsupport
