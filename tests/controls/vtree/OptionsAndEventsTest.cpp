// The option sets and their immediate effects; the event operations that do
// more than pass the call on; the tree's error codes and assertion texts.
#include "TreeFixture.h"

#include "controls/vtree/TreeErrors.h"

#include <QRegularExpression>

namespace vtreetest {
namespace {

using enum TLTPaintOption;

TEST(Options, DefaultsAsPublished)
{
    TestTree tree;
    const TCustomLazyTreeOptions &o = tree.TreeOptions();
    EXPECT_EQ(o.PaintOptions(), TLTPaintOptions({toShowButtons, toShowDropmark, toShowRoot, toShowTreeLines, toThemeAware,
                                                 toUseBlendedImages}));
    EXPECT_TRUE(o.AnimationOptions().empty());
    EXPECT_TRUE(o.SelectionOptions().empty());
    using enum TLTAutoOption;
    EXPECT_EQ(o.AutoOptions(), TLTAutoOptions({toAutoDropExpand, toAutoScrollOnExpand, toAutoSort, toAutoTristateTracking,
                                               toAutoDeleteMovedNodes, toAutoChangeScale}));
    using enum TLTMiscOption;
    EXPECT_EQ(o.MiscOptions(), TLTMiscOptions({toAcceptOLEDrop, toFullRepaintOnResize, toInitOnSave, toToggleOnDblClick,
                                               toWheelPanning, toEditOnClick}));
    EXPECT_EQ(o.ExportMode(), TLTExportMode::emAll);
    EXPECT_EQ(tree.FocusedColumn(), NoColumn);
    EXPECT_EQ(tree.ChangeDelay(), 0u);
    EXPECT_EQ(tree.DefaultNodeHeight(), 18u);
}

TEST(Options, FixedIndentBringsTheRootLevel)
{
    TestTree tree;
    tree.TreeOptions().SetPaintOptions(toFixedIndent);
    EXPECT_EQ(tree.TreeOptions().PaintOptions(), TLTPaintOptions({toFixedIndent, toShowRoot}));
}

TEST(Options, ShowingFilteredNodesBringsTheirRowsBack)
{
    TestTree tree;
    for (PLazyNode node : addChildren(tree, nullptr, 3))
        if (node->Index < 2)
            tree.SetFiltered(node, true);
    EXPECT_EQ(tree.VisibleCount(), 1u);
    addOption(tree, toShowFilteredNodes);
    EXPECT_EQ(tree.VisibleCount(), 3u);
    expectConsistent(tree);
    tree.TreeOptions().SetPaintOptions(tree.TreeOptions().PaintOptions() - toShowFilteredNodes);
    EXPECT_EQ(tree.VisibleCount(), 1u);
    expectConsistent(tree);
}

TEST(Options, LeavingMultiSelectClearsTheSelection)
{
    TestTree tree;
    addOption(tree, TLTSelectionOption::toMultiSelect);
    for (PLazyNode node : addChildren(tree, nullptr, 2))
        tree.SetSelected(node, true);
    tree.TreeOptions().SetSelectionOptions({});
    EXPECT_EQ(tree.SelectedCount(), 0u);
}

TEST(Options, AssigningGoesThroughTheSettersAndKeepsTheExportMode)
{
    TestTree source;
    source.TreeOptions().SetPaintOptions(toShowFilteredNodes);
    source.TreeOptions().SetExportMode(TLTExportMode::emSelected);
    TestTree target;
    target.SetFiltered(target.AddChild(nullptr), true);
    EXPECT_EQ(target.VisibleCount(), 0u);
    target.TreeOptions().SetExportMode(TLTExportMode::emChecked);
    target.SetTreeOptions(source.TreeOptions());
    EXPECT_EQ(target.TreeOptions().PaintOptions(), TLTPaintOptions(toShowFilteredNodes));
    EXPECT_EQ(target.VisibleCount(), 1u) << "the target reacted as to its own setter";
    EXPECT_EQ(target.TreeOptions().ExportMode(), TLTExportMode::emChecked);
}

TEST(Events, PopupMenusAreAskedOfTheNodeAndItsAncestors)
{
    TestTree tree;
    PLazyNode leaf = tree.AddChild(tree.AddChild(tree.AddChild(nullptr)));
    std::vector<std::string> asked;
    tree.OnGetPopupMenu = [&](TBaseLazyTree *, PLazyNode node, TColumnIndex column, QPoint, bool &, QMenu *&) {
        asked.push_back(path(node).toStdString() + " " + std::to_string(column));
    };
    EXPECT_EQ(tree.QueryPopupMenu(leaf, 3, {}), nullptr);
    EXPECT_EQ(asked, (std::vector<std::string>{"0.0.0 3", "0.0 3", "0 3"}));
    asked.clear();
    tree.QueryPopupMenu(nullptr, 3, {});
    EXPECT_EQ(asked, std::vector<std::string>{"nil -1"});
}

TEST(Events, TheExtendedImageEventComesFirstAndReadOnlyTreesRefuseChecks)
{
    TestTree tree;
    PLazyNode node = tree.AddChild(nullptr);
    int plain = 0;
    tree.OnGetImageIndex = [&](TBaseLazyTree *, PLazyNode, TLTImageKind, TColumnIndex, bool &, TImageIndex &) { ++plain; };
    tree.OnGetImageIndexEx = [](TBaseLazyTree *, PLazyNode, TLTImageKind, TColumnIndex, bool &, TImageIndex &index,
                                platform::TImageList *&) { index = 4; };
    bool ghosted = false;
    TImageIndex index = -1;
    tree.QueryImageIndex(node, TLTImageKind::ikNormal, NoColumn, ghosted, index);
    EXPECT_EQ(index, 4);
    EXPECT_EQ(plain, 0);

    int asked = 0;
    tree.OnChecking = [&](TBaseLazyTree *, PLazyNode, TCheckState &state, bool &) {
        ++asked;
        state = TCheckState::csMixedNormal;
    };
    TCheckState state = TCheckState::csCheckedNormal;
    EXPECT_TRUE(tree.QueryChecking(node, state));
    EXPECT_EQ(state, TCheckState::csMixedNormal) << "the handler's state is the one applied";
    addOption(tree, TLTMiscOption::toReadOnly);
    EXPECT_FALSE(tree.QueryChecking(node, state));
    EXPECT_EQ(asked, 1);
}

TEST(Errors, CodesAndMessagesAndTheAssertionText)
{
    const std::pair<TreeErrorCode, const char *> errors[] = {
        {errMoveToOwnChild, "Target node cannot be a child node of the node to be moved."},
        {errStreamFormat, "Unable to load tree structure, the format is wrong."},
        {errStreamVersion, "Unable to load tree structure, the version is unknown."},
        {errStreamTooShort, "Unable to load tree structure, not enough data available."},
        {errAnchorChunkMissing, "Stream data corrupt. A node's anchor chunk is missing."},
        {errDataAfterNodeEnd, "Stream data corrupt. Unexpected data after node's end position."},
        {errClipboardFailed, "Clipboard operation failed."},
    };
    for (auto [code, message] : errors) {
        try {
            RaiseTreeError(code);
        } catch (const ELazyTreeError &error) {
            EXPECT_EQ(error.HelpContext(), int(code));
            EXPECT_EQ(error.message(), message);
        }
    }
    TestTree tree;
    try {
        tree.ToggleNode(nullptr);
        ADD_FAILURE() << "no assertion";
    } catch (const platform::EAssertionFailed &failure) {
        EXPECT_TRUE(QRegularExpression(R"(^Node must not be nil\. \(LazyTrees, line \d+\)$)").match(failure.message()).hasMatch())
            << failure.message().toStdString();
    }
}

} // namespace
} // namespace vtreetest
