// The grid's simple XML form: one element per row, one child per cell
// (core/GridXml.h); reading takes any XML document, nesting levels into
// rows when asked.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/model/core/GridXml.h"
#include "controls/grid/model/core/NativeTextFile.h"
#include "platform/AtomicFile.h"
#include "platform/FileRead.h"
#include "platform/ScopeGuard.h"

#include <QFileInfo>

#include <cmath>

namespace controls {

namespace {

// The bytes of the file in its declared encoding: UTF-8, or Latin-1 with a
// character reference for every character Latin-1 lacks.
QByteArray encodeXml(const QString &text, const QString &encoding)
{
    if (encoding.compare(QStringLiteral("UTF-8"), Qt::CaseInsensitive) == 0)
        return text.toUtf8();
    QByteArray bytes;
    bytes.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const char32_t u = text[i].isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()
                               ? QChar::surrogateToUcs4(text[i], text[i + 1])
                               : text[i].unicode();
        if (u > 0xFFFF)
            ++i;
        if (u < 0x100)
            bytes.append(char(u));
        else
            bytes.append("&#" + QByteArray::number(quint32(u)) + ';');
    }
    return bytes;
}

// Where the walk of a document stands.
struct TXmlWalk {
    TExStringGrid &grid;
    bool levelToRow;
    bool loadFieldDescr;
    bool headerRow; // SaveFixedCells or SaveFixedRows
    int colBase;
    int rowBase;
    int colOffset = 0;
    int rowOffset = 0;
    int level = 1;
    int highestCol;
    int highestRow;

    int col() const { return colBase + colOffset; }
    int row() const { return rowBase + rowOffset; }

    // Grows the grid to hold the current cell; false when the document
    // spreads wider or deeper than a grid can be.
    bool reach()
    {
        const int c = col();
        const int r = row();
        if (c < 0 || r < 0 || c >= MaxNativeFileCols || r >= MaxNativeFileRows)
            return false;
        if (c >= grid.ColCount())
            grid.setColCount(c + 1);
        if (r >= grid.RowCount())
            grid.setRowCount(r + 1);
        return true;
    }

    void store(const QString &text)
    {
        if (!reach())
            return;
        grid.DoLoadCell(col(), row(), text);
        highestCol = std::max(highestCol, col());
        highestRow = std::max(highestRow, row());
    }

    // A name into row 0 above the current cell, unless a header is there.
    void header(const QString &name)
    {
        if (reach() && grid.Cells(col(), 0).isEmpty())
            grid.DoLoadCell(col(), 0, name);
    }

    void walk(const TXmlNode &node)
    {
        bool startedRow = false;
        if (!node.isText) {
            for (const auto &[name, value] : node.attributes) {
                if (headerRow)
                    header(name);
                store(unescapeXmlCellText(value));
                ++colOffset;
            }
            if (levelToRow && !node.attributes.empty()) {
                ++rowOffset;
                colOffset = level;
                startedRow = true;
            }
        }
        if (node.children.size() > 1) {
            if (levelToRow && !startedRow) {
                ++rowOffset;
                colOffset = 0;
            }
            ++level;
            for (const TXmlNode &child : node.children)
                walk(child);
        } else if (node.children.empty() && !node.isText) {
            store(QString());
            ++colOffset;
        } else {
            if (headerRow && loadFieldDescr && !node.isText)
                header(node.name);
            QString text = unescapeXmlCellText(node.allText());
            if (grid.QuoteEmptyCells && text == QStringLiteral("\"\""))
                text.clear();
            store(text);
            ++colOffset;
        }
    }
};

} // namespace

void TExStringGrid::SaveToXML(const QString &FileName, const QString &ListDescr, const QString &RecordDescr,
                              const QStringList *FieldDescr, bool ExportEmptyCells)
{
    const int hidden = SaveHiddenCells ? NumHiddenColumns() : 0;
    const int startCol = SaveStartCol();
    const int endCol = SaveEndCol() + hidden;
    const QString crlf = QStringLiteral("\r\n");
    QString text = QStringLiteral("<?xml version=\"1.0\" encoding=\"%1\" ?>").arg(XMLEncoding) + crlf;
    text += u'<' + ListDescr + u'>' + crlf;
    ExportNotification(esExportStart, SaveStartRow());
    int last = -1;
    for (int r = SaveStartRow(); r <= SaveEndRow(); ++r) {
        ExportNotification(esExportNextRow, r);
        text += u'<' + RecordDescr + u'>' + crlf;
        for (int c = startCol; c <= endCol; ++c) {
            // A shown column is read where it lies in the store.
            const int real = hidden > 0 ? c : RealColIndex(c);
            if (!IsBaseCell(real, r))
                continue;
            QString value;
            DoSaveCell(real, r, value);
            if (value.isEmpty() && !ExportEmptyCells)
                continue;
            if (value.isEmpty() && QuoteEmptyCells)
                value = QStringLiteral("\"\"");
            const int i = c - startCol;
            const QString tag = FieldDescr && i < FieldDescr->size() ? FieldDescr->at(i)
                                                                     : QStringLiteral("FIELD%1").arg(i);
            text += u'<' + tag + u'>' + escapeXmlCellText(value) + QStringLiteral("</") + tag + u'>' + crlf;
        }
        text += QStringLiteral("</") + RecordDescr + u'>' + crlf;
        fireFileProgress(int(std::lround(100.0 * (r - SaveStartRow()) / std::max(1, SaveEndRow() - SaveStartRow()))),
                         last);
    }
    text += QStringLiteral("</") + ListDescr + u'>' + crlf;
    ExportNotification(esExportDone, -1);
    if (!platform::writeFileAtomically(FileName, encodeXml(text, XMLEncoding)))
        throw ZOraZaziRarar(QStringLiteral("Cannot Create file ") + FileName);
}

void TExStringGrid::LoadFromXML(const QString &FileName, bool LevelToRow, bool LoadFieldDescr)
{
    // The footer follows what was loaded, also when a load hook raised.
    const platform::Finally recalc([this] { RecalcFooter(); });
    if (!QFileInfo(FileName).isFile())
        throw platform::Error(QStringLiteral("XML file not found"));
    const platform::FileRead read = platform::readWholeFile(FileName);
    if (!read.ok())
        throw platform::Error(QStringLiteral("XML file not found"));
    TXmlParseError error;
    const auto root = parseXmlTree(read.bytes, error);
    if (!root)
        throw platform::Error(QStringLiteral("XMLDOM Parsing error %1 on line %2").arg(error.code).arg(error.line));

    const bool headerRow = SaveFixedCells || SaveFixedRows;
    const int rowBase = headerRow && !LoadFieldDescr ? 0 : FixedRows();
    TXmlWalk walk{*this, LevelToRow, LoadFieldDescr, headerRow, SaveStartCol(), rowBase, 0, 0, 1, SaveStartCol(), rowBase};
    for (std::size_t i = 0; i < root->children.size(); ++i) {
        const TXmlNode &child = root->children[i];
        walk.colOffset = 0;
        walk.level = 1;
        if (LevelToRow && i == 0 && child.attributes.empty())
            walk.rowOffset = -1;
        walk.walk(child);
        if (!LevelToRow)
            ++walk.rowOffset;
    }
    setColCount(walk.highestCol + 1);
    setRowCount(walk.highestRow + 1);
}

} // namespace controls
