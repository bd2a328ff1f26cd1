#pragma once
// The scan engine: a thread of its own that drives the converter's analyzer
// mode. While a scan runs it takes one step of the scan's step machine every
// 40 ms; the transport's thread hands every answer over under the engine's
// lock; what the slaves answer goes through the decoder into the slave list.
// A wireless scan sets up the converter's radio module and then takes every
// telegram the converter relays into the meter list, on the transport's
// thread. Reports reach the caller through the procedure it gave at the
// start, called on the engine's thread (wired) or on the transport's
// (wireless): a window turns them into queued calls.
//
// The caller's side (start, stop, abort, key entry, the run gate, the
// properties) may be used from any one thread. Key entry and the engine's
// steps exclude each other: a key is installed between two steps. Only the engine clears InScan, after its end
// steps, so a new start is refused until the converter has left analyzer mode
// and the transport is closed. Destroying the engine tells it to exit, wakes
// it and joins it.
#include "scan/AnalyzerProtocol.h"
#include "scan/RecordParser.h"
#include "scan/SaveConfXML.h"
#include "scan/ScanClock.h"
#include "scan/ScanLists.h"
#include "scan/ScanTransport.h"
#include "scan/WirelessIntake.h"

#include <QByteArray>
#include <QString>
#include <array>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
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
    TSlaveWMBusList *meters = nullptr; // List_Wireless_Key()
};

// The engine's own work, for benchmarks and diagnostics.
struct ScanEngineStats {
    quint64 steps = 0;
    std::chrono::nanoseconds busy{0};   // time spent in steps, pauses left out
    std::chrono::nanoseconds paused{0}; // real time spent in pauses
    quint64 datagramsSent = 0;
    quint64 datagramsReceived = 0; // counted once handled (a telegram once taken in)
    quint64 telegramsTaken = 0;    // wireless telegrams taken into the meter list
    quint64 telegramsDropped = 0;  // datagrams during reception that were no telegram to take
    bool wirelessReceiving = false; // the radio module relays telegrams now
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

    // Starts a wireless scan: the local port `Port` is bound on the local
    // address the converter is reached from and every datagram goes to
    // IP_COM:Port; the converter's radio module is set up for the mode (1 S,
    // 5 T, 15 N1, 17 N2, 11 C) and the radio channel (index 0 to 8, Telit
    // only), then every telegram it receives is taken into the meter list and
    // reported. Refused as Start_Scan is; a port that cannot be bound is a
    // PortDenied, PortInUse or TransportFailed refusal with the system's reason.
    ScanStart Start_Scan_Wireless(TSelectHard SelHard, const QString &IP_COM, quint16 Port, qint32 wMBus_Mode,
                                  qint32 wMBus_Radio_Channel, bool RemoteTimeout,
                                  TUpdateListWirelessSlave Proc_Wireless);

    // Installs the key of the meter at Index of the meter list (the first 16
    // bytes of Key) in the radio module and has telegrams of that meter
    // decrypted from then on. Only while the scan receives: false otherwise,
    // for a meter that does not exist, for fewer than 16 bytes, and when a
    // RadioCrafts module's key table is full; the meter's key and flag then
    // stay as they were.
    bool Insert_Wireless_Key(qint32 Index, std::span<const std::uint8_t> Key);

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
    ScanEngineStats engineStats() const;

    // The scan results saved as the configuration's network, from this
    // engine's lists; only while no scan runs.
    TSaveConfResult Save_XML_Conf_Wired(const TSaveConfXML &DataIn, bool Check_BCD);
    TSaveConfResult Save_XML_Conf_Wireless(const TSaveConfXML &DataIn, bool Check_BCD);

    // When not empty at a start, the scan's results are exported to this
    // file at the scan's end (see ScanExport.h). The caller's: a start takes
    // a copy, so changing it during a scan changes nothing for that scan.
    QString SaveXMLFile;
    // Why the last export failed; nullopt after one that succeeded.
    std::optional<project::FileError> exportError() const;

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
    static constexpr EndSteps WirelessEnd{500, analyzer::DisableConfigurationMode,
                                          analyzer::ConfigurationModeDisabled, false};
    const EndSteps &endSteps() const { return MBusType == TMBusType::mtWireless ? WirelessEnd : WiredEnd; }
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
    // Opens the transport and, under the engine's locks, takes the target
    // and lets `setUp` take the rest of the start's arguments before the
    // scan begins.
    ScanStart startScan(TSelectHard hardware, const TransportTarget &target, bool remoteTimeout,
                        const std::function<void()> &setUp);

    // Transport.
    void UDP_Read_Handler(std::span<const std::uint8_t> datagram);
    void Send_Command(std::string_view text);
    void sendFrame(const QByteArray &frame);
    void sendBytes(std::span<const std::uint8_t> bytes);
    // What a waiting step waits for in an answer.
    using Wanted = std::function<bool(std::span<const std::uint8_t> answer)>;
    static bool anyAnswer(std::span<const std::uint8_t>) { return true; }
    // The first answer received since the last send that is what the step
    // waits for; the answers before it are dropped as no reply to this
    // request. Not arrived when there is none (yet).
    Answer takeAnswer(const Wanted &wanted);
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
    void stepEnd(const EndSteps &end);
    void finishScan(const EndSteps &end);
    // The export at a scan's end, to the file the start took from SaveXMLFile.
    void Save_XML_File_DLL();
    void Save_Wireless_XML_File_DLL();

    // The wireless step machine (WirelessScan.cpp) and the intake.
    enum class Expect {
        Reply,        // exactly these bytes
        ModuleType,   // the name of one of the two radio modules
        MemoryDump,   // the module's memory, then the prompt
        FirstPrompt,  // anything that begins with the prompt
        AnyOrTimeout, // whatever comes, or nothing
        Nothing,      // no wait at all
    };
    // One command of the step machine and what it waits for.
    struct Exchange {
        QByteArray bytes;
        qint32 timeout = 1000; // on top of Add_TimeOut
        Expect expect = Expect::Reply;
        QByteArray reply;
        qint32 next = 0;
    };
    void stepWireless();
    std::optional<Exchange> wirelessExchange(qint32 step);
    void sendExchange(const Exchange &exchange);
    void awaitExchange(qint32 sentStep, const Exchange &exchange);
    bool answers(const Exchange &exchange, std::span<const std::uint8_t> bytes);
    void afterReply(qint32 sentStep, qint32 next);
    void failWireless();
    template <class F>
    auto withKeyMeter(F read);
    void setReceiving(bool receiving);
    bool Process_Wireless_Frame(std::span<const std::uint8_t> datagram, TRadioModule module);
    void Report_Wireless_Slave(const WirelessReport &report);

    // The wired step machine (WiredScan.cpp).
    void stepWired();
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
    TSlaveWMBusList &m_meters;
    std::unique_ptr<Wake> m_wake;

    // Held by the engine while it runs a step (released while it pauses), and
    // by key entry, so that a key goes in between two steps. Taken before
    // m_mutex and before a list's lock.
    std::mutex m_stepMutex;
    std::unique_lock<std::mutex> m_stepLock{m_stepMutex, std::defer_lock}; // the engine thread's

    // Shared with the caller's and the transport's threads, under m_mutex.
    mutable std::mutex m_mutex;
    std::condition_variable m_changed;
    bool FExit = false;
    bool FInScan = false;
    bool m_starting = false;    // a start is opening its transport
    bool m_runGate = false;
    bool m_scanRunning = false; // the engine has taken up the current scan
    qint32 FResult = -1;
    std::optional<project::FileError> m_exportError;
    bool FStopScan = false;
    bool FAbortScan = false;
    // Ans_Array and Ans_Len: every answer since the last send, in the order
    // received, each cut to the answer buffer; a full queue drops its oldest.
    std::deque<QByteArray> m_answers;
    ScanEngineStats m_stats;
    TRadioModule RadioModule = TRadioModule::rmTelit;
    bool Wireless_Receive_Message = false; // datagrams are telegrams for the intake

    // Written by the caller only while no scan runs; the engine's after that.
    TScanType ScanType = TScanType::saPrimaryAddress;
    TSelectHard Select_Hardware = TSelectHard::shEthernet;
    TMBusType MBusType = TMBusType::mtWired;
    QString IP_Address;
    QString ComPort;
    qint32 Baudrate = 2400;
    qint32 Parity = 1; // kept for the caller; the time-outs need the baud rate only
    bool App_Reset = false;
    bool SND_NKE = false;
    qint32 Cut_After = 0;
    bool Fix_C_Field = false;
    quint8 Fix_C_Field_Value = 0;
    qint32 Add_TimeOut = 0;
    TUpdateSlaveList Update_Slave_List;
    // Read by the transport's thread only while Wireless_Receive_Message is
    // set, which the engine sets after a start has written it.
    TUpdateListWirelessSlave UpdateListWirelessSlave;
    qint32 wMBusMode = 1;
    qint32 wMBusRadioChannel = 0;
    std::unique_ptr<ScanTransport> m_transport;
    QString m_exportFile; // SaveXMLFile as the start found it

    // The engine thread's own.
    bool m_beforeEndSteps = false; // as the last step left it
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

    // The wireless steps' own; key entry writes them under the step lock.
    AesKey Wireless_Key{};
    qint32 Wireless_Key_Index = 0;
    qint32 Index_Key_Send = 0;
    qint32 Index_RadioCrafts_Erase_Position = 0;
    qint32 Index_RadioCrafts_Position_Used = 1;

    std::thread m_thread; // last: started when everything above exists
};

} // namespace scan
