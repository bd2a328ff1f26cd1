// Feeds arbitrary bytes to the lazy tree as pasted or dropped tree data (the
// byte count and the node records) and as a tree reference. Pasting either
// fails with the tree's error and leaves the tree as it was, or inserts
// nodes that save and load back to the same bytes; no reference made of
// outside bytes names a tree.
#include "TreeBytes.h"
#include "controls/vtree/BaseLazyTree.h"
#include "controls/vtree/ClipboardFormatList.h"
#include "controls/vtree/TreeDataTransfer.h"
#include "controls/vtree/TreeErrors.h"

#include <QBuffer>
#include <QByteArray>
#include <QMimeData>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    // Keeps the trees' shared worker thread alive between inputs.
    static vtree::TBaseLazyTree keeper;
    const QByteArray bytes(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    if (vtree::treeFromReference(bytes))
        std::abort();

    vtree::TBaseLazyTree tree;
    tree.SetNodeDataSize(4);
    tree.TreeOptions().SetSelectionOptions(tree.TreeOptions().SelectionOptions() +
                                           vtree::TLTSelectionOption::toMultiSelect);
    tree.OnLoadNode = [](vtree::TBaseLazyTree *, vtree::PLazyNode, QIODevice *stream) { stream->readAll(); };
    vtree::PLazyNode top = tree.AddChild(nullptr);
    tree.AddChild(top);
    const auto mode = static_cast<vtree::TLTNodeAttachMode>(1 + data[0] % 4);
    vtree::PLazyNode target = data[0] & 0x10 ? tree.GetFirstNoInit() : nullptr;
    QMimeData pasted;
    pasted.setData(vtree::treeDataMimeType(), bytes);
    const QByteArray before = savedTree(tree);
    try {
        if (!tree.ProcessOLEData(nullptr, &pasted, target, mode, false))
            std::abort();
    } catch (const vtree::ELazyTreeError &) {
        if (savedTree(tree) != before || tree.UpdateCount() != 0)
            std::abort();
        return 0;
    }
    const QByteArray once = savedTree(tree);
    vtree::TBaseLazyTree again;
    again.SetNodeDataSize(4);
    again.TreeOptions().SetSelectionOptions(tree.TreeOptions().SelectionOptions());
    QBuffer buffer;
    buffer.setData(once);
    buffer.open(QIODevice::ReadOnly);
    again.LoadFromStream(buffer);
    if (savedTree(again) != once)
        std::abort();
    return 0;
}
