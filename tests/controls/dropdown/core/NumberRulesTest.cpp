#include "controls/dropdown/core/NumberRules.h"

#include "EditLocales.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace controls;
using namespace controls::test;

namespace {

class BothLocales : public ::testing::TestWithParam<TFormatSettings> {
protected:
    const TFormatSettings &fs() const { return GetParam(); }
    QString loc(const char *text) const { return localized(QString::fromUtf8(text), fs()); }
};

INSTANTIATE_TEST_SUITE_P(Locales, BothLocales, ::testing::Values(pointLocale(), commaLocale()),
                         [](const auto &info) { return info.param.DecimalSeparator == u'.' ? "point" : "comma"; });

TEST_P(BothLocales, ClassifiesNumberTexts)
{
    struct Case {
        const char *text;
        int kind;
    };
    const Case cases[] = {
        {"", entOther},      {"12", entInteger},  {"1.5", entDecimal}, {"1A", entHex},
        {"--1", entOther},   {"1.2.3", entOther}, {"-12", entInteger}, {"1,234.5", entDecimal},
        {",234", entOther},  {"abc", entHex},     {"-1F", entHex},     {"1x", entOther},
        // A sign counts only in front.
        {"1-2", entOther},   {"12-", entOther},   {"1F-", entOther},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ClassifyEditNumberText(loc(c.text), fs()), c.kind) << c.text;
}

TEST(HexTextToInt, IsSignedSixtyFourBit)
{
    EXPECT_EQ(HexTextToInt("1F"), 31);
    EXPECT_EQ(HexTextToInt("-1F"), -31);
    EXPECT_EQ(HexTextToInt("ff"), 255);
    EXPECT_EQ(HexTextToInt("100000000"), 0x100000000LL);
    EXPECT_EQ(HexTextToInt("7FFFFFFFFFFFFFFF"), std::numeric_limits<std::int64_t>::max());
    EXPECT_EQ(HexTextToInt("FFFFFFFFFFFFFFFF"), -1);
    EXPECT_EQ(HexTextToInt(""), 0);
    EXPECT_EQ(HexDigitValue(u'g'), 0);
}

TEST_P(BothLocales, ReadsNumbersInTheLocaleAndZeroForTheRest)
{
    EXPECT_DOUBLE_EQ(TextToFloat(loc("1,234.5"), fs()), 1234.5);
    EXPECT_DOUBLE_EQ(TextToFloat(loc("-0.25"), fs()), -0.25);
    EXPECT_DOUBLE_EQ(TextToFloat("abc", fs()), 0);
    EXPECT_DOUBLE_EQ(TextToFloat("1e999", fs()), 0);
    EXPECT_DOUBLE_EQ(TextToFloat("nan", fs()), 0);
    EXPECT_DOUBLE_EQ(TextToFloat("inf", fs()), 0);
}

TEST_P(BothLocales, SetFloatValueFormatsByTypeAndPrecision)
{
    struct Case {
        TDropDownEditType type;
        int precision;
        double value;
        const char *shown;
    };
    const Case cases[] = {
        // "%g" keeps 15 significant digits.
        {etFloat, -1, 3.14159265358979, "3.14159265358979"},
        {etFloat, -1, 1.0 / 3.0, "0.333333333333333"},
        {etFloat, -1, 1e20, "1E+20"},
        {etString, -1, 2.5, "2.5"},
        {etFloat, 2, 3.14159, "3.14"},
        {etFloat, 0, 7.6, "8"},
        {etNumeric, 0, 1234567, "1,234,567"},
        {etNumeric, 2, 1234.5, "1,234.50"},
        {etMoney, 2, 1234.5, "1,234.50"},
        {etMoney, -1, 1234567.25, "1,234,567.25"},
        {etMoney, -1, -1e20, "-100,000,000,000,000,000,000"},
        {etHex, 0, 255.9, "FF"},
        {etHex, 0, -31, "-1F"},
    };
    for (const Case &c : cases) {
        TEditTypeSettings settings;
        settings.EditType = c.type;
        settings.Precision = c.precision;
        EXPECT_EQ(FloatValueText(c.value, settings, fs()), loc(c.shown)) << c.shown;
    }
}

TEST_P(BothLocales, SetFloatValueRefusesWhatNoTextHolds)
{
    TEditTypeSettings settings;
    for (TDropDownEditType type : {etFloat, etMoney, etNumeric, etHex, etString}) {
        settings.EditType = type;
        EXPECT_FALSE(FloatValueText(std::nan(""), settings, fs())) << int(type);
        EXPECT_FALSE(FloatValueText(INFINITY, settings, fs())) << int(type);
        EXPECT_FALSE(FloatValueText(-INFINITY, settings, fs())) << int(type);
    }
    settings.EditType = etHex;
    EXPECT_FALSE(FloatValueText(1e19, settings, fs()));
    EXPECT_FALSE(FloatValueText(-1e19, settings, fs()));
    EXPECT_EQ(FloatValueText(-9223372036854775808.0, settings, fs()), "-8000000000000000");
    settings.EditType = etUppercase;
    EXPECT_FALSE(FloatValueText(1, settings, fs()));
}

TEST_P(BothLocales, GetFloatValueReadsEachType)
{
    struct Case {
        TDropDownEditType type;
        const char *value;
        double number;
    };
    const Case cases[] = {
        {etFloat, "3.25", 3.25}, {etFloat, "-", 0},          {etFloat, "Error", 0}, {etNumeric, "1,234", 1234},
        {etMoney, "1,234.", 1234}, {etMoney, "-1,234.50", -1234.5}, {etMoney, "-", 0},
        {etHex, "-1F", -31},     {etHex, "", 0},             {etAlphaNumeric, "12", 0},
    };
    for (const Case &c : cases) {
        TEditTypeSettings settings;
        settings.EditType = c.type;
        EXPECT_DOUBLE_EQ(FloatValueOf(loc(c.value), settings, fs()), c.number) << c.value;
    }
    // A plain string reads the point whatever the locale.
    TEditTypeSettings plain;
    EXPECT_DOUBLE_EQ(FloatValueOf("2.5", plain, fs()), 2.5);
}

TEST_P(BothLocales, MoneyRegroupsTheTextsOwnDigits)
{
    TEditTypeSettings settings;
    settings.EditType = etMoney;
    struct Case {
        const char *value;
        int caret;
        const char *shown;
        int newCaret;
    };
    const Case cases[] = {
        {"12345", 5, "12,345", 6},
        {"1,2345", 6, "12,345", 6},
        {"-1234.5", 7, "-1,234.5", 8},
        // Beyond what a double holds exactly the digits stay the typed ones.
        {"12345678901234567890", 20, "12,345,678,901,234,567,890", 26},
        {"0012", 4, "12", 2},
        {".5", 2, "0.5", 3},
    };
    for (const Case &c : cases) {
        const QString value = loc(c.value);
        const TEditState formatted = FormatMoneyText({value, c.caret, c.caret, 0}, settings, fs());
        EXPECT_EQ(formatted.value, loc(c.shown)) << c.value;
        EXPECT_EQ(formatted.caret, c.newCaret) << c.value;
    }
    settings.AutoThousandSeparator = false;
    EXPECT_EQ(FormatMoneyText({loc("1,234.5"), 0, 0, 0}, settings, fs()).value, loc("1234.5"));
    EXPECT_EQ(FormatMoneyText({"", 0, 0, 0}, settings, fs()).value, "");
}

TEST_P(BothLocales, TextWriteNormalizesNumbers)
{
    TEditTypeSettings settings;
    settings.EditType = etNumeric;
    EXPECT_EQ(NormalizeTextValue("", settings, fs()), "0");
    settings.EditType = etMoney;
    settings.Precision = 2;
    EXPECT_EQ(NormalizeTextValue(loc("1234.5"), settings, fs()), loc("1,234.50"));
    settings.EditType = etFloat;
    EXPECT_EQ(NormalizeTextValue(loc("7"), settings, fs()), loc("7.00"));
    EXPECT_EQ(NormalizeTextValue("Error", settings, fs()), "Error");
    settings.EditType = etHex;
    EXPECT_EQ(NormalizeTextValue("ff", settings, fs()), "FF");
    settings.EditType = etString;
    EXPECT_EQ(NormalizeTextValue("", settings, fs()), "");
}

TEST_P(BothLocales, IntValueByType)
{
    TEditTypeSettings settings;
    settings.EditType = etMoney;
    EXPECT_EQ(IntValueText(1234567, settings, fs()), loc("1,234,567"));
    settings.EditType = etHex;
    EXPECT_EQ(IntValueText(-31, settings, fs()), "-1F");
    settings.EditType = etFloat;
    EXPECT_EQ(IntValueText(-5, settings, fs()), "-5");
    settings.EditType = etRange;
    EXPECT_FALSE(IntValueText(5, settings, fs()));
}

} // namespace
