#pragma once
// The red zigzag under misspelt or wrong characters of a cell's text.
#include "platform/draw/Canvas.h"

#include <QString>

namespace controls {

// Under characters first .. first + count - 1 (from 0) of the text laid
// out on one line from the rectangle's top left in the canvas's font, the
// zigzag's top yOffset + 3 pixels below the characters' top. A character
// at or beyond the text's end stands 4 pixels past it.
void DrawErrorWave(platform::TCanvas &canvas, const QString &text, const platform::TRect &rect, int yOffset,
                   int first, int count);

} // namespace controls
