#pragma once
// The tree's run-time states: one 64-bit set, changed only through
// ChangeTreeStates so that OnStateChange sees every change.
#include "controls/vtree/EnumSet.h"

#include <cstdint>

namespace vtree {

enum class TLazyTreeState : std::uint8_t {
    tsCancelHintAnimation,
    tsChangePending,          // a delayed selection change waits
    tsCheckPropagation,
    tsCollapsing,             // FullCollapse runs
    tsToggleFocusedSelection,
    tsClearPending,
    tsClipboardFlushing,
    tsCopyPending,
    tsCutPending,
    tsDrawSelPending,
    tsDrawSelecting,
    tsEditing,
    tsEditPending,
    tsExpanding,              // FullExpand runs
    tsNodeHeightTracking,
    tsNodeHeightTrackPending,
    tsHint,
    tsInAnimation,
    tsIncrementalSearching,
    tsIncrementalSearchPending,
    tsIterating,              // IterateSubtree runs: deleting nodes fails
    tsKeyCheckPending,
    tsLeftButtonDown,
    tsLeftDblClick,
    tsMouseCheckPending,
    tsMiddleButtonDown,
    tsMiddleDblClick,
    tsNeedRootCountUpdate,    // a root count waits for the end of loading
    tsOLEDragging,
    tsOLEDragPending,
    tsPainting,
    tsRightButtonDown,
    tsRightDblClick,
    tsPopupMenuShown,
    tsScrolling,
    tsScrollPending,
    tsSizing,
    tsStopValidation,
    tsStructureChangePending, // a delayed structure change waits
    tsSynchMode,              // notifications are raised at once
    tsThumbTracking,
    tsToggling,               // ToggleNode runs
    tsUpdateHiddenChildrenNeeded,
    tsUpdating,
    tsUseCache,
    tsUserDragObject,
    tsUseThemes,
    tsValidating,
    tsPreviouslySelectedLocked,
    tsValidationNeeded,
    tsVCLDragging,
    tsVCLDragPending,
    tsVCLDragFinished,
    tsWheelPanning,
    tsWheelScrolling,
    tsWindowCreating,
    tsUseExplorerTheme,
};
using TLazyTreeStates = TEnumSet<TLazyTreeState, std::uint64_t>;
static_assert(sizeof(TLazyTreeStates) == 8);

} // namespace vtree
