#include "controls/dropdown/GdiCanvas.h"

#include <QFontMetrics>
#include <QImage>
#include <QPaintDevice>
#include <cstdlib>

namespace controls {
namespace {

QColor qcolor(platform::TColor color) { return platform::toQColor(platform::ColorToRGB(color)); }

int qtTextFlags(unsigned flags)
{
    int qt = Qt::AlignTop;
    if (flags & DT_CENTER)
        qt |= Qt::AlignHCenter;
    else if (flags & DT_RIGHT)
        qt |= Qt::AlignRight;
    else
        qt |= Qt::AlignLeft;
    if (flags & DT_SINGLELINE)
        qt |= Qt::TextSingleLine;
    else if (flags & DT_WORDBREAK)
        qt |= Qt::TextWordWrap;
    if (!(flags & DT_NOPREFIX))
        qt |= Qt::TextShowMnemonic;
    if (flags & DT_NOCLIP)
        qt |= Qt::TextDontClip;
    return qt;
}

} // namespace

GdiCanvas::GdiCanvas(QPaintDevice &device) : m_painter(&device)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setRenderHint(QPainter::TextAntialiasing, true);
}

void GdiCanvas::setPen(platform::TColor color, TPenStyle style)
{
    m_pen = color;
    m_penStyle = style;
}

void GdiCanvas::setBrush(platform::TColor color)
{
    m_brush = color;
    m_brushClear = false;
}

void GdiCanvas::setFont(const QFont &font, platform::TColor color)
{
    m_font = font;
    m_fontColor = color;
}

void GdiCanvas::FillRect(int left, int top, int right, int bottom)
{
    if (m_brushClear || right <= left || bottom <= top || !platform::isColorSet(m_brush))
        return;
    m_painter.fillRect(QRect(left, top, right - left, bottom - top), qcolor(m_brush));
}

void GdiCanvas::Rectangle(int left, int top, int right, int bottom)
{
    if (right <= left || bottom <= top)
        return;
    if (m_penStyle == TPenStyle::psClear) {
        FillRect(left, top, right - 1, bottom - 1);
        return;
    }
    FillRect(left + 1, top + 1, right - 1, bottom - 1);
    MoveTo(left, top);
    LineTo(right - 1, top);
    LineTo(right - 1, bottom - 1);
    LineTo(left, bottom - 1);
    LineTo(left, top);
}

void GdiCanvas::RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight)
{
    if (right - left < 2 || bottom - top < 2)
        return;
    const bool pen = m_penStyle != TPenStyle::psClear && platform::isColorSet(m_pen);
    m_painter.save();
    m_painter.setPen(pen ? QPen(qcolor(m_pen), 0) : QPen(Qt::NoPen));
    m_painter.setBrush(m_brushClear || !platform::isColorSet(m_brush) ? QBrush(Qt::NoBrush) : QBrush(qcolor(m_brush)));
    // The outline runs through the outermost pixels, as GDI's does; without
    // a pen the fill stops one pixel short, as for Rectangle.
    const int shrink = pen ? 1 : 0;
    const QRect area(left, top, right - left - shrink, bottom - top - shrink);
    if (pen)
        m_painter.drawRoundedRect(area, ellipseWidth / 2.0, ellipseHeight / 2.0);
    else
        m_painter.drawRoundedRect(QRect(left, top, right - left - 1, bottom - top - 1), ellipseWidth / 2.0,
                                  ellipseHeight / 2.0);
    m_painter.restore();
}

void GdiCanvas::MoveTo(int x, int y) { m_at = QPoint(x, y); }

void GdiCanvas::LineTo(int x, int y)
{
    line(m_at.x(), m_at.y(), x, y);
    m_at = QPoint(x, y);
}

void GdiCanvas::Pixel(int x, int y, platform::TColor color) { m_painter.fillRect(QRect(x, y, 1, 1), qcolor(color)); }

void GdiCanvas::line(int x0, int y0, int x1, int y1)
{
    if (m_penStyle == TPenStyle::psClear || !platform::isColorSet(m_pen))
        return;
    const QColor colour = qcolor(m_pen);
    const bool dotted = m_penStyle == TPenStyle::psDot;
    if (!dotted && (x0 == x1 || y0 == y1)) {
        // Straight lines as one fill: the common case, and the fast one.
        if (x0 == x1 && y0 == y1)
            return;
        if (y0 == y1)
            m_painter.fillRect(QRect(x1 > x0 ? x0 : x1 + 1, y0, std::abs(x1 - x0), 1), colour);
        else
            m_painter.fillRect(QRect(x0, y1 > y0 ? y0 : y1 + 1, 1, std::abs(y1 - y0)), colour);
        return;
    }
    // Bresenham, leaving out the end point.
    const int dx = std::abs(x1 - x0);
    const int dy = -std::abs(y1 - y0);
    const int sx = x0 < x1 ? 1 : -1;
    const int sy = y0 < y1 ? 1 : -1;
    int err = dx + dy;
    int x = x0;
    int y = y0;
    int n = 0;
    while (x != x1 || y != y1) {
        if (!dotted || n % 2 == 0)
            m_painter.fillRect(QRect(x, y, 1, 1), colour);
        ++n;
        const int e2 = 2 * err;
        if (e2 >= dy) {
            err += dy;
            x += sx;
        }
        if (e2 <= dx) {
            err += dx;
            y += sy;
        }
    }
}

int GdiCanvas::TextWidth(const QString &text) const { return QFontMetrics(m_font).horizontalAdvance(text); }

int GdiCanvas::TextHeight() const { return QFontMetrics(m_font).height(); }

QRect GdiCanvas::DrawText(const QString &text, const QRect &rect, unsigned flags)
{
    const int qtFlags = qtTextFlags(flags);
    if (flags & DT_CALCRECT) {
        if (text.isEmpty())
            return QRect(rect.topLeft(), QSize(0, 0));
        const QFontMetrics metrics(m_font);
        const QRect needed =
            metrics.boundingRect(QRect(rect.left(), rect.top(), std::max(rect.width(), 1), 100000), qtFlags, text);
        return QRect(rect.left(), rect.top(), needed.width(), needed.height());
    }
    if (text.isEmpty())
        return rect;
    m_painter.save();
    m_painter.setFont(m_font);
    m_painter.setPen(qcolor(m_fontColor));
    if (!(flags & DT_NOCLIP))
        m_painter.setClipRect(rect, Qt::IntersectClip);
    m_painter.drawText(rect, qtFlags, text);
    m_painter.restore();
    return rect;
}

void GdiCanvas::TextOut(int x, int y, const QString &text, int escapement)
{
    if (text.isEmpty())
        return;
    m_painter.save();
    m_painter.setFont(m_font);
    m_painter.setPen(qcolor(m_fontColor));
    m_painter.translate(x, y);
    if (escapement != 0)
        m_painter.rotate(-escapement / 10.0);
    m_painter.drawText(QPoint(0, QFontMetrics(m_font).ascent()), text);
    m_painter.restore();
}

QImage withoutColour(const QImage &picture, QRgb key)
{
    QImage frame = picture.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < frame.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(frame.scanLine(y));
        for (int x = 0; x < frame.width(); ++x)
            if (row[x] == key)
                row[x] = 0;
    }
    return frame;
}

QImage transparentPart(const QImage &picture, const QRect &part)
{
    if (picture.isNull())
        return picture;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    return withoutColour(argb.copy(part), argb.pixel(0, argb.height() - 1));
}

void GdiCanvas::DrawTransparent(int x, int y, const QImage &picture, const QRect &part)
{
    if (picture.isNull() || part.isEmpty())
        return;
    m_painter.drawImage(QPoint(x, y), transparentPart(picture, part));
}

void GdiCanvas::DrawFocusRect(const QRect &rect)
{
    if (rect.isEmpty())
        return;
    m_painter.save();
    // Difference with white inverts each dot and keeps it opaque.
    m_painter.setCompositionMode(QPainter::CompositionMode_Difference);
    const QColor white(255, 255, 255);
    const int right = rect.left() + rect.width() - 1;
    const int bottom = rect.top() + rect.height() - 1;
    for (int x = rect.left(); x <= right; x += 2) {
        m_painter.fillRect(QRect(x, rect.top(), 1, 1), white);
        if (bottom != rect.top())
            m_painter.fillRect(QRect(x, bottom, 1, 1), white);
    }
    for (int y = rect.top() + 2; y < bottom; y += 2) {
        m_painter.fillRect(QRect(rect.left(), y, 1, 1), white);
        if (right != rect.left())
            m_painter.fillRect(QRect(right, y, 1, 1), white);
    }
    m_painter.restore();
}

void GdiCanvas::setClipRegion(const QRegion &region) { m_painter.setClipRegion(region); }

void GdiCanvas::clearClip() { m_painter.setClipping(false); }

} // namespace controls
