#include "controls/vtree/TreeDataTransfer.h"
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/CacheWorker.h"

#include <QCoreApplication>
#include <QRandomGenerator>
#include <QtEndian>
#include <algorithm>

namespace vtree {

namespace {
constexpr qsizetype countSize = 4;
constexpr qsizetype referenceSize = 4 + 8 + 8;

std::uint64_t processToken()
{
    static const std::uint64_t token = QRandomGenerator::system()->generate64();
    return token;
}

std::uint32_t processId() { return static_cast<std::uint32_t>(QCoreApplication::applicationPid()); }
} // namespace

QByteArray treeDataBlock(const QByteArray &Records)
{
    QByteArray block(countSize, Qt::Uninitialized);
    qToLittleEndian(static_cast<std::uint32_t>(Records.size()), block.data());
    block.append(Records);
    return block;
}

QByteArray treeDataRecords(const QByteArray &Block)
{
    if (Block.size() < countSize)
        return {};
    const auto count = qFromLittleEndian<std::int32_t>(Block.constData());
    if (count <= 0)
        return {};
    const qsizetype size = std::min<qsizetype>(count, Block.size() - countSize);
    return QByteArray::fromRawData(Block.constData() + countSize, size);
}

QByteArray treeReferenceOf(const TBaseLazyTree &Tree)
{
    QByteArray reference(referenceSize, Qt::Uninitialized);
    qToLittleEndian(processId(), reference.data());
    qToLittleEndian(processToken(), reference.data() + 4);
    qToLittleEndian(static_cast<std::uint64_t>(Tree.LiveSerial()), reference.data() + 12);
    return reference;
}

TBaseLazyTree *treeFromReference(const QByteArray &Reference)
{
    if (Reference.size() != referenceSize)
        return nullptr;
    if (qFromLittleEndian<std::uint32_t>(Reference.constData()) != processId() ||
        qFromLittleEndian<std::uint64_t>(Reference.constData() + 4) != processToken())
        return nullptr;
    const auto serial = qFromLittleEndian<std::uint64_t>(Reference.constData() + 12);
    return serial ? CacheWorker::LiveTree(serial) : nullptr;
}

TBaseLazyTree *referencedTree(const QByteArray &Reference, TBaseLazyTree *Candidate)
{
    TBaseLazyTree *tree = Candidate ? treeFromReference(Reference) : nullptr;
    return tree == Candidate ? tree : nullptr;
}

} // namespace vtree
