#include "platform/QuotedValue.h"

namespace platform {

QString quotedValue(const QString &value, qsizetype maxLength)
{
    if (value.size() <= maxLength)
        return value;
    qsizetype kept = maxLength;
    // Half of a character outside the Basic Multilingual Plane shows as garbage.
    if (kept > 0 && value[kept - 1].isHighSurrogate())
        --kept;
    return value.left(kept) + u'…';
}

} // namespace platform
