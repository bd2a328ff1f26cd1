#include "Pixels.h"

#include "platform/draw/Gradient.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace drawtest;

TEST(ColorMath, MixingRoundsAsAsked)
{
    EXPECT_EQ(MixColors(clBlack, clWhite, 1, 2), RGB(128, 128, 128)) << "127.5 to the even 128";
    EXPECT_EQ(MixColors(clBlack, RGB(5, 7, 9), 1, 2), RGB(2, 4, 4)) << "2.5, 3.5, 4.5 halves to even";
    EXPECT_EQ(MixColors(clBlack, clWhite, 1, 2, TRounding::Truncate), RGB(127, 127, 127));
    EXPECT_EQ(MixColors(clWhite, clBlack, 1, 4, TRounding::Truncate), RGB(192, 192, 192))
        << "truncating a falling step: 255 - 63.75 = 191.25 -> 255 - 63";
    EXPECT_EQ(MixColors(clBtnFace, clWhite, 0, 1), RGB(240, 240, 240)) << "system colours resolved";
    EXPECT_EQ(MixColors(clRed, clBlue, 3, 0), clRed) << "no division by zero";
    EXPECT_EQ(MixColors(clNone, clBlue, 1, 2), clNone);
    EXPECT_EQ(MixColors(clRed, clNone, 1, 2), clNone);
    EXPECT_EQ(BlendColors(clWhite, clBlack, 255), clBlack);
    EXPECT_EQ(BlendColors(RGB(200, 100, 0), RGB(100, 200, 50), 128), RGB(150, 150, 25));
    EXPECT_EQ(LightenColor(RGB(100, 0, 200), 50), RGB(178, 128, 228));
    EXPECT_EQ(DarkenColor(RGB(100, 0, 200), 50), RGB(50, 0, 100));
    EXPECT_EQ(DarkenColor(clRed, 400), clBlack) << "percentages beyond 100 stop at black";
}

TEST(Gradient, BandsFillTheRectangleExactly)
{
    QImage image = whiteImage(10, 3);
    TCanvas canvas(&image);
    DrawBandGradient(canvas, Rect(0, 0, 10, 2), clBlack, clWhite, 4, TGradientAxis::Horizontal);
    // Starts at 0, 2.5 -> 2, 5, 7.5 -> 8; colours 0, 63.75 -> 64, 127.5 -> 128, 191.25 -> 191.
    const int expected[10] = {0, 0, 64, 64, 64, 128, 128, 128, 191, 191};
    for (int x = 0; x < 10; ++x) {
        EXPECT_EQ(colorAt(image, x, 0), RGB(expected[x], expected[x], expected[x])) << x;
        EXPECT_EQ(colorAt(image, x, 1), colorAt(image, x, 0));
        EXPECT_EQ(colorAt(image, x, 2), clWhite) << "nothing below the rectangle";
    }

    QImage tall = whiteImage(2, 6);
    TCanvas vertical(&tall);
    DrawBandGradient(vertical, Rect(0, 0, 1, 6), clRed, clBlue, 3, TGradientAxis::Vertical, TRounding::Truncate);
    EXPECT_EQ(colorAt(tall, 0, 0), clRed);
    EXPECT_EQ(colorAt(tall, 0, 2), RGB(170, 0, 85));
    EXPECT_EQ(colorAt(tall, 0, 5), RGB(85, 0, 170));
    EXPECT_EQ(colorAt(tall, 1, 3), clWhite);
}

TEST(Gradient, NothingForBadBandsRectanglesOrColours)
{
    for (const int bands : {0, -3}) {
        QImage image = whiteImage(4, 4);
        TCanvas canvas(&image);
        DrawBandGradient(canvas, Rect(0, 0, 4, 4), clRed, clBlue, bands, TGradientAxis::Vertical);
        DrawBandGradient(canvas, Rect(4, 0, 0, 4), clRed, clBlue, 4, TGradientAxis::Vertical);
        DrawBandGradient(canvas, Rect(0, 0, 4, 4), clNone, clBlue, 4, TGradientAxis::Vertical);
        EXPECT_EQ(picture(image), rows("....", "....", "....", "...."));
    }
    QImage image = whiteImage(3, 1);
    TCanvas canvas(&image);
    DrawBandGradient(canvas, Rect(0, 0, 3, 1), clBlack, clWhite, 16, TGradientAxis::Horizontal);
    EXPECT_EQ(colorAt(image, 2, 0), RGB(207, 207, 207)) << "more bands than pixels: band 13 of 16 covers the last";
}
