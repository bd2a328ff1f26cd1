#pragma once
// Text from a format and arguments, printf-like: "%s%.8d", "%.2f", "%8.3n".
// Each specifier is checked against its argument, so a "%s" given a number
// or a "%d" given a text is refused with a message instead of reading the
// argument as something it is not. Formats come from stored layouts too,
// so a bad one is an expected failure, never undefined behaviour.
//
// Specifier: "%" [index ":"] ["-"] ["0"] [width] ["." precision] type,
// width and precision may be "*" (taken from the next integer argument);
// "%%" is a percent sign. Types: d (integer; precision = least digits),
// u (integer as unsigned), x (integer in upper-case hexadecimal), e, f, g, n
// (floating point: scientific, fixed, general, fixed with thousand
// separators), s (text; precision = most characters). Numbers use "." as
// the decimal and "," as the thousand separator.
#include <QString>
#include <concepts>
#include <cstdint>
#include <initializer_list>

namespace platform {

class FormatArg {
public:
    enum class Kind { Integer, Float, Text };

    template <std::integral T>
        requires(!std::same_as<T, bool> && !std::same_as<T, char>)
    FormatArg(T value) : m_kind(Kind::Integer), m_integer(static_cast<std::int64_t>(value)) {}
    FormatArg(double value) : m_kind(Kind::Float), m_float(value) {}
    FormatArg(const QString &value) : m_kind(Kind::Text), m_text(value) {}
    FormatArg(const char *utf8) : m_kind(Kind::Text), m_text(QString::fromUtf8(utf8)) {}

    Kind kind() const { return m_kind; }
    std::int64_t integer() const { return m_integer; }
    double floating() const { return m_float; }
    const QString &text() const { return m_text; }

private:
    Kind m_kind;
    std::int64_t m_integer = 0;
    double m_float = 0;
    QString m_text;
};

struct FormatResult {
    bool ok = true;
    QString text; // the formatted text when ok
    QString message; // why the format was refused otherwise
};

FormatResult Format(const QString &format, std::initializer_list<FormatArg> args);

} // namespace platform
