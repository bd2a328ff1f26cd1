#include "platform/ComPorts.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <fcntl.h>
#include <grp.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/syscall.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>
#include <map>
#include <thread>

namespace {

using platform::SerialDeviceState;

TEST(ComPortTable, MapsEachFamilyOfThirtyTwoPorts)
{
    const std::pair<int, const char *> cases[] = {
        {1, "/dev/ttyS0"},    {32, "/dev/ttyS31"},  {33, "/dev/ttyUSB0"}, {64, "/dev/ttyUSB31"},
        {65, "/dev/ttyACM0"}, {96, "/dev/ttyACM31"}, {0, ""},            {97, ""},
        {-1, ""},
    };
    for (const auto &[number, device] : cases)
        EXPECT_EQ(platform::comPortDevicePath(number), QString(device)) << number;
}

TEST(ComPortTable, ReadsPortNamesOfTheTableOnly)
{
    const std::pair<const char *, int> cases[] = {
        {"COM1", 1}, {"COM96", 96}, {"com12", 12}, {"COM0", 0}, {"COM97", 0}, {"COM03", 0},
        {"COM", 0},  {"COM 3", 0},  {"COM3 ", 0},  {"LPT1", 0}, {"COM1a", 0}, {"", 0},
    };
    for (const auto &[name, number] : cases)
        EXPECT_EQ(platform::comPortNumber(name), number) << name;
}

// A pseudo-terminal pair; the slave side stands in for a serial device.
class PseudoTerminal {
public:
    explicit PseudoTerminal(bool unlocked = true)
    {
        m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
        if (m_master < 0 || ::grantpt(m_master) != 0 || (unlocked && ::unlockpt(m_master) != 0))
            return;
        if (const char *name = ::ptsname(m_master))
            m_slave = QString::fromLocal8Bit(name);
    }
    ~PseudoTerminal()
    {
        if (m_holder >= 0)
            ::close(m_holder);
        if (m_master >= 0)
            ::close(m_master);
    }
    PseudoTerminal(const PseudoTerminal &) = delete;
    PseudoTerminal &operator=(const PseudoTerminal &) = delete;

    bool valid() const { return !m_slave.isEmpty(); }
    const QString &slave() const { return m_slave; }

    // Another program holding the port exclusively.
    bool holdExclusively()
    {
        m_holder = ::open(m_slave.toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
        return m_holder >= 0 && ::ioctl(m_holder, TIOCEXCL) == 0;
    }
    bool setMode(mode_t mode) { return ::chmod(m_slave.toLocal8Bit().constData(), mode) == 0; }

private:
    int m_master = -1;
    int m_holder = -1;
    QString m_slave;
};

// Exclusive holds and permissions do not stop root, so as root the probe runs
// on a thread of its own that has become an ordinary user. Credentials are
// per thread in the kernel; the raw calls leave the other threads as they are.
QList<int> probeAsOrdinaryUser(const QList<int> &numbers, const platform::ComDeviceResolver &resolver)
{
    if (::geteuid() != 0)
        return platform::presentComPorts(numbers, resolver);
    QList<int> found{-1};
    std::thread probe([&] {
        const long nobody = 65534;
        if (::syscall(SYS_setgroups, 0, nullptr) != 0 || ::syscall(SYS_setresgid, nobody, nobody, nobody) != 0
            || ::syscall(SYS_setresuid, nobody, nobody, nobody) != 0)
            return;
        found = platform::presentComPorts(numbers, resolver);
    });
    probe.join();
    return found;
}

TEST(ComPortProbe, CountsFreeHeldAndDeniedPortsAndSkipsTheRest)
{
    PseudoTerminal free, held, locked(false), denied;
    ASSERT_TRUE(free.valid() && held.valid() && locked.valid() && denied.valid());
    ASSERT_TRUE(held.holdExclusively());
    ASSERT_TRUE(free.setMode(0666) && held.setMode(0666) && locked.setMode(0666) && denied.setMode(0));
    QTemporaryDir dir;
    const QString plainFile = dir.filePath("ttyS9");
    QFile file(plainFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();

    const std::map<int, QString> devices = {
        {1, free.slave()},                 // opens
        {2, dir.filePath("missing")},     // no such device
        {3, held.slave()},                 // busy: another program has it
        {4, locked.slave()},               // a node that cannot open (EIO), like a ttyS without a UART
        {6, denied.slave()},               // access denied
        {7, plainFile},                    // opens, but is no device
    };
    const auto resolver = [&](int n) {
        const auto it = devices.find(n);
        return it == devices.end() ? QString() : it->second;
    };
    EXPECT_EQ(probeAsOrdinaryUser({1, 2, 3, 4, 5, 6, 7, 8}, resolver), (QList<int>{1, 3, 6}));
}

// A listing as the kernel gives it: one folder per device, "device" where
// hardware stands behind it, "type" for the ports of the UART driver.
TEST(ComPortListing, TakesListedDevicesWithHardwareOnly)
{
    QTemporaryDir sys;
    ASSERT_TRUE(sys.isValid());
    const auto device = [&](const char *name, const char *type = nullptr) {
        ASSERT_TRUE(QDir(sys.path()).mkpath(QStringLiteral("%1/device").arg(name)));
        if (type) {
            QFile file(sys.filePath(QStringLiteral("%1/type").arg(name)));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(type);
        }
    };
    device("ttyS0", "4\n");  // a UART: COM1
    device("ttyS1", "0\n");  // the driver's placeholder for a port not fitted
    device("ttyS31", "4\n"); // COM32
    device("ttyS32", "4\n"); // beyond the table
    device("ttyUSB0");       // COM33
    device("ttyACM2");       // COM67
    device("tty1");          // a console, no COM port
    ASSERT_TRUE(QDir(sys.path()).mkpath("ttyS5")); // listed, no hardware behind it
    EXPECT_EQ(platform::listedComPorts(sys.path()), (QList<int>{1, 32, 33, 67}));
    EXPECT_EQ(platform::listedComPorts(sys.filePath("missing")), QList<int>{});
}

int openDescriptorCount()
{
    return int(QDir("/proc/self/fd").entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System).size());
}

TEST(ComPortProbe, LeavesAFreePortClosedAndItsSettingsUntouched)
{
    PseudoTerminal port;
    ASSERT_TRUE(port.valid());
    const int fd = ::open(port.slave().toLocal8Bit().constData(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    ASSERT_GE(fd, 0);
    termios before{};
    ASSERT_EQ(::tcgetattr(fd, &before), 0);
    const int descriptors = openDescriptorCount();

    EXPECT_EQ(platform::probeSerialDevice(port.slave()), SerialDeviceState::Free);

    EXPECT_EQ(openDescriptorCount(), descriptors);
    termios after{};
    ASSERT_EQ(::tcgetattr(fd, &after), 0);
    EXPECT_EQ(std::memcmp(&before, &after, sizeof before), 0);
    ::close(fd);
}

} // namespace
