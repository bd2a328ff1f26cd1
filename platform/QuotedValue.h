#pragma once
// A value quoted from a file or a field in a message. A message box lays out
// its whole text before it appears, so a value of megabytes would freeze the
// window: every quoted value goes through here and is cut to a readable
// length, with "…" where it was cut.
#include <QString>

namespace platform {

inline constexpr qsizetype QuotedValueLength = 60;

QString quotedValue(const QString &value, qsizetype maxLength = QuotedValueLength);

} // namespace platform
