#include "platform/ui/GroupBox.h"

#include "platform/Color.h"
#include "platform/ui/QtColor.h"

#include <QPainter>

namespace platform {
namespace {

constexpr int CaptionLeft = 8;

} // namespace

TGroupBox::TGroupBox(QWidget *parent) : QGroupBox(parent) {}

int TGroupBox::frameTop() const
{
    return fontMetrics().height() / 2;
}

void TGroupBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const int top = frameTop();
    const int right = width() - 1;
    const int bottom = height() - 1;
    // Etched: a shadow line with a highlight line one pixel inside and below it.
    painter.setPen(toQColor(clBtnHighlight));
    painter.drawRect(1, top + 1, right - 1, bottom - top - 1);
    painter.setPen(toQColor(clBtnShadow));
    painter.drawRect(0, top, right - 1, bottom - top - 1);

    const QString caption = title();
    if (caption.isEmpty())
        return;
    const QRect text(CaptionLeft, 0, fontMetrics().horizontalAdvance(caption), fontMetrics().height());
    painter.fillRect(text, palette().color(backgroundRole()));
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, caption);
}

} // namespace platform
