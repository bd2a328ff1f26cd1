#pragma once
// Timers named by a number on one owner, as a window's timers are: setting
// timer n starts it (or restarts it with the new interval when it runs),
// killing it stops it, and each running timer calls the owner's one handler
// with its number every time its interval has passed, until it is killed.
// No window is needed, so GUI-free cores use them as well as widgets. Code
// that schedules work holds the interface; tests drive a clock by hand.
#include <chrono>
#include <functional>
#include <memory>

namespace platform {

class NumberedTimers {
public:
    using Handler = std::function<void(int id)>;

    virtual ~NumberedTimers() = default;

    virtual void setTimer(int id, std::chrono::milliseconds interval) = 0;
    // Killing a timer that does not run does nothing.
    virtual void killTimer(int id) = 0;
    virtual bool isTimerSet(int id) const = 0;

    void setHandler(Handler handler) { m_handler = std::move(handler); }

protected:
    void fire(int id)
    {
        if (m_handler)
            m_handler(id);
    }

private:
    Handler m_handler;
};

// The running program's timers, on the event loop of the thread that made
// them. The handler runs guarded: an error is shown in the error box, never
// thrown through the event loop.
class QtNumberedTimers final : public NumberedTimers {
public:
    QtNumberedTimers();
    ~QtNumberedTimers() override;
    QtNumberedTimers(const QtNumberedTimers &) = delete;
    QtNumberedTimers &operator=(const QtNumberedTimers &) = delete;

    void setTimer(int id, std::chrono::milliseconds interval) override;
    void killTimer(int id) override;
    bool isTimerSet(int id) const override;

private:
    class Receiver;
    std::unique_ptr<Receiver> m_receiver;
};

} // namespace platform
