// Drags that start in the string grid: the selected cells or a column as
// an OLE drag (the drop's move empties or removes what was dragged, never
// what the drop wrote), the selection resizer that copies at the press and
// fills at the release, and the floating header of a row or column move
// with its vetoes and edge scrolling.
#include "controls/grid/base/editors/GridDrag.h"
#include "controls/grid/base/paint/ArrowWindow.h"
#include "controls/grid/model/GridExchangeState.h"
#include "controls/grid/view/GridMouseState.h"
#include "controls/grid/view/HeaderDragButton.h"
#include "platform/HandlerGuard.h"
#include "platform/ScopeGuard.h"

#include <QCursor>

#include <algorithm>
#include <cstdlib>

namespace controls {

// Follows a drag started by the grid: the picture of the cells moves with
// the pointer, and the last copy or move the target answered is kept.
class TGridDropSource : public TESGDropSource {
public:
    explicit TGridDropSource(TExStringGrid &grid) : m_grid(grid) {}
    int LastEffect() const { return m_lastEffect; }

protected:
    void CurrentEffect(int effect) override
    {
        if (effect == DROPEFFECT_MOVE || effect == DROPEFFECT_COPY)
            m_lastEffect = effect;
    }
    void QueryDrag() override
    {
        const QPoint p = QCursor::pos();
        TGridExchange &x = m_grid.exchange();
        if (x.dragDrop.ShowCells) {
            if (x.moveForm)
                x.moveForm->move(p + QPoint(4, 4));
        } else if (x.moveButton) {
            x.moveButton->move(p.x(), p.y() - x.moveButton->height());
        }
    }
    void DragEnded() override
    {
        TGridExchange &x = m_grid.exchange();
        if (x.dragDrop.ShowCells)
            x.moveForm.reset();
    }

private:
    TExStringGrid &m_grid;
    int m_lastEffect = DROPEFFECT_NONE;
};

namespace {

bool wroteCell(const TGridRect &r, int col, int row)
{
    return r.Left >= 0 && col >= r.Left && col <= r.Right && row >= r.Top && row <= r.Bottom;
}

} // namespace

bool TExStringGrid::oleDragStart(int X, int Y)
{
    TGridMouse &m = mouse();
    TGridExchange &x = exchange();
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (!m.SelectionClick || ACol < 0 || ARow < 0 || !m.MouseDownMove)
        return false;
    if (std::abs(X - m.ClickPosX) <= 3 && std::abs(Y - m.ClickPosY) <= 3)
        return false;
    if (!x.dragDrop.OleDropSource || GridState() == gsColSizing || onSelectionResizer(X, Y))
        return false;
    m.SelectionClick = false;
    const int realCol = RealColIndex(ACol);
    bool allow = true;
    if (x.dragDrop.OleColumnsOnly && ARow >= FixedRows())
        allow = false;
    else if (OnOleDrag)
        OnOleDrag(this, ARow, realCol, Cells(realCol, ARow), allow);
    if (!allow) {
        // The press becomes a range selection that follows the mouse.
        if (GridState() == gsNormal)
            setGridState(gsSelecting);
        return false;
    }

    TGridDropSource source(*this);
    if (OnOleDragStart)
        OnOleDragStart(this, ARow, realCol);
    const QPoint P = QCursor::pos();
    const bool columnDrag = ARow < FixedRows() && x.dragDrop.OleColumnDragDrop;
    const TGridRect sel = Selection();
    if (x.dragDrop.ShowCells && !x.moveForm) {
        const TGridRect shown = columnDrag
            ? TGridRect{ACol, 0, ACol, std::min(RowCount() - 1, VisibleRowCount())}
            : TGridRect{std::max(LeftCol(), sel.Left), std::max(TopRow(), sel.Top),
                        std::min(sel.Right, LeftCol() + VisibleColCount() - 1),
                        std::min(sel.Bottom, TopRow() + VisibleRowCount() - 1)};
        x.moveForm = SelectionToForm(shown);
        if (x.moveForm) {
            x.moveForm->move(P);
            x.moveForm->show();
        }
    }
    int effect = DROPEFFECT_COPY | DROPEFFECT_MOVE;
    if (columnDrag) {
        if (!x.dragDrop.ShowCells) {
            QWidget *button = HeaderDragButton();
            static_cast<THeaderDragButton *>(button)->setCaption(Cells(realCol, ARow));
            button->setGeometry(P.x(), P.y(), ColWidths(ACol), RowHeights(0));
            button->show();
        }
        const std::uint32_t result = StartColumnDragDrop(*this, source, realCol, effect, effect);
        if (result != DRAGDROP_S_CANCEL && OnOleDragStop)
            OnOleDragStop(this, effect);
        if (x.moveButton)
            x.moveButton->hide();
        x.moveForm.reset();
        return true;
    }

    x.dropSelection = sel;
    x.dragging = true;
    x.dropInsideDrag = false;
    x.droppedHere = TGridRect{-1, -1, -1, -1};
    std::optional<QByteArray> stream;
    if (AllowFmtClipboard())
        stream = SaveRectToBinStream({RealColIndex(sel.Left), sel.Top, RealColIndex(sel.Right), sel.Bottom});
    // The text of the drag is the clipboard's, quoted where a field needs
    // it, so that a drop reads back every cell.
    const std::uint32_t result =
        StartTextDragDrop(*this, source, GetSelectionAsText(), Cells(realCol, ARow), effect, effect, stream);
    x.dragging = false;
    x.moveForm.reset();
    if (result != DRAGDROP_S_CANCEL) {
        if (!x.dragDrop.OleCopyAlways && effect == DROPEFFECT_MOVE && !x.dropInsideDrag)
            oleDragMoveDone(effect);
        if (OnOleDragStop)
            OnOleDragStop(this, effect);
    }
    return true;
}

void TExStringGrid::oleDragMoveDone(int Effect)
{
    TGridExchange &x = exchange();
    const TGridRect sel = x.dropSelection;
    const TGridRect wrote = x.droppedHere;
    if (sel.Left < 0)
        return;
    if (x.dragDrop.OleRemoveRows && Options().testFlag(goRowSelect)) {
        if (m_mouseActions.DisjunctRowSelect()) {
            RemoveSelectedRows();
            return;
        }
        // From the bottom up, so that the rows above keep their places;
        // rows the drop wrote into stay.
        for (int r = sel.Bottom; r >= sel.Top; --r)
            if (!(wrote.Left >= 0 && r >= wrote.Top && r <= wrote.Bottom) && r < RowCount())
                DeleteRowRange(r, 1);
        return;
    }
    if (m_mouseActions.DisjunctRowSelect()) {
        ClearSelection();
        return;
    }
    for (int r = sel.Top; r <= sel.Bottom; ++r)
        for (int c = sel.Left; c <= sel.Right; ++c)
            if (!wroteCell(wrote, c, r))
                ClearRect(c, r, c, r);
}

// --- the selection resizer ------------------------------------------------------------------------

platform::TRect TExStringGrid::SelectionResizerRect() const
{
    const TGridRect sel = Selection();
    const platform::TRect r = CellRect(std::max(sel.Left, sel.Right), std::max(sel.Top, sel.Bottom));
    if (RightToLeft())
        return {r.Left, r.Bottom - 6, r.Left + 6, r.Bottom};
    return {r.Right - 6, r.Bottom - 6, r.Right, r.Bottom};
}

bool TExStringGrid::onSelectionResizer(int X, int Y)
{
    if (!SelectionResizer || !SelectionRectangle)
        return false;
    const platform::TRect h = SelectionResizerRect();
    return X >= h.Left && X <= h.Right && Y >= h.Top && Y <= h.Bottom;
}

bool TExStringGrid::resizerMouseDown(int X, int Y, platform::TShiftState Shift)
{
    TGridMouse &m = mouse();
    if (m.SelectMode != msResize && !onSelectionResizer(X, Y))
        return false;
    TGridExchange &x = exchange();
    const TGridRect sel = Selection();
    x.dropSelection = sel;
    CopySelectionToClipboard();
    x.mouseResize = true;
    // The selection grows from its top-left corner as the mouse drags.
    setSelection(TGridRect{sel.Right, sel.Bottom, sel.Left, sel.Top});
    setGridState(gsSelecting);
    GridMouseMove(platform::TShiftState(), X, Y);
    return true;
}

void TExStringGrid::resizerMouseUp()
{
    TGridExchange &x = exchange();
    if (!x.mouseResize)
        return;
    const TGridRect original = x.dropSelection;
    if (OnSelectionResize)
        OnSelectionResize(this, original, Selection());
    FEditDisable = true;
    platform::Finally done([&] {
        x.mouseResize = false;
        FEditDisable = false;
    });
    PasteSelectionFromClipboard();
    if (OnSelectionResized)
        OnSelectionResized(this, original, Selection());
}

// --- moving a row or a column ---------------------------------------------------------------------

// Arrows above and below a column's edge, or left and right of a row's,
// where the moved header would drop.
struct TMoveArrows {
    explicit TMoveArrows(QWidget *grid) : up(grid, arrUp), down(grid, arrDown), left(grid, arrLeft), right(grid, arrRight)
    {
    }
    void hide()
    {
        up.hide();
        down.hide();
        left.hide();
        right.hide();
    }
    TArrowWindow up, down, left, right;
};

void hideMoveFeedback(TGridExchange &x)
{
    if (x.moveButton)
        x.moveButton->hide();
    if (x.moveArrows)
        x.moveArrows->hide();
}

namespace {

// The arrows at the column's left edge (a drop before the moved one) or
// right edge, or at the row's top or bottom edge.
void showMoveArrows(TExStringGrid &g, TGridExchange &x, int moved, bool column, int ACol, int ARow)
{
    if (!x.moveArrows)
        x.moveArrows = std::make_shared<TMoveArrows>(&g);
    TMoveArrows &a = *x.moveArrows;
    a.hide();
    if (column) {
        if (ACol < g.FixedCols() || ACol >= g.ColCount() || ARow < 0)
            return;
        const platform::TRect r = g.CellRect(ACol, 0);
        const int x0 = ACol < moved ? r.Left - 5 : r.Left + g.ColWidths(ACol) - 5;
        a.up.move(g.mapToGlobal(QPoint(x0, r.Bottom)));
        a.down.move(g.mapToGlobal(QPoint(x0, r.Top - 8)));
        a.up.show();
        a.down.show();
    } else {
        if (ARow < g.FixedRows() || ARow >= g.RowCount() || ACol < 0)
            return;
        const platform::TRect r = g.CellRect(0, ARow);
        const int y0 = ARow < moved ? r.Top - 5 : r.Top + g.RowHeights(ARow) - 5;
        a.left.move(g.mapToGlobal(QPoint(r.Left - 10, y0)));
        a.right.move(g.mapToGlobal(QPoint(r.Right, y0)));
        a.left.show();
        a.right.show();
    }
}

} // namespace

QWidget *TExStringGrid::HeaderDragButton() const
{
    TGridExchange &x = exchange();
    if (!x.moveButton)
        x.moveButton = new THeaderDragButton(const_cast<TExStringGrid *>(this));
    return x.moveButton;
}

void TExStringGrid::moveFeedback(int X, int Y)
{
    TGridMouse &m = mouse();
    const TGridState state = GridState();
    const bool column = state == gsColMoving;
    if (!column && state != gsRowMoving)
        return;
    bool allow = true;
    if (column && OnColumnMove)
        OnColumnMove(this, m.MoveCell, allow);
    else if (!column && OnRowMove)
        OnRowMove(this, m.MoveCell, allow);
    if (!allow) {
        setGridState(gsNormal);
        hideMoveFeedback(exchange());
        return;
    }
    if (!FEnhRowColMove || RowCount() <= 1 || (X == m.ClickPosX && Y == m.ClickPosY))
        return;
    int ACol = -1, ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    auto *button = static_cast<THeaderDragButton *>(HeaderDragButton());
    if (column && m.MoveCell >= FixedCols()) {
        button->setCaption(Cells(RealColIndex(m.MoveCell), 0));
        button->resize(ColWidths(m.MoveCell), RowHeights(std::max(0, ARow)));
    } else if (!column && m.MoveCell >= FixedRows()) {
        button->setCaption(Cells(0, m.MoveCell));
        button->resize(ColWidths(std::max(0, ACol)), RowHeights(m.MoveCell));
    }
    button->move(mapToGlobal(QPoint(X - m.MoveOfsX, Y - m.MoveOfsY)));
    button->setEnabled(true);
    if (!button->isVisible())
        button->show();
    bool canDrop = true;
    if (column) {
        m.MoveColInd = ACol;
        m.MoveRowInd = 0;
        if (OnColumnMoving)
            OnColumnMoving(this, ACol, canDrop);
        // Columns beyond the view come in at the edges.
        if (X < FixedColsWidth() && LeftCol() > FixedCols())
            setLeftCol(LeftCol() - 1);
        else if (X > ClientWidth() && LeftCol() < MaxLeftCol())
            setLeftCol(LeftCol() + 1);
    } else {
        m.MoveColInd = 0;
        m.MoveRowInd = ARow;
        if (OnRowMoving)
            OnRowMoving(this, ARow, canDrop);
        if (Y < FixedRowsHeight() && TopRow() > FixedRows())
            setTopRow(TopRow() - 1);
        else if (Y > ClientHeight() && TopRow() < MaxTopRow())
            setTopRow(TopRow() + 1);
    }
    m.MoveCanDrop = canDrop;
    setCursor(canDrop ? Qt::DragMoveCursor : Qt::ForbiddenCursor);
    showMoveArrows(*this, exchange(), m.MoveCell, column, ACol, ARow);
}

void TExStringGrid::CancelMode()
{
    const TGridState state = GridState();
    if ((state != gsColMoving && state != gsRowMoving) || !FEnhRowColMove)
        return;
    unsetCursor();
    if (QWidget *button = exchange().moveButton)
        button->setEnabled(false);
    hideMoveFeedback(exchange());
    setGridState(gsNormal);
    mouse().MoveCanDrop = true;
}

} // namespace controls
