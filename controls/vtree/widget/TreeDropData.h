#pragma once
// The tree a dropped reference names, for the drop's source.
#include "controls/vtree/TreeDataTransfer.h"

#include <QByteArray>

namespace vtree {

class TBaseLazyTree;

// The tree a reference names when it is a live tree of this process and is
// Candidate; nil otherwise.
TBaseLazyTree *referencedTree(const QByteArray &Reference, TBaseLazyTree *Candidate);

} // namespace vtree
