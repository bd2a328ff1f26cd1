#pragma once
// Colour attributes of mini-HTML: Delphi-style names ("clred", "clbtnface")
// and "#RRGGBB".
#include "platform/Color.h"

#include <QString>

namespace controls {

// name must be lower case; an unknown name gives black.
platform::TColor HtmlColorByName(const QString &name);
// "#RRGGBB" with hexadecimal digits in either case; a pair that is short or
// not hexadecimal reads 0.
platform::TColor HtmlHexColor(const QString &text);

} // namespace controls
