// The cell objects as they are painted offscreen: stars filled up to the
// rate in half steps, shapes in their box, the application's painter over
// or under the text, and a scroll-bar cell with its bar and its text moved
// up by the position.
#include "ViewFixture.h"

#include "controls/grid/model/GridCellPainter.h"
#include "controls/grid/view/CellPaint.h"

using namespace controls;
using namespace viewtest;
using platform::TRect;

namespace {

constexpr TColor kFill = 0x0000FF;
constexpr TColor kEmpty = 0x808000;

struct CellObjectPaintTest : ViewTest {
    void SetUp() override
    {
        ViewTest::SetUp();
        grid.setColWidths(1, 150);
        grid.setRowHeights(1, 30);
        grid.setRowHeights(2, 30);
    }
};

TEST_F(CellObjectPaintTest, RatingFillsWholeStarsAndAHalfStarUpToTheRate)
{
    struct Case {
        const char *value;
        int full;
        bool half;
    };
    const Case cases[] = {
        {"2.4", 2, true},  // rounds to 2.5
        {"2.25", 2, false}, // a tie goes to the even half: 2
        {"2.75", 3, false}, // 5.5 doubled goes to 6: 3
        {"0", 0, false},   {"5", 5, false}, {"7", 5, false}, {"none", 0, false},
    };
    grid.AddRating(1, 1, 5, kFill, kEmpty);
    const TRect r = cell(1, 1);
    for (const Case &c : cases) {
        grid.setCells(1, 1, QString::fromLatin1(c.value));
        const QImage image = paint();
        const QRect stars = boxOf(image, r, [](TColor v) { return v == kFill || v == kEmpty; });
        ASSERT_FALSE(stars.isEmpty()) << c.value;
        // Five stars 18 pixels apart; a star's outline takes the column
        // after its 16 too.
        EXPECT_EQ(stars.width(), 4 * 18 + 17);
        const int y = stars.top() + 9;
        for (int star = 1; star <= 5; ++star) {
            const int centre = stars.left() + (star - 1) * 18 + 8;
            const TColor left = at(image, centre - 3, y);
            const TColor right = at(image, centre + 3, y);
            const bool full = star <= c.full;
            const bool half = c.half && star == c.full + 1;
            EXPECT_EQ(left, full || half ? kFill : kEmpty) << c.value << " star " << star;
            EXPECT_EQ(right, full ? kFill : kEmpty) << c.value << " star " << star;
        }
    }
}

TEST_F(CellObjectPaintTest, ShapeFillsItsSquareLessAPixelOutlinedInItsLineColour)
{
    grid.setRowHeights(2, 40);
    grid.AddShape(1, 2, csCircle, 0x00FF00, 0x800000, haLeft, vaTop);
    const TRect r = cell(1, 2);
    const QImage image = paint();
    const QRect outline = boxOf(image, r, [](TColor v) { return v == 0x800000; });
    const int side = grid.RowHeights(2) - 2 * grid.Appearance().XYOffset.Y;
    EXPECT_EQ(outline.width(), side - 1);
    EXPECT_EQ(outline.height(), side - 1);
    EXPECT_EQ(at(image, outline.center().x(), outline.center().y()), 0x00FF00) << "filled";
    EXPECT_EQ(grid.GetCellGraphicSize(1, 2).cx, 0) << "shapes take no room of their own when measured";

    grid.SetShapeColor(1, 2, 0x0000FF);
    EXPECT_FALSE(boxOf(paint(), r, [](TColor v) { return v == 0x0000FF; }).isEmpty());
}

class FillPainter : public TInterfacedPersistent, public IGridCellPainter {
public:
    bool background = false;
    int col = -1;
    int row = -1;
    void Draw(platform::TCanvas &Canvas, const TRect &R, int ACol, int ARow, bool, TExStringGrid *) override
    {
        col = ACol;
        row = ARow;
        Canvas.FillColor(R, 0xFF8000);
    }
    int GetWidth() override { return 0; }
    int GetHeight() override { return 0; }
    bool IsBackground() override { return background; }
};

// Not a painter: the cell draws nothing of it.
class Plain : public TInterfacedPersistent {};

TEST_F(CellObjectPaintTest, PainterObjectsDrawOverOrUnderTheText)
{
    grid.setColCount(4);
    grid.HideColumn(1);
    grid.setColWidths(1, 150);
    FillPainter painter;
    grid.setCells(2, 1, QStringLiteral("WWWW"));
    grid.AddInterfacedCell(2, 1, &painter);
    const TRect r = cell(1, 1); // display column 1 is real column 2
    const QImage over = paint();
    EXPECT_EQ(painter.col, 2) << "the real column";
    EXPECT_EQ(painter.row, 1);
    EXPECT_EQ(at(over, r.Left + 40, r.Top + 15), 0xFF8000);
    EXPECT_TRUE(darkBox(over, r).isEmpty()) << "drawn over the text";

    painter.background = true;
    const QImage under = paint();
    EXPECT_EQ(at(under, r.Left + 100, r.Top + 15), 0xFF8000);
    EXPECT_FALSE(darkBox(under, r).isEmpty()) << "the text shows on it";
    EXPECT_EQ(grid.GetCellGraphicSize(2, 1).cx, r.Right - r.Left) << "a painter of no size takes the cell";

    Plain plain;
    grid.AddInterfacedCell(2, 1, &plain);
    const QImage none = paint();
    EXPECT_NE(at(none, r.Left + 100, r.Top + 15), 0xFF8000);
    EXPECT_FALSE(darkBox(none, r).isEmpty());
}

TEST_F(CellObjectPaintTest, ScrollBarCellShowsItsBarAndMovesItsTextUp)
{
    grid.Appearance().Multilinecells = true;
    grid.setRowHeights(1, 40);
    grid.setCells(1, 1, QStringLiteral("\r\nBBBB\r\nCCCC\r\nDDDD"));
    const TRect r = cell(1, 1);
    const QImage plain = paint();

    grid.AddScrollBar(1, 1, false);
    grid.SetScrollProp(1, 1, TScrollProp{40, 100});
    const QImage top = paint();
    const QRect bar = differenceBox(plain, top, platform::Rect(r.Right - 20, r.Top, r.Right, r.Bottom));
    ASSERT_FALSE(bar.isEmpty()) << "a bar at the right edge";
    EXPECT_GE(bar.left(), r.Right - 18);
    const QRect text = darkBox(top, platform::Rect(r.Left, r.Top, r.Right - 20, r.Bottom));
    ASSERT_FALSE(text.isEmpty());

    grid.SetScrollPosition(1, 1, 6);
    const QImage scrolled = paint();
    const QRect moved = darkBox(scrolled, platform::Rect(r.Left, r.Top, r.Right - 20, r.Bottom));
    EXPECT_EQ(moved.top(), text.top() - 6) << "the text moved up by the position";
    EXPECT_TRUE(darkBox(scrolled, platform::Rect(r.Left, r.Top - 8, r.Right, r.Top - 1)).isEmpty())
        << "and kept inside its cell";

    grid.SetScrollProp(1, 1, TScrollProp{100, 100});
    grid.SetScrollPosition(1, 1, 0);
    EXPECT_TRUE(differenceBox(plain, paint(), r).isEmpty()) << "nothing to scroll: no bar";
}

TEST_F(CellObjectPaintTest, AutoRangeScrollBarFollowsTheTextsHeight)
{
    grid.setRowHeights(1, 30);
    grid.setCells(1, 1, QStringLiteral("a\r\nb\r\nc\r\nd\r\ne"));
    grid.AddScrollBar(1, 1, true);
    const TScrollProp tall = grid.GetScrollProp(1, 1);
    EXPECT_EQ(tall.PageSize, 30);
    EXPECT_GT(tall.Range, 60) << "five lines";
    grid.setCells(1, 1, QStringLiteral("a"));
    const TScrollProp shortText = grid.GetScrollProp(1, 1);
    EXPECT_LT(shortText.Range, 30);
    EXPECT_TRUE(grid.HasAutoRangeScrollBar(1, 1));
}

TEST_F(CellObjectPaintTest, MarkerUnderlinesItsCharactersWithAWave)
{
    grid.setCells(1, 1, QStringLiteral("abcdefgh"));
    const QImage plain = paint();
    grid.AddMarker(1, 1, 2, 3);
    const TRect r = cell(1, 1);
    const QRect wave = boxOf(paint(), r, [](TColor v) { return v == 0x0000FF; });
    ASSERT_FALSE(wave.isEmpty()) << "a red zigzag";
    const QRect text = darkBox(plain, r);
    EXPECT_GT(wave.left(), text.left()) << "from the third character";
    EXPECT_LT(wave.right(), text.right());
}

TEST_F(CellObjectPaintTest, XPProgressOfAnEmptyRangeShowsNothingDone)
{
    grid.AddExProgress(1, 1, 50, 50);
    grid.setCells(1, 1, QStringLiteral("50"));
    grid.Appearance().ProgressAppearance.ShowPercentage = false;
    const QImage image = paint(); // no division by zero on the way
    const TRect r = cell(1, 1);
    EXPECT_EQ(at(image, r.Left + 15, (r.Top + r.Bottom) / 2), platform::clWhite);
}

} // namespace
