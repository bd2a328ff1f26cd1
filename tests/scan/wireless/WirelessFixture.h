#pragma once
// Wireless scans on a virtual clock against the simulated converter and its
// radio module, in process or over UDP on loopback, and the helpers that
// build and read telegrams.
#include "scan/MBusScanDecode.h"
#include "scan/RadioModule.h"
#include "scan/RspUdDecoder.h"
#include "support/ManualScanClock.h"
#include "support/SimulatedConverter.h"
#include "support/WirelessTelegrams.h"

#include <gtest/gtest.h>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <ostream>
#include <vector>

namespace scan {
inline std::ostream &operator<<(std::ostream &os, const WirelessReport &r)
{
    return os << "(" << r.index << ", " << std::hex << r.identity.manufacturer << " " << r.identity.address << " "
              << int(r.identity.version) << " " << int(r.identity.deviceType) << std::dec << ")";
}
} // namespace scan

namespace wirelesstest {

using namespace std::chrono_literals;

inline QDateTime receivedAt() { return QDateTime(QDate(2024, 3, 14), QTime(15, 9, 26)); }

inline scan::AesKey testKey(int seed)
{
    scan::AesKey key{};
    for (std::size_t i = 0; i < key.size(); ++i)
        key[i] = static_cast<std::uint8_t>(seed * 37 + int(i) * 11 + 5);
    return key;
}

// Mode 5 behind a short link extension: the layout the scan decrypts itself.
inline testsupport::WirelessTelegramSpec encryptedSpec(const QByteArray &records, const scan::AesKey &key,
                                                       const testsupport::MeterIdentity &meter = {})
{
    testsupport::WirelessTelegramSpec spec;
    spec.layout = testsupport::TransportLayout::ShortLinkShort;
    spec.link = meter;
    spec.records = records;
    spec.key = key;
    return spec;
}

// A plain meter and an encrypted one, and their telegrams (real records).
inline const testsupport::MeterIdentity PlainMeter{0x2C2D, 0x12345678, 3, 7};
inline const testsupport::MeterIdentity EncryptedMeter{0x1596, 0x00405060, 0x21, 0x16};

inline QByteArray plainTelegram()
{
    testsupport::WirelessTelegramSpec spec;
    spec.link = PlainMeter;
    spec.records = testsupport::realRecords("kamstrup_382_005");
    return testsupport::wirelessTelegram(spec);
}

inline QByteArray encryptedTelegram(const scan::AesKey &key, std::uint8_t accessNumber)
{
    testsupport::WirelessTelegramSpec spec = encryptedSpec(testsupport::realRecords("frame2"), key, EncryptedMeter);
    spec.accessNumber = accessNumber;
    return testsupport::wirelessTelegram(spec);
}

inline testsupport::SimulatedRadio::Kind kindOf(scan::TRadioModule module)
{
    return module == scan::TRadioModule::rmTelit ? testsupport::SimulatedRadio::Kind::Telit
                                                 : testsupport::SimulatedRadio::Kind::RadioCrafts;
}

// The telegram as the module relays it.
inline QByteArray relayed(const QByteArray &telegram, scan::TRadioModule module, std::uint8_t signal = 0x50)
{
    return testsupport::SimulatedRadio(kindOf(module)).relay(telegram, signal);
}

// The records decoded on their own, as a wired telegram's would be.
inline scan::TVariableList decodedRecords(const QByteArray &records)
{
    scan::TVariableList list;
    scan::Parse_Data_Records(list, qint32(records.size()) - 1, scan::bytesOf(records), scan::TMBusType::mtWired,
                             receivedAt());
    return list;
}

// The value and quantity of every real record (the 2F fillers left out).
inline std::vector<QString> realValues(const scan::TVariableList &records)
{
    std::vector<QString> values;
    for (const auto &r : records)
        if (r->Real_Wireless_Var)
            values.push_back(r->ValueStr + QLatin1Char(' ') + r->Desc_Type_Data);
    return values;
}

inline QByteArray text(std::string_view t) { return QByteArray(t.data(), qsizetype(t.size())); }

// Holds the engine while its scan receives: in every pause the engine waits
// there until the test lets it go on, and once let go it passes until it
// has left reception. The waits are bounded, so a failing test cannot hang.
class ReceptionGate {
public:
    void pause(bool receiving)
    {
        std::unique_lock lock(m_mutex);
        if (!receiving)
            m_passing = false;
        if (!receiving || m_passing || m_open)
            return;
        m_held = true;
        m_changed.notify_all();
        m_changed.wait_for(lock, 30s, [this] { return m_passing || m_open; });
    }

    // Until the engine waits at reception.
    bool waitHeld()
    {
        std::unique_lock lock(m_mutex);
        return m_changed.wait_for(lock, 30s, [this] { return m_held; });
    }

    void resume()
    {
        std::lock_guard lock(m_mutex);
        m_held = false;
        m_passing = true;
        m_changed.notify_all();
    }

    // For good: the engine passes whatever it does.
    void open()
    {
        std::lock_guard lock(m_mutex);
        m_open = true;
        m_held = false;
        m_changed.notify_all();
    }

private:
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_held = false;
    bool m_passing = false;
    bool m_open = false;
};

class WirelessScan : public ::testing::Test {
protected:
    ~WirelessScan() override
    {
        gate.open();
        engine.reset();
    }

    // The converter on a loopback address of its own, the engine bound to
    // another, both on the converter's port number; with no engine address
    // the engine binds where the system reaches the converter from.
    void overUdp(const QString &converterAddress = QStringLiteral("127.0.18.1"),
                 const QString &engineAddress = QStringLiteral("127.0.18.2"))
    {
        udp.emplace(converter, converterAddress);
        ASSERT_TRUE(udp->isListening()) << udp->openError().toStdString();
        m_engineAddress = engineAddress;
    }

    void makeEngine()
    {
        converter.setClock(&clock);
        scan::ScanEngineSetup setup;
        setup.clock = &clock;
        setup.meters = &meters;
        setup.transports = !udp                      ? testsupport::inProcess(converter)
                         : m_engineAddress.isEmpty() ? scan::TransportFactory(scan::makeTransport)
                                                     : testsupport::boundTo(m_engineAddress);
        engine = std::make_unique<scan::TMBusScanDecode>(std::move(setup));
        scan::TMBusScanDecode *running = engine.get();
        std::function<bool(std::chrono::milliseconds)> settle;
        if (udp)
            settle = udp->settleWith(*running);
        clock.setOnPause([this, running, settle](std::chrono::milliseconds duration) {
            if (strays && running->InScan())
                strays->tick(clock.tickCount());
            const bool settled = !settle || settle(duration);
            gate.pause(running->engineStats().wirelessReceiving);
            return settled;
        });
        engine->Event_Run.SetEvent();
    }

    scan::ScanStart start(qint32 mode = scan::wmbus::ModeT, qint32 channel = 0,
                          scan::TSelectHard hardware = scan::TSelectHard::shEthernet)
    {
        if (!engine)
            makeEngine();
        return engine->Start_Scan_Wireless(hardware, udp ? udp->address() : QStringLiteral("127.0.0.1"),
                                           udp ? udp->port() : 502, mode, channel, false,
                                           [this](const scan::WirelessReport &report) {
                                               {
                                                   std::lock_guard lock(m_reportsMutex);
                                                   m_reports.push_back(report);
                                               }
                                               if (onReport)
                                                   onReport(report);
                                           });
    }

    // Starts and waits until the module relays telegrams.
    void startToReception(scan::TRadioModule module, qint32 mode = scan::wmbus::ModeT)
    {
        converter.setRadio(kindOf(module));
        ASSERT_TRUE(start(mode).started());
        ASSERT_TRUE(gate.waitHeld()) << "the scan did not reach reception";
    }

    void stopToEnd()
    {
        engine->Stop_Scan();
        gate.resume();
        ASSERT_TRUE(engine->waitUntilIdle(30s)) << "the scan did not end";
        EXPECT_FALSE(clock.settleFailed());
    }

    // Lets the engine go on from reception until it is back there.
    void backToReception()
    {
        gate.resume();
        ASSERT_TRUE(gate.waitHeld()) << "the scan did not return to reception";
    }

    // Over UDP: the module relays a telegram and the engine takes it in.
    void receive(const QByteArray &telegram, std::uint8_t signal = 0x50)
    {
        ASSERT_TRUE(udp->relay(telegram, signal));
        ASSERT_TRUE(engine->waitForDatagramsReceived(udp->repliesSent(), 10s));
    }

    // Everything the converter received from the n-th datagram on.
    std::vector<QByteArray> sentFrom(std::size_t n) const
    {
        std::vector<QByteArray> sent;
        const auto log = converter.received();
        for (std::size_t i = n; i < log.size(); ++i)
            sent.push_back(log[i].bytes);
        return sent;
    }

    std::vector<scan::WirelessReport> reports()
    {
        std::lock_guard lock(m_reportsMutex);
        return m_reports;
    }

    // A meter already heard, with the identity of the telegrams' default.
    int addMeter(const testsupport::MeterIdentity &id = {})
    {
        auto meter = std::make_unique<scan::TSlave_wMBus>();
        meter->ALA_Manufacturer = id.manufacturer;
        meter->ALA_Address = qint32(id.address);
        meter->ALA_Version = id.version;
        meter->ALA_DeviceType = id.deviceType;
        meter->RadioCrafts_Ind_Tab_Decript = -1;
        return meters.lock().append(std::move(meter));
    }

    std::size_t sentCount() const { return converter.received().size(); }

    // Runs on the receiving thread after a report has been recorded; set
    // before the start.
    std::function<void(const scan::WirelessReport &)> onReport;

    testsupport::ManualScanClock clock;
    scan::TSlaveWMBusList meters;
    testsupport::SimulatedConverter converter;
    ReceptionGate gate;
    std::mutex m_reportsMutex;
    std::vector<scan::WirelessReport> m_reports;
    std::optional<testsupport::UdpConverter> udp;
    std::optional<testsupport::StrayDatagrams> strays; // set before the start
    QString m_engineAddress;
    std::unique_ptr<scan::TMBusScanDecode> engine; // last: stops before what it uses goes
};

} // namespace wirelesstest
