#include "controls/dropdown/ItemSelector.h"

#include "controls/grid/base/editors/EditorEvents.h"

#include <QApplication>
#include <QScrollBar>

#include <gtest/gtest.h>

using namespace controls;
using namespace platform;
using editortest::near;
using editortest::pixel;
using editortest::shot;

namespace {

struct Selector {
    TExCustomItemSelector selector;
    QStringList events;
    Selector()
    {
        selector.OnItemSelect = [this](QObject *Sender) {
            events << QStringLiteral("select %1").arg(static_cast<TExCustomItemSelector *>(Sender)->ItemIndex());
        };
    }
    void add(const QString &caption, TColor color = clNone, bool enabled = true)
    {
        TSelectorItem item;
        item.Caption = caption;
        item.Color = color;
        item.Enabled = enabled;
        item.Hint = caption + QStringLiteral(" hint");
        selector.Items().Add(item);
    }
};

TEST(ItemSelector, WithoutItemsIsAHundredByFiftyAndDoesNothing)
{
    Selector s;
    EXPECT_EQ(s.selector.PanelSize(), QSize(100, 50));
    EXPECT_EQ(s.selector.GetVisibleItemCount(), 0);
    EXPECT_FALSE(s.selector.LookupItem(QStringLiteral("A")));
    s.selector.SelectNext();
    s.selector.SelectLast();
    s.selector.HotNext();
    EXPECT_EQ(s.selector.ItemIndex(), -1);
    EXPECT_EQ(s.selector.ItemHot(), -1);
    EXPECT_TRUE(s.events.isEmpty());
    EXPECT_EQ(s.selector.Panel()->ItemRect(0), QRect(QPoint(-1, -1), QPoint(-1, -1)));
}

TEST(ItemSelector, ThreeColourItemsInTwoColumnsMakeTwoRows)
{
    Selector s;
    s.selector.setSelectorType(stColor);
    s.selector.setColumns(2);
    for (int i = 0; i < 3; ++i)
        s.add(QString(), 0x0000FF);
    // A 14 x 14 box with 4 pixels round it: 22 x 22 items.
    const QSize item(22, 22);
    EXPECT_EQ(s.selector.PanelSize(), QSize(2 * item.width() + 4, 2 * item.height() + 4));
    EXPECT_EQ(s.selector.Panel()->ItemRect(1), QRect(QPoint(24, 2), item));
    EXPECT_EQ(s.selector.Panel()->ItemRect(2), QRect(QPoint(2, 24), item));
    // Columns 0 is ignored; the layout alone waits for an update.
    s.selector.setColumns(0);
    EXPECT_EQ(s.selector.Columns(), 2);
    s.add(QStringLiteral("Wide caption"), 0x00FF00);
    const QSize before = s.selector.PanelSize();
    s.selector.setItemLayout(ilCaptionBottom);
    EXPECT_EQ(s.selector.PanelSize(), before);
    s.selector.UpdateSelectorPanel();
    EXPECT_NE(s.selector.PanelSize(), before);
}

TEST(ItemSelector, SelectingRaisesEvenTheSameIndexButRefusesWhatItCannotShow)
{
    Selector s;
    s.add(QStringLiteral("One"));
    s.add(QStringLiteral("Two"), clNone, false);
    s.add(QStringLiteral("Three"));
    s.selector.setItemIndex(0);
    s.selector.setItemIndex(0);
    EXPECT_EQ(s.events, QStringList({"select 0", "select 0"}));
    s.events.clear();
    // A disabled item and one past the end are refused, without an event.
    s.selector.setItemIndex(1);
    s.selector.setItemIndex(3);
    s.selector.setItemIndex(99);
    EXPECT_EQ(s.selector.ItemIndex(), 0);
    EXPECT_TRUE(s.events.isEmpty());
    // -1 clears silently.
    s.selector.setItemIndex(-1);
    EXPECT_EQ(s.selector.ItemIndex(), -1);
    EXPECT_TRUE(s.events.isEmpty());
    // Next from none is the first, and the last stays the last.
    s.selector.SelectNext();
    EXPECT_EQ(s.selector.ItemIndex(), 0);
    s.selector.SelectLast();
    s.events.clear();
    s.selector.SelectNext();
    EXPECT_TRUE(s.events.isEmpty());
    s.selector.setItemIndex(0);
    s.events.clear();
    s.selector.SelectPrevious();
    EXPECT_TRUE(s.events.isEmpty());
}

TEST(ItemSelector, TypeAheadFindsABoldRedByRE)
{
    Selector s;
    s.add(QStringLiteral("Green"));
    s.add(QStringLiteral("<b>Red</b>"));
    EXPECT_TRUE(s.selector.LookupItem(QStringLiteral("RE")));
    EXPECT_EQ(s.selector.ItemIndex(), 1);
    EXPECT_EQ(s.events, QStringList({"select 1"}));
    EXPECT_FALSE(s.selector.LookupItem(QStringLiteral("BL")));
}

TEST(ItemSelector, SelectedWinsOverHotToTheLastPixel)
{
    Selector s;
    s.selector.setSelectorType(stColor);
    s.add(QStringLiteral("Red"), 0x0000FF);
    s.add(QStringLiteral("Red"), 0x0000FF);
    s.selector.resize(200, 100);
    s.selector.setItemIndex(0);
    s.selector.setItemIndex(1);
    s.selector.Panel()->setItemHot(1);
    const QRect both = s.selector.Panel()->ItemRect(1);
    QImage image = shot(*s.selector.Panel());
    const QImage hotAndSelected = image.copy(both);
    s.selector.Panel()->setItemHot(0);
    image = shot(*s.selector.Panel());
    EXPECT_EQ(image.copy(both), hotAndSelected);
    // The hot item shows the hot face, not the plain background.
    const QRect hot = s.selector.Panel()->ItemRect(0);
    EXPECT_NE(image.copy(hot), hotAndSelected);
    EXPECT_FALSE(near(pixel(image, hot.left() + 2, hot.center().y()), clWhite, 2));
    // An item neither hot nor selected is the panel's colour.
    s.selector.Panel()->setItemHot(-1);
    s.selector.setItemIndex(-1);
    image = shot(*s.selector.Panel());
    EXPECT_EQ(pixel(image, hot.left() + 1, hot.center().y()), clWhite);
    // The colour box: black frame, red inside.
    EXPECT_EQ(pixel(image, hot.left() + 4, hot.top() + 4), clBlack);
    EXPECT_EQ(pixel(image, hot.left() + 8, hot.top() + 8), 0x0000FF);
}

TEST(ItemSelector, MouseChoosesTracksAndLeaves)
{
    Selector s;
    s.add(QStringLiteral("One"));
    s.add(QStringLiteral("Two"), clNone, false);
    s.add(QStringLiteral("Three"));
    TCustomItemSelector &panel = *s.selector.Panel();
    const QPoint third = panel.ItemRect(2).center();
    editortest::moveTo(panel, third);
    EXPECT_EQ(panel.ItemHot(), 2);
    EXPECT_EQ(panel.toolTip(), QStringLiteral("Three hint"));
    editortest::moveTo(panel, panel.ItemRect(1).center());
    EXPECT_EQ(panel.ItemHot(), -1);
    editortest::press(panel, panel.ItemRect(1).center());
    EXPECT_EQ(panel.ItemIndex(), -1);
    editortest::press(panel, third);
    EXPECT_EQ(panel.ItemIndex(), 2);
    editortest::moveTo(panel, third);
    editortest::leave(panel);
    EXPECT_EQ(panel.ItemHot(), -1);
}

TEST(ItemSelector, ScrollsTheChosenItemIntoView)
{
    Selector s;
    for (int i = 0; i < 50; ++i)
        s.add(QStringLiteral("Item %1").arg(i));
    s.selector.resize(150, 100);
    s.selector.show();
    QApplication::processEvents();
    ASSERT_TRUE(s.selector.verticalScrollBar()->isVisible());
    const int row = s.selector.Panel()->ItemRect(0).height();
    EXPECT_EQ(s.selector.GetVisibleItemCount(), s.selector.viewport()->height() / row);
    s.selector.SelectLast();
    const int value = s.selector.verticalScrollBar()->value();
    EXPECT_EQ(value, s.selector.verticalScrollBar()->maximum() - 2);
    s.selector.SelectFirst();
    EXPECT_EQ(s.selector.verticalScrollBar()->value(), 2);
}

} // namespace
