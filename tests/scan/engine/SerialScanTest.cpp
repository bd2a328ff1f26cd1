// A scan over a serial port: the engine writes its frames to a
// pseudo-terminal whose other end is a simulated bus, and cuts what comes
// back into answers. No analyzer mode is entered or left over a serial port.
#include "EngineFixture.h"

#include "scan/MBusFrameAssembler.h"

#include <condition_variable>
#include <poll.h>
#include <pty.h>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

using namespace enginetest;
using namespace scan;
using testsupport::realFrame;
using testsupport::SimulatedMBus;

namespace {

// The bus at the far end of a pseudo-terminal, answering on its own thread.
class PtyBus {
public:
    PtyBus()
    {
        char name[128] = {};
        if (::openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0)
            m_path = QString::fromLocal8Bit(name);
        m_thread = std::thread([this] { run(); });
    }

    ~PtyBus()
    {
        const std::uint64_t one = 1;
        [[maybe_unused]] const ssize_t written = ::write(m_stop, &one, sizeof one);
        m_thread.join();
        ::close(m_stop);
        ::close(m_master);
        ::close(m_slave);
    }

    void addSlave(std::uint8_t primaryAddress, std::uint32_t identification, const std::vector<QByteArray> &frames)
    {
        std::lock_guard lock(m_mutex);
        m_bus.addSlave(primaryAddress, identification, frames);
    }
    QString path() const { return m_path; }

    std::function<bool(std::chrono::milliseconds)> settleWith(TMBusScanDecode &engine)
    {
        return [this, &engine](std::chrono::milliseconds) {
            const quint64 sent = engine.engineStats().datagramsSent;
            quint64 replies = 0;
            {
                std::unique_lock lock(m_mutex);
                if (!m_changed.wait_for(lock, 10s, [&] { return m_handled >= sent; }))
                    return false;
                replies = m_replies;
            }
            return engine.waitForDatagramsReceived(replies, 10s);
        };
    }

private:
    void run()
    {
        MBusFrameAssembler frames;
        pollfd waits[2] = {{m_master, POLLIN, 0}, {m_stop, POLLIN, 0}};
        while (::poll(waits, 2, -1) >= 0 && !waits[1].revents) {
            std::uint8_t buffer[512];
            const ssize_t n = ::read(m_master, buffer, sizeof buffer);
            if (n <= 0)
                continue;
            frames.add({buffer, std::size_t(n)}, [this](std::span<const std::uint8_t> frame) {
                std::lock_guard lock(m_mutex);
                const auto answer =
                    m_bus.answer(QByteArray(reinterpret_cast<const char *>(frame.data()), qsizetype(frame.size())));
                if (answer)
                    [[maybe_unused]] const ssize_t written =
                        ::write(m_master, answer->constData(), std::size_t(answer->size()));
                m_replies += answer ? 1 : 0;
                ++m_handled;
                m_changed.notify_all();
            });
        }
    }

    int m_master = -1;
    int m_slave = -1; // kept open, so the master never reads a hang-up
    int m_stop = ::eventfd(0, EFD_CLOEXEC);
    QString m_path;
    SimulatedMBus m_bus;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    quint64 m_handled = 0;
    quint64 m_replies = 0;
    std::thread m_thread;
};

class SerialScan : public EngineTest {
protected:
    void TearDown() override
    {
        engine.reset();
        clock.setOnPause({});
    }
};

TEST_F(SerialScan, APrimaryScanReadsTheSlavesOverThePort)
{
    PtyBus pty;
    ASSERT_FALSE(pty.path().isEmpty());
    pty.addSlave(1, 0x12345678, {realFrame("frame2")});
    pty.addSlave(5, 0x00000005, {realFrame("abb_delta"), realFrame("kamstrup_382_005")});
    makeEngine(makeTransport);
    clock.setOnPause(pty.settleWith(*engine));
    ScanOptions o;
    o.hardware = TSelectHard::shSerial;
    o.address = pty.path();
    o.sndNke = true;
    scanToEnd(o);
    engine.reset(); // the bus's answers are all taken in before it goes

    std::vector<Report> found;
    for (const Report &r : reports())
        if (r.kind != 2 || r.found)
            found.push_back(r);
    EXPECT_EQ(found, (std::vector<Report>{{1, 0, 0, 1}, {2, 1, 1, 1}, {2, 5, 1, 1}, {3, 0, 0, 1}}));
    auto list = slaves.lock();
    ASSERT_EQ(list.count(), 2);
    EXPECT_EQ(list.at(1).Secondary_Addresss, QStringLiteral("05"));
}

} // namespace
