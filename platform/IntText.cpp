#include "platform/IntText.h"

namespace platform {
namespace {

// Parses into an unsigned magnitude and checks the range against the width:
// decimals must fit the signed type, hexadecimals the unsigned one (and wrap).
std::optional<std::int64_t> parse(QStringView text, int bits)
{
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < n && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    bool hex = false;
    if (i < n && text[i] == u'$') {
        hex = true;
        ++i;
    } else if (i < n && (text[i] == u'x' || text[i] == u'X')) {
        hex = true;
        ++i;
    } else if (i + 1 < n && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        hex = true;
        i += 2;
    }
    if (i >= n)
        return std::nullopt;

    const std::uint64_t hexLimit = bits == 32 ? 0xFFFFFFFFull : ~0ull;
    // Largest magnitude a decimal may have: 2^(bits-1) - 1, one more when negative.
    const std::uint64_t decLimit = (1ull << (bits - 1)) - 1 + (negative ? 1 : 0);
    std::uint64_t value = 0;
    for (; i < n; ++i) {
        const char16_t c = text[i].unicode();
        unsigned digit;
        if (c >= u'0' && c <= u'9')
            digit = c - u'0';
        else if (hex && c >= u'a' && c <= u'f')
            digit = c - u'a' + 10;
        else if (hex && c >= u'A' && c <= u'F')
            digit = c - u'A' + 10;
        else
            return std::nullopt;
        const unsigned base = hex ? 16 : 10;
        const std::uint64_t limit = hex ? hexLimit : decLimit;
        if (value > (limit - digit) / base)
            return std::nullopt;
        value = value * base + digit;
    }

    if (hex && bits == 32)
        value = static_cast<std::uint32_t>(negative ? 0u - static_cast<std::uint32_t>(value)
                                                    : static_cast<std::uint32_t>(value));
    else if (negative)
        value = 0ull - value;
    if (bits == 32)
        return static_cast<std::int64_t>(static_cast<std::int32_t>(static_cast<std::uint32_t>(value)));
    return static_cast<std::int64_t>(value);
}

bool isBlank(QChar c) { return c.unicode() <= 32; }

} // namespace

std::optional<std::int32_t> tryParseInt32(QStringView text)
{
    const auto v = parse(text, 32);
    if (!v)
        return std::nullopt;
    return static_cast<std::int32_t>(*v);
}

std::optional<std::int64_t> tryParseInt64(QStringView text)
{
    return parse(text, 64);
}

std::optional<std::int32_t> tryParseInt32(const QString &text)
{
    return tryParseInt32(QStringView(text));
}

std::optional<std::int64_t> tryParseInt64(const QString &text)
{
    return tryParseInt64(QStringView(text));
}

QString trimBlanks(const QString &text)
{
    return trimRightBlanks(trimLeftBlanks(text));
}

QString trimLeftBlanks(const QString &text)
{
    qsizetype i = 0;
    while (i < text.size() && isBlank(text[i]))
        ++i;
    return text.mid(i);
}

QString trimRightBlanks(const QString &text)
{
    qsizetype n = text.size();
    while (n > 0 && isBlank(text[n - 1]))
        --n;
    return text.left(n);
}

} // namespace platform
