// What keeps the engine alive and in order: its end at shutdown, an abort
// that runs the end steps before the next start, and failures inside a step.
#include "EngineFixture.h"

#include <future>

using namespace enginetest;
using namespace scan;
using testsupport::InProcessTransport;
using testsupport::SimulatedConverter;

namespace {

class EngineLifetime : public EngineTest {};

TEST_F(EngineLifetime, ShutdownInTheMiddleOfAScanLeavesTheModeAndJoins)
{
    converter().setSilentWhenNoSlave(true);
    std::promise<void> scanning;
    converter().setOverride([&scanning, done = false](const QByteArray &d) mutable
                            -> std::optional<std::vector<QByteArray>> {
        if (!done && d == Build_SND_NKE(255)) {
            done = true;
            scanning.set_value();
        }
        return std::nullopt;
    });
    scan::ScanEngineSetup setup; // real time: the engine sits in real pauses and waits
    setup.transports = testsupport::inProcess(converter());
    setup.slaves = &slaves;
    auto realTime = std::make_unique<TMBusScanDecode>(std::move(setup));
    realTime->Event_Run.SetEvent();
    ASSERT_TRUE(realTime->Start_Scan(TScanType::saPrimaryAddress, TSelectHard::shEthernet, QStringLiteral("127.0.0.1"),
                                     2400, 1, false, false, 1, false, 0, false, {})
                    .started());
    scanning.get_future().wait();
    realTime.reset();
    EXPECT_EQ(converter().commandCount(analyzer::DisableAnalyzerMode), 1);
    EXPECT_EQ(converter().openConnections(), 0);
}

TEST_F(EngineLifetime, AnAbortedScanRunsItsEndStepsBeforeANewStart)
{
    std::promise<void> leaving;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    bool first = true;
    makeEngine();
    onReport = [this](const Report &r) {
        if (r.kind == 2 && r.value == 3)
            engine->Abort_Scan();
    };
    converter().setOverride([&](const QByteArray &d) -> std::optional<std::vector<QByteArray>> {
        if (first && d == QByteArray(analyzer::DisableAnalyzerMode.data())) {
            first = false;
            leaving.set_value();
            released.wait(); // the engine stays in its end steps meanwhile
        }
        return std::nullopt;
    });
    ASSERT_TRUE(start().started());
    leaving.get_future().wait();
    EXPECT_EQ(start().refusal, ScanRefusal::ScanInProgress);
    EXPECT_TRUE(engine->InScan());
    release.set_value();
    ASSERT_TRUE(engine->waitUntilIdle(60s));
    EXPECT_FALSE(converter().inAnalyzerMode());

    onReport = nullptr;
    const auto framesBefore = converter().frames().size();
    scanToEnd();
    const auto frames = converter().frames();
    EXPECT_EQ(frames[framesBefore], Build_SND_NKE(255)) << "the new scan begins at its start";
    EXPECT_EQ(frames.size() - framesBefore, 1u + 251u);
    EXPECT_EQ(engine->Result(), 1);
}

// A transport whose sends throw or fail.
class BrokenTransport final : public ScanTransport {
public:
    enum class Fault { Throws, Fails };
    explicit BrokenTransport(Fault fault) : m_fault(fault) {}
    ScanStart open(const TransportTarget &, Receiver) override { return {}; }
    bool send(std::span<const std::uint8_t>) override
    {
        if (m_fault == Fault::Throws)
            throw std::runtime_error("send");
        return false;
    }
    void close() override {}

private:
    Fault m_fault;
};

TEST_F(EngineLifetime, AFailureInsideAStepEndsTheScanNotTheEngine)
{
    for (const auto fault : {BrokenTransport::Fault::Throws, BrokenTransport::Fault::Fails}) {
        freshConverter();
        int made = 0;
        makeEngine([&](TSelectHard) -> std::unique_ptr<ScanTransport> {
            if (made++ == 0)
                return std::make_unique<BrokenTransport>(fault);
            return std::make_unique<InProcessTransport>(converter());
        });
        scanToEnd();
        EXPECT_EQ(engine->Result(), 2);
        EXPECT_TRUE(reports().empty());
        scanToEnd();
        EXPECT_EQ(engine->Result(), 1) << "the engine goes on";
        EXPECT_EQ(reports().back(), (Report{3, 0, 0, 1}));
    }
}

TEST_F(EngineLifetime, AReportProcedureThatThrowsDoesNotStopTheScan)
{
    makeEngine();
    int calls = 0;
    ASSERT_TRUE(engine
                    ->Start_Scan(TScanType::saPrimaryAddress, TSelectHard::shEthernet, QStringLiteral("127.0.0.1"),
                                 2400, 1, false, false, 1, false, 0, false,
                                 [&calls](qint32, qint32, qint32, qint32) {
                                     ++calls;
                                     throw std::runtime_error("report");
                                 })
                    .started());
    ASSERT_TRUE(engine->waitUntilIdle(60s));
    EXPECT_EQ(calls, 1 + 251 + 1);
    EXPECT_EQ(engine->Result(), 1);
}

} // namespace
