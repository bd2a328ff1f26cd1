#include "platform/draw/Pixels.h"

#include "controls/grid/base/paint/ColorSteps.h"
#include "controls/grid/base/paint/Fills.h"

#include <gtest/gtest.h>

#include <climits>

using namespace controls;
using namespace platform;
using namespace drawtest;

TEST(ColorSteps, ChannelsStayWithinTheirByte)
{
    EXPECT_EQ(HalveColor(RGB(255, 7, 0)), RGB(127, 3, 0));
    EXPECT_EQ(HalveColor(clBtnFace), RGB(120, 120, 120)) << "system colours resolved";
    const struct {
        TColor color;
        int percent;
        TColor scaled;
    } scales[] = {
        {RGB(100, 200, 10), 7, RGB(107, 214, 11)},  {RGB(100, 200, 10), 50, RGB(150, 255, 15)},
        {RGB(100, 200, 10), -50, RGB(50, 100, 5)},  {RGB(100, 200, 10), -300, RGB(0, 0, 0)},
        {RGB(255, 255, 255), 1000, RGB(255, 255, 255)}, {RGB(5, 15, 25), 10, RGB(6, 16, 28)},
    };
    for (const auto &s : scales)
        EXPECT_EQ(ScaleColorPercent(s.color, s.percent), s.scaled) << s.percent;

    EXPECT_EQ(BlendColorStep(RGB(0, 0, 0), RGB(200, 100, 50), 0, 10, 5), RGB(100, 50, 25));
    EXPECT_EQ(BlendColorStep(RGB(0, 0, 0), RGB(200, 100, 50), 0, 10, 10), RGB(200, 100, 50));
    EXPECT_EQ(BlendColorStep(RGB(0, 0, 0), RGB(200, 100, 50), 0, 10, 20), RGB(255, 200, 100)) << "held to a byte";
    EXPECT_EQ(BlendColorStep(RGB(10, 20, 30), clNone, 0, 10, 5), RGB(10, 20, 30));
    EXPECT_EQ(BlendColorStep(RGB(10, 20, 30), clWhite, 4, 4, 4), RGB(10, 20, 30)) << "an empty range";
    EXPECT_EQ(BlendColorStep(RGB(0, 0, 0), RGB(200, 100, 50), INT_MIN, INT_MAX, 0), RGB(0, 0, 0))
        << "a range wider than an int";
    EXPECT_EQ(BlendColorStep(RGB(0, 0, 0), RGB(200, 100, 50), INT_MIN, INT_MAX, INT_MAX), RGB(100, 50, 25));
}

TEST(FillGradient, OneBandPerPixelWhenThereAreMoreStepsThanPixels)
{
    QImage image = whiteImage(5, 2);
    TCanvas canvas(&image);
    FillGradient(canvas, Rect(0, 0, 5, 1), RGB(0, 0, 0), RGB(200, 0, 100), 64, TGradientAxis::Horizontal);
    const TColor expected[5] = {RGB(0, 0, 0), RGB(50, 0, 25), RGB(100, 0, 50), RGB(150, 0, 75), RGB(200, 0, 100)};
    for (int x = 0; x < 5; ++x) {
        EXPECT_EQ(colorAt(image, x, 0), expected[x]) << x;
        EXPECT_EQ(colorAt(image, x, 1), clWhite);
    }
}

TEST(FillGradient, BandsStartAtTheirShareOfTheSpanAndReachIntoTheNext)
{
    // Span 9, 2 steps: bands of 4.5 + 1 pixels at 0, 4 and 9, colours 0, 1/2 and all of the way.
    QImage image = whiteImage(1, 10);
    TCanvas canvas(&image);
    FillGradient(canvas, Rect(0, 0, 1, 10), clBlack, RGB(100, 100, 100), 2, TGradientAxis::Vertical);
    const int expected[10] = {0, 0, 0, 0, 50, 50, 50, 50, 50, 100};
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(colorAt(image, 0, y), RGB(expected[y], expected[y], expected[y])) << y;
}

TEST(FillGradient, SolidWithOneColourUnsetAndNothingForNoHeight)
{
    const struct {
        TColor from, to;
        char fill;
    } cases[] = {{clNone, clRed, 'r'}, {clBlue, clNone, 'b'}, {clNone, clNone, '.'}};
    for (const auto &c : cases) {
        QImage image = whiteImage(3, 3);
        TCanvas canvas(&image);
        FillGradient(canvas, Rect(3, 2, 0, 0), c.from, c.to, 16, TGradientAxis::Vertical);
        const std::string row(3, c.fill);
        EXPECT_EQ(picture(image), rows(row, row, "...")) << "corners in any order";
    }
    QImage image = whiteImage(3, 3);
    TCanvas canvas(&image);
    FillGradient(canvas, Rect(0, 1, 3, 1), clRed, clBlue, 16, TGradientAxis::Vertical);
    EXPECT_EQ(picture(image), rows("...", "...", "..."));
}

TEST(GradientCell, MirroredHalvesSolidFillsAndBorders)
{
    const auto look = [](TColor color, TColor colorTo, TColor mirror, TColor border, bool vertical, bool sideLines,
                         bool fill) {
        TGradientCellLook l;
        l.Color = color;
        l.ColorTo = colorTo;
        l.MirrorColor = l.MirrorColorTo = mirror;
        l.BorderColor = border;
        l.Vertical = vertical;
        l.SideLinesOnly = sideLines;
        l.Fill = fill;
        return l;
    };
    const struct {
        const char *what;
        TGradientCellLook look;
        TRect rect;
        std::string drawn;
    } cases[] = {
        {"halves one above the other", look(clRed, clRed, clBlue, clNone, true, false, true), Rect(0, 0, 4, 4),
         rows("rrrr", "rrrr", "bbbb", "bbbb", "....")},
        {"halves side by side, framed", look(clRed, clRed, clBlue, clBlack, false, false, true), Rect(0, 0, 4, 3),
         rows("####", "#rb#", "####", "....", "....")},
        {"a solid fill reaches one row lower", look(clLime, clNone, clNone, clBlack, false, true, true), Rect(0, 0, 4, 2),
         rows("#gg#", "#gg#", "gggg", "....", "....")},
        {"no fill", look(clLime, clNone, clNone, clNone, false, false, false), Rect(0, 0, 4, 4),
         rows("....", "....", "....", "....", "....")},
    };
    for (const auto &c : cases) {
        QImage image = whiteImage(4, 5);
        TCanvas canvas(&image);
        DrawGradientCell(canvas, c.rect, c.look);
        EXPECT_EQ(picture(image), c.drawn) << c.what;
    }
}

TEST(RoundedButtonFace, EachPartKindRoundsItsOwnEnds)
{
    TButtonFaceColors colors;
    colors.Color = clLime;
    colors.Highlight = clYellow;
    colors.Shadow = clGray;
    colors.Border = clBlack;
    colors.Corner = clRed;
    colors.Background = clBlue;
    const struct {
        TButtonFacePart part;
        std::string face;
    } cases[] = {
        {TButtonFacePart::Whole, rows("br###rb.", "rryyyrr.", "#xgggx#.", "#xgggx#.", "rrxxxrr.", "br###rb.",
                                      "........")},
        {TButtonFacePart::Left, rows("br#####.", "rryyyyy.", "#xggggg.", "#xggggg.", "rrxxxxx.", "br#####.",
                                     "........")},
        {TButtonFacePart::Right, rows("#####rb.", "yyyyyrr.", "gggggx#.", "gggggx#.", "xxxxxrr.", "#####rb.",
                                      "........")},
        {TButtonFacePart::Middle, rows("#######.", "yyyyyyy.", "ggggggg.", "ggggggg.", "xxxxxxx.", "#######.",
                                       "........")},
    };
    for (const auto &c : cases) {
        QImage image = whiteImage(8, 7);
        TCanvas canvas(&image);
        DrawRoundedButtonFace(canvas, Rect(0, 0, 8, 7), colors, c.part);
        EXPECT_EQ(picture(image), c.face) << int(c.part);
    }
}

TEST(RoundedButtonFace, GradientsAndMirrorHalvesFillTheInside)
{
    TButtonFaceColors colors;
    colors.Color = clBlack;
    colors.ColorTo = clBlack;
    colors.MirrorColor = clWhite;
    colors.MirrorColorTo = clWhite;
    QImage image = whiteImage(6, 10);
    image.fill(Qt::red);
    TCanvas canvas(&image);
    DrawRoundedButtonFace(canvas, Rect(0, 0, 6, 10), colors, TButtonFacePart::Middle);
    // Inside rows 2..6: the upper half black, the lower half white.
    for (int y = 2; y < 7; ++y)
        EXPECT_EQ(colorAt(image, 2, y), y < 4 ? clBlack : clWhite) << y;

    colors.MirrorColor = clNone;
    colors.ColorTo = clWhite;
    DrawRoundedButtonFace(canvas, Rect(0, 0, 6, 10), colors, TButtonFacePart::Middle);
    EXPECT_EQ(colorAt(image, 2, 2), clBlack);
    EXPECT_EQ(colorAt(image, 2, 6), clWhite) << "one gradient from the top to the bottom of the inside";
}
