// The tree stream: its exact bytes, trees saved and loaded back (also into
// another tree and through a file), old versions, and a table of damaged
// streams that must each fail with their error and leave the tree alone.
#include "TreeFixture.h"

#include "controls/vtree/TreeErrors.h"
#include "controls/vtree/TreeStream.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

namespace vtreetest {
namespace {

using enum TCheckState;
using enum TCheckType;

// Nodes carry a 32-bit value that travels in their user chunk.
struct ValueTree {
    TestTree tree;
    ValueTree()
    {
        tree.SetNodeDataSize(sizeof(std::int32_t));
        addOption(tree, TLTSelectionOption::toMultiSelect);
        tree.OnSaveNode = [this](TBaseLazyTree *, PLazyNode node, QIODevice *stream) {
            const std::int32_t value = *tree.GetNodeData<std::int32_t>(node);
            if (value != 0)
                stream->write(reinterpret_cast<const char *>(&value), sizeof value);
        };
        tree.OnLoadNode = [this](TBaseLazyTree *, PLazyNode node, QIODevice *stream) {
            stream->read(reinterpret_cast<char *>(tree.GetNodeData<std::int32_t>(node)), sizeof(std::int32_t));
        };
    }
    PLazyNode add(PLazyNode parent, std::int32_t value)
    {
        PLazyNode node = tree.AddChild(parent);
        *tree.GetNodeData<std::int32_t>(node) = value;
        return node;
    }
    QByteArray save(PLazyNode node = nullptr)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        tree.SaveToStream(buffer, node);
        return bytes;
    }
    void load(const QByteArray &bytes)
    {
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        tree.LoadFromStream(buffer);
    }
    // One line per node: where it is and everything a stream keeps of it.
    std::vector<std::string> dump()
    {
        std::vector<std::string> lines;
        for (PLazyNode node = tree.GetFirstNoInit(); node; node = tree.GetNextNoInit(node))
            lines.push_back(QStringLiteral("%1 s%2 h%3 a%4 c%5/%6 v%7")
                                .arg(path(node))
                                .arg((node->States - unsavedStates).bits() & 0x1FFF)
                                .arg(node->NodeHeight)
                                .arg(node->Align)
                                .arg(int(node->CheckState))
                                .arg(int(node->CheckType))
                                .arg(*tree.GetNodeData<std::int32_t>(node))
                                .toStdString());
        return lines;
    }
};

void fillSample(ValueTree &t)
{
    PLazyNode a = t.add(nullptr, 1);
    PLazyNode b = t.add(a, 2);
    t.add(b, 3);
    t.add(a, 0);
    PLazyNode c = t.add(nullptr, -7);
    c->CheckType = ctTriStateCheckBox;
    c->CheckState = csMixedNormal;
    t.tree.SetNodeHeight(c, 31);
    t.tree.SetVerticalAlignment(b, 10);
    t.tree.SetExpanded(a, true);
    t.tree.SetSelected(b, true);
    t.tree.SetDisabled(c, true);
}

std::uint32_t le32(const QByteArray &bytes, qsizetype at) { return qFromLittleEndian<std::uint32_t>(bytes.constData() + at); }

TEST(TreeStream, AnEmptyTreeIsItsHeaderAndACountOfNothing)
{
    ValueTree t;
    const QByteArray bytes = t.save();
    EXPECT_EQ(bytes.toHex().toStdString(), "45204c00540002002000462000000000");
    t.add(nullptr, 5);
    t.load(bytes);
    EXPECT_TRUE(t.tree.IsEmpty());
}

TEST(TreeStream, ANodeRecordIsAnchorBaseAndUserChunk)
{
    ValueTree t;
    PLazyNode node = t.add(nullptr, 0x01020304);
    node->CheckType = ctCheckBox;
    node->CheckState = csCheckedNormal;
    const QByteArray bytes = t.save();
    ASSERT_EQ(bytes.size(), 16 + 8 + 8 + 19 + 8 + 4);
    EXPECT_EQ(le32(bytes, 12), 1u) << "count";
    EXPECT_EQ(le32(bytes, 16), 1u) << "anchor";
    EXPECT_EQ(le32(bytes, 20), 8u + 19 + 8 + 4);
    EXPECT_EQ(le32(bytes, 24), 2u) << "base";
    EXPECT_EQ(le32(bytes, 28), 19u);
    EXPECT_EQ(bytes.mid(32, 19).toHex().toStdString(),
              std::string(
              "00000000"   // children
              "12000000"   // height
              "81000000"   // initialised and visible; touched data is bookkeeping
              "32" "02" "02" "00000000"));
    EXPECT_EQ(le32(bytes, 51), 4u) << "user";
    EXPECT_EQ(le32(bytes, 55), 4u);
    EXPECT_EQ(le32(bytes, 59), 0x01020304u);

    *t.tree.GetNodeData<std::int32_t>(node) = 0;
    EXPECT_EQ(t.save().size(), 16 + 8 + 8 + 19) << "nothing written, no user chunk";
}

TEST(TreeStream, ASavedTreeLoadsBackTheSameIntoAnyTreeAndThroughAFile)
{
    ValueTree source;
    fillSample(source);
    const QByteArray bytes = source.save(); // initialises every node first
    const std::vector<std::string> expected = source.dump();

    ValueTree target;
    target.add(nullptr, 99);
    int copied = 0, loadedTree = 0;
    target.tree.OnNodeCopied = [&](TBaseLazyTree *, PLazyNode node) {
        EXPECT_EQ(node, nullptr);
        ++copied;
    };
    target.tree.OnLoadTree = [&](TBaseLazyTree *, QIODevice *) { ++loadedTree; };
    target.load(bytes);
    EXPECT_EQ(target.dump(), expected);
    EXPECT_EQ(copied, 1);
    EXPECT_EQ(loadedTree, 1);
    EXPECT_EQ(target.tree.SelectedCount(), 1u);
    expectConsistent(target.tree);

    QTemporaryDir dir;
    const QString file = dir.filePath(QStringLiteral("tree.bin"));
    source.tree.SaveToFile(file);
    source.tree.Clear();
    source.tree.LoadFromFile(file);
    EXPECT_EQ(source.dump(), expected);
    EXPECT_THROW(source.tree.SaveToFile(dir.filePath(QStringLiteral("missing/tree.bin"))), platform::Error);

    // A save that fails on the way leaves the file it would have replaced.
    QFile before(file);
    ASSERT_TRUE(before.open(QIODevice::ReadOnly));
    const QByteArray kept = before.readAll();
    before.close();
    source.tree.Clear();
    source.tree.OnSaveTree = [](TBaseLazyTree *, QIODevice *) { throw platform::Error(QStringLiteral("disk gone")); };
    EXPECT_THROW(source.tree.SaveToFile(file), platform::Error);
    QFile after(file);
    ASSERT_TRUE(after.open(QIODevice::ReadOnly));
    EXPECT_EQ(after.readAll(), kept);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{QStringLiteral("tree.bin")});
}

TEST(TreeStream, ASubtreeAddsUnderATargetAndSelectionNeedsMultiSelect)
{
    ValueTree source;
    fillSample(source);
    PLazyNode a = source.tree.GetFirstNoInit();
    const QByteArray bytes = source.save(a);
    EXPECT_EQ(le32(bytes, 12), 1u);

    for (bool multi : {true, false}) {
        ValueTree target;
        if (!multi)
            target.tree.TreeOptions().SetSelectionOptions({});
        PLazyNode under = target.add(nullptr, 50);
        PLazyNode copiedTo = nullptr;
        target.tree.OnNodeCopied = [&](TBaseLazyTree *, PLazyNode node) { copiedTo = node; };
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        target.tree.AddFromStream(buffer, under);
        EXPECT_EQ(copiedTo, under);
        EXPECT_EQ(under->ChildCount, 1u);
        EXPECT_EQ(*target.tree.GetNodeData<std::int32_t>(under->FirstChild->FirstChild), 2);
        EXPECT_EQ(target.tree.SelectedCount(), multi ? 1u : 0u);
        EXPECT_EQ(target.tree.Selected(under->FirstChild->FirstChild), multi);
        expectConsistent(target.tree);
    }
}

TEST(TreeStream, ANodeNeverInitialisedIsSavedWithoutItsChildren)
{
    ValueTree t;
    t.tree.TreeOptions().SetMiscOptions(t.tree.TreeOptions().MiscOptions() - TLTMiscOption::toInitOnSave);
    t.tree.SetRootNodeCount(1);
    PLazyNode node = t.tree.GetFirstNoInit();
    t.tree.SetChildCount(node, 3);
    node->States.exclude(vsInitialized);
    const QByteArray bytes = t.save();
    EXPECT_EQ(le32(bytes, 32), 0u) << "the count says what follows";
    t.load(bytes);
    EXPECT_EQ(t.tree.RootNode()->TotalCount, 2u);
}

TEST(TreeStream, OnlyStatesThatBelongInAFileAreTaken)
{
    ValueTree t;
    t.add(nullptr, 0);
    QByteArray bytes = t.save();
    qToLittleEndian<std::uint32_t>(0xFFFFFFFFu, bytes.data() + 40);
    t.load(bytes);
    PLazyNode node = t.tree.GetFirstNoInit();
    EXPECT_EQ(node->States - vsAllChildrenHidden,
              (TLazyNodeStates{vsInitialized, vsExpanded, vsHasChildren, vsVisible, vsSelected, vsDisabled, vsMultiline,
                               vsFiltered}));
    expectConsistent(t.tree);
}

TEST(TreeStream, TheLoadEventReadsOnlyItsChunk)
{
    ValueTree source;
    source.add(nullptr, 1);
    source.add(nullptr, 2);
    const QByteArray bytes = source.save();
    ValueTree target;
    QByteArray seen;
    target.tree.OnLoadNode = [&](TBaseLazyTree *, PLazyNode, QIODevice *stream) { seen += stream->readAll(); };
    target.load(bytes);
    EXPECT_EQ(seen.toHex(), "0100000002000000");
}

TEST(TreeStream, AVersionOneStreamHasNoCountAndAByteOfStates)
{
    QByteArray bytes = treeStreamHeader();
    qToLittleEndian<std::uint16_t>(1, bytes.data() + 6);
    for (std::uint8_t states : {0x01, 0x81}) {
        const char record[] = {1, 0, 0, 0, 20, 0, 0, 0, 2, 0, 0, 0, 12, 0, 0, 0, 0, 0, 0, 0, 25, 0, 0, 0,
                               static_cast<char>(states), 50, 0, 0};
        bytes.append(record, sizeof record);
    }
    ValueTree t;
    t.load(bytes);
    ASSERT_EQ(t.tree.RootNodeCount(), 2u);
    EXPECT_EQ(t.tree.GetFirstNoInit()->NodeHeight, 25);
    EXPECT_TRUE(t.tree.GetFirstNoInit()->States.contains(vsVisible));
    EXPECT_FALSE(t.tree.Selected(t.tree.GetFirstNoInit()));
    EXPECT_TRUE(t.tree.Selected(t.tree.GetLastNoInit()));
}

TEST(TreeStream, DeepNestingReadsWithoutRecursion)
{
    // Each level is an anchor around a base with one child: 35 bytes.
    constexpr std::uint32_t depth = 10000, level = 8 + 8 + 19;
    QByteArray bytes = treeStreamHeader();
    bytes.append("\1\0\0\0", 4);
    auto put = [&](std::uint32_t value) {
        char le[4];
        qToLittleEndian(value, le);
        bytes.append(le, 4);
    };
    for (std::uint32_t i = 0; i < depth; ++i) {
        const std::uint32_t record = (depth - i) * level;
        put(1);
        put(record - 8);
        put(2);
        put(record - 16);
        put(i + 1 < depth ? 1 : 0); // children
        put(18);
        put(1); // initialised
        bytes.append(QByteArray("\x32\0\0\0\0\0\0", 7));
    }
    ValueTree t;
    t.load(bytes);
    EXPECT_EQ(t.tree.RootNode()->TotalCount, depth + 1);
}

// A valid stream of one node with one child, whose bytes the cases damage.
QByteArray sampleWithChild()
{
    ValueTree t;
    t.add(t.add(nullptr, 7), 8);
    return t.save();
}

TEST(TreeStream, DamagedStreamsFailWithTheirErrorAndChangeNothing)
{
    const QByteArray good = sampleWithChild();
    // Layout: header 0-11, count 12, anchor 16 (size 20), base 24 (size 28),
    // fields 32, child anchor 51, child base 59, child fields 67, child user
    // 86, parent user 98.
    struct Case {
        const char *name;
        std::function<QByteArray()> bytes;
        int error;
    };
    auto with32 = [&](qsizetype at, std::uint32_t value) {
        QByteArray bytes = good;
        qToLittleEndian(value, bytes.data() + at);
        return bytes;
    };
    const Case cases[] = {
        {"eleven bytes", [&] { return good.left(11); }, errStreamTooShort},
        {"no count", [&] { return good.left(14); }, errStreamTooShort},
        {"other signature", [&] { return with32(0, 0x004C2046); }, errStreamFormat},
        {"last signature word", [&] { QByteArray b = good; b[10] = 0; return b; }, errStreamFormat},
        {"version 3", [&] { QByteArray b = good; b[6] = 3; return b; }, errStreamVersion},
        {"negative count", [&] { return with32(12, 0x80000000u); }, errStreamFormat},
        {"base instead of anchor", [&] { return with32(16, 2); }, errAnchorChunkMissing},
        {"anchor beyond the bytes", [&] { return with32(20, le32(good, 20) + 1); }, errStreamTooShort},
        {"negative anchor size", [&] { return with32(20, 0xFFFFFFF0u); }, errStreamTooShort},
        {"base beyond its anchor", [&] { return with32(28, le32(good, 28) + 16); }, errStreamTooShort},
        {"base shorter than its fields", [&] { return with32(28, 10); }, errStreamTooShort},
        {"a child too many", [&] { return with32(32, 2); }, errStreamTooShort},
        {"a child not counted", [&] { return with32(32, 0); }, errDataAfterNodeEnd},
        {"check state out of range", [&] { QByteArray b = good; b[45] = 9; return b; }, errStreamFormat},
        {"check type out of range", [&] { QByteArray b = good; b[46] = 5; return b; }, errStreamFormat},
        {"a child that is no anchor", [&] { return with32(51, 4); }, errAnchorChunkMissing},
        {"a child beyond its parent's base", [&] { return with32(55, le32(good, 55) + 12); }, errStreamTooShort},
        {"a second base", [&] { return with32(98, 2); }, errStreamFormat},
        {"a caption of half a code unit", [&] { QByteArray b = with32(98, 3); qToLittleEndian<std::uint32_t>(3, b.data() + 102); return b; }, errStreamFormat},
        {"a chunk header cut by its anchor", [&] { QByteArray b = with32(20, le32(good, 20) + 4); return b + QByteArray(4, '\0'); }, errDataAfterNodeEnd},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        ValueTree t;
        t.add(t.add(nullptr, 1), 2);
        const std::vector<std::string> before = t.dump();
        try {
            t.load(c.bytes());
            ADD_FAILURE() << "loaded";
        } catch (const ELazyTreeError &error) {
            EXPECT_EQ(error.HelpContext(), c.error);
            EXPECT_EQ(QString::fromUtf8(error.what()), treeErrorMessage(static_cast<TreeErrorCode>(c.error)));
        }
        EXPECT_EQ(t.dump(), before);
        EXPECT_EQ(t.tree.UpdateCount(), 0u);
    }
}

TEST(TreeStream, CopiesAndMovesBetweenTreesRaiseTheirEventsAndNameNoFreedNode)
{
    EventLog log; // outlives the trees, whose destruction frees nodes
    ValueTree source, target;
    PLazyNode a = source.add(nullptr, 1);
    source.add(a, 2);
    PLazyNode b = source.add(nullptr, 3);
    source.tree.OnNodeCopying = [&](TBaseLazyTree *, PLazyNode node, PLazyNode to, bool &allowed) {
        log.add("copying", node);
        allowed = *target.tree.GetNodeData<std::int32_t>(node) != 3;
    };
    source.tree.OnNodeCopied = [&](TBaseLazyTree *, PLazyNode node) { log.add("copied", node); };
    source.tree.OnNodeMoved = [&](TBaseLazyTree *, PLazyNode node) { log.add("moved", node); };
    source.tree.OnFreeNode = [&](TBaseLazyTree *, PLazyNode node) { log.add("freed", node); };
    target.tree.OnStructureChange = [&](TBaseLazyTree *, PLazyNode node, TChangeReason reason) {
        log.add(("target changed " + std::to_string(int(reason))).c_str(), node);
    };
    source.tree.OnStructureChange = [&](TBaseLazyTree *, PLazyNode node, TChangeReason reason) {
        log.add("source changed " + std::to_string(int(reason)) + (node ? " node" : " nil"));
    };

    EXPECT_EQ(source.tree.CopyTo(b, target.tree, amAddChildLast, false), nullptr) << "refused";
    EXPECT_TRUE(target.tree.IsEmpty());
    PLazyNode copy = source.tree.CopyTo(a, target.tree, amAddChildLast, false);
    ASSERT_NE(copy, nullptr);
    EXPECT_EQ(*target.tree.GetNodeData<std::int32_t>(copy->FirstChild), 2);
    log.entries.clear();

    source.tree.MoveTo(a, target.tree, amAddChildLast, false);
    EXPECT_EQ(target.tree.RootNodeCount(), 2u);
    EXPECT_EQ(source.tree.RootNodeCount(), 1u);
    EXPECT_EQ(log.entries.front(), "moved 1") << "the new node, raised by the source tree";
    EXPECT_EQ(log.entries.back(), "source changed 6 nil");
    expectConsistent(source.tree);
    expectConsistent(target.tree);
}

} // namespace
} // namespace vtreetest
