#pragma once
// The time picker's text: two-digit hours, minutes and seconds with the
// locale's time separator, its edit mask, reading a typed text back and
// stepping the part under the caret.
#include "controls/dropdown/core/WatchModel.h"

#include <QString>

#include <optional>

namespace controls {

QString formatTimeText(const TWatchTime &time, bool seconds, QChar separator);

// The mask in the picker's own syntax: "!90:00:00;1; ".
QString timeEditMask(bool seconds, QChar separator);
// The same mask for a Qt line edit, whose digit letters mean the reverse:
// here 0 is a required digit and 9 an optional one.
QString qtInputMask(const QString &mask);

struct TParsedTime {
    TWatchTime time;
    // The text reads as the time but is not its formatted form, and it is a
    // whole hour: the edit shows the formatted form instead.
    bool rewrite = false;
};
// A complete text as typed; none while it is incomplete or malformed, and
// for hours above 23 or minutes or seconds above 59.
std::optional<TParsedTime> parseTimeText(const QString &text, bool seconds, QChar separator);

// Up lowers, Down raises the part the caret is in, wrapping within the
// part: no carry into the next.
TWatchTime stepTimePart(const TWatchTime &time, const QString &text, int caret, bool up, bool seconds,
                        QChar separator);

} // namespace controls
