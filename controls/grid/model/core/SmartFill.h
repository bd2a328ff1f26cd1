#pragma once
// The series a smart paste continues from two cells: dates or times, real
// numbers in a printf format, or integers, each step the difference of the
// two. A pair that is none of them continues nothing.
#include "controls/grid/base/FormatSettings.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace controls {

class TFillSeries {
public:
    enum class Kind { Date, Time, Float, Integer };

    // Nothing when x1 and x2 make no series.
    static std::optional<TFillSeries> from(const QString &x1, const QString &x2, const QString &floatFormat,
                                           const TFormatSettings &fs = formatSettings());

    Kind kind() const { return m_kind; }
    // The text of the current value; nothing when it cannot be written (a
    // date out of range, a format that refuses the number), which ends the
    // series.
    std::optional<QString> current() const;
    void advance();

private:
    Kind m_kind = Kind::Integer;
    double m_value = 0;  // day count for dates and times
    double m_step = 0;
    std::int64_t m_int = 0;
    std::int64_t m_intStep = 0;
    int m_years = 0, m_months = 0, m_days = 0;
    bool m_ended = false;
    QString m_floatFormat;
    TFormatSettings m_fs;
};

// A day count as the short date format writes it, and the time of day.
QString shortDateText(double date, const TFormatSettings &fs = formatSettings());
QString longTimeText(double date, const TFormatSettings &fs = formatSettings());

} // namespace controls
