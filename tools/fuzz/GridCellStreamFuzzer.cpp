// Feeds arbitrary bytes to the string grid's component-stream readers: the
// first byte picks the reader (cell stream or column stream) and the point
// a cell block lands at, the rest is the stream. Nothing may crash, hang or
// read outside the bytes; a stream that does not read raises EReadError
// only; and what was read writes out and reads back the same.
#include "controls/grid/model/ExCGrid.h"
#include "controls/grid/model/core/ComponentStream.h"
#include "tools/fuzz/FuzzCheck.h"

#include <QApplication>
#include <QByteArray>

#include <cstdint>
#include <cstdlib>

using namespace controls;

namespace {

void cellStream(std::uint8_t head, QByteArrayView bytes)
{
    TExStringGrid grid;
    grid.setColCount(6);
    grid.setRowCount(6);
    try {
        grid.LoadAtPointFromBinStream(QPoint(head & 7, (head >> 3) & 7), bytes);
    } catch (const EReadError &) {
        return;
    }
    grid.SaveFixedCells = true;
    const QByteArray again = grid.SaveToBinStream();
    TExStringGrid copy;
    copy.LoadFromBinStream(again);
    check(copy.ColCount() == grid.ColCount() && copy.RowCount() == grid.RowCount());
    for (int r = 0; r < grid.RowCount(); ++r)
        for (int c = 0; c < grid.ColCount(); ++c)
            check(copy.Cells(c, r) == grid.Cells(c, r));
}

void columnStream(QByteArrayView bytes)
{
    TExColumnGrid grid;
    try {
        grid.LoadColumnsFromStream(bytes);
    } catch (const EReadError &) {
        return;
    }
    const QByteArray once = grid.SaveColumnsToStream();
    TExColumnGrid copy;
    copy.LoadColumnsFromStream(once);
    check(copy.SaveColumnsToStream() == once);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const QByteArrayView bytes(reinterpret_cast<const char *>(data) + 1, qsizetype(size - 1));
    if (data[0] & 0x80)
        columnStream(bytes);
    else
        cellStream(data[0], bytes);
    return 0;
}
