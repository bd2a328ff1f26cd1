#pragma once
// Where the analogue clock's dial, marks, numbers and AM/PM box go, and
// which minute or hour a point on it names. Angles of the clock: 0 is
// straight up, growing clockwise.
#include <QPoint>
#include <QRect>
#include <QSize>

namespace controls {

// Rounds halves to the even neighbour, as the clock's layout does.
int roundEven(double value);

// The dial's square: Size when set (at most the client), else the client's
// smaller side less 20, centred in the client.
QRect watchRect(QSize client, int appearanceSize);
QPoint watchCenter(const QRect &watch);
double watchRadius(const QRect &watch);
// The radius inside the border that marks and numbers use.
double watchInnerRadius(double radius, int borderWidth);

struct TWatchMarkRadii {
    double hourInner;
    double minuteInner;
    double outer;
};
// A mark length of 0 is a tenth (hours) or a twentieth (minutes) of R'.
TWatchMarkRadii watchMarkRadii(double innerRadius, int hourMarkLength, int minuteMarkLength);

// The radius the number i (1..12) is placed on, text height given: 10 and
// 11 move inward so they keep clear of the border.
double watchNumberRadius(double innerRadius, int hourMarkLength, int number, int textHeight);

// The AM/PM box for a text of the given size below the centre; an invalid
// rectangle (-1, -1, -1, -1) when the box is hidden.
QRect watchAmPmRect(QPoint center, double radius, QSize textSize, bool shown);

// The minute a point names: 0 straight up, 15 to the right.
int minuteAt(QPoint center, QPoint point);
// The hour a point on the face names in the half of the day shown: near the
// 12 it is 0 before noon and 12 after.
int hourAt(QPoint center, QPoint point, bool am);

// A byte-sized setting taken from a length in pixels: at most 255.
int clampToByte(double value);

} // namespace controls
