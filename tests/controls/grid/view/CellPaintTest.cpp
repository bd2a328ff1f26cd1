// The cell painter on offscreen images: geometry, the glXP fixed cells,
// selection and colour cases, and painting that never raises.
#include "ViewFixture.h"

#include "controls/grid/base/paint/ColorSteps.h"
#include "platform/draw/ImageList.h"

#include <QPixmap>
#include <QScrollBar>

using namespace controls;
using namespace viewtest;

namespace {

TEST_F(ViewTest, TextStartsAtTheOffsetInsideTheLines)
{
    grid.setCells(2, 2, QStringLiteral("H"));
    const QImage image = paint();
    const TRect r = cell(2, 2);
    const QRect text = darkBox(image, platform::Rect(r.Left, r.Top, r.Right - 1, r.Bottom - 1));
    ASSERT_FALSE(text.isEmpty());
    // One pixel of line width, then XYOffset (2, 2); the glyph's own bearing
    // adds at most a pixel or two.
    EXPECT_GE(text.left(), r.Left + 3);
    EXPECT_LE(text.left(), r.Left + 5);
    EXPECT_GE(text.top(), r.Top + 3);
}

TEST_F(ViewTest, GlXPFixedCellIsAWhiteToButtonFaceGradientWithEdgeLines)
{
    ASSERT_EQ(grid.Appearance().Look, glXP);
    grid.setBorderSingle(false); // the window's border ring would cover the cells' outer pixels
    const QImage image = paint();
    const TRect r = cell(2, 0); // a fixed-row cell
    const TColor face = platform::ColorToRGB(platform::clBtnFace);
    const int x = (r.Left + r.Right) / 2;
    EXPECT_EQ(at(image, x, r.Top), platform::clWhite) << "the white top line";
    EXPECT_EQ(at(image, r.Left, (r.Top + r.Bottom) / 2), platform::clWhite) << "the white left line";
    EXPECT_EQ(at(image, x, r.Bottom - 2), HalveColor(face)) << "the half-intensity bottom line";
    EXPECT_EQ(at(image, x, r.Bottom - 1), 0x808080) << "the fixed grid line";
    EXPECT_EQ(at(image, r.Right - 1, (r.Top + r.Bottom) / 2), 0x808080) << "the fixed grid line";
    EXPECT_GE(platform::GetRValue(at(image, x, r.Top + 1)), 0xFD) << "the gradient starts white";
    EXPECT_EQ(at(image, x, r.Bottom - 3), face) << "and ends in the button face";
    // Top to bottom every channel falls, never rises.
    for (int y = r.Top + 2; y < r.Bottom - 2; ++y) {
        const TColor above = at(image, x, y - 1);
        const TColor here = at(image, x, y);
        EXPECT_LE(platform::GetRValue(here), platform::GetRValue(above)) << y;
        EXPECT_LE(platform::GetBValue(here), platform::GetBValue(above)) << y;
    }
    EXPECT_EQ(at(image, x, r.Top + 5), at(image, r.Right - 4, r.Top + 5)) << "vertical only";
}

TEST_F(ViewTest, RowSelectPaintsTheCurrentRowInTheSelectionColour)
{
    grid.setOptions(grid.Options() | goRowSelect);
    grid.setRow(3);
    grid.setCells(2, 3, QStringLiteral("M"));
    const QImage image = paint();
    for (int c = 1; c < grid.ColCount(); ++c) {
        const TRect r = cell(c, 3);
        if (r.Right > grid.width())
            break;
        EXPECT_EQ(at(image, r.Left + 1, r.Top + 1), 0xEACAB6) << c;
        EXPECT_EQ(at(image, r.Right - 3, r.Bottom - 3), 0xEACAB6) << c << ": no focus frame";
    }
    const QRect text = darkBox(image, cell(2, 3));
    ASSERT_FALSE(text.isEmpty());
    EXPECT_FALSE(boxOf(image, cell(2, 3), [](TColor c) { return c == 0; }).isEmpty()) << "text in colour 0";
    EXPECT_EQ(at(image, cell(2, 4).Left + 1, cell(2, 4).Top + 1), platform::ColorToRGB(platform::clWindow));
}

TEST_F(ViewTest, ColourCases)
{
    struct Case {
        const char *what;
        int col, row;
        std::function<void(TExStringGrid &)> set;
        TColor expected;
    };
    const TColor window = platform::ColorToRGB(platform::clWindow);
    const Case cases[] = {
        {"plain cell", 2, 2, [](TExStringGrid &) {}, window},
        {"own colour", 2, 2, [](TExStringGrid &g) { g.setColors(2, 2, 0x00FF00); }, 0x00FF00},
        {"grid colour", 2, 2, [](TExStringGrid &g) { g.setColor(0x123456); }, 0x123456},
        {"selected cell", 2, 2, [](TExStringGrid &g) { g.SelectRange(2, 3, 2, 2); }, 0xEACAB6},
        {"selected own colour", 2, 2,
         [](TExStringGrid &g) {
             g.setColors(2, 2, 0x00FF00);
             g.SelectRange(2, 3, 2, 2);
         },
         0xEACAB6},
        {"other selection colour", 2, 2,
         [](TExStringGrid &g) {
             g.Appearance().SelectionColor = 0x0000FF;
             g.SelectRange(2, 3, 2, 2);
         },
         0x0000FF},
        {"classic fixed cell", 2, 0,
         [](TExStringGrid &g) {
             g.Appearance().Look = glClassic;
             g.setFixedColor(0x224466);
         },
         0x224466},
        {"modified marker", 0, 3,
         [](TExStringGrid &g) {
             g.Appearance().ShowModified.Enabled = true;
             g.setRowModified(3, true);
         },
         0x00FFFF},
    };
    for (const Case &c : cases) {
        TExStringGrid g;
        g.setScrollBars(ssNone);
        g.resize(400, 250);
        c.set(g);
        const QImage image = g.paintToImage();
        const TRect r = g.CellRect(c.col, c.row);
        EXPECT_EQ(at(image, r.Right - 4, r.Top + 4), c.expected) << c.what;
    }
}

// Painting never raises: a data image over a text that is no number and
// image indexes outside the list draw nothing.
TEST_F(ViewTest, BadImageIndexesAndDataImagesDrawNothing)
{
    platform::TImageList images(16, 16);
    QPixmap red(16, 16);
    red.fill(Qt::red);
    images.Add(red);
    grid.setGridImages(&images);
    const QImage before = paint();
    grid.setCells(1, 1, QStringLiteral("not a number"));
    grid.AddDataImage(1, 1, 0, haLeft, vaTop);
    grid.AddImageIdx(2, 1, 7, haLeft, vaTop);
    grid.AddImageIdx(3, 1, -1, haLeft, vaTop);
    grid.setCells(4, 1, QStringLiteral("5"));
    grid.AddDataImage(4, 1, 0, haLeft, vaTop);
    QImage after;
    ASSERT_NO_THROW(after = paint());
    EXPECT_TRUE(differenceBox(before, after, cell(2, 1)).isEmpty());
    EXPECT_TRUE(differenceBox(before, after, cell(3, 1)).isEmpty());
    EXPECT_TRUE(differenceBox(before, after, cell(4, 1)).isEmpty()) << "5 is outside a list of one";
    EXPECT_TRUE(boxOf(after, cell(1, 1), [](TColor c) { return c == 0x0000FF; }).isEmpty());

    grid.setCells(1, 1, QStringLiteral("0"));
    const QImage shown = paint();
    EXPECT_EQ(boxOf(shown, cell(1, 1), [](TColor c) { return c == 0x0000FF; }).size(), QSize(16, 16))
        << "a data image whose text is a number in the list shows";
}

} // namespace

namespace {

TEST_F(ViewTest, ScrollBarAlwaysKeepsTheVerticalBarDisabled)
{
    grid.setScrollBars(ssBoth);
    grid.setRowCount(3); // all rows in view
    QScrollBar *vertical = nullptr;
    for (QScrollBar *bar : grid.findChildren<QScrollBar *>())
        if (bar->orientation() == Qt::Vertical)
            vertical = bar;
    ASSERT_NE(vertical, nullptr);
    EXPECT_TRUE(vertical->isHidden()) << "nothing to scroll";
    grid.setScrollBarAlways(saVert);
    EXPECT_FALSE(vertical->isHidden());
    EXPECT_FALSE(vertical->isEnabled());
    grid.setRowCount(100);
    grid.ApplyScrollBarAlways();
    EXPECT_TRUE(vertical->isEnabled());
}

} // namespace
