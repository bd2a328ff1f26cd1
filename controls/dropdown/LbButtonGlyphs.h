#pragma once
// The named bitmaps the program carries for its buttons: the two-frame glyph
// strips of the button presets (normal, disabled; 36 x 18, "LBALL" 36 x 19)
// and the 5 x 3 drop-down arrow "LBARROW". Our own drawings, in the sixteen
// colours of the originals, on a fuchsia ground that the lower-left pixel
// names as transparent.
#include <QImage>
#include <QString>

namespace controls {

// The bitmap of a name; an unknown name gives a null image.
const QImage &lbResourceBitmap(const QString &name);

} // namespace controls
