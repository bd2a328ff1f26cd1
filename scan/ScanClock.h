#pragma once
// Time as the scan engine sees it: a 32-bit millisecond tick count that
// answer time-outs are measured on, and the pauses between steps. The engine
// takes the clock from its creator, so tests drive a whole scan in virtual
// time and a benchmark runs it faster than real time.
#include <QtGlobal>
#include <chrono>

namespace scan {

// The engine's side of a pause: a real-time wait that ends early when the
// engine is told to exit.
class ScanWake {
public:
    virtual ~ScanWake() = default;
    // Waits up to `duration`; false when the engine was told to stop.
    virtual bool sleepFor(std::chrono::nanoseconds duration) = 0;
    virtual bool stopping() const = 0;
};

class ScanClock {
public:
    virtual ~ScanClock() = default;
    // Milliseconds, wrapping round after 2^32 like the system tick count.
    virtual quint32 tickCount() = 0;
    // Lets `duration` of this clock's time pass; false when the engine was
    // told to stop meanwhile.
    virtual bool pause(std::chrono::milliseconds duration, ScanWake &wake) = 0;
};

// Real time.
ScanClock &steadyScanClock();

// Whether `timeout` milliseconds have passed since `start`, across a wrap of
// the tick count too.
inline bool tickTimedOut(quint32 now, quint32 start, qint32 timeout)
{
    return quint32(now - start) > quint32(qMax(timeout, 0));
}

} // namespace scan
