// The progress, button, comment and node cell kinds: drawn where their
// placement says, measured as the graphic-size rules say, and never
// stopping a paint on a cell text that is no number.
#include "ViewFixture.h"

#include "controls/grid/view/CellPaint.h"
#include "platform/Color.h"

#include <cstdint>

using namespace controls;
using namespace viewtest;
using platform::TRect;

namespace {

void *colorField(TColor c) { return reinterpret_cast<void *>(std::uintptr_t(c)); }

struct CellKindsTest : ViewTest {
    void SetUp() override
    {
        ViewTest::SetUp();
        grid.setColWidths(1, 100);
        grid.setRowHeights(1, 30);
    }
    TCellGraphic &attach(int col, int row, TCellType kind)
    {
        TCellGraphic *g = grid.AttachNewCellGraphic(col, row);
        g->FCellType = kind;
        return *g;
    }
};

TEST_F(CellKindsTest, ProgressFillsItsShareInTheBarColour)
{
    TCellGraphic &g = attach(1, 1, ctProgress);
    g.setCellBitmap(colorField(0x0000FF));
    g.setCellIcon(colorField(0xFFFFFF));
    g.FCellErrFrom = 0;
    g.FCellErrLen = 100;
    grid.setCells(1, 1, QStringLiteral("50"));
    const TRect r = cell(1, 1);
    const QImage half = paint();
    EXPECT_EQ(at(half, r.Left + 10, r.Top + 7), 0x0000FF) << "done";
    EXPECT_EQ(at(half, r.Right - 10, r.Top + 7), 0xFFFFFF) << "to do";
    EXPECT_TRUE(darkBox(half, platform::Rect(r.Left, r.Top, r.Left + 5, r.Bottom)).isEmpty())
        << "no cell text beside the bar";

    // A text that is no number is an empty bar, not a stopped paint.
    grid.setCells(1, 1, QStringLiteral("n/a"));
    const QImage none = paint();
    EXPECT_EQ(at(none, r.Left + 10, r.Top + 7), 0xFFFFFF);
}

TEST(ProgressPercent, ShareOfTheRangeHeldToAWholePercent)
{
    struct Case {
        int value, minimum, maximum, percent;
    };
    const Case cases[] = {
        {50, 0, 100, 50}, {100, 0, 200, 50}, {150, 0, 100, 100}, {-20, 0, 100, 20},
        {5, 5, 5, 0},     {15, 10, 30, 25},  {1, 0, 3, 33},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ProgressPercent(c.value, c.minimum, c.maximum), c.percent) << c.value << " " << c.minimum << " "
                                                                           << c.maximum;
}

TEST_F(CellKindsTest, XPProgressTakesTheAppearanceLevelColours)
{
    TCellGraphic &g = attach(1, 1, ctXPProgress);
    g.FCellErrFrom = 0;
    g.FCellErrLen = 200;
    grid.setCells(1, 1, QStringLiteral("100"));
    grid.Appearance().ProgressAppearance.ShowPercentage = false;
    const QImage image = paint();
    const TRect r = cell(1, 1);
    const TColor done = at(image, r.Left + 15, (r.Top + r.Bottom) / 2);
    EXPECT_GT(platform::GetGValue(done), platform::GetRValue(done)) << "the first level is green";
    EXPECT_EQ(at(image, r.Right - 15, (r.Top + r.Bottom) / 2), platform::clWhite) << "the rest in the cell colour";
}

TEST_F(CellKindsTest, ButtonIsDrawnWhereItsAlignmentsSayAndRemembersWhere)
{
    TCellGraphic &g = attach(1, 1, ctButton);
    g.FCellIndex = (20 << 16) | 60;
    g.FCellText = QStringLiteral("Go");
    g.FCellHAlign = haLeft;
    g.FCellVAlign = vaTop;
    grid.ControlLook().NoDisabledButtonLook = true; // the cell is not editable
    const QImage image = paint();
    const TRect r = cell(1, 1);
    // Inside the cell less its line and the offset, one pixel in.
    const int x = r.Left + 2;
    const int y = r.Top + 2;
    EXPECT_EQ(g.FCellValue, double((2 << 16) | 2)) << "the button's offset in its cell";
    EXPECT_EQ(at(image, x + 4, y + 4), platform::ColorToRGB(platform::clBtnFace));
    EXPECT_EQ(at(image, x, y + 10), platform::ColorToRGB(platform::clBtnHighlight)) << "raised left edge";
    EXPECT_EQ(at(image, x + 59, y + 10), platform::ColorToRGB(platform::cl3DDkShadow)) << "its right edge";
    const QRect caption = darkBox(image, platform::Rect(x + 3, y + 3, x + 57, y + 17));
    ASSERT_FALSE(caption.isEmpty());
    EXPECT_NEAR(caption.center().x(), x + 30, 2) << "the caption centred";

    g.FCellBoolean = true; // pushed: the caption moves down a pixel
    const QRect down = darkBox(paint(), platform::Rect(x + 3, y + 3, x + 57, y + 17));
    EXPECT_EQ(down.translated(-1, -1), caption);

    g.FCellBoolean = false;
    grid.ControlLook().NoDisabledButtonLook = false;
    const QImage disabled = paint();
    EXPECT_TRUE(darkBox(disabled, platform::Rect(x + 3, y + 3, x + 57, y + 17)).isEmpty()) << "a grey caption";
    EXPECT_FALSE(differenceBox(image, disabled, platform::Rect(x + 3, y + 3, x + 57, y + 17)).isEmpty());
}

TEST_F(CellKindsTest, BitButtonsCentreTheirGlyphWithItsCornerColourClear)
{
    QImage glyph(8, 8, QImage::Format_RGB32);
    glyph.fill(QColor(255, 0, 255));
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 6; ++x)
            glyph.setPixel(x, y, qRgb(0, 0, 255));
    TCellGraphic &g = attach(1, 2, ctBitButton);
    g.FCellIndex = (20 << 16) | 40;
    g.setCellBitmap(&glyph);
    g.FCellHAlign = haLeft;
    grid.ControlLook().NoDisabledButtonLook = true;
    const QImage image = paint();
    const TRect r = cell(1, 2);
    const QRect face = platform::toQRect(platform::Rect(r.Left + 2, r.Top + 2, r.Left + 42, r.Top + 22));
    const TRect area = platform::Rect(face.left(), face.top(), face.right() + 1, face.bottom() + 1);
    EXPECT_TRUE(boxOf(image, area, [](TColor c) { return c == 0xFF00FF; }).isEmpty()) << "the corner colour is clear";
    const QRect blue = boxOf(image, area, [](TColor c) { return c == 0xFF0000; });
    EXPECT_EQ(blue.size(), QSize(4, 4));
    EXPECT_NEAR(blue.center().x(), face.center().x(), 1);
    EXPECT_NEAR(blue.center().y(), face.center().y(), 1);
}

TEST_F(CellKindsTest, ExpandButtonsPointDownUntilExpanded)
{
    TCellGraphic &g = attach(1, 2, ctExpand);
    g.FCellVar = false;
    // A 13-pixel box at the top right of the cell less its line, around the
    // 11-pixel square the mouse hits.
    const TRect r = platform::InflateRect(cell(1, 2), -1, -1);
    const int x = r.Right - 7;
    const QImage closed = paint();
    EXPECT_TRUE(dark(at(closed, x, r.Top + 8))) << "the chevron's tip below";
    EXPECT_FALSE(dark(at(closed, x, r.Top + 5)));
    g.FCellVar = true;
    const QImage open = paint();
    EXPECT_TRUE(dark(at(open, x, r.Top + 5))) << "the tip above";
    EXPECT_FALSE(dark(at(open, x, r.Top + 8)));
}

TEST_F(CellKindsTest, ProgressPieFillsItsShareInItsColour)
{
    TCellGraphic &g = attach(1, 2, ctProgressPie);
    g.setCellBitmap(colorField(0x0000FF));
    g.FCellAngle = 50;
    g.FCellHAlign = haLeft;
    const TRect r = cell(1, 2);
    const QRect red = boxOf(paint(), r, [](TColor c) { return c == 0x0000FF; });
    ASSERT_FALSE(red.isEmpty());
    EXPECT_LE(red.width(), 11) << "half a circle of twenty";
    EXPECT_GE(red.height(), 14);
}

TEST_F(CellKindsTest, ButtonMeasuresByItsPlacementAndTheCellText)
{
    struct Case {
        TCellHAlign ha;
        TCellVAlign va;
        bool text;
        int width, height;
    };
    const Case cases[] = {
        {haLeft, vaTop, false, 60, 20},      {haLeft, vaTop, true, 60, 0},     {haCenter, vaTop, true, 0, 0},
        {haRight, vaAboveText, true, 0, 20}, {haRight, vaUnderText, false, 60, 20},
    };
    for (const Case &c : cases) {
        TCellGraphic &g = attach(1, 2, ctButton);
        g.FCellIndex = (20 << 16) | 60;
        g.FCellHAlign = c.ha;
        g.FCellVAlign = c.va;
        grid.setCells(1, 2, c.text ? QStringLiteral("x") : QString());
        const platform::TSize size = grid.GetCellGraphicSize(1, 2);
        EXPECT_EQ(size.cx, c.width) << int(c.ha) << int(c.va) << c.text;
        EXPECT_EQ(size.cy, c.height) << int(c.ha) << int(c.va) << c.text;
    }
    TCellGraphic &full = attach(1, 2, ctButton);
    full.FCellHAlign = haFull;
    full.FCellText = QStringLiteral("Caption");
    grid.setCells(1, 2, QString());
    EXPECT_GT(grid.GetCellGraphicSize(1, 2).cx, 4) << "a full button is as wide as its caption";

    attach(1, 2, ctProgressPie);
    EXPECT_EQ(grid.GetCellGraphicSize(1, 2).cx, 20);
    attach(1, 2, ctProgress);
    EXPECT_EQ(grid.GetCellGraphicSize(1, 2).cx, 0);
}

TEST_F(CellKindsTest, CommentMarksTheTopRightCornerInItsColour)
{
    TCellGraphic &g = attach(1, 2, ctComment);
    g.FCellIndex = int(platform::clNone);
    const TRect r = cell(1, 2);
    EXPECT_EQ(at(paint(), r.Right - 3, r.Top + 1), 0x0000FF) << "the look's comment colour";
    g.FCellIndex = 0xFF0000;
    EXPECT_EQ(at(paint(), r.Right - 3, r.Top + 1), 0xFF0000) << "the comment's own";
    grid.ControlLook().CommentColor = platform::clNone;
    EXPECT_EQ(at(paint(), r.Right - 3, r.Top + 1), platform::clWhite) << "no marks";
}

struct NodeTest : ViewTest {
    void SetUp() override
    {
        ViewTest::SetUp();
        grid.setRowCount(8);
        grid.AddNode(1, 3);
        grid.CellNode().TreeColor = 0x00C000;
    }
    QRect boxIn(const QImage &image, int row, TColor color)
    {
        const TRect r = cell(0, row);
        return boxOf(image, r, [color](TColor c) { return c == color; });
    }
};

TEST_F(NodeTest, FlatNodeShowsAPlusWhenContractedAndAMinusWhenExpanded)
{
    grid.CellNode().NodeType = cnFlat;
    const QImage expanded = paint();
    const QRect box = boxIn(expanded, 1, 0x000000);
    ASSERT_EQ(box.size(), QSize(8, 8)) << "a box of eight pixels, outlined";
    const int cx = box.left() + 4;
    const int cy = box.top() + 4;
    EXPECT_EQ(at(expanded, box.left() + 2, cy), 0x000000) << "the minus";
    EXPECT_NE(at(expanded, cx, box.top() + 2), 0x000000) << "no bar down";

    grid.ContractNode(1);
    const QImage contracted = paint();
    EXPECT_EQ(boxIn(contracted, 1, 0x000000), box);
    EXPECT_EQ(at(contracted, cx, box.top() + 2), 0x000000) << "the plus";
    EXPECT_EQ(at(contracted, box.left() + 2, cy), 0x000000);
}

TEST_F(NodeTest, XPNodesDrawOurOwnGlyphsAndTheRowsHangOnTreeLines)
{
    ASSERT_EQ(grid.CellNode().NodeType, cnXP);
    const QImage expanded = paint();
    grid.CellNode().ShowTree = false;
    const QImage plainExpanded = paint();
    grid.ContractNode(1);
    const QImage contracted = paint();
    const QRect changed = differenceBox(plainExpanded, contracted, cell(0, 1));
    ASSERT_FALSE(changed.isEmpty()) << "the glyph shows the node's state";
    EXPECT_LE(changed.width(), 9);
    EXPECT_LE(changed.height(), 9);

    // The rows of the expanded node carry the tree colour; the row after
    // the node's span does not.
    EXPECT_FALSE(boxIn(expanded, 2, 0x00C000).isEmpty());
    EXPECT_FALSE(boxIn(expanded, 3, 0x00C000).isEmpty());
    EXPECT_TRUE(boxIn(expanded, 5, 0x00C000).isEmpty());
    EXPECT_TRUE(boxIn(plainExpanded, 2, 0x00C000).isEmpty()) << "no tree lines";
}

} // namespace
