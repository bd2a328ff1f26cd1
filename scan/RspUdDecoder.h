#pragma once
// A wired slave's RSP_UD long frame: checked, its fixed header read into a
// TSlave_MBus and its data records decoded into the slave's List_Var.
#include "scan/RecordParser.h"
#include "scan/ScanLists.h"

#include <QByteArray>
#include <cstdint>
#include <span>

namespace scan {

// Why the bytes are not a long frame to decode (empty when they are): start
// bytes 68 .. 68, the two L fields equal and matching the length, stop byte
// 16, checksum, and more than 21 bytes (room for the fixed data header).
QString checkRspUdFrame(std::span<const std::uint8_t> frame);

// Header fields from a checked frame (primary address, identification
// number, manufacturer, version, medium, status and their texts).
void fillSlaveHeader(std::span<const std::uint8_t> frame, TSlave_MBus &slave);

// Checks the frame and decodes its records, touching no list.
struct RspUdRecords {
    QString error;        // empty: decoded
    quint8 recordsEnded = 1; // 0: a DIF 1F announced a further telegram
    TVariableList records;
    bool ok() const { return error.isEmpty(); }
};
RspUdRecords decodeRspUdRecords(std::span<const std::uint8_t> frame,
                                const QDateTime &decodedAt = currentDecodeTime());

struct RspUdResult {
    bool accepted = false;   // false: nothing was added, `error` says why
    qint32 index = -1;       // the slave's position in the list
    quint8 recordsEnded = 1; // 1 the slave's records ended, 0 more follow
    QString error;
};

// One telegram of a readout. A negative index makes a new slave from the
// header and appends it; otherwise the records go to the slave at that
// position (its header stays as the first telegram gave it). A frame that
// fails the checks or cannot be decoded, or an index that is not in the
// list, changes nothing. Decoding happens before the list is locked.
RspUdResult Add_Slave_From_RSP_UD(TSlaveMBusList &list, qint32 index, std::span<const std::uint8_t> frame);

inline std::span<const std::uint8_t> bytesOf(const QByteArray &bytes)
{
    return {reinterpret_cast<const std::uint8_t *>(bytes.constData()), static_cast<std::size_t>(bytes.size())};
}

} // namespace scan
