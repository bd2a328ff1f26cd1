#include "controls/grid/model/core/SortSpecifier.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(SortSpecifier, ReadsEveryForm)
{
    EXPECT_TRUE(std::holds_alternative<TSortSpecifierNone>(parseSortSpecifier(QString())));
    EXPECT_TRUE(std::holds_alternative<TSortSpecifierTooShort>(parseSortSpecifier(QStringLiteral("d"))));

    struct Case {
        const char *text;
        bool ascending;
        std::optional<int> column;
    };
    const Case cases[] = {{"d2", false, 2}, {"u3", true, 3}, {"u12", true, 12}, {"ux", true, std::nullopt},
                          {"d-1", false, std::nullopt}, {"d99999999999", false, std::nullopt}};
    for (const Case &c : cases) {
        const TSortSpecifier s = parseSortSpecifier(QString::fromUtf8(c.text));
        ASSERT_TRUE(std::holds_alternative<TSortSpecifierColumn>(s)) << c.text;
        EXPECT_EQ(std::get<TSortSpecifierColumn>(s).Ascending, c.ascending) << c.text;
        EXPECT_EQ(std::get<TSortSpecifierColumn>(s).Column, c.column) << c.text;
    }

    const TSortSpecifier indexed = parseSortSpecifier(QStringLiteral("i;u1;d4"));
    ASSERT_TRUE(std::holds_alternative<TSortSpecifierIndexed>(indexed));
    const TSortIndexList &list = std::get<TSortSpecifierIndexed>(indexed).Indexes;
    ASSERT_EQ(list.Count(), 2);
    EXPECT_EQ(list.SortColumns(0), 1);
    EXPECT_TRUE(list.SortDirections(0));
    EXPECT_EQ(list.SortColumns(1), 4);
    EXPECT_FALSE(list.SortDirections(1));
    // "i;" alone names no index: sorting by it is the second error.
    const TSortSpecifier empty = parseSortSpecifier(QStringLiteral("i;"));
    ASSERT_TRUE(std::holds_alternative<TSortSpecifierIndexed>(empty));
    EXPECT_EQ(std::get<TSortSpecifierIndexed>(empty).Indexes.Count(), 0);
}

TEST(SortSpecifier, WritesAndReadsBack)
{
    EXPECT_EQ(sortSpecifierText(2, false), QStringLiteral("d2"));
    EXPECT_EQ(sortSpecifierText(3, true), QStringLiteral("u3"));
    TSortIndexList list;
    list.AddIndex(1, true);
    list.AddIndex(4, false);
    EXPECT_EQ(sortSpecifierText(list), QStringLiteral("i;u1;d4"));
    EXPECT_EQ(invalidSortSpecifierMessage(), QStringLiteral("Invalid sort settings specifier"));
    EXPECT_EQ(noSortIndexesMessage(), QStringLiteral("No indexes specified for indexed sort"));
}

} // namespace
