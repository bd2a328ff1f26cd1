// Each cursor is a black shape with a white rim on a 32 by 32 picture, so
// that it shows on dark and light cells alike; made once and kept.
#include "platform/ui/GridCursors.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>

#include <map>
#include <cmath>

namespace platform {

namespace {

constexpr int side = 32;

QPixmap canvasPixmap()
{
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    return pixmap;
}

void outline(QPainter &p, const QPainterPath &path)
{
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(Qt::white, 1));
    p.setBrush(Qt::black);
    p.drawPath(path);
}

// An arrow along the direction (dx, dy), its tip at (tx, ty).
QPainterPath arrow(double tx, double ty, double dx, double dy, double length, double head, double shaft)
{
    const double n = std::hypot(dx, dy);
    const double ux = dx / n;
    const double uy = dy / n;
    const double px = -uy; // across the arrow
    const double py = ux;
    const auto at = [&](double along, double across) {
        return QPointF(tx - ux * along + px * across, ty - uy * along + py * across);
    };
    QPolygonF shape;
    shape << at(0, 0) << at(head, head) << at(head, shaft / 2) << at(length, shaft / 2) << at(length, -shaft / 2)
          << at(head, -shaft / 2) << at(head, -head) << at(0, 0);
    QPainterPath path;
    path.addPolygon(shape);
    return path;
}

struct Made {
    QCursor cursor;
    int id;
};

QCursor selectArrow(double dx, double dy, QPoint tip)
{
    QPixmap pixmap = canvasPixmap();
    QPainter p(&pixmap);
    outline(p, arrow(tip.x(), tip.y(), dx, dy, 13, 5, 3));
    p.end();
    return QCursor(pixmap, tip.x(), tip.y());
}

// The anchor of panning: a ring, with a triangle towards each way it pans.
QCursor panCursor(int id)
{
    struct Way {
        int id;
        double dx, dy;
    };
    static constexpr Way ways[] = {{8001, 0, 1},  {8002, -1, 0}, {8003, 1, 0},  {8004, 0, -1},
                                   {8005, 1, -1}, {8006, -1, -1}, {8007, 1, 1}, {8008, -1, 1}};
    QPixmap pixmap = canvasPixmap();
    QPainter p(&pixmap);
    QPainterPath ring;
    ring.addEllipse(QPointF(15.5, 15.5), 4, 4);
    outline(p, ring);
    for (const Way &w : ways) {
        if (id != 8000 && id != w.id)
            continue;
        const double n = std::hypot(w.dx, w.dy);
        outline(p, arrow(15.5 + 13 * w.dx / n, 15.5 + 13 * w.dy / n, w.dx, w.dy, 5, 5, 0));
    }
    p.end();
    return QCursor(pixmap, 15, 15);
}

QCursor cellSelector()
{
    QPixmap pixmap = canvasPixmap();
    QPainter p(&pixmap);
    QPainterPath cross;
    cross.addRect(QRectF(14, 4, 3, 23));
    cross.addRect(QRectF(4, 14, 23, 3));
    cross.setFillRule(Qt::WindingFill);
    outline(p, cross.simplified());
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(18.5, 18.5, 9, 7)); // a small cell beside the cross
    p.end();
    return QCursor(pixmap, 15, 15);
}

QCursor linkCursor()
{
    QPixmap pixmap = canvasPixmap();
    QPainter p(&pixmap);
    outline(p, arrow(10, 2, 0, -1, 14, 5, 3));
    QPainterPath line;
    line.addRect(QRectF(3, 20, 15, 2));
    outline(p, line);
    p.end();
    return QCursor(pixmap, 10, 2);
}

QCursor make(int id)
{
    if (id >= 8000 && id <= 8008)
        return panCursor(id);
    switch (id) {
    case crGridLink:
        return linkCursor();
    case crGridRowSelect:
        return selectArrow(1, 0, QPoint(26, 15));
    case crGridColSelect:
        return selectArrow(0, 1, QPoint(15, 26));
    case crGridSelectAll:
        return selectArrow(1, 1, QPoint(24, 24));
    case crGridCellSelector:
        return cellSelector();
    default:
        return QCursor(Qt::ArrowCursor);
    }
}

std::map<int, Made> &made()
{
    static std::map<int, Made> cursors;
    return cursors;
}

} // namespace

QCursor gridCursor(int id)
{
    auto &cursors = made();
    auto it = cursors.find(id);
    if (it == cursors.end())
        it = cursors.emplace(id, Made{make(id), id}).first;
    return it->second.cursor;
}

int gridCursorId(const QCursor &cursor)
{
    if (cursor.shape() != Qt::BitmapCursor)
        return 0;
    const qint64 key = cursor.pixmap().cacheKey();
    for (const auto &[id, m] : made())
        if (m.cursor.pixmap().cacheKey() == key)
            return id;
    return 0;
}

} // namespace platform
