// Node glyphs, tree lines and sort indicators, drawn on an image and read
// back pixel by pixel.
#include "ViewFixture.h"

#include "controls/grid/view/SortIndicator.h"
#include "platform/draw/Canvas.h"

namespace {

using namespace controls;
using namespace viewtest;

constexpr TColor kWhite = 0xFFFFFF;
constexpr TColor kBlack = 0x000000;
constexpr TColor kGray = 0x808080;
constexpr TColor kYellow = 0x00FFFF;

// An image of one cell, 64 x 24, and a canvas on it.
struct Drawing {
    explicit Drawing(TColor fill = kWhite) : image(80, 32, QImage::Format_ARGB32), canvas(&image)
    {
        image.fill(QColor(platform::GetRValue(fill), platform::GetGValue(fill), platform::GetBValue(fill)));
    }
    QImage take()
    {
        canvas.endPainting();
        return image;
    }
    QImage image;
    platform::TCanvas canvas;
};

const TRect kCell = platform::Rect(0, 0, 64, 24); // middle at y 12

// A blue picture whose corner pixel (the colour drawing leaves out) is green.
platform::TBitmap bluePicture(int size)
{
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(QColor(0, 0, 255));
    image.setPixel(0, 0, qRgb(0, 255, 0));
    return platform::TBitmap(image);
}

// Ten rows, one fixed; a node at row 1 over rows 1..3.
struct NodeGlyphTest : ViewTest {
    void SetUp() override
    {
        ViewTest::SetUp();
        grid.AddNode(1, 3);
    }
    QImage glyph(TNodeType type, bool contracted, TColor background = kWhite)
    {
        grid.CellNode().NodeType = type;
        grid.CellNode().ShowTree = false;
        if (contracted != grid.GetNodeState(1))
            grid.SetNodeState(1, contracted);
        Drawing d(background);
        grid.RenderNodeGlyph(d.canvas, kCell, 1, background);
        return d.take();
    }
};

TEST_F(NodeGlyphTest, TheIndentIsTheLevelTimesNodeIndent)
{
    EXPECT_EQ(grid.RowNodeIndent(2), 12);
    grid.AddNode(2, 2);
    EXPECT_EQ(grid.RowNodeIndent(3), 24);
    EXPECT_EQ(grid.RowNodeIndent(5), 0);
    TExStringGrid plain;
    EXPECT_FALSE(plain.HasNodes());
    EXPECT_EQ(plain.RowNodeIndent(1), 0);
}

TEST_F(NodeGlyphTest, AFlatNodeShowsAPlusContractedAndAMinusExpanded)
{
    // Level 1: the glyph starts at 12 - 6 - 4 = 2, its box 4 further right:
    // (6, 8) to (14, 16), signs 2 to 7 pixels in.
    const QImage expanded = glyph(cnFlat, false);
    EXPECT_EQ(at(expanded, 6, 8), kBlack) << "the frame";
    EXPECT_EQ(at(expanded, 13, 15), kBlack);
    EXPECT_EQ(at(expanded, 7, 9), 0xC0C0C0u) << "the face";
    for (int x = 8; x <= 12; ++x)
        EXPECT_EQ(at(expanded, x, 12), kBlack) << "minus at " << x;
    EXPECT_EQ(at(expanded, 10, 10), 0xC0C0C0u) << "no plus bar";
    EXPECT_EQ(at(expanded, 5, 12), kWhite) << "nothing outside the box";

    const QImage contracted = glyph(cnFlat, true);
    for (int y = 10; y <= 14; ++y)
        EXPECT_EQ(at(contracted, 10, y), kBlack) << "plus bar at " << y;
    EXPECT_EQ(differenceBox(expanded, contracted, kCell), QRect(10, 10, 1, 5));
}

TEST_F(NodeGlyphTest, XPAndLeafGlyphsAreOurBitmapsOverTheBackground)
{
    // XP: 9 x 9 at (6, 7), its rounded corners the cell's colour.
    const QImage open = glyph(cnXP, false, 0x0000FF);
    const QImage closed = glyph(cnXP, true, 0x0000FF);
    EXPECT_EQ(at(open, 6, 7), 0x0000FFu) << "corner";
    EXPECT_EQ(at(open, 10, 11), at(closed, 10, 11)) << "the minus both share";
    EXPECT_TRUE(dark(at(closed, 10, 9))) << "the plus bar";
    EXPECT_FALSE(dark(at(open, 10, 9)));
    EXPECT_EQ(differenceBox(open, closed, kCell), QRect(10, 9, 1, 5));
    // Leaf: 16 x 16 at (2, 6).
    const QImage leafOpen = glyph(cnLeaf, false, 0x00FF00);
    const QImage leafClosed = glyph(cnLeaf, true, 0x00FF00);
    EXPECT_EQ(at(leafOpen, 2, 6), 0x00FF00u);
    EXPECT_NE(leafOpen, leafClosed);
    EXPECT_TRUE(differenceBox(leafOpen, leafClosed, kCell).intersects(QRect(2, 6, 16, 16)));
    EXPECT_FALSE(differenceBox(leafOpen, leafClosed, platform::Rect(18, 0, 64, 24)).isValid());
}

TEST_F(NodeGlyphTest, OwnGlyphsNeedBothPicturesElseTheFlatBox)
{
    const platform::TBitmap plus = bluePicture(6);
    grid.CellNode().ContractGlyph = plus;
    const QImage onlyOne = glyph(cnGlyph, true);
    EXPECT_EQ(onlyOne, glyph(cnFlat, true));
    grid.CellNode().ExpandGlyph = plus;
    const QImage both = glyph(cnGlyph, true);
    // At the glyph's left edge, centred: (2, 9) to (8, 15).
    EXPECT_EQ(at(both, 2, 9), kWhite) << "the corner colour is left out";
    EXPECT_EQ(at(both, 3, 10), 0xFF0000u);
    EXPECT_EQ(at(both, 7, 14), 0xFF0000u);
    EXPECT_EQ(at(both, 8, 15), kWhite);
}

TEST_F(NodeGlyphTest, TreeLinesByRow)
{
    // Row 2 lies inside the node with row 3 below it at its level; row 3
    // is the node's last.
    const auto lines = [&](int row) {
        Drawing d;
        grid.RenderTreeLines(d.canvas, kCell, row);
        return d.take();
    };
    const QImage inner = lines(2); // x0 = 12 + 6 - 12 + 2 = 8
    EXPECT_EQ(at(inner, 8, 2), kGray) << "down through the row";
    EXPECT_EQ(at(inner, 8, 23), kGray);
    EXPECT_EQ(at(inner, 40, 12), kGray) << "across to the right edge";
    EXPECT_EQ(at(inner, 40, 5), kWhite);
    const QImage last = lines(3);
    EXPECT_EQ(at(last, 8, 5), kGray);
    EXPECT_EQ(at(last, 8, 18), kWhite) << "the last row's line stops at the middle";
    grid.CellNode().ShowTreeFull = false;
    const QImage shortLine = lines(2);
    EXPECT_EQ(at(shortLine, 14, 12), kGray);
    EXPECT_EQ(at(shortLine, 20, 12), kWhite) << "to the indent + 4 only";
    grid.CellNode().ShowTree = false;
    EXPECT_FALSE(differenceBox(lines(2), Drawing().take(), kCell).isValid());
    EXPECT_FALSE(differenceBox(lines(5), Drawing().take(), kCell).isValid()) << "outside the outline";
}

TEST_F(NodeGlyphTest, TheNodeRowsStubsJoinTheTree)
{
    grid.CellNode().NodeType = cnFlat;
    Drawing d;
    grid.RenderNodeGlyph(d.canvas, kCell, 1, kWhite);
    const QImage image = d.take();
    // x = (12 - 12) + 6 + 2: from the middle down, the next row indented.
    EXPECT_EQ(at(image, 8, 20), kGray);
    EXPECT_EQ(at(image, 8, 2), kWhite) << "no row above at its indent";
}

TEST_F(ViewTest, SortIndicatorPlacesFollowTheAlignments)
{
    const TRect r = platform::Rect(10, 0, 110, 20);
    struct Case {
        int textWidth;
        TAlignment ha;
        int offset;
        int x;
    };
    for (const Case c : {Case{30, taLeftJustify, 0, 50}, Case{30, taLeftJustify, 16, 66}, Case{200, taLeftJustify, 0, 104},
                         Case{30, taRightJustify, 0, 70}, Case{30, taCenter, 0, 18}, Case{-5, taLeftJustify, 0, 20}})
        EXPECT_EQ(sortIndicatorX(r, c.textWidth, c.ha, c.offset), c.x) << c.textWidth << " " << int(c.ha);
    EXPECT_EQ(sortIndicatorY(r, vtaTop), 8);
    EXPECT_EQ(sortIndicatorY(r, vtaCenter), 10);
    EXPECT_EQ(sortIndicatorY(r, vtaBottom), 12);
}

TEST_F(ViewTest, WhichHeaderCellsShowTheIndicator)
{
    grid.setColCount(5);
    grid.SortSettings().setColumn(2);
    EXPECT_FALSE(grid.ShowsSortIndicator(2, 0)) << "Show is off";
    grid.SortSettings().Show = true;
    EXPECT_TRUE(grid.ShowsSortIndicator(2, 0));
    EXPECT_FALSE(grid.ShowsSortIndicator(2, 1)) << "only the sort row";
    EXPECT_FALSE(grid.ShowsSortIndicator(1, 0));
    grid.SortIndexes().AddIndex(2, true);
    grid.SortIndexes().AddIndex(3, false);
    EXPECT_TRUE(grid.ShowsSortIndicator(2, 0));
    EXPECT_FALSE(grid.ShowsSortIndicator(3, 0)) << "later index columns need IndexShow";
    grid.SortSettings().IndexShow = true;
    EXPECT_TRUE(grid.ShowsSortIndicator(3, 0));
    grid.setRowCount(2);
    EXPECT_FALSE(grid.ShowsSortIndicator(2, 0)) << "a header over a single row";
}

TEST_F(ViewTest, TheSortIndicatorIsAnOutlinedTriangleOrTheOwnersGlyph)
{
    grid.SortSettings().setColumn(2);
    const auto draw = [&](TSortDirection direction) {
        grid.SortSettings().Direction = direction;
        Drawing d(kBlack);
        grid.RenderSortIndicator(d.canvas, 2, 12, 20);
        return d.take();
    };
    const QImage up = draw(sdAscending);
    EXPECT_EQ(at(up, 20, 16), kWhite) << "lit base";
    EXPECT_EQ(at(up, 22, 12), kWhite) << "lit right side";
    EXPECT_EQ(at(up, 18, 12), kGray) << "shaded left side";
    const QImage down = draw(sdDescending);
    EXPECT_EQ(at(down, 20, 8), kGray) << "shaded top";
    EXPECT_EQ(at(down, 22, 12), kWhite);
    EXPECT_NE(at(down, 20, 16), kBlack) << "the tip";
    EXPECT_EQ(at(down, 20, 17), kBlack);

    const platform::TBitmap blue = bluePicture(5);
    grid.SortSettings().UpGlyph = blue;
    EXPECT_EQ(draw(sdAscending), up) << "one glyph of the pair is not enough";
    grid.SortSettings().DownGlyph = blue;
    const QImage glyph = draw(sdAscending);
    EXPECT_EQ(at(glyph, 16, 8), kBlack) << "its corner colour is left out";
    EXPECT_EQ(at(glyph, 17, 9), 0xFF0000u);
    EXPECT_EQ(at(glyph, 20, 12), 0xFF0000u);
    EXPECT_EQ(at(glyph, 21, 13), kBlack);
}

TEST_F(ViewTest, IndexedSortingNumbersEveryColumnOfTheIndex)
{
    grid.SortSettings().IndexShow = true;
    grid.SortIndexes().AddIndex(2, true);
    grid.SortIndexes().AddIndex(3, false);
    const auto draw = [&](int col) {
        Drawing d;
        grid.RenderSortIndicator(d.canvas, col, 12, 20);
        return d.take();
    };
    const QImage first = draw(2); // ascending: point up, base at y 20
    EXPECT_EQ(at(first, 24, 18), kYellow);
    EXPECT_EQ(at(first, 25, 9), kWhite);
    EXPECT_TRUE(darkBox(first, platform::Rect(17, 9, 24, 20)).isValid()) << "its number";
    const QImage second = draw(3); // descending: base at y 7, point down
    EXPECT_EQ(at(second, 25, 8), kYellow);
    EXPECT_EQ(at(second, 24, 19), kWhite);
    EXPECT_NE(first, second);
}

TEST_F(ViewTest, TheSortColumnMeasuresTenPixelsMoreForItsIndicator)
{
    grid.setColCount(3);
    grid.MeasureCellWidth = [](int, int) { return 30; };
    grid.AutoSizeColumns(false);
    const int plain = grid.ColWidths(2);
    EXPECT_EQ(grid.ColWidths(1), plain);
    grid.SortSettings().setColumn(1);
    grid.SortSettings().Show = true;
    grid.AutoSizeColumns(false);
    EXPECT_EQ(grid.ColWidths(1), plain + 10);
    EXPECT_EQ(grid.ColWidths(2), plain);
}

} // namespace

namespace {

using namespace controls;
using namespace viewtest;

TEST_F(ViewTest, APaintedGridShowsItsNodeGlyphsAndSortIndicator)
{
    grid.AddNode(1, 3);
    grid.CellNode().NodeType = cnFlat;
    const QImage expanded = paint();
    grid.ContractNode(1);
    const QImage contracted = paint();
    // The plus bar and the stub down to the node's rows differ, both at
    // the glyph, at the cell's left.
    const QRect box = differenceBox(expanded, contracted, cell(0, 1));
    EXPECT_TRUE(box.isValid());
    EXPECT_LT(box.right(), cell(0, 1).Left + 16);
    EXPECT_LE(box.width(), 3);

    grid.setCells(2, 0, QStringLiteral("Name"));
    const QImage unsorted = paint();
    grid.SortSettings().setColumn(2);
    grid.SortSettings().Show = true;
    const QImage sorted = paint();
    const QRect indicator = differenceBox(unsorted, sorted, cell(2, 0));
    EXPECT_TRUE(indicator.isValid());
    EXPECT_LE(indicator.width(), 9);
    EXPECT_FALSE(differenceBox(unsorted, sorted, cell(1, 0)).isValid());
}

} // namespace
