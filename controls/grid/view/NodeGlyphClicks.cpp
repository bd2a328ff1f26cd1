// Nodes under the mouse and the keys: a press on a node's glyph expands or
// contracts it (the owner may refuse), the header's glyph all of them;
// the node column never selects; a release on an expanded node selects its
// group; Right and Left on a merged node row open and close it. And the
// look-up typing of a sorted grid.
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/GridMouseState.h"

#include <QStyle>

namespace controls {

using platform::TShiftState;
using platform::VK_LEFT;
using platform::VK_RIGHT;

namespace {

// The glyph's width and its margin left of the level's indent.
struct TGlyphExtent {
    int width;
    int margin;
};

TGlyphExtent glyphExtent(const TCellNode &node)
{
    switch (node.NodeType) {
    case cn3D:
        return {6, 0};
    case cnGlyph:
        return node.ExpandGlyph.Empty() ? TGlyphExtent{0, 0} : TGlyphExtent{node.ExpandGlyph.Width() / 2, 2};
    case cnLeaf:
        return {8, 2};
    case cnFlat:
    case cnXP:
    default:
        return {4, 4};
    }
}

} // namespace

bool TExStringGrid::IsInNodeGlyph(int ARow, int X)
{
    if (!m_mouseActions.PreciseNodeClick)
        return true;
    const int L = GetNodeLevel(ARow);
    const TCellNode &node = CellNode();
    const int I = node.NodeIndent;
    const TGlyphExtent g = glyphExtent(node);
    if (!RightToLeft())
        return g.margin + (L - 1) * I < X && X < g.width + L * I;
    const int s = RowCount() - FixedRows() > VisibleRowCount() ? style()->pixelMetric(QStyle::PM_ScrollBarExtent) : 0;
    return width() - 2 - L * I - g.width <= X + s && X + s < width() - (L - 1) * I;
}

bool TExStringGrid::nodeGlyphPress(int ACol, int ARow, int X, int Y, TShiftState Shift)
{
    if (ACol != 0)
        return false;
    const bool node = IsNode(ARow);
    // The header's glyph opens or closes every node; the press goes on.
    if (ARow < FixedRows() && node && m_mouseActions.NodeAllExpandContract && IsInNodeGlyph(ARow, X)) {
        TCellGraphic *g = GetCellGraphic(0, ARow);
        if (g->FCellBoolean)
            ExpandAll();
        else
            ContractAll();
        g->FCellBoolean = !g->FCellBoolean;
        RepaintCell(0, ARow);
        return false;
    }
    if (ARow >= FixedRows() && node && IsInNodeGlyph(ARow, X)) {
        fireMouseDown(platform::mbLeft, Shift, X, Y);
        fireClickCell(OnClickCell, ARow, 0);
        const int ARowReal = RealRowIndex(ARow);
        bool allow = true;
        if (GetNodeState(ARow)) {
            if (OnBeforeExpandNode)
                OnBeforeExpandNode(this, ARow, ARowReal, allow);
            if (allow) {
                ExpandNode(ARowReal);
                if (OnExpandNode)
                    OnExpandNode(this, ARow, ARowReal);
            }
        } else {
            if (OnBeforeContractNode)
                OnBeforeContractNode(this, ARow, ARowReal, allow);
            if (allow) {
                ContractNode(ARowReal);
                if (OnContractNode)
                    OnContractNode(this, ARow, ARowReal);
            }
        }
        if (m_mouseActions.MoveRowOnNodeClick)
            setRow(ARow);
        return true;
    }
    // The node column of an outline never selects nor edits.
    if (ARow >= FixedRows() && NumNodes() > 0 && !m_mouseActions.RowSelect && !(Options() & goRowSizing)
        && !IsRadio(RealColIndex(ACol), ARow)) {
        fireMouseDown(platform::mbLeft, Shift, X, Y);
        fireClickCell(OnClickCell, ARow, 0);
        return true;
    }
    return false;
}

void TExStringGrid::nodeGroupSelect(int ACol, int ARow)
{
    if (ACol <= 0 || ARow < 0 || !Grouping().AutoSelectGroup || !IsNode(ARow) || GetNodeState(ARow))
        return;
    const int span = GetNodeSpan(ARow);
    if (m_mouseActions.DisjunctRowSelect()) {
        for (int r = ARow + 1; r < ARow + span && r < RowCount(); ++r)
            setRowSelect(RealRowIndex(r), true);
        return;
    }
    setSelection(TGridRect{FixedCols(), ARow, ColCount() - 1, std::min(ARow + span - 1, RowCount() - 1)});
}

bool TExStringGrid::nodeKey(std::uint16_t Key)
{
    if ((Key != VK_RIGHT && Key != VK_LEFT) || !IsNode(Row()) || !IsMergedCell(RealCol(), Row()))
        return false;
    if (Key == VK_RIGHT)
        ExpandNode(RealRowIndex(Row()));
    else
        ContractNode(RealRowIndex(Row()));
    return true;
}

void TExStringGrid::lookupTyping(QChar Key)
{
    if (Options().testFlag(goEditing) || !m_navigation.AutoGotoWhenSorted)
        return;
    QString &text = sortFilter().lookupText;
    if (m_navigation.AutoGotoIncremental) {
        if (Key == u'\b')
            text.chop(1);
        else
            text += Key;
    } else {
        text = Key;
    }
    const int row = text.isEmpty() ? -1 : Search(text.toUpper());
    if (row < 0)
        text.clear();
    else
        setRow(row);
}

} // namespace controls
