// Copying, cutting and pasting cells: the range as tab and line text (and
// as rich text and our own cell stream when allowed), the whole grid as
// HTML, and pastes of any of them. Fields travel quoted where they would
// not read back (core/ClipboardText.h), so a paste gives back every cell.
#include "controls/grid/model/GridExchangeState.h"

#include "controls/grid/base/CellText.h"
#include "controls/grid/base/LineBreaks.h"
#include "controls/grid/base/widget/ExGridUndoRedo.h"
#include "controls/grid/model/GridSelection.h"
#include "controls/grid/model/core/ClipboardText.h"
#include "controls/grid/model/core/ComponentStream.h"
#include "controls/grid/model/core/GridCellsPayload.h"
#include "controls/grid/model/core/RichText.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/ScopeGuard.h"

#include <QApplication>
#include <QClipboard>
#include <QMimeData>

#include <algorithm>

namespace controls {

namespace {

QClipboard &clipboard() { return *QApplication::clipboard(); }

// Every cell a cut or a paste changes undoes as one step.
auto undoSequence(TExGridUndoRedo *undo)
{
    if (undo)
        undo->StartSequence();
    return platform::Finally([undo] {
        if (undo)
            undo->StopSequence();
    });
}

// The size and origin the header of a cell stream gives.
struct TStreamHeader {
    int cols = 0;
    int rows = 0;
    int id = 0;
};

TStreamHeader readStreamHeader(QByteArrayView stream)
{
    TStreamHeader h;
    TComponentReader reader(stream);
    TPropertyList properties;
    reader.readRecord(properties);
    for (const TStreamProperty &p : properties) {
        const int v = int(std::clamp<std::int64_t>(p.value.integer, 0, 1 << 24));
        if (p.name == "ColCount")
            h.cols = v;
        else if (p.name == "RowCount")
            h.rows = v;
        else if (p.name == "ID")
            h.id = v;
    }
    return h;
}

} // namespace

TGridExchange &TExStringGrid::exchange() const
{
    if (!m_exchange)
        m_exchange = std::make_shared<TGridExchange>();
    return *m_exchange;
}

QPoint TExStringGrid::ClipTopLeft() const { return exchange().clipTopLeft; }
TExStringGrid::TClipOperation TExStringGrid::ClipLastOp() const { return exchange().clipLastOp; }

// --- copying -----------------------------------------------------------------------------------------

QString TExStringGrid::RangeText(const platform::TRect &R, bool Disjunct)
{
    TGridExchange &x = exchange();
    x.clipTopLeft = QPoint(R.Left, R.Top);
    const bool skipRows = Disjunct && m_mouseActions.DisjunctRowSelect() && !m_mouseActions.DisjunctColSelect();
    const bool skipCols = Disjunct && m_mouseActions.DisjunctColSelect();
    std::vector<int> cols; // real columns, looked up once
    for (int c = R.Left; c <= R.Right; ++c)
        if (!skipCols || TGridSelection::flag(m_selection->colSelect, c))
            cols.push_back(RealColIndex(c));
    ExportNotification(esExportStart, -1);
    std::vector<QString> fields;
    fields.reserve(std::size_t(std::max(0, R.Bottom - R.Top + 1)) * cols.size());
    int rows = 0;
    for (int r = R.Top; r <= R.Bottom; ++r) {
        if (skipRows
            && !TGridSelection::flag(m_selection->rowSelect, m_mouseActions.RowSelectPersistent ? RealRowIndex(r) : r))
            continue;
        ExportNotification(esExportNewRow, r);
        ++rows;
        for (const int real : cols) {
            // The save hook reads the cell itself, as every export does.
            QString t;
            DoSaveCell(real, r, t);
            if (t.startsWith(QLatin1String("|\\")))
                t = DecodeWideCellText(t);
            if (!m_navigation.CopyHTMLTagsToClipboard && t.contains(QLatin1String("</")))
                t = GetStrippedCell(real, r);
            else if (isRichText(t))
                t = richCellPlainText(t);
            // The one-line form a spreadsheet reads as one cell.
            if (ExcelClipboardFormat && t.contains(u'\r'))
                t.replace(QStringLiteral("\r\n"), QString(QChar(11)));
            fields.push_back(std::move(t));
        }
    }
    ExportNotification(esExportDone, -1);
    if (cols.empty())
        return {};
    return joinClipboardFields(fields, int(cols.size()), rows > 1);
}

void TExStringGrid::copyRangeToClipboard(const platform::TRect &R, bool Disjunct)
{
    auto data = std::make_unique<QMimeData>();
    data->setText(RangeText(R, Disjunct));
    if (m_navigation.AllowRTFClipboard) {
        const QString topLeft = Cells(RealColIndex(R.Left), R.Top);
        if (topLeft.contains(QStringLiteral("{\\")))
            data->setData(mime::RichText, topLeft.toLatin1());
    }
    if (AllowFmtClipboard()) {
        const platform::TRect real{RealColIndex(R.Left), R.Top, RealColIndex(R.Right), R.Bottom};
        data->setData(GridCellsMimeType(), gridCellsPayload(SaveRectToBinStream(real)));
    }
    clipboard().setMimeData(data.release());
}

void TExStringGrid::widenSelectionOverMerges()
{
    const TGridRect sel = normalisedGridRect(Selection());
    TGridRect wide = sel;
    const TGridRect first = FullCell(sel.Left, sel.Top);
    const TGridRect last = FullCell(sel.Right, sel.Bottom);
    wide.Left = std::min(wide.Left, first.Left);
    wide.Top = std::min(wide.Top, first.Top);
    wide.Right = std::max(wide.Right, last.Right);
    wide.Bottom = std::max(wide.Bottom, last.Bottom);
    if (wide.Left != sel.Left || wide.Top != sel.Top || wide.Right != sel.Right || wide.Bottom != sel.Bottom)
        setSelection(wide);
}

void TExStringGrid::CopySelectionToClipboard()
{
    widenSelectionOverMerges();
    const TGridRect sel = normalisedGridRect(Selection());
    if (m_mouseActions.DisjunctRowSelect() && !AllowFmtClipboard())
        copyRangeToClipboard({FixedCols(), SaveStartRow(), ColCount() - FixedRightCols() - 1, SaveEndRow()}, true);
    else if (m_mouseActions.DisjunctColSelect() && !AllowFmtClipboard())
        copyRangeToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, true);
    else
        copyRangeToClipboard({sel.Left, sel.Top, sel.Right, sel.Bottom}, false);
    exchange().clipLastOp = coCopy;
}

void TExStringGrid::CopyToClipBoard()
{
    copyRangeToClipboard({SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()}, false);
    exchange().clipLastOp = coCopy;
}

void TExStringGrid::CopyToClipBoardAsHTML()
{
    const QString html = SaveToHTMLString(QString());
    auto data = std::make_unique<QMimeData>();
    // The platform's HTML is UTF-8; the text twin is the same markup.
    data->setHtml(html);
    data->setText(html);
    clipboard().setMimeData(data.release());
}

QString TExStringGrid::GetSelectionAsText()
{
    const TGridRect sel = normalisedGridRect(Selection());
    return RangeText({sel.Left, sel.Top, sel.Right, sel.Bottom}, false);
}

// --- cutting -----------------------------------------------------------------------------------------

bool TExStringGrid::pasteAllowed(int RealCol, int ARow)
{
    return m_navigation.AllowClipboardAlways || IsEditable(RealCol, ARow);
}

void TExStringGrid::clearCutRange(const platform::TRect &R, bool freeProperties)
{
    TExGridUndoRedo *undo = UndoRedo();
    const auto sequence = undoSequence(undo);
    const bool mark = Appearance().ShowModified.Enabled;
    for (int r = R.Top; r <= R.Bottom; ++r) {
        for (int c = R.Left; c <= R.Right; ++c) {
            const int real = RealColIndex(c);
            if (!pasteAllowed(real, r))
                continue;
            if (undo)
                undo->RegisterChange({real, r, Cells(real, r), QString()});
            setCells(real, r, QString());
            if (freeProperties)
                FreeCellProperties(real, r);
        }
        if (mark)
            setRowModified(r, true);
    }
}

void TExStringGrid::CutToClipboard()
{
    const platform::TRect R{SaveStartCol(), SaveStartRow(), SaveEndCol(), SaveEndRow()};
    copyRangeToClipboard(R, false);
    clearCutRange(R, false);
    exchange().clipLastOp = coCut;
}

void TExStringGrid::CutSelectionToClipboard()
{
    const TGridRect sel = normalisedGridRect(Selection());
    CopySelectionToClipboard();
    const bool mark = Appearance().ShowModified.Enabled;
    if (m_mouseActions.DisjunctRowSelect()) {
        for (int r = FixedRows(); r < RowCount(); ++r)
            if (TGridSelection::flag(m_selection->rowSelect,
                                     m_mouseActions.RowSelectPersistent ? RealRowIndex(r) : r)) {
                ClearRows(r, 1);
                if (mark)
                    setRowModified(r, true);
            }
    } else if (m_mouseActions.DisjunctColSelect()) {
        for (int c = FixedCols(); c < ColCount(); ++c)
            if (TGridSelection::flag(m_selection->colSelect, c))
                ClearCols(c, 1);
    } else {
        clearCutRange({sel.Left, sel.Top, sel.Right, sel.Bottom}, AllowFmtClipboard());
    }
    exchange().clipLastOp = coCut;
    DoCellsChanged({sel.Left, sel.Top, sel.Right, sel.Bottom});
    if (NumHiddenColumns() > 0)
        InvalidateGrid();
}

// --- pasting -----------------------------------------------------------------------------------------

void TExStringGrid::PasteCellText(int ACol, int ARow, const QString &Value)
{
    const int c = RealColIndex(ACol);
    if (TExGridUndoRedo *undo = UndoRedo())
        undo->RegisterChange({c, ARow, Cells(c, ARow), Value});
    if (HasCheckBox(c, ARow))
        SetCheckBoxStateNotify(c, ARow, Value == CheckTrue);
    else
        setCells(c, ARow, Value);
    if (c != ACol)
        RepaintCell(ACol, ARow);
}

void TExStringGrid::MarkRowsModified(QPoint Source, const platform::TRect &Target, TClipOperation LastOp)
{
    if (!Appearance().ShowModified.Enabled)
        return;
    for (int r = std::max(0, Target.Top); r <= Target.Bottom && r < RowCount(); ++r)
        setRowModified(r, true);
}

int TExStringGrid::ParseTextToCells(const QString &Text, int ACol, int ARow, int &Rows, int &Cols)
{
    Rows = Cols = 0;
    if (ACol < 0 || ARow < 0)
        return 0;
    // FEditDisable: the selection resizer's fill, which may write without goEditing.
    if (!(Options() & goEditing) && !m_navigation.AllowClipboardAlways && !m_mouseActions.RangeSelectAndEdit
        && !FEditDisable)
        return 0;
    const TClipboardTable table = parseClipboardText(Text);
    TGridExchange &x = exchange();
    TExGridUndoRedo *undo = UndoRedo();
    const auto sequence = undoSequence(undo);
    const bool insert = m_navigation.ClipboardPasteAction == TClipboardPasteAction::paInsert;
    // The grid grows once, before a cell is written, so that every write
    // lands inside it; without growth the text is cut at the edge.
    const int lines = int(table.rows.size());
    if (ACol + table.maxFields > ColCount() && m_navigation.AllowClipboardColGrow)
        setColCount(ACol + table.maxFields);
    if (!insert && m_navigation.AllowClipboardRowGrow) {
        const int dataEnd = RowCount() - (FloatingFooter().ShowsLastRow() ? 1 : 0);
        if (ARow + lines > dataEnd)
            setRowCount(RowCount() + ARow + lines - dataEnd);
    }
    int count = 0;
    int widest = 0;
    int row = ARow;
    for (const std::vector<QString> &line : table.rows) {
        const int dataEnd = RowCount() - (FloatingFooter().ShowsLastRow() ? 1 : 0);
        if (insert && !(line.size() == 1 && line.front().isEmpty()))
            InsertRows(std::min(row, RowCount()), 1);
        else if (row >= dataEnd) {
            if (!m_navigation.AllowClipboardRowGrow)
                break;
            setRowCount(RowCount() + (row - dataEnd) + 1);
        }
        ++Rows;
        ImportNotification(x.pasteAll ? isImportNewRow : isImportSelRow, row);
        for (std::size_t i = 0; i < line.size(); ++i) {
            ++count;
            const int col = ACol + int(i);
            if (col >= ColCount())
                continue;
            const int real = RealColIndex(col);
            if (!pasteAllowed(real, row))
                continue;
            QString value = line[i];
            bool allow = true;
            const bool wide = value.startsWith(QStringLiteral("|\\"));
            if (wide) {
                QString plain = DecodeWideCellText(value);
                if (OnClipboardBeforePasteWideCell)
                    OnClipboardBeforePasteWideCell(this, col, row, plain, allow);
                value = EncodeWideCellText(plain);
            } else if (OnClipboardBeforePasteCell) {
                OnClipboardBeforePasteCell(this, col, row, value, allow);
            }
            if (!allow)
                continue;
            PasteCellText(col, row, value);
            if (wide && OnClipboardAfterPasteWideCell)
                OnClipboardAfterPasteWideCell(this, col, row, DecodeWideCellText(value));
            else if (!wide && OnClipboardAfterPasteCell)
                OnClipboardAfterPasteCell(this, col, row, value);
        }
        widest = std::max(widest, int(line.size()));
        Cols = widest; // the text's real width, not its last line's
        ++row;
    }
    if (Rows == 0)
        return count;
    const platform::TRect pasted{ACol, ARow, ACol + std::max(1, widest) - 1, ARow + Rows - 1};
    MarkRowsModified(x.clipTopLeft, pasted, x.clipLastOp);
    DoCellsChanged({RealColIndex(pasted.Left), pasted.Top, RealColIndex(std::min(pasted.Right, ColCount() - 1)),
                    pasted.Bottom});
    return count;
}

int TExStringGrid::readClipboardCells(int ACol, int ARow, int &Rows, int &Cols)
{
    Rows = Cols = 0;
    const QMimeData *data = clipboard().mimeData();
    if (!data)
        return 0;
    const TEnumFormats formats(*data);
    if (AllowFmtClipboard() && formats.HasGridCells()) {
        // The one bounded reader of our cells: a block that lies about its
        // length or holds no cell stream falls through to the text.
        if (const auto stream = cellStreamOf(formats)) {
            BeforePaste();
            const TStreamHeader h = readStreamHeader(*stream);
            const bool insert = m_navigation.ClipboardPasteAction == TClipboardPasteAction::paInsert;
            const int cols0 = ColCount();
            const int rows0 = RowCount();
            if (ACol + h.cols > ColCount() && m_navigation.AllowClipboardColGrow)
                setColCount(ACol + h.cols);
            if (insert)
                InsertRows(std::min(ARow, RowCount()), h.rows);
            else if (ARow + h.rows > RowCount() && m_navigation.AllowClipboardRowGrow)
                setRowCount(ARow + h.rows);
            try {
                LoadAtPointFromBinStream(QPoint(ACol, ARow), *stream);
            } catch (...) {
                // A stream that does not read leaves the grid as it was,
                // without the room made for it.
                if (insert)
                    RemoveRows(std::min(ARow, rows0), h.rows);
                else
                    setRowCount(rows0);
                setColCount(cols0);
                throw;
            }
            const TGridExchange &x = exchange();
            const QPoint source = h.id == GridID() ? x.clipTopLeft : QPoint(-1, -1);
            MarkRowsModified(source, {ACol, ARow, ACol + h.cols - 1, ARow + h.rows - 1}, x.clipLastOp);
            Rows = h.rows;
            Cols = h.cols;
            AfterPaste();
            return h.cols * h.rows;
        }
    }
    if (m_navigation.AllowRTFClipboard && formats.HasRTF()) {
        if (pasteAllowed(RealColIndex(ACol), ARow))
            PasteCellText(ACol, ARow, formats.RTF());
        Rows = Cols = 1;
        return 0;
    }
    if (formats.HasText())
        return ParseTextToCells(formats.Text(), ACol, ARow, Rows, Cols);
    return 0;
}

void TExStringGrid::PasteFromClipboard()
{
    ImportNotification(isImportStart, -1);
    exchange().pasteAll = true;
    int rows = 0, cols = 0;
    readClipboardCells(SaveStartCol(), SaveStartRow(), rows, cols);
    ImportNotification(isImportDone, -1);
    RecalcFooter();
}

void TExStringGrid::SetSelectionAsText(const QString &Value)
{
    const TGridRect sel = normalisedGridRect(Selection());
    const TClipboardTable table = parseClipboardText(Value);
    int row = sel.Top;
    int widest = 0;
    for (const std::vector<QString> &line : table.rows) {
        if (row >= RowCount())
            setRowCount(row + 1);
        if (sel.Left + int(line.size()) > ColCount())
            setColCount(sel.Left + int(line.size()));
        for (std::size_t i = 0; i < line.size(); ++i)
            SetGridCell(RealColIndex(sel.Left + int(i)), row, line[i]);
        widest = std::max(widest, int(line.size()));
        ++row;
    }
    if (row > sel.Top && widest > 0)
        DoCellsChanged({RealColIndex(sel.Left), sel.Top, RealColIndex(sel.Left + widest - 1), row - 1});
}

bool TExStringGrid::clipboardShortCut(std::uint16_t Key, platform::TShiftState Shift)
{
    if (!m_navigation.AllowClipboardShortCuts)
        return false;
    const bool ctrl = Shift.testFlag(platform::ssCtrl);
    const bool shift = Shift.testFlag(platform::ssShift);
    enum { none, cut, paste, copy } op = none;
    if (ctrl && Key == 'X')
        op = cut;
    else if (ctrl && Key == 'V')
        op = paste;
    else if (ctrl && (Key == platform::VK_INSERT || Key == 'C'))
        op = copy;
    else if (shift && Key == platform::VK_INSERT)
        op = paste;
    else if (shift && Key == platform::VK_DELETE)
        op = cut;
    if (op == none)
        return false;
    bool allow = true;
    const auto &event = op == cut ? OnClipboardCut : op == paste ? OnClipboardPaste : OnClipboardCopy;
    if (event)
        event(this, allow);
    if (!allow)
        return true;
    if (op == cut)
        CutSelectionToClipboard();
    else if (op == paste)
        PasteSelectionFromClipboard();
    else
        CopySelectionToClipboard();
    return true;
}

} // namespace controls
