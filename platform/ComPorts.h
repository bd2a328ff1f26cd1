#pragma once
// Serial ports by their Windows number. "COM n" maps to a Linux device by one
// table: COM1-COM32 are /dev/ttyS0-31, COM33-COM64 /dev/ttyUSB0-31 and
// COM65-COM96 /dev/ttyACM0-31. A port counts as present when its device
// opens, or refuses because it is held or not ours to use: the user should
// see it and learn from the tool why it cannot be used, not lose it silently.
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

using ComDeviceResolver = std::function<QString(int number)>;

// Numbers 1..highest whose device is present, ascending. The resolver lets
// tests put pseudo-terminals behind the numbers.
QList<int> presentComPorts(const ComDeviceResolver &resolver = comPortDevicePath,
                           int highest = HighestComPort);

// List_COM_Ports: the present ports of the table as decimal texts ("1", "3"),
// ascending.
QStringList listComPorts();

} // namespace platform
