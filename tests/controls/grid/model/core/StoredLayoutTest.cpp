#include "controls/grid/model/core/StoredLayout.h"

#include <gtest/gtest.h>

using namespace controls;

TEST(StoredLayout, ColumnStatesRoundTrip)
{
    TColumnStates s;
    s.count = 3;
    s.widths = {64, 64, 64};
    s.visible = {true, true, true};
    EXPECT_EQ(columnStatesToString(s), QStringLiteral("3#64,64,64#0,1,2#1,1,1"));
    const auto back = readColumnStates(QStringLiteral("4#10,20,30,40#2,0,3,1#1,0,1,1"));
    const auto *states = std::get_if<TColumnStates>(&back);
    ASSERT_TRUE(states);
    EXPECT_EQ(states->widths, (std::vector<int>{10, 20, 30, 40}));
    EXPECT_EQ(states->order, (std::vector<int>{2, 0, 3, 1}));
    EXPECT_EQ(states->visible, (std::vector<bool>{true, false, true, true}));
    EXPECT_EQ(columnStatesToString(*states), QStringLiteral("4#10,20,30,40#2,0,3,1#1,0,1,1"));
}

TEST(StoredLayout, DamagedColumnStatesAreRefusedWhole)
{
    struct Case {
        const char *name;
        QString text;
    } cases[] = {
        {"too few widths", "3#64,64#0,1,2#1,1,1"},
        {"too many flags", "3#64,64,64#0,1,2#1,1,1,1"},
        {"order repeats a column", "3#64,64,64#0,0,1#1,1,1"},
        {"order names a missing column", "3#64,64,64#0,1,3#1,1,1"},
        {"order too short", "3#64,64,64#0,1#1,1,1"},
        {"flag that is no flag", "3#64,64,64#0,1,2#1,2,1"},
        {"width that is no number", "3#64,x,64#0,1,2#1,1,1"},
        {"negative width", "3#64,-5,64#0,1,2#1,1,1"},
        {"count that is no number", "three#64,64,64#0,1,2#1,1,1"},
        {"no columns", "0###"},
        {"absurd count", "99999999#1#0#1"},
        {"parts missing", "3#64,64,64"},
        {"parts too many", "3#64,64,64#0,1,2#1,1,1#"},
        {"blank inside a number", "3#64, 64,64#0,1,2#1,1,1"},
    };
    for (const Case &c : cases)
        EXPECT_TRUE(std::holds_alternative<TLayoutFault>(readColumnStates(c.text))) << c.name;
    EXPECT_TRUE(std::holds_alternative<std::monostate>(readColumnStates(QStringLiteral("no layout"))));
    const auto fault = std::get<TLayoutFault>(readColumnStates(QStringLiteral("3#64,x,64#0,1,2#1,1,1")));
    EXPECT_EQ(fault.message, QStringLiteral("'x' is not a valid integer value"));
}

TEST(StoredLayout, StoredOrdersMustBeWholePermutations)
{
    using V = std::vector<std::optional<QString>>;
    EXPECT_EQ(std::get<std::vector<int>>(readStoredOrder(V{"1", "2", "0"}, 3)), (std::vector<int>{1, 2, 0}));
    EXPECT_TRUE(std::holds_alternative<TLayoutFault>(readStoredOrder(V{"1", std::nullopt, "0"}, 3)));
    EXPECT_TRUE(std::holds_alternative<TLayoutFault>(readStoredOrder(V{"1", "1", "0"}, 3)));
    EXPECT_TRUE(std::holds_alternative<TLayoutFault>(readStoredOrder(V{"1", "x", "0"}, 3)));
    EXPECT_EQ(inversePermutation({2, 0, 1}), (std::vector<int>{1, 2, 0}));
}
