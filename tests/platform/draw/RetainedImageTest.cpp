#include "Pixels.h"

#include "platform/draw/WidgetPainting.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace drawtest;

namespace {

// Fills everything it may in one colour and counts its calls.
struct Painter {
    TColor color = clRed;
    int calls = 0;
    TRetainedImage::Paint fn()
    {
        return [this](TCanvas &c) {
            ++calls;
            c.Brush().setColor(color);
            c.FillRect(c.ClipRect());
        };
    }
};

// A control that paints through its retained image.
class RetainedControl : public QWidget {
public:
    TRetainedImage retained;
    Painter painter;
    QRegion lastRegion;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        lastRegion = event->region();
        paintRetained(*this, *event, retained, painter.fn());
    }
};

} // namespace

TEST(RetainedImage, OnlyTheInvalidRegionIsDrawnAgain)
{
    TRetainedImage retained;
    Painter p;
    EXPECT_EQ(retained.repaint(QSize(6, 3), QRegion(0, 0, 1, 1), p.fn()), QRegion(0, 0, 6, 3))
        << "the first paint draws everything";
    EXPECT_EQ(picture(retained.image()), rows("rrrrrr", "rrrrrr", "rrrrrr"));
    p.color = clBlue;
    EXPECT_EQ(retained.repaint(QSize(6, 3), QRegion(1, 1, 2, 1) | QRegion(5, 0, 1, 1), p.fn()),
              QRegion(1, 1, 2, 1) | QRegion(5, 0, 1, 1));
    EXPECT_EQ(picture(retained.image()), rows("rrrrrb", "rbbrrr", "rrrrrr"));
    EXPECT_EQ(retained.repaint(QSize(6, 3), QRegion(), p.fn()), QRegion());
    EXPECT_EQ(p.calls, 2) << "nothing invalid, nothing drawn";
    retained.repaint(QSize(2, 2), QRegion(), p.fn());
    EXPECT_EQ(picture(retained.image()), rows("bb", "bb")) << "a new size draws everything";
    EXPECT_EQ(retained.repaint(QSize(0, 4), QRegion(0, 0, 9, 9), p.fn()), QRegion());
    EXPECT_TRUE(retained.image().isNull());
}

TEST(RetainedImage, AControlCopiesItsImageToTheScreen)
{
    RetainedControl control;
    control.resize(20, 10);
    const QImage shot = control.grab().toImage();
    EXPECT_EQ(colorAt(shot, 19, 9), clRed);
    control.painter.color = clBlue;
    // Grabbing a part paints the control with that part as its region.
    const QImage part = control.grab(QRect(2, 2, 3, 3)).toImage();
    EXPECT_EQ(colorAt(part, 1, 1), clBlue);
    EXPECT_EQ(control.lastRegion, QRegion(2, 2, 3, 3));
    EXPECT_EQ(colorAt(control.retained.image(), 3, 3), clBlue);
    EXPECT_EQ(colorAt(control.retained.image(), 10, 3), clRed) << "outside the invalid region";
    EXPECT_EQ(control.painter.calls, 2);
}
