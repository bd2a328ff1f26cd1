#include "controls/vtree/widget/TreeAnimation.h"

#include <algorithm>
#include <cmath>

namespace vtree {

bool TAnimationPacer::start(int Steps, unsigned Duration)
{
    m_steps = Steps;
    m_duration = Duration;
    m_nextStep = 0;
    if (Steps <= 0 || Duration == 0) {
        m_remaining = 0;
        return false;
    }
    m_stepSize = int(std::nearbyint(std::max(1.0, double(Steps) / double(Duration))));
    m_remaining = Steps / m_stepSize;
    return m_remaining > 0;
}

bool TAnimationPacer::advance(unsigned Elapsed)
{
    const unsigned remainingTime = Elapsed > m_duration ? 0 : m_duration - Elapsed;
    m_remaining = Elapsed > m_duration ? 0 : m_remaining - 1;
    // Short of time: fewer, bigger steps.
    while (m_remaining > 0 && remainingTime / unsigned(m_remaining) == 0) {
        ++m_stepSize;
        m_remaining = int(remainingTime / unsigned(m_stepSize));
    }
    m_nextStep = m_steps - m_remaining;
    m_duration = remainingTime;
    return m_remaining > 0 && m_duration > 0;
}

TTimedAnimation::TTimedAnimation(QObject *parent) : QObject(parent)
{
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    connect(&m_timer, &QTimer::timeout, this, &TTimedAnimation::tick);
}

unsigned TTimedAnimation::now() const { return m_clock ? m_clock() : unsigned(m_elapsed.elapsed()); }

bool TTimedAnimation::start(int Steps, unsigned Duration, StepFunction Step, std::function<void()> Finished)
{
    stop();
    if (!m_pacer.start(Steps, Duration))
        return false;
    m_step = std::move(Step);
    m_finished = std::move(Finished);
    m_running = true;
    m_elapsed.start();
    drawStep();
    return true;
}

void TTimedAnimation::drawStep()
{
    m_stepStart = now();
    QPointer<TTimedAnimation> alive(this);
    // A copy: the step may destroy this driver, and the function with it.
    const StepFunction step = m_step;
    const bool goOn = step(m_pacer.nextStep(), m_pacer.stepSize());
    if (!alive || !m_running)
        return;
    if (!goOn) {
        finish();
        return;
    }
    m_timer.start(int(m_pacer.interval()));
}

void TTimedAnimation::tick()
{
    if (!m_running)
        return;
    if (m_pacer.advance(now() - m_stepStart))
        drawStep();
    else
        finish();
}

void TTimedAnimation::finish()
{
    if (!m_running)
        return;
    m_running = false;
    m_timer.stop();
    // Moved out first: the closing calls may start the next animation.
    StepFunction step = std::move(m_step);
    std::function<void()> finished = std::move(m_finished);
    QPointer<TTimedAnimation> alive(this);
    step(0, 0);
    if (alive && finished)
        finished();
}

void TTimedAnimation::stop()
{
    m_running = false;
    m_timer.stop();
    m_step = {};
    m_finished = {};
}

} // namespace vtree
