#include "controls/grid/base/editors/ExCheckBox.h"

#include "controls/grid/base/editors/EditorDrawing.h"
#include "controls/grid/base/editors/EditorKeys.h"
#include "platform/HandlerGuard.h"
#include "platform/draw/Edges.h"

#include <QKeyEvent>
#include <QKeySequence>
#include <QMouseEvent>
#include <QShortcutEvent>

namespace controls {

using namespace platform;

namespace {

constexpr int kBox = 13;
constexpr int kStrip = 20;
constexpr int kBoxArea = 16;
constexpr TColor kDisabledShadow = 0x808080;

} // namespace

TExCheckBox::TExCheckBox(QWidget *parent) : QWidget(parent)
{
    resize(98, 20);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    updateAccelerator();
}

QRect TExCheckBox::boxRect() const
{
    const int x = m_alignment == TLeftRight::taRightJustify ? width() - kBox : 0;
    int y = 4;
    if (m_btnVAlign == TTextLayout::tlCenter)
        y = height() / 2 - 6;
    else if (m_btnVAlign == TTextLayout::tlBottom)
        y = height() - 17;
    return {x, y, kBox, kBox};
}

QRect TExCheckBox::stateStrip() const
{
    return m_alignment == TLeftRight::taRightJustify ? QRect(width() - kStrip, 0, kStrip, height())
                                                     : QRect(0, 0, kStrip, height());
}

void TExCheckBox::setState(TCheckBoxState state)
{
    if (state == m_state)
        return;
    m_state = state;
    update(stateStrip());
}

void TExCheckBox::setChecked(bool checked)
{
    m_state = checked ? TCheckBoxState::cbChecked : TCheckBoxState::cbUnchecked;
    update();
}

void TExCheckBox::setCaption(const QString &caption)
{
    m_caption = caption;
    setWindowTitle(caption);
    updateAccelerator();
    update();
}

void TExCheckBox::updateAccelerator()
{
    m_accelerator = grabAccelerator(*this, m_accelerator, m_caption);
}

void TExCheckBox::setButtonVertAlign(TTextLayout align)
{
    if (align == m_btnVAlign)
        return;
    m_btnVAlign = align;
    update();
}

void TExCheckBox::setAlignment(TLeftRight alignment)
{
    if (alignment == m_alignment)
        return;
    m_alignment = alignment;
    update();
}

void TExCheckBox::setEllipsis(bool ellipsis)
{
    if (ellipsis == m_ellipsis)
        return;
    m_ellipsis = ellipsis;
    update();
}

void TExCheckBox::setTransparent(bool transparent)
{
    if (transparent == m_transparent)
        return;
    m_transparent = transparent;
    repaint();
}

void TExCheckBox::setColor(TColor color)
{
    m_color = color;
    update();
}

void TExCheckBox::setFontColor(TColor color)
{
    m_fontColor = color;
    update();
}

void TExCheckBox::Toggle()
{
    if (!m_readOnly)
        setChecked(!Checked());
}

void TExCheckBox::Click()
{
    platform::guarded([this] {
        if (OnClick)
            OnClick(this);
    });
}

bool TExCheckBox::inside(QPoint pos) const
{
    return pos.x() >= 0 && pos.x() <= width() && pos.y() >= 0 && pos.y() <= height();
}

void TExCheckBox::keyPressEvent(QKeyEvent *event)
{
    int key = event->key();
    if ((key == Qt::Key_Return || key == Qt::Key_Enter) && m_returnIsTab) {
        key = Qt::Key_Tab;
        postTab(*this);
    }
    if (key == Qt::Key_Space) {
        m_down = true;
        m_spacePressed = true;
    }
    if (OnKeyDown)
        platform::guarded([&] { OnKeyDown(this, key, event->modifiers()); });
    if (key == Qt::Key_Tab)
        return;
    QWidget::keyPressEvent(event);
}

void TExCheckBox::keyReleaseEvent(QKeyEvent *event)
{
    int key = event->key();
    if (key == Qt::Key_Space && !event->isAutoRepeat() && m_spacePressed) {
        m_spacePressed = false;
        m_down = false;
        Toggle();
        Click();
    }
    if (OnKeyUp)
        platform::guarded([&] { OnKeyUp(this, key, event->modifiers()); });
    QWidget::keyReleaseEvent(event);
}

void TExCheckBox::mousePressEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    m_mouseDown = true;
    if (!hasFocus())
        setFocus(Qt::MouseFocusReason);
    m_down = true;
    update(QRect(boxRect().topLeft(), QSize(kBoxArea, kBoxArea)));
}

void TExCheckBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    mousePressEvent(event);
}

void TExCheckBox::mouseMoveEvent(QMouseEvent *event)
{
    if (m_mouseDown)
        m_down = inside(event->position().toPoint());
}

void TExCheckBox::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const bool began = m_mouseDown;
    m_mouseDown = false;
    m_down = false;
    if (inside(event->position().toPoint()) && hasFocus() && began) {
        Toggle();
        Click();
    }
    update(QRect(boxRect().topLeft(), QSize(kBoxArea, kBoxArea)));
}

void TExCheckBox::enterEvent(QEnterEvent *event)
{
    QWidget::enterEvent(event);
    m_hot = true;
    update(QRect(boxRect().topLeft(), QSize(kBoxArea, kBoxArea)));
}

void TExCheckBox::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    m_hot = false;
    update(QRect(boxRect().topLeft(), QSize(kBoxArea, kBoxArea)));
}

void TExCheckBox::focusInEvent(QFocusEvent *event)
{
    QWidget::focusInEvent(event);
    m_focused = true;
    update();
}

void TExCheckBox::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    m_focused = false;
    m_spacePressed = false;
    update();
}

bool TExCheckBox::event(QEvent *event)
{
    if (event->type() == QEvent::Shortcut && static_cast<QShortcutEvent *>(event)->shortcutId() == m_accelerator) {
        if (isEnabled() && isVisible()) {
            Toggle();
            if (focusPolicy() & Qt::TabFocus)
                setFocus(Qt::ShortcutFocusReason);
        }
        return true;
    }
    return QWidget::event(event);
}

void TExCheckBox::paint(TCanvas &canvas)
{
    setCanvasFont(canvas.Font(), font(), m_fontColor);
    if (!m_transparent)
        canvas.FillColor(Rect(0, 0, width(), height()), m_color);

    unsigned state = DFCS_BUTTONCHECK;
    if (m_state == TCheckBoxState::cbChecked)
        state |= DFCS_CHECKED;
    if (m_state == TCheckBoxState::cbGrayed || !isEnabled())
        state |= DFCS_INACTIVE;
    DrawFrameControl(canvas, fromQRect(boxRect()), DFC_BUTTON, state);

    TRect r = Rect(0, 0, width(), height());
    if (m_alignment == TLeftRight::taLeftJustify) {
        r.Left += 9;
    } else {
        r.Left = 0;
        r.Right -= 9;
    }
    r.Top += 4;
    r.Left += 6;
    const unsigned flags = m_ellipsis ? DT_END_ELLIPSIS : 0u;
    canvas.Brush().setStyle(TBrushStyle::bsClear);
    if (!isEnabled()) {
        TRect shadow = OffsetRect(r, 1, 1);
        canvas.Font().setColor(clWhite);
        canvas.DrawText(m_caption, shadow, flags);
        canvas.Font().setColor(kDisabledShadow);
    }
    TRect text = r;
    canvas.DrawText(m_caption, text, flags);
    if (m_focused) {
        TRect measure = r;
        canvas.DrawText(m_caption, measure, flags | DT_CALCRECT);
        canvas.Brush().setStyle(TBrushStyle::bsSolid);
        canvas.DrawFocusRect(Rect(measure.Left - 2, measure.Top, measure.Right + 1, measure.Bottom + 1));
    }
}

void TExCheckBox::paintEvent(QPaintEvent *)
{
    TCanvas canvas(this);
    paint(canvas);
}

} // namespace controls
