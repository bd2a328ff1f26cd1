#pragma once
// Writes character runs as the rich text (RTF) a cell stores: a font table
// and a colour table of what the runs use, each run in a group of its own
// with its font, size, styles, colour and offset. The result is 7-bit text,
// one character per byte of the RTF stream; characters beyond it go out as
// \u escapes, so that readRichText gives the same runs back.
#include "controls/grid/model/core/RichText.h"

#include <QString>

namespace controls {

QString writeRichText(const TRichText &text);

} // namespace controls
