// Typing jumps to the node whose text starts with what was typed; the typed
// text is kept until the search timer runs out.
#include "controls/vtree/widget/LazyStringTreeWidget.h"
#include "platform/ui/Beep.h"

namespace vtree {

using enum TLazyTreeState;
using enum TLTIncrementalSearch;

namespace {
constexpr char16_t Backspace = 8;
} // namespace

// The next node to compare in the search's walk, wrapping at either end.
PLazyNode TLazyStringTreeWidget::searchStep(PLazyNode Node, bool Forward)
{
    switch (IncrementalSearch()) {
    case isVisibleOnly:
        if (Node)
            Node = Forward ? GetNextVisible(Node) : GetPreviousVisible(Node);
        return Node ? Node : (Forward ? GetFirstVisible() : GetLastVisible());
    case isInitializedOnly:
        if (Node)
            Node = Forward ? GetNextNoInit(Node) : GetPreviousNoInit(Node);
        return Node ? Node : (Forward ? GetFirstNoInit() : GetLastNoInit());
    default:
        if (Node)
            Node = Forward ? GetNext(Node) : GetPrevious(Node);
        return Node ? Node : (Forward ? GetFirst() : GetLast());
    }
}

void TLazyStringTreeWidget::HandleIncrementalSearch(char16_t CharCode)
{
    KillTreeTimer(SearchTimer);
    if (IncrementalSearch() == isNone)
        return;
    // Whatever happens below, the typed text lives one time-out longer.
    struct RestartTimer {
        TLazyStringTreeWidget &tree;
        ~RestartTimer() { tree.SetTreeTimer(SearchTimer, tree.IncrementalSearchTimeout()); }
    } restart{*this};
    if (CharCode == 0)
        return;
    ChangeTreeStates(tsIncrementalSearching, {});
    const bool backspace = CharCode == Backspace;
    if (backspace && SearchBuffer().isEmpty())
        return;

    PLazyNode start = nullptr;
    if (IncrementalSearchStart() == TLTSearchStart::ssLastHit)
        start = LastSearchNode();
    else if (IncrementalSearchStart() == TLTSearchStart::ssFocusedNode)
        start = FocusedNode();
    if (start && IncrementalSearch() == isInitializedOnly && !start->States.contains(TLazyNodeState::vsInitialized))
        start = nullptr;
    if (start && IncrementalSearch() == isVisibleOnly && (!GetFullyVisible(start) || GetEffectivelyFiltered(start)))
        start = nullptr;
    bool forward = IncrementalSearchDirection() == TLTSearchDirection::sdForward;
    if (backspace)
        forward = !forward;

    const QChar typed(CharCode);
    // The same letter again moves on to the next node starting with it,
    // unless the node reached already starts with the letter twice.
    const bool cycling = !backspace && SearchBuffer().size() == 1 && SearchBuffer()[0] == typed
                         && (!start || QueryIncrementalSearch(start, SearchBuffer() + typed) != 0);
    QString text;
    if (cycling) {
        text = SearchBuffer();
    } else if (backspace) {
        setSearchBuffer(SearchBuffer().chopped(1));
        text = SearchBuffer();
    } else {
        text = SearchBuffer() + typed;
    }

    const bool fromNext = SearchBuffer().isEmpty() || !start || cycling || backspace;
    auto matches = [&](PLazyNode node) {
        if (IncrementalSearch() == isInitializedOnly && !node->States.contains(TLazyNodeState::vsInitialized))
            return false;
        return QueryIncrementalSearch(node, text) == 0;
    };
    PLazyNode first = fromNext ? searchStep(start, forward) : start;
    // The walk ends where it began, or back at the start node when it began after it.
    PLazyNode end = start && fromNext ? start : first;
    PLazyNode found = nullptr;
    for (PLazyNode node = first; node && !(fromNext && node == start);) {
        if (matches(node)) {
            found = node;
            break;
        }
        node = searchStep(node, forward);
        if (node == end)
            break;
    }

    // The start node itself is the hit when no other node matches; without
    // it the text typed on a matching node would be lost.
    if (!found && start && matches(start))
        found = start;
    if (!found) {
        platform::messageBeep();
        return;
    }
    ClearSelection();
    setSearchBuffer(text);
    setLastSearchNode(found);
    SetFocusedNode(found);
    SetSelected(found, true);
}

} // namespace vtree
