// Progress bars in cells: a bar over a range with its formatted text, the
// level-coloured bar of the progress appearance, a bar from the middle for
// signed values, and a pie. The cell's text is the value; a text that is
// no number shows an empty bar instead of stopping the paint.
#include "controls/grid/base/paint/Progress.h"
#include "controls/grid/model/core/TypedText.h"
#include "controls/grid/view/CellPaint.h"

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace controls {

using namespace platform;

namespace {

// Colours ride in the graphic's pointer fields for these kinds.
TColor colorField(const void *field) { return TColor(reinterpret_cast<std::uintptr_t>(field)); }

TColor inverse(TColor color) { return ColorToRGB(color) ^ 0xFFFFFF; }

TProgressAppearance progressLook(const TGridProgressAppearance &a, const TFont &font, TColor brush)
{
    TProgressAppearance p;
    p.Level0Color = a.Level0Color;
    p.Level0ColorTo = a.Level0ColorTo;
    p.Level1Color = a.Level1Color;
    p.Level1ColorTo = a.Level1ColorTo;
    p.Level2Color = a.Level2Color;
    p.Level2ColorTo = a.Level2ColorTo;
    p.Level3Color = a.Level3Color;
    p.Level3ColorTo = a.Level3ColorTo;
    p.Level1Perc = a.Level1Perc;
    p.Level2Perc = a.Level2Perc;
    p.BorderColor = a.BorderColor;
    p.ShowBorder = a.ShowBorder;
    p.Stacked = a.Stacked;
    p.ShowPercentage = a.ShowPercentage;
    p.Font.Assign(font);
    p.CompleteFontColor = a.CompleteFontColor;
    p.CompletionSmooth = a.CompletionSmooth;
    p.ShowGradient = a.ShowGradient;
    p.Steps = a.Steps;
    p.UnCompleteFontColor = a.UnCompleteFontColor;
    p.UnCompleteColor = isColorSet(a.UnCompleteColor) ? a.UnCompleteColor : brush;
    return p;
}

} // namespace

int ProgressPercent(int value, int minimum, int maximum)
{
    // An empty range shows nothing done rather than dividing by zero.
    if (maximum == minimum)
        return 0;
    const double share = std::abs(double(value) - minimum) / (double(maximum) - minimum) * 100.0;
    return int(std::nearbyint(std::clamp(share, 0.0, 100.0)));
}

void TExStringGrid::renderProgress(TCellPaint &cell, TRect r)
{
    const TCellGraphic *g = cell.graphic;
    const TGridControlLook &control = ControlLook();
    TCanvas &canvas = cell.canvas;
    const QString text = Cells(cell.col, cell.row);
    switch (g->FCellType) {
    case ctProgress: {
        TRangeProgress p;
        p.FillColor = colorField(g->CellBitmap());
        p.EmptyColor = colorField(g->CellIcon());
        p.FillTextColor = g->FCellBoolean ? TColor(g->FCellIndex) : inverse(p.FillColor);
        p.EmptyTextColor = g->FCellBoolean ? TColor(g->FCellAngle) : inverse(p.EmptyColor);
        p.BorderColor = control.ProgressBorderColor;
        p.Format = g->FCellText;
        p.Minimum = g->FCellErrFrom;
        p.Maximum = g->FCellErrLen;
        p.MarginX = control.ProgressMarginX;
        p.MarginY = control.ProgressMarginY;
        p.Position = cellTextToFloat(text).value_or(0.0);
        DrawRangeProgress(canvas, InflateRect(r, -2, -2), p);
        break;
    }
    case ctXPProgress: {
        TRect bar = InflateRect(r, -control.ProgressMarginX, -control.ProgressMarginY);
        bar.Right -= 1;
        bar.Bottom -= 1;
        const int percent = ProgressPercent(cellTextToInt(text).value_or(g->FCellErrFrom), g->FCellErrFrom,
                                            g->FCellErrLen);
        DrawCellProgress(canvas, bar, percent,
                         progressLook(Appearance().ProgressAppearance, Font(), canvas.Brush().Color()));
        break;
    }
    case ctRangeIndicator: {
        const TRect bar = InflateRect(r, -control.ProgressMarginX, -control.ProgressMarginY);
        DrawCenteredBar(canvas, bar, cellTextToInt(text).value_or(0), g->FCellIndex, g->FCellBoolean,
                        colorField(g->CellBitmap()), colorField(g->CellIcon()));
        break;
    }
    default:
        break;
    }
}

} // namespace controls
