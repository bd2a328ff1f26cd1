// Starting a scan, entering and leaving the converter's analyzer mode, and
// the refusals of a start.
#include "EngineFixture.h"

#include <cerrno>

using namespace enginetest;
using namespace scan;
using testsupport::SimulatedConverter;

namespace {

std::vector<quint32> ticksOf(const std::vector<SimulatedConverter::Datagram> &log, std::string_view command)
{
    std::vector<quint32> ticks;
    for (const auto &d : log)
        if (d.bytes == QByteArray(command.data(), qsizetype(command.size())))
            ticks.push_back(d.tick);
    return ticks;
}

class AnalyzerMode : public EngineTest {};

TEST_F(AnalyzerMode, ExactReplyBeginsTheScanAndTheEndLeavesTheModeOnce)
{
    scanToEnd();
    EXPECT_EQ(engine->Result(), 1);
    EXPECT_EQ(converter().commandCount(analyzer::EnableAnalyzerMode), 1);
    EXPECT_EQ(converter().commandCount(analyzer::DisableAnalyzerMode), 1);
    EXPECT_FALSE(converter().inAnalyzerMode());
    EXPECT_EQ(converter().openConnections(), 0) << "the transport is closed at the end";
    EXPECT_FALSE(engine->InScan());
    EXPECT_EQ(reports().back(), (Report{3, 0, 0, 1}));
}

TEST_F(AnalyzerMode, AnythingButTheExactReplyEndsTheScanWithResult2)
{
    struct Case {
        const char *name;
        SimulatedConverter::ModeReply enable;
        SimulatedConverter::ModeReply disable;
        int disableCommands;
        quint32 firstDisableAfter; // ms after the enable command, at least
    };
    const Case cases[] = {
        {"extra byte", SimulatedConverter::ModeReply::ExtraByte, SimulatedConverter::ModeReply::Exact, 1, 0},
        {"extra byte, no disable reply", SimulatedConverter::ModeReply::ExtraByte,
         SimulatedConverter::ModeReply::Nothing, 3, 0},
        {"no reply", SimulatedConverter::ModeReply::Nothing, SimulatedConverter::ModeReply::Exact, 1, 1000},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        freshConverter();
        converter().setEnableReply(c.enable);
        converter().setDisableReply(c.disable);
        scanToEnd();
        EXPECT_EQ(engine->Result(), 2);
        const auto scanLog = converter().received();
        const auto enables = ticksOf(scanLog, analyzer::EnableAnalyzerMode);
        const auto disables = ticksOf(scanLog, analyzer::DisableAnalyzerMode);
        ASSERT_EQ(enables.size(), 1u);
        ASSERT_EQ(disables.size(), std::size_t(c.disableCommands));
        EXPECT_GT(disables[0] - enables[0], c.firstDisableAfter);
        for (std::size_t i = 1; i < disables.size(); ++i)
            EXPECT_GT(disables[i] - disables[i - 1], 1000u) << "each after its time-out";
        EXPECT_EQ(scanLog.size(), 1 + disables.size()) << "no frame reaches the bus";
        const auto r = reports();
        EXPECT_TRUE(std::none_of(r.begin(), r.end(), [](const Report &x) { return x.kind == 3; }));
        EXPECT_FALSE(engine->InScan());
    }
}

TEST_F(AnalyzerMode, RemoteScanWaitsTenSecondsLonger)
{
    converter().setEnableReply(SimulatedConverter::ModeReply::Nothing);
    ScanOptions remote;
    remote.remote = true;
    scanToEnd(remote);
    const auto log = converter().received();
    const auto gap = ticksOf(log, analyzer::DisableAnalyzerMode)[0] - ticksOf(log, analyzer::EnableAnalyzerMode)[0];
    EXPECT_GT(gap, 11000u);
    EXPECT_LT(gap, 11000u + 200u);
}

TEST_F(AnalyzerMode, AWaitAcrossTheTickWrapLastsItsTimeOut)
{
    clock.setNow(0xFFFFFFFFu - 300);
    converter().setEnableReply(SimulatedConverter::ModeReply::Nothing);
    scanToEnd();
    const auto log = converter().received();
    const quint32 gap = ticksOf(log, analyzer::DisableAnalyzerMode)[0] - ticksOf(log, analyzer::EnableAnalyzerMode)[0];
    EXPECT_GT(gap, 1000u);
    EXPECT_LT(gap, 1200u);
}

TEST_F(AnalyzerMode, ASecondStartIsRefusedWhileTheFirstRuns)
{
    makeEngine();
    engine->Event_Run.ResetEvent(); // the scan waits at the gate
    ASSERT_TRUE(start().started());
    EXPECT_EQ(start().refusal, ScanRefusal::ScanInProgress);
    EXPECT_TRUE(engine->InScan());
    engine->Event_Run.SetEvent();
    ASSERT_TRUE(engine->waitUntilIdle(60s));
    EXPECT_EQ(converter().commandCount(analyzer::EnableAnalyzerMode), 1);
    EXPECT_TRUE(start().started()) << "idle again";
    ASSERT_TRUE(engine->waitUntilIdle(60s));
}

TEST_F(AnalyzerMode, BadAddressesPortsAndDevicesAreRefusedAtTheStart)
{
    makeEngine(makeTransport); // the real transports
    struct Case {
        const char *address;
        TSelectHard hardware;
        quint16 port;
        ScanRefusal refusal;
    };
    const Case cases[] = {
        {"", TSelectHard::shEthernet, 10000, ScanRefusal::InvalidAddress},
        {"converter", TSelectHard::shEthernet, 10000, ScanRefusal::InvalidAddress},
        {"127.0.0", TSelectHard::shEthernet, 10000, ScanRefusal::InvalidAddress},
        {"127.0.0.1.1", TSelectHard::shEthernet, 10000, ScanRefusal::InvalidAddress},
        {"127.0.0.256", TSelectHard::shEthernet, 10000, ScanRefusal::InvalidAddress},
        {"127.0.0.-1", TSelectHard::shEthernet, 10000, ScanRefusal::InvalidAddress},
        {"127. 0.0.1", TSelectHard::shEthernet, 10000, ScanRefusal::InvalidAddress},
        {"127.0.0.1", TSelectHard::shEthernet, 0, ScanRefusal::InvalidPort},
        {"/nonexistent/ttyS99", TSelectHard::shSerial, 10000, ScanRefusal::DeviceFailed},
    };
    for (const Case &c : cases) {
        ScanOptions o;
        o.address = QString::fromLatin1(c.address);
        o.hardware = c.hardware;
        o.port = c.port;
        const ScanStart started = start(o);
        EXPECT_EQ(started.refusal, c.refusal) << c.address;
        EXPECT_FALSE(engine->InScan()) << c.address;
    }
    ScanOptions serial;
    serial.hardware = TSelectHard::shSerial;
    serial.address = QStringLiteral("/nonexistent/ttyS99");
    EXPECT_EQ(start(serial).detail, QStringLiteral("Error accessing specified device (Error: 2) "));
    serial.address = QStringLiteral("/dev/null"); // a character device, not a terminal
    EXPECT_EQ(start(serial).detail, QStringLiteral("Invalid device handle, access denied (Error: -1) "));
}

TEST(BindRefusal, TheSystemsErrorNamesTheCause)
{
    const std::pair<int, ScanRefusal> cases[] = {
        {EACCES, ScanRefusal::PortDenied},        {EPERM, ScanRefusal::PortDenied},
        {EADDRINUSE, ScanRefusal::PortInUse},     {EADDRNOTAVAIL, ScanRefusal::TransportFailed},
        {ENOBUFS, ScanRefusal::TransportFailed}, {0, ScanRefusal::TransportFailed},
    };
    for (const auto &[error, refusal] : cases)
        EXPECT_EQ(bindRefusal(error), refusal) << error;
}

} // namespace
