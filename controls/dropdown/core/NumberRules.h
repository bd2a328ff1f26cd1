#pragma once
// The numbers of the typed edit: what kind of number a text holds, hex
// digits, and the texts SetFloatValue, SetIntValue and Text write show,
// all with the separators of the user's locale.
#include "controls/dropdown/core/EditTypes.h"
#include "controls/grid/base/FormatSettings.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace controls {

enum : int { entInteger = 0, entDecimal = 1, entOther = 2, entHex = 5 };

// entInteger, entDecimal, entHex (hex digits, not a plain integer) or
// entOther. A minus sign is part of a number only as its first character;
// two decimal separators make no number; thousand separators less than
// three apart make no decimal number. The grid's own classification reads
// exponents instead of hex digits.
int ClassifyEditNumberText(const QString &text, const TFormatSettings &fs = formatSettings());

QString StripThousandSeparators(const QString &text, const TFormatSettings &fs = formatSettings());
int HexDigitValue(QChar c);
// Signed 64-bit: "-1F" is -31; digits beyond 64 bits wrap as the register
// would.
std::int64_t HexTextToInt(const QString &text);
constexpr bool IsRangeSeparator(QChar c) { return c == u',' || c == u'-' || c == u';'; }

// The number the text holds, thousand separators ignored; 0 for anything
// that is not a finite number.
double TextToFloat(const QString &text, const TFormatSettings &fs = formatSettings());

// A number in a format of the platform's ("%g", "%.2f", "%.2n"...) with the
// locale's separators.
QString FormatLocaleFloat(const QString &format, double value, const TFormatSettings &fs = formatSettings());

// The value Text write stores: an empty number becomes "0", etFloat and
// etMoney with decimals are formatted, hex is upper-cased.
QString NormalizeTextValue(const QString &value, const TEditTypeSettings &settings,
                           const TFormatSettings &fs = formatSettings());

// The value SetFloatValue shows; none for the types that take no number,
// and for NaN, infinities and values hex cannot hold.
std::optional<QString> FloatValueText(double value, const TEditTypeSettings &settings,
                                      const TFormatSettings &fs = formatSettings());
// The value SetIntValue shows; none for the types that take no number.
std::optional<QString> IntValueText(std::int64_t value, const TEditTypeSettings &settings,
                                    const TFormatSettings &fs = formatSettings());
// GetFloatValue of a value.
double FloatValueOf(const QString &value, const TEditTypeSettings &settings,
                    const TFormatSettings &fs = formatSettings());

// etMoney's display: the integer digits of the value grouped (or not, as
// AutoThousandSeparator says), its sign and decimals kept as typed; the
// caret keeps its distance from the end. Nothing changes for an empty
// value.
TEditState FormatMoneyText(const TEditState &state, const TEditTypeSettings &settings,
                           const TFormatSettings &fs = formatSettings());

} // namespace controls
