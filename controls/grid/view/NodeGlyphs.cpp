// Node rows: the glyph that expands and contracts a node, its stubs, and
// the tree lines of the rows a node holds. Every x is measured from the
// cell's left edge plus the row's indent, so deeper rows draw further right.
#include "controls/grid/base/paint/BitmapDrawing.h"
#include "controls/grid/view/CellPaint.h"
#include "platform/draw/Edges.h"

namespace controls {

using namespace platform;

namespace {

int levelOf(TExStringGrid &grid, int row)
{
    if (row < 0 || row >= grid.RowCount() || !grid.CellHasProperties(0, row))
        return 0;
    return grid.GetGridObject(0, row)->FNodeLevel;
}

void line(TCanvas &canvas, int x0, int y0, int x1, int y1)
{
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}

} // namespace

void TExStringGrid::renderNodeGlyph(TCellPaint &cell)
{
    const TGridAppearance &look = Appearance();
    TColor background = cell.canvas.Brush().Color();
    if (!isColorSet(background))
        background = FixedCols() >= 1 ? FixedColor() : Color();
    if (cell.state.testFlag(gdSelected) && look.ShowSelection && cell.col >= FixedCols())
        background = look.SelectionColor;
    const TColor pen = cell.canvas.Pen().Color();
    const TColor brush = cell.canvas.Brush().Color();
    // Measured from the cell's own left edge, not the painted one that
    // reaches under the grid line.
    TRect r = cell.rect;
    r.Left = CellRect(cell.col, cell.row).Left;
    RenderNodeGlyph(cell.canvas, r, cell.row, background);
    cell.canvas.Pen().setColor(pen);
    cell.canvas.Brush().setColor(brush);
}

void TExStringGrid::RenderNodeGlyph(TCanvas &ACanvas, TRect ARect, int ARow, TColor Background)
{
    const TCellGraphic *g = GetCellGraphic(0, ARow);
    if (!g || g->FCellType != ctNode)
        return;
    const TCellNode &node = CellNode();
    const bool collapsed = g->FCellBoolean;
    const int indent = ARect.Left + RowNodeIndent(ARow);
    const int mid = (ARect.Top + ARect.Bottom) / 2;

    if (node.ShowTree && ARow >= FixedRows()) {
        ACanvas.Pen().setColor(node.TreeColor);
        ACanvas.Pen().setWidth(1);
        const int x = indent - node.NodeIndent + node.NodeIndent / 2 + 2;
        const int next = RowNodeIndent(ARow + 1);
        if (ARow + 1 < RowCount() && next > 0 && !(collapsed && next < RowNodeIndent(ARow)))
            line(ACanvas, x, mid, x, ARect.Bottom);
        if (ARow - 1 >= FixedRows() && RowNodeIndent(ARow - 1) >= RowNodeIndent(ARow))
            line(ACanvas, x, ARect.Top, x, ARect.Top + 6);
    }

    const int left = indent - node.NodeIndent / 2 - 4;
    switch (node.NodeType) {
    case cnLeaf:
        DrawResourceBitmap(ACanvas, Background, Bounds(left, ARect.Top + (ARect.Bottom - ARect.Top - 12) / 2, 16, 16),
                           collapsed ? QStringLiteral("ESGLEAFCLOSE") : QStringLiteral("ESGLEAFOPEN"));
        return;
    case cnXP:
        DrawResourceBitmap(ACanvas, Background,
                           Bounds(left + 4, ARect.Top + (ARect.Bottom - ARect.Top - 10) / 2, 9, 9),
                           collapsed ? QStringLiteral("XPNODEC") : QStringLiteral("XPNODEO"));
        return;
    case cnGlyph:
        if (!node.ExpandGlyph.Empty() && !node.ContractGlyph.Empty()) {
            const TBitmap &glyph = collapsed ? node.ContractGlyph : node.ExpandGlyph;
            const int top = ARect.Top + (ARect.Bottom - ARect.Top - glyph.Height()) / 2;
            DrawBitmapTransparent(ACanvas, glyph, Background, Bounds(left, top, glyph.Width(), glyph.Height()));
            return;
        }
        break;
    default:
        break;
    }

    // The 8 x 8 box of the flat, 3D and picture-less glyph kinds.
    const TRect box = Bounds(left + 4, mid - 4, 8, 8);
    ACanvas.FillColor(box, node.Color);
    if (node.NodeType == cnFlat || node.NodeType == cnGlyph) {
        ACanvas.Pen().setColor(node.NodeColor);
        ACanvas.Brush().setStyle(TBrushStyle::bsClear);
        ACanvas.Rectangle(box);
        ACanvas.Brush().setStyle(TBrushStyle::bsSolid);
        line(ACanvas, box.Left + 2, box.Top + 4, box.Left + 7, box.Top + 4);
        if (collapsed)
            line(ACanvas, box.Left + 4, box.Top + 2, box.Left + 4, box.Top + 7);
        return;
    }
    // Raised while collapsed, pressed in while expanded.
    TRect edge = box;
    DrawEdge(ACanvas, edge, collapsed ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT | BF_SOFT);
}

void TExStringGrid::renderTreeLines(TCellPaint &cell)
{
    if (cell.realCol != 0)
        return;
    const TColor pen = cell.canvas.Pen().Color();
    TRect r = cell.rect;
    r.Left = CellRect(cell.col, cell.row).Left;
    RenderTreeLines(cell.canvas, r, cell.row);
    cell.canvas.Pen().setColor(pen);
}

void TExStringGrid::RenderTreeLines(TCanvas &ACanvas, TRect ARect, int ARow)
{
    const TCellNode &node = CellNode();
    if (!HasNodes() || ARow < FixedRows() || ARow >= RowCount() || !node.ShowTree)
        return;
    ACanvas.Pen().setColor(node.TreeColor);
    ACanvas.Pen().setWidth(1);
    const int ni = node.NodeIndent;
    const int left = ARect.Left + RowNodeIndent(ARow);
    const int x0 = left + ni / 2 - ni + 2;
    const int mid = (ARect.Top + ARect.Bottom) / 2;
    const int level = levelOf(*this, ARow);
    if (level > 0)
        line(ACanvas, x0, mid, node.ShowTreeFull ? ARect.Right : left + 4, mid);
    switch (GetNodeSpanType(ARow)) {
    case 1:
        line(ACanvas, x0, ARect.Top, x0, mid);
        break;
    case 2:
        line(ACanvas, x0, ARect.Top, x0, ARect.Bottom + 4);
        break;
    default:
        break;
    }
    // Each enclosing level's line runs on while the outline goes on below,
    // else it turns towards the row.
    const bool lastRow = ARow == RowCount() - 1;
    const bool nextInOutline = !lastRow && levelOf(*this, ARow + 1) != 0;
    for (int i = 1; i <= level; ++i) {
        const int x = x0 - ni * i;
        ACanvas.MoveTo(x, ARect.Top);
        ACanvas.LineTo(x, mid);
        if (nextInOutline)
            ACanvas.LineTo(x, ARect.Bottom + 4);
        else if (i < level)
            ACanvas.LineTo(x0 + ni - ni * i, mid);
    }
    ACanvas.Pen().setStyle(TPenStyle::psSolid);
}

} // namespace controls
