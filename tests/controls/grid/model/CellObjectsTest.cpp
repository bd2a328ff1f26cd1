// The cell objects an application puts into cells by code: what each Add
// stores, what a Get answers for a cell of another kind, and the objects
// that share fields (a marker on a progress bar, a balloon on a check box).
#include "GridFixture.h"

#include "controls/grid/model/GridCellPainter.h"

#include <gtest/gtest.h>

using namespace controls;

namespace {

struct CellObjectsTest : testing::Test {
    TExStringGrid grid;
    void SetUp() override
    {
        grid.setColCount(5);
        grid.setRowCount(5);
    }
};

TEST_F(CellObjectsTest, AMarkerOnAProgressBarTakesItsRangeAndGivesBackZero)
{
    grid.AddProgressFormatted(1, 1, 0x0000FF, 0, 0xFFFFFF, 0, QStringLiteral("%d%%"), 10, 90);
    grid.AddMarker(1, 1, 3, 4);
    int pos = -1;
    int len = -1;
    grid.GetMarker(1, 1, pos, len);
    EXPECT_EQ(pos, 3);
    EXPECT_EQ(len, 4);
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->FCellErrFrom, 3) << "the bar's minimum is the marker's start";
    grid.RemoveMarker(1, 1);
    EXPECT_EQ(grid.GetCellType(1, 1), ctProgress) << "the bar stays";
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->FCellErrFrom, 0);
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->FCellErrLen, 0);

    // On a cell without an object the marker is an object of its own.
    grid.setCells(2, 2, QStringLiteral("wrong"));
    grid.AddMarker(2, 2, 0, 5);
    EXPECT_EQ(grid.GetCellType(2, 2), ctEmpty);
    EXPECT_NE(grid.GetCellGraphic(2, 2), nullptr);
    grid.RemoveMarker(2, 2);
    EXPECT_EQ(grid.GetCellGraphic(2, 2), nullptr);
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("wrong"));
}

TEST_F(CellObjectsTest, ProgressKindsKeepTheirColoursAndRanges)
{
    grid.AddProgress(1, 1, 0x00FF00, 0xFFFFFF);
    const TCellGraphic *bar = grid.GetCellGraphic(1, 1);
    EXPECT_EQ(bar->FCellErrFrom, 0);
    EXPECT_EQ(bar->FCellErrLen, 100);
    EXPECT_FALSE(bar->FCellBoolean) << "no text colours: each text the inverse of its ground";
    EXPECT_TRUE(grid.HasProgress(1, 1));
    grid.AddProgressEx(1, 1, 0x00FF00, 0x000000, 0xFFFFFF, 0x0000FF);
    EXPECT_TRUE(grid.GetCellGraphic(1, 1)->FCellBoolean);
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->FCellAngle, 0x0000FF);

    grid.AddExProgress(2, 1, 5, 5);
    EXPECT_EQ(grid.GetCellType(2, 1), ctXPProgress);
    EXPECT_TRUE(grid.RemoveExProgress(2, 1));

    grid.AddProgressPie(3, 1, 0x0000FF, 40);
    grid.SetProgressPie(3, 1, 75);
    EXPECT_EQ(grid.GetCellGraphic(3, 1)->FCellAngle, 75);
    EXPECT_EQ(grid.GetCellGraphic(3, 1)->FCellHAlign, haBeforeText);
    grid.SetProgressPie(1, 1, 10); // another kind: left alone
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->FCellAngle, 0x0000FF);

    grid.AddRangeIndicator(4, 1, 50, 0x0000FF, 0x00FF00, true);
    EXPECT_EQ(grid.GetCellGraphic(4, 1)->FCellIndex, 50);
    EXPECT_TRUE(grid.RemoveRangeIndicator(4, 1));
    EXPECT_FALSE(grid.RemoveRangeIndicator(4, 1));
}

TEST_F(CellObjectsTest, CommentsAreReadAndWrittenOnlyOnCommentCells)
{
    grid.AddComment(1, 1, QStringLiteral("checked"));
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->FCellIndex, int(grid.ControlLook().CommentColor));
    QString comment;
    EXPECT_TRUE(grid.IsComment(1, 1, comment));
    EXPECT_EQ(comment, QStringLiteral("checked"));
    grid.setCellComment(1, 1, QStringLiteral("again"));
    EXPECT_EQ(grid.CellComment(1, 1), QStringLiteral("again"));

    grid.setCellComment(2, 2, QStringLiteral("new"));
    EXPECT_EQ(grid.CellComment(2, 2), QStringLiteral("new")) << "a cell without an object gets one";
    grid.AddShape(3, 3, csCircle, 0x00FF00, 0x000000, haLeft, vaTop);
    grid.setCellComment(3, 3, QStringLiteral("lost"));
    EXPECT_EQ(grid.GetCellType(3, 3), ctShape) << "another object is left alone";
    EXPECT_EQ(grid.CellComment(3, 3), QString());

    grid.AddColorComment(4, 4, QStringLiteral("blue"), 0xFF0000);
    EXPECT_EQ(grid.GetCellGraphic(4, 4)->FCellIndex, 0xFF0000);
    grid.RemoveAllComments();
    EXPECT_FALSE(grid.IsComment(1, 1, comment));
    EXPECT_FALSE(grid.IsComment(4, 4, comment));
    EXPECT_EQ(grid.GetCellType(3, 3), ctShape);
}

TEST_F(CellObjectsTest, ShapesAndRatingsKeepTheirColours)
{
    grid.AddShape(1, 1, csTriangleUp, 0x00FF00, 0x000080, haCenter, vaCenter);
    EXPECT_EQ(grid.GetShapeColor(1, 1), 0x00FF00);
    grid.SetShapeColor(1, 1, 0x0000FF);
    EXPECT_EQ(grid.GetShapeColor(1, 1), 0x0000FF);
    EXPECT_EQ(grid.GetShapeColor(2, 1), platform::clNone);
    grid.SetShapeColor(2, 1, 0x0000FF); // no shape there: nothing made
    EXPECT_EQ(grid.GetCellGraphic(2, 1), nullptr);

    grid.AddRating(2, 2, 5, 0x00D7FF, 0xC0C0C0);
    const TCellGraphic *rating = grid.GetCellGraphic(2, 2);
    EXPECT_EQ(rating->FCellAngle, 5);
    EXPECT_EQ(rating->FCellHAlign, haFull);
    EXPECT_TRUE(grid.HasRating(2, 2));
    EXPECT_TRUE(grid.RemoveRating(2, 2));
    EXPECT_FALSE(grid.HasRating(2, 2));
}

TEST_F(CellObjectsTest, ScrollBarCellsStartAtTheTopOfARangeOfAHundred)
{
    grid.AddScrollBar(1, 1, false);
    EXPECT_TRUE(grid.HasScrollBar(1, 1));
    EXPECT_FALSE(grid.HasAutoRangeScrollBar(1, 1));
    EXPECT_EQ(grid.GetScrollPosition(1, 1), 0);
    EXPECT_EQ(grid.GetScrollProp(1, 1).PageSize, 0);
    EXPECT_EQ(grid.GetScrollProp(1, 1).Range, 100);
    grid.SetScrollProp(1, 1, TScrollProp{20, 60});
    grid.SetScrollPosition(1, 1, 15);
    EXPECT_EQ(grid.GetScrollPosition(1, 1), 15);
    EXPECT_EQ(grid.GetScrollProp(1, 1).Range, 60);

    EXPECT_EQ(grid.GetScrollPosition(2, 1), -1) << "no bar";
    EXPECT_EQ(grid.GetScrollProp(2, 1).PageSize, -1);
    EXPECT_EQ(grid.GetScrollProp(-1, 1).Range, -1);
    grid.SetScrollPosition(2, 1, 5);
    EXPECT_EQ(grid.GetCellGraphic(2, 1), nullptr);

    // A merged area answers from its base cell.
    grid.MergeCells(1, 1, 2, 2);
    EXPECT_EQ(grid.GetScrollPosition(2, 2), 15);
    EXPECT_TRUE(grid.HasScrollBar(2, 2));
}

TEST_F(CellObjectsTest, ButtonsPackTheirSizeAndFindTheirCellByDisplayColumn)
{
    grid.setColWidths(1, 50);
    grid.setColWidths(2, 80);
    grid.AddButton(2, 1, 40, 18, QStringLiteral("Go"), haLeft, vaTop);
    TCellGraphic *g = grid.GetCellGraphic(2, 1);
    EXPECT_EQ(g->FCellIndex, (18 << 16) | 40);
    EXPECT_FALSE(g->FCellBoolean);

    // Painting puts the button 3 right and 2 down of the cell's corner.
    g->FCellValue = double((2 << 16) | 3);
    const platform::TRect cell = grid.CellRect(2, 1);
    const platform::TRect b = grid.GetCellButtonRect(2, 1);
    EXPECT_EQ(b.Left, cell.Left + 3);
    EXPECT_EQ(b.Top, cell.Top + 2);
    EXPECT_EQ(b.Right - b.Left, 40);
    EXPECT_EQ(b.Bottom - b.Top, 18);
    g->FCellVAlign = vaFull;
    EXPECT_EQ(grid.GetCellButtonRect(2, 1).Top, cell.Top);
    EXPECT_EQ(grid.GetCellButtonRect(2, 1).Bottom, cell.Bottom);
    const platform::TRect none = grid.GetCellButtonRect(3, 1);
    EXPECT_EQ(none.Right - none.Left, 0);

    // With column 1 hidden, display column 1 is real column 2.
    grid.HideColumn(1);
    grid.SetButtonText(1, 1, QStringLiteral("Stop"));
    EXPECT_EQ(g->FCellText, QStringLiteral("Stop"));
    EXPECT_EQ(grid.GetButtonText(1, 1), QStringLiteral("Stop"));
    grid.PushButton(1, 1, true);
    EXPECT_TRUE(g->FCellBoolean);
    EXPECT_EQ(grid.GetCellButtonRect(1, 1).Left, grid.CellRect(1, 1).Left + 3);
    EXPECT_TRUE(grid.HasButton(2, 1)) << "the Has queries take the real column";
    grid.UnHideColumn(1);

    QImage glyph(8, 8, QImage::Format_RGB32);
    grid.AddBitButton(3, 1, 30, 20, QString(), &glyph, haLeft, vaTop);
    EXPECT_EQ(grid.GetCellGraphic(3, 1)->CellBitmap(), &glyph);
    EXPECT_TRUE(grid.HasButton(3, 1));
    QImage *made = grid.CreateBitButton(4, 1, 30, 20, QStringLiteral("Save"), haLeft, vaTop);
    ASSERT_NE(made, nullptr);
    EXPECT_TRUE(grid.GetCellGraphic(4, 1)->FCellCreated);
    grid.RemoveButton(3, 1);
    EXPECT_FALSE(grid.HasButton(3, 1));
    grid.RemoveAllButtons();
    EXPECT_FALSE(grid.HasButton(2, 1));
    EXPECT_FALSE(grid.HasButton(4, 1));
}

TEST_F(CellObjectsTest, ABalloonJoinsACheckBoxAndLeavesItInPlace)
{
    grid.AddCheckBox(1, 1, true, false);
    grid.AddBalloon(1, 1, QStringLiteral("Title"), QStringLiteral("Text"), biWarning);
    EXPECT_EQ(grid.GetCellType(1, 1), ctCheckBox);
    EXPECT_FALSE(grid.HasBalloon(1, 1));
    QString title;
    QString text;
    TBalloonIcon icon = biNone;
    ASSERT_TRUE(grid.IsBalloon(1, 1, title, text, icon));
    EXPECT_EQ(title, QStringLiteral("Title"));
    EXPECT_EQ(text, QStringLiteral("Text"));
    EXPECT_EQ(icon, biWarning);
    grid.RemoveBalloon(1, 1);
    EXPECT_EQ(grid.GetCellType(1, 1), ctCheckBox);
    EXPECT_FALSE(grid.IsBalloon(1, 1, title, text, icon));
    EXPECT_TRUE(grid.IsChecked(1, 1)) << "the box keeps its state";

    grid.AddBalloon(2, 2, QStringLiteral("Info"), QStringLiteral("More"), biInfo);
    EXPECT_TRUE(grid.HasBalloon(2, 2));
    EXPECT_TRUE(grid.IsBalloon(2, 2, title, text, icon));
    grid.RemoveBalloon(2, 2);
    EXPECT_EQ(grid.GetCellGraphic(2, 2), nullptr);

    grid.AddRating(3, 3, 5, 0, 0);
    grid.AddBalloon(3, 3, QStringLiteral("x"), QStringLiteral("y"), biError);
    EXPECT_EQ(grid.GetCellType(3, 3), ctRating) << "any other object is left alone";
    EXPECT_FALSE(grid.IsBalloon(3, 3, title, text, icon));
}

TEST_F(CellObjectsTest, ExpandCellsRememberBothHeights)
{
    grid.setRowHeights(2, 22);
    grid.AddExpand(3, 2, 80);
    EXPECT_TRUE(grid.HasExpand(3, 2));
    EXPECT_FALSE(grid.GetExpandState(3, 2));
    EXPECT_EQ(grid.GetExpandHeight(3, 2, true), 80);
    EXPECT_EQ(grid.GetExpandHeight(3, 2, false), 22);
    EXPECT_TRUE(grid.ToggleExpand(3, 2));
    EXPECT_TRUE(grid.GetExpandState(3, 2));
    EXPECT_FALSE(grid.ToggleExpand(3, 2));
    EXPECT_EQ(grid.GetExpandHeight(1, 1, true), grid.DefaultRowHeight()) << "no object";
    EXPECT_FALSE(grid.ToggleExpand(1, 1));

    // An 11 x 11 box at the cell's top right.
    const platform::TRect cell = grid.CellRect(3, 2);
    const platform::TRect box = grid.GetExpandButtonRect(3, 2);
    EXPECT_EQ(box.Left, cell.Right - 13);
    EXPECT_EQ(box.Top, cell.Top + 2);
    EXPECT_EQ(box.Right - box.Left, 11);
    EXPECT_EQ(box.Bottom - box.Top, 11);
    EXPECT_EQ(grid.GetExpandButtonRect(1, 1).Right, 0);

    bool fired = false;
    grid.OnExpandClick = [&](TExStringGrid *, int, int, bool Expanded) { fired = Expanded; };
    grid.DoExpandClick(3, 2, true);
    EXPECT_TRUE(fired);
    EXPECT_EQ(grid.RowHeights(2), 80);
}

class Painter : public TInterfacedPersistent, public IGridCellPainter {
public:
    void Draw(platform::TCanvas &, const platform::TRect &, int, int, bool, TExStringGrid *) override {}
    int GetWidth() override { return 30; }
    int GetHeight() override { return 12; }
    bool IsBackground() override { return false; }
};

TEST_F(CellObjectsTest, PainterObjectsStayTheApplications)
{
    auto painter = std::make_unique<Painter>();
    grid.AddInterfacedCell(1, 1, painter.get());
    EXPECT_EQ(grid.GetCellType(1, 1), ctInterface);
    EXPECT_EQ(grid.GetInterfacedCell(1, 1), painter.get());
    EXPECT_EQ(grid.GetInterfacedCell(2, 1), nullptr);
    EXPECT_TRUE(grid.RemoveInterfacedCell(1, 1));
    EXPECT_EQ(grid.GetInterfacedCell(1, 1), nullptr);
    EXPECT_EQ(painter->GetWidth(), 30) << "removing the cell's object leaves the painter alive";
}

TEST_F(CellObjectsTest, RatingChangeAsksTheOwnerWhoMayChangeTheRate)
{
    double rate = 2.5;
    EXPECT_TRUE(grid.DoRatingChange(1, 1, rate));
    grid.OnRatingChange = [](TExStringGrid *, int, int, double &NewRate, bool &Allow) {
        Allow = NewRate < 4;
        NewRate = 1.5;
    };
    EXPECT_TRUE(grid.DoRatingChange(1, 1, rate));
    EXPECT_EQ(rate, 1.5);
    rate = 4;
    EXPECT_FALSE(grid.DoRatingChange(1, 1, rate));
}

} // namespace
