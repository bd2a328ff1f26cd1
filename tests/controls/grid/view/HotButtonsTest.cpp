// An in-cell button under the mouse draws hot: the pointer's real moves
// decide it, leaving the button or the grid takes it back.
#include "MouseEvents.h"
#include "ViewFixture.h"

#include "platform/Color.h"

#include <QEvent>

using namespace controls;
using namespace viewtest;

namespace {

struct HotButtonsTest : ViewTest {
    TCellGraphic *button = nullptr;
    void SetUp() override
    {
        ViewTest::SetUp();
        grid.setColWidths(1, 100);
        grid.setRowHeights(1, 30);
        button = grid.AttachNewCellGraphic(1, 1);
        button->FCellType = ctButton;
        button->FCellIndex = (20 << 16) | 60;
        button->FCellHAlign = haLeft;
        button->FCellVAlign = vaTop;
        grid.ControlLook().NoDisabledButtonLook = true;
        grid.ControlLook().FlatButton = true;
        paint(); // painting places the button
    }
    TRect face() { return grid.GetCellButtonRect(1, 1); }
    TColor leftEdge() { return at(paint(), face().Left, face().Top + 10); }
};

TEST_F(HotButtonsTest, TheButtonRectangleIsWherePaintingPutIt)
{
    const TRect cell = grid.CellRect(1, 1);
    EXPECT_EQ(face(), platform::Rect(cell.Left + 2, cell.Top + 2, cell.Left + 62, cell.Top + 22));
    button->FCellHAlign = haFull;
    EXPECT_EQ(face().Left, cell.Left);
    EXPECT_EQ(face().Right, cell.Right) << "a full-width button takes the cell's width";
    EXPECT_EQ(grid.GetCellButtonRect(2, 1), TRect{}) << "no button, no rectangle";
}

TEST_F(HotButtonsTest, APointerOnTheButtonRaisesItsFlatFaceUntilItLeaves)
{
    const TColor flat = leftEdge();
    EXPECT_EQ(flat, platform::ColorToRGB(platform::clBtnShadow));

    moveTo(grid, QPoint(face().Left + 1, face().Bottom + 3)); // in the cell, beside the button
    EXPECT_EQ(grid.HoverButton().X, -1);
    EXPECT_EQ(leftEdge(), flat);

    moveTo(grid, centre(face()));
    EXPECT_EQ(grid.HoverButton(), (TGridCoord{1, 1}));
    EXPECT_EQ(leftEdge(), platform::ColorToRGB(platform::clBtnHighlight)) << "hot: a raised edge";

    moveTo(grid, centre(grid.CellRect(2, 2)));
    EXPECT_EQ(grid.HoverButton().X, -1);
    EXPECT_EQ(leftEdge(), flat);

    moveTo(grid, centre(face()));
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&grid, &leave);
    EXPECT_EQ(grid.HoverButton().X, -1) << "leaving the grid";
    EXPECT_EQ(leftEdge(), flat);
}

TEST_F(HotButtonsTest, APressedButtonStaysDownAndTonesTakeTheirHoverColour)
{
    moveTo(grid, centre(face()));
    button->FCellBoolean = true;
    EXPECT_EQ(leftEdge(), platform::ColorToRGB(platform::clBtnShadow)) << "down wins over hot";
    button->FCellBoolean = false;

    grid.Appearance().Flat = true;
    grid.Appearance().Tones.Background.BrushColor = 0xEEEEEE;
    grid.Appearance().Tones.Hover.BrushColor = 0x00C0FF;
    grid.Appearance().Tones.Hover.BorderColor = 0x0080FF;
    EXPECT_EQ(at(paint(), face().Left + 5, face().Top + 5), TColor(0x00C0FF));
}

} // namespace
