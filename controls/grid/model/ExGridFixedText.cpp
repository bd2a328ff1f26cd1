// Fixed-width text files: each column padded or cut to a width, no header.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/CsvCodec.h"
#include "controls/grid/model/core/GridError.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

// A line break inside a cell would start a new record: it is a blank here.
QString oneLine(QString text)
{
    text.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    text.replace(u'\r', u' ');
    text.replace(u'\n', u' ');
    return text;
}

} // namespace

void TExStringGrid::SaveToFixed(const QString &FileName, TIntList &positions)
{
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    const int startCol = SaveStartCol();
    const int endCol = SaveEndCol() + hidden;
    const auto realCol = [&](int c) { return hidden > 0 ? c : RealColIndex(c); };
    for (int c = startCol + positions.Count(); c <= endCol; ++c)
        positions.Add(MaxColumnTextLength(realCol(c)) + 1);
    QStringList lines;
    ExportNotification(esExportStart, SaveStartRow());
    int last = -1;
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        QString line;
        for (int c = startCol; c <= endCol; ++c) {
            QString text;
            DoSaveCell(realCol(c), r, text);
            const int width = std::max(0, positions.Items(c - startCol));
            line += oneLine(text).left(width).leftJustified(width, u' ');
        }
        lines << line;
        fireFileProgress(int(std::lround(100.0 * r / std::max(1, RowCount() - 1))), last);
    }
    ExportNotification(esExportDone, -1);
    if (!platform::writeFileAtomically(FileName, encodeCsvText(lines, false)))
        throw ZOraZaziRarar(QStringLiteral("Cannot Create file ") + FileName);
}

void TExStringGrid::LoadFromFixed(const QString &FileName, TIntList &positions, bool DoTrim, int MaxRows)
{
    const platform::FileRead read = platform::readWholeFile(FileName);
    if (!read.ok())
        throw ZOraZaziRarar(QStringLiteral("File ") + FileName + QStringLiteral(" not found"));
    std::vector<int> starts;
    for (int i = 0; i < positions.Count(); ++i)
        starts.push_back(positions.Items(i));
    std::sort(starts.begin(), starts.end());
    for (int i = 0; i < int(starts.size()); ++i)
        positions.SetInteger(i, starts[i]);
    // One position marks no column: nothing to read.
    if (starts.size() < 2)
        return;
    setColCount(FixedCols() + int(starts.size()) - 1);
    const QStringList lines = csvPhysicalLines(decodeCsvText(read.bytes));
    int row = SaveStartRow();
    if (!lines.isEmpty() && row >= RowCount())
        setRowCount(row + 1);
    const int limit = MaxRows == -1 ? int(lines.size()) : std::max(1, MaxRows);
    for (int i = 0; i < std::min(limit, int(lines.size())); ++i) {
        const QString &line = lines[i];
        for (size_t k = 0; k + 1 < starts.size(); ++k) {
            const int from = std::max(1, starts[k]);
            const int length = std::max(0, starts[k + 1] - from);
            QString field = line.mid(from - 1, length);
            if (DoTrim)
                field = field.trimmed();
            DoLoadCell(SaveStartCol() + int(k), row, field);
        }
        if (row + 1 >= RowCount() && i + 1 < std::min(limit, int(lines.size())))
            setRowCount(row + 2);
        ++row;
    }
    DoCellsChanged(platform::Rect(0, 0, ColCount(), RowCount()));
    RecalcFooter();
}

} // namespace controls
