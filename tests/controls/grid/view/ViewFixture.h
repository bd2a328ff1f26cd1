#pragma once
// A string grid painted offscreen, with helpers that read back what a cell
// shows: its colours, the box around its dark pixels, the difference of two
// paintings.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridAppearance.h"
#include "platform/ui/QtColor.h"

#include <QImage>
#include <gtest/gtest.h>

namespace viewtest {

using platform::TColor;
using platform::TRect;

inline TColor at(const QImage &image, int x, int y) { return platform::fromQColor(QColor(image.pixel(x, y))); }

inline bool dark(TColor c)
{
    return platform::GetRValue(c) + platform::GetGValue(c) + platform::GetBValue(c) < 200;
}

// The box around the pixels of the rectangle that pass the test; empty when none.
template <class Pred>
QRect boxOf(const QImage &image, const TRect &r, Pred pred)
{
    QRect box;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (pred(at(image, x, y)))
                box |= QRect(x, y, 1, 1);
    return box;
}

inline QRect darkBox(const QImage &image, const TRect &r) { return boxOf(image, r, dark); }

inline QRect differenceBox(const QImage &a, const QImage &b, const TRect &r)
{
    QRect box;
    for (int y = r.Top; y < r.Bottom; ++y)
        for (int x = r.Left; x < r.Right; ++x)
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
    return box;
}

struct ViewTest : testing::Test {
    controls::TExStringGrid grid;
    void SetUp() override
    {
        grid.setScrollBars(controls::ssNone);
        grid.resize(400, 250);
    }
    TRect cell(int col, int row) const { return grid.CellRect(col, row); }
    QImage paint() { return grid.paintToImage(); }
};

} // namespace viewtest
