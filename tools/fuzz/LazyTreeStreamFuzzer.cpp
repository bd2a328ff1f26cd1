// Feeds arbitrary bytes to the lazy tree's stream readers: loading a whole
// tree, adding under a node, and loading a column header. A stream either
// fails with the tree's error and leaves the tree or header as it was, or
// loads; what loaded saves and loads back to the same bytes.
#include "TreeBytes.h"
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeErrors.h"
#include "controls/vtree/TreeHeader.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

void load(vtree::TBaseLazyTree &tree, const QByteArray &bytes, bool add)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    if (add)
        tree.AddFromStream(buffer, tree.GetFirstNoInit());
    else
        tree.LoadFromStream(buffer);
}

QByteArray savedHeader(const vtree::TLTHeader &header)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    header.SaveToStream(buffer);
    return bytes;
}

void loadHeader(vtree::TLTHeader &header, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    header.LoadFromStream(buffer);
}

void fuzzHeader(const QByteArray &bytes)
{
    vtree::TBaseLazyTree tree;
    vtree::TLTHeader header(&tree);
    header.Columns().Add().SetText(QStringLiteral("kept"));
    const QByteArray before = savedHeader(header);
    try {
        loadHeader(header, bytes);
    } catch (const vtree::ELazyTreeError &) {
        if (savedHeader(header) != before)
            std::abort();
        return;
    }
    const QByteArray once = savedHeader(header);
    vtree::TLTHeader again(&tree);
    loadHeader(again, once);
    if (savedHeader(again) != once || !again.Columns().Equals(header.Columns()))
        std::abort();
    // Whatever the widths and limits, spreading a change ends.
    header.ResizeColumns(bytes.size() % 2 ? 100000 : -100000, 0, header.Columns().Count() - 1, {});
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const bool add = data[0] & 1;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    // Keeps the trees' shared worker thread alive between inputs.
    static vtree::TBaseLazyTree keeper;
    if (data[0] & 2) {
        fuzzHeader(bytes);
        return 0;
    }
    vtree::TBaseLazyTree tree;
    tree.SetNodeDataSize(4);
    tree.OnLoadNode = [](vtree::TBaseLazyTree *, vtree::PLazyNode, QIODevice *stream) { stream->readAll(); };
    tree.AddChild(tree.AddChild(nullptr));
    const QByteArray before = savedTree(tree);
    try {
        load(tree, bytes, add);
    } catch (const vtree::ELazyTreeError &) {
        if (savedTree(tree) != before)
            std::abort();
        return 0;
    }
    const QByteArray once = savedTree(tree);
    vtree::TBaseLazyTree again;
    again.SetNodeDataSize(4);
    load(again, once, false);
    if (savedTree(again) != once)
        std::abort();
    return 0;
}
