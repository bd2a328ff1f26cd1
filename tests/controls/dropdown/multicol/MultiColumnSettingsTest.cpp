// A new drop-down's settings, its colour styles and Assign.
#include "MultiColumnFixture.h"

#include <gtest/gtest.h>

using namespace multicoltest;
using namespace controls;

namespace {

TEST(MultiColumnSettings, ANewDropDown)
{
    QWidget window;
    auto *d = TExCustomDropDown::create<TExMultiColumnDropDown>(&window);
    EXPECT_EQ(d->LineColor(), 15855083);
    EXPECT_EQ(d->FixedLineColor(), 13745060);
    EXPECT_EQ(d->HeaderColor(), 16777215);
    EXPECT_EQ(d->HeaderColorTo(), 8421504);
    EXPECT_EQ(d->HeaderHeight(), 25);
    EXPECT_EQ(d->DropDownRowHeight(), 22);
    EXPECT_EQ(d->DropDownHeight(), 200);
    EXPECT_EQ(d->DropDownColor(), platform::clWhite);
    EXPECT_EQ(d->SelectionColorStyle(), scOffice2007);
    EXPECT_TRUE(d->DropDownAutoWidth());
    EXPECT_TRUE(d->ColumnSizeWithDropDown());
    EXPECT_EQ(d->LookupColumn(), 0);
    EXPECT_EQ(d->ItemIndex(), -1);
    // The base's style reached this class's override, which set the
    // header font's colour.
    EXPECT_EQ(d->GetComponentStyle(), tsOffice2007Luna);
    EXPECT_EQ(d->HeaderFont().Color(), 7485192);
    ASSERT_NE(d->ColGrid(), nullptr);
    EXPECT_EQ(d->ColGrid()->parentWidget(), d->DropDownForm());
}

TEST(MultiColumnSettings, ComponentStyleThenOwnLines)
{
    QWidget window;
    auto *d = TExCustomDropDown::create<TExMultiColumnDropDown>(&window);
    d->SetComponentStyle(tsOffice2003Blue);
    EXPECT_EQ(d->HeaderColor(), 14059353);
    EXPECT_EQ(d->HeaderColorTo(), 9648131);
    EXPECT_EQ(d->HeaderFont().Color(), 16777215);
    EXPECT_EQ(d->LineColor(), 9841920);
    EXPECT_EQ(d->FixedLineColor(), 9841920);
    // The base's popup colours came first.
    EXPECT_EQ(d->DropDownColor(), 0xFFFFFF);

    d->SetComponentStyle(tsWindowsXP);
    EXPECT_EQ(d->SelectionColorStyle(), scCustom);
    EXPECT_EQ(d->SelectionColor(), platform::clHighlight);
    EXPECT_EQ(d->SelectionTextColor(), platform::clHighlightText);
    EXPECT_EQ(d->LineColor(), 12632256);
    EXPECT_EQ(d->FixedLineColor(), 0);

    d->SetComponentStyle(tsOffice2010Black);
    EXPECT_EQ(d->HeaderColorTo(), platform::clNone);
    EXPECT_EQ(d->SelectionColorTo(), 7131391);
    EXPECT_EQ(d->SelectionTextColor(), 0);

    d->setLineColor(1);
    d->SetComponentStyle(tsCustom);
    EXPECT_EQ(d->LineColor(), 1);
}

TEST(MultiColumnSettings, SelectionStyleBringsItsLines)
{
    QWidget window;
    auto *d = TExCustomDropDown::create<TExMultiColumnDropDown>(&window);
    d->setSelectionColorStyle(scWindows7);
    EXPECT_EQ(d->LineColor(), 15527152);
    EXPECT_EQ(d->FixedLineColor(), 13947601);
    d->setLineColor(5);
    d->setSelectionColorStyle(scCustom);
    EXPECT_EQ(d->LineColor(), 5);
}

TEST(MultiColumnSettings, AssignCopiesItemsColumnsAndTheChoiceNotTheText)
{
    MultiColumnWindow w;
    w.dropDown->setItemIndex(2);
    w.dropDown->Items()[2].setImageIndex(4);
    w.dropDown->setHeaderHeight(30);
    w.dropDown->setCaseSensitive(true);
    auto *copy = TExCustomDropDown::create<TExMultiColumnDropDown>(&w.window);
    copy->Assign(w.dropDown);
    EXPECT_EQ(copy->Items().Count(), 3);
    EXPECT_EQ(copy->Items()[2].Text(), QStringList({"Bravo", "third"}));
    EXPECT_EQ(copy->Items()[2].ImageIndex(), 4);
    EXPECT_EQ(copy->Columns().Count(), 2);
    EXPECT_EQ(copy->Columns()[1].Header(), "Order");
    EXPECT_EQ(copy->HeaderHeight(), 30);
    EXPECT_TRUE(copy->CaseSensitive());
    EXPECT_EQ(copy->ItemIndex(), 2);
    EXPECT_EQ(copy->Text(), "");
}

} // namespace
