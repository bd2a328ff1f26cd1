// Feeds arbitrary bytes to the reader of dropped tree data: the size field
// and the node records behind it. The reader either fails with the tree's
// error, leaving the tree as it was, or gives a stream the tree adds from;
// nothing is read beyond the bytes given, whatever the size field says.
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/TreeErrors.h"
#include "controls/vtree/widget/TreeDropData.h"

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    // Keeps the trees' shared worker thread alive between inputs.
    static vtree::TBaseLazyTree keeper;
    if (vtree::treeDataRecords(bytes).size() > std::max<qsizetype>(bytes.size() - 4, 0))
        std::abort();
    vtree::TBaseLazyTree tree;
    tree.AddChild(nullptr);
    const QByteArray before = saved(tree);
    QByteArray stream;
    try {
        stream = vtree::treeDataAsStream(bytes);
    } catch (const vtree::ELazyTreeError &) {
        if (saved(tree) != before)
            std::abort();
        return 0;
    }
    if (stream.isEmpty())
        return 0;
    QBuffer buffer;
    buffer.setData(stream);
    buffer.open(QIODevice::ReadOnly);
    // Checked records load: a failure here would be a reader that let a
    // damaged stream through.
    tree.AddFromStream(buffer, tree.GetFirstNoInit());
    return 0;
}
