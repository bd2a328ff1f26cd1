#pragma once
// The node record of the lazy tree and the caller's data behind it.
//
// A node is one block: the record below, then the caller's data area of
// NodeDataSize bytes, then (for descendants of the tree that reserved some)
// internal data areas. Application code reads and writes some fields of the
// record directly (Parent, Index, CheckType, CheckState), so their order and
// widths are fixed. The record is laid out naturally, not packed: every field
// sits at an offset that suits its type on 64-bit, with the padding shown.
//
//   offset  size  field
//        0     4  Index        position among the siblings, from 0
//        4     4  ChildCount   children that exist
//        8     2  NodeHeight   the row's own height in pixels
//       10     2  (padding)
//       12     4  States       TLazyNodeStates
//       16     1  Align        0-100, where in the row buttons and images sit
//       17     1  CheckState
//       18     1  CheckType
//       19     1  Dummy        spare, always 0
//       20     4  TotalCount   nodes of the subtree, this one included
//       24     4  TotalHeight  height of the subtree as drawn
//       28     4  (padding)
//       32     8  Parent       the hidden root for a top-level node
//       40     8  PrevSibling
//       48     8  NextSibling
//       56     8  FirstChild
//       64     8  LastChild
//       72        caller's data (GetNodeData), NodeDataSize bytes
//
// Data that holds a pointer keeps all of it: a pointer or an interface stored
// as initial user data takes sizeof(void*) bytes.
#include "controls/vtree/EnumSet.h"
#include "platform/Interface.h"

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

namespace vtree {

enum class TLazyNodeState : std::uint8_t {
    vsInitialized,                   // OnInitNode has been raised
    vsChecking,                      // its check state is being changed
    vsCutOrCopy,                     // marked by a pending cut or copy
    vsDisabled,
    vsDeleting,                      // being deleted with its parent's children
    vsExpanded,
    vsHasChildren,                   // has or can get children
    vsVisible,                       // not hidden itself
    vsSelected,
    vsOnFreeNodeCallRequired,        // its data was touched: OnFreeNode is due
    vsAllChildrenHidden,
    vsReleaseCallOnUserDataRequired, // its data begins with an interface reference
    vsMultiline,
    vsHeightMeasured,
    vsToggling,
    vsFiltered,
    vsInitializing,
};
using TLazyNodeStates = TEnumSet<TLazyNodeState, std::uint32_t>;

// What OnInitNode answers; ivsReInit arrives when a node is initialised again.
enum class TLazyNodeInitState : std::uint8_t {
    ivsDisabled,
    ivsExpanded,
    ivsHasChildren,
    ivsMultiline,
    ivsSelected,
    ivsFiltered,
    ivsReInit,
};
using TLazyNodeInitStates = TEnumSet<TLazyNodeInitState, std::uint8_t>;

enum class TCheckType : std::uint8_t { ctNone, ctTriStateCheckBox, ctCheckBox, ctRadioButton, ctButton };

enum class TCheckState : std::uint8_t {
    csUncheckedNormal,
    csUncheckedPressed,
    csCheckedNormal,
    csCheckedPressed,
    csMixedNormal,
    csMixedPressed,
    csUncheckedDisabled,
    csCheckedDisabled,
    csMixedDisabled,
};

struct TLazyNode;
using PLazyNode = TLazyNode *;

struct TLazyNode {
    std::uint32_t Index;
    std::uint32_t ChildCount;
    std::uint16_t NodeHeight;
    TLazyNodeStates States;
    std::uint8_t Align;
    TCheckState CheckState;
    TCheckType CheckType;
    std::uint8_t Dummy;
    std::uint32_t TotalCount;
    std::uint32_t TotalHeight;
    PLazyNode Parent;
    PLazyNode PrevSibling;
    PLazyNode NextSibling;
    PLazyNode FirstChild;
    PLazyNode LastChild;

    // The caller's data area, right behind the record. Reading or writing it
    // makes OnFreeNode due for the node.
    void *GetData()
    {
        States.include(TLazyNodeState::vsOnFreeNodeCallRequired);
        return reinterpret_cast<std::byte *>(this) + sizeof(TLazyNode);
    }
    template <class T>
    T *GetData()
    {
        return static_cast<T *>(GetData());
    }
    // Stores the pointer at the start of the data area (which must hold one).
    void SetData(void *pUserData)
    {
        std::memcpy(GetData(), &pUserData, sizeof pUserData);
    }
    // Stores an interface there and keeps a reference to it until the node
    // is freed.
    void SetData(platform::IInterface *pUserData)
    {
        if (pUserData)
            pUserData->AddRef();
        SetData(static_cast<void *>(pUserData));
        States.include(TLazyNodeState::vsReleaseCallOnUserDataRequired);
    }
};

constexpr bool IsAssigned(const TLazyNode *node) { return node != nullptr; }

// The layout application code and the allocator rely on.
static_assert(offsetof(TLazyNode, Index) == 0);
static_assert(offsetof(TLazyNode, ChildCount) == 4);
static_assert(offsetof(TLazyNode, NodeHeight) == 8);
static_assert(offsetof(TLazyNode, States) == 12 && sizeof(TLazyNodeStates) == 4);
static_assert(offsetof(TLazyNode, Align) == 16);
static_assert(offsetof(TLazyNode, CheckState) == 17 && sizeof(TCheckState) == 1);
static_assert(offsetof(TLazyNode, CheckType) == 18 && sizeof(TCheckType) == 1);
static_assert(offsetof(TLazyNode, Dummy) == 19);
static_assert(offsetof(TLazyNode, TotalCount) == 20);
static_assert(offsetof(TLazyNode, TotalHeight) == 24);
static_assert(offsetof(TLazyNode, Parent) == 32);
static_assert(offsetof(TLazyNode, PrevSibling) == 40);
static_assert(offsetof(TLazyNode, NextSibling) == 48);
static_assert(offsetof(TLazyNode, FirstChild) == 56);
static_assert(offsetof(TLazyNode, LastChild) == 64);
static_assert(sizeof(TLazyNode) == 72 && alignof(TLazyNode) == 8);
static_assert(std::is_trivially_copyable_v<TLazyNode> && std::is_standard_layout_v<TLazyNode>);

// Where a node's data area starts, and the alignment every area keeps.
inline constexpr std::size_t NodeDataOffset = sizeof(TLazyNode);
inline constexpr std::size_t NodeAreaAlignment = alignof(TLazyNode);

constexpr std::size_t alignNodeArea(std::size_t size)
{
    return (size + NodeAreaAlignment - 1) / NodeAreaAlignment * NodeAreaAlignment;
}

} // namespace vtree
