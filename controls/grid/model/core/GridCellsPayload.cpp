#include "controls/grid/model/core/GridCellsPayload.h"

#include "controls/grid/model/core/ComponentStream.h"

namespace controls {

bool isCellStream(QByteArrayView bytes)
{
    try {
        TComponentReader reader(bytes);
        TPropertyList properties;
        if (reader.readRecord(properties) != "TGridPropIO")
            return false;
        int records = 0;
        // The cell stream's own rule: a byte or two left over ends it.
        while (reader.remaining() >= 2) {
            reader.readRecord(properties);
            ++records;
        }
        return records > 0;
    } catch (const EReadError &) {
        return false;
    }
}

QByteArray gridCellsPayload(const QByteArray &stream)
{
    return frameGridCells(stream);
}

std::optional<QByteArray> cellStreamOf(const TEnumFormats &formats)
{
    auto stream = formats.Stream();
    if (!stream || !isCellStream(*stream))
        return std::nullopt;
    return stream;
}

} // namespace controls
