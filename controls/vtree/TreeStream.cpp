// Saving a tree or a subtree to a stream or file and reading it back, into
// the same tree or another one.
#include "controls/vtree/BaseLazyTree.h"
#include "platform/ScopeGuard.h"
#include "controls/vtree/TreeErrors.h"
#include "controls/vtree/TreeStream.h"
#include "platform/AtomicFile.h"

#include <QBuffer>
#include <QFile>
#include <QtEndian>

namespace vtree {

void TBaseLazyTree::SaveToStream(QIODevice &Stream, PLazyNode Node)
{
    SubtreeCopy copy;
    std::int32_t count = 0;
    if (Node && Node != RootNode()) {
        captureSubtree(Node, copy);
        count = 1;
    } else {
        for (PLazyNode top = RootNode()->FirstChild; top; top = top->NextSibling, ++count)
            captureSubtree(top, copy);
    }
    QByteArray bytes = treeStreamHeader();
    char countBytes[4];
    qToLittleEndian(count, countBytes);
    bytes.append(countBytes, 4);
    writeNodeRecords(copy, bytes);
    Stream.write(bytes);
    if (OnSaveTree)
        OnSaveTree(this, &Stream);
}

void TBaseLazyTree::SaveToFile(const QString &FileName)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    SaveToStream(buffer);
    QString error;
    if (!platform::writeFileAtomically(FileName, bytes, &error))
        throw platform::Error(error);
}

// Everything is read and checked before the tree changes; the stream is left
// right after the records read.
void TBaseLazyTree::readStream(QIODevice &Stream, bool replace, PLazyNode Target)
{
    const bool seekable = !Stream.isSequential();
    const qint64 start = Stream.pos();
    const QByteArray bytes = Stream.readAll();
    const int version = readTreeStreamHeader(bytes, 0);
    qsizetype pos = treeStreamHeaderSize;
    std::int64_t count = -1;
    if (version >= 2) {
        if (bytes.size() - pos < 4)
            RaiseTreeError(errStreamTooShort);
        count = qFromLittleEndian<std::int32_t>(bytes.constData() + pos);
        if (count < 0)
            RaiseTreeError(errStreamFormat);
        pos += 4;
    }
    SubtreeCopy copy;
    pos = readNodeRecords(bytes, pos, version, count, copy);
    if (seekable)
        Stream.seek(start + pos);

    if (replace)
        Clear();
    if (!Target)
        Target = RootNode();
    {
        BeginUpdate();
        platform::Finally end([this] { EndUpdate(); });
        for (std::size_t top : copy.tops) {
            PLazyNode node = AllocateNode();
            LinkNode(node, Target, TLTNodeAttachMode::amAddChildLast, *this);
            rebuildSubtree(node, copy, top);
        }
    }
    NotifyNodeCopied(replace ? nullptr : nodeOrNil(Target));
    if (replace && OnLoadTree)
        OnLoadTree(this, &Stream);
}

void TBaseLazyTree::LoadFromStream(QIODevice &Stream)
{
    if (!IsReadOnly())
        readStream(Stream, true, nullptr);
}

void TBaseLazyTree::AddFromStream(QIODevice &Stream, PLazyNode TargetNode)
{
    if (!IsReadOnly())
        readStream(Stream, false, TargetNode);
}

void TBaseLazyTree::LoadFromFile(const QString &FileName)
{
    QFile file(FileName);
    if (!file.open(QIODevice::ReadOnly))
        throw platform::Error(file.errorString());
    LoadFromStream(file);
}

} // namespace vtree
