#include "scan/MBusScanDecode.h"

#include "scan/ScanExport.h"

#include <algorithm>
#include <atomic>

namespace scan {

namespace {

constexpr std::chrono::milliseconds StepInterval{40};
// More answers than a converter sends to one request, strays included.
constexpr std::size_t AnswerQueueLimit = 64;

} // namespace

// A pause of the engine's clock waits on the engine's own condition, so that
// an exit request ends it at once, and so does an abort before the end steps.
class TMBusScanDecode::Wake final : public ScanWake {
public:
    explicit Wake(TMBusScanDecode &engine) : m_engine(engine) {}

    // Set by the engine's thread before each pause.
    void endOnAbort(bool ends) { m_endOnAbort = ends; }

    bool sleepFor(std::chrono::nanoseconds duration) override
    {
        std::unique_lock lock(m_engine.m_mutex);
        return !m_engine.m_changed.wait_for(lock, duration, [this] { return ended(); });
    }

    bool stopping() const override
    {
        std::lock_guard lock(m_engine.m_mutex);
        return ended();
    }

private:
    bool ended() const { return m_engine.FExit || (m_endOnAbort && m_engine.FAbortScan); }

    TMBusScanDecode &m_engine;
    std::atomic<bool> m_endOnAbort{false};
};

TMBusScanDecode::TMBusScanDecode(ScanEngineSetup setup)
    : m_clock(setup.clock ? *setup.clock : steadyScanClock()),
      m_transports(setup.transports ? std::move(setup.transports) : TransportFactory(makeTransport)),
      m_slaves(setup.slaves ? *setup.slaves : List_Slave_MBus()),
      m_meters(setup.meters ? *setup.meters : List_Wireless_Key()),
      m_wake(std::make_unique<Wake>(*this))
{
    m_thread = std::thread([this] { Execute(); });
}

TMBusScanDecode::~TMBusScanDecode()
{
    {
        std::lock_guard lock(m_mutex);
        FExit = true;
    }
    m_changed.notify_all();
    m_thread.join();
}

void TMBusScanDecode::TRunEvent::SetEvent()
{
    {
        std::lock_guard lock(m_engine.m_mutex);
        m_engine.m_runGate = true;
    }
    m_engine.m_changed.notify_all();
}

void TMBusScanDecode::TRunEvent::ResetEvent()
{
    std::lock_guard lock(m_engine.m_mutex);
    m_engine.m_runGate = false;
}

ScanStart TMBusScanDecode::Start_Scan(TScanType ScanT, TSelectHard SelHard, const QString &IP_COM, qint32 Baud,
                                      qint32 Par, bool AppReset, bool SNDNKE, qint32 CutAfter, bool FixCField,
                                      quint8 FixCFieldValue, bool RemoteTimeout, TUpdateSlaveList Proc_Slave_List,
                                      quint16 Port)
{
    return startScan(SelHard, TransportTarget{IP_COM, Port, 0, {}}, RemoteTimeout, [&] {
        Update_Slave_List = std::move(Proc_Slave_List);
        MBusType = TMBusType::mtWired;
        ScanType = ScanT;
        Baudrate = Baud;
        Parity = Par;
        App_Reset = AppReset;
        SND_NKE = SNDNKE;
        Cut_After = CutAfter;
        Fix_C_Field = FixCField;
        Fix_C_Field_Value = FixCFieldValue;
    });
}

ScanStart TMBusScanDecode::startScan(TSelectHard hardware, const TransportTarget &target, bool remoteTimeout,
                                     const std::function<void()> &setUp)
{
    {
        std::lock_guard lock(m_mutex);
        if (FInScan || m_starting)
            return {ScanRefusal::ScanInProgress, {}, {}};
        m_starting = true;
    }
    // The transport opens outside the lock: its thread may hand over an
    // answer at once, and its code is not the engine's.
    auto transport = m_transports(hardware);
    const ScanStart opened =
        transport->open(target, [this](std::span<const std::uint8_t> answer) { UDP_Read_Handler(answer); });
    std::lock_guard step(m_stepMutex);
    std::unique_lock lock(m_mutex);
    m_starting = false;
    if (!opened.started())
        return opened;

    m_transport = std::move(transport);
    Select_Hardware = hardware;
    IP_Address.clear();
    ComPort.clear();
    (hardware == TSelectHard::shSerial ? ComPort : IP_Address) = target.address;
    Add_TimeOut = remoteTimeout ? RemoteAddTimeout : 0;
    m_exportFile = SaveXMLFile;
    m_exportError.reset();
    setUp();
    Wireless_Receive_Message = false;
    Step_Scan = 0;
    m_answers.clear();
    FStopScan = false;
    FAbortScan = false;
    FInScan = true;
    lock.unlock();
    m_changed.notify_all();
    return {};
}

void TMBusScanDecode::Stop_Scan()
{
    std::lock_guard lock(m_mutex);
    FStopScan = true;
}

void TMBusScanDecode::Abort_Scan()
{
    {
        std::lock_guard lock(m_mutex);
        FAbortScan = true;
    }
    m_changed.notify_all(); // a pause before the end steps ends now
}

bool TMBusScanDecode::InScan() const
{
    std::lock_guard lock(m_mutex);
    return FInScan;
}

qint32 TMBusScanDecode::Result() const
{
    std::lock_guard lock(m_mutex);
    return FResult;
}

bool TMBusScanDecode::waitUntilIdle(std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, limit, [this] { return !FInScan; });
}

bool TMBusScanDecode::waitForDatagramsReceived(quint64 count, std::chrono::milliseconds limit)
{
    std::unique_lock lock(m_mutex);
    return m_changed.wait_for(lock, limit, [&] { return m_stats.datagramsReceived >= count; });
}

ScanEngineStats TMBusScanDecode::engineStats() const
{
    std::lock_guard lock(m_mutex);
    ScanEngineStats stats = m_stats;
    stats.wirelessReceiving = Wireless_Receive_Message;
    return stats;
}

void TMBusScanDecode::Execute()
{
    for (;;) {
        {
            std::unique_lock lock(m_mutex);
            m_changed.wait(lock, [this] { return FExit || (FInScan && (m_runGate || m_scanRunning)); });
            if (FExit)
                break;
            m_scanRunning = true;
        }
        runStep();
        pauseFor(StepInterval);
    }
    leaveOnExit();
}

void TMBusScanDecode::runStep()
{
    const auto began = std::chrono::steady_clock::now();
    const std::chrono::nanoseconds pausedBefore = engineStats().paused;
    m_stepLock.lock();
    try {
        if (MBusType == TMBusType::mtWireless)
            stepWireless();
        else
            stepWired();
    } catch (...) {
        // Nothing a step meets may end the thread: a failure in the scan ends
        // it as a converter that did not answer, one in the end steps ends it
        // at once.
        const EndSteps &end = endSteps();
        if (Step_Scan < end.first) {
            setResult(2);
            Step_Scan = end.first;
        } else {
            finishScan(end);
        }
    }
    m_beforeEndSteps = Step_Scan < endSteps().first;
    m_stepLock.unlock();
    const auto spent = std::chrono::steady_clock::now() - began;
    std::lock_guard lock(m_mutex);
    ++m_stats.steps;
    m_stats.busy += spent - (m_stats.paused - pausedBefore);
}

void TMBusScanDecode::leaveOnExit()
{
    // The process is ending in the middle of a scan: ask the converter once to
    // leave its mode, without waiting for it.
    std::lock_guard step(m_stepMutex);
    if (m_transport && Select_Hardware == TSelectHard::shEthernet && Step_Scan > 0)
        Send_Command(endSteps().command);
    closeTransport();
    std::lock_guard lock(m_mutex);
    FInScan = false;
    m_scanRunning = false;
    Wireless_Receive_Message = false;
}

void TMBusScanDecode::UDP_Read_Handler(std::span<const std::uint8_t> datagram)
{
    std::optional<TRadioModule> intake;
    {
        std::lock_guard lock(m_mutex);
        if (MBusType == TMBusType::mtWireless && Wireless_Receive_Message) {
            intake = RadioModule;
        } else {
            // At most the answer buffer is kept of a longer datagram.
            const std::size_t kept = std::min<std::size_t>(datagram.size(), AnswerBufferSize);
            if (m_answers.size() == AnswerQueueLimit)
                m_answers.pop_front();
            m_answers.emplace_back(reinterpret_cast<const char *>(datagram.data()), qsizetype(kept));
            ++m_stats.datagramsReceived;
        }
    }
    if (intake) {
        // Only datagrams of the module's framing are telegrams; the intake
        // works outside the engine's lock, so that the steps go on meanwhile.
        const bool taken = isWholeTelegram(datagram, *intake) && Process_Wireless_Frame(datagram, *intake);
        std::lock_guard lock(m_mutex);
        ++(taken ? m_stats.telegramsTaken : m_stats.telegramsDropped);
        ++m_stats.datagramsReceived;
    }
    m_changed.notify_all();
}

void TMBusScanDecode::Send_Command(std::string_view text)
{
    sendBytes({reinterpret_cast<const std::uint8_t *>(text.data()), text.size()});
}

void TMBusScanDecode::sendFrame(const QByteArray &frame)
{
    Req_Array = frame;
    sendBytes({reinterpret_cast<const std::uint8_t *>(Req_Array.constData()), std::size_t(Req_Array.size())});
}

void TMBusScanDecode::sendBytes(std::span<const std::uint8_t> bytes)
{
    {
        std::lock_guard lock(m_mutex);
        m_answers.clear();
    }
    // A send that fails is a frame nobody answers: its wait runs out.
    const bool sent = m_transport && m_transport->send(bytes);
    Start_Send = m_clock.tickCount();
    if (sent) {
        std::lock_guard lock(m_mutex);
        ++m_stats.datagramsSent;
    }
}

TMBusScanDecode::Answer TMBusScanDecode::takeAnswer(const Wanted &wanted)
{
    Answer answer;
    std::lock_guard lock(m_mutex);
    while (!m_answers.empty()) {
        answer.bytes = std::move(m_answers.front());
        m_answers.pop_front();
        if (wanted(answer.span())) {
            answer.arrived = true;
            return answer;
        }
    }
    return {};
}

bool TMBusScanDecode::Answer_Timed_Out() { return tickTimedOut(m_clock.tickCount(), Start_Send, TimeOut_Calc); }

bool TMBusScanDecode::pauseFor(std::chrono::milliseconds duration)
{
    // Until the end steps begin, an abort ends the pause: the next step ends
    // the scan. Between steps, key entry may change the step meanwhile, but
    // never to an end step.
    const bool inStep = m_stepLock.owns_lock();
    m_wake->endOnAbort(inStep ? Step_Scan < endSteps().first : m_beforeEndSteps);
    // A pause inside a step lets key entry in.
    if (inStep)
        m_stepLock.unlock();
    const auto began = std::chrono::steady_clock::now();
    const bool goOn = m_clock.pause(duration, *m_wake);
    const auto spent = std::chrono::steady_clock::now() - began;
    if (inStep)
        m_stepLock.lock();
    std::lock_guard lock(m_mutex);
    m_stats.paused += spent;
    return goOn;
}

void TMBusScanDecode::closeTransport()
{
    if (m_transport) {
        m_transport->close();
        m_transport.reset();
    }
}

bool TMBusScanDecode::stopRequested()
{
    std::lock_guard lock(m_mutex);
    return FStopScan;
}

bool TMBusScanDecode::abortRequested()
{
    std::lock_guard lock(m_mutex);
    return FAbortScan;
}

void TMBusScanDecode::clearRequests()
{
    std::lock_guard lock(m_mutex);
    FAbortScan = false;
    FStopScan = false;
}

void TMBusScanDecode::setResult(qint32 result)
{
    std::lock_guard lock(m_mutex);
    FResult = result;
}

void TMBusScanDecode::Report_Slave_List(qint32 Kind, qint32 Value, qint32 Found, qint32 Scan)
{
    if (!Update_Slave_List)
        return;
    try {
        Update_Slave_List(Kind, Value, Found, Scan);
    } catch (...) {
        // The caller's failure is not the scan's.
    }
}

void TMBusScanDecode::stepEnd(const EndSteps &end)
{
    switch (Step_Scan - end.first) {
    case 0:
        Count_Disable_Analyzer = 0;
        clearRequests();
        Step_Scan = end.first + 1;
        break;
    case 1:
        if (Select_Hardware == TSelectHard::shSerial || Count_Disable_Analyzer >= 3) {
            Step_Scan = end.first + 3;
            break;
        }
        ++Count_Disable_Analyzer;
        TimeOut_Calc = textCommandTimeout(Add_TimeOut);
        Send_Command(end.command);
        Step_Scan = end.first + 2;
        break;
    case 2: {
        // Anything but the reply is ignored until the time-out sends the command again.
        if (takeAnswer([&end](std::span<const std::uint8_t> answer) { return isReply(answer, end.reply); }).arrived)
            Step_Scan = end.first + 3;
        else if (Answer_Timed_Out())
            Step_Scan = end.first + 1;
        break;
    }
    default:
        finishScan(end);
        break;
    }
}

void TMBusScanDecode::finishScan(const EndSteps &end)
{
    closeTransport();
    // The export and the end-of-scan report come before InScan clears, so
    // that whoever waits for the end finds the file and every report.
    if (!m_exportFile.isEmpty()) {
        if (MBusType == TMBusType::mtWireless)
            Save_Wireless_XML_File_DLL();
        else
            Save_XML_File_DLL();
    }
    if (end.reports && Enable_Send_In_Last_Step)
        Report_Slave_List(3, 0, 0, static_cast<qint32>(Type_To_Send_In_Last_Step));
    {
        std::lock_guard lock(m_mutex);
        FInScan = false;
        m_scanRunning = false;
        Wireless_Receive_Message = false;
    }
    m_changed.notify_all();
}

void TMBusScanDecode::Save_XML_File_DLL()
{
    auto error = scan::Save_XML_File_DLL(m_exportFile, m_slaves);
    std::lock_guard lock(m_mutex);
    m_exportError = std::move(error);
}

void TMBusScanDecode::Save_Wireless_XML_File_DLL()
{
    auto error = scan::Save_Wireless_XML_File_DLL(m_exportFile, m_meters);
    std::lock_guard lock(m_mutex);
    m_exportError = std::move(error);
}

std::optional<project::FileError> TMBusScanDecode::exportError() const
{
    std::lock_guard lock(m_mutex);
    return m_exportError;
}

TSaveConfResult TMBusScanDecode::Save_XML_Conf_Wired(const TSaveConfXML &DataIn, bool Check_BCD)
{
    return scan::Save_XML_Conf_Wired(DataIn, Check_BCD, m_slaves);
}

TSaveConfResult TMBusScanDecode::Save_XML_Conf_Wireless(const TSaveConfXML &DataIn, bool Check_BCD)
{
    return scan::Save_XML_Conf_Wireless(DataIn, Check_BCD, m_meters);
}

} // namespace scan
