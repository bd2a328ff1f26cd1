#include "controls/grid/base/FormatSettings.h"

namespace controls {

namespace {

// The first character of a date or time format that is not a field letter
// or a quote is its separator.
QChar separatorOf(const QString &format, QChar fallback)
{
    for (const QChar c : format)
        if (!c.isLetter() && c != u'\'' && !c.isSpace())
            return c;
    return fallback;
}

QChar firstOf(const QString &text, QChar fallback)
{
    return text.isEmpty() ? fallback : text.front();
}

TFormatSettings &current()
{
    static TFormatSettings settings = TFormatSettings::fromLocale(QLocale::system());
    return settings;
}

} // namespace

TFormatSettings TFormatSettings::fromLocale(const QLocale &locale)
{
    TFormatSettings s;
    s.DecimalSeparator = firstOf(locale.decimalPoint(), u'.');
    s.ThousandSeparator = firstOf(locale.groupSeparator(), QChar());
    s.ShortDateFormat = locale.dateFormat(QLocale::ShortFormat);
    s.DateSeparator = separatorOf(s.ShortDateFormat, u'/');
    s.TimeSeparator = separatorOf(locale.timeFormat(QLocale::ShortFormat), u':');
    return s;
}

const TFormatSettings &formatSettings()
{
    return current();
}

void setFormatSettings(const TFormatSettings &settings)
{
    current() = settings;
}

} // namespace controls
