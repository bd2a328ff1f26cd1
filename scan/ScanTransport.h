#pragma once
// How the scan engine reaches the converter: datagrams over UDP (Ethernet) or
// bytes over a serial port. A transport sends what the engine gives it and
// hands every answer it receives to the engine's receiver, on a thread of its
// own.
#include "scan/AnalyzerProtocol.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <memory>
#include <span>

namespace scan {

enum class TSelectHard { shEthernet, shSerial };

// Why a scan did not start.
enum class ScanRefusal {
    None,
    ScanInProgress,  // the engine is still in a scan (or its end steps)
    InvalidAddress,  // the converter's address is not an IPv4 address
    InvalidPort,     // port 0
    PortDenied,      // the system did not let this user bind the port (below 1024 without the right)
    PortInUse,       // another socket holds the port on the local address
    DeviceFailed,    // the serial port did not open
    TransportFailed, // the socket did not open, or the converter's address has no route
};

struct ScanStart {
    ScanRefusal refusal = ScanRefusal::None;
    QString detail; // the system's or the port's own message; the address for InvalidAddress
    QString local;  // for PortDenied and PortInUse: the local address the port was to be bound on
    bool started() const { return refusal == ScanRefusal::None; }
};

// What a failed bind of the port the caller named means for the start.
ScanRefusal bindRefusal(int systemError);

struct TransportTarget {
    QString address;                   // IPv4 text (Ethernet) or device name (serial)
    std::uint16_t port = AnalyzerPort; // where datagrams go
    std::uint16_t localPort = 0;       // local binding; 0: any free port
    // Local IPv4 binding; empty: any address for a free port, and for a
    // given port the address the system sends to the converter from.
    QString localAddress;
};

class ScanTransport {
public:
    // Runs on the transport's thread; never after close() has returned. Only
    // what comes from the converter's address and port gets here.
    using Receiver = std::function<void(std::span<const std::uint8_t> answer)>;

    virtual ~ScanTransport() = default;
    virtual ScanStart open(const TransportTarget &target, Receiver receiver) = 0;
    // False when the bytes could not leave; the engine then waits in vain.
    virtual bool send(std::span<const std::uint8_t> bytes) = 0;
    virtual void close() = 0;
};

using TransportFactory = std::function<std::unique_ptr<ScanTransport>(TSelectHard)>;

std::unique_ptr<ScanTransport> makeUdpTransport();
std::unique_ptr<ScanTransport> makeSerialTransport();
std::unique_ptr<ScanTransport> makeTransport(TSelectHard hardware);

} // namespace scan
