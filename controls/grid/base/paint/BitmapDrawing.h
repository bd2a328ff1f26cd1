#pragma once
// Small bitmaps in cells (node glyphs, sort arrows) whose corner colour
// stands for the cell's background.
#include "platform/draw/Bitmap.h"

namespace controls {

// The bitmap at its size at the rectangle's top left, with every pixel of
// the colour of its top-left pixel in the background colour (left out
// when the background is clNone).
void DrawBitmapTransparent(platform::TCanvas &canvas, const platform::TBitmap &bitmap, platform::TColor background,
                           const platform::TRect &rect);
// The same for a named bitmap of the program's resources; an unknown name
// draws nothing.
void DrawResourceBitmap(platform::TCanvas &canvas, platform::TColor background, const platform::TRect &rect,
                        const QString &resourceName);

} // namespace controls
