#include "controls/dropdown/core/TimeText.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(TimeText, FormatsTwoDigitParts)
{
    EXPECT_EQ(formatTimeText({}, true, u':'), u"00:00:00");
    EXPECT_EQ(formatTimeText({9, 5, 7, 0}, false, u'.'), u"09.05");
}

TEST(TimeText, MaskReversesTheDigitLettersForQt)
{
    EXPECT_EQ(timeEditMask(true, u':'), u"!90:00:00;1; ");
    EXPECT_EQ(timeEditMask(false, u'.'), u"!90.00;1; ");
    EXPECT_EQ(qtInputMask(timeEditMask(true, u':')), u"09:99:99; ");
    EXPECT_EQ(qtInputMask(timeEditMask(false, u'h')), u"09\\h99; ");
}

TEST(TimeText, ReadsCompleteTexts)
{
    struct Case {
        const char *text;
        bool seconds;
        std::optional<TWatchTime> time;
        bool rewrite;
    };
    const Case cases[] = {
        {"12:05", false, TWatchTime{12, 5, 0, 0}, false},
        {"12: 5", false, TWatchTime{12, 5, 0, 0}, false},
        {"1 :00", false, TWatchTime{10, 0, 0, 0}, true},
        {"12:34:56", true, TWatchTime{12, 34, 56, 0}, false},
        {"12:3", false, std::nullopt, false},
        {"12:345", false, std::nullopt, false},
        {"12:34", true, std::nullopt, false},
        {"1a:34", false, std::nullopt, false},
        {"12.34", false, std::nullopt, false},
        // Hours 24 to 99 and minutes 60 to 99 pass the digit test but name
        // no time: ignored.
        {"24:00", false, std::nullopt, false},
        {"99:00:00", true, std::nullopt, false},
        {"10:60", false, std::nullopt, false},
        {"10:00:75", true, std::nullopt, false},
    };
    for (const Case &c : cases) {
        const std::optional<TParsedTime> parsed = parseTimeText(QString::fromUtf8(c.text), c.seconds, u':');
        ASSERT_EQ(parsed.has_value(), c.time.has_value()) << c.text;
        if (parsed) {
            EXPECT_EQ(parsed->time, *c.time) << c.text;
            EXPECT_EQ(parsed->rewrite, c.rewrite) << c.text;
        }
    }
}

TEST(TimeText, UpAndDownStepThePartUnderTheCaretWithoutCarry)
{
    const QString text = QStringLiteral("00:15:30");
    EXPECT_EQ(stepTimePart({0, 15, 30, 0}, text, 1, true, true, u':'), (TWatchTime{23, 15, 30, 0}));
    EXPECT_EQ(stepTimePart({23, 15, 30, 0}, text, 0, false, true, u':'), (TWatchTime{0, 15, 30, 0}));
    EXPECT_EQ(stepTimePart({10, 59, 59, 0}, QStringLiteral("10:59:59"), 7, false, true, u':'),
              (TWatchTime{10, 59, 0, 0}));
    EXPECT_EQ(stepTimePart({10, 59, 59, 0}, QStringLiteral("10:59:59"), 4, false, true, u':'),
              (TWatchTime{10, 0, 59, 0}));
    EXPECT_EQ(stepTimePart({10, 0, 59, 0}, QStringLiteral("10:00:59"), 3, true, true, u':'),
              (TWatchTime{10, 59, 59, 0}));
    // Without seconds the part after the first separator is the minutes.
    EXPECT_EQ(stepTimePart({10, 5, 0, 0}, QStringLiteral("10:05"), 5, true, false, u':'), (TWatchTime{10, 4, 0, 0}));
}

} // namespace
