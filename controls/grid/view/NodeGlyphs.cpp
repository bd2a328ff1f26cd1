// The node glyph of a node row and the tree lines of the outline's rows.
// Every x is measured from the cell's left edge plus the row's indent, so
// deeper rows draw further right.
#include "controls/grid/base/paint/BitmapDrawing.h"
#include "controls/grid/model/ExGrid.h"

namespace controls {

using platform::TColor;
using platform::TRect;

namespace {

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kGray = 0x808080;

void line(platform::TCanvas &canvas, int x0, int y0, int x1, int y1)
{
    canvas.MoveTo(x0, y0);
    canvas.LineTo(x1, y1);
}

// Light edges above and left, dark ones below and right (or the reverse).
void edges(platform::TCanvas &canvas, const TRect &r, TColor topLeft, TColor bottomRight)
{
    canvas.Pen().setColor(topLeft);
    canvas.MoveTo(r.Left, r.Bottom - 1);
    canvas.LineTo(r.Left, r.Top);
    canvas.LineTo(r.Right - 1, r.Top);
    canvas.Pen().setColor(bottomRight);
    canvas.LineTo(r.Right - 1, r.Bottom - 1);
    canvas.LineTo(r.Left - 1, r.Bottom - 1);
}

int levelOf(TExStringGrid &grid, int row)
{
    if (row < 0 || row >= grid.RowCount() || !grid.CellHasProperties(0, row))
        return 0;
    return grid.GetGridObject(0, row)->FNodeLevel;
}

} // namespace

void TExStringGrid::RenderNodeGlyph(platform::TCanvas &ACanvas, TRect ARect, int ARow, TColor Background)
{
    const TCellGraphic *g = GetCellGraphic(0, ARow);
    if (!g || g->FCellType != ctNode)
        return;
    const TCellNode &look = CellNode();
    const bool collapsed = g->FCellBoolean;
    const int indent = ARect.Left + RowNodeIndent(ARow);
    const int mid = (ARect.Top + ARect.Bottom) / 2;
    if (look.ShowTree && ARow >= FixedRows()) {
        ACanvas.Pen().setColor(look.TreeColor);
        ACanvas.Pen().setWidth(1);
        const int x = indent - look.NodeIndent + look.NodeIndent / 2 + 2;
        const int next = RowNodeIndent(ARow + 1);
        if (ARow + 1 < RowCount() && next > 0 && !(collapsed && next < RowNodeIndent(ARow)))
            line(ACanvas, x, mid, x, ARect.Bottom);
        if (ARow - 1 >= FixedRows() && RowNodeIndent(ARow - 1) >= RowNodeIndent(ARow))
            line(ACanvas, x, ARect.Top, x, ARect.Top + 6);
    }
    const int left = indent - look.NodeIndent / 2 - 4;
    switch (look.NodeType) {
    case cnLeaf:
        DrawResourceBitmap(ACanvas, Background, platform::Rect(left, mid - 6, left + 16, mid + 10),
                           collapsed ? QStringLiteral("ESGLEAFCLOSE") : QStringLiteral("ESGLEAFOPEN"));
        return;
    case cnXP:
        DrawResourceBitmap(ACanvas, Background, platform::Rect(left + 4, mid - 5, left + 13, mid + 4),
                           collapsed ? QStringLiteral("XPNODEC") : QStringLiteral("XPNODEO"));
        return;
    case cnGlyph:
        if (!look.ExpandGlyph.Empty() && !look.ContractGlyph.Empty()) {
            const platform::TBitmap &glyph = collapsed ? look.ContractGlyph : look.ExpandGlyph;
            const int top = mid - glyph.Height() / 2;
            DrawBitmapTransparent(ACanvas, glyph, Background,
                                  platform::Rect(left, top, left + glyph.Width(), top + glyph.Height()));
            return;
        }
        break;
    default:
        break;
    }
    const TRect box = platform::Rect(left + 4, mid - 4, left + 12, mid + 4);
    ACanvas.Brush().setColor(look.Color);
    ACanvas.FillRect(box);
    if (look.NodeType == cnFlat || look.NodeType == cnGlyph) {
        ACanvas.Pen().setColor(look.NodeColor);
        ACanvas.Brush().setStyle(platform::TBrushStyle::bsClear);
        ACanvas.Rectangle(box);
        ACanvas.Brush().setStyle(platform::TBrushStyle::bsSolid);
        line(ACanvas, box.Left + 2, box.Top + 4, box.Left + 7, box.Top + 4);
        if (collapsed)
            line(ACanvas, box.Left + 4, box.Top + 2, box.Left + 4, box.Top + 7);
        return;
    }
    // Raised while collapsed, pressed in while expanded.
    if (collapsed)
        edges(ACanvas, box, kWhite, kGray);
    else
        edges(ACanvas, box, kGray, kWhite);
}

void TExStringGrid::RenderTreeLines(platform::TCanvas &ACanvas, TRect ARect, int ARow)
{
    const TCellNode &look = CellNode();
    if (!HasNodes() || ARow < FixedRows() || ARow >= RowCount() || !look.ShowTree)
        return;
    ACanvas.Pen().setColor(look.TreeColor);
    ACanvas.Pen().setWidth(1);
    const int ni = look.NodeIndent;
    const int left = ARect.Left + RowNodeIndent(ARow);
    const int x0 = left + ni / 2 - ni + 2;
    const int mid = (ARect.Top + ARect.Bottom) / 2;
    const int level = levelOf(*this, ARow);
    if (level > 0)
        line(ACanvas, x0, mid, look.ShowTreeFull ? ARect.Right : left + 4, mid);
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
    const bool lastRow = ARow == RowCount() - 1;
    const bool nextInOutline = !lastRow && levelOf(*this, ARow + 1) != 0;
    for (int i = 1; i <= level; ++i) {
        const int x = x0 - ni * i;
        ACanvas.MoveTo(x, ARect.Top);
        ACanvas.LineTo(x, mid);
        if (lastRow) {
            if (i < level)
                ACanvas.LineTo(x0 + ni - ni * i, mid);
        } else if (nextInOutline) {
            ACanvas.LineTo(x, ARect.Bottom + 4);
        } else if (i < level) {
            ACanvas.LineTo(x0 + ni - ni * i, mid);
        }
    }
    ACanvas.Pen().setStyle(platform::TPenStyle::psSolid);
}

} // namespace controls
