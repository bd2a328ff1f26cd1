#include "controls/grid/base/paint/ArrowWindow.h"

#include "platform/ui/QtColor.h"

#include <QPainter>
#include <QRegion>

namespace controls {
namespace {

QPolygon outlineOf(TArrowDirection direction)
{
    switch (direction) {
    case arrUp:
        return QPolygon({{5, 0}, {10, 5}, {7, 5}, {7, 9}, {3, 9}, {3, 5}, {0, 5}});
    case arrDown:
        return QPolygon({{3, 0}, {7, 0}, {7, 4}, {9, 4}, {5, 8}, {1, 4}, {3, 4}});
    case arrLeft:
        return QPolygon({{0, 3}, {0, 7}, {4, 7}, {4, 10}, {8, 5}, {4, 0}, {4, 3}});
    case arrRight:
        return QPolygon({{0, 5}, {4, 10}, {4, 7}, {8, 7}, {8, 3}, {4, 3}, {4, 0}});
    }
    return {};
}

} // namespace

TArrowWindow::TArrowWindow(QWidget *owner, TArrowDirection direction)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus), m_dir(direction),
      m_arrow(outlineOf(direction))
{
    setAttribute(Qt::WA_ShowWithoutActivating);
    const QRect bounds = m_arrow.boundingRect();
    resize(bounds.right() + 1, bounds.bottom() + 1);
    setMask(QRegion(m_arrow, Qt::WindingFill));
    hide();
}

void TArrowWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), platform::toQColor(platform::clLime));
}

} // namespace controls

