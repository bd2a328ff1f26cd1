#pragma once
// The texts a spin edit shows for its four kinds of value, and how it reads
// them back, in the separators of the format settings.
#include "controls/grid/base/DateText.h"
#include "controls/grid/base/FormatSettings.h"

#include <QString>
#include <optional>

namespace controls {

// Blanks around, an optional sign, digits with the decimal separator and an
// optional exponent; nothing else.
std::optional<double> readFloatText(const QString &text, const TFormatSettings &fs = formatSettings());
// Fixed-point with that many decimals, or, with 0, the shortest general
// form; either way from the value's first 15 significant digits, so 1.005
// with two decimals shows 1.01 as typed, not the 1.00 of its binary value.
QString floatText(double value, int precision, const TFormatSettings &fs = formatSettings());

// The date in the order of the short date format, with its separator.
QString dateText(TDateTime value, const TFormatSettings &fs = formatSettings());
std::optional<TDateTime> readDateText(const QString &text, const TFormatSettings &fs = formatSettings());

// "hh:nn:ss", or "h:nn" without seconds, from the time of day of the value.
QString timeText(TDateTime value, bool seconds, const TFormatSettings &fs = formatSettings());
// Hours, minutes and optional seconds; nullopt when the text is no time.
std::optional<TDateTime> readTimeText(const QString &text, const TFormatSettings &fs = formatSettings());

} // namespace controls
