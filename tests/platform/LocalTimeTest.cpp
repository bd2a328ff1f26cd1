// Local time through the zone read once gives what the C library gives,
// also on both sides of daylight-saving changes, in zones east and west.
#include "platform/LocalTime.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

// Sets TZ for one test and puts the old value back.
class ZoneGuard {
public:
    explicit ZoneGuard(const char *zone) : m_had(qEnvironmentVariableIsSet("TZ")), m_old(qgetenv("TZ"))
    {
        qputenv("TZ", zone);
        tzset();
    }
    ~ZoneGuard()
    {
        if (m_had)
            qputenv("TZ", m_old);
        else
            qunsetenv("TZ");
        tzset();
    }

private:
    bool m_had;
    QByteArray m_old;
};

struct Case {
    const char *zone;
    const char *utc; // ISO, UTC
    const char *local;
};

TEST(LocalTime, InstantsAroundDaylightSavingChangesMatchTheCLibrary)
{
    const Case cases[] = {
        {"Europe/Rome", "2023-03-26T00:59:59Z", "2023-03-26 01:59:59"}, // last second of winter time
        {"Europe/Rome", "2023-03-26T01:00:00Z", "2023-03-26 03:00:00"}, // the hour skipped
        {"Europe/Rome", "2023-10-29T00:30:00Z", "2023-10-29 02:30:00"}, // the hour repeated, first time
        {"Europe/Rome", "2023-10-29T01:30:00Z", "2023-10-29 02:30:00"}, // and second time
        {"Europe/Rome", "2024-02-29T23:00:00Z", "2024-03-01 00:00:00"},
        {"America/New_York", "2023-03-12T06:59:59Z", "2023-03-12 01:59:59"},
        {"America/New_York", "2023-03-12T07:00:00Z", "2023-03-12 03:00:00"},
        {"America/New_York", "2023-11-05T05:30:00Z", "2023-11-05 01:30:00"},
        {"America/New_York", "2023-11-05T06:30:00Z", "2023-11-05 01:30:00"},
        {"UTC", "2023-06-01T12:00:00Z", "2023-06-01 12:00:00"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.utc);
        const ZoneGuard zone(c.zone);
        const QDateTime instant = QDateTime::fromString(c.utc, Qt::ISODate);
        ASSERT_TRUE(instant.isValid());
        const QDateTime ours = platform::toLocalTime(instant);
        const QDateTime library = instant.toLocalTime();
        EXPECT_EQ(ours.toString("yyyy-MM-dd HH:mm:ss"), c.local);
        EXPECT_EQ(ours.toString("yyyy-MM-dd HH:mm:ss"), library.toString("yyyy-MM-dd HH:mm:ss"));
        EXPECT_EQ(ours.offsetFromUtc(), library.offsetFromUtc());
        EXPECT_EQ(ours.toMSecsSinceEpoch(), instant.toMSecsSinceEpoch());
    }
}

TEST(LocalTime, ALocalWallClockStaysAsItIs)
{
    const ZoneGuard zone("Europe/Rome");
    const QDateTime local(QDate(2023, 7, 1), QTime(10, 0));
    EXPECT_EQ(platform::toLocalTime(local), local);
    EXPECT_EQ(platform::toLocalTime(local).timeSpec(), Qt::LocalTime);
}

} // namespace
