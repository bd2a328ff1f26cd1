#pragma once
// The serial port component: opens a serial device for reading and writing,
// configures it, writes and reads with time-outs, and reports line and
// character events through handlers from a watcher thread of its own.
//
// "COM n" names the device of the port table (COM1 is /dev/ttyS0, see
// platform/ComPorts.h); any other name is taken as a device path. The
// handlers run on the watcher thread: a window that wants them on its own
// thread queues them. Close wakes and joins the watcher before the device is
// closed, so no handler runs once Close has returned; a handler must not call
// Close itself.
#include "platform/Error.h"
#include "scan/CommDcb.h"
#include "scan/CommEventThread.h"

#include <QString>
#include <atomic>
#include <cstdint>
#include <functional>
#include <initializer_list>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace scan {

enum class TBaudrate {
    br110, br300, br600, br1200, br2400, br4800, br9600, br14400, br19200, br38400, br56000, br57600,
    br115200, br128000, br256000, br1500000, br3000000,
};
enum class TParity { paNone, paOdd, paEven, paMark, paSpace };
enum class TStopbits { sb10, sb15, sb20 };
enum class TDatabits { da4, da5, da6, da7, da8 };
enum class TFlowControl { fcNone, fcCTS, fcDTR, fcSoftware, fcDefault };
enum class TCommOption { coParityCheck, coDsrSensitivity, coIgnoreXOff, coErrorChar, coNullStrip };
enum class TCommEventType { evBreak, evCts, evDsr, evError, evRing, evRlsd, evRxChar, evRxFlag, evTxEmpty };

quint32 baudRateValue(TBaudrate rate);

// The device a port name stands for: COM n by the port table, anything else
// as given.
QString commDevicePath(const QString &deviceName);

// A set of one of the enumerations above.
template <class E>
class TEnumSet {
public:
    constexpr TEnumSet() = default;
    constexpr TEnumSet(std::initializer_list<E> items)
    {
        for (const E item : items)
            m_bits |= bit(item);
    }
    constexpr bool contains(E item) const { return m_bits & bit(item); }
    constexpr bool isEmpty() const { return m_bits == 0; }
    friend constexpr bool operator==(TEnumSet, TEnumSet) = default;

private:
    static constexpr quint32 bit(E item) { return 1u << static_cast<unsigned>(item); }
    quint32 m_bits = 0;
};
using TCommOptions = TEnumSet<TCommOption>;
using TCommEventTypes = TEnumSet<TCommEventType>;

// Comm-event mask bits, as the watcher reports them to Handle_Comm_Events.
namespace commevent {
inline constexpr quint32 EV_RXCHAR = 0x0001;
inline constexpr quint32 EV_RXFLAG = 0x0002;
inline constexpr quint32 EV_TXEMPTY = 0x0004;
inline constexpr quint32 EV_CTS = 0x0008;
inline constexpr quint32 EV_DSR = 0x0010;
inline constexpr quint32 EV_RLSD = 0x0020;
inline constexpr quint32 EV_BREAK = 0x0040;
inline constexpr quint32 EV_ERR = 0x0080;
inline constexpr quint32 EV_RING = 0x0100;
quint32 maskOf(TCommEventTypes events);
} // namespace commevent

// Error bits that OnError reports.
namespace commerror {
inline constexpr quint32 CE_RXOVER = 0x0001;
inline constexpr quint32 CE_OVERRUN = 0x0002;
inline constexpr quint32 CE_RXPARITY = 0x0004;
inline constexpr quint32 CE_FRAME = 0x0008;
inline constexpr quint32 CE_BREAK = 0x0010;
} // namespace commerror

// Every failure of the component. The message is the text followed by
// " (Error: <code>) ".
class ECommError : public platform::Error {
public:
    ECommError(const QString &text, qint32 code);
    qint32 ErrorCode;
};

class TCustomComm;

class TCommEventChars {
public:
    explicit TCommEventChars(TCustomComm &owner) : FOwner(owner) {}

    char XonChar() const { return m_xon; }
    char XoffChar() const { return m_xoff; }
    char ErrorChar() const { return m_error; }
    char EofChar() const { return m_eof; }
    char EvtChar() const { return m_evt; }
    // Each setter re-applies the settings of an open port.
    void setXonChar(char c);
    void setXoffChar(char c);
    void setErrorChar(char c);
    void setEofChar(char c);
    void setEvtChar(char c);

    // Copies the five characters without re-applying anything.
    void Assign(const TCommEventChars &source);

private:
    void set(char &field, char value);

    TCustomComm &FOwner;
    char m_xon = 17;
    char m_xoff = 19;
    char m_error = 0;
    char m_eof = 0;
    char m_evt = 0;
};

class TCustomComm {
public:
    using TNotifyEvent = std::function<void(TCustomComm &Sender)>;
    using TCommErrorEvent = std::function<void(TCustomComm &Sender, quint32 Errors)>;
    using TCommRxCharEvent = std::function<void(TCustomComm &Sender, qint32 Count)>;

    TCustomComm();
    virtual ~TCustomComm();
    TCustomComm(const TCustomComm &) = delete;
    TCustomComm &operator=(const TCustomComm &) = delete;

    void Open();
    void Close();
    bool Enabled() const;

    // Bytes transferred, or -1 when the time-out passed first. Read returns
    // at once with what is queued (0 when nothing is).
    qint32 Write(const void *Buffer, qint32 Count);
    qint32 Read(void *Buffer, qint32 Count);

    // Bytes in the driver's queues; -1 when closed.
    qint32 InQueCount();
    qint32 OutQueCount();
    void PurgeIn();
    void PurgeOut();

    void SetDTRState(bool State);
    void SetRTSState(bool State);
    void SetBREAKState(bool State);
    void SetXONState(bool State);

    // Modem lines; false when closed or when the device cannot tell.
    bool CTS();
    bool DSR();
    bool RING();
    bool RLSD();
    // Hold states of the output; Linux reports none of them.
    bool CtsHold() { return false; }
    bool DsrHold() { return false; }
    bool RlsdHold() { return false; }
    bool XoffHold() { return false; }
    bool XOffSent() { return false; }
    int Handle() const;

    QString DeviceName() const { return FDeviceName; }
    void setDeviceName(const QString &name);
    qint32 ReadTimeout() const { return FReadTimeout; }
    void setReadTimeout(qint32 ms) { FReadTimeout = ms; }
    qint32 WriteTimeout() const { return FWriteTimeout; }
    void setWriteTimeout(qint32 ms) { FWriteTimeout = ms; }
    qint32 ReadBufSize() const { return FReadBufSize; }
    void setReadBufSize(qint32 size);
    qint32 WriteBufSize() const { return FWriteBufSize; }
    void setWriteBufSize(qint32 size);
    TCommEventTypes MonitorEvents() const { return FMonitorEvents; }
    void setMonitorEvents(TCommEventTypes events);
    TBaudrate BaudRate() const { return FBaudRate; }
    void setBaudRate(TBaudrate rate);
    TParity Parity() const { return FParity; }
    void setParity(TParity parity);
    TStopbits Stopbits() const { return FStopbits; }
    void setStopbits(TStopbits stopbits);
    TDatabits Databits() const { return FDatabits; }
    void setDatabits(TDatabits databits);
    TCommOptions Options() const { return FOptions; }
    void setOptions(TCommOptions options);
    TFlowControl FlowControl() const { return FFlowControl; }
    void setFlowControl(TFlowControl flowControl);
    TCommEventChars &EventChars() { return FEventChars; }
    // The block last written to the device.
    TDCB DCB() const;

    // Handlers; they may be set while the port is open.
    void setOnBreak(TNotifyEvent handler);
    void setOnCts(TNotifyEvent handler);
    void setOnDsr(TNotifyEvent handler);
    void setOnError(TCommErrorEvent handler);
    void setOnRing(TNotifyEvent handler);
    void setOnRlsd(TNotifyEvent handler);
    void setOnRxChar(TCommRxCharEvent handler);
    void setOnRxFlag(TNotifyEvent handler);
    void setOnTxEmpty(TNotifyEvent handler);

    // Writes the settings to an open port; nothing when closed.
    void Update_DCB();

protected:
    // Opens the device; the descriptor, or raises.
    virtual int Create_Handle();

private:
    struct Handlers {
        TNotifyEvent OnBreak, OnCts, OnDsr, OnRing, OnRlsd, OnRxFlag, OnTxEmpty;
        TCommErrorEvent OnError;
        TCommRxCharEvent OnRxChar;
    };

    void Set_Timeouts();
    void writeDcb(); // under FCriticalSection, the port open
    void Handle_Comm_Events(quint32 Status, quint32 Errors);
    // The watcher's side: moves the driver's bytes into m_input.
    TCommEventThread::TInput takeInput();
    void Stop_Thread();
    void requireClosedToChange(bool changes) const;
    template <class T>
    void setAndApply(T &field, T value);
    template <class Handler>
    void setHandler(Handler Handlers::*field, Handler handler);
    bool modemLine(int line);
    void escape(unsigned long request, int argument);

    int FHandle = -1;
    TDCB FDCB;
    QString FDeviceName = QStringLiteral("Com2");
    mutable std::mutex FCriticalSection; // serialises the device's use
    qint32 FReadTimeout = 1000;
    qint32 FWriteTimeout = 1000;
    qint32 FReadBufSize = 4096;
    qint32 FWriteBufSize = 2048;
    TCommEventTypes FMonitorEvents{TCommEventType::evBreak, TCommEventType::evCts,    TCommEventType::evDsr,
                                   TCommEventType::evError, TCommEventType::evRing,   TCommEventType::evRlsd,
                                   TCommEventType::evRxChar, TCommEventType::evRxFlag, TCommEventType::evTxEmpty};
    TBaudrate FBaudRate = TBaudrate::br9600;
    TParity FParity = TParity::paNone;
    TStopbits FStopbits = TStopbits::sb10;
    TDatabits FDatabits = TDatabits::da8;
    std::unique_ptr<TCommEventThread> FEventThread;
    TCommEventChars FEventChars{*this};
    TCommOptions FOptions;
    TFlowControl FFlowControl = TFlowControl::fcDefault;
    std::mutex m_handlersMutex;
    Handlers m_handlers;
    // Received bytes, at most ReadBufSize of them, under FCriticalSection.
    std::vector<std::uint8_t> m_input;
};

// The component as the program places it.
class TComm : public TCustomComm {};

} // namespace scan
