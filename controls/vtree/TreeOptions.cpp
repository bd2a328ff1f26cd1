// The option setters and what each change makes the tree do at once.
#include "controls/vtree/TreeOptions.h"

#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/Finally.h"

namespace vtree {

void TCustomLazyTreeOptions::SetPaintOptions(TLTPaintOptions value)
{
    if (value == FPaintOptions)
        return;
    const TLTPaintOptions old = FPaintOptions;
    FPaintOptions = value;
    FOwner.applyPaintOptions(old, value);
}

void TCustomLazyTreeOptions::SetAutoOptions(TLTAutoOptions value)
{
    if (value == FAutoOptions)
        return;
    const TLTAutoOptions old = FAutoOptions;
    FAutoOptions = value;
    FOwner.applyAutoOptions(old, value);
}

void TCustomLazyTreeOptions::SetSelectionOptions(TLTSelectionOptions value)
{
    if (value == FSelectionOptions)
        return;
    const TLTSelectionOptions old = FSelectionOptions;
    FSelectionOptions = value;
    FOwner.applySelectionOptions(old, value);
}

void TCustomLazyTreeOptions::SetMiscOptions(TLTMiscOptions value)
{
    if (value == FMiscOptions)
        return;
    const TLTMiscOptions old = FMiscOptions;
    FMiscOptions = value;
    FOwner.applyMiscOptions(old, value);
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
    if (!FLoading && (Added + Removed).contains(toShowFilteredNodes)) {
        // Filtered rows come back (or go) with their heights.
        const bool handle = HandleAllocated();
        if (handle)
            BeginUpdate();
        Finally end([this, handle] {
            if (handle)
                EndUpdate();
        });
        StopCacheValidation();
        const bool shown = Added.contains(toShowFilteredNodes);
        for (PLazyNode node = GetFirstNoInit(); node; node = GetNextNoInit(node)) {
            if (!node->States.contains(TLazyNodeState::vsFiltered))
                continue;
            if (GetFullyVisible(node)) {
                if (shown)
                    ++FVisibleCount;
                else
                    --FVisibleCount;
            }
            PropagateTotalHeight(node, shown ? node->NodeHeight : -static_cast<std::int64_t>(node->NodeHeight), true);
        }
    }
    ApplyPaintOptionsToWindow(Added, Removed);
}

void TBaseLazyTree::applyAutoOptions(TLTAutoOptions Old, TLTAutoOptions New)
{
    const TLTAutoOptions changed = (New - Old) + (Old - New);
    if (changed.contains(TLTAutoOption::toAutoSpanColumns) && !FLoading && HandleAllocated())
        Invalidate();
}

void TBaseLazyTree::applySelectionOptions(TLTSelectionOptions Old, TLTSelectionOptions New)
{
    using enum TLTSelectionOption;
    const TLTSelectionOptions Added = New - Old;
    const TLTSelectionOptions Removed = Old - New;
    if ((Added + Removed).contains(toMultiSelect) || Added.containsAny({toLevelSelectConstraint, toSiblingSelectConstraint}))
        ClearSelection();
    if (Removed.contains(toExtendedFocus) && FFocusedColumn > 0 && HandleAllocated()) {
        FFocusedColumn = MainColumn();
        Invalidate();
    }
    if (!New.contains(toExtendedFocus))
        FFocusedColumn = MainColumn();
}

void TBaseLazyTree::applyMiscOptions(TLTMiscOptions Old, TLTMiscOptions New)
{
    using enum TLTMiscOption;
    const TLTMiscOptions Added = New - Old;
    const TLTMiscOptions Removed = Old - New;
    if (FLoading || !HandleAllocated())
        return;
    if ((Added + Removed).contains(toCheckSupport))
        Invalidate();
    if (Added.contains(toVariableNodeHeight)) {
        BeginUpdate();
        Finally end([this] { EndUpdate(); });
        ReinitNode(FRoot, true);
    }
    ApplyMiscOptionsToWindow(Added, Removed);
}

} // namespace vtree
