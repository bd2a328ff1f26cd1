// The borders a cell asks for, drawn over its lines: each side with its own
// pen, kept inside the cell by half the pen's width where grid lines run.
#include "controls/grid/view/CellPaint.h"

#include <algorithm>

namespace controls {

using namespace platform;

void TExStringGrid::DoGetCellBorder(int ACol, int ARow, TPen &APen, TCellBorders &Borders)
{
    if (OnGetCellBorder)
        OnGetCellBorder(this, ARow, ACol, APen, Borders);
}

void TExStringGrid::renderCellBorders(TCellPaint &cell)
{
    TCanvas &canvas = cell.canvas;
    TPen &pen = canvas.Pen();
    TPen saved;
    saved.Assign(pen);
    TCellBorders borders;
    DoGetCellBorder(cell.realCol, cell.row, pen, borders);
    if (borders.none()) {
        pen.Assign(saved);
        return;
    }
    TPen left, top, right, bottom;
    left.Assign(pen);
    top.Assign(pen);
    right.Assign(pen);
    bottom.Assign(pen);
    if (OnGetCellBorderProp)
        OnGetCellBorderProp(this, cell.row, cell.realCol, left, top, right, bottom);

    const int half = (pen.Width() + 1) / 2;
    const int vertical = Options().testFlag(goVertLine) ? half : 0;
    const int horizontal = Options().testFlag(goHorzLine) ? half : 0;
    const int lineWidth = GridLineWidth();
    TRect r = cell.rect;
    r.Left += vertical;
    r.Bottom -= horizontal;
    if (borders.test(cbLeft)) {
        pen.Assign(left);
        const int x = std::max(r.Left, 0);
        canvas.MoveTo(x, r.Top);
        canvas.LineTo(x, r.Bottom);
    }
    r.Right -= vertical;
    if (borders.test(cbRight)) {
        pen.Assign(right);
        canvas.MoveTo(r.Right - 1, r.Top);
        canvas.LineTo(r.Right - 1, r.Bottom);
    }
    r.Top += horizontal;
    if (borders.test(cbTop)) {
        pen.Assign(top);
        const int y = lineWidth > 0 ? std::max(r.Top - lineWidth, 0) : r.Top + 1;
        canvas.MoveTo(r.Left, y);
        canvas.LineTo(r.Right, y);
    }
    if (borders.test(cbBottom)) {
        pen.Assign(bottom);
        canvas.MoveTo(r.Left - lineWidth - 1, r.Bottom - 1);
        canvas.LineTo(r.Right, r.Bottom - 1);
    }
    pen.Assign(saved);
}

} // namespace controls
