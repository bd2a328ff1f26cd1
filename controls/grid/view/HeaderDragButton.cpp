#include "controls/grid/view/HeaderDragButton.h"

#include "platform/Color.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/QtColor.h"

#include <QPainter>

namespace controls {

THeaderDragButton::THeaderDragButton(QWidget *grid) : QWidget(grid)
{
    setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setFont(grid->font());
}

void THeaderDragButton::setCaption(const QString &caption)
{
    m_caption = caption;
    update();
}

void THeaderDragButton::paintEvent(QPaintEvent *)
{
    platform::guarded([&] {
        QPainter p(this);
        p.fillRect(rect(), platform::toQColor(platform::clBtnFace));
        p.setPen(platform::toQColor(platform::clBtnShadow));
        p.drawRect(rect().adjusted(0, 0, -1, -1));
        p.setPen(platform::toQColor(platform::clBtnText));
        p.drawText(rect().adjusted(4, 0, -4, 0), Qt::AlignVCenter | Qt::AlignLeft, m_caption);
    });
}

} // namespace controls
