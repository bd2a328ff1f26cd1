#pragma once
// The stepped gradient of the popups, their headers and footers, the
// button faces, the string grid and the clock: Steps solid bands from one
// colour to another, each one pixel wider than its share so that no gap
// shows between them.
#include "controls/dropdown/core/DropDownTypes.h"
#include "platform/draw/Canvas.h"

namespace controls {

// Paints r from fromColor (first band, left or top) towards toColor; the
// last band stops one step short of toColor. Steps 0 counts as 1.
void DrawGradient(platform::TCanvas &canvas, platform::TColor fromColor, platform::TColor toColor, int steps,
                  const platform::TRect &r, bool horizontal);

// A gradient of 80 steps from color to colorTo in the direction, or a
// solid fill when colorTo is none (nothing when color is none too), then a
// border of the width when its colour is set.
void DrawFaceRect(platform::TCanvas *canvas, const platform::TRect &r, platform::TColor color,
                  platform::TColor colorTo, platform::TColor borderColor, int borderWidth,
                  TGradientDirection direction);

} // namespace controls
