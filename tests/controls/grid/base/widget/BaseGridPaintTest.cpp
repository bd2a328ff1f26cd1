// The base grid's cell painter, pixel by pixel on offscreen images: merged
// areas painted by their base cell, the lines inside each cell, the hidden
// last row, the selection looks, the active and the hover row.
#include "BaseGridProbe.h"
#include "platform/ui/QtColor.h"

#include <QImage>
#include <gtest/gtest.h>

#include <algorithm>
#include <climits>

using namespace controls;
using gridtest::ProbeBaseGrid;
using platform::TColor;
using platform::TRect;

namespace {

constexpr TColor kRed = 0x0000FF;
constexpr TColor kGreen = 0x00FF00;

TColor at(const QImage &image, int x, int y) { return platform::fromQColor(QColor(image.pixel(x, y))); }

// 6 x 6 cells of 64 x 24 from the top left: column c starts at 64 c, row r
// at 24 r.
struct BaseGridPaintTest : testing::Test {
    ProbeBaseGrid grid;
    const TColor window = platform::ColorToRGB(platform::clWindow);
    void SetUp() override
    {
        grid.setScrollBars(ssNone);
        grid.resize(400, 200);
        grid.setColCount(6);
        grid.setRowCount(6);
        grid.renderText = false;
    }
    int renderedCount(int col, int row) const
    {
        return int(std::count_if(grid.rendered.begin(), grid.rendered.end(),
                                 [&](const gridtest::Rendered &r) { return r.col == col && r.row == row; }));
    }
    const gridtest::Rendered *renderedOf(int col, int row) const
    {
        for (const gridtest::Rendered &r : grid.rendered)
            if (r.col == col && r.row == row)
                return &r;
        return nullptr;
    }
};

TEST_F(BaseGridPaintTest, MergedAreaPaintsAsOneCellThroughItsBaseCell)
{
    grid.MergeCells(2, 1, 3, 2);
    for (int pass = 1; pass <= 2; ++pass) {
        SCOPED_TRACE(pass);
        grid.rendered.clear();
        const int id = grid.PaintID();
        const QImage image = grid.paintToImage();
        EXPECT_EQ(grid.PaintID(), id + 1);
        EXPECT_EQ(renderedCount(2, 1), 2) << "by the base cell, and once more by the first other cell";
        for (const TGridCoord c : {TGridCoord{3, 1}, {4, 1}, {2, 2}, {3, 2}, {4, 2}})
            EXPECT_EQ(renderedCount(c.X, c.Y), 0) << c;
        ASSERT_NE(renderedOf(2, 1), nullptr);
        EXPECT_EQ(renderedOf(2, 1)->rect, (TRect{129, 25, 319, 71})) << "the whole area less its lines";
        EXPECT_EQ(at(image, 191, 40), window) << "no line between the area's cells";
        EXPECT_EQ(at(image, 250, 47), window);
        EXPECT_EQ(at(image, 319, 40), 0xC0C0C0) << "the area's own right line";
        EXPECT_EQ(at(image, 250, 71), 0xC0C0C0) << "the area's own bottom line";
    }
}

TEST_F(BaseGridPaintTest, AreaWithItsBaseScrolledAwayPaintsWholeBelowTheFixedRows)
{
    grid.setRowCount(20);
    grid.MergeCells(2, 2, 1, 4); // rows 2 to 5
    grid.CellProperties(2, 2).FBrushColor = kRed;
    grid.setTopRow(4); // rows 4 and 5 of the area in view, at 24 and 48
    ASSERT_EQ(grid.TopRow(), 4);
    const QImage image = grid.paintToImage();
    ASSERT_NE(renderedOf(2, 2), nullptr);
    EXPECT_EQ(renderedOf(2, 2)->rect, (TRect{129, -23, 191, 71})) << "placed as if the grid showed it whole";
    const QRect red = [&] {
        QRect r;
        for (int y = 0; y < image.height(); ++y)
            for (int x = 0; x < image.width(); ++x)
                if (at(image, x, y) == kRed)
                    r |= QRect(x, y, 1, 1);
        return r;
    }();
    EXPECT_EQ(red, QRect(QPoint(128, 24), QPoint(190, 70))) << "clipped at the fixed row, less its lines";
}

TEST_F(BaseGridPaintTest, HiddenLastRowShowsOnlyTheGridColour)
{
    grid.FHideLastRow = true;
    grid.setCells(2, 5, QStringLiteral("scratch"));
    grid.CellProperties(3, 5).FBrushColor = kRed;
    grid.renderText = true;
    const QImage image = grid.paintToImage();
    for (const gridtest::Rendered &r : grid.rendered)
        EXPECT_NE(r.row, 5);
    for (int y = 120; y < 144; ++y)
        for (int x = 0; x < 384; ++x)
            ASSERT_EQ(at(image, x, y), window) << x << ", " << y;
    EXPECT_EQ(at(image, 150, 119), 0xC0C0C0) << "the row above keeps its line";
}

TEST_F(BaseGridPaintTest, LinesLieInsideTheirCellAndTheContentIsInsetByTheirWidth)
{
    struct Case {
        int width;
        int firstLinePixel; // from the cell's far edge
    };
    for (const Case c : {Case{1, 1}, Case{3, 3}, Case{4, 4}}) {
        SCOPED_TRACE(c.width);
        grid.setGridLineWidth(c.width);
        grid.rendered.clear();
        const QImage image = grid.paintToImage();
        // Normal cell (2, 2): 128..191 x 48..71.
        for (int i = 1; i <= c.firstLinePixel; ++i) {
            EXPECT_EQ(at(image, 192 - i, 60), 0xC0C0C0) << "right line, pixel " << i;
            EXPECT_EQ(at(image, 150, 72 - i), 0xC0C0C0) << "bottom line, pixel " << i;
        }
        EXPECT_EQ(at(image, 191 - c.firstLinePixel, 60), window);
        EXPECT_EQ(at(image, 150, 71 - c.firstLinePixel), window);
        ASSERT_NE(renderedOf(2, 2), nullptr);
        EXPECT_EQ(renderedOf(2, 2)->rect, (TRect{128 + c.width, 48 + c.width, 192 - c.width, 72 - c.width}));
        // Fixed cell (0, 2): one dark line whatever the width, content less
        // one pixel at the right and two at the bottom.
        EXPECT_EQ(at(image, 63, 60), 0x808080);
        EXPECT_EQ(at(image, 62, 60), platform::ColorToRGB(platform::clBtnFace));
        EXPECT_EQ(at(image, 30, 71), 0x808080);
        EXPECT_EQ(renderedOf(0, 2)->rect, (TRect{0, 48, 63, 70}));
    }
    grid.setGridLineWidth(0);
    const QImage image = grid.paintToImage();
    EXPECT_EQ(at(image, 191, 60), window) << "no lines at width 0";
}

TEST_F(BaseGridPaintTest, ExtremeLineWidthsPaintWithoutOverflow)
{
    grid.MergeCells(2, 2, 2, 2);
    grid.setCells(2, 2, QStringLiteral("area"));
    for (const int width : {INT_MIN, -1, 0, INT_MAX}) {
        SCOPED_TRACE(width);
        grid.setGridLineWidth(width);
        EXPECT_TRUE(grid.GridLineWidth() >= 0 && grid.GridLineWidth() <= TAxisSizes::MaxSize);
        grid.paintToImage();
    }
}

TEST_F(BaseGridPaintTest, CellsTheDescendantCallsFixedPaintAsFixed)
{
    grid.fixedLookCol = 3;
    grid.setSelection({2, 2, 4, 2});
    const QImage image = grid.paintToImage();
    EXPECT_EQ(at(image, 3 * 64 + 30, 60), platform::ColorToRGB(platform::clBtnFace));
    EXPECT_EQ(at(image, 3 * 64 + 63, 60), 0x808080);
    EXPECT_EQ(renderedOf(3, 2)->rect, (TRect{192, 48, 255, 70}));
}

// The selection faces of three cells selected in a row: the left end
// rounded at its left, the middle not at all, the right end at its right.
TEST_F(BaseGridPaintTest, SelectionStylesPaintTheirFacesByPart)
{
    struct Look {
        const char *name;
        TGridSelectionStyle style;
        bool focused;
        TColor fill;
        TColor border;
        TColor corner;
    };
    const Look looks[] = {
        {"vista", ssVista, true, 0xFDF8F1, 0xFDDE99, 0xFCEDCB},
        {"win7", ssWin7, true, 0xFCEBDC, 0xCEA27D, 0xE0C5AE},
        {"office 2007", ssOffice2007, true, 0xD7FFFD, 0x8DD7D3, 0xC3D9DF},
        {"vista unfocused", ssVista, false, 0xF8F8F8, 0xD9D9D9, 0xEFEFEF},
        {"office 2007 unfocused", ssOffice2007, false, 0xF8F8F8, 0xD9D9D9, 0xEFEFEF},
    };
    struct Part {
        int col;
        bool roundLeft;
        bool roundRight;
    };
    for (const Look &look : looks) {
        SCOPED_TRACE(look.name);
        grid.setSelectionStyle(look.style);
        // The grid is never focused offscreen; this option makes it count as such.
        const TGridOptions plain = grid.Options() & ~TGridOptions(goDrawFocusSelected);
        grid.setOptions(look.focused ? plain | goDrawFocusSelected : plain);
        grid.setSelection({2, 2, 4, 2});
        QImage image = grid.paintToImage();
        for (const Part p : {Part{2, true, false}, Part{3, false, false}, Part{4, false, true}}) {
            SCOPED_TRACE(p.col);
            const int l = 64 * p.col;
            const int last = l + 62; // the face leaves the cell's last pixel column
            EXPECT_EQ(at(image, l, 48), p.roundLeft ? window : look.border);
            EXPECT_EQ(at(image, l + 1, 48), p.roundLeft ? look.corner : look.border);
            EXPECT_EQ(at(image, last, 48), p.roundRight ? window : look.border);
            EXPECT_EQ(at(image, l + 5, 48), look.border);
            EXPECT_EQ(at(image, l + 5, 50), look.fill);
        }
        grid.setSelection({3, 2, 3, 2});
        image = grid.paintToImage();
        EXPECT_EQ(at(image, 3 * 64, 48), window) << "one cell is rounded at both ends";
        EXPECT_EQ(at(image, 3 * 64 + 62, 48), window);
    }
    // Hidden selection: the plain background.
    grid.FShowSel = false;
    grid.setSelection({2, 2, 4, 2});
    const QImage image = grid.paintToImage();
    EXPECT_EQ(at(image, 64 * 3 + 5, 48), window);
}

TEST_F(BaseGridPaintTest, ActiveRowTakesItsColoursExceptTheCurrentCell)
{
    const TColor infoBk = platform::ColorToRGB(platform::clInfoBk);
    grid.setActiveRowShow(true);
    grid.FocusCell(2, 3);
    QImage image = grid.paintToImage();
    EXPECT_EQ(at(image, 64 * 1 + 30, 3 * 24 + 10), infoBk);
    EXPECT_EQ(at(image, 64 * 4 + 30, 3 * 24 + 10), infoBk);
    EXPECT_NE(at(image, 64 * 2 + 30, 3 * 24 + 10), infoBk) << "the current cell";
    EXPECT_NE(at(image, 30, 3 * 24 + 10), infoBk) << "the fixed column";
    EXPECT_EQ(at(image, 64 * 4 + 30, 2 * 24 + 10), window);

    grid.FShowSel = false;
    grid.setActiveRowColor(kGreen);
    grid.setActiveRowColorTo(kGreen);
    image = grid.paintToImage();
    EXPECT_EQ(at(image, 64 * 2 + 30, 3 * 24 + 10), kGreen) << "with the selection hidden, the current cell too";

    // A selected cell painted without content gets the active-row look.
    QImage ext(64, 24, QImage::Format_ARGB32_Premultiplied);
    ext.fill(Qt::black);
    {
        platform::TCanvas canvas(&ext);
        grid.PaintCellExt(canvas, 2, 1, TRect{0, 0, 64, 24}, gdSelected);
    }
    EXPECT_EQ(at(ext, 30, 10), kGreen);
    EXPECT_EQ(at(ext, 63, 10), 0xC0C0C0);
}

TEST_F(BaseGridPaintTest, HoverRowReachesTheCellKindsItNames)
{
    grid.setHoverRow(true);
    grid.setHoverRowColor(kGreen);
    grid.FHoverRowIdx = 3;
    grid.setSelection({2, 3, 3, 3});
    struct Case {
        const char *name;
        THoverRowCells cells;
        bool fixed;
        bool selected;
    };
    const Case cases[] = {
        {"normal only", {hcNormal}, false, false},
        {"selected too", {hcNormal, hcSelected}, false, true},
        {"fixed too", {hcFixed}, true, false},
        {"none named: the other cells still", {}, false, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        grid.setHoverRowCells(c.cells);
        const QImage image = grid.paintToImage();
        EXPECT_EQ(at(image, 64 * 4 + 30, 3 * 24 + 10), kGreen) << "a normal cell";
        EXPECT_EQ(at(image, 64 * 2 + 30, 3 * 24 + 10) == kGreen, c.selected);
        EXPECT_EQ(at(image, 30, 3 * 24 + 10) == kGreen, c.fixed);
        EXPECT_EQ(at(image, 64 * 4 + 30, 2 * 24 + 10), window) << "another row";
    }
    grid.setActiveRowShow(true);
    grid.setActiveRowColor(kRed);
    const QImage image = grid.paintToImage();
    EXPECT_EQ(at(image, 64 * 4 + 30, 3 * 24 + 10), kRed) << "the active row wins";
}

} // namespace
