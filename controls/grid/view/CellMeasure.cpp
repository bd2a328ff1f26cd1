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

TSize TExStringGrid::GetCellTextSize(int ACol, int ARow) { return GetCellTextSize(ACol, ARow, false, false); }

TSize TExStringGrid::GetCellTextSize(int ACol, int ARow, bool VS, bool SB)
{
    const TGridAppearance &look = Appearance();
    const int displayCol = DisplColIndex(ACol);
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
    GetVisualProperties(displayCol, ARow, state, false, false, false, brush, to, mirror, mirrorTo, canvas.Font(), ha,
                        va, ww, gd);
    if ((displayCol < FixedCols() || ARow < FixedRows()) && ActiveCellShow && ActiveCellFont().Style().bold) {
        FontStyle bold = canvas.Font().Style();
        bold.bold = true;
        canvas.Font().setStyle(bold);
    }
    if (look.ZoomFactor != 0)
        canvas.Font().setSize(canvas.Font().Size() + look.ZoomFactor);

    // The room the text has: the cell less the offsets and, with SB, a button.
    TRect r = CellRect(displayCol, ARow);
    r.Left += look.XYOffset.X;
    r.Top += look.XYOffset.Y;
    if (!look.XYOffsetTopLeftOnly) {
        r.Right -= look.XYOffset.X;
        r.Bottom -= look.XYOffset.Y;
    }
    if (SB)
        r.Right -= 17;

    const QString text = DisplayCellText(ACol, ARow);
    if (GetCellTextKind(text, look.EnableHTML) == ckHtml) {
        if (!VS)
            r.Right = 65535;
        r.Bottom = 65535;
        THtmlDrawParams params;
        params.MeasureOnly = true;
        params.AnchorColor = look.URLColor;
        THtmlDrawResult result;
        DrawHtmlText(canvas, text, r, params, result);
        return {result.MaxLineWidth + 2, result.TotalHeight + 2};
    }
    if (!VS)
        return MeasureCellText(canvas, text, look.Multilinecells);
    int angle = 0;
    const bool rotated = IsRotated(ACol, ARow, angle);
    r = InflateRect(r, -2, -2);
    QString wrapped = text;
    if (EditorMode() && Col() == displayCol && Row() == ARow && wrapped.endsWith(u'\n'))
        wrapped += u'w'; // the empty last line counts
    TRect calc = r;
    const unsigned flags = DT_CALCRECT | DT_EDITCONTROL | DT_NOPREFIX | DT_EXPANDTABS
                           | (rotated ? DT_SINGLELINE : DT_WORDBREAK);
    const int height = canvas.DrawText(wrapped, calc, flags);
    return {calc.Right - calc.Left, height};
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
