#include "controls/grid/base/editors/SpinText.h"

#include "controls/grid/base/NumberText.h"

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

constexpr int kSignificantDigits = 15;
constexpr double kMillisecondsPerDay = 86400000.0;

// The decimal digits of the value rounded to 15 significant digits, and the
// power of ten of the first one: 1.005 gives "100500000000000" and 0.
struct Decimal {
    QString digits;
    int exponent = 0;
    bool negative = false;
};

Decimal decimalOf(double value)
{
    const QString e = QString::number(std::fabs(value), 'e', kSignificantDigits - 1);
    const qsizetype at = e.indexOf(u'e');
    Decimal d;
    d.negative = value < 0;
    d.digits = e.first(at).remove(u'.');
    d.exponent = e.sliced(at + 1).toInt();
    return d;
}

// Rounds the digit string half away from zero at position keep; the
// exponent grows when the carry runs past the first digit.
void roundDigits(Decimal &d, qsizetype keep)
{
    if (keep < 0) {
        d.digits = QStringLiteral("0");
        return;
    }
    if (keep >= d.digits.size())
        return;
    const bool up = d.digits[keep] >= u'5';
    d.digits.truncate(keep);
    for (qsizetype i = keep - 1; up && i >= 0; --i) {
        if (d.digits[i] == u'9') {
            d.digits[i] = u'0';
            continue;
        }
        d.digits[i] = QChar(d.digits[i].unicode() + 1);
        return;
    }
    if (up) {
        d.digits.prepend(u'1');
        ++d.exponent;
    }
}

QString fixedText(double value, int precision, QChar separator)
{
    Decimal d = decimalOf(value);
    roundDigits(d, d.exponent + 1 + precision);
    // Digits at the places 10^exponent downwards, padded with zeros.
    QString whole, fraction;
    for (int place = std::max(d.exponent, 0); place >= -precision; --place) {
        const qsizetype index = d.exponent - place;
        const QChar digit = index >= 0 && index < d.digits.size() ? d.digits[index] : u'0';
        (place >= 0 ? whole : fraction) += digit;
    }
    QString text = whole;
    if (precision > 0)
        text += separator + fraction;
    const bool zero = std::all_of(text.begin(), text.end(), [](QChar c) { return c == u'0' || !c.isDigit(); });
    return d.negative && !zero ? u'-' + text : text;
}

QString generalText(double value, QChar separator)
{
    Decimal d = decimalOf(value);
    while (d.digits.size() > 1 && d.digits.endsWith(u'0'))
        d.digits.chop(1);
    QString text;
    if (d.exponent < -5 || d.exponent >= kSignificantDigits) {
        text = d.digits.first(1);
        if (d.digits.size() > 1)
            text += separator + d.digits.sliced(1);
        text += QStringLiteral("E") + QString::number(d.exponent);
    } else if (d.exponent < 0) {
        text = u'0' + QString(separator) + QString(-d.exponent - 1, u'0') + d.digits;
    } else {
        const qsizetype wholeDigits = d.exponent + 1;
        text = d.digits.leftJustified(wholeDigits, u'0').first(wholeDigits);
        if (d.digits.size() > wholeDigits)
            text += separator + d.digits.sliced(wholeDigits);
    }
    return d.negative && value != 0 ? u'-' + text : text;
}

QString twoDigits(int value)
{
    return QString::number(value).rightJustified(2, u'0');
}

} // namespace

std::optional<double> readFloatText(const QString &text, const TFormatSettings &fs)
{
    QString plain = text.trimmed();
    if (fs.DecimalSeparator != u'.') {
        if (plain.contains(u'.'))
            return std::nullopt;
        plain.replace(fs.DecimalSeparator, u'.');
    }
    return parsePlainNumber(plain);
}

QString floatText(double value, int precision, const TFormatSettings &fs)
{
    if (!std::isfinite(value))
        return QString::number(value);
    return precision > 0 ? fixedText(value, precision, fs.DecimalSeparator) : generalText(value, fs.DecimalSeparator);
}

QString dateText(TDateTime value, const TFormatSettings &fs)
{
    const QDate date = dateOf(value);
    if (!date.isValid())
        return {};
    QString text;
    const QString format = fs.ShortDateFormat;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i].toUpper();
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run].toUpper() == c)
            ++run;
        if (c == u'D')
            text += run > 1 ? twoDigits(date.day()) : QString::number(date.day());
        else if (c == u'M')
            text += run > 1 ? twoDigits(date.month()) : QString::number(date.month());
        else if (c == u'Y')
            text += run > 2 ? QString::number(date.year()).rightJustified(4, u'0') : twoDigits(date.year() % 100);
        else if (!c.isLetter())
            text += fs.DateSeparator;
        i += c.isLetter() ? run : 1;
    }
    return text;
}

std::optional<TDateTime> readDateText(const QString &text, const TFormatSettings &fs)
{
    TDateTime date = 0;
    if (!ParseLocaleDateTime(text, date, fs))
        return std::nullopt;
    return date;
}

QString timeText(TDateTime value, bool seconds, const TFormatSettings &fs)
{
    double fraction = value - std::floor(value);
    const qint64 ms = std::llround(fraction * kMillisecondsPerDay) % qint64(kMillisecondsPerDay);
    const int totalSeconds = int(ms / 1000);
    const int h = totalSeconds / 3600;
    const int m = totalSeconds / 60 % 60;
    const int s = totalSeconds % 60;
    if (!seconds)
        return QString::number(h) + fs.TimeSeparator + twoDigits(m);
    return twoDigits(h) + fs.TimeSeparator + twoDigits(m) + fs.TimeSeparator + twoDigits(s);
}

std::optional<TDateTime> readTimeText(const QString &text, const TFormatSettings &fs)
{
    const QStringList parts = text.trimmed().split(fs.TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int fields[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        const auto value = parseWholeInt(parts[i].trimmed());
        if (!value || *value < 0)
            return std::nullopt;
        fields[i] = *value;
    }
    return encodeTime(fields[0], fields[1], fields[2]);
}

} // namespace controls
