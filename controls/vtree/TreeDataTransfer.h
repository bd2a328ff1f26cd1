#pragma once
// The bytes of the tree's own clipboard formats. "Lazy Tree Data" is a 32-bit
// byte count followed by node records; the count is never trusted beyond the
// bytes that are there. "Lazy Tree Reference" names a live tree of this
// process without its address: the process id, a token drawn once per
// process and the tree's serial number, looked up among the live trees, so
// that a reference to a tree that is gone, or from another process (or from
// an earlier run with the same process id), finds nothing.
#include <QByteArray>
#include <cstdint>

namespace vtree {

class TBaseLazyTree;

QByteArray treeDataBlock(const QByteArray &Records);
// The records of a block, as a view into it (no copy): at most as many bytes
// as follow the count, whatever the count says; empty for a count that is
// not positive or a block shorter than the count itself. The view lives as
// long as Block.
QByteArray treeDataRecords(const QByteArray &Block);

QByteArray treeReferenceOf(const TBaseLazyTree &Tree);
// The live tree a reference names, or nil.
TBaseLazyTree *treeFromReference(const QByteArray &Reference);
// The tree a reference names when it is a live tree of this process and is
// Candidate (a drop's source is taken only from the drag it started); nil
// otherwise.
TBaseLazyTree *referencedTree(const QByteArray &Reference, TBaseLazyTree *Candidate);

} // namespace vtree
