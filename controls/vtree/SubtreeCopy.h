#pragma once
// Subtrees taken out of a tree as records, in the order of the tree stream:
// each node, then its children's records. Copies and moves between trees go
// through them without bytes; the stream writes them and reads them back, so
// a saved and loaded tree and a copied one are built by the same code.
#include "controls/vtree/LazyNode.h"

#include <QByteArray>
#include <QString>
#include <cstdint>
#include <vector>

namespace vtree {

// States never written: the tree's bookkeeping of the moment.
inline constexpr TLazyNodeStates unsavedStates{TLazyNodeState::vsChecking, TLazyNodeState::vsCutOrCopy,
                                               TLazyNodeState::vsDeleting, TLazyNodeState::vsOnFreeNodeCallRequired,
                                               TLazyNodeState::vsHeightMeasured};
// States a node takes from a record: nothing that only the tree may set.
inline constexpr TLazyNodeStates storedStates{
    TLazyNodeState::vsInitialized, TLazyNodeState::vsExpanded, TLazyNodeState::vsHasChildren, TLazyNodeState::vsVisible,
    TLazyNodeState::vsSelected,    TLazyNodeState::vsDisabled, TLazyNodeState::vsMultiline,   TLazyNodeState::vsFiltered};

struct CapturedNode {
    TLazyNodeStates States;  // as written: without the unsaved states
    std::uint32_t NodeHeight = 0;
    std::uint8_t Align = 50;
    TCheckState CheckState = TCheckState::csUncheckedNormal;
    TCheckType CheckType = TCheckType::ctNone;
    std::uint32_t Children = 0; // records of its children follow
    bool HasBase = true;        // a record without its base chunk keeps a fresh node's fields
    bool HasCaption = false;
    QString Caption;
    QByteArray User; // what OnSaveNode wrote
};

struct SubtreeCopy {
    std::vector<CapturedNode> nodes;
    std::vector<std::size_t> tops; // where each top node's record starts
};

} // namespace vtree
