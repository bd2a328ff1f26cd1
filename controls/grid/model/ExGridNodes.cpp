// The string grid's nodes: a node lives in the graphic of column 0 of its
// row, its depth in the row's properties. Contracting hides the node's
// rows as the node's own, so that expanding shows those rows only.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/model/GridStructure.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/ScopeGuard.h"

#include <climits>

namespace controls {

namespace {

TCellGraphic *nodeOf(TExStringGrid &grid, int displRow)
{
    if (displRow < 0 || displRow >= grid.RowCount())
        return nullptr;
    auto *g = dynamic_cast<TCellGraphic *>(grid.GetGraphicObjectEx(0, displRow));
    return g && g->FCellType == ctNode ? g : nullptr;
}

TCellProperties &levelProps(TExStringGrid &grid, int displRow)
{
    return grid.GetCellProperties(0, displRow);
}

} // namespace

int TExStringGrid::NumNodes() const { return sortFilter().numNodes; }
bool TExStringGrid::HasNodes() { return NumNodes() > 0; }

int TExStringGrid::RowNodeIndent(int ARow)
{
    if (!HasNodes() || ARow < 0 || ARow >= RowCount() || !CellHasProperties(0, ARow))
        return 0;
    return GetGridObject(0, ARow)->FNodeLevel * CellNode().NodeIndent;
}
bool TExStringGrid::IsNode(int ARow) { return nodeOf(*this, ARow) != nullptr; }

bool TExStringGrid::GetNodeState(int ARow)
{
    const TCellGraphic *g = nodeOf(*this, ARow);
    return g && g->FCellBoolean;
}

void TExStringGrid::SetNodeState(int ARow, bool Value)
{
    if (!IsNode(ARow) || GetNodeState(ARow) == Value)
        return;
    if (Value)
        ContractNode(RealRowIndex(ARow));
    else
        ExpandNode(RealRowIndex(ARow));
}

int TExStringGrid::GetNodeLevel(int ARow)
{
    if (!IsNode(ARow))
        return -1;
    const TCellProperties *p = GetGridObject(0, ARow);
    return p ? p->FNodeLevel : 0;
}

int TExStringGrid::GetNodeSpan(int ARow)
{
    const TCellGraphic *g = nodeOf(*this, ARow);
    return g ? g->FCellIndex : -1;
}

void TExStringGrid::AddNode(int ARow, int Span)
{
    const int d = DisplRowIndex(ARow);
    TCellGraphic *g = AttachNewCellGraphic(0, d);
    if (!g)
        return;
    g->FCellType = ctNode;
    g->FCellBoolean = false;
    g->FCellIndex = Span;
    g->FCellErrFrom = 0;
    g->FCellAngle = d;
    g->FCellVar = -1;
    g->FCellHAlign = haBeforeText;
    g->FCellVAlign = vaCenter;
    for (int r = d; r < d + Span && r < RowCount(); ++r)
        ++levelProps(*this, r).FNodeLevel;
    ++sortFilter().numNodes;
    if (Col() == 0 && ColCount() > 1)
        FocusCell(1, Row());
    update();
}

void TExStringGrid::RemoveNode(int ARow)
{
    ExpandNode(ARow);
    const int d = DisplRowIndex(ARow);
    const int span = GetNodeSpan(d);
    if (span < 0)
        return;
    for (int r = d; r < d + span && r < RowCount(); ++r)
        if (TCellProperties *p = GetGridObject(0, r); p && p->FNodeLevel > 0)
            --p->FNodeLevel;
    RemoveCellGraphicOfType(0, d, ctNode);
    if (sortFilter().numNodes > 0)
        --sortFilter().numNodes;
}

// Hides display rows first..last as a node's, from the bottom so that the
// others keep their places meanwhile.
static void hideNodeRows(TExStringGrid &grid, int first, int last, THiddenRows<TRowCells> &rows,
                         const std::function<TRowCells(int)> &take)
{
    for (int d = last; d >= first; --d) {
        THiddenRows<TRowCells>::Item item;
        item.Idx = grid.RealRowIndex(d);
        item.Height = grid.RowHeights(d);
        item.Reason = THideReason::Node;
        item.Items = take(d);
        rows.add(std::move(item));
    }
}

void TExStringGrid::ContractNode(int ARow)
{
    const int d = DisplRowIndex(ARow);
    TCellGraphic *g = nodeOf(*this, d);
    if (!g || g->FCellBoolean)
        return;
    g->FCellBoolean = true;
    const int b = d + 1;
    const int lastData = RowCount() - FixedFooters();
    // The span counts real rows: rows hidden inside it (a contracted inner
    // node's, a filter's) take no display rows but are in it.
    const int realEnd = g->FCellIndex > 0 ? RealRowIndex(d) + g->FCellIndex : TotalRowCount();
    int r = b;
    while (r < lastData && RealRowIndex(r) < realEnd && (g->FCellIndex > 0 || !IsNode(r))) {
        // A contracted node inside goes along, expanded, with its rows
        // still hidden: expanding this node shows it as it was.
        if (TCellGraphic *inner = nodeOf(*this, r))
            inner->FCellBoolean = false;
        ++r;
    }
    hideNodeRows(*this, b, r - 1, m_structure->hiddenRows, [this](int row) {
        TRowCells cells = takeStoreRow(row);
        removeStoreRow(row);
        return cells;
    });
    CellControlsUpdate(false);
}

static void expandSingleNode(TExStringGrid &grid, int ARow, THiddenRows<TRowCells> &rows,
                             const std::function<void(int, TRowCells, int)> &place)
{
    const int d = grid.DisplRowIndex(ARow);
    TCellGraphic *g = nodeOf(grid, d);
    if (!g || !g->FCellBoolean)
        return;
    g->FCellBoolean = false;
    const int from = grid.RealRowIndex(d) + 1;
    int to = (d + 1 < grid.RowCount() ? grid.RealRowIndex(d + 1) : grid.TotalRowCount()) - 1;
    if (g->FCellIndex > 0)
        to = std::min(to, from + g->FCellIndex - 2);
    // The node's own rows only: rows a filter or the owner hid stay hidden.
    auto items = rows.takeIf([&](const THiddenRows<TRowCells>::Item &i) {
        return i.Reason == THideReason::Node && i.Idx >= from && i.Idx <= to;
    });
    for (auto &item : items)
        place(item.Idx, std::move(item.Items), item.Height);
}

void TExStringGrid::ExpandNode(int ARow)
{
    if (CellNode().ExpandOne)
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (IsNode(r) && !GetNodeState(r) && RealRowIndex(r) != ARow)
                ContractNode(RealRowIndex(r));
    BeginUpdate();
    platform::Finally endUpdate([&] { EndUpdate(); });
    expandSingleNode(*this, ARow, m_structure->hiddenRows, [this](int real, TRowCells cells, int height) {
        const int d = DisplRowIndex(real);
        insertStoreRows(d, 1);
        putStoreRow(d, std::move(cells));
        if (height > 0)
            setRowHeights(d, height);
    });
    CellControlsUpdate(false);
}

void TExStringGrid::ExpandAll()
{
    const bool one = CellNode().ExpandOne;
    CellNode().ExpandOne = false;
    for (int r = FixedRows(); r < RowCount(); ++r)
        if (IsNode(r) && GetNodeState(r))
            ExpandNode(RealRowIndex(r));
    CellNode().ExpandOne = one;
}

void TExStringGrid::ContractAll()
{
    ExpandAll();
    // From the bottom, so that inner nodes go first and the outer ones take
    // them along.
    for (int r = RowCount() - 1; r >= FixedRows(); --r)
        if (IsNode(r))
            ContractNode(RealRowIndex(r));
}

int TExStringGrid::GetParentRow(int ARow)
{
    if (NumNodes() == 0 || ARow < 0 || ARow >= RowCount())
        return -1;
    // A node row looks for a node less deep than itself, and answers
    // itself when there is none.
    const bool node = IsNode(ARow);
    const int limit = node ? GetNodeLevel(ARow) : INT_MAX;
    const int real = RealRowIndex(ARow);
    for (int r = ARow - 1; r >= FixedRows(); --r)
        if (IsNode(r) && GetNodeLevel(r) < limit && RealRowIndex(r) + GetNodeSpan(r) > real)
            return r;
    return node ? ARow : -1;
}

void TExStringGrid::AutoCheckGroupClicked(int ACol, int ARow, bool State)
{
    if (IsNode(ARow)) {
        // The rows under a contracted node are hidden: reached by real row.
        const int real = RealRowIndex(ARow);
        const bool contracted = GetNodeState(ARow);
        for (int e = 1; e < GetNodeSpan(ARow); ++e)
            SetCheckBoxState(ACol, contracted ? real + e : RealRowIndex(ARow + e), State);
        return;
    }
    const int parent = GetParentRow(ARow);
    if (parent < 0)
        return;
    const int first = RealRowIndex(parent);
    bool firstState = false;
    GetCheckBoxState(ACol, first + 1, firstState);
    bool mixed = false;
    for (int e = 2; e < GetNodeSpan(parent) && !mixed; ++e) {
        bool s = false;
        GetCheckBoxState(ACol, first + e, s);
        mixed = s != firstState;
    }
    TCellGraphic *g = GetCellGraphic(ACol, parent);
    if (g && g->FCellType == ctTriStateCheckBox)
        SetCheckBoxState(ACol, first, mixed ? cbGrayed : (firstState ? cbChecked : cbUnchecked));
}

} // namespace controls
