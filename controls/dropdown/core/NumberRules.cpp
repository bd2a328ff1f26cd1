#include "controls/dropdown/core/NumberRules.h"

#include "platform/Format.h"

#include <QLocale>

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

constexpr bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }
constexpr bool isHexLetter(QChar c) { return (c >= u'A' && c <= u'F') || (c >= u'a' && c <= u'f'); }

// Trunc(X) of a hex value must fit a signed 64-bit integer.
constexpr double Int64Limit = 9223372036854775808.0; // 2^63

// "%.2f" and the like.
QString precisionFormat(int precision, char type)
{
    return QStringLiteral("%.") + QString::number(precision) + QLatin1Char(type);
}

QString hexText(std::int64_t value)
{
    if (value < 0)
        return u'-' + QString::number(0 - static_cast<std::uint64_t>(value), 16).toUpper();
    return QString::number(value, 16).toUpper();
}

} // namespace

int ClassifyEditNumberText(const QString &text, const TFormatSettings &fs)
{
    if (text.isEmpty())
        return entOther;
    bool integer = true, decimal = true, hex = true;
    int minus = 0, decimals = 0;
    qsizetype previousThousand = -1;
    for (qsizetype at = 0; at < text.size(); ++at) {
        const QChar c = text[at];
        const qsizetype position = at + 1;
        if (c == u'-') {
            ++minus;
            // A sign anywhere but first makes no number.
            if (at > 0)
                return entOther;
        }
        if (c != u'-' && !isDigit(c))
            integer = false;
        if (c != u'-' && !isDigit(c) && c != fs.DecimalSeparator && c != fs.ThousandSeparator)
            decimal = false;
        if (c != u'-' && !isDigit(c) && !isHexLetter(c))
            hex = false;
        if (!fs.ThousandSeparator.isNull() && c == fs.ThousandSeparator) {
            if (position - previousThousand < 3)
                decimal = false;
            previousThousand = position;
        }
        if (c == fs.DecimalSeparator)
            ++decimals;
    }
    if (minus > 1 || decimals > 1)
        return entOther;
    if (hex && !integer)
        return entHex;
    if (integer)
        return entInteger;
    return decimal ? entDecimal : entOther;
}

QString StripThousandSeparators(const QString &text, const TFormatSettings &fs)
{
    if (fs.ThousandSeparator.isNull() || !text.contains(fs.ThousandSeparator))
        return text;
    QString stripped = text;
    stripped.remove(fs.ThousandSeparator);
    return stripped;
}

int HexDigitValue(QChar c)
{
    if (isDigit(c))
        return c.unicode() - u'0';
    if (c >= u'A' && c <= u'F')
        return c.unicode() - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c.unicode() - u'a' + 10;
    return 0;
}

std::int64_t HexTextToInt(const QString &text)
{
    const bool negative = text.startsWith(u'-');
    std::uint64_t sum = 0;
    for (qsizetype at = negative ? 1 : 0; at < text.size(); ++at)
        sum = sum * 16 + static_cast<std::uint64_t>(HexDigitValue(text[at]));
    return static_cast<std::int64_t>(negative ? 0 - sum : sum);
}

double TextToFloat(const QString &text, const TFormatSettings &fs)
{
    static const QLocale c = QLocale::c();
    // The locale's decimal separator becomes the point; a point that is
    // not the locale's separator makes no number.
    bool plainAlready = fs.DecimalSeparator == u'.';
    for (const QChar ch : text)
        if ((!fs.ThousandSeparator.isNull() && ch == fs.ThousandSeparator) || (ch == u'.' && !plainAlready)) {
            plainAlready = false;
            break;
        }
    bool ok = false;
    double value = 0;
    if (plainAlready) {
        value = c.toDouble(QStringView(text).trimmed(), &ok);
    } else {
        QString plain;
        plain.reserve(text.size());
        for (const QChar ch : text) {
            if (!fs.ThousandSeparator.isNull() && ch == fs.ThousandSeparator)
                continue;
            if (ch == fs.DecimalSeparator)
                plain += u'.';
            else if (ch == u'.')
                return 0;
            else
                plain += ch;
        }
        value = c.toDouble(QStringView(plain).trimmed(), &ok);
    }
    return ok && std::isfinite(value) ? value : 0;
}

// The platform's "%.Nf" without parsing a format: SetFloatValue's
// commonest text.
static QString fixedText(double value, int precision, const TFormatSettings &fs)
{
    QString text = QString::number(value, 'f', precision);
    if (fs.DecimalSeparator != u'.')
        text.replace(u'.', fs.DecimalSeparator);
    return text;
}

QString FormatLocaleFloat(const QString &format, double value, const TFormatSettings &fs)
{
    const platform::FormatResult formatted = platform::Format(format, {value});
    if (!formatted.ok)
        return QString();
    QString text;
    text.reserve(formatted.text.size());
    for (const QChar c : formatted.text) {
        if (c == u'.')
            text += fs.DecimalSeparator;
        else if (c == u',') {
            if (!fs.ThousandSeparator.isNull())
                text += fs.ThousandSeparator;
        } else
            text += c;
    }
    return text;
}

QString NormalizeTextValue(const QString &value, const TEditTypeSettings &settings, const TFormatSettings &fs)
{
    QString v = value;
    if (v.isEmpty() && isNumberEditType(settings.EditType))
        v = QStringLiteral("0");
    if (settings.Precision > 0 && !v.isEmpty() && v != u"Error") {
        if (settings.EditType == etMoney)
            v = FormatLocaleFloat(precisionFormat(settings.Precision, 'n'), TextToFloat(v, fs), fs);
        else if (settings.EditType == etFloat)
            v = fixedText(TextToFloat(v, fs), settings.Precision, fs);
    }
    if (settings.EditType == etHex)
        v = v.toUpper();
    return v;
}

std::optional<QString> FloatValueText(double value, const TEditTypeSettings &settings, const TFormatSettings &fs)
{
    if (!std::isfinite(value))
        return std::nullopt;
    const int p = settings.Precision;
    switch (settings.EditType) {
    case etString:
    case etFloat:
        return p < 0 ? FormatLocaleFloat(QStringLiteral("%g"), value, fs) : fixedText(value, p, fs);
    case etNumeric:
        return FormatLocaleFloat(p < 0 ? QStringLiteral("%g") : precisionFormat(p, 'n'), value, fs);
    case etMoney: {
        QString text = p < 0 ? FormatLocaleFloat(QStringLiteral("%g"), value, fs) : fixedText(value, p, fs);
        // Money has no exponent: its digits are grouped.
        if (text.contains(u'E'))
            text = FormatLocaleFloat(QStringLiteral("%.0f"), value, fs);
        TEditState state{text, int(text.size()), int(text.size()), 0};
        return FormatMoneyText(state, settings, fs).value;
    }
    case etHex: {
        const double whole = std::trunc(value);
        if (whole >= Int64Limit || whole < -Int64Limit)
            return std::nullopt;
        return hexText(static_cast<std::int64_t>(whole));
    }
    default:
        return std::nullopt;
    }
}

std::optional<QString> IntValueText(std::int64_t value, const TEditTypeSettings &settings, const TFormatSettings &fs)
{
    switch (settings.EditType) {
    case etNumeric:
    case etFloat:
        return QString::number(value);
    case etMoney: {
        const QString text = QString::number(value);
        TEditState state{text, int(text.size()), int(text.size()), 0};
        return FormatMoneyText(state, settings, fs).value;
    }
    case etHex:
        return hexText(value);
    default:
        return std::nullopt;
    }
}

double FloatValueOf(const QString &value, const TEditTypeSettings &settings, const TFormatSettings &fs)
{
    switch (settings.EditType) {
    case etString: {
        bool ok = false;
        const double v = QLocale::c().toDouble(QStringView(value).trimmed(), &ok);
        return ok && std::isfinite(v) ? v : 0;
    }
    case etNumeric:
    case etFloat:
        if (value.isEmpty() || value == u"Error" || value == u"-")
            return 0;
        return TextToFloat(value, fs);
    case etMoney: {
        QString v = StripThousandSeparators(value, fs);
        if (v.endsWith(fs.DecimalSeparator))
            v.chop(1);
        if (v.isEmpty() || v == u"-")
            return 0;
        return TextToFloat(v, fs);
    }
    case etHex: {
        if (value.isEmpty())
            return 0;
        return static_cast<double>(HexTextToInt(value));
    }
    default:
        return 0;
    }
}

TEditState FormatMoneyText(const TEditState &state, const TEditTypeSettings &settings, const TFormatSettings &fs)
{
    if (state.value.isEmpty())
        return state;
    QStringView rest(state.value);
    const bool negative = rest.startsWith(u'-');
    if (negative)
        rest = rest.sliced(1);
    const qsizetype point = rest.indexOf(fs.DecimalSeparator);
    const QStringView decimals = point < 0 ? QStringView() : rest.sliced(point).first(std::min<qsizetype>(255, rest.size() - point));
    const QStringView whole = point < 0 ? rest : rest.first(point);
    // The text's own digits, without leading zeros, grouped in threes.
    QString digits;
    digits.reserve(whole.size());
    for (const QChar c : whole)
        if (isDigit(c) && !(digits.isEmpty() && c == u'0'))
            digits += c;
    if (digits.isEmpty())
        digits = QStringLiteral("0");
    if (settings.AutoThousandSeparator && !fs.ThousandSeparator.isNull())
        for (qsizetype at = digits.size() - 3; at > 0; at -= 3)
            digits.insert(at, fs.ThousandSeparator);
    TEditState formatted;
    formatted.value = (negative ? QStringLiteral("-") : QString()) + digits;
    formatted.value.append(decimals);
    formatted.caret = std::clamp(state.caret + int(formatted.value.size() - state.value.size()), 0,
                                 int(formatted.value.size()));
    formatted.selStart = formatted.caret;
    formatted.selLength = 0;
    return formatted;
}

} // namespace controls
