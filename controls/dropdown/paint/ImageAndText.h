#pragma once
// Pictures on the popup's buttons and items: an image from a list beside
// its caption, and a glyph whose ground takes the face's colour.
#include "platform/draw/Bitmap.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/ImageList.h"

#include <QString>

namespace controls {

// The image (when imageIndex >= 0 and there are images) 4 pixels in and
// centred up and down, the text one line high, centred up and down, cut
// with an ellipsis, beginning 8 pixels right of the image, or centred
// across without one.
void DrawImageAndText(platform::TCanvas *canvas, const platform::TRect &r, const QString &text, int imageIndex,
                      const platform::TImageList *images);

// The glyph at r's top left with the colour of its top-left pixel
// replaced by backColor; at most r's size of it.
void DrawGlyphTransparent(platform::TCanvas &canvas, const platform::TBitmap &glyph, platform::TColor backColor,
                          const platform::TRect &r);

} // namespace controls
