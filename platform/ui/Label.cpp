#include "platform/ui/Label.h"

#include "platform/ui/QtColor.h"

namespace platform {

TLabel::TLabel(QWidget *parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
    setTextInteractionFlags(Qt::NoTextInteraction);
}

TLabel::TLabel(const QString &caption, QWidget *parent) : TLabel(parent) { setCaption(caption); }

void TLabel::setCaption(const QString &caption)
{
    m_caption = caption;
    QString shown = caption;
    shown.replace(QStringLiteral("&&"), QStringLiteral("&"));
    setText(shown);
    if (m_autoSize)
        adjustSize();
}

void TLabel::setAutoSize(bool autoSize)
{
    m_autoSize = autoSize;
    if (m_autoSize)
        adjustSize();
}

void TLabel::setFontColor(TColor color)
{
    QPalette p = palette();
    p.setColor(QPalette::WindowText, toQColor(color));
    setPalette(p);
}

} // namespace platform
