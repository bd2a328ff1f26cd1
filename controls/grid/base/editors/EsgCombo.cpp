#include "controls/grid/base/editors/EsgCombo.h"

#include "controls/grid/base/editors/EditorDrawing.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/QtColor.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QLineEdit>
#include <QMouseEvent>
#include <QStyle>

namespace controls {

using namespace platform;

namespace {

constexpr int kLeastButtonWidth = 14;
constexpr int kMostButtonWidth = 32;

} // namespace

TEsgCustomCombo::TEsgCustomCombo(QWidget *parent)
    : QComboBox(parent), TLabelProperties(static_cast<QWidget &>(*this)),
      m_buttonWidth(QApplication::style()->pixelMetric(QStyle::PM_ScrollBarExtent) + 2)
{
    // Qt's combo box answers a new style by building its popup list; the
    // list is built with the style in force when it is first needed.
    m_settingStyle = true;
    QComboBox::setStyle(&editorStyle());
    m_settingStyle = false;
    setMouseTracking(true);
    setMaxVisibleItems(8);
    attachedLabel().setUseControlFont(true);
    applyColor(m_color);
}

void TEsgCustomCombo::applyColor(TColor color)
{
    m_color = color;
    QPalette p = palette();
    p.setColor(QPalette::Base, toQColor(ColorToRGB(color)));
    p.setColor(QPalette::Button, toQColor(ColorToRGB(color)));
    setPalette(p);
    update();
}

void TEsgCustomCombo::setColor(TColor color)
{
    applyColor(color);
}

TColor TEsgCustomCombo::parentColor() const
{
    const QWidget *parent = parentWidget();
    if (!parent)
        return clBtnFace;
    return fromQColor(parent->palette().color(parent->backgroundRole()));
}

void TEsgCustomCombo::Init()
{
    m_normalColor = m_color;
}

void TEsgCustomCombo::SelectItem(const QString &text)
{
    const int index = findText(text, Qt::MatchExactly);
    if (index >= 0)
        setCurrentIndex(index);
}

void TEsgCustomCombo::setButtonWidth(int width)
{
    if (width < kLeastButtonWidth || width > kMostButtonWidth)
        return;
    m_buttonWidth = width;
    if (QLineEdit *edit = lineEdit())
        edit->setGeometry(editFieldRect());
    update();
}

void TEsgCustomCombo::setFlat(bool flat)
{
    if (flat == m_flat)
        return;
    m_flat = flat;
    applyColor(flat && m_flatParentColor && parentWidget() ? parentColor() : m_loadedColor);
}

void TEsgCustomCombo::setEtched(bool etched)
{
    if (etched == m_etched)
        return;
    m_etched = etched;
    update();
}

void TEsgCustomCombo::setFlatLineColor(TColor color)
{
    m_flatLineColor = color;
    update();
}

void TEsgCustomCombo::setFlatParentColor(bool parentColor)
{
    m_flatParentColor = parentColor;
    update();
}

void TEsgCustomCombo::setBorderColor(TColor color)
{
    if (color == m_borderColor)
        return;
    m_borderColor = color;
    update();
}

void TEsgCustomCombo::setDropWidth(int width)
{
    m_dropWidth = width;
    if (width > 0)
        view()->setMinimumWidth(width);
}

void TEsgCustomCombo::setDroppedDown(bool dropped)
{
    if (dropped)
        showPopup();
    else
        hidePopup();
}

void TEsgCustomCombo::showPopup()
{
    QComboBox::showPopup();
    m_droppedDown = true;
    update(dropButtonRect());
}

void TEsgCustomCombo::hidePopup()
{
    QComboBox::hidePopup();
    const bool wasDropped = m_droppedDown;
    m_droppedDown = false;
    update(dropButtonRect());
    if (wasDropped && OnDropUp)
        platform::guarded([this] { OnDropUp(this); });
}

QRect TEsgCustomCombo::dropButtonRect() const
{
    return QRect(QPoint(width() - m_buttonWidth + 2, 0), QPoint(width() - 1, height() - 1)).adjusted(1, 1, -1, -1);
}

QRect TEsgCustomCombo::editFieldRect() const
{
    return QRect(3, 3, std::max(0, width() - m_buttonWidth - 6), std::max(0, height() - 6));
}

void TEsgCustomCombo::HandleSetFocus()
{
    if (isColorSet(FocusBorderColor))
        update();
    if (isColorSet(FocusColor))
        applyColor(FocusColor);
    attachedLabel().setControlFocused(true);
}

void TEsgCustomCombo::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    m_hasFocus = true;
    HandleSetFocus();
    update();
}

void TEsgCustomCombo::focusOutEvent(QFocusEvent *event)
{
    QComboBox::focusOutEvent(event);
    m_hasFocus = false;
    if (isColorSet(FocusColor) && isColorSet(m_normalColor))
        applyColor(m_normalColor);
    attachedLabel().setControlFocused(false);
    update();
}

void TEsgCustomCombo::enterEvent(QEnterEvent *event)
{
    QComboBox::enterEvent(event);
    if (m_mouseInControl || !isEnabled())
        return;
    m_mouseInControl = true;
    if (AutoFocus && (window() == this || window()->isActiveWindow()))
        setFocus(Qt::MouseFocusReason);
    update();
}

void TEsgCustomCombo::leaveEvent(QEvent *event)
{
    QComboBox::leaveEvent(event);
    if (!m_mouseInControl || !isEnabled())
        return;
    m_mouseInControl = false;
    m_buttonHover = false;
    update();
}

void TEsgCustomCombo::mouseMoveEvent(QMouseEvent *event)
{
    QComboBox::mouseMoveEvent(event);
    const int x = event->position().toPoint().x();
    const bool hover = width() - m_buttonWidth < x && x < width();
    if (hover != m_buttonHover) {
        m_buttonHover = hover;
        update();
    }
}

void TEsgCustomCombo::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::StyleChange && m_settingStyle) {
        QWidget::changeEvent(event);
        return;
    }
    QComboBox::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && m_flat) {
        if (isEnabled()) {
            m_flatParentColor = m_oldParentColor;
            applyColor(m_oldColor);
        } else {
            m_oldParentColor = m_flatParentColor;
            m_oldColor = m_color;
            applyColor(parentColor());
        }
    } else if (event->type() == QEvent::FontChange) {
        attachedLabel().place();
    }
}

bool TEsgCustomCombo::mouseButtonDown() const
{
    return QApplication::mouseButtons() & (Qt::LeftButton | Qt::RightButton);
}

bool TEsgCustomCombo::customPainting() const
{
    if (IsVista && !isColorSet(ButtonColor))
        return false;
    // Visual styles are never active here, so the themed disabled frame
    // does not ask for painting of our own.
    return m_flat || isColorSet(ButtonColor) || isColorSet(m_borderColor)
           || (isColorSet(FocusBorderColor) && m_hasFocus);
}

bool TEsgCustomCombo::bordersWanted() const
{
    if (isEnabled() && !m_flat && !isColorSet(m_borderColor) && !isColorSet(FocusBorderColor))
        return false;
    return !(IsVista && !isColorSet(m_borderColor));
}

void TEsgCustomCombo::paintButton(TCanvas &canvas) const
{
    TRect r = fromQRect(dropButtonRect());
    if (!isColorSet(ButtonColor)) {
        r.Left -= 4;
        r.Top += 1;
        r.Bottom -= 1;
        paintClassicDropButton(canvas, r, isEnabled());
    } else {
        const bool down = m_buttonHover && mouseButtonDown();
        r = Rect(r.Left - 1, r.Top + 1, r.Right - 1, r.Bottom - 1);
        paintColoredDropButton(canvas, r, stateColor(ButtonColor, ButtonColorHot, ButtonColorDown, m_buttonHover, down),
                               ButtonBorderColor, mouseButtonDown() ? ButtonTextColorDown : ButtonTextColor, 4);
    }
    canvas.ExcludeClipRect(Rect(width() - m_buttonWidth - 4, 0, width() + 2, height()));
}

void TEsgCustomCombo::paintBorders(TCanvas &canvas) const
{
    if (!bordersWanted())
        return;
    TEditorBorder border;
    border.borderColor = m_borderColor;
    border.focusBorderColor = FocusBorderColor;
    border.parentColor = parentColor();
    border.controlColor = m_color;
    border.flatLineColor = m_flat ? m_flatLineColor : clNone;
    border.enabled = isEnabled();
    border.focused = m_hasFocus;
    border.disabledBorder = DisabledBorder;
    border.focusFrame = FocusBorder && (m_mouseInControl || m_hasFocus);
    border.buttonWidth = m_buttonWidth;
    const TRect window = Rect(0, 0, width(), height());
    paintEditorBorder(canvas, window, border);

    if (!m_mouseInControl && !m_hasFocus) {
        // The ground around the button, which the platform's frame would
        // otherwise show.
        TRect area = InflateRect(Rect(width() - m_buttonWidth - 2, 0, width(), height()), -2, -2);
        area = Rect(area.Left, area.Top + 1, area.Right - 1, area.Bottom - 1);
        canvas.SaveDC();
        canvas.ExcludeClipRect(fromQRect(dropButtonRect()));
        canvas.FillColor(area, clBtnFace);
        canvas.RestoreDC(-1);
    }
}

void TEsgCustomCombo::paintEvent(QPaintEvent *event)
{
    if (!customPainting()) {
        QComboBox::paintEvent(event);
        TCanvas canvas(this);
        paintBorders(canvas);
        return;
    }
    TCanvas canvas(this);
    canvas.FillColor(Rect(0, 0, width(), height()), m_color);
    const bool leftToRight = layoutDirection() == Qt::LeftToRight;
    canvas.SaveDC();
    if (leftToRight)
        paintButton(canvas);
    if (!isEditable()) {
        setCanvasFont(canvas.Font(), font(), isEnabled() ? clWindowText : clGrayText);
        TRect field = fromQRect(editFieldRect());
        if (m_hasFocus && !m_droppedDown) {
            canvas.FillColor(field, clHighlight);
            canvas.Font().setColor(clHighlightText);
        }
        canvas.Brush().setStyle(TBrushStyle::bsClear);
        TRect text = InflateRect(field, -1, 0);
        canvas.DrawText(currentText(), text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    }
    canvas.RestoreDC(-1);
    if (leftToRight)
        paintBorders(canvas);
}

} // namespace controls
