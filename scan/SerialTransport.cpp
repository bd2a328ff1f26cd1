// The converter over a serial port: frames are written to the port, and the
// bytes that come back are cut into answers as a datagram would hold them.
#include "scan/Comm.h"
#include "scan/MBusFrameAssembler.h"
#include "scan/ScanTransport.h"

#include <mutex>
#include <vector>

namespace scan {

namespace {

class SerialTransport final : public ScanTransport {
public:
    SerialTransport()
    {
        m_comm.setBaudRate(TBaudrate::br115200);
        m_comm.setDatabits(TDatabits::da8);
        m_comm.setFlowControl(TFlowControl::fcNone);
        m_comm.setParity(TParity::paNone);
        m_comm.setStopbits(TStopbits::sb10);
        m_comm.setReadBufSize(4096);
        m_comm.setWriteBufSize(4096);
        m_comm.setOnRxChar([this](TCustomComm &, qint32 count) { received(count); });
    }

    ScanStart open(const TransportTarget &target, Receiver receiver) override
    {
        {
            std::lock_guard lock(m_mutex);
            m_receiver = std::move(receiver);
            m_assembler.reset();
        }
        try {
            m_comm.setDeviceName(target.address);
            m_comm.Open();
        } catch (const ECommError &e) {
            return {ScanRefusal::DeviceFailed, e.message(), {}};
        }
        return {};
    }

    bool send(std::span<const std::uint8_t> bytes) override
    {
        {
            // What is left of an answer to an earlier request is no part of the next one.
            std::lock_guard lock(m_mutex);
            m_assembler.reset();
        }
        try {
            return m_comm.Write(bytes.data(), static_cast<qint32>(bytes.size())) == static_cast<qint32>(bytes.size());
        } catch (const ECommError &) {
            return false;
        }
    }

    void close() override { m_comm.Close(); }

private:
    void received(qint32 count)
    {
        std::vector<std::uint8_t> bytes(static_cast<std::size_t>(count));
        const qint32 got = m_comm.Read(bytes.data(), count);
        if (got <= 0)
            return;
        std::lock_guard lock(m_mutex);
        m_assembler.add(std::span<const std::uint8_t>(bytes.data(), static_cast<std::size_t>(got)), m_receiver);
    }

    TComm m_comm;
    std::mutex m_mutex;
    Receiver m_receiver;
    MBusFrameAssembler m_assembler;
};

} // namespace

std::unique_ptr<ScanTransport> makeSerialTransport() { return std::make_unique<SerialTransport>(); }

} // namespace scan
