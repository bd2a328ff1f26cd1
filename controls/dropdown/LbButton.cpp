#include "controls/dropdown/LbButton.h"

#include "platform/ui/HandlerGuard.h"
#include "platform/ui/QtColor.h"

#include <QDialog>
#include <QEnterEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

namespace controls {

QString captionDisplayText(const QString &caption)
{
    QString shown;
    shown.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == u'&') {
            if (i + 1 < caption.size() && caption[i + 1] == u'&') {
                shown += u'&';
                ++i;
            }
            continue;
        }
        shown += caption[i];
    }
    return shown;
}

TLbButton::TLbButton(QWidget *parent) : QAbstractButton(parent)
{
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_Hover);
    resize(75, 25);
    connect(this, &QAbstractButton::clicked, this, [this] { Click(); });
}

void TLbButton::setCaption(const QString &caption)
{
    m_caption = caption;
    // Keeps the keyboard accelerator working; painting uses m_caption.
    QAbstractButton::setText(caption);
    repaint();
}

void TLbButton::setGlyph(const QPixmap &glyph)
{
    m_glyph = glyph;
    update();
}

void TLbButton::setHint(const QString &hint)
{
    m_hint = hint;
    updateTooltip();
}

void TLbButton::setShowHint(bool show)
{
    m_showHint = show;
    updateTooltip();
}

void TLbButton::updateTooltip() { setToolTip(m_showHint ? m_hint : QString()); }

void TLbButton::setButtonStyle(TButtonStyle style)
{
    m_style = style;
    update();
}

void TLbButton::setColor(platform::TColor color)
{
    m_color = color;
    update();
}

void TLbButton::setColorDown(platform::TColor color)
{
    m_colorDown = color;
    update();
}

void TLbButton::setColorHot(platform::TColor color)
{
    m_colorHot = color;
    update();
}

void TLbButton::Click()
{
    // One guard around both steps: an error in OnClick ends the click before
    // the dialog is closed with the modal result.
    platform::guarded([this] {
        if (OnClick)
            OnClick(this);
        if (m_modalResult != 0) {
            if (auto *dialog = qobject_cast<QDialog *>(window()))
                dialog->done(m_modalResult);
        }
    });
}

QSize TLbButton::sizeHint() const { return size(); }

void TLbButton::enterEvent(QEnterEvent *event)
{
    m_hot = true;
    update();
    QAbstractButton::enterEvent(event);
}

void TLbButton::leaveEvent(QEvent *event)
{
    m_hot = false;
    update();
    QAbstractButton::leaveEvent(event);
}

void TLbButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QRect frame = rect().adjusted(0, 0, -1, -1);

    platform::TColor face = m_color;
    if (isDown())
        face = m_colorDown;
    else if (m_hot && isEnabled())
        face = m_colorHot;
    painter.fillRect(rect(), platform::toQColor(face));
    painter.setPen(platform::toQColor(isEnabled() ? platform::clBtnShadow : platform::cl3DLight));
    if (m_style != TButtonStyle::bsFlat || m_hot || isDown())
        painter.drawRect(frame);

    const QString text = captionDisplayText(m_caption);
    const int margin = 6;
    QRect content = rect().adjusted(margin, 2, -margin, -2);
    if (!m_glyph.isNull()) {
        const QSize glyphSize = m_glyph.deviceIndependentSize().toSize();
        QPoint at;
        if (text.isEmpty())
            at = QPoint((width() - glyphSize.width()) / 2, (height() - glyphSize.height()) / 2);
        else
            at = QPoint(content.left(), (height() - glyphSize.height()) / 2);
        if (isDown())
            at += QPoint(1, 1);
        if (isEnabled()) {
            painter.drawPixmap(at, m_glyph);
        } else {
            painter.setOpacity(0.4);
            painter.drawPixmap(at, m_glyph);
            painter.setOpacity(1.0);
        }
        content.setLeft(at.x() + glyphSize.width() + margin);
    }

    if (!text.isEmpty()) {
        painter.setFont(font());
        painter.setPen(platform::toQColor(isEnabled() ? platform::clBtnText : platform::clGrayText));
        const int align = (m_glyph.isNull() ? Qt::AlignHCenter : Qt::AlignLeft) | Qt::AlignVCenter;
        QRect textRect = content;
        if (isDown())
            textRect.translate(1, 1);
        painter.drawText(textRect, align | Qt::TextSingleLine, text);
    }

    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        option.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

} // namespace controls
