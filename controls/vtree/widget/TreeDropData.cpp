#include "controls/vtree/widget/TreeDropData.h"

#include "controls/vtree/TreeStream.h"

#include <QtEndian>
#include <algorithm>
#include <cstdint>

namespace vtree {

QByteArray treeDataAsStream(const QByteArray &Block)
{
    const QByteArray records = treeDataRecords(Block);
    if (records.isEmpty())
        return {};
    SubtreeCopy copy;
    const qsizetype end = readNodeRecords(records, 0, treeStreamVersion, -1, copy);
    QByteArray stream = treeStreamHeader();
    char count[4];
    qToLittleEndian<std::int32_t>(std::int32_t(copy.tops.size()), count);
    stream.append(count, 4);
    stream.append(records.constData(), end);
    return stream;
}

TBaseLazyTree *referencedTree(const QByteArray &Reference, TBaseLazyTree *Candidate)
{
    TBaseLazyTree *tree = Candidate ? treeFromReference(Reference) : nullptr;
    return tree == Candidate ? tree : nullptr;
}

} // namespace vtree
