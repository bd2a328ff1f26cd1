// Check controls on nodes: changing a state with its query and notification,
// the automatic tri-state tracking that keeps parents and children in step,
// radio groups, the bulk operations and the image a control shows.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreePendingCheck.h"
#include "platform/ScopeGuard.h"

namespace vtree {

using enum TLazyNodeState;
using enum TCheckState;
using enum TCheckType;

namespace {

bool isBoxType(TCheckType type) { return type == ctTriStateCheckBox || type == ctCheckBox; }

// Image rows per control: normal, hot, pressed, disabled.
struct ImageRow {
    int normal, hot, pressed, disabled;
};
constexpr ImageRow radioUnchecked{1, 2, 3, 4};
constexpr ImageRow radioChecked{5, 6, 7, 8};
constexpr ImageRow boxUnchecked{9, 10, 11, 12};
constexpr ImageRow boxChecked{13, 14, 15, 16};
constexpr ImageRow boxMixed{17, 18, 19, 20};
constexpr ImageRow pushButton{21, 22, 23, 24};

bool isMixed(TCheckState s) { return s == csMixedNormal || s == csMixedPressed; }
bool isPressed(TCheckState s) { return s == csUncheckedPressed || s == csCheckedPressed || s == csMixedPressed; }

} // namespace

int checkImageIndexOf(TCheckType type, TCheckState state, bool enabled, bool hot)
{
    if (type == ctNone)
        return -1;
    if (IsDisabledState(state)) {
        enabled = false;
        state = EnabledState(state);
    }
    ImageRow row;
    if (isMixed(state))
        row = boxMixed;
    else if (type == ctRadioButton)
        row = IsCheckedState(state) ? radioChecked : radioUnchecked;
    else if (type == ctButton)
        row = pushButton;
    else
        row = IsCheckedState(state) ? boxChecked : boxUnchecked;
    if (!enabled)
        return row.disabled;
    if (isPressed(state))
        return row.pressed;
    return hot ? row.hot : row.normal;
}

void TCorePartDeleter::operator()(TTreePendingCheck *Part) const { delete Part; }

TCorePart<TTreePendingCheck> TBaseLazyTree::newPendingCheck() { return TCorePart<TTreePendingCheck>(new TTreePendingCheck); }

TCheckImageKind TBaseLazyTree::CheckImageKind() const { return FCheck->CheckImageKind; }

void TBaseLazyTree::storeCheckImageKind(TCheckImageKind Value) { FCheck->CheckImageKind = Value; }

unsigned TBaseLazyTree::CheckPropagationCount() const { return FCheck->PropagationCount; }

PLazyNode TBaseLazyTree::CheckNode() const { return FCheck->CheckNode; }

TCheckState TBaseLazyTree::PendingCheckState() const { return FCheck->PendingCheckState; }

void TBaseLazyTree::setPendingCheck(PLazyNode Node, TCheckState State)
{
    FCheck->CheckNode = Node;
    FCheck->PendingCheckState = State;
}

void TBaseLazyTree::forgetPendingCheck() { FCheck->CheckNode = nullptr; }

int TBaseLazyTree::CheckImageIndex(PLazyNode Node, TCheckType CheckType, TCheckState CheckState, bool Enabled)
{
    bool hot = false;
    if (Node) {
        CheckType = Node->CheckType;
        CheckState = Node->CheckState;
        Enabled = !Node->States.contains(vsDisabled) && IsTreeEnabled();
        hot = Node == HotNode();
    }
    return checkImageIndexOf(CheckType, CheckState, Enabled, hot);
}

TCheckState TBaseLazyTree::NextCheckState(TCheckType CheckType, TCheckState CheckState)
{
    switch (CheckType) {
    case ctCheckBox:
    case ctTriStateCheckBox:
        return ToggledState(CheckState);
    case ctRadioButton:
        return csCheckedNormal;
    case ctButton:
        return csUncheckedNormal;
    default:
        return CheckState;
    }
}

void TBaseLazyTree::SetCheckState(PLazyNode Node, TCheckState Value)
{
    if (!Node || Node == RootNode() || Node->CheckState == Value || Node->States.contains(vsDisabled))
        return;
    if (QueryChecking(Node, Value))
        ApplyCheckState(Node, Value);
}

void TBaseLazyTree::ApplyCheckState(PLazyNode Node, TCheckState NewState)
{
    if (TransitionCheckState(Node, NewState))
        NotifyChecked(Node);
}

bool TBaseLazyTree::TransitionCheckState(PLazyNode Node, TCheckState Value)
{
    if (Node->States.contains(vsChecking))
        return false;
    Node->States.include(vsChecking);
    platform::Finally leaveChecking([Node] { Node->States.exclude(vsChecking); });
    initOnDemand(Node);
    if (Node->CheckState == Value)
        return false;

    if (FCheck->PropagationCount++ == 0)
        ChangeTreeStates(TLazyTreeState::tsCheckPropagation, {});
    platform::Finally leavePropagation([this, Node] {
        InvalidateNode(Node);
        if (--FCheck->PropagationCount == 0)
            ChangeTreeStates({}, TLazyTreeState::tsCheckPropagation);
    });

    const bool tracking = toOption(TLTAutoOption::toAutoTristateTracking);
    if (Node->CheckType == ctTriStateCheckBox && tracking && Node->ChildCount > 0 &&
        (Value == csUncheckedNormal || Value == csCheckedNormal)) {
        for (PLazyNode child = Node->FirstChild; child; child = child->NextSibling)
            if (isBoxType(child->CheckType) && !IsDisabledState(child->CheckState))
                SetCheckState(child, Value);
        // Disabled children count when unchecking, not when checking.
        unsigned unchecked = 0, checked = 0, mixed = 0;
        for (PLazyNode child = Node->FirstChild; child; child = child->NextSibling) {
            if (!isBoxType(child->CheckType))
                continue;
            const TCheckState s = child->CheckState;
            if (s == csUncheckedNormal || (Value == csUncheckedNormal && s == csUncheckedDisabled))
                ++unchecked;
            else if (s == csCheckedNormal || (Value == csUncheckedNormal && s == csCheckedDisabled))
                ++checked;
            else if (s == csMixedNormal)
                ++mixed;
        }
        if (mixed > 0 || (checked > 0 && unchecked > 0))
            Value = csMixedNormal;
        else if (checked > 0 && unchecked == 0)
            Value = csCheckedNormal;
    } else if (Node->CheckType == ctRadioButton && Value == csCheckedNormal) {
        // The other radio buttons of the group change without events.
        for (PLazyNode sibling = Node->Parent->FirstChild; sibling; sibling = sibling->NextSibling)
            if (sibling->CheckType == ctRadioButton)
                sibling->CheckState = csUncheckedNormal;
        Invalidate();
    }
    Node->CheckState = Value;

    PLazyNode parent = Node->Parent;
    if (parent != RootNode())
        initOnDemand(parent);
    if (tracking && parent != RootNode() && !parent->States.contains(vsChecking) && !parent->States.contains(vsDisabled) &&
        isBoxType(Node->CheckType) && parent->CheckType == ctTriStateCheckBox)
        return UpdateParentCheckState(Node, Value);
    return true;
}

bool TBaseLazyTree::UpdateParentCheckState(PLazyNode Node, TCheckState NewCheckState)
{
    unsigned count = 0, checked = 0;
    bool mixed = false;
    for (PLazyNode child = Node->Parent->FirstChild; child; child = child->NextSibling) {
        if (!isBoxType(child->CheckType))
            continue;
        ++count;
        const TCheckState s = child == Node ? NewCheckState : child->CheckState;
        if (IsCheckedState(s))
            ++checked;
        if (s == csMixedNormal)
            mixed = true;
    }
    TCheckState state = csUncheckedNormal;
    if (checked > 0 || mixed)
        state = checked < count ? csMixedNormal : csCheckedNormal;
    PLazyNode parent = Node->Parent;
    const bool allowed = QueryChecking(parent, state);
    if (allowed)
        ApplyCheckState(parent, state);
    return allowed;
}

void TBaseLazyTree::SetCheckType(PLazyNode Node, TCheckType Value)
{
    if (!Node || Node == RootNode() || Node->CheckType == Value || IsReadOnly())
        return;
    Node->CheckType = Value;
    if (Value != ctTriStateCheckBox && isMixed(Node->CheckState))
        Node->CheckState = csUncheckedNormal;
    PLazyNode parent = Node->Parent;
    if (toOption(TLTAutoOption::toAutoTristateTracking) && isBoxType(Value) && parent != RootNode()) {
        initOnDemand(parent);
        if (parent->CheckType == ctTriStateCheckBox) {
            const TCheckState s = parent->CheckState;
            if (s == csUncheckedNormal || s == csUncheckedDisabled)
                SetCheckState(Node, csUncheckedNormal);
            else if (s == csCheckedNormal || s == csCheckedDisabled)
                SetCheckState(Node, csCheckedNormal);
        }
    }
    InvalidateNode(Node);
}

void TBaseLazyTree::SetCheckStateForAll(TCheckState aCheckState, bool pSelectedOnly, bool pExcludeDisabled)
{
    BeginUpdate();
    platform::Finally end([this] { EndUpdate(); });
    PLazyNode node = pSelectedOnly ? GetFirstSelected() : GetFirst();
    while (node) {
        if (!pExcludeDisabled || !IsDisabledState(node->CheckState))
            SetCheckState(node, aCheckState);
        node = pSelectedOnly ? GetNextSelected(node) : GetNext(node);
    }
}

void TBaseLazyTree::ClearChecked()
{
    for (PLazyNode node = GetFirstNoInit(); node; node = GetNextNoInit(node))
        if (node->CheckState != csUncheckedNormal)
            SetCheckState(node, csUncheckedNormal);
}

unsigned TBaseLazyTree::CheckedCount()
{
    unsigned count = 0;
    for (PLazyNode node = GetFirstChecked(); node; node = GetNextChecked(node))
        ++count;
    return count;
}

void TBaseLazyTree::SetCheckImageKind(TCheckImageKind Value)
{
    if (Value == FCheck->CheckImageKind)
        return;
    FCheck->CheckImageKind = Value;
    if (HandleAllocated() && !IsUpdating() && !IsLoading())
        Invalidate();
}

} // namespace vtree
