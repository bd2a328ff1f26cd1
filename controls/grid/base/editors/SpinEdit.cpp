#include "controls/grid/base/editors/SpinEdit.h"

#include "controls/grid/base/editors/CachedPanelStyle.h"
#include "controls/grid/base/editors/EditorDrawing.h"
#include "controls/grid/base/editors/EditorKeys.h"
#include "controls/grid/base/editors/SpinText.h"
#include "platform/IntText.h"
#include "platform/LocalTime.h"
#include "platform/ScopeGuard.h"
#include "platform/draw/Edges.h"
#include "platform/ui/QtIntervalTimer.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QDateTime>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>

#include <cmath>

namespace controls {

using namespace platform;

namespace {

constexpr auto kFirstRepeat = std::chrono::milliseconds(400);
constexpr auto kNextRepeat = std::chrono::milliseconds(100);
constexpr int kVerticalWidth = 15;
constexpr int kHorizontalWidth = 20;

// The arrows of the classic up and down buttons: 7 by 4 pixels on a ground
// of the transparent colour (the lower-left pixel).
TBitmap makeArrowGlyph(bool up)
{
    QImage image(9, 6, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 255));
    for (int row = 0; row < 4; ++row) {
        const int half = up ? row : 3 - row;
        for (int x = 4 - half; x <= 4 + half; ++x)
            image.setPixel(x, 1 + row, qRgb(0, 0, 0));
    }
    TBitmap glyph(image);
    glyph.setTransparent(true);
    return glyph;
}

// Made once: every spin button starts with the same two.
const TBitmap &arrowGlyph(bool up)
{
    static const TBitmap upGlyph = makeArrowGlyph(true);
    static const TBitmap downGlyph = makeArrowGlyph(false);
    return up ? upGlyph : downGlyph;
}

TDateTime nowValue()
{
    const QDateTime now = platform::currentLocalTime();
    return *encodeDate(now.date().year(), now.date().month(), now.date().day())
           + now.time().msecsSinceStartOfDay() / 86400000.0;
}

template <class T>
T clampUnlessEqual(T value, T minimum, T maximum)
{
    if (minimum == maximum)
        return value;
    return value < minimum ? minimum : value > maximum ? maximum : value;
}

bool isControlChar(QChar c) { return c.unicode() < 32; }

} // namespace

// ---- the arrow button ----

TExTimerSpeedButton::TExTimerSpeedButton(TEsgSpinButton &owner, TButtonDirection direction)
    : QWidget(&owner), m_owner(owner), m_direction(direction)
{
    setAttribute(Qt::WA_Hover);
}

void TExTimerSpeedButton::setButtonDirection(TButtonDirection direction)
{
    m_direction = direction;
    update();
}

void TExTimerSpeedButton::setFocusMark(bool mark)
{
    m_focusMark = mark;
    update();
}

void TExTimerSpeedButton::setFlat(bool flat)
{
    m_flat = flat;
    update();
}

void TExTimerSpeedButton::setGlyph(const TBitmap &glyph)
{
    m_glyph = glyph;
    m_glyph.setTransparent(true);
    update();
}

void TExTimerSpeedButton::setNumGlyphs(int count)
{
    m_numGlyphs = std::max(1, count);
    update();
}

void TExTimerSpeedButton::setRepeatTimer(std::unique_ptr<IntervalTimer> timer)
{
    m_repeatTimer = std::move(timer);
    m_repeatTimer->setHandler([this] { timerTick(); });
}

IntervalTimer &TExTimerSpeedButton::repeatTimer()
{
    if (!m_repeatTimer)
        setRepeatTimer(std::make_unique<QtIntervalTimer>());
    return *m_repeatTimer;
}

void TExTimerSpeedButton::Click()
{
    if (OnClick)
        OnClick(this);
}

void TExTimerSpeedButton::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton || !isEnabled())
        return;
    m_pressed = true;
    if (OnLeftPress)
        OnLeftPress();
    if (m_allowTimer) {
        repeatTimer().setInterval(kFirstRepeat);
        repeatTimer().setEnabled(true);
    }
    update();
    parentWidget()->update();
    Click();
}

void TExTimerSpeedButton::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_pressed = false;
    if (m_repeatTimer)
        m_repeatTimer->setEnabled(false);
    update();
    parentWidget()->update();
}

void TExTimerSpeedButton::hideEvent(QHideEvent *event)
{
    QWidget::hideEvent(event);
    m_pressed = false;
    if (m_repeatTimer)
        m_repeatTimer->setEnabled(false);
}

void TExTimerSpeedButton::timerTick()
{
    m_repeatTimer->setInterval(kNextRepeat);
    if (!m_pressed || !isEnabled())
        return;
    // A click that fails stops the repeating, so that it does not fail again each tick.
    platform::OnFailure stop([this] { m_repeatTimer->setEnabled(false); });
    Click();
}

void TExTimerSpeedButton::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_hasMouse = true;
    update();
}

void TExTimerSpeedButton::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_hasMouse = false;
    update();
}

void TExTimerSpeedButton::paint(TCanvas &canvas) const
{
    const TRect r = Rect(0, 0, width(), height());
    if (isColorSet(m_owner.ButtonColor)) {
        canvas.FillColor(r, stateColor(m_owner.ButtonColor, m_owner.ButtonColorHot, m_owner.ButtonColorDown,
                                       m_hasMouse, m_pressed));
        switch (m_direction) {
        case TButtonDirection::bdLeft: fillPolygon(canvas, {{5, 5}, {3, 7}, {5, 9}}, clBlack); break;
        case TButtonDirection::bdRight: fillPolygon(canvas, {{3, 5}, {5, 7}, {3, 9}}, clBlack); break;
        case TButtonDirection::bdUp: fillPolygon(canvas, {{4, 4}, {8, 4}, {6, 2}}, clBlack); break;
        case TButtonDirection::bdDown: fillPolygon(canvas, {{4, 2}, {8, 2}, {6, 4}}, clBlack); break;
        }
        return;
    }
    if (m_direction == TButtonDirection::bdLeft || m_direction == TButtonDirection::bdRight) {
        const unsigned part = m_direction == TButtonDirection::bdLeft ? DFCS_SCROLLLEFT : DFCS_SCROLLRIGHT;
        DrawFrameControl(canvas, r, DFC_SCROLL,
                         part | (m_pressed ? DFCS_PUSHED : 0) | (m_flat ? DFCS_FLAT : 0)
                             | (isEnabled() ? 0 : DFCS_INACTIVE));
        return;
    }
    DrawFrameControl(canvas, r, DFC_BUTTON, DFCS_BUTTONPUSH | (m_pressed ? DFCS_PUSHED : 0));
    drawSpeedButtonGlyph(canvas, size(), m_glyph, m_numGlyphs, isEnabled(), m_pressed);
}

QImage TExTimerSpeedButton::paintFace() const
{
    QImage image(std::max(width(), 1), std::max(height(), 1), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    TCanvas canvas(&image);
    paint(canvas);
    return image;
}

void TExTimerSpeedButton::paintEvent(QPaintEvent *)
{
    TCanvas canvas(this);
    paint(canvas);
}

// ---- the pair of arrows ----

TEsgSpinButton::TEsgSpinButton(QWidget *parent) : QWidget(parent)
{
    setFocusPolicy(Qt::NoFocus);
    m_upButton = new TExTimerSpeedButton(*this, TButtonDirection::bdUp);
    m_downButton = new TExTimerSpeedButton(*this, TButtonDirection::bdDown);
    m_upButton->setGlyph(arrowGlyph(true));
    m_downButton->setGlyph(arrowGlyph(false));
    m_upButton->OnClick = [this](QObject *) {
        if (OnUpClick)
            OnUpClick(this);
    };
    m_downButton->OnClick = [this](QObject *) {
        if (OnDownClick)
            OnDownClick(this);
    };
    m_upButton->OnLeftPress = [this] { arrowPressed(m_upButton); };
    m_downButton->OnLeftPress = [this] { arrowPressed(m_downButton); };
    m_focusedButton = m_upButton;
    m_upButton->setFocusMark(true);
    resize(kVerticalWidth, 25);
    layoutButtons();
}

void TEsgSpinButton::setFocusedButton(TExTimerSpeedButton *button)
{
    m_focusedButton->setFocusMark(false);
    m_focusedButton = button;
    m_focusedButton->setFocusMark(hasFocus());
}

void TEsgSpinButton::arrowPressed(TExTimerSpeedButton *button)
{
    if (focusPolicy() != Qt::NoFocus)
        setFocusedButton(button);
    if (m_focusControl && m_focusControl->isEnabled() && m_focusControl->focusPolicy() != Qt::NoFocus) {
        if (!m_focusControl->hasFocus())
            m_focusControl->setFocus(Qt::MouseFocusReason);
    } else if (focusPolicy() & Qt::TabFocus) {
        setFocus(Qt::MouseFocusReason);
    }
}

void TEsgSpinButton::setDirection(TSpinDirection direction)
{
    m_direction = direction;
    const bool horizontal = direction == TSpinDirection::spHorizontal;
    m_upButton->setButtonDirection(horizontal ? TButtonDirection::bdRight : TButtonDirection::bdUp);
    m_downButton->setButtonDirection(horizontal ? TButtonDirection::bdLeft : TButtonDirection::bdDown);
    resize(horizontal ? kHorizontalWidth : kVerticalWidth, height());
    layoutButtons();
}

void TEsgSpinButton::setUpGlyph(const TBitmap &glyph)
{
    m_upButton->setGlyph(glyph.Empty() ? arrowGlyph(true) : glyph);
}

void TEsgSpinButton::setDownGlyph(const TBitmap &glyph)
{
    m_downButton->setGlyph(glyph.Empty() ? arrowGlyph(false) : glyph);
}

void TEsgSpinButton::SetWinXPLook(bool xp)
{
    m_upButton->setWinXP(xp);
    m_downButton->setWinXP(xp);
}

void TEsgSpinButton::layoutButtons()
{
    const int w = width();
    const int h = height();
    if (m_direction == TSpinDirection::spVertical) {
        const int upHeight = h / 2;
        m_upButton->setGeometry(0, 0, w, upHeight);
        m_downButton->setGeometry(0, upHeight - 1, w, h - upHeight + 1);
    } else {
        m_downButton->setGeometry(0, 0, w / 2, h);
        m_upButton->setGeometry(w / 2 + 1, 0, w / 2, h);
    }
}

void TEsgSpinButton::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    const int least = m_direction == TSpinDirection::spVertical ? kVerticalWidth : kHorizontalWidth;
    if (width() < least) {
        resize(least, height());
        return;
    }
    layoutButtons();
}

void TEsgSpinButton::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Space:
        m_focusedButton->Click();
        break;
    case Qt::Key_Up:
        setFocusedButton(m_upButton);
        m_upButton->Click();
        break;
    case Qt::Key_Down:
        setFocusedButton(m_downButton);
        m_downButton->Click();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void TEsgSpinButton::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_focusedButton->setFocusMark(true);
}

void TEsgSpinButton::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_focusedButton->setFocusMark(false);
}

// ---- the edit ----

TEsgSpinEdit::TEsgSpinEdit(QWidget *parent) : QLineEdit(parent)
{
    if (QStyle *style = CachedPanelStyle::shared())
        setStyle(style);
    m_button = new TEsgSpinButton(this);
    m_button->resize(kVerticalWidth, 17);
    m_button->setFocusControl(this);
    m_button->OnUpClick = [this](QObject *) { UpButtonClick(); };
    m_button->OnDownClick = [this](QObject *) { DownButtonClick(); };
    setText(QStringLiteral("0"));
    layoutButton();
}

int TEsgSpinEdit::minimumEditHeight() const
{
    const int height = fontMetrics().height();
    const int system = QFontMetrics(QApplication::font()).height();
    return height + std::min(height, system) / 4 + 2 + (m_borderSingle ? 4 : 0);
}

void TEsgSpinEdit::layoutButton()
{
    const int w = m_button->width();
    m_button->setGeometry(embeddedButtonRect(size(), w, m_borderSingle));
    const int inset = m_borderSingle ? 0 : 3;
    setTextMargins(inset, inset, w + inset + 2, 0);
}

void TEsgSpinEdit::resizeEvent(QResizeEvent *event)
{
    QLineEdit::resizeEvent(event);
    if (height() < minimumEditHeight()) {
        resize(width(), minimumEditHeight());
        return;
    }
    layoutButton();
}

void TEsgSpinEdit::setBorderSingle(bool single)
{
    m_borderSingle = single;
    setFrame(single);
    layoutButton();
}

void TEsgSpinEdit::setDirection(TSpinDirection direction)
{
    m_button->setDirection(direction);
    layoutButton();
}

void TEsgSpinEdit::setEditAlign(TEditAlign align)
{
    m_editAlign = align;
    const Qt::Alignment horizontal = align == TEditAlign::eaRight    ? Qt::AlignRight
                                     : align == TEditAlign::eaCenter ? Qt::AlignHCenter
                                                                     : Qt::AlignLeft;
    setAlignment(horizontal | Qt::AlignVCenter);
}

void TEsgSpinEdit::setSpinFlat(bool flat)
{
    m_spinFlat = flat;
    m_button->UpButton()->setFlat(flat);
    m_button->DownButton()->setFlat(flat);
}

void TEsgSpinEdit::SetWinXPLook(bool xp)
{
    m_isWinXP = xp;
    m_button->SetWinXPLook(xp);
}

int TEsgSpinEdit::Value() const
{
    const QString trimmed = text().trimmed();
    if (trimmed.isEmpty())
        return 0;
    return parseInt32Or(trimmed, MinValue);
}

void TEsgSpinEdit::setValue(int value)
{
    setText(QString::number(clampUnlessEqual(value, MinValue, MaxValue)));
    if (!m_editorEnabled)
        selectAll();
}

double TEsgSpinEdit::FloatValue() const
{
    return readFloatText(text()).value_or(MinFloatValue);
}

void TEsgSpinEdit::setFloatValue(double value)
{
    setText(floatText(clampUnlessEqual(value, MinFloatValue, MaxFloatValue), m_precision));
}

TDateTime TEsgSpinEdit::DateValue() const
{
    const QString t = text();
    if (t.isEmpty() || t == QStringLiteral("0"))
        return nowValue();
    return readDateText(t).value_or(MinDateValue);
}

void TEsgSpinEdit::setDateValue(TDateTime value)
{
    m_dateValue = clampUnlessEqual(value, MinDateValue, MaxDateValue);
    writeKeepingCaret(dateText(m_dateValue));
}

TDateTime TEsgSpinEdit::TimeValue() const
{
    return readTimeText(text()).value_or(0);
}

void TEsgSpinEdit::setTimeValue(TDateTime value)
{
    m_timeValue = value;
    writeKeepingCaret(timeText(value, ShowSeconds));
}

void TEsgSpinEdit::writeKeepingCaret(const QString &text)
{
    const int caret = cursorPosition();
    setText(text);
    setCursorPosition(std::min(caret, int(text.size())));
}

void TEsgSpinEdit::setSpinType(TEsgSpinType type)
{
    m_spinType = type;
    switch (type) {
    case TEsgSpinType::sptNormal: setValue(Value()); break;
    case TEsgSpinType::sptFloat: setFloatValue(FloatValue()); break;
    case TEsgSpinType::sptDate: setDateValue(DateValue()); break;
    case TEsgSpinType::sptTime: setTimeValue(TimeValue()); break;
    }
}

void TEsgSpinEdit::setPrecision(int precision)
{
    m_precision = precision;
    if (m_spinType == TEsgSpinType::sptFloat)
        setFloatValue(FloatValue());
}

void TEsgSpinEdit::StepUp(bool page)
{
    step(1, page);
}

void TEsgSpinEdit::StepDown(bool page)
{
    step(-1, page);
}

void TEsgSpinEdit::step(int sign, bool page)
{
    if (isReadOnly()) {
        editorBeep();
        return;
    }
    switch (m_spinType) {
    case TEsgSpinType::sptNormal: setValue(Value() + sign * Increment); break;
    case TEsgSpinType::sptFloat: setFloatValue(FloatValue() + sign * (page ? IncrementFloatPage : IncrementFloat)); break;
    case TEsgSpinType::sptDate: stepDate(sign); break;
    case TEsgSpinType::sptTime: stepTime(sign); break;
    }
}

void TEsgSpinEdit::stepDate(int sign)
{
    const TFormatSettings &fs = formatSettings();
    const QString format = fs.ShortDateFormat.toUpper();
    const bool monthFirst = format.indexOf(u'M') < format.indexOf(u'D');
    const QString t = text();
    const qsizetype first = t.indexOf(fs.DateSeparator);
    const qsizetype second = first < 0 ? -1 : t.indexOf(fs.DateSeparator, first + 1);
    const int caret = cursorPosition();
    int years = 0, months = 0, days = 0;
    if (first < 0 || caret <= first)
        (monthFirst ? months : days) = sign;
    else if (second < 0 || caret <= second)
        (monthFirst ? days : months) = sign;
    else
        years = sign;
    // The months and years are stepped by calendar: the 29th of February
    // becomes the 28th in a year without it.
    setDateValue(AddDateParts(years, months, days, DateValue(), 0));
}

void TEsgSpinEdit::stepTime(int sign)
{
    const TFormatSettings &fs = formatSettings();
    const QString t = text();
    const qsizetype first = t.indexOf(fs.TimeSeparator);
    const qsizetype second = first < 0 ? -1 : t.indexOf(fs.TimeSeparator, first + 1);
    const int caret = cursorPosition();
    double stepSize = IncrementMinutes / 1440.0;
    if (first < 0 || caret <= first)
        stepSize = IncrementHours / 24.0;
    else if (ShowSeconds && second >= 0 && caret > second)
        stepSize = IncrementSeconds / 86400.0;
    const TDateTime time = TimeValue();
    if (sign > 0) {
        setTimeValue(time + stepSize);
        return;
    }
    TDateTime wrapped = time + 1 - stepSize;
    if (wrapped > 1)
        wrapped -= 1;
    setTimeValue(wrapped);
}

void TEsgSpinEdit::UpButtonClick()
{
    StepUp(false);
}

void TEsgSpinEdit::DownButtonClick()
{
    StepDown(false);
}

bool TEsgSpinEdit::IsValidSpinChar(QChar key) const
{
    if (key == QChar(8))
        return m_editorEnabled;
    const TFormatSettings &fs = formatSettings();
    const bool separator = key == fs.DecimalSeparator || key == fs.ThousandSeparator || key == fs.TimeSeparator
                           || key == fs.DateSeparator;
    if (!separator && !key.isNumber() && key != u'-')
        return isControlChar(key) && key != QChar(13);

    const QString t = text();
    const QString selected = selectedText();
    bool valid = true;
    const auto foreignSeparator = [&](QChar sep) {
        return (m_spinType == TEsgSpinType::sptNormal || m_spinType == TEsgSpinType::sptFloat)
               && (sep == fs.DecimalSeparator || sep == fs.ThousandSeparator || sep == u'-' || sep == u'+');
    };
    if (key == fs.TimeSeparator && m_spinType != TEsgSpinType::sptTime)
        valid = foreignSeparator(key);
    if (key == fs.DateSeparator && m_spinType != TEsgSpinType::sptDate)
        valid = valid && foreignSeparator(key);
    if (key == u'-') {
        const int at = hasSelectedText() ? selectionStart() : cursorPosition();
        valid = valid && at == 0 && (!t.contains(u'-') || selected.contains(u'-'));
    }
    if (m_spinType == TEsgSpinType::sptNormal)
        valid = valid && (key.isNumber() || key == u'-');
    if (m_spinType == TEsgSpinType::sptFloat) {
        if (key == fs.ThousandSeparator && key != fs.DecimalSeparator)
            valid = false;
        if (key == fs.DecimalSeparator && t.contains(fs.DecimalSeparator) && !selected.contains(fs.DecimalSeparator))
            valid = false;
        const qsizetype point = t.indexOf(fs.DecimalSeparator);
        if (m_precision > 0 && point >= 0 && cursorPosition() > point && !hasSelectedText()
            && t.size() - point - 1 >= m_precision)
            valid = false;
    }
    if (m_spinType == TEsgSpinType::sptTime && key == fs.TimeSeparator && t.count(fs.TimeSeparator) >= 2)
        valid = false;
    if (!m_editorEnabled)
        valid = valid && isControlChar(key);
    return valid;
}

void TEsgSpinEdit::HandleKeyDown(int &key, Qt::KeyboardModifiers shift)
{
    switch (key) {
    case Qt::Key_PageUp: StepUp(true); key = 0; return;
    case Qt::Key_PageDown: StepDown(true); key = 0; return;
    case Qt::Key_Up: StepUp(false); key = 0; return;
    case Qt::Key_Down: StepDown(false); key = 0; return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (ReturnIsTab) {
            postTab(*this);
            key = 0;
        }
        return;
    case Qt::Key_Delete:
        if (!m_editorEnabled)
            key = 0;
        return;
    default: return;
    }
}

void TEsgSpinEdit::HandleCharMessage(QChar &key, bool numericKeypad)
{
    if (ExcelStyleDecimalSeparator && numericKeypad && key == u'.')
        key = formatSettings().DecimalSeparator;
}

void TEsgSpinEdit::HandleKeyPress(QChar &key)
{
    if (!IsValidSpinChar(key)) {
        editorBeep();
        key = QChar();
    }
}

void TEsgSpinEdit::keyPressEvent(QKeyEvent *event)
{
    if (refusedEditCommand(*event, editable())) {
        event->accept();
        return;
    }
    const bool keypad = event->modifiers() & Qt::KeypadModifier;
    auto passed = splitKeyPress(
        *event, [this](int &key, Qt::KeyboardModifiers shift) { HandleKeyDown(key, shift); },
        [this, keypad](QChar &key) {
            HandleCharMessage(key, keypad);
            if (!key.isNull())
                HandleKeyPress(key);
        });
    if (passed)
        QLineEdit::keyPressEvent(passed.get());
    event->accept();
}

void TEsgSpinEdit::contextMenuEvent(QContextMenuEvent *event)
{
    showEditMenu(*this, event->globalPos(), editable());
}

void TEsgSpinEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (AutoSelect && !((QApplication::mouseButtons() & Qt::LeftButton) && m_editorEnabled))
        selectAll();
}

void TEsgSpinEdit::focusOutEvent(QFocusEvent *event)
{
    QLineEdit::focusOutEvent(event);
    switch (m_spinType) {
    case TEsgSpinType::sptNormal: {
        const int value = Value();
        if (clampUnlessEqual(value, MinValue, MaxValue) != value)
            setValue(value);
        break;
    }
    case TEsgSpinType::sptFloat: {
        const double value = FloatValue();
        if (clampUnlessEqual(value, MinFloatValue, MaxFloatValue) != value)
            setFloatValue(value);
        break;
    }
    case TEsgSpinType::sptDate: {
        const TDateTime value = DateValue();
        if (clampUnlessEqual(value, MinDateValue, MaxDateValue) != value)
            setDateValue(value);
        break;
    }
    case TEsgSpinType::sptTime:
        break;
    }
}

} // namespace controls
