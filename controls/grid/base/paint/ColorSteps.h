#pragma once
// Colour arithmetic of the cell painters. System colours are turned into
// RGB first; every channel stays within 0..255.
#include "platform/Color.h"

namespace controls {

// Each channel halved (rounded down).
platform::TColor HalveColor(platform::TColor color);
// Each channel c becomes c + c * percent / 100, rounded, within 0..255.
platform::TColor ScaleColorPercent(platform::TColor color, int percent);
// Each channel from + (to - from) / (maximum - minimum) * position,
// rounded, within 0..255; from when either colour is clNone or the range
// is empty.
platform::TColor BlendColorStep(platform::TColor from, platform::TColor to, int minimum, int maximum, int position);

} // namespace controls
