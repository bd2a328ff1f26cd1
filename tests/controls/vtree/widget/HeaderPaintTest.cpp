#include "controls/vtree/widget/HeaderPainting.h"

#include "platform/draw/DrawFlags.h"

#include <gtest/gtest.h>

#include <QPixmap>

namespace vtreetest {
namespace {

using namespace vtree;
using platform::ColorToRGB;
using platform::TColor;
using platform::TRect;

const THeaderColors colors{platform::clWindowText, platform::clBtnShadow};

QImage paintColumn(const THeaderColumnLook &column, QSize size = {120, 24})
{
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    platform::TCanvas canvas(&image);
    canvas.Font().setName(QStringLiteral("Verdana"));
    canvas.Font().setHeight(-11);
    PaintHeaderColumn(canvas, column, colors);
    return image;
}

TColor at(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return platform::TColor(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
}

// The box of the dark (caption) pixels inside the face.
QRect darkBox(const QImage &image, const QRect &inside)
{
    QRect box;
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x)
            if (qGray(image.pixel(x, y)) < 100)
                box |= QRect(x, y, 1, 1);
    return box;
}

THeaderColumnLook captionColumn()
{
    THeaderColumnLook column;
    column.Rect = {0, 0, 120, 24};
    column.Text = QStringLiteral("Meter");
    return column;
}

TEST(HeaderPaintTest, EachStyleHasItsEdges)
{
    using namespace platform;
    const THeaderEdges thick = HeaderEdgesOf(TLTHeaderStyle::hsThickButtons);
    EXPECT_EQ(thick.Raised.Edge, 5u);
    EXPECT_EQ(thick.Raised.Flags, 0x380Bu);
    EXPECT_EQ(thick.Pressed.Flags, 0x780Fu);
    EXPECT_EQ(thick.Plain.Edge, 0u);
    const THeaderEdges flat = HeaderEdgesOf(TLTHeaderStyle::hsFlatButtons);
    EXPECT_EQ(flat.Raised.Edge, 4u);
    EXPECT_EQ(flat.Raised.Flags, 0x280Bu);
    EXPECT_EQ(flat.Pressed.Edge, 2u);
    EXPECT_EQ(flat.Pressed.Flags, 0x280Fu);
    const THeaderEdges plates = HeaderEdgesOf(TLTHeaderStyle::hsPlates);
    EXPECT_EQ(plates.Raised.Flags, 0x380Fu);
    EXPECT_EQ(plates.Plain.Edge, 4u);
    EXPECT_EQ(plates.Plain.Flags, 0x280Bu);
}

TEST(HeaderPaintTest, ARaisedFaceIsLightTopLeftAndDarkBottomRight)
{
    const QImage image = paintColumn(captionColumn());
    const TColor highlight = ColorToRGB(platform::clBtnHighlight);
    const TColor face = ColorToRGB(platform::clBtnFace);
    EXPECT_EQ(at(image, 0, 12), highlight);
    EXPECT_EQ(at(image, 60, 0), highlight);
    EXPECT_NE(at(image, 60, 23), highlight);
    EXPECT_NE(at(image, 119, 12), highlight);
    EXPECT_EQ(at(image, 100, 4), face);
}

TEST(HeaderPaintTest, APressedColumnsCaptionSinksByOnePixel)
{
    THeaderColumnLook column = captionColumn();
    const QRect inside(3, 3, 100, 18);
    const QRect normal = darkBox(paintColumn(column), inside);
    column.Pressed = true;
    const QRect pressed = darkBox(paintColumn(column), inside);
    ASSERT_FALSE(normal.isEmpty());
    EXPECT_EQ(pressed, normal.translated(1, 1));
}

TEST(HeaderPaintTest, ADisabledCaptionIsEngraved)
{
    THeaderColumnLook column = captionColumn();
    column.Enabled = false;
    const QImage image = paintColumn(column);
    // Lighter and darker than the face, never as dark as the font colour.
    const int face = qGray(image.pixel(100, 4));
    int darker = 0, lighter = 0, black = 0;
    for (int y = 3; y < 21; ++y)
        for (int x = 3; x < 100; ++x) {
            const int gray = qGray(image.pixel(x, y));
            darker += gray < face - 30;
            lighter += gray > face + 5;
            black += gray < 80;
        }
    EXPECT_GT(darker, 10);
    EXPECT_GT(lighter, 5);
    EXPECT_EQ(black, 0);
}

TEST(HeaderPaintTest, TheCaptionFollowsItsAlignment)
{
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    platform::TCanvas canvas(&image);
    THeaderColumnLook column = captionColumn();
    const TRect client{2, 2, 118, 22};
    const int textWidth = canvas.TextWidth(column.Text) + 2;
    THeaderContentPlace place = PlaceHeaderContent(canvas, column, client, false, false);
    EXPECT_EQ(place.TextBounds.Left, 2 + 4);
    EXPECT_EQ(place.TextBounds.Right, 2 + 4 + textWidth);
    column.CaptionAlignment = TAlignment::taRightJustify;
    place = PlaceHeaderContent(canvas, column, client, false, false);
    EXPECT_EQ(place.TextBounds.Right, 118 - 4);
    column.CaptionAlignment = TAlignment::taCenter;
    place = PlaceHeaderContent(canvas, column, client, false, false);
    EXPECT_EQ(place.TextBounds.Left, 2 + (116 - textWidth) / 2);
}

TEST(HeaderPaintTest, TheSortGlyphEndsByTheMarginAndTheTextKeepsItsDistance)
{
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    platform::TCanvas canvas(&image);
    THeaderColumnLook column = captionColumn();
    column.Text = QStringLiteral("A rather long caption for a column");
    const TRect client{2, 2, 118, 22};
    const THeaderContentPlace place = PlaceHeaderContent(canvas, column, client, false, true);
    EXPECT_EQ(place.SortGlyphPos.X, 118 - 4 - place.SortGlyphSize.cx);
    EXPECT_EQ(place.TextBounds.Right, place.SortGlyphPos.X - 3);
    EXPECT_EQ(place.SortGlyphPos.Y, 2 + (20 - place.SortGlyphSize.cy) / 2);
}

TEST(HeaderPaintTest, ANarrowColumnLeavesItsImageOutBesideTheSortGlyph)
{
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    platform::TCanvas canvas(&image);
    platform::TImageList images(16, 16);
    images.Add(QPixmap(16, 16));
    THeaderColumnLook column = captionColumn();
    column.Images = &images;
    column.ImageIndex = 0;
    EXPECT_TRUE(PlaceHeaderContent(canvas, column, {2, 2, 118, 22}, true, true).ShowGlyph);
    EXPECT_FALSE(PlaceHeaderContent(canvas, column, {2, 2, 30, 22}, true, true).ShowGlyph);
}

TEST(HeaderPaintTest, TheSortGlyphShowsItsDirection)
{
    THeaderColumnLook column = captionColumn();
    column.ShowSortGlyph = true;
    const QImage ascending = paintColumn(column);
    column.SortDirection = TSortDirection::sdDescending;
    const QImage descending = paintColumn(column);
    // Left-justified, the glyph follows the caption.
    EXPECT_NE(ascending, descending);
    EXPECT_EQ(ascending.copy(0, 2, 30, 20), descending.copy(0, 2, 30, 20));
}

TEST(HeaderPaintTest, AHotCaptionTakesTheHotColour)
{
    THeaderColumnLook column = captionColumn();
    column.Hot = true;
    const QImage image = paintColumn(column);
    // The caption in grey: darker than the face, never as dark as black.
    const int face = qGray(image.pixel(100, 4));
    int caption = 0, black = 0;
    for (int y = 3; y < 21; ++y)
        for (int x = 3; x < 60; ++x) {
            const int gray = qGray(image.pixel(x, y));
            caption += gray < face - 30;
            black += gray < 80;
        }
    EXPECT_GT(caption, 10);
    EXPECT_EQ(black, 0);
}

} // namespace
} // namespace vtreetest
