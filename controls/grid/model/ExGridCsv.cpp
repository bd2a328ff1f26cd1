// Delimited text files of the grid (core/CsvCodec.h): the export bounds
// written through the save hook, lines read back through the load hook.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/base/OemText.h"
#include "controls/grid/model/core/CsvCodec.h"
#include "controls/grid/model/core/GridError.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"

#include <QFile>

#include <cmath>
#include <vector>

namespace controls {

namespace {

int csvPercent(int done, int total)
{
    return int(std::lround(100.0 * done / std::max(1, total)));
}

// The first two lines of the text, without splitting all of it.
std::pair<QString, QString> firstTwoLines(QStringView text)
{
    QString lines[2];
    qsizetype start = 0;
    for (int k = 0; k < 2 && start < text.size(); ++k) {
        qsizetype end = start;
        while (end < text.size() && text[end] != u'\r' && text[end] != u'\n')
            ++end;
        lines[k] = text.sliced(start, end - start).toString();
        if (end < text.size())
            end += text[end] == u'\r' && end + 1 < text.size() && text[end + 1] == u'\n' ? 2 : 1;
        start = end;
    }
    return {lines[0], lines[1]};
}

} // namespace

QString TExStringGrid::csvTextToSave()
{
    TCsvWriteOptions options;
    options.delimiter = Delimiter.isNull() ? QChar(u',') : Delimiter;
    options.alwaysQuotes = AlwaysQuotes;
    options.quoteEmptyCells = QuoteEmptyCells;
    options.javaCsv = JavaCSV;
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    const int startCol = SaveStartCol();
    const int endCol = SaveEndCol() + hidden;
    // The real column of each saved one, looked up once for all rows.
    std::vector<int> realCols;
    for (int c = startCol; c <= endCol; ++c)
        realCols.push_back(hidden > 0 ? c : RealColIndex(c));
    // The whole file is one text that grows in place: no list of lines,
    // no join, one encoding and one write at the end.
    QString text;
    QString cell;
    ExportNotification(esExportStart, SaveStartRow());
    int last = -1;
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (size_t k = 0; k < realCols.size(); ++k) {
            DoSaveCell(realCols[k], r, cell);
            if (OemConvert)
                StringToOem(cell);
            if (k > 0)
                text += options.delimiter;
            appendCsvField(text, cell, options);
        }
        text += u"\r\n";
        if (r == SaveStartRow() && r < SaveEndRow())
            // The first row tells how long the text will be.
            text.reserve(text.size() * qsizetype(SaveEndRow() - r + 1) * 11 / 10);
        fireFileProgress(csvPercent(r, RowCount() - 1), last);
    }
    ExportNotification(esExportDone, -1);
    return text;
}

void TExStringGrid::SaveToCSV(const QString &FileName, bool Unicode)
{
    if (!platform::writeFileAtomically(FileName, encodeCsvBody(csvTextToSave(), Unicode)))
        throw ZOraZaziRarar(QStringLiteral("Cannot Create file ") + FileName);
}

void TExStringGrid::AppendToCSV(const QString &FileName, bool Unicode)
{
    QString text;
    if (QFile::exists(FileName)) {
        const platform::FileRead read = platform::readWholeFile(FileName);
        if (!read.ok())
            throw ZOraZaziRarar(QStringLiteral("Cannot open file ") + FileName);
        QString existing = decodeCsvText(read.bytes);
        // The old text is kept as it is, quoted line breaks included; only
        // its last line end is the one written after it.
        if (existing.endsWith(u"\r\n"))
            existing.chop(2);
        else if (existing.endsWith(u'\r') || existing.endsWith(u'\n'))
            existing.chop(1);
        if (!read.bytes.isEmpty())
            text = existing + QStringLiteral("\r\n");
    }
    text += csvTextToSave();
    if (!platform::writeFileAtomically(FileName, encodeCsvBody(text, Unicode)))
        throw ZOraZaziRarar(QStringLiteral("Cannot Create file ") + FileName);
}

void TExStringGrid::LoadFromCSV(const QString &FileName, int MaxRows)
{
    const platform::FileRead read = platform::readWholeFile(FileName);
    if (!read.ok())
        throw ZOraZaziRarar(QStringLiteral("Cannot open file ") + FileName);
    if (read.bytes.isEmpty())
        return;
    loadCsvText(decodeCsvText(read.bytes), MaxRows, false);
}

void TExStringGrid::InsertFromCSV(const QString &FileName, int MaxRows)
{
    const platform::FileRead read = platform::readWholeFile(FileName);
    if (!read.ok())
        throw ZOraZaziRarar(QStringLiteral("Cannot open file ") + FileName);
    if (read.bytes.isEmpty())
        return;
    loadCsvText(decodeCsvText(read.bytes), MaxRows, true);
}

void TExStringGrid::LoadFromCSVStream(QIODevice &AStream, int MaxRows)
{
    loadCsvText(decodeCsvText(AStream.readAll()), MaxRows, false);
}

void TExStringGrid::loadCsvText(const QString &text, int MaxRows, bool insert)
{
    const auto [line1, line2] = firstTwoLines(text);
    const QChar delimiter = Delimiter.isNull() ? detectCsvDelimiter(line1, line2) : Delimiter;
    const QStringList records = splitCsvRecords(text, delimiter);
    if (records.isEmpty())
        throw platform::Error(QStringLiteral("File is empty"));

    int row = insert ? RowCount() : SaveStartRow();
    // The floating footer shows the last row: an insert puts its texts
    // aside and writes them back below the new rows.
    QStringList footer;
    const bool keepFooter = insert && FloatingFooterVisible() && RowCount() > 0;
    if (keepFooter) {
        row = RowCount() - 1;
        for (int c = 0; c < ColCount(); ++c) {
            footer << Cells(c, row);
            setCells(c, row, QString());
        }
    }
    const int first = LoadFirstRow ? 0 : 1;
    const int counted = std::max(0, int(records.size()) - first);
    if (OnFileProgress)
        setRowCount(insert ? RowCount() + int(records.size()) : row + int(records.size()) + FixedFooters());
    const int startCol = SaveStartCol();
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    int read = 0;
    int last = -1;
    for (qsizetype i = first; i < records.size(); ++i) {
        if (MaxRows > 0 && read >= MaxRows)
            break;
        QString line = records[i];
        if (OemConvert)
            OemToString(line);
        if (row >= RowCount() - FixedFooters())
            setRowCount(row + 1000);
        const QStringList fields = splitCsvFields(line, delimiter, JavaCSV);
        for (qsizetype k = 0; k < fields.size(); ++k) {
            const int c = startCol + int(k);
            if (ColCount() + hidden < c + 1)
                setColCount(c + 1 - hidden);
            DoLoadCell(c, row, fields[k]);
        }
        ++row;
        ++read;
        fireFileProgress(counted > 0 ? csvPercent(read, counted) : 100, last);
    }
    setRowCount(row + std::max(FixedFooters(), keepFooter ? 1 : 0));
    FMaxRowCount = RowCount();
    if (keepFooter)
        for (int c = 0; c < std::min(ColCount(), int(footer.size())); ++c)
            setCells(c, RowCount() - 1, footer[c]);
    DoCellsChanged(platform::Rect(0, 0, ColCount(), RowCount()));
    RecalcFooter();
}

} // namespace controls
