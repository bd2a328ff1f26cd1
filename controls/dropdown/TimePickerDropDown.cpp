#include "controls/dropdown/TimePickerDropDown.h"

#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/Watch.h"
#include "controls/dropdown/core/TimeText.h"
#include "controls/grid/base/DateText.h"
#include "controls/grid/base/FormatSettings.h"
#include "controls/grid/base/editors/PickerBase.h"
#include "platform/ui/QtColor.h"

#include <QKeyEvent>
#include <QPointer>
#include <QVBoxLayout>

#include <cmath>

namespace controls {

namespace {

constexpr int WatchSide = 170;

QTime toQTime(const TWatchTime &t) { return QTime(t.hour, t.minute, t.second, t.msec); }

TWatchTime fromQTime(const QTime &t) { return {t.hour(), t.minute(), t.second(), t.msec()}; }

TDateTime pickerValue(const TWatchTime &t) { return encodeTime(t.hour, t.minute, t.second, t.msec).value_or(0); }

TWatchTime pickerTime(TDateTime value)
{
    const double fraction = value - std::floor(value);
    const int ms = std::clamp(int(std::lround(fraction * 86400000.0)), 0, 86399999);
    return {ms / 3600000, ms / 60000 % 60, ms / 1000 % 60, ms % 1000};
}

// Keys the popup keeps from the edit unless Alt is held: they would move
// its caret or reach its closing keys.
bool popupKey(const QKeyEvent &event)
{
    const int key = event.key();
    return (key == Qt::Key_PageUp || key == Qt::Key_PageDown || key == Qt::Key_Up || key == Qt::Key_Down)
           && !(event.modifiers() & Qt::AltModifier);
}

} // namespace

TExTimePickerDropDown::TExTimePickerDropDown(TConstructKey key, QWidget *parent) : TExCustomDropDown(key, parent) {}

void TExTimePickerDropDown::Initialize()
{
    TExCustomDropDown::Initialize();
    setEditorEnabled(false);
    setDropDownEnabled(true);
    DropDownHeader().setVisible(false);
    DropDownFooter().setVisible(false);
    applyMask();
    showTime();
}

QChar TExTimePickerDropDown::separator() const { return formatSettings().TimeSeparator; }

void TExTimePickerDropDown::applyMask()
{
    m_internalCall = true;
    setInputMask(qtInputMask(timeEditMask(m_showSeconds, separator())));
    m_internalCall = false;
}

void TExTimePickerDropDown::showTime()
{
    m_internalCall = true;
    SetPlainText(formatTimeText(m_time, m_showSeconds, separator()));
    m_internalCall = false;
}

QTime TExTimePickerDropDown::Time() const { return toQTime(m_time); }

void TExTimePickerDropDown::setTime(const QTime &time)
{
    if (!time.isValid())
        return;
    const TWatchTime t = fromQTime(time);
    if (t == m_time)
        return;
    m_time = t;
    showTime();
    if (DroppedDown() && m_watch) {
        m_watch->setTime(time);
        if (m_showTimePicker && m_picker)
            m_picker->setPlatformDateTime(pickerValue(t));
    }
}

void TExTimePickerDropDown::setShowSeconds(bool show)
{
    if (show == m_showSeconds)
        return;
    m_showSeconds = show;
    m_internalCall = true;
    setInputMask(QString());
    SetPlainText(QString());
    m_internalCall = false;
    applyMask();
    showTime();
}

void TExTimePickerDropDown::changeTime(const TWatchTime &time)
{
    if (time == m_time)
        return;
    setTime(toQTime(time));
    if (OnTimeChange)
        OnTimeChange(this);
}

void TExTimePickerDropDown::SetComponentStyle(TFenloStyle style)
{
    TExCustomDropDown::SetComponentStyle(style);
    applyWatchColorStyle(m_watchAppearance, style);
}

// ---- the popup ----

void TExTimePickerDropDown::EnsureDropDownForm()
{
    TExCustomDropDown::EnsureDropDownForm();
    if (!m_panel) {
        m_panel = new QWidget(DropDownForm());
        m_panel->setAutoFillBackground(true);
        auto *layout = new QVBoxLayout(m_panel);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        m_watch = new TExWatch(m_panel);
        layout->addWidget(m_watch, 1);
        m_panel->resize(WatchSide, 180);
    }
    SetDropDownControl(m_panel);
}

void TExTimePickerDropDown::PrepareDropDown()
{
    TExCustomDropDown::PrepareDropDown();
    if (!m_panel)
        return;
    m_atOpening = m_time;
    // A click elsewhere keeps the time the clock was set to.
    DropDownForm()->setCancelOnDeActivate(false);
    QPalette palette = m_panel->palette();
    palette.setColor(QPalette::Window, platform::toQColor(DropDownColor()));
    m_panel->setPalette(palette);
    m_watch->OnChange = nullptr;
    m_watch->StopAnimation();
    m_watch->setAppearance(m_watchAppearance);
    m_watch->setSettings(m_watchSettings);
    m_watch->setShowAMPM(m_showWatchAMPM);
    m_watch->setShowNumbers(m_showWatchNumbers);
    m_watch->setAnimation(m_animation);
    m_watch->setAnimationFactor(m_animationFactor);
    if (!m_watchSettings.Auto())
        m_watch->setTime(toQTime(m_time));
    m_watch->OnChange = [this](QObject *) { watchChanged(); };
    int height = WatchSide;
    if (m_showTimePicker) {
        if (!m_picker) {
            m_picker = new TDateTimePickerBase(m_panel);
            m_picker->setPlatformKind(TDateTimeKind::dtkTime);
            static_cast<QVBoxLayout *>(m_panel->layout())->addWidget(m_picker);
        }
        m_picker->OnChange = nullptr;
        m_picker->setFormat(m_showSeconds ? QStringLiteral("HH:mm:ss") : QStringLiteral("HH:mm"));
        m_picker->show();
        m_picker->setPlatformDateTime(pickerValue(m_time));
        m_picker->OnChange = [this](QObject *) { timePickerChanged(); };
        height += m_picker->sizeHint().height();
    } else if (m_picker) {
        m_picker->hide();
    }
    m_panel->resize(WatchSide, height);
}

void TExTimePickerDropDown::CloseDropDown(bool cancel)
{
    // A hand still walking would set the time after the close.
    if (m_watch)
        m_watch->StopAnimation();
    QPointer<TExTimePickerDropDown> alive(this);
    TExCustomDropDown::CloseDropDown(cancel);
    if (alive && !cancel && m_watch && !m_watchSettings.Auto())
        setTime(m_watch->Time());
}

void TExTimePickerDropDown::AfterCloseDropDown()
{
    TExCustomDropDown::AfterCloseDropDown();
    if (!m_watch)
        return;
    // The clock serves the edit only while the popup is open.
    m_watch->OnChange = nullptr;
    if (m_picker)
        m_picker->OnChange = nullptr;
}

void TExTimePickerDropDown::RestoreDropDownValue()
{
    // A cancel: the time of the opening, in the edit and on the clock.
    m_time = m_atOpening;
    showTime();
    if (m_watch)
        m_watch->setTime(toQTime(m_time));
    if (m_picker)
        m_picker->setPlatformDateTime(pickerValue(m_time));
}

void TExTimePickerDropDown::watchChanged()
{
    const TWatchTime shown = fromQTime(m_watch->Time());
    if (m_showTimePicker && m_picker && m_picker->isVisible()
        && !(pickerTime(m_picker->PlatformDateTime()) == shown)) {
        const platform::TNotifyEvent keep = std::move(m_picker->OnChange);
        m_picker->OnChange = nullptr;
        m_picker->setPlatformDateTime(pickerValue(shown));
        m_picker->OnChange = keep;
        if (OnTimeChange)
            OnTimeChange(this);
    }
    setTime(toQTime(shown));
}

void TExTimePickerDropDown::timePickerChanged()
{
    if (m_picker && m_watch && !m_watchSettings.Auto())
        m_watch->setTime(toQTime(pickerTime(m_picker->PlatformDateTime())));
}

// ---- keys ----

void TExTimePickerDropDown::DropDownFormKeyDown(QKeyEvent &event)
{
    QPointer<TExTimePickerDropDown> alive(this);
    if (!popupKey(event))
        TExCustomDropDown::DropDownFormKeyDown(event);
    if (alive && m_watch && DropDownForm() && DropDownForm()->isVisible())
        m_watch->WatchKeyDown(event.key());
}

void TExTimePickerDropDown::DropDownFormKeyUp(QKeyEvent &event)
{
    if (!popupKey(event))
        TExCustomDropDown::DropDownFormKeyUp(event);
}

void TExTimePickerDropDown::ControlKeyDown(QKeyEvent &event)
{
    if (!popupKey(event))
        TExCustomDropDown::ControlKeyDown(event);
}

void TExTimePickerDropDown::ControlKeyUp(QKeyEvent &event)
{
    if (!popupKey(event))
        TExCustomDropDown::ControlKeyUp(event);
}

void TExTimePickerDropDown::HandleKeyDown(int &key, Qt::KeyboardModifiers shift)
{
    TExCustomDropDown::HandleKeyDown(key, shift);
    if (shift & (Qt::AltModifier | Qt::ControlModifier))
        return;
    if (key == Qt::Key_Up || key == Qt::Key_Down) {
        const int caret = cursorPosition();
        changeTime(stepTimePart(m_time, displayText(), caret, key == Qt::Key_Up, m_showSeconds, separator()));
        setCursorPosition(caret);
        key = 0;
    } else if (key == Qt::Key_Delete && !isReadOnly()) {
        // The mask blanks the character; the typed rules would cut it out.
        del();
        key = 0;
    }
}

void TExTimePickerDropDown::HandleCharMessage(QChar &key)
{
    if (!EditorEnabled() || key.unicode() == 13) {
        TExCustomDropDown::HandleCharMessage(key);
        return;
    }
    // The mask places the character, not the typed rules.
    HandleKeyPress(key);
}

void TExTimePickerDropDown::HandleTextChange()
{
    TExCustomDropDown::HandleTextChange();
    if (!EditorEnabled() || m_internalCall)
        return;
    const std::optional<TParsedTime> parsed = parseTimeText(displayText(), m_showSeconds, separator());
    if (!parsed)
        return;
    m_time = parsed->time;
    if (parsed->rewrite)
        showTime();
}

} // namespace controls
