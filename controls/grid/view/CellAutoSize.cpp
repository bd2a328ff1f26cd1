// Every cell's text and graphic measured at once, columns widened and rows
// heightened to them (after a zoom the text no longer fits).
#include "controls/grid/base/NumberText.h"
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridAppearance.h"

#include "platform/ScopeGuard.h"

namespace controls {

void TExStringGrid::AutoSizeCells(bool DoFixedCells, int PaddingX, int PaddingY)
{
    BeginUpdate();
    platform::Finally done([this] { EndUpdate(); });
    const platform::TPoint offset = Appearance().XYOffset;
    for (int c = DoFixedCells ? 0 : FixedCols(); c < ColCount(); ++c) {
        const int realCol = RealColIndex(c);
        int widest = SizeGrowOnly ? ColWidths(c) : 0;
        for (int r = DoFixedCells ? 0 : FixedRows(); r < RowCount(); ++r) {
            const platform::TSize graphic = GetCellGraphicSize(c, r);
            const platform::TSize text = GetCellTextSize(realCol, r);
            const int w = text.cx + graphic.cx + PaddingX + offset.X;
            const int h = text.cy + graphic.cy + PaddingY + offset.Y;
            if (!IsXMergedCell(c, r) && w > widest) {
                const int clamped = ClampToLimits(w, MinColWidth, MaxColWidth);
                if (clamped > widest) {
                    setColWidths(c, clamped);
                    widest = clamped;
                }
            }
            if (!IsYMergedCell(c, r) && h > RowHeights(r))
                setRowHeights(r, h);
        }
    }
}

} // namespace controls
