#pragma once
// The scan engine: a thread of its own that drives the converter's analyzer
// mode. While a scan runs it takes one step of the scan's step machine every
// 40 ms; the transport's thread hands every answer over under the engine's
// lock; what the slaves answer goes through the decoder into the slave list.
// Reports reach the caller through the procedure it gave at the start, called
// on the engine's thread: a window turns them into queued calls.
//
// The caller's side (start, stop, abort, the run gate, the properties) may be
// used from any one thread. Only the engine clears InScan, after its end
// steps, so a new start is refused until the converter has left analyzer mode
// and the transport is closed. Destroying the engine tells it to exit, wakes
// it and joins it.
#include "scan/AnalyzerProtocol.h"
#include "scan/RecordParser.h"
#include "scan/ScanClock.h"
#include "scan/ScanLists.h"
#include "scan/ScanTransport.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <chrono>
#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <string_view>
#include <thread>

namespace scan {

enum class TScanType { saPrimaryAddress, saSecondaryAddress };

// The wired report: Kind 1 a scan begins, 2 an address or a slave is done,
// 3 the scan has ended; Scan 1 primary, 2 secondary.
using TUpdateSlaveList = std::function<void(qint32 Kind, qint32 Value, qint32 Found, qint32 Scan)>;

// What the engine is built on; anything left empty takes the real one.
struct ScanEngineSetup {
    ScanClock *clock = nullptr;        // steadyScanClock()
    TransportFactory transports;       // makeTransport
    TSlaveMBusList *slaves = nullptr;  // List_Slave_MBus()
};

// The engine's own work, for benchmarks and diagnostics.
struct ScanEngineStats {
    quint64 steps = 0;
    std::chrono::nanoseconds busy{0};   // time spent in steps, pauses left out
    std::chrono::nanoseconds paused{0}; // real time spent in pauses
    quint64 datagramsSent = 0;
    quint64 datagramsReceived = 0;
};

class TMBusScanDecode {
public:
    explicit TMBusScanDecode(ScanEngineSetup setup = {});
    ~TMBusScanDecode();
    TMBusScanDecode(const TMBusScanDecode &) = delete;
    TMBusScanDecode &operator=(const TMBusScanDecode &) = delete;

    // The run gate: the window sets it while it is shown. An idle engine
    // starts a new scan only through an open gate; a scan in progress runs to
    // its end whatever the gate.
    class TRunEvent {
    public:
        void SetEvent();
        void ResetEvent();

    private:
        friend class TMBusScanDecode;
        explicit TRunEvent(TMBusScanDecode &engine) : m_engine(engine) {}
        TMBusScanDecode &m_engine;
    };
    TRunEvent Event_Run{*this};

    // Starts a wired scan of the converter at IP_COM (an IPv4 address, or the
    // serial device name) and Port. Refused while a scan runs, and for an
    // address, a port or a transport that is not usable; nothing changes then.
    ScanStart Start_Scan(TScanType ScanT, TSelectHard SelHard, const QString &IP_COM, qint32 Baud, qint32 Par,
                         bool AppReset, bool SNDNKE, qint32 CutAfter, bool FixCField, quint8 FixCFieldValue,
                         bool RemoteTimeout, TUpdateSlaveList Proc_Slave_List, quint16 Port = AnalyzerPort);

    // Requests only: the engine ends the scan through its end steps.
    void Stop_Scan();
    void Abort_Scan();

    bool InScan() const;
    // -1 before the first scan, 1 a scan started or ran, 2 the converter did
    // not answer as expected.
    qint32 Result() const;

    // Waits (real time, at most `limit`) until no scan runs; false at the limit.
    bool waitUntilIdle(std::chrono::milliseconds limit);
    // Waits until the transport has handed over at least `count` answers.
    bool waitForDatagramsReceived(quint64 count, std::chrono::milliseconds limit);
    ScanEngineStats Engine_Stats() const;

private:
    class Wake;
    // The end of a scan: the converter leaves its mode (the command is sent
    // at most three times), the transport closes, InScan clears.
    struct EndSteps {
        qint32 first;             // the step that begins them
        std::string_view command;
        std::string_view reply;   // the converter's exact answer
        bool reports;             // make the end-of-scan report when it is due
    };
    static constexpr EndSteps WiredEnd{200, analyzer::DisableAnalyzerMode, analyzer::AnalyzerModeDisabled, true};
    struct Answer {
        bool arrived = false;
        QByteArray bytes;
        std::span<const std::uint8_t> span() const
        {
            return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), std::size_t(bytes.size())};
        }
    };

    void Execute();
    void runStep();
    void leaveOnExit();

    // Transport.
    void UDP_Read_Handler(std::span<const std::uint8_t> datagram);
    void Send_Command(std::string_view text);
    void Send_Frame(const QByteArray &frame);
    void sendBytes(std::span<const std::uint8_t> bytes);
    Answer currentAnswer();
    bool Answer_Timed_Out();
    bool pauseFor(std::chrono::milliseconds duration);
    void closeTransport();

    // Flags shared with the caller's thread.
    bool stopRequested();
    bool abortRequested();
    void clearRequests();
    void setResult(qint32 result);
    void Report_Slave_List(qint32 Kind, qint32 Value, qint32 Found, qint32 Scan);

    // The end steps, shared by the step machines.
    void Step_End(const EndSteps &end);
    void finishScan(const EndSteps &end);

    // The wired step machine (WiredScan.cpp).
    void Step_Wired();
    void enterAnalyzerMode();
    void awaitAnalyzerMode();
    void stepPrimary();
    bool answeredOrTimedOut();
    bool acknowledgedOrTimedOut();
    void nextPrimaryAddress();
    void sendToPrimary(const QByteArray &frame, qint32 next);
    void readPrimaryTelegram();
    void stepSecondary();
    void selectNextDigit(qint32 level);
    void awaitSelection(qint32 level);
    void readSelectedTelegram();
    qint32 identificationReport();
    enum class Telegram { Invalid, MoreFollow, SlaveDone };
    Telegram readTelegram(const Answer &answer);
    // The step that chooses digit `level` (0 for A to 7 for H); its wait is the next one.
    static constexpr qint32 levelStep(qint32 level) { return 108 + 2 * level; }

    // Set at creation.
    ScanClock &m_clock;
    TransportFactory m_transports;
    TSlaveMBusList &m_slaves;
    std::unique_ptr<Wake> m_wake;

    // Shared with the caller's and the transport's threads, under m_mutex.
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool FExit = false;
    bool FInScan = false;
    bool m_starting = false;    // a start is opening its transport
    bool m_runGate = false;
    bool m_scanRunning = false; // the engine has taken up the current scan
    qint32 FResult = -1;
    bool FStopScan = false;
    bool FAbortScan = false;
    bool Answer_Arrived = false;
    std::array<std::uint8_t, AnswerBufferSize> Ans_Array{};
    qint32 Ans_Len = 0;
    ScanEngineStats m_stats;

    // Written by the caller only while no scan runs; the engine's after that.
    TScanType ScanType = TScanType::saPrimaryAddress;
    TSelectHard Select_Hardware = TSelectHard::shEthernet;
    TMBusType MBusType = TMBusType::mtWired;
    QString IP_Address;
    QString ComPort;
    quint16 Converter_Port = AnalyzerPort;
    qint32 Baudrate = 2400;
    qint32 Parity = 1; // kept for the caller; the time-outs need the baud rate only
    bool App_Reset = false;
    bool SND_NKE = false;
    qint32 Cut_After = 0;
    bool Fix_C_Field = false;
    quint8 Fix_C_Field_Value = 0;
    qint32 Add_TimeOut = 0;
    TUpdateSlaveList Update_Slave_List;
    std::unique_ptr<ScanTransport> m_transport;

    // The engine thread's own.
    qint32 Step_Scan = 0;
    QByteArray Req_Array;
    qint32 TimeOut_Calc = 0;
    quint32 Start_Send = 0;
    qint32 ID_Dev_Primary = 0;
    bool ID_Dev_Found = false;
    qint32 Num_Frame_Read = 0;
    SecondaryDigits Index_Digits{}; // Index_A to Index_H
    qint32 Index_Device = -1;
    qint32 Sec_Add_Next_Step = 0;
    qint32 Phase_Scan_Sec_Add = 0;
    qint32 Count_Disable_Analyzer = 0;
    bool Enable_Send_In_Last_Step = false;
    quint32 Type_To_Send_In_Last_Step = 0;

    std::thread m_thread; // last: started when everything above exists
};

} // namespace scan
