#include "controls/grid/base/IntList.h"

#include <gtest/gtest.h>

#include <vector>

using namespace controls;

namespace {

struct Recorder {
    std::vector<std::pair<int, int>> calls;
    void attach(TIntList &list)
    {
        list.OnChange = [this, &list](TIntList *sender, int col, int row) {
            EXPECT_EQ(sender, &list);
            calls.emplace_back(col, row);
        };
    }
};

std::vector<int> itemsOf(const TIntList &list)
{
    std::vector<int> items;
    for (int i = 0; i < list.Count(); ++i)
        items.push_back(list[i]);
    return items;
}

TEST(IntList, ReportsAddDeleteAndWritesWithItsCell)
{
    TIntList list(3, 7);
    Recorder recorder;
    recorder.attach(list);
    list.Add(5);
    list.Add(6);
    list.Insert(0, 4);
    list.SetInteger(1, 50);
    list.Delete(2);
    list.DeleteValue(99);
    list.DeleteValue(4);
    EXPECT_EQ(itemsOf(list), std::vector<int>{50});
    EXPECT_EQ(recorder.calls.size(), 5u);
    EXPECT_EQ(recorder.calls.front(), std::make_pair(3, 7));
}

TEST(IntList, IndexesOutsideTheListAreHarmless)
{
    TIntList list;
    Recorder recorder;
    recorder.attach(list);
    list.Add(1);
    EXPECT_EQ(list.Items(-1), 0);
    EXPECT_EQ(list.Items(1), 0);
    list.SetInteger(1, 9);
    list.Delete(-1);
    list.Insert(5, 9);
    EXPECT_EQ(itemsOf(list), std::vector<int>{1});
    EXPECT_EQ(recorder.calls.size(), 1u);
}

TEST(IntList, TextFormRoundTripsAndStopsAtTheFirstNonInteger)
{
    TIntList list;
    for (const int v : {3, 10, -1})
        list.Add(v);
    EXPECT_EQ(list.StrValue(), QStringLiteral("3,10,-1"));
    EXPECT_EQ(TIntList().StrValue(), QString());

    Recorder recorder;
    recorder.attach(list);
    EXPECT_TRUE(list.setStrValue(QStringLiteral("1, 2")).ok);
    EXPECT_EQ(itemsOf(list), (std::vector<int>{1, 2}));
    EXPECT_EQ(recorder.calls.size(), 2u);

    struct Case {
        const char *text;
        std::vector<int> items;
        bool ok;
    };
    const Case cases[] = {
        {"", {}, true},
        {"7 8\t9", {7, 8, 9}, true},
        {"\"12\",13", {12, 13}, true},
        {"1,x,3", {1}, false},
        {"1,,3", {1}, false},
        {"1,", {1}, false},
        {"99999999999", {}, false},
    };
    for (const Case &c : cases) {
        const TIntListTextResult result = list.setStrValue(QString::fromUtf8(c.text));
        EXPECT_EQ(result.ok, c.ok) << c.text;
        EXPECT_EQ(result.message.isEmpty(), c.ok) << c.text;
        EXPECT_EQ(itemsOf(list), c.items) << c.text;
    }
}

TEST(SortIndexList, KeepsColumnsWithTheirDirections)
{
    TSortIndexList list;
    Recorder recorder;
    recorder.attach(list);
    list.AddIndex(2, true);
    list.AddIndex(5, false);
    EXPECT_EQ(list.SaveToString(), QStringLiteral("u2;d5"));
    EXPECT_EQ(list.FindIndex(5), 1);
    EXPECT_EQ(list.FindIndex(9), -1);
    EXPECT_EQ(list.SortColumns(1), 5);
    EXPECT_FALSE(list.SortDirections(1));

    list.ToggleIndex(5);
    EXPECT_TRUE(list.SortDirections(1));
    list.setSortDirections(0, false);
    list.setSortColumns(0, 7);
    EXPECT_EQ(list.SaveToString(), QStringLiteral("d7;u5"));
    list.ToggleIndex(9);
    EXPECT_EQ(recorder.calls.size(), 5u);

    list.AddIndex(65536 + 3, true);
    EXPECT_EQ(list.SaveToString(), QStringLiteral("d7;u5;u3"));
}

TEST(SortIndexList, LoadsStoredTextSkippingWhatItCannotUse)
{
    struct Case {
        const char *text;
        const char *saved;
    };
    const Case cases[] = {
        {"u2;d5", "u2;d5"},
        {"U2", "d2"},
        {";;x;u7", "u7"},
        {"u70000;d65535;u-1;ux;u3", "d65535;u3"},
        {"", ""},
        {"u1;", "u1"},
    };
    TSortIndexList list;
    list.AddIndex(1, true);
    for (const Case &c : cases) {
        list.LoadFromString(QString::fromUtf8(c.text));
        EXPECT_EQ(list.SaveToString(), QString::fromUtf8(c.saved)) << c.text;
    }
}

} // namespace
