// The scan engine's own cost. A full primary scan (addresses 0 to 250, a few
// slaves answering with real telegrams, NO_SLAVE from the others) runs
// against the simulated converter over UDP on loopback, with the real
// time-outs and pauses scaled down by the clock; the engine's busy time per
// step is set against the time it spent waiting. A second case runs the scan
// in process on a virtual clock with thousands of slaves already in the list:
// the work of a step does not grow with the slaves found.
#include "scan/MBusScanDecode.h"
#include "scan/RspUdDecoder.h"
#include "support/ManualScanClock.h"
#include "support/SimulatedConverter.h"

#include <benchmark/benchmark.h>


using namespace scan;
using namespace std::chrono_literals;

namespace {

// Real time, running `scale` times faster for the engine.
class ScaledScanClock final : public ScanClock {
public:
    explicit ScaledScanClock(int scale) : m_scale(scale), m_start(std::chrono::steady_clock::now()) {}

    quint32 tickCount() override
    {
        const auto real = std::chrono::steady_clock::now() - m_start;
        return static_cast<quint32>(std::chrono::duration_cast<std::chrono::microseconds>(real).count() * m_scale / 1000);
    }

    bool pause(std::chrono::milliseconds duration, ScanWake &wake) override
    {
        m_waited += duration;
        return wake.sleepFor(std::chrono::duration_cast<std::chrono::nanoseconds>(duration) / m_scale);
    }

    std::chrono::milliseconds waited() const { return m_waited; }

private:
    const int m_scale;
    const std::chrono::steady_clock::time_point m_start;
    std::chrono::milliseconds m_waited{0};
};

const char *const Telegrams[] = {"frame2", "kamstrup_382_005", "abb_delta", "els_falcon", "itron_cf_55"};

void addSlaves(testsupport::SimulatedConverter &converter, int count)
{
    for (int i = 0; i < count; ++i) {
        const auto address = static_cast<std::uint8_t>(i * 250 / std::max(count, 1));
        converter.bus().addSlave(address, 0x10000000u + std::uint32_t(i),
                                 {testsupport::realFrame(Telegrams[i % std::size(Telegrams)])});
    }
}

ScanStart startPrimary(TMBusScanDecode &engine, const QString &address, quint16 port)
{
    return engine.Start_Scan(TScanType::saPrimaryAddress, TSelectHard::shEthernet, address, 2400, 1, false, false, 3,
                             false, 0, false, {}, port);
}

void setCounters(benchmark::State &state, const ScanEngineStats &stats)
{
    const double steps = double(std::max<quint64>(stats.steps, 1));
    state.counters["steps"] = double(stats.steps);
    state.counters["datagrams"] = double(stats.datagramsSent);
    state.counters["busy_us_per_step"] = double(stats.busy.count()) / 1000.0 / steps;
}

// Slaves answering: 0, 5 or 25.
void BM_PrimaryScanOverUdp(benchmark::State &state)
{
    constexpr int Scale = 20; // the 587 ms wait of a short answer lasts 29 ms
    qputenv("SHARED_DATA_DIR", SHARED_DATA_DIR);
    for (auto _ : state) {
        testsupport::SimulatedConverter converter;
        addSlaves(converter, int(state.range(0)));
        testsupport::UdpConverter udp(converter);
        ScaledScanClock clock(Scale);
        TSlaveMBusList slaves;
        ScanEngineSetup setup;
        setup.clock = &clock;
        setup.slaves = &slaves;
        TMBusScanDecode engine(std::move(setup));
        engine.Event_Run.SetEvent();
        const auto began = std::chrono::steady_clock::now();
        if (!startPrimary(engine, udp.address(), udp.port()).started() || !engine.waitUntilIdle(600s)
            || engine.Result() != 1) {
            state.SkipWithError("the scan did not run to its end (a loaded machine misses the scaled time-outs)");
            return;
        }
        const auto real = std::chrono::steady_clock::now() - began;
        state.SetIterationTime(std::chrono::duration<double>(real).count());
        const ScanEngineStats stats = engine.Engine_Stats();
        setCounters(state, stats);
        state.counters["found"] = double(slaves.lock().count());
        state.counters["waited_s_virtual"] = double(clock.waited().count()) / 1000.0;
        // The engine's own time in steps as a share of the time it waited,
        // unscaled: what a real scan of this bus costs the machine.
        state.counters["busy_per_wait_ppm"] =
            1e6 * std::chrono::duration<double>(stats.busy).count() / std::max(1e-9, double(clock.waited().count()) / 1000.0);
    }
}
BENCHMARK(BM_PrimaryScanOverUdp)->Arg(0)->Arg(5)->Arg(25)->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// Slaves already in the list before an empty bus is scanned: 0, 1000 or 10000.
void BM_StepCostWithSlavesInTheList(benchmark::State &state)
{
    qputenv("SHARED_DATA_DIR", SHARED_DATA_DIR);
    const QByteArray telegram = testsupport::realFrame("kamstrup_382_005");
    for (auto _ : state) {
        testsupport::SimulatedConverter converter;
        converter.bus().addSlave(125, 0x12345678, {telegram});
        testsupport::ManualScanClock clock;
        TSlaveMBusList slaves;
        for (int i = 0; i < state.range(0); ++i)
            Add_Slave_From_RSP_UD(slaves, -1, bytesOf(telegram));
        ScanEngineSetup setup;
        setup.clock = &clock;
        setup.slaves = &slaves;
        setup.transports = testsupport::inProcess(converter);
        TMBusScanDecode engine(std::move(setup));
        engine.Event_Run.SetEvent();
        const auto began = std::chrono::steady_clock::now();
        if (!startPrimary(engine, QStringLiteral("127.0.0.1"), AnalyzerPort).started() || !engine.waitUntilIdle(600s)) {
            state.SkipWithError("the scan did not run");
            return;
        }
        state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - began).count());
        setCounters(state, engine.Engine_Stats());
    }
}
BENCHMARK(BM_StepCostWithSlavesInTheList)->Arg(0)->Arg(1000)->Arg(10000)->Iterations(10)->UseManualTime()->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
