#pragma once
// Numbers in cell texts: which characters make a number, a cell's display
// text reduced to a plain number, the kind of number a text holds, and the
// small integer helpers the grid computes its limits with.
#include "controls/grid/base/FormatSettings.h"

#include <QString>
#include <QStringView>
#include <optional>

namespace controls {

// The decimal digits 0 to 9 only: other numerals (², ½) are no digits a
// number can be read from.
constexpr bool IsDigitChar(QChar c) { return c >= u'0' && c <= u'9'; }
constexpr bool IsDigitOrMinus(QChar c) { return IsDigitChar(c) || c == u'-'; }
bool IsNumberChar(QChar c, const TFormatSettings &fs = formatSettings());
bool IsNumberOrSignChar(QChar c, const TFormatSettings &fs = formatSettings());
constexpr bool IsNumericTextChar(QChar c)
{
    return IsDigitChar(c) || c == u'-' || c == u'.' || c == u'e' || c == u'E' || c == u'+';
}

// A display text such as " (1.234,5) " reduced to "-1234.5": trimmed;
// brackets around it, or a "-" among the leading characters that are
// dropped, make it negative; thousand separators go, the decimal separator
// becomes "."; the copy stops at the first character that is not numeric.
QString CleanNumericText(const QString &text, const TFormatSettings &fs = formatSettings());

enum : int { ntInteger = 0, ntDecimal = 1, ntOther = 2, ntExponent = 5 };
// ntInteger, ntDecimal, ntExponent or ntOther, judged with the separators
// of fs. A text without any digit is ntOther.
int ClassifyNumberText(const QString &text, const TFormatSettings &fs = formatSettings());

// A plain number as CleanNumericText gives it ("-1234.5", "1e5", "+3"):
// the whole text must be the number.
std::optional<double> parsePlainNumber(QStringView text);
// Optional sign and decimal digits, nothing else; nullopt on overflow.
std::optional<int> parseWholeInt(QStringView text);

constexpr int IntMax(int a, int b) { return a > b ? a : b; }
constexpr int IntMin(int a, int b) { return a < b ? a : b; }
// Equal limits leave the value alone; a limit of 0 or below is no limit.
constexpr int ClampToLimits(int value, int minimum, int maximum)
{
    if (minimum == maximum)
        return value;
    if (maximum > 0 && value > maximum)
        return maximum;
    if (minimum > 0 && value < minimum)
        return minimum;
    return value;
}

} // namespace controls
