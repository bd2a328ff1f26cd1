#include "platform/draw/RetainedImage.h"

#include <cstdlib>
#include <cstring>

namespace platform {

QRegion TRetainedImage::repaint(QSize size, const QRegion &region, const Paint &paint)
{
    if (size.isEmpty()) {
        m_image = QImage();
        m_valid = QRegion();
        return {};
    }
    if (m_image.size() != size) {
        m_image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        m_image.fill(Qt::white);
        m_valid = QRegion();
    }
    // What was never drawn is invalid whatever the region says.
    const QRegion all(m_image.rect());
    const QRegion dirty = (region | all.subtracted(m_valid)) & all;
    if (dirty.isEmpty())
        return {};
    {
        TCanvas canvas(&m_image);
        canvas.SelectClipRgn(dirty);
        paint(canvas);
    }
    m_valid |= dirty;
    return dirty;
}

void TRetainedImage::scroll(const QRect &area, int dy)
{
    const QRect a = area & m_image.rect();
    if (m_image.isNull() || a.isEmpty() || dy == 0)
        return;
    if (std::abs(dy) >= a.height()) {
        m_valid -= QRegion(a);
        return;
    }
    // Line by line, in the order that never reads a line already moved.
    const int bytes = a.width() * 4;
    const int offset = a.left() * 4;
    const int first = dy < 0 ? a.top() - dy : a.bottom() - dy;
    const int last = dy < 0 ? a.bottom() : a.top();
    const int step = dy < 0 ? 1 : -1;
    for (int y = first;; y += step) {
        std::memmove(m_image.scanLine(y + dy) + offset, m_image.constScanLine(y) + offset, std::size_t(bytes));
        if (y == last)
            break;
    }
    const QRegion inside(a);
    m_valid = m_valid.subtracted(inside) | ((m_valid & inside).translated(0, dy) & inside);
}

void TRetainedImage::present(QPainter &painter, const QRegion &region) const
{
    if (m_image.isNull())
        return;
    painter.save();
    painter.setClipRegion(region & QRegion(m_image.rect()));
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(0, 0, m_image);
    painter.restore();
}

} // namespace platform
