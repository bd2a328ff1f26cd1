#include "controls/grid/base/editors/AttachedLabel.h"

#include <QEvent>
#include <QFontMetrics>
#include <QWidget>

namespace controls {

QPoint labelTopLeft(TLabelPosition position, const QRect &control, QSize label, int captionWidth, int margin)
{
    const int l = control.left();
    const int t = control.top();
    const int w = control.width();
    const int h = control.height();
    const int leftOf = l - captionWidth - margin;
    const int centredTop = t + (h - label.height()) / 2;
    const int centredLeft = l + (w - label.width()) / 2;
    const int bottomAligned = t + h - label.height();
    const int above = t - label.height() - margin;
    const int below = t + h + margin;
    const int rightOf = l + w + margin;
    const int rightAligned = l + w - label.width();
    using P = TLabelPosition;
    switch (position) {
    case P::lpLeftTop: return {leftOf, t};
    case P::lpLeftCenter: return {leftOf, centredTop};
    case P::lpLeftBottom: return {leftOf, bottomAligned};
    case P::lpTopLeft: return {l, above};
    case P::lpBottomLeft: return {l, below};
    case P::lpLeftTopLeft: return {l - margin, t};
    case P::lpLeftCenterLeft: return {l - margin, centredTop};
    case P::lpLeftBottomLeft: return {l - margin, bottomAligned};
    case P::lpTopCenter: return {centredLeft, above};
    case P::lpBottomCenter: return {centredLeft, below};
    case P::lpRightTop: return {rightOf, t};
    case P::lpRightCenter: return {rightOf, centredTop};
    case P::lpRighBottom: return {rightOf, bottomAligned};
    case P::lpTopRight: return {rightAligned, above};
    case P::lpBottomRight: return {rightAligned, below};
    }
    return {l, t};
}

TAttachedLabel::TAttachedLabel(QWidget &control) : QObject(&control), m_control(control), m_font(control.font())
{
    control.installEventFilter(this);
}

TAttachedLabel::~TAttachedLabel()
{
    delete m_label.data();
}

QString TAttachedLabel::caption() const
{
    return m_label ? m_label->Caption() : QString();
}

void TAttachedLabel::setCaption(const QString &caption)
{
    if (!m_label) {
        m_label = new platform::TLabel(m_control.parentWidget());
        m_label->setBuddy(&m_control);
        m_label->installEventFilter(this);
    }
    m_label->setCaption(caption);
    place();
}

void TAttachedLabel::setPosition(TLabelPosition position)
{
    m_position = position;
    place();
}

void TAttachedLabel::setMargin(int margin)
{
    m_margin = margin;
    place();
}

void TAttachedLabel::setTransparent(bool transparent)
{
    m_transparent = transparent;
    place();
}

void TAttachedLabel::setAlwaysEnabled(bool always)
{
    m_alwaysEnabled = always;
    place();
}

void TAttachedLabel::setFont(const QFont &font)
{
    m_font = font;
    place();
}

void TAttachedLabel::setUseControlFont(bool use)
{
    m_useControlFont = use;
    place();
}

void TAttachedLabel::setControlFocused(bool focused)
{
    if (!m_focusLabel)
        return;
    m_bold = focused;
    place();
}

void TAttachedLabel::place()
{
    if (!m_label)
        return;
    m_label->setAutoFillBackground(!m_transparent);
    QFont font = m_useControlFont ? m_control.font() : m_font;
    if (m_bold)
        font.setBold(true);
    m_label->setFont(font);
    m_label->adjustSize();
    const int captionWidth = QFontMetrics(font).horizontalAdvance(m_label->text());
    m_label->move(labelTopLeft(m_position, m_control.geometry(), m_label->size(), captionWidth, m_margin));
    m_label->setVisible(!m_control.isHidden() && m_label->parentWidget() != nullptr);
    m_label->setEnabled(m_alwaysEnabled || m_control.isEnabled());
}

void TAttachedLabel::followParent()
{
    if (m_label && m_label->parentWidget() != m_control.parentWidget()) {
        m_label->setParent(m_control.parentWidget());
        place();
    }
}

bool TAttachedLabel::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == &m_control) {
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::ShowToParent:
        case QEvent::HideToParent:
        case QEvent::EnabledChange:
        case QEvent::FontChange:
            place();
            break;
        case QEvent::ParentChange:
            followParent();
            break;
        default:
            break;
        }
    } else {
        // The only other object watched is the label; it is not asked for
        // through the guarded pointer, which may be half torn down here.
        if (event->type() == QEvent::MouseButtonRelease && OnClick)
            OnClick();
        else if (event->type() == QEvent::MouseButtonDblClick && OnDblClick)
            OnDblClick();
    }
    return false;
}

} // namespace controls
