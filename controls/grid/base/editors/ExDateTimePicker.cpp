#include "controls/grid/base/editors/ExDateTimePicker.h"

#include <QApplication>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>

namespace controls {

using namespace platform;

namespace {

// The time part is as wide as its text in the picker's font and this more,
// for its arrows and margins.
constexpr int kTimePartExtra = 31;

bool endsWithFieldLetter(const QString &format, QChar letter)
{
    return !format.isEmpty() && format.back().toUpper() == letter;
}

} // namespace

QEvent::Type DTPShiftFocus()
{
    static const auto type = QEvent::Type(QEvent::registerEventType());
    return type;
}

// ---- the picker with AutoTab ----

TCustomDateTimePicker::TCustomDateTimePicker(QWidget *parent, TDateTimeKind kind) : TFramedDateTimePicker(parent, kind)
{
    setCtl3D(false);
    TFramedDateTimePicker::setBorderStyle(TBorderStyle::bsNone);
    setBorderColor(clBlack);
}

void TCustomDateTimePicker::setBorderStyle(TBorderStyle style)
{
    if (style != BorderStyle())
        TFramedDateTimePicker::setBorderStyle(style);
}

void TCustomDateTimePicker::HandleKeyDown(int &key, Qt::KeyboardModifiers shift)
{
    if (OnKeyDownForward)
        OnKeyDownForward(key, shift);
}

void TCustomDateTimePicker::HandleKeyPress(QChar &key)
{
    if (OnKeyPressForward)
        OnKeyPressForward(key);
}

void TCustomDateTimePicker::rememberBeforeDigit()
{
    if (PlatformKind() != TDateTimeKind::dtkTime)
        return;
    const QTime t = toQDateTime(PlatformDateTime()).time();
    Fh = quint16(t.hour());
    Fm = quint16(t.minute());
    Fs = quint16(t.second());
    Fms = quint16(t.msec());
}

void TCustomDateTimePicker::keyPressEvent(QKeyEvent *event)
{
    const bool digit = m_autoTab && !event->text().isEmpty() && event->text().front() >= u'0'
                       && event->text().front() <= u'9';
    if (digit)
        rememberBeforeDigit();
    TFramedDateTimePicker::keyPressEvent(event);
    if (digit)
        QApplication::postEvent(this, new QEvent(DTPShiftFocus()));
}

bool TCustomDateTimePicker::event(QEvent *event)
{
    if (event->type() == DTPShiftFocus()) {
        DoShiftFocus();
        return true;
    }
    return TFramedDateTimePicker::event(event);
}

void TCustomDateTimePicker::postRightArrow()
{
    QApplication::postEvent(this, new QKeyEvent(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier));
}

void TCustomDateTimePicker::DoShiftFocus()
{
    if (PlatformKind() != TDateTimeKind::dtkTime)
        return;
    const QTime t = toQDateTime(PlatformDateTime()).time();
    if (t.hour() != Fh || t.minute() != Fm || t.second() != Fs)
        postRightArrow();
}

void TCustomDateTimePicker::PaintPicker(TCanvas &canvas)
{
    PaintPlatform(canvas);
    if (IsTimePart())
        return;
    if (!Ctl3D())
        paintOutline(canvas, true);
    if (metroActive() && PlatformKind() == TDateTimeKind::dtkDate)
        paintButton(canvas, fromQRect(dropButtonRect()), 0, 5);
    const bool plain = isEnabled() && !isColorSet(BorderColor()) && !isColorSet(FocusBorderColor);
    if (metroActive() && !plain)
        paintEditorBorder(canvas, Rect(0, 0, width(), height()), border(TBorderRings::Two));
}

// ---- the picker with label and time part ----

TExDateTimePicker::TExDateTimePicker(QWidget *parent)
    : TCustomDateTimePicker(parent), TLabelProperties(static_cast<QWidget &>(*this))
{
    TCustomDateTimePicker::setBorderStyle(TBorderStyle::bsSingle);
    setCtl3D(true);
    attachedLabel().OnClick = [this] {
        if (OnLabelClick)
            OnLabelClick(this);
    };
    attachedLabel().OnDblClick = [this] {
        if (OnLabelDblClick)
            OnLabelDblClick(this);
    };
    // The system's picker makes the time part when its window is made;
    // here the window is the widget.
    createTimePart();
    layoutTimePart();
}

QString TExDateTimePicker::Version() const
{
    return versionText(0x01020000);
}

void TExDateTimePicker::setKind(TExDateTimeKind kind)
{
    if (kind == m_kind)
        return;
    m_kind = kind;
    setPlatformKind(kind == TExDateTimeKind::dkTime ? TDateTimeKind::dtkTime : TDateTimeKind::dtkDate);
    if (kind == TExDateTimeKind::dkTime && !m_timeFormat.isEmpty())
        setFormat(m_timeFormat);
    if (kind == TExDateTimeKind::dkDateTime)
        createTimePart();
    layoutTimePart();
}

void TExDateTimePicker::createTimePart()
{
    if (m_kind != TExDateTimeKind::dkDateTime || m_timePicker)
        return;
    auto *part = new TCustomDateTimePicker(this, TDateTimeKind::dtkTime);
    part->resize(90, 17);
    part->hide();
    part->setEnabled(isEnabled());
    part->setPlatformKind(TDateTimeKind::dtkTime);
    part->setAutoTab(AutoTab());
    part->OnChange = [this](QObject *) {
        // The edited time is the picker's time from now on.
        if (m_timePicker)
            setPlatformDateTime(joinDayAndTime(wholeDays(PlatformDateTime()), timeOfDay(m_timePicker->PlatformDateTime())));
        DoPickerChange();
        if (OnTimeChange)
            OnTimeChange(this);
    };
    part->OnClick = [this](QObject *) { DoPickerClick(); };
    part->OnKeyPressForward = [this](QChar &key) { TimePartKeyPress(key); };
    part->OnKeyDownForward = [this](int &key, Qt::KeyboardModifiers shift) { HandleKeyDown(key, shift); };
    m_timePicker = part;
}

void TExDateTimePicker::layoutTimePart()
{
    if (!m_timePicker || m_laying)
        return;
    if (m_kind != TExDateTimeKind::dkDateTime) {
        delete m_timePicker.data();
        layoutEditField();
        return;
    }
    m_laying = true;
    TCustomDateTimePicker &part = *m_timePicker;
    part.setColor(Color());
    enableTimePart();
    part.setFormat(m_timeFormat);
    part.setFont(font());
    if (part.PlatformDateTime() != PlatformDateTime())
        part.setPlatformDateTime(PlatformDateTime());
    const int a = QFontMetrics(font()).horizontalAdvance(part.text()) + kTimePartExtra;
    const QRect client = clientRect();
    part.setGeometry(client.right() + 1 - ButtonWidth() - a, client.top(), a, client.height());
    part.setVisible(true);
    layoutEditField();
    m_laying = false;
}

void TExDateTimePicker::enableTimePart()
{
    if (m_timePicker)
        m_timePicker->setEnabled(isEnabled() && (Checked() || !ShowCheckbox()));
}

int TExDateTimePicker::editFieldRight() const
{
    if (m_timePicker && m_kind == TExDateTimeKind::dkDateTime)
        return m_timePicker->geometry().left();
    return TCustomDateTimePicker::editFieldRight();
}

void TExDateTimePicker::DateTimeChanged()
{
    enableTimePart();
}

TDateTime TExDateTimePicker::DateTime() const
{
    if (m_timePicker)
        return joinDayAndTime(wholeDays(PlatformDateTime()), timeOfDay(m_timePicker->PlatformDateTime()));
    return PlatformDateTime();
}

void TExDateTimePicker::SetDateTime(TDateTime value)
{
    setPlatformDateTime(joinDayAndTime(wholeDays(value), timeOfDay(value)));
    createTimePart();
    if (m_timePicker)
        m_timePicker->setPlatformDateTime(PlatformDateTime());
}

void TExDateTimePicker::setDate(TDateTime date)
{
    SetDateTime(joinDayAndTime(wholeDays(date), timeOfDay(DateTime())));
}

TDateTime TExDateTimePicker::Time() const
{
    if (m_kind == TExDateTimeKind::dkDateTime && m_timePicker)
        return timeOfDay(m_timePicker->PlatformDateTime());
    return timeOfDay(PlatformDateTime());
}

void TExDateTimePicker::setTime(TDateTime time)
{
    setPlatformDateTime(joinDayAndTime(wholeDays(PlatformDateTime()), timeOfDay(time)));
    layoutTimePart();
}

void TExDateTimePicker::setTimeFormat(const QString &format)
{
    m_timeFormat = format;
    if (m_timePicker)
        m_timePicker->setFormat(format);
    if (m_kind == TExDateTimeKind::dkTime)
        setFormat(format);
    layoutTimePart();
}

void TExDateTimePicker::setAutoTab(bool autoTab)
{
    TCustomDateTimePicker::setAutoTab(autoTab);
    if (m_timePicker)
        m_timePicker->setAutoTab(autoTab);
}

void TExDateTimePicker::setBorderStyle(TBorderStyle style)
{
    TCustomDateTimePicker::setBorderStyle(style);
    layoutTimePart();
}

void TExDateTimePicker::DoPickerChange()
{
    if (OnChange)
        OnChange(this);
}

void TExDateTimePicker::DoPickerClick()
{
    if (OnClick)
        OnClick(this);
}

void TExDateTimePicker::rememberBeforeDigit()
{
    if (m_kind == TExDateTimeKind::dkTime) {
        TCustomDateTimePicker::rememberBeforeDigit();
        return;
    }
    const QDate d = toQDateTime(DateTime()).date();
    Fy = quint16(d.year());
    Fmo = quint16(d.month());
    Fd = quint16(d.day());
}

void TExDateTimePicker::focusTimePart()
{
    if (!m_timePicker)
        return;
    m_timePicker->setFocus(Qt::TabFocusReason);
    m_timePicker->setSelectedSection(m_timePicker->sectionAt(0));
}

void TExDateTimePicker::DoShiftFocus()
{
    if (m_kind == TExDateTimeKind::dkTime) {
        TCustomDateTimePicker::DoShiftFocus();
        return;
    }
    const QDate d = toQDateTime(DateTime()).date();
    const bool day = d.day() != Fd;
    const bool month = d.month() != Fmo;
    const bool year = d.year() != Fy;
    const QString format = Format();
    if (format.isEmpty()) {
        if (day || month)
            postRightArrow();
        else if (year)
            focusTimePart();
        return;
    }
    if ((day && endsWithFieldLetter(format, u'D')) || (month && endsWithFieldLetter(format, u'M'))
        || (year && endsWithFieldLetter(format, u'Y')))
        focusTimePart();
    else if (day || month || year)
        postRightArrow();
}

void TExDateTimePicker::changeEvent(QEvent *event)
{
    TCustomDateTimePicker::changeEvent(event);
    if (event->type() == QEvent::EnabledChange || event->type() == QEvent::FontChange
        || event->type() == QEvent::PaletteChange)
        layoutTimePart();
}

void TExDateTimePicker::resizeEvent(QResizeEvent *event)
{
    TCustomDateTimePicker::resizeEvent(event);
    layoutTimePart();
}

void TExDateTimePicker::showEvent(QShowEvent *event)
{
    TCustomDateTimePicker::showEvent(event);
    layoutTimePart();
}

void TExDateTimePicker::focusInEvent(QFocusEvent *event)
{
    TCustomDateTimePicker::focusInEvent(event);
    attachedLabel().setControlFocused(true);
}

void TExDateTimePicker::focusOutEvent(QFocusEvent *event)
{
    TCustomDateTimePicker::focusOutEvent(event);
    attachedLabel().setControlFocused(false);
}

} // namespace controls
