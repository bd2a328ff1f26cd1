// The date editors: the date or time picker of date cells (a calendar or
// up-down, moving on to the next field as digits complete one) and the
// combined date-and-time picker; and the grid's date events.
#include "controls/grid/base/FormatSettings.h"
#include "controls/grid/base/editors/ExDateTimePicker.h"
#include "controls/grid/base/editors/FramedPicker.h"
#include "controls/grid/view/SpecialEditor.h"
#include "platform/HandlerGuard.h"
#include "platform/Input.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QCoreApplication>
#include <QDateTime>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QPointer>

namespace controls {

namespace {

TDateTime now() { return fromQDateTime(QDateTime::currentDateTime()); }

// A date in the order of the short date format, a two-digit year allowed.
bool readDate(const QString &text, TDateTime &value)
{
    if (ParseLocaleDateTime(text, value) && value > 0)
        return true;
    const bool monthFirst = formatSettings().ShortDateFormat.trimmed().startsWith(u'M', Qt::CaseInsensitive);
    value = monthFirst ? ParseDateMDY(text) : ParseDateDMY(text);
    return value > 0;
}

void sendKey(QWidget *target, int key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QApplication::sendEvent(target, &release);
}

// The parts of a value that a typed digit may change.
struct TParts {
    int y = 0, m = 0, d = 0, h = 0, n = 0, s = 0;
    static TParts of(TDateTime value)
    {
        const QDateTime dt = toQDateTime(value);
        return {dt.date().year(), dt.date().month(), dt.date().day(),
                dt.time().hour(), dt.time().minute(), dt.time().second()};
    }
};

// Whether typing moves on to the next field after a digit changed the value
// from before to after: a time when its hour, minute or second changed; a
// date with a format of its own unless the part just changed is the
// format's last; a date in the short format when its day or month changed.
bool movesOn(bool time, const QString &format, const TParts &before, const TParts &after)
{
    if (time)
        return before.h != after.h || before.n != after.n || before.s != after.s;
    const bool day = before.d != after.d;
    const bool month = before.m != after.m;
    const bool year = before.y != after.y;
    if (format.isEmpty())
        return day || month;
    const QChar last = format.back().toLower();
    if ((day && last == u'd') || (month && last == u'm') || (year && last == u'y'))
        return false;
    return day || month || year;
}

class TGridDatePicker final : public TEsgDateTimePicker {
public:
    TGridDatePicker(TGridSpecialEditor &editor, QWidget *parent) : TEsgDateTimePicker(parent), m_editor(editor)
    {
        OnChange = [this](QObject *) { platform::guarded([&] { changed(); }); };
    }
    bool WeekNumbers = false;
    bool ShowToday = true;
    bool ShowTodayCircle = true;

    void HandleKeyDown(int &key, Qt::KeyboardModifiers shift) override
    {
        platform::guarded([&] { gridKey(key, shift); });
        if (key != 0)
            TEsgDateTimePicker::HandleKeyDown(key, shift);
    }

protected:
    bool event(QEvent *event) override
    {
        if (event->type() == DTPShiftFocus()) {
            platform::guarded([&] { shiftFocus(); });
            return true;
        }
        if (QKeyEvent *key = m_editor.tabForGrid(event)) {
            keyPressEvent(key);
            return true;
        }
        const bool result = TEsgDateTimePicker::event(event);
        watchCalendar();
        return result;
    }

    void keyPressEvent(QKeyEvent *event) override
    {
        const QString typed = event->text();
        const bool digit = !typed.isEmpty() && typed.front().isDigit();
        if (digit)
            m_before = TParts::of(PlatformDateTime());
        TEsgDateTimePicker::keyPressEvent(event);
        // The digit is in once its field took it; then the field may be full.
        if (digit && m_editor.isOpen())
            QCoreApplication::postEvent(this, new QEvent(DTPShiftFocus()));
        if (!typed.isEmpty() && m_editor.isOpen()) {
            TExStringGrid &grid = m_editor.grid();
            QChar ch = typed.front();
            if (grid.OnKeyPress)
                platform::guarded([&] { grid.OnKeyPress(&grid, ch); });
        }
    }

    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (calendar() != nullptr && watched == calendar()->window()) {
            if (event->type() == QEvent::Show)
                platform::guarded([&] { droppedDown(); });
            else if (event->type() == QEvent::Hide)
                platform::guarded([&] { m_editor.datePickerCloseUp(); });
        }
        return TEsgDateTimePicker::eventFilter(watched, event);
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        TEsgDateTimePicker::focusOutEvent(event);
        platform::guarded([&] { m_editor.focusLeft(); });
    }

private:
    bool isTime() const { return PlatformKind() == TDateTimeKind::dtkTime; }

    void watchCalendar()
    {
        if (calendar() != nullptr && m_watched != calendar()->window()) {
            m_watched = calendar()->window();
            m_watched->installEventFilter(this);
        }
    }

    void droppedDown()
    {
        if (QCalendarWidget *c = calendar()) {
            c->setVerticalHeaderFormat(WeekNumbers ? QCalendarWidget::ISOWeekNumbers
                                                   : QCalendarWidget::NoVerticalHeader);
        }
        m_editor.datePickerDropDown();
    }

    void changed()
    {
        if (!m_editor.isOpen())
            return;
        m_editor.datePickerChange(text());
        TExStringGrid &grid = m_editor.grid();
        if (grid.OnDateTimeChange) {
            const QDate d = toQDateTime(PlatformDateTime()).date();
            // A date without its year, month or day reports 0.
            const double value = d.isValid() && d.year() > 0 ? PlatformDateTime() : 0.0;
            grid.OnDateTimeChange(&grid, grid.Col(), grid.Row(), value);
        }
    }

    void shiftFocus()
    {
        if (!m_editor.isOpen())
            return;
        if (fieldFull() && movesOn(isTime(), Format(), m_before, TParts::of(PlatformDateTime())))
            QCoreApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
    }

    // The field being typed takes no more digits: Qt's picker changes the
    // value with each digit, so "1" of a day is not yet the whole day.
    bool fieldFull() const
    {
        const QString digits = sectionText(currentSection());
        const int n = digits.toInt();
        switch (currentSection()) {
        case QDateTimeEdit::YearSection:
            return digits.size() >= 4;
        case QDateTimeEdit::DaySection:
            return digits.size() >= 2 || n > 3;
        case QDateTimeEdit::MonthSection:
            return digits.size() >= 2 || n > 1;
        case QDateTimeEdit::HourSection:
            return digits.size() >= 2 || n > 2;
        case QDateTimeEdit::MinuteSection:
        case QDateTimeEdit::SecondSection:
            return digits.size() >= 2 || n > 5;
        default:
            return true;
        }
    }

    void gridKey(int &key, Qt::KeyboardModifiers modifiers)
    {
        if (!m_editor.isOpen())
            return;
        TExStringGrid &grid = m_editor.grid();
        const platform::TShiftState shift = platform::shiftState(modifiers);
        const std::uint16_t vk = platform::virtualKey(key);
        switch (vk) {
        case platform::VK_TAB:
        case platform::VK_RETURN:
        case platform::VK_ESCAPE:
        case platform::VK_PRIOR:
        case platform::VK_NEXT:
        case platform::VK_END:
            break;
        default:
            return;
        }
        key = 0;
        if (vk == platform::VK_ESCAPE) {
            TDateTime value = 0;
            const QString cell = grid.CurrentCell();
            if (isTime()) {
                const QTime t = QTime::fromString(cell, Qt::ISODate);
                value = t.isValid() ? joinDayAndTime(wholeDays(PlatformDateTime()), t.msecsSinceStartOfDay() / 86400000.0)
                                    : now();
            } else if (!readDate(cell, value)) {
                value = now();
            }
            setPlatformDateTime(value);
        }
        if (vk == platform::VK_RETURN)
            sendKey(this, Qt::Key_Right);
        const bool tab = vk == platform::VK_TAB;
        if (vk == platform::VK_RETURN || (tab && grid.EditorWantsTab())) {
            if (!m_editor.confirm(m_editor.value().value_or(text()))) {
                m_editor.setNoAutoAdvance(true);
                return;
            }
        }
        if (tab && grid.Options().testFlag(goTabs)) {
            m_editor.tabKey(shift);
            return;
        }
        if (!DroppedDown())
            m_editor.doneKey(vk, shift);
    }

    TGridSpecialEditor &m_editor;
    TParts m_before;
    QPointer<QWidget> m_watched;
};

class TGridDateTimePicker final : public TExDateTimePicker {
public:
    TGridDateTimePicker(TGridSpecialEditor &editor, QWidget *parent) : TExDateTimePicker(parent), m_editor(editor)
    {
        OnTimeChange = [this](QObject *) {
            platform::guarded([&] {
                if (m_editor.isOpen())
                    m_editor.dateAndTimePickerChange(DateTime());
            });
        };
    }
    TDateTime OriginalDateTime = 0;

    void HandleKeyDown(int &key, Qt::KeyboardModifiers shift) override
    {
        platform::guarded([&] { gridKey(key, shift); });
        if (key != 0)
            TExDateTimePicker::HandleKeyDown(key, shift);
    }

protected:
    bool event(QEvent *event) override
    {
        if (QKeyEvent *key = m_editor.tabForGrid(event)) {
            keyPressEvent(key);
            return true;
        }
        return TExDateTimePicker::event(event);
    }

    void focusOutEvent(QFocusEvent *event) override
    {
        TExDateTimePicker::focusOutEvent(event);
        platform::guarded([&] { m_editor.focusLeft(); });
    }

private:
    void gridKey(int &key, Qt::KeyboardModifiers modifiers)
    {
        if (!m_editor.isOpen())
            return;
        TExStringGrid &grid = m_editor.grid();
        const platform::TShiftState shift = platform::shiftState(modifiers);
        switch (key) {
        case Qt::Key_Escape:
            key = 0;
            SetDateTime(OriginalDateTime);
            grid.setFocus();
            return;
        case Qt::Key_Return:
        case Qt::Key_Enter:
            key = 0;
            grid.setFocus();
            if (grid.Navigation().AdvanceOnEnter)
                grid.AdvanceToNextCell(grid.Col(), grid.Row(), false, true, true, false, true);
            return;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            if (!grid.EditorWantsTab())
                return;
            key = 0;
            {
                const QString value = m_editor.value().value_or(QString());
                grid.setFocus();
                if (grid.CurrentCell() != value && m_editor.changedFromOpening(value))
                    grid.setCurrentCell(value);
            }
            grid.AdvanceAfterEdit(shift.testFlag(platform::ssShift));
            return;
        default:
            return;
        }
    }

    TGridSpecialEditor &m_editor;
};

class TDateEditor final : public TGridSpecialEditor {
public:
    explicit TDateEditor(TExStringGrid &grid) : TGridSpecialEditor(grid), m_picker(new TGridDatePicker(*this, &grid)) {}
    QWidget *widget() const override { return m_picker; }

    void open(const TEditorOpening &at) override
    {
        TExStringGrid &g = grid();
        TGridDatePicker &p = *m_picker;
        m_type = at.type;
        TDateTime value = now();
        if (at.type == edTimeEdit) {
            p.setPlatformKind(TDateTimeKind::dtkTime);
            TDateTime t = 0;
            if (!at.text.isEmpty() && ParseLocaleDateTime(QStringLiteral("01/01/2000 ") + at.text, t, timeReading()))
                value = t;
        } else {
            p.setPlatformKind(TDateTimeKind::dtkDate);
            if (!at.text.isEmpty()) {
                TDateTime d = now();
                if (g.OnCustomStrToDate)
                    g.OnCustomStrToDate(&g, at.text, d);
                else if (!readDate(at.text, d))
                    d = now();
                value = d;
            }
            // Outside a range the owner set, the value goes one day inside it.
            const QDateTime lowest = p.minimumDateTime();
            const QDateTime highest = p.maximumDateTime();
            if (highest.date().year() < 9999 && value > fromQDateTime(highest))
                value = fromQDateTime(highest) - 1;
            if (lowest.date().year() > 1601 && value <= fromQDateTime(lowest))
                value = fromQDateTime(lowest) + 1;
        }
        p.setPlatformDateTime(value);
        p.setGeometry(at.cell);
        p.setColor(at.color);
        p.setEnabled(true);
        p.show();
    }

    void opened(const TEditorOpening &at) override
    {
        if (at.type != edTimeEdit && grid().MouseActions().DirectDateDrop)
            m_picker->DropDown();
    }

    bool takesStartChar() const override { return m_type != edTimeEdit; }

    std::optional<QString> value() const override
    {
        if (m_type == edTimeEdit)
            return m_picker->text();
        if (m_picker->ShowCheckbox() && !m_picker->Checked())
            return QString();
        // A date goes into the cell in the grid's short date format.
        return toQDateTime(m_picker->PlatformDateTime()).toString(formatSettings().ShortDateFormat);
    }

    void close() override
    {
        m_picker->CloseUp();
        TGridSpecialEditor::close();
    }

    void setColorTones(const TColorTones &tones) override
    {
        setButtonTones(*m_picker, tones);
        m_picker->setBorderColor(tones.Background.BrushColor);
        m_picker->setMetroStyle(true);
    }

private:
    static TFormatSettings timeReading()
    {
        TFormatSettings fs = formatSettings();
        fs.ShortDateFormat = QStringLiteral("dd/MM/yyyy");
        fs.DateSeparator = u'/';
        return fs;
    }
    QPointer<TGridDatePicker> m_picker;
    TEditorType m_type = edDateEdit;
};

class TDateTimeEditor final : public TGridSpecialEditor {
public:
    explicit TDateTimeEditor(TExStringGrid &grid)
        : TGridSpecialEditor(grid), m_picker(new TGridDateTimePicker(*this, &grid))
    {
    }
    QWidget *widget() const override { return m_picker; }

    void open(const TEditorOpening &at) override
    {
        TGridDateTimePicker &p = *m_picker;
        TDateTime value = now();
        if (!at.text.isEmpty() && !readDate(at.text, value))
            value = now();
        p.OriginalDateTime = value;
        p.setKind(TExDateTimeKind::dkDateTime);
        p.SetDateTime(value);
        p.setBorderStyle(TBorderStyle::bsNone);
        p.setGeometry(at.cell.x(), at.cell.y(), at.cell.width(), std::max(at.cell.height(), p.height()));
        p.setColor(at.color);
        p.setEnabled(true);
        p.show();
    }

    bool takesStartChar() const override { return false; }

    std::optional<QString> value() const override
    {
        if (m_picker->ShowCheckbox() && !m_picker->Checked())
            return QString();
        const TFormatSettings &fs = formatSettings();
        const QString time = QStringLiteral("hh") + fs.TimeSeparator + QStringLiteral("mm");
        return toQDateTime(m_picker->DateTime()).toString(fs.ShortDateFormat + u' ' + time);
    }

    void setColorTones(const TColorTones &tones) override
    {
        setButtonTones(*m_picker, tones);
    }

private:
    QPointer<TGridDateTimePicker> m_picker;
};

} // namespace

void TExStringGrid::DatePickerCloseUp()
{
    if (OnDatePickerCloseUp)
        OnDatePickerCloseUp(this, Row(), Col());
    if (m_mouseActions.DirectDateClose)
        HideInplaceEdit();
}

void TExStringGrid::DatePickerDropDown()
{
    if (OnDatePickerDropDown)
        OnDatePickerDropDown(this, Row(), Col());
}

void TExStringGrid::DatePickerChange(const QString &Value)
{
    if (OnEditChange)
        OnEditChange(this, Col(), Row(), Value);
}

void TExStringGrid::DateAndTimePickerChange(double ADateTime)
{
    if (OnDateTimeChange)
        OnDateTimeChange(this, Col(), Row(), ADateTime);
}

std::unique_ptr<TGridSpecialEditor> makeGridDatePicker(TExStringGrid &grid)
{
    return std::make_unique<TDateEditor>(grid);
}

std::unique_ptr<TGridSpecialEditor> makeGridDateTimePicker(TExStringGrid &grid)
{
    return std::make_unique<TDateTimeEditor>(grid);
}

} // namespace controls
