#include "platform/ComPorts.h"

#include "platform/Paths.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

struct DeviceRange {
    int firstNumber;
    const char *prefix;
};

// 32 ports per family, numbered on from the previous one.
constexpr DeviceRange DeviceRanges[] = {{1, "/dev/ttyS"}, {33, "/dev/ttyUSB"}, {65, "/dev/ttyACM"}};
constexpr int PortsPerRange = 32;

bool isCharacterDevice(const struct stat &info)
{
    return S_ISCHR(info.st_mode);
}

} // namespace

QString comPortDevicePath(int number)
{
    for (const DeviceRange &range : DeviceRanges) {
        const int index = number - range.firstNumber;
        if (index >= 0 && index < PortsPerRange)
            return QString::fromLatin1(range.prefix) + QString::number(index);
    }
    return QString();
}

int comPortNumber(const QString &name)
{
    if (!name.startsWith(QLatin1String("COM"), Qt::CaseInsensitive))
        return 0;
    const QStringView digits = QStringView(name).mid(3);
    if (digits.isEmpty() || digits.size() > 2 || digits.front() == u'0')
        return 0;
    for (const QChar c : digits)
        if (c < u'0' || c > u'9')
            return 0;
    const int number = digits.toInt();
    return number >= 1 && number <= HighestComPort ? number : 0;
}

SerialDeviceState serialDeviceStateForOpenError(int error)
{
    switch (error) {
    case EBUSY:  // held exclusively (TIOCEXCL) or locked by a driver
    case EACCES: // exists, but another user's or group's
    case EPERM:
        return SerialDeviceState::Held;
    default:
        // ENOENT, and EIO/ENXIO/ENODEV for a device node without hardware:
        // /dev/ttyS0-31 usually exist whether or not a UART is fitted.
        return SerialDeviceState::Absent;
    }
}

SerialDeviceState probeSerialDevice(const QString &devicePath)
{
    if (devicePath.isEmpty())
        return SerialDeviceState::Absent;
    const QByteArray path = devicePath.toLocal8Bit();
    int fd;
    do {
        fd = ::open(path.constData(), O_RDWR | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
    } while (fd < 0 && errno == EINTR);

    struct stat info {};
    if (fd < 0) {
        const int error = errno;
        const SerialDeviceState state = serialDeviceStateForOpenError(error);
        // A refusal only proves a port when the path really is a device.
        if (state == SerialDeviceState::Held && (::stat(path.constData(), &info) != 0 || !isCharacterDevice(info)))
            return SerialDeviceState::Absent;
        return state;
    }
    const bool device = ::fstat(fd, &info) == 0 && isCharacterDevice(info);
    ::close(fd);
    return device ? SerialDeviceState::Free : SerialDeviceState::Absent;
}

QList<int> listedComPorts(const QString &ttyClassDir)
{
    QList<int> numbers;
    for (int n = 1; n <= HighestComPort; ++n) {
        const QString entry = joinPath(ttyClassDir, QFileInfo(comPortDevicePath(n)).fileName());
        if (!QFileInfo::exists(joinPath(entry, QStringLiteral("device"))))
            continue;
        QFile type(joinPath(entry, QStringLiteral("type")));
        if (type.open(QIODevice::ReadOnly) && type.readAll().trimmed() == "0")
            continue;
        numbers.append(n);
    }
    return numbers;
}

QList<int> presentComPorts(const QList<int> &numbers, const ComDeviceResolver &resolver)
{
    QList<int> present;
    for (const int n : numbers)
        if (probeSerialDevice(resolver(n)) != SerialDeviceState::Absent)
            present.append(n);
    return present;
}

QStringList listComPorts()
{
    QStringList texts;
    for (const int n : presentComPorts(listedComPorts()))
        texts.append(QString::number(n));
    return texts;
}

} // namespace platform
