#include "HeaderColumns.h"

#include <gtest/gtest.h>

#include <QPixmap>

namespace vtreetest {
namespace {

using platform::ColorToRGB;
using platform::TColor;

// A tree of 300 pixels with a visible header over three columns of 80, 100
// and 60 pixels, captioned "A", "B" and "C".
class HeaderStripTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        tree.resize(300, 100);
        showHeaderColumns(tree, {80, 100, 60});
        tree.addNodes(3);
    }

    static TColor at(const QImage &image, int x, int y)
    {
        const QRgb rgb = image.pixel(x, y);
        return TColor(qRed(rgb) | (qGreen(rgb) << 8) | (qBlue(rgb) << 16));
    }

    TreeWidgetProbe tree;
    const TColor face = ColorToRGB(platform::clBtnFace);
};

TEST_F(HeaderStripTest, AVisibleHeaderTakesTheTopMarginOfItsHeight)
{
    const QRect contents = tree.contentsRect();
    EXPECT_EQ(tree.HeaderHeight(), 19);
    EXPECT_EQ(tree.viewport()->geometry().top(), contents.top() + 19);
    EXPECT_EQ(tree.ClientHeight(), contents.height() - 19);
    TLTHeader &header = *tree.Header();
    header.SetHeight(25);
    tree.RecalcHeaderRect();
    EXPECT_EQ(tree.viewport()->geometry().top(), contents.top() + 25);
    header.SetOptions(header.Options() - TLTHeaderOption::hoVisible);
    tree.RecalcHeaderRect();
    EXPECT_EQ(tree.HeaderHeight(), 0);
    EXPECT_EQ(tree.viewport()->geometry().top(), contents.top());
}

TEST_F(HeaderStripTest, ColumnsArePaintedAsButtonsInTheirOrderOnTheBackground)
{
    const QImage image = tree.paintHeaderToImage();
    ASSERT_EQ(image.height(), 19);
    // Right of the last column only the background shows.
    EXPECT_EQ(at(image, 270, 9), face);
    EXPECT_EQ(at(image, 60, 9), face) << "inside the first button";
    // Each button's light left edge beside the previous one's dark right edge.
    for (int edge : {80, 180}) {
        EXPECT_NE(at(image, edge, 9), face) << edge;
        EXPECT_NE(at(image, edge - 1, 9), face) << edge;
        EXPECT_LT(qGray(image.pixel(edge - 1, 9)), qGray(image.pixel(edge, 9))) << edge;
    }
    // Moved to the front, the last column's edge is at its own width.
    tree.Header()->Columns()[2].SetPosition(0);
    const QImage moved = tree.paintHeaderToImage();
    EXPECT_NE(at(moved, 60, 9), face);
    EXPECT_NE(at(moved, 59, 9), face);
}

TEST_F(HeaderStripTest, CaptionsSitInTheirColumns)
{
    const QImage image = tree.paintHeaderToImage();
    auto ink = [&image](int from, int to) {
        int count = 0;
        for (int y = 2; y < 17; ++y)
            for (int x = from; x < to; ++x)
                count += qGray(image.pixel(x, y)) < 80 ? 1 : 0;
        return count;
    };
    EXPECT_GT(ink(2, 30), 0);
    EXPECT_GT(ink(82, 110), 0);
    EXPECT_GT(ink(182, 210), 0);
    EXPECT_EQ(ink(110, 170), 0);
}

TEST_F(HeaderStripTest, TheHeaderScrollsWithTheTree)
{
    tree.resize(200, 100);
    tree.UpdateScrollBars(true);
    tree.SetOffsetX(-20);
    ASSERT_EQ(tree.OffsetX(), -20);
    const QImage image = tree.paintHeaderToImage();
    EXPECT_NE(at(image, 60, 9), face);
    EXPECT_LT(qGray(image.pixel(59, 9)), qGray(image.pixel(60, 9)));
    EXPECT_EQ(at(image, 75, 9), face) << "the first button's inside, no longer an edge";
}

TEST_F(HeaderStripTest, TheWindowShowsTheHeaderAboveTheRows)
{
    const QImage shot = tree.grab().toImage();
    const QRect contents = tree.contentsRect();
    EXPECT_EQ(at(shot, contents.left() + 270, contents.top() + 9), face);
    EXPECT_NE(at(shot, contents.left() + 80, contents.top() + 9), face);
    EXPECT_EQ(at(shot, contents.left() + 270, contents.top() + 19 + 40), ColorToRGB(platform::clWindow));
}

} // namespace
} // namespace vtreetest
