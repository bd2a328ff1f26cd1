// The string tree's text layer: default and event texts, paths, the width
// slot, captions in the stream, restoring a selection by text, and the calls
// the scan dialog makes on its two trees.
#include "TreeFixture.h"

#include "controls/vtree/LazyStringTree.h"
#include "controls/vtree/TreeStream.h"

#include <QtEndian>
#include <map>

namespace vtreetest {
namespace {

// Texts live in a map the events read and write, as an application's data.
struct TextTree {
    TLazyStringTree tree;
    std::map<PLazyNode, QString> texts;
    std::vector<std::string> asked;

    TextTree()
    {
        tree.OnGetText = [this](TBaseLazyTree *, PLazyNode node, TColumnIndex column, TLSTTextType type, QString &text) {
            asked.push_back((type == TLSTTextType::ttNormal ? "normal " : "static ") + std::to_string(column));
            if (type == TLSTTextType::ttNormal && texts.count(node))
                text = texts[node];
        };
        tree.OnNewText = [this](TBaseLazyTree *, PLazyNode node, TColumnIndex, const QString &text) { texts[node] = text; };
    }
    PLazyNode add(PLazyNode parent, const QString &text)
    {
        PLazyNode node = tree.AddChild(parent);
        texts[node] = text;
        return node;
    }
};

QByteArray saveTree(TBaseLazyTree &tree) { return streamedBytes(tree); }
void loadTree(TBaseLazyTree &tree, const QByteArray &bytes) { loadBytes(tree, bytes); }

TEST(LazyStringTree, TextsComeFromTheEventsOrTheDefault)
{
    TLazyStringTree bare;
    PLazyNode node = bare.AddChild(nullptr);
    EXPECT_EQ(bare.GetText(node, NoColumn), "Node");
    EXPECT_EQ(bare.GetStaticText(node, NoColumn), "");
    bare.SetDefaultText(QStringLiteral("Item"));
    EXPECT_EQ(bare.GetText(node, 2), "Item");
    EXPECT_EQ(assertionOf([&] { bare.GetText(nullptr, 0); }), "Node must not be nil.");

    TextTree t;
    PLazyNode named = t.add(nullptr, QStringLiteral("Slave 5"));
    EXPECT_EQ(t.tree.GetText(named, NoColumn), "Slave 5");
    EXPECT_EQ(t.asked, (std::vector<std::string>{"normal -1", "static -1"})) << "the static text is always asked";

    t.asked.clear();
    t.tree.OnGetCellText = [](TBaseLazyTree *, TLSTGetCellTextEventArgs &E) {
        E.CellText = QStringLiteral("cell %1").arg(E.Column);
        E.StaticText = QStringLiteral("static");
    };
    EXPECT_EQ(t.tree.GetText(named, 3), "cell 3");
    EXPECT_EQ(t.tree.GetStaticText(named, 3), "static");
    EXPECT_TRUE(t.asked.empty()) << "the cell-text event comes instead of the text event";
}

TEST(LazyStringTree, SetTextHandsTheTextToTheApplication)
{
    TextTree t;
    PLazyNode node = t.add(nullptr, QStringLiteral("old"));
    t.tree.SetCachedTextWidth(node, 40);
    t.tree.SetText(node, NoColumn, QStringLiteral("new"));
    EXPECT_EQ(t.texts[node], "new");
    EXPECT_EQ(t.tree.CachedTextWidth(node), 0u) << "the text changed: measure again";
}

TEST(LazyStringTree, PathListsTheTextsDownToTheNode)
{
    TextTree t;
    PLazyNode top = t.add(nullptr, QStringLiteral("Bus"));
    PLazyNode slave = t.add(top, QStringLiteral("Meter 7"));
    EXPECT_EQ(t.tree.Path(nullptr, NoColumn, '\\'), "\\");
    EXPECT_EQ(t.tree.Path(t.tree.RootNode(), NoColumn, '\\'), "\\");
    EXPECT_EQ(t.tree.Path(top, NoColumn, '\\'), "Bus\\");
    EXPECT_EQ(t.tree.Path(slave, NoColumn, '/'), "Bus/Meter 7/");
}

TEST(LazyStringTree, TheWidthSlotSitsBehindTheCallersData)
{
    TextTree t;
    t.tree.SetNodeDataSize(8);
    PLazyNode node = t.add(nullptr, QStringLiteral("a"));
    EXPECT_EQ(t.tree.CachedTextWidth(node), 0u);
    std::memset(t.tree.GetNodeData(node), 0xFF, 8);
    EXPECT_EQ(t.tree.CachedTextWidth(node), 0u);
    for (auto change : std::vector<std::function<void()>>{[&] { t.tree.InvalidateNode(node); },
                                                          [&] { t.tree.ReinitNode(node, false); },
                                                          [&] { t.tree.SetChildCount(node, 2); },
                                                          [&] { t.tree.ClearCachedTextWidths(); }}) {
        t.tree.SetCachedTextWidth(node, 33);
        change();
        EXPECT_EQ(t.tree.CachedTextWidth(node), 0u);
    }
    EXPECT_EQ(*t.tree.GetNodeData<std::uint64_t>(node), ~std::uint64_t{0});
}

TEST(LazyStringTree, CaptionsTravelInTheStreamUnlessSwitchedOff)
{
    TextTree source;
    source.add(source.add(nullptr, QStringLiteral("Bus")), QStringLiteral("Zähler"));
    source.add(nullptr, QString());
    const QByteArray bytes = saveTree(source.tree);
    EXPECT_TRUE(bytes.contains(QByteArray("\3\0\0\0\6\0\0\0B\0u\0s\0", 14)));

    TextTree target;
    loadTree(target.tree, bytes);
    PLazyNode top = target.tree.GetFirstNoInit();
    EXPECT_EQ(target.tree.Path(top->FirstChild, NoColumn, '/'), "Bus/Zähler/");
    EXPECT_EQ(target.texts.count(top->NextSibling), 0u) << "an empty text has no caption";

    TestTree base;
    loadTree(base, bytes);
    EXPECT_EQ(base.RootNode()->TotalCount, 4u) << "a tree without text skips captions";

    source.tree.StringTreeOptions().SetStringOptions({});
    EXPECT_FALSE(saveTree(source.tree).contains(QByteArray("B\0u\0s\0", 6)));
}

TEST(LazyStringTree, CopiesCarryTheirCaptionsIntoAnotherTree)
{
    TextTree source, target;
    PLazyNode bus = source.add(nullptr, QStringLiteral("Bus"));
    source.add(bus, QStringLiteral("Meter"));
    PLazyNode copy = source.tree.CopyTo(bus, target.tree, amAddChildLast, false);
    EXPECT_EQ(target.tree.Path(copy->FirstChild, NoColumn, '/'), "Bus/Meter/");
}

TEST(LazyStringTree, ASelectionIsRestoredByText)
{
    TextTree t;
    addOption(t.tree, TLTSelectionOption::toRestoreSelection);
    addOption(t.tree, TLTSelectionOption::toMultiSelect);
    t.add(nullptr, QStringLiteral("a"));
    PLazyNode b = t.add(nullptr, QStringLiteral("B"));
    t.tree.SetSelected(b, true);
    t.tree.Clear();
    t.texts.clear();
    t.tree.OnGetText = [&](TBaseLazyTree *, PLazyNode node, TColumnIndex, TLSTTextType, QString &text) {
        text = node->Index == 0 ? QStringLiteral("x") : QStringLiteral("b");
    };
    PLazyNode x = t.tree.AddChild(nullptr);
    PLazyNode again = t.tree.AddChild(nullptr);
    EXPECT_FALSE(t.tree.Selected(x));
    EXPECT_TRUE(t.tree.Selected(again)) << "the same text, compared without case";
}

TEST(LazyStringTree, IncrementalSearchMatchesAPrefix)
{
    struct Probe : TLazyStringTree {
        using TLazyStringTree::QueryIncrementalSearch;
    } tree;
    tree.OnGetText = [](TBaseLazyTree *, PLazyNode, TColumnIndex, TLSTTextType, QString &text) { text = QStringLiteral("Meter 12"); };
    PLazyNode node = tree.AddChild(nullptr);
    EXPECT_EQ(tree.QueryIncrementalSearch(node, QStringLiteral("Met")), 0);
    EXPECT_EQ(tree.QueryIncrementalSearch(node, QStringLiteral("met")), 1);
}

// What the scan dialog does with each of its trees, without a window.
TEST(LazyStringTree, TheScanDialogsCallsRunHeadless)
{
    struct Record {
        int slave;
        int variable;
    };
    int freed = 0;
    std::vector<std::string> checked;
    struct ScanTree : TLazyStringTree {
        using TLazyStringTree::QueryImageIndex;
    } tree;
    addOption(tree, TLTMiscOption::toCheckSupport);
    addOption(tree, TLTAutoOption::toAutoTristateTracking);
    tree.SetNodeDataSize(sizeof(Record));
    EXPECT_EQ(tree.NodeDataSize(), static_cast<int>(sizeof(Record)));
    tree.OnInitNode = [](TBaseLazyTree *sender, PLazyNode parent, PLazyNode node, TLazyNodeInitStates &) {
        *sender->GetNodeData<Record>(node) = {parent ? static_cast<int>(parent->Index) : static_cast<int>(node->Index),
                                              parent ? static_cast<int>(node->Index) : -1};
        node->CheckType = TCheckType::ctCheckBox;
        node->CheckState = TCheckState::csCheckedNormal;
    };
    tree.OnGetText = [](TBaseLazyTree *sender, PLazyNode node, TColumnIndex column, TLSTTextType, QString &text) {
        EXPECT_EQ(column, NoColumn);
        const Record *record = sender->GetNodeData<Record>(node);
        text = record->variable < 0 ? QStringLiteral("Slave %1").arg(record->slave)
                                    : QStringLiteral("Value %1").arg(record->variable);
    };
    tree.OnGetImageIndexEx = [](TBaseLazyTree *sender, PLazyNode node, TLTImageKind kind, TColumnIndex, bool &,
                                TImageIndex &index, platform::TImageList *&) {
        if (kind == TLTImageKind::ikNormal)
            index = static_cast<int>(sender->GetNodeLevel(node));
    };
    tree.OnChecking = [](TBaseLazyTree *, PLazyNode, TCheckState &, bool &) {};
    tree.OnChecked = [&](TBaseLazyTree *sender, PLazyNode node) {
        checked.push_back(static_cast<TLazyStringTree *>(sender)->GetText(node, NoColumn).toStdString() +
                          (node->CheckState == TCheckState::csCheckedNormal ? " on" : " off"));
    };
    tree.OnFreeNode = [&](TBaseLazyTree *, PLazyNode) { ++freed; };

    PLazyNode slave = tree.AddChild(nullptr);
    PLazyNode value = tree.AddChild(slave);
    tree.AddChild(slave);
    EXPECT_EQ(tree.GetNodeLevel(value), 1u);
    EXPECT_EQ(tree.GetNodeLevel(slave), 0u);
    EXPECT_EQ(value->Parent, slave);
    EXPECT_EQ(tree.GetText(value, NoColumn), "Value 0");
    bool ghosted = false;
    TImageIndex index = -1;
    tree.QueryImageIndex(value, TLTImageKind::ikNormal, NoColumn, ghosted, index);
    EXPECT_EQ(index, 1);

    tree.ValidateNode(slave, true); // the dialog shows every row
    tree.SetCheckState(value, TCheckState::csUncheckedNormal);
    tree.SetCheckState(slave, TCheckState::csUncheckedNormal);
    EXPECT_EQ(checked, (std::vector<std::string>{"Value 0 off", "Slave 0 off"}));
    EXPECT_EQ(tree.GetFirstNoInit()->LastChild->CheckState, TCheckState::csCheckedNormal) << "boxes change alone";
    tree.Clear();
    EXPECT_EQ(freed, 3);
    EXPECT_EQ(tree.GetNodeData(nullptr), nullptr);
}

} // namespace
} // namespace vtreetest
