// Shapes in cells (status lights, arrows, stars): the figure in the
// graphic's box less a pixel on the right and bottom, outlined in its line
// colour and filled in its fill colour.
#include "controls/grid/base/paint/CellShapes.h"
#include "controls/grid/view/CellPaint.h"

#include <cstdint>

namespace controls {

using namespace platform;

void TExStringGrid::renderShape(TCellPaint &cell, const TRect &box)
{
    const TCellGraphic &g = *cell.graphic;
    const TColor line = TColor(std::uint32_t(reinterpret_cast<std::uintptr_t>(g.CellBitmap())));
    const TRect figure = Rect(box.Left, box.Top, box.Right - 1, box.Bottom - 1);
    DrawCellShape(cell.canvas, figure, TCellShape(g.FCellAngle), TColor(g.FCellIndex), line);
    cell.canvas.Brush().setColor(Color());
}

} // namespace controls
