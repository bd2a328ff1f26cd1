#pragma once
// Small figures drawn in cells (rating stars, status lights, arrows) and
// the drop marker of a moved column.
#include "platform/draw/Canvas.h"

#include <cstdint>

namespace controls {

enum TCellShape : std::uint8_t {
    csRectangle,
    csCircle,
    csTriangleLeft,
    csTriangleRight,
    csTriangleUp,
    csTriangleDown,
    csDiamond,
    csLineVert,
    csLineHorz,
    csRoundRect,
    csEllips,
    csSquare,
    csRoundSquare,
    csStar,
    csArrowUp,
    csArrowDown,
    csArrowLeft,
    csArrowRight,
    csHalfStar,
};

// The shape in the box, filled in the brush colour and outlined in the pen
// colour. Circles and squares take the box's smaller side; a value beyond
// csHalfStar draws nothing.
void DrawCellShape(platform::TCanvas &canvas, const platform::TRect &box, TCellShape shape,
                   platform::TColor brushColor, platform::TColor penColor);

// A filled triangle 6 pixels wide and 3 high hanging below (x, y).
void DrawDownMarker(platform::TCanvas &canvas, int x, int y, platform::TColor color);

} // namespace controls
