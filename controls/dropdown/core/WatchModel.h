#pragma once
// The analogue clock's time without a window: the stored time, the half of
// the day, hour and minute changes walked step by step by the animation
// timer, the keys its owner forwards, and the system time in Auto mode.
// The widget runs the timer and paints; this says what each tick does.
#include <functional>

namespace controls {

struct TWatchTime {
    int hour = 0;
    int minute = 0;
    int second = 0;
    int msec = 0;
    friend bool operator==(const TWatchTime &, const TWatchTime &) = default;
};

enum class TWatchKey { A, P, PageUp, PageDown, Home, Left, Right, End };

class TWatchModel {
public:
    // The displayed time: the stored one, or in Auto mode the system's plus
    // the offset.
    TWatchTime displayTime() const;
    // The Time writer: no OnChange.
    void setTime(const TWatchTime &time);
    bool am() const { return m_am; }
    // The AM/PM box: the other half of the day, the hour moved by 12.
    void toggleHalf();

    bool animation() const { return m_animation; }
    // Off stops the timer where the hand is; on again resumes the walk to
    // the target.
    void setAnimation(bool on);
    int animationFactor() const { return m_factor; }
    // At least 1: it divides the step.
    void setAnimationFactor(int factor);
    bool timerRunning() const { return m_walking && m_animation; }
    // The hand stays where it is and walks no further.
    void stopWalk() { m_walking = false; }

    // Animated when Animation is on; an hour of 24 or more, a minute of 60
    // or more is ignored.
    void setHour(int hour);
    void setMinute(int minute);
    // One tick of the animation timer.
    void animationStep();
    // Keys forwarded by the owner; nothing in Auto mode.
    void keyDown(TWatchKey key);

    bool autoMode() const { return m_auto; }
    // In Auto mode the stored time takes the system's.
    void setAuto(bool on);
    void setTimeOffset(int minutes) { m_offsetMinutes = minutes; }
    void setSystemTime(std::function<TWatchTime()> now) { m_now = std::move(now); }

    // Raised when an hour or minute change is done: a direct one at once, an
    // animated one when the hand reaches its target. The Time writer and
    // Left at minute 0 (which goes through it) do not raise it.
    std::function<void()> onChange;

private:
    void setHourDirect(int hour);
    void setMinuteDirect(int minute);
    void store(const TWatchTime &time);

    TWatchTime m_time;
    bool m_am = true;
    bool m_animation = true;
    int m_factor = 10;
    bool m_walking = false;
    bool m_hourWalking = false;
    int m_hourTo = 0;
    int m_minuteTo = 0;
    int m_minuteFrom = 0;
    bool m_internalCall = false;
    // Inside a tick of the animation: steps short of the target are quiet.
    bool m_stepping = false;
    bool m_auto = false;
    int m_offsetMinutes = 0;
    std::function<TWatchTime()> m_now;
};

} // namespace controls
