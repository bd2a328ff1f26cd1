#include "controls/grid/base/DateText.h"

#include "controls/grid/base/NumberText.h"

#include <cmath>
#include <algorithm>
#include <array>

namespace controls {

namespace {

constexpr qint64 kJulianDayOfZero = 2415019; // 30 December 1899

struct DayParts {
    int first = 0, second = 0, third = 0;
};

std::optional<int> wholeIntTrimmed(QStringView part)
{
    return parseWholeInt(part.trimmed());
}

// Three whole numbers separated by sep; the third runs to the end.
std::optional<DayParts> splitThree(QStringView text, QChar sep, qsizetype &afterThird, bool stopAtBlank)
{
    const qsizetype a = text.indexOf(sep);
    if (a < 0)
        return std::nullopt;
    const qsizetype b = text.indexOf(sep, a + 1);
    if (b < 0)
        return std::nullopt;
    qsizetype end = text.size();
    if (stopAtBlank) {
        const qsizetype blank = text.indexOf(u' ', b + 1);
        if (blank >= 0)
            end = blank;
    }
    afterThird = end;
    const auto first = wholeIntTrimmed(text.first(a));
    const auto second = wholeIntTrimmed(text.sliced(a + 1, b - a - 1));
    const auto third = wholeIntTrimmed(text.sliced(b + 1, end - b - 1));
    if (!first || !second || !third)
        return std::nullopt;
    return DayParts{*first, *second, *third};
}

TDateTime parseShortDate(const QString &text, bool dayFirst)
{
    const QChar sep = text.contains(u'/') ? u'/' : text.contains(u'.') ? u'.' : u'-';
    qsizetype unused = 0;
    const auto parts = splitThree(text, sep, unused, false);
    if (!parts || parts->third < 0)
        return 0;
    int year = parts->third;
    if (year < 100)
        year += year < 26 ? 2000 : 1900;
    const int day = dayFirst ? parts->first : parts->second;
    const int month = dayFirst ? parts->second : parts->first;
    return encodeDate(year, month, day).value_or(0);
}

// Delphi-style day counts before day 0 keep the time as a positive fraction
// of the (negative) day.
TDateTime withTimeOf(TDateTime day, TDateTime source)
{
    const double fraction = std::fabs(source - std::trunc(source));
    return day >= 0 ? day + fraction : day - fraction;
}

int lastDayOf(int year, int month)
{
    return QDate(year, month, 1).daysInMonth();
}

} // namespace

std::optional<TDateTime> encodeDate(int year, int month, int day)
{
    if (year < 1 || year > 9999 || !QDate::isValid(year, month, day))
        return std::nullopt;
    return TDateTime(QDate(year, month, day).toJulianDay() - kJulianDayOfZero);
}

std::optional<TDateTime> encodeTime(int hour, int minute, int second, int millisecond)
{
    if (!QTime::isValid(hour, minute, second, millisecond))
        return std::nullopt;
    return (((hour * 60 + minute) * 60 + second) * 1000.0 + millisecond) / 86400000.0;
}

QDate dateOf(TDateTime value)
{
    if (!std::isfinite(value) || std::fabs(value) > 3e6)
        return {};
    return QDate::fromJulianDay(qint64(std::trunc(value)) + kJulianDayOfZero);
}

TDateTime ParseDateDMY(const QString &text)
{
    return parseShortDate(text, true);
}

TDateTime ParseDateMDY(const QString &text)
{
    return parseShortDate(text, false);
}

bool ParseLocaleDateTime(const QString &text, TDateTime &date, const TFormatSettings &fs)
{
    date = 0;
    const QString format = fs.ShortDateFormat.toUpper();
    std::array<std::pair<qsizetype, char>, 3> order{
        {{format.indexOf(u'D'), 'D'}, {format.indexOf(u'M'), 'M'}, {format.indexOf(u'Y'), 'Y'}}};
    for (const auto &[at, field] : order)
        if (at < 0)
            return false;
    std::sort(order.begin(), order.end());

    const QStringView trimmed = QStringView(text).trimmed();
    qsizetype dateEnd = 0;
    const auto parts = splitThree(trimmed, fs.DateSeparator, dateEnd, true);
    if (!parts)
        return false;
    const int values[3] = {parts->first, parts->second, parts->third};
    int day = 0, month = 0, year = 0;
    for (int i = 0; i < 3; ++i)
        (order[std::size_t(i)].second == 'D' ? day : order[std::size_t(i)].second == 'M' ? month : year) = values[i];
    if (day >= 32 || month > 12)
        return false;
    const auto encoded = encodeDate(year, month, day);
    if (!encoded)
        return false;
    date = *encoded;
    if (dateEnd == trimmed.size())
        return true;

    const QStringView time = trimmed.sliced(dateEnd + 1);
    const qsizetype colon = time.indexOf(fs.TimeSeparator);
    if (colon < 0)
        return false;
    const qsizetype secondColon = time.indexOf(fs.TimeSeparator, colon + 1);
    const auto hours = wholeIntTrimmed(time.first(colon));
    const auto minutes = wholeIntTrimmed(
        time.sliced(colon + 1, (secondColon < 0 ? time.size() : secondColon) - colon - 1));
    const auto seconds = secondColon < 0 ? std::optional<int>(0) : wholeIntTrimmed(time.sliced(secondColon + 1));
    const auto encodedTime = hours && minutes && seconds && *hours <= 23 && *minutes < 60 && *seconds <= 60
        ? encodeTime(*hours, *minutes, *seconds)
        : std::nullopt;
    if (!encodedTime) {
        date = 0;
        return false;
    }
    date += *encodedTime;
    return true;
}

bool LooksLikeDate(const QString &text, const TFormatSettings &fs)
{
    const qsizetype first = text.indexOf(fs.DateSeparator);
    if (first < 1)
        return false;
    return text.indexOf(fs.DateSeparator, first + 1) > first + 1;
}

TDateTime AddDateParts(int years, int months, int days, TDateTime date, double increment)
{
    const bool onlyDays = years == 0 && months == 0 && days != 0;
    const bool onlyYears = years != 0 && months == 0 && days == 0;
    const bool onlyMonths = years == 0 && months != 0 && days == 0;
    if (onlyDays)
        return date + days;
    if (!onlyYears && !onlyMonths)
        return date + increment;

    const QDate from = dateOf(date);
    if (!from.isValid())
        return date;
    const long long monthIndex = (from.year() + (long long)years) * 12 + (from.month() - 1) + months;
    const long long year = monthIndex >= 0 ? monthIndex / 12 : -((11 - monthIndex) / 12);
    const int month = int(monthIndex - year * 12) + 1;
    if (year < 1 || year > 9999)
        return date;
    const int day = std::min(from.day(), lastDayOf(int(year), month));
    return withTimeOf(*encodeDate(int(year), month, day), date);
}

} // namespace controls
