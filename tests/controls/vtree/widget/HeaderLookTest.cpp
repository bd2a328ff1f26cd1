// The header's content beyond one plain caption: stacked and wrapped
// captions, right-to-left reading, column check boxes, the application's
// own drawing, drop marks, the header font.
#include "HeaderColumns.h"

#include "controls/vtree/widget/HeaderPainting.h"
#include "controls/vtree/widget/SharedImages.h"

#include <gtest/gtest.h>

namespace vtreetest {
namespace {

using platform::ColorToRGB;
using platform::TColor;
using platform::TRect;

// 16 by 16 pictures of one colour each.
platform::TImageList solidImages(std::initializer_list<QColor> colours)
{
    platform::TImageList list(16, 16);
    for (const QColor &colour : colours) {
        QPixmap picture(16, 16);
        picture.fill(colour);
        list.Add(picture);
    }
    return list;
}

TColor at(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return TColor(qRed(p) | (qGreen(p) << 8) | (qBlue(p) << 16));
}

// How many pixels of R hold the colour.
int countColour(const QImage &image, const QRect &r, QRgb colour)
{
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            count += (image.pixel(x, y) & 0xFFFFFF) == (colour & 0xFFFFFF);
    return count;
}

int darkPixels(const QImage &image, const QRect &r)
{
    int count = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            count += qGray(image.pixel(x, y)) < 100;
    return count;
}

class HeaderPlaceTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        canvas.Font().setName(QStringLiteral("Verdana"));
        canvas.Font().setHeight(-11);
        column.Rect = {0, 0, 120, 40};
        column.Text = QStringLiteral("Meter");
        column.Images = &images;
        column.ImageIndex = 0;
    }
    int textWidth() { return canvas.TextWidth(column.Text) + 2; }
    int lineHeight() { return canvas.TextExtent(column.Text).cy; }

    QImage image{1, 1, QImage::Format_ARGB32_Premultiplied};
    platform::TCanvas canvas{&image};
    platform::TImageList images = solidImages({Qt::red});
    THeaderColumnLook column;
    const TRect client{2, 2, 118, 38}; // 116 by 36
};

TEST_F(HeaderPlaceTest, StackedLayoutsPutTheGlyphAboveOrBelowTheCaption)
{
    const int gap = column.Spacing;
    const int top = (36 - 16 - lineHeight() - gap) / 2;
    column.Layout = TLTHeaderColumnLayout::blGlyphTop;
    THeaderContentPlace place = PlaceHeaderContent(canvas, column, client, true, false);
    EXPECT_EQ(place.GlyphPos.Y, 2 + top);
    EXPECT_EQ(place.TextBounds.Top, 2 + top + 16 + gap);
    // Left-justified: the caption at the margin, the glyph centred.
    EXPECT_EQ(place.TextBounds.Left, 2 + 4);
    EXPECT_EQ(place.GlyphPos.X, 2 + (116 - 16) / 2);
    column.Layout = TLTHeaderColumnLayout::blGlyphBottom;
    place = PlaceHeaderContent(canvas, column, client, true, false);
    EXPECT_EQ(place.TextBounds.Top, 2 + top);
    EXPECT_EQ(place.GlyphPos.Y, 2 + top + lineHeight() + gap);
    // Centred: both centred on their own.
    column.CaptionAlignment = TAlignment::taCenter;
    place = PlaceHeaderContent(canvas, column, client, true, false);
    EXPECT_EQ(place.GlyphPos.X, 2 + (116 - 16) / 2);
    EXPECT_EQ(place.TextBounds.Left, 2 + (116 - textWidth()) / 2);
}

TEST_F(HeaderPlaceTest, SideLayoutsPlaceTheGlyphBeforeOrAfterTheCaption)
{
    THeaderContentPlace place = PlaceHeaderContent(canvas, column, client, true, false);
    EXPECT_EQ(place.GlyphPos.X, 2 + 4);
    EXPECT_EQ(place.TextBounds.Left, 2 + 4 + 16 + column.Spacing);
    column.Layout = TLTHeaderColumnLayout::blGlyphRight;
    place = PlaceHeaderContent(canvas, column, client, true, false);
    EXPECT_EQ(place.TextBounds.Left, 2 + 4);
    EXPECT_EQ(place.GlyphPos.X, 2 + 4 + textWidth() + column.Spacing);
}

TEST_F(HeaderPlaceTest, RightToLeftReadingMirrorsTheAlignmentAndPutsTheSortGlyphFirst)
{
    column.Images = nullptr;
    column.RightToLeft = true;
    const int sortWidth = UtilityImages().Width();
    THeaderContentPlace place = PlaceHeaderContent(canvas, column, client, false, true);
    // Left-justified reads from the right: the caption ends at the margin,
    // the sort glyph stands left of it after the caption.
    EXPECT_EQ(place.TextBounds.Right, 118 - 4);
    EXPECT_EQ(place.SortGlyphPos.X, 2 + 116 - 4 - textWidth() - column.Spacing - sortWidth);
    column.CaptionAlignment = TAlignment::taRightJustify;
    place = PlaceHeaderContent(canvas, column, client, false, true);
    EXPECT_EQ(place.SortGlyphPos.X, 2 + 4);
    EXPECT_EQ(place.TextBounds.Left, 2 + 4 + sortWidth + column.Spacing);
    EXPECT_TRUE(HeaderCaptionFormat(column) & platform::DT_RTLREADING);
}

TEST_F(HeaderPlaceTest, AWrappedCaptionBreaksIntoLinesInsteadOfShortening)
{
    column.Images = nullptr;
    column.Text = QStringLiteral("Meter address");
    column.Rect = {0, 0, 60, 40};
    const TRect narrow{2, 2, 58, 38};
    THeaderContentPlace place = PlaceHeaderContent(canvas, column, narrow, false, false);
    EXPECT_EQ(place.Caption, column.Text);
    EXPECT_EQ(place.TextBounds.Height(), lineHeight());
    column.WrapCaption = true;
    place = PlaceHeaderContent(canvas, column, narrow, false, false);
    EXPECT_EQ(place.Caption, QStringLiteral("Meter\naddress"));
    EXPECT_GE(place.TextBounds.Height(), 2 * lineHeight());
    // Painted: both words whole, one below the other.
    QImage painted(60, 40, QImage::Format_ARGB32_Premultiplied);
    painted.fill(Qt::white);
    platform::TCanvas paint(&painted);
    paint.Font().Assign(canvas.Font());
    PaintHeaderColumn(paint, column, {platform::clWindowText, platform::clBtnShadow});
    const QRect upper(2, place.TextBounds.Top, 56, lineHeight());
    const QRect lower(2, place.TextBounds.Top + lineHeight(), 56, lineHeight());
    EXPECT_GT(darkPixels(painted, upper), 0);
    EXPECT_GT(darkPixels(painted, lower), 0);
}

TEST_F(HeaderPlaceTest, ACheckBoxTakesTheCheckImagesPlaceAndSize)
{
    platform::TImageList checks = solidImages({Qt::white, Qt::blue});
    checks.SetSize(13, 13);
    checks.Add(QPixmap(13, 13));
    column.Images = nullptr;
    column.CheckBox = true;
    column.CheckImages = &checks;
    column.CheckIndex = 0;
    const THeaderContentPlace place = PlaceHeaderContent(canvas, column, client, true, false);
    EXPECT_EQ(place.GlyphSize.cx, 13);
    // A check box moves two pixels left even in the main column.
    EXPECT_EQ(place.GlyphPos.X, 2 + 4 - 2);
    EXPECT_EQ(place.TextBounds.Left, 2 + 4 + 13 + column.Spacing);
}

// The header of a tree: its check boxes, the application's drawing, drop
// marks and font.
class HeaderLookTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.resize(300, 100);
        showHeaderColumns(tree, {80, 100, 60});
    }
    TreeWidgetProbe tree;
};

TEST_F(HeaderLookTest, AColumnCheckBoxShowsItsStateFromTheCheckImages)
{
    TLTHeader &header = *tree.Header();
    header.SetOptions(header.Options() + TLTHeaderOption::hoShowImages);
    TLazyTreeColumn &column = header.Columns()[1];
    column.SetCheckBox(true);
    column.SetCheckState(TCheckState::csCheckedNormal);
    const platform::TImageList &checks = *tree.CheckImages();
    const int index = tree.CheckImageIndex(nullptr, TCheckType::ctCheckBox, TCheckState::csCheckedNormal, true);
    const QImage expected = checks.imageAt(index);
    const QImage image = tree.paintHeaderToImage();
    // Left in its column by the margin, less the check box's two pixels.
    const int x = 80 + 2 + 4 - 2;
    const int y = 2 + (15 - checks.Height()) / 2;
    int same = 0, opaque = 0;
    for (int j = 0; j < checks.Height(); ++j)
        for (int i = 0; i < checks.Width(); ++i)
            if (qAlpha(expected.pixel(i, j)) == 255) {
                ++opaque;
                same += (image.pixel(x + i, y + j) & 0xFFFFFF) == (expected.pixel(i, j) & 0xFFFFFF);
            }
    ASSERT_GT(opaque, 50);
    EXPECT_EQ(same, opaque);
    // Unchecked, the picture changes.
    column.SetCheckState(TCheckState::csUncheckedNormal);
    EXPECT_NE(tree.paintHeaderToImage().copy(x, y, 16, 16), image.copy(x, y, 16, 16));
}

TEST_F(HeaderLookTest, AnOwnerDrawnColumnIsLeftToTheApplication)
{
    TLTHeader &header = *tree.Header();
    header.Columns()[1].SetStyle(TLazyTreeColumnStyle::vsOwnerDraw);
    QRect drawn;
    int calls = 0;
    tree.OnHeaderDraw = [&](HeaderSender, TCanvasPtr canvas, TLazyTreeColumn *column, QRect r, bool, bool,
                            TLTDropMarkMode) {
        ++calls;
        drawn = r;
        EXPECT_EQ(column->Index(), 1);
        canvas->FillColor(platform::fromQRect(r), platform::clRed);
    };
    // Without hoOwnerDraw the tree paints every column itself.
    QImage image = tree.paintHeaderToImage();
    EXPECT_EQ(calls, 0);
    header.SetOptions(header.Options() + TLTHeaderOption::hoOwnerDraw);
    image = tree.paintHeaderToImage();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(drawn, QRect(80, 0, 100, 19));
    EXPECT_EQ(countColour(image, QRect(80, 0, 100, 19), 0xFF0000), 100 * 19);
    EXPECT_EQ(countColour(image, QRect(0, 0, 80, 19), 0xFF0000), 0);
}

TEST_F(HeaderLookTest, AdvancedOwnerDrawingPaintsTheElementsTheApplicationAsksFor)
{
    TLTHeader &header = *tree.Header();
    header.SetOptions(header.Options() + TLTHeaderOption::hoOwnerDraw + TLTHeaderOption::hoShowSortGlyphs);
    header.SetSortColumn(0);
    std::vector<std::pair<TColumnIndex, THeaderPaintElements>> painted;
    tree.OnHeaderDrawQueryElements = [](HeaderSender, THeaderPaintInfo &info, THeaderPaintElements &elements) {
        if (!info.Column)
            elements = {THeaderPaintElement::hpeBackground};
        else if (info.Column->Index() == 0)
            elements = {THeaderPaintElement::hpeText, THeaderPaintElement::hpeSortGlyph};
    };
    tree.OnAdvancedHeaderDraw = [&](HeaderSender, THeaderPaintInfo &info, THeaderPaintElements elements) {
        painted.emplace_back(info.Column ? info.Column->Index() : NoColumn, elements);
        if (!info.Column)
            info.TargetCanvas->FillColor(platform::fromQRect(info.PaintRectangle), platform::clLime);
        else
            EXPECT_FALSE(info.TextRectangle.isEmpty());
    };
    const QImage image = tree.paintHeaderToImage();
    ASSERT_EQ(painted.size(), 2u);
    EXPECT_EQ(painted[0].first, NoColumn);
    EXPECT_EQ(painted[0].second, THeaderPaintElements{THeaderPaintElement::hpeBackground});
    EXPECT_EQ(painted[1].first, 0);
    EXPECT_EQ(painted[1].second, (THeaderPaintElements{THeaderPaintElement::hpeText, THeaderPaintElement::hpeSortGlyph}));
    // The application's background right of the columns; the first column
    // has no caption or sort glyph of the tree's, the second its caption.
    EXPECT_EQ(at(image, 270, 9), ColorToRGB(platform::clLime));
    auto ink = [&image](int from, int to) {
        int count = 0;
        for (int y = 3; y < 16; ++y)
            for (int x = from; x < to; ++x)
                count += qGray(image.pixel(x, y)) < 80;
        return count;
    };
    EXPECT_EQ(ink(3, 77), 0);
    EXPECT_GT(ink(83, 110), 0);
}

TEST_F(HeaderLookTest, TheHeaderFontDrawsTheCaptions)
{
    TLTHeader &header = *tree.Header();
    header.Columns()[0].SetText(QStringLiteral("Meter"));
    auto inkWidth = [&]() {
        const QImage image = tree.paintHeaderToImage();
        int right = 0;
        for (int y = 2; y < 17; ++y)
            for (int x = 2; x < 78; ++x)
                if (qGray(image.pixel(x, y)) < 80)
                    right = std::max(right, x);
        return right;
    };
    THeaderFont font = header.Font();
    font.Name = QStringLiteral("Verdana");
    font.Height = -8;
    header.SetFont(font);
    const int small = inkWidth();
    font.Height = -13;
    header.SetFont(font);
    EXPECT_GT(inkWidth(), small + 5);
}

} // namespace
} // namespace vtreetest

namespace vtreetest {
namespace {

TEST(HeaderFontTest, ALargerHeaderFontMakesTheHeaderTallEnoughAndParentFontFollowsTheTree)
{
    TreeWidgetProbe tree;
    TLTHeader &header = *tree.Header();
    header.Columns().Add().SetSpacing(4);
    header.SetOptions(header.Options() + TLTHeaderOption::hoVisible);
    tree.RecalcHeaderRect();
    THeaderFont font = header.Font();
    font.Name = QStringLiteral("Verdana");
    font.Height = -30;
    tree.SetHeaderFont(font);
    platform::TCanvas measure;
    measure.Font().setName(font.Name);
    measure.Font().setHeight(font.Height);
    EXPECT_EQ(header.Height(), measure.TextHeight(QStringLiteral("Q")) + 4 + 2);
    EXPECT_EQ(tree.viewport()->geometry().top(), tree.contentsRect().top() + header.Height());
    // A smaller font leaves the height.
    const int tall = header.Height();
    font.Height = -8;
    tree.SetHeaderFont(font);
    EXPECT_EQ(header.Height(), tall);
    EXPECT_FALSE(header.ParentFont());
    // With ParentFont the header takes the tree's font.
    header.SetParentFont(true);
    tree.HeaderParentFontChanged();
    EXPECT_EQ(header.Font().Name, tree.TreeFont().Name());
    EXPECT_EQ(header.Font().Height, tree.TreeFont().Height());
    EXPECT_TRUE(header.ParentFont());
}

} // namespace
} // namespace vtreetest
