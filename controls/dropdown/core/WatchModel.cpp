#include "controls/dropdown/core/WatchModel.h"

#include "controls/dropdown/core/WatchGeometry.h"

#include <algorithm>
#include <cstdlib>

namespace controls {

TWatchTime TWatchModel::displayTime() const
{
    if (!m_auto || !m_now)
        return m_time;
    TWatchTime t = m_now();
    const int minutes = ((t.hour * 60 + t.minute + m_offsetMinutes) % 1440 + 1440) % 1440;
    t.hour = minutes / 60;
    t.minute = minutes % 60;
    return t;
}

void TWatchModel::store(const TWatchTime &time)
{
    m_time = time;
    // The box shows the half of the day the stored time is in.
    m_am = time.hour < 12;
}

void TWatchModel::setTime(const TWatchTime &time)
{
    if (time.hour < 0 || time.hour > 23 || time.minute < 0 || time.minute > 59)
        return;
    if (time != m_time)
        store(time);
}

void TWatchModel::toggleHalf()
{
    if (m_auto)
        return;
    const int hour = m_time.hour < 12 ? m_time.hour + 12 : m_time.hour - 12;
    m_hourTo = hour;
    m_internalCall = true;
    setHour(hour);
    m_internalCall = false;
}

void TWatchModel::setAnimation(bool on) { m_animation = on; }

void TWatchModel::setAnimationFactor(int factor) { m_factor = std::max(1, factor); }

void TWatchModel::setHour(int hour)
{
    if (hour < 0 || hour > 23 || hour == displayTime().hour)
        return;
    if (!m_animation || m_internalCall) {
        setHourDirect(hour);
        return;
    }
    m_hourTo = hour;
    m_hourWalking = true;
    m_walking = true;
}

void TWatchModel::setHourDirect(int hour)
{
    TWatchTime t = displayTime();
    t.hour = hour;
    store(t);
    if (onChange && (hour == m_hourTo || !m_stepping))
        onChange();
}

void TWatchModel::setMinute(int minute)
{
    const TWatchTime now = displayTime();
    if (minute < 0 || minute > 59 || minute == now.minute)
        return;
    if (m_animation && !m_internalCall) {
        m_minuteTo = minute;
        m_hourWalking = false;
        m_minuteFrom = now.minute;
        m_walking = true;
        return;
    }
    setMinuteDirect(minute);
}

void TWatchModel::setMinuteDirect(int minute)
{
    TWatchTime t = displayTime();
    if (!m_animation)
        m_minuteFrom = t.minute;
    t.minute = minute;
    // Walking forward through the 12 is the next hour.
    if (minute == 0 && m_minuteFrom > 30) {
        t.hour = (t.hour + 1) % 24;
        m_minuteFrom = 0;
    }
    store(t);
    if (onChange && (minute == m_minuteTo || !m_stepping))
        onChange();
}

void TWatchModel::animationStep()
{
    if (!m_animation || !m_walking)
        return;
    const TWatchTime now = displayTime();
    m_internalCall = true;
    m_stepping = true;
    if (m_hourWalking) {
        if (now.hour == m_hourTo) {
            setHour(m_hourTo);
            m_walking = false;
        } else {
            const int step = std::max(1, roundEven(std::abs(m_hourTo - now.hour) / double(m_factor)));
            setHour(now.hour < m_hourTo ? now.hour + step : now.hour - step);
        }
    } else {
        const int minute = now.minute;
        if (minute == m_minuteTo) {
            setMinute(m_minuteTo);
            m_walking = false;
        } else {
            const int distance = m_minuteTo == 0 && minute > 30 ? 60 - minute : std::abs(m_minuteTo - minute);
            const int step = std::max(1, roundEven(distance / double(m_factor)));
            const bool backward = minute >= m_minuteTo && (m_minuteTo != 0 || minute <= 30);
            int next = backward ? minute - step : minute + step;
            if (next >= 60)
                next = 0;
            setMinute(next);
        }
    }
    m_stepping = false;
    m_internalCall = false;
}

void TWatchModel::keyDown(TWatchKey key)
{
    if (m_auto)
        return;
    const TWatchTime t = displayTime();
    const auto internal = [this](auto &&set) {
        m_internalCall = true;
        set();
        m_internalCall = false;
    };
    switch (key) {
    case TWatchKey::A:
        if (t.hour > 11)
            setHour(t.hour - 12);
        break;
    case TWatchKey::P:
        if (t.hour < 12)
            setHour(t.hour + 12);
        break;
    case TWatchKey::PageUp:
        if (t.hour <= 22)
            setHour(t.hour + 1);
        else
            internal([this] { setHour(0); });
        break;
    case TWatchKey::PageDown:
        if (t.hour > 0)
            setHour(t.hour - 1);
        else
            internal([this] { setHour(23); });
        break;
    case TWatchKey::Home:
        internal([this] { setHour(12); });
        break;
    case TWatchKey::Left:
        if (t.minute > 0)
            setMinute(t.minute - 1);
        else
            setTime({t.hour == 0 ? 23 : t.hour - 1, 59, t.second, t.msec});
        break;
    case TWatchKey::Right:
        setMinute(t.minute < 59 ? t.minute + 1 : 0);
        break;
    case TWatchKey::End:
        setMinute(0);
        break;
    }
}

void TWatchModel::setAuto(bool on)
{
    if (m_auto == on)
        return;
    m_auto = on;
    if (on && m_now)
        setTime(m_now());
}

} // namespace controls
