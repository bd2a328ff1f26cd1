#include "controls/dropdown/WatchPainting.h"

#include "controls/dropdown/core/WatchGeometry.h"
#include "controls/dropdown/paint/Gradient.h"
#include "controls/dropdown/paint/TextFitting.h"
#include "platform/draw/DrawFlags.h"

#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <vector>

namespace controls {

using namespace platform;

namespace {

struct Dial {
    QRect watch;
    QPoint center;
    double radius;
    double inner;
};

Dial dialOf(const TWatchScene &scene)
{
    Dial d;
    d.watch = watchRect(scene.client, scene.appearance.look().Size);
    d.center = watchCenter(d.watch);
    d.radius = watchRadius(d.watch);
    d.inner = watchInnerRadius(d.radius, scene.appearance.look().BorderWidth);
    return d;
}

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

TRect toTRect(const QRect &r) { return Bounds(r.x(), r.y(), r.width(), r.height()); }

void setPen(TCanvas &canvas, TColor color, int width)
{
    canvas.Pen().setStyle(isColorSet(color) ? TPenStyle::psSolid : TPenStyle::psClear);
    if (isColorSet(color))
        canvas.Pen().setColor(color);
    canvas.Pen().setWidth(std::max(1, width));
}

void clearBrush(TCanvas &canvas) { canvas.Brush().setStyle(TBrushStyle::bsClear); }

void solidBrush(TCanvas &canvas, TColor color)
{
    canvas.Brush().setStyle(TBrushStyle::bsSolid);
    canvas.Brush().setColor(color);
}

// A mark on the circle at phi degrees from 3 o'clock, from r1 to r2.
void markLine(TCanvas &canvas, QPoint c, double phi, double r1, double r2, int dx = 0, int dy = 0)
{
    const double cs = std::cos(radians(phi)), sn = std::sin(radians(phi));
    canvas.MoveTo(roundEven(c.x() + r1 * cs + dx), roundEven(c.y() + r1 * sn + dy));
    canvas.LineTo(roundEven(c.x() + r2 * cs + dx), roundEven(c.y() + r2 * sn + dy));
}

// A point at k radii from the centre on the clock angle theta.
TPoint handPoint(const Dial &d, double k, double theta, QPoint shift = {})
{
    return Point(roundEven(d.center.x() + k * d.radius * std::sin(radians(theta)) + shift.x()),
                 roundEven(d.center.y() - k * d.radius * std::cos(radians(theta)) + shift.y()));
}

void handLine(TCanvas &canvas, const Dial &d, TColor color, int width, double k1, double k2, double theta,
              QPoint shift = {})
{
    setPen(canvas, color, width);
    const TPoint from = handPoint(d, k1, theta, shift);
    const TPoint to = handPoint(d, k2, theta, shift);
    canvas.MoveTo(from.X, from.Y);
    canvas.LineTo(to.X, to.Y);
}

void handPolygon(TCanvas &canvas, const Dial &d, TColor color, double tip, double theta, QPoint shift = {})
{
    setPen(canvas, color, 1);
    solidBrush(canvas, color);
    const TPoint points[] = {handPoint(d, -0.1, theta, shift), handPoint(d, 0.05, theta - 90, shift),
                             handPoint(d, tip, theta, shift), handPoint(d, 0.05, theta + 90, shift)};
    canvas.Polygon(points);
}

void drawCenterPoint(TCanvas &canvas, const Dial &d, const TWatchLook &look)
{
    const int size = look.CenterPointSize;
    if (size <= 0)
        return;
    const int x0 = roundEven(d.center.x() - size / 2.0), y0 = roundEven(d.center.y() - size / 2.0);
    if (isColorSet(look.CenterPointColor)) {
        solidBrush(canvas, look.CenterPointColor);
        setPen(canvas, look.CenterPointColor, 1);
        canvas.Ellipse(x0, y0, x0 + size, y0 + size);
    }
    int outer = 0;
    if (isColorSet(look.CenterPointOuterBorderColor)) {
        clearBrush(canvas);
        outer = roundEven(0.2 * size);
        setPen(canvas, look.CenterPointOuterBorderColor, outer);
        canvas.Ellipse(x0, y0, x0 + size, y0 + size);
    }
    if (isColorSet(look.CenterPointBorderColor)) {
        clearBrush(canvas);
        setPen(canvas, look.CenterPointBorderColor, roundEven(0.1 * size));
        const int inner = size - outer;
        const int x1 = roundEven(d.center.x() - inner / 2.0), y1 = roundEven(d.center.y() - inner / 2.0);
        canvas.Ellipse(x1, y1, x1 + inner, y1 + inner);
    }
}

// The clip of a round or rounded dial, made once per size: building an
// elliptic region costs more than the rest of the dial.
const QRegion &dialClip(TWatchShape shape, const QRect &box)
{
    thread_local TWatchShape lastShape = wsRect;
    thread_local QRect lastBox;
    thread_local QRegion region;
    if (shape != lastShape || box != lastBox) {
        if (shape == wsCircle) {
            region = QRegion(box, QRegion::Ellipse);
        } else {
            QPainterPath path;
            path.addRoundedRect(box, 10, 10);
            region = QRegion(path.toFillPolygon().toPolygon());
        }
        lastShape = shape;
        lastBox = box;
    }
    return region;
}

// Text sizes in a font, measured once per font: the numbers and "AM".
QSize measuredText(const TFont &font, const QString &text)
{
    struct Entry {
        TFont font;
        QString text;
        QSize size;
    };
    thread_local std::vector<Entry> known;
    for (const Entry &e : known)
        if (e.text == text && e.font.sameLook(font))
            return e.size;
    if (known.size() > 64)
        known.clear();
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    TCanvas measure(&scratch);
    measure.Font().Assign(font);
    Entry entry{{}, text, MeasureTextSize(measure, text)};
    entry.font.Assign(font);
    known.push_back(std::move(entry));
    return known.back().size;
}

void frameAmPm(TCanvas &canvas, TAMPMFrame frame, const TRect &box)
{
    if (frame == apRoundRect)
        canvas.RoundRect(box.Left, box.Top, box.Right, box.Bottom, 5, 5);
    else
        canvas.Rectangle(box);
}

} // namespace

QRect watchAmPmBox(const TWatchAppearance &appearance, QSize client, bool shown)
{
    const QRect watch = watchRect(client, appearance.look().Size);
    if (!shown)
        return watchAmPmRect(watchCenter(watch), watchRadius(watch), {}, false);
    const QSize text = measuredText(appearance.AMPMFont(), QStringLiteral("AM"));
    return watchAmPmRect(watchCenter(watch), watchRadius(watch), text, true);
}

void DrawBackground(TCanvas *canvas, const TWatchScene &scene)
{
    if (!canvas)
        return;
    const TWatchLook &look = scene.appearance.look();
    const Dial d = dialOf(scene);
    const TRect client = Rect(0, 0, scene.client.width(), scene.client.height());
    const TRect area = look.Shape == wsCircle ? toTRect(d.watch) : client;
    // The fill keeps to the dial enlarged by a pixel or two, under the border.
    const TRect fillBox = Rect(area.Left - 1, area.Top - 1, area.Right + 2, area.Bottom + 2);
    if (isColorSet(look.BackgroundColor) && isColorSet(look.BackgroundColorTo)) {
        const int saved = canvas->SaveDC();
        if (look.Shape != wsRect)
            canvas->SelectClipRgn(dialClip(look.Shape, toQRect(fillBox)));
        // Radial and diagonal fills are drawn as plain bands.
        DrawGradient(*canvas, look.BackgroundColor, look.BackgroundColorTo, 80, area,
                     look.BackgroundGradient == wgRadial);
        canvas->RestoreDC(saved);
    } else if (isColorSet(look.BackgroundColor)) {
        // A solid fill needs no clip: a clip of a round region costs more
        // than the rest of the dial.
        if (look.Shape == wsRect) {
            canvas->FillColor(area, look.BackgroundColor);
        } else {
            canvas->Pen().setStyle(TPenStyle::psClear);
            solidBrush(*canvas, look.BackgroundColor);
            if (look.Shape == wsCircle)
                canvas->Ellipse(fillBox);
            else
                canvas->RoundRect(fillBox.Left, fillBox.Top, fillBox.Right, fillBox.Bottom, 20, 20);
        }
    }
    if (isColorSet(look.BorderColor) && look.BorderWidth > 0) {
        setPen(*canvas, look.BorderColor, look.BorderWidth);
        clearBrush(*canvas);
        if (look.Shape == wsCircle)
            canvas->Ellipse(area);
        else if (look.Shape == wsRect)
            canvas->Rectangle(client);
        else
            canvas->RoundRect(client.Left, client.Top, client.Right, client.Bottom, 20, 20);
    }
    const QImage &picture = scene.appearance.Picture();
    if (!picture.isNull()) {
        const QColor corner = picture.pixelColor(0, picture.height() - 1);
        canvas->DrawImage(0, 0, keyedOut(picture, RGB(corner.red(), corner.green(), corner.blue())));
    }
}

void DrawTickMarks(TCanvas *canvas, const TWatchScene &scene)
{
    const TWatchLook &look = scene.appearance.look();
    if (!canvas || look.TickMarks == tmNone)
        return;
    const Dial d = dialOf(scene);
    const TWatchMarkRadii r = watchMarkRadii(d.inner, look.HourMarkLength, look.MinuteMarkLength);
    setPen(*canvas, look.HourColor, look.HourMarkWidth);
    for (int phi = 0; phi < 360; phi += 90) {
        if (look.HourMarkStyle != hmsQuartDblLine) {
            markLine(*canvas, d.center, phi, r.hourInner, r.outer);
        } else if (phi % 180 == 0) {
            // 3 and 9 o'clock: two lines above and below the axis.
            markLine(*canvas, d.center, phi, r.hourInner, r.outer, 0, -2);
            markLine(*canvas, d.center, phi, r.hourInner, r.outer, 0, 2);
        } else {
            markLine(*canvas, d.center, phi, r.hourInner, r.outer, -2, 0);
            markLine(*canvas, d.center, phi, r.hourInner, r.outer, 2, 0);
        }
    }
    if (look.TickMarks == tmAll || look.TickMarks == tmHours)
        for (int i = 1; i < 12; ++i)
            if (i % 3 != 0)
                markLine(*canvas, d.center, i * 30, r.hourInner, r.outer);
    if (look.TickMarks == tmAll) {
        setPen(*canvas, look.MinuteColor, look.MinuteMarkWidth);
        for (int i = 0; i < 60; ++i)
            if (i % 5 != 0)
                markLine(*canvas, d.center, i * 6, r.minuteInner, r.outer);
    }
}

void DrawNumbers(TCanvas *canvas, const TWatchScene &scene)
{
    const TWatchLook &look = scene.appearance.look();
    if (!canvas || !scene.showNumbers || look.TickMarks == tmNone || look.TickMarks == tmHours)
        return;
    const Dial d = dialOf(scene);
    canvas->Font().Assign(scene.appearance.HourFont());
    clearBrush(*canvas);
    const int b = look.HourMarkLength != 0 ? look.HourMarkLength : roundEven(d.inner - 0.9 * d.inner) + 2;
    for (int i = 1; i <= 12; ++i) {
        if (look.TickMarks == tmQuartHours && i % 3 != 0)
            continue;
        const QString text = QString::number(i);
        const QSize size = measuredText(canvas->Font(), text);
        const double r = watchNumberRadius(d.inner, look.HourMarkLength, i, size.height());
        const double theta = radians(i * 30);
        const QPoint p(d.center.x() + roundEven(r * std::sin(theta)) + 1,
                       d.center.y() - roundEven(r * std::cos(theta)) + 1);
        const TRect box = Rect(p.x() - b / 2, p.y() - b / 2, p.x() + b / 2, p.y() + b / 2);
        canvas->TextOut(box.Right - box.Width() / 2 - size.width() / 2 - 1,
                        box.Bottom - box.Height() / 2 - size.height() / 2 - 1, text);
    }
}

void DrawAMPM(TCanvas *canvas, const TWatchScene &scene)
{
    if (!canvas || !scene.showAMPM)
        return;
    const TWatchLook &look = scene.appearance.look();
    TRect box = toTRect(watchAmPmBox(scene.appearance, scene.client, true));
    if (isColorSet(look.AMPMColor))
        solidBrush(*canvas, look.AMPMColor);
    else
        clearBrush(*canvas);
    // The pen keeps the width the marks left on the canvas.
    canvas->Pen().setStyle(isColorSet(look.AMPMBorderColor) ? TPenStyle::psSolid : TPenStyle::psClear);
    if (isColorSet(look.AMPMBorderColor))
        canvas->Pen().setColor(look.AMPMBorderColor);
    if (isColorSet(look.AMPMColor) || isColorSet(look.AMPMBorderColor))
        frameAmPm(*canvas, look.AMPMFrame, box);
    clearBrush(*canvas);
    canvas->Font().Assign(scene.appearance.AMPMFont());
    canvas->DrawText(scene.am ? QStringLiteral("AM") : QStringLiteral("PM"), box,
                     DT_SINGLELINE | DT_CENTER | DT_VCENTER);
}

void DrawDialInto(TCanvas *canvas, const TWatchScene &scene)
{
    DrawBackground(canvas, scene);
    DrawTickMarks(canvas, scene);
    DrawNumbers(canvas, scene);
    DrawAMPM(canvas, scene);
}

void DrawHands(TCanvas *canvas, const TWatchScene &scene)
{
    if (!canvas)
        return;
    const TWatchLook &look = scene.appearance.look();
    const Dial d = dialOf(scene);
    const double hour = (scene.time.hour % 12) * 30 + scene.time.minute * 0.5;
    const double minute = scene.time.minute * 6;
    const double second = scene.time.second * 6;
    if (look.PointerStyle == psLine) {
        if (isColorSet(look.HourPointerShadow))
            handLine(*canvas, d, look.HourPointerShadow, look.HourPointerSize, -0.1, 0.46, hour, {-1, 3});
        if (isColorSet(look.MinutePointerShadow))
            handLine(*canvas, d, look.MinutePointerShadow, look.MinutePointerSize, -0.1, 0.65, minute, {0, 3});
        handLine(*canvas, d, look.HourPointer, look.HourPointerSize, -0.1, 0.5, hour);
        handLine(*canvas, d, look.MinutePointer, look.MinutePointerSize, -0.1, 0.7, minute);
    } else if (look.PointerStyle == psPointer) {
        if (isColorSet(look.HourPointerShadow))
            handPolygon(*canvas, d, look.HourPointerShadow, 0.5, hour, {1, 3});
        handPolygon(*canvas, d, look.HourPointer, 0.5, hour);
        if (isColorSet(look.MinutePointerShadow))
            handPolygon(*canvas, d, look.MinutePointerShadow, 0.7, minute, {1, 3});
        handPolygon(*canvas, d, look.MinutePointer, 0.7, minute);
    }
    if ((look.PointerStyle == psLine || look.PointerStyle == psPointer) && scene.secondHand)
        handLine(*canvas, d, look.SecondPointer, look.SecondPointerSize, -0.2, 0.9, second);
    drawCenterPoint(*canvas, d, look);
}

TBitmap makeAmPmStrip(const TWatchAppearance &appearance, QSize inner)
{
    const int w = inner.width(), h = inner.height();
    TBitmap strip(w, 2 * h);
    TCanvas &c = strip.Canvas();
    c.FillColor(Rect(0, 0, w, 2 * h), appearance.look().AMPMColor);
    clearBrush(c);
    c.Font().Assign(appearance.AMPMFont());
    TRect upper = Rect(0, 0, w, h), lower = Rect(0, h, w, 2 * h);
    c.DrawText(QStringLiteral("AM"), upper, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    c.DrawText(QStringLiteral("PM"), lower, DT_SINGLELINE | DT_CENTER | DT_VCENTER);
    c.endPainting();
    return strip;
}

void DrawAmPmRollFrame(TCanvas &canvas, const TWatchAppearance &appearance, const QRect &box, const TBitmap &strip,
                       int y)
{
    const QRect inner = box.adjusted(1, 1, -1, -1);
    canvas.BitBlt(inner.x(), inner.y(), inner.width(), inner.height(), strip.Canvas(), 0, y, SRCCOPY);
    setPen(canvas, appearance.look().AMPMBorderColor, 1);
    clearBrush(canvas);
    frameAmPm(canvas, appearance.look().AMPMFrame, toTRect(box));
}

} // namespace controls
