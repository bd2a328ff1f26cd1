#include "controls/dropdown/paint/Gradient.h"
#include "controls/dropdown/paint/ImageAndText.h"
#include "controls/dropdown/paint/TextFitting.h"

#include "platform/ui/Fonts.h"

#include <QImage>
#include <gtest/gtest.h>

using namespace controls;
using namespace platform;

namespace {

QImage blank(int width, int height, QRgb ground = qRgb(255, 255, 255))
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(ground);
    return image;
}

int gray(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    EXPECT_EQ(qRed(p), qGreen(p));
    EXPECT_EQ(qRed(p), qBlue(p));
    return qRed(p);
}

// The box of the dark pixels: the text's ink.
QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                box |= QRect(x, y, 1, 1);
    return box;
}

void useTextFont(TCanvas &canvas)
{
    canvas.Font().setName(QStringLiteral("Tahoma"));
    canvas.Font().setHeight(-11);
    canvas.Font().setColor(clBlack);
}

TEST(DrawGradient, BlackToWhiteInEightyStepsAcrossAHundredPixels)
{
    QImage image = blank(100, 10, qRgb(255, 0, 0));
    TCanvas canvas(&image);
    DrawGradient(canvas, clBlack, clWhite, 80, Rect(0, 0, 100, 10), true);
    canvas.endPainting();
    // Band i starts at nearest(i * 99 / 80): band 40 at 50 with 40 * 255 / 80
    // = 127.5, to the even 128; band 79 at 98, 252, and it covers the
    // right edge.
    EXPECT_EQ(gray(image, 0, 5), 0);
    EXPECT_EQ(gray(image, 50, 5), 128);
    EXPECT_EQ(gray(image, 98, 5), 252);
    EXPECT_EQ(gray(image, 99, 5), 252);
    // No gaps: every pixel of every row is a grey of the gradient.
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 100; ++x)
            ASSERT_NE(image.pixel(x, y), qRgb(255, 0, 0)) << x << "," << y;
    // The bands never get lighter to the left.
    for (int x = 1; x < 100; ++x)
        EXPECT_GE(gray(image, x, 0), gray(image, x - 1, 0)) << x;
}

TEST(DrawGradient, StacksBandsFromTheTopWhenVertical)
{
    QImage image = blank(10, 100);
    TCanvas canvas(&image);
    DrawGradient(canvas, clBlack, clWhite, 80, Rect(0, 0, 10, 100), false);
    canvas.endPainting();
    EXPECT_EQ(gray(image, 5, 0), 0);
    EXPECT_EQ(gray(image, 5, 50), 128);
    EXPECT_EQ(gray(image, 5, 99), 252);
    EXPECT_EQ(gray(image, 9, 50), 128);
}

TEST(DrawGradient, ZeroStepsPaintOneBandOfTheFirstColour)
{
    QImage image = blank(40, 20);
    TCanvas canvas(&image);
    DrawGradient(canvas, RGB(10, 20, 30), clWhite, 0, Rect(5, 5, 35, 15), true);
    canvas.endPainting();
    EXPECT_EQ(image.pixel(5, 5), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(34, 14), qRgb(10, 20, 30));
    EXPECT_EQ(image.pixel(35, 10), qRgb(255, 255, 255));
    EXPECT_EQ(image.pixel(20, 15), qRgb(255, 255, 255));
}

TEST(DrawFaceRect, FillsSolidOrGradientThenFramesInTheBorderColour)
{
    QImage image = blank(30, 20);
    TCanvas canvas(&image);
    DrawFaceRect(&canvas, Rect(0, 0, 30, 20), RGB(0, 0, 200), clNone, clRed, 1, gdHorizontal);
    canvas.endPainting();
    EXPECT_EQ(image.pixel(15, 10), qRgb(0, 0, 200));
    EXPECT_EQ(image.pixel(0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(29, 19), qRgb(255, 0, 0));

    QImage gradient = blank(20, 100);
    TCanvas gradientCanvas(&gradient);
    DrawFaceRect(&gradientCanvas, Rect(0, 0, 20, 100), clBlack, clWhite, clNone, 1, gdVertical);
    gradientCanvas.endPainting();
    EXPECT_LT(qRed(gradient.pixel(10, 1)), qRed(gradient.pixel(10, 98)));
    EXPECT_EQ(qRed(gradient.pixel(1, 50)), qRed(gradient.pixel(18, 50)));

    // Neither colour: nothing but the frame; no canvas: nothing at all.
    QImage framed = blank(10, 10);
    TCanvas framedCanvas(&framed);
    DrawFaceRect(&framedCanvas, Rect(0, 0, 10, 10), clNone, clNone, clBlue, 2, gdHorizontal);
    framedCanvas.endPainting();
    EXPECT_EQ(framed.pixel(5, 5), qRgb(255, 255, 255));
    EXPECT_EQ(framed.pixel(1, 5), qRgb(0, 0, 255));
    DrawFaceRect(nullptr, Rect(0, 0, 10, 10), clRed, clNone, clBlue, 1, gdHorizontal);
}

TEST(DrawImageAndText, CentresTextWithoutImagesAndStartsItEightPixelsRightOfAnImage)
{
    QImage plain = blank(120, 24);
    TCanvas plainCanvas(&plain);
    useTextFont(plainCanvas);
    plainCanvas.Brush().setStyle(TBrushStyle::bsClear);
    DrawImageAndText(&plainCanvas, Rect(0, 0, 120, 24), QStringLiteral("Heat"), -1, nullptr);
    plainCanvas.endPainting();
    const QRect centred = inkBox(plain);
    ASSERT_FALSE(centred.isEmpty());
    EXPECT_LE(std::abs(centred.left() - (119 - centred.right())), 2);

    TImageList images(16, 16);
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(qRgb(255, 0, 0));
    images.Add(QPixmap::fromImage(red));
    QImage withImage = blank(120, 24);
    TCanvas imageCanvas(&withImage);
    useTextFont(imageCanvas);
    imageCanvas.Brush().setStyle(TBrushStyle::bsClear);
    DrawImageAndText(&imageCanvas, Rect(0, 0, 120, 24), QStringLiteral("Heat"), 0, &images);
    imageCanvas.endPainting();
    EXPECT_EQ(withImage.pixel(4, 4), qRgb(255, 0, 0));
    EXPECT_EQ(withImage.pixel(19, 19), qRgb(255, 0, 0));
    EXPECT_EQ(withImage.pixel(3, 12), qRgb(255, 255, 255));
    const QRect text = inkBox(withImage.copy(20, 0, 100, 24)).translated(20, 0);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_GE(text.left(), 24);
    EXPECT_LE(text.left(), 26);
}

TEST(DrawGlyphTransparent, PaintsTheGlyphsGroundInTheBackColour)
{
    QImage picture(8, 8, QImage::Format_ARGB32);
    picture.fill(qRgb(255, 0, 255));
    picture.setPixel(3, 3, qRgb(0, 0, 0));
    const TBitmap glyph(picture);
    QImage image = blank(20, 20, qRgb(1, 2, 3));
    TCanvas canvas(&image);
    DrawGlyphTransparent(canvas, glyph, RGB(200, 210, 220), Rect(4, 4, 10, 10));
    canvas.endPainting();
    EXPECT_EQ(image.pixel(4, 4), qRgb(200, 210, 220));
    EXPECT_EQ(image.pixel(7, 7), qRgb(0, 0, 0));
    // Only r's size of the glyph.
    EXPECT_EQ(image.pixel(10, 10), qRgb(1, 2, 3));
    EXPECT_EQ(image.pixel(9, 9), qRgb(200, 210, 220));
}

TEST(TextFitting, MeasuresAndCutsCaptions)
{
    QImage image = blank(10, 10);
    TCanvas canvas(&image);
    useTextFont(canvas);
    EXPECT_EQ(MeasureTextSize(canvas, QString()), QSize(0, 0));
    const QSize size = MeasureTextSize(canvas, QStringLiteral("Volume"));
    EXPECT_EQ(size.width(), canvas.TextWidth(QStringLiteral("Volume")));
    EXPECT_GT(size.height(), 0);

    const QString text = QStringLiteral("Energy total");
    const int width = canvas.TextWidth(text);
    EXPECT_EQ(FitTextWithEllipsis(canvas, text, width, true), text);
    const QString cut = FitTextWithEllipsis(canvas, text, width - 1, true);
    EXPECT_TRUE(cut.endsWith(QStringLiteral("...")));
    EXPECT_TRUE(text.startsWith(cut.chopped(3)));
    EXPECT_LT(canvas.TextWidth(cut), width - 1);
    // The longest beginning that fits: one character more does not.
    const QString longer = text.left(cut.size() - 3 + 1) + QStringLiteral("...");
    EXPECT_GE(canvas.TextWidth(longer), width - 1);
    const QString bare = FitTextWithEllipsis(canvas, text, width / 2, false);
    EXPECT_FALSE(bare.endsWith(QStringLiteral("...")));
    EXPECT_LT(canvas.TextWidth(bare), width / 2);
    // Nothing fits: the whole text.
    EXPECT_EQ(FitTextWithEllipsis(canvas, text, 0, true), text);
}

TEST(DrawHtmlCaption, MeasuresWithoutPaintingAndDrawsTheSameSize)
{
    QImage image = blank(200, 40);
    TCanvas canvas(&image);
    useTextFont(canvas);
    EXPECT_EQ(DrawHtmlCaption(canvas, QString(), Rect(0, 0, 200, 40), nullptr, true, nullptr), QSize(0, 0));
    const QString text = QStringLiteral("<B>Meter</B> 12");
    const QSize measured = DrawHtmlCaption(canvas, text, Rect(0, 0, 200, 40), nullptr, false, nullptr);
    canvas.endPainting();
    EXPECT_TRUE(inkBox(image).isEmpty());
    EXPECT_GT(measured.width(), 0);
    EXPECT_GT(measured.height(), 0);
    const QSize drawn = DrawHtmlCaption(canvas, text, Rect(0, 0, 200, 40), nullptr, true, nullptr);
    canvas.endPainting();
    EXPECT_EQ(drawn, measured);
    const QRect ink = inkBox(image);
    EXPECT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.right(), measured.width());
}

} // namespace
