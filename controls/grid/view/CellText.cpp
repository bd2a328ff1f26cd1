// The text of a cell: selection colours, then plain text by DrawText's
// rules (one line unless multi-line cells or word wrap), a password mask,
// URLs underlined without their protocol, mini-HTML through the HTML
// renderer and rich text run by run.
#include "controls/grid/base/CellText.h"
#include "controls/grid/base/LineBreaks.h"
#include "controls/grid/base/TextTransform.h"
#include "controls/grid/base/html/DrawHtmlText.h"
#include "controls/grid/base/paint/ErrorWave.h"
#include "controls/grid/model/core/RichText.h"
#include "controls/grid/view/CellPaint.h"
#include "controls/grid/view/SortIndicator.h"

namespace controls {

using namespace platform;

namespace {

unsigned plainTextFlags(const QString &text, const TGridAppearance &look, TAlignment ha, TVAlignment va, bool ww,
                        QString &shown)
{
    unsigned flags = DT_EDITCONTROL;
    shown = text;
    if (CountTextLines(text, look.Multilinecells) == 1 && !ww) {
        QString rest = text;
        CutFirstLine(rest, false, shown);
        flags = DT_SINGLELINE;
        if (look.EnhTextSize)
            flags |= DT_END_ELLIPSIS;
    }
    if (ww && !look.Multilinecells && look.EnhTextSize)
        flags |= DT_END_ELLIPSIS;
    flags |= DT_EXPANDTABS | DT_NOPREFIX;
    flags |= ha == taRightJustify ? DT_RIGHT : ha == taCenter ? DT_CENTER : DT_LEFT;
    flags |= va == vtaCenter ? DT_VCENTER : va == vtaBottom ? DT_BOTTOM : DT_TOP;
    flags |= ww || look.Multilinecells ? DT_WORDBREAK | DT_EDITCONTROL : DT_SINGLELINE;
    return flags;
}

void drawRichText(TCanvas &canvas, const QString &text, TRect rect)
{
    const TRichText rich = readRichText(text);
    const TFont saved = canvas.Font();
    int x = rect.Left;
    int y = rect.Top;
    for (const TRichRun &run : rich.runs) {
        TFont &font = canvas.Font();
        font.setStyle({run.format.bold, run.format.italic, run.format.underline, run.format.strikeOut});
        font.setSize(run.format.halfPoints > 0 ? std::max(1, run.format.halfPoints / 2) : saved.Size());
        font.setColor(isColorSet(run.format.color) ? run.format.color : saved.Color());
        const QStringList lines = run.text.split(QStringLiteral("\r\n"));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0) {
                x = rect.Left;
                y += canvas.TextHeight(QStringLiteral("gh"));
            }
            if (y >= rect.Bottom)
                break;
            TRect line = Rect(x, y, rect.Right, rect.Bottom);
            canvas.DrawText(lines[i], line, DT_SINGLELINE | DT_NOPREFIX | DT_EXPANDTABS | DT_LEFT | DT_TOP);
            x += canvas.TextWidth(lines[i]);
        }
    }
    canvas.Font().Assign(saved);
}

} // namespace

QString TExStringGrid::DisplayCellText(int ACol, int ARow)
{
    QString text = GetFormattedCell(ACol, ARow);
    if (isRichText(text))
        text = readRichText(text).plainText();
    return text;
}

namespace {

// Kinds that stand in for the text rather than beside it.
bool replacesText(const TCellGraphic *g)
{
    if (g == nullptr)
        return false;
    switch (g->FCellType) {
    case ctDataImage:
    case ctDataCheckBox:
    case ctVirtCheckBox:
    case ctRowCheckBox:
    case ctRotated:
    case ctRadio:
    case ctProgress:
    case ctRangeIndicator:
    case ctXPProgress:
    case ctRating:
        return true;
    default:
        return false;
    }
}

} // namespace

void TExStringGrid::renderCellText(TCellPaint &cell)
{
    const TGridAppearance &look = Appearance();
    TCanvas &canvas = cell.canvas;
    TColor anchorColor = look.URLColor;
    if (cell.state.testFlag(gdSelected) && !cell.fixedLike && look.ShowSelection) {
        if (isColorSet(look.SelectionColor))
            canvas.Brush().setColor(look.SelectionColor);
        if (isColorSet(look.SelectionTextColor) && isEnabled())
            canvas.Font().setColor(look.SelectionTextColor);
        anchorColor = look.SelectionTextColor;
    }

    QString text = GetFormattedCell(cell.realCol, cell.row);
    const TCellTextKind kind = GetCellTextKind(text, look.EnableHTML);
    if (DoIsPasswordCell(cell.realCol, cell.row))
        FillWithChar(text, look.PasswordChar);

    TRect r = cell.rect;
    if (IsFixed(cell.col, cell.row)) {
        r.Left += GridLineWidth();
        r.Top += GridLineWidth();
    }
    const TCellScrollClip scrolled(*this, cell, r);
    renderCellBackground(cell, r);
    if (cell.row == FilterDropDownRow() && cell.row < FixedRows() && DoGetColumnFilter(cell.realCol))
        renderFilterButton(canvas, cell.realCol, r);
    if (replacesText(cell.graphic))
        return;
    if (cell.realCol == 0 && NumNodes() > 0) {
        // A node row's text follows its glyph, which sits half an indent
        // left of the level's indent; the rows it holds are indented.
        r.Left += IsNode(cell.row) ? RowNodeIndent(cell.row) + 4 : RowNodeIndent(cell.row);
    }
    r.Left += look.XYOffset.X;
    if (!look.XYOffsetTopLeftOnly)
        r.Right -= look.XYOffset.X;
    r.Top += look.XYOffset.Y;
    // The indicator moves right past a graphic left of the text.
    int sortOffset = 0;
    const bool sortCell = ShowsSortIndicator(cell.col, cell.row);
    if (cell.graphic && cell.graphic->FCellType != ctNode) {
        const TSize room = graphicPlacementSize(*cell.graphic, cell.realCol, cell.row);
        if (cell.graphic->FCellHAlign == haLeft
            || (cell.graphic->FCellHAlign == haBeforeText && cell.ha == taLeftJustify))
            sortOffset = room.cx;
        if (cell.graphic->FCellHAlign == haBeforeText)
            r.Left += room.cx;
        else if (cell.graphic->FCellHAlign == haAfterText)
            r.Right -= room.cx;
        if (cell.graphic->FCellVAlign == vaAboveText)
            r.Top += room.cy;
        else if (cell.graphic->FCellVAlign == vaUnderText)
            r.Bottom -= room.cy;
    }
    canvas.SetBkMode(TRANSPARENT);

    if (kind == ckHtml) {
        THtmlDrawParams params;
        params.AnchorColor = anchorColor;
        params.ShadowColor = 0x808080;
        params.BlinkVisible = !EnableBlink || GridBlink();
        THtmlDrawResult result;
        TRect hr = r;
        hr.Left -= 1;
        if (sortCell)
            hr.Right -= 10;
        DrawHtmlText(canvas, text, hr, params, result);
        cell.textWidth = result.MaxLineWidth + 2;
        if (sortCell)
            RenderSortIndicator(canvas, cell.realCol, sortIndicatorY(r, cell.va), hr.Right + 2);
        return;
    }
    if (kind == ckRichText) {
        drawRichText(canvas, text, r);
        return;
    }

    const bool url = look.URLShow && IsUrlText(text);
    if (url) {
        if (!look.URLFull)
            StripUrlProtocol(text);
        FontStyle style = canvas.Font().Style();
        style.underline = true;
        canvas.Font().setStyle(style);
        canvas.Font().setColor(anchorColor);
    }
    QString shown;
    const unsigned flags = plainTextFlags(text, look, cell.ha, cell.va, cell.ww, shown);
    if (cell.graphic && !shown.isEmpty()) {
        TRect measure = r;
        canvas.DrawText(shown, measure, flags | DT_CALCRECT);
        cell.textWidth = measure.Right - measure.Left + 2;
    }
    const TRect textRect = r;
    if (sortCell && cell.ha == taCenter)
        r.Left += 10;
    if (!shown.isEmpty())
        canvas.DrawText(shown, r, flags);
    r = textRect;
    if (cell.graphic && (cell.graphic->FCellType == ctEmpty || cell.graphic->FCellType == ctValue)
        && cell.graphic->FCellErrLen > 0)
        DrawErrorWave(canvas, shown, r, canvas.TextHeight(QStringLiteral("gh")), cell.graphic->FCellErrFrom,
                      cell.graphic->FCellErrLen);
    if (url) {
        FontStyle style = canvas.Font().Style();
        style.underline = false;
        canvas.Font().setStyle(style);
    }
    if (sortCell)
        RenderSortIndicator(canvas, cell.realCol, sortIndicatorY(r, cell.va),
                            sortIndicatorX(r, canvas.TextWidth(shown), cell.ha, sortOffset));
}

} // namespace controls
