#pragma once
// The calculator's 28 keys: their captions, names and tags, where they go
// on the keypad and which key a point hits.
#include <QRect>
#include <QString>

#include <array>

namespace controls {

struct TCalculatorKey {
    const char16_t *caption;
    const char16_t *name;
    int tag;
    // Drawn in the appearance's special text colour.
    bool special;
};

constexpr int CalculatorKeyCount = 28;
const std::array<TCalculatorKey, CalculatorKeyCount> &calculatorKeys();

// The key rectangles in the key area (the client less its margins). Keys of
// one block share their border line; blocks are 4 pixels apart. Back, CE
// and C share the top row right of the blank key in thirds, C taking the
// remainder.
std::array<QRect, CalculatorKeyCount> arrangeCalculatorKeys(const QRect &area);

// The first key, in key order, whose rectangle holds the point: a point on
// a shared line belongs to the lower index. -1 for none.
template <typename Rects> int keyAt(const Rects &rects, QPoint point)
{
    int index = 0;
    for (const QRect &r : rects) {
        if (r.contains(point))
            return index;
        ++index;
    }
    return -1;
}

// Which key a press and release click: the pressed one when released over
// it, else none.
constexpr int clickedKey(int pressed, int released) { return pressed >= 0 && pressed == released ? pressed : -1; }

} // namespace controls
