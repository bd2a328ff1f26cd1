// Selection by the mouse, as the mouse handling calls it: at mouse down the
// level, a pending or a direct clearing, the focus and the click selection
// with Ctrl and Shift; at mouse up what was left pending.
#include "controls/vtree/TreeErrors.h"
#include "controls/vtree/widget/LazyStringTreeWidget.h"

namespace vtree {

using enum TLazyTreeState;
using enum THitPosition;
using enum TShiftStateItem;
using enum TLTSelectionOption;

namespace {
constexpr const char *pendingAndDirectClear = "Pending and direct clearance are mutual exclusive!";
} // namespace

void TLazyStringTreeWidget::HandleMouseSelection(const THitInfo &HitInfo, TShiftState Shift, TMouseButton Button,
                                                 bool DragPossible, bool PopupAvailable)
{
    const bool alt = Shift.contains(ssAlt);
    Shift = Shift * TShiftState{ssShift, ssCtrl};
    const bool modifier = !Shift.empty();
    const bool multiSelect = toOption(toMultiSelect);
    PLazyNode node = HitInfo.HitNode;
    const THitPositions positions = HitInfo.HitPositions;
    const bool labelHit = !alt && !toOption(toSimpleDrawSelection) && positions.containsAny({hiOnItemLabel, hiOnNormalIcon});
    const bool fullRowHit = !alt && !labelHit && node
                            && !positions.containsAny({hiOnItemButton, hiOnItemButtonExact, hiOnItemCheckbox, hiNowhere})
                            && (toOption(toFullRowSelect)
                                || (toOption(TLTMiscOption::toGridExtensions) && HitInfo.HitColumn > NoColumn));
    const bool itemHit = node && (labelHit || fullRowHit);
    const bool fullRowDrag = node && toOption(TLTMiscOption::toFullRowDrag) && positions.contains(hiOnItem);
    const bool checkHit = positions.contains(hiOnItemCheckbox);

    if ((!modifier && !IsEmpty()) || SelectedCount() == 0) {
        PLazyNode levelNode = node ? node : GetLastVisible();
        setLastSelectionLevel(levelNode ? static_cast<int>(GetNodeLevel(levelNode)) : -1);
    }

    // A selected node that may be dragged keeps the others until mouse up,
    // so that the whole selection can be dragged.
    if (multiSelect && !modifier && !checkHit && itemHit && Selected(node) && DragPossible)
        ChangeTreeStates(tsClearPending, {});
    const bool keepsForMenu = Button == TMouseButton::mbRight && PopupAvailable;
    const bool clearNow = (!itemHit && !fullRowDrag && multiSelect && !modifier)
                          || (itemHit && (!Selected(node) || (!DragPossible && !keepsForMenu)) && (!modifier || !multiSelect));
    if (clearNow) {
        LT_ASSERT(!TreeStates().contains(tsClearPending), pendingAndDirectClear);
        const bool altOnMain = alt && node && HitInfo.HitColumn == MainColumn() && !positions.contains(hiNowhere);
        if (node && (Selected(node) || altOnMain)) {
            const bool several = SelectedCount() > 1;
            clearSelectionSilently();
            AppendToSelection(&node, 1, true);
            if (several) {
                Invalidate();
                AnnounceChange(nullptr);
            }
        } else if (!(positions.contains(hiNowhere) && toOption(toAlwaysSelectNode))) {
            ClearSelection();
        }
    }

    if (itemHit) {
        TColumnIndex column = FocusedColumn();
        if (ColumnsUsed() && HitInfo.HitColumn > NoColumn)
            column = HitInfo.HitColumn;
        const bool nodeChanged = node != FocusedNode();
        const bool columnChanged = column != FocusedColumn();
        if (QueryFocusChanging(FocusedNode(), node, FocusedColumn(), column)) {
            if (columnChanged) {
                InvalidateColumn(FocusedColumn());
                InvalidateColumn(column);
                storeFocusedColumn(column);
            }
            PLazyNode lastFocused = FocusedNode();
            FocusNode(node, false);
            if (multiSelect && modifier) {
                HandleClickSelection(lastFocused, node, Shift, DragPossible);
            } else {
                if (!modifier)
                    setRangeAnchor(node);
                if (!Selected(node))
                    AddToSelection(node);
            }
            if (nodeChanged || columnChanged) {
                if (!toOption(TLTAutoOption::toDisableAutoscrollOnFocus))
                    ScrollIntoView(node, toOption(toCenterScrollIntoView), !toOption(toFullRowSelect));
                NotifyFocusChanged(FocusedNode(), FocusedColumn());
            }
        }
    }
    if (SelectedCount() == 0)
        AnnounceChange(nullptr);
}

void TLazyStringTreeWidget::HandleClickSelection(PLazyNode, PLazyNode NewNode, TShiftState Shift,
                                                 bool DragPending)
{
    const bool ctrl = Shift.contains(ssCtrl);
    const bool shift = Shift.contains(ssShift);
    if (ctrl && shift) {
        SelectRange(RangeAnchor(), NewNode, true);
    } else if (ctrl) {
        if (!toOption(toSiblingSelectConstraint))
            setRangeAnchor(NewNode);
        // Toggled at mouse up, so that a drag keeps the node selected.
        if (DragPending)
            ChangeTreeStates(tsToggleFocusedSelection, {});
        else if (Selected(NewNode))
            RemoveFromSelection(NewNode);
        else
            AddToSelection(NewNode);
    } else if (shift) {
        SelectRange(RangeAnchor() ? RangeAnchor() : RootNode()->FirstChild, NewNode, false);
    }
    Invalidate();
}

void TLazyStringTreeWidget::CompleteMouseSelection(PLazyNode NodeUnderMouse)
{
    if (TreeStates().contains(tsClearPending)) {
        PLazyNode focused = FocusedNode();
        const bool wasSelected = Selected(focused);
        ClearSelection();
        if (wasSelected)
            AddToSelection(focused);
    }
    if (TreeStates().contains(tsToggleFocusedSelection) && FocusedNode() && NodeUnderMouse == FocusedNode()) {
        if (!Selected(FocusedNode()))
            AddToSelection(FocusedNode());
        else if (!toOption(toAlwaysSelectNode) || SelectedCount() > 1)
            RemoveFromSelection(FocusedNode());
        Invalidate();
    }
    ChangeTreeStates({}, {tsClearPending, tsToggleFocusedSelection});
}

} // namespace vtree
