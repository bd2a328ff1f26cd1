#include "platform/ui/Shape.h"

#include "platform/ui/QtColor.h"

#include <QPainter>

namespace platform {

TShape::TShape(QWidget *parent) : QWidget(parent)
{
    // Never takes the mouse from the controls it frames.
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void TShape::setPenColor(TColor color)
{
    m_penColor = color;
    update();
}

void TShape::setBrushColor(TColor color)
{
    m_brushColor = color;
    update();
}

void TShape::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    if (isColorSet(m_brushColor))
        painter.fillRect(rect(), toQColor(m_brushColor));
    const QColor pen = toQColor(m_penColor);
    if (height() <= 1 || width() <= 1) {
        painter.fillRect(rect(), pen);
        return;
    }
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

} // namespace platform
