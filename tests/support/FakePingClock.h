#pragma once
// A ping clock that stands still until a pause or the test moves it on, so
// ping timing is checked without waiting.
#include "compiler/update/DevicePing.h"

namespace testsupport {

class FakePingClock : public compiler::PingClock {
public:
    explicit FakePingClock(std::chrono::milliseconds start) : m_now(start) {}

    std::chrono::milliseconds now() override { return m_now; }
    bool pause(std::chrono::milliseconds duration, const platform::WaitHook &hook) override
    {
        m_now += duration;
        return !hook || hook();
    }
    void advance(std::chrono::milliseconds d) { m_now += d; }

private:
    std::chrono::milliseconds m_now;
};

} // namespace testsupport
