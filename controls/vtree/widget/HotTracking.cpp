// Hot tracking: the node under the pointer, its column and whether the
// pointer is over its expand button; only rows that look different repaint.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include "controls/vtree/widget/TreeMouse.h"

namespace vtree {

void TLazyStringTreeWidget::HandleHotTrack(int X, int Y)
{
    const THitInfo hit = HitInfoAt({X, Y});
    const auto on = [&hit](THitPosition Position) { return hit.HitPositions.contains(Position); };
    PLazyNode hot = nullptr;
    if (hit.HitNode && !on(THitPosition::hiNowhere) &&
        (on(THitPosition::hiOnItemLabel) || on(THitPosition::hiOnItemCheckbox) ||
         (toOption(TLTSelectionOption::toFullRowSelect) && on(THitPosition::hiOnItem))))
        hot = hit.HitNode;
    const TColumnIndex column = hot ? hit.HitColumn : NoColumn;
    if (hot != HotNode() || column != FMouse->CurrentHotColumn) {
        NotifyHotChange(HotNode(), hot);
        FMouse->CurrentHotColumn = column;
    }
    SetHotNode(hot, on(THitPosition::hiOnItemButtonExact));
}

bool TLazyStringTreeWidget::HotNodeButtonHit() const { return FMouse->HotNodeButtonHit; }

void TLazyStringTreeWidget::SetHotNode(PLazyNode Node, bool ButtonHit)
{
    if (Node == HotNode() && ButtonHit == FMouse->HotNodeButtonHit)
        return;
    PLazyNode former = HotNode();
    const bool formerButtonHit = FMouse->HotNodeButtonHit;
    storeHotNode(Node);
    FMouse->HotNodeButtonHit = Node && ButtonHit;
    // Whole rows look hot only with hot tracking or check boxes; a hot
    // button looks hot by itself.
    const bool rowsLookHot = toOption(TLTPaintOption::toHotTrack) || toOption(TLTMiscOption::toCheckSupport);
    const bool formerLooked = former && former != RootNode() && (rowsLookHot || formerButtonHit);
    const bool nodeLooks = Node && Node != RootNode() && (rowsLookHot || FMouse->HotNodeButtonHit);
    if (formerLooked)
        InvalidateNode(former);
    if (nodeLooks && (Node != former || !formerLooked))
        InvalidateNode(Node);
}

} // namespace vtree
