// The edit-with-button editors: plain, numeric, float and masked edit
// buttons, and the unit edit whose button offers units. The button runs
// the grid's ellipsis event; the numeric kinds filter what is typed.
#include "controls/grid/base/FormatSettings.h"
#include "controls/grid/base/editors/EditButton.h"
#include "controls/grid/model/core/EditorFilters.h"
#include "controls/grid/view/SpecialEditor.h"
#include "platform/HandlerGuard.h"
#include "platform/Input.h"
#include "platform/ui/QtColor.h"

#include <QApplication>
#include <QClipboard>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPointer>

namespace controls {

namespace {

// The numeric edit buttons' filter; false drops the character, beep says
// whether the drop is heard.
bool acceptChar(TEditorType type, const QLineEdit &edit, QChar c, bool ctrl, bool &beep)
{
    beep = false;
    if (c == u'\b' || c == u'\t' || c == u'\r' || c == QChar(27) || c.isDigit())
        return true;
    const QString text = edit.text();
    const QString selected = edit.selectedText();
    const int caret = edit.hasSelectedText() ? edit.selectionStart() : edit.cursorPosition();
    const bool numeric = type == edNumericEditBtn || type == edNumericUnitEditBtn;
    const bool isFloat = type == edFloatEditBtn || type == edFloatUnitEditBtn;
    if (numeric) {
        if (c == u'-' && !text.contains(u'-') && caret == 0)
            return true;
        beep = true;
        return false;
    }
    if (!isFloat)
        return true;
    const TFormatSettings &fs = formatSettings();
    if (c == fs.ThousandSeparator)
        return false;
    if (c == fs.DecimalSeparator)
        return !text.contains(c) || selected.contains(c);
    if (c == u'-') {
        if (caret == 0 && (!text.contains(u'-') || selected.contains(u'-')))
            return true;
        beep = true;
        return false;
    }
    if (c == u',' || c == u'.')
        return true;
    return ctrl;
}

// What both edit buttons do for the grid: the filter, the keys that leave
// the editor, the caret walking out, the look-up completion and the paste.
template <typename TBase>
class TGridEditBase : public TBase {
public:
    TGridEditBase(TGridSpecialEditor &editor, QWidget *parent) : TBase(parent), m_editor(editor)
    {
        this->setBorderSingle(false);
        QObject::connect(this, &QLineEdit::textEdited, this, [this](const QString &text) {
            platform::guarded([&] {
                TExStringGrid &grid = m_editor.grid();
                if (m_editor.isOpen() && grid.OnEditChange)
                    grid.OnEditChange(&grid, grid.Col(), grid.Row(), text);
            });
        });
    }
    TEditorType m_type = edEditBtn;
    bool StopEditAfterClick = false;

    void HandleCharMessage(QChar &key) override
    {
        TBase::HandleCharMessage(key);
        if (key.isNull())
            return;
        const bool ctrl = QApplication::keyboardModifiers().testFlag(Qt::ControlModifier);
        if (key == u'\r' || key == u'\t') {
            key = QChar();
            return;
        }
        bool beep = false;
        if (!acceptChar(m_type, *this, key, ctrl, beep)) {
            if (beep)
                QApplication::beep();
            key = QChar();
        }
    }

    void HandleKeyPress(QChar &key) override
    {
        TExStringGrid &grid = m_editor.grid();
        if (grid.OnKeyPress)
            platform::guarded([&] { grid.OnKeyPress(&grid, key); });
        if (key == u'\t')
            key = QChar();
        if (!key.isNull())
            TBase::HandleKeyPress(key);
    }

    void HandleKeyDown(int &key, Qt::KeyboardModifiers shift) override
    {
        platform::guarded([&] { gridKey(key, shift); });
        if (key != 0)
            TBase::HandleKeyDown(key, shift);
    }

protected:
    virtual bool unitKeys() const { return false; }
    // The text the editor commits.
    virtual QString commitText() const { return this->text(); }
    virtual void showCommitted(const QString &text) { this->setText(text); }

    bool event(QEvent *event) override
    {
        if (QKeyEvent *key = m_editor.tabForGrid(event)) {
            this->keyPressEvent(key);
            return true;
        }
        return TBase::event(event);
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        if (event->matches(QKeySequence::Paste)) {
            platform::guarded([&] { paste(); });
            return;
        }
        TBase::keyPressEvent(event);
    }

    void keyReleaseEvent(QKeyEvent *event) override
    {
        platform::guarded([&] { keyUp(event); });
        if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter)
            TBase::keyReleaseEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent *event) override
    {
        TBase::mouseDoubleClickEvent(event);
        platform::guarded([&] {
            TExStringGrid &grid = m_editor.grid();
            if (grid.OnDblClickCell)
                grid.OnDblClickCell(&grid, grid.Row(), grid.Col());
        });
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        TBase::focusOutEvent(event);
        platform::guarded([&] { m_editor.focusLeft(); });
    }

    TGridSpecialEditor &m_editor;

private:
    void keyUp(QKeyEvent *event)
    {
        if (!m_editor.isOpen())
            return;
        const int key = event->key();
        const bool shift = event->modifiers().testFlag(Qt::ShiftModifier);
        if (m_editor.grid().Navigation().CursorWalkEditor && !shift && !this->hasSelectedText()) {
            const int caret = this->cursorPosition();
            const bool left = key == Qt::Key_Left && caret == 0 && m_caretAtKeyDown == 0;
            const bool right = key == Qt::Key_Right && caret == this->text().size() && m_caretAtKeyDown == caret;
            if ((left || right) && m_editor.confirm(commitText())) {
                m_editor.walkOut(right);
                return;
            }
        }
        if (key != Qt::Key_Left && key != Qt::Key_Right && key != Qt::Key_Return && key != Qt::Key_Enter)
            lookupTyping();
    }

    void lookupTyping()
    {
        TExStringGrid &grid = m_editor.grid();
        if (!m_workMode || this->hasSelectedText() || !grid.Lookup || grid.LookupItems.isEmpty())
            return;
        const QString typed = this->text().left(this->cursorPosition());
        if (typed.isEmpty())
            return;
        const Qt::CaseSensitivity cs = grid.LookupCaseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
        for (const QString &word : grid.LookupItems) {
            if (!word.startsWith(typed, cs))
                continue;
            const QString text = typed + word.mid(typed.size());
            this->setText(text);
            this->setSelection(int(text.size()), int(typed.size() - text.size()));
            return;
        }
    }

    void paste()
    {
        QString text = QApplication::clipboard()->text();
        if (text.isEmpty())
            return;
        TExStringGrid &grid = m_editor.grid();
        bool allow = true;
        if (grid.OnClipboardPaste)
            grid.OnClipboardPaste(this, allow);
        if (allow && grid.OnClipboardBeforePasteCell)
            grid.OnClipboardBeforePasteCell(this, grid.Col(), grid.Row(), text, allow);
        if (!allow)
            return;
        // A text of one line that ends with its line break loses it.
        if (text.endsWith(QStringLiteral("\r\n")) && text.count(u'\n') == 1)
            text.chop(2);
        const bool replacing = this->hasSelectedText();
        const int start = replacing ? this->selectionStart() : this->cursorPosition();
        this->insert(text);
        if (replacing)
            this->setSelection(start, int(text.size()));
        else
            this->setCursorPosition(start + int(text.size()));
        if (grid.OnEditChange)
            grid.OnEditChange(&grid, grid.Col(), grid.Row(), this->text());
    }

    void gridKey(int &key, Qt::KeyboardModifiers modifiers)
    {
        if (!m_editor.isOpen())
            return;
        TExStringGrid &grid = m_editor.grid();
        const platform::TShiftState shift = platform::shiftState(modifiers);
        std::uint16_t vk = platform::virtualKey(key);
        const bool gridKey = vk == platform::VK_TAB || vk == platform::VK_RETURN || vk == platform::VK_ESCAPE
                             || vk == platform::VK_PRIOR || vk == platform::VK_NEXT || vk == platform::VK_UP
                             || vk == platform::VK_DOWN;
        if (!gridKey && vk != 0 && grid.OnKeyDown && !unitKeys())
            grid.OnKeyDown(&grid, vk, shift);
        m_workMode = key != Qt::Key_Backspace && key != Qt::Key_Delete;
        m_caretAtKeyDown = this->cursorPosition();
        if (!gridKey || modifiers.testFlag(Qt::ControlModifier))
            return;
        key = 0;
        const bool commits = vk == platform::VK_RETURN || vk == platform::VK_UP || vk == platform::VK_DOWN
                             || (vk == platform::VK_TAB && (grid.EditorWantsTab() || unitKeys()));
        if (commits) {
            const bool ok = m_editor.confirm(commitText());
            showCommitted(unitKeys() ? grid.CurrentCell() : m_editor.newCellText());
            if (!ok) {
                if (!unitKeys())
                    this->selectAll();
                m_editor.setNoAutoAdvance(true);
                return;
            }
        }
        if (vk == platform::VK_TAB && grid.Options().testFlag(goTabs)) {
            m_editor.tabKey(shift);
            return;
        }
        if (vk == platform::VK_ESCAPE)
            showCommitted(m_editor.cellCache());
        m_editor.doneKey(vk, shift);
    }

    int m_caretAtKeyDown = 0;
    bool m_workMode = true;
};

class TGridEditBtn final : public TGridEditBase<TEsgEditBtn> {
public:
    using TGridEditBase::TGridEditBase;
    void ButtonClick() override
    {
        TEsgEditBtn::ButtonClick();
        platform::guarded([&] {
            TExStringGrid &grid = m_editor.grid();
            QString result;
            grid.DoEllipsClick(text(), result);
            setText(result);
            selectAll();
            if (StopEditAfterClick) {
                grid.HideInplaceEdit();
                grid.setFocus();
            }
        });
    }
};

class TGridUnitEditBtn final : public TGridEditBase<TEsgUnitEditBtn> {
public:
    TGridUnitEditBtn(TGridSpecialEditor &editor, QWidget *parent) : TGridEditBase(editor, parent)
    {
        OnUnitChanged = [this](QObject *sender, const QString &unit) { m_editor.unitChanged(sender, unit); };
    }
    void ButtonClick() override
    {
        platform::guarded([&] {
            QString result;
            m_editor.grid().DoEllipsClick(text(), result);
            setText(result);
            selectAll();
        });
        TEsgUnitEditBtn::ButtonClick();
    }

protected:
    bool unitKeys() const override { return true; }
    QString commitText() const override { return TextAndUnit(); }
    void showCommitted(const QString &text) override
    {
        setUnitID(QString());
        setText(text);
        setTextAndUnit(text);
    }
};

template <typename TControl>
class TEditBtnEditor final : public TGridSpecialEditor {
public:
    explicit TEditBtnEditor(TExStringGrid &grid) : TGridSpecialEditor(grid), m_edit(new TControl(*this, &grid)) {}
    QWidget *widget() const override { return m_edit; }

    void open(const TEditorOpening &at) override
    {
        TExStringGrid &g = grid();
        TControl &e = *m_edit;
        e.m_type = at.type;
        QString mask;
        if (at.type == edMaskEditBtn) {
            mask = g.EditMask;
            if (g.OnGetEditMask)
                g.OnGetEditMask(&g, at.col, at.row, mask);
        }
        e.setInputMask(inputMaskFromEditMask(mask));
        e.setGeometry(at.cell);
        e.setMaxLength(g.MaxEditLength > 0 ? g.MaxEditLength : 32767);
        if constexpr (std::is_same_v<TControl, TGridUnitEditBtn>) {
            e.setUnitID(QString());
            e.setText(QString());
            e.setTextAndUnit(at.text);
            if (e.UnitID().isEmpty())
                e.setText(at.text);
        } else {
            e.setText(at.text);
        }
        QPalette p = e.palette();
        p.setColor(QPalette::Base, platform::toQColor(at.color));
        e.setPalette(p);
        e.show();
        e.setEnabled(true);
    }

    void typeChar(QChar c) override
    {
        m_edit->selectAll();
        TGridSpecialEditor::typeChar(c);
    }

    std::optional<QString> value() const override
    {
        if constexpr (std::is_same_v<TControl, TGridUnitEditBtn>)
            return m_edit->TextAndUnit();
        else
            return m_edit->text();
    }

    void setColorTones(const TColorTones &tones) override
    {
        TEsgEditButton *b = m_edit->EditButton();
        setButtonTones(*b, tones);
        b->update();
    }

private:
    QPointer<TControl> m_edit;
};

} // namespace

void TExStringGrid::UnitChanged(QObject *Sender, const QString &NewUnit)
{
    if (OnUnitChanged)
        OnUnitChanged(this, Col(), Row(), NewUnit);
}

std::unique_ptr<TGridSpecialEditor> makeGridEditBtn(TExStringGrid &grid)
{
    return std::make_unique<TEditBtnEditor<TGridEditBtn>>(grid);
}

std::unique_ptr<TGridSpecialEditor> makeGridUnitEditBtn(TExStringGrid &grid)
{
    return std::make_unique<TEditBtnEditor<TGridUnitEditBtn>>(grid);
}

} // namespace controls
