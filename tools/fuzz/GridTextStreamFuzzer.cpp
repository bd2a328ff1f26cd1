// Feeds arbitrary bytes to the grid text stream's line reader: lines taken
// one at a time as the grid's load does, cell lines split. Nothing may
// crash, hang or read outside the bytes; the stream only moves forward;
// and every line read, written again, reads back the same.
#include "controls/grid/model/core/GridTextStream.h"
#include "tools/fuzz/FuzzCheck.h"

#include <QBuffer>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

using namespace controls;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    QBuffer stream;
    stream.setData(reinterpret_cast<const char *>(data), qsizetype(size));
    stream.open(QIODevice::ReadOnly);
    qint64 last = 0;
    while (const std::optional<QString> line = readGridTextLine(stream)) {
        check(stream.pos() > last && stream.pos() <= qint64(size));
        last = stream.pos();
        if (const auto cell = splitGridTextCell(*line))
            check(!cell->col.isEmpty() && !cell->row.isEmpty());
        QBuffer copy;
        copy.setData(encodeGridTextLine(*line));
        copy.open(QIODevice::ReadOnly);
        const std::optional<QString> again = readGridTextLine(copy);
        check(again && *again == *line && copy.atEnd());
    }
    return 0;
}
