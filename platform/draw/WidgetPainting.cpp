#include "platform/draw/WidgetPainting.h"

#include <QPainter>

namespace platform {

void paintRetained(QWidget &widget, const QPaintEvent &event, TRetainedImage &retained,
                   const TRetainedImage::Paint &paint)
{
    retained.repaint(widget.size(), event.region(), paint);
    QPainter painter(&widget);
    retained.present(painter, event.region());
}

} // namespace platform
