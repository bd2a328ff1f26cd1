// The serial port component on pseudo-terminals: the test holds the master
// side and plays the device.
#include "../QStringPrinter.h"
#include "scan/Comm.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <future>
#include <poll.h>
#include <pty.h>
#include <termios.h>
#include <thread>
#include <unistd.h>

using namespace scan;
using namespace std::chrono_literals;

namespace {

// Bounds the waits for what the watcher thread delivers.
constexpr auto Limit = 10s;

class CommOnPty : public ::testing::Test {
protected:
    void SetUp() override
    {
        char name[128] = {};
        int slave = -1;
        ASSERT_EQ(::openpty(&m_master, &slave, name, nullptr, nullptr), 0);
        ::close(slave);
        m_path = QString::fromLocal8Bit(name);
        comm.setDeviceName(m_path);
    }

    void TearDown() override
    {
        comm.Close();
        if (m_master >= 0)
            ::close(m_master);
    }

    void writeMaster(const QByteArray &bytes)
    {
        ASSERT_EQ(::write(m_master, bytes.constData(), std::size_t(bytes.size())), bytes.size());
    }

    // What the component wrote, once `count` bytes have come (or the limit).
    QByteArray readMaster(qsizetype count)
    {
        QByteArray got;
        const auto deadline = std::chrono::steady_clock::now() + Limit;
        while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
            pollfd wait{m_master, POLLIN, 0};
            if (::poll(&wait, 1, 100) == 1) {
                char buffer[256];
                const ssize_t n = ::read(m_master, buffer, sizeof buffer);
                if (n > 0)
                    got.append(buffer, qsizetype(n));
            }
        }
        return got;
    }

    termios deviceSettings()
    {
        termios t{};
        EXPECT_EQ(::tcgetattr(comm.Handle(), &t), 0);
        return t;
    }

    void closeMaster()
    {
        ::close(m_master);
        m_master = -1;
    }

    TComm comm;
    QString m_path;

private:
    int m_master = -1;
};

template <class Action>
void expectCommError(Action action, const char *message, qint32 code)
{
    try {
        action();
        ADD_FAILURE() << "no ECommError, expected " << message;
    } catch (const ECommError &e) {
        EXPECT_EQ(e.message(), QString::fromLatin1(message));
        EXPECT_EQ(e.ErrorCode, code);
    }
}

TEST_F(CommOnPty, OpensAndClosesTheDevice)
{
    EXPECT_FALSE(comm.Enabled());
    EXPECT_EQ(comm.InQueCount(), -1);
    EXPECT_EQ(comm.OutQueCount(), -1);
    for (int round = 0; round < 2; ++round) {
        comm.Open();
        EXPECT_TRUE(comm.Enabled());
        EXPECT_GE(comm.Handle(), 0);
        EXPECT_EQ(comm.InQueCount(), 0);
        comm.Close();
        EXPECT_FALSE(comm.Enabled());
        EXPECT_EQ(comm.Handle(), -1);
        EXPECT_EQ(comm.InQueCount(), -1);
    }
    for (bool (TCustomComm::*line)() : {&TCustomComm::CTS, &TCustomComm::DSR, &TCustomComm::RING, &TCustomComm::RLSD})
        EXPECT_FALSE((comm.*line)());
}

TEST_F(CommOnPty, ReadWithNothingQueuedReturnsZeroAtOnce)
{
    comm.Open();
    char buffer[16];
    EXPECT_EQ(comm.Read(buffer, sizeof buffer), 0);
}

TEST_F(CommOnPty, WritesReachTheDeviceAndItsBytesRaiseOnRxChar)
{
    std::promise<QByteArray> received;
    QByteArray got;
    comm.setOnRxChar([&](TCustomComm &sender, qint32 count) {
        EXPECT_EQ(&sender, &comm);
        std::vector<char> buffer(static_cast<std::size_t>(count));
        const qint32 n = sender.Read(buffer.data(), count);
        got.append(buffer.data(), n);
        if (got.size() == 5)
            received.set_value(got);
    });
    std::promise<void> drained;
    bool once = false;
    comm.setOnTxEmpty([&](TCustomComm &) {
        if (!std::exchange(once, true))
            drained.set_value();
    });
    comm.Open();

    EXPECT_EQ(comm.Write("\x10\x5B\xFE\x59\x16", 5), 5);
    EXPECT_EQ(readMaster(5), QByteArray("\x10\x5B\xFE\x59\x16", 5));
    EXPECT_EQ(drained.get_future().wait_for(Limit), std::future_status::ready);

    writeMaster(QByteArray::fromHex("E568030368"));
    auto future = received.get_future();
    ASSERT_EQ(future.wait_for(Limit), std::future_status::ready);
    EXPECT_EQ(future.get(), QByteArray::fromHex("E568030368"));
}

TEST_F(CommOnPty, EachArrivalIsReportedOnceAndWaitsForRead)
{
    std::promise<qint32> first;
    std::promise<qint32> second;
    std::atomic<int> calls{0};
    comm.setOnRxChar([&](TCustomComm &, qint32 count) { // reads nothing
        const int call = calls++;
        if (call == 0)
            first.set_value(count);
        else if (call == 1)
            second.set_value(count);
    });
    std::promise<void> flagged;
    comm.setOnRxFlag([&, once = false](TCustomComm &) mutable {
        if (!std::exchange(once, true))
            flagged.set_value();
    });
    comm.EventChars().setEvtChar(0x16);
    comm.Open();
    writeMaster("ab");
    auto one = first.get_future();
    ASSERT_EQ(one.wait_for(Limit), std::future_status::ready);
    EXPECT_EQ(one.get(), 2);
    writeMaster("c\x16");
    auto two = second.get_future();
    ASSERT_EQ(two.wait_for(Limit), std::future_status::ready);
    EXPECT_EQ(two.get(), 4) << "the bytes left unread are still there, reported with the new ones";
    EXPECT_EQ(flagged.get_future().wait_for(Limit), std::future_status::ready);
    char buffer[8] = {};
    EXPECT_EQ(comm.Read(buffer, sizeof buffer), 4);
    EXPECT_EQ(QByteArray(buffer, 4), QByteArray("abc\x16"));
}

TEST_F(CommOnPty, AWriteTheDeviceCannotTakeInTimeReturnsMinusOne)
{
    comm.setWriteTimeout(0);
    comm.Open();
    const QByteArray lots(1 << 20, 'x'); // more than the terminal buffers while nobody reads
    EXPECT_EQ(comm.Write(lots.constData(), qint32(lots.size())), -1);
}

struct Setting {
    const char *name;
    std::function<void(TComm &)> set;
    std::function<bool(const termios &)> holds;
};

// A terminal keeps eight data bits and no parity whatever it is told, so
// those are checked on the translation alone (CommDcbTest).
const Setting Applicable[] = {
    {"19200 baud", [](TComm &c) { c.setBaudRate(TBaudrate::br19200); },
     [](const termios &t) { return cfgetospeed(&t) == B19200 && cfgetispeed(&t) == B19200; }},
    {"110 baud", [](TComm &c) { c.setBaudRate(TBaudrate::br110); }, [](const termios &t) { return cfgetospeed(&t) == B110; }},
    {"3000000 baud", [](TComm &c) { c.setBaudRate(TBaudrate::br3000000); },
     [](const termios &t) { return cfgetospeed(&t) == B3000000; }},
    {"two stop bits", [](TComm &c) { c.setStopbits(TStopbits::sb20); }, [](const termios &t) { return bool(t.c_cflag & CSTOPB); }},
    {"CTS handshake", [](TComm &c) { c.setFlowControl(TFlowControl::fcCTS); },
     [](const termios &t) { return bool(t.c_cflag & CRTSCTS); }},
    {"XON/XOFF", [](TComm &c) { c.setFlowControl(TFlowControl::fcSoftware); },
     [](const termios &t) { return (t.c_iflag & (IXON | IXOFF)) == (IXON | IXOFF); }},
    {"parity check", [](TComm &c) { c.setOptions({TCommOption::coParityCheck}); },
     [](const termios &t) { return bool(t.c_iflag & INPCK); }},
    {"XON character", [](TComm &c) { c.EventChars().setXonChar(0x21); }, [](const termios &t) { return t.c_cc[VSTART] == 0x21; }},
    {"XOFF character", [](TComm &c) { c.EventChars().setXoffChar(0x23); }, [](const termios &t) { return t.c_cc[VSTOP] == 0x23; }},
};

TEST_F(CommOnPty, OpenMakesARawTerminalWhoseReadsReturnAtOnce)
{
    comm.Open();
    const termios raw = deviceSettings();
    EXPECT_EQ(raw.c_cc[VMIN], 0);
    EXPECT_EQ(raw.c_cc[VTIME], 0);
    EXPECT_FALSE(raw.c_lflag & (ICANON | ECHO | ISIG));
    EXPECT_FALSE(raw.c_oflag & OPOST);
    EXPECT_EQ(cfgetospeed(&raw), B9600);
    EXPECT_FALSE(raw.c_cflag & CSTOPB);
}

TEST_F(CommOnPty, SettingsAreAppliedAtOnceOrByOpen)
{
    for (const bool whileOpen : {true, false}) {
        for (const Setting &s : Applicable) {
            TComm port;
            port.setDeviceName(m_path);
            if (whileOpen)
                port.Open();
            s.set(port);
            if (!whileOpen)
                port.Open();
            termios t{};
            ASSERT_EQ(::tcgetattr(port.Handle(), &t), 0);
            EXPECT_TRUE(s.holds(t)) << s.name << (whileOpen ? " while open" : " at open");
        }
    }
}

TEST_F(CommOnPty, NoFlowControlWithParityCheckLeavesBinaryAndParityOnly)
{
    comm.setFlowControl(TFlowControl::fcNone);
    comm.setOptions({TCommOption::coParityCheck});
    comm.Open();
    EXPECT_EQ(comm.DCB().Flags, TDCB::fBinary | TDCB::fParity);
    comm.setOptions({});
    EXPECT_EQ(comm.DCB().Flags, TDCB::fBinary);
}

TEST_F(CommOnPty, SettingsLinuxCannotApplyAreRefused)
{
    const std::pair<const char *, std::function<void(TComm &)>> refused[] = {
        {"14400 baud", [](TComm &c) { c.setBaudRate(TBaudrate::br14400); }},
        {"56000 baud", [](TComm &c) { c.setBaudRate(TBaudrate::br56000); }},
        {"128000 baud", [](TComm &c) { c.setBaudRate(TBaudrate::br128000); }},
        {"256000 baud", [](TComm &c) { c.setBaudRate(TBaudrate::br256000); }},
        {"4 data bits", [](TComm &c) { c.setDatabits(TDatabits::da4); }},
        {"1.5 stop bits", [](TComm &c) { c.setStopbits(TStopbits::sb15); }},
        {"DTR handshake", [](TComm &c) { c.setFlowControl(TFlowControl::fcDTR); }},
        {"DSR sensitivity", [](TComm &c) { c.setOptions({TCommOption::coDsrSensitivity}); }},
        {"error character", [](TComm &c) { c.setOptions({TCommOption::coErrorChar}); }},
        {"null stripping", [](TComm &c) { c.setOptions({TCommOption::coNullStrip}); }},
    };
    comm.Open();
    for (const auto &[name, set] : refused) {
        SCOPED_TRACE(name);
        const termios before = deviceSettings();
        const TBaudrate rate = comm.BaudRate();
        const TCommOptions options = comm.Options();
        expectCommError([&] { set(comm); }, "Error updating DataControlBlock (Error: 22) ", EINVAL);
        const termios after = deviceSettings();
        EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0) << "the device is as it was";
        EXPECT_EQ(comm.BaudRate(), rate);
        EXPECT_TRUE(comm.Options() == options);
        EXPECT_TRUE(comm.Enabled());

        TComm closed;
        closed.setDeviceName(m_path);
        set(closed); // stored while closed
        expectCommError([&] { closed.Open(); }, "Error updating DataControlBlock (Error: 22) ", EINVAL);
        EXPECT_FALSE(closed.Enabled()) << "not left open behind the error";
    }
}

TEST_F(CommOnPty, FailuresCarryTheirTextsAndCodes)
{
    constexpr const char *AlreadyOpen = "Port already assigned (open) (Error: -1) ";
    constexpr const char *NotOpen = "Port not open, unable to complete operation (Error: -1) ";
    for (auto escape : {&TCustomComm::SetDTRState, &TCustomComm::SetRTSState, &TCustomComm::SetBREAKState,
                        &TCustomComm::SetXONState})
        expectCommError([&] { (comm.*escape)(true); }, NotOpen, -1);

    comm.Open();
    expectCommError([&] { comm.Open(); }, AlreadyOpen, -1);
    expectCommError([&] { comm.setDeviceName(QStringLiteral("COM3")); }, AlreadyOpen, -1);
    expectCommError([&] { comm.setReadBufSize(8192); }, AlreadyOpen, -1);
    expectCommError([&] { comm.setWriteBufSize(8192); }, AlreadyOpen, -1);
    expectCommError([&] { comm.setMonitorEvents({TCommEventType::evRxChar}); }, AlreadyOpen, -1);
    comm.setDeviceName(m_path); // the same name changes nothing
    comm.setReadBufSize(comm.ReadBufSize());
    comm.Close();

    const std::pair<const char *, const char *> devices[] = {
        {"/nonexistent/ttyS0", "Error accessing specified device (Error: 2) "},
        {"/dev/null", "Invalid device handle, access denied (Error: -1) "},
    };
    for (const auto &[device, message] : devices) {
        TComm other;
        other.setDeviceName(QString::fromLatin1(device));
        expectCommError([&] { other.Open(); }, message, QByteArray(message).contains("-1") ? -1 : ENOENT);
        EXPECT_FALSE(other.Enabled());
    }
}

TEST_F(CommOnPty, CloseWaitsForTheHandlerThatRuns)
{
    std::promise<void> entered;
    std::promise<void> release;
    std::shared_future<void> released = release.get_future().share();
    std::atomic<bool> handlerDone{false};
    std::atomic<int> calls{0};
    comm.setOnRxChar([&](TCustomComm &, qint32) {
        if (calls++ == 0) {
            entered.set_value();
            released.wait();
            handlerDone = true;
        }
    });
    comm.Open();
    writeMaster("x");
    ASSERT_EQ(entered.get_future().wait_for(Limit), std::future_status::ready);
    bool doneWhenClosed = false;
    std::thread closer([&] {
        comm.Close();
        doneWhenClosed = handlerDone;
    });
    release.set_value();
    closer.join();
    EXPECT_TRUE(doneWhenClosed);
}

TEST_F(CommOnPty, ADeviceThatGoesAwayIsReportedOnce)
{
    std::promise<void> reported;
    std::atomic<int> errors{0};
    comm.setOnError([&](TCustomComm &, quint32) {
        if (errors++ == 0)
            reported.set_value();
    });
    comm.Open();
    closeMaster();
    ASSERT_EQ(reported.get_future().wait_for(Limit), std::future_status::ready);
    comm.Close();
    EXPECT_EQ(errors, 1);
}

TEST(CommDevicePath, NamesComPortsThroughThePortTable)
{
    const std::pair<const char *, const char *> cases[] = {
        {"COM1", "/dev/ttyS0"},   {"Com2", "/dev/ttyS1"},      {"com33", "/dev/ttyUSB0"},
        {"COM96", "/dev/ttyACM31"}, {"COM97", "COM97"},        {"/dev/pts/7", "/dev/pts/7"},
    };
    for (const auto &[name, device] : cases)
        EXPECT_EQ(commDevicePath(QString::fromLatin1(name)), QString::fromLatin1(device));
    EXPECT_EQ(TComm().DeviceName(), QStringLiteral("Com2"));
}

} // namespace
