// Feeds arbitrary bytes to the lazy tree's stream readers: loading a whole
// tree and adding under a node. A stream either fails with the tree's error
// and leaves the tree as it was, or loads; a loaded tree saves and loads
// back to the same bytes.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeErrors.h"

#include <QBuffer>
#include <QByteArray>
#include <cstdint>
#include <cstdlib>

namespace {

QByteArray saved(vtree::TBaseLazyTree &tree)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    tree.SaveToStream(buffer);
    return bytes;
}

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const bool add = data[0] & 1;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    // Keeps the trees' shared worker thread alive between inputs.
    static vtree::TBaseLazyTree keeper;
    vtree::TBaseLazyTree tree;
    tree.SetNodeDataSize(4);
    tree.OnLoadNode = [](vtree::TBaseLazyTree *, vtree::PLazyNode, QIODevice *stream) { stream->readAll(); };
    tree.AddChild(tree.AddChild(nullptr));
    const QByteArray before = saved(tree);
    try {
        load(tree, bytes, add);
    } catch (const vtree::ELazyTreeError &) {
        if (saved(tree) != before)
            std::abort();
        return 0;
    }
    const QByteArray once = saved(tree);
    vtree::TBaseLazyTree again;
    again.SetNodeDataSize(4);
    load(again, once, false);
    if (saved(again) != once)
        std::abort();
    return 0;
}
