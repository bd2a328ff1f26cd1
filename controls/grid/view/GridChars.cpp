// What a typed character does on the string grid (start an edit with it,
// or the key press), the focus coming and going, and the navigation helpers
// the keys use.
#include "controls/grid/base/CellText.h"
#include "controls/grid/view/GridEditState.h"
#include "controls/grid/view/InplaceEdit.h"
#include "controls/grid/view/MemoEdit.h"
#include "platform/HandlerGuard.h"

#include <QFocusEvent>

#include <algorithm>

namespace controls {

void TExStringGrid::GridCharMessage(QChar Key, bool Keypad)
{
    auto &st = editState();
    const int RC = RealCol();
    const QString text = Cells(RC, Row());
    if (GetCellTextKind(text, true) == ckHtml && text.toUpper().contains(QStringLiteral("<CONTROL")))
        return;
    if (m_mouseActions.EditOnDblClickOnly()) {
        bool editable = true;
        CheckCellEditable(RC, Row(), editable);
        if (editable)
            setOptions(Options() | goEditing);
    }
    const ushort code = Key.unicode();
    const bool ctrl = code >= 1 && code <= 26;
    // The clipboard shortcuts are the grid's, never a character to type.
    if (m_navigation.AllowClipboardShortCuts && (code == 3 || code == 22 || code == 24))
        return;
    const bool clickControl = IsClickControlCell(RC, Row());
    // Printable characters and Backspace start an edit with themselves.
    const bool starts = code == 8 || (code >= 32 && code != 127);
    if (m_mouseActions.RangeSelectAndEdit && !clickControl && IsEditable(RC, Row()) && code != 9 && code != 27
        && !ctrl) {
        QChar copy = Key;
        if (OnKeyPress)
            OnKeyPress(this, copy);
        st.startEditChar = Key;
        setOptions(Options() | goEditing);
        ShowInplaceEdit();
        if (EditorMode() && NormalEdit() != nullptr && starts)
            NormalEdit()->TypeChar(Key);
        return;
    }
    if (Key == u'.' && ExcelStyleDecimalSeparator && Keypad)
        Key = formatSettings().DecimalSeparator;
    if (clickControl && Key == u'\r' && m_navigation.AdvanceOnEnter) {
        GridKeyPress(Key);
        return;
    }
    if (Options().testFlag(goEditing) && starts && !EditorMode() && !memoOpen()) {
        if (OnKeyPress)
            OnKeyPress(this, Key);
        if (Key.isNull())
            return;
        st.startEditChar = Key;
        if (clickControl)
            return;
        ShowEditor();
        if (EditorMode() && NormalEdit() != nullptr) {
            NormalEdit()->selectAll();
            NormalEdit()->TypeChar(Key);
        } else if (memoOpen()) {
            st.memo->selectAll();
            st.memo->TypeChar(Key);
        }
        st.startEditChar = QChar();
        return;
    }
    GridKeyPress(Key);
}

void TExStringGrid::focusInEvent(QFocusEvent *event)
{
    TBaseGrid::focusInEvent(event);
    platform::guarded([&] {
        // An edit handing the focus back keeps the text it validated against.
        const auto &st = editState();
        if (st.editing || st.validating)
            return;
        SaveOldCellText(Col(), Row());
        // The first cell was made current before anyone asked whether it
        // may be edited.
        if (!EditorMode())
            prepareCellEditing(RealCol(), Row());
    });
}

void TExStringGrid::focusOutEvent(QFocusEvent *event) { TBaseGrid::focusOutEvent(event); }

// --- navigation helpers ----------------------------------------------------------------------

int TExStringGrid::FirstNormalCol() { return FixedCols() == 0 && NumNodes() > 0 ? 1 : FixedCols(); }

bool TExStringGrid::CanNavigateToCell(int ACol, int ARow)
{
    bool can = Options().testFlag(goEditing) ? IsEditable(RealColIndex(ACol), ARow) : !IsFixed(ACol, ARow);
    if (OnSelectCell)
        OnSelectCell(this, ACol, ARow, can);
    return can;
}

int TExStringGrid::FirstNavigableCol(int ARow)
{
    for (int c = 0; c < ColCount(); ++c)
        if (CanNavigateToCell(c, ARow))
            return c;
    return -1;
}

int TExStringGrid::LastNavigableCol(int ARow)
{
    for (int c = ColCount() - 1; c >= 0; --c)
        if (CanNavigateToCell(c, ARow))
            return c;
    return -1;
}

void TExStringGrid::InvalidateCellRange(const TGridRect &R)
{
    const platform::TRect a = CellRect(R.Left, R.Top);
    const platform::TRect b = CellRect(R.Right, R.Bottom);
    invalidateRect(platform::TRect{std::min(a.Left, b.Left), std::min(a.Top, b.Top), std::max(a.Right, b.Right),
                                   std::max(a.Bottom, b.Bottom)});
}

} // namespace controls
