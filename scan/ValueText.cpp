#include "scan/ValueText.h"

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace scan {

QString Two_Digit_Text(qint64 value)
{
    QString text = QString::number(value);
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}

QString formatGeneral(long double value, int digits, const QString &decimalPoint)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
    if (value == 0)
        return QStringLiteral("0");
    digits = std::clamp(digits, 1, 18);

    // printf rounds to the wanted significant digits and gives the exponent.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*Le", digits - 1, value);
    const char *p = buffer;
    const bool negative = *p == '-';
    if (negative)
        ++p;
    char mantissa[24];
    int length = 0;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9' && length < int(sizeof mantissa))
            mantissa[length++] = *p;
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (length > 1 && mantissa[length - 1] == '0')
        --length;

    QString text;
    text.reserve(length + 24);
    if (negative)
        text += QLatin1Char('-');
    auto digitsFrom = [&](int from, int to) { text += QLatin1String(mantissa + from, to - from); };
    if (exponent < -5 || exponent >= digits) {
        digitsFrom(0, 1);
        if (length > 1) {
            text += decimalPoint;
            digitsFrom(1, length);
        }
        text += QLatin1Char('E');
        text += QString::number(exponent);
    } else if (exponent < 0) {
        text += QLatin1Char('0');
        text += decimalPoint;
        text += QString(-exponent - 1, QLatin1Char('0'));
        digitsFrom(0, length);
    } else {
        const int integerDigits = exponent + 1;
        digitsFrom(0, std::min(length, integerDigits));
        if (length <= integerDigits) {
            text += QString(integerDigits - length, QLatin1Char('0'));
        } else {
            text += decimalPoint;
            digitsFrom(integerDigits, length);
        }
    }
    return text;
}

QString formatRecordValue(long double value)
{
    return formatGeneral(value, 15, QLocale().decimalPoint());
}

} // namespace scan
