// The string grid's keys while it has the focus: its own keys first (scroll
// only, opening the editor, check boxes, Home and End, stepping over fixed
// cells, appending, inserting and deleting rows, select all, the disjunct
// selections), then the base grid's walk with the cursor wrap, moving rows
// and skipping disabled rows.
#include "controls/grid/base/CellText.h"
#include "controls/grid/model/GridSelection.h"
#include "controls/grid/model/GridSortFilter.h"
#include "controls/grid/view/GridEditState.h"
#include "platform/HandlerGuard.h"

#include <QKeyEvent>

#include <algorithm>

namespace controls {

using namespace platform;

namespace {

bool sameRect(const TGridRect &a, const TGridRect &b)
{
    return a.Left == b.Left && a.Top == b.Top && a.Right == b.Right && a.Bottom == b.Bottom;
}

bool isArrow(std::uint16_t key) { return key >= VK_LEFT && key <= VK_DOWN; }

// Ctrl with a letter types the letter's control character, as the
// keyboard does on the platform the grid was designed for.
QChar typedChar(const QKeyEvent *event, TShiftState shift)
{
    const QString text = event->text();
    if (text.isEmpty())
        return {};
    QChar ch = text.front();
    if (shift.testFlag(ssCtrl) && !shift.testFlag(ssAlt)) {
        const QChar upper = ch.toUpper();
        if (upper >= u'A' && upper <= u'Z')
            ch = QChar(upper.unicode() - u'A' + 1);
    }
    return ch;
}

} // namespace

void TExStringGrid::keyPressEvent(QKeyEvent *event)
{
    platform::guarded([&] {
        const TShiftState shift = shiftState(event->modifiers());
        const std::uint16_t key = virtualKey(event->key());
        if (key != 0 && !GridKeyDownMessage(key, shift))
            return;
        // Alt with a key is a menu accelerator, not a character: the search
        // panel's buttons answer theirs.
        if (shift.testFlag(ssAlt) && !shift.testFlag(ssCtrl)) {
            if (!event->text().isEmpty())
                GridDialogChar(event->text().front());
            return;
        }
        const QChar ch = typedChar(event, shift);
        if (!ch.isNull())
            GridCharMessage(ch, event->modifiers().testFlag(Qt::KeypadModifier));
    });
}

void TExStringGrid::keyReleaseEvent(QKeyEvent *event)
{
    platform::guarded([&] {
        std::uint16_t key = virtualKey(event->key());
        GridKeyUp(key, shiftState(event->modifiers()));
    });
}

void TExStringGrid::fireKeyDown(std::uint16_t Key, TShiftState Shift)
{
    if (OnKeyDown) {
        std::uint16_t copy = Key;
        OnKeyDown(this, copy, Shift);
    }
}

bool TExStringGrid::GridKeyDownMessage(std::uint16_t Key, TShiftState Shift)
{
    auto &st = editState();
    st.moveSelection = Selection();
    st.keySelection = st.moveSelection;
    const int R0 = Row();
    const int RC = RealCol();
    const int L0 = LeftCol();
    const bool ctrl = Shift.testFlag(ssCtrl);
    const bool shift = Shift.testFlag(ssShift);
    const bool alt = Shift.testFlag(ssAlt);
    const bool rowSelect = Options().testFlag(goRowSelect);
    const bool keepLeft = (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_UP || Key == VK_DOWN) && rowSelect
                          && LeftCol() != FixedCols() && m_navigation.KeepHorizScroll;

    // Only the view moves; the current cell stays.
    if (m_navigation.MoveScrollOnly && (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || Key == VK_HOME
                                        || Key == VK_UP || Key == VK_DOWN)) {
        const int visible = VisibleRowCount();
        switch (Key) {
        case VK_PRIOR:
            setTopRow(TopRow() > visible + FixedRows() ? TopRow() - visible : FixedRows());
            break;
        case VK_NEXT:
            if (TopRow() + visible < RowCount())
                setTopRow(std::min(TopRow() + visible, MaxTopRow()));
            break;
        case VK_END:
            setTopRow(std::max(FixedRows(), RowCount() - visible));
            break;
        case VK_HOME:
            setTopRow(FixedRows());
            break;
        case VK_UP:
            if (TopRow() > FixedRows())
                setTopRow(TopRow() - 1);
            break;
        default:
            if (TopRow() + visible < RowCount())
                setTopRow(TopRow() + 1);
            break;
        }
        return false;
    }

    if (Key == 'F' && ctrl)
        SearchFooterFocusKey();
    const bool editKey = Key == VK_RETURN || Key == VK_F2;
    if (m_mouseActions.EditOnDblClickOnly() && editKey && !Options().testFlag(goEditing)) {
        const bool range = m_mouseActions.RangeSelectAndEdit;
        m_mouseActions.RangeSelectAndEdit = true;
        const bool editable = IsEditable(RC, Row());
        m_mouseActions.RangeSelectAndEdit = range;
        if (editable)
            setOptions(Options() | goEditing);
    }
    if (m_mouseActions.RangeSelectAndEdit && !Options().testFlag(goEditing) && editKey) {
        if (!IsEditable(RC, Row())) {
            fireKeyDown(Key, Shift);
            return false;
        }
        setOptions(Options() | goEditing);
        ShowInplaceEdit();
    }
    if (editKey) {
        if (Options().testFlag(goEditing) && !IsEditable(RC, Row())) {
            fireKeyDown(Key, Shift);
            return false;
        }
        const QString text = Cells(RC, Row());
        if (GetCellTextKind(text, true) == ckHtml && text.toUpper().contains(QStringLiteral("<CONTROL"))) {
            // The keyboard's way into the cell's form controls.
            SaveOldCellText(Col(), Row());
            EditNextCellControl(Col(), Row(), QString());
            return false;
        }
    }
    // Enter on a cell that cannot be edited is only told.
    if (Key == VK_RETURN && !IsEditable(RC, Row())) {
        fireKeyDown(Key, Shift);
        return false;
    }
    if ((Key == VK_SPACE || Key == VK_RETURN) && IsClickControlCell(RC, Row()))
        clickControlKey(Key, RC);
    if ((Key == VK_HOME || Key == VK_END) && homeEndKey(Key, Shift, R0, L0))
        return false;
    nodeKey(Key);
    // Row-select grids scroll sideways instead of moving a column.
    if (rowSelect && !IsNode(Row()) && VisibleColCount() < ColCount() && (Key == VK_LEFT || Key == VK_RIGHT)) {
        const bool scroll = !m_navigation.LeftRightRowSelect || ctrl;
        if (scroll) {
            if (Key == VK_LEFT && LeftCol() > FixedCols())
                setLeftCol(LeftCol() - 1);
            else if (Key == VK_RIGHT && LeftCol() + VisibleColCount() < ColCount())
                setLeftCol(LeftCol() + 1);
        }
        if (!m_navigation.LeftRightRowSelect) {
            fireKeyDown(Key, Shift);
            return false;
        }
    }
    if (Key == VK_TAB && Options().testFlag(goTabs)) {
        AdvanceAfterEdit(shift);
        const TGridRect now = Selection();
        if (!sameRect(now, st.moveSelection)) {
            DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
            st.moveSelection = now;
        }
        return false;
    }
    std::uint16_t key = Key;
    if (m_navigation.SkipFixedCells)
        skipFixedCells(key, Shift);
    if (m_navigation.AppendOnArrowDown && Key == VK_DOWN && IsLastDataRow())
        AppendAutoRow();
    const int T0 = TopRow();
    if (searchPanelKeyStops(Key)) {
        fireKeyDown(Key, Shift);
        return false;
    }
    if (keepLeft)
        BeginUpdate();
    if (key != 0)
        GridKeyDown(key, Shift);
    searchPanelKeyDone(Key, T0);
    if (keepLeft) {
        setLeftCol(L0);
        EndUpdate();
    }
    if (clipboardShortCut(Key, Shift))
        return false;
    if (Key == VK_INSERT && m_navigation.AllowInsertRow && !ctrl && !shift && !alt)
        insertRowKey();
    if (Key == 'A' && ctrl) {
        if (rowSelect || Options().testFlag(goRangeSelect))
            selectAllKey();
        return false;
    }
    const int KR = m_mouseActions.DisjunctRowSelect() && m_mouseActions.RowSelectPersistent ? RealRowIndex(Row())
                                                                                            : Row();
    if (Key >= VK_PRIOR && Key <= VK_DOWN) {
        if (m_mouseActions.DisjunctRowSelect()) {
            if (!shift && !ctrl)
                ClearRowSelect();
            if (shift)
                SelectionToRowSelect(true);
            else
                setRowSelect(KR, true);
        }
        if (m_mouseActions.DisjunctColSelect()) {
            if (!shift && !ctrl)
                ClearColSelect();
            if (shift)
                SelectionToColSelect(true);
            else
                setColSelect(Col(), true);
        }
    }
    if (Key == VK_SPACE) {
        if (m_mouseActions.DisjunctRowSelect())
            setRowSelect(KR, !RowSelect(KR));
        if (m_mouseActions.DisjunctColSelect())
            setColSelect(Col(), !ColSelect(Col()));
    }
    if (Key == VK_DELETE && m_navigation.AllowDeleteRow && !alt)
        deleteRowKey();
    if (editKey) {
        SaveOldCellText(Col(), Row());
        if (Key == VK_F2)
            F2KeyHook();
    }
    const TGridRect now = Selection();
    if (!sameRect(now, st.moveSelection)) {
        DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
        st.moveSelection = now;
    }
    return true;
}

bool TExStringGrid::homeEndKey(std::uint16_t Key, TShiftState Shift, int R0, int L0)
{
    const bool ctrl = Shift.testFlag(ssCtrl);
    const bool shift = Shift.testFlag(ssShift);
    const bool home = Key == VK_HOME;
    const THomeEndAction mode = m_navigation.HomeEndKey;
    const bool tooSmall = FFixedRowAlways && RowCount() == 1;
    const auto rowModeSelection = [&] {
        if (m_mouseActions.DisjunctRowSelect() && !shift) {
            ClearRowSelect();
            SelectionToRowSelect(false);
        }
        if (shift) {
            setSelection(TGridRect{0, R0, ColCount() - 1, Row()});
            if (m_mouseActions.DisjunctRowSelect())
                SelectionToRowSelect(false);
        }
        if (Options().testFlag(goRowSelect) && m_navigation.KeepHorizScroll) {
            StartUpdate();
            setLeftCol(L0);
            ResetUpdate();
        }
    };
    if (mode == THomeEndAction::heFirstLastCell && !ctrl) {
        if (home)
            MoveColRow(FixedCols(), FixedRows(), true, true);
        else
            MoveColRow(ColCount() - 1, RowCount() - 1, true, true);
        SnapToBaseCell();
    } else if (mode == THomeEndAction::heFirstLastRow && !ctrl) {
        if (tooSmall)
            return false;
        if (home) {
            setRow(FixedRows());
        } else {
            if (FFixedFooters > 0 && !FloatingFooterVisible())
                setTopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
            setRow(FloatingFooterVisible() && RowCount() > 2 ? RowCount() - 2 : RowCount() - FFixedFooters - 1);
        }
        SnapToBaseCell();
        rowModeSelection();
        if (!home && FloatingFooterVisible())
            setTopRow(std::max(FixedRows(), RowCount() - VisibleRowCount()));
    } else if (mode == THomeEndAction::heFirstLastColumn && ctrl && home) {
        setRow(FixedRows());
        // A row without a navigable cell keeps the column.
        if (const int c = FirstNavigableCol(Row()); c >= 0)
            setCol(c);
        SnapToBaseCell();
        setLeftCol(FirstNormalCol());
    } else if (mode == THomeEndAction::heFirstLastColumn && !ctrl && !Options().testFlag(goRowSelect)) {
        if (tooSmall)
            return false;
        if (shift) {
            setSelection(TGridRect{Col(), Row(), home ? FixedCols() : ColCount() - FFixedRightCols - 1, Row()});
            InvalidateRow(Row());
        } else if (home) {
            if (const int c = FirstNavigableCol(Row()); c >= 0)
                setCol(c);
            SnapToBaseCell();
            setLeftCol(FirstNormalCol());
        } else {
            setCol(ColCount() - 1);
            SnapToBaseCell();
            setLeftCol(std::max(FixedCols(), ColCount() - VisibleColCount()));
        }
    } else {
        return false;
    }
    fireKeyDown(Key, Shift);
    return true;
}

bool TExStringGrid::skipFixedCells(std::uint16_t &Key, TShiftState Shift)
{
    const bool rtl = RightToLeft();
    const std::uint16_t right = rtl ? VK_LEFT : VK_RIGHT;
    const std::uint16_t left = rtl ? VK_RIGHT : VK_LEFT;
    const bool rowSelect = Options().testFlag(goRowSelect);
    const int lastCol = ColCount() - FFixedRightCols;
    const int lastRow = RowCount() - FFixedFooters;
    if (Key == right && Col() < lastCol && Col() + 1 < ColCount() && IsFixed(Col() + 1, Row())) {
        int c = Col() + 1;
        while (c < lastCol && IsFixed(c, Row()))
            ++c;
        if (c < lastCol && !IsFixed(c, Row()))
            setCol(c);
    } else if (Key == left && Col() > FixedCols() && IsFixed(Col() - 1, Row())) {
        int c = Col() - 1;
        while (c >= FixedCols() && IsFixed(c, Row()))
            --c;
        if (c >= FixedCols() && !IsFixed(c, Row()))
            setCol(c);
    } else if (Key == VK_UP && Row() > FixedRows() && IsFixed(Col(), Row() - 1)) {
        if (rowSelect) {
            setRow(Row() - 1);
        } else {
            int r = Row() - 1;
            while (r >= FixedRows() && IsFixed(Col(), r))
                --r;
            if (r >= FixedRows() && !IsFixed(Col(), r))
                setRow(r);
        }
    } else if (Key == VK_DOWN && Row() < lastRow && Row() + 1 < RowCount() && IsFixed(Col(), Row() + 1)) {
        if (rowSelect) {
            if (Row() + 1 < lastRow)
                setRow(Row() + 1);
        } else {
            int r = Row() + 1;
            while (r < lastRow && IsFixed(Col(), r))
                ++r;
            if (r < lastRow && !IsFixed(Col(), r))
                setRow(r);
        }
    } else {
        return false;
    }
    fireKeyDown(Key, Shift);
    Key = 0;
    return true;
}

void TExStringGrid::GridKeyDown(std::uint16_t &Key, TShiftState Shift)
{
    auto &st = editState();
    st.lastKeyCell = TGridCoord{Col(), Row()};
    const int R1 = Row();
    const std::uint16_t pressed = Key;
    TBaseGrid::GridKeyDown(Key, Shift);
    if (m_navigation.CursorMoveRows && Shift.testFlag(ssCtrl) && (pressed == VK_DOWN || pressed == VK_UP)) {
        const TGridRect sel = Selection();
        const int T = std::min(sel.Top, sel.Bottom);
        const int B = std::max(sel.Top, sel.Bottom);
        if (pressed == VK_DOWN && B < RowCount() - 1 && T == B) {
            MoveRow(T, T + 1);
            setRow(R1 + 1);
        } else if (pressed == VK_UP && T > FixedRows() && T == B) {
            MoveRow(T, T - 1);
            setRow(R1 - 1);
        }
    }
    // The cursor wraps at the grid's edges.
    const TCursorAdvance wrap = m_navigation.CursorAdvance;
    if (wrap != TCursorAdvance::caDefault) {
        const bool snake = wrap == TCursorAdvance::caSnake;
        const TGridCoord from = st.lastKeyCell;
        if (pressed == VK_LEFT && from.X == FixedCols()) {
            const int row = snake && Row() > FixedRows() ? Row() - 1 : Row();
            MoveColRow(ColCount() - FFixedRightCols - 1, row, true, true);
        } else if (pressed == VK_UP && from.Y == FixedRows()) {
            const int col = snake && Col() > FixedCols() ? Col() - 1 : Col();
            MoveColRow(col, RowCount() - FFixedFooters - 1, true, true);
        } else if (pressed == VK_RIGHT && from.X == ColCount() - 1) {
            const int row = snake && Row() < RowCount() - FFixedFooters - 1 ? Row() + 1 : Row();
            MoveColRow(FixedCols(), row, true, true);
        } else if (pressed == VK_DOWN && from.Y == RowCount() - 1) {
            const int col = snake && Col() < ColCount() - FFixedRightCols - 1 ? Col() + 1 : Col();
            MoveColRow(col, FixedRows(), true, true);
        }
    }
    // The base walk stops before a disabled row; the cursor jumps over it.
    if (m_selection->useEnabledRows && m_navigation.SkipDisabledRows && Row() == R1) {
        if (pressed == VK_UP && R1 > FixedRows()) {
            int r = R1 - 1;
            while (r > FixedRows() && !RowEnabled(r))
                --r;
            if (RowEnabled(r))
                setRow(r);
        } else if (pressed == VK_DOWN && R1 < RowCount() - 1) {
            int r = R1 + 1;
            while (r < RowCount() - 1 && !RowEnabled(r))
                ++r;
            if (RowEnabled(r))
                setRow(r);
        }
    }
    syncGridSelection();
}

void TExStringGrid::GridKeyPress(QChar &Key)
{
    auto &st = editState();
    if (Key == QChar(27)) {
        if (Options().testFlag(goEditing) && st.editing)
            FlushCellCache();
        if (OnKeyPress)
            OnKeyPress(this, Key);
        return;
    }
    if (Key == u'\r' && !m_navigation.AdvanceOnEnter && !IsEditable(RealCol(), Row())) {
        if (OnKeyPress)
            OnKeyPress(this, Key);
        Key = QChar();
        return;
    }
    // The editors advance after their own Enter; here only a click-control
    // cell does (the grid itself has the focus while it gets a key press).
    if (Key == u'\r' && IsClickControlCell(RealCol(), Row()) && enterAdvance(Key))
        return;
    if (Key == u'\b' || Key.isPrint())
        lookupTyping(Key);
    TBaseGrid::GridKeyPress(Key);
}

void TExStringGrid::GridKeyUp(std::uint16_t &Key, TShiftState Shift)
{
    auto &st = editState();
    if (Key == VK_PRIOR || Key == VK_NEXT || Key == VK_END || isArrow(Key) || Key == VK_INSERT || Key == VK_DELETE)
        sortFilter().lookupText.clear();
    if (m_navigation.AlwaysEdit && (isArrow(Key) || (Key == VK_TAB && Options().testFlag(goTabs))) && !EditorMode()
        && !IsClickControlCell(RealCol(), Row()))
        ShowInplaceEdit();
    const TGridRect now = Selection();
    if (!sameRect(now, st.moveSelection) && (Key == VK_TAB || isArrow(Key))) {
        DoSelectionChanged(now.Left, now.Top, now.Right, now.Bottom);
        st.moveSelection = now;
    }
    if (m_mouseActions.DisjunctCellSelect() && !Options().testFlag(goEditing))
        disjunctCellKey(Key, Shift);
}

void TExStringGrid::disjunctCellKey(std::uint16_t Key, TShiftState Shift)
{
    const auto normal = [](TGridRect r) {
        return TGridRect{std::min(r.Left, r.Right), std::min(r.Top, r.Bottom), std::max(r.Left, r.Right),
                         std::max(r.Top, r.Bottom)};
    };
    const TGridRect before = normal(editState().keySelection);
    const TGridRect now = normal(Selection());
    const auto addSelection = [&](int exceptCol, int exceptRow) {
        for (int c = now.Left; c <= now.Right; ++c)
            for (int r = now.Top; r <= now.Bottom; ++r)
                if (c != exceptCol || r != exceptRow)
                    setSelectedCells(c, r, true);
    };
    if (Shift.testFlag(ssShift)) {
        for (int c = before.Left; c <= before.Right; ++c)
            for (int r = before.Top; r <= before.Bottom; ++r)
                setSelectedCells(c, r, false);
        addSelection(Col(), Row());
    }
    if (Key != VK_SPACE)
        return;
    const TGridCoord base = BaseCell(RealCol(), Row());
    const int x = DisplColIndex(base.X);
    if (!IsFixed(x, base.Y)) {
        bool canSelect = true;
        if (OnSelectCell)
            OnSelectCell(this, x, base.Y, canSelect);
        if (!canSelect)
            return;
        if (Shift.testFlag(ssCtrl)) {
            setSelectedCells(x, base.Y, !SelectedCells(x, base.Y));
        } else {
            std::vector<TGridCoord> old;
            for (int i = 0, n = SelectedCellsCount(); i < n; ++i)
                old.push_back(SelectedCell(i));
            for (const TGridCoord &cell : old)
                setSelectedCells(cell.X, cell.Y, false);
            setSelectedCells(x, base.Y, true);
        }
    }
    if (now.Left != now.Right || now.Top != now.Bottom)
        addSelection(x, base.Y);
    RepaintCell(Col(), Row());
}

} // namespace controls
