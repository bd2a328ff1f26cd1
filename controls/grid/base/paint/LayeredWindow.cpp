#include "controls/grid/base/paint/LayeredWindow.h"

#include <QPainter>

namespace controls {

TLayeredWindow::TLayeredWindow(QWidget *owner)
    : QWidget(owner, Qt::Tool | Qt::FramelessWindowHint | Qt::NoDropShadowWindowHint)
{
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
}

void TLayeredWindow::setLayeredImage(const QImage &image, std::uint8_t opacity)
{
    m_image = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    m_opacity = opacity;
    resize(m_image.size());
    update();
}

void TLayeredWindow::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    if (m_image.isNull()) {
        paintWithoutImage(painter);
        return;
    }
    painter.fillRect(rect(), Qt::transparent);
    painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
    painter.setOpacity(m_opacity / 255.0);
    painter.drawImage(0, 0, m_image);
}

void TLayeredWindow::paintWithoutImage(QPainter &painter) { painter.fillRect(rect(), Qt::transparent); }

bool DynUpdateLayeredWindow(TLayeredWindow *window, const TLayeredWindowUpdate &update)
{
    if (!window)
        return true;
    if (update.Position)
        window->move(*update.Position);
    window->setLayeredImage(update.Image, update.ConstantAlpha);
    return true;
}

bool DynSetLayeredWindowAttributes(QWidget *window, platform::TColor, std::uint8_t alpha, unsigned flags)
{
    if (window && (flags & LWA_ALPHA))
        window->setWindowOpacity(alpha / 255.0);
    return true;
}

} // namespace controls
