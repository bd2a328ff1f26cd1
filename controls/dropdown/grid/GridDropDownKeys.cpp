// The grid drop-down's typing: the edit completes what the user types from
// the lookup column; the typed characters find a row of the popup grid by
// prefix or narrow its rows down to those containing them; the arrows,
// pages and wheel step through the rows while the popup is closed.
#include "controls/dropdown/grid/ExGridDropDown.h"
#include "controls/dropdown/grid/PopupGrid.h"

#include <QKeyEvent>
#include <QPointer>

namespace controls::griddd {

namespace {

constexpr char16_t Backspace = 8;
constexpr char16_t Tab = 9;

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// Page Up, Page Down, End, Home, Up and Down: the popup grid keeps them.
bool isGridMove(int key)
{
    return key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_End || key == Qt::Key_Home
           || key == Qt::Key_Up || key == Qt::Key_Down;
}

// Keys that end a type-ahead rather than add to it.
bool endsLookup(int key)
{
    return isEnter(key) || key == Qt::Key_Escape || isGridMove(key) || key == Qt::Key_Left || key == Qt::Key_Right;
}

bool gridEditing(const TExColGrid *grid)
{
    return grid && grid->Options().testFlag(goEditing) && grid->EditorMode();
}

} // namespace

// ---- the edit ----

void TCustomExGridDropDown::HandleCharMessage(QChar &key)
{
    const QChar typed = key;
    QPointer<TCustomExGridDropDown> alive(this);
    TExCustomDropDown::HandleCharMessage(key);
    if (!alive || typed.unicode() == 13 || typed.unicode() == 27)
        return;
    if (typed.isPrint() || typed.unicode() == Backspace) {
        PopupLookupKey(typed);
        if (!alive)
            return;
    }
    if (m_autoShowDropDown && !DroppedDown())
        ShowDropDown();
}

void TCustomExGridDropDown::HandleTextChange()
{
    m_itemChange = false;
    QPointer<TCustomExGridDropDown> alive(this);
    TExCustomDropDown::HandleTextChange();
    if (!alive || m_ownText > 0 || !m_workmode)
        return;
    SetModifiedFlag(text() != OldString());
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    const auto completion = multicol::completeTypedText(m_lookupItems, text(), caret);
    if (!completion)
        return;
    showOwnText(completion->text);
    if (!alive)
        return;
    m_itemIdx = completion->index;
    m_itemSel = completion->keyLength;
    m_itemChange = true;
    const int length = int(text().size());
    setSelection(length, m_itemSel - length);
}

void TCustomExGridDropDown::keyReleaseEvent(QKeyEvent *event)
{
    QPointer<TCustomExGridDropDown> alive(this);
    const int key = event->key();
    const auto shift = event->modifiers();
    TExCustomDropDown::keyReleaseEvent(event);
    if (alive)
        HandleKeyUp(key, shift);
}

void TCustomExGridDropDown::focusInEvent(QFocusEvent *event)
{
    TExCustomDropDown::focusInEvent(event);
    // Entering the control shows every row again.
    if (m_grid)
        m_grid->ShowAllRows();
    m_lookupEntry.clear();
}

void TCustomExGridDropDown::HandleKeyUp(int key, Qt::KeyboardModifiers shift)
{
    QPointer<TCustomExGridDropDown> alive(this);
    if (m_enterEditCol >= 0 && isEnter(key) && !(shift & Qt::ShiftModifier)) {
        const int col = m_enterEditCol;
        m_enterEditCol = -1;
        // Enter in the lookup column ends the choice; elsewhere only the
        // cell's edit.
        if (col == m_lookupColumn)
            HideDropDown(false);
        return;
    }
    if (!m_itemChange || !alive)
        return;
    if (m_useItems)
        chooseItem(m_itemIdx, true);
    if (!alive)
        return;
    const int length = int(text().size());
    setSelection(length, std::min(m_itemSel, length) - length);
    m_itemChange = false;
}

void TCustomExGridDropDown::HandleKeyDown(int &key, Qt::KeyboardModifiers shift)
{
    QPointer<TCustomExGridDropDown> alive(this);
    if (isEnter(key) && !(shift & Qt::ShiftModifier) && gridEditing(m_grid)) {
        const int row = m_grid->Row();
        m_enterEditCol = m_grid->Col();
        m_grid->HideInplaceEdit();
        if (!alive || !m_grid)
            return;
        if (m_lookupColumn >= 0)
            showOwnText(m_grid->Cells(m_lookupColumn, row));
        if (!alive || !m_grid)
            return;
        if (m_useItems)
            m_itemIndex = RowToItemIndex(row);
        else
            m_itemIndex = m_grid->RealRowIndex(row) - m_grid->FixedRows();
        key = 0;
        return;
    }
    if (key == Qt::Key_Escape || (key >= Qt::Key_Home && key <= Qt::Key_PageDown))
        m_lookupEntry.clear();
    if (m_lookupColumn < 0 || ItemCount() == 0) {
        TExCustomDropDown::HandleKeyDown(key, shift);
        return;
    }
    if (key == Qt::Key_Backspace || key == Qt::Key_Escape || key == Qt::Key_Delete) {
        m_workmode = false;
    } else if (isEnter(key) && m_useItems) {
        if (const int found = m_lookupItems.indexOfText(Text()); found >= 0 && found < m_items.Count()) {
            chooseItem(found, true);
            if (!alive)
                return;
        }
    } else {
        m_workmode = true;
    }
    TExCustomDropDown::HandleKeyDown(key, shift);
    if (!alive)
        return;
    if (key == Qt::Key_Escape && !DroppedDown() && m_useItems)
        chooseItem(m_lookupItems.indexOfText(Text()), true);
}

void TCustomExGridDropDown::HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift)
{
    QPointer<TCustomExGridDropDown> alive(this);
    const int pressed = key;
    if (isEnter(pressed) && m_grid)
        m_grid->setConfirmSelection(true);
    TExCustomDropDown::HandleKeyDownMessage(key, shift);
    if (!alive || !isEnabled() || (shift & Qt::AltModifier))
        return;
    if (isGridMove(pressed))
        m_lookupEntry.clear();
    switch (pressed) {
    case Qt::Key_PageUp:
        SelectPreviousPage();
        break;
    case Qt::Key_PageDown:
        SelectNextPage();
        break;
    case Qt::Key_End:
        if (!(shift & Qt::ShiftModifier) && m_style == dsDropDownList)
            SelectLast();
        return;
    case Qt::Key_Home:
        if (!(shift & Qt::ShiftModifier) && m_style == dsDropDownList)
            SelectFirst();
        return;
    case Qt::Key_Up:
        SelectPrevious();
        break;
    case Qt::Key_Down:
        SelectNext();
        break;
    default:
        return;
    }
    if (alive)
        key = 0;
}

// ---- the open popup grid ----

void TCustomExGridDropDown::ControlKeyDown(QKeyEvent &event)
{
    QPointer<TCustomExGridDropDown> alive(this);
    int key = event.key();
    const auto shift = event.modifiers();
    const bool alt = shift & Qt::AltModifier;
    const QString typed = event.text();
    const bool character = !typed.isEmpty() && (typed.front().isPrint() || typed.front().unicode() == Backspace)
                           && !(shift & (Qt::ControlModifier | Qt::AltModifier));
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
        // Swallowed by the popup grid.
    } else if ((isGridMove(key) || isEnter(key)) && !alt) {
        // The grid chooses its row on Enter itself, then OnSelect.
        m_lookupEntry.clear();
    } else if (character && !endsLookup(key)) {
        ControlKeyPress(typed.front());
    } else {
        if (endsLookup(key))
            m_lookupEntry.clear();
        TExCustomDropDown::ControlKeyDown(event);
    }
    if (alive && OnGridKeyDown)
        OnGridKeyDown(this, key, shift);
}

void TCustomExGridDropDown::ControlKeyUp(QKeyEvent &event)
{
    QPointer<TCustomExGridDropDown> alive(this);
    int key = event.key();
    const auto shift = event.modifiers();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
    } else if (isGridMove(key) && !(shift & Qt::AltModifier)) {
        m_lookupEntry.clear();
    } else {
        TExCustomDropDown::ControlKeyUp(event);
    }
    if (alive && OnGridKeyUp)
        OnGridKeyUp(this, key, shift);
}

void TCustomExGridDropDown::ControlKeyPress(QChar key)
{
    QPointer<TCustomExGridDropDown> alive(this);
    QChar pressed = key;
    if (!m_grid || gridEditing(m_grid)) {
        m_lookupEntry.clear();
    } else {
        const int found = PopupLookupKey(key);
        if (!alive || !m_grid)
            return;
        int row = found;
        if (m_lookupMethod == lmNarrowDown)
            row = m_grid->RowCount() > m_grid->FixedRows() ? m_grid->FixedRows() : -1;
        else if (m_useItems && found >= 0)
            row = ItemIndexToRow(found);
        if (row >= m_grid->FixedRows() && row < m_grid->RowCount()) {
            if (row < m_grid->TopRow() || row >= m_grid->TopRow() + m_grid->VisibleRowCount())
                m_grid->setTopRow(std::min(row, std::max(m_grid->FixedRows(), m_grid->MaxTopRow())));
            m_grid->MoveColRow(0, row, true, false);
            if (!alive || !m_grid)
                return;
            m_grid->InvalidateRow(row);
        } else if (key.unicode() != Backspace) {
            m_lookupEntry.clear();
        }
    }
    if (alive && OnGridKeyPress)
        OnGridKeyPress(this, pressed);
}

void TCustomExGridDropDown::showLookupText(const QString &text)
{
    QPointer<TCustomExGridDropDown> alive(this);
    showOwnText(text);
    if (!alive)
        return;
    SetModifiedFlag(this->text() != OldString());
    if (m_style == dsDropDown) {
        const int start = std::min(int(m_lookupEntry.size()), int(text.size()));
        setSelection(start, int(text.size()) - start);
    }
}

int TCustomExGridDropDown::PopupLookupKey(QChar key)
{
    if (m_lookupMethod == lmNone)
        return -1;
    QPointer<TCustomExGridDropDown> alive(this);
    if (key.unicode() == Backspace) {
        if (!hasSelectedText()) {
            m_lookupEntry.chop(1);
            showOwnText(m_lookupEntry);
        } else {
            QString rest = text();
            rest.remove(selectionStart(), int(selectedText().size()));
            showOwnText(rest);
        }
        if (!alive)
            return -1;
        setCursorPosition(int(text().size()));
        // A shorter entry lets more rows through again.
        if (m_lookupMethod == lmNarrowDown && m_grid) {
            const QString entry = m_lookupEntry.trimmed();
            if (entry.isEmpty())
                m_grid->ShowAllRows();
            else
                m_grid->NarrowDownTo(entry, m_lookupColumn);
        }
        return -1;
    }
    if (key.unicode() != Tab)
        m_lookupEntry += key;
    const QString entry = m_lookupEntry.trimmed();
    if (m_lookupMethod == lmNarrowDown) {
        if (!m_grid)
            return -1;
        if (entry.isEmpty()) {
            m_grid->ShowAllRows();
        } else {
            m_grid->NarrowDownTo(entry, m_lookupColumn);
            if (m_style == dsDropDown && m_grid->RowCount() > m_grid->FixedRows() && m_lookupColumn >= 0) {
                showLookupText(m_grid->Cells(m_lookupColumn, m_grid->FixedRows()));
                if (!alive || !m_grid)
                    return -1;
            }
        }
        return m_grid->RowCount() > m_grid->FixedRows() ? m_grid->FixedRows() : -1;
    }
    QString found;
    int row = -1;
    const auto take = [&]() {
        m_itemIndex = m_useItems ? row : m_grid->RealRowIndex(row) - m_grid->FixedRows();
        showLookupText(found);
        return alive ? row : -1;
    };
    if (FindLookupMatch(entry, found, row))
        return take();
    if (m_style == dsDropDown || key.unicode() == Tab)
        return -1;
    // A character that continues no entry starts a new one.
    if (FindLookupMatch(QString(key), found, row)) {
        m_lookupEntry = QString(key);
        return take();
    }
    m_lookupEntry.clear();
    return -1;
}

} // namespace controls::griddd
