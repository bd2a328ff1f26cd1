#pragma once
// Integer text as users type it and as the configuration files hold it:
// optional leading blanks, an optional sign, then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Nothing may follow.
// The 32-bit form takes decimals that fit a signed 32-bit integer and up to
// 32 bits of hexadecimal (above 7FFFFFFF they wrap to negative); the 64-bit
// form is the same with 64 bits.
#include <QString>
#include <cstdint>
#include <optional>

namespace platform {

std::optional<std::int32_t> tryParseInt32(const QString &text);
std::optional<std::int64_t> tryParseInt64(const QString &text);
// The same over text that is not copied (an attribute in a parser's buffer).
std::optional<std::int32_t> tryParseInt32(QStringView text);
std::optional<std::int64_t> tryParseInt64(QStringView text);

inline std::int32_t parseInt32Or(const QString &text, std::int32_t fallback)
{
    return tryParseInt32(text).value_or(fallback);
}
inline std::int64_t parseInt64Or(const QString &text, std::int64_t fallback)
{
    return tryParseInt64(text).value_or(fallback);
}

// Removes every character with a code of 32 or less from both ends.
QString trimBlanks(const QString &text);
QString trimLeftBlanks(const QString &text);
QString trimRightBlanks(const QString &text);

} // namespace platform
