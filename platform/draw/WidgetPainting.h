#pragma once
// The one piece of the drawing layer that needs a widget: a control's paint
// event through its retained image.
#include "platform/draw/RetainedImage.h"

#include <QPaintEvent>
#include <QWidget>

namespace platform {

// Call from the control's paintEvent: repaints the event's region into the
// retained image with paint, then copies it to the widget.
void paintRetained(QWidget &widget, const QPaintEvent &event, TRetainedImage &retained,
                   const TRetainedImage::Paint &paint);

} // namespace platform
