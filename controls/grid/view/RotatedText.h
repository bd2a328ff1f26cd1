#pragma once
// Where text rotated by an angle must start so that its rotated box sits
// in a rectangle by the alignments (horizontal 0 left, 1 right, 2 centre;
// vertical 0 top, 1 centre, 2 bottom), and the size of that box.
#include "platform/draw/Geometry.h"

namespace controls {

// The box around a text of width by height rotated counter-clockwise.
platform::TSize RotatedTextBox(int width, int height, int angle);
// Moves Rect's left and top to the text's start point.
void RotatedTextOrigin(platform::TRect &Rect, int HAlign, int VAlign, int width, int height, int angle);

} // namespace controls
