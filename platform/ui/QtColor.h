#pragma once
// Colour values as Qt paints them.
#include "platform/Color.h"

#include <QColor>

namespace platform {

// Qt colour of a value; clNone and clDefault give a fully transparent colour,
// so that painting with them draws nothing.
QColor toQColor(TColor color);

// The value of a Qt colour (alpha ignored).
TColor fromQColor(const QColor &color);

} // namespace platform
