#pragma once
// The tree stream's bytes: the 12-byte header and the node records (anchor,
// base, caption and user chunks, little-endian). Records are read into
// SubtreeCopy records before any node is made, so a damaged stream is found
// before the tree changes. Nothing read is trusted: every size stays inside
// its chunk and the bytes, children are read only inside their base chunk
// and must match its child count, and nesting is walked without recursion.
#include "controls/vtree/SubtreeCopy.h"

#include <QByteArray>
#include <cstdint>

namespace vtree {

inline constexpr int treeStreamVersion = 2;
inline constexpr qsizetype treeStreamHeaderSize = 12;

QByteArray treeStreamHeader();
// The version of a stream starting at Bytes[Pos]; raises 2004, 2002 or 2003.
int readTreeStreamHeader(const QByteArray &Bytes, qsizetype Pos);

// Appends the records of Copy.
void writeNodeRecords(const SubtreeCopy &Copy, QByteArray &Out);
// Reads up to MaxCount top-level records (negative: until the bytes end)
// from Bytes[Pos] on into Copy; returns the position after the last one.
// Raises ELazyTreeError 2002, 2004, 2005 or 2006.
qsizetype readNodeRecords(const QByteArray &Bytes, qsizetype Pos, int Version, std::int64_t MaxCount, SubtreeCopy &Copy);

} // namespace vtree
