#include "Painted.h"
#include "platform/draw/Pixels.h"

#include "controls/grid/base/paint/BitmapDrawing.h"
#include "controls/grid/base/paint/CellShapes.h"
#include "controls/grid/base/paint/ErrorWave.h"

#include <gtest/gtest.h>

using namespace controls;
using namespace platform;
using namespace drawtest;

namespace {

QImage shape(int width, int height, TCellShape kind, const TRect &box)
{
    QImage image = whiteImage(width, height);
    TCanvas canvas(&image);
    DrawCellShape(canvas, box, kind, clLime, clBlack);
    return image;
}

bool painted(const QImage &image, int x, int y) { return colorAt(image, x, y) != clWhite; }

} // namespace

TEST(CellShape, CirclesAndSquaresTakeTheSmallerSide)
{
    const QImage circle = shape(22, 12, csCircle, Bounds(1, 1, 20, 10));
    EXPECT_EQ(colorAt(circle, 6, 6), clLime);
    EXPECT_EQ(colorAt(circle, 1, 6), clBlack);
    EXPECT_EQ(colorAt(circle, 10, 6), clBlack) << "the circle's right edge";
    for (int x = 11; x < 22; ++x)
        for (int y = 0; y < 12; ++y)
            EXPECT_FALSE(painted(circle, x, y)) << x << "," << y;

    EXPECT_EQ(picture(shape(8, 5, csSquare, Bounds(0, 0, 7, 5))), rows("........", ".###....", ".#g#....",
                                                                       ".###....", "........"));
    EXPECT_EQ(picture(shape(6, 4, csRectangle, Bounds(0, 0, 6, 4))), rows("......", ".####.", ".####.", "......"));
    EXPECT_EQ(picture(shape(5, 3, csLineVert, Bounds(0, 0, 5, 3))), rows("..#..", "..#..", "..#.."));
    EXPECT_EQ(picture(shape(5, 3, csLineHorz, Bounds(0, 0, 5, 3))), rows(".....", "#####", "....."));
}

TEST(CellShape, NothingBeyondTheLastShape)
{
    const QImage none = shape(8, 8, TCellShape(19), Bounds(0, 0, 8, 8));
    EXPECT_EQ(none, whiteImage(8, 8));
}

TEST(CellShape, FiguresPointTheirWay)
{
    const struct {
        TCellShape shape;
        std::vector<std::pair<int, int>> inside, outside;
    } cases[] = {
        {csTriangleUp, {{10, 4}, {10, 17}, {2, 19}}, {{2, 2}, {18, 2}}},
        {csTriangleDown, {{10, 16}, {10, 2}, {2, 1}}, {{2, 18}, {18, 18}}},
        {csTriangleLeft, {{4, 10}, {17, 10}, {19, 2}}, {{2, 2}, {2, 18}}},
        {csTriangleRight, {{16, 10}, {2, 10}, {1, 2}}, {{18, 2}, {18, 18}}},
        {csDiamond, {{10, 10}, {10, 2}, {2, 10}}, {{2, 2}, {18, 18}}},
        {csArrowUp, {{10, 2}, {10, 18}, {2, 10}}, {{2, 18}, {17, 18}, {2, 4}}},
        {csArrowDown, {{10, 18}, {10, 2}, {2, 10}}, {{2, 2}, {17, 2}, {2, 16}}},
        {csArrowLeft, {{2, 10}, {18, 10}, {10, 2}}, {{18, 2}, {18, 17}, {4, 2}}},
        {csArrowRight, {{18, 10}, {2, 10}, {10, 2}}, {{2, 2}, {2, 17}, {16, 2}}},
        {csStar, {{10, 10}, {10, 1}, {1, 7}, {19, 7}}, {{1, 1}, {19, 1}, {10, 19}}},
        {csHalfStar, {{10, 10}, {10, 1}, {1, 7}, {6, 14}}, {{19, 7}, {14, 12}, {1, 1}}},
        {csRoundRect, {{10, 10}, {10, 0}, {0, 10}}, {{0, 0}, {19, 19}}},
        {csEllips, {{10, 10}, {10, 0}}, {{1, 1}, {18, 18}}},
    };
    for (const auto &c : cases) {
        const QImage image = shape(21, 21, c.shape, Bounds(0, 0, 20, 20));
        for (const auto &[x, y] : c.inside)
            EXPECT_TRUE(painted(image, x, y)) << int(c.shape) << " at " << x << "," << y;
        for (const auto &[x, y] : c.outside)
            EXPECT_FALSE(painted(image, x, y)) << int(c.shape) << " at " << x << "," << y;
    }
}

TEST(CellShape, TheDropMarkerHangsBelowItsPoint)
{
    QImage image = whiteImage(9, 5);
    TCanvas canvas(&image);
    DrawDownMarker(canvas, 4, 1, clRed);
    EXPECT_EQ(picture(image), rows(".........", ".rrrrrrr.", "..rrrrr..", "...rrr...", "....r...."));
}

TEST(BitmapDrawing, TheCornerColourBecomesTheBackground)
{
    TBitmap bitmap(3, 2);
    bitmap.Canvas().FillColor(Rect(0, 0, 3, 2), clRed);
    bitmap.Canvas().SetPixel(1, 0, clBlue);
    bitmap.Canvas().SetPixel(2, 1, clBlack);
    bitmap.Canvas().endPainting();
    QImage image = whiteImage(5, 3);
    TCanvas canvas(&image);
    DrawBitmapTransparent(canvas, bitmap, clYellow, Rect(1, 1, 2, 2));
    EXPECT_EQ(picture(image), rows(".....", ".yby.", ".yy#."));
    DrawBitmapTransparent(canvas, bitmap, clNone, Rect(0, 0, 1, 1));
    EXPECT_EQ(picture(image), rows(".b...", ".y#y.", ".yy#.")) << "without a background the corner colour is left out";

    QImage none = whiteImage(4, 4);
    TCanvas other(&none);
    DrawResourceBitmap(other, clYellow, Rect(0, 0, 4, 4), "NO SUCH BITMAP");
    EXPECT_EQ(none, whiteImage(4, 4));
    DrawResourceBitmap(other, clYellow, Rect(0, 0, 4, 4), "LBOK");
    EXPECT_NE(none, whiteImage(4, 4));
}

TEST(ErrorWave, AZigzagUnderTheCharactersOnly)
{
    QImage image = whiteImage(120, 30);
    TCanvas canvas(&image);
    const QString text = "abcdefgh";
    const int from = canvas.TextWidth("ab"), to = canvas.TextWidth("abcd");
    DrawErrorWave(canvas, text, Rect(10, 5, 110, 25), 12, 2, 3);
    const QRect wave = painttest::paintedBounds(image, [](QRgb p) { return p == qRgb(255, 0, 0); });
    EXPECT_LE(std::abs(wave.left() - (10 + from)), 1);
    EXPECT_GE(wave.right(), 10 + to);
    EXPECT_LE(wave.right(), 10 + to + 5) << "one step past the last character's place";
    EXPECT_GE(wave.top(), 5 + 12 - 1);
    EXPECT_LE(wave.bottom(), 5 + 12 + 4);

    QImage clean = whiteImage(60, 30);
    TCanvas untouched(&clean);
    DrawErrorWave(untouched, text, Rect(0, 0, 60, 30), 0, 2, 0);
    EXPECT_EQ(clean, whiteImage(60, 30));
    DrawErrorWave(untouched, text, Rect(0, 0, 60, 30), 0, 12, 2);
    const int end = untouched.TextWidth(text) + 4;
    EXPECT_EQ(colorAt(clean, end + 1, 2), clRed) << "beyond the end: 4 pixels past it";
}
