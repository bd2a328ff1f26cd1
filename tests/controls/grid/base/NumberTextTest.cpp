#include "controls/grid/base/NumberText.h"

#include "Settings.h"

#include <gtest/gtest.h>

using namespace controls;
using controls::test::english;
using controls::test::european;

namespace {

TEST(CleanNumericText, ReducesDisplayTextsToPlainNumbers)
{
    struct Case {
        const char *text;
        const char *clean;
    };
    const Case european_cases[] = {
        {" (1.234,5) ", "-1234.5"},
        {"", ""},
        {"   ", ""},
        {"\u20AC -12,50", "-12.50"},
        {"12,5 kg", "12.5"},
        {"1e5", "1e5"},
        {"x", ""},
        {"-", "-"},
        {"5-3", "5-3"},
    };
    for (const Case &c : european_cases)
        EXPECT_EQ(CleanNumericText(QString::fromUtf8(c.text), european()), QString::fromUtf8(c.clean)) << c.text;
    EXPECT_EQ(CleanNumericText(QStringLiteral("$1,234.50"), english()), QStringLiteral("1234.50"));
}

TEST(ClassifyNumberText, TellsIntegersDecimalsAndExponents)
{
    struct Case {
        const char *text;
        int kind;
    };
    const Case cases[] = {
        {"12", ntInteger},     {"-12", ntInteger},   {"1.234,56", ntDecimal}, {"1.234.567", ntDecimal},
        {"1.23.4", ntOther},   {"1e5", ntExponent},  {"-1,5e-3", ntExponent}, {"e5", ntOther},
        {"1e", ntOther},       {"1,2,3", ntOther},   {"", ntOther},           {"1-2", ntOther},
        {"--1", ntOther},      {"1E+", ntOther},     {"1.000e5", ntOther},    {"1e5e5", ntOther},
        // No digit, no number: these used to pass as numbers that no
        // conversion could then read.
        {"-", ntOther},        {",", ntOther},       {"-e5", ntOther},        {"1e-", ntOther},
        {"\u00B2", ntOther},   {"12\u00BD", ntOther},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ClassifyNumberText(QString::fromUtf8(c.text), european()), c.kind) << c.text;
}

TEST(ClassifyNumberText, EveryTextItCallsANumberReadsAsOne)
{
    for (const char *text : {"12", "-12", "1.234,56", "1e5", "-1,5e-3", "0,5", "1.000"}) {
        const QString t = QString::fromUtf8(text);
        ASSERT_NE(ClassifyNumberText(t, european()), ntOther) << text;
        EXPECT_TRUE(parsePlainNumber(CleanNumericText(t, european())).has_value()) << text;
    }
}

TEST(NumberText, TheCurrentSettingsAreTheDefault)
{
    const TFormatSettings saved = formatSettings();
    setFormatSettings(european());
    EXPECT_EQ(CleanNumericText(QStringLiteral("1.234,5")), QStringLiteral("1234.5"));
    setFormatSettings(english());
    EXPECT_EQ(CleanNumericText(QStringLiteral("1,234.5")), QStringLiteral("1234.5"));
    setFormatSettings(saved);
}

TEST(ParsePlainNumber, TakesOnlyAWholePlainNumber)
{
    EXPECT_EQ(parsePlainNumber(u"-1234.5"), -1234.5);
    EXPECT_EQ(parsePlainNumber(u"+3"), 3.0);
    EXPECT_EQ(parsePlainNumber(u"1e5"), 1e5);
    for (const char16_t *bad : {u"", u"-", u".", u"1,5", u"inf", u"nan", u"1 ", u"--1", u"1e"})
        EXPECT_FALSE(parsePlainNumber(bad).has_value()) << QString::fromUtf16(bad).toStdString();
}

TEST(ParseWholeInt, RefusesWhatDoesNotFitOrIsNoInteger)
{
    EXPECT_EQ(parseWholeInt(u"-2147483648"), -2147483647 - 1);
    EXPECT_EQ(parseWholeInt(u"+7"), 7);
    for (const char16_t *bad : {u"", u"-", u"2147483648", u"1.0", u" 1", u"99999999999999999999"})
        EXPECT_FALSE(parseWholeInt(bad).has_value()) << QString::fromUtf16(bad).toStdString();
}

TEST(ClampToLimits, LimitsOnlyByPositiveBoundsAndNeverByEqualOnes)
{
    struct Case {
        int value, minimum, maximum, result;
    };
    const Case cases[] = {{5, 10, 10, 5}, {5, 10, 0, 10}, {50, 0, 20, 20}, {50, 30, 20, 20}, {-5, 0, 20, -5}, {7, 1, 9, 7}};
    for (const Case &c : cases)
        EXPECT_EQ(ClampToLimits(c.value, c.minimum, c.maximum), c.result) << c.value << " " << c.minimum << " " << c.maximum;
}

} // namespace

namespace {

TEST(FormatSettings, ComeFromALocale)
{
    const TFormatSettings german = TFormatSettings::fromLocale(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(german.DecimalSeparator, u',');
    EXPECT_EQ(german.ThousandSeparator, u'.');
    EXPECT_EQ(german.DateSeparator, u'.');
    EXPECT_EQ(german.TimeSeparator, u':');
    EXPECT_TRUE(german.ShortDateFormat.startsWith(QStringLiteral("dd.MM.")));
    const TFormatSettings us = TFormatSettings::fromLocale(QLocale(QLocale::English, QLocale::UnitedStates));
    EXPECT_EQ(us.DecimalSeparator, u'.');
    EXPECT_EQ(us.DateSeparator, u'/');
}

} // namespace
