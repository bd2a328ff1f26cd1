#include "controls/grid/base/DateText.h"

#include "Settings.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

TDateTime day(int y, int m, int d)
{
    return *encodeDate(y, m, d);
}

TEST(DateCount, DayZeroIsTheLastDayButOneOf1899)
{
    EXPECT_EQ(day(1899, 12, 30), 0);
    EXPECT_EQ(day(1900, 1, 1), 2);
    EXPECT_EQ(day(2000, 1, 1), 36526);
    EXPECT_EQ(dateOf(36526.75), QDate(2000, 1, 1));
    EXPECT_FALSE(encodeDate(2021, 2, 29).has_value());
    EXPECT_FALSE(encodeDate(10000, 1, 1).has_value());
}

TEST(ParseShortDates, ReadDayMonthYearWithTheCenturyWindowForShortYearsOnly)
{
    struct Case {
        const char *text;
        bool dayFirst;
        TDateTime date;
    };
    const Case cases[] = {
        {"31.12.99", true, day(1999, 12, 31)},
        {"1-2-25", true, day(2025, 2, 1)},
        {"1-2-26", true, day(1926, 2, 1)},
        {"1/2/0", true, day(2000, 2, 1)},
        // A four-digit year is the year written, not 3921.
        {"1/2/2021", true, day(2021, 2, 1)},
        {"12/31/1999", false, day(1999, 12, 31)},
        {"2.1.2024", false, day(2024, 2, 1)},
        {" 3 / 4 / 2024 ", true, day(2024, 4, 3)},
        {"31.2.2024", true, 0},
        {"29.2.2023", true, 0},
        {"1.13.2024", true, 0},
        {"1/2", true, 0},
        {"a/b/c", true, 0},
        {"1/2/-5", true, 0},
        {"1/2/99999", true, 0},
        {"", true, 0},
        {"1/2/3/4", true, 0},
    };
    for (const Case &c : cases) {
        const QString text = QString::fromUtf8(c.text);
        EXPECT_EQ(c.dayFirst ? ParseDateDMY(text) : ParseDateMDY(text), c.date) << c.text;
    }
}

TEST(ParseLocaleDateTime, ReadsInTheOrderOfTheShortDateFormat)
{
    struct Case {
        const char *format;
        const char *text;
        bool ok;
        TDateTime date;
    };
    const TDateTime noon = 0.5;
    const Case cases[] = {
        {"dd.MM.yyyy", "24.12.2023", true, day(2023, 12, 24)},
        {"MM.dd.yyyy", "12.24.2023", true, day(2023, 12, 24)},
        {"yyyy.MM.dd", "2023.12.24", true, day(2023, 12, 24)},
        {"dd.MM.yyyy", "24.12.2023 12:00", true, day(2023, 12, 24) + noon},
        {"dd.MM.yyyy", "24.12.2023 12:00:30", true, day(2023, 12, 24) + noon + 30.0 / 86400},
        {"dd.MM.yyyy", "24.12.2023 noon", false, day(2023, 12, 24)},
        {"dd.MM.yyyy", "24.12.2023 24:00", false, 0},
        {"dd.MM.yyyy", "24.12.2023 12:60", false, 0},
        {"dd.MM.yyyy", "24.12.2023 12:00:60", false, 0},
        {"dd.MM.yyyy", "32.12.2023", false, 0},
        {"dd.MM.yyyy", "31.11.2023", false, 0},
        {"dd.MM.yyyy", "1.5", false, 0},
        {"ddMMyyyy", "24.12.2023", true, day(2023, 12, 24)},
        {"dd.MM", "24.12.2023", false, 0},
    };
    for (const Case &c : cases) {
        TFormatSettings fs = test::european();
        fs.ShortDateFormat = QString::fromUtf8(c.format);
        TDateTime date = -1;
        EXPECT_EQ(ParseLocaleDateTime(QString::fromUtf8(c.text), date, fs), c.ok) << c.text;
        EXPECT_DOUBLE_EQ(date, c.date) << c.text;
    }
}

TEST(LooksLikeDate, WantsTwoSeparatorsEachAfterSomething)
{
    const TFormatSettings fs = test::european();
    EXPECT_TRUE(LooksLikeDate(QStringLiteral("1.2.3"), fs));
    EXPECT_TRUE(LooksLikeDate(QStringLiteral("24.12.2023"), fs));
    EXPECT_FALSE(LooksLikeDate(QStringLiteral(".1.2"), fs));
    EXPECT_FALSE(LooksLikeDate(QStringLiteral("1..2"), fs));
    EXPECT_FALSE(LooksLikeDate(QStringLiteral("1.5"), fs));
}

TEST(AddDateParts, MovesByOnePartWithFullWrapAndMonthEnds)
{
    struct Case {
        int years, months, days;
        TDateTime from;
        double increment;
        TDateTime to;
    };
    const Case cases[] = {
        {0, -1, 0, day(2024, 1, 15), 0, day(2023, 12, 15)},
        {0, 1, 0, day(2024, 12, 15), 0, day(2025, 1, 15)},
        {0, -25, 0, day(2024, 1, 15), 0, day(2021, 12, 15)},
        {0, 14, 0, day(2024, 11, 30), 0, day(2026, 1, 30)},
        {0, 1, 0, day(2024, 1, 31), 0, day(2024, 2, 29)},
        {0, 1, 0, day(2023, 1, 31), 0, day(2023, 2, 28)},
        {1, 0, 0, day(2024, 2, 29), 0, day(2025, 2, 28)},
        {-3, 0, 0, day(2024, 6, 1), 0, day(2021, 6, 1)},
        {0, 0, 10, day(2024, 12, 25), 0, day(2025, 1, 4)},
        {0, 0, 0, day(2024, 1, 1), 0.25, day(2024, 1, 1) + 0.25},
        {1, 1, 0, day(2024, 1, 1), 7, day(2024, 1, 8)},
        {0, 1, 0, day(2024, 1, 31) + 0.5, 0, day(2024, 2, 29) + 0.5},
        {1, 0, 0, day(9999, 6, 1), 0, day(9999, 6, 1)},
        {0, -1, 0, day(1, 1, 1), 0, day(1, 1, 1)},
    };
    for (const Case &c : cases)
        EXPECT_DOUBLE_EQ(AddDateParts(c.years, c.months, c.days, c.from, c.increment), c.to)
            << c.years << "y " << c.months << "m " << c.days << "d from " << dateOf(c.from).toString().toStdString();
}

} // namespace
