// The picture of a block of cells in a window of its own, which the mouse
// carries while the cells are dragged.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/NoActiveForm.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/QtColor.h"

#include <QPainter>

namespace controls {

TNoActiveForm::TNoActiveForm(QWidget *owner, const QImage &picture) : QWidget(owner), m_picture(picture)
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    setWindowOpacity(192.0 / 255.0);
    setFixedSize(picture.size());
}

void TNoActiveForm::paintEvent(QPaintEvent *)
{
    platform::guarded([&] {
        QPainter p(this);
        p.drawImage(0, 0, m_picture);
    });
}

std::unique_ptr<QWidget> TExStringGrid::SelectionToForm(TGridRect ARect)
{
    const QImage whole = paintToImage();
    platform::TRect a = VirtualCellRect(ARect.Left, ARect.Top);
    platform::TRect b = VirtualCellRect(ARect.Right, ARect.Bottom);
    // Either corner may come first: the block is the same.
    if (b.Left < a.Left) {
        std::swap(a.Left, b.Left);
        std::swap(a.Right, b.Right);
    }
    if (b.Top < a.Top) {
        std::swap(a.Top, b.Top);
        std::swap(a.Bottom, b.Bottom);
    }
    const int left = a.Left;
    const int top = a.Top;
    const int right = b.Right;
    const int bottom = b.Bottom;
    QImage picture(std::max(right - left + 1, 1), std::max(bottom - top + 1, 1), QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    {
        QPainter p(&picture);
        p.drawImage(QPoint(0, 0), whole, QRect(left + 1, top + 1, right - left + 1, bottom - top + 1));
        const QColor line = platform::toQColor(GridFixedLineColor());
        p.setPen(line);
        const int cl = std::min(ARect.Left, ARect.Right);
        const int rt = std::min(ARect.Top, ARect.Bottom);
        if (cl == 0 && FixedCols() > 0 && Options().testFlag(goFixedVertLine))
            p.drawLine(0, 0, 0, picture.height() - 1);
        if (rt == 0 && FixedRows() > 0 && Options().testFlag(goFixedHorzLine))
            p.drawLine(0, 0, picture.width() - 1, 0);
    }
    return std::make_unique<TNoActiveForm>(this, picture);
}

} // namespace controls
