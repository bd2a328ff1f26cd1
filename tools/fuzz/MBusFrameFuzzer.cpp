// Feeds arbitrary bytes to the telegram decoder three ways: as a received
// answer (checked like one), as the records of a frame whose length and
// checksum are made right (so the fuzzer reaches the record parser through
// the header path), and as a bare record block in both scan modes.
#include "scan/RspUdDecoder.h"

#include <QDateTime>
#include <cstdint>
#include <cstring>
#include <vector>

namespace {

const QDateTime &decodeTime()
{
    static const QDateTime time(QDate(2024, 1, 2), QTime(3, 4, 5));
    return time;
}

void touch(const scan::TVariableList &records)
{
    std::size_t length = 0;
    for (const auto &r : records)
        length += static_cast<std::size_t>(r->ValueStr.size() + r->Desc_Type_Data.size() + r->VIF_ASCII.size());
    volatile std::size_t sink = length;
    (void)sink;
}

std::vector<std::uint8_t> frameAround(const std::uint8_t *records, std::size_t size)
{
    static const std::uint8_t header[] = {0x68, 0, 0, 0x68, 0x08, 0x01, 0x72, 0x78, 0x56, 0x34, 0x12,
                                          0x42, 0x04, 0x01, 0x07, 0x10, 0x00, 0x00, 0x00};
    std::vector<std::uint8_t> frame(header, header + sizeof header);
    frame.insert(frame.end(), records, records + size);
    std::uint8_t sum = 0;
    for (std::size_t i = 4; i < frame.size(); ++i)
        sum = static_cast<std::uint8_t>(sum + frame[i]);
    frame.push_back(sum);
    frame.push_back(0x16);
    frame[1] = frame[2] = static_cast<std::uint8_t>(frame.size() - 6);
    return frame;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const std::span<const std::uint8_t> bytes(data, size);

    const scan::RspUdRecords asReceived = scan::decodeRspUdRecords(bytes, decodeTime());
    touch(asReceived.records);

    if (size >= 1 && size <= 255 - 13) {
        const auto frame = frameAround(data, size);
        const scan::RspUdRecords wrapped = scan::decodeRspUdRecords(frame, decodeTime());
        touch(wrapped.records);
        scan::TSlaveMBusList list;
        scan::Add_Slave_From_RSP_UD(list, -1, frame);
    }

    if (size >= 1) {
        // The first byte chooses where the last record may begin.
        const qint32 last = static_cast<std::int8_t>(data[0]);
        for (const auto mode : {scan::TMBusType::mtWired, scan::TMBusType::mtWireless}) {
            scan::TVariableList records;
            scan::Parse_Data_Records(records, last, bytes.subspan(1), mode, decodeTime());
            touch(records);
        }
    }
    return 0;
}
