#pragma once
// Where a picture holds the pixels a test looks for.
#include <QImage>
#include <QRect>

namespace painttest {

// The smallest rectangle around the pixels for which found holds; an
// empty rectangle when there are none.
template <class Found>
QRect paintedBounds(const QImage &image, Found found)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (found(image.pixel(x, y)))
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace painttest
