#pragma once
// Walks the data records of one telegram (DIF, DIFE, VIF, VIFE, data) and
// makes one decoded record of each.
#include "scan/ScanModel.h"

#include <QDateTime>
#include <cstdint>
#include <span>

namespace scan {

enum class TMBusType { mtWired, mtWireless };

struct ParseResult {
    // 1 when the block ended, 0 when a DIF 1F said more records follow in
    // the next telegram.
    quint8 result = 1;
    // False when a record does not fit the data (truncated block, a length
    // byte past the end, a DIFE or VIFE chain longer than ten): nothing is
    // then appended and `error` says where.
    bool decodable = true;
    QString error;
};

// The local date and time now, to the second, for the records' date and
// time texts. Converting the clock to local time reads the time-zone files,
// so each thread does it once a second.
QDateTime currentDecodeTime();

// Decodes the records of `block` (from the first DIF to the last byte that
// belongs to the records) into `target`. `last` is the last position at
// which a record may begin; the first record is read whatever it is, and no
// record begins beyond the block. Every read stays inside the block: a
// record that runs past it makes the whole block not decodable and leaves
// `target` untouched. In wireless mode each idle filler (DIF 2F) yields a
// filler record. `decodedAt` stamps the records' date and time texts.
ParseResult Parse_Data_Records(TVariableList &target, qint32 last, std::span<const std::uint8_t> block,
                               TMBusType mode, const QDateTime &decodedAt = currentDecodeTime());

} // namespace scan
