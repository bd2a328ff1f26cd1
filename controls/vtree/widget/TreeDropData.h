#pragma once
// The bytes a tree drag carries: its nodes as the node records of the tree
// stream behind a 32-bit size, and a reference to the tree they come from,
// good only inside the process that wrote it. Dropped bytes may come from
// anywhere: the size field is never trusted beyond the bytes there.
#include <QByteArray>
#include <QString>

namespace vtree {

class TBaseLazyTree;

// The formats by their MIME types.
inline const QString treeDataMimeType = QStringLiteral("application/x-lazy-tree-data");
inline const QString treeReferenceMimeType = QStringLiteral("application/x-lazy-tree-reference");

// Size field and records.
QByteArray encodeTreeData(const QByteArray &Records);
// The records behind the size field: as many bytes as it gives, cut to the
// bytes that follow it; empty for a missing or non-positive size.
QByteArray treeDataRecords(const QByteArray &Payload);
// The records checked and framed as a stream the tree adds from (header,
// count, records); raises the stream's errors for damaged records, and
// gives an empty array when there are none.
QByteArray treeDataAsStream(const QByteArray &Payload);

QByteArray encodeTreeReference(const TBaseLazyTree *Tree);
// The tree a reference names when it was written by this process and names
// Candidate; nil otherwise (the address is compared, never followed).
TBaseLazyTree *referencedTree(const QByteArray &Reference, TBaseLazyTree *Candidate);

} // namespace vtree
