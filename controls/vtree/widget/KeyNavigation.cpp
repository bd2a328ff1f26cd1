// The navigation keys: arrows, Home and End, the page keys, Backspace and
// Tab move the focus (or only scroll, with Ctrl) and, with Shift in a
// multi-selection, extend the selection from the range anchor.
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "platform/Input.h"

#include <climits>

namespace vtree {

using enum TLazyTreeState;
using enum TShiftStateItem;
using enum TLTSelectionOption;
using platform::VK_BACK;
using platform::VK_DOWN;
using platform::VK_END;
using platform::VK_HOME;
using platform::VK_LEFT;
using platform::VK_NEXT;
using platform::VK_PRIOR;
using platform::VK_RIGHT;
using platform::VK_TAB;
using platform::VK_UP;

PLazyNode TLazyStringTreeWidget::pageTarget(PLazyNode From, bool Up)
{
    if (!From)
        return Up ? GetFirstVisible() : GetLastVisible();
    const int client = ClientHeight();
    int passed = 0;
    PLazyNode node = From;
    for (;;) {
        PLazyNode next = Up ? GetPreviousVisible(node) : GetNextVisible(node);
        if (!next)
            break;
        passed += static_cast<int>(GetNodeHeight(node));
        if (passed >= client)
            break;
        node = next;
    }
    return node;
}

void TLazyStringTreeWidget::moveColumnByScreen(bool Left)
{
    if (!ColumnsUsed())
        return;
    const TLazyTreeColumns &columns = FHeader.Columns();
    TColumnIndex column = FFocusedColumn;
    if (!IsValidColumn(column)) {
        column = columns.GetFirstVisibleColumn();
    } else {
        const int client = ClientWidth();
        int width = columns.GetVisibleFixedWidth();
        for (;;) {
            const TColumnIndex next = Left ? columns.GetPreviousVisibleColumn(column) : columns.GetNextVisibleColumn(column);
            if (next < 0 || columns[next].Options().contains(TLTColumnOption::coFixed))
                break;
            width += columns[column].Width();
            if (width >= client)
                break;
            column = next;
        }
    }
    SetFocusedColumn(column);
}

void TLazyStringTreeWidget::moveColumnFocus(bool Forward)
{
    const TLazyTreeColumns &columns = FHeader.Columns();
    const TColumnIndex column = Forward ? columns.GetNextVisibleColumn(FFocusedColumn, true)
                                        : columns.GetPreviousVisibleColumn(FFocusedColumn, true);
    if (column >= 0)
        SetFocusedColumn(column);
}

void TLazyStringTreeWidget::tabToCell(bool Backward)
{
    const TLazyTreeColumns &columns = FHeader.Columns();
    PLazyNode node = FFocusedNode;
    TColumnIndex column = Backward ? columns.GetPreviousVisibleColumn(FFocusedColumn, true)
                                   : columns.GetNextVisibleColumn(FFocusedColumn, true);
    if (column < 0 || !IsValidColumn(FFocusedColumn)) {
        // Past the row's last cell the next row begins.
        if (column < 0)
            node = node ? (Backward ? GetPreviousVisible(node) : GetNextVisible(node)) : GetFirstVisible();
        column = Backward ? columns.GetLastVisibleColumn(true) : columns.GetFirstVisibleColumn(true);
    }
    while (node && column >= 0 && !QueryFocusChanging(FFocusedNode, node, FFocusedColumn, column))
        column = Backward ? columns.GetPreviousVisibleColumn(column, true) : columns.GetNextVisibleColumn(column, true);
    if (node && column >= 0)
        SetFocusedNodeAndColumn(node, column);
}

void TLazyStringTreeWidget::handleNavigationKey(std::uint16_t CharCode, TShiftState Shift)
{
    const bool ctrl = Shift.contains(ssCtrl);
    const bool shift = Shift.contains(ssShift);
    const bool alt = Shift.contains(ssAlt);
    const bool noModifier = !ctrl && !shift && !alt;
    const bool multiSelect = toOption(toMultiSelect);
    const bool gridExtensions = toOption(TLTMiscOption::toGridExtensions);
    const bool extendSelection = shift && multiSelect && !FStates.contains(tsEditing);

    if (!FRangeAnchor) {
        FRangeAnchor = GetFirstSelected();
        if (!FRangeAnchor)
            FRangeAnchor = GetFirst();
    }
    PLazyNode lastFocused = FFocusedNode;
    if (shift && !lastFocused)
        lastFocused = GetFirstVisible();
    bool toggleRange = false;
    // Where a node lies from the anchor: below 0 before it, above 0 after it.
    auto fromAnchor = [this](PLazyNode node) { return FRangeAnchor ? CompareTreeOrder(node, FRangeAnchor, true) : 0; };

    switch (CharCode) {
    case VK_BACK:
        if (FStates.contains(tsIncrementalSearching))
            ChangeTreeStates(tsIncrementalSearchPending, {});
        else if (FFocusedNode && FFocusedNode->Parent != FRoot)
            SetFocusedNode(FFocusedNode->Parent);
        break;
    case VK_TAB:
        if (toOption(toExtendedFocus) && ColumnsUsed())
            tabToCell(shift);
        break;
    case VK_PRIOR:
    case VK_NEXT: {
        const bool up = CharCode == VK_PRIOR;
        if (ctrl && shift)
            SetOffsetX(FOffsetX + (up ? ClientWidth() : -ClientWidth()));
        else if (ctrl)
            SetOffsetY(FOffsetY + (up ? ClientHeight() : -ClientHeight()));
        else if (shift && alt)
            moveColumnByScreen(up);
        else {
            SetFocusedNode(pageTarget(FFocusedNode, up));
            toggleRange = extendSelection;
        }
        break;
    }
    case VK_HOME:
    case VK_END: {
        const bool home = CharCode == VK_HOME;
        PLazyNode target = home ? GetFirstVisible() : GetLastVisible();
        if (ctrl && !shift && !alt && !gridExtensions) {
            if (target)
                ScrollIntoView(target, toOption(toCenterScrollIntoView),
                               !toOption(TLTAutoOption::toDisableAutoscrollOnFocus));
            SetOffsetX(home ? 0 : -INT_MAX);
            break;
        }
        if (!gridExtensions || ctrl)
            SetFocusedNode(target);
        if (gridExtensions && !toOption(toFullRowSelect) && ColumnsUsed()) {
            // The outermost column, or the next one inward, that may take the focus.
            const TLazyTreeColumns &columns = FHeader.Columns();
            TColumnIndex column = home ? columns.GetFirstVisibleColumn() : columns.GetLastVisibleColumn();
            while (column >= 0 && !QueryFocusChanging(FFocusedNode, FFocusedNode, FFocusedColumn, column))
                column = home ? columns.GetNextVisibleColumn(column) : columns.GetPreviousVisibleColumn(column);
            if (column >= 0)
                SetFocusedColumn(column);
        }
        toggleRange = extendSelection;
        break;
    }
    case VK_UP:
    case VK_DOWN: {
        const bool up = CharCode == VK_UP;
        if (ctrl) {
            const int step = static_cast<int>(DefaultNodeHeight());
            SetOffsetY(FOffsetY + (up ? step : -step));
            break;
        }
        if (FStates.contains(tsEditing) && !EndEditNode())
            return;
        PLazyNode old = FFocusedNode;
        PLazyNode node = old ? (up ? GetPreviousVisible(old) : GetNextVisible(old)) : (up ? GetLastVisible() : GetFirstVisible());
        if (!node) {
            if (old)
                InvalidateNode(old);
            break;
        }
        // Moving back toward the anchor gives up the node left behind.
        if (old && (!extendSelection || (up ? fromAnchor(old) > 0 : fromAnchor(old) < 0)))
            RemoveFromSelection(old);
        if (FFocusedColumn < 0)
            FFocusedColumn = MainColumn();
        SetFocusedNode(node);
        break;
    }
    case VK_LEFT:
    case VK_RIGHT: {
        const bool left = CharCode == VK_LEFT;
        if (ctrl) {
            const int step = FHeader.Columns().GetScrollWidth(static_cast<int>(FIndent));
            SetOffsetX(FOffsetX + (left ? step : -step));
            break;
        }
        if (toOption(toExtendedFocus) && gridExtensions) {
            moveColumnFocus(!left);
            break;
        }
        PLazyNode old = FFocusedNode;
        if (!old) {
            SetFocusedNode(GetFirstVisible());
            break;
        }
        if (left) {
            if (noModifier && GetExpanded(old) && GetHasChildren(old)) {
                ToggleNode(old);
                break;
            }
            PLazyNode parent = old->Parent;
            if (parent == FRoot)
                break;
            if (extendSelection) {
                if (fromAnchor(parent) > 0)
                    RemoveFromSelection(old);
                else if (parent->FirstChild != old)
                    toggleRange = true;
            }
            SetFocusedNode(parent);
        } else {
            if (noModifier && !GetExpanded(old) && GetHasChildren(old)) {
                ToggleNode(old);
                break;
            }
            PLazyNode child = GetFirstVisibleChild(old);
            if (!child)
                break;
            if (extendSelection && fromAnchor(child) < 0)
                RemoveFromSelection(old);
            SetFocusedNode(child);
        }
        break;
    }
    default:
        break;
    }

    const bool focusMoved = FFocusedNode != lastFocused;
    const bool plainKey = noModifier || (!shift && gridExtensions) || !multiSelect || CharCode == VK_BACK
                          || CharCode == VK_TAB;
    bool cleared = false;
    if (plainKey && (focusMoved || FSelectionCount != 1)) {
        ClearSelection();
        cleared = true;
    }
    if (noModifier) {
        FRangeAnchor = FFocusedNode;
        FLastSelectionLevel = FFocusedNode ? static_cast<int>(GetNodeLevel(FFocusedNode)) : -1;
    }
    if (FFocusedNode) {
        if (toggleRange)
            ToggleRangeSelection(lastFocused, FFocusedNode);
        if (focusMoved || cleared)
            AddToSelection(FFocusedNode);
    }
    if (toggleRange || FSelectionCount > 1)
        Invalidate();
}

} // namespace vtree
