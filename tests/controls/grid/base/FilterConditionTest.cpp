#include "controls/grid/base/FilterCondition.h"

#include "Settings.h"

#include <gtest/gtest.h>

using namespace controls;
using controls::test::english;
using controls::test::european;

namespace {

TEST(FilterCondition, MatchesValuesAsTheConditionSays)
{
    struct Case {
        const char *condition;
        const char *value;
        bool caseSensitive;
        bool european;
        bool match;
    };
    const Case cases[] = {
        {">10&<20", "15", true, false, true},
        {">10&<20", "20", true, false, false},
        {">10&<20", "9", true, false, false},
        {">=10", "10", true, false, true},
        {"<=10", "10.5", true, false, false},
        {">abc", "abd", true, false, true},
        {">abc", "abb", true, false, false},
        {"> 5", "6", true, false, true},
        {"a*|b*", "apple", true, false, true},
        {"a*|b*", "banana", true, false, true},
        {"a*|b*", "cherry", true, false, false},
        {"a*;b*", "banana", true, false, true},
        {"a*^b*", "banana", true, false, true},
        {"!a*", "apple", true, false, false},
        {"!a*", "pear", true, false, true},
        {"\"a b\"", "a b", true, false, true},
        {"a b", "ab", true, false, true},
        {"\"a|b\"", "a|b", true, false, true},
        {"=abc", "abc", true, false, true},
        {"=abc", "ABC", false, false, true},
        {"=abc", "ABC", true, false, false},
        {"(a*|b*)&*e", "apple", true, false, true},
        {"(a*|b*)&*e", "banana", true, false, false},
        {"(a*|b*)", "banana", true, false, true},
        {"x*|(a*&*e)", "apple", true, false, true},
        {"((a*))", "apple", true, false, true},
        {"(a*)(*e)", "apple", true, false, true},
        {"(a*)(*x)", "apple", true, false, false},
        {"a?c", "abc", true, false, true},
        {"a?c", "ac", true, false, false},
        {"a**c", "abbbc", true, false, true},
        {"*", "", true, false, true},
        {"", "", true, false, true},
        {"", "x", true, false, false},
        {"a|", "a", true, false, true},
        {">1,5", "2", true, true, true},
        {">1,5", "1,2", true, true, false},
        {">1.000", "1.500", true, true, true},
        {">1.1.2020", "2.1.2020", true, true, true},
        {">1.1.2020", "31.12.2019", true, true, false},
        {"<01/02/2020", "12/31/2019", true, false, true},
        {"<ä*", "Ö", false, false, false},
        {"*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaa", true, false, false},
        {"*a*a*a*a*a*b", "aaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaaab", true, false, true},
        {"(((", "x", true, false, false},
        {")))", ")))", true, false, true},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MatchFilterCondition(QString::fromUtf8(c.condition), QString::fromUtf8(c.value), c.caseSensitive,
                                       c.european ? european() : english()),
                  c.match)
            << c.condition << " on " << c.value;
}

TEST(FilterCondition, DeepGroupsNeitherCrashNorMatch)
{
    const QString deep = QString(100000, u'(') + u'x' + QString(100000, u')');
    EXPECT_FALSE(MatchFilterCondition(deep, QStringLiteral("x"), true, english()));
    const QString shallow = QString(10, u'(') + u'x' + QString(10, u')');
    EXPECT_TRUE(MatchFilterCondition(shallow, QStringLiteral("x"), true, english()));
}

TEST(FilterCondition, HelpersOfTheConditionText)
{
    EXPECT_EQ(RemoveUnquotedSpaces(QStringLiteral(R"(a b "c d" e)")), QStringLiteral(R"(ab"c d"e)"));
    EXPECT_EQ(FindClosingParen(u"(a(b)c)d"), 7);
    EXPECT_EQ(FindClosingParen(u"(a(b"), 0);
    EXPECT_EQ(FindClosingParen(u"x"), 0);
}

} // namespace
