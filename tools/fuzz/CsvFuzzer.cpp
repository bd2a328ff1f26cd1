// Feeds arbitrary bytes to the delimited-text reader: decoded, the delimiter
// detected, split into records and fields. Nothing may crash, hang or read
// outside the bytes, and every record's fields, written out again, read
// back the same.
#include "controls/grid/model/core/CsvCodec.h"
#include "tools/fuzz/FuzzCheck.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

using namespace controls;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QString text = decodeCsvText(bytes);
    const QStringList lines = csvPhysicalLines(text);
    const QChar found = detectCsvDelimiter(lines.value(0), lines.value(1));
    const QStringList records = splitCsvRecords(text, found);
    check(records.size() <= lines.size() + 1);
    TCsvWriteOptions options;
    options.delimiter = found.isNull() ? QChar(u',') : found;
    for (const QString &record : records) {
        const QStringList fields = splitCsvFields(record, found, false);
        if (fields.isEmpty())
            continue;
        QString line;
        for (qsizetype i = 0; i < fields.size(); ++i) {
            if (i > 0)
                line += options.delimiter;
            line += encodeCsvField(fields[i], options);
        }
        const QStringList again = splitCsvRecords(line, options.delimiter);
        check(again.size() == 1);
        check(splitCsvFields(again[0], options.delimiter, false) == fields);
    }
    return 0;
}
