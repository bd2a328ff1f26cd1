#pragma once
// A spreadsheet workbook written as an .xlsx file (through libxlsxwriter),
// for the grid's export when no spreadsheet program runs. A text that is a
// number written the way the number prints goes in as a number, as a
// spreadsheet turns typed digits into numbers; any other text ("007",
// "1.50", a date) stays text, so nothing the grid holds is changed.
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

namespace controls {

struct TXlsxSheet {
    QString name;
    // One list per row from the sheet's first row, one text per column from
    // column A; empty texts leave their cells empty.
    std::vector<QStringList> rows;
};

// The reason a sheet name cannot be used (empty, longer than 31
// characters, holding one of []:*?/\ or starting or ending with '); none
// for a good one.
std::optional<QString> xlsxSheetNameFault(const QString &name);

// The number a cell text stands for, when it is written the way that
// number prints.
std::optional<double> xlsxNumberOf(const QString &text);

// The workbook's bytes, its sheets in order; on failure none, and *error
// (when given) says why.
std::optional<QByteArray> buildXlsxWorkbook(const std::vector<TXlsxSheet> &sheets, QString *error = nullptr);

} // namespace controls
