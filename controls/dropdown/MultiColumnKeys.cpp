// The multi-column drop-down's typing: the edit completes what the user
// types from the lookup column; the arrows, pages and wheel step through
// the items while the popup is closed; in the open list the typed
// characters find a row.
#include "controls/dropdown/ExColGrid.h"
#include "controls/dropdown/MultiColumnDropDown.h"
#include "controls/dropdown/core/ColumnLayout.h"

#include <QKeyEvent>
#include <QPointer>

namespace controls::multicol {

namespace {

bool isEnter(int key) { return key == Qt::Key_Return || key == Qt::Key_Enter; }

// The keys the open list keeps for itself.
bool isListMove(int key)
{
    return key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Up || key == Qt::Key_Down;
}

// Keys that end a type-ahead in the list rather than add to it.
bool isNavigation(int key)
{
    return isEnter(key) || key == Qt::Key_Escape || key == Qt::Key_Home || key == Qt::Key_End || isListMove(key);
}

} // namespace

void TExMultiColumnDropDown::HandleTextChange()
{
    m_itemChange = false;
    TExCustomDropDown::HandleTextChange();
    if (m_ownText > 0 || !m_workmode)
        return;
    // Modified: the text differs from the one it had on getting the focus.
    SetModifiedFlag(text() != OldString());
    const int caret = hasSelectedText() ? selectionStart() : cursorPosition();
    const auto completion = completeTypedText(m_lookupItems, text(), caret);
    // Nothing matched: the text stays as typed, whatever follows the caret.
    if (!completion)
        return;
    QPointer<TExMultiColumnDropDown> alive(this);
    showOwnText(completion->text);
    if (!alive)
        return;
    m_itemIndex = completion->index;
    m_itemIdx = completion->index;
    m_itemSel = completion->keyLength;
    m_itemChange = true;
    // The completed part selected, the caret after the typed one.
    const int length = int(text().size());
    setSelection(length, m_itemSel - length);
}

void TExMultiColumnDropDown::keyReleaseEvent(QKeyEvent *event)
{
    QPointer<TExMultiColumnDropDown> alive(this);
    TExCustomDropDown::keyReleaseEvent(event);
    if (alive)
        HandleKeyUp();
}

void TExMultiColumnDropDown::HandleKeyUp()
{
    if (!m_itemChange)
        return;
    QPointer<TExMultiColumnDropDown> alive(this);
    // The completed text in the item's own letter case.
    chooseItem(m_itemIdx, true);
    if (!alive)
        return;
    const int length = int(text().size());
    setSelection(length, std::min(m_itemSel, length) - length);
    m_itemChange = false;
}

void TExMultiColumnDropDown::HandleKeyDown(int &key, Qt::KeyboardModifiers shift)
{
    QPointer<TExMultiColumnDropDown> alive(this);
    if (m_lookupColumn < 0 || m_items.Count() == 0) {
        TExCustomDropDown::HandleKeyDown(key, shift);
        return;
    }
    if (key == Qt::Key_Backspace || key == Qt::Key_Escape || key == Qt::Key_Delete) {
        // The change these keys make is not completed.
        m_workmode = false;
    } else if (isEnter(key)) {
        if (const int found = m_lookupItems.indexOfText(Text()); found >= 0 && found < m_items.Count()) {
            showOwnText(m_lookupItems.text(found));
            if (!alive)
                return;
            chooseItem(found, true);
            if (!alive)
                return;
            ++m_ownText;
            HandleTextChange();
            if (!alive)
                return;
            --m_ownText;
        }
    } else {
        m_workmode = true;
    }
    TExCustomDropDown::HandleKeyDown(key, shift);
    if (!alive)
        return;
    if (key == Qt::Key_Escape && !DroppedDown())
        chooseItem(m_lookupItems.indexOfText(Text()), true);
}

void TExMultiColumnDropDown::HandleKeyDownMessage(int &key, Qt::KeyboardModifiers shift)
{
    QPointer<TExMultiColumnDropDown> alive(this);
    const int pressed = key;
    TExCustomDropDown::HandleKeyDownMessage(key, shift);
    if (!alive || !isEnabled() || (shift & Qt::AltModifier))
        return;
    switch (pressed) {
    case Qt::Key_PageUp:
        SelectPreviousPage();
        break;
    case Qt::Key_PageDown:
        SelectNextPage();
        break;
    case Qt::Key_End:
        if (!EditorEnabled())
            SelectLast();
        return;
    case Qt::Key_Home:
        if (!EditorEnabled())
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
    // Stepped: the edit and the dialog have nothing more to do with it.
    if (alive)
        key = 0;
}

// ---- the open list's keys ----

void TExMultiColumnDropDown::ControlKeyDown(QKeyEvent &event)
{
    const int key = event.key();
    const bool alt = event.modifiers() & Qt::AltModifier;
    // The list swallows Tab; it keeps its moves unless Alt is held.
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || (isListMove(key) && !alt))
        return;
    const QString typed = event.text();
    const bool character = !typed.isEmpty() && (typed.front().isPrint() || typed.front().unicode() == 8)
                           && !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier));
    if (!isNavigation(key) && character) {
        // The character step: the list's type-ahead, never the edit's.
        ControlKeyPress(typed.front());
        return;
    }
    if (isNavigation(key))
        m_popupLookup.clear();
    TExCustomDropDown::ControlKeyDown(event);
}

void TExMultiColumnDropDown::ControlKeyUp(QKeyEvent &event)
{
    const int key = event.key();
    if (key == Qt::Key_Tab || key == Qt::Key_Backtab || (isListMove(key) && !(event.modifiers() & Qt::AltModifier)))
        return;
    TExCustomDropDown::ControlKeyUp(event);
}

void TExMultiColumnDropDown::ControlKeyPress(QChar key)
{
    if (!m_grid || m_grid->Options().testFlag(goEditing)) {
        m_popupLookup.clear();
        return;
    }
    QPointer<TExMultiColumnDropDown> alive(this);
    const int row = PopupLookupKey(key);
    if (!alive || row < 0)
        return;
    const int gridRow = itemToRow(row);
    if (gridRow >= m_grid->RowCount())
        return;
    // Scrolled to the top when it can be, never past the last full page.
    if (gridRow < m_grid->TopRow() || gridRow >= m_grid->TopRow() + m_grid->VisibleRowCount())
        m_grid->setTopRow(std::min(gridRow, std::max(m_grid->FixedRows(), m_grid->MaxTopRow())));
    m_grid->setRow(gridRow);
    m_grid->setCol(0);
}

int TExMultiColumnDropDown::PopupLookupKey(QChar key)
{
    const TLookupIndex &index = popupIndex();
    TEditSnapshot edit{text(), hasSelectedText() ? selectionStart() : cursorPosition(),
                       int(selectedText().size())};
    const TPopupLookup::TResult result = m_popupLookup.key(key, edit, index, m_caseSensitive);
    QPointer<TExMultiColumnDropDown> alive(this);
    if (result.edit) {
        showOwnText(result.edit->text);
        if (!alive)
            return -1;
        SetModifiedFlag(text() != OldString());
        if (result.edit->selLength > 0)
            setSelection(result.edit->selStart, result.edit->selLength);
        else
            setCursorPosition(result.edit->selStart);
    }
    if (result.row >= 0)
        m_itemIndex = result.row;
    return result.row;
}

} // namespace controls::multicol
