#include "controls/grid/model/core/FilterMatch.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TFilterData item(const char *condition, TFilterOperation op = foSHORT)
{
    TFilterData d;
    d.Condition = QString::fromUtf8(condition);
    d.Operation = op;
    return d;
}

TEST(FilterMatch, OneConditionOnItsText)
{
    struct Case {
        TFilterData item;
        const char *text;
        bool match;
    };
    TFilterData literal = item("a*");
    literal.Method = fmLiteral;
    TFilterData affixed = item(">10");
    affixed.Prefix = QStringLiteral("$");
    affixed.Suffix = QStringLiteral(" kWh");
    TFilterData row = item("bc");
    row.Data = fcRow;
    TFilterData noCase = item("ab*");
    noCase.CaseSensitive = false;
    const Case cases[] = {
        {item(""), "anything", true},
        {item("ab*"), "  abc ", true}, // trimmed first
        {item("ab*"), "ABC", false},
        {noCase, "ABC", true},
        {literal, "a*", true},
        {literal, "abc", false},
        {affixed, "$12 kWh", true},
        {affixed, "$9 kWh", false},
        {row, "A\nxBCx", true}, // the whole row, without regard to case
        {item(">5&<10"), "7", true},
        {item(">5&<10"), "12", false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(matchFilterItem(c.item, QString::fromUtf8(c.text)), c.match)
            << c.item.Condition.toStdString() << " on " << c.text;
}

TEST(FilterMatch, ConditionsJoinByTheirOperation)
{
    // Each case: two conditions on the texts "a" (column 0) and "b"
    // (column 1); the second's operation decides.
    struct Case {
        const char *first;
        TFilterOperation firstOp;
        const char *second;
        TFilterOperation op;
        bool match;
    };
    const Case cases[] = {
        {"a", foNONE, "b", foAND, true},  {"a", foNONE, "x", foAND, false}, {"x", foNONE, "b", foOR, true},
        {"a", foNONE, "b", foXOR, false}, {"x", foNONE, "b", foXOR, true},  {"x", foNONE, "b", foNONE, true},
        {"x", foSHORT, "b", foOR, false}, // a failing short condition ends the test
    };
    for (const Case &c : cases) {
        TFilterData a = item(c.first, c.firstOp);
        a.Column = 0;
        TFilterData b = item(c.second, c.op);
        b.Column = 1;
        int asked = 0;
        const bool m = matchFilterRow({a, b}, [&](const TFilterData &d) {
            ++asked;
            return d.Column == 0 ? QStringLiteral("a") : QStringLiteral("b");
        });
        EXPECT_EQ(m, c.match) << c.first << " " << c.second << " op " << int(c.op);
        if (c.firstOp == foSHORT) {
            EXPECT_EQ(asked, 1);
        }
    }
}

TEST(FilterMatch, ATextThatCannotBeHadFailsItsCondition)
{
    TFilterData a = item("*", foNONE);
    EXPECT_FALSE(matchFilterRow({a}, [](const TFilterData &) -> QString { throw std::runtime_error("gone"); }));
}

TEST(FilterMatch, ColumnsBeyondSixteenBitsStayTheirColumn)
{
    TFilterData a = item("x", foNONE);
    a.Column = 70000;
    EXPECT_TRUE(matchFilterRow({a}, [](const TFilterData &d) {
        return d.Column == 70000 ? QStringLiteral("x") : QStringLiteral("y");
    }));
}

TEST(FilterMatch, NarrowingConditions)
{
    const TFilterData row = narrowDownItem(QStringLiteral("ab"), -1, true);
    EXPECT_EQ(row.Data, fcRow);
    EXPECT_EQ(row.Condition, QStringLiteral("ab"));
    const TFilterData column = narrowDownItem(QStringLiteral("a b"), 2, true);
    EXPECT_EQ(column.Data, fcNormal);
    EXPECT_EQ(column.Condition, QStringLiteral("\"*a b*\""));
    EXPECT_FALSE(column.CaseSensitive);
    EXPECT_TRUE(matchFilterItem(column, QStringLiteral("xA By")));
    EXPECT_EQ(narrowDownItem(QStringLiteral("a b"), 2, false).Condition, QStringLiteral("*a b*"));
}

} // namespace
