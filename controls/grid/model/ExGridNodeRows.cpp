// Rows inside the string grid's outline: node spans and sub-node counts
// read and changed, child rows put into a node and taken out with every
// enclosing node's span kept in step, and summary rows.
#include "controls/grid/model/ExGrid.h"

namespace controls {

namespace {

TCellGraphic *graphicOfType(TExStringGrid &grid, int displRow, TCellType kind)
{
    if (displRow < 0 || displRow >= grid.RowCount())
        return nullptr;
    auto *g = dynamic_cast<TCellGraphic *>(grid.GetGraphicObjectEx(0, displRow));
    return g && g->FCellType == kind ? g : nullptr;
}

int levelOf(TExStringGrid &grid, int displRow)
{
    const TCellProperties *p = displRow >= 0 && displRow < grid.RowCount() ? grid.GetGridObject(0, displRow) : nullptr;
    return p ? p->FNodeLevel : 0;
}

} // namespace

bool TExStringGrid::IsSummary(int ARow) { return graphicOfType(*this, ARow, ctSummary) != nullptr; }

int TExStringGrid::GetSubNodeCount(int ARow)
{
    const TCellGraphic *g = graphicOfType(*this, ARow, ctNode);
    return g ? g->FCellErrFrom : 0;
}

void TExStringGrid::SetNodeSpan(int ARow, int Span)
{
    if (TCellGraphic *g = graphicOfType(*this, ARow, ctNode))
        g->FCellIndex = Span;
}

void TExStringGrid::UpdateNodeSpan(int ARow, int Delta)
{
    if (TCellGraphic *g = graphicOfType(*this, ARow, ctNode))
        g->FCellIndex += Delta;
}

void TExStringGrid::UpdateSubNodeCount(int ARow, int Delta)
{
    if (TCellGraphic *g = graphicOfType(*this, ARow, ctNode))
        g->FCellErrFrom += Delta;
}

int TExStringGrid::GetNodeSpanType(int ARow)
{
    if (IsNode(ARow))
        return 0;
    const int next = ARow + 1;
    if (next < RowCount() - FixedFooters() && CellHasProperties(0, next) && levelOf(*this, next) >= levelOf(*this, ARow))
        return 2;
    return 1;
}

void TExStringGrid::MarkSummaryRow(int ARow)
{
    if (TCellGraphic *g = AttachNewCellGraphic(0, DisplRowIndex(ARow)))
        g->FCellType = ctSummary;
}

void TExStringGrid::InsertChildRow(int ARow, int InsertAt)
{
    const int d = DisplRowIndex(ARow);
    // A row put below a node row belongs to that node, nested or not.
    const int p = IsNode(d) && InsertAt == 0 ? d : GetParentRow(d);
    int level = 1;
    if (p != -1) {
        UpdateNodeSpan(p, 1);
        UpdateSubNodeCount(p, 1);
        ExpandNode(RealRowIndex(p));
        level = levelOf(*this, p);
        // Every enclosing node holds the new row too.
        int a = p;
        while (level > 1 && a >= FixedRows()) {
            const int up = GetParentRow(a);
            if (up == -1 || up == a)
                break;
            a = up;
            if (levelOf(*this, a) < level) {
                UpdateNodeSpan(a, 1);
                UpdateSubNodeCount(a, 1);
                ExpandNode(RealRowIndex(a));
                level = levelOf(*this, a);
            }
        }
    }
    int at = d + InsertAt;
    if (IsNode(d) && InsertAt == 0) {
        // Below the node, taking its contents: the node row keeps its node.
        at = d + 1;
        InsertRows(at, 1);
        for (int c = 0; c < TotalColCount(); ++c) {
            SetGridCell(c, at, GetGridCell(c, d));
            SetGridCell(c, d, QString());
            if (c > 0)
                PutGridObject(c, at, TakeGridObject(c, d));
        }
    } else {
        InsertRows(at, 1);
    }
    if (p != -1)
        GetCellProperties(0, at).FNodeLevel = levelOf(*this, p);
}

void TExStringGrid::RemoveChildRow(int ARow)
{
    const int d = DisplRowIndex(ARow);
    // A node row taken out takes its node along, not its rows.
    if (IsNode(d))
        RemoveNode(ARow);
    int p = GetParentRow(d);
    if (p != -1 && p != d) {
        const int limit = levelOf(*this, p);
        while (true) {
            if (GetNodeSpan(p) > 1) {
                UpdateNodeSpan(p, -1);
                UpdateSubNodeCount(p, -1);
            }
            ExpandNode(RealRowIndex(p));
            if (levelOf(*this, p) <= 1)
                break;
            const int up = GetParentRow(p);
            if (up == -1 || up == p || levelOf(*this, up) >= limit)
                break;
            p = up;
        }
    }
    DeleteRowRange(d, 1);
}

} // namespace controls
