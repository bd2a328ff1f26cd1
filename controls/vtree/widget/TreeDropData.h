#pragma once
// Reading what a drop brings: the tree data block made ready for the stream
// reader, and the tree a reference names. Dropped bytes may come from
// anywhere: the block's count is never trusted beyond the bytes there.
#include "controls/vtree/ClipboardFormatList.h"
#include "controls/vtree/TreeDataTransfer.h"

#include <QByteArray>

namespace vtree {

class TBaseLazyTree;

// The records checked and framed as a stream the tree adds from (header,
// count, records); raises the stream's errors for damaged records, and
// gives an empty array when there are none.
QByteArray treeDataAsStream(const QByteArray &Block);

// The tree a reference names when it is a live tree of this process and is
// Candidate; nil otherwise.
TBaseLazyTree *referencedTree(const QByteArray &Reference, TBaseLazyTree *Candidate);

} // namespace vtree
