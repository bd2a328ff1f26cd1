#pragma once
// The picture of a control kept between paints: a paint draws only the
// invalid region again, into the kept image, and copies that region to the
// screen in one step, so the control never shows half-drawn states and
// parts that did not change cost nothing.
#include "platform/draw/Canvas.h"

#include <QImage>
#include <QRegion>

#include <functional>

namespace platform {

class TRetainedImage {
public:
    using Paint = std::function<void(TCanvas &canvas)>;

    // Brings the image to size (a new size makes everything invalid) and
    // has paint draw on a canvas clipped to the invalid part of region.
    // Gives the region drawn again.
    QRegion repaint(QSize size, const QRegion &region, const Paint &paint);
    // Everything is drawn again at the next repaint.
    void invalidate() { m_valid = QRegion(); }
    // Moves the pixels inside area by dy, as a view scrolls: what stays in
    // view keeps its state, what comes into view is invalid.
    void scroll(const QRect &area, int dy);
    const QImage &image() const { return m_image; }
    // Copies the region of the image to the painter's device at (0, 0).
    void present(QPainter &painter, const QRegion &region) const;

private:
    QImage m_image;
    QRegion m_valid;
};

} // namespace platform
