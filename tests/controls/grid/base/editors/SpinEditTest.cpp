#include "controls/grid/base/editors/SpinEdit.h"
#include "controls/grid/base/editors/EditorKeys.h"
#include "controls/grid/base/editors/SpinText.h"

#include "EditorEvents.h"
#include "support/ManualIntervalTimer.h"

#include <gtest/gtest.h>

using namespace controls;
using namespace editortest;
using ms = std::chrono::milliseconds;

namespace {

TFormatSettings dayFirst()
{
    TFormatSettings fs;
    fs.DecimalSeparator = u'.';
    fs.ThousandSeparator = u',';
    fs.DateSeparator = u'/';
    fs.TimeSeparator = u':';
    fs.ShortDateFormat = QStringLiteral("dd/MM/yyyy");
    return fs;
}

// Fixed separators and a counted beep for every test.
class SpinEditTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        saved = formatSettings();
        setFormatSettings(dayFirst());
        setBeepHook([this] { ++beeps; });
    }
    void TearDown() override
    {
        setFormatSettings(saved);
        setBeepHook(nullptr);
    }

    TDateTime date(int y, int m, int d) { return *encodeDate(y, m, d); }
    TDateTime time(int h, int m, int s) { return *encodeTime(h, m, s); }

    TFormatSettings saved;
    int beeps = 0;
    TEsgSpinEdit spin;
};

} // namespace

TEST_F(SpinEditTest, ReadsIntegersWithTheirFallbacks)
{
    spin.MinValue = 5;
    const struct {
        const char *text;
        int value;
    } cases[] = {{" 42 ", 42}, {"", 0}, {"4x", 5}, {"$1F", 31}, {"-7", -7}, {"99999999999", 5}};
    for (const auto &c : cases) {
        spin.setText(QString::fromLatin1(c.text));
        EXPECT_EQ(spin.Value(), c.value) << c.text;
    }
}

TEST_F(SpinEditTest, WritesClampedUnlessTheLimitsAreEqual)
{
    spin.setValue(150);
    EXPECT_EQ(spin.text(), "100");
    spin.setValue(-3);
    EXPECT_EQ(spin.text(), "0");
    spin.MinValue = spin.MaxValue = 0;
    spin.setValue(-12345);
    EXPECT_EQ(spin.text(), "-12345");

    spin.MinFloatValue = spin.MaxFloatValue = 0;
    spin.setSpinType(TEsgSpinType::sptFloat);
    spin.setFloatValue(1e20);
    EXPECT_EQ(spin.text(), "1E20");
}

TEST_F(SpinEditTest, FloatKindFallsBackToItsOwnMinimumAndFormatsFromFifteenDigits)
{
    spin.MinValue = 3;
    spin.MinFloatValue = 1.5;
    spin.setText(QStringLiteral("abc"));
    EXPECT_EQ(spin.FloatValue(), 1.5);

    spin.setSpinType(TEsgSpinType::sptFloat);
    const struct {
        int precision;
        double value;
        const char *text;
    } cases[] = {{2, 1.005, "1.01"}, {2, 99.999, "100.00"}, {0, 1.005, "1.005"}, {0, 0.1 + 0.2, "0.3"},
                 {3, 2, "2.000"},    {0, 0.00001234, "0.00001234"}, {0, 0.000001234, "1.234E-6"}, {2, -0.001, "0.00"}};
    for (const auto &c : cases) {
        spin.MinFloatValue = -1000;
        spin.MaxFloatValue = 1000;
        spin.setPrecision(c.precision);
        spin.setFloatValue(c.value);
        EXPECT_EQ(spin.text(), c.text) << c.value;
    }

    TFormatSettings comma = dayFirst();
    comma.DecimalSeparator = u',';
    comma.ThousandSeparator = u'.';
    setFormatSettings(comma);
    spin.setText(QStringLiteral("2,5"));
    EXPECT_EQ(spin.FloatValue(), 2.5);
    spin.setText(QStringLiteral("2.5"));
    EXPECT_EQ(spin.FloatValue(), -1000);
}

TEST_F(SpinEditTest, DateStepsByTheFieldUnderTheCaret)
{
    spin.setSpinType(TEsgSpinType::sptDate);
    const struct {
        TDateTime from;
        int caret;
        int sign;
        const char *shown;
    } cases[] = {
        {date(2024, 1, 31), 1, 1, "01/02/2024"},
        {date(2024, 1, 31), 4, 1, "29/02/2024"},
        {date(2024, 2, 29), 8, 1, "28/02/2025"}, // no 29th in that February
        {date(2024, 2, 29), 8, -1, "28/02/2023"},
        {date(2024, 3, 31), 3, -1, "29/02/2024"},
        {date(2024, 1, 1), 0, -1, "31/12/2023"},
    };
    for (const auto &c : cases) {
        spin.setDateValue(c.from);
        spin.setCursorPosition(c.caret);
        if (c.sign > 0)
            spin.StepUp(false);
        else
            spin.StepDown(false);
        EXPECT_EQ(spin.text(), c.shown) << c.caret;
    }

    // Month first: the first field is the month.
    TFormatSettings us = dayFirst();
    us.ShortDateFormat = QStringLiteral("M/d/yyyy");
    setFormatSettings(us);
    spin.setDateValue(date(2024, 1, 31));
    EXPECT_EQ(spin.text(), "1/31/2024");
    spin.setCursorPosition(0);
    spin.StepUp(false);
    EXPECT_EQ(spin.text(), "2/29/2024");
    spin.setCursorPosition(3);
    spin.StepUp(false);
    EXPECT_EQ(spin.text(), "3/1/2024");
}

TEST_F(SpinEditTest, DateReadsNowForZeroAndTheMinimumForNonsense)
{
    spin.MinDateValue = date(2000, 1, 1);
    spin.MaxDateValue = date(2030, 1, 1);
    spin.setText(QStringLiteral("0"));
    const TDateTime today = *encodeDate(QDate::currentDate().year(), QDate::currentDate().month(),
                                        QDate::currentDate().day());
    EXPECT_GE(spin.DateValue(), today - 1);
    EXPECT_LT(spin.DateValue(), today + 2);
    spin.setText(QStringLiteral("31/02/2024"));
    EXPECT_EQ(spin.DateValue(), date(2000, 1, 1));
    spin.setDateValue(date(2040, 5, 5));
    EXPECT_EQ(spin.text(), "01/01/2030");
}

TEST_F(SpinEditTest, TimeWrapsDownwardAndIsNotHeldToTheDateRange)
{
    spin.setSpinType(TEsgSpinType::sptTime);
    const struct {
        TDateTime from;
        int caret;
        int sign;
        const char *shown;
    } cases[] = {
        {time(0, 0, 30), 4, -1, "23:59:30"}, {time(23, 59, 30), 4, 1, "00:00:30"}, {time(23, 30, 0), 0, 1, "00:30:00"},
        {time(0, 10, 0), 1, -1, "23:10:00"}, {time(10, 0, 59), 7, 1, "10:01:00"},  {time(10, 0, 0), 6, -1, "09:59:59"},
    };
    for (const auto &c : cases) {
        spin.setTimeValue(c.from);
        spin.setCursorPosition(c.caret);
        if (c.sign > 0)
            spin.StepUp(false);
        else
            spin.StepDown(false);
        EXPECT_EQ(spin.text(), c.shown) << c.shown;
    }
    spin.ShowSeconds = false;
    spin.setTimeValue(time(7, 5, 0));
    EXPECT_EQ(spin.text(), "7:05");

    spin.ShowSeconds = true;
    spin.MinDateValue = date(2020, 1, 1);
    spin.MaxDateValue = date(2021, 1, 1);
    spin.setTimeValue(0.5);
    EXPECT_EQ(spin.text(), "12:00:00");
    EXPECT_DOUBLE_EQ(spin.TimeValue(), 0.5);
}

TEST_F(SpinEditTest, RefusesCharactersByKindAndPosition)
{
    const struct {
        TEsgSpinType kind;
        const char *text;
        int caret;
        QChar key;
        bool accepted;
    } cases[] = {
        {TEsgSpinType::sptNormal, "12", 1, u'-', false},
        {TEsgSpinType::sptNormal, "12", 0, u'-', true},
        {TEsgSpinType::sptNormal, "-12", 0, u'-', false},
        {TEsgSpinType::sptNormal, "12", 2, u'a', false},
        {TEsgSpinType::sptNormal, "12", 2, u'.', false},
        {TEsgSpinType::sptNormal, "12", 2, u'7', true},
        {TEsgSpinType::sptNormal, "12", 2, QChar(27), true},
        {TEsgSpinType::sptNormal, "12", 2, QChar(13), false},
        {TEsgSpinType::sptFloat, "1.5", 3, u'.', false},
        {TEsgSpinType::sptFloat, "15", 2, u'.', true},
        {TEsgSpinType::sptFloat, "15", 2, u',', false},
        {TEsgSpinType::sptFloat, "1.25", 4, u'7', false}, // two decimals already
        {TEsgSpinType::sptFloat, "1.2", 3, u'7', true},
        {TEsgSpinType::sptFloat, "1.25", 1, u'7', true},
        {TEsgSpinType::sptTime, "10:20:30", 8, u':', false},
        {TEsgSpinType::sptTime, "10:20", 5, u':', true},
        {TEsgSpinType::sptDate, "1/2", 3, u'/', true},
        {TEsgSpinType::sptFloat, "1", 1, u'/', false},
        {TEsgSpinType::sptFloat, "1", 1, u':', false},
    };
    for (const auto &c : cases) {
        TEsgSpinEdit edit;
        edit.setPrecision(2);
        edit.setSpinType(c.kind);
        edit.setText(QString::fromLatin1(c.text));
        edit.setCursorPosition(c.caret);
        EXPECT_EQ(edit.IsValidSpinChar(c.key), c.accepted) << c.text << " " << c.caret << " " << int(c.key.unicode());
    }
}

TEST_F(SpinEditTest, TypedKeysGoThroughTheFilterWithABeep)
{
    spin.setText(QStringLiteral("12"));
    spin.setCursorPosition(1);
    type(spin, QStringLiteral("-"));
    EXPECT_EQ(spin.text(), "12");
    EXPECT_EQ(beeps, 1);
    spin.setCursorPosition(0);
    type(spin, QStringLiteral("-"));
    EXPECT_EQ(spin.text(), "-12");
    key(spin, Qt::Key_Up);
    EXPECT_EQ(spin.text(), "0") << "clamped to the range";

    // With the editor off, typing and Delete change nothing; the arrows still step.
    spin.setText(QStringLiteral("5"));
    spin.setEditorEnabled(false);
    spin.setCursorPosition(0);
    type(spin, QStringLiteral("7"));
    key(spin, Qt::Key_Delete);
    key(spin, Qt::Key_Backspace, QStringLiteral("\b"));
    EXPECT_EQ(spin.text(), "5");
    key(spin, Qt::Key_Up);
    EXPECT_EQ(spin.text(), "6");
    click(*spin.Button()->UpButton(), {2, 2});
    EXPECT_EQ(spin.text(), "7");
    key(spin, Qt::Key_PageDown);
    EXPECT_EQ(spin.text(), "6");
}

TEST_F(SpinEditTest, KeypadPointBecomesTheLocaleSeparatorWhenAsked)
{
    TFormatSettings comma = dayFirst();
    comma.DecimalSeparator = u',';
    comma.ThousandSeparator = u'.';
    setFormatSettings(comma);
    spin.setSpinType(TEsgSpinType::sptFloat);
    spin.setText(QStringLiteral("3"));
    spin.setCursorPosition(1);
    spin.ExcelStyleDecimalSeparator = true;
    key(spin, Qt::Key_Period, QStringLiteral("."), Qt::KeypadModifier);
    EXPECT_EQ(spin.text(), "3,");
}

TEST_F(SpinEditTest, ReadOnlyStepsBeepAndChangeNothing)
{
    spin.setText(QStringLiteral("4"));
    spin.setReadOnly(true);
    spin.StepUp(false);
    key(spin, Qt::Key_Down);
    EXPECT_EQ(spin.text(), "4");
    EXPECT_EQ(beeps, 2);
}

TEST_F(SpinEditTest, HeldArrowRepeatsAfter400ThenEvery100Milliseconds)
{
    auto *timer = new testsupport::ManualIntervalTimer;
    TExTimerSpeedButton &up = *spin.Button()->UpButton();
    up.setRepeatTimer(std::unique_ptr<platform::IntervalTimer>(timer));
    spin.setText(QStringLiteral("0"));

    press(up, {2, 2});
    EXPECT_EQ(spin.text(), "1");
    timer->advance(ms(399));
    EXPECT_EQ(spin.text(), "1");
    timer->advance(ms(1));
    EXPECT_EQ(spin.text(), "2");
    timer->advance(ms(200));
    EXPECT_EQ(spin.text(), "4");
    release(up, {2, 2});
    timer->advance(ms(1000));
    EXPECT_EQ(spin.text(), "4");
    EXPECT_EQ(timer->firedAt, (std::vector<ms>{ms(400), ms(500), ms(600)}));
}

TEST_F(SpinEditTest, ArrowsLayOutByDirection)
{
    // A hidden widget hears of its new size only when it shows.
    spin.show();
    TEsgSpinButton &button = *spin.Button();
    button.resize(15, 20);
    EXPECT_EQ(button.UpButton()->geometry(), QRect(0, 0, 15, 10));
    EXPECT_EQ(button.DownButton()->geometry(), QRect(0, 9, 15, 11));
    button.setDirection(TSpinDirection::spHorizontal);
    EXPECT_EQ(button.width(), 20);
    EXPECT_EQ(button.DownButton()->geometry(), QRect(0, 0, 10, 20));
    EXPECT_EQ(button.UpButton()->geometry(), QRect(11, 0, 10, 20));
    EXPECT_EQ(button.UpButton()->ButtonDirection(), TButtonDirection::bdRight);
}

TEST_F(SpinEditTest, ColouredArrowsPaintTheirFaceAndABlackArrow)
{
    TEsgSpinButton &button = *spin.Button();
    button.resize(15, 20);
    button.ButtonColor = platform::RGB(10, 200, 10);
    button.ButtonColorDown = platform::RGB(200, 10, 10);
    TExTimerSpeedButton &up = *button.UpButton();
    QImage face = up.paintFace();
    EXPECT_EQ(pixel(face, 1, 8), platform::RGB(10, 200, 10));
    EXPECT_EQ(pixel(face, 6, 3), platform::clBlack);
    up.setRepeatTimer(std::make_unique<testsupport::ManualIntervalTimer>());
    press(up, {2, 2});
    EXPECT_EQ(pixel(up.paintFace(), 1, 8), platform::RGB(200, 10, 10));
    release(up, {2, 2});
}

// The edit's panel comes from a copy drawn once per size and state; it must
// show what the application's style draws itself, in every state it keys on.
TEST_F(SpinEditTest, CachedPanelPaintsWhatTheStyleDraws)
{
    struct Case {
        QSize size;
        bool enabled;
        bool readOnly;
        bool border;
    };
    const Case cases[] = {
        {{120, 22}, true, false, true},
        {{120, 22}, false, false, true},
        {{60, 30}, true, true, true},
        {{120, 22}, true, false, false},
    };
    for (const Case &c : cases) {
        TEsgSpinEdit cached;
        TEsgSpinEdit plain;
        plain.setStyle(QApplication::style());
        ASSERT_NE(cached.style(), plain.style());
        for (TEsgSpinEdit *edit : {&cached, &plain}) {
            edit->resize(c.size);
            edit->setEnabled(c.enabled);
            edit->setReadOnly(c.readOnly);
            edit->setBorderSingle(c.border);
            edit->setValue(42);
        }
        // Twice: the second paint copies what the first drew.
        for (int round = 0; round < 2; ++round)
            EXPECT_EQ(cached.grab().toImage(), plain.grab().toImage())
                << c.size.width() << "x" << c.size.height() << " enabled " << c.enabled << " read-only "
                << c.readOnly << " border " << c.border << " round " << round;
    }
}
