// Feeds arbitrary converter answers to the scan engine. The first byte picks
// the scan (primary or secondary) and its options; the rest is a list of
// answers, each a length byte and that many bytes (length 255: no answer),
// handed over in turn for the frames the engine sends, on a virtual clock.
// The analyzer commands are answered as a converter would, so the fuzzer
// reaches the step machine. When the answers run out the scan is aborted.
#include "scan/MBusScanDecode.h"
#include "tests/support/ManualScanClock.h"

#include <cstdint>
#include <mutex>
#include <string_view>

namespace {

using namespace std::chrono_literals;

class FuzzedConverter final : public scan::ScanTransport {
public:
    FuzzedConverter(std::span<const std::uint8_t> answers, scan::TMBusScanDecode *&engine)
        : m_answers(answers), m_engine(engine)
    {
    }

    scan::ScanStart open(const scan::TransportTarget &, Receiver receiver) override
    {
        m_receiver = std::move(receiver);
        return {};
    }

    bool send(std::span<const std::uint8_t> bytes) override
    {
        const std::string_view sent(reinterpret_cast<const char *>(bytes.data()), bytes.size());
        if (sent == scan::analyzer::EnableAnalyzerMode)
            return reply(scan::analyzer::AnalyzerModeEnabled);
        if (sent == scan::analyzer::DisableAnalyzerMode)
            return reply(scan::analyzer::AnalyzerModeDisabled);
        if (m_answers.empty()) {
            m_engine->Abort_Scan();
            return true;
        }
        const std::size_t length = m_answers[0];
        m_answers = m_answers.subspan(1);
        if (length == 255)
            return true;
        const std::size_t taken = std::min(length, m_answers.size());
        m_receiver(m_answers.first(taken));
        m_answers = m_answers.subspan(taken);
        return true;
    }

    void close() override { m_receiver = nullptr; }

private:
    bool reply(std::string_view text)
    {
        m_receiver({reinterpret_cast<const std::uint8_t *>(text.data()), text.size()});
        return true;
    }

    std::span<const std::uint8_t> m_answers;
    scan::TMBusScanDecode *&m_engine;
    Receiver m_receiver;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 1)
        return 0;
    const std::uint8_t options = data[0];
    const std::span<const std::uint8_t> answers(data + 1, size - 1);

    testsupport::ManualScanClock clock;
    scan::TSlaveMBusList slaves;
    scan::TMBusScanDecode *running = nullptr;
    scan::ScanEngineSetup setup;
    setup.clock = &clock;
    setup.slaves = &slaves;
    setup.transports = [&](scan::TSelectHard) { return std::make_unique<FuzzedConverter>(answers, running); };
    scan::TMBusScanDecode engine(std::move(setup));
    running = &engine;
    engine.Event_Run.SetEvent();
    const auto type = options & 1 ? scan::TScanType::saSecondaryAddress : scan::TScanType::saPrimaryAddress;
    engine.Start_Scan(type, scan::TSelectHard::shEthernet, QStringLiteral("127.0.0.1"), 2400, 1, options & 2,
                      options & 4, (options >> 4) & 7, options & 8, options >> 7, false,
                      [](qint32, qint32, qint32, qint32) {});
    engine.waitUntilIdle(60s);
    return 0;
}
