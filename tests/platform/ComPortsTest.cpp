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
#include <sys/wait.h>
#include <termios.h>
#include <unistd.h>

#include <cstring>
#include <map>

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
// in a child process that has become an ordinary user.
QList<int> probeAsOrdinaryUser(const platform::ComDeviceResolver &resolver, int highest)
{
    if (::geteuid() != 0)
        return platform::presentComPorts(resolver, highest);

    int channel[2];
    if (::pipe(channel) != 0)
        return {-1};
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(channel[0]);
        const uid_t nobody = 65534;
        if (::setgroups(0, nullptr) != 0 || ::setgid(nobody) != 0 || ::setuid(nobody) != 0)
            ::_exit(2);
        const QList<int> found = platform::presentComPorts(resolver, highest);
        for (const int n : found)
            if (::write(channel[1], &n, sizeof n) != sizeof n)
                ::_exit(3);
        ::_exit(0);
    }
    ::close(channel[1]);
    QList<int> found;
    int n;
    while (::read(channel[0], &n, sizeof n) == sizeof n)
        found.append(n);
    ::close(channel[0]);
    int status = 0;
    ::waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return {-1};
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
    EXPECT_EQ(probeAsOrdinaryUser(resolver, 8), (QList<int>{1, 3, 6}));
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
