#include "controls/dropdown/core/TypedInput.h"

#include "EditLocales.h"

#include <gtest/gtest.h>

using namespace controls;
using namespace controls::test;

namespace {

class TypedInput : public ::testing::TestWithParam<TFormatSettings> {
protected:
    const TFormatSettings &fs() const { return GetParam(); }
    QString loc(const char *text) const { return localized(QString::fromUtf8(text), fs()); }
    QChar point() const { return fs().DecimalSeparator; }

    static TEditTypeSettings type(TDropDownEditType editType, int precision = 0, bool isSigned = false)
    {
        TEditTypeSettings settings;
        settings.EditType = editType;
        settings.Precision = precision;
        settings.Signed = isSigned;
        return settings;
    }
    static TEditState at(const QString &value, int caret) { return {value, caret, caret, 0}; }
    static TEditState selected(const QString &value, int start, int length)
    {
        return {value, start + length, start, length};
    }

    // The value after typing the characters one by one from an empty
    // value; "!" where one was refused.
    QString typeAll(const TEditTypeSettings &settings, const QString &keys, TEditState state = {}) const
    {
        for (QChar c : keys) {
            const TTypedResult r = TypeCharacter(settings, state, {c}, fs());
            if (r.verdict == TTypedVerdict::Refuse)
                return state.value + u'!';
            if (r.verdict == TTypedVerdict::Apply)
                state = r.state;
        }
        return state.value;
    }
};

INSTANTIATE_TEST_SUITE_P(Locales, TypedInput, ::testing::Values(pointLocale(), commaLocale()),
                         [](const auto &info) { return info.param.DecimalSeparator == u'.' ? "point" : "comma"; });

TEST_P(TypedInput, FloatKeepsItsDecimals)
{
    const TEditTypeSettings settings = type(etFloat, 2);
    const QString pi = loc("3.14");
    EXPECT_EQ(TypeCharacter(settings, at(pi, 4), {u'5'}, fs()).verdict, TTypedVerdict::Refuse);
    const TTypedResult replaced = TypeCharacter(settings, at(pi, 2), {u'5'}, fs());
    ASSERT_EQ(replaced.verdict, TTypedVerdict::Apply);
    EXPECT_EQ(replaced.state, at(loc("3.54"), 3));
    const TTypedResult last = TypeCharacter(settings, at(pi, 3), {u'5'}, fs());
    EXPECT_EQ(last.state, at(loc("3.15"), 4));
    // A second separator moves the caret behind the first.
    const TTypedResult jump = TypeCharacter(settings, at(pi, 0), {point()}, fs());
    EXPECT_EQ(jump.state, at(pi, 2));
    // Backspace and the minus are no decimals.
    EXPECT_EQ(TypeCharacter(settings, at(pi, 4), {u'\b'}, fs()).state, at(loc("3.1"), 3));
    TEditTypeSettings signedFloat = settings;
    signedFloat.Signed = true;
    EXPECT_EQ(TypeCharacter(signedFloat, at(pi, 4), {u'-'}, fs()).state, at(loc("-3.14"), 5));
    // Into an empty value it brings its zero.
    EXPECT_EQ(TypeCharacter(settings, at("", 0), {point()}, fs()).state, at(u'0' + QString(point()), 2));
}

TEST_P(TypedInput, FloatWithoutPrecisionTakesNoSeparator)
{
    const TEditTypeSettings settings = type(etFloat, 0);
    EXPECT_EQ(typeAll(settings, QStringLiteral("12") + point()), "12!");
    // The general format takes one.
    EXPECT_EQ(typeAll(type(etFloat, -1), QStringLiteral("1") + point() + u'5'), loc("1.5"));
    EXPECT_EQ(typeAll(type(etFloat, -1), QStringLiteral("1") + point() + u'5' + point()), loc("1.5!"));
    EXPECT_EQ(typeAll(settings, "1a"), "1!");
}

TEST_P(TypedInput, MoneyGroupsWhileTyping)
{
    const TEditTypeSettings settings = type(etMoney, 2);
    TEditState state;
    for (QChar c : QStringLiteral("12345"))
        state = TypeCharacter(settings, state, {c}, fs()).state;
    EXPECT_EQ(state, at(loc("12,345"), 6));
    // The separator only three digits from the last group.
    const TTypedResult decimals = TypeCharacter(settings, state, {point()}, fs());
    ASSERT_EQ(decimals.verdict, TTypedVerdict::Apply);
    EXPECT_EQ(decimals.state, at(loc("12,345."), 7));
    EXPECT_EQ(TypeCharacter(settings, at(loc("12,345"), 4), {point()}, fs()).verdict, TTypedVerdict::Refuse);
    // Over a whole selected value the separator starts from zero.
    const TTypedResult fresh = TypeCharacter(settings, selected(loc("12,345"), 0, 6), {point()}, fs());
    EXPECT_EQ(fresh.state, at(loc("0.00"), 2));
}

TEST_P(TypedInput, MinusFollowsSigned)
{
    for (TDropDownEditType t : {etNumeric, etFloat, etMoney})
        EXPECT_EQ(TypeCharacter(type(t, 2), at("5", 1), {u'-'}, fs()).verdict, TTypedVerdict::Refuse) << int(t);
    // Signed, the minus toggles the sign wherever the caret is.
    const TEditTypeSettings settings = type(etNumeric, 0, true);
    EXPECT_EQ(TypeCharacter(settings, at("12", 1), {u'-'}, fs()).state, at("-12", 2));
    EXPECT_EQ(TypeCharacter(settings, at("-12", 2), {u'-'}, fs()).state, at("12", 1));
    EXPECT_EQ(TypeCharacter(settings, selected("12", 0, 2), {u'-'}, fs()).state, at("-", 1));
}

TEST_P(TypedInput, CharacterSetsByType)
{
    struct Case {
        TDropDownEditType type;
        const char *keys;
        const char *shown;
    };
    const Case cases[] = {
        {etUppercase, "abc", "ABC"},   {etLowerCase, "AbC", "abc"},   {etMixedCase, "john mc", "John Mc"},
        {etNumeric, "12x", "12!"},     {etHex, "1aF", "1aF"},         {etHex, "1g", "1!"},
        {etHex, "1-", "1!"},          {etAlphaNumeric, "a1_", "a1!"}, {etRange, "1-3,5", "1-3,5"},
        {etRange, "-", "!"},           {etRange, "1--", "1-!"},       {etString, "a b", "a b"},
    };
    for (const Case &c : cases)
        EXPECT_EQ(typeAll(type(c.type), QString::fromUtf8(c.keys)), QString::fromUtf8(c.shown)) << c.keys;
    TEditTypeSettings valid = type(etValidChars);
    valid.ValidChars = QStringLiteral("xy");
    EXPECT_EQ(typeAll(valid, "xyz"), "xy!");
}

TEST_P(TypedInput, BackspaceStopsAtTheValuesStart)
{
    EXPECT_EQ(TypeCharacter(type(etString), at("ab", 0), {u'\b'}, fs()).verdict, TTypedVerdict::Refuse);
    EXPECT_EQ(TypeCharacter(type(etString), at("ab", 1), {u'\b'}, fs()).state, at("b", 0));
    EXPECT_EQ(TypeCharacter(type(etString), selected("abc", 1, 2), {u'\b'}, fs()).state, at("a", 1));
    // Money regroups what is left.
    EXPECT_EQ(TypeCharacter(type(etMoney, 2), at(loc("1,234"), 5), {u'\b'}, fs()).state, at("123", 3));
}

TEST_P(TypedInput, LengthLimitCountsIntegerDigits)
{
    TEditTypeSettings settings = type(etFloat, 2, true);
    settings.LengthLimit = 3;
    EXPECT_EQ(typeAll(settings, "1234"), "123!");
    EXPECT_EQ(TypeCharacter(settings, at("123", 3), {point()}, fs()).state, at(loc("123."), 4));
    EXPECT_EQ(TypeCharacter(settings, at(loc("123.4"), 5), {u'5'}, fs()).state, at(loc("123.45"), 6));
    EXPECT_EQ(TypeCharacter(settings, at("-123", 4), {u'-'}, fs()).state, at("123", 3));
}

TEST_P(TypedInput, MaxLengthLimitsTyping)
{
    TEditTypeSettings settings = type(etString);
    settings.MaxLength = 2;
    EXPECT_EQ(typeAll(settings, "abc"), "ab!");
}

TEST_P(TypedInput, KeypadDecimalKeyTypesTheLocaleSeparator)
{
    TEditTypeSettings settings = type(etFloat, 2);
    settings.ExcelStyleDecimalSeparator = true;
    const QChar other = point() == u'.' ? u',' : u'.';
    const TTypedResult r = TypeCharacter(settings, at("1", 1), {other, true}, fs());
    EXPECT_EQ(r.state, at(u'1' + QString(point()), 2));
    settings.ExcelStyleDecimalSeparator = false;
    EXPECT_EQ(TypeCharacter(settings, at("1", 1), {other, true}, fs()).state.value, u'1' + QString(other));
}

TEST_P(TypedInput, ControlCharactersAreTheEditsOwn)
{
    EXPECT_EQ(TypeCharacter(type(etNumeric), at("1", 1), {QChar(3), false, true}, fs()).verdict, TTypedVerdict::Pass);
    EXPECT_EQ(TypeCharacter(type(etString), at("1", 1), {u'\n', false, true}, fs()).verdict, TTypedVerdict::Refuse);
}

TEST_P(TypedInput, PasteByType)
{
    struct Case {
        TDropDownEditType type;
        bool isSigned;
        const char *value;
        const char *clip;
        const char *result; // nullptr: refused
    };
    const Case cases[] = {
        {etNumeric, false, "", "12", "12"},
        {etNumeric, false, "", "-5", nullptr},
        {etNumeric, true, "", "-5", "-5"},
        // A minus counts only first.
        {etNumeric, true, "", "1-2", nullptr},
        {etNumeric, true, "5", "-", nullptr},
        {etFloat, false, "", "1.5", "1.50"},
        {etFloat, false, "", "1x", nullptr},
        {etFloat, false, "", "1F", nullptr},
        {etMoney, true, "", "-1234.5", "-1,234.50"},
        {etMoney, false, "", "12345678", "12,345,678.00"},
        {etUppercase, false, "a", "bc", "ABC"},
        {etAlphaNumeric, false, "", "ab1", "ab1"},
        {etAlphaNumeric, false, "", "ab 1", nullptr},
        {etHex, false, "", "1F", nullptr},
        {etRange, false, "", "1-2", nullptr},
        {etString, false, "ab", "\n", "ab\n"},
    };
    for (const Case &c : cases) {
        const TEditTypeSettings settings = type(c.type, 2, c.isSigned);
        const QString value = loc(c.value);
        const auto pasted = PasteText(settings, at(value, int(value.size())), loc(c.clip), fs());
        if (!c.result)
            EXPECT_FALSE(pasted) << c.clip;
        else
            EXPECT_EQ(pasted ? pasted->value : QStringLiteral("(refused)"), loc(c.result)) << c.clip;
    }
}

TEST_P(TypedInput, PasteSetsCaretAndSelection)
{
    const TEditTypeSettings plain = type(etString);
    EXPECT_EQ(PasteText(plain, at("ad", 1), "bc", fs()), at("abcd", 3));
    EXPECT_EQ(PasteText(plain, selected("aXd", 1, 1), "bc", fs()), selected("abcd", 1, 2));
    // Money longer than three characters ends selected whole.
    EXPECT_EQ(PasteText(type(etMoney, 2), at("", 0), "12", fs()), selected(loc("12.00"), 0, 5));
    TEditTypeSettings limited = plain;
    limited.MaxLength = 3;
    EXPECT_FALSE(PasteText(limited, at("ab", 2), "cd", fs()));
    EXPECT_EQ(PasteText(limited, selected("ab", 0, 2), "cde", fs()), selected("cde", 0, 3));
    EXPECT_FALSE(PasteText(plain, at("ab", 2), "", fs()));
}

TEST_P(TypedInput, LeavingNormalizes)
{
    EXPECT_EQ(ValueOnLeave(type(etFloat, 2), "7", false, fs()), loc("7.00"));
    EXPECT_EQ(ValueOnLeave(type(etFloat, 2), loc("7.00"), false, fs()), std::nullopt);
    EXPECT_EQ(ValueOnLeave(type(etNumeric), "", false, fs()), "0");
    EXPECT_EQ(ValueOnLeave(type(etNumeric), "", true, fs()), std::nullopt);
    EXPECT_EQ(ValueOnLeave(type(etMoney, 2), "", false, fs()), loc("0.00"));
    EXPECT_EQ(ValueOnLeave(type(etFloat, 2), "", true, fs()), std::nullopt);
    EXPECT_EQ(ValueOnLeave(type(etString), "", false, fs()), std::nullopt);
}

} // namespace
