// The size of a cell's content: its display text in the cell's font (one
// line per CR with multi-line cells, one line without) and its graphic.
#include "controls/grid/base/LineBreaks.h"
#include "controls/grid/base/html/DrawHtmlText.h"
#include "controls/grid/base/CellText.h"
#include "controls/grid/view/CellPaint.h"

#include <cmath>
#include <numbers>

namespace controls {

using namespace platform;

TSize TExStringGrid::MeasureCellText(TCanvas &ACanvas, const QString &AText, bool Multiline)
{
    const int lineHeight = ACanvas.TextHeight(QStringLiteral("gh"));
    if (!Multiline) {
        QString text = AText;
        QString first;
        CutFirstLine(text, false, first);
        return {ACanvas.TextWidth(first), lineHeight};
    }
    const QStringList lines = QString(AText).remove(u'\n').split(u'\r');
    int width = 0;
    for (const QString &line : lines)
        width = std::max(width, ACanvas.TextWidth(line));
    return {width, lineHeight * int(lines.size())};
}

TSize TExStringGrid::GetCellTextSize(int ACol, int ARow)
{
    QImage scratch(1, 1, QImage::Format_ARGB32);
    TCanvas canvas(&scratch);
    canvas.Font().Assign(Font());
    TGridDrawState state;
    TBrush brush;
    TColor to = clNone, mirror = clNone, mirrorTo = clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd = GradientVertical;
    GetVisualProperties(DisplColIndex(ACol), ARow, state, false, false, false, brush, to, mirror, mirrorTo,
                        canvas.Font(), ha, va, ww, gd);
    const QString text = DisplayCellText(ACol, ARow);
    if (GetCellTextKind(text, Appearance().EnableHTML) == ckHtml) {
        THtmlDrawParams params;
        params.MeasureOnly = true;
        THtmlDrawResult result;
        DrawHtmlText(canvas, text, Rect(0, 0, 4096, 4096), params, result);
        return {result.MaxLineWidth, result.TotalHeight};
    }
    return MeasureCellText(canvas, text, Appearance().Multilinecells);
}

TSize TExStringGrid::CellContentSize(int ACol, int ARow)
{
    if (const TCellGraphic *rotated = GetCellGraphic(ACol, ARow); rotated && rotated->FCellType == ctRotated) {
        // The box the rotated text takes, plus a margin.
        const TSize text = GetCellTextSize(ACol, ARow);
        const double a = rotated->FCellAngle * std::numbers::pi / 180.0;
        const auto part = [](double v) { return std::abs(int(std::nearbyint(v))); };
        return {part(text.cx * std::cos(a)) + part(text.cy * std::sin(a)) + 12,
                part(text.cx * std::sin(a)) + part(text.cy * std::cos(a)) + 12};
    }
    const TSize text = GetCellTextSize(ACol, ARow);
    const TSize graphic = GetCellGraphicSize(ACol, ARow);
    const TCellGraphic *g = GetCellGraphic(ACol, ARow);
    const bool beside = g && (g->FCellHAlign == haBeforeText || g->FCellHAlign == haAfterText);
    const bool above = g && (g->FCellVAlign == vaAboveText || g->FCellVAlign == vaUnderText);
    TSize size{std::max(text.cx, graphic.cx), std::max(text.cy, graphic.cy)};
    if (beside)
        size.cx = text.cx + graphic.cx;
    if (above)
        size.cy = text.cy + graphic.cy;
    size.cx += TotalXOffset();
    size.cy += TotalYOffset();
    return size;
}

} // namespace controls
