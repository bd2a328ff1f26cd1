#include "controls/grid/model/core/SmartFill.h"

#include "controls/grid/base/DateText.h"
#include "platform/Format.h"

#include <cmath>
#include <limits>

namespace controls {

namespace {

std::optional<std::int64_t> readInteger(const QString &text)
{
    bool ok = false;
    const qint64 v = text.trimmed().toLongLong(&ok);
    return ok ? std::optional<std::int64_t>(v) : std::nullopt;
}

std::optional<double> readReal(const QString &text, const TFormatSettings &fs)
{
    QString t = text.trimmed();
    if (fs.DecimalSeparator != u'.')
        t.replace(fs.DecimalSeparator, u'.');
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok && std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
}

// "h:m" or "h:m:s", in the time separator; the fraction of a day.
std::optional<double> readTime(QStringView text, const TFormatSettings &fs)
{
    const auto parts = text.trimmed().split(fs.TimeSeparator);
    if (parts.size() < 2 || parts.size() > 3)
        return std::nullopt;
    int v[3] = {0, 0, 0};
    for (qsizetype i = 0; i < parts.size(); ++i) {
        bool ok = false;
        v[i] = parts[i].trimmed().toInt(&ok);
        if (!ok)
            return std::nullopt;
    }
    return encodeTime(v[0], v[1], v[2]);
}

// A date, a date and a time, or a time alone (day 0).
std::optional<double> readDateTime(const QString &text, const TFormatSettings &fs)
{
    TDateTime d = 0;
    if (ParseLocaleDateTime(text, d, fs))
        return d;
    if (!text.contains(fs.DateSeparator))
        return readTime(text, fs);
    return std::nullopt;
}

bool dateOrTime(const QString &text, const TFormatSettings &fs)
{
    return LooksLikeDate(text, fs) || text.contains(fs.TimeSeparator);
}

QString twoDigits(int v) { return QString::number(v).rightJustified(2, u'0'); }

} // namespace

QString shortDateText(double date, const TFormatSettings &fs)
{
    const QDate d = dateOf(date);
    const QString format = fs.ShortDateFormat.toUpper();
    QString out;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format[i];
        qsizetype run = 1;
        while (i + run < format.size() && format[i + run] == c)
            ++run;
        if (c == u'D')
            out += run > 1 ? twoDigits(d.day()) : QString::number(d.day());
        else if (c == u'M')
            out += run > 1 ? twoDigits(d.month()) : QString::number(d.month());
        else if (c == u'Y')
            out += run > 2 ? QString::number(d.year()).rightJustified(4, u'0') : twoDigits(d.year() % 100);
        else
            out += fs.DateSeparator;
        i += run;
    }
    return out;
}

QString longTimeText(double date, const TFormatSettings &fs)
{
    const double fraction = date - std::floor(date);
    const int seconds = int(std::lround(fraction * 86400.0)) % 86400;
    return QString::number(seconds / 3600) + fs.TimeSeparator + twoDigits(seconds / 60 % 60) + fs.TimeSeparator
           + twoDigits(seconds % 60);
}

std::optional<TFillSeries> TFillSeries::from(const QString &x1, const QString &x2, const QString &floatFormat,
                                             const TFormatSettings &fs)
{
    TFillSeries s;
    s.m_fs = fs;
    s.m_floatFormat = floatFormat.isEmpty() ? QStringLiteral("%g") : floatFormat;
    if (dateOrTime(x1, fs) && dateOrTime(x2, fs)) {
        const auto d1 = readDateTime(x1, fs);
        const auto d2 = readDateTime(x2, fs);
        if (!d1 || !d2)
            return std::nullopt;
        s.m_kind = x1.contains(fs.DateSeparator) ? Kind::Date : Kind::Time;
        s.m_value = *d1;
        s.m_step = *d2 - *d1;
        if (s.m_kind == Kind::Date) {
            const QDate a = dateOf(*d1), b = dateOf(*d2);
            s.m_years = b.year() - a.year();
            s.m_months = b.month() - a.month();
            s.m_days = b.day() - a.day();
        }
        return s;
    }
    if (x1.contains(fs.DecimalSeparator) || x2.contains(fs.DecimalSeparator)) {
        const auto f1 = readReal(x1, fs);
        const auto f2 = readReal(x2, fs);
        if (!f1 || !f2)
            return std::nullopt;
        s.m_kind = Kind::Float;
        s.m_value = *f1;
        s.m_step = *f2 - *f1;
        return s;
    }
    const auto i1 = readInteger(x1);
    const auto i2 = readInteger(x2);
    if (!i1 || !i2)
        return std::nullopt;
    s.m_kind = Kind::Integer;
    s.m_int = *i1;
    // A step that cannot be taken without overflow makes no series.
    if (__builtin_sub_overflow(*i2, *i1, &s.m_intStep))
        return std::nullopt;
    return s;
}

std::optional<QString> TFillSeries::current() const
{
    if (m_ended)
        return std::nullopt;
    switch (m_kind) {
    case Kind::Date:
        if (!dateOf(m_value).isValid())
            return std::nullopt;
        return shortDateText(m_value, m_fs);
    case Kind::Time:
        return longTimeText(m_value, m_fs);
    case Kind::Float: {
        const platform::FormatResult r = platform::Format(m_floatFormat, {m_value});
        if (!r.ok)
            return std::nullopt;
        QString text = r.text;
        if (m_fs.DecimalSeparator != u'.')
            text.replace(u'.', m_fs.DecimalSeparator);
        return text;
    }
    case Kind::Integer:
        return QString::number(m_int);
    }
    return std::nullopt;
}

void TFillSeries::advance()
{
    switch (m_kind) {
    case Kind::Date:
    case Kind::Time: {
        const double before = m_value;
        m_value = AddDateParts(m_years, m_months, m_days, m_value, m_step);
        // A date that could not move (out of range) ends the series.
        m_ended = m_value == before && m_step != 0;
        break;
    }
    case Kind::Float:
        m_value += m_step;
        m_ended = !std::isfinite(m_value);
        break;
    case Kind::Integer:
        m_ended = __builtin_add_overflow(m_int, m_intStep, &m_int);
        break;
    }
}

} // namespace controls
