// Node rows: the glyph that expands and contracts a node, its stubs, and
// the tree lines of the rows a node holds. Positions follow each row's
// depth times the node indent from the first column's left edge.
#include "controls/grid/base/paint/BitmapDrawing.h"
#include "controls/grid/view/CellPaint.h"
#include "platform/draw/Edges.h"

namespace controls {

using namespace platform;

int TExStringGrid::nodeIndentOf(int ARow)
{
    if (NumNodes() <= 0 || ARow < 0 || ARow >= RowCount())
        return 0;
    const TCellProperties *p = GetGridObject(0, ARow);
    return p ? p->FNodeLevel * CellNode().NodeIndent : 0;
}

namespace {

int levelOf(TExStringGrid &grid, int row)
{
    const TCellProperties *p = row >= 0 && row < grid.RowCount() ? grid.GetGridObject(0, row) : nullptr;
    return p ? p->FNodeLevel : 0;
}

void line(TCanvas &canvas, int x0, int y0, int x1, int y1)
{
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}

void flatBox(TCanvas &canvas, const TCellNode &node, int x, int y, bool collapsed)
{
    canvas.Brush().setColor(node.Color);
    canvas.Pen().setColor(node.NodeColor);
    canvas.Rectangle(x, y, x + 9, y + 9);
    line(canvas, x + 2, y + 4, x + 7, y + 4);
    if (collapsed)
        line(canvas, x + 4, y + 2, x + 4, y + 7);
}

} // namespace

void TExStringGrid::renderNodeGlyph(TCellPaint &cell)
{
    const TCellNode &node = CellNode();
    const TGridAppearance &look = Appearance();
    TCanvas &canvas = cell.canvas;
    const TRect whole = CellRect(cell.col, cell.row);
    const int origin = whole.Left;
    const int indent = nodeIndentOf(cell.row);
    const bool collapsed = cell.graphic->FCellBoolean;
    const int mid = (cell.rect.Top + cell.rect.Bottom) / 2;
    const TColor pen = canvas.Pen().Color();
    const TColor brush = canvas.Brush().Color();

    if (node.ShowTree && cell.row >= FixedRows()) {
        canvas.Pen().setColor(node.TreeColor);
        const int x = origin + indent - node.NodeIndent + node.NodeIndent / 2 + 2;
        const int next = cell.row + 1 < RowCount() ? nodeIndentOf(cell.row + 1) : -1;
        if (next > 0 && !(collapsed && next < indent))
            line(canvas, x, mid, x, cell.rect.Bottom);
        if (cell.row > 0 && nodeIndentOf(cell.row - 1) >= indent && nodeIndentOf(cell.row - 1) > 0)
            line(canvas, x, cell.rect.Top, x, cell.rect.Top + 6);
    }

    const int left = origin + indent - node.NodeIndent / 2 - 4;
    TColor background = brush;
    if (!isColorSet(background))
        background = FixedCols() >= 1 ? FixedColor() : Color();
    if (cell.state.testFlag(gdSelected) && look.ShowSelection && cell.col >= FixedCols())
        background = look.SelectionColor;

    switch (node.NodeType) {
    case cnLeaf: {
        const int top = cell.rect.Top + (cell.rect.Bottom - cell.rect.Top - 12) / 2;
        DrawResourceBitmap(canvas, background, Bounds(left, top, 16, 16),
                           collapsed ? QStringLiteral("ESGLEAFCLOSE") : QStringLiteral("ESGLEAFOPEN"));
        break;
    }
    case cnXP: {
        const int top = cell.rect.Top + (cell.rect.Bottom - cell.rect.Top - 10) / 2;
        DrawResourceBitmap(canvas, background, Bounds(left + 4, top, 9, 9),
                           collapsed ? QStringLiteral("XPNODEC") : QStringLiteral("XPNODEO"));
        break;
    }
    case cnGlyph:
        if (!node.ExpandGlyph.isNull() && !node.ContractGlyph.isNull()) {
            const QImage &glyph = collapsed ? node.ContractGlyph : node.ExpandGlyph;
            const int top = cell.rect.Top + (cell.rect.Bottom - cell.rect.Top - glyph.height()) / 2;
            DrawBitmapTransparent(canvas, TBitmap(glyph), background,
                                  Bounds(left, top, glyph.width(), glyph.height()));
            break;
        }
        [[fallthrough]];
    default: {
        const int x = left + 4;
        const int y = cell.rect.Top + (cell.rect.Bottom - cell.rect.Top - 8) / 2;
        if (node.NodeType == cnFlat || node.NodeType == cnGlyph) {
            flatBox(canvas, node, x, y, collapsed);
        } else {
            canvas.FillColor(Rect(x, y, x + 9, y + 9), node.Color);
            TRect box = Rect(x, y, x + 9, y + 9);
            DrawEdge(canvas, box, collapsed ? EDGE_RAISED : EDGE_SUNKEN, BF_RECT | BF_SOFT);
        }
        break;
    }
    }
    canvas.Pen().setColor(pen);
    canvas.Brush().setColor(brush);
}

void TExStringGrid::renderTreeLines(TCellPaint &cell)
{
    const TCellNode &node = CellNode();
    if (NumNodes() <= 0 || cell.realCol != 0 || cell.row < FixedRows() || !node.ShowTree)
        return;
    TCanvas &canvas = cell.canvas;
    const TColor pen = canvas.Pen().Color();
    canvas.Pen().setColor(node.TreeColor);
    canvas.Pen().setWidth(1);
    const int level = levelOf(*this, cell.row);
    const int left = CellRect(cell.col, cell.row).Left + nodeIndentOf(cell.row);
    const int x0 = left + node.NodeIndent / 2 - node.NodeIndent + 2;
    const int top = cell.rect.Top;
    const int bottom = cell.rect.Bottom;
    const int mid = (top + bottom) / 2;
    const int lastRow = RowCount() - FixedFooters() - 1;
    const bool nodeRow = IsNode(cell.row);

    if (level > 0 && !nodeRow)
        line(canvas, x0, mid, node.ShowTreeFull ? cell.rect.Right : left + 4, mid);
    // The rows a node holds hang from its line; the last one ends it.
    if (!nodeRow && level > 0) {
        const bool more = cell.row < lastRow && levelOf(*this, cell.row + 1) >= level;
        line(canvas, x0, top, x0, more ? bottom + 4 : mid);
    }
    for (int i = 1; i < level; ++i) {
        const int x = x0 - node.NodeIndent * i;
        const bool more = cell.row < lastRow && levelOf(*this, cell.row + 1) > level - i;
        line(canvas, x, top, x, more ? bottom + 4 : mid);
    }
    canvas.Pen().setColor(pen);
}

} // namespace controls
