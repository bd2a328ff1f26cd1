// The grid text stream (core/GridTextStream.h) and copying cells through it.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/base/LineBreaks.h"
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/model/core/GridTextStream.h"
#include "controls/grid/model/core/NativeTextFile.h"

#include <QBuffer>

namespace controls {

namespace {

int streamNumber(const QString &text)
{
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok)
        throw ZOraZaziRarar(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return value;
}

int headerCount(const QString &text, int limit)
{
    const int value = streamNumber(text);
    if (value < 0 || value > limit)
        throw ZOraZaziRarar(QStringLiteral("Grid index out of range"));
    return value;
}

} // namespace

void TExStringGrid::SaveToStream(QIODevice &Stream)
{
    Stream.write(encodeGridTextLine(QStringLiteral("%1,%2").arg(SaveColCount()).arg(SaveRowCount())));
    for (int c = 0; c < ColCount(); ++c)
        Stream.write(encodeGridTextLine(QStringLiteral("cw %1,%2").arg(c).arg(ColWidths(c))));
    ExportNotification(esExportStart, SaveStartRow());
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = SaveStartCol(); c <= SaveEndCol(); ++c) {
            QString text;
            DoSaveCell(RealColIndex(c), r, text);
            if (text.isEmpty())
                continue;
            Stream.write(encodeGridTextLine(
                QStringLiteral("%1,%2,").arg(c - SaveStartCol()).arg(r - SaveStartRow()) + MaskLineBreaks(text)));
        }
    }
    ExportNotification(esExportDone, -1);
}

void TExStringGrid::LoadFromStream(QIODevice &Stream)
{
    if (Stream.atEnd())
        return;
    const qint64 start = Stream.pos();
    const std::optional<QString> header = readGridTextLine(Stream);
    if (header && !header->isEmpty()) {
        const qsizetype comma = header->indexOf(u',');
        try {
            const int cols = headerCount(comma < 0 ? *header : header->first(comma), MaxNativeFileCols);
            const int rows = headerCount(comma < 0 ? QString() : header->sliced(comma + 1), MaxNativeFileRows);
            setColCount(cols + SaveStartCol());
            setRowCount(rows + SaveStartRow());
        } catch (...) {
            // A header that does not read leaves the stream where it was.
            Stream.seek(start);
            throw;
        }
    }
    const auto changed = [this] {
        DoCellsChanged(platform::Rect(0, 0, ColCount(), RowCount()));
        RecalcFooter();
    };
    try {
        while (!Stream.atEnd()) {
            const qint64 mark = Stream.pos();
            const std::optional<QString> line = readGridTextLine(Stream);
            if (!line)
                break;
            if (line->startsWith(u"cw")) {
                const QString rest = line->mid(3);
                const qsizetype comma = rest.indexOf(u',');
                const int col = streamNumber(comma < 0 ? rest : rest.first(comma));
                const int width = streamNumber(comma < 0 ? QString() : rest.sliced(comma + 1));
                // Widths of columns the grid did not load (fixed right
                // columns of a copy) are skipped, not an error.
                if (col >= 0 && col < ColCount())
                    setColWidths(col, std::max(0, width));
                continue;
            }
            const std::optional<TGridTextCell> cell = splitGridTextCell(*line);
            if (!cell) {
                Stream.seek(mark);
                break;
            }
            const int col = streamNumber(cell->col) + SaveStartCol();
            const int row = streamNumber(cell->row) + SaveStartRow();
            if (col < 0 || col >= ColCount() || row < 0 || row >= RowCount())
                continue;
            DoLoadCell(col, row, UnmaskLineBreaks(cell->text, Multilinecells));
        }
    } catch (...) {
        changed();
        throw;
    }
    changed();
}

void TExStringGrid::AssignCells(const QObject *Source)
{
    const auto *source = qobject_cast<const TExStringGrid *>(Source);
    if (!source)
        return;
    QBuffer stream;
    stream.open(QIODevice::ReadWrite);
    const_cast<TExStringGrid *>(source)->SaveToStream(stream);
    stream.seek(0);
    LoadFromStream(stream);
}

} // namespace controls
