#include "controls/grid/model/core/XlsxWorkbook.h"

#include <QFile>
#include <QLocale>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <memory>

namespace controls {

namespace {

// The format's own limits on a sheet.
constexpr int kMaxRows = 1048576;
constexpr int kMaxCols = 16384;
constexpr int kMaxSheetName = 31;

struct WorkbookCloser {
    void operator()(lxw_workbook *workbook) const { workbook_close(workbook); }
};

QString lxwMessage(lxw_error error)
{
    return QString::fromUtf8(lxw_strerror(error));
}

} // namespace

std::optional<QString> xlsxSheetNameFault(const QString &name)
{
    if (name.isEmpty())
        return QStringLiteral("A sheet name cannot be empty");
    if (name.size() > kMaxSheetName)
        return QStringLiteral("A sheet name has at most 31 characters: ") + name.left(40);
    for (const QChar ch : name)
        if (QStringLiteral("[]:*?/\\").contains(ch))
            return QStringLiteral("A sheet name cannot hold %1: ").arg(ch) + name;
    if (name.startsWith(u'\'') || name.endsWith(u'\''))
        return QStringLiteral("A sheet name cannot start or end with an apostrophe: ") + name;
    return std::nullopt;
}

std::optional<double> xlsxNumberOf(const QString &text)
{
    if (text.isEmpty() || text.size() > 32)
        return std::nullopt;
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || QString::number(value, 'g', QLocale::FloatingPointShortest) != text)
        return std::nullopt;
    return value;
}

std::optional<QByteArray> buildXlsxWorkbook(const std::vector<TXlsxSheet> &sheets, QString *error)
{
    const auto fail = [&](const QString &why) -> std::optional<QByteArray> {
        if (error)
            *error = why;
        return std::nullopt;
    };
    // The library writes a file of its own naming; it is read back whole.
    const QTemporaryDir folder;
    if (!folder.isValid())
        return fail(folder.errorString());
    const QString path = folder.filePath(QStringLiteral("book.xlsx"));
    const QByteArray encodedPath = QFile::encodeName(path);
    lxw_error closed = LXW_NO_ERROR;
    {
        lxw_workbook *workbook = workbook_new(encodedPath.constData());
        if (!workbook)
            return fail(QStringLiteral("The workbook cannot be made"));
        std::unique_ptr<lxw_workbook, WorkbookCloser> owned(workbook);
        for (const TXlsxSheet &sheet : sheets) {
            if (const std::optional<QString> fault = xlsxSheetNameFault(sheet.name))
                return fail(*fault);
            lxw_worksheet *worksheet = workbook_add_worksheet(workbook, sheet.name.toUtf8().constData());
            if (!worksheet)
                return fail(QStringLiteral("The sheet cannot be added: ") + sheet.name);
            if (sheet.rows.size() > size_t(kMaxRows))
                return fail(QStringLiteral("More rows than a sheet holds"));
            for (size_t r = 0; r < sheet.rows.size(); ++r) {
                const QStringList &row = sheet.rows[r];
                if (row.size() > kMaxCols)
                    return fail(QStringLiteral("More columns than a sheet holds"));
                for (qsizetype c = 0; c < row.size(); ++c) {
                    const QString &text = row[c];
                    if (text.isEmpty())
                        continue;
                    const std::optional<double> number = xlsxNumberOf(text);
                    const lxw_error written
                        = number ? worksheet_write_number(worksheet, lxw_row_t(r), lxw_col_t(c), *number, nullptr)
                                 : worksheet_write_string(worksheet, lxw_row_t(r), lxw_col_t(c),
                                                          text.toUtf8().constData(), nullptr);
                    if (written != LXW_NO_ERROR)
                        return fail(lxwMessage(written));
                }
            }
        }
        closed = workbook_close(owned.release());
    }
    if (closed != LXW_NO_ERROR)
        return fail(lxwMessage(closed));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return fail(file.errorString());
    return file.readAll();
}

} // namespace controls
