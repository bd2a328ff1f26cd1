#pragma once
// Waiting for something the event loop delivers, never without a limit.
#include <QCoreApplication>
#include <QDeadlineTimer>
#include <chrono>

namespace testsupport {

// Runs the event loop until done() holds, at most for the limit; gives done().
template <class Done>
bool processEventsUntil(Done done, std::chrono::milliseconds limit = std::chrono::seconds(20))
{
    const QDeadlineTimer deadline(limit);
    while (!done() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents, 20);
    return done();
}

} // namespace testsupport
