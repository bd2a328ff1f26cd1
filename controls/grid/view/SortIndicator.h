#pragma once
// Where a header cell's sort indicator goes beside its plain text.
#include "controls/grid/base/GridTypes.h"
#include "platform/draw/Canvas.h"

namespace controls {

// X beside a text of textWidth pixels in rect, aligned by ha (sortOffset:
// a graphic before the text); Y at the top, middle or bottom by va.
int sortIndicatorX(const platform::TRect &rect, int textWidth, TAlignment ha, int sortOffset);
int sortIndicatorY(const platform::TRect &rect, TVAlignment va);

} // namespace controls
