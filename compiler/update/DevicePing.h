#pragma once
// The reachability check the Ethernet update wizard runs before it lets the
// user go on: echo requests one after the other until the device has answered
// twice or the time is up. The device counts as found when it answered at
// least once; only real answers to this check's own requests count.
#include "platform/IcmpPing.h"

#include <QHostAddress>
#include <QString>
#include <chrono>

namespace compiler {

struct DevicePingLimits {
    std::chrono::milliseconds attemptTimeout{400}; // one request and its wait
    std::chrono::milliseconds totalLimit{10000};   // no new attempt after this
    int answersWanted = 2;
};

enum class DevicePingResult {
    Found,
    NotFound,
    Cancelled, // the wait hook asked to stop
    Failed,    // pinging is impossible here (see error)
};

struct DevicePingOutcome {
    DevicePingResult result = DevicePingResult::NotFound;
    int attempts = 0;
    int answers = 0;
    QString error;
};

// Time as the check sees it; tests drive it by hand.
class PingClock {
public:
    virtual ~PingClock() = default;
    virtual std::chrono::milliseconds now() = 0;
    // Waits for the given time, calling hook about every 10 ms; false when
    // the hook asked to stop.
    virtual bool pause(std::chrono::milliseconds duration, const platform::WaitHook &hook) = 0;
};

PingClock &steadyPingClock();

DevicePingOutcome pingDevice(platform::Pinger &pinger, const QHostAddress &device, const DevicePingLimits &limits = {},
                             const platform::WaitHook &hook = {}, PingClock &clock = steadyPingClock());

} // namespace compiler
