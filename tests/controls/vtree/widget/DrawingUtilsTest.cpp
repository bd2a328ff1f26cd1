#include "controls/vtree/widget/DrawingUtils.h"

#include "platform/AssertionFailed.h"

#include <gtest/gtest.h>

namespace vtreetest {
namespace {

using namespace vtree;

// Every character five pixels wide.
int fivePerCharacter(const QString &text) { return int(text.size()) * 5; }

TEST(DrawingUtilsTest, NormalizeRectOrdersTheEdges)
{
    EXPECT_EQ(NormalizeRect({10, 20, 0, 5}), platform::TRect({0, 5, 10, 20}));
    EXPECT_EQ(NormalizeRect({0, 5, 10, 20}), platform::TRect({0, 5, 10, 20}));
}

TEST(DrawingUtilsTest, EllipsizeTextKeepsTheLongestPrefixThatFitsWithTheEllipsis)
{
    const struct {
        int width;
        const char *expected;
    } cases[] = {
        {24, "abc"}, // 15 + 9 fits: the text stays whole
        {23, "ab..."},
        {10, "..."},
        {9, ""},
        {0, ""},
    };
    for (const auto &c : cases)
        EXPECT_EQ(EllipsizeText(fivePerCharacter, QStringLiteral("abc"), c.width, 9), QString::fromLatin1(c.expected))
            << c.width;
    EXPECT_EQ(EllipsizeText(fivePerCharacter, QString(), 100, 9), QString());
    // Without a given width the ellipsis is measured: 15 pixels here.
    EXPECT_EQ(EllipsizeText(fivePerCharacter, QStringLiteral("abcdef"), 25, 0), QStringLiteral("ab..."));
}

TEST(DrawingUtilsTest, WrapTextLinesFillsLinesFromEitherEnd)
{
    const struct {
        const char *text;
        int width;
        bool rtl;
        const char *expected;
    } cases[] = {
        {"aa bb cc", 25, false, "aa bb\ncc"},
        {"aa bb cc", 25, true, "bb cc\naa"},
        {"  aa  ", 25, false, "aa"},
        {"", 25, false, ""},
        {"abcdefgh", 15, false, "abc\ndef\ngh"},
        {"abcdefgh", 15, true, "fgh\ncde\nab"},
        {"a bb", 100, false, "a bb"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(WrapTextLines(fivePerCharacter, QString::fromLatin1(c.text), c.width, c.rtl),
                  QString::fromLatin1(c.expected))
            << c.text << " rtl " << c.rtl;
}

TEST(DrawingUtilsTest, TheBlendTable)
{
    const struct {
        TPixelBlend mode;
        int s, d, a, bias, expected;
    } cases[] = {
        {TPixelBlend::pbConstantAlpha, 200, 100, 128, 0, 150},
        {TPixelBlend::pbConstantAlpha, 200, 100, 128, 127, 255},
        {TPixelBlend::pbConstantAlpha, 0, 100, 255, -128, 0},
        {TPixelBlend::pbConstantAlpha, 200, 100, 0, 0, 100},
        {TPixelBlend::pbColorTint, 90, 100, 0, 0, 100},
        {TPixelBlend::pbColorTint, 90, 100, 255, 0, (90 * 255 + 100) >> 8},
    };
    for (const auto &c : cases)
        EXPECT_EQ(BlendByte(c.mode, c.s, c.d, c.a, c.bias), c.expected) << int(c.mode) << " " << c.s << " " << c.d;
}

TEST(DrawingUtilsTest, AlphaBlendRectBlendsOnlyTheRectangleAtTheTarget)
{
    QImage source(4, 4, QImage::Format_ARGB32);
    source.fill(qRgba(200, 200, 200, 255));
    QImage dest(6, 6, QImage::Format_ARGB32);
    dest.fill(qRgba(100, 100, 100, 255));
    AlphaBlendRect(&source, dest, {0, 0, 2, 2}, {3, 3}, TPixelBlend::pbConstantAlpha, 128, 0);
    EXPECT_EQ(qRed(dest.pixel(3, 3)), 150);
    EXPECT_EQ(qRed(dest.pixel(4, 4)), 150);
    EXPECT_EQ(qRed(dest.pixel(5, 5)), 100);
    EXPECT_EQ(qRed(dest.pixel(2, 3)), 100);
}

TEST(DrawingUtilsTest, ColourTintMixesTheColourIntoTheDestination)
{
    QImage dest(2, 1, QImage::Format_ARGB32);
    dest.fill(qRgba(0, 0, 0, 255));
    AlphaBlendRect(nullptr, dest, {0, 0, 1, 1}, {}, TPixelBlend::pbColorTint, 128, platform::clRed);
    EXPECT_EQ(qRed(dest.pixel(0, 0)), (255 * 128) >> 8);
    EXPECT_EQ(qGreen(dest.pixel(0, 0)), 0);
    EXPECT_EQ(dest.pixel(1, 0), qRgba(0, 0, 0, 255));
}

TEST(DrawingUtilsTest, OnlyThirtyTwoBitImagesBlend)
{
    QImage source(2, 2, QImage::Format_RGB888);
    QImage dest(2, 2, QImage::Format_ARGB32);
    EXPECT_THROW(AlphaBlendRect(&source, dest, {0, 0, 1, 1}, {}, TPixelBlend::pbConstantAlpha, 1, 0),
                 platform::EAssertionFailed);
    EXPECT_THROW(AlphaBlendRect(nullptr, source, {0, 0, 1, 1}, {}, TPixelBlend::pbColorTint, 1, 0),
                 platform::EAssertionFailed);
    // An empty rectangle does nothing, whatever the images.
    AlphaBlendRect(&source, source, {1, 1, 1, 1}, {}, TPixelBlend::pbConstantAlpha, 1, 0);
}

} // namespace
} // namespace vtreetest
