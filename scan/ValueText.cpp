#include "scan/ValueText.h"

#include "scan/TextWriter.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace scan {
namespace {

constexpr int kRecordDigits = 15;
constexpr std::uint64_t kFifteenDigitLimit = 1'000'000'000'000'000; // 10^15

// Significant digits of a number without trailing zeros (at least one),
// and the power of ten of the first.
struct Digits {
    bool negative = false;
    char digits[24];
    int length = 0;
    int exponent = 0;
};

void appendDigits(TextWriter &text, const char *from, const char *to) { text.appendLatin1(from, static_cast<std::size_t>(to - from)); }

void appendZeros(TextWriter &text, int count)
{
    for (int i = 0; i < count; ++i)
        text.append(u'0');
}

void appendInteger(TextWriter &text, long long value)
{
    char buffer[24];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    appendDigits(text, buffer, end);
}

void appendLaidOut(TextWriter &text, const Digits &d, int maxDigits, QStringView decimalPoint)
{
    if (d.negative)
        text.append(u'-');
    const char *digits = d.digits;
    if (d.exponent < -5 || d.exponent >= maxDigits) {
        appendDigits(text, digits, digits + 1);
        if (d.length > 1) {
            text.append(decimalPoint);
            appendDigits(text, digits + 1, digits + d.length);
        }
        text.append(u'E');
        appendInteger(text, d.exponent);
    } else if (d.exponent < 0) {
        text.append(u'0');
        text.append(decimalPoint);
        appendZeros(text, -d.exponent - 1);
        appendDigits(text, digits, digits + d.length);
    } else {
        const int integerDigits = d.exponent + 1;
        appendDigits(text, digits, digits + std::min(d.length, integerDigits));
        if (d.length <= integerDigits) {
            appendZeros(text, integerDigits - d.length);
        } else {
            text.append(decimalPoint);
            appendDigits(text, digits + integerDigits, digits + d.length);
        }
    }
}

// Reads "-d.ddde+XX" as printf's %e and to_chars' scientific format write it.
Digits scientificDigits(const char *p)
{
    Digits d;
    d.negative = *p == '-';
    if (d.negative)
        ++p;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9' && d.length < int(sizeof d.digits))
            d.digits[d.length++] = *p;
    d.exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (d.length > 1 && d.digits[d.length - 1] == '0')
        --d.length;
    return d;
}

// The special values and zero; false when the value is an ordinary number.
bool appendSpecial(TextWriter &text, long double value)
{
    if (std::isnan(value))
        text.appendLatin1("NAN", 3);
    else if (std::isinf(value))
        value < 0 ? text.appendLatin1("-INF", 4) : text.appendLatin1("INF", 3);
    else if (value == 0)
        text.append(u'0');
    else
        return false;
    return true;
}

void appendPrinted(TextWriter &text, long double value, int digits, QStringView decimalPoint)
{
    if (appendSpecial(text, value))
        return;
    digits = std::clamp(digits, 1, 18);
    // printf rounds to the wanted significant digits and gives the exponent.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, value);
    appendLaidOut(text, scientificDigits(buffer), digits, decimalPoint);
}

// An integer of at most fifteen significant digits times a power of ten is
// what the extended number approximates to far better than half a unit of
// its fifteenth digit, so printf would round it back to exactly these digits.
bool appendExactInteger(TextWriter &text, std::int64_t integer, int tenPower, QStringView decimalPoint)
{
    if (integer == 0) {
        text.append(u'0');
        return true;
    }
    Digits d;
    d.negative = integer < 0;
    std::uint64_t magnitude = d.negative ? 0 - static_cast<std::uint64_t>(integer) : static_cast<std::uint64_t>(integer);
    while (magnitude % 10 == 0) {
        magnitude /= 10;
        ++tenPower;
    }
    if (magnitude >= kFifteenDigitLimit)
        return false;
    d.length = static_cast<int>(std::to_chars(d.digits, d.digits + sizeof d.digits, magnitude).ptr - d.digits);
    d.exponent = d.length - 1 + tenPower;
    appendLaidOut(text, d, kRecordDigits, decimalPoint);
    return true;
}

// A float is exactly a double, and to_chars rounds a double to the wanted
// digits as printf rounds the same value held in extended precision (ties
// to even, both).
bool appendExactSingle(TextWriter &text, float single, QStringView decimalPoint)
{
    if (!std::isfinite(single))
        return false;
    if (single == 0) {
        text.append(u'0');
        return true;
    }
    char buffer[32];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer - 1, static_cast<double>(single),
                                   std::chars_format::scientific, kRecordDigits - 1).ptr;
    *end = '\0';
    appendLaidOut(text, scientificDigits(buffer), kRecordDigits, decimalPoint);
    return true;
}

} // namespace

void appendTwoDigitText(TextWriter &text, qint64 value)
{
    if (value >= 0 && value <= 9) {
        text.append(u'0');
        text.append(static_cast<char16_t>(u'0' + value));
    } else {
        appendInteger(text, value);
    }
}

QString Two_Digit_Text(qint64 value)
{
    TextWriter text;
    appendTwoDigitText(text, value);
    return text.take();
}

QString formatGeneral(long double value, int digits, const QString &decimalPoint)
{
    TextWriter text;
    appendPrinted(text, value, digits, decimalPoint);
    return text.take();
}

QString formatRecordValue(long double value)
{
    return formatGeneral(value, kRecordDigits, QLocale().decimalPoint());
}

long double RecordNumber::value() const
{
    long double v = kind == Kind::Integer ? static_cast<long double>(integer) : static_cast<long double>(single);
    // 10^k in extended precision: exact up to 10^27, so scaling divides by
    // an exact power rather than multiplying by an inexact fraction.
    for (int i = 0; i < stepCount; ++i) {
        const int exponent = steps[static_cast<std::size_t>(i)];
        long double power = 1;
        for (int k = 0; k < (exponent < 0 ? -exponent : exponent); ++k)
            power *= 10;
        v = exponent < 0 ? v / power : v * power;
    }
    return v;
}

void appendRecordValue(TextWriter &text, const RecordNumber &number, QStringView decimalPoint)
{
    if (number.kind == RecordNumber::Kind::Integer
            ? appendExactInteger(text, number.integer, number.tenPower, decimalPoint)
            : !number.scaled && appendExactSingle(text, number.single, decimalPoint))
        return;
    appendPrinted(text, number.value(), kRecordDigits, decimalPoint);
}

} // namespace scan
