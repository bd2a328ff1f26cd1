// Star ratings: a row of stars filled up to the cell's value in half
// steps, and a press that sets the value by where it falls, half a star
// every 9 pixels, never beyond the scale.
#include "controls/grid/base/paint/CellShapes.h"
#include "controls/grid/model/core/TypedText.h"
#include "controls/grid/view/CellPaint.h"

#include <algorithm>
#include <cmath>

namespace controls {

using namespace platform;

void TExStringGrid::renderRating(TCellPaint &cell, int x, int y)
{
    const TCellGraphic &g = *cell.graphic;
    const double floats = cellTextToFloat(Cells(cell.col, cell.row)).value_or(0.0);
    // Rounded to a half, halves to the even neighbour: 2.25 shows 2.
    const double value = std::nearbyint(floats * 2.0) / 2.0;
    const TColor fill = TColor(g.FCellIndex);
    const TColor empty = TColor(std::uint32_t(reinterpret_cast<std::uintptr_t>(g.CellBitmap())));
    for (int star = 1; star <= g.FCellAngle; ++star) {
        const TRect box = Bounds(x + (star - 1) * 18, y, 16, 16);
        const TColor color = star <= value ? fill : empty;
        DrawCellShape(cell.canvas, box, csStar, color, color);
        if (star > value && star - 1 < value)
            DrawCellShape(cell.canvas, box, csHalfStar, fill, fill);
    }
}

bool TExStringGrid::pressRating(int ACol, int ARow, int RealCol, int X)
{
    if (!HasRating(RealCol, ARow) || !IsEditable(RealCol, ARow))
        return false;
    HideEditor();
    const TGridCoord base = BaseCell(RealCol, ARow);
    const TCellGraphic *g = GetCellGraphic(base.X, base.Y);
    const int scale = g ? std::max(g->FCellAngle, 0) : 0;
    const int offset = X - CellRect(ACol, ARow).Left;
    // A press beside the stars still names a rate on the scale.
    double rate = std::clamp(offset / 9, 0, 2 * scale) / 2.0;
    if (DoRatingChange(RealCol, ARow, rate)) {
        setFloats(RealCol, ARow, rate);
        RepaintCell(ACol, ARow);
    }
    return true;
}

} // namespace controls
