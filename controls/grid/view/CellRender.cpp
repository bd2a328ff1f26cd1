// The cell renderer: after the base painter filled the background and drew
// the lines, the look's fixed-cell background, the modified marker, the
// background picture and the text, the cell's borders, the look's edge
// lines, the tree lines, the graphic and the focus frame, in that order. Painting never raises: a cell that fails to draw stays as far as
// it got.
#include "controls/grid/base/paint/ColorSteps.h"
#include "controls/grid/base/paint/Fills.h"
#include "controls/grid/view/CellPaint.h"

namespace controls {

using platform::TColor;
using platform::TRect;

void TExStringGrid::RenderCell(platform::TCanvas &ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    TCellPaint cell{ACanvas, ACol, RealColIndex(ACol), ARow, AState, ARect};
    try {
        cell.fixedLike = IsFixed(ACol, ARow) || ACol < FixedCols() || ARow < FixedRows();
        TGridDrawState visualState = AState;
        cell.ww = FWordWrap;
        TCellGradientDirection direction = GradientVertical;
        GetVisualProperties(ACol, ARow, visualState, false, false, true, ACanvas.Brush(), cell.colorTo, cell.mirror,
                            cell.mirrorTo, ACanvas.Font(), cell.ha, cell.va, cell.ww, direction);
        cell.graphic = GetCellGraphic(cell.realCol, ARow);
        renderInCellScrollBar(cell);
        const TGridAppearance &appearance = Appearance();
        if (AState.testFlag(gdSelected) && !AState.testFlag(gdFocused) && !platform::isColorSet(appearance.SelectionColor))
            ACanvas.Brush().setColor(platform::clHighlight);
        if (appearance.ZoomFactor != 0)
            ACanvas.Font().setSize(ACanvas.Font().Size() + appearance.ZoomFactor);
        const TColor brushColor = ACanvas.Brush().Color();
        const TColor fontColor = ACanvas.Font().Color();

        renderFixedBackground(cell);
        renderRowIndicator(cell);
        const TGridAppearance &look = Appearance();
        if (ACol == 0 && look.ShowModified.Enabled && RowModified(ARow)) {
            const TRect bar = platform::Rect(cell.rect.Right - 4, cell.rect.Top, cell.rect.Right, cell.rect.Bottom);
            ACanvas.FillColor(bar, look.ShowModified.Color());
        }
        if (OnCustomCellBkgDraw)
            OnCustomCellBkgDraw(this, ACanvas, cell.realCol, ARow, AState, cell.rect, false);
        renderEditorButtons(ACanvas, ACol, ARow, cell.rect);
        renderInterface(cell, platform::InflateRect(cell.rect, 1, 1), true);
        const bool ownerDraws = (OnDrawCell || OnCustomCellDraw) && look.NoDefaultDraw;
        if (!(cell.graphic && look.NoImageAndText) && !ownerDraws)
            renderCellText(cell);

        ACanvas.Brush().setColor(brushColor);
        ACanvas.Font().setColor(fontColor);
        cell.rect.Right += cell.scrollBarWidth;
        cell.rect = platform::InflateRect(cell.rect, 1, 1);
        cell.rect.Left -= cell.indicatorWidth;
        renderCellBorders(cell);
        renderEdgeLines(cell);
        renderTreeLines(cell);
        renderCellGraphic(cell);
        renderOwnerDrawing(cell);
        renderFocus(cell);
    } catch (const std::exception &) {
        // A cell's text or graphic that cannot be read draws nothing more.
    }
}

void TExStringGrid::renderFixedBackground(TCellPaint &cell)
{
    const TGridAppearance &look = Appearance();
    if (cell.fixedLike && !look.Flat && look.Look == glListView) {
        renderListViewHeader(cell.canvas, cell.col, cell.row, cell.rect);
        return;
    }
    if (!cell.fixedLike || look.Look < glFenlo || look.Look == glListView || look.Look == glCustom)
        return;
    if (renderHoverHeader(cell.canvas, cell.col, cell.row, cell.rect) || look.Flat)
        return;
    TGradientCellLook gradient;
    gradient.Vertical = true;
    if (ActiveCellShow && ((FixedCols() > 0 && cell.col == FixedCols() - 1 && cell.row == Row())
                           || (FixedRows() > 0 && cell.row == FixedRows() - 1 && cell.col == Col()))) {
        gradient.Color = ActiveCellColor;
        gradient.ColorTo = look.ActiveCellColorTo;
    } else if (isSortedHeader(cell.col, cell.row)) {
        const TSortSettings &sort = SortSettings();
        gradient.Color = sort.HeaderColor;
        gradient.ColorTo = sort.HeaderColorTo;
        gradient.MirrorColor = sort.HeaderMirrorColor;
        gradient.MirrorColorTo = sort.HeaderMirrorColorTo;
    } else {
        gradient.Color = cell.canvas.Brush().Color();
        gradient.ColorTo = cell.colorTo;
        gradient.MirrorColor = cell.mirror;
        gradient.MirrorColorTo = cell.mirrorTo;
    }
    DrawGradientCell(cell.canvas, cell.rect, gradient);
    if (look.Look == glVista) {
        cell.canvas.Pen().setColor(platform::clWhite);
        cell.canvas.MoveTo(cell.rect.Left, cell.rect.Top);
        cell.canvas.LineTo(cell.rect.Left, cell.rect.Bottom);
        cell.canvas.MoveTo(cell.rect.Right - 1, cell.rect.Top);
        cell.canvas.LineTo(cell.rect.Right - 1, cell.rect.Bottom);
    }
}

void TExStringGrid::renderEdgeLines(TCellPaint &cell)
{
    const TGridAppearance &look = Appearance();
    if (look.Flat && look.Look != glClassic && FFixedRightCols > 0 && cell.realCol >= AllColCount() - FFixedRightCols)
        renderFixedRightBox(cell.canvas, cell.col, cell.rect);
    if (cell.fixedLike && !look.Flat && look.Look == glClassic)
        renderClassicEdges(cell.canvas, cell.rect);
    if (cell.fixedLike && !look.Flat && look.Look == glSoft)
        renderSoftEdges(cell.canvas, cell.rect);
    if (!cell.fixedLike || look.Flat || (look.Look != glFenlo && look.Look != glXP))
        return;
    TRect r = cell.rect;
    r.Bottom += 1;
    if (!Options().testFlag(goFixedHorzLine))
        return;
    platform::TPen &pen = cell.canvas.Pen();
    const TColor saved = pen.Color();
    pen.setWidth(1);
    pen.setColor(HalveColor(FixedColor()));
    cell.canvas.MoveTo(r.Left, r.Bottom - 2);
    cell.canvas.LineTo(r.Right, r.Bottom - 2);
    pen.setColor(platform::clWhite);
    cell.canvas.MoveTo(r.Left + 1, r.Bottom - 2);
    cell.canvas.LineTo(r.Left + 1, r.Top + 1);
    cell.canvas.LineTo(r.Right - 1, r.Top + 1);
    pen.setColor(saved);
}

void TExStringGrid::renderFocus(TCellPaint &cell)
{
    const TGridAppearance &look = Appearance();
    if (look.HideFocusRect || !Focused() || Options().testFlag(goRowSelect))
        return;
    const TGridCoord base = BaseCell(cell.col, cell.row);
    if (base.X != Col() || base.Y != Row() || Col() < FixedCols() || Row() < FixedRows())
        return;
    TRect r = platform::InflateRect(cell.rect, GridLineWidth() - 1, GridLineWidth() - 1);
    r.Right -= 1;
    r.Bottom -= 1;
    cell.canvas.DrawFocusRect(r);
}

} // namespace controls
