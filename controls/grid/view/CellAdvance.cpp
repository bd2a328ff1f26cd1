// Moving the current cell on after Enter and Tab, by the navigation
// settings: the Enter advance may append a row or a column and skips
// read-only cells; the Tab advance walks over cells that cannot be entered
// and merged areas, and may hand the focus to the next control at the end.
// Both stop after one round through the grid when nothing can be entered.
#include "controls/grid/model/FloatingFooter.h"
#include "controls/grid/model/core/EditorFilters.h"
#include "controls/grid/view/GridEditState.h"

#include <QCoreApplication>
#include <QKeyEvent>

namespace controls {

using platform::TShiftState;

namespace {

// Sets a value for a scope and puts the old one back however it is left.
template <typename T>
struct TScopedValue {
    T &ref;
    T old;
    TScopedValue(T &r, T v) : ref(r), old(r) { r = v; }
    ~TScopedValue() { ref = old; }
    TScopedValue(const TScopedValue &) = delete;
    TScopedValue &operator=(const TScopedValue &) = delete;
};

// The default-edit types bar edValidChars: the editor of the cell left
// stays up only for these.
bool isPlainTextEditor(TEditorType k) { return k != edValidChars && isDefaultEditType(k); }

} // namespace

int TExStringGrid::VisibleFixedRightCols() const
{
    if (NumHiddenColumns() == 0)
        return FFixedRightCols;
    int visible = 0;
    const int last = ColCount() + NumHiddenColumns() - 1;
    for (int c = last; c > last - FFixedRightCols && c >= 0; --c)
        if (!IsHiddenColumn(c))
            ++visible;
    return visible;
}

void TExStringGrid::SimulateCellClick(int ACol, int ARow)
{
    const platform::TRect r = CellRect(ACol, ARow);
    TScopedValue force(FForceSel, true);
    GridMouseDown(platform::mbLeft, {}, r.Left + 2, r.Top + 2);
    GridMouseUp(platform::mbLeft, {}, r.Left + 2, r.Top + 2);
}

// --- the Enter advance -----------------------------------------------------------------------

bool TExStringGrid::AdvanceToNextCell(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool Recursive,
                                      bool ShowEditor)
{
    if (!m_navigation.AdvanceOnEnter && !Force)
        return false;
    if (!Recursive) {
        FAECol = ACol;
        FAERow = ARow;
    }
    return advanceStep(ACol, ARow, Force, AutoEdit, Forward, ShowEditor, 0);
}

bool TExStringGrid::advanceStep(int ACol, int ARow, bool Force, bool AutoEdit, bool Forward, bool ShowEditor,
                                int Depth)
{
    if (m_mouseActions.RangeSelectAndEdit && !Options().testFlag(goEditing))
        setOptions(Options() | goEditing);
    int C = ACol;
    int R = ARow;
    const int C0 = ACol;
    const int R0 = ARow;
    editState().startEditChar = QChar();
    const TGridCoord S = CellSpan(RealColIndex(ACol), ARow);
    const int fnc = FirstNormalCol();
    const int lastData = RowCount() - FFixedFooters - 1;
    const TAdvanceDirection dir = m_navigation.AdvanceDirection();
    const bool loop = m_navigation.AdvanceOnEnterLoop;

    if (Forward && (dir == TAdvanceDirection::adLeftRight || dir == TAdvanceDirection::adLeftRightInRow)) {
        if (C + S.X < ColCount() - VisibleFixedRightCols() - 1) {
            C += S.X + 1;
        } else if (dir == TAdvanceDirection::adLeftRightInRow) {
            if (loop)
                C = fnc;
        } else if (R != lastData) {
            ++R;
            C = fnc;
        } else if (m_navigation.AdvanceInsert()) {
            bool canAdd = true;
            DoCanAddRow(canAdd);
            C = fnc;
            if (canAdd) {
                AddRow();
                ++R;
                if (OnAutoAddRow)
                    OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
                bool anyEditable = false;
                for (int c = FixedCols(); c < ColCount() && !anyEditable; ++c)
                    anyEditable = IsEditable(RealColIndex(c), R);
                if (!anyEditable)
                    return false;
            }
        } else if (loop) {
            C = fnc;
            R = FixedRows();
        }
    } else if (Forward) {
        if (R != lastData) {
            ++R;
        } else if (dir == TAdvanceDirection::adTopBottomInCol) {
            R = FixedRows();
        } else if (C + 1 != ColCount() - FFixedRightCols) {
            R = FixedRows();
            ++C;
            if (C >= ColCount())
                C = fnc;
        } else if (m_navigation.AdvanceInsert()) {
            setColCount(ColCount() + 1);
            C += S.X + 1;
            R = FixedRows();
            if (OnAutoInsertCol)
                OnAutoInsertCol(this, ColCount() - FFixedRightCols - 1);
        } else {
            C = fnc;
            R = FixedRows();
        }
        if (dir == TAdvanceDirection::adTopBottom)
            update();
    } else if (dir == TAdvanceDirection::adLeftRight) {
        if (C > fnc) {
            --C;
        } else {
            R = R > FixedRows() ? R - 1 : lastData;
            C = ColCount() - FFixedRightCols - 1;
        }
    } else if (dir == TAdvanceDirection::adTopBottom) {
        if (R > FixedRows()) {
            --R;
        } else {
            C = C > fnc ? C - 1 : ColCount() - FFixedRightCols - 1;
            R = lastData;
        }
    }
    // A target outside the cells (a grid without data rows or columns) is no move.
    if (C < 0 || R < 0 || C >= ColCount() || R >= RowCount())
        return false;

    bool editable = true;
    CheckCellEditable(RealColIndex(C), R, editable);
    if (editable) {
        bool allow = true;
        int newRow = R;
        int newCol = C;
        if (OnAutoAdvance)
            OnAutoAdvance(this, FAERow, FAECol, newRow, newCol, allow);
        C = newCol;
        R = newRow;
        if (allow && OnCellChanging)
            OnCellChanging(this, FAERow, FAECol, R, C, allow);
        {
            TScopedValue disable(FDisableChange, true);
            if (allow && C >= 0 && R >= 0) {
                setCol(C);
                setRow(R);
            } else {
                CanSelectCell(C0, R0);
            }
        }
    } else if (m_navigation.AdvanceSkipReadOnlyCells) {
        // Every cell visited once and none to stop on: the advance ends here.
        if (Depth >= ColCount() * RowCount())
            return false;
        return advanceStep(C, R, Force, AutoEdit, Forward, ShowEditor, Depth + 1);
    } else {
        setCol(C);
        setRow(R);
    }

    if (!ShowEditor)
        return true;
    const bool clickControl = IsClickControlCell(RealColIndex(C), R);
    if ((AutoEdit && m_navigation.AdvanceAutoEdit) || clickControl) {
        if (!IsEditable(RealColIndex(C), R))
            return true;
        this->ShowEditor();
        if (clickControl) {
            {
                TScopedValue disable(FDisableChange, true);
                setCol(C0);
                setRow(R0);
                setCol(C);
                setRow(R);
                const platform::TRect r = CellRect(C, R);
                if (!IsClickControlCell(RealColIndex(C0), R0)) {
                    GridMouseDown(platform::mbLeft, {}, r.Left + 2, r.Top + 2);
                    GridMouseUp(platform::mbLeft, {}, r.Left + 2, r.Top + 2);
                    if (m_navigation.AdvanceDirection() != TAdvanceDirection::adLeftRight)
                        HideEditor();
                }
            }
            bool allow = true;
            if (OnCellChanging)
                OnCellChanging(this, R0, C0, Row(), Col(), allow);
            TEditorType kind = DefaultEditor;
            DoGetEditorType(C0, R0, kind);
            if (!isPlainTextEditor(kind))
                HideEditor();
        }
    }
    if (m_mouseActions.DisjunctRowSelect()) {
        ClearRowSelect();
        setRowSelect(Row(), true);
    }
    return true;
}

// --- the Tab advance -------------------------------------------------------------------------

bool TExStringGrid::AdvanceAfterEdit(bool Backward) { return tabStep(Backward, 0); }

bool TExStringGrid::tabStep(bool Backward, int Depth)
{
    if (OnKeyDown) {
        std::uint16_t k = platform::VK_TAB;
        OnKeyDown(this, k, Backward ? TShiftState(platform::ssShift) : TShiftState());
        if (k != platform::VK_TAB)
            return true;
    }
    if (Col() == FLastTabCol && Row() == FLastTabRow)
        return true;
    FLastTabCol = Col();
    FLastTabRow = Row();
    struct TResetLastTab {
        TExStringGrid &g;
        ~TResetLastTab()
        {
            g.FLastTabCol = -1;
            g.FLastTabRow = -1;
        }
    } reset{*this};
    // Every cell tried once and none to stop on: the advance ends here.
    const bool again = Depth < ColCount() * RowCount();

    bool answer = true;
    const int fnc = FirstNormalCol();
    const int vfrc = VisibleFixedRightCols();
    const int lastData = RowCount() - FFixedFooters - 1;
    const auto single = [this](int c, int r) { setSelection(TGridRect{c, r, c, r}); };
    const auto endOfGrid = [&] {
        if (parentWidget() != nullptr && m_navigation.TabToNextAtEnd) {
            QCoreApplication::postEvent(parentWidget(), new QKeyEvent(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier));
            answer = false;
        }
    };
    const bool leftRight = m_navigation.TabAdvanceDirection == TAdvanceDirection::adLeftRight;

    if (Backward && leftRight) {
        if (Col() > fnc) {
            int b = 1;
            while (Col() - b >= fnc && !(CanNavigateToCell(Col() - b, Row()) && IsBaseCell(RealColIndex(Col() - b), Row())))
                ++b;
            if (Col() - b >= fnc) {
                setCol(Col() - b);
            } else {
                if (Row() > FixedRows()) {
                    if (const int v = LastNavigableCol(Row() - 1); v >= 0)
                        single(v, Row() - 1);
                } else if (const int v = LastNavigableCol(lastData); v >= 0) {
                    single(v, lastData);
                    ScrollInView(Col(), Row());
                }
                if (!IsBaseCell(RealCol(), Row())) {
                    const TGridCoord base = BaseCell(RealCol(), Row());
                    FocusCell(DisplColIndex(base.X), base.Y);
                }
            }
        } else {
            int b = 1;
            while (ColCount() - vfrc - b >= FixedCols() && !CanNavigateToCell(ColCount() - vfrc - b, Row()))
                ++b;
            const int c = ColCount() - vfrc - b;
            const int r = Row() > FixedRows() ? Row() - 1 : lastData;
            // No column of the row can be entered: the search ran past the
            // fixed columns, and there is no column to move to.
            if (c >= FixedCols() && c >= 0)
                setCol(c);
            setRow(r);
        }
    } else if (Backward) {
        if (Row() > FixedRows()) {
            setRow(Row() - 1);
        } else {
            setRow(lastData);
            setCol(Col() > fnc ? Col() - 1 : ColCount() - vfrc - 1);
        }
    } else if (!leftRight) {
        const TGridCoord S = CellSpan(RealCol(), Row());
        if (Row() + S.Y + 1 < RowCount() - FFixedFooters) {
            setRow(Row() + S.Y + 1);
        } else {
            GotoFirstRow();
            if (Col() < ColCount() - vfrc - 1) {
                setCol(Col() + 1);
            } else {
                setCol(fnc);
                endOfGrid();
            }
        }
    } else {
        const TGridCoord S = CellSpan(RealCol(), Row());
        const int E = ColCount() - vfrc;
        if (Col() + S.X + 1 < E) {
            int c = 1;
            while (Col() + S.X + c < E && !CanNavigateToCell(Col() + S.X + c, Row()))
                ++c;
            if (Col() + S.X + c < E) {
                setCol(Col() + S.X + c);
                if (!IsBaseCell(RealCol(), Row()) && again)
                    return tabStep(false, Depth + 1);
            } else {
                TScopedValue force(FForceSel, true);
                if (Row() < lastData) {
                    const int v = FirstNavigableCol(Row() + 1);
                    bool allow = true;
                    if (OnRowChanging)
                        OnRowChanging(this, Row(), Row() + 1, allow);
                    if (OnCellChanging)
                        OnCellChanging(this, Row(), Col(), Row() + 1, v, allow);
                    if (OnColChanging)
                        OnColChanging(this, Col(), v, allow);
                    if (allow) {
                        setCol(v < 0 ? FixedCols() : v);
                        setRow(Row() + 1);
                    }
                } else {
                    if (const int v = FirstNavigableCol(FixedRows()); v >= 0)
                        single(v, FixedRows());
                    endOfGrid();
                }
            }
        } else if (Row() < lastData) {
            int e = -1;
            for (int c = fnc; c < ColCount() && e < 0; ++c)
                if (IsBaseCell(RealColIndex(c), Row() + 1) && CanNavigateToCell(c, Row() + 1))
                    e = c;
            if (e >= 0) {
                {
                    TScopedValue force(FForceSel, true);
                    setCol(e);
                }
                setRow(Row() + 1);
            } else {
                int g = -1;
                for (int r = Row() + 2; r < RowCount() && g < 0; ++r)
                    if (FirstNavigableCol(r) >= 0)
                        g = r;
                if (g >= 0) {
                    setRow(g);
                    setCol(FirstNavigableCol(g));
                } else {
                    setRow(RowCount() - 1);
                    setCol(ColCount() - 1);
                    if (!again)
                        return true;
                    return tabStep(false, Depth + 1);
                }
            }
        } else {
            bool canAdd = !m_navigation.TabToNextAtEnd && m_navigation.AdvanceInsert();
            if (canAdd)
                DoCanAddRow(canAdd);
            if (canAdd) {
                if (FloatingFooter().Visible()) {
                    InsertRows(RowCount() - 1, 1, true);
                    setRow(RowCount() - 2);
                } else {
                    setRowCount(RowCount() + 1);
                    setRow(RowCount() - 1);
                }
                if (OnAutoAddRow)
                    OnAutoAddRow(this, RowCount() - FFixedFooters - 1);
            } else {
                GotoFirstRow();
            }
            if (const int v = FirstNavigableCol(Row()); v >= 0)
                setCol(v);
            endOfGrid();
        }
    }

    if (Options().testFlag(goEditing) && !IsEditable(RealCol(), Row()) && again && answer) {
        FLastTabCol = -1;
        FLastTabRow = -1;
        return tabStep(Backward, Depth + 1);
    }
    if (m_navigation.AdvanceAutoEdit && !IsClickControlCell(RealCol(), Row()))
        SimulateCellClick(Col(), Row());
    if (m_navigation.AlwaysEdit)
        setFocus();
    return answer;
}

// --- the call points of the editors --------------------------------------------------------

bool TExStringGrid::enterAdvance(QChar &Key)
{
    AdvanceToNextCell(Col(), Row(), false, false, true, false, EditMode());
    if (!m_navigation.AdvanceAutoEdit) {
        if (OnKeyPress)
            OnKeyPress(this, Key);
        Key = QChar();
        return true;
    }
    if (IsClickControlCell(RealCol(), Row())) {
        if (OnKeyPress)
            OnKeyPress(this, Key);
        if (m_navigation.AdvanceOnEnter)
            ShowInplaceEdit();
        return true;
    }
    return false;
}

void TExStringGrid::editorEnter()
{
    auto &st = editState();
    // A refused value keeps the cell; the next Enter moves on.
    if (std::exchange(st.noAutoAdvance, false) || !m_navigation.AdvanceOnEnter)
        return;
    const int col = Col();
    const int row = Row();
    AdvanceToNextCell(col, row, false, false, true, false, false);
    if (m_navigation.AdvanceAutoEdit && (Col() != col || Row() != row) && IsEditable(RealCol(), Row())
        && !IsClickControlCell(RealCol(), Row()))
        ShowInplaceEdit();
}

void TExStringGrid::editorWalk(bool Forward)
{
    const TGridCoord span = CellSpan(RealCol(), Row());
    const int next = Forward ? Col() + span.X + 1 : Col() - 1;
    const bool inside = Forward ? Col() < ColCount() - FFixedRightCols - 1 : next >= FixedCols();
    if (inside && next < ColCount() && IsClickControlCell(RealColIndex(next), Row())) {
        HideInplaceEdit();
        setCol(next);
        return;
    }
    HideInplaceEdit();
    setFocus();
    const TAdvanceDirection direction = m_navigation.AdvanceDirection();
    m_navigation.setAdvanceDirection(TAdvanceDirection::adLeftRight);
    AdvanceToNextCell(Col(), Row(), true, true, Forward, false, true);
    m_navigation.setAdvanceDirection(direction);
    if (m_navigation.CursorWalkAlwaysEdit) {
        if (!EditMode() && IsEditable(RealCol(), Row()))
            ShowInplaceEdit();
    } else {
        HideInplaceEdit();
    }
}

} // namespace controls
