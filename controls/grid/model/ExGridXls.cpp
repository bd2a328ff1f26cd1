// Spreadsheet exchange without a spreadsheet program: the export to a new
// ".xlsx" workbook is written here, as the program's automation would have
// filled a new workbook; everything that needs a running spreadsheet
// program fails as a missing server does, before anything changes.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/model/core/XlsxWorkbook.h"
#include "platform/AtomicFile.h"
#include "platform/Automation.h"
#include "platform/ui/BusyCursor.h"

#include <QFileInfo>

namespace controls {

namespace {

const QString kNoExcel = QStringLiteral("Excel OLE server not found");

// Only a workbook that does not exist yet, of the kind the grid writes.
bool isNewWorkbook(const QString &Filename)
{
    return Filename.endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive) && !QFileInfo::exists(Filename);
}

} // namespace

QStringList TExStringGrid::GetXLSSheets(const QString &FileName)
{
    Q_UNUSED(FileName);
    const platform::BusyCursor busy;
    throw ZOraZaziRarar(kNoExcel);
}

void TExStringGrid::LoadFromXLS(const QString &Filename)
{
    Q_UNUSED(Filename);
    const platform::BusyCursor busy;
    throw ZOraZaziRarar(kNoExcel);
}

void TExStringGrid::LoadFromXLSSheet(const QString &Filename, const QString &SheetName)
{
    Q_UNUSED(Filename);
    Q_UNUSED(SheetName);
    const platform::BusyCursor busy;
    throw ZOraZaziRarar(kNoExcel);
}

void TExStringGrid::SaveToXLS(const QString &Filename, bool CreateNewSheet)
{
    // No workbook is open where no spreadsheet program runs: a new one is
    // made either way, its first sheet filled from its first row.
    Q_UNUSED(CreateNewSheet);
    saveXlsxWorkbook(Filename, QStringLiteral("Sheet1"));
}

void TExStringGrid::SaveToXLSSheet(const QString &Filename, const QString &SheetName)
{
    saveXlsxWorkbook(Filename, SheetName);
}

void TExStringGrid::saveXlsxWorkbook(const QString &Filename, const QString &SheetName)
{
    const platform::BusyCursor busy;
    if (!isNewWorkbook(Filename))
        throw ZOraZaziRarar(kNoExcel);
    if (const std::optional<QString> fault = xlsxSheetNameFault(SheetName))
        throw platform::EOleSysError(*fault);
    const int startCol = SaveStartCol();
    const int startRow = SaveStartRow();
    TXlsxSheet sheet{SheetName, {}};
    sheet.rows.reserve(size_t(std::max(0, RowCount() - startRow)));
    ExportNotification(esExportStart, startRow);
    for (int r = startRow; r < RowCount(); ++r) {
        ExportNotification(esExportNextRow, r);
        QStringList row;
        row.reserve(std::max(0, ColCount() - startCol));
        for (int c = startCol; c < ColCount(); ++c) {
            QString text;
            DoSaveCell(RealColIndex(c), r, text);
            text.remove(u'\r');
            row << text;
        }
        sheet.rows.push_back(std::move(row));
    }
    ExportNotification(esExportDone, -1);
    const std::optional<QByteArray> bytes = buildXlsxWorkbook({sheet});
    // A workbook that was not written is reported, not passed over.
    if (!bytes || !platform::writeFileAtomically(Filename, *bytes))
        throw ZOraZaziRarar(QStringLiteral("Cannot Create file ") + Filename);
}

} // namespace controls
