// Feeds arbitrary bytes to the reader of the grid's native text file: the
// bytes are decoded, split into lines and parsed. Nothing may crash, hang or
// read outside the bytes; a header the reader takes lies within its limits;
// and what was read, written out again in either encoding, reads back the
// same.
#include "controls/grid/model/core/NativeTextFile.h"
#include "tools/fuzz/FuzzCheck.h"

#include <QByteArray>
#include <QStringList>

#include <cstdint>
#include <cstdlib>

using namespace controls;

namespace {

bool sameFile(const TNativeTextFile &a, const TNativeTextFile &b)
{
    if (a.cols != b.cols || a.rows != b.rows || a.widths.size() != b.widths.size() || a.cells.size() != b.cells.size())
        return false;
    for (std::size_t i = 0; i < a.widths.size(); ++i)
        if (a.widths[i].col != b.widths[i].col || a.widths[i].width != b.widths[i].width)
            return false;
    for (std::size_t i = 0; i < a.cells.size(); ++i)
        if (a.cells[i].col != b.cells[i].col || a.cells[i].row != b.cells[i].row || a.cells[i].text != b.cells[i].text)
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto file = parseNativeText(decodeNativeText(bytes));
    if (!file)
        return 0;
    if (file->cols)
        check(*file->cols >= 0 && *file->cols <= MaxNativeFileCols && *file->rows >= 0
              && *file->rows <= MaxNativeFileRows);
    // The texts as read, written back raw: masking is the writer's, and the
    // stored form is what must survive.
    QStringList lines;
    lines << (file->cols ? QStringLiteral("%1,%2").arg(*file->cols).arg(*file->rows) : QString());
    for (const TNativeWidth &w : file->widths)
        lines << nativeWidthLine(w.col, w.width);
    for (const TNativeCell &c : file->cells)
        lines << QString::number(c.col) + u',' + QString::number(c.row) + u',' + c.text;
    const auto wide = parseNativeText(decodeNativeText(encodeNativeText(lines, true)));
    check(wide && sameFile(*file, *wide));
    // The ANSI form keeps what its code page holds.
    const QByteArray ansi = encodeNativeText(lines, false);
    if (!ansi.contains('?') && !bytes.contains('?')) {
        const auto narrow = parseNativeText(decodeNativeText(ansi));
        check(narrow && sameFile(*file, *narrow));
    }
    return 0;
}
