#include "controls/grid/base/editors/PickerBase.h"

#include "controls/grid/base/editors/EditorDrawing.h"
#include "platform/LocalTime.h"
#include "platform/draw/Edges.h"
#include "platform/ui/QtColor.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QStyle>
#include <QVBoxLayout>

#include <cmath>

namespace controls {

using namespace platform;

namespace {

constexpr double kSecondsPerDay = 86400.0;
constexpr int kCheckArea = 18;
constexpr int kCheckBox = 13;

// The short date of the format settings in Qt's letters.
QString qtDateFormat(const QString &shortDateFormat)
{
    QString format;
    for (const QChar c : shortDateFormat) {
        const QChar upper = c.toUpper();
        format += upper == u'D' ? QChar(u'd') : upper == u'M' ? QChar(u'M') : upper == u'Y' ? QChar(u'y') : c;
    }
    return format;
}

} // namespace

TDateTime wholeDays(TDateTime value)
{
    return std::trunc(value);
}

TDateTime timeOfDay(TDateTime value)
{
    const double fraction = std::fabs(value - std::trunc(value));
    return std::floor(fraction * kSecondsPerDay + 1e-6) / kSecondsPerDay;
}

TDateTime joinDayAndTime(TDateTime day, TDateTime time)
{
    return day >= 0 ? day + time : day - time;
}

QDateTime toQDateTime(TDateTime value)
{
    const QDate date = dateOf(value);
    const double fraction = std::fabs(value - std::trunc(value));
    const int ms = std::min(int(std::llround(fraction * kSecondsPerDay * 1000)), 86399999);
    // A day count is a wall clock of no zone: as UTC every one of them
    // exists, also in a daylight-saving gap, and no zone is looked up.
    return QDateTime(date, QTime::fromMSecsSinceStartOfDay(ms), Qt::UTC);
}

TDateTime fromQDateTime(const QDateTime &value)
{
    const QDate date = value.date();
    const TDateTime day = encodeDate(date.year(), date.month(), date.day()).value_or(0);
    return joinDayAndTime(day, value.time().msecsSinceStartOfDay() / (kSecondsPerDay * 1000));
}

TDateTimePickerBase::TDateTimePickerBase(QWidget *parent) : TDateTimePickerBase(parent, TDateTimeKind::dtkDate) {}

TDateTimePickerBase::TDateTimePickerBase(QWidget *parent, TDateTimeKind kind)
    : QDateTimeEdit(parent), m_kind(kind),
      m_buttonWidth(QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2)
{
    QWidget::setStyle(&editorStyle());
    setFrame(false);
    setCalendarPopup(false);
    setButtonSymbols(kind == TDateTimeKind::dtkTime ? QAbstractSpinBox::UpDownArrows : QAbstractSpinBox::NoButtons);
    setTimeSpec(Qt::UTC);
    setDateTimeRange(QDateTime(QDate(1601, 1, 1), QTime(0, 0), Qt::UTC),
                     QDateTime(QDate(9999, 12, 31), QTime(23, 59, 59), Qt::UTC));
    setMouseTracking(true);
    lineEdit()->setAutoFillBackground(false);
    m_value = fromQDateTime(platform::currentLocalTime());
    setFormat({});
    connect(this, &QDateTimeEdit::dateTimeChanged, this, [this] {
        if (m_showing)
            return;
        takeEditedValue();
        DateTimeChanged();
        if (OnChange)
            OnChange(this);
    });
}

TDateTimePickerBase::~TDateTimePickerBase()
{
    delete m_popup.data();
}

void TDateTimePickerBase::setPlatformKind(TDateTimeKind kind)
{
    m_kind = kind;
    setButtonSymbols(kind == TDateTimeKind::dtkTime ? QAbstractSpinBox::UpDownArrows : QAbstractSpinBox::NoButtons);
    setFormat(m_format);
}

void TDateTimePickerBase::setFormat(const QString &format)
{
    m_format = format;
    QString shown = format;
    if (shown.isEmpty())
        shown = m_kind == TDateTimeKind::dtkTime ? QStringLiteral("HH:mm:ss")
                                                 : qtDateFormat(formatSettings().ShortDateFormat);
    // Parsing a display format and showing the value again is most of the
    // cost of making a picker; a format that stays need not be set again.
    if (shown != displayFormat() || !m_formatShown) {
        m_formatShown = true;
        m_showing = true;
        setDisplayFormat(shown);
        m_showing = false;
        showValue();
    }
    layoutEditField();
}

void TDateTimePickerBase::setPlatformDateTime(TDateTime value)
{
    m_value = value;
    showValue();
    DateTimeChanged();
}

void TDateTimePickerBase::showValue()
{
    const QDateTime shown = toQDateTime(m_value);
    m_showing = true;
    // A time-only display format ties Qt's date to one day: give it only
    // the part it shows, and keep the whole value here. Each set renders
    // and parses the text again, so the value goes in with one.
    if (displayedSections() & QDateTimeEdit::DateSections_Mask)
        setDateTime(shown);
    else
        setTime(shown.time());
    m_showing = false;
    update();
}

void TDateTimePickerBase::takeEditedValue()
{
    const QDateTime kept = toQDateTime(m_value);
    const QDateTime edited = dateTime();
    if (m_kind == TDateTimeKind::dtkTime)
        m_value = fromQDateTime(QDateTime(kept.date(), edited.time(), Qt::UTC));
    else if (displayedSections() & QDateTimeEdit::TimeSections_Mask)
        m_value = fromQDateTime(edited);
    else
        m_value = fromQDateTime(QDateTime(edited.date(), kept.time(), Qt::UTC));
}

void TDateTimePickerBase::setShowCheckbox(bool show)
{
    m_showCheckbox = show;
    layoutEditField();
    update();
}

void TDateTimePickerBase::setChecked(bool checked)
{
    if (checked == m_checked)
        return;
    m_checked = checked;
    setReadOnly(!checked);
    QPalette p = lineEdit()->palette();
    p.setColor(QPalette::Text, QApplication::palette().color(checked ? QPalette::Active : QPalette::Disabled,
                                                            QPalette::Text));
    lineEdit()->setPalette(p);
    update();
    DateTimeChanged();
}

void TDateTimePickerBase::setCtl3D(bool ctl3D)
{
    m_ctl3D = ctl3D;
    layoutEditField();
    update();
}

void TDateTimePickerBase::setBorderStyle(TBorderStyle style)
{
    m_borderStyle = style;
    layoutEditField();
    update();
}

void TDateTimePickerBase::setColor(TColor color)
{
    m_color = color;
    update();
}

int TDateTimePickerBase::frameWidth() const
{
    if (m_ctl3D)
        return 2;
    return m_borderStyle == TBorderStyle::bsSingle ? 1 : 0;
}

QRect TDateTimePickerBase::clientRect() const
{
    const int f = frameWidth();
    return rect().adjusted(f, f, -f, -f);
}

QRect TDateTimePickerBase::checkBoxRect() const
{
    if (!m_showCheckbox)
        return {};
    const QRect client = clientRect();
    return {client.left() + 2, client.top() + (client.height() - kCheckBox) / 2, kCheckBox, kCheckBox};
}

QRect TDateTimePickerBase::dropButtonRect() const
{
    if (m_kind == TDateTimeKind::dtkTime)
        return {};
    const QRect client = clientRect();
    return {client.right() + 1 - m_buttonWidth, client.top(), m_buttonWidth, client.height()};
}

QRect TDateTimePickerBase::upButtonRect() const
{
    if (m_kind != TDateTimeKind::dtkTime)
        return {};
    const QRect client = clientRect();
    return {client.right() + 1 - m_buttonWidth, client.top(), m_buttonWidth, client.height() / 2};
}

QRect TDateTimePickerBase::downButtonRect() const
{
    if (m_kind != TDateTimeKind::dtkTime)
        return {};
    const QRect client = clientRect();
    const int half = client.height() / 2;
    return {client.right() + 1 - m_buttonWidth, client.top() + half, m_buttonWidth, client.height() - half};
}

int TDateTimePickerBase::editFieldRight() const
{
    return clientRect().right() + 1 - m_buttonWidth;
}

QRect TDateTimePickerBase::editFieldRect() const
{
    const QRect client = clientRect();
    const int left = client.left() + (m_showCheckbox ? kCheckArea : 1);
    return {left, client.top(), std::max(0, editFieldRight() - left), client.height()};
}

void TDateTimePickerBase::layoutEditField()
{
    lineEdit()->setGeometry(editFieldRect());
}

void TDateTimePickerBase::resizeEvent(QResizeEvent *event)
{
    QDateTimeEdit::resizeEvent(event);
    layoutEditField();
}

TColor TDateTimePickerBase::parentColor() const
{
    const QWidget *parent = parentWidget();
    if (!parent)
        return clBtnFace;
    return fromQColor(parent->palette().color(parent->backgroundRole()));
}

bool TDateTimePickerBase::hasPickerFocus() const
{
    return hasFocus() || lineEdit()->hasFocus();
}

bool TDateTimePickerBase::DroppedDown() const
{
    return m_popup && m_popup->isVisible();
}

void TDateTimePickerBase::DropDown()
{
    if (m_kind == TDateTimeKind::dtkTime || DroppedDown())
        return;
    if (!m_popup) {
        m_popup = new QWidget(this, Qt::Popup);
        auto *layout = new QVBoxLayout(m_popup);
        layout->setContentsMargins(1, 1, 1, 1);
        m_calendar = new QCalendarWidget(m_popup);
        layout->addWidget(m_calendar);
        connect(m_calendar, &QCalendarWidget::clicked, this, &TDateTimePickerBase::calendarChosen);
        connect(m_calendar, &QCalendarWidget::activated, this, &TDateTimePickerBase::calendarChosen);
    }
    m_calendar->setSelectedDate(toQDateTime(m_value).date());
    m_popup->adjustSize();
    m_popup->move(mapToGlobal(QPoint(0, height())));
    m_popup->show();
    update();
}

void TDateTimePickerBase::CloseUp()
{
    if (m_popup)
        m_popup->hide();
    update();
}

void TDateTimePickerBase::calendarChosen(const QDate &date)
{
    CloseUp();
    const TDateTime day = encodeDate(date.year(), date.month(), date.day()).value_or(wholeDays(m_value));
    setPlatformDateTime(joinDayAndTime(day, timeOfDay(m_value)));
    if (OnChange)
        OnChange(this);
}

void TDateTimePickerBase::moveSection(int by)
{
    const int next = std::clamp(currentSectionIndex() + by, 0, std::max(0, sectionCount() - 1));
    setSelectedSection(sectionAt(next));
}

void TDateTimePickerBase::keyPressEvent(QKeyEvent *event)
{
    int key = event->key();
    HandleKeyDown(key, event->modifiers());
    if (key == 0)
        return;
    const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier));
    if ((key == Qt::Key_F4 && plain) || (key == Qt::Key_Down && (event->modifiers() & Qt::AltModifier))) {
        DropDown();
        return;
    }
    if ((key == Qt::Key_Right || key == Qt::Key_Left) && plain) {
        moveSection(key == Qt::Key_Right ? 1 : -1);
        return;
    }
    if (key == Qt::Key_Space && m_showCheckbox) {
        setChecked(!m_checked);
        return;
    }
    QChar typed = event->text().isEmpty() ? QChar() : event->text().front();
    if (!typed.isNull()) {
        HandleKeyPress(typed);
        if (typed.isNull())
            return;
    }
    // The system's picker stays in its field when a field is full; Qt's
    // moves on, so the field is put back.
    const int section = currentSectionIndex();
    QDateTimeEdit::keyPressEvent(event);
    if (typed.isDigit() && currentSectionIndex() != section)
        setSelectedSection(sectionAt(section));
}

void TDateTimePickerBase::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (event->button() == Qt::LeftButton && checkBoxRect().contains(pos)) {
        setChecked(!m_checked);
        if (OnClick)
            OnClick(this);
        return;
    }
    if (event->button() == Qt::LeftButton && dropButtonRect().contains(pos)) {
        if (DroppedDown())
            CloseUp();
        else
            DropDown();
        return;
    }
    QDateTimeEdit::mousePressEvent(event);
    if (OnClick)
        OnClick(this);
}

void TDateTimePickerBase::focusInEvent(QFocusEvent *event)
{
    QDateTimeEdit::focusInEvent(event);
    update();
}

void TDateTimePickerBase::focusOutEvent(QFocusEvent *event)
{
    QDateTimeEdit::focusOutEvent(event);
    update();
}

void TDateTimePickerBase::changeEvent(QEvent *event)
{
    QDateTimeEdit::changeEvent(event);
    if (event->type() == QEvent::EnabledChange)
        update();
}

void TDateTimePickerBase::PaintPlatform(TCanvas &canvas)
{
    const TRect window = Rect(0, 0, width(), height());
    const TRect client = fromQRect(clientRect());
    canvas.FillColor(client, isEnabled() ? m_color : clBtnFace);
    TRect edge = window;
    if (m_ctl3D)
        DrawEdge(canvas, edge, EDGE_SUNKEN, BF_RECT);
    else if (m_borderStyle == TBorderStyle::bsSingle)
        frameRect(canvas, window, clWindowFrame);
    if (m_showCheckbox)
        DrawFrameControl(canvas, fromQRect(checkBoxRect()), DFC_BUTTON,
                         DFCS_BUTTONCHECK | (m_checked ? DFCS_CHECKED : 0) | (isEnabled() ? 0 : DFCS_INACTIVE));
    if (m_kind == TDateTimeKind::dtkTime) {
        const unsigned inactive = isEnabled() ? 0 : DFCS_INACTIVE;
        DrawFrameControl(canvas, fromQRect(upButtonRect()), DFC_SCROLL, DFCS_SCROLLUP | inactive);
        DrawFrameControl(canvas, fromQRect(downButtonRect()), DFC_SCROLL, DFCS_SCROLLDOWN | inactive);
    } else {
        DrawFrameControl(canvas, fromQRect(dropButtonRect()), DFC_SCROLL,
                         DFCS_SCROLLCOMBOBOX | (DroppedDown() ? DFCS_PUSHED : 0) | (isEnabled() ? 0 : DFCS_INACTIVE));
    }
}

void TDateTimePickerBase::PaintPicker(TCanvas &canvas)
{
    PaintPlatform(canvas);
}

QImage TDateTimePickerBase::paintPicture()
{
    QImage image(std::max(width(), 1), std::max(height(), 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    TCanvas canvas(&image);
    PaintPicker(canvas);
    return image;
}

void TDateTimePickerBase::paintEvent(QPaintEvent *)
{
    TCanvas canvas(this);
    PaintPicker(canvas);
}

} // namespace controls
