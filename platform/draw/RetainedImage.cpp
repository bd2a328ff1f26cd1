#include "platform/draw/RetainedImage.h"

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
