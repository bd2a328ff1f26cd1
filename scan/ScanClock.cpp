#include "scan/ScanClock.h"

namespace scan {

namespace {

class SteadyScanClock final : public ScanClock {
public:
    quint32 tickCount() override
    {
        const auto now = std::chrono::steady_clock::now().time_since_epoch();
        return static_cast<quint32>(std::chrono::duration_cast<std::chrono::milliseconds>(now).count());
    }
    bool pause(std::chrono::milliseconds duration, ScanWake &wake) override { return wake.sleepFor(duration); }
};

} // namespace

ScanClock &steadyScanClock()
{
    static SteadyScanClock clock;
    return clock;
}

} // namespace scan
