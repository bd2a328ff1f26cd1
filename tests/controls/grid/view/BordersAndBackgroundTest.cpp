// Cell borders with their own pens, the background picture and gradient in
// cells, graphics placed by their alignments, the print branch of the
// colour resolution and the window border of the gradient looks.
#include "ViewFixture.h"

#include "controls/grid/base/paint/ColorSteps.h"
#include "controls/grid/model/ExCGrid.h"
#include "platform/draw/Canvas.h"

#include <QWidget>

#include <map>
#include <utility>

using namespace controls;
using namespace viewtest;
using platform::TRect;

namespace {

TEST_F(ViewTest, CellBordersTakeTheirPensAndStayInsideTheLines)
{
    grid.OnGetCellBorder = [](TExStringGrid *, int ARow, int ACol, platform::TPen &APen, TCellBorders &Borders) {
        if (ACol == 2 && ARow == 2) {
            Borders.set();
            APen.setColor(0x0000FF);
        }
    };
    grid.OnGetCellBorderProp = [](TExStringGrid *, int, int, platform::TPen &, platform::TPen &, platform::TPen &,
                                  platform::TPen &BottomPen) { BottomPen.setColor(0xFF0000); };
    const QImage image = paint();
    const TRect r = cell(2, 2);
    const QRect red = boxOf(image, platform::InflateRect(r, 2, 2), [](TColor c) { return c == 0x0000FF; });
    EXPECT_EQ(red, QRect(r.Left + 1, r.Top, r.Right - r.Left - 2, r.Bottom - r.Top - 2)) << "left, top and right";
    const int mid = (r.Left + r.Right) / 2;
    EXPECT_EQ(at(image, mid, r.Bottom - 2), 0xFF0000) << "the bottom with its own pen";
    EXPECT_EQ(at(image, r.Left - 1, r.Bottom - 2), 0xFF0000) << "from a pixel left of the cell";
    EXPECT_EQ(boxOf(image, cell(3, 3), [](TColor c) { return c == 0x0000FF || c == 0xFF0000; }), QRect())
        << "no border where none is asked";
}

TEST(ColumnGridBorders, ItemsBorderTheirNormalCells)
{
    TExColumnGrid grid;
    grid.setScrollBars(ssNone);
    grid.resize(400, 250);
    grid.Columns()[1]->Borders.set(cbBottom);
    grid.Columns()[1]->BorderPen.setColor(0x00C000);
    const QImage image = grid.paintToImage();
    const TRect normal = grid.CellRect(1, 2);
    const TRect fixed = grid.CellRect(1, 0);
    EXPECT_EQ(at(image, (normal.Left + normal.Right) / 2, normal.Bottom - 2), 0x00C000);
    EXPECT_TRUE(boxOf(image, fixed, [](TColor c) { return c == 0x00C000; }).isEmpty()) << "not the headers";
}

QImage pattern()
{
    QImage image(8, 6, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, qRgb(20 + 30 * x, 20 + 30 * y, 90));
    return image;
}

TColor patternAt(int x, int y) { return platform::RGB(20 + 30 * (x % 8), 20 + 30 * (y % 6), 90); }

TEST_F(ViewTest, TiledBackgroundRunsOnAcrossTheNormalCells)
{
    TBackGround &back = grid.Appearance().BackGround;
    back.Bitmap = pattern();
    back.Display = bdTile;
    back.Cells = bcNormal;
    grid.setColWidths(1, 37); // widths that are no multiple of the picture
    grid.setRowHeights(1, 23);
    const QImage image = paint();
    const int x0 = grid.CellRect(1, 1).Left;
    const int y0 = grid.CellRect(1, 1).Top;
    // Row 1 holds the selection, which shows instead of the picture.
    for (const auto &[col, row] : {std::pair{1, 2}, std::pair{2, 2}, std::pair{1, 3}, std::pair{3, 4}}) {
        const TRect r = cell(col, row);
        for (const auto &[dx, dy] : {std::pair{3, 3}, std::pair{9, 5}, std::pair{20, 12}}) {
            const int x = r.Left + dx;
            const int y = r.Top + dy;
            EXPECT_EQ(at(image, x, y), patternAt(x - x0, y - y0)) << col << "," << row << " at " << x << "," << y;
        }
    }
    const TRect fixed = cell(2, 0);
    EXPECT_NE(at(image, fixed.Left + 5, fixed.Top + 5), patternAt(fixed.Left + 5 - x0, 5)) << "headers left alone";
}

TEST_F(ViewTest, FixedBackgroundPictureSitsAtItsPlace)
{
    TBackGround &back = grid.Appearance().BackGround;
    back.Bitmap = pattern();
    back.Display = bdFixed;
    back.Left = 100;
    back.Top = cell(1, 3).Top + 2;
    const QImage image = paint();
    const int y = back.Top;
    EXPECT_EQ(at(image, 103, y + 2), patternAt(3, 2));
    EXPECT_EQ(at(image, 107, y + 5), patternAt(7, 5));
    EXPECT_NE(at(image, 109, y + 2), patternAt(1, 2)) << "no tiles";
}

TEST_F(ViewTest, BackgroundGradientRunsAcrossTheGrid)
{
    TBackGround &back = grid.Appearance().BackGround;
    back.Display = bdGradientHorz;
    back.Color = 0xFFFFFF;
    back.ColorTo = 0x000000;
    back.Cells = bcNormal;
    const QImage image = paint();
    const int y1 = (cell(1, 2).Top + cell(1, 2).Bottom) / 2;
    const int y2 = (cell(1, 4).Top + cell(1, 4).Bottom) / 2;
    int last = 256;
    for (int col = 1; col < 5; ++col) {
        const TRect r = cell(col, 2);
        for (int x = r.Left + 1; x < r.Right - 2; x += 3) {
            const TColor c = at(image, x, y1);
            EXPECT_EQ(c, BlendColorStep(0xFFFFFF, 0x000000, 0, 127, x * 128 / grid.width())) << x;
            EXPECT_EQ(c, at(image, x, y2)) << "the same in every row";
            EXPECT_LE(int(platform::GetRValue(c)), last);
            last = platform::GetRValue(c);
        }
    }
}

TEST_F(ViewTest, CellRecordsMadeUnderBandsOrAGradientKeepShowingThem)
{
    grid.Bands().setActive(true);
    grid.Bands().setPrimaryColor(0x00FFFF);
    grid.Bands().setSecondaryColor(0x00FFFF);
    grid.setFontColors(2, 3, 0x0000FF); // makes the cell's record
    EXPECT_EQ(at(paint(), cell(2, 3).Left + 3, cell(2, 3).Top + 3), 0x00FFFF);
    grid.Bands().setActive(false);

    TBackGround &back = grid.Appearance().BackGround;
    back.Display = bdGradientVert;
    back.Color = 0x000000;
    back.ColorTo = 0x000000;
    grid.setFontColors(3, 3, 0x0000FF);
    EXPECT_EQ(at(paint(), cell(3, 3).Left + 3, cell(3, 3).Top + 3), 0x000000);
}

TEST_F(ViewTest, FixedCellsWithARecordKeepTheLook)
{
    grid.setBorderSingle(false);
    const QImage plain = paint();
    grid.setFontStyles(0, 2, platform::FontStyle{}); // a record for a fixed-column cell
    grid.setFontStyles(2, 0, platform::FontStyle{});
    const QImage recorded = paint();
    EXPECT_EQ(differenceBox(plain, recorded, cell(0, 2)), QRect());
    EXPECT_EQ(differenceBox(plain, recorded, cell(2, 0)), QRect());
}

TEST_F(ViewTest, BitmapsArePlacedByTheirAlignments)
{
    grid.setColWidths(1, 100);
    grid.setRowHeights(1, 40);
    QImage bitmap(10, 8, QImage::Format_RGB32);
    bitmap.fill(QColor(0, 0, 255));
    const TRect c = cell(1, 1);
    // The cell less its line, inset by the offset and one more pixel.
    const TRect r = platform::Rect(c.Left + 1, c.Top + 1, c.Right - 1, c.Bottom - 1);
    struct Case {
        TCellHAlign ha;
        TCellVAlign va;
        int x, y;
    };
    const Case cases[] = {
        {haLeft, vaTop, r.Left + 1, r.Top + 1},
        {haRight, vaBottom, r.Right - 1 - 10, r.Bottom - 1 - 8},
        {haCenter, vaCenter, r.Left + (r.Right - r.Left - 10) / 2, r.Top + (r.Bottom - r.Top - 8) / 2},
    };
    for (const Case &k : cases) {
        grid.AddBitmap(1, 1, &bitmap, false, k.ha, k.va);
        const QImage image = paint();
        EXPECT_EQ(boxOf(image, c, [](TColor t) { return t == 0xFF0000; }), QRect(k.x, k.y, 10, 8))
            << int(k.ha) << int(k.va);
        grid.RemoveBitmap(1, 1);
    }
}

TEST_F(ViewTest, CellColourHookPaintsTheCell)
{
    grid.OnGetCellColor = [](TExStringGrid *, int ARow, int ACol, TGridDrawState, platform::TBrush &ABrush,
                             platform::TFont &) {
        if (ACol == 2 && ARow == 2)
            ABrush.setColor(0x00C000);
    };
    const TRect r = cell(2, 2);
    EXPECT_EQ(at(paint(), r.Left + 5, r.Top + 5), 0x00C000);
}

struct VisualTest : ViewTest {
    struct Result {
        TColor brush;
        int fontSize;
        TGridDrawState state;
    };
    Result resolve(int col, int row, bool print, TGridDrawState state = {})
    {
        platform::TBrush brush;
        platform::TFont font;
        font.setSize(9);
        TColor to = platform::clNone, mirror = platform::clNone, mirrorTo = platform::clNone;
        TAlignment ha = taLeftJustify;
        TVAlignment va = vtaTop;
        bool ww = false;
        TCellGradientDirection gd = GradientVertical;
        grid.GetVisualProperties(col, row, state, print, true, true, brush, to, mirror, mirrorTo, font, ha, va, ww,
                                 gd);
        return {brush.Color(), font.Size(), state};
    }
};

TEST_F(VisualTest, PrintingTakesThePrintFontsAndHookAndLeavesTheSelectionOut)
{
    grid.PrintSettings.UseDisplayFont = false;
    grid.PrintSettings.Font.setSize(20);
    grid.PrintSettings.FixedFont.setSize(14);
    int printed = 0;
    int shown = 0;
    grid.OnGetCellPrintColor = [&](TExStringGrid *, int, int, TGridDrawState, platform::TBrush &, platform::TFont &) {
        ++printed;
    };
    grid.OnGetCellColor = [&](TExStringGrid *, int, int, TGridDrawState, platform::TBrush &, platform::TFont &) {
        ++shown;
    };
    grid.setSelection({1, 1, 2, 2});
    grid.Appearance().Look = glClassic;

    const Result normal = resolve(2, 2, true);
    EXPECT_EQ(normal.fontSize, 20);
    EXPECT_EQ(normal.brush, grid.Color()) << "a selected cell prints unselected";
    EXPECT_FALSE(normal.state.testFlag(gdSelected));
    const Result header = resolve(2, 0, true);
    EXPECT_EQ(header.fontSize, 14);
    EXPECT_EQ(header.brush, grid.FixedColor());
    EXPECT_FALSE(header.state.testFlag(gdFixed)) << "the fixed state is the screen's";
    EXPECT_EQ(printed, 2);
    EXPECT_EQ(shown, 0);

    const Result screen = resolve(2, 2, false);
    EXPECT_EQ(screen.fontSize, 9);
    EXPECT_EQ(screen.brush, grid.Appearance().SelectionColor);
    EXPECT_TRUE(resolve(2, 0, false).state.testFlag(gdFixed));
    EXPECT_EQ(printed, 2);
    EXPECT_EQ(shown, 2);

    grid.PrintSettings.UseDisplayFont = true;
    EXPECT_EQ(resolve(2, 2, true).fontSize, 9);
}

TEST_F(VisualTest, BandsPrintOnlyWhenTheySaySo)
{
    TBands &bands = grid.Bands();
    bands.setActive(true);
    bands.setPrimaryColor(0x00FFFF);
    bands.setSecondaryColor(0xFF00FF);
    bands.setPrimaryLength(2);
    bands.setSecondaryLength(1);
    const TColor expected[] = {0x00FFFF, 0x00FFFF, 0xFF00FF, 0x00FFFF};
    for (int row = 1; row <= 4; ++row) {
        EXPECT_EQ(resolve(3, row, false).brush, expected[row - 1]) << row;
        EXPECT_EQ(resolve(3, row, true).brush, grid.Color()) << row;
    }
    bands.Print = true;
    EXPECT_EQ(resolve(3, 3, true).brush, 0xFF00FF);
    EXPECT_EQ(resolve(3, 0, false).brush, grid.Appearance().FenloGradientFrom) << "headers keep their look";
}

TEST(ColumnGridPrint, ItemColoursThenTheGridsHookAndBandedColumnsKeepTheirBands)
{
    TExColumnGrid grid;
    grid.Columns()[1]->PrintColor = 0x123456;
    int fired = 0;
    grid.OnGetCellPrintColor = [&](TExStringGrid *, int, int, TGridDrawState, platform::TBrush &ABrush,
                                   platform::TFont &) {
        ++fired;
        EXPECT_EQ(ABrush.Color(), 0x123456) << "after the item";
    };
    platform::TBrush brush;
    platform::TFont font;
    grid.DoGetCellPrintColor(1, 1, {}, brush, font);
    EXPECT_EQ(fired, 1);
    grid.OnGetCellPrintColor = nullptr;

    // The colour resolution of a printed cell ends with the print colour.
    TGridDrawState state;
    TColor to = platform::clNone, mirror = platform::clNone, mirrorTo = platform::clNone;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    TCellGradientDirection gd = GradientVertical;
    TExStringGrid &base = grid;
    base.GetVisualProperties(1, 2, state, true, false, true, brush, to, mirror, mirrorTo, font, ha, va, ww, gd);
    EXPECT_EQ(brush.Color(), 0x123456);
    base.GetVisualProperties(1, 2, state, false, false, true, brush, to, mirror, mirrorTo, font, ha, va, ww, gd);
    EXPECT_EQ(brush.Color(), grid.Columns()[1]->Color()) << "on screen the column's colour";

    grid.Bands().setActive(true);
    grid.Bands().Print = true;
    grid.Columns()[1]->ShowBands = true;
    brush.setColor(0x00FFFF);
    grid.DoGetCellPrintColor(1, 1, {}, brush, font);
    EXPECT_EQ(brush.Color(), 0x00FFFF);
}

struct BorderTest : ViewTest {
    QWidget parent;
    void SetUp() override
    {
        ViewTest::SetUp();
        grid.setParent(&parent);
        QPalette palette = parent.palette();
        palette.setColor(parent.backgroundRole(), QColor(0, 255, 0));
        parent.setPalette(palette);
    }
    ~BorderTest() override { grid.setParent(nullptr); }
};

TEST_F(BorderTest, GradientLooksRingTheWindowInTheBorderColour)
{
    const TColor border = grid.Appearance().BorderColor;
    struct Case {
        TGridLook look;
        bool flat, single, ring;
    };
    const Case cases[] = {
        {glXP, false, true, true},        {glSoft, false, true, true},     {glOffice2007, false, true, true},
        {glClassic, false, true, false},  {glStandard, false, true, false}, {glListView, false, true, true},
        {glXP, true, true, false},        {glXP, false, false, false},     {glCustom, false, true, false},
    };
    for (const Case &c : cases) {
        grid.Appearance().Look = c.look;
        grid.Appearance().Flat = c.flat;
        grid.setBorderSingle(c.single);
        const QImage image = paint();
        const int w = image.width();
        const int h = image.height();
        for (const auto &[x, y] : {std::pair{0, 0}, std::pair{w - 1, 40}, std::pair{30, h - 1}, std::pair{0, h - 1}})
            EXPECT_EQ(at(image, x, y) == border, c.ring) << int(c.look) << c.flat << c.single << " " << x << "," << y;
    }
}

TEST_F(BorderTest, FittedCellsGetTheBorderInsideAndTheParentsColourOutside)
{
    grid.Appearance().FitCellsInGrid = true;
    const QImage image = paint();
    const int w = image.width();
    const int h = image.height();
    const TColor border = grid.Appearance().BorderColor;
    EXPECT_EQ(at(image, 1, 30), border);
    EXPECT_EQ(at(image, 50, 1), border);
    EXPECT_EQ(at(image, w - 2, 30), border);
    EXPECT_EQ(at(image, 50, h - 2), border);
    EXPECT_EQ(at(image, 0, 30), 0x00FF00);
    EXPECT_EQ(at(image, w - 1, h - 1), 0x00FF00);
}

TEST_F(BorderTest, NoBorderWhileUpdatesAreHeld)
{
    QImage image(grid.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        platform::TCanvas canvas(&image);
        grid.StartUpdate();
        grid.GridNCPaintMessage(canvas);
        grid.ResetUpdate();
    }
    EXPECT_EQ(at(image, 0, 0), platform::clWhite);
    {
        platform::TCanvas canvas(&image);
        grid.GridNCPaintMessage(canvas);
    }
    EXPECT_EQ(at(image, 0, 0), grid.Appearance().BorderColor);
}

} // namespace

namespace {

// Records the rectangle each cell's content is given.
class RectProbe : public TExStringGrid {
public:
    std::map<std::pair<int, int>, TRect> rects;

protected:
    void RenderCell(platform::TCanvas &ACanvas, int ACol, int ARow, TRect ARect, TGridDrawState AState) override
    {
        rects[{ACol, ARow}] = ARect;
        TExStringGrid::RenderCell(ACanvas, ACol, ARow, ARect, AState);
    }
};

TEST(CellGeometry, FixedCellsLoseARightAndTwoBottomPixelsOthersTheLineWidth)
{
    for (const int lineWidth : {1, 3}) {
        RectProbe grid;
        grid.setScrollBars(ssNone);
        grid.resize(300, 200);
        grid.setGridLineWidth(lineWidth);
        grid.paintToImage();
        const TRect fixed = grid.CellRect(1, 0);
        const TRect normal = grid.CellRect(2, 2);
        EXPECT_EQ((grid.rects[{1, 0}]), platform::Rect(fixed.Left, fixed.Top, fixed.Right - 1, fixed.Bottom - 2))
            << lineWidth;
        EXPECT_EQ((grid.rects[{2, 2}]), platform::InflateRect(normal, -lineWidth, -lineWidth)) << lineWidth;
    }
}

} // namespace

namespace {

// Right of the last column and below the last row.
struct EmptyAreaTest : ViewTest {
    int right() const { return cell(grid.ColCount() - 1, 0).Right + grid.GridLineWidth(); }
    int bottom() const { return cell(0, grid.RowCount() - 1).Bottom + grid.GridLineWidth(); }
};

TEST_F(EmptyAreaTest, TheGradientRunsOnPastTheCells)
{
    TBackGround &back = grid.Appearance().BackGround;
    back.Display = bdGradientHorz;
    back.Color = 0xFFFFFF;
    back.ColorTo = 0x000000;
    ASSERT_LT(right() + 20, grid.width());
    const QImage image = paint();
    int last = 256;
    for (int x = right() + 2; x < grid.width(); x += 7) {
        const int red = platform::GetRValue(at(image, x, 10));
        EXPECT_NEAR(red, platform::GetRValue(BlendColorStep(0xFFFFFF, 0x000000, 0, 127, x * 128 / grid.width())), 3)
            << x;
        EXPECT_LT(red, last) << "darker to the right";
        last = red;
    }
    // Below the rows too, at the same shade in every line.
    EXPECT_EQ(at(image, 40, bottom() + 3), at(image, 40, grid.height() - 2));
    EXPECT_NE(at(image, 40, bottom() + 3), at(image, 300, bottom() + 3));

    back.Display = bdGradientVert;
    const QImage vertical = paint();
    EXPECT_EQ(at(vertical, right() + 3, 100), at(vertical, grid.width() - 2, 100));
    EXPECT_GT(platform::GetRValue(at(vertical, 40, bottom() + 2)),
              platform::GetRValue(at(vertical, 40, grid.height() - 2)));
}

TEST_F(EmptyAreaTest, NothingWithoutAnEndColour)
{
    TBackGround &back = grid.Appearance().BackGround;
    const TColor plain = platform::ColorToRGB(grid.Color());
    EXPECT_EQ(at(paint(), right() + 5, 5), plain) << "no gradient display, no picture";
    back.Display = bdGradientVert;
    back.Color = 0x0000FF;
    back.ColorTo = platform::clNone;
    EXPECT_EQ(at(paint(), right() + 5, 5), plain);

    back.ColorTo = 0x00FF00;
    grid.setColCount(30);
    EXPECT_NE(at(paint(), 10, bottom() + 5), plain) << "below the rows, the columns running on";
}

TEST_F(EmptyAreaTest, TilesContinueFromTheFirstNormalCell)
{
    TBackGround &back = grid.Appearance().BackGround;
    back.Bitmap = pattern();
    back.Display = bdTile;
    back.Cells = bcNormal;
    const QImage image = paint();
    // The tiles start one pixel before the first normal cell moved by XYOffset.
    const int x0 = cell(1, 1).Left + grid.Appearance().XYOffset.X - 1;
    const int y0 = cell(1, 1).Top + grid.Appearance().XYOffset.Y - 1;
    for (const auto &[x, y] : {std::pair{right() + 4, 30}, std::pair{grid.width() - 3, 200}, std::pair{77, bottom() + 9}})
        EXPECT_EQ(at(image, x, y), patternAt(x - x0, y - y0)) << x << "," << y;

    back.Cells = bcFixed;
    EXPECT_EQ(at(paint(), right() + 4, 30), platform::ColorToRGB(grid.Color())) << "fixed cells only: none here";
}

} // namespace
