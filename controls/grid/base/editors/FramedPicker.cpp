#include "controls/grid/base/editors/FramedPicker.h"

#include "platform/draw/Edges.h"

#include <QApplication>
#include <QMouseEvent>

namespace controls {

using namespace platform;

QString versionText(std::uint32_t number)
{
    return QStringLiteral("%1.%2.%3.%4")
        .arg(number >> 24)
        .arg((number >> 16) & 0xFF)
        .arg((number >> 8) & 0xFF)
        .arg(number & 0xFF);
}

TFramedDateTimePicker::TFramedDateTimePicker(QWidget *parent, TDateTimeKind kind) : TDateTimePickerBase(parent, kind) {}

void TFramedDateTimePicker::setBorderColor(TColor color)
{
    if (color == m_borderColor)
        return;
    m_borderColor = color;
    update();
}

void TFramedDateTimePicker::setMetroStyle(bool metro)
{
    if (metro == m_metroStyle)
        return;
    m_metroStyle = metro;
    update();
}

bool TFramedDateTimePicker::mouseButtonDown() const
{
    return QApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton);
}

void TFramedDateTimePicker::paintButton(TCanvas &canvas, const TRect &r, int faceInset, int arrowLeft) const
{
    if (isColorSet(ButtonColor)) {
        const bool down = mouseButtonDown() && m_buttonHover;
        paintColoredDropButton(canvas, r, stateColor(ButtonColor, ButtonColorHot, ButtonColorDown, m_buttonHover, down),
                               ButtonBorderColor, mouseButtonDown() ? ButtonTextColorDown : ButtonTextColor, arrowLeft,
                               faceInset);
    } else {
        paintClassicDropButton(canvas, r, isEnabled());
    }
}

TEditorBorder TFramedDateTimePicker::border(TBorderRings rings) const
{
    TEditorBorder b;
    b.rings = rings;
    b.borderColor = m_borderColor;
    b.focusBorderColor = FocusBorderColor;
    b.parentColor = parentColor();
    b.controlColor = Color();
    b.enabled = isEnabled();
    b.focused = hasPickerFocus();
    b.themedLibrary = IsThemed;
    b.disabledBorder = DisabledBorder;
    b.focusFrame = focusBorderActive();
    b.buttonWidth = ButtonWidth();
    return b;
}

void TFramedDateTimePicker::paintOutline(TCanvas &canvas, bool innerAllSides) const
{
    const TColor parent = parentColor();
    const TColor outer = BorderStyle() == TBorderStyle::bsNone ? parent
                         : IsThemed                           ? DisabledThemedBorder
                                                              : m_borderColor;
    paintFlatOutline(canvas, size(), outer, BorderStyle() == TBorderStyle::bsSingle ? parent : outer, innerAllSides);
}

void TFramedDateTimePicker::enterEvent(QEnterEvent *event)
{
    TDateTimePickerBase::enterEvent(event);
    if (m_mouseInControl || !isEnabled())
        return;
    m_mouseInControl = true;
    update();
}

void TFramedDateTimePicker::leaveEvent(QEvent *event)
{
    TDateTimePickerBase::leaveEvent(event);
    if (!m_mouseInControl || !isEnabled())
        return;
    m_mouseInControl = false;
    m_buttonHover = false;
    update();
}

void TFramedDateTimePicker::mouseMoveEvent(QMouseEvent *event)
{
    TDateTimePickerBase::mouseMoveEvent(event);
    const int x = event->position().toPoint().x();
    const bool hover = width() - ButtonWidth() < x && x < width();
    if (hover != m_buttonHover) {
        m_buttonHover = hover;
        update();
    }
}

void TFramedDateTimePicker::focusInEvent(QFocusEvent *event)
{
    m_hasFocus = true;
    TDateTimePickerBase::focusInEvent(event);
}

void TFramedDateTimePicker::focusOutEvent(QFocusEvent *event)
{
    m_hasFocus = false;
    TDateTimePickerBase::focusOutEvent(event);
}

TEsgDateTimePicker::TEsgDateTimePicker(QWidget *parent) : TFramedDateTimePicker(parent)
{
    setCtl3D(true);
    setBorderStyle(TBorderStyle::bsNone);
}

void TEsgDateTimePicker::setBorderStyle(TBorderStyle style)
{
    if (style != BorderStyle())
        TFramedDateTimePicker::setBorderStyle(style);
}

QString TEsgDateTimePicker::Version() const
{
    return versionText(0x01000000);
}

void TEsgDateTimePicker::paintBorders(TCanvas &canvas)
{
    if (!metroActive() || !(!isEnabled() || isColorSet(BorderColor()) || isColorSet(FocusBorderColor)))
        return;
    paintEditorBorder(canvas, Rect(0, 0, width(), height()), border(TBorderRings::Three));

    // The frame round the button, which the themed library would draw.
    const int clientWidth = clientRect().width();
    canvas.SaveDC();
    canvas.ExcludeClipRect(Rect(clientWidth - ButtonWidth() + 4, 4, clientWidth - 4, clientRect().height() - 4));
    TRect button = InflateRect(Rect(clientWidth - ButtonWidth() - 2, 0, width(), height()), -2, -2);
    if (hotOrFocused())
        DrawEdge(canvas, button, EDGE_RAISED, BF_RECT | (DroppedDown() ? BF_FLAT : 0));
    else
        canvas.FillColor(Rect(button.Left, button.Top + 1, button.Right - 1, button.Bottom - 1), clBtnFace);
    canvas.RestoreDC(-1);
    canvas.ExcludeClipRect(button);
}

void TEsgDateTimePicker::PaintPicker(TCanvas &canvas)
{
    PaintPlatform(canvas);
    // What the frame around the client gets.
    if (!Ctl3D() && isColorSet(BorderColor()))
        paintOutline(canvas, false);
    if ((isColorSet(FocusBorderColor) && hasPickerFocus()) || isColorSet(BorderColor())) {
        canvas.SaveDC();
        paintBorders(canvas);
        canvas.RestoreDC(-1);
    }
    // What the client gets.
    if (Ctl3D() && !metroActive())
        return;
    if (metroActive() && PlatformKind() != TDateTimeKind::dtkTime) {
        const int clientWidth = clientRect().width();
        const TRect r = InflateRect(Rect(clientWidth - ButtonWidth() + 2, 0, width(), height()), -1, -1);
        paintButton(canvas, r, 2, 5);
        canvas.ExcludeClipRect(Rect(clientWidth - ButtonWidth() - 4, 0, clientWidth + 2, clientRect().height()));
    }
    paintBorders(canvas);
}

} // namespace controls
