#pragma once
// The message the program shows when a text that must be an integer is not
// one (a value read from a configuration file, for example).
#include "platform/QuotedValue.h"

#include <QString>

namespace platform {

inline QString notAnIntegerMessage(const QString &text)
{
    return QStringLiteral("'%1' is not a valid integer value").arg(quotedValue(text));
}

} // namespace platform
