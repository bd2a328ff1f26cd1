// Update brackets (no repainting or notifying until the outermost one
// closes), synchronous brackets (notifications at once instead of delayed)
// and long operations the application may cancel.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeBrackets.h"
#include "platform/ScopeGuard.h"
#include "controls/vtree/TreeErrors.h"
#include "platform/InterfaceThread.h"

namespace vtree {

using enum TLTUpdateState;
using TLazyTreeState::tsChangePending;
using TLazyTreeState::tsStructureChangePending;
using TLazyTreeState::tsSynchMode;
using TLazyTreeState::tsUpdating;

void TCorePartDeleter::operator()(TTreeBrackets *Part) const { delete Part; }

TCorePart<TTreeBrackets> TBaseLazyTree::newBrackets() { return TCorePart<TTreeBrackets>(new TTreeBrackets); }

unsigned TBaseLazyTree::UpdateCount() const { return FBrackets->UpdateCount; }

bool TBaseLazyTree::IsUpdating() const { return FBrackets->UpdateCount > 0; }

bool TBaseLazyTree::OperationCancelRequested() const { return FBrackets->OperationCanceled && FBrackets->OperationCount > 0; }

unsigned TBaseLazyTree::OperationCount() const { return FBrackets->OperationCount; }

bool TBaseLazyTree::OperationCanceled() const { return FBrackets->OperationCanceled; }

const bool *TBaseLazyTree::operationCancelFlag() const { return &FBrackets->OperationCanceled; }

unsigned TBaseLazyTree::ChangeDelay() const { return FBrackets->ChangeDelay; }

void TBaseLazyTree::SetChangeDelay(unsigned value) { FBrackets->ChangeDelay = value; }

TBaseLazyTree::RaisedUpdateCount::RaisedUpdateCount(TBaseLazyTree &tree) : m_tree(tree) { ++m_tree.FBrackets->UpdateCount; }

TBaseLazyTree::RaisedUpdateCount::~RaisedUpdateCount() { --m_tree.FBrackets->UpdateCount; }


void TBaseLazyTree::BeginUpdate()
{
    if (!IsDestroying()) {
        LT_ASSERT_TEXT(platform::isInterfaceThread(), assertions::uiThreadOnly(ClassName()));
        if (FBrackets->UpdateCount == 0) {
            NotifyUpdating(usBegin);
            SuspendWindowRedraw(true);
        } else {
            NotifyUpdating(usUpdate);
        }
    }
    ++FBrackets->UpdateCount;
    ChangeTreeStates(tsUpdating, {});
}

void TBaseLazyTree::EndUpdate()
{
    if (FBrackets->UpdateCount > 0)
        --FBrackets->UpdateCount;
    if (IsDestroying())
        return;
    if (FBrackets->UpdateCount == 0 && TreeStates().contains(tsUpdating)) {
        if (TreeStates().contains(TLazyTreeState::tsUpdateHiddenChildrenNeeded)) {
            UpdateAllHiddenChildrenFlags();
            ChangeTreeStates({}, TLazyTreeState::tsUpdateHiddenChildrenNeeded);
        }
        ChangeTreeStates({}, tsUpdating);
        PackSelection();
        MarkCacheStale();
        ScheduleCacheValidation();
        if (HandleAllocated())
            UpdateScrollBars(false);
        if (TreeStates().contains(tsStructureChangePending))
            NotifyStructureChange(FBrackets->LastStructureChangeNode, FBrackets->LastStructureChangeReason);
        {
            platform::Finally settle([this] {
                if (autoSortApplies())
                    SortTree(SortColumn(), SortDirection(), true);
                SuspendWindowRedraw(false);
                if (HandleAllocated())
                    Invalidate();
                NotifyDesignerModified();
            });
            if (TreeStates().contains(tsChangePending))
                NotifyChange(FBrackets->LastChangedNode);
        }
    }
    if (FBrackets->UpdateCount > 0) {
        NotifyUpdating(usUpdate);
    } else {
        NotifyUpdating(usEnd);
        EnsureNodeSelected();
    }
}

void TBaseLazyTree::BeginSynch()
{
    if (!IsDestroying()) {
        if (FBrackets->SynchUpdateCount == 0) {
            NotifyUpdating(usBeginSynch);
            for (int timer : {ChangeTimer, StructureChangeTimer, ExpandTimer, EditTimer, HeaderTimer, ScrollTimer, SearchTimer})
                KillTreeTimer(timer);
            setSearchBuffer({});
            setLastSearchNode(nullptr);
            ChangeTreeStates({}, {TLazyTreeState::tsEditPending, TLazyTreeState::tsIncrementalSearching,
                                  TLazyTreeState::tsScrolling, TLazyTreeState::tsScrollPending});
            if (TreeStates().contains(tsStructureChangePending))
                NotifyStructureChange(FBrackets->LastStructureChangeNode, FBrackets->LastStructureChangeReason);
            if (TreeStates().contains(tsChangePending))
                NotifyChange(FBrackets->LastChangedNode);
        } else {
            NotifyUpdating(usSynch);
        }
    }
    ++FBrackets->SynchUpdateCount;
    ChangeTreeStates(tsSynchMode, {});
}

void TBaseLazyTree::EndSynch()
{
    if (FBrackets->SynchUpdateCount > 0)
        --FBrackets->SynchUpdateCount;
    if (IsDestroying())
        return;
    if (FBrackets->SynchUpdateCount > 0) {
        NotifyUpdating(usSynch);
    } else {
        ChangeTreeStates({}, tsSynchMode);
        NotifyUpdating(usEndSynch);
    }
}

void TBaseLazyTree::BeginOperation(TLTOperationKind Kind)
{
    ++FBrackets->OperationCount;
    NotifyStartOperation(Kind);
    if (FBrackets->OperationCount == 1)
        FBrackets->OperationCanceled = false;
}

void TBaseLazyTree::EndOperation(TLTOperationKind Kind)
{
    LT_ASSERT(FBrackets->OperationCount > 0, assertions::endOperationWithoutBegin);
    --FBrackets->OperationCount;
    NotifyEndOperation(Kind);
}

void TBaseLazyTree::CancelOperation()
{
    if (FBrackets->OperationCount > 0)
        FBrackets->OperationCanceled = true;
}

void TBaseLazyTree::SetTreeTimers(std::unique_ptr<platform::NumberedTimers> timers)
{
    FBrackets->Timers = std::move(timers);
    FBrackets->Timers->setHandler([this](int id) { TimerFired(id); });
}

void TBaseLazyTree::SetTreeTimer(int Id, unsigned Milliseconds) { FBrackets->Timers->setTimer(Id, std::chrono::milliseconds(Milliseconds)); }


void TBaseLazyTree::KillTreeTimer(int Id) { FBrackets->Timers->killTimer(Id); }


void TBaseLazyTree::stopTreeTimers() { FBrackets->Timers.reset(); }

void TBaseLazyTree::TimerFired(int Id)
{
    switch (Id) {
    case ChangeTimer:
        if (TreeStates().contains(TLazyTreeState::tsChangePending))
            NotifyChange(FBrackets->LastChangedNode);
        else
            KillTreeTimer(ChangeTimer);
        break;
    case StructureChangeTimer:
        NotifyStructureChange(FBrackets->LastStructureChangeNode, FBrackets->LastStructureChangeReason);
        break;
    case SearchTimer:
        StopIncrementalSearch();
        break;
    default:
        // Numbers of the later parts fire only once they set them.
        KillTreeTimer(Id);
        break;
    }
}

void TBaseLazyTree::AnnounceChange(PLazyNode Node)
{
    if (TreeStates().contains(TLazyTreeState::tsChangePending))
        KillTreeTimer(ChangeTimer);
    else
        ChangeTreeStates(TLazyTreeState::tsChangePending, {});
    FBrackets->LastChangedNode = Node;
    if (IsUpdating())
        return;
    if (FBrackets->ChangeDelay > 0 && !TreeStates().contains(TLazyTreeState::tsSynchMode))
        SetTreeTimer(ChangeTimer, FBrackets->ChangeDelay);
    else
        NotifyChange(Node);
}

void TBaseLazyTree::ReportStructureChange(PLazyNode Node, TChangeReason Reason)
{
    Node = nodeOrNil(Node);
    if (TreeStates().contains(TLazyTreeState::tsStructureChangePending))
        KillTreeTimer(StructureChangeTimer);
    else
        ChangeTreeStates(TLazyTreeState::tsStructureChangePending, {});
    FBrackets->LastStructureChangeNode = Node;
    if (FBrackets->LastStructureChangeReason == TChangeReason::crIgnore)
        FBrackets->LastStructureChangeReason = Reason;
    else if (Reason != TChangeReason::crIgnore)
        FBrackets->LastStructureChangeReason = TChangeReason::crAccumulated;
    if (IsUpdating())
        return;
    if (FBrackets->ChangeDelay > 0 && !TreeStates().contains(TLazyTreeState::tsSynchMode))
        SetTreeTimer(StructureChangeTimer, FBrackets->ChangeDelay);
    else
        NotifyStructureChange(Node, Reason);
}

void TBaseLazyTree::NotifyChange(PLazyNode Node)
{
    KillTreeTimer(ChangeTimer);
    platform::Finally settle([this] {
        ChangeTreeStates({}, TLazyTreeState::tsChangePending);
        FBrackets->LastChangedNode = nullptr;
    });
    if (OnChange)
        OnChange(this, Node);
}

void TBaseLazyTree::NotifyStructureChange(PLazyNode Node, TChangeReason Reason)
{
    KillTreeTimer(StructureChangeTimer);
    platform::Finally settle([this] {
        ChangeTreeStates({}, TLazyTreeState::tsStructureChangePending);
        FBrackets->LastStructureChangeNode = nullptr;
        FBrackets->LastStructureChangeReason = TChangeReason::crIgnore;
    });
    if (OnStructureChange)
        OnStructureChange(this, Node, Reason);
}

void TBaseLazyTree::deliverPendingChange()
{
    if (TreeStates().contains(tsChangePending))
        NotifyChange(FBrackets->LastChangedNode);
}

} // namespace vtree
