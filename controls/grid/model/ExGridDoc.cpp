// Document export without a word processor: a new ".odt" document holds the
// grid's own text and then its cells as a table, as the program's automation
// would have filled a new document; appending, and any other file, fails as
// a missing server does, before anything changes.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/GridError.h"
#include "platform/AtomicFile.h"
#include "platform/ui/BusyCursor.h"

#include <QBuffer>
#include <QFileInfo>
#include <QTextBlockFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentWriter>
#include <QTextTable>

namespace controls {

namespace {

const QString kNoWord = QStringLiteral("Word OLE server not found");

bool isNewDocument(const QString &Filename)
{
    return Filename.endsWith(QStringLiteral(".odt"), Qt::CaseInsensitive) && !QFileInfo::exists(Filename);
}

Qt::Alignment paragraphAlignment(TAlignment ha)
{
    switch (ha) {
    case taRightJustify:
        return Qt::AlignRight;
    case taCenter:
        return Qt::AlignHCenter;
    default:
        return Qt::AlignLeft;
    }
}

} // namespace

void TExStringGrid::SaveToDOC(const QString &Filename, bool CreateNewDocument)
{
    // Where no word processor runs no document is active: a new one is made
    // either way.
    Q_UNUSED(CreateNewDocument);
    const platform::BusyCursor busy;
    if (!isNewDocument(Filename))
        throw ZOraZaziRarar(kNoWord);

    QTextDocument document;
    QTextCursor cursor(&document);
    cursor.insertText(windowTitle());
    cursor.insertBlock();
    const int rows = RowCount();
    const int cols = ColCount();
    QTextTable *table = rows > 0 && cols > 0 ? cursor.insertTable(rows, cols) : nullptr;
    ExportNotification(esExportStart, 0);
    for (int d = 1; d <= rows && table; ++d) {
        ExportNotification(esExportNextRow, d);
        for (int g = 1; g <= cols; ++g) {
            const int realCol = RealColIndex(g - 1);
            QString text;
            DoSaveCell(realCol, d - 1, text);
            TAlignment ha = taLeftJustify;
            TVAlignment va = vtaTop;
            ResolveCellAlignment(realCol, d - 1, ha, va);
            QTextCursor cell = table->cellAt(d - 1, g - 1).firstCursorPosition();
            QTextBlockFormat format = cell.blockFormat();
            format.setAlignment(paragraphAlignment(ha));
            cell.setBlockFormat(format);
            // Line breaks stay breaks inside the cell's one paragraph.
            QString lines = text;
            lines.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
            lines.replace(u'\r', u'\n');
            lines.replace(u'\n', QChar::LineSeparator);
            cell.insertText(lines);
        }
    }
    ExportNotification(esExportDone, -1);

    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QTextDocumentWriter writer(&buffer, "odf");
    if (!writer.write(&document) || !platform::writeFileAtomically(Filename, bytes))
        throw ZOraZaziRarar(QStringLiteral("Cannot Create file ") + Filename);
}

void TExStringGrid::AppendToDoc(const QString &Filename, const QString &Bookmark)
{
    Q_UNUSED(Filename);
    Q_UNUSED(Bookmark);
    const platform::BusyCursor busy;
    throw ZOraZaziRarar(kNoWord);
}

} // namespace controls
