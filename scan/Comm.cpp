#include "scan/Comm.h"

#include "platform/ComPorts.h"
#include "platform/ScopeGuard.h"
#include "scan/CommEventThread.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <fcntl.h>
#include <poll.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace scan {

namespace {

constexpr quint32 BaudRates[] = {110,   300,   600,   1200,   2400,   4800,   9600,    14400,  19200,
                                 38400, 56000, 57600, 115200, 128000, 256000, 1500000, 3000000};

[[noreturn]] void Raise_Comm_Error(const char *text, qint32 code) { throw ECommError(QLatin1String(text), code); }

} // namespace

QString commDevicePath(const QString &deviceName)
{
    const int number = platform::comPortNumber(deviceName);
    return number > 0 ? platform::comPortDevicePath(number) : deviceName;
}

quint32 baudRateValue(TBaudrate rate) { return BaudRates[static_cast<int>(rate)]; }

quint32 commevent::maskOf(TCommEventTypes events)
{
    constexpr std::pair<TCommEventType, quint32> Bits[] = {
        {TCommEventType::evBreak, EV_BREAK}, {TCommEventType::evCts, EV_CTS},       {TCommEventType::evDsr, EV_DSR},
        {TCommEventType::evError, EV_ERR},   {TCommEventType::evRing, EV_RING},     {TCommEventType::evRlsd, EV_RLSD},
        {TCommEventType::evRxChar, EV_RXCHAR}, {TCommEventType::evRxFlag, EV_RXFLAG}, {TCommEventType::evTxEmpty, EV_TXEMPTY},
    };
    quint32 mask = 0;
    for (const auto &[event, bit] : Bits)
        if (events.contains(event))
            mask |= bit;
    return mask;
}

ECommError::ECommError(const QString &text, qint32 code)
    : platform::Error(text + QStringLiteral(" (Error: %1) ").arg(code)), ErrorCode(code)
{
}

void TCommEventChars::set(char &field, char value)
{
    field = value;
    FOwner.Update_DCB();
}

void TCommEventChars::setXonChar(char c) { set(m_xon, c); }
void TCommEventChars::setXoffChar(char c) { set(m_xoff, c); }
void TCommEventChars::setErrorChar(char c) { set(m_error, c); }
void TCommEventChars::setEofChar(char c) { set(m_eof, c); }
void TCommEventChars::setEvtChar(char c) { set(m_evt, c); }

void TCommEventChars::Assign(const TCommEventChars &source)
{
    m_xon = source.m_xon;
    m_xoff = source.m_xoff;
    m_error = source.m_error;
    m_eof = source.m_eof;
    m_evt = source.m_evt;
}

TCustomComm::TCustomComm() = default;

TCustomComm::~TCustomComm() { Close(); }

int TCustomComm::Create_Handle()
{
    // Not shared: the device is opened for us alone (TIOCEXCL).
    const QByteArray path = commDevicePath(FDeviceName).toLocal8Bit();
    const int fd = ::open(path.constData(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        Raise_Comm_Error("Error accessing specified device", errno);
    struct stat info{};
    if (::fstat(fd, &info) != 0 || !S_ISCHR(info.st_mode) || !::isatty(fd)) {
        ::close(fd);
        Raise_Comm_Error("Invalid device handle, access denied", -1);
    }
    ::ioctl(fd, TIOCEXCL);
    return fd;
}

void TCustomComm::Open()
{
    std::unique_lock lock(FCriticalSection);
    if (FHandle >= 0)
        Raise_Comm_Error("Port already assigned (open)", -1);
    FHandle = Create_Handle();
    try {
        Set_Timeouts();
        writeDcb();
    } catch (...) {
        // A port whose settings did not take is not left open behind the error.
        ::close(FHandle);
        FHandle = -1;
        throw;
    }
    // The driver's queues have fixed sizes on Linux: the buffer sizes are kept, not applied.
    m_input.clear();
    FEventThread = std::make_unique<TCommEventThread>(
        FHandle, commevent::maskOf(FMonitorEvents), [this] { return takeInput(); },
        [this](quint32 Status, quint32 Errors) { Handle_Comm_Events(Status, Errors); });
}

void TCustomComm::Close()
{
    Stop_Thread();
    std::lock_guard lock(FCriticalSection);
    FEventThread.reset();
    if (FHandle >= 0)
        ::close(FHandle);
    FHandle = -1;
    m_input.clear();
}

TCommEventThread::TInput TCustomComm::takeInput()
{
    std::lock_guard lock(FCriticalSection);
    TCommEventThread::TInput input;
    const std::size_t capacity = static_cast<std::size_t>(std::max(FReadBufSize, 1));
    const std::size_t had = m_input.size();
    if (had < capacity) {
        m_input.resize(capacity);
        const ssize_t n = ::read(FHandle, m_input.data() + had, capacity - had);
        m_input.resize(had + static_cast<std::size_t>(std::max<ssize_t>(n, 0)));
        input.failed = n < 0 && errno != EAGAIN && errno != EINTR;
        input.arrived = n > 0;
        const auto evtChar = static_cast<std::uint8_t>(FEventChars.EvtChar());
        input.flagged = std::find(m_input.begin() + static_cast<std::ptrdiff_t>(had), m_input.end(), evtChar)
                     != m_input.end();
    }
    input.full = m_input.size() >= capacity;
    return input;
}

void TCustomComm::Stop_Thread()
{
    // Outside the lock: a handler that is running may be reading the port.
    if (FEventThread)
        FEventThread->Stop();
}

bool TCustomComm::Enabled() const
{
    std::lock_guard lock(FCriticalSection);
    return FHandle >= 0;
}

int TCustomComm::Handle() const
{
    std::lock_guard lock(FCriticalSection);
    return FHandle;
}

void TCustomComm::Set_Timeouts()
{
    termios settings{};
    if (::tcgetattr(FHandle, &settings) != 0)
        Raise_Comm_Error("Error updating CommTimeouts", errno);
    // A read returns at once with what is queued; Read's time-out is its own.
    settings.c_cc[VMIN] = 0;
    settings.c_cc[VTIME] = 0;
    if (::tcsetattr(FHandle, TCSANOW, &settings) != 0)
        Raise_Comm_Error("Error updating CommTimeouts", errno);
}

void TCustomComm::Update_DCB()
{
    std::lock_guard lock(FCriticalSection);
    if (FHandle >= 0)
        writeDcb();
}

void TCustomComm::writeDcb()
{
    termios settings{};
    if (::tcgetattr(FHandle, &settings) != 0)
        Raise_Comm_Error("Error updating DataControlBlock", errno);
    TDCB dcb = dcbFromTermios(settings);
    dcb.BaudRate = baudRateValue(FBaudRate);
    dcb.Parity = static_cast<quint8>(FParity);
    dcb.StopBits = static_cast<quint8>(FStopbits);
    dcb.ByteSize = static_cast<quint8>(static_cast<int>(FDatabits) + 4);
    dcb.XonChar = FEventChars.XonChar();
    dcb.XoffChar = FEventChars.XoffChar();
    dcb.ErrorChar = FEventChars.ErrorChar();
    dcb.EofChar = FEventChars.EofChar();
    dcb.EvtChar = FEventChars.EvtChar();
    dcb.XonLim = static_cast<quint16>(FReadBufSize / 4);
    dcb.XoffLim = static_cast<quint16>(FReadBufSize / 4);
    switch (FFlowControl) {
    case TFlowControl::fcNone: dcb.Flags = TDCB::fBinary; break;
    case TFlowControl::fcCTS: dcb.Flags |= TDCB::fOutxCtsFlow | TDCB::RtsHandshake; break;
    case TFlowControl::fcDTR: dcb.Flags |= TDCB::fOutxDsrFlow | TDCB::DtrHandshake; break;
    case TFlowControl::fcSoftware: dcb.Flags |= TDCB::fOutX | TDCB::fInX; break;
    case TFlowControl::fcDefault: break;
    }
    constexpr std::pair<TCommOption, quint32> OptionFlags[] = {
        {TCommOption::coParityCheck, TDCB::fParity},         {TCommOption::coDsrSensitivity, TDCB::fDsrSensitivity},
        {TCommOption::coIgnoreXOff, TDCB::fTXContinueOnXoff}, {TCommOption::coErrorChar, TDCB::fErrorChar},
        {TCommOption::coNullStrip, TDCB::fNull},
    };
    for (const auto &[option, flag] : OptionFlags)
        dcb.Flags = FOptions.contains(option) ? dcb.Flags | flag : dcb.Flags & ~flag;
    if (!applyDcbToTermios(dcb, settings))
        Raise_Comm_Error("Error updating DataControlBlock", EINVAL);
    if (::tcsetattr(FHandle, TCSANOW, &settings) != 0)
        Raise_Comm_Error("Error updating DataControlBlock", errno);
    FDCB = dcb;
}

TDCB TCustomComm::DCB() const
{
    std::lock_guard lock(FCriticalSection);
    return FDCB;
}

qint32 TCustomComm::Write(const void *Buffer, qint32 Count)
{
    std::lock_guard lock(FCriticalSection);
    const auto *bytes = static_cast<const std::uint8_t *>(Buffer);
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(FWriteTimeout);
    qint32 done = 0;
    while (done < Count) {
        const ssize_t n = ::write(FHandle, bytes + done, static_cast<std::size_t>(Count - done));
        if (n > 0) {
            done += static_cast<qint32>(n);
            continue;
        }
        if (n < 0 && errno != EAGAIN && errno != EINTR)
            Raise_Comm_Error("Write error", errno);
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
        pollfd wait{FHandle, POLLOUT, 0};
        if (left.count() <= 0 || ::poll(&wait, 1, static_cast<int>(left.count())) == 0)
            return -1;
    }
    if (FEventThread && done > 0)
        FEventThread->noteWrite();
    return done;
}

qint32 TCustomComm::Read(void *Buffer, qint32 Count)
{
    std::lock_guard lock(FCriticalSection);
    if (Count <= 0)
        return 0;
    // What the watcher has taken in comes first, then what still waits in the driver.
    auto *bytes = static_cast<std::uint8_t *>(Buffer);
    const std::size_t queued = std::min(m_input.size(), static_cast<std::size_t>(Count));
    std::copy_n(m_input.begin(), queued, bytes);
    m_input.erase(m_input.begin(), m_input.begin() + static_cast<std::ptrdiff_t>(queued));
    if (queued == static_cast<std::size_t>(Count))
        return Count;
    const ssize_t n = ::read(FHandle, bytes + queued, static_cast<std::size_t>(Count) - queued);
    if (n >= 0)
        return static_cast<qint32>(queued + static_cast<std::size_t>(n));
    if (errno == EAGAIN || errno == EINTR || queued > 0)
        return static_cast<qint32>(queued);
    Raise_Comm_Error("Read error", errno);
}

qint32 TCustomComm::InQueCount()
{
    std::lock_guard lock(FCriticalSection);
    int count = 0;
    if (FHandle < 0 || ::ioctl(FHandle, FIONREAD, &count) != 0)
        return -1;
    return count + static_cast<qint32>(m_input.size());
}

qint32 TCustomComm::OutQueCount()
{
    std::lock_guard lock(FCriticalSection);
    int count = 0;
    return FHandle >= 0 && ::ioctl(FHandle, TIOCOUTQ, &count) == 0 ? count : -1;
}

void TCustomComm::PurgeIn()
{
    std::lock_guard lock(FCriticalSection);
    m_input.clear();
    if (FHandle >= 0)
        ::tcflush(FHandle, TCIFLUSH);
}

void TCustomComm::PurgeOut()
{
    std::lock_guard lock(FCriticalSection);
    if (FHandle >= 0)
        ::tcflush(FHandle, TCOFLUSH);
}

void TCustomComm::escape(unsigned long request, int argument)
{
    std::lock_guard lock(FCriticalSection);
    if (FHandle < 0)
        Raise_Comm_Error("Port not open, unable to complete operation", -1);
    if (::ioctl(FHandle, request, &argument) != 0)
        Raise_Comm_Error("EscapeCommFunction failure", errno);
}

void TCustomComm::SetDTRState(bool State) { escape(State ? TIOCMBIS : TIOCMBIC, TIOCM_DTR); }

void TCustomComm::SetRTSState(bool State) { escape(State ? TIOCMBIS : TIOCMBIC, TIOCM_RTS); }

void TCustomComm::SetBREAKState(bool State)
{
    {
        std::lock_guard lock(FCriticalSection);
        if (FHandle < 0)
            Raise_Comm_Error("Port not open, unable to complete operation", -1);
        if (::ioctl(FHandle, State ? TIOCSBRK : TIOCCBRK) != 0)
            Raise_Comm_Error("EscapeCommFunction failure", errno);
    }
    PurgeIn();
    PurgeOut();
}

void TCustomComm::SetXONState(bool State)
{
    std::lock_guard lock(FCriticalSection);
    if (FHandle < 0)
        Raise_Comm_Error("Port not open, unable to complete operation", -1);
    if (::tcflow(FHandle, State ? TCOON : TCOOFF) != 0)
        Raise_Comm_Error("EscapeCommFunction failure", errno);
}

bool TCustomComm::modemLine(int line)
{
    std::lock_guard lock(FCriticalSection);
    int status = 0;
    return FHandle >= 0 && ::ioctl(FHandle, TIOCMGET, &status) == 0 && (status & line);
}

bool TCustomComm::CTS() { return modemLine(TIOCM_CTS); }
bool TCustomComm::DSR() { return modemLine(TIOCM_DSR); }
bool TCustomComm::RING() { return modemLine(TIOCM_RNG); }
bool TCustomComm::RLSD() { return modemLine(TIOCM_CAR); }

void TCustomComm::requireClosedToChange(bool changes) const
{
    if (changes && Enabled())
        Raise_Comm_Error("Port already assigned (open)", -1);
}

void TCustomComm::setDeviceName(const QString &name)
{
    requireClosedToChange(name != FDeviceName);
    FDeviceName = name;
}

void TCustomComm::setReadBufSize(qint32 size)
{
    requireClosedToChange(size != FReadBufSize);
    FReadBufSize = size;
}

void TCustomComm::setWriteBufSize(qint32 size)
{
    requireClosedToChange(size != FWriteBufSize);
    FWriteBufSize = size;
}

void TCustomComm::setMonitorEvents(TCommEventTypes events)
{
    requireClosedToChange(events != FMonitorEvents);
    FMonitorEvents = events;
}

template <class T>
void TCustomComm::setAndApply(T &field, T value)
{
    // A setting the device refuses leaves the property as it was.
    platform::OnFailure restore([&field, before = field] { field = before; });
    field = value;
    Update_DCB();
}

void TCustomComm::setBaudRate(TBaudrate rate) { setAndApply(FBaudRate, rate); }
void TCustomComm::setParity(TParity parity) { setAndApply(FParity, parity); }
void TCustomComm::setStopbits(TStopbits stopbits) { setAndApply(FStopbits, stopbits); }
void TCustomComm::setDatabits(TDatabits databits) { setAndApply(FDatabits, databits); }
void TCustomComm::setOptions(TCommOptions options) { setAndApply(FOptions, options); }
void TCustomComm::setFlowControl(TFlowControl flowControl) { setAndApply(FFlowControl, flowControl); }

template <class Handler>
void TCustomComm::setHandler(Handler Handlers::*field, Handler handler)
{
    std::lock_guard lock(m_handlersMutex);
    m_handlers.*field = std::move(handler);
}

void TCustomComm::setOnBreak(TNotifyEvent handler) { setHandler(&Handlers::OnBreak, std::move(handler)); }
void TCustomComm::setOnCts(TNotifyEvent handler) { setHandler(&Handlers::OnCts, std::move(handler)); }
void TCustomComm::setOnDsr(TNotifyEvent handler) { setHandler(&Handlers::OnDsr, std::move(handler)); }
void TCustomComm::setOnError(TCommErrorEvent handler) { setHandler(&Handlers::OnError, std::move(handler)); }
void TCustomComm::setOnRing(TNotifyEvent handler) { setHandler(&Handlers::OnRing, std::move(handler)); }
void TCustomComm::setOnRlsd(TNotifyEvent handler) { setHandler(&Handlers::OnRlsd, std::move(handler)); }
void TCustomComm::setOnRxChar(TCommRxCharEvent handler) { setHandler(&Handlers::OnRxChar, std::move(handler)); }
void TCustomComm::setOnRxFlag(TNotifyEvent handler) { setHandler(&Handlers::OnRxFlag, std::move(handler)); }
void TCustomComm::setOnTxEmpty(TNotifyEvent handler) { setHandler(&Handlers::OnTxEmpty, std::move(handler)); }

void TCustomComm::Handle_Comm_Events(quint32 Status, quint32 Errors)
{
    using namespace commevent;
    Handlers handlers;
    {
        std::lock_guard lock(m_handlersMutex);
        handlers = m_handlers;
    }
    const auto notify = [&](const TNotifyEvent &handler, quint32 bit) {
        if (handler && (Status & bit))
            handler(*this);
    };
    notify(handlers.OnBreak, EV_BREAK);
    notify(handlers.OnCts, EV_CTS);
    notify(handlers.OnDsr, EV_DSR);
    if (handlers.OnError && (Status & EV_ERR))
        handlers.OnError(*this, Errors);
    notify(handlers.OnRing, EV_RING);
    notify(handlers.OnRlsd, EV_RLSD);
    if (handlers.OnRxChar && (Status & EV_RXCHAR)) {
        const qint32 count = InQueCount();
        if (count > 0)
            handlers.OnRxChar(*this, count);
    }
    notify(handlers.OnRxFlag, EV_RXFLAG);
    notify(handlers.OnTxEmpty, EV_TXEMPTY);
}

} // namespace scan
