#include "controls/dropdown/core/WatchGeometry.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace controls {

int roundEven(double value)
{
    // The default rounding mode takes halves to the even neighbour.
    return static_cast<int>(std::nearbyint(value));
}

QRect watchRect(QSize client, int appearanceSize)
{
    const int edge = appearanceSize > 0 ? std::min({appearanceSize, client.width(), client.height()})
                                        : std::min(client.width(), client.height()) - 20;
    return QRect((client.width() - edge) / 2, (client.height() - edge) / 2, edge, edge);
}

QPoint watchCenter(const QRect &watch)
{
    // Right and Bottom here are one past the square, as the layout counts.
    return {watch.left() + watch.width() / 2, watch.top() + watch.height() / 2};
}

double watchRadius(const QRect &watch) { return watch.width() / 2; }

double watchInnerRadius(double radius, int borderWidth) { return radius - borderWidth / 2; }

TWatchMarkRadii watchMarkRadii(double innerRadius, int hourMarkLength, int minuteMarkLength)
{
    return {
        hourMarkLength != 0 ? innerRadius - hourMarkLength : 0.9 * innerRadius,
        minuteMarkLength != 0 ? innerRadius - minuteMarkLength : 0.95 * innerRadius,
        innerRadius,
    };
}

double watchNumberRadius(double innerRadius, int hourMarkLength, int number, int textHeight)
{
    const int b = hourMarkLength != 0 ? hourMarkLength : roundEven(innerRadius - 0.9 * innerRadius) + 2;
    const double r0 = innerRadius - (b + 2) - b;
    const int d = number == 10 ? roundEven(0.2 * textHeight) : number == 11 ? roundEven(0.15 * textHeight) : 0;
    return r0 - d + b / 2;
}

QRect watchAmPmRect(QPoint center, double radius, QSize textSize, bool shown)
{
    if (!shown)
        return QRect(-1, -1, 0, 0);
    const int w = textSize.width() + 8;
    const int h = textSize.height();
    const int left = center.x() - w / 2;
    const int top = center.y() + roundEven((radius - h) / 3);
    return QRect(left, top, w, h);
}

int minuteAt(QPoint center, QPoint point)
{
    const int x = point.x(), y = point.y(), cx = center.x(), cy = center.y();
    int dx = std::abs(cx - x), dy = std::abs(cy - y);
    if (dx == 0)
        dx = 1;
    if (dy == 0)
        dy = 1;
    const int f = roundEven(std::atan(double(dy) / dx) * 180 / std::numbers::pi / 6);
    const int g = 15 - f;
    int minute;
    if (x >= cx && y >= cy)
        minute = f + 15;
    else if (x <= cx && y >= cy)
        minute = g + 30;
    else if (x <= cx && y <= cy)
        minute = f + 45;
    else
        minute = g;
    return minute >= 0 && minute <= 59 ? minute : 0;
}

int hourAt(QPoint center, QPoint point, bool am)
{
    int c = roundEven(minuteAt(center, point) / 5.0);
    if (c == 12)
        c = 0;
    return am ? c : c + 12;
}

int clampToByte(double value) { return std::clamp(roundEven(value), 0, 255); }

} // namespace controls
