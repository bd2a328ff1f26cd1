#pragma once
// A window timer as the program's windows use it: an interval and an enabled
// flag. While enabled it fires every interval, counted from the moment it was
// enabled or its interval last changed; setting a value it already has
// changes nothing. Code that schedules work holds the interface, so tests can
// drive a manual clock instead of waiting.
#include <chrono>
#include <functional>

namespace platform {

class IntervalTimer {
public:
    using Handler = std::function<void()>;

    virtual ~IntervalTimer() = default;

    virtual void setInterval(std::chrono::milliseconds interval) = 0;
    virtual std::chrono::milliseconds interval() const = 0;
    virtual void setEnabled(bool enabled) = 0;
    virtual bool isEnabled() const = 0;

    void setHandler(Handler handler) { m_handler = std::move(handler); }

protected:
    void fire()
    {
        if (m_handler)
            m_handler();
    }

private:
    Handler m_handler;
};

} // namespace platform
