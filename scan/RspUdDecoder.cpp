#include "scan/RspUdDecoder.h"

#include "scan/MBusNames.h"

#include <algorithm>

namespace scan {
namespace {

constexpr std::size_t kFirstRecordByte = 19;
constexpr std::size_t kMinimumFrameSize = 22;  // header, one data byte, checksum, stop
constexpr std::size_t kFrameOverhead = 6;      // 68 L L 68 ... CS 16

} // namespace

QString checkRspUdFrame(std::span<const std::uint8_t> frame)
{
    const std::size_t size = frame.size();
    if (size < kMinimumFrameSize)
        return QStringLiteral("frame of %1 bytes is too short for an RSP_UD answer").arg(size);
    if (frame[0] != 0x68 || frame[3] != 0x68)
        return QStringLiteral("no long frame start bytes");
    if (frame[1] != frame[2])
        return QStringLiteral("the two length fields differ");
    if (frame[1] + kFrameOverhead != size)
        return QStringLiteral("length field %1 does not match a frame of %2 bytes").arg(frame[1]).arg(size);
    if (frame[size - 1] != 0x16)
        return QStringLiteral("no stop byte");
    std::uint8_t sum = 0;
    for (std::size_t i = 4; i < size - 2; ++i)
        sum = static_cast<std::uint8_t>(sum + frame[i]);
    if (sum != frame[size - 2])
        return QStringLiteral("checksum error");
    return {};
}

void fillSlaveHeader(std::span<const std::uint8_t> frame, TSlave_MBus &slave)
{
    slave.Primary_Addresss = frame[5];
    const quint32 identification = quint32(frame[7]) | quint32(frame[8]) << 8 | quint32(frame[9]) << 16
                                 | quint32(frame[10]) << 24;
    // BCD digits written in hexadecimal read as the decimal number.
    slave.Secondary_Addresss = QString::number(identification, 16).toUpper().rightJustified(2, QLatin1Char('0'));
    slave.Manufacture = frame[11] + 256 * frame[12];
    slave.Version = frame[13];
    slave.Medium = frame[14];
    slave.Status = frame[16];
    slave.descmedium = Medium_To_Text(static_cast<quint32>(slave.Medium));
    slave.descManufacture = Trova_Man(slave.Manufacture);
}

RspUdRecords decodeRspUdRecords(std::span<const std::uint8_t> frame, const QDateTime &decodedAt)
{
    RspUdRecords decoded;
    decoded.error = checkRspUdFrame(frame);
    if (!decoded.ok())
        return decoded;
    // The records run up to the byte before the checksum.
    const auto block = frame.subspan(kFirstRecordByte, frame.size() - kFirstRecordByte - 2);
    const ParseResult parsed = Parse_Data_Records(decoded.records, static_cast<qint32>(block.size()) - 1, block,
                                                  TMBusType::mtWired, decodedAt);
    if (!parsed.decodable)
        decoded.error = parsed.error;
    decoded.recordsEnded = parsed.result;
    return decoded;
}

RspUdResult Add_Slave_From_RSP_UD(TSlaveMBusList &list, qint32 index, std::span<const std::uint8_t> frame)
{
    RspUdRecords decoded = decodeRspUdRecords(frame);
    RspUdResult result;
    result.index = index;
    if (!decoded.ok()) {
        result.error = decoded.error;
        return result;
    }

    auto slaves = list.lock();
    TSlave_MBus *slave = nullptr;
    if (index < 0) {
        auto created = std::make_unique<TSlave_MBus>();
        fillSlaveHeader(frame, *created);
        slave = created.get();
        result.index = slaves.append(std::move(created));
    } else {
        slave = slaves.tryAt(index);
        if (!slave) {
            result.error = QStringLiteral("List index out of bounds (%1)").arg(index);
            return result;
        }
    }
    if (slave->List_Var.empty()) {
        slave->List_Var = std::move(decoded.records);
    } else {
        const std::size_t needed = slave->List_Var.size() + decoded.records.size();
        if (needed > slave->List_Var.capacity())
            slave->List_Var.reserve(std::max(needed, 2 * slave->List_Var.capacity()));
        for (auto &record : decoded.records)
            slave->List_Var.push_back(std::move(record));
    }
    result.accepted = true;
    result.recordsEnded = decoded.recordsEnded;
    return result;
}

} // namespace scan
