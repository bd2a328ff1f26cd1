#pragma once
// The colour and text arithmetic the drop-downs paint and compare with.
// System colours are turned into RGB first.
#include "platform/Color.h"

#include <QString>

namespace controls {

// Percent of Color1 and the rest of Color2, channel by channel: 100 or more
// gives Color1 as it is, 0 or less Color2 as it is.
platform::TColor MixColors(platform::TColor color1, platform::TColor color2, int percent);

// Each channel scaled by 100 + its percent (at most 100): negative percents
// darken, positive ones never raise a lit channel; a dark channel becomes
// the percent itself (at least 0).
platform::TColor ScaleColorChannels(platform::TColor color, int redPercent, int greenPercent, int bluePercent);

// The text as the type-ahead compares it: upper-cased in the user's
// locale unless the comparison is case-sensitive.
QString FoldCase(const QString &text, bool caseSensitive);

} // namespace controls
