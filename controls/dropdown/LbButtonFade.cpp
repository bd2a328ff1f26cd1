#include "controls/dropdown/LbButtonFade.h"

#include "platform/ui/QtIntervalTimer.h"

namespace controls {

LbButtonFade::LbButtonFade(std::function<void()> step, std::unique_ptr<platform::IntervalTimer> timer)
    : m_step(std::move(step))
{
    setTimer(timer ? std::move(timer) : std::make_unique<platform::QtIntervalTimer>());
}

void LbButtonFade::setTimer(std::unique_ptr<platform::IntervalTimer> timer)
{
    const bool running = m_timer && m_timer->isEnabled();
    if (m_timer)
        m_timer->setEnabled(false);
    m_timer = std::move(timer);
    m_timer->setInterval(StepInterval);
    m_timer->setHandler([this] {
        if (m_step)
            m_step();
    });
    m_timer->setEnabled(running);
}

void LbButtonFade::resume() { m_timer->setEnabled(true); }

void LbButtonFade::suspend() { m_timer->setEnabled(false); }

} // namespace controls
