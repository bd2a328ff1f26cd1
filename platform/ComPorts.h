#pragma once
// Serial ports by their Windows number. "COM n" maps to a Linux device by one
// table: COM1-COM32 are /dev/ttyS0-31, COM33-COM64 /dev/ttyUSB0-31 and
// COM65-COM96 /dev/ttyACM0-31. Only devices the system lists are opened, so
// the probe never touches a node without hardware behind it. A port counts
// as present when its device opens, or refuses because it is held or not
// ours to use: the user should see it and learn from the tool why it cannot
// be used, not lose it silently.
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>

namespace platform {

// Highest port number the table maps.
inline constexpr int HighestComPort = 96;

// The device of COM n; empty outside 1..HighestComPort.
QString comPortDevicePath(int number);

// The number n of "COMn" (case-insensitive, no blanks), or 0 when the text
// names no port of the table.
int comPortNumber(const QString &name);

enum class SerialDeviceState {
    Absent,   // no such device, or a node without hardware behind it
    Free,     // opened read/write
    Held,     // busy or access denied: exists, another program or user has it
};

// Opens the device read/write, non-blocking and without becoming our
// controlling terminal, and closes it at once; nothing is configured.
SerialDeviceState probeSerialDevice(const QString &devicePath);

// How an errno of the probe's open() is read.
SerialDeviceState serialDeviceStateForOpenError(int error);

// Where the kernel lists its terminal devices, one entry per device.
inline constexpr char TtyClassDir[] = "/sys/class/tty";

// The numbers of the table whose device the system has, ascending, read from
// the listing alone: an entry with hardware behind it ("device"), and for a
// serial port of the UART driver a port type other than 0 (its placeholders
// for ports that are not fitted have type 0).
QList<int> listedComPorts(const QString &ttyClassDir = QString::fromLatin1(TtyClassDir));

using ComDeviceResolver = std::function<QString(int number)>;

// Of the given numbers, those whose device is present, in the given order.
// The resolver lets tests put pseudo-terminals behind the numbers.
QList<int> presentComPorts(const QList<int> &numbers, const ComDeviceResolver &resolver = comPortDevicePath);

// List_COM_Ports: the present ports of the table as decimal texts ("1", "3"),
// ascending.
QStringList listComPorts();

} // namespace platform
