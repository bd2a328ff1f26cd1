#pragma once
// How decoded numbers read as text.
#include <QString>
#include <QStringView>
#include <array>
#include <cstdint>

namespace scan {

class TextWriter;

// Decimal text with a leading "0" when it would have one character.
QString Two_Digit_Text(qint64 value);
void appendTwoDigitText(TextWriter &text, qint64 value);

// General number format: at most `digits` significant digits, no trailing
// zeros, fixed notation from 1E-5 up to 10^digits, scientific otherwise
// ("1.5E20", "2E-6"); the decimal separator is the given one.
QString formatGeneral(long double value, int digits, const QString &decimalPoint);

// The value of a record as the decoder shows it: 15 significant digits with
// the user's decimal separator (the default QLocale's).
QString formatRecordValue(long double value);

// A record's value: its raw number, an integer or a single-precision float,
// and the powers of ten that scale it, in order. The decoder's value is the
// raw number scaled step by step in extended precision; where the raw number
// is an integer, or a float no power changed, the text of formatRecordValue
// follows from them digit for digit without working out the extended value.
struct RecordNumber {
    enum class Kind { Integer, Single };
    Kind kind = Kind::Integer;
    std::int64_t integer = 0;
    float single = 0;
    int tenPower = 0;  // the sum of the steps
    std::array<std::int8_t, 12> steps; // only the first stepCount are set
    int stepCount = 0;
    bool scaled = false; // a step other than 10^0

    void scale(int exponent)
    {
        if (stepCount < static_cast<int>(steps.size()))
            steps[static_cast<std::size_t>(stepCount++)] = static_cast<std::int8_t>(exponent);
        tenPower += exponent;
        scaled = scaled || exponent != 0;
    }
    // The value in extended precision, as the decoder shows it.
    long double value() const;
};

// Appends what formatRecordValue gives for number.value, with the given
// decimal separator.
void appendRecordValue(TextWriter &text, const RecordNumber &number, QStringView decimalPoint);

} // namespace scan
