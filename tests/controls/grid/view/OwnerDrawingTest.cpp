// The owner's part of the painting: its drawing events around a cell's
// content, the row indicator, the edited cell's frame and the end of a
// paint.
#include "ViewFixture.h"

#include <algorithm>
#include <vector>

using namespace controls;
using namespace viewtest;
using platform::TRect;

namespace {

TEST_F(ViewTest, NoDefaultDrawLeavesTheTextToTheOwnerButPaintsTheRest)
{
    grid.setCells(2, 2, QStringLiteral("WWW"));
    grid.Appearance().NoDefaultDraw = true;
    grid.OnGetCellBorder = [](TExStringGrid *, int ARow, int ACol, platform::TPen &APen, TCellBorders &Borders) {
        if (ACol == 2 && ARow == 2) {
            Borders.set(cbBottom);
            APen.setColor(0x0000FF);
        }
    };
    std::vector<std::pair<int, int>> drawn;
    TRect given;
    grid.OnDrawCell = [&](TCellGrid *, int col, int row, const TRect &rect, TGridDrawState) {
        drawn.emplace_back(col, row);
        if (col == 2 && row == 2)
            given = rect;
    };
    const QImage image = paint();
    const TRect r = cell(2, 2);
    EXPECT_TRUE(darkBox(image, platform::Rect(r.Left, r.Top, r.Right, r.Bottom - 3)).isEmpty()) << "no text";
    EXPECT_EQ(at(image, (r.Left + r.Right) / 2, r.Bottom - 2), 0x0000FF) << "the border still";
    EXPECT_EQ(given, platform::Rect(r.Left + 1, r.Top + 1, r.Right - 1, r.Bottom - 1))
        << "the cell less a pixel at the top left and the line at the bottom right";
    EXPECT_NE(std::find(drawn.begin(), drawn.end(), std::pair{0, 0}), drawn.end()) << "fixed cells too";

    grid.Appearance().NoDefaultDraw = false;
    EXPECT_FALSE(darkBox(paint(), r).isEmpty()) << "without NoDefaultDraw the grid draws the text";
}

TEST_F(ViewTest, OwnerDrawingComesBeforeAndAfterTheContentWithRealColumns)
{
    grid.setCells(2, 2, QStringLiteral("WWW"));
    grid.HideColumn(1); // display column 1 shows real column 2
    std::vector<QString> order;
    grid.OnCustomCellBkgDraw = [&](TExStringGrid *, platform::TCanvas &canvas, int ACol, int ARow, TGridDrawState,
                                   TRect ARect, bool Printing) {
        if (ACol == 2 && ARow == 2) {
            order.push_back(QStringLiteral("background"));
            EXPECT_FALSE(Printing);
            canvas.FillColor(ARect, 0x00C000);
        }
    };
    grid.OnCustomCellDraw = [&](TExStringGrid *, platform::TCanvas &canvas, int ACol, int ARow, TGridDrawState,
                                TRect ARect, bool) {
        if (ACol == 2 && ARow == 2) {
            order.push_back(QStringLiteral("after"));
            canvas.FillColor(platform::Rect(ARect.Left, ARect.Top, ARect.Left + 4, ARect.Top + 4), 0xFF0000);
        }
    };
    const QImage image = paint();
    EXPECT_EQ(order, (std::vector<QString>{QStringLiteral("background"), QStringLiteral("after")}));
    const TRect r = cell(1, 2);
    EXPECT_EQ(at(image, r.Right - 6, r.Top + 6), 0x00C000) << "the owner's background";
    EXPECT_FALSE(darkBox(image, r).isEmpty()) << "the text over it";
    EXPECT_EQ(at(image, r.Left + 1, r.Top + 1), 0xFF0000) << "the owner's drawing over everything";
}

TEST_F(ViewTest, RowIndicatorMarksTheCurrentRowAndPushesItsText)
{
    QImage picture(8, 8, QImage::Format_RGB32);
    picture.fill(QColor(255, 0, 255)); // its corner colour is clear
    for (int y = 1; y < 7; ++y)
        for (int x = 1; x < 7; ++x)
            picture.setPixel(x, y, qRgb(0, 0, 255));
    grid.Appearance().RowIndicator = picture;
    grid.setRow(3);
    grid.setCells(0, 3, QStringLiteral("H"));
    grid.setCells(0, 4, QStringLiteral("H"));
    const QImage image = paint();
    const TRect current = cell(0, 3);
    const QRect blue = boxOf(image, current, [](TColor c) { return c == 0xFF0000; });
    EXPECT_EQ(blue, QRect(current.Left + 3, current.Top, 6, 6).translated(0, blue.top() - current.Top));
    EXPECT_TRUE(boxOf(image, current, [](TColor c) { return c == 0xFF00FF; }).isEmpty());
    EXPECT_TRUE(boxOf(image, cell(0, 4), [](TColor c) { return c == 0xFF0000; }).isEmpty()) << "only its row";
    const int shifted = darkBox(image, current).left() - darkBox(image, cell(0, 4)).left();
    EXPECT_EQ(shifted, 10) << "the text moves by the picture and two pixels";
}

TEST_F(ViewTest, TheEditedCellKeepsAFrameAndEveryPaintEnds)
{
    int painted = 0;
    grid.OnPainted = [&](TExStringGrid *) { ++painted; };
    grid.setGridLineColor(0x00C000);
    grid.setOptions(grid.Options() | goEditing);
    grid.setBorderSingle(false);
    grid.FocusCell(2, 2);
    grid.setEditorMode(true);
    const QImage image = paint();
    EXPECT_EQ(painted, 1);
    const TRect r = cell(2, 2);
    EXPECT_EQ(at(image, r.Left, (r.Top + r.Bottom) / 2), 0x00C000);
    EXPECT_EQ(at(image, (r.Left + r.Right) / 2, r.Top), 0x00C000);
    grid.setEditorMode(false);
    const QImage closed = paint();
    EXPECT_EQ(painted, 2);
    EXPECT_NE(at(closed, r.Left, (r.Top + r.Bottom) / 2), 0x00C000);
}

} // namespace
