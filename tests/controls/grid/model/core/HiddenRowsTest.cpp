#include "controls/grid/model/core/HiddenRows.h"

#include <QString>
#include <gtest/gtest.h>

#include <vector>

using namespace controls;

namespace {

using Rows = THiddenRows<std::vector<QString>>;

Rows::Item item(int idx, const char *text, THideReason reason = THideReason::Rows)
{
    Rows::Item i;
    i.Idx = idx;
    i.Height = 22;
    i.Reason = reason;
    i.Items = {QString::fromUtf8(text)};
    return i;
}

TEST(HiddenRows, ItemsStaySortedWhateverTheOrderOfHiding)
{
    Rows rows;
    EXPECT_TRUE(rows.add(item(5, "e")));
    EXPECT_TRUE(rows.add(item(3, "c")));
    EXPECT_FALSE(rows.add(item(5, "again")));
    std::vector<Rows::Item> more;
    more.push_back(item(4, "d", THideReason::Filter));
    more.push_back(item(1, "a", THideReason::Filter));
    more.push_back(item(3, "dup"));
    rows.addAll(std::move(more));
    ASSERT_EQ(rows.count(), 4);
    const int expected[] = {1, 3, 4, 5};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(rows.at(i).Idx, expected[i]);
    EXPECT_EQ(rows.find(3)->Items.front(), QStringLiteral("c"));
    EXPECT_EQ(rows.find(4)->Reason, THideReason::Filter);
    EXPECT_EQ(rows.realOf(1), 2);
    EXPECT_EQ(rows.displOf(6), 2);
}

TEST(HiddenRows, TakingAnItemShowsTheRow)
{
    Rows rows;
    rows.add(item(3, "c"));
    rows.add(item(4, "d"));
    Rows::Item out;
    EXPECT_TRUE(rows.take(3, out));
    EXPECT_EQ(out.Items.front(), QStringLiteral("c"));
    EXPECT_FALSE(rows.take(3, out));
    EXPECT_FALSE(rows.isHidden(3));
    EXPECT_TRUE(rows.isHidden(4));
}

TEST(HiddenRows, RowsRemovedAboveLowerTheRealIndexesInsertedRaiseThem)
{
    Rows rows;
    rows.add(item(6, "f"));
    rows.add(item(9, "i"));
    rows.removeRows(2, 2);
    EXPECT_EQ(rows.at(0).Idx, 4);
    EXPECT_EQ(rows.at(1).Idx, 7);
    EXPECT_TRUE(rows.isHidden(4));
    rows.insertRows(5, 1);
    EXPECT_EQ(rows.at(0).Idx, 4);
    EXPECT_EQ(rows.at(1).Idx, 8);
    EXPECT_TRUE(rows.isHidden(8));
    EXPECT_FALSE(rows.isHidden(7));
}

TEST(HiddenRows, TakesOutOnlyWhatAReasonHid)
{
    Rows rows;
    rows.add(item(1, "a", THideReason::Filter));
    rows.add(item(2, "b"));
    rows.add(item(3, "c", THideReason::Filter));
    const auto taken = rows.takeIf([](const Rows::Item &i) { return i.Reason == THideReason::Filter; });
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].Idx, 1);
    EXPECT_EQ(taken[1].Idx, 3);
    EXPECT_EQ(rows.count(), 1);
    EXPECT_TRUE(rows.isHidden(2));
    EXPECT_FALSE(rows.isHidden(3));
}

} // namespace

namespace {

TEST(HiddenRows, RemovedAndMovedShownRowsRenumberTheHiddenOnes)
{
    Rows rows;
    rows.add(item(2, "b"));
    rows.add(item(5, "e"));
    const int removed[] = {0, 3, 4}; // shown rows around the hidden ones
    rows.removeShownRows(removed);
    EXPECT_EQ(rows.at(0).Idx, 1);
    EXPECT_EQ(rows.at(1).Idx, 2);
    EXPECT_EQ(rows.realOf(1), 3);
    rows.moveShownRow(0, 3); // passes both hidden rows
    EXPECT_EQ(rows.at(0).Idx, 0);
    EXPECT_EQ(rows.at(1).Idx, 1);
    EXPECT_TRUE(rows.isHidden(1));
    EXPECT_FALSE(rows.isHidden(2));
}

} // namespace

namespace {

TEST(HiddenRows, AllAtOnceIntoNoneAndAllTakenBack)
{
    Rows rows;
    std::vector<Rows::Item> many;
    many.push_back(item(7, "g", THideReason::Filter));
    many.push_back(item(2, "b", THideReason::Filter));
    many.push_back(item(2, "twice", THideReason::Filter));
    rows.addAll(std::move(many));
    ASSERT_EQ(rows.count(), 2);
    EXPECT_EQ(rows.realOf(2), 3);
    EXPECT_EQ(rows.realOf(5), 6);
    EXPECT_EQ(rows.realOf(6), 8);
    const auto taken = rows.takeIf([](const Rows::Item &) { return true; });
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].Idx, 2);
    EXPECT_EQ(taken[1].Idx, 7);
    EXPECT_TRUE(rows.empty());
    EXPECT_EQ(rows.realOf(5), 5);
}

} // namespace
