// The grid as aligned plain text: each column padded with blanks to its
// longest line + 1, further lines of a cell in continuation lines.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/CsvCodec.h"
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/model/core/NativeTextFile.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/ui/BusyCursor.h"

#include <QFile>

#include <vector>

namespace controls {

namespace {

QString aligned(QString text, int width, TAlignment ha)
{
    if (ha == taRightJustify)
        text = text.rightJustified(width, u' ');
    else if (ha == taCenter)
        while (text.size() < width)
            text = u' ' + text + u' ';
    return text.leftJustified(width + 1, u' ');
}

QStringList cellLines(const QString &text, bool multiLine)
{
    if (!multiLine) {
        const qsizetype end = text.indexOf(QStringLiteral("\r\n"));
        return {end < 0 ? text : text.left(end)};
    }
    QString unified = text;
    unified.replace(QStringLiteral("\r\n"), QStringLiteral("\r"));
    return unified.split(u'\r');
}

} // namespace

void TExStringGrid::saveAsciiFile(const QString &FileName, bool Unicode, bool append)
{
    const platform::BusyCursor busy;
    QStringList lines;
    if (append && QFile::exists(FileName)) {
        const platform::FileRead read = platform::readWholeFile(FileName);
        if (!read.ok())
            throw ZOraZaziRarar(QStringLiteral("Cannot open file ") + FileName);
        lines = csvPhysicalLines(decodeCsvText(read.bytes));
    }
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    const int firstCol = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
    const int firstRow = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
    const int lastCol = ColCount() - 1 + hidden;
    const auto realCol = [&](int c) { return hidden > 0 ? c : RealColIndex(c); };
    // One width per exported column, as wide as its text: no column count
    // or text length is cut to fit a small store.
    std::vector<int> widths;
    for (int c = firstCol; c <= lastCol; ++c)
        widths.push_back(MaxColumnTextLength(realCol(c)));

    ExportNotification(esExportStart, firstRow);
    for (int r = firstRow; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        QString main;
        QStringList continuation;
        int position = 0;
        for (int c = firstCol; c <= lastCol; ++c) {
            const int width = widths[size_t(c - firstCol)];
            QString text;
            DoSaveCell(realCol(c), r, text);
            TAlignment ha = taLeftJustify;
            TVAlignment va = vtaTop;
            ResolveCellAlignment(realCol(c), r, ha, va);
            const QStringList parts = cellLines(text, Multilinecells || Appearance().Multilinecells);
            main += aligned(parts.value(0), width, ha);
            for (qsizetype i = 1; i < parts.size(); ++i) {
                if (continuation.size() < i)
                    continuation << QString();
                QString &line = continuation[i - 1];
                line = line.leftJustified(position, u' ');
                line += aligned(parts[i], width, ha);
            }
            position += width + 1;
        }
        lines << main << continuation;
    }
    ExportNotification(esExportDone, -1);
    if (!platform::writeFileAtomically(FileName, encodeNativeText(lines, Unicode)))
        throw ZOraZaziRarar(QStringLiteral("Cannot Create file ") + FileName);
}

void TExStringGrid::SaveToASCII(const QString &FileName, bool Unicode)
{
    saveAsciiFile(FileName, Unicode, false);
}

void TExStringGrid::AppendToASCII(const QString &FileName, bool Unicode)
{
    saveAsciiFile(FileName, Unicode, true);
}

} // namespace controls
