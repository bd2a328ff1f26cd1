// The scan engine's own cost. A full primary scan (addresses 0 to 250, a few
// slaves answering with real telegrams, NO_SLAVE from the others) runs
// against the simulated converter over UDP on loopback, with the real
// time-outs and pauses scaled down by the clock; the engine's busy time per
// step is set against the time it spent waiting. A second case runs the scan
// in process on a virtual clock with thousands of slaves already in the list:
// the work of a step does not grow with the slaves found. A wireless case
// has a radio module relay 1,000 telegrams per second, a tenth of them
// encrypted, and counts what the engine took in and what it dropped; the
// last ones measure the intake of one telegram, plain and decrypted, and the
// decryption of its five blocks beside OpenSSL's.
#include "scan/Aes128.h"
#include "scan/MBusScanDecode.h"
#include "scan/RspUdDecoder.h"
#include "support/ManualScanClock.h"
#include "support/Smoke.h"
#include "support/SimulatedConverter.h"
#include "support/WirelessTelegrams.h"

#include <benchmark/benchmark.h>
#include <openssl/evp.h>

#include <thread>
#include <vector>


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
        const ScanEngineStats stats = engine.engineStats();
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
        setCounters(state, engine.engineStats());
    }
}
BENCHMARK(BM_StepCostWithSlavesInTheList)->Arg(0)->Arg(1000)->Arg(bench::sized(10000, 100))->Iterations(bench::rounds(10))->UseManualTime()->Unit(benchmark::kMillisecond);

// Meters relaying in turn; every tenth telegram is encrypted, for a meter
// whose key is known.
struct WirelessTraffic {
    static constexpr int Meters = 100;
    std::vector<QByteArray> telegrams;
    TSlaveWMBusList meters;

    explicit WirelessTraffic(int count)
    {
        const QByteArray records = testsupport::realRecords("kamstrup_382_005");
        for (int i = 0; i < Meters; ++i) {
            auto meter = std::make_unique<TSlave_wMBus>();
            meter->ALA_Manufacturer = 0x2C2D;
            meter->ALA_Address = 0x10000000 + i;
            meter->ALA_Version = 3;
            meter->ALA_DeviceType = 7;
            meter->Enable_Key = true;
            meter->Key.fill(std::uint8_t(i));
            meters.lock().append(std::move(meter));
        }
        for (int i = 0; i < count; ++i) {
            testsupport::WirelessTelegramSpec spec;
            const int meter = i % Meters;
            spec.link = {0x2C2D, 0x10000000u + std::uint32_t(meter), 3, 7};
            spec.accessNumber = std::uint8_t(i);
            spec.records = records;
            if (i % 10 == 0) {
                spec.layout = testsupport::TransportLayout::ShortLinkShort;
                spec.key.emplace();
                spec.key->fill(std::uint8_t(meter));
            }
            telegrams.push_back(testsupport::wirelessTelegram(spec));
        }
    }
};

void BM_WirelessReception(benchmark::State &state)
{
    const int seconds = int(state.range(0));
    const int perSecond = int(state.range(1));
    qputenv("SHARED_DATA_DIR", SHARED_DATA_DIR);
    for (auto _ : state) {
        WirelessTraffic traffic(perSecond * seconds);
        testsupport::SimulatedConverter converter;
        converter.setRadio(testsupport::SimulatedRadio::Kind::Telit);
        testsupport::UdpConverter udp(converter, QStringLiteral("127.0.18.1"));
        ScaledScanClock clock(20);
        ScanEngineSetup setup;
        setup.clock = &clock;
        setup.meters = &traffic.meters;
        setup.transports = testsupport::boundTo(QStringLiteral("127.0.18.2"));
        TMBusScanDecode engine(std::move(setup));
        engine.Event_Run.SetEvent();
        if (!engine.Start_Scan_Wireless(TSelectHard::shEthernet, udp.address(), udp.port(), 5, 0, false, {}).started()) {
            state.SkipWithError("the wireless scan did not start");
            return;
        }
        const auto setUpLimit = std::chrono::steady_clock::now() + 60s;
        while (!engine.engineStats().wirelessReceiving && std::chrono::steady_clock::now() < setUpLimit)
            std::this_thread::sleep_for(1ms);
        if (!engine.engineStats().wirelessReceiving) {
            state.SkipWithError("the radio module was not set up");
            return;
        }
        const auto began = std::chrono::steady_clock::now();
        quint64 relayed = 0;
        for (std::size_t i = 0; i < traffic.telegrams.size(); ++i) {
            std::this_thread::sleep_until(began + std::chrono::nanoseconds(1000000000 / perSecond) * i);
            relayed += udp.relay(traffic.telegrams[i], 0x50);
        }
        engine.waitForDatagramsReceived(udp.repliesSent(), 2s);
        const auto real = std::chrono::steady_clock::now() - began;
        const ScanEngineStats stats = engine.engineStats();
        engine.Stop_Scan();
        engine.waitUntilIdle(60s);
        state.SetIterationTime(std::chrono::duration<double>(real).count());
        state.counters["relayed"] = double(relayed);
        state.counters["taken"] = double(stats.telegramsTaken);
        state.counters["dropped"] = double(relayed - stats.telegramsTaken);
        state.counters["taken_per_s"] = double(stats.telegramsTaken) / std::chrono::duration<double>(real).count();
    }
}
// Seconds, telegrams per second: the rate asked for, and ten times it for the headroom.
BENCHMARK(BM_WirelessReception)->Args({3, bench::sized(1000, 20)})->Args({3, bench::sized(10000, 50)})->Iterations(1)->UseManualTime()->Unit(benchmark::kMillisecond);

// One telegram taken into a list of 100 known meters: 0 plain, 1 decrypted.
void BM_TakeWirelessTelegram(benchmark::State &state)
{
    qputenv("SHARED_DATA_DIR", SHARED_DATA_DIR);
    WirelessTraffic traffic(10);
    const QByteArray datagram = testsupport::SimulatedRadio(testsupport::SimulatedRadio::Kind::Telit)
                                    .relay(traffic.telegrams[state.range(0) ? 0 : 1], 0x50);
    const QDateTime now = QDateTime::currentDateTime();
    for (auto _ : state)
        benchmark::DoNotOptimize(takeWirelessTelegram(traffic.meters, bytesOf(datagram), TRadioModule::rmTelit, now));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_TakeWirelessTelegram)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// Five encrypted blocks, as a mode-5 telegram carries them: 0 ours, 1 OpenSSL
// (a context made for each telegram, as each comes with its meter's key).
void BM_DecryptTelegramBlocks(benchmark::State &state)
{
    AesKey key{};
    AesBlock iv{};
    for (std::size_t i = 0; i < key.size(); ++i) {
        key[i] = std::uint8_t(i * 7 + 1);
        iv[i] = std::uint8_t(i);
    }
    const std::vector<std::uint8_t> cipher(80, 0x2F);
    std::vector<std::uint8_t> plain(cipher.size());
    const bool openSsl = state.range(0) != 0;
    for (auto _ : state) {
        if (openSsl) {
            EVP_CIPHER_CTX *ctx = EVP_CIPHER_CTX_new();
            int written = 0;
            EVP_DecryptInit_ex(ctx, EVP_aes_128_cbc(), nullptr, key.data(), iv.data());
            EVP_CIPHER_CTX_set_padding(ctx, 0);
            EVP_DecryptUpdate(ctx, plain.data(), &written, cipher.data(), int(cipher.size()));
            EVP_CIPHER_CTX_free(ctx);
        } else {
            Decrypt_AES_CBC(cipher, key, iv, plain);
        }
        benchmark::DoNotOptimize(plain.data());
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(cipher.size()));
}
BENCHMARK(BM_DecryptTelegramBlocks)->Arg(0)->Arg(1);

} // namespace

BENCHMARK_MAIN();
