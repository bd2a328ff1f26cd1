#pragma once
// Small drawing helpers the button, the page control and the drop-downs
// share on top of the canvas: a canvas font from a widget's font, and
// pictures with a transparent colour (the lower-left pixel, as Windows
// bitmaps name it).
#include "platform/Color.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/GraphicsObjects.h"

#include <QFont>
#include <QImage>
#include <QRect>

namespace controls {

// Pen and brush in one call, as the painters set them most of the time.
void setPen(platform::TCanvas &canvas, platform::TColor color,
            platform::TPenStyle style = platform::TPenStyle::psSolid);
void setBrush(platform::TCanvas &canvas, platform::TColor color);
void setBrushClear(platform::TCanvas &canvas);
void fillRect(platform::TCanvas &canvas, int left, int top, int right, int bottom);

// Makes the canvas font the given Qt font (family, pixel height, style) in
// a colour.
void assignFont(platform::TFont &target, const QFont &font, platform::TColor color);

// The part of a picture with its transparent colour (its lower-left pixel)
// taken out. The whole pixel, alpha included, is compared: a glyph drawn on
// a clear ground keeps its opaque pixels of the ground's colour.
QImage transparentPart(const QImage &picture, const QRect &part);

} // namespace controls
