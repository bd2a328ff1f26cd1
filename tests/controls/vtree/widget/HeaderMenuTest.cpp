// The column menu of the header: its items, their checks and states, and
// what choosing them does.
#include "HeaderColumns.h"

#include "controls/vtree/widget/HeaderPopupMenu.h"

#include <gtest/gtest.h>

namespace vtreetest {
namespace {

class HeaderMenuTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.resize(300, 100);
        showHeaderColumns(tree, {80, 80, 80}, {"Meter", "Value", "Unit"});
        menu.SetPopupComponent(&tree);
    }
    void TearDown() override { menu.close(); }

    TLazyTreeColumn &column(TColumnIndex index) { return tree.Header()->Columns()[index]; }
    void hide(TColumnIndex index) { column(index).SetOptions(column(index).Options() - TLTColumnOption::coVisible); }
    // Captions of the items, "-" for a separator, "(x)" checked, "[..]" disabled.
    QStringList items() const
    {
        QStringList out;
        for (const QAction *action : menu.actions()) {
            QString text = action->isSeparator() ? QStringLiteral("-") : action->text();
            if (action->isChecked())
                text += QStringLiteral("(x)");
            if (!action->isEnabled())
                text = QLatin1Char('[') + text + QLatin1Char(']');
            out << text;
        }
        return out;
    }
    QAction *item(const QString &caption) const
    {
        for (QAction *action : menu.actions())
            if (action->text() == caption)
                return action;
        return nullptr;
    }

    TreeWidgetProbe tree;
    TLTHeaderPopupMenu menu;
};

TEST_F(HeaderMenuTest, TheMenuListsTheColumnsWithTheirVisibilityAndAnOptionalFitItem)
{
    menu.RebuildItems();
    EXPECT_EQ(items(), (QStringList{"Meter(x)", "Value(x)", "Unit(x)"}));
    menu.SetOptions({TLTHeaderPopupOption::poResizeToFitItem});
    hide(1);
    menu.Popup(0, 0);
    EXPECT_TRUE(menu.isVisible());
    EXPECT_EQ(items(), (QStringList{"&Resize All Columns To Fit", "-", "Meter(x)", "Value", "Unit(x)"}));
    EXPECT_EQ(menu.actions()[0]->objectName(), QStringLiteral("LT_ResizeToFitMenuItem"));
    EXPECT_EQ(menu.actions()[3]->data().toInt(), 1);
    // Display order, or the columns' own order when asked.
    column(2).SetPosition(0);
    menu.RebuildItems();
    EXPECT_EQ(items().mid(2), (QStringList{"Unit(x)", "Meter(x)", "Value"}));
    menu.SetOptions({TLTHeaderPopupOption::poOriginalOrder});
    menu.RebuildItems();
    EXPECT_EQ(items(), (QStringList{"Meter(x)", "Value", "Unit(x)"}));
}

TEST_F(HeaderMenuTest, TheLastVisibleColumnCannotBeHiddenUnlessAllowed)
{
    hide(0);
    hide(2);
    menu.RebuildItems();
    EXPECT_EQ(items(), (QStringList{"Meter", "[Value(x)]", "Unit"}));
    menu.SetOptions({TLTHeaderPopupOption::poAllowHideAll});
    menu.RebuildItems();
    EXPECT_EQ(items(), (QStringList{"Meter", "Value(x)", "Unit"}));
}

TEST_F(HeaderMenuTest, TheApplicationMayLeaveAColumnOutOrGreyIt)
{
    menu.OnAddHeaderPopupItem = [](TLazyStringTreeWidget *, TColumnIndex index, TAddPopupItemType &cmd) {
        if (index == 0)
            cmd = TAddPopupItemType::apHidden;
        else if (index == 2)
            cmd = TAddPopupItemType::apDisabled;
    };
    menu.RebuildItems();
    EXPECT_EQ(items(), (QStringList{"Value(x)", "[Unit(x)]"}));
}

TEST_F(HeaderMenuTest, ChoosingAnItemShowsOrHidesItsColumnAndTellsTheApplication)
{
    hide(1);
    std::vector<std::pair<TColumnIndex, bool>> changes;
    menu.OnColumnChange = [&](TLazyStringTreeWidget *sender, TColumnIndex index, bool visible) {
        EXPECT_EQ(sender, &tree);
        changes.emplace_back(index, visible);
    };
    menu.RebuildItems();
    item(QStringLiteral("Value"))->trigger();
    EXPECT_TRUE(column(1).Options().contains(TLTColumnOption::coVisible));
    menu.RebuildItems();
    item(QStringLiteral("Meter"))->trigger();
    EXPECT_FALSE(column(0).Options().contains(TLTColumnOption::coVisible));
    EXPECT_EQ(changes, (std::vector<std::pair<TColumnIndex, bool>>{{1, true}, {0, false}}));
}

TEST_F(HeaderMenuTest, TheFitItemFitsEveryColumnToItsContent)
{
    tree.texts = {QStringLiteral("a node with a rather long text")};
    tree.addNodes(1);
    const int widest = tree.GetMaxColumnWidth(0);
    ASSERT_NE(widest, 80);
    menu.SetOptions({TLTHeaderPopupOption::poResizeToFitItem});
    menu.RebuildItems();
    menu.actions()[0]->trigger();
    for (TColumnIndex i = 0; i < 3; ++i)
        EXPECT_EQ(column(i).Width(), tree.GetMaxColumnWidth(i)) << i;
    EXPECT_EQ(column(0).Width(), widest);
}

TEST_F(HeaderMenuTest, WithoutATreeTheMenuDoesNothing)
{
    TLTHeaderPopupMenu lone;
    lone.Popup(0, 0);
    EXPECT_TRUE(lone.actions().isEmpty());
    EXPECT_FALSE(lone.isVisible());
}

} // namespace
} // namespace vtreetest
