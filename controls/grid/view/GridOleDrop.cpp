// The string grid as a drop target. Every drop lands through the same
// paths as a paste (text through the clipboard's parser, our cells through
// the cell stream), so a drop is checked as a paste is; the drag's own
// grid refuses a drop inside the block being dragged, and remembers where
// a drop wrote, so that the end of a move never empties what it just put
// there.
#include "controls/grid/view/GridOleDrop.h"

#include "controls/grid/base/editors/GridDrag.h"
#include "controls/grid/base/paint/ArrowWindow.h"
#include "controls/grid/model/GridExchangeState.h"
#include "controls/grid/model/core/ClipboardText.h"
#include "controls/grid/model/core/GridCellsPayload.h"
#include "controls/grid/model/core/GridError.h"
#include "controls/grid/view/GridMouseState.h"
#include "platform/HandlerGuard.h"

#include <QFileInfo>
#include <QListWidget>

#include <algorithm>

namespace controls {

struct TGridDropTarget::TArrows {
    explicit TArrows(QWidget *grid) : up(grid, arrUp), down(grid, arrDown), left(grid, arrLeft) {}
    TArrowWindow up;
    TArrowWindow down;
    TArrowWindow left;
};

namespace {

bool contains(const TGridRect &r, int col, int row)
{
    return col >= r.Left && col <= r.Right && row >= r.Top && row <= r.Bottom;
}

} // namespace

TGridDropTarget::TGridDropTarget(TExStringGrid &grid) : m_grid(grid), m_arrows(std::make_unique<TArrows>(&grid)) {}

TGridDropTarget::~TGridDropTarget() = default;

QWidget *TGridDropTarget::ArrowUp() const { return &m_arrows->up; }
QWidget *TGridDropTarget::ArrowDown() const { return &m_arrows->down; }
QWidget *TGridDropTarget::ArrowLeft() const { return &m_arrows->left; }

void TGridDropTarget::hideArrows()
{
    m_arrows->up.hide();
    m_arrows->down.hide();
    m_arrows->left.hide();
    if (QWidget *button = m_grid.exchange().moveButton)
        button->hide();
}

bool TGridDropTarget::appendZone(QPoint pt, int ACol, int ARow) const
{
    const TDragDropSettings &dd = m_grid.exchange().dragDrop;
    if (ARow != -1 || DropFormats().contains(TDropFormat::dfCol) || !dd.OleEntireRows || !dd.OleAppendRows)
        return false;
    const QPoint local = m_grid.mapFromGlobal(pt);
    const int last = m_grid.RowCount() - 1;
    return last >= 0 && local.y() >= m_grid.CellRect(std::max(0, m_grid.LeftCol()), last).Bottom;
}

void TGridDropTarget::DropText(QPoint pt, const QString &text)
{
    TExStringGrid &g = m_grid;
    TGridExchange &x = g.exchange();
    const TDragDropSettings &dd = x.dragDrop;
    int ACol = -1, ARow = -1;
    g.ScreenToCell(pt, ACol, ARow);
    const bool append = appendZone(pt, ACol, ARow);
    if (append) {
        ACol = g.FixedCols();
        ARow = g.RowCount() - 1;
    }
    hideArrows();
    if (ACol < 0 || ARow < 0)
        return;
    // A drop into the block being dragged out of this grid moves nothing.
    if (x.dragging && contains(x.dropSelection, ACol, ARow)) {
        x.dropInsideDrag = true;
        return;
    }
    const TPastedSize size = countPastedText(text);
    if (g.Options().testFlag(goRowSelect))
        ACol = dd.OleEntireRows ? 0 : g.FixedCols();
    bool allow = true;
    if (g.OnOleDrop)
        g.OnOleDrop(&g, ARow, ACol, text, allow);
    if (!allow)
        return;
    if (ARow == 0 && g.FixedRowAlways() && g.RowCount() == 1)
        ARow = 1;
    int inserted = 0;
    if (dd.OleInsertRows) {
        const int top = g.TopRow();
        if (append) {
            g.setRowCount(g.RowCount() + size.rows + 1);
            ++ARow;
        } else {
            g.InsertRows(ARow, size.rows + 1);
            inserted = size.rows + 1;
        }
        const int newTop = top > g.FixedRows() ? top + 1 : top;
        if (newTop > 0)
            g.setTopRow(std::min(newTop, g.MaxTopRow()));
    }
    // The rows dragged out of this grid move down by the rows inserted
    // above them, and by nothing else.
    if (x.dragging && inserted > 0 && x.dropSelection.Top >= ARow) {
        x.dropSelection.Top += inserted;
        x.dropSelection.Bottom += inserted;
    }
    int rows = 0, cols = 0;
    g.ParseTextToCells(text, ACol, ARow, rows, cols);
    ACol = std::max(ACol, g.FixedCols());
    const int right = g.Options().testFlag(goRowSelect) ? ACol + size.cols - g.FixedCols()
                                                        : ACol + std::max(1, size.cols) - 1;
    const TGridRect dropped{ACol, ARow, std::min(right, g.ColCount() - 1), std::min(ARow + size.rows, g.RowCount() - 1)};
    g.setSelection(dropped);
    if (x.dragging)
        x.droppedHere = dropped;
    if (g.OnOleDropped)
        g.OnOleDropped(&g, dropped);
}

void TGridDropTarget::DropStream(QPoint pt, const QByteArray &stream)
{
    TExStringGrid &g = m_grid;
    int ACol = -1, ARow = -1;
    g.ScreenToCell(pt, ACol, ARow);
    hideArrows();
    if (ACol < 0 || ARow < 0 || !isCellStream(stream))
        return;
    TGridExchange &x = g.exchange();
    if (x.dragging && contains(x.dropSelection, ACol, ARow)) {
        x.dropInsideDrag = true;
        return;
    }
    g.LoadAtPointFromBinStream(QPoint(ACol, ARow), stream);
    if (x.dragging)
        x.droppedHere = TGridRect{ACol, ARow, ACol + (x.dropSelection.Right - x.dropSelection.Left),
                                  ARow + (x.dropSelection.Bottom - x.dropSelection.Top)};
    if (g.OnOleDropped)
        g.OnOleDropped(&g, g.Selection());
}

void TGridDropTarget::DropCol(QPoint pt, int col)
{
    TExStringGrid &g = m_grid;
    TGridExchange &x = g.exchange();
    int ACol = -1, ARow = -1;
    g.ScreenToCell(pt, ACol, ARow);
    if (ACol < 0)
        ACol = g.ColCount();
    hideArrows();
    auto moveTo = [&](int from, int to) {
        if (from == to || from < 0 || to < 0 || from >= g.ColCount() || to >= g.ColCount())
            return;
        const bool enhanced = g.EnhRowColMove();
        g.setEnhRowColMove(true);
        g.MoveColumn(from, to);
        g.setEnhRowColMove(enhanced);
    };
    if (x.oleDragCol != -1) {
        if (auto *list = qobject_cast<QListWidget *>(x.oleDragList.data());
            list && x.oleDragIndex >= 0 && x.oleDragIndex < list->count())
            delete list->takeItem(x.oleDragIndex);
        const int position = std::max(0, g.ColumnPosition(x.oleDragCol));
        const int real = g.ColumnAtPosition(position);
        g.UnHideColumn(real);
        if (ACol >= 0)
            moveTo(g.DisplColIndex(real), std::min(ACol, g.ColCount() - 1));
        x.oleDragCol = -1;
    } else if (x.dragDrop.OleColumnReorder) {
        const int target = std::min(ACol, g.ColCount() - 1);
        moveTo(g.DisplColIndex(col), target);
    }
    if (g.OnOleDropCol)
        g.OnOleDropCol(&g, ARow, ACol, col);
}

void TGridDropTarget::dropIntoCell(QPoint pt, const QString &text, const TCellDropEvent &ask)
{
    TExStringGrid &g = m_grid;
    int ACol = -1, ARow = -1;
    g.ScreenToCell(pt, ACol, ARow);
    hideArrows();
    if (ACol < 0 || ARow < 0)
        return;
    bool allow = true;
    if (ask)
        ask(&g, ARow, ACol, text, allow);
    if (allow)
        g.setCells(g.RealColIndex(ACol), ARow, text);
}

void TGridDropTarget::DropRTF(QPoint pt, const QString &rtf) { dropIntoCell(pt, rtf, m_grid.OnOleDrop); }

void TGridDropTarget::DropURL(QPoint pt, const QString &text) { dropIntoCell(pt, text, m_grid.OnOleDropURL); }

void TGridDropTarget::DropFiles(QPoint pt, const QStringList &files)
{
    TExStringGrid &g = m_grid;
    hideArrows();
    if (files.size() != 1)
        return;
    const QString &name = files.front();
    int ACol = -1, ARow = -1;
    g.ScreenToCell(pt, ACol, ARow);
    bool allow = true;
    if (g.OnOleDropFile)
        g.OnOleDropFile(&g, ARow, ACol, name, allow);
    if (!allow)
        return;
    // The kind of file is its extension, not a letter sequence anywhere in
    // its name ("data.csv.bak" is no CSV file).
    const QString suffix = QFileInfo(name).suffix().toLower();
    const bool csv = suffix == QStringLiteral("csv");
    const bool xls = suffix == QStringLiteral("xls");
    if (!csv && !xls)
        return;
    if (g.OnOleDrop)
        g.OnOleDrop(&g, -1, -1, name, allow);
    if (!allow)
        return;
    try {
        if (csv)
            g.LoadFromCSV(name, -1);
        else
            // Spreadsheets load through the spreadsheet program's automation,
            // which this platform has not.
            throw ZOraZaziRarar(QStringLiteral("Excel OLE server not found"));
    } catch (const std::exception &e) {
        if (g.DropErrorReporter)
            g.DropErrorReporter(QString::fromUtf8(e.what()));
        else
            platform::reportEscapedError(&e);
    }
}

void TGridDropTarget::DragMouseMove(QPoint pt, bool &allow, TDropFormats formats)
{
    TExStringGrid &g = m_grid;
    int ACol = -1, ARow = -1;
    g.ScreenToCell(pt, ACol, ARow);
    const QPoint local = g.mapFromGlobal(pt);
    bool append = appendZone(pt, ACol, ARow);
    if (append) {
        ACol = g.FixedCols();
        ARow = g.RowCount() - 1;
    }
    const bool columns = formats.contains(TDropFormat::dfCol);
    allow = ACol >= 0 && ARow >= 0;
    if (allow && !columns) {
        if ((ARow == 0 && g.TopRow() > g.FixedRows()) || (local.y() < 8 && g.FixedRows() == 0 && g.TopRow() > 0))
            g.setTopRow(g.TopRow() - 1);
        else if (ARow == g.TopRow() + g.VisibleRowCount() && g.TopRow() < g.MaxTopRow())
            g.setTopRow(g.TopRow() + 1);
        TGridMouse &m = g.mouse();
        if (m.TimerTicks % 2 == 0) {
            ++m.TimerTicks;
            if (ACol == 0 && g.LeftCol() > g.FixedCols())
                g.setLeftCol(g.LeftCol() - 1);
            else if (ACol == g.LeftCol() + g.VisibleColCount() && g.LeftCol() < g.MaxLeftCol())
                g.setLeftCol(g.LeftCol() + 1);
        }
    }
    if (!columns) {
        if (ARow >= 0 && ARow < g.FixedRows() && !(g.RowCount() == 1 && g.FixedRowAlways()))
            allow = false;
    } else if (ACol < 0 || ARow < 0) {
        ACol = g.ColCount();
        ARow = 0;
        allow = true;
    } else {
        allow = ARow < g.FixedRows() && ACol >= g.FixedCols();
    }
    if (formats.contains(TDropFormat::dfFile) || formats.contains(TDropFormat::dfGridCells))
        allow = allow || (ACol >= 0 && ARow >= 0);
    if (g.OnOleDragOver)
        g.OnOleDragOver(&g, ARow, ACol, allow);
    allow = allow && ((ACol >= 0 && ARow >= 0) || formats.contains(TDropFormat::dfFile));

    if (allow && columns) {
        const int c = std::min(ACol, g.ColCount() - 1);
        const platform::TRect r = g.CellRect(c, 0);
        m_arrows->down.move(g.mapToGlobal(QPoint(r.Left, r.Top - 8)));
        m_arrows->up.move(g.mapToGlobal(QPoint(r.Left, r.Bottom)));
        m_arrows->down.show();
        m_arrows->up.show();
        m_arrows->left.hide();
    } else if (allow && ACol >= 0 && ARow >= 0) {
        if (ARow == 0 && g.FixedRowAlways()) {
            ARow = 1;
            append = false;
        }
        const int refCol = g.exchange().dragDrop.OleEntireRows ? g.FixedCols() : ACol;
        const platform::TRect r = g.CellRect(refCol, std::min(ARow, g.RowCount() - 1));
        const int y = append ? r.Top + g.RowHeights(std::min(ARow, g.RowCount() - 1)) : r.Top;
        m_arrows->left.move(g.mapToGlobal(QPoint(r.Left - 10, y)));
        m_arrows->left.show();
        m_arrows->up.hide();
        m_arrows->down.hide();
    } else {
        m_arrows->up.hide();
        m_arrows->down.hide();
        m_arrows->left.hide();
    }
}

void TGridDropTarget::DragMouseLeave()
{
    m_arrows->up.hide();
    m_arrows->down.hide();
    m_arrows->left.hide();
}

// --- the grid's side ------------------------------------------------------------------------------

TDragDropSettings &TExStringGrid::DragDropSettings()
{
    TGridExchange &x = exchange();
    if (!x.dragDrop.OnDropTargetChange)
        x.dragDrop.OnDropTargetChange = [this](bool on) {
            TGridExchange &ex = exchange();
            if (on && !ex.dropTarget) {
                ex.dropTarget = std::make_shared<TGridDropTarget>(*this);
                ex.dropAdapter = new TDropTargetAdapter(*this, *ex.dropTarget);
            } else if (!on && ex.dropTarget) {
                // The registration is revoked: the widget takes no drops.
                delete ex.dropAdapter.data();
                setAcceptDrops(false);
                ex.dropTarget.reset();
            }
            if (ex.dropTarget) {
                ex.dropTarget->AcceptText = ex.dragDrop.OleAcceptText;
                ex.dropTarget->AcceptFiles = ex.dragDrop.OleAcceptFiles;
                ex.dropTarget->AcceptURLs = ex.dragDrop.OleAcceptURLs;
                ex.dropTarget->AcceptCols = true;
            }
        };
    return x.dragDrop;
}

TGridDropTarget *TExStringGrid::GridDropTarget() const { return exchange().dropTarget.get(); }

void TExStringGrid::OleColumnDragStart(int ACol, int AIndex, QWidget *AList)
{
    TGridExchange &x = exchange();
    x.oleDragCol = ACol;
    x.oleDragIndex = AIndex;
    x.oleDragList = qobject_cast<QListWidget *>(AList);
}

} // namespace controls
