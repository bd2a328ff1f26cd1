// The spin editor of integer, float, time and date cells: the spin edit
// over the cell, its range from the grid's shared spin settings, the page
// and Home/End keys, and the grid's spin-click events.
#include "controls/grid/base/NumberText.h"
#include "controls/grid/base/editors/PickerBase.h"
#include "controls/grid/base/editors/SpinEdit.h"
#include "controls/grid/view/SpecialEditor.h"
#include "platform/HandlerGuard.h"
#include "platform/Input.h"
#include "platform/ui/QtColor.h"

#include <QDateTime>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

namespace controls {

namespace {

TDateTime now() { return fromQDateTime(QDateTime::currentDateTime()); }

class TGridSpin final : public TEsgSpinEdit {
public:
    TGridSpin(TGridSpecialEditor &editor, QWidget *parent) : TEsgSpinEdit(parent), m_editor(editor)
    {
        setBorderSingle(false);
        MinValue = 0;
        MaxValue = 100;
        Increment = 1;
        connect(this, &QLineEdit::textEdited, this, [this](const QString &text) {
            platform::guarded([&] { editChanged(text); });
        });
    }

    void UpButtonClick() override
    {
        TEsgSpinEdit::UpButtonClick();
        platform::guarded([&] { spinClick(true); });
    }
    void DownButtonClick() override
    {
        TEsgSpinEdit::DownButtonClick();
        platform::guarded([&] { spinClick(false); });
    }

    void HandleKeyDown(int &key, Qt::KeyboardModifiers shift) override
    {
        platform::guarded([&] { gridKey(key, shift); });
        if (key != 0)
            TEsgSpinEdit::HandleKeyDown(key, shift);
    }

protected:
    bool event(QEvent *event) override
    {
        // With goTabs Tab is the grid's, not the dialog's.
        if (event->type() == QEvent::KeyPress) {
            auto *key = static_cast<QKeyEvent *>(event);
            if ((key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab)
                && m_editor.grid().Options().testFlag(goTabs)) {
                keyPressEvent(key);
                return true;
            }
        }
        return TEsgSpinEdit::event(event);
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        TEsgSpinEdit::focusOutEvent(event);
        platform::guarded([&] { m_editor.focusLeft(); });
    }

private:
    bool isNumber() const { return SpinType() == TEsgSpinType::sptNormal || SpinType() == TEsgSpinType::sptFloat; }

    void editChanged(const QString &text)
    {
        TExStringGrid &grid = m_editor.grid();
        if (grid.OnEditChange)
            grid.OnEditChange(&grid, grid.Col(), grid.Row(), text);
    }

    void spinClick(bool up)
    {
        TExStringGrid &grid = m_editor.grid();
        const int col = grid.Col();
        const int row = grid.Row();
        switch (SpinType()) {
        case TEsgSpinType::sptNormal:
            if (grid.OnSpinClick)
                grid.OnSpinClick(&grid, col, row, Value(), up);
            break;
        case TEsgSpinType::sptFloat:
            if (grid.OnFloatSpinClick)
                grid.OnFloatSpinClick(&grid, col, row, FloatValue(), up);
            break;
        case TEsgSpinType::sptDate:
            if (grid.OnDateSpinClick)
                grid.OnDateSpinClick(&grid, col, row, DateValue(), up);
            break;
        case TEsgSpinType::sptTime:
            if (grid.OnTimeSpinClick)
                grid.OnTimeSpinClick(&grid, col, row, TimeValue(), up);
            break;
        }
        editChanged(text());
    }

    // Page Up and Down step by the increment only while the result stays
    // in the range; Home and End go to its ends.
    bool pageKey(int key)
    {
        if (!isNumber())
            return false;
        const bool isFloat = SpinType() == TEsgSpinType::sptFloat;
        // Equal ends mean no range.
        const bool bounded = isFloat ? MinFloatValue != MaxFloatValue : MinValue != MaxValue;
        bool up = true;
        switch (key) {
        case Qt::Key_PageUp:
            if (isFloat && (!bounded || FloatValue() + IncrementFloat <= MaxFloatValue))
                setFloatValue(FloatValue() + IncrementFloat);
            else if (!isFloat && (!bounded || Value() + Increment <= MaxValue))
                setValue(Value() + Increment);
            break;
        case Qt::Key_PageDown:
            up = false;
            if (isFloat && (!bounded || FloatValue() - IncrementFloat >= MinFloatValue))
                setFloatValue(FloatValue() - IncrementFloat);
            else if (!isFloat && (!bounded || Value() - Increment >= MinValue))
                setValue(Value() - Increment);
            break;
        case Qt::Key_Home:
            isFloat ? setFloatValue(MaxFloatValue) : setValue(MaxValue);
            break;
        case Qt::Key_End:
            up = false;
            isFloat ? setFloatValue(MinFloatValue) : setValue(MinValue);
            break;
        default:
            return false;
        }
        TExStringGrid &grid = m_editor.grid();
        if (grid.OnSpinClick)
            grid.OnSpinClick(&grid, grid.Col(), grid.Row(), Value(), up);
        editChanged(text());
        return true;
    }

    void gridKey(int &key, Qt::KeyboardModifiers modifiers)
    {
        if (!m_editor.isOpen())
            return;
        if (pageKey(key)) {
            key = 0;
            return;
        }
        const platform::TShiftState shift = platform::shiftState(modifiers);
        std::uint16_t vk = 0;
        switch (key) {
        case Qt::Key_Escape:
            // The text from before the edit, read again as the spin's value.
            setText(m_editor.cellCache());
            if (SpinType() == TEsgSpinType::sptNormal)
                setValue(Value());
            else if (SpinType() == TEsgSpinType::sptFloat)
                setFloatValue(FloatValue());
            vk = platform::VK_ESCAPE;
            break;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            vk = platform::VK_TAB;
            break;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            vk = platform::VK_RETURN;
            break;
        case Qt::Key_Up:
            vk = platform::VK_UP;
            break;
        case Qt::Key_Down:
            vk = platform::VK_DOWN;
            break;
        default:
            return;
        }
        key = 0;
        if (vk != platform::VK_ESCAPE && !m_editor.confirm(text())) {
            setText(m_editor.grid().CurrentCell());
            end(false);
            m_editor.setNoAutoAdvance(true);
            return;
        }
        if (vk == platform::VK_TAB && m_editor.grid().Options().testFlag(goTabs)) {
            m_editor.tabKey(shift);
            return;
        }
        m_editor.doneKey(vk, shift);
    }

    TGridSpecialEditor &m_editor;
};

class TSpinEditor final : public TGridSpecialEditor {
public:
    explicit TSpinEditor(TExStringGrid &grid) : TGridSpecialEditor(grid), m_spin(new TGridSpin(*this, &grid)) {}
    QWidget *widget() const override { return m_spin; }

    void open(const TEditorOpening &at) override
    {
        TExStringGrid &g = grid();
        const TExStringGrid::TGridSpinRange &range = g.SpinEdit();
        m_type = at.type;
        m_spin->setGeometry(at.cell);
        m_spin->show();
        m_spin->setEnabled(true);
        m_spin->ExcelStyleDecimalSeparator = g.ExcelStyleDecimalSeparator;
        m_spin->MinValue = range.MinValue;
        m_spin->MaxValue = range.MaxValue;
        m_spin->Increment = range.Increment;
        setColor(at.color);
        switch (at.type) {
        case edFloatSpinEdit: {
            m_spin->setSpinType(TEsgSpinType::sptFloat);
            bool ok = false;
            const double value = CleanNumericText(at.text).toDouble(&ok);
            m_spin->setFloatValue(ok ? value : 0.0);
            break;
        }
        case edTimeSpinEdit:
            m_spin->setSpinType(TEsgSpinType::sptTime);
            m_spin->setText(at.text);
            break;
        case edDateSpinEdit: {
            m_spin->setSpinType(TEsgSpinType::sptDate);
            TDateTime date = 0;
            m_spin->setDateValue(!at.text.isEmpty() && ParseLocaleDateTime(at.text, date) ? date : now());
            break;
        }
        default: {
            m_spin->setSpinType(TEsgSpinType::sptNormal);
            // As far as it is a number: "12abc" is 12.
            qsizetype n = 0;
            while (n < at.text.size() && (at.text[n].isDigit() || (n == 0 && (at.text[n] == u'-' || at.text[n] == u'+'))))
                ++n;
            m_spin->setValue(at.text.left(n).toInt());
            break;
        }
        }
    }

    void opened(const TEditorOpening &) override
    {
        TExStringGrid &g = grid();
        if (std::exchange(g.FSpinUpClick, false))
            m_spin->UpButtonClick();
        if (std::exchange(g.FSpinDnClick, false))
            m_spin->DownButtonClick();
    }

    std::optional<QString> value() const override
    {
        if (m_spin->AllowEmptyValue && m_spin->text().trimmed().isEmpty())
            return QString();
        if (m_type == edSpinEdit)
            return QString::number(m_spin->Value());
        return m_spin->text();
    }

    void setColorTones(const TColorTones &tones) override
    {
        TEsgSpinButton *b = m_spin->Button();
        setButtonTones(*b, tones);
        b->update();
    }

private:
    void setColor(platform::TColor color)
    {
        QPalette p = m_spin->palette();
        p.setColor(QPalette::Base, platform::toQColor(color));
        m_spin->setPalette(p);
    }
    QPointer<TGridSpin> m_spin;
    TEditorType m_type = edSpinEdit;
};

} // namespace

std::unique_ptr<TGridSpecialEditor> makeGridSpin(TExStringGrid &grid) { return std::make_unique<TSpinEditor>(grid); }

} // namespace controls
