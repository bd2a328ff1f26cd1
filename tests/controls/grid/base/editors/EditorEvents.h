#pragma once
// Input as the user gives it, sent straight to a widget, and the pixels of
// what a widget shows.
#include "platform/Color.h"
#include "platform/ui/QtColor.h"

#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QWidget>

#include <cstdlib>
#include <functional>

namespace editortest {

inline void mouse(QWidget &w, QEvent::Type type, QPoint at, Qt::MouseButton button = Qt::LeftButton)
{
    const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::MouseButtons(button);
    QMouseEvent event(type, QPointF(at), w.mapToGlobal(QPointF(at)), button, held, Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}

inline void press(QWidget &w, QPoint at) { mouse(w, QEvent::MouseButtonPress, at); }
inline void release(QWidget &w, QPoint at) { mouse(w, QEvent::MouseButtonRelease, at); }
// Qt passes a move on to a widget without mouse tracking only while a button is held.
inline void moveTo(QWidget &w, QPoint at, Qt::MouseButtons held = Qt::NoButton)
{
    QMouseEvent event(QEvent::MouseMove, QPointF(at), w.mapToGlobal(QPointF(at)), Qt::NoButton, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&w, &event);
}
inline void click(QWidget &w, QPoint at)
{
    press(w, at);
    release(w, at);
}

inline void enter(QWidget &w, QPoint at = {1, 1})
{
    QEnterEvent event{QPointF(at), QPointF(at), w.mapToGlobal(QPointF(at))};
    QApplication::sendEvent(&w, &event);
}

inline void leave(QWidget &w)
{
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(&w, &event);
}

inline void key(QWidget &w, int code, const QString &text = {}, Qt::KeyboardModifiers mods = Qt::NoModifier)
{
    QKeyEvent down(QEvent::KeyPress, code, mods, text);
    QApplication::sendEvent(&w, &down);
    QKeyEvent up(QEvent::KeyRelease, code, mods, text);
    QApplication::sendEvent(&w, &up);
}

// Types the characters one key each.
inline void type(QWidget &w, const QString &text)
{
    for (const QChar c : text) {
        const int code = c.isDigit() ? Qt::Key_0 + c.digitValue() : c.toUpper().unicode();
        key(w, code, QString(c));
    }
}

// Runs what was posted (and what that posts in turn) and what the window
// system reported, a bounded number of rounds.
inline void settle()
{
    for (int i = 0; i < 4; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents();
    }
}

inline platform::TColor pixel(const QImage &image, int x, int y)
{
    return platform::fromQColor(image.pixelColor(x, y));
}

// Within a few steps of a colour on every channel (text edges are smoothed).
inline bool near(platform::TColor a, platform::TColor b, int steps = 12)
{
    return std::abs(platform::GetRValue(a) - platform::GetRValue(b)) <= steps
           && std::abs(platform::GetGValue(a) - platform::GetGValue(b)) <= steps
           && std::abs(platform::GetBValue(a) - platform::GetBValue(b)) <= steps;
}

// The widget as it shows on its parent.
inline QImage shot(QWidget &w)
{
    QImage image(w.size(), QImage::Format_ARGB32);
    image.fill(Qt::magenta);
    w.render(&image);
    return image;
}

} // namespace editortest
