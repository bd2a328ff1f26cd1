// The selection a click makes: what a press selects and focuses, and the
// changes it leaves for the release, so that dragging a multi-selection
// keeps it. The selection and focus rules are the keyboard's too.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

namespace vtree {

namespace {

bool has(const THitInfo &HitInfo, THitPosition Position) { return HitInfo.HitPositions.contains(Position); }

} // namespace

void TLazyStringTreeWidget::HandleMouseSelection(const THitInfo &HitInfo, TShiftState Shift, TMouseButton Button,
                                                 bool DragPossible, bool PopupAvailable)
{
    const bool altPressed = Shift.contains(TShiftStateItem::ssAlt);
    TShiftState shiftState = Shift;
    shiftState.exclude(TShiftStateItem::ssAlt);
    TColumnIndex newColumn = NoColumn;
    bool columnChange = false;
    ClickColumn(HitInfo, newColumn, columnChange);
    PLazyNode node = HitInfo.HitNode;
    const bool onNowhere = has(HitInfo, THitPosition::hiNowhere) || !node;
    const bool multi = toOption(TLTSelectionOption::toMultiSelect);
    const bool modifier = !shiftState.empty();
    const bool labelHit = !onNowhere &&
                          (has(HitInfo, THitPosition::hiOnItemLabel) || has(HitInfo, THitPosition::hiOnNormalIcon)) &&
                          !altPressed && !toOption(TLTSelectionOption::toSimpleDrawSelection);
    const bool fullRowHit = !onNowhere && !altPressed && !labelHit && !has(HitInfo, THitPosition::hiOnItemButton) &&
                            !has(HitInfo, THitPosition::hiOnItemCheckbox) &&
                            (toOption(TLTSelectionOption::toFullRowSelect) ||
                             (toOption(TLTMiscOption::toGridExtensions) && HitInfo.HitColumn > NoColumn));
    const bool itemHit = labelHit || fullRowHit;
    const bool fullRowDrag = toOption(TLTMiscOption::toFullRowDrag);
    const bool selectedHit = itemHit && Selected(node);

    if ((!modifier && GetFirstNoInit()) || FSelectionCount == 0) {
        PLazyNode levelNode = onNowhere ? GetLastVisible() : node;
        FLastSelectionLevel = levelNode ? int(GetNodeLevel(levelNode)) : -1;
    }

    if (multi && !modifier && !has(HitInfo, THitPosition::hiOnItemCheckbox) && selectedHit && DragPossible) {
        ChangeTreeStates(TLazyTreeState::tsClearPending, {});
    } else {
        const bool popupKeeps = Button == TMouseButton::mbRight && PopupAvailable;
        const bool clear =
            (!itemHit && !fullRowDrag && multi && !modifier) ||
            (itemHit && (!Selected(node) || (!DragPossible && !popupKeeps)) && (!modifier || !multi));
        if (clear) {
            const bool alone = (!onNowhere && Selected(node)) ||
                               (altPressed && !onNowhere && (HitInfo.HitColumn == MainColumn() || !ColumnsUsed()));
            if (alone) {
                const unsigned before = FSelectionCount;
                ClearSelection();
                AddToSelection(node);
                if (before > 1)
                    Invalidate();
            } else if (!(onNowhere && toOption(TLTSelectionOption::toAlwaysSelectNode))) {
                ClearSelection();
            }
        }
    }

    if (itemHit && QueryFocusChanging(FFocusedNode, node, FFocusedColumn, newColumn)) {
        if (columnChange) {
            InvalidateColumn(FFocusedColumn);
            InvalidateColumn(newColumn);
            FFocusedColumn = newColumn;
        }
        PLazyNode lastFocused = FFocusedNode;
        FocusNode(node, false);
        if (multi && modifier) {
            HandleClickSelection(lastFocused, node, shiftState, DragPossible);
        } else {
            if (shiftState.empty())
                FRangeAnchor = node;
            if (!Selected(node))
                AddToSelection(node);
        }
        if (lastFocused != FFocusedNode || columnChange) {
            ScrollIntoView(FFocusedNode, false,
                           !toOption(TLTAutoOption::toDisableAutoscrollOnFocus) &&
                               !toOption(TLTSelectionOption::toFullRowSelect));
            NotifyFocusChanged(FFocusedNode, FFocusedColumn);
        }
    }

    if (FSelectionCount == 0)
        AnnounceChange(nullptr);
}

void TLazyStringTreeWidget::HandleClickSelection(PLazyNode LastFocused, PLazyNode NewNode, TShiftState Shift,
                                                 bool DragPending)
{
    Q_UNUSED(LastFocused);
    const bool ctrl = Shift.contains(TShiftStateItem::ssCtrl);
    const bool shift = Shift.contains(TShiftStateItem::ssShift);
    if (ctrl && shift) {
        SelectRange(FRangeAnchor, NewNode, true);
    } else if (ctrl) {
        if (!toOption(TLTSelectionOption::toSiblingSelectConstraint))
            FRangeAnchor = NewNode;
        if (DragPending)
            ChangeTreeStates(TLazyTreeState::tsToggleFocusedSelection, {});
        else if (Selected(NewNode))
            RemoveFromSelection(NewNode);
        else
            AddToSelection(NewNode);
    } else if (shift) {
        PLazyNode anchor = FRangeAnchor ? FRangeAnchor : GetFirstNoInit();
        SelectRange(anchor, NewNode, false);
        if (!FRangeAnchor)
            FRangeAnchor = anchor;
    }
    Invalidate();
}

void TLazyStringTreeWidget::CompleteMouseSelection(PLazyNode NodeUnderMouse)
{
    if (FStates.contains(TLazyTreeState::tsClearPending)) {
        ChangeTreeStates({}, TLazyTreeState::tsClearPending);
        PLazyNode focused = FFocusedNode;
        const bool reselect = Selected(focused);
        ClearSelection();
        if (reselect)
            AddToSelection(focused);
    }
    if (FStates.contains(TLazyTreeState::tsToggleFocusedSelection)) {
        ChangeTreeStates({}, TLazyTreeState::tsToggleFocusedSelection);
        if (PLazyNode node = FFocusedNode; node && NodeUnderMouse == node) {
            if (!Selected(node))
                AddToSelection(node);
            else if (!(toOption(TLTSelectionOption::toAlwaysSelectNode) && FSelectionCount == 1))
                RemoveFromSelection(node);
            Invalidate();
        }
    }
}

} // namespace vtree
