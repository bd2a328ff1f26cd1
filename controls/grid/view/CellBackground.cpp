// The background picture and gradient inside cells and in the client area
// outside them. The tiles and the gradient run on across cells: each cell
// shows its own part of one picture (one gradient) laid over the grid.
#include "controls/grid/base/paint/ColorSteps.h"
#include "controls/grid/view/CellPaint.h"

#include <algorithm>

namespace controls {

using namespace platform;

namespace {

// The picture repeated from (x0, y0) over the rectangle, cut at its edges.
void drawTiles(TCanvas &canvas, const QImage &picture, const TRect &rect, int x0, int y0)
{
    const int w = picture.width();
    const int h = picture.height();
    if (w <= 0 || h <= 0 || rect.Right <= rect.Left || rect.Bottom <= rect.Top)
        return;
    const int saved = canvas.SaveDC();
    canvas.IntersectClipRect(rect);
    for (int y = y0; y < rect.Bottom; y += h)
        for (int x = x0; x < rect.Right; x += w)
            canvas.DrawImage(x, y, picture);
    canvas.RestoreDC(saved);
}

void drawAt(TCanvas &canvas, const QImage &picture, const TRect &rect, int x, int y)
{
    const TRect overlap = IntersectRect(rect, Bounds(x, y, picture.width(), picture.height()));
    if (overlap.Right <= overlap.Left || overlap.Bottom <= overlap.Top)
        return;
    const int saved = canvas.SaveDC();
    canvas.IntersectClipRect(overlap);
    canvas.DrawImage(x, y, picture);
    canvas.RestoreDC(saved);
}

// Where the tiles start so that the cell's edge falls `phase` pixels into
// the picture.
int tileStart(int edge, int phase, int size) { return edge - (size > 0 ? phase % size : 0); }

bool kindTakesGradient(const TCellGraphic *g)
{
    if (g == nullptr)
        return false;
    switch (g->FCellType) {
    case ctCheckBox:
    case ctDataCheckBox:
    case ctRadio:
    case ctButton:
    case ctRadioButton:
        return true;
    default:
        return false;
    }
}

} // namespace

void TExStringGrid::DrawBackGroundPicture(TCanvas &ACanvas, TRect ARect)
{
    const TBackGround &back = Appearance().BackGround;
    if (back.Bitmap.isNull())
        return;
    ACanvas.SetBkMode(TRANSPARENT);
    drawAt(ACanvas, back.Bitmap, ARect, back.Left, back.Top);
}

void TExStringGrid::DrawBackGroundTiled(TCanvas &ACanvas, TRect ARect)
{
    const TBackGround &back = Appearance().BackGround;
    if (back.Bitmap.isNull())
        return;
    ACanvas.SetBkMode(TRANSPARENT);
    drawTiles(ACanvas, back.Bitmap, ARect, ARect.Left - 1, ARect.Top - 1);
}

void TExStringGrid::renderCellBackground(TCellPaint &cell, const TRect &textRect)
{
    const TGridAppearance &look = Appearance();
    const TBackGround &back = look.BackGround;
    const bool fixed = cell.col < FixedCols() || cell.row < FixedRows();
    const bool included = back.Cells == bcAll || (fixed ? back.Cells == bcFixed : back.Cells == bcNormal);
    if (!included)
        return;
    const bool ownColor = CellHasProperties(cell.realCol, cell.row) && isColorSet(Colors(cell.realCol, cell.row));
    const bool selected = cell.state.testFlag(gdSelected);
    const int lineWidth = GridLineWidth();
    TCanvas &canvas = cell.canvas;

    if (!back.Bitmap.isNull() && !ownColor && (!look.ShowSelection || !selected)) {
        TRect r = textRect;
        r.Left -= lineWidth - 1;
        r.Top -= lineWidth - 1;
        canvas.SetBkMode(TRANSPARENT);
        if (back.Display != bdTile) {
            drawAt(canvas, back.Bitmap, r, back.Left, back.Top);
        } else {
            // The tiling runs on from the first column (row) that takes it.
            const int firstCol = back.Cells == bcNormal ? FixedCols() : 0;
            const int firstRow = back.Cells == bcNormal ? FixedRows() : 0;
            int dx = 0;
            int dy = 0;
            for (int c = firstCol; c < cell.col; ++c)
                dx += ColWidths(c);
            for (int row = firstRow; row < cell.row; ++row)
                dy += RowHeights(row);
            const TRect whole = CellRect(cell.col, cell.row);
            drawTiles(canvas, back.Bitmap, r, tileStart(whole.Left, dx, back.Bitmap.width()),
                      tileStart(whole.Top, dy, back.Bitmap.height()));
        }
    }

    const bool gradient = back.Display == bdGradientHorz || back.Display == bdGradientVert;
    const bool focused = cell.state.testFlag(gdFocused);
    const bool shown = (!selected && !focused) || (focused && !Options().testFlag(goDrawFocusSelected))
                       || !look.ShowSelection;
    if (gradient && (!ownColor || kindTakesGradient(cell.graphic)) && shown) {
        const TRect r = Rect(textRect.Left - 1, textRect.Top - lineWidth, textRect.Right,
                             textRect.Bottom + lineWidth - 1);
        DrawCellBackGroundGradient(canvas, r);
    }
}

void TExStringGrid::DrawCellBackGroundGradient(TCanvas &ACanvas, TRect ARect)
{
    const TBackGround &back = Appearance().BackGround;
    const bool horizontal = back.Display == bdGradientHorz;
    const int extent = std::max(1, horizontal ? width() : height());
    constexpr int steps = 128;
    const int from = horizontal ? ARect.Left : ARect.Top;
    const int to = horizontal ? ARect.Right : ARect.Bottom;
    // One fill per band of the grid-wide gradient that meets the cell.
    for (int p = from; p < to;) {
        const int band = std::clamp(int(std::int64_t{std::max(p, 0)} * steps / extent), 0, steps - 1);
        const int bandEnd = int((std::int64_t{band} + 1) * extent / steps + ((std::int64_t{band} + 1) * extent % steps ? 1 : 0));
        const int end = std::clamp(std::max(bandEnd, p + 1), p + 1, to);
        const TColor color = BlendColorStep(back.Color, back.ColorTo, 0, steps - 1, band);
        ACanvas.FillColor(horizontal ? Rect(p, ARect.Top, end, ARect.Bottom) : Rect(ARect.Left, p, ARect.Right, end),
                          color);
        p = end;
    }
}

} // namespace controls
