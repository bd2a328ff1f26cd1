// What the owner adds to a cell: a picture marking the current row, its
// own drawing before and after the content, and the cell event of the
// grid it derives from.
#include "controls/grid/base/paint/BitmapDrawing.h"
#include "controls/grid/view/CellPaint.h"

namespace controls {

using namespace platform;

void TExStringGrid::renderRowIndicator(TCellPaint &cell)
{
    const QImage &picture = Appearance().RowIndicator;
    if (cell.realCol != 0 || cell.row != Row() || FixedCols() <= 0 || picture.isNull())
        return;
    if (RowCount() <= FixedRows() && FixedRowAlways())
        return;
    const int height = cell.rect.Bottom - cell.rect.Top;
    int y = cell.rect.Top;
    if (VAlignment == vtaCenter)
        y += (height - picture.height()) / 2;
    else if (VAlignment == vtaBottom)
        y = cell.rect.Bottom - picture.height();
    DrawBitmapTransparent(cell.canvas, TBitmap(picture), clNone,
                          Bounds(cell.rect.Left + 2, y, picture.width(), picture.height()));
    cell.rect.Left += picture.width() + 2;
    cell.indicatorWidth = picture.width() + 2;
}

void TExStringGrid::renderOwnerDrawing(TCellPaint &cell)
{
    if (OnDrawCell) {
        const TRect r = Rect(cell.rect.Left + 1, cell.rect.Top + 1, cell.rect.Right - GridLineWidth(),
                             cell.rect.Bottom - GridLineWidth());
        OnDrawCell(this, cell.realCol, cell.row, r, cell.state);
    }
    if (OnCustomCellDraw)
        OnCustomCellDraw(this, cell.canvas, cell.realCol, cell.row, cell.state, cell.rect, false);
}

} // namespace controls
