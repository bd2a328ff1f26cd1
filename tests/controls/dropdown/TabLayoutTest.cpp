#include "controls/dropdown/TabLayout.h"

#include <gtest/gtest.h>

using namespace controls;

TEST(TabLayout, SideTabsStackFromTheTopAtTheirOwnLength)
{
    TabLayoutInput in;
    in.position = TTabPosition::tpLeft;
    in.control = QSize(400, 300);
    in.lengths = {60, 90};
    in.thickness = 20;
    in.selected = 1;
    EXPECT_EQ(layoutTabs(in), (std::vector<QRect>{QRect(2, 2, 20, 60), QRect(2, 62, 20, 90)}));
    in.position = TTabPosition::tpRight;
    EXPECT_EQ(layoutTabs(in), (std::vector<QRect>{QRect(378, 2, 20, 60), QRect(378, 62, 20, 90)}));
    in.fixedLength = 100;
    EXPECT_EQ(layoutTabs(in), (std::vector<QRect>{QRect(378, 2, 20, 100), QRect(378, 102, 20, 100)})) << "TabWidth";
}

TEST(TabLayout, RowsWrapStretchAndBringTheSelectedRowToTheSheet)
{
    const struct {
        const char *name;
        TTabPosition position;
        bool multiLine;
        bool ragged;
        int selected;
        std::vector<QRect> expected;
    } cases[] = {
        // Room is 200 - 4: tabs of 80, 80, 80, 50 make rows {0, 1} and {2, 3}.
        {"one row when not multi-line", TTabPosition::tpTop, false, false, 0,
         {{2, 2, 80, 20}, {82, 2, 80, 20}, {162, 2, 80, 20}, {242, 2, 50, 20}}},
        {"selected in the last row", TTabPosition::tpTop, true, false, 3,
         {{2, 2, 98, 20}, {100, 2, 98, 20}, {2, 22, 113, 20}, {115, 22, 83, 20}}},
        {"selected in the first row", TTabPosition::tpTop, true, false, 0,
         {{2, 22, 98, 20}, {100, 22, 98, 20}, {2, 2, 113, 20}, {115, 2, 83, 20}}},
        {"ragged rows keep their lengths", TTabPosition::tpTop, true, true, 3,
         {{2, 2, 80, 20}, {82, 2, 80, 20}, {2, 22, 80, 20}, {82, 22, 50, 20}}},
        {"rows at the bottom grow upward", TTabPosition::tpBottom, true, true, 3,
         {{2, 158, 80, 20}, {82, 158, 80, 20}, {2, 138, 80, 20}, {82, 138, 50, 20}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        TabLayoutInput in;
        in.position = c.position;
        in.control = QSize(200, 180);
        in.lengths = {80, 80, 80, 50};
        in.thickness = 20;
        in.multiLine = c.multiLine;
        in.raggedRight = c.ragged;
        in.selected = c.selected;
        EXPECT_EQ(layoutTabs(in), c.expected);
    }
}

TEST(TabLayout, HitTestingFindsTheTabUnderAPoint)
{
    const std::vector<QRect> tabs{{2, 2, 20, 60}, {2, 62, 20, 90}};
    EXPECT_EQ(tabAt(tabs, {10, 2}), 0);
    EXPECT_EQ(tabAt(tabs, {21, 61}), 0);
    EXPECT_EQ(tabAt(tabs, {10, 62}), 1);
    EXPECT_EQ(tabAt(tabs, {22, 70}), -1);
    EXPECT_EQ(tabAt(tabs, {10, 152}), -1);
    EXPECT_EQ(tabAt({}, {10, 10}), -1);
}
