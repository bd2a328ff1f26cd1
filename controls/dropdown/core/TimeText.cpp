#include "controls/dropdown/core/TimeText.h"

#include <QStringList>

namespace controls {

namespace {

QString twoDigits(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

constexpr bool isDigit(QChar c) { return c >= u'0' && c <= u'9'; }

// Up to two leading digits; empty counts as 0.
std::optional<int> readPart(const QString &part)
{
    const QString p = part.trimmed();
    if (p.isEmpty())
        return 0;
    if (!isDigit(p[0]) || (p.size() > 1 && !isDigit(p[1])))
        return std::nullopt;
    return p.left(2).toInt();
}

int wrap(int value, int count) { return (value % count + count) % count; }

} // namespace

QString formatTimeText(const TWatchTime &time, bool seconds, QChar separator)
{
    QString text = twoDigits(time.hour) + separator + twoDigits(time.minute);
    if (seconds)
        text += separator + twoDigits(time.second);
    return text;
}

QString timeEditMask(bool seconds, QChar separator)
{
    return QStringLiteral("!90") + separator + QStringLiteral("00") +
           (seconds ? separator + QStringLiteral("00") : QString()) + QStringLiteral(";1; ");
}

QString qtInputMask(const QString &mask)
{
    const QStringList fields = mask.split(u';');
    QString qt;
    bool escaped = false;
    for (const QChar c : fields.value(0)) {
        if (escaped) {
            qt += u'\\';
            qt += c;
            escaped = false;
        } else if (c == u'\\')
            escaped = true;
        else if (c == u'!')
            continue; // Qt has no trimming mark; blanks are the blank character.
        else if (c == u'0')
            qt += u'9';
        else if (c == u'9')
            qt += u'0';
        else {
            // Separators are literals here; a Qt mask letter needs escaping.
            if (QStringLiteral("AaNnXxDdHhBb#<>").contains(c))
                qt += u'\\';
            qt += c;
        }
    }
    const QString blank = fields.value(2);
    if (!blank.isEmpty())
        qt += u';' + blank.left(1);
    return qt;
}

std::optional<TParsedTime> parseTimeText(const QString &text, bool seconds, QChar separator)
{
    const QString trimmed = text.trimmed();
    if (trimmed.size() != (seconds ? 8 : 5))
        return std::nullopt;
    if (text.count(separator) != (seconds ? 2 : 1))
        return std::nullopt;
    QString t = text;
    t.replace(u' ', u'0');
    const QStringList parts = t.split(separator);
    const std::optional<int> h = readPart(parts.value(0));
    const std::optional<int> m = readPart(parts.value(1));
    const std::optional<int> s = seconds ? readPart(parts.value(2)) : std::optional<int>(0);
    if (!h || !m || !s)
        return std::nullopt;
    // Two digits can name hours and minutes no clock has.
    if (*h > 23 || *m > 59 || *s > 59)
        return std::nullopt;
    TParsedTime parsed;
    parsed.time = {*h, *m, *s, 0};
    parsed.rewrite = formatTimeText(parsed.time, seconds, separator) != text && *m == 0 && *s == 0;
    return parsed;
}

TWatchTime stepTimePart(const TWatchTime &time, const QString &text, int caret, bool up, bool seconds,
                        QChar separator)
{
    TWatchTime t = time;
    const int delta = up ? -1 : 1;
    const qsizetype first = text.indexOf(separator);
    if (first < 0 || caret <= first) {
        t.hour = wrap(t.hour + delta, 24);
        return t;
    }
    const qsizetype second = text.indexOf(separator, first + 1);
    if (seconds && second >= 0 && caret >= second)
        t.second = wrap(t.second + delta, 60);
    else
        t.minute = wrap(t.minute + delta, 60);
    return t;
}

} // namespace controls
