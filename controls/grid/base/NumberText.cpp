#include "controls/grid/base/NumberText.h"

#include <array>
#include <charconv>
#include <limits>

namespace controls {

bool IsNumberChar(QChar c, const TFormatSettings &fs)
{
    return IsDigitChar(c) || c == fs.ThousandSeparator || c == fs.DecimalSeparator || c == u'e' || c == u'E';
}

bool IsNumberOrSignChar(QChar c, const TFormatSettings &fs)
{
    return IsNumberChar(c, fs) || c == u'+' || c == u'-';
}

QString CleanNumericText(const QString &text, const TFormatSettings &fs)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin].isSpace())
        ++begin;
    while (end > begin && text[end - 1].isSpace())
        --end;
    if (begin == end)
        return {};

    bool negative = text[begin] == u'(' && text[end - 1] == u')';
    while (end - begin >= 2 && !IsNumberChar(text[begin], fs)) {
        if (text[begin] == u'-')
            negative = true;
        ++begin;
    }

    QString result;
    result.reserve(end - begin + 1);
    if (negative)
        result += u'-';
    for (qsizetype i = begin; i < end; ++i) {
        const QChar c = text[i];
        if (c == fs.ThousandSeparator)
            continue;
        if (c == fs.DecimalSeparator)
            result += u'.';
        else if (IsNumericTextChar(c))
            result += c;
        else
            break;
    }
    return result;
}

int ClassifyNumberText(const QString &text, const TFormatSettings &fs)
{
    if (text.isEmpty())
        return ntOther;

    int digits = 0, minus = 0, decimals = 0, thousands = 0, exponents = 0;
    qsizetype exponentAt = -1, lastThousand = -4, digitsBeforeExponent = 0;
    bool minusOnlyFirst = true, plainChars = true, decimalChars = true, signChars = true, crowded = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const bool digit = IsDigitChar(c);
        digits += digit;
        if (digit && exponentAt < 0)
            ++digitsBeforeExponent;
        if (c == u'-') {
            ++minus;
            minusOnlyFirst = minusOnlyFirst && i == 0;
        }
        if (c == fs.DecimalSeparator)
            ++decimals;
        if (c == fs.ThousandSeparator) {
            ++thousands;
            crowded = crowded || i - lastThousand <= 3;
            lastThousand = i;
        }
        if (c == u'e' || c == u'E') {
            ++exponents;
            exponentAt = i;
        }
        plainChars = plainChars && (digit || c == u'-');
        decimalChars = decimalChars && (digit || c == u'-' || c == fs.DecimalSeparator || c == fs.ThousandSeparator);
        signChars = signChars && IsNumberOrSignChar(c, fs);
    }
    if (digits == 0 || decimals > 1)
        return ntOther;

    if (plainChars && minusOnlyFirst)
        return ntInteger;
    if (decimalChars && minusOnlyFirst && !crowded)
        return ntDecimal;

    const QChar last = text.back();
    const bool exponentForm = exponents == 1 && exponentAt > 0 && last != u'+' && last != u'-' && last != u'e'
        && last != u'E' && thousands == 0 && signChars && digitsBeforeExponent > 0 && digits > digitsBeforeExponent;
    if (exponentForm && minus <= 2)
        return ntExponent;
    return ntOther;
}

std::optional<double> parsePlainNumber(QStringView text)
{
    std::array<char, 64> ascii{};
    if (text.startsWith(u'+'))
        text = text.mid(1);
    if (text.isEmpty() || text.size() >= qsizetype(ascii.size()))
        return std::nullopt;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        // Letters other than the exponent would let "inf" and "nan" through.
        if (!IsNumericTextChar(c))
            return std::nullopt;
        ascii[std::size_t(i)] = char(c.unicode());
    }
    double value = 0;
    const char *last = ascii.data() + text.size();
    const auto [end, error] = std::from_chars(ascii.data(), last, value);
    if (error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

std::optional<int> parseWholeInt(QStringView text)
{
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'-' || text.front() == u'+')) {
        negative = text.front() == u'-';
        text = text.mid(1);
    }
    if (text.isEmpty())
        return std::nullopt;
    long long value = 0;
    for (const QChar c : text) {
        if (!IsDigitChar(c))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
        if (value > std::numeric_limits<int>::max() + 1LL)
            return std::nullopt;
    }
    if (negative)
        value = -value;
    if (value > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(value);
}

} // namespace controls
