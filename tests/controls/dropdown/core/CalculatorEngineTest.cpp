#include "controls/dropdown/core/CalculatorEngine.h"
#include "controls/dropdown/core/CalculatorKeypad.h"

#include "EditLocales.h"

#include <gtest/gtest.h>

#include <QStringList>

using namespace controls;
using namespace controls::test;

namespace {

int tagOf(const QString &caption)
{
    for (const TCalculatorKey &key : calculatorKeys())
        if (QString::fromUtf16(key.caption) == caption)
            return key.tag;
    ADD_FAILURE() << "no key " << caption.toStdString();
    return -1;
}

// Clicks the keys named by their captions, space-separated.
void click(TCalculatorEngine &calc, const char *keys)
{
    for (const QString &key : QString::fromUtf8(keys).split(u' ', Qt::SkipEmptyParts))
        calc.pressKey(tagOf(key));
}

class Calculator : public ::testing::TestWithParam<TFormatSettings> {
protected:
    const TFormatSettings &fs() const { return GetParam(); }
    QString loc(const char *text) const { return localized(QString::fromUtf8(text), fs()); }
    TCalculatorEngine make() const { return TCalculatorEngine(TCalculatorEngine::defaultSettings(), fs()); }
};

INSTANTIATE_TEST_SUITE_P(Locales, Calculator, ::testing::Values(pointLocale(), commaLocale()),
                         [](const auto &info) { return info.param.DecimalSeparator == u'.' ? "point" : "comma"; });

TEST_P(Calculator, KeySequencesShow)
{
    struct Case {
        const char *keys;
        const char *shows;
    };
    const Case cases[] = {
        {"2 + 3 *", "5.00"},
        {"2 + 3 * 4 =", "20.00"},
        {"2 0 0 + 1 0 %", "20.00"},
        {"2 0 0 + 1 0 % =", "220.00"},
        {"5 / 0 =", "Error"},
        {"5 / 0 = 7", "7.00"},
        {"5 + +", "10.00"},
        {"+ . 5", "0.50"},
        {"1 . 2 3 4", "1.23"},
        {"4 +/- sqrt", "Error"},
        {"0 1/x", "Error"},
        {"4 sqrt", "2.00"},
        {"4 1/x", "0.25"},
        {"7 = =", "7.00"},
        {"1 2 3 4 5 6 7 8 9", "123,456,789.00"},
        {"9 MS C MR", "9.00"},
        {"9 MS C 2 M+ MR", "11.00"},
        {"9 MS 2 M+ MR", "101.00"},
        {"9 MS MC MR", "0.00"},
        {"1 2 Back", "1.00"},
        {"3 C", "0.00"},
        {"3 + 4 CE =", "0.00"},
        // Keypad digits on a negative number extend it as typing does.
        {"5 +/- 3", "-53.00"},
        {"5 +/- . 3", "-5.30"},
        // Back leaves no lone sign: -5 gives 0.
        {"5 +/- Back", "0.00"},
    };
    for (const Case &c : cases) {
        TCalculatorEngine calc = make();
        click(calc, c.keys);
        QString shows = c.shows == std::string_view("Error") ? QStringLiteral("Error") : loc(c.shows);
        // The display groups nothing under etFloat.
        shows.remove(fs().ThousandSeparator);
        EXPECT_EQ(calc.display(), shows) << c.keys;
    }
}

TEST_P(Calculator, DivisionByZeroClearsTheAccumulatorAndADigitStartsAnew)
{
    TCalculatorEngine calc = make();
    click(calc, "5 / 0 =");
    EXPECT_EQ(calc.display(), u"Error");
    EXPECT_EQ(calc.accumulator(), 0);
    EXPECT_EQ(calc.value(), 0);
    click(calc, "3 + 2 =");
    EXPECT_EQ(calc.display(), loc("5.00"));
}

TEST_P(Calculator, EqualsWithoutOperatorCopiesTheDisplayAndTwiceChangesNothing)
{
    TCalculatorEngine calc = make();
    click(calc, "2 + 3 =");
    EXPECT_EQ(calc.accumulator(), 5);
    click(calc, "=");
    EXPECT_EQ(calc.display(), loc("5.00"));
    EXPECT_EQ(calc.accumulator(), 5);
    EXPECT_EQ(calc.pendingOperator(), TCalculatorOp::None);
}

TEST_P(Calculator, TheAccumulatorKeepsLongDoublePrecision)
{
    TCalculatorEngine calc = make();
    click(calc, "1 / 3 * 3 =");
    EXPECT_EQ(calc.display(), loc("1.00"));
    calc.calcResult();
    EXPECT_EQ(calc.display(), loc("1.00"));
}

// Keys that leave a display no number can be read from start from 0 and
// never make "-Error", "Error." or "1E-".
TEST_P(Calculator, KeysOnErrorStartFromZero)
{
    struct Case {
        const char *keys;
        const char *shows;
    };
    const Case cases[] = {
        {"0 1/x +/-", "0.00"}, {"0 1/x .", "0.00"}, {"0 1/x . 5", "0.50"}, {"0 1/x 8", "8.00"},
        {"0 1/x +", "0.00"},    {"0 1/x %", "0.00"}, {"0 1/x =", "0.00"},  {"0 1/x MS MR", "0.00"},
        {"0 1/x M+ MR", "0.00"},
    };
    for (const Case &c : cases) {
        TCalculatorEngine calc = make();
        click(calc, c.keys);
        EXPECT_EQ(calc.display(), c.shows == std::string_view("Error") ? QStringLiteral("Error") : loc(c.shows))
            << c.keys;
    }
}

TEST_P(Calculator, AnUnparsableDisplayCountsAsError)
{
    for (const char *text : {"12x", "1e", "Err", "-", "", "--1"}) {
        TCalculatorEngine calc = make();
        click(calc, "4 +");
        calc.setRawDisplay(QString::fromUtf8(text));
        EXPECT_TRUE(calc.isError()) << text;
        EXPECT_EQ(calc.value(), 0) << text;
        click(calc, "= MS M+");
        EXPECT_EQ(calc.display(), loc("4.00")) << text;
        EXPECT_EQ(calc.memory(), 8) << text;
    }
}

TEST_P(Calculator, BackLeavesANumber)
{
    TCalculatorEngine calc = make();
    calc.setDisplay(loc("0.00001"));
    calc.setRawDisplay(QStringLiteral("1e-05"));
    click(calc, "Back");
    EXPECT_FALSE(calc.isError());
    EXPECT_EQ(calc.display(), loc("0.00"));
}

TEST_P(Calculator, NonFiniteResultsShowErrorAndClearTheAccumulator)
{
    {
        // Endless digits: the number outgrows a double, then the next digit
        // starts anew.
        TCalculatorEngine calc = make();
        click(calc, "1 +");
        int presses = 0;
        while (calc.display() != u"Error" && presses < 400) {
            click(calc, "9");
            ++presses;
        }
        EXPECT_EQ(presses, 309);
        EXPECT_EQ(calc.accumulator(), 0);
        click(calc, "9");
        EXPECT_EQ(calc.display(), loc("9.00"));
    }

    TCalculatorEngine calc = make();
    calc.setDisplay(QStringLiteral("1e300"));
    click(calc, "=");
    EXPECT_EQ(calc.accumulator(), static_cast<long double>(1e300));
    click(calc, "*");
    calc.setDisplay(QStringLiteral("1e300"));
    click(calc, "=");
    EXPECT_EQ(calc.display(), u"Error");
    EXPECT_EQ(calc.accumulator(), 0);

    calc.setDisplay(QStringLiteral("1e300"));
    click(calc, "MS M+ M+");
    calc.setDisplay(QStringLiteral("1e300"));
    for (int i = 0; i < 10; ++i)
        click(calc, "M+");
    click(calc, "MR");
    EXPECT_FALSE(calc.display().contains(u"inf"));

    calc.setDisplay(QStringLiteral("1e300"));
    click(calc, "+");
    calc.setDisplay(QStringLiteral("1e300"));
    click(calc, "%");
    EXPECT_EQ(calc.display(), u"Error");
    EXPECT_EQ(calc.accumulator(), 0);

    calc.setDisplay(QStringLiteral("1e-320"));
    click(calc, "1/x");
    EXPECT_EQ(calc.display(), u"Error");
}

TEST_P(Calculator, MaxLengthStopsOnlyKeysThatLengthenTheText)
{
    TEditTypeSettings settings = TCalculatorEngine::defaultSettings();
    settings.MaxLength = 7;
    TCalculatorEngine calc(settings, fs());
    click(calc, "1 2 3 4");
    ASSERT_EQ(calc.display(), loc("1234.00"));
    EXPECT_FALSE(calc.pressKey(5));
    EXPECT_FALSE(calc.pressKey(ctSign));
    EXPECT_EQ(calc.display(), loc("1234.00"));
    // A result of seven characters still takes a new operand.
    click(calc, "+");
    EXPECT_TRUE(calc.pressKey(5));
    click(calc, "=");
    EXPECT_EQ(calc.display(), loc("1239.00"));
    EXPECT_TRUE(calc.pressKey(ctDecimal));
    calc.setDisplay(loc("-123.00"));
    EXPECT_TRUE(calc.pressKey(ctSign));
    EXPECT_EQ(calc.display(), loc("123.00"));
}

TEST_P(Calculator, TypedOperatorsWorkOnlyWhileThePopupIsClosed)
{
    TCalculatorEngine calc = make();
    click(calc, "7");
    EXPECT_TRUE(calc.typedKey(u'+', false).insert.isNull());
    EXPECT_EQ(calc.pendingOperator(), TCalculatorOp::Add);
    const TCalculatorEngine::TTyped typed = calc.typedKey(u'3', false);
    EXPECT_TRUE(typed.insert.isNull());
    EXPECT_TRUE(typed.caretAfterDigit);
    EXPECT_EQ(calc.display(), u"3");
    EXPECT_EQ(calc.typedKey(u'1', false).insert, u'1');
    calc.setRawDisplay(QStringLiteral("31"));
    EXPECT_TRUE(calc.typedKey(QChar(13), false).insert.isNull());
    EXPECT_EQ(calc.display(), loc("38.00"));
    EXPECT_TRUE(calc.typedKey(fs().DecimalSeparator, false).insert.isNull());
    EXPECT_TRUE(calc.typedKey(fs().ThousandSeparator, false).insert.isNull());
    EXPECT_TRUE(calc.typedKey(u'x', false).insert.isNull());
    calc.typedKey(u'c', false);
    EXPECT_EQ(calc.display(), loc("0.00"));
    EXPECT_EQ(calc.pendingOperator(), TCalculatorOp::None);
    // Open, "+" is the popup's: the edit's step only drops it.
    calc.setRawDisplay(QStringLiteral("4"));
    EXPECT_TRUE(calc.typedKey(u'+', true).insert.isNull());
    EXPECT_EQ(calc.pendingOperator(), TCalculatorOp::None);
}

TEST_P(Calculator, PopupKeysTypeAndCalculate)
{
    TCalculatorEngine calc = make();
    calc.popupOpened();
    for (QChar key : {u'1', u'2', u'+', u'3', u'='})
        EXPECT_EQ(calc.popupKeyPress(key), TCalculatorClose::None);
    EXPECT_EQ(calc.display(), loc("15.00"));
    calc.popupOpened();
    calc.popupKeyPress(u'2');
    calc.popupKeyPress(fs().DecimalSeparator);
    calc.popupKeyPress(u'5');
    EXPECT_EQ(calc.display(), loc("2.5"));
    calc.popupKeyPress(u'*');
    calc.popupKeyPress(u'4');
    EXPECT_EQ(calc.popupKeyPress(QChar(13)), TCalculatorClose::Keep);
    EXPECT_EQ(calc.display(), loc("10.00"));
    EXPECT_EQ(calc.popupKeyPress(QChar(27)), TCalculatorClose::Cancel);
}

TEST_P(Calculator, PopupBackspaceTakesOneCharacterAKey)
{
    TCalculatorEngine calc = make();
    calc.popupOpened();
    calc.popupKeyPress(u'7');
    ASSERT_EQ(calc.display(), u"7");
    calc.popupKeyPress(QChar(8));
    EXPECT_EQ(calc.display(), u"7");
    calc.popupBackspace();
    EXPECT_EQ(calc.display(), loc("0.00"));

    calc.setDisplay(loc("78.50"));
    calc.popupBackspace();
    EXPECT_EQ(calc.display(), loc("78.5"));
    calc.setDisplay(QStringLiteral("Error"));
    calc.popupBackspace();
    EXPECT_EQ(calc.display(), loc("0.00"));
    calc.setDisplay(loc("-5"));
    calc.setRawDisplay(QStringLiteral("-5"));
    calc.popupBackspace();
    EXPECT_EQ(calc.display(), loc("0.00"));
}

TEST_P(Calculator, ThousandSeparatorsComeWithMoney)
{
    TCalculatorEngine calc = make();
    click(calc, "1 2 3 4 5");
    EXPECT_EQ(calc.display(), loc("12345.00"));
    calc.setEditType(etMoney);
    EXPECT_EQ(calc.display(), loc("12,345.00"));
    click(calc, "+ 1 =");
    EXPECT_EQ(calc.display(), loc("12,346.00"));
    calc.setEditType(etFloat);
    EXPECT_EQ(calc.display(), loc("12346.00"));
}

TEST_P(Calculator, DeleteTurnsAFailedDisplayIntoZero)
{
    TCalculatorEngine calc = make();
    calc.setDisplay(QStringLiteral("Error"));
    calc.deleteKey();
    EXPECT_EQ(calc.display(), loc("0.00"));
}

} // namespace
