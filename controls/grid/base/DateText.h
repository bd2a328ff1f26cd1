#pragma once
// Dates in cell texts. A date is a day count from 30 December 1899 with the
// time of day as its fraction, as the grid stores and sorts dates. No helper
// throws: a text that is no date gives 0 or false.
#include "controls/grid/base/FormatSettings.h"

#include <QDate>
#include <QString>
#include <QTime>
#include <optional>

namespace controls {

using TDateTime = double;

// The day count of a valid date of the years 1 to 9999; nullopt otherwise.
std::optional<TDateTime> encodeDate(int year, int month, int day);
// The fraction of a day; nullopt outside 0:00:00.000 to 23:59:59.999.
std::optional<TDateTime> encodeTime(int hour, int minute, int second, int millisecond = 0);
QDate dateOf(TDateTime value);

// "d/m/y", "d.m.y" or "d-m-y" (the first of "/", "." and "-" the text holds
// is the separator): a year below 100 falls in 2000-2025 when below 26 and
// in 1926-1999 otherwise; longer years stand as written. 0 when the text is
// no date.
TDateTime ParseDateDMY(const QString &text);
TDateTime ParseDateMDY(const QString &text);

// A date, and an optional time after the first blank, in the order of the
// short date format. On false, date holds the date part when only the time
// could not be read, else 0.
bool ParseLocaleDateTime(const QString &text, TDateTime &date, const TFormatSettings &fs = formatSettings());

// The date separator stands at position 2 or later, and again at position 2
// or later of what follows it.
bool LooksLikeDate(const QString &text, const TFormatSettings &fs = formatSettings());

// Only days given: date + days. Only years, or only months: the same day in
// that month (the month's last day when the month is shorter), with months
// carried over into years in both directions; the time of day is kept. Any
// other combination: date + increment. A result outside the years 1 to
// 9999 leaves the date as it was.
TDateTime AddDateParts(int years, int months, int days, TDateTime date, double increment);

} // namespace controls
