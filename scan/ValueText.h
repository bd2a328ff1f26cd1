#pragma once
// How decoded numbers read as text.
#include <QString>

namespace scan {

// Decimal text with a leading "0" when it would have one character.
QString Two_Digit_Text(qint64 value);

// General number format: at most `digits` significant digits, no trailing
// zeros, fixed notation from 1E-5 up to 10^digits, scientific otherwise
// ("1.5E20", "2E-6"); the decimal separator is the given one.
QString formatGeneral(long double value, int digits, const QString &decimalPoint);

// The value of a record as the decoder shows it: 15 significant digits with
// the user's decimal separator (the default QLocale's).
QString formatRecordValue(long double value);

} // namespace scan
