// The native text file of the grid (core/NativeTextFile.h) and the strict
// numeric reading of a cell.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/base/LineBreaks.h"
#include "controls/grid/base/NumberText.h"
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/model/core/NativeTextFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"

#include <QCoreApplication>
#include <QPointer>

#include <cmath>

namespace controls {

namespace {

// Lines read between two turns of the event loop: often enough to keep
// the window alive, seldom enough to cost nothing.
constexpr int kLinesPerEventTurn = 512;

int percentOf(int done, int total)
{
    return int(std::lround(100.0 * done / std::max(1, total)));
}

// The length of the longest number at the start of the text: sign, digits,
// a point and digits, an exponent.
qsizetype numberPrefix(QStringView s)
{
    qsizetype i = 0;
    const auto digits = [&] {
        const qsizetype from = i;
        while (i < s.size() && IsDigitChar(s[i]))
            ++i;
        return i > from;
    };
    if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
        ++i;
    bool any = digits();
    if (i < s.size() && s[i] == u'.') {
        ++i;
        any = digits() || any;
    }
    if (!any)
        return 0;
    if (i < s.size() && (s[i] == u'e' || s[i] == u'E')) {
        const qsizetype mark = i++;
        if (i < s.size() && (s[i] == u'+' || s[i] == u'-'))
            ++i;
        if (!digits())
            i = mark;
    }
    return i;
}

} // namespace

void TExStringGrid::SaveToFile(const QString &FileName, bool Unicode)
{
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    const int startCol = SaveStartCol();
    const int endCol = SaveEndCol() + hidden;
    QStringList lines;
    lines << QStringLiteral("%1,%2").arg(SaveColCount() + hidden).arg(SaveRowCount());
    // With the hidden cells every store column is written, else the shown
    // ones, each read at its real column.
    const auto realCol = [&](int c) { return hidden > 0 ? c : RealColIndex(c); };
    for (int c = startCol; c <= endCol; ++c)
        lines << nativeWidthLine(c, hidden > 0 ? AllColWidths(c) : ColWidths(c));
    ExportNotification(esExportStart, SaveStartRow());
    int last = -1;
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        for (int c = startCol; c <= endCol; ++c) {
            QString text;
            DoSaveCell(realCol(c), r, text);
            if (!text.isEmpty())
                lines << nativeCellLine(c, r, text);
        }
        fireFileProgress(percentOf(r - SaveStartRow(), SaveRowCount() - 1), last);
    }
    ExportNotification(esExportDone, -1);
    if (!platform::writeFileAtomically(FileName, encodeNativeText(lines, Unicode)))
        throw ZOraZaziRarar(QStringLiteral("Cannot Create file ") + FileName);
}

void TExStringGrid::LoadFromFile(const QString &FileName)
{
    const platform::FileRead read = platform::readWholeFile(FileName);
    if (!read.ok())
        throw ZOraZaziRarar(QStringLiteral("Cannot open file ") + FileName);
    const auto file = parseNativeText(decodeNativeText(read.bytes));
    const QString corrupt = QStringLiteral("File contains no data or corrupt file ") + FileName;
    if (!file)
        throw ZOraZaziRarar(corrupt);
    const int colBase = SaveFixedCells || SaveFixedCols ? 0 : FixedCols();
    const int rowBase = SaveFixedCells || SaveFixedRows ? 0 : FixedRows();
    const int cols = file->cols ? colBase + *file->cols : ColCount();
    const int rows = file->rows ? rowBase + *file->rows : RowCount();
    if (cols == 0 || rows == 0)
        throw ZOraZaziRarar(corrupt);
    setColCount(cols);
    setRowCount(rows);
    for (const TNativeWidth &w : file->widths)
        if (w.col >= 0 && w.col < ColCount())
            setColWidths(w.col, std::max(0, w.width));

    // Timers and posted work run now and then, user input waits: a click
    // must not edit or free what is being loaded. The grid itself may still
    // go away meanwhile, so it is watched.
    const QPointer<TExStringGrid> alive(this);
    int last = -1;
    int line = 0;
    for (const TNativeCell &cell : file->cells) {
        if (++line % kLinesPerEventTurn == 0) {
            QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
            if (!alive)
                return;
        }
        if (cell.col < 0 || cell.col >= ColCount() || cell.row < 0 || cell.row >= RowCount())
            continue;
        DoLoadCell(cell.col, cell.row, UnmaskLineBreaks(cell.text, Multilinecells));
        fireFileProgress(percentOf(cell.row, RowCount() - 1), last);
    }
    DoCellsChanged(platform::Rect(0, 0, ColCount(), RowCount()));
    RecalcFooter();
}

double TExStringGrid::CellToReal(int ACol, int ARow)
{
    const QString text = Cells(ACol, ARow);
    if (text.isEmpty())
        return 0;
    const QString number = CleanNumericText(text);
    const qsizetype valid = numberPrefix(number);
    if (valid == number.size() && valid > 0)
        if (const auto value = parsePlainNumber(number))
            return *value;
    throw ZOraZaziRarar(QStringLiteral("Error at position: %1 in Cell [%2, %3].").arg(valid + 1).arg(ACol).arg(ARow));
}

} // namespace controls
