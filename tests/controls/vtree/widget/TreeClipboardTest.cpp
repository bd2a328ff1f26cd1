#include "TreeDataFixture.h"

#include "controls/vtree/ClipboardFormatList.h"
#include "controls/vtree/TreeDataTransfer.h"
#include "controls/vtree/TreeErrors.h"
#include "controls/vtree/widget/LazyDataObject.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QtEndian>
#include <gtest/gtest.h>
#include <memory>

namespace vtreetest {
namespace {

// Two trees of one process: a meter with two records and a second meter, and
// a tree with one node.
class TreeClipboardTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        meter1 = a.add(nullptr, {QStringLiteral("Meter 1")});
        a.add(meter1, {QStringLiteral("Volume")});
        a.add(meter1, {QStringLiteral("Energy")});
        meter2 = a.add(nullptr, {QStringLiteral("Meter 2")});
        b.add(nullptr, {QStringLiteral("Other")});
        QGuiApplication::clipboard()->clear();
    }

    static QStringList lines(std::initializer_list<const char *> texts)
    {
        QStringList out;
        for (const char *text : texts)
            out.append(QString::fromUtf8(text));
        return out;
    }

    TextTree a;
    TextTree b;
    PLazyNode meter1 = nullptr;
    PLazyNode meter2 = nullptr;
};

TEST_F(TreeClipboardTest, TheFormatTableListsTheTreesFormatsByPriorityWithTheirMimeTypes)
{
    // Registered by the first tree.
    const struct {
        const char *name;
        const char *mimeType;
    } expected[] = {
        {"Lazy Tree Data", "application/x-lazy-tree-data"},
        {"HTML Format", "text/html"},
        {"Rich Text Format Without Objects",
         "application/x-qt-windows-mime;value=\"Rich Text Format Without Objects\""},
        {"Rich Text Format", "text/rtf"},
        {"CSV", "text/csv"},
        {"Unicode text", "text/plain;charset=utf-8"},
        {"Plain text", "text/plain"},
    };
    const std::vector<TFormatEtc> formats = TClipboardFormatList::EnumerateFormats(a);
    ASSERT_EQ(formats.size(), std::size(expected));
    for (std::size_t i = 0; i < formats.size(); ++i) {
        EXPECT_EQ(TClipboardFormatList::FindFormat(formats[i].Format)->Description,
                  QString::fromUtf8(expected[i].name));
        EXPECT_EQ(formats[i].MimeType, QString::fromUtf8(expected[i].mimeType));
    }
    // A tree that shows no text renders only its nodes.
    TBaseLazyTree plain;
    EXPECT_EQ(TClipboardFormatList::EnumerateFormatNames(plain), QStringList{QStringLiteral("Lazy Tree Data")});
    EXPECT_EQ(TClipboardFormatList::FindFormat(QStringLiteral("Lazy Tree Reference")), nullptr);
}

TEST_F(TreeClipboardTest, FormatsAreAcceptedOnlyWhenKnownAndRenderableByTheTree)
{
    TBaseLazyTree plain;
    TClipboardFormats plainFormats(plain);
    EXPECT_EQ(plainFormats.Add(QStringLiteral("CSV")), -1);
    EXPECT_EQ(plainFormats.Add(QStringLiteral("Lazy Tree Data")), 0);
    EXPECT_EQ(a.ClipboardFormats().Add(QStringLiteral("No such format")), -1);
    EXPECT_EQ(a.ClipboardFormats().Add(QStringLiteral("csv")), 0);
    EXPECT_EQ(a.ClipboardFormats().Add(QStringLiteral("CSV")), 0);
    EXPECT_EQ(a.ClipboardFormats().Insert(5, QStringLiteral("HTML Format")), 1);
    EXPECT_EQ(a.ClipboardFormats().Count(), 2);
    // Formats nothing here can render are not listed at all.
    EXPECT_EQ(RegisterFormatById(2, CustomLazyStringTreeClass, 60), 0u);
    EXPECT_EQ(TClipboardFormatList::FindFormat(QStringLiteral("Windows bitmap")), nullptr);
}

TEST_F(TreeClipboardTest, TheDataObjectOffersTheChosenFormatsAndRendersOnlyWhenAsked)
{
    int saves = 0;
    a.OnSaveNode = [&](TreeSender, PLazyNode, QIODevice *) { ++saves; };
    a.SetClipboardFormats({QStringLiteral("CSV"), QStringLiteral("Lazy Tree Data"), QStringLiteral("Bitmap")});
    a.SetSelected(meter1, true);
    std::unique_ptr<TLTDataObject> data(a.CreateDataObject(false));
    EXPECT_EQ(data->formats(), (QStringList{treeDataMimeType(), QStringLiteral("text/csv"), treeReferenceMimeType()}));
    EXPECT_EQ(saves, 0);
    const QByteArray block = data->data(treeDataMimeType());
    EXPECT_EQ(saves, 3);
    // The count, then the records of the selected node with its subtree.
    ASSERT_GE(block.size(), 4);
    EXPECT_EQ(qFromLittleEndian<std::uint32_t>(block.constData()), std::uint32_t(block.size() - 4));
    EXPECT_EQ(block.mid(4), a.RenderTreeRecords({meter1}));
    EXPECT_EQ(data->data(QStringLiteral("text/csv")), QByteArray("Meter 1\r\n"));
    // Without chosen formats only the reference is offered.
    a.SetClipboardFormats({});
    std::unique_ptr<TLTDataObject> bare(a.CreateDataObject(false));
    EXPECT_EQ(bare->formats(), QStringList{treeReferenceMimeType()});
}

TEST_F(TreeClipboardTest, CopyAndPasteWithinATreeCopiesTheSubtree)
{
    a.SetClipboardFormats({QStringLiteral("Lazy Tree Data")});
    a.SetSelected(meter1, true);
    a.CopyToClipboard();
    EXPECT_TRUE(a.TreeStates().contains(TLazyTreeState::tsCopyPending));
    EXPECT_EQ(a.CutCopyCount(), 1u);
    a.SetFocusedNode(meter2);
    ASSERT_TRUE(a.PasteFromClipboard());
    EXPECT_EQ(a.outline(),
              lines({"Meter 1", "  Volume", "  Energy", "Meter 2", "  Meter 1", "    Volume", "    Energy"}));
    // Pasting again copies again: the copy is still pending.
    a.SetFocusedNode(nullptr);
    ASSERT_TRUE(a.PasteFromClipboard());
    EXPECT_EQ(a.outline().size(), 10);
}

TEST_F(TreeClipboardTest, CopyAndPasteBetweenTreesCopies)
{
    a.SetClipboardFormats({QStringLiteral("Lazy Tree Data")});
    int copied = 0;
    b.OnNodeCopied = [&](TreeSender, PLazyNode) { ++copied; };
    a.SetSelected(meter1, true);
    a.CopyToClipboard();
    ASSERT_TRUE(b.PasteFromClipboard());
    EXPECT_EQ(b.outline(), lines({"Other", "Meter 1", "  Volume", "  Energy"}));
    EXPECT_EQ(a.outline().size(), 4);
    EXPECT_EQ(copied, 1);
    EXPECT_TRUE(a.TreeStates().contains(TLazyTreeState::tsCopyPending));
}

TEST_F(TreeClipboardTest, CutAndPasteMovesTheNodesWithinAndAcrossTrees)
{
    a.SetClipboardFormats({QStringLiteral("Lazy Tree Data")});
    int moved = 0;
    a.OnNodeMoved = [&](TreeSender, PLazyNode) { ++moved; };
    a.SetSelected(meter2, true);
    a.CutToClipboard();
    EXPECT_TRUE(a.TreeStates().contains(TLazyTreeState::tsCutPending));
    a.SetFocusedNode(meter1);
    ASSERT_TRUE(a.PasteFromClipboard());
    EXPECT_EQ(a.outline(), lines({"Meter 1", "  Volume", "  Energy", "  Meter 2"}));
    EXPECT_EQ(moved, 1);
    EXPECT_FALSE(a.TreeStates().contains(TLazyTreeState::tsCutPending));

    a.ClearSelection();
    a.SetSelected(meter1, true);
    a.CutToClipboard();
    ASSERT_TRUE(b.PasteFromClipboard());
    EXPECT_EQ(b.outline(), lines({"Other", "Meter 1", "  Volume", "  Energy", "  Meter 2"}));
    EXPECT_TRUE(a.outline().isEmpty());
    EXPECT_EQ(moved, 2);
    EXPECT_FALSE(a.TreeStates().containsAny({TLazyTreeState::tsCutPending, TLazyTreeState::tsCopyPending}));
}

TEST_F(TreeClipboardTest, MovedNodesKeepTheirOrderInEveryAttachMode)
{
    using enum TLTNodeAttachMode;
    const struct {
        TLTNodeAttachMode mode;
        QStringList outline;
    } cases[] = {
        {amInsertBefore, lines({"A", "B", "Other"})},
        {amInsertAfter, lines({"Other", "A", "B"})},
        {amAddChildFirst, lines({"Other", "  A", "  B"})},
        {amAddChildLast, lines({"Other", "  A", "  B"})},
    };
    for (const auto &c : cases) {
        TextTree source;
        source.SetClipboardFormats({QStringLiteral("Lazy Tree Data")});
        source.TreeOptions().SetSelectionOptions(source.TreeOptions().SelectionOptions() +
                                                 TLTSelectionOption::toMultiSelect);
        source.SetSelected(source.add(nullptr, {QStringLiteral("A")}), true);
        source.SetSelected(source.add(nullptr, {QStringLiteral("B")}), true);
        source.CutToClipboard();
        TextTree target;
        target.SetFocusedNode(target.add(nullptr, {QStringLiteral("Other")}));
        target.SetDefaultPasteMode(c.mode);
        ASSERT_TRUE(target.PasteFromClipboard());
        EXPECT_EQ(target.outline(), c.outline) << int(c.mode);
        EXPECT_TRUE(source.outline().isEmpty());
    }
}

TEST_F(TreeClipboardTest, AReadOnlyTreeNeitherCutsNorPastes)
{
    a.SetSelected(meter1, true);
    a.TreeOptions().SetMiscOptions(a.TreeOptions().MiscOptions() + TLTMiscOption::toReadOnly);
    a.CutToClipboard();
    EXPECT_FALSE(a.TreeStates().contains(TLazyTreeState::tsCutPending));
    EXPECT_FALSE(a.PasteFromClipboard());
}

TEST_F(TreeClipboardTest, ANewCopyElsewhereEndsThePendingCopy)
{
    a.SetClipboardFormats({QStringLiteral("Lazy Tree Data")});
    a.SetSelected(meter1, true);
    a.CopyToClipboard();
    b.SetSelected(b.GetFirst(), true);
    b.CopyToClipboard();
    EXPECT_FALSE(a.TreeStates().contains(TLazyTreeState::tsCopyPending));
    EXPECT_EQ(a.CutCopyCount(), 0u);
    EXPECT_TRUE(b.TreeStates().contains(TLazyTreeState::tsCopyPending));
}

TEST_F(TreeClipboardTest, AFlushedClipboardKeepsTheDataWithoutTheTree)
{
    a.SetClipboardFormats({QStringLiteral("Lazy Tree Data"), QStringLiteral("Plain text")});
    a.SetSelected(meter1, true);
    a.CopyToClipboard();
    a.FlushClipboard();
    EXPECT_FALSE(a.TreeStates().containsAny({TLazyTreeState::tsCopyPending, TLazyTreeState::tsClipboardFlushing}));
    const QMimeData *data = QGuiApplication::clipboard()->mimeData();
    EXPECT_EQ(dynamic_cast<const TLTDataObject *>(data), nullptr);
    EXPECT_FALSE(data->hasFormat(treeReferenceMimeType()));
    // The text takes the nodes marked, a selected node without its subtree.
    EXPECT_EQ(data->text(), QStringLiteral("Meter 1\r\n"));
    ASSERT_TRUE(b.PasteFromClipboard());
    EXPECT_EQ(b.outline(), lines({"Other", "Meter 1", "  Volume", "  Energy"}));
}

TEST_F(TreeClipboardTest, AReferenceNamesALiveTreeOfThisProcessOnly)
{
    const QByteArray reference = treeReferenceOf(a);
    EXPECT_EQ(treeFromReference(reference), &a);
    const quintptr address = reinterpret_cast<quintptr>(static_cast<TBaseLazyTree *>(&a));
    EXPECT_FALSE(reference.contains(QByteArray(reinterpret_cast<const char *>(&address), sizeof address)));
    QByteArray otherProcess = reference;
    otherProcess[0] = char(otherProcess[0] ^ 1);
    QByteArray otherToken = reference;
    otherToken[6] = char(otherToken[6] ^ 1);
    for (const QByteArray &foreign : {otherProcess, otherToken, reference.left(12), QByteArray()})
        EXPECT_EQ(treeFromReference(foreign), nullptr);
    auto gone = std::make_unique<TextTree>();
    const QByteArray goneReference = treeReferenceOf(*gone);
    gone.reset();
    EXPECT_EQ(treeFromReference(goneReference), nullptr);
}

TEST_F(TreeClipboardTest, DataOfATreeThatIsGonePastesNothing)
{
    auto gone = std::make_unique<TextTree>();
    gone->SetClipboardFormats({QStringLiteral("Lazy Tree Data")});
    gone->SetSelected(gone->add(nullptr, {QStringLiteral("Lost")}), true);
    QGuiApplication::clipboard()->setMimeData(gone->CreateDataObject(false));
    gone.reset();
    EXPECT_TRUE(b.PasteFromClipboard());
    EXPECT_EQ(b.outline(), lines({"Other"}));
}

TEST_F(TreeClipboardTest, ClearingATreeWithAPendingCopyEmptiesTheClipboard)
{
    a.SetSelected(meter1, true);
    a.CopyToClipboard();
    a.Clear();
    EXPECT_FALSE(b.PasteFromClipboard());
    EXPECT_EQ(b.outline(), lines({"Other"}));
}

QMimeData *treeData(const QByteArray &block)
{
    auto *data = new QMimeData;
    data->setData(treeDataMimeType(), block);
    return data;
}

TEST_F(TreeClipboardTest, PastedTreeDataIsBoundedByTheBytesPresent)
{
    const QByteArray records = a.RenderTreeRecords({meter2});
    QByteArray oversized = treeDataBlock(records);
    qToLittleEndian<std::int32_t>(0x7fffffff, oversized.data());
    QByteArray negative = treeDataBlock(records);
    qToLittleEndian<std::int32_t>(-5, negative.data());
    const struct {
        QByteArray block;
        int added;
    } cases[] = {
        {treeDataBlock(records), 1},
        {oversized, 1},
        {negative, 0},
        {treeDataBlock({}), 0},
        {QByteArray("\x05", 1), 0},
    };
    for (const auto &c : cases) {
        const int before = int(b.TotalCount());
        std::unique_ptr<QMimeData> data(treeData(c.block));
        EXPECT_TRUE(
            b.TBaseLazyTree::ProcessOLEData(nullptr, data.get(), nullptr, TLTNodeAttachMode::amAddChildLast, false));
        EXPECT_EQ(int(b.TotalCount()) - before, c.added);
    }
    EXPECT_FALSE(b.TBaseLazyTree::ProcessOLEData(nullptr, nullptr, nullptr, TLTNodeAttachMode::amAddChildLast, false));
}

TEST_F(TreeClipboardTest, DamagedTreeDataRaisesBeforeAnyNodeIsInserted)
{
    QByteArray records = a.RenderTreeRecords({meter2, meter1});
    records.chop(3);
    std::unique_ptr<QMimeData> data(treeData(treeDataBlock(records)));
    EXPECT_THROW(
        b.TBaseLazyTree::ProcessOLEData(nullptr, data.get(), nullptr, TLTNodeAttachMode::amAddChildLast, false),
        ELazyTreeError);
    EXPECT_EQ(b.outline(), lines({"Other"}));
    EXPECT_EQ(b.UpdateCount(), 0u);
}

} // namespace
} // namespace vtreetest
