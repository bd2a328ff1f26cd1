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
    TColumnIndex column = FocusedColumn();
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
    const TColumnIndex column = Forward ? columns.GetNextVisibleColumn(FocusedColumn(), true)
                                        : columns.GetPreviousVisibleColumn(FocusedColumn(), true);
    if (column >= 0)
        SetFocusedColumn(column);
}

void TLazyStringTreeWidget::tabToCell(bool Backward)
{
    const TLazyTreeColumns &columns = FHeader.Columns();
    PLazyNode node = FocusedNode();
    TColumnIndex column = Backward ? columns.GetPreviousVisibleColumn(FocusedColumn(), true)
                                   : columns.GetNextVisibleColumn(FocusedColumn(), true);
    if (column < 0 || !IsValidColumn(FocusedColumn())) {
        // Past the row's last cell the next row begins.
        if (column < 0)
            node = node ? (Backward ? GetPreviousVisible(node) : GetNextVisible(node)) : GetFirstVisible();
        column = Backward ? columns.GetLastVisibleColumn(true) : columns.GetFirstVisibleColumn(true);
    }
    while (node && column >= 0 && !QueryFocusChanging(FocusedNode(), node, FocusedColumn(), column))
        column = Backward ? columns.GetPreviousVisibleColumn(column, true) : columns.GetNextVisibleColumn(column, true);
    if (node && column >= 0)
        SetFocusedNodeAndColumn(node, column);
}

// A navigation key with what it is read with: its modifiers and the options
// that change what it does.
struct TLazyStringTreeWidget::NavigationKey {
    std::uint16_t CharCode;
    bool Ctrl;
    bool Shift;
    bool Alt;
    bool NoModifier;
    bool MultiSelect;
    bool GridExtensions;
    // Shift in a multi-selection outside an edit: the selection grows from the anchor.
    bool ExtendSelection;
};

int TLazyStringTreeWidget::sideOfRangeAnchor(PLazyNode Node) const
{
    return RangeAnchor() ? CompareTreeOrder(Node, RangeAnchor(), true) : 0;
}

void TLazyStringTreeWidget::backKey()
{
    if (TreeStates().contains(tsIncrementalSearching))
        ChangeTreeStates(tsIncrementalSearchPending, {});
    else if (FocusedNode() && FocusedNode()->Parent != RootNode())
        SetFocusedNode(FocusedNode()->Parent);
}

TLazyStringTreeWidget::NavigationStep TLazyStringTreeWidget::pageKey(const NavigationKey &Key)
{
    const bool up = Key.CharCode == VK_PRIOR;
    if (Key.Ctrl && Key.Shift) {
        SetOffsetX(OffsetX() + (up ? ClientWidth() : -ClientWidth()));
    } else if (Key.Ctrl) {
        SetOffsetY(OffsetY() + (up ? ClientHeight() : -ClientHeight()));
    } else if (Key.Shift && Key.Alt) {
        moveColumnByScreen(up);
    } else {
        SetFocusedNode(pageTarget(FocusedNode(), up));
        return Key.ExtendSelection ? NavigationStep::ToggleRange : NavigationStep::Moved;
    }
    return NavigationStep::Moved;
}

TLazyStringTreeWidget::NavigationStep TLazyStringTreeWidget::homeEndKey(const NavigationKey &Key)
{
    const bool home = Key.CharCode == VK_HOME;
    PLazyNode target = home ? GetFirstVisible() : GetLastVisible();
    if (Key.Ctrl && !Key.Shift && !Key.Alt && !Key.GridExtensions) {
        if (target)
            ScrollIntoView(target, toOption(toCenterScrollIntoView), !toOption(TLTAutoOption::toDisableAutoscrollOnFocus));
        SetOffsetX(home ? 0 : -INT_MAX);
        return NavigationStep::Moved;
    }
    if (!Key.GridExtensions || Key.Ctrl)
        SetFocusedNode(target);
    if (Key.GridExtensions && !toOption(toFullRowSelect) && ColumnsUsed()) {
        // The outermost column, or the next one inward, that may take the focus.
        const TLazyTreeColumns &columns = FHeader.Columns();
        TColumnIndex column = home ? columns.GetFirstVisibleColumn() : columns.GetLastVisibleColumn();
        while (column >= 0 && !QueryFocusChanging(FocusedNode(), FocusedNode(), FocusedColumn(), column))
            column = home ? columns.GetNextVisibleColumn(column) : columns.GetPreviousVisibleColumn(column);
        if (column >= 0)
            SetFocusedColumn(column);
    }
    return Key.ExtendSelection ? NavigationStep::ToggleRange : NavigationStep::Moved;
}

TLazyStringTreeWidget::NavigationStep TLazyStringTreeWidget::upDownKey(const NavigationKey &Key)
{
    const bool up = Key.CharCode == VK_UP;
    if (Key.Ctrl) {
        const int step = static_cast<int>(DefaultNodeHeight());
        SetOffsetY(OffsetY() + (up ? step : -step));
        return NavigationStep::Moved;
    }
    if (TreeStates().contains(tsEditing) && !EndEditNode())
        return NavigationStep::Refused;
    PLazyNode old = FocusedNode();
    PLazyNode node = old ? (up ? GetPreviousVisible(old) : GetNextVisible(old)) : (up ? GetLastVisible() : GetFirstVisible());
    if (!node) {
        if (old)
            InvalidateNode(old);
        return NavigationStep::Moved;
    }
    // Moving back toward the anchor gives up the node left behind.
    if (old && (!Key.ExtendSelection || (up ? sideOfRangeAnchor(old) > 0 : sideOfRangeAnchor(old) < 0)))
        RemoveFromSelection(old);
    if (FocusedColumn() < 0)
        storeFocusedColumn(MainColumn());
    SetFocusedNode(node);
    return NavigationStep::Moved;
}

TLazyStringTreeWidget::NavigationStep TLazyStringTreeWidget::leftRightKey(const NavigationKey &Key)
{
    const bool left = Key.CharCode == VK_LEFT;
    if (Key.Ctrl) {
        const int step = FHeader.Columns().GetScrollWidth(static_cast<int>(Indent()));
        SetOffsetX(OffsetX() + (left ? step : -step));
        return NavigationStep::Moved;
    }
    if (toOption(toExtendedFocus) && Key.GridExtensions) {
        moveColumnFocus(!left);
        return NavigationStep::Moved;
    }
    PLazyNode old = FocusedNode();
    if (!old) {
        SetFocusedNode(GetFirstVisible());
        return NavigationStep::Moved;
    }
    return left ? leftToParent(Key, old) : rightToChild(Key, old);
}

TLazyStringTreeWidget::NavigationStep TLazyStringTreeWidget::leftToParent(const NavigationKey &Key, PLazyNode Old)
{
    if (Key.NoModifier && GetExpanded(Old) && GetHasChildren(Old)) {
        ToggleNode(Old);
        return NavigationStep::Moved;
    }
    PLazyNode parent = Old->Parent;
    if (parent == RootNode())
        return NavigationStep::Moved;
    NavigationStep step = NavigationStep::Moved;
    if (Key.ExtendSelection) {
        if (sideOfRangeAnchor(parent) > 0)
            RemoveFromSelection(Old);
        else if (parent->FirstChild != Old)
            step = NavigationStep::ToggleRange;
    }
    SetFocusedNode(parent);
    return step;
}

TLazyStringTreeWidget::NavigationStep TLazyStringTreeWidget::rightToChild(const NavigationKey &Key, PLazyNode Old)
{
    if (Key.NoModifier && !GetExpanded(Old) && GetHasChildren(Old)) {
        ToggleNode(Old);
        return NavigationStep::Moved;
    }
    PLazyNode child = GetFirstVisibleChild(Old);
    if (!child)
        return NavigationStep::Moved;
    if (Key.ExtendSelection && sideOfRangeAnchor(child) < 0)
        RemoveFromSelection(Old);
    SetFocusedNode(child);
    return NavigationStep::Moved;
}

void TLazyStringTreeWidget::selectAfterNavigation(const NavigationKey &Key, PLazyNode LastFocused, bool ToggleRange)
{
    const bool focusMoved = FocusedNode() != LastFocused;
    const bool plainKey = Key.NoModifier || (!Key.Shift && Key.GridExtensions) || !Key.MultiSelect
                          || Key.CharCode == VK_BACK || Key.CharCode == VK_TAB;
    bool cleared = false;
    if (plainKey && (focusMoved || SelectedCount() != 1)) {
        ClearSelection();
        cleared = true;
    }
    if (Key.NoModifier) {
        setRangeAnchor(FocusedNode());
        setLastSelectionLevel(FocusedNode() ? static_cast<int>(GetNodeLevel(FocusedNode())) : -1);
    }
    if (FocusedNode()) {
        if (ToggleRange)
            ToggleRangeSelection(LastFocused, FocusedNode());
        if (focusMoved || cleared)
            AddToSelection(FocusedNode());
    }
    if (ToggleRange || SelectedCount() > 1)
        Invalidate();
}

void TLazyStringTreeWidget::handleNavigationKey(std::uint16_t CharCode, TShiftState Shift)
{
    NavigationKey key{};
    key.CharCode = CharCode;
    key.Ctrl = Shift.contains(ssCtrl);
    key.Shift = Shift.contains(ssShift);
    key.Alt = Shift.contains(ssAlt);
    key.NoModifier = !key.Ctrl && !key.Shift && !key.Alt;
    key.MultiSelect = toOption(toMultiSelect);
    key.GridExtensions = toOption(TLTMiscOption::toGridExtensions);
    key.ExtendSelection = key.Shift && key.MultiSelect && !TreeStates().contains(tsEditing);

    if (!RangeAnchor()) {
        setRangeAnchor(GetFirstSelected());
        if (!RangeAnchor())
            setRangeAnchor(GetFirst());
    }
    PLazyNode lastFocused = FocusedNode();
    if (key.Shift && !lastFocused)
        lastFocused = GetFirstVisible();

    NavigationStep step = NavigationStep::Moved;
    switch (CharCode) {
    case VK_BACK:
        backKey();
        break;
    case VK_TAB:
        if (toOption(toExtendedFocus) && ColumnsUsed())
            tabToCell(key.Shift);
        break;
    case VK_PRIOR:
    case VK_NEXT:
        step = pageKey(key);
        break;
    case VK_HOME:
    case VK_END:
        step = homeEndKey(key);
        break;
    case VK_UP:
    case VK_DOWN:
        step = upDownKey(key);
        break;
    case VK_LEFT:
    case VK_RIGHT:
        step = leftRightKey(key);
        break;
    default:
        break;
    }
    if (step != NavigationStep::Refused)
        selectAfterNavigation(key, lastFocused, step == NavigationStep::ToggleRange);
}

} // namespace vtree
