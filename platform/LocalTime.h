#pragma once
// Local time from the zone in force, read once: Qt's own local time asks
// the C library, whose mktime and tzset look at the zone file again on
// every call when TZ is unset, which costs more than the conversion.
#include <QDateTime>
#include <QTimeZone>

namespace platform {

// The zone of TZ, or the system's when TZ is unset; looked up again only
// when TZ changes. Invalid when Qt does not know the zone.
QTimeZone localZone();

// The instant as the wall clock of the local zone shows it.
QDateTime toLocalTime(const QDateTime &instant);
QDateTime currentLocalTime();

} // namespace platform
