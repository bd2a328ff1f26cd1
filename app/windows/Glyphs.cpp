#include "app/windows/Glyphs.h"

#include "platform/ui/Fonts.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <functional>

namespace app::glyphs {
namespace {

QPixmap draw(int width, int height, const std::function<void(QPainter &)> &paint)
{
    QPixmap pixmap(width, height);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    paint(painter);
    return pixmap;
}

QPixmap draw(int size, const std::function<void(QPainter &)> &paint) { return draw(size, size, paint); }

const QColor Ink(70, 70, 70);

} // namespace

QPixmap information()
{
    return draw(32, [](QPainter &p) {
        p.setPen(QPen(QColor(20, 80, 160), 1.5));
        p.setBrush(QColor(40, 120, 210));
        p.drawEllipse(QRectF(2, 2, 28, 28));
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QRectF(14, 7, 4.5, 4.5));
        p.drawRoundedRect(QRectF(14, 13.5, 4.5, 12), 1.5, 1.5);
    });
}

QPixmap options()
{
    return draw(32, [](QPainter &p) {
        p.translate(16, 16);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(110, 110, 110));
        for (int i = 0; i < 8; ++i) {
            p.drawRoundedRect(QRectF(-3, -15, 6, 8), 1, 1);
            p.rotate(45);
        }
        p.drawEllipse(QPointF(0, 0), 10.5, 10.5);
        p.setBrush(QColor(248, 247, 237));
        p.drawEllipse(QPointF(0, 0), 4.5, 4.5);
    });
}

QPixmap closeProgram()
{
    return draw(32, [](QPainter &p) {
        p.setPen(QPen(QColor(150, 20, 20), 1.5));
        p.setBrush(QColor(210, 45, 45));
        p.drawEllipse(QRectF(2, 2, 28, 28));
        p.setPen(QPen(Qt::white, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(11, 11), QPointF(21, 21));
        p.drawLine(QPointF(21, 11), QPointF(11, 21));
    });
}

QPixmap newConfiguration()
{
    return draw(24, [](QPainter &p) {
        QPainterPath sheet;
        sheet.moveTo(4, 2);
        sheet.lineTo(14, 2);
        sheet.lineTo(19, 7);
        sheet.lineTo(19, 22);
        sheet.lineTo(4, 22);
        sheet.closeSubpath();
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(Qt::white);
        p.drawPath(sheet);
        p.drawPolyline(QPolygonF({QPointF(14, 2), QPointF(14, 7), QPointF(19, 7)}));
        p.setPen(QPen(QColor(30, 150, 60), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(17, 12), QPointF(17, 22));
        p.drawLine(QPointF(12, 17), QPointF(22, 17));
    });
}

QPixmap openConfiguration()
{
    return draw(24, [](QPainter &p) {
        p.setPen(QPen(QColor(160, 120, 20), 1.2));
        p.setBrush(QColor(240, 200, 80));
        QPainterPath back;
        back.moveTo(2, 5);
        back.lineTo(9, 5);
        back.lineTo(11, 7);
        back.lineTo(20, 7);
        back.lineTo(20, 20);
        back.lineTo(2, 20);
        back.closeSubpath();
        p.drawPath(back);
        p.setBrush(QColor(250, 220, 120));
        p.drawPolygon(QPolygonF({QPointF(5, 11), QPointF(23, 11), QPointF(20, 20), QPointF(2, 20)}));
    });
}

QPixmap generalParameters()
{
    return draw(24, [](QPainter &p) {
        const double knobs[] = {8, 15, 11};
        for (int i = 0; i < 3; ++i) {
            const double y = 5 + i * 7;
            p.setPen(QPen(Ink, 1.5, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(3, y), QPointF(21, y));
            p.setPen(QPen(QColor(20, 80, 160), 1));
            p.setBrush(QColor(80, 150, 230));
            p.drawEllipse(QPointF(knobs[i], y), 3, 3);
        }
    });
}

QPixmap mbusNetwork()
{
    return draw(24, [](QPainter &p) {
        p.setPen(QPen(Ink, 1.5));
        p.drawLine(QPointF(12, 6), QPointF(12, 12));
        p.drawLine(QPointF(4, 12), QPointF(20, 12));
        p.drawLine(QPointF(4, 12), QPointF(4, 17));
        p.drawLine(QPointF(20, 12), QPointF(20, 17));
        p.drawLine(QPointF(12, 12), QPointF(12, 17));
        p.setBrush(QColor(230, 120, 30));
        p.setPen(QPen(QColor(150, 70, 10), 1));
        p.drawRect(QRectF(8, 1, 8, 6));
        for (double x : {1.0, 9.0, 17.0})
            p.drawRect(QRectF(x, 17, 6, 6));
    });
}

QPixmap updateDevice()
{
    return draw(24, [](QPainter &p) {
        p.setPen(QPen(Ink, 1.2));
        p.setBrush(QColor(90, 90, 100));
        p.drawRoundedRect(QRectF(2, 14, 20, 8), 1.5, 1.5);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(120, 220, 120));
        p.drawEllipse(QPointF(18, 18), 1.5, 1.5);
        p.setBrush(QColor(30, 150, 60));
        p.drawPolygon(QPolygonF({QPointF(9, 1), QPointF(15, 1), QPointF(15, 7), QPointF(19, 7), QPointF(12, 13),
                                 QPointF(5, 7), QPointF(9, 7)}));
    });
}

QPixmap scanDecode()
{
    return draw(24, [](QPainter &p) {
        p.setPen(QPen(Ink, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
        p.setPen(QPen(Ink, 1.8));
        p.setBrush(QColor(200, 230, 250));
        p.drawEllipse(QPointF(9.5, 9.5), 7, 7);
    });
}

namespace {
QPixmap logo(const QString &name, const QColor &colour)
{
    return draw(120, 48, [&](QPainter &p) {
        p.setPen(Qt::NoPen);
        p.setBrush(colour);
        p.drawRoundedRect(QRectF(0, 6, 36, 36), 6, 6);
        p.setPen(Qt::white);
        p.setFont(platform::makeFont(QStringLiteral("Verdana"), 18, {.bold = true}));
        p.drawText(QRectF(0, 6, 36, 36), Qt::AlignCenter, name.left(1));
        p.setPen(colour);
        p.setFont(platform::makeFont(QStringLiteral("Verdana"), 10, {.bold = true}));
        p.drawText(QRectF(40, 6, 80, 36), Qt::AlignLeft | Qt::AlignVCenter, name);
    });
}
} // namespace

QPixmap makerLogo() { return logo(QStringLiteral("Tervikon"), QColor(0, 90, 160)); }

QPixmap partnerLogo() { return logo(QStringLiteral("Vellquist"), QColor(120, 40, 110)); }

} // namespace app::glyphs
