// The combo editor of combo cells, editable (edComboEdit) or a pick list
// (edComboList): the grid's shared item list, the keys that leave it, the
// wheel, look-up completion while typing, and the grid's combo events.
#include "controls/grid/base/editors/EsgCombo.h"
#include "controls/grid/view/GridAppearance.h"
#include "controls/grid/view/SpecialEditor.h"
#include "platform/HandlerGuard.h"
#include "platform/Input.h"
#include "platform/ui/QtColor.h"

#include <QApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QWheelEvent>

namespace controls {

namespace {

class TGridCombo final : public TEsgComboBox {
public:
    TGridCombo(TGridSpecialEditor &editor, QWidget *parent) : TEsgComboBox(parent), m_editor(editor)
    {
        setButtonWidth(16);
        setInsertPolicy(QComboBox::NoInsert);
        connect(this, &QComboBox::currentIndexChanged, this, [this](int) {
            if (!m_loading)
                platform::guarded([&] { fireChange(); });
        });
    }

    // While set, changes come from the grid, not the user: no events.
    bool m_loading = false;
    bool WorkMode = true;

    void prepareEdit()
    {
        if (QLineEdit *edit = lineEdit()) {
            // The grid's look-up typing completes, not Qt's.
            edit->setCompleter(nullptr);
            edit->installEventFilter(this);
            if (m_connectedEdit != edit) {
                m_connectedEdit = edit;
                connect(edit, &QLineEdit::textEdited, this, [this](const QString &text) {
                    platform::guarded([&] { textEdited(text); });
                });
            }
        }
    }

    // The list as wide as its widest item.
    void SizeDropDownWidth()
    {
        int w = width();
        const QFontMetrics fm(font());
        for (int i = 0; i < count(); ++i) {
            const int t = fm.horizontalAdvance(itemText(i));
            if (count() > maxVisibleItems()) {
                if (w - 25 < t)
                    w = t + 25;
            } else if (w - 5 < t) {
                w = t + 8;
            }
        }
        setDropWidth(w);
    }

    void fireChange()
    {
        TExStringGrid &grid = m_editor.grid();
        if (!m_editor.isOpen())
            return;
        const int i = currentIndex();
        const QString text = i < 0 ? currentText() : itemText(i);
        if (grid.OnComboChange)
            grid.OnComboChange(&grid, grid.RealCol(), grid.Row(), i, text);
        if (grid.OnComboObjectChange)
            grid.OnComboObjectChange(&grid, grid.RealCol(), grid.Row(), i, text,
                                     i < 0 ? nullptr : itemData(i).value<QObject *>());
    }

    void showPopup() override
    {
        TEsgComboBox::showPopup();
    }

    void hidePopup() override
    {
        TEsgComboBox::hidePopup();
        platform::guarded([&] { closedUp(); });
    }

protected:
    bool event(QEvent *event) override
    {
        if (QKeyEvent *key = m_editor.tabForGrid(event)) {
            keyPressEvent(key);
            return true;
        }
        return TEsgComboBox::event(event);
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // The inner edit's Tab, before the dialog's focus chain takes it.
        if (watched == lineEdit()) {
            if (QKeyEvent *key = m_editor.tabForGrid(event)) {
                keyPressEvent(key);
                return true;
            }
        }
        return TEsgComboBox::eventFilter(watched, event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        bool handled = false;
        platform::guarded([&] { handled = gridKey(event); });
        if (handled)
            return;
        const QString typed = event->text();
        if (!typed.isEmpty() && (typed.front() == u'\r' || typed.front() == QChar(27) || typed.front() == u'\t'))
            return;
        QChar ch = typed.isEmpty() ? QChar() : typed.front();
        TExStringGrid &grid = m_editor.grid();
        if (!ch.isNull() && grid.OnKeyPress)
            platform::guarded([&] { grid.OnKeyPress(&grid, ch); });
        if (!typed.isEmpty() && ch.isNull())
            return;
        TEsgComboBox::keyPressEvent(event);
    }

    void keyReleaseEvent(QKeyEvent *event) override
    {
        platform::guarded([&] { keyUp(event); });
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
            TEsgComboBox::keyReleaseEvent(event);
    }

    void wheelEvent(QWheelEvent *event) override
    {
        platform::guarded([&] {
            const int delta = event->angleDelta().y();
            if (delta == 0 || count() == 0)
                return;
            const int next = delta < 0 ? std::min(currentIndex() + 1, count() - 1) : std::max(currentIndex() - 1, 0);
            if (next == currentIndex())
                return;
            m_loading = true;
            setCurrentIndex(next);
            m_loading = false;
            TExStringGrid &grid = m_editor.grid();
            if (grid.OnEditChange)
                grid.OnEditChange(&grid, grid.Col(), grid.Row(), currentText());
            fireChange();
        });
        event->accept();
    }

    void focusInEvent(QFocusEvent *event) override
    {
        TEsgComboBox::focusInEvent(event);
        platform::guarded([&] {
            if (isEditable() && !m_editor.grid().Navigation().EditSelectAll)
                lineEdit()->end(false);
        });
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        TEsgComboBox::focusOutEvent(event);
        platform::guarded([&] {
            TExStringGrid &grid = m_editor.grid();
            if (!m_editor.isOpen())
                return;
            QWidget *focus = QApplication::focusWidget();
            if (focus == this || (focus != nullptr && isAncestorOf(focus)))
                return;
            if (grid.LookupHistory && isEditable() && !currentText().isEmpty() && findText(currentText()) < 0) {
                m_loading = true;
                const QString text = currentText();
                addItem(text);
                setEditText(text);
                m_loading = false;
            }
            m_editor.focusLeft();
        });
    }

private:
    bool listMode() const { return DroppedDown() || !isEditable(); }

    void textEdited(const QString &text)
    {
        TExStringGrid &grid = m_editor.grid();
        if (!m_editor.isOpen())
            return;
        if (grid.OnEditChange)
            grid.OnEditChange(&grid, grid.Col(), grid.Row(), text);
        if (grid.OnComboChange) {
            const int i = findText(text);
            grid.OnComboChange(&grid, grid.RealCol(), grid.Row(), i, text);
            grid.OnComboChange(&grid, grid.Col(), grid.Row(), -1, text);
        }
        if (grid.OnComboObjectChange) {
            const int i = findText(text);
            grid.OnComboObjectChange(&grid, grid.RealCol(), grid.Row(), i, text,
                                     i < 0 ? nullptr : itemData(i).value<QObject *>());
        }
    }

    // The list closed: with DirectComboClose the choice is made.
    void closedUp()
    {
        TExStringGrid &grid = m_editor.grid();
        if (m_loading || !m_editor.isOpen() || !grid.MouseActions().DirectComboClose)
            return;
        if (currentIndex() >= 0 && isEditable())
            setEditText(itemText(currentIndex()));
        const bool direct = grid.MouseActions().DirectEdit;
        grid.MouseActions().DirectEdit = false;
        grid.HideInplaceEdit();
        grid.MouseActions().DirectEdit = direct;
        grid.setFocus();
    }

    // Completes the text up to the caret from the list, then from the
    // grid's look-up words; the completion (all of it) is selected.
    void lookupTyping()
    {
        TExStringGrid &grid = m_editor.grid();
        QLineEdit *edit = lineEdit();
        if (!WorkMode || !grid.Lookup || edit == nullptr)
            return;
        const QString typed = edit->text().left(edit->cursorPosition());
        if (typed.isEmpty())
            return;
        const Qt::CaseSensitivity cs = grid.LookupCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
        int item = -1;
        QString winner;
        for (int i = 0; i < count() && item < 0; ++i)
            if (itemText(i).startsWith(typed, cs)) {
                item = i;
                winner = itemText(i);
            }
        if (item < 0) {
            for (const QString &word : grid.LookupItems)
                if (word.startsWith(typed, cs)) {
                    winner = word;
                    break;
                }
        }
        if (winner.isEmpty())
            return;
        const QString text = typed + winner.mid(typed.size());
        if (item >= 0 && item != currentIndex())
            setCurrentIndex(item);
        edit->setText(text);
        edit->setSelection(text.size(), typed.size() - text.size());
    }

    void keyUp(QKeyEvent *event)
    {
        const int key = event->key();
        const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
        QLineEdit *edit = lineEdit();
        if (m_editor.isOpen() && edit != nullptr && m_editor.grid().Navigation().CursorWalkEditor && !shift
            && !edit->hasSelectedText() && !DroppedDown()) {
            const int caret = edit->cursorPosition();
            const bool left = key == Qt::Key_Left && caret == 0 && m_caretAtKeyDown == 0;
            const bool right = key == Qt::Key_Right && caret == edit->text().size() && m_caretAtKeyDown == caret;
            if ((left || right) && m_editor.confirm(currentText())) {
                m_editor.walkOut(right);
                return;
            }
        }
        m_editor.setNoAutoAdvance(false);
        if (key != Qt::Key_Left && key != Qt::Key_Right && m_editor.isOpen())
            lookupTyping();
    }

    bool isGridKey(int key, Qt::KeyboardModifiers mods) const
    {
        if (key == Qt::Key_Down && mods.testFlag(Qt::AltModifier))
            return false;
        switch (key) {
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
        case Qt::Key_Return:
        case Qt::Key_Enter:
        case Qt::Key_Escape:
            return true;
        case Qt::Key_Left:
        case Qt::Key_Right:
            return listMode();
        case Qt::Key_PageUp:
        case Qt::Key_PageDown:
        case Qt::Key_End:
        case Qt::Key_Up:
        case Qt::Key_Down:
            return !listMode();
        default:
            return false;
        }
    }

    bool gridKey(QKeyEvent *event)
    {
        if (!m_editor.isOpen())
            return false;
        TExStringGrid &grid = m_editor.grid();
        const int key = event->key();
        const Qt::KeyboardModifiers mods = event->modifiers();
        const platform::TShiftState shift = platform::shiftState(mods);
        std::uint16_t vk = platform::virtualKey(key);
        m_caretAtKeyDown = lineEdit() != nullptr ? lineEdit()->cursorPosition() : 0;
        WorkMode = key != Qt::Key_Backspace && key != Qt::Key_Delete;

        const bool upDown = key == Qt::Key_Up || key == Qt::Key_Down;
        if (upDown && !grid.Navigation().ComboGetUpDown && !DroppedDown()) {
            const bool always = grid.Navigation().AlwaysEdit;
            grid.Navigation().AlwaysEdit = false;
            grid.HideInplaceEdit();
            grid.Navigation().AlwaysEdit = always;
            grid.setFocus();
            grid.KeyDown(vk, shift);
            return true;
        }
        if (!isGridKey(key, mods))
            return false;
        if (key == Qt::Key_Escape) {
            m_loading = true;
            setEditText(grid.CurrentCell());
            if (const int i = findText(grid.CurrentCell()); i >= 0)
                setCurrentIndex(i);
            m_loading = false;
            grid.HideInplaceEdit();
            grid.setFocus();
            return true;
        }
        const bool tab = vk == platform::VK_TAB;
        if (vk == platform::VK_RETURN || upDown || (tab && grid.EditorWantsTab())) {
            if (!m_editor.confirm(currentText())) {
                m_loading = true;
                setEditText(m_editor.newCellText());
                m_loading = false;
                if (isEditable()) {
                    if (tab)
                        lineEdit()->end(false);
                    else
                        lineEdit()->selectAll();
                }
                m_editor.setNoAutoAdvance(true);
                return true;
            }
            m_loading = true;
            if (isEditable())
                setEditText(grid.CurrentCell());
            else if (const int i = findText(grid.CurrentCell()); i >= 0)
                setCurrentIndex(i);
            m_loading = false;
        }
        if (tab) {
            m_editor.tabKey(shift);
            return true;
        }
        if (listMode()) {
            const bool close = grid.MouseActions().DirectComboClose;
            grid.MouseActions().DirectComboClose = false;
            grid.HideInplaceEdit();
            grid.MouseActions().DirectComboClose = close;
            if (key == Qt::Key_Left || key == Qt::Key_Right) {
                grid.setFocus();
                grid.KeyDown(vk, shift);
                return true;
            }
        } else if (key == Qt::Key_End) {
            return false;
        }
        m_editor.doneKey(vk, shift);
        return true;
    }

    TGridSpecialEditor &m_editor;
    int m_caretAtKeyDown = 0;
    QPointer<QLineEdit> m_connectedEdit;
};

class TComboEditor final : public TGridSpecialEditor {
public:
    explicit TComboEditor(TExStringGrid &grid) : TGridSpecialEditor(grid), m_combo(new TGridCombo(*this, &grid)) {}
    QWidget *widget() const override { return m_combo; }

    void open(const TEditorOpening &at) override
    {
        TExStringGrid &g = grid();
        const TExStringGrid::TGridComboList &list = g.Combobox();
        TGridCombo &c = *m_combo;
        c.m_loading = true;
        m_defaulted = false;
        c.setDropDownCount(g.ControlLook().DropDownCount);
        c.hidePopup();
        c.setStyle(at.type == edComboList ? TComboStyle::csDropDownList : TComboStyle::csDropDown);
        c.prepareEdit();
        c.clear();
        c.addItems(list.Items);
        c.setCurrentIndex(-1);
        if (at.type == edComboList) {
            int i = c.findText(g.Cells(at.realCol, at.row));
            if (i < 0 && list.ItemIndex == -1) {
                i = c.findText(at.text);
                if (i < 0 && c.count() > 0) {
                    i = 0;
                    m_defaulted = true;
                }
            } else if (i < 0) {
                i = list.ItemIndex;
            }
            c.setCurrentIndex(i < c.count() ? i : -1);
        } else {
            c.setEditText(at.text);
            if (list.ItemIndex != -1 && c.findText(at.text) < 0 && list.ItemIndex < c.count()) {
                c.setCurrentIndex(list.ItemIndex);
            }
            c.setEditText(at.text);
            // Up to MaxComboLength characters; 0 for any number.
            c.lineEdit()->setMaxLength(g.MaxComboLength > 0 ? g.MaxComboLength : 32767);
        }
        c.setGeometry(at.cell.x(), at.cell.y(), at.cell.width(), std::max(at.cell.height(), c.minimumSizeHint().height()));
        c.setColor(at.color);
        const TGridLook look = g.Look();
        const bool flat = look == glSoft || look == glFenlo || look == glXP || look == glListView || look == glVista
                          || look == glWin7 || look == glOffice2007;
        c.setFlat(flat);
        c.setEtched(flat);
        c.setEnabled(true);
        c.show();
        if (g.Navigation().AutoComboDropSize)
            c.SizeDropDownWidth();
        c.m_loading = false;
    }

    void opened(const TEditorOpening &at) override
    {
        TExStringGrid &g = grid();
        if (g.MouseActions().DirectComboDrop || g.ControlLook().DropDownAlwaysVisible)
            m_combo->showPopup();
        if (g.MouseActions().DirectEdit && g.MouseActions().DirectComboDrop) {
            const TGridRect s = g.Selection();
            g.DoSelectionChanged(s.Left, s.Top, s.Right, s.Bottom);
        }
        // A pick list that started on its first item says so, once.
        if (m_defaulted && m_combo->count() > 0) {
            const QString first = m_combo->itemText(0);
            if (g.OnComboChange)
                g.OnComboChange(&g, at.realCol, at.row, 0, first);
            if (g.OnComboObjectChange)
                g.OnComboObjectChange(&g, at.realCol, at.row, 0, first, m_combo->itemData(0).value<QObject *>());
        }
    }

    void typeChar(QChar c) override
    {
        if (QLineEdit *edit = m_combo->lineEdit()) {
            // The typed character replaces the text, as typing into a cell does.
            edit->selectAll();
        }
        TGridSpecialEditor::typeChar(c);
    }

    std::optional<QString> value() const override { return m_combo->currentText(); }
    bool defaulted() const override { return m_defaulted; }

    void close() override
    {
        m_combo->m_loading = true;
        m_combo->hidePopup();
        m_combo->m_loading = false;
        TGridSpecialEditor::close();
    }

    void setColorTones(const TColorTones &tones) override
    {
        setButtonTones(*m_combo, tones);
        m_combo->setBorderColor(grid().Color());
        m_combo->setFlat(true);
    }

private:
    QPointer<TGridCombo> m_combo;
    bool m_defaulted = false;
};

} // namespace

std::unique_ptr<TGridSpecialEditor> makeGridCombo(TExStringGrid &grid) { return std::make_unique<TComboEditor>(grid); }

} // namespace controls
