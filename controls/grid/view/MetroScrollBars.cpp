// The Metro look's thin bars, and the grid's making and freeing of them.
#include "controls/grid/view/MetroScrollBars.h"

#include "controls/grid/view/GridScrollState.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/QtColor.h"

#include <QEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace controls {

namespace {

// One axis of the grid as a bar sees it: rows for the vertical bar,
// columns for the horizontal one.
struct TBarAxis {
    int count = 0;
    int fixed = 0;
    int visible = 0;
    int first = 0;
    int trailing = 0; // fixed footers (right columns) at the far end
    int extent = 0;   // the bar's own length
};

TBarAxis axisOf(const TExStringGrid &g, bool vertical, int extent)
{
    if (vertical)
        return {g.RowCount(), g.FixedRows(), g.VisibleRowCount(), g.TopRow(), g.FixedFooters(), extent};
    return {g.ColCount(), g.FixedCols(), g.VisibleColCount(), g.LeftCol(), g.FixedRightCols(), extent};
}

int sizeOf(const TExStringGrid &g, bool vertical, int index)
{
    return vertical ? g.RowHeights(index) : g.ColWidths(index);
}

} // namespace

TScrollControl::TScrollControl(TExStringGrid *grid, int direction) : QWidget(grid), FDirection(direction)
{
    setObjectName(direction == 0 ? QStringLiteral("vscrlctrl") : QStringLiteral("hscrlctrl"));
    // Not opaque: what the control does not draw shows the cells beneath.
    setAttribute(Qt::WA_NoSystemBackground);
    grid->installEventFilter(this);
    place();
    show();
}

void TScrollControl::setColor(platform::TColor value)
{
    if (value == FColor)
        return;
    FColor = value;
    update();
}

TExStringGrid *TScrollControl::Grid() const { return qobject_cast<TExStringGrid *>(parentWidget()); }

int TScrollControl::TrackStart() const
{
    const TExStringGrid *g = Grid();
    if (!g)
        return 0;
    const bool vertical = FDirection == 0;
    int start = 0;
    const int fixed = vertical ? g->FixedRows() : g->FixedCols();
    for (int i = 0; i < fixed; ++i)
        start += sizeOf(*g, vertical, i);
    return start;
}

int TScrollControl::TrackLength() const
{
    const TExStringGrid *g = Grid();
    if (!g)
        return 0;
    const bool vertical = FDirection == 0;
    const TBarAxis a = axisOf(*g, vertical, vertical ? height() : width());
    int length = a.extent - TrackStart();
    for (int i = std::max(a.fixed, a.count - a.trailing); i < a.count; ++i)
        length -= sizeOf(*g, vertical, i);
    return length;
}

bool TScrollControl::GetThumb(int &Position, int &Size) const
{
    Position = 0;
    Size = 0;
    const TExStringGrid *g = Grid();
    if (!g)
        return false;
    const bool vertical = FDirection == 0;
    const TBarAxis a = axisOf(*g, vertical, vertical ? height() : width());
    // Without scrollable rows the offset has nothing to divide by.
    if (a.count - a.fixed <= 0 || a.count - a.fixed <= a.visible)
        return false;
    const double track = TrackLength();
    const double share = double(a.visible) / a.count;
    const double offset = double(a.first - a.fixed) / (a.count - a.fixed);
    Position = TrackStart() + int(std::lround(track * offset));
    Size = std::max(20, int(std::lround(track * share)));
    if (Position + Size > a.extent)
        Position = a.extent - Size;
    return true;
}

void TScrollControl::paintEvent(QPaintEvent *)
{
    int position = 0;
    int size = 0;
    if (!GetThumb(position, size))
        return;
    QPainter painter(this);
    const QColor color = platform::toQColor(FColor);
    if (FDirection == 0)
        painter.fillRect(QRect(0, position, FScrollWidth, size), color);
    else
        painter.fillRect(QRect(position, 0, size, FScrollWidth), color);
}

void TScrollControl::mousePressEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    platform::guarded([&] { pressAt(FDirection == 0 ? p.y() : p.x()); });
}

void TScrollControl::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint p = event->position().toPoint();
    platform::guarded([&] { dragTo(FDirection == 0 ? p.y() : p.x()); });
}

void TScrollControl::mouseReleaseEvent(QMouseEvent *) { FDownOnScroller = false; }

void TScrollControl::pressAt(int pos)
{
    TExStringGrid *g = Grid();
    int position = 0;
    int size = 0;
    if (!g || !GetThumb(position, size))
        return;
    const bool vertical = FDirection == 0;
    const TBarAxis a = axisOf(*g, vertical, 0);
    int first = a.first;
    if (pos < position)
        first = std::max(a.fixed, a.first - a.visible);
    else if (pos >= position + size)
        first = std::min(a.first + a.visible, a.count - a.visible);
    else {
        FDownOnScroller = true;
        FDownPos = pos;
        FDownRow = a.first;
        return;
    }
    if (vertical)
        g->setTopRow(first);
    else
        g->setLeftCol(first);
}

void TScrollControl::dragTo(int pos)
{
    TExStringGrid *g = Grid();
    if (!FDownOnScroller || !g)
        return;
    const bool vertical = FDirection == 0;
    const TBarAxis a = axisOf(*g, vertical, 0);
    // The first row (column) is the unit of the drag: a bar no longer than
    // it has no length to drag along.
    const int span = (vertical ? height() : width()) - sizeOf(*g, vertical, 0);
    if (span <= 0)
        return;
    const int moved = int(std::lround(double(pos - FDownPos) / span * a.count));
    const int first = std::max(a.fixed, std::min(moved + FDownRow, a.count - a.visible));
    if (vertical)
        g->setTopRow(first);
    else
        g->setLeftCol(first);
}

bool TScrollControl::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parentWidget() && event->type() == QEvent::Resize)
        place();
    return false;
}

void TScrollControl::place()
{
    QWidget *grid = parentWidget();
    if (!grid)
        return;
    if (FDirection == 0) {
        // The bottom bar takes the corner, as the bottom edge is aligned first.
        const auto *other = grid->findChild<TScrollControl *>(QStringLiteral("hscrlctrl"), Qt::FindDirectChildrenOnly);
        const int bottom = other ? Thickness : 0;
        setGeometry(grid->width() - Thickness, 0, Thickness, std::max(0, grid->height() - bottom));
    } else {
        setGeometry(0, grid->height() - Thickness, grid->width(), Thickness);
    }
}

// --- the grid's side -------------------------------------------------------------------------

TScrollControl *TExStringGrid::VertScrollControl() const { return scrolling().VertBar; }

TScrollControl *TExStringGrid::HorzScrollControl() const { return scrolling().HorzBar; }

void TExStringGrid::CreateScrollControls()
{
    TGridScrolling &s = scrolling();
    if (!s.HorzBar)
        s.HorzBar = new TScrollControl(this, 1);
    if (!s.VertBar)
        s.VertBar = new TScrollControl(this, 0);
}

void TExStringGrid::FreeScrollControls()
{
    TGridScrolling &s = scrolling();
    delete s.VertBar.data();
    delete s.HorzBar.data();
    s.VertBar = nullptr;
    s.HorzBar = nullptr;
}

} // namespace controls
