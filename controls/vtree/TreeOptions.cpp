// The option setters and what each change makes the tree do at once.
#include "controls/vtree/TreeOptions.h"

#include "controls/vtree/BaseLazyTree.h"
#include "platform/ScopeGuard.h"

namespace vtree {

namespace {
// Stores a changed set and lets the tree react to the old and the new one.
template <class Set, class React>
void changeSet(Set &stored, Set value, React react)
{
    if (value == stored)
        return;
    const Set old = stored;
    stored = value;
    react(old, value);
}
} // namespace

void TCustomLazyTreeOptions::SetPaintOptions(TLTPaintOptions value)
{
    if (value == FPaintOptions)
        return;
    // The cache's worker walks rows by these options: it must not build meanwhile.
    FOwner.StopCacheValidation();
    changeSet(FPaintOptions, value, [this](auto old, auto now) { FOwner.applyPaintOptions(old, now); });
    FOwner.MarkCacheStale();
    if (!FOwner.IsUpdating())
        FOwner.ScheduleCacheValidation();
}

void TCustomLazyTreeOptions::SetAutoOptions(TLTAutoOptions value)
{
    changeSet(FAutoOptions, value, [this](auto old, auto now) { FOwner.applyAutoOptions(old, now); });
}

void TCustomLazyTreeOptions::SetSelectionOptions(TLTSelectionOptions value)
{
    changeSet(FSelectionOptions, value, [this](auto old, auto now) { FOwner.applySelectionOptions(old, now); });
}

void TCustomLazyTreeOptions::SetMiscOptions(TLTMiscOptions value)
{
    changeSet(FMiscOptions, value, [this](auto old, auto now) { FOwner.applyMiscOptions(old, now); });
}

void TCustomLazyTreeOptions::AssignTo(TCustomLazyTreeOptions &Dest) const
{
    Dest.SetPaintOptions(FPaintOptions);
    Dest.SetAnimationOptions(FAnimationOptions);
    Dest.SetAutoOptions(FAutoOptions);
    Dest.SetSelectionOptions(FSelectionOptions);
    Dest.SetMiscOptions(FMiscOptions);
}

void TBaseLazyTree::applyPaintOptions(TLTPaintOptions Old, TLTPaintOptions New)
{
    using enum TLTPaintOption;
    TLTPaintOptions Added = New - Old;
    const TLTPaintOptions Removed = Old - New;
    if (Added.contains(toFixedIndent)) {
        FOptions->FPaintOptions.include(toShowRoot);
        Added.include(toShowRoot);
    }
    if (!IsLoading() && (Added + Removed).contains(toShowFilteredNodes)) {
        const bool handle = HandleAllocated();
        if (handle)
            BeginUpdate();
        platform::Finally end([this, handle] {
            if (handle)
                EndUpdate();
        });
        StopCacheValidation();
        showFilteredRows(Added.contains(toShowFilteredNodes));
    }
    ApplyPaintOptionsToWindow(Added, Removed);
}

void TBaseLazyTree::applyAutoOptions(TLTAutoOptions Old, TLTAutoOptions New)
{
    const TLTAutoOptions changed = (New - Old) + (Old - New);
    if (changed.contains(TLTAutoOption::toAutoSpanColumns) && !IsLoading() && HandleAllocated())
        Invalidate();
}

void TBaseLazyTree::applySelectionOptions(TLTSelectionOptions Old, TLTSelectionOptions New)
{
    using enum TLTSelectionOption;
    const TLTSelectionOptions Added = New - Old;
    const TLTSelectionOptions Removed = Old - New;
    if ((Added + Removed).contains(toMultiSelect) || Added.containsAny({toLevelSelectConstraint, toSiblingSelectConstraint}))
        ClearSelection();
    if (Removed.contains(toExtendedFocus) && FocusedColumn() > 0 && HandleAllocated()) {
        storeFocusedColumn(MainColumn());
        Invalidate();
    }
    if (!New.contains(toExtendedFocus))
        storeFocusedColumn(MainColumn());
}

void TBaseLazyTree::applyMiscOptions(TLTMiscOptions Old, TLTMiscOptions New)
{
    using enum TLTMiscOption;
    const TLTMiscOptions Added = New - Old;
    const TLTMiscOptions Removed = Old - New;
    if (IsLoading() || !HandleAllocated())
        return;
    if ((Added + Removed).contains(toCheckSupport))
        Invalidate();
    if (Added.contains(toVariableNodeHeight)) {
        BeginUpdate();
        platform::Finally end([this] { EndUpdate(); });
        ReinitNode(RootNode(), true);
    }
    ApplyMiscOptionsToWindow(Added, Removed);
}

void TCustomLazyTreeOptions::repaintOwner()
{
    if (!FOwner.IsLoading() && FOwner.HandleAllocated())
        FOwner.Invalidate();
}

} // namespace vtree
