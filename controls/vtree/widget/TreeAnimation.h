#pragma once
// The pacing shared by the tree's animations (node toggling, hint fading and
// sliding): a number of steps spread over a duration, with bigger steps when
// the time runs short. The pacer is pure arithmetic over elapsed times; the
// driver runs it on a single-shot timer, so the event loop keeps running
// between steps and nothing busy-waits.
#include <QElapsedTimer>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <functional>

namespace vtree {

class TAnimationPacer {
public:
    // False when there is nothing to animate (no steps or no time).
    bool start(int Steps, unsigned Duration);
    // The step to draw now and its size.
    int nextStep() const { return m_nextStep; }
    int stepSize() const { return m_stepSize; }
    // Milliseconds to wait after drawing the current step.
    unsigned interval() const { return m_remaining > 0 ? m_duration / unsigned(m_remaining) : 0; }
    // After the wait, with the milliseconds that really passed since the
    // current step was drawn: false when the animation is over.
    bool advance(unsigned Elapsed);

private:
    int m_steps = 0;
    int m_stepSize = 0;
    int m_remaining = 0;
    int m_nextStep = 0;
    unsigned m_duration = 0;
};

// Runs a pacer on a timer and calls Step(step, stepSize) for each step, then
// once more with (0, 0) when it ends. Step answers whether to go on. The
// callbacks may destroy the owner of this driver (and so the driver): the
// driver touches nothing of itself after a callback that did.
class TTimedAnimation : public QObject {
public:
    using StepFunction = std::function<bool(int Step, int StepSize)>;
    using Clock = std::function<unsigned()>;

    explicit TTimedAnimation(QObject *parent = nullptr);

    // False (and no call at all) when nothing is to be animated.
    bool start(int Steps, unsigned Duration, StepFunction Step, std::function<void()> Finished = {});
    // Ends at once with the closing call, as an animation that ran out.
    void finish();
    // Drops the animation without any further call.
    void stop();
    bool isRunning() const { return m_running; }
    // Tests drive the steps with a clock of their own and call tick().
    void setClock(Clock clock) { m_clock = std::move(clock); }
    void tick();

private:
    unsigned now() const;
    void drawStep();

    TAnimationPacer m_pacer;
    StepFunction m_step;
    std::function<void()> m_finished;
    QTimer m_timer;
    QElapsedTimer m_elapsed;
    Clock m_clock;
    unsigned m_stepStart = 0;
    bool m_running = false;
};

} // namespace vtree
