#include "scan/CommEventThread.h"

#include "scan/Comm.h"

#include <cerrno>
#include <linux/serial.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace scan {

namespace {

using namespace commevent;

constexpr int LookInterval = 20; // ms

constexpr quint32 ModemEvents = EV_CTS | EV_DSR | EV_RING | EV_RLSD;
constexpr quint32 LineEvents = EV_ERR | EV_BREAK;

int queued(int fd, unsigned long request)
{
    int count = 0;
    return ::ioctl(fd, request, &count) == 0 ? count : 0;
}

quint32 modemChanges(int before, int now)
{
    const int changed = before ^ now;
    quint32 events = 0;
    if (changed & TIOCM_CTS)
        events |= EV_CTS;
    if (changed & TIOCM_DSR)
        events |= EV_DSR;
    if (changed & TIOCM_RNG)
        events |= EV_RING;
    if (changed & TIOCM_CAR)
        events |= EV_RLSD;
    return events;
}

// Line errors and breaks since the last look, from the driver's counters.
quint32 lineErrors(const serial_icounter_struct &before, const serial_icounter_struct &now)
{
    quint32 errors = 0;
    if (now.buf_overrun != before.buf_overrun)
        errors |= commerror::CE_RXOVER;
    if (now.overrun != before.overrun)
        errors |= commerror::CE_OVERRUN;
    if (now.parity != before.parity)
        errors |= commerror::CE_RXPARITY;
    if (now.frame != before.frame)
        errors |= commerror::CE_FRAME;
    if (now.brk != before.brk)
        errors |= commerror::CE_BREAK;
    return errors;
}

} // namespace

TCommEventThread::TCommEventThread(int CommHandle, quint32 EventMask, TTakeInput TakeInput, TSignalEvent OnSignal)
    : FCommHandle(CommHandle), FEventMask(EventMask), FTakeInput(std::move(TakeInput)), FOnSignal(std::move(OnSignal)),
      FEvent(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))
{
    m_thread = std::thread([this] { Execute(); });
}

TCommEventThread::~TCommEventThread()
{
    Stop();
    if (FEvent >= 0)
        ::close(FEvent);
}

void TCommEventThread::Stop()
{
    if (!m_thread.joinable())
        return;
    m_terminated = true;
    wake();
    m_thread.join();
}

void TCommEventThread::noteWrite()
{
    if (FEventMask & EV_TXEMPTY) {
        m_writePending = true;
        wake();
    }
}

void TCommEventThread::wake()
{
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t written = ::write(FEvent, &one, sizeof one);
}

void TCommEventThread::Execute()
{
    const int fd = FCommHandle;
    int modem = 0;
    const bool watchModem = (FEventMask & ModemEvents) && ::ioctl(fd, TIOCMGET, &modem) == 0;
    serial_icounter_struct counters{};
    const bool watchLine = (FEventMask & LineEvents) && ::ioctl(fd, TIOCGICOUNT, &counters) == 0;
    bool reportedHangUp = false;
    bool inputFull = false;
    bool hungUp = false;

    while (!m_terminated) {
        const bool look = FEvent < 0 || watchModem || watchLine || inputFull || m_writePending;
        pollfd waits[2] = {{hungUp ? -1 : fd, short(inputFull ? 0 : POLLIN), 0}, {FEvent, POLLIN, 0}};
        if (::poll(waits, 2, look ? LookInterval : -1) < 0 && errno != EINTR)
            break;
        if (m_terminated)
            break;
        if (waits[1].revents) {
            std::uint64_t count = 0;
            [[maybe_unused]] const ssize_t got = ::read(FEvent, &count, sizeof count);
        }

        quint32 status = 0;
        quint32 errors = 0;
        if (!hungUp && ((waits[0].revents & POLLIN) || inputFull)) {
            const TInput input = FTakeInput();
            inputFull = input.full;
            status |= (input.arrived ? EV_RXCHAR : 0) | (input.flagged ? EV_RXFLAG : 0);
            hungUp = input.failed;
        }
        if (!hungUp && (waits[0].revents & (POLLERR | POLLHUP | POLLNVAL)))
            hungUp = true;
        if (hungUp && !std::exchange(reportedHangUp, true)) {
            // The device went away: say so once, then wait for Close.
            status |= EV_ERR;
        }
        if (m_writePending && !hungUp && queued(fd, TIOCOUTQ) == 0) {
            m_writePending = false;
            status |= EV_TXEMPTY;
        }
        if (watchModem) {
            int now = 0;
            if (::ioctl(fd, TIOCMGET, &now) == 0) {
                status |= modemChanges(modem, now);
                modem = now;
            }
        }
        if (watchLine) {
            serial_icounter_struct now{};
            if (::ioctl(fd, TIOCGICOUNT, &now) == 0) {
                errors = lineErrors(counters, now);
                if (errors & commerror::CE_BREAK)
                    status |= EV_BREAK;
                if (errors & ~commerror::CE_BREAK)
                    status |= EV_ERR;
                counters = now;
            }
        }

        status &= FEventMask;
        if (status) {
            try {
                FOnSignal(status, errors);
            } catch (...) {
                // A handler's failure has nowhere to go from this thread, and
                // must not end the process.
            }
        }
    }
    ::tcflush(fd, TCIOFLUSH);
}

} // namespace scan
