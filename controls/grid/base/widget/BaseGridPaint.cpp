// The base grid's cell painter: background (plain, gradient, mirrored),
// hover-row, active-row and selection looks, the lines inside each cell, and
// the content through RenderCell. A merged area paints as one cell.
#include "controls/grid/base/paint/Fills.h"
#include "controls/grid/base/widget/BaseGrid.h"

#include <array>

namespace controls {

using platform::TCanvas;
using platform::TColor;
using platform::TRect;

namespace {

// The selection faces: fill, lower half, inner top and bottom lines, border
// and the pixels that round the corners; the last one when the grid does
// not count as focused.
struct SelectionPalette {
    TColor from, to, lowerFrom, lowerTo, innerTop, innerBottom, border, corner;
};

constexpr TColor none = platform::clNone;
constexpr std::array<SelectionPalette, 4> kPalettes{{
    {0xFDF8F1, 0xFCEFD5, none, none, 0xFDFBF6, 0xFDF5E7, 0xFDDE99, 0xFCEDCB}, // ssVista
    {0xFCEBDC, 0xFCDBC1, none, none, 0xFDF4EB, 0xFDEADB, 0xCEA27D, 0xE0C5AE}, // ssWin7
    {0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF, 0x8DD7D3, 0xC3D9DF}, // ssOffice2007
    {0xF8F8F8, 0xE5E5E5, none, none, 0xFBFAFA, 0xF0F0F0, 0xD9D9D9, 0xEFEFEF}, // any, not focused
}};

TButtonFacePart selectionPart(const TGridRect &selection, int col)
{
    const bool several = selection.Right > selection.Left;
    if (several && col == selection.Left)
        return TButtonFacePart::Left;
    if (several && col == selection.Right)
        return TButtonFacePart::Right;
    if (col > selection.Left && col < selection.Right)
        return TButtonFacePart::Middle;
    return TButtonFacePart::Whole;
}

} // namespace

bool TBaseGrid::paintsAsFocused() const { return Focused() || Options().testFlag(goDrawFocusSelected); }

void TBaseGrid::PaintGrid()
{
    TCellGrid::PaintGrid();
    ++m_paintID;
}

void TBaseGrid::DrawGridCell(int ACol, int ARow, const TRect &ARect, TGridDrawState AState)
{
    PaintCellCore(Canvas(), ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCell(TCanvas &ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    PaintCellCore(ACanvas, ACol, ARow, ARect, AState, true);
}

void TBaseGrid::PaintCellExt(TCanvas &ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    PaintCellCore(ACanvas, ACol, ARow, ARect, AState, false);
}

bool TBaseGrid::ResolvePaintCell(int ACol, int ARow, int &BaseCol, int &BaseRow) const
{
    if (!CellHasProperties(ACol, ARow) || IsBaseCell(ACol, ARow)) {
        BaseCol = ACol;
        BaseRow = ARow;
        return true;
    }
    const TGridCoord base = BaseCell(ACol, ARow);
    BaseCol = base.X;
    BaseRow = base.Y;
    return base == TGridCoord{ACol, ARow};
}

void TBaseGrid::RenderCell(TCanvas &ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState)
{
    ACanvas.DrawText(GetCellEx(ACol, ARow), ARect, platform::DT_SINGLELINE | platform::DT_VCENTER | platform::DT_CENTER);
}

void TBaseGrid::PaintCellCore(TCanvas &ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState,
                              bool DoContent)
{
    // The hidden scratch row shows nothing but the grid's colour.
    if (FHideLastRow && ARow == RowCount() - 1) {
        ACanvas.FillColor(ARect, Color());
        return;
    }
    // Another cell of a merged area paints the area through its base cell,
    // once per paint pass.
    int baseCol = ACol;
    int baseRow = ARow;
    if (!ResolvePaintCell(ACol, ARow, baseCol, baseRow)) {
        TCellProperties *base = GetGridObject(baseCol, baseRow);
        if (base != nullptr && base->FPaintID != m_paintID) {
            base->FPaintID = m_paintID;
            PaintCell(ACanvas, baseCol, baseRow, ARect, AState);
        }
        return;
    }
    if (DoContent && IsFixed(ACol, ARow)) {
        AState |= gdFixed;
        AState &= ~TGridDrawState(gdSelected);
    }
    if (DoContent)
        ARect = CellRect(ACol, ARow);

    // A merged area scrolled partly under the fixed cells stays out of them.
    // Only on the grid itself: on another canvas (a header button, a drag
    // image) the grid's fixed cells are not where the cell is painted.
    const bool onGrid = &ACanvas == &Canvas();
    const bool underFixedCols = onGrid && FixedCols() > 0 && ACol >= FixedCols() && ARect.Left < FixedColsWidth();
    const bool underFixedRows = onGrid && FixedRows() > 0 && ARow >= FixedRows() && ARect.Top < FixedRowsHeight();
    int saved = 0;
    if (underFixedCols || underFixedRows) {
        saved = ACanvas.SaveDC();
        ACanvas.IntersectClipRect(platform::Rect(ACol >= FixedCols() ? FixedColsWidth() : 0,
                                                 ARow >= FixedRows() ? FixedRowsHeight() : 0, width(), height()));
    }

    const bool fixed = AState.testFlag(gdFixed);
    const bool selected = AState.testFlag(gdSelected);
    platform::TPen &pen = ACanvas.Pen();
    platform::TBrush &brush = ACanvas.Brush();
    pen.setWidth(1);
    pen.setStyle(platform::TPenStyle::psSolid);
    pen.setMode(platform::TPenMode::pmCopy);
    if (!ACanvas.Font().sameLook(Font()))
        ACanvas.Font().Assign(Font());
    // Every output starts from the grid's own look, so a descendant that
    // leaves some alone paints them plainly.
    brush.setStyle(platform::TBrushStyle::bsSolid);
    brush.setColor(fixed ? FixedColor() : Color());
    CellLook look;
    look.ww = FWordWrap;
    GetVisualProperties(ACol, ARow, AState, false, true, true, brush, look.colorTo, look.mirror, look.mirrorTo,
                        ACanvas.Font(), look.ha, look.va, look.ww, look.gd);

    if (m_hoverRow && ARow == FHoverRowIdx && !(selected && !m_hoverRowCells.contains(hcSelected))
        && !(fixed && !m_hoverRowCells.contains(hcFixed))) {
        brush.setColor(m_hoverRowColor);
        look.colorTo = m_hoverRowColorTo;
        look.mirror = platform::clNone;
        look.mirrorTo = platform::clNone;
        look.gd = GradientVertical;
    }
    if ((FActiveRowShow && ARow == Row() && (ACol != Col() || !FShowSel) && ACol >= FixedCols())
        || (!DoContent && selected)) {
        brush.setColor(m_activeRowColor);
        look.colorTo = m_activeRowColorTo;
        look.mirror = m_activeRowMirrorColor;
        look.mirrorTo = m_activeRowMirrorColorTo;
    }
    pen.setColor(brush.Color());

    if (selected && m_selectionStyle != ssDefault && FShowSel) {
        TRect r = ARect;
        if (!Options().testFlag(goHorzLine))
            ++r.Bottom;
        if (!Options().testFlag(goVertLine))
            ++r.Right;
        if (RightToLeft()) {
            ++r.Right;
            ++r.Bottom;
        }
        const SelectionPalette &p = kPalettes[paintsAsFocused() ? m_selectionStyle - 1 : kPalettes.size() - 1];
        TButtonFaceColors face;
        face.Color = p.from;
        face.ColorTo = p.to;
        face.MirrorColor = p.lowerFrom;
        face.MirrorColorTo = p.lowerTo;
        face.Highlight = p.innerTop;
        face.Shadow = p.innerBottom;
        face.Border = p.border;
        face.Corner = p.corner;
        face.Background = Color();
        DrawRoundedButtonFace(ACanvas, r, face, selectionPart(Selection(), ACol));
    } else if (!(UsesVCLStyles() && (fixed || selected))) {
        if (!platform::isColorSet(look.mirrorTo)) {
            FillGradient(ACanvas, ARect, brush.Color(), look.colorTo, 64,
                         look.gd == GradientHorizontal ? platform::TGradientAxis::Horizontal
                                                       : platform::TGradientAxis::Vertical);
        } else {
            TGradientCellLook gradient;
            gradient.Color = brush.Color();
            gradient.ColorTo = look.colorTo;
            gradient.MirrorColor = look.mirror;
            gradient.MirrorColorTo = look.mirrorTo;
            gradient.Vertical = true;
            DrawGradientCell(ACanvas, ARect, gradient);
        }
    }

    // The lines lie inside the cell along its right and bottom edges. A
    // width of 0 draws none.
    int half = 1;
    bool lines = true;
    if (fixed) {
        pen.setColor(m_gridFixedLineColor);
        pen.setWidth(1);
    } else {
        lines = m_gridLineWidth > 0;
        pen.setColor(m_gridLineColor);
        pen.setWidth(std::max(1, m_gridLineWidth));
        half = (m_gridLineWidth + 1) / 2;
    }
    if (lines) {
        const TGridOptions options = Options();
        if (!(ACol == 0 && HasNodes())
            && (fixed ? options.testFlag(goFixedHorzLine) : options.testFlag(goHorzLine))) {
            ACanvas.MoveTo(ARect.Left - half + 1, ARect.Bottom - half);
            ACanvas.LineTo(ARect.Right - half + 1, ARect.Bottom - half);
        }
        if (fixed ? options.testFlag(goFixedVertLine) : options.testFlag(goVertLine)) {
            const int x = ARect.Right - half + (RightToLeft() ? 1 : 0);
            ACanvas.MoveTo(x, ARect.Bottom - half);
            ACanvas.LineTo(x, ARect.Top - half);
        }
    }

    if (DoContent) {
        TRect content = ARect;
        if (fixed) {
            content.Right -= 1;
            content.Bottom -= 2;
        } else {
            content = platform::InflateRect(content, -m_gridLineWidth, -m_gridLineWidth);
        }
        RenderCell(ACanvas, ACol, ARow, content, AState);
    }

    if (underFixedCols || underFixedRows)
        ACanvas.RestoreDC(saved);
    brush.setStyle(platform::TBrushStyle::bsSolid);
    pen.setStyle(platform::TPenStyle::psSolid);
}

} // namespace controls
