// The in-place editor over the current cell: opened by typing or on demand,
// closed storing its text or, with Escape, restoring it; the keys that leave
// the cell go back to the grid.
#include "controls/grid/base/widget/CellGrid.h"

#include <QKeyEvent>

namespace controls {

using platform::TShiftState;

namespace {

bool isNavigationKey(std::uint16_t key)
{
    using namespace platform;
    return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT;
}

} // namespace

// --- in-place editor ----------------------------------------------------------

TInplaceEdit::TInplaceEdit(TCellGrid *grid) : QLineEdit(grid), m_grid(grid)
{
    setFrame(false);
    hide();
}

bool TInplaceEdit::event(QEvent *event)
{
    // Tab would leave for the next widget; with goTabs it moves to the next cell.
    if (event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) && m_grid->Options().testFlag(goTabs)) {
            keyPressEvent(key);
            return true;
        }
    }
    return QLineEdit::event(event);
}

void TInplaceEdit::keyPressEvent(QKeyEvent *event)
{
    const std::uint16_t key = platform::virtualKey(event->key());
    const TShiftState shift = platform::shiftState(event->modifiers());
    switch (key) {
    case platform::VK_ESCAPE:
        m_grid->HideEditor(true);
        m_grid->setFocus();
        return;
    case platform::VK_RETURN:
        m_grid->HideEditor(false);
        m_grid->setFocus();
        return;
    default:
        break;
    }
    if (isNavigationKey(key) || (key == platform::VK_TAB && m_grid->Options().testFlag(goTabs))) {
        // The cell is left: the text is stored and the grid walks on.
        m_grid->HideEditor(false);
        m_grid->setFocus();
        m_grid->KeyDown(key, shift);
        return;
    }
    QLineEdit::keyPressEvent(event);
}

// --- editor -----------------------------------------------------------------------------

void TCellGrid::setEditorMode(bool value)
{
    if (value)
        ShowEditor();
    else
        HideEditor();
}

bool TCellGrid::GridCanEditShow() { return m_options.testFlag(goEditing) && !m_options.testFlag(goRowSelect); }

TInplaceEdit *TCellGrid::GridCreateEditor() { return new TInplaceEdit(this); }

QString TCellGrid::GridGetEditText(int col, int row)
{
    QString text = GetGridCell(col, row);
    if (OnGetEditText)
        OnGetEditText(this, col, row, text);
    return text;
}

void TCellGrid::GridSetEditText(int col, int row, const QString &value)
{
    SetGridCell(col, row, value);
    if (OnSetEditText)
        OnSetEditText(this, col, row, value);
}

void TCellGrid::ShowEditor()
{
    if (RowCount() == 0 || ColCount() == 0 || !GridCanEditShow())
        return;
    if (m_editor == nullptr) {
        m_editor = GridCreateEditor();
        m_editor->setFont(m_font.qfont());
    }
    const QString text = GridGetEditText(Col(), Row());
    const int limit = GridGetEditLimit();
    m_editor->setMaxLength(limit > 0 ? limit : 32767);
    m_editor->setEditMask(GridGetEditMask(Col(), Row()));
    m_editor->setText(text);
    m_editor->setOriginalText(text);
    m_editorMode = true;
    placeEditor();
    m_editor->selectAll();
    if (hasFocus() || isActiveWindow())
        m_editor->setFocus();
}

void TCellGrid::HideEditor(bool cancel)
{
    if (!m_editorMode)
        return;
    m_editorMode = false;
    if (m_editor == nullptr)
        return;
    const bool hadFocus = m_editor->hasFocus();
    if (!cancel && m_editor->text() != m_editor->OriginalText())
        GridSetEditText(Col(), Row(), m_editor->text());
    m_editor->hide();
    if (hadFocus)
        setFocus();
    InvalidateCell(Col(), Row());
}

void TCellGrid::placeEditor()
{
    if (m_editor == nullptr)
        return;
    if (!m_editorMode) {
        m_editor->hide();
        return;
    }
    // A descendant's rectangle may stand for a cell out of view (a merged
    // area, a cell placed as if the grid were larger): only the cell's own
    // place in view says whether it shows.
    const QRect cell = platform::toQRect(CellRect(Col(), Row())).intersected(QRect(0, 0, ClientWidth(), ClientHeight()));
    if (cell.isEmpty() || platform::IsRectEmpty(TCellGrid::CellRect(Col(), Row()))) {
        m_editor->hide();
        return;
    }
    m_editor->setGeometry(cell);
    m_editor->show();
}

} // namespace controls
