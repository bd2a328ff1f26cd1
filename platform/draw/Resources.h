#pragma once
// The bitmaps and cursors the controls load by name, our own drawings kept
// in the layer's Qt resource file. Names match without regard to case, as
// resource names do on Windows.
#include "platform/Color.h"

#include <QCursor>
#include <QImage>
#include <QString>

namespace platform {

// How a bitmap's colours are taken.
enum class TResourceColors {
    AsStored,
    // White, silver, grey and black become the window, button face, button
    // shadow and button text colours, so that the picture follows the
    // colour scheme.
    Mapped,
};

// The bitmap of that name, or a null image when there is none.
QImage loadResourceImage(const QString &name, TResourceColors colors = TResourceColors::AsStored);

// The cursor of that name with its hot spot; the arrow when there is none.
QCursor loadResourceCursor(const QString &name, bool *found = nullptr);

} // namespace platform
