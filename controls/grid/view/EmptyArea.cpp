// The client area beyond the last column and below the last row shows the
// grid's background gradient or picture, so that the background runs on
// past the cells instead of stopping at them.
#include "controls/grid/base/paint/Fills.h"
#include "controls/grid/base/SearchFooter.h"
#include "controls/grid/view/CellPaint.h"
#include "controls/grid/view/FooterPanel.h"

#include <vector>

namespace controls {

using namespace platform;

void TExStringGrid::PaintEmptyArea(TCanvas &ACanvas)
{
    const TBackGround &back = Appearance().BackGround;
    const bool moreRows = TopRow() + VisibleRowCount() < RowCount();
    const bool moreCols = LeftCol() + VisibleColCount() < ColCount();
    if (moreRows && moreCols)
        return;
    const bool gradient = back.Display == bdGradientHorz || back.Display == bdGradientVert;
    if (gradient && back.ColorTo == clNone)
        return;

    const TRect client = Rect(0, 0, ClientWidth(), ClientHeight());
    const int line = GridLineWidth();
    std::vector<TRect> regions;
    if (ColCount() - 1 < LeftCol() + VisibleColCount()) {
        const int right = CellRect(ColCount() - 1, TopRow()).Right + line;
        if (right < client.Right)
            regions.push_back(Rect(right, 0, client.Right, client.Bottom));
    }
    if (RowCount() - 1 < TopRow() + VisibleRowCount()) {
        const int bottom = CellRect(LeftCol(), RowCount() - 1).Bottom + line;
        if (bottom < client.Bottom)
            regions.push_back(Rect(0, bottom, client.Right, client.Bottom));
    }

    // The fill stops above the search footer and the floating footer's panel.
    TRect fill = client;
    if (SearchFooter().Visible())
        fill.Bottom -= 32;
    if (FloatingFooter().Visible() && FooterPanel() != nullptr)
        fill.Bottom -= FooterPanel()->height();
    for (const TRect &region : regions) {
        const int saved = ACanvas.SaveDC();
        ACanvas.IntersectClipRect(region);
        if (back.Bitmap.isNull()) {
            if (gradient)
                FillGradient(ACanvas, fill, back.Color, back.ColorTo, 128,
                             back.Display == bdGradientHorz ? TGradientAxis::Horizontal : TGradientAxis::Vertical);
        } else if (back.Display != bdTile) {
            DrawBackGroundPicture(ACanvas, fill);
        } else if (back.Cells != bcFixed) {
            // Normal cells only: the tiles start where the first normal cell does.
            TPoint origin{fill.Left, fill.Top};
            if (back.Cells == bcNormal) {
                const TRect first = CellRect(FixedCols(), FixedRows());
                origin = TPoint{first.Left, first.Top};
            }
            origin.X += Appearance().XYOffset.X;
            origin.Y += Appearance().XYOffset.Y;
            DrawBackGroundTiled(ACanvas, Rect(origin.X, origin.Y, fill.Right, fill.Bottom));
        }
        ACanvas.RestoreDC(saved);
    }
}

} // namespace controls
