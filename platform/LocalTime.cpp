#include "platform/LocalTime.h"

#include <QByteArray>

namespace platform {

QTimeZone localZone()
{
    // One per thread, so that no lock is taken.
    thread_local QByteArray cachedTz;
    thread_local QTimeZone cachedZone;
    thread_local bool cached = false;
    const QByteArray tz = qgetenv("TZ");
    if (!cached || tz != cachedTz) {
        cachedTz = tz;
        cachedZone = QTimeZone::systemTimeZone();
        cached = true;
    }
    return cachedZone;
}

QDateTime toLocalTime(const QDateTime &instant)
{
    // Already a local wall clock: converting would only ask the C library.
    if (instant.timeSpec() == Qt::LocalTime)
        return instant;
    const QTimeZone zone = localZone();
    return zone.isValid() ? instant.toTimeZone(zone) : instant.toLocalTime();
}

QDateTime currentLocalTime()
{
    return toLocalTime(QDateTime::currentDateTimeUtc());
}

} // namespace platform
