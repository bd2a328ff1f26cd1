#pragma once
// Small types the tree's operations and events share.
#include <cstdint>

namespace vtree {

// A header column; -1 is the implicit column of a tree without columns and
// -2 the answer of a position lookup that finds none.
using TColumnIndex = std::int32_t;
inline constexpr TColumnIndex NoColumn = -1;
inline constexpr TColumnIndex InvalidColumn = -2;

enum class TLTNodeAttachMode : std::uint8_t { amNoWhere, amInsertBefore, amInsertAfter, amAddChildFirst, amAddChildLast };

// Beside the hidden root there is no place: next to it means inside it.
constexpr TLTNodeAttachMode attachModeAtRoot(TLTNodeAttachMode Mode)
{
    if (Mode == TLTNodeAttachMode::amInsertBefore)
        return TLTNodeAttachMode::amAddChildFirst;
    if (Mode == TLTNodeAttachMode::amInsertAfter)
        return TLTNodeAttachMode::amAddChildLast;
    return Mode;
}

enum class TChangeReason : std::uint8_t {
    crIgnore,
    crAccumulated, // more than one change came before the notification
    crChildAdded,
    crChildDeleted,
    crNodeAdded,
    crNodeCopied,
    crNodeMoved,
};

enum class TLTUpdateState : std::uint8_t { usBegin, usBeginSynch, usSynch, usUpdate, usEnd, usEndSynch };

enum class TLTOperationKind : std::uint8_t { okAutoFitColumns, okGetMaxColumnWidth, okSortNode, okSortTree, okExport, okExpand };

enum class TSortDirection : std::uint8_t { sdAscending, sdDescending };

// The tree's timers, by number.
enum TreeTimer : int {
    ExpandTimer = 1,          // drop-target expansion
    EditTimer = 2,            // edit start
    HeaderTimer = 3,          // header hover watch
    ScrollTimer = 4,          // automatic scrolling and wheel panning
    ChangeTimer = 5,          // delayed change notification
    StructureChangeTimer = 6, // delayed structure-change notification
    SearchTimer = 7,          // end of incremental search
    ThemeChangeTimer = 8,
};

} // namespace vtree
