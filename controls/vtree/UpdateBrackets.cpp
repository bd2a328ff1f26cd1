// Update brackets (no repainting or notifying until the outermost one
// closes), synchronous brackets (notifications at once instead of delayed)
// and long operations the application may cancel.
#include "controls/vtree/BaseLazyTree.h"
#include "platform/ScopeGuard.h"
#include "controls/vtree/TreeErrors.h"
#include "platform/InterfaceThread.h"

namespace vtree {

using enum TLTUpdateState;
using TLazyTreeState::tsChangePending;
using TLazyTreeState::tsStructureChangePending;
using TLazyTreeState::tsSynchMode;
using TLazyTreeState::tsUpdating;

void TBaseLazyTree::BeginUpdate()
{
    if (!FDestroying) {
        LT_ASSERT_TEXT(platform::isInterfaceThread(), assertions::uiThreadOnly(ClassName()));
        if (FUpdateCount == 0) {
            NotifyUpdating(usBegin);
            SuspendWindowRedraw(true);
        } else {
            NotifyUpdating(usUpdate);
        }
    }
    ++FUpdateCount;
    ChangeTreeStates(tsUpdating, {});
}

void TBaseLazyTree::EndUpdate()
{
    if (FUpdateCount > 0)
        --FUpdateCount;
    if (FDestroying)
        return;
    if (FUpdateCount == 0 && FStates.contains(tsUpdating)) {
        if (FStates.contains(TLazyTreeState::tsUpdateHiddenChildrenNeeded)) {
            UpdateAllHiddenChildrenFlags();
            ChangeTreeStates({}, TLazyTreeState::tsUpdateHiddenChildrenNeeded);
        }
        ChangeTreeStates({}, tsUpdating);
        PackSelection();
        MarkCacheStale();
        ScheduleCacheValidation();
        if (HandleAllocated())
            UpdateScrollBars(false);
        if (FStates.contains(tsStructureChangePending))
            NotifyStructureChange(FLastStructureChangeNode, FLastStructureChangeReason);
        {
            platform::Finally settle([this] {
                if (autoSortApplies())
                    SortTree(SortColumn(), SortDirection(), true);
                SuspendWindowRedraw(false);
                if (HandleAllocated())
                    Invalidate();
                NotifyDesignerModified();
            });
            if (FStates.contains(tsChangePending))
                NotifyChange(FLastChangedNode);
        }
    }
    if (FUpdateCount > 0) {
        NotifyUpdating(usUpdate);
    } else {
        NotifyUpdating(usEnd);
        EnsureNodeSelected();
    }
}

void TBaseLazyTree::BeginSynch()
{
    if (!FDestroying) {
        if (FSynchUpdateCount == 0) {
            NotifyUpdating(usBeginSynch);
            for (int timer : {ChangeTimer, StructureChangeTimer, ExpandTimer, EditTimer, HeaderTimer, ScrollTimer, SearchTimer})
                KillTreeTimer(timer);
            setSearchBuffer({});
            FLastSearchNode = nullptr;
            ChangeTreeStates({}, {TLazyTreeState::tsEditPending, TLazyTreeState::tsIncrementalSearching,
                                  TLazyTreeState::tsScrolling, TLazyTreeState::tsScrollPending});
            if (FStates.contains(tsStructureChangePending))
                NotifyStructureChange(FLastStructureChangeNode, FLastStructureChangeReason);
            if (FStates.contains(tsChangePending))
                NotifyChange(FLastChangedNode);
        } else {
            NotifyUpdating(usSynch);
        }
    }
    ++FSynchUpdateCount;
    ChangeTreeStates(tsSynchMode, {});
}

void TBaseLazyTree::EndSynch()
{
    if (FSynchUpdateCount > 0)
        --FSynchUpdateCount;
    if (FDestroying)
        return;
    if (FSynchUpdateCount > 0) {
        NotifyUpdating(usSynch);
    } else {
        ChangeTreeStates({}, tsSynchMode);
        NotifyUpdating(usEndSynch);
    }
}

void TBaseLazyTree::BeginOperation(TLTOperationKind Kind)
{
    ++FOperationCount;
    NotifyStartOperation(Kind);
    if (FOperationCount == 1)
        FOperationCanceled = false;
}

void TBaseLazyTree::EndOperation(TLTOperationKind Kind)
{
    LT_ASSERT(FOperationCount > 0, assertions::endOperationWithoutBegin);
    --FOperationCount;
    NotifyEndOperation(Kind);
}

void TBaseLazyTree::CancelOperation()
{
    if (FOperationCount > 0)
        FOperationCanceled = true;
}

} // namespace vtree
