#include "platform/Format.h"

#include "platform/QuotedValue.h"

#include <cmath>
#include <vector>

namespace platform {

namespace {

// Widths and precisions beyond this are taken for a damaged format rather
// than allocated.
constexpr int kLargestWidth = 1000;

struct Spec {
    bool leftAlign = false;
    bool zeroPad = false;
    int width = -1;
    int precision = -1;
    QChar type;
};

class Formatter {
public:
    Formatter(const QString &format, std::initializer_list<FormatArg> args)
        : m_format(format), m_args(args)
    {
    }

    FormatResult run()
    {
        QString out;
        out.reserve(m_format.size() + 16);
        for (m_at = 0; m_at < m_format.size();) {
            const QChar c = m_format[m_at++];
            if (c != u'%') {
                out += c;
                continue;
            }
            if (m_at < m_format.size() && m_format[m_at] == u'%') {
                out += u'%';
                ++m_at;
                continue;
            }
            Spec spec;
            if (!readSpec(spec))
                return refused();
            QString piece;
            if (!formatOne(spec, piece))
                return refused();
            out += pad(piece, spec);
        }
        return {true, out, {}};
    }

private:
    FormatResult refused() const
    {
        return {false, {}, QStringLiteral("Format '%1' invalid or incompatible with argument").arg(quotedValue(m_format))};
    }

    bool readNumber(int &value)
    {
        const qsizetype start = m_at;
        qint64 number = 0;
        while (m_at < m_format.size() && m_format[m_at].isDigit() && m_format[m_at].unicode() < 0x80) {
            number = number * 10 + (m_format[m_at++].unicode() - u'0');
            if (number > kLargestWidth)
                return false;
        }
        value = int(number);
        return m_at > start;
    }

    // A number written in the format, or "*" for the next integer argument.
    bool readCount(int &value)
    {
        if (m_at < m_format.size() && m_format[m_at] == u'*') {
            ++m_at;
            const FormatArg *arg = next();
            if (!arg || arg->kind() != FormatArg::Kind::Integer || arg->integer() < 0
                || arg->integer() > kLargestWidth)
                return false;
            value = int(arg->integer());
            return true;
        }
        return readNumber(value);
    }

    bool readSpec(Spec &spec)
    {
        // An index ("%1:s") moves the argument position.
        const qsizetype start = m_at;
        int index = 0;
        if (readNumber(index) && m_at < m_format.size() && m_format[m_at] == u':') {
            m_next = std::size_t(index);
            ++m_at;
        } else {
            m_at = start;
        }
        if (m_at < m_format.size() && m_format[m_at] == u'-') {
            spec.leftAlign = true;
            ++m_at;
        }
        if (m_at < m_format.size() && m_format[m_at] == u'0') {
            spec.zeroPad = true;
            ++m_at;
        }
        if (m_at < m_format.size() && (m_format[m_at] == u'*' || m_format[m_at].isDigit()) && !readCount(spec.width))
            return false;
        if (m_at < m_format.size() && m_format[m_at] == u'.') {
            ++m_at;
            spec.precision = 0;
            if (m_at < m_format.size() && (m_format[m_at] == u'*' || m_format[m_at].isDigit())
                && !readCount(spec.precision))
                return false;
        }
        if (m_at >= m_format.size())
            return false;
        spec.type = m_format[m_at++].toLower();
        return true;
    }

    const FormatArg *next()
    {
        if (m_next >= m_args.size())
            return nullptr;
        return m_args.begin() + m_next++;
    }

    bool formatOne(const Spec &spec, QString &piece)
    {
        const FormatArg *arg = next();
        if (!arg)
            return false;
        const char type = char(spec.type.unicode() < 0x80 ? spec.type.unicode() : 0);
        switch (type) {
        case 'd':
        case 'u':
        case 'x':
            if (arg->kind() != FormatArg::Kind::Integer)
                return false;
            piece = integerText(arg->integer(), type, spec.precision);
            return true;
        case 'e':
        case 'f':
        case 'g':
        case 'n':
            if (arg->kind() != FormatArg::Kind::Float)
                return false;
            piece = floatText(arg->floating(), type, spec.precision);
            return true;
        case 's':
            if (arg->kind() != FormatArg::Kind::Text)
                return false;
            piece = spec.precision >= 0 ? arg->text().left(spec.precision) : arg->text();
            return true;
        default:
            return false;
        }
    }

    static QString integerText(std::int64_t value, char type, int precision)
    {
        const bool negative = type == 'd' && value < 0;
        const std::uint64_t magnitude = negative ? 0 - static_cast<std::uint64_t>(value)
                                                 : static_cast<std::uint64_t>(value);
        QString digits = QString::number(magnitude, type == 'x' ? 16 : 10).toUpper();
        if (precision > digits.size())
            digits = digits.rightJustified(precision, u'0');
        return negative ? u'-' + digits : digits;
    }

    static QString withThousands(const QString &fixed)
    {
        const qsizetype sign = fixed.startsWith(u'-') ? 1 : 0;
        qsizetype point = fixed.indexOf(u'.');
        if (point < 0)
            point = fixed.size();
        QString grouped = fixed;
        for (qsizetype at = point - 3; at > sign; at -= 3)
            grouped.insert(at, u',');
        return grouped;
    }

    // Scientific with at least three exponent digits: 1.2300E+002.
    static QString scientific(double value, int digits)
    {
        QString text = QString::number(value, 'E', std::max(digits - 1, 0));
        const qsizetype e = text.indexOf(u'E');
        if (e < 0 || e + 2 > text.size())
            return text;
        const QString exponent = text.sliced(e + 2).rightJustified(3, u'0');
        return text.first(e + 2) + exponent;
    }

    static QString floatText(double value, char type, int precision)
    {
        if (std::isnan(value))
            return QStringLiteral("NAN");
        if (std::isinf(value))
            return value < 0 ? QStringLiteral("-INF") : QStringLiteral("INF");
        switch (type) {
        case 'e':
            return scientific(value, precision < 0 ? 15 : std::max(precision, 1));
        case 'g':
            return QString::number(value, 'G', precision < 0 ? 15 : std::max(precision, 1));
        case 'n':
            return withThousands(QString::number(value, 'f', precision < 0 ? 2 : precision));
        default:
            return QString::number(value, 'f', precision < 0 ? 2 : precision);
        }
    }

    static QString pad(const QString &piece, const Spec &spec)
    {
        if (spec.width <= piece.size())
            return piece;
        if (spec.leftAlign)
            return piece.leftJustified(spec.width, u' ');
        const bool numeric = spec.type != u's' && piece.back().isDigit();
        if (spec.zeroPad && numeric) {
            const qsizetype sign = piece.startsWith(u'-') ? 1 : 0;
            return piece.first(sign) + piece.sliced(sign).rightJustified(spec.width - sign, u'0');
        }
        return piece.rightJustified(spec.width, u' ');
    }

    const QString &m_format;
    std::initializer_list<FormatArg> m_args;
    qsizetype m_at = 0;
    std::size_t m_next = 0;
};

} // namespace

FormatResult Format(const QString &format, std::initializer_list<FormatArg> args)
{
    return Formatter(format, args).run();
}

} // namespace platform
