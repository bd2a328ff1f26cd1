#pragma once
// Where the popup of a drop-down opens, from the work area of the screen
// the edit is on (the screen less its panels), the edit's rectangle and the
// popup's size, all in screen pixels.
#include "controls/dropdown/core/DropDownTypes.h"

#include <QPoint>
#include <QRect>
#include <QSize>

namespace controls {

// The popup's top-left corner. Below the edit (overlapping its last pixel
// row) when it fits there, else above it when it fits there, else on the
// side with more room, moved up or down to stay on the work area as far as
// it can; dpDown and dpUp keep their side. Across, it starts at the edit's
// left edge and moves left, then right, to stay on the work area.
QPoint placeDropDown(const QRect &edit, QSize popup, const QRect &workArea, TDropPosition position);

} // namespace controls
