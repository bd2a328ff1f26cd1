// Check controls: the order of the checking events, tri-state tracking in both
// directions, radio groups, disabled nodes and the image a control shows.
#include "TreeFixture.h"

namespace vtreetest {
namespace {

using enum TCheckState;
using enum TCheckType;

// A tree with tracking on whose check events land in a log.
struct CheckTree {
    TestTree tree;
    EventLog log;

    CheckTree()
    {
        addOption(tree, TLTAutoOption::toAutoTristateTracking);
        addOption(tree, TLTMiscOption::toCheckSupport);
        tree.OnChecking = [this](TBaseLazyTree *, PLazyNode node, TCheckState &, bool &) { log.add("checking", node); };
        tree.OnChecked = [this](TBaseLazyTree *, PLazyNode node) { log.add("checked", node); };
    }
    PLazyNode add(PLazyNode parent, TCheckType type, TCheckState state = csUncheckedNormal)
    {
        PLazyNode node = tree.AddChild(parent);
        node->CheckType = type;
        node->CheckState = state;
        return node;
    }
};

TEST(Checks, ATriStateParentPushesDownAndIsRecomputedFromItsChildren)
{
    CheckTree t;
    PLazyNode parent = t.add(nullptr, ctTriStateCheckBox);
    PLazyNode kids[3] = {t.add(parent, ctCheckBox), t.add(parent, ctCheckBox), t.add(parent, ctCheckBox)};

    t.tree.SetCheckState(parent, csCheckedNormal);
    EXPECT_EQ(t.log.entries, (std::vector<std::string>{"checking 0", "checking 0.0", "checked 0.0", "checking 0.1",
                                                        "checked 0.1", "checking 0.2", "checked 0.2", "checked 0"}));
    for (PLazyNode kid : kids)
        EXPECT_EQ(kid->CheckState, csCheckedNormal);

    t.log.entries.clear();
    t.tree.SetCheckState(kids[1], csUncheckedNormal);
    EXPECT_EQ(parent->CheckState, csMixedNormal);
    EXPECT_EQ(t.log.entries, (std::vector<std::string>{"checking 0.1", "checking 0", "checked 0", "checked 0.1"}))
        << "the parent's change is reported inside the child's";
    t.tree.SetCheckState(kids[0], csUncheckedNormal);
    t.tree.SetCheckState(kids[2], csUncheckedNormal);
    EXPECT_EQ(parent->CheckState, csUncheckedNormal);
    EXPECT_FALSE(t.tree.TreeStates().contains(TLazyTreeState::tsCheckPropagation));
    EXPECT_EQ(t.tree.CheckPropagationCount(), 0u);
}

TEST(Checks, DisabledChildrenAreSkippedAndCountOnlyWhenUnchecking)
{
    struct Case {
        TCheckState to, first, disabled, firstAfter, parentAfter;
    };
    for (const Case &c : {Case{csUncheckedNormal, csCheckedNormal, csCheckedDisabled, csUncheckedNormal, csMixedNormal},
                          Case{csCheckedNormal, csUncheckedNormal, csUncheckedDisabled, csCheckedNormal, csCheckedNormal}}) {
        CheckTree t;
        PLazyNode parent = t.add(nullptr, ctTriStateCheckBox, c.to == csCheckedNormal ? csUncheckedNormal : csCheckedNormal);
        PLazyNode first = t.add(parent, ctCheckBox, c.first);
        PLazyNode disabled = t.add(parent, ctCheckBox, c.disabled);
        t.tree.SetCheckState(parent, c.to);
        EXPECT_EQ(first->CheckState, c.firstAfter);
        EXPECT_EQ(disabled->CheckState, c.disabled);
        EXPECT_EQ(parent->CheckState, c.parentAfter);
    }
}

TEST(Checks, CheckBoxesUnderCheckBoxesChangeAlone)
{
    // The scan dialog's trees: a slave and its records are all plain boxes.
    CheckTree t;
    PLazyNode slave = t.add(nullptr, ctCheckBox);
    PLazyNode record = t.add(slave, ctCheckBox);
    t.tree.SetCheckState(slave, csCheckedNormal);
    EXPECT_EQ(record->CheckState, csUncheckedNormal);
    t.tree.SetCheckState(record, csCheckedNormal);
    t.tree.SetCheckState(slave, csUncheckedNormal);
    EXPECT_EQ(record->CheckState, csCheckedNormal);
    EXPECT_EQ(t.log.entries, (std::vector<std::string>{"checking 0", "checked 0", "checking 0.0", "checked 0.0",
                                                        "checking 0", "checked 0"}));
}

TEST(Checks, ARadioButtonUnchecksItsGroupWithoutEvents)
{
    CheckTree t;
    PLazyNode a = t.add(nullptr, ctRadioButton, csCheckedNormal);
    PLazyNode b = t.add(nullptr, ctRadioButton);
    PLazyNode box = t.add(nullptr, ctCheckBox, csCheckedNormal);
    t.tree.SetCheckState(b, csCheckedNormal);
    EXPECT_EQ(a->CheckState, csUncheckedNormal);
    EXPECT_EQ(b->CheckState, csCheckedNormal);
    EXPECT_EQ(box->CheckState, csCheckedNormal);
    EXPECT_EQ(t.log.entries, (std::vector<std::string>{"checking 1", "checked 1"}));
}

TEST(Checks, NoEventForTheSameStateADisabledNodeOrAReadOnlyTree)
{
    CheckTree t;
    PLazyNode node = t.add(nullptr, ctCheckBox, csCheckedNormal);
    PLazyNode disabled = t.add(nullptr, ctCheckBox);
    t.tree.SetDisabled(disabled, true);
    t.tree.SetCheckState(node, csCheckedNormal);
    t.tree.SetCheckState(disabled, csCheckedNormal);
    addOption(t.tree, TLTMiscOption::toReadOnly);
    t.tree.SetCheckState(node, csUncheckedNormal);
    t.tree.SetCheckType(node, ctRadioButton);
    EXPECT_TRUE(t.log.entries.empty());
    EXPECT_EQ(disabled->CheckState, csUncheckedNormal);
    EXPECT_EQ(node->CheckType, ctCheckBox);
}

TEST(Checks, ARefusingOrChangingHandlerDecides)
{
    CheckTree t;
    PLazyNode node = t.add(nullptr, ctTriStateCheckBox);
    t.tree.OnChecking = [](TBaseLazyTree *, PLazyNode, TCheckState &state, bool &allowed) {
        allowed = state != csUncheckedNormal;
        state = csMixedNormal;
    };
    t.tree.SetCheckState(node, csCheckedNormal);
    EXPECT_EQ(node->CheckState, csMixedNormal);
    t.tree.SetCheckState(node, csUncheckedNormal);
    EXPECT_EQ(node->CheckState, csMixedNormal);
}

TEST(Checks, AFailingHandlerLeavesNoNodeChecking)
{
    CheckTree t;
    PLazyNode parent = t.add(nullptr, ctTriStateCheckBox);
    PLazyNode kid = t.add(parent, ctCheckBox);
    t.tree.OnChecked = [](TBaseLazyTree *, PLazyNode) { throw std::runtime_error("handler"); };
    EXPECT_THROW(t.tree.SetCheckState(kid, csCheckedNormal), std::runtime_error);
    EXPECT_FALSE(kid->States.contains(vsChecking));
    EXPECT_FALSE(parent->States.contains(vsChecking));
    EXPECT_EQ(t.tree.CheckPropagationCount(), 0u);
    EXPECT_FALSE(t.tree.TreeStates().contains(TLazyTreeState::tsCheckPropagation));
}

TEST(Checks, SettingTheTypeDropsMixedAndFollowsATriStateParent)
{
    CheckTree t;
    PLazyNode parent = t.add(nullptr, ctTriStateCheckBox, csCheckedNormal);
    PLazyNode kid = t.add(parent, ctTriStateCheckBox, csMixedNormal);
    t.tree.SetCheckType(kid, ctRadioButton);
    EXPECT_EQ(kid->CheckState, csUncheckedNormal);
    t.tree.SetCheckType(kid, ctCheckBox);
    EXPECT_EQ(kid->CheckState, csCheckedNormal);
}

TEST(Checks, BulkOperationsSkipDisabledNodes)
{
    CheckTree t;
    std::vector<PLazyNode> nodes{t.add(nullptr, ctCheckBox), t.add(nullptr, ctCheckBox),
                                 t.add(nullptr, ctCheckBox, csCheckedDisabled)};
    t.tree.SetDisabled(t.add(nullptr, ctCheckBox, csCheckedNormal), true);
    t.tree.SetCheckStateForAll(csCheckedNormal, false, true);
    EXPECT_EQ(t.tree.CheckedCount(), 3u) << "two set, one disabled node kept its state";
    EXPECT_EQ(nodes[2]->CheckState, csCheckedDisabled);
    t.tree.ClearChecked();
    EXPECT_EQ(t.tree.CheckedCount(), 1u) << "only the node with vsDisabled keeps its state";
    EXPECT_EQ(nodes[2]->CheckState, csUncheckedNormal);
}

TEST(Checks, StateAlgebra)
{
    for (int i = 0; i <= static_cast<int>(csMixedDisabled); ++i) {
        const auto s = static_cast<TCheckState>(i);
        EXPECT_TRUE(ReleasedState(PressedState(s)) == s || PressedState(ReleasedState(s)) == s);
        EXPECT_EQ(IsCheckedState(s), s == csCheckedNormal || s == csCheckedPressed || s == csCheckedDisabled);
        EXPECT_FALSE(IsDisabledState(EnabledState(s)));
        if (IsDisabledState(s))
            EXPECT_EQ(ToggledState(s), s);
        else
            EXPECT_EQ(IsCheckedState(ToggledState(s)), !IsCheckedState(s));
    }
    EXPECT_EQ(ToggledState(csMixedPressed), csCheckedPressed);
    TestTree tree;
    EXPECT_EQ(tree.NextCheckState(ctRadioButton, csCheckedNormal), csCheckedNormal);
    EXPECT_EQ(tree.NextCheckState(ctButton, csCheckedNormal), csUncheckedNormal);
    EXPECT_EQ(tree.NextCheckState(ctTriStateCheckBox, csMixedNormal), csCheckedNormal);
}

TEST(Checks, ImageIndexByTypeStateEnabledAndHot)
{
    struct Case {
        TCheckType type;
        TCheckState state;
        bool enabled, hot;
        int index;
    };
    const Case cases[] = {
        {ctCheckBox, csUncheckedNormal, true, false, 9},   {ctCheckBox, csUncheckedNormal, true, true, 10},
        {ctCheckBox, csUncheckedPressed, true, true, 11},  {ctCheckBox, csUncheckedNormal, false, false, 12},
        {ctCheckBox, csCheckedNormal, true, true, 14},     {ctCheckBox, csCheckedDisabled, true, true, 16},
        {ctTriStateCheckBox, csMixedNormal, true, false, 17}, {ctTriStateCheckBox, csMixedPressed, true, false, 19},
        {ctRadioButton, csUncheckedNormal, true, false, 1}, {ctRadioButton, csCheckedNormal, true, true, 6},
        {ctRadioButton, csCheckedPressed, true, false, 7}, {ctRadioButton, csMixedNormal, true, true, 18},
        {ctRadioButton, csCheckedNormal, false, false, 8}, {ctButton, csCheckedNormal, true, false, 21},
        {ctButton, csUncheckedPressed, true, false, 23},   {ctButton, csMixedNormal, false, false, 20},
        {ctButton, csUncheckedDisabled, true, true, 24},   {ctNone, csCheckedNormal, true, false, -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(checkImageIndexOf(c.type, c.state, c.enabled, c.hot), c.index)
            << int(c.type) << ' ' << int(c.state) << ' ' << c.enabled << c.hot;
    TestTree tree;
    PLazyNode node = tree.AddChild(nullptr);
    node->CheckType = ctCheckBox;
    node->CheckState = csCheckedNormal;
    EXPECT_EQ(tree.CheckImageIndex(node), 13);
    tree.SetDisabled(node, true);
    EXPECT_EQ(tree.CheckImageIndex(node), 16);
    EXPECT_EQ(tree.CheckImageIndex(nullptr, ctTriStateCheckBox, csMixedNormal), 17);
}

} // namespace
} // namespace vtreetest
