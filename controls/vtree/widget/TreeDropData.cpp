#include "controls/vtree/widget/TreeDropData.h"

#include "controls/vtree/TreeStream.h"

#include <QCoreApplication>
#include <QtEndian>
#include <algorithm>
#include <cstdint>

namespace vtree {

QByteArray encodeTreeData(const QByteArray &Records)
{
    QByteArray out(4, '\0');
    qToLittleEndian<std::int32_t>(std::int32_t(Records.size()), out.data());
    out.append(Records);
    return out;
}

QByteArray treeDataRecords(const QByteArray &Payload)
{
    if (Payload.size() < 4)
        return {};
    const std::int32_t size = qFromLittleEndian<std::int32_t>(Payload.constData());
    if (size <= 0)
        return {};
    return Payload.mid(4, std::min<qsizetype>(size, Payload.size() - 4));
}

QByteArray treeDataAsStream(const QByteArray &Payload)
{
    const QByteArray records = treeDataRecords(Payload);
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

QByteArray encodeTreeReference(const TBaseLazyTree *Tree)
{
    QByteArray out(12, '\0');
    qToLittleEndian<std::uint32_t>(std::uint32_t(QCoreApplication::applicationPid()), out.data());
    qToLittleEndian<std::uint64_t>(std::uint64_t(reinterpret_cast<std::uintptr_t>(Tree)), out.data() + 4);
    return out;
}

TBaseLazyTree *referencedTree(const QByteArray &Reference, TBaseLazyTree *Candidate)
{
    if (!Candidate || Reference.size() != 12)
        return nullptr;
    if (qFromLittleEndian<std::uint32_t>(Reference.constData()) != std::uint32_t(QCoreApplication::applicationPid()))
        return nullptr;
    const auto address = qFromLittleEndian<std::uint64_t>(Reference.constData() + 4);
    return address == std::uint64_t(reinterpret_cast<std::uintptr_t>(Candidate)) ? Candidate : nullptr;
}

} // namespace vtree
