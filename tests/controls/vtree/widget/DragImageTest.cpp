#include "MouseProbe.h"

#include "controls/vtree/widget/DragImage.h"

#include <gtest/gtest.h>

namespace vtreetest {
namespace {

QImage filled(QSize size, QRgb colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

TEST(DragImageTest, HalfTransparencyWithoutFadeOrKeyBlendsEveryPixelByHalf)
{
    TLTDragImage image;
    image.PrepareDrag(filled({10, 10}, qRgb(255, 0, 0)), {0, 0}, {5, 5});
    QImage background = filled({10, 10}, qRgb(0, 0, 255));
    image.BlendOnto(background, {0, 0});
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 10; ++x)
            ASSERT_EQ(background.pixel(x, y) & 0xFFFFFFu, qRgb(127, 0, 127) & 0xFFFFFFu) << x << "," << y;
    EXPECT_EQ(qAlpha(image.DragPixmapImage().pixel(0, 0)), 128);
    EXPECT_EQ(qAlpha(image.DragPixmapImage().pixel(9, 9)), 128);
}

TEST(DragImageTest, APixelOfTheKeyColourStaysTransparentAlsoWithFade)
{
    for (const bool fade : {false, true}) {
        TLTDragImage image;
        image.SetFade(fade);
        image.SetColorKey(platform::RGB(255, 0, 255));
        QImage picture = filled({9, 9}, qRgb(10, 20, 30));
        picture.setPixel(1, 1, qRgb(255, 0, 255));
        image.PrepareDrag(picture, {0, 0}, {4, 4});
        const QImage shown = image.DragPixmapImage();
        EXPECT_EQ(qAlpha(shown.pixel(1, 1)), 0) << fade;
        EXPECT_EQ(qAlpha(shown.pixel(4, 4)), 127) << "the centre keeps the picture's alpha";
        EXPECT_LT(qAlpha(shown.pixel(8, 8)), qAlpha(shown.pixel(4, 4))) << "faded towards the edges";
    }
}

TEST(DragImageTest, ARestrictedPictureMovesOnlyAlongItsDirection)
{
    TLTDragImage image;
    image.SetMoveRestriction(TLTDragMoveRestriction::dmrVerticalOnly);
    image.PrepareDrag(filled({10, 10}, qRgb(1, 2, 3)), {100, 100}, {105, 105});
    EXPECT_FALSE(image.Visible());
    image.ShowDragImage();
    ASSERT_TRUE(image.Visible());
    EXPECT_FALSE(image.WillMove({130, 105}));
    EXPECT_FALSE(image.DragTo({130, 105}, false));
    EXPECT_EQ(image.GetDragImageRect(), QRect(100, 100, 10, 10));
    EXPECT_TRUE(image.DragTo({105, 125}, false));
    EXPECT_EQ(image.GetDragImageRect(), QRect(100, 120, 10, 10));
    image.EndDrag();
    EXPECT_FALSE(image.Visible());
    EXPECT_TRUE(image.DragPixmapImage().isNull());
}

TEST(DragImageTest, TheTreesPictureShowsTheSelectedNodesAroundTheHotSpot)
{
    MouseProbe tree;
    tree.texts = {QStringLiteral("first"), QStringLiteral("second")};
    tree.addNodes(2);
    PLazyNode first = tree.GetFirst();
    tree.SetSelected(first, true);
    const QPoint hot = tree.labelOf(first);
    tree.PrepareDragImage(hot);
    const QImage shown = tree.DragImage().DragPixmapImage();
    ASSERT_EQ(shown.size(), QSize(tree.DragWidth(), tree.DragHeight()));
    EXPECT_EQ(tree.DragImage().HotSpot(), QPoint(tree.DragWidth() / 2, tree.DragHeight() / 2));
    // The selected label under the hot spot shows; the tree's background and
    // the unselected node do not.
    EXPECT_GT(qAlpha(shown.pixel(tree.DragImage().HotSpot())), 0);
    EXPECT_EQ(qAlpha(shown.pixel(0, 0)), 0);
    const QPoint second = tree.labelOf(tree.GetNextSibling(first)) - hot + tree.DragImage().HotSpot();
    EXPECT_EQ(qAlpha(shown.pixel(second)), 0);
}

} // namespace
} // namespace vtreetest
