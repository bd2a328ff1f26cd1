// The canvas's MM_LOMETRIC mapping: tenths of a millimetre, y upwards,
// converted to the device's pixels in every call. At 254 pixels per inch one
// unit is one pixel, so the pictures can be stated exactly.
#include "Pixels.h"

#include "platform/draw/Canvas.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

using namespace platform;
using namespace drawtest;

namespace {

QImage pageAt(int width, int height, int dpi)
{
    QImage image = whiteImage(width, height);
    const int dotsPerMeter = int(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    return image;
}

} // namespace

TEST(MappingMode, LogicalPointsMapToDevicePixelsWithYUpwards)
{
    QImage image = pageAt(100, 100, 508);
    TCanvas canvas(&image);
    EXPECT_EQ(canvas.GetMapMode(), MM_TEXT);
    EXPECT_EQ(canvas.LogPixelsX(), 508);
    canvas.SetMapMode(MM_LOMETRIC);
    struct Case {
        TPoint logical, device;
    };
    for (const Case c : {Case{{0, 0}, {0, 0}}, Case{{10, -20}, {20, 40}}, Case{{-5, 5}, {-10, -10}}}) {
        EXPECT_EQ(canvas.LPtoDP(c.logical), c.device);
        EXPECT_EQ(canvas.DPtoLP(c.device), c.logical);
    }
    canvas.SetWindowOrg({10, 0});
    EXPECT_EQ(canvas.LPtoDP({10, -20}), (TPoint{0, 40})) << "the origin stays in logical units";
    canvas.SetMapMode(MM_TEXT);
    EXPECT_EQ(canvas.LPtoDP({10, 20}), (TPoint{0, 20}));
}

TEST(MappingMode, FiguresLandWhereTheirLogicalCornersMap)
{
    QImage image = pageAt(8, 6, 254);
    {
        TCanvas canvas(&image);
        canvas.SetMapMode(MM_LOMETRIC);
        canvas.Pen().setStyle(TPenStyle::psClear);
        canvas.Brush().setColor(clBlack);
        // Top above bottom, as y grows upwards.
        canvas.FillRect({1, -1, 4, -3});
        canvas.Brush().setColor(clRed);
        canvas.FillRect({5, -4, 7, -6});
        canvas.Pen().setStyle(TPenStyle::psSolid);
        canvas.Pen().setColor(clBlue);
        canvas.MoveTo(0, -5);
        canvas.LineTo(4, -5);
    }
    EXPECT_EQ(picture(image), "........\n"
                              ".###....\n"
                              ".###....\n"
                              "........\n"
                              ".....rr.\n"
                              "bbbb.rr.\n");
}

TEST(MappingMode, PenWidthsAndImagesScaleWithTheResolution)
{
    QImage image = pageAt(10, 10, 508);
    {
        TCanvas canvas(&image);
        canvas.SetMapMode(MM_LOMETRIC);
        QImage dot(1, 1, QImage::Format_ARGB32_Premultiplied);
        dot.fill(Qt::red);
        canvas.StretchDIBits({1, -1, 3, -3}, dot, SRCCOPY);
    }
    EXPECT_EQ(picture(image, 0, 0, 8, 8), "........\n"
                                          "........\n"
                                          "..rrrr..\n"
                                          "..rrrr..\n"
                                          "..rrrr..\n"
                                          "..rrrr..\n"
                                          "........\n"
                                          "........\n");
    QImage wide = pageAt(20, 20, 254);
    {
        TCanvas canvas(&wide);
        canvas.SetMapMode(MM_LOMETRIC);
        canvas.Pen().setWidth(4);
        canvas.MoveTo(2, -10);
        canvas.LineTo(18, -10);
    }
    int inked = 0;
    for (int y = 0; y < 20; ++y)
        inked += colorAt(wide, 10, y) == clBlack;
    EXPECT_EQ(inked, 4) << "a pen 0.4 mm wide is 4 pixels at 254 dpi";
}

TEST(MappingMode, TextStaysUprightAndMeasuresInLogicalUnits)
{
    // The same 35-pixel text drawn in pixels and in tenths of a millimetre
    // at 254 dpi: the same pixels, not a mirror image.
    QImage pixels = pageAt(120, 60, 254);
    QImage mapped = pageAt(120, 60, 254);
    int pixelWidth = 0;
    {
        TCanvas canvas(&pixels);
        canvas.Font().setHeight(-35);
        canvas.Font().setColor(clBlack);
        canvas.Brush().setStyle(TBrushStyle::bsClear);
        canvas.TextOut(5, 5, QStringLiteral("Tg"));
        pixelWidth = canvas.TextWidth(QStringLiteral("Tg"));
    }
    {
        TCanvas canvas(&mapped);
        canvas.SetMapMode(MM_LOMETRIC);
        canvas.Font().setHeight(-35);
        canvas.Font().setColor(clBlack);
        canvas.Brush().setStyle(TBrushStyle::bsClear);
        canvas.TextOut(5, -5, QStringLiteral("Tg"));
        EXPECT_EQ(canvas.TextWidth(QStringLiteral("Tg")), pixelWidth);
        EXPECT_EQ(canvas.PenPos(), (TPoint{5 + pixelWidth, -5}));
    }
    EXPECT_EQ(picture(mapped), picture(pixels));

    // At twice the resolution the font takes twice the pixels and measures
    // about the same in logical units.
    QImage fine = pageAt(10, 10, 508);
    TCanvas canvas(&fine);
    canvas.SetMapMode(MM_LOMETRIC);
    canvas.Font().setHeight(-35);
    EXPECT_NEAR(canvas.TextWidth(QStringLiteral("Tg")), pixelWidth, 2);
    EXPECT_NEAR(canvas.TextHeight(QStringLiteral("gh")), 35 * 1.15, 8);
}

TEST(MappingMode, DrawTextMeasuresDownwardsInLogicalUnits)
{
    QImage image = pageAt(200, 200, 254);
    TCanvas canvas(&image);
    canvas.SetMapMode(MM_LOMETRIC);
    canvas.Font().setHeight(-20);
    TRect r{10, -10, 10, -10};
    const int height = canvas.DrawText(QStringLiteral("one\ntwo"), r, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(r.Left, 10);
    EXPECT_EQ(r.Top, -10);
    EXPECT_EQ(r.Bottom, -10 - height) << "two lines below the top, y growing upwards";
    EXPECT_GT(height, 2 * 20);
    EXPECT_EQ(r.Right, 10 + std::max(canvas.TextWidth(QStringLiteral("one")), canvas.TextWidth(QStringLiteral("two"))));
}

TEST(MappingMode, ClipRectIsLogicalAndSavedStatesKeepTheMode)
{
    QImage image = pageAt(100, 200, 254);
    TCanvas canvas(&image);
    canvas.SetMapMode(MM_LOMETRIC);
    EXPECT_EQ(canvas.ClipRect(), (TRect{0, 0, 100, -200}));
    canvas.IntersectClipRect({10, -20, 50, -60});
    EXPECT_EQ(canvas.ClipRect(), (TRect{10, -20, 50, -60}));
    canvas.SaveDC();
    canvas.SetMapMode(MM_TEXT);
    EXPECT_EQ(canvas.ClipRect(), (TRect{10, 20, 50, 60}));
    canvas.RestoreDC(-1);
    EXPECT_EQ(canvas.GetMapMode(), MM_LOMETRIC);
}
