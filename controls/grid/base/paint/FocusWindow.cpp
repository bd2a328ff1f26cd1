#include "controls/grid/base/paint/FocusWindow.h"

#include "platform/ui/QtColor.h"

#include <QPainter>

namespace controls {

TGridFocusWindow::TGridFocusWindow(QWidget *owner) : TLayeredWindow(owner)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setWindowFlag(Qt::WindowTransparentForInput);
    setWindowFlag(Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    setEnabled(false);
    setMinimumSize(0, 0);
    resize(0, 0);
}

void TGridFocusWindow::paintWithoutImage(QPainter &painter) { painter.fillRect(rect(), platform::toQColor(m_color)); }

} // namespace controls
