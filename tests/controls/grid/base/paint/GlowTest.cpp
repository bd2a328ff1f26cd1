#include "platform/draw/Pixels.h"

#include "controls/grid/base/paint/ArrowWindow.h"
#include "controls/grid/base/paint/FocusWindow.h"
#include "controls/grid/base/paint/GlowMask.h"
#include "platform/Error.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numeric>
#include <random>

using namespace controls;
using namespace platform;

namespace {

QImage image24(int width, int height, QColor fill)
{
    QImage image(width, height, QImage::Format_RGB888);
    image.fill(fill);
    return image;
}

QImage noise24(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB888);
    std::mt19937 random(7);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width * 3; ++x)
            image.scanLine(y)[x] = std::uint8_t(random());
    return image;
}

// The blur of one line as the kernel defines it, from the original pixels.
int blurredChannel(const QImage &image, int x, int y, bool alongRow, const TBlurKernel &kernel, int channel)
{
    double sum = 0;
    const int n = alongRow ? image.width() : image.height();
    for (int k = -kernel.halfWidth; k <= kernel.halfWidth; ++k) {
        const int at = std::clamp((alongRow ? x : y) - k, 0, n - 1);
        const QRgb p = alongRow ? image.pixel(at, y) : image.pixel(x, at);
        sum += kernel.weight(k) * (channel == 0 ? qRed(p) : channel == 1 ? qGreen(p) : qBlue(p));
    }
    return std::min(255, int(sum + 1e-9));
}

} // namespace

TEST(GlowBlur, TheKernelOfRadiusThreeKeepsNineOrFewerWeightsASideSummingToOne)
{
    for (const double radius : {0.5, 1.0, 3.0, 6.0, 40.0}) {
        const TBlurKernel kernel = blurKernel(radius);
        EXPECT_LE(kernel.halfWidth, 10);
        EXPECT_GE(kernel.halfWidth, 1);
        EXPECT_NEAR(std::accumulate(kernel.weights.begin(), kernel.weights.end(), 0.0), 1.0, 1e-12) << radius;
        EXPECT_EQ(kernel.weight(kernel.halfWidth + (kernel.halfWidth < 10 ? 1 : 0)) == 0, kernel.halfWidth < 10);
    }
    EXPECT_LE(blurKernel(3.0).halfWidth, 9);
    EXPECT_EQ(blurKernel(3.0).weight(2), blurKernel(3.0).weight(-2));

    for (const double none : {0.0, -1.0, std::nan("")}) {
        const TBlurKernel centre = blurKernel(none);
        EXPECT_EQ(centre.halfWidth, 0) << none;
        EXPECT_EQ(centre.weight(0), 1.0) << "no division by a zero radius";
        EXPECT_EQ(std::accumulate(centre.weights.begin(), centre.weights.end(), 0.0), 1.0);
    }
}

TEST(GlowBlur, WhiteStaysWhiteAndOtherDepthsAreRefused)
{
    QImage white = image24(60, 50, Qt::white);
    BlurBitmap(white, 3.0);
    EXPECT_EQ(white, image24(60, 50, Qt::white)) << "every sum is 255";

    for (const QImage::Format format : {QImage::Format_RGB32, QImage::Format_ARGB32_Premultiplied,
                                        QImage::Format_Grayscale8, QImage::Format_RGB16}) {
        QImage other = noise24(30, 30).convertToFormat(format);
        const QImage before = other;
        try {
            BlurBitmap(other, 3.0);
            ADD_FAILURE() << "no error for format " << int(format);
        } catch (const platform::Error &e) {
            EXPECT_EQ(e.message(), "Blur only works for 24-bit bitmaps");
        }
        EXPECT_EQ(other, before);
    }
    QImage unchanged = noise24(30, 30);
    const QImage before = unchanged;
    BlurBitmap(unchanged, 0);
    BlurBitmap(unchanged, -2);
    EXPECT_EQ(unchanged, before) << "no radius, no blur";
}

TEST(GlowBlur, EdgeLinesAreBlurredRowsThenColumnsAndTheMiddleCopiesLineFifteen)
{
    const QImage original = noise24(60, 50);
    const TBlurKernel kernel = blurKernel(3.0);
    QImage rowsDone = original;
    // The row pass alone, as the blur's first half defines it.
    for (int y = 0; y < original.height(); ++y)
        for (int x = 0; x < original.width(); ++x) {
            const int from = (y > 20 && y < original.height() - 20) ? 15 : y;
            rowsDone.setPixel(x, y, qRgb(blurredChannel(original, x, from, true, kernel, 0),
                                         blurredChannel(original, x, from, true, kernel, 1),
                                         blurredChannel(original, x, from, true, kernel, 2)));
        }
    QImage blurred = original;
    BlurBitmap(blurred, 3.0);
    for (const int y : {0, 7, 20, 21, 29, 30, 49})
        for (const int x : {0, 3, 20, 21, 25, 39, 40, 59}) {
            const int from = (x > 20 && x < original.width() - 20) ? 15 : x;
            const QRgb expected = qRgb(blurredChannel(rowsDone, from, y, false, kernel, 0),
                                       blurredChannel(rowsDone, from, y, false, kernel, 1),
                                       blurredChannel(rowsDone, from, y, false, kernel, 2));
            EXPECT_EQ(blurred.pixel(x, y), expected) << x << "," << y;
        }
}

TEST(GlowMask, ARoundedRingOnBlackOrAFilledShape)
{
    QImage mask;
    MakeRoundRectMask(mask, 30, 20, 4, 5, 0);
    ASSERT_TRUE(is24Bit(mask));
    ASSERT_EQ(mask.size(), QSize(30, 20));
    // The ring runs around (4, 4)..(26, 16), 4 pixels wide, centred on it.
    EXPECT_EQ(mask.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(mask.pixel(15, 4), qRgb(255, 255, 255));
    EXPECT_EQ(mask.pixel(4, 10), qRgb(255, 255, 255));
    EXPECT_EQ(mask.pixel(25, 10), qRgb(255, 255, 255));
    EXPECT_EQ(mask.pixel(15, 10), qRgb(0, 0, 0)) << "the middle stays black";
    EXPECT_EQ(mask.pixel(15, 1), qRgb(0, 0, 0));

    MakeRoundRectMask(mask, 30, 20, 0, 5, 0);
    EXPECT_EQ(mask.pixel(15, 10), qRgb(255, 255, 255)) << "filled without a pen";
    EXPECT_EQ(mask.pixel(1, 1), qRgb(0, 0, 0));

    QImage glow;
    MakeRoundRectMask(glow, 129, 49, 4, 5, 3.0);
    EXPECT_GT(qRed(glow.pixel(64, 1)), 0) << "blurred beyond the ring";
    EXPECT_LT(qRed(glow.pixel(64, 4)), 255);
    EXPECT_EQ(qRed(glow.pixel(64, 24)), 0);
}

TEST(GlowMask, MergingPremultipliesTheColourByTheMasksRed)
{
    const QImage mask = [] {
        QImage m = image24(3, 1, Qt::black);
        m.setPixel(0, 0, qRgb(255, 255, 255));
        m.setPixel(1, 0, qRgb(128, 0, 0));
        return m;
    }();
    const QImage colour = image24(4, 2, QColor(0x97, 0xD3, 0xFD));
    TGridAlphaMask alpha;
    alpha.setOpacity(230);
    alpha.MergeMask(mask, colour);
    ASSERT_EQ(alpha.image().size(), QSize(4, 2)) << "the colour picture's size";
    const QImage &out = alpha.image();
    EXPECT_EQ(out.pixel(0, 0), qRgba(0x97, 0xD3, 0xFD, 255));
    EXPECT_EQ(out.pixel(1, 0), qRgba(76, 106, 127, 128));
    EXPECT_EQ(out.pixel(2, 0), 0u) << "black: all four bytes 0";
    EXPECT_EQ(out.pixel(3, 1), 0u) << "beyond the mask: transparent";

    TGridAlphaMask blueFirst;
    blueFirst.MergeMask(mask, colour.convertToFormat(QImage::Format_BGR888));
    EXPECT_EQ(blueFirst.image(), alpha.image()) << "either order of the colour bytes";

    TGridAlphaMask copy;
    copy.Assign(alpha);
    EXPECT_EQ(copy.Opacity(), 230);
    EXPECT_EQ(copy.image(), alpha.image());

    TGridAlphaMask kept;
    kept.Assign(alpha);
    kept.MergeMask(mask, colour.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(kept.image(), alpha.image()) << "a colour picture of another depth changes nothing";
    EXPECT_EQ(TGridAlphaMask().Opacity(), 255);
}

TEST(FocusWindow, ATopMostTranslucentWindowTheMouseAndFocusPassThrough)
{
    QWidget grid;
    TGridFocusWindow glow(&grid);
    EXPECT_TRUE(glow.isWindow());
    EXPECT_EQ(glow.size(), QSize(0, 0));
    EXPECT_FALSE(glow.isEnabled());
    EXPECT_FALSE(glow.isVisible());
    EXPECT_EQ(glow.Color(), clRed);
    const Qt::WindowFlags flags = glow.windowFlags();
    for (const Qt::WindowType flag : {Qt::FramelessWindowHint, Qt::WindowStaysOnTopHint,
                                      Qt::WindowTransparentForInput, Qt::WindowDoesNotAcceptFocus})
        EXPECT_TRUE(flags.testFlag(flag)) << int(flag);
    EXPECT_EQ(glow.windowType(), Qt::Tool);
    EXPECT_TRUE(glow.testAttribute(Qt::WA_TranslucentBackground));
    EXPECT_TRUE(glow.testAttribute(Qt::WA_TransparentForMouseEvents));
    EXPECT_TRUE(glow.testAttribute(Qt::WA_ShowWithoutActivating));
}

TEST(FocusWindow, ShowsTheGlowPictureAtItsOpacity)
{
    QImage mask;
    MakeRoundRectMask(mask, 40, 30, 4, 5, 3.0);
    TGridAlphaMask alpha;
    alpha.MergeMask(mask, image24(40, 30, QColor(0x97, 0xD3, 0xFD)));
    TGridFocusWindow glow;
    ASSERT_TRUE(DynUpdateLayeredWindow(&glow, {QPoint(100, 50), alpha.image(), 230}));
    EXPECT_EQ(glow.pos(), QPoint(100, 50));
    EXPECT_EQ(glow.size(), QSize(40, 30));

    QImage shown(40, 30, QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::transparent);
    glow.render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
    for (const QPoint p : {QPoint(20, 4), QPoint(4, 15), QPoint(20, 15), QPoint(0, 0)}) {
        const QRgb source = alpha.image().pixel(p);
        const QRgb seen = shown.pixel(p);
        EXPECT_NEAR(qAlpha(seen), qAlpha(source) * 230 / 255, 2) << p.x() << "," << p.y();
        EXPECT_NEAR(qBlue(seen), qBlue(source) * 230 / 255, 2) << p.x() << "," << p.y();
    }
    EXPECT_TRUE(DynUpdateLayeredWindow(nullptr, {}));
    EXPECT_TRUE(DynSetLayeredWindowAttributes(nullptr, clNone, 128, LWA_ALPHA)) << "no window: nothing to do";
    EXPECT_TRUE(DynSetLayeredWindowAttributes(&glow, clNone, 128, LWA_ALPHA));
    EXPECT_NEAR(glow.windowOpacity(), 128 / 255.0, 0.01);
}

TEST(ArrowWindow, TheWindowIsItsArrowAndNothingElse)
{
    QWidget grid;
    const struct {
        TArrowDirection direction;
        std::vector<QPoint> inside, outside;
    } cases[] = {
        {arrUp, {{5, 1}, {1, 4}, {8, 4}, {5, 8}, {3, 6}, {6, 6}}, {{0, 0}, {1, 2}, {9, 2}, {1, 7}, {8, 7}, {5, 10}}},
        {arrDown, {{4, 1}, {2, 4}, {7, 4}, {5, 6}}, {{1, 1}, {8, 1}, {1, 7}, {9, 7}}},
        {arrLeft, {{1, 5}, {4, 2}, {7, 5}, {4, 8}}, {{1, 1}, {1, 8}, {7, 1}, {7, 9}}},
        {arrRight, {{1, 5}, {3, 2}, {7, 5}, {3, 8}}, {{0, 1}, {0, 9}, {7, 1}, {7, 9}}},
    };
    for (const auto &c : cases) {
        const TArrowWindow arrow(&grid, c.direction);
        EXPECT_EQ(arrow.Dir(), c.direction);
        EXPECT_EQ(arrow.Arrow().size(), 7);
        EXPECT_FALSE(arrow.isVisible());
        EXPECT_TRUE(arrow.isWindow());
        for (const QPoint &p : c.inside)
            EXPECT_TRUE(arrow.mask().contains(p)) << int(c.direction) << " " << p.x() << "," << p.y();
        for (const QPoint &p : c.outside)
            EXPECT_FALSE(arrow.mask().contains(p)) << int(c.direction) << " " << p.x() << "," << p.y();
    }
    TArrowWindow up(&grid, arrUp);
    QImage shown(up.size(), QImage::Format_ARGB32_Premultiplied);
    shown.fill(Qt::white);
    up.render(&shown);
    EXPECT_EQ(drawtest::colorAt(shown, 5, 3), clLime);
}
