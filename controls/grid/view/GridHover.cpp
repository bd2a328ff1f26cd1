// The mouse resting over the grid: the hovered row, the hot fixed cell and
// its drop-down button, the list-view header, links entered and left, and
// closing a hint or balloon that belongs to another cell. Each change
// repaints the cells it concerns and no others.
#include "controls/grid/base/CellText.h"
#include "controls/grid/base/html/DrawHtmlText.h"
#include "controls/grid/view/GridHoverState.h"
#include "controls/grid/view/GridMouseState.h"
#include "controls/grid/view/HintWindow.h"

#include "platform/HandlerGuard.h"

#include <QCursor>
#include <QMenu>

namespace controls {

TGridHover &TExStringGrid::hover() const
{
    if (!m_hover) {
        m_hover = std::make_shared<TGridHover>();
        auto *grid = const_cast<TExStringGrid *>(this);
        m_hover->Balloon.OnEnableChange = [grid] {
            if (grid->Loading())
                return;
            if (grid->Balloon().Enable())
                grid->BalloonInit();
            else
                grid->BalloonDone();
        };
    }
    return *m_hover;
}

TExStringGrid::THoverFixedCells TExStringGrid::HoverFixedCells() const { return hover().HoverFixedCells; }
void TExStringGrid::setHoverFixedCells(THoverFixedCells Value) { hover().HoverFixedCells = Value; }
TGridCoord TExStringGrid::HoverFixedCell() const { return hover().HoverFixed; }
bool TExStringGrid::FixedCellPressed() const { return mouse().MouseDownMove; }
bool TExStringGrid::FixedDropDownPressed() const { return hover().DropDownDown; }
bool TExStringGrid::DoCanShowFixedDropDown(int ACol) { return true; }
QMenu *TExStringGrid::FixedDropDownMenu() const { return hover().FixedDropDownMenu; }
void TExStringGrid::setFixedDropDownMenu(QMenu *AMenu) { hover().FixedDropDownMenu = AMenu; }

bool TExStringGrid::IsHoverFixedCell(int ACol, int ARow)
{
    if (ACol < 0 || ARow < 0)
        return false;
    switch (hover().HoverFixedCells) {
    case hfAll:
        return ACol < FixedCols() || ARow < FixedRows();
    case hfFixedRows:
        return ARow < FixedRows();
    case hfFixedColumns:
        return ACol < FixedCols();
    case hfNone:
        break;
    }
    return false;
}

void TExStringGrid::repaintFixedCell(int ACol, int ARow)
{
    if (ACol >= 0 && ARow >= 0 && ACol < ColCount() && ARow < RowCount() && (ACol < FixedCols() || ARow < FixedRows()))
        InvalidateCell(ACol, ARow);
}

void TExStringGrid::hoverMouseMove(int X, int Y)
{
    TGridHover &h = hover();
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    const TGridCoord here{ACol, ARow};
    const bool onCell = ACol >= 0 && ARow >= 0;

    if (onCell && HoverRow() && ARow != FHoverRowIdx) {
        const int old = FHoverRowIdx;
        FHoverRowIdx = ARow;
        InvalidateRow(ARow);
        if (old >= 0 && old < RowCount())
            InvalidateRow(old);
    }
    if (h.HoverFixedCells != hfNone && !h.NoMouseLeave && !(here == h.HoverFixed)) {
        const TGridCoord old = h.HoverFixed;
        h.HoverFixed = here;
        repaintFixedCell(old.X, old.Y);
        repaintFixedCell(ACol, ARow);
    }
    if (Look() == glListView && !(here == h.HotFixedCell)) {
        repaintFixedCell(h.HotFixedCell.X, h.HotFixedCell.Y);
        h.HotFixedCell = here;
        repaintFixedCell(ACol, ARow);
    }
    fixedSizingDetect(X, Y, ACol, ARow);
    hoverLink(X, Y, ACol, ARow);

    // A hint or balloon of another cell closes; within a merged area it stays.
    TGridCoord base{-1, -1};
    if (onCell) {
        const TGridCoord b = BaseCell(RealColIndex(ACol), ARow);
        base = {DisplColIndex(b.X), b.Y};
    }
    if (h.LastHintPos.X >= 0 && !(base == h.LastHintPos)) {
        CancelHint();
        h.LastHintPos = {-1, -1};
    }
    if (h.Balloon.Enable() && h.LastBalloonPos.X >= 0 && !(base == h.LastBalloonPos)) {
        hideBalloon();
        h.LastBalloonPos = {-1, -1};
    }
}

// Links of mini-HTML cells: entering and leaving an anchor, the anchor's
// hint, and the underlined link under the mouse.
void TExStringGrid::hoverLink(int X, int Y, int ACol, int ARow)
{
    TGridHover &h = hover();
    const TGridAppearance &look = Appearance();
    QString anchor;
    int link = -1;
    bool htmlCell = false;
    if (ACol >= 0 && ARow >= 0) {
        const int realCol = RealColIndex(ACol);
        const QString text = Cells(realCol, ARow);
        htmlCell = GetCellTextKind(text, look.EnableHTML) == ckHtml;
        if (htmlCell) {
            THtmlDrawResult result;
            if (htmlHitTest(realCol, ARow, text, CellRect(ACol, ARow), X, Y, result)) {
                anchor = result.HitAnchor;
                link = result.HitAnchorIndex;
                QString hint = result.HitAnchorTitle;
                if (hint.isEmpty() && OnAnchorHint)
                    OnAnchorHint(this, ARow, ACol, hint);
                if (hint != h.LastAnchorHint && !h.LastAnchorHint.isEmpty() && anchor != h.Anchor) {
                    h.LastAnchorHint = hint;
                    CancelHint();
                }
            }
        }
    }
    if (look.URLUnderlineOnHover) {
        const TGridCoord here{ACol, ARow};
        const bool changed = !(here == h.HoverCell) || link != h.HoverLink;
        if (changed) {
            if (h.HoverCell.X >= 0 && h.HoverCell.Y >= 0)
                InvalidateCell(h.HoverCell.X, h.HoverCell.Y);
            h.HoverCell = htmlCell ? here : TGridCoord{-1, -1};
            h.HoverLink = htmlCell ? link : -1;
            if (htmlCell)
                InvalidateCell(ACol, ARow);
        }
    }
    if (!anchor.isEmpty() && anchor != h.Anchor) {
        if (!h.Anchor.isEmpty() && OnAnchorExit)
            OnAnchorExit(this, ARow, ACol, h.Anchor);
        h.Anchor = anchor;
        if (OnAnchorEnter)
            OnAnchorEnter(this, ARow, ACol, anchor);
    } else if (anchor.isEmpty() && !h.Anchor.isEmpty()) {
        // The anchor left goes with the notice, wherever the mouse went.
        const QString left = h.Anchor;
        h.Anchor.clear();
        if (OnAnchorExit)
            OnAnchorExit(this, ARow, ACol, left);
    }
}

void TExStringGrid::hoverMouseLeave()
{
    TGridHover &h = hover();
    if (!h.NoMouseLeave && h.HoverFixedCells != hfNone && (h.HoverFixed.X != -1 || h.HoverFixed.Y != -1)) {
        const TGridCoord old = h.HoverFixed;
        h.HoverFixed = {-1, -1};
        repaintFixedCell(old.X, old.Y);
    }
    if (Look() == glListView) {
        const TGridCoord old = h.HotFixedCell;
        h.HotFixedCell = {-1, -1};
        repaintFixedCell(old.X, old.Y);
    }
    h.SizeFixed = h.SizeFixedR = false;
    // The window system may count a hint that opens under the mouse as
    // leaving the grid; only a mouse outside both closes it.
    if (!(h.HintWnd && h.HintWnd->isVisible() && h.HintWnd->geometry().contains(QCursor::pos())))
        CancelHint();
}

// --- the drop-down button of a hovered header ---------------------------------------------

bool TExStringGrid::fixedDropDownMouseDown(int X, int Y)
{
    TGridHover &h = hover();
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X, Y, ACol, ARow);
    if (ACol < 0 || ARow < 0)
        return false;
    const platform::TRect R = CellRect(ACol, ARow);
    const int right = Options().testFlag(goColSizing) ? R.Right - 2 : R.Right;
    if (R.Right - 16 < X && X < right && IsHoverFixedCell(ACol, ARow) && m_controlLook.FixedDropDownButton) {
        h.DropDownDown = true;
        repaintFixedCell(ACol, ARow);
        if (!h.FixedDropDownMenu && !OnFixedDropDownClick)
            return false;
        h.NoMouseLeave = true;
        QMenu *menu = h.FixedDropDownMenu;
        if (menu)
            menu->setProperty("Tag", ACol);
        bool keep = false;
        if (OnFixedDropDownClick)
            OnFixedDropDownClick(this, ACol, ARow, menu, keep);
        if (menu) {
            mouse().MouseDownMove = false;
            h.HoverFixed = {ACol, ARow};
            repaintFixedCell(ACol, ARow);
            // The menu stays up after the press; its closing ends the highlight.
            const QPointer<TExStringGrid> self(this);
            QObject::connect(
                menu, &QMenu::aboutToHide, this,
                [self, ACol, ARow, keep] {
                    if (!self)
                        return;
                    TGridHover &state = self->hover();
                    state.HoverFixed = {-1, -1};
                    state.NoMouseLeave = keep;
                    self->repaintFixedCell(ACol, ARow);
                },
                Qt::SingleShotConnection);
            menu->popup(mapToGlobal(QPoint(R.Right - 16, R.Bottom)));
        } else {
            h.NoMouseLeave = keep;
        }
        return true;
    }
    // The last fixed row shows the pressed gradient while it is held.
    if (ARow == FixedRows() - 1 && IsHoverFixedCell(ACol, ARow)
        && platform::isColorSet(m_controlLook.FixedGradientDownTo))
        repaintFixedCell(ACol, ARow);
    return false;
}

void TExStringGrid::fixedHeaderMouseUp()
{
    TGridHover &h = hover();
    h.DropDownDown = false;
    repaintFixedCell(h.HoverFixed.X, h.HoverFixed.Y);
    if (Look() == glListView)
        repaintFixedCell(h.HotFixedCell.X, h.HotFixedCell.Y);
}

// --- the sizing veto ---------------------------------------------------------------------------

void TExStringGrid::GridCalcSizingState(int X, int Y, TGridState &State, int &Index, int &SizingPos, int &SizingOfs)
{
    TBaseGrid::GridCalcSizingState(X, Y, State, Index, SizingPos, SizingOfs);
    int ACol = -1;
    int ARow = -1;
    MouseToCell(X - 6, Y, ACol, ARow);
    if (ARow >= 0 && ARow < FixedRows() && ACol >= 0) {
        bool allow = true;
        if (OnColumnSize)
            OnColumnSize(this, ACol, allow);
        if (!allow) {
            if (State == gsColSizing)
                State = gsNormal;
            hover().SizeFixed = false;
        }
    }
    MouseToCell(X, Y - 6, ACol, ARow);
    if (ACol >= 0 && ACol < FixedCols() && ARow >= 0) {
        bool allow = true;
        if (OnRowSize)
            OnRowSize(this, ARow, allow);
        if (!allow && State == gsRowSizing)
            State = gsNormal;
    }
}

} // namespace controls
