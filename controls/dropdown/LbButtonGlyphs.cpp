#include "controls/dropdown/LbButtonGlyphs.h"

#include <QPainter>
#include <QPolygon>
#include <functional>
#include <map>

namespace controls {
namespace {

const QColor Ground(255, 0, 255);
const QColor Grey(128, 128, 128);

using Shape = std::function<void(QPainter &, const QColor &)>;

// A strip of two frames of one shape: in its colour, then in grey.
QImage strip(int frameHeight, const QColor &colour, const Shape &shape)
{
    const int frame = 18;
    QImage image(2 * frame, frameHeight, QImage::Format_ARGB32);
    image.fill(Ground);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i < 2; ++i) {
        painter.save();
        painter.translate(i * frame, (frameHeight - frame) / 2);
        shape(painter, i == 0 ? colour : Grey);
        painter.restore();
    }
    return image;
}

void polyline(QPainter &p, const QColor &c, std::initializer_list<QPoint> points, int width = 2)
{
    p.setPen(QPen(c, width, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    p.drawPolyline(QPolygon(QList<QPoint>(points)));
}

void tick(QPainter &p, const QColor &c) { polyline(p, c, {{3, 9}, {7, 13}, {14, 4}}, 3); }

void cross(QPainter &p, const QColor &c)
{
    polyline(p, c, {{4, 4}, {13, 13}}, 3);
    polyline(p, c, {{13, 4}, {4, 13}}, 3);
}

void help(QPainter &p, const QColor &c)
{
    polyline(p, c, {{5, 6}, {6, 3}, {11, 3}, {12, 6}, {9, 9}, {9, 11}});
    p.fillRect(QRect(8, 13, 3, 2), c);
}

void no(QPainter &p, const QColor &c)
{
    p.setPen(QPen(c, 2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QRect(3, 3, 12, 12));
    polyline(p, c, {{5, 13}, {13, 5}});
}

void closeDoor(QPainter &p, const QColor &c)
{
    p.setPen(QPen(c, 1));
    p.drawRect(QRect(4, 2, 9, 14));
    p.fillRect(QRect(5, 3, 5, 13), c);
    p.fillRect(QRect(11, 9, 1, 2), c);
}

void stop(QPainter &p, const QColor &c)
{
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygon(QList<QPoint>{{6, 2}, {12, 2}, {16, 6}, {16, 12}, {12, 16}, {6, 16}, {2, 12}, {2, 6}}));
    p.fillRect(QRect(5, 8, 9, 2), QColor(255, 255, 255));
}

void retry(QPainter &p, const QColor &c)
{
    p.setPen(QPen(c, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(3, 3, 12, 12), 60 * 16, 300 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygon(QList<QPoint>{{10, 1}, {15, 4}, {10, 7}}));
}

void ignore(QPainter &p, const QColor &c)
{
    polyline(p, c, {{3, 9}, {14, 9}});
    p.setPen(Qt::NoPen);
    p.setBrush(c);
    p.drawPolygon(QPolygon(QList<QPoint>{{10, 4}, {15, 9}, {10, 14}}));
}

void all(QPainter &p, const QColor &c)
{
    polyline(p, c, {{1, 9}, {4, 12}, {10, 4}});
    polyline(p, c, {{7, 10}, {9, 12}, {16, 4}});
}

std::map<QString, QImage> makeBitmaps()
{
    const QColor green(0, 128, 0);
    const QColor red(128, 0, 0);
    const QColor blue(0, 0, 128);
    std::map<QString, QImage> bitmaps;
    bitmaps[QStringLiteral("LBOK")] = strip(18, green, tick);
    bitmaps[QStringLiteral("LBCANCEL")] = strip(18, red, cross);
    bitmaps[QStringLiteral("LBHELP")] = strip(18, blue, help);
    bitmaps[QStringLiteral("LBYES")] = strip(18, green, tick);
    bitmaps[QStringLiteral("LBNO")] = strip(18, red, no);
    bitmaps[QStringLiteral("LBCLOSE")] = strip(18, QColor(0, 128, 128), closeDoor);
    bitmaps[QStringLiteral("LBABORT")] = strip(18, QColor(255, 0, 0), stop);
    bitmaps[QStringLiteral("LBRETRY")] = strip(18, green, retry);
    bitmaps[QStringLiteral("LBIGNORE")] = strip(18, blue, ignore);
    bitmaps[QStringLiteral("LBALL")] = strip(19, green, all);

    QImage arrow(5, 3, QImage::Format_ARGB32);
    arrow.fill(Ground);
    for (int row = 0; row < 3; ++row)
        for (int x = row; x < 5 - row; ++x)
            arrow.setPixelColor(x, row, QColor(0, 0, 0));
    // The lower-left pixel names the transparent colour: keep it ground.
    bitmaps[QStringLiteral("LBARROW")] = arrow;
    return bitmaps;
}

} // namespace

const QImage &lbResourceBitmap(const QString &name)
{
    static const std::map<QString, QImage> bitmaps = makeBitmaps();
    static const QImage none;
    const auto found = bitmaps.find(name);
    return found == bitmaps.end() ? none : found->second;
}

} // namespace controls
