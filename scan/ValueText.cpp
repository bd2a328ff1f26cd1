#include "scan/ValueText.h"

#include <QByteArray>
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
    QByteArray mantissa;
    for (; *p && *p != 'e'; ++p)
        if (*p >= '0' && *p <= '9')
            mantissa.append(*p);
    const int exponent = *p == 'e' ? std::atoi(p + 1) : 0;
    while (mantissa.size() > 1 && mantissa.endsWith('0'))
        mantissa.chop(1);

    QString text = negative ? QStringLiteral("-") : QString();
    if (exponent < -5 || exponent >= digits) {
        text += QLatin1Char(mantissa[0]);
        if (mantissa.size() > 1)
            text += decimalPoint + QString::fromLatin1(mantissa.mid(1));
        text += QLatin1Char('E') + QString::number(exponent);
        return text;
    }
    if (exponent < 0) {
        text += QLatin1Char('0') + decimalPoint + QString(-exponent - 1, QLatin1Char('0'))
              + QString::fromLatin1(mantissa);
        return text;
    }
    const int integerDigits = exponent + 1;
    if (mantissa.size() <= integerDigits) {
        text += QString::fromLatin1(mantissa) + QString(integerDigits - mantissa.size(), QLatin1Char('0'));
    } else {
        text += QString::fromLatin1(mantissa.left(integerDigits)) + decimalPoint
              + QString::fromLatin1(mantissa.mid(integerDigits));
    }
    return text;
}

QString formatRecordValue(long double value)
{
    return formatGeneral(value, 15, QLocale().decimalPoint());
}

} // namespace scan
