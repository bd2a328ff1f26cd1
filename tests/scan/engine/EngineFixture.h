#pragma once
// An engine on a virtual clock, wired to a simulated converter in process,
// recording its reports.
#include "scan/MBusScanDecode.h"
#include "support/ManualScanClock.h"
#include "support/SimulatedConverter.h"

#include <gtest/gtest.h>

#include <mutex>
#include <optional>
#include <ostream>
#include <vector>

namespace enginetest {

using namespace std::chrono_literals;

struct Report {
    qint32 kind, value, found, scan;
    friend bool operator==(const Report &, const Report &) = default;
    friend std::ostream &operator<<(std::ostream &os, const Report &r)
    {
        return os << "(" << r.kind << ", " << r.value << ", " << r.found << ", " << r.scan << ")";
    }
};

struct ScanOptions {
    scan::TScanType type = scan::TScanType::saPrimaryAddress;
    scan::TSelectHard hardware = scan::TSelectHard::shEthernet;
    QString address = QStringLiteral("127.0.0.1");
    qint32 baud = 2400;
    bool appReset = false;
    bool sndNke = false;
    qint32 cutAfter = 3;
    bool fixCField = false;
    quint8 fixCFieldValue = 0;
    bool remote = false;
    quint16 port = scan::AnalyzerPort;
};

inline QByteArray hex(const char *text) { return QByteArray::fromHex(text); }

inline std::vector<QByteArray> hexList(std::initializer_list<const char *> texts)
{
    std::vector<QByteArray> list;
    for (const char *t : texts)
        list.push_back(hex(t));
    return list;
}

class EngineTest : public ::testing::Test {
protected:
    EngineTest() { freshConverter(); }

    // A new converter, an empty slave list and no reports, for the next case
    // of a table; the engine is made again at the next start.
    void freshConverter()
    {
        engine.reset();
        m_converter.emplace();
        m_converter->setClock(&clock);
        slaves.lock().clear();
        std::lock_guard lock(m_reportsMutex);
        m_reports.clear();
        onReport = nullptr;
        clock.setOnPause({});
    }

    testsupport::SimulatedConverter &converter() { return *m_converter; }

    void makeEngine(scan::TransportFactory transports = {})
    {
        engine.reset();
        scan::ScanEngineSetup setup;
        setup.clock = &clock;
        setup.transports = transports ? std::move(transports) : testsupport::inProcess(converter());
        setup.slaves = &slaves;
        engine = std::make_unique<scan::TMBusScanDecode>(std::move(setup));
        engine->Event_Run.SetEvent();
    }

    scan::TUpdateSlaveList recorder()
    {
        return [this](qint32 kind, qint32 value, qint32 found, qint32 scan) {
            std::lock_guard lock(m_reportsMutex);
            m_reports.push_back({kind, value, found, scan});
            if (onReport)
                onReport(m_reports.back());
        };
    }

    scan::ScanStart start(const ScanOptions &o = {})
    {
        if (!engine)
            makeEngine();
        return engine->Start_Scan(o.type, o.hardware, o.address, o.baud, 1, o.appReset, o.sndNke, o.cutAfter,
                                  o.fixCField, o.fixCFieldValue, o.remote, recorder(), o.port);
    }

    // Starts a scan and waits for its end.
    void scanToEnd(const ScanOptions &o = {})
    {
        ASSERT_TRUE(start(o).started());
        ASSERT_TRUE(engine->waitUntilIdle(60s)) << "the scan did not end";
        ASSERT_FALSE(clock.settleFailed());
    }

    std::vector<Report> reports()
    {
        std::lock_guard lock(m_reportsMutex);
        return m_reports;
    }

    int slaveCount() { return slaves.lock().count(); }

    // Runs on the engine's thread after a report has been recorded.
    std::function<void(const Report &)> onReport;

    testsupport::ManualScanClock clock;
    scan::TSlaveMBusList slaves;
    std::optional<testsupport::SimulatedConverter> m_converter;
    std::mutex m_reportsMutex;
    std::vector<Report> m_reports;
    std::unique_ptr<scan::TMBusScanDecode> engine; // last: stops before what it uses goes
};

} // namespace enginetest
