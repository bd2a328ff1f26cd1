#include "KeyTreeProbe.h"

#include <gtest/gtest.h>

#include "platform/Input.h"

#include <QFocusEvent>

namespace vtreetest {
namespace {

using enum TLTSelectionOption;
using Ints = std::vector<int>;

// Twenty rows of 18 pixels in a client 100 pixels high: a page is five rows.
struct KeysTest : ::testing::Test {
    KeysTest() { tree.addNodes(20); }
    KeyTreeProbe tree;
};

TEST_F(KeysTest, NavigationKeysMoveTheFocusAndTheSingleSelection)
{
    struct Case {
        int from;
        int key;
        int to;
    };
    for (const Case &c : {Case{3, Qt::Key_Down, 4}, Case{3, Qt::Key_Up, 2}, Case{0, Qt::Key_Up, 0},
                          Case{19, Qt::Key_Down, 19}, Case{7, Qt::Key_Home, 0}, Case{7, Qt::Key_End, 19},
                          Case{2, Qt::Key_PageDown, 7}, Case{12, Qt::Key_PageUp, 7}, Case{17, Qt::Key_PageDown, 19}}) {
        tree.focus(c.from);
        EXPECT_TRUE(tree.key(c.key));
        EXPECT_EQ(tree.indexOf(tree.FocusedNode()), c.to) << c.from << " key " << c.key;
        EXPECT_EQ(tree.selection(), Ints{c.to}) << c.from << " key " << c.key;
    }
}

TEST_F(KeysTest, ShiftExtendsTheSelectionFromTheAnchorAndGivesItBackOnTheWayBack)
{
    tree.setSelectionOptions({toMultiSelect});
    tree.focus(2);
    tree.key(Qt::Key_Down);
    tree.key(Qt::Key_Up);
    for (int i = 0; i < 3; ++i)
        tree.key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(tree.selection(), (Ints{2, 3, 4, 5}));
    tree.key(Qt::Key_Up, Qt::ShiftModifier);
    EXPECT_EQ(tree.selection(), (Ints{2, 3, 4}));

    tree.key(Qt::Key_End, Qt::ShiftModifier);
    EXPECT_EQ(tree.selection().size(), 18u);
    EXPECT_EQ(tree.selection().back(), 19);
    // Across the anchor: what lay beyond it is given up, the anchor stays.
    tree.key(Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(tree.selection(), (Ints{0, 1, 2}));
    tree.key(Qt::Key_Down);
    EXPECT_EQ(tree.selection(), Ints{1});
    tree.key(Qt::Key_PageDown, Qt::ShiftModifier);
    EXPECT_EQ(tree.selection(), (Ints{1, 2, 3, 4, 5, 6}));
}

TEST_F(KeysTest, ShiftWithoutMultiSelectMovesTheSingleSelection)
{
    tree.focus(2);
    tree.key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(tree.selection(), Ints{3});
}

TEST_F(KeysTest, CtrlScrollsWithoutMovingFocusOrSelection)
{
    tree.focus(0);
    tree.key(Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(tree.OffsetY(), -18);
    tree.key(Qt::Key_PageDown, Qt::ControlModifier);
    EXPECT_EQ(tree.OffsetY(), -18 - tree.ClientHeight());
    tree.key(Qt::Key_End, Qt::ControlModifier);
    EXPECT_EQ(tree.OffsetY(), tree.ClientHeight() - tree.RangeY());
    EXPECT_EQ(tree.OffsetX(), 0) << "nothing to scroll sideways";
    tree.key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(tree.OffsetY(), 0);
    EXPECT_EQ(tree.indexOf(tree.FocusedNode()), 0);
    EXPECT_EQ(tree.selection(), Ints{0});
}

TEST_F(KeysTest, CtrlASelectsAllOnlyInAMultiSelection)
{
    tree.focus(1);
    tree.key(Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    EXPECT_EQ(tree.SelectedCount(), 1u);
    tree.setSelectionOptions({toMultiSelect});
    tree.key(Qt::Key_A, Qt::ControlModifier, QStringLiteral("\x01"));
    EXPECT_EQ(tree.SelectedCount(), 20u);
}

TEST(TreeKeysTest, PlusMinusMultiplyAndDivideFromEitherKeyboardExpandAndCollapse)
{
    KeyTreeProbe tree;
    PLazyNode parent = tree.addNodes(2);
    PLazyNode child = tree.addNodes(2, parent);
    tree.addNodes(1, child);
    tree.SetFocusedNode(parent);
    struct Case {
        int key;
        Qt::KeyboardModifiers modifiers;
        const char *text;
        bool parentExpanded;
        bool childExpanded;
    };
    for (const Case &c : {Case{Qt::Key_Plus, {}, "+", true, false}, Case{Qt::Key_Minus, {}, "-", false, false},
                          Case{Qt::Key_Plus, Qt::KeypadModifier, "+", true, false},
                          Case{Qt::Key_Minus, Qt::KeypadModifier, "-", false, false},
                          Case{Qt::Key_Asterisk, Qt::KeypadModifier, "*", true, true},
                          Case{Qt::Key_Slash, {}, "/", false, false}}) {
        tree.key(c.key, c.modifiers, QString::fromLatin1(c.text));
        EXPECT_EQ(tree.GetExpanded(parent), c.parentExpanded) << c.text;
        EXPECT_EQ(tree.GetExpanded(child), c.childExpanded) << c.text;
        EXPECT_EQ(tree.FocusedNode(), parent);
    }
}

TEST(TreeKeysTest, CtrlPlusAndMinusExpandAndCollapseTheWholeTreeWithShiftOrItsReverse)
{
    KeyTreeProbe tree;
    PLazyNode first = tree.addNodes(1);
    tree.addNodes(1, first);
    TLazyTreeColumn &column = tree.Header()->Columns().Add();
    column.SetWidth(80);
    column.SetWidth(120);
    tree.key(Qt::Key_Plus, Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier, QStringLiteral("+"));
    EXPECT_TRUE(tree.GetExpanded(first));
    tree.key(Qt::Key_Minus, Qt::ControlModifier, QStringLiteral("-"));
    EXPECT_TRUE(tree.GetExpanded(first));
    EXPECT_EQ(column.Width(), 80);
    tree.key(Qt::Key_Minus, Qt::ControlModifier | Qt::ShiftModifier | Qt::KeypadModifier, QStringLiteral("-"));
    EXPECT_FALSE(tree.GetExpanded(first));
    tree.setMiscOptions({TLTMiscOption::toReverseFullExpandHotKey});
    tree.key(Qt::Key_Plus, Qt::ControlModifier, QStringLiteral("+"));
    EXPECT_TRUE(tree.GetExpanded(first));
}

TEST(TreeKeysTest, RightExpandsThenEntersLeftCollapsesThenLeavesAndBackspaceGoesUp)
{
    KeyTreeProbe tree;
    PLazyNode parent = tree.addNodes(1);
    PLazyNode child = tree.addNodes(2, parent);
    PLazyNode firstChild = tree.GetFirstChild(parent);
    tree.SetFocusedNode(parent);
    tree.key(Qt::Key_Right);
    EXPECT_TRUE(tree.GetExpanded(parent));
    tree.key(Qt::Key_Right);
    EXPECT_EQ(tree.FocusedNode(), firstChild);
    tree.SetFocusedNode(child);
    tree.key(Qt::Key_Backspace, {}, QStringLiteral("\b"));
    EXPECT_EQ(tree.FocusedNode(), parent);
    tree.key(Qt::Key_Left);
    EXPECT_FALSE(tree.GetExpanded(parent));
    EXPECT_EQ(tree.FocusedNode(), parent);
}

struct CheckKeysTest : ::testing::Test {
    CheckKeysTest()
    {
        tree.setMiscOptions({TLTMiscOption::toCheckSupport});
        node = tree.addNodes(1);
        tree.SetCheckType(node, TCheckType::ctCheckBox);
        tree.SetFocusedNode(node);
        tree.OnChecking = [this](TreeSender, PLazyNode, TCheckState &, bool &) { events.push_back("checking"); };
        tree.OnChecked = [this](TreeSender, PLazyNode) { events.push_back("checked"); };
    }
    void press(int key, const QString &text = {})
    {
        QKeyEvent event(QEvent::KeyPress, key, {}, text);
        QApplication::sendEvent(&tree, &event);
    }
    void release(int key)
    {
        QKeyEvent event(QEvent::KeyRelease, key, {});
        QApplication::sendEvent(&tree, &event);
    }
    KeyTreeProbe tree;
    PLazyNode node;
    std::vector<std::string> events;
};

TEST_F(CheckKeysTest, SpaceShowsThePressedBoxAndChecksOnRelease)
{
    press(Qt::Key_Space, QStringLiteral(" "));
    EXPECT_EQ(tree.GetCheckState(node), TCheckState::csUncheckedPressed);
    EXPECT_EQ(events, std::vector<std::string>{"checking"});
    release(Qt::Key_Space);
    EXPECT_EQ(tree.GetCheckState(node), TCheckState::csCheckedNormal);
    EXPECT_EQ(events, (std::vector<std::string>{"checking", "checked"}));
}

TEST_F(CheckKeysTest, AnotherKeyAbandonsThePressAndADisabledNodeIgnoresSpace)
{
    press(Qt::Key_Space, QStringLiteral(" "));
    press(Qt::Key_Down);
    release(Qt::Key_Space);
    EXPECT_EQ(tree.GetCheckState(node), TCheckState::csUncheckedNormal);
    EXPECT_EQ(events, std::vector<std::string>{"checking"});

    events.clear();
    tree.SetDisabled(node, true);
    tree.key(Qt::Key_Space, {}, QStringLiteral(" "));
    EXPECT_EQ(tree.GetCheckState(node), TCheckState::csUncheckedNormal);
    EXPECT_TRUE(events.empty());
}

TEST(TreeKeysTest, F1AsksTheNodesThenTheTreeAndRaisesTheHelpEvent)
{
    KeyTreeProbe tree;
    PLazyNode parent = tree.addNodes(1);
    PLazyNode child = tree.addNodes(1, parent);
    std::vector<int> shown;
    tree.OnShowHelp = [&](TreeSender, int context) { shown.push_back(context); };
    tree.SetHelpContext(7);
    tree.SetFocusedNode(child);
    tree.key(Qt::Key_F1);
    EXPECT_TRUE(shown.empty()) << "without the context event there is no help";
    tree.OnGetHelpContext = [&](TreeSender, PLazyNode node, TColumnIndex column, int &context) {
        EXPECT_EQ(column, 0);
        if (node == parent)
            context = 42;
    };
    tree.key(Qt::Key_F1);
    tree.OnGetHelpContext = [](TreeSender, PLazyNode, TColumnIndex, int &) {};
    tree.key(Qt::Key_F1);
    EXPECT_EQ(shown, (std::vector<int>{42, 7}));
}

TEST(TreeKeysTest, F2EditsAnEditableFocusedCell)
{
    KeyTreeProbe tree;
    PLazyNode node = tree.addNodes(1);
    tree.SetFocusedNode(node);
    tree.key(Qt::Key_F2);
    EXPECT_TRUE(tree.edits.empty());
    tree.setMiscOptions({TLTMiscOption::toEditable});
    tree.key(Qt::Key_F2, Qt::ShiftModifier);
    EXPECT_TRUE(tree.edits.empty());
    tree.key(Qt::Key_F2);
    ASSERT_EQ(tree.edits.size(), 1u);
    EXPECT_EQ(tree.edits[0].first, node);
}

TEST(TreeKeysTest, EscapeAbandonsARubberBandOrCancelsAnEditElseGoesOnToTheDialogAsEnterDoes)
{
    KeyTreeProbe tree;
    tree.addNodes(2);
    const QString escape = QStringLiteral("\x1b");
    EXPECT_FALSE(tree.key(Qt::Key_Return, {}, QStringLiteral("\r")));
    EXPECT_FALSE(tree.key(Qt::Key_Escape, {}, escape));
    EXPECT_FALSE(tree.key(Qt::Key_X, Qt::AltModifier, QStringLiteral("x")));
    EXPECT_TRUE(tree.key(Qt::Key_Down));

    tree.SetTreeStates(tree.TreeStates() + TLazyTreeState::tsDrawSelecting);
    EXPECT_TRUE(tree.key(Qt::Key_Escape, {}, escape));
    EXPECT_FALSE(tree.IsMouseSelecting());
    tree.SetTreeStates(tree.TreeStates() + TLazyTreeState::tsEditing);
    const int cancelled = tree.cancelledEdits;
    EXPECT_TRUE(tree.key(Qt::Key_Escape, {}, escape));
    EXPECT_EQ(tree.cancelledEdits, cancelled + 1);
}

TEST(TreeKeysTest, KeyActionMayChangeOrSwallowTheKey)
{
    KeyTreeProbe tree;
    tree.addNodes(5);
    tree.focus(2);
    tree.OnKeyAction = [](TreeSender, std::uint16_t &key, TShiftState &, bool &doDefault) {
        if (key == platform::VK_DOWN)
            key = platform::VK_END;
        else
            doDefault = false;
    };
    tree.key(Qt::Key_Down);
    EXPECT_EQ(tree.indexOf(tree.FocusedNode()), 4);
    tree.key(Qt::Key_Home);
    EXPECT_EQ(tree.indexOf(tree.FocusedNode()), 4);
}

TEST(TreeKeysTest, TheContextMenuKeyOpensThePopupAtTheFocusedCell)
{
    KeyTreeProbe tree;
    tree.texts = {QStringLiteral("first"), QStringLiteral("second")};
    tree.addNodes(2);
    tree.key(Qt::Key_Menu);
    tree.focus(1);
    tree.key(Qt::Key_Menu);
    ASSERT_EQ(tree.popups.size(), 2u);
    EXPECT_EQ(tree.popups[0].node, nullptr);
    EXPECT_EQ(tree.popups[0].position, QPoint(-1, -1));
    EXPECT_EQ(tree.popups[1].node, tree.visible(1));
    EXPECT_EQ(tree.popups[1].position.y(), 18 + 9);
    EXPECT_EQ(tree.popups[1].position.x(), tree.MeasureNodeWidth(nullptr, tree.visible(1), NoColumn) / 2);
}

TEST(TreeKeysTest, TabMovesThroughTheCellsWhenTheTreeWantsIt)
{
    KeyTreeProbe tree;
    tree.addNodes(2);
    for (int i = 0; i < 2; ++i)
        tree.Header()->Columns().Add();
    tree.SetWantTabs(true);
    tree.setSelectionOptions({toExtendedFocus});
    tree.focus(0);
    tree.SetFocusedColumn(0);
    tree.key(Qt::Key_Tab, {}, QStringLiteral("\t"));
    EXPECT_EQ(tree.FocusedColumn(), 1);
    tree.key(Qt::Key_Tab, {}, QStringLiteral("\t"));
    EXPECT_EQ(tree.FocusedNode(), tree.visible(1));
    EXPECT_EQ(tree.FocusedColumn(), 0);
    tree.key(Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(tree.FocusedNode(), tree.visible(0));
    EXPECT_EQ(tree.FocusedColumn(), 1);
}

TEST(TreeKeysTest, WithGridExtensionsHomeEndAndTheArrowsMoveBetweenColumns)
{
    KeyTreeProbe tree;
    tree.addNodes(3);
    for (int i = 0; i < 3; ++i)
        tree.Header()->Columns().Add();
    tree.setSelectionOptions({toExtendedFocus});
    tree.setMiscOptions({TLTMiscOption::toGridExtensions});
    tree.focus(1);
    tree.SetFocusedColumn(1);
    tree.key(Qt::Key_End);
    EXPECT_EQ(tree.FocusedColumn(), 2);
    EXPECT_EQ(tree.FocusedNode(), tree.visible(1)) << "the row stays without Ctrl";
    tree.key(Qt::Key_Left);
    EXPECT_EQ(tree.FocusedColumn(), 1);
    tree.key(Qt::Key_Home, Qt::ControlModifier);
    EXPECT_EQ(tree.FocusedColumn(), 0);
    EXPECT_EQ(tree.FocusedNode(), tree.visible(0));
    EXPECT_EQ(tree.selection(), Ints{0});
}

TEST(TreeKeysTest, LosingTheFocusOrCancelModeEndsTheSearchAndGainingTheFocusEnsuresASelectedNode)
{
    KeyTreeProbe tree;
    tree.texts = {QStringLiteral("alpha"), QStringLiteral("beta")};
    tree.addNodes(2);
    tree.SetIncrementalSearch(TLTIncrementalSearch::isAll);
    tree.type(QStringLiteral("b"));
    EXPECT_EQ(tree.SearchBuffer(), QStringLiteral("b"));
    QFocusEvent out(QEvent::FocusOut);
    QApplication::sendEvent(&tree, &out);
    EXPECT_TRUE(tree.SearchBuffer().isEmpty());
    EXPECT_FALSE(tree.TreeStates().contains(TLazyTreeState::tsIncrementalSearching));
    EXPECT_FALSE(tree.timers->isTimerSet(SearchTimer));

    tree.type(QStringLiteral("b"));
    tree.SetTreeStates(tree.TreeStates() + TLazyTreeState::tsClearPending);
    tree.CancelMode();
    EXPECT_TRUE(tree.SearchBuffer().isEmpty());
    EXPECT_FALSE(tree.TreeStates().containsAny({TLazyTreeState::tsClearPending, TLazyTreeState::tsIncrementalSearching}));

    tree.ClearSelection();
    tree.SetFocusedNode(nullptr);
    tree.setSelectionOptions({toAlwaysSelectNode});
    QFocusEvent in(QEvent::FocusIn);
    QApplication::sendEvent(&tree, &in);
    EXPECT_NE(tree.FocusedNode(), nullptr);
}

} // namespace
} // namespace vtreetest
