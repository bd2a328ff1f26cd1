#include "TreeWidgetProbe.h"

#include <gtest/gtest.h>

#include <functional>

namespace vtreetest {
namespace {

TEST(TreePropertiesTest, ANewTreeHasTheDeclaredDefaults)
{
    TLazyStringTreeWidget tree;
    EXPECT_EQ(tree.size(), QSize(200, 100));
    EXPECT_EQ(tree.Alignment(), TAlignment::taLeftJustify);
    EXPECT_EQ(tree.AnimationDuration(), 200u);
    EXPECT_EQ(tree.AutoExpandDelay(), 1000u);
    EXPECT_EQ(tree.AutoScrollDelay(), 1000u);
    EXPECT_EQ(tree.AutoScrollInterval(), 1u);
    EXPECT_TRUE(tree.Background().isNull());
    EXPECT_EQ(tree.BackgroundOffsetX(), 0);
    EXPECT_EQ(tree.BackgroundOffsetY(), 0);
    EXPECT_EQ(tree.BorderStyle(), TBorderStyle::bsSingle);
    EXPECT_EQ(tree.BottomSpace(), 0u);
    EXPECT_EQ(tree.ButtonFillMode(), TLTButtonFillMode::fmTreeColor);
    EXPECT_EQ(tree.ButtonStyle(), TLTButtonStyle::bsRectangle);
    EXPECT_EQ(tree.ChangeDelay(), 0u);
    EXPECT_EQ(tree.CheckImageKind(), TCheckImageKind::ckSystemDefault);
    EXPECT_TRUE(tree.ClipboardFormats().isEmpty());
    EXPECT_EQ(tree.Color(), platform::clWindow);
    EXPECT_EQ(tree.CustomCheckImages(), nullptr);
    EXPECT_EQ(tree.DefaultNodeHeight(), 18u);
    EXPECT_EQ(tree.DefaultPasteMode(), TLTNodeAttachMode::amAddChildLast);
    EXPECT_EQ(tree.DefaultText(), QStringLiteral("Node"));
    EXPECT_EQ(tree.DragHeight(), 350);
    EXPECT_EQ(tree.DragWidth(), 200);
    EXPECT_EQ(tree.DragImageKind(), TLTDragImageKind::diComplete);
    EXPECT_EQ(tree.DragOperations(), (TEnumSet<TDragOperation, std::uint8_t>{TDragOperation::doCopy, TDragOperation::doMove}));
    EXPECT_EQ(tree.DragType(), TLTDragType::dtOLE);
    EXPECT_EQ(tree.DrawSelectionMode(), TLTDrawSelectionMode::smDottedRectangle);
    EXPECT_EQ(tree.EditDelay(), 1000u);
    EXPECT_TRUE(tree.EmptyListMessage().isEmpty());
    EXPECT_EQ(tree.HintAnimation(), THintAnimationType::hatSystemDefault);
    EXPECT_EQ(tree.HintMode(), TLTHintMode::hmDefault);
    EXPECT_EQ(tree.HotCursor(), 0);
    EXPECT_EQ(tree.Images(), nullptr);
    EXPECT_EQ(tree.IncrementalSearch(), TLTIncrementalSearch::isNone);
    EXPECT_EQ(tree.IncrementalSearchDirection(), TLTSearchDirection::sdForward);
    EXPECT_EQ(tree.IncrementalSearchStart(), TLTSearchStart::ssFocusedNode);
    EXPECT_EQ(tree.IncrementalSearchTimeout(), 1000u);
    EXPECT_EQ(tree.Indent(), 18u);
    EXPECT_EQ(tree.LineMode(), TLTLineMode::lmNormal);
    EXPECT_EQ(tree.LineStyle(), TLTLineStyle::lsDotted);
    EXPECT_EQ(tree.Margin(), 4);
    EXPECT_EQ(tree.NodeAlignment(), TLTNodeAlignment::naProportional);
    EXPECT_EQ(tree.NodeDataSize(), -1);
    EXPECT_EQ(tree.RootNodeCount(), 0u);
    EXPECT_EQ(tree.SelectionBlendFactor(), 128);
    EXPECT_EQ(tree.SelectionCurveRadius(), 0u);
    EXPECT_EQ(tree.StateImages(), nullptr);
    EXPECT_EQ(tree.TextMargin(), 4);
    EXPECT_FALSE(tree.WantTabs());
    EXPECT_EQ(tree.FocusedColumn(), NoColumn);
    EXPECT_TRUE(tree.DoubleBuffered());
    EXPECT_EQ(tree.ScrollBarOptions().ScrollBars(), TScrollStyle::ssBoth);
    EXPECT_FALSE(tree.ScrollBarOptions().AlwaysVisible());
    EXPECT_EQ(tree.ScrollBarOptions().ScrollBarStyle(), TScrollBarStyle::sbmRegular);
    EXPECT_EQ(tree.ScrollBarOptions().HorizontalIncrement(), 20u);
    EXPECT_EQ(tree.ScrollBarOptions().VerticalIncrement(), 20u);
}

TEST(TreePropertiesTest, TheColourTableStartsWithItsSeventeenDefaults)
{
    TLazyStringTreeWidget tree;
    const platform::TColor expected[] = {
        platform::clBtnShadow, platform::clHighlight, platform::clHighlight, platform::clHighlight, platform::clBtnFace,
        platform::clBtnShadow, platform::clBtnFace,   platform::clBtnFace,   platform::clWindowText, platform::clHighlight,
        platform::clBtnFace,   platform::clHighlight, platform::clHighlight, platform::clHighlight, platform::clBtnShadow,
        platform::clHighlightText, platform::clBtnFace};
    for (int slot = 0; slot < TLTColors::SlotCount; ++slot)
        EXPECT_EQ(tree.Colors().GetColor(slot), expected[slot]) << slot;
}

// A setter given the value it holds repaints nothing; a new value repaints
// the window once.
struct RepaintingSetter {
    const char *name;
    std::function<void(TLazyStringTreeWidget &, bool change)> assign;
};

const RepaintingSetter repaintingSetters[] = {
    {"Alignment", [](auto &t, bool c) { t.SetAlignment(c ? TAlignment::taCenter : t.Alignment()); }},
    {"Background", [](auto &t, bool c) { t.SetBackground(c ? QImage(4, 4, QImage::Format_RGB32) : t.Background()); }},
    {"BackgroundOffsetX", [](auto &t, bool c) { t.SetBackgroundOffset(0, c ? 5 : t.BackgroundOffsetX()); }},
    {"BackgroundOffsetY", [](auto &t, bool c) { t.SetBackgroundOffset(1, c ? 5 : t.BackgroundOffsetY()); }},
    {"ButtonFillMode", [](auto &t, bool c) { t.SetButtonFillMode(c ? TLTButtonFillMode::fmShaded : t.ButtonFillMode()); }},
    {"ButtonStyle", [](auto &t, bool c) { t.SetButtonStyle(c ? TLTButtonStyle::bsTriangle : t.ButtonStyle()); }},
    {"Color", [](auto &t, bool c) { t.SetColor(c ? platform::clYellow : t.Color()); }},
    {"Colors", [](auto &t, bool c) { t.Colors().SetColor(TLTColors::GridLineColor, c ? platform::clRed : t.Colors().GetColor(TLTColors::GridLineColor)); }},
    {"EmptyListMessage", [](auto &t, bool c) { t.SetEmptyListMessage(c ? QStringLiteral("Nothing") : t.EmptyListMessage()); }},
    {"Indent", [](auto &t, bool c) { t.SetIndent(c ? 20 : t.Indent()); }},
    {"LineMode", [](auto &t, bool c) { t.SetLineMode(c ? TLTLineMode::lmBands : t.LineMode()); }},
    {"LineStyle", [](auto &t, bool c) { t.SetLineStyle(c ? TLTLineStyle::lsSolid : t.LineStyle()); }},
    {"Margin", [](auto &t, bool c) { t.SetMargin(c ? 6 : t.Margin()); }},
    {"NodeAlignment", [](auto &t, bool c) { t.SetNodeAlignment(c ? TLTNodeAlignment::naFromTop : t.NodeAlignment()); }},
    {"SelectionCurveRadius", [](auto &t, bool c) { t.SetSelectionCurveRadius(c ? 3 : t.SelectionCurveRadius()); }},
    {"TextMargin", [](auto &t, bool c) { t.SetTextMargin(c ? 2 : t.TextMargin()); }},
};

class RepaintingSetterTest : public ::testing::TestWithParam<RepaintingSetter> {};

TEST_P(RepaintingSetterTest, AnEqualValueRepaintsNothingAndANewOneRepaints)
{
    TreeWidgetProbe tree;
    tree.repaints = 0;
    GetParam().assign(tree, false);
    EXPECT_EQ(tree.repaints, 0);
    GetParam().assign(tree, true);
    EXPECT_GE(tree.repaints, 1);
    const int after = tree.repaints;
    GetParam().assign(tree, true);
    EXPECT_EQ(tree.repaints, after);
}

INSTANTIATE_TEST_SUITE_P(Setters, RepaintingSetterTest, ::testing::ValuesIn(repaintingSetters),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(TreePropertiesTest, ImageListsRepaintOnlyWhenAnotherListIsAssigned)
{
    TreeWidgetProbe tree;
    platform::TImageList images(16, 16);
    tree.SetImages(&images);
    tree.SetStateImages(&images);
    tree.SetCustomCheckImages(&images);
    tree.repaints = 0;
    tree.SetImages(&images);
    tree.SetStateImages(&images);
    tree.SetCustomCheckImages(&images);
    EXPECT_EQ(tree.repaints, 0);
}

TEST(TreePropertiesTest, ALoadingTreeStoresWithoutRepainting)
{
    TreeWidgetProbe tree;
    tree.BeginLoading();
    tree.repaints = 0;
    tree.SetMargin(9);
    tree.SetTextMargin(9);
    tree.SetAlignment(TAlignment::taRightJustify);
    EXPECT_EQ(tree.repaints, 0);
    EXPECT_EQ(tree.Margin(), 9);
}

TEST(TreePropertiesTest, AnimationDurationSwitchesAnimatedTogglingOffAndOn)
{
    TLazyStringTreeWidget tree;
    tree.TreeOptions().SetAnimationOptions(TLTAnimationOption::toAnimatedToggle);
    tree.SetAnimationDuration(0);
    EXPECT_FALSE(tree.TreeOptions().AnimationOptions().contains(TLTAnimationOption::toAnimatedToggle));
    tree.SetAnimationDuration(150);
    EXPECT_TRUE(tree.TreeOptions().AnimationOptions().contains(TLTAnimationOption::toAnimatedToggle));
}

TEST(TreePropertiesTest, ValuesOutsideTheirRangeAreLimited)
{
    TreeWidgetProbe tree;
    PLazyNode node = tree.addNodes(1);
    tree.SetVerticalAlignment(node, 250);
    EXPECT_EQ(tree.GetVerticalAlignment(node), 100);
    tree.SetAutoScrollInterval(0);
    EXPECT_EQ(tree.AutoScrollInterval(), 1u);
    tree.SetAutoScrollInterval(5000);
    EXPECT_EQ(tree.AutoScrollInterval(), 1000u);
    tree.ScrollBarOptions().SetVerticalIncrement(0);
    EXPECT_EQ(tree.ScrollBarOptions().VerticalIncrement(), 1u);
    tree.ScrollBarOptions().SetHorizontalIncrement(20000);
    EXPECT_EQ(tree.ScrollBarOptions().HorizontalIncrement(), 10000u);
}

TEST(TreePropertiesTest, DoubleBufferingCannotBeSwitchedOff)
{
    TLazyStringTreeWidget tree;
    tree.SetDoubleBuffered(false);
    EXPECT_TRUE(tree.DoubleBuffered());
}

TEST(TreePropertiesTest, AssignTakesTheListedSettingsAndAsManyFreshNodes)
{
    TreeWidgetProbe source;
    source.addNodes(3);
    source.SetIndent(30);
    source.SetMargin(7);
    source.SetEmptyListMessage(QStringLiteral("Empty"));
    source.SetSelectionBlendFactor(40);
    source.SetTextMargin(9);   // not among the assigned settings
    source.SetWantTabs(true);  // nor this
    TreeWidgetProbe target;
    target.Assign(source);
    EXPECT_EQ(target.Indent(), 30u);
    EXPECT_EQ(target.Margin(), 7);
    EXPECT_EQ(target.EmptyListMessage(), QStringLiteral("Empty"));
    EXPECT_EQ(target.SelectionBlendFactor(), 40);
    EXPECT_EQ(target.RootNodeCount(), 3u);
    EXPECT_EQ(target.TextMargin(), 4);
    EXPECT_FALSE(target.WantTabs());
}

TEST(TreePropertiesTest, AReadOnlyTreeTakesNothingFromAssign)
{
    TreeWidgetProbe source;
    source.SetIndent(30);
    TreeWidgetProbe target;
    TLTMiscOptions misc = target.TreeOptions().MiscOptions();
    misc.include(TLTMiscOption::toReadOnly);
    target.TreeOptions().SetMiscOptions(misc);
    target.Assign(source);
    EXPECT_EQ(target.Indent(), 18u);
}

} // namespace
} // namespace vtreetest
