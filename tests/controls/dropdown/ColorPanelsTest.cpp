#include "controls/dropdown/ColorPanels.h"

#include "controls/grid/base/editors/EditorEvents.h"

#include <QApplication>

#include <gtest/gtest.h>

using namespace controls;
using namespace platform;
using editortest::pixel;
using editortest::shot;

namespace {

TEST(ColorPalette, JoinsTheShadeColumnsAndKeepsTheFirstRowApart)
{
    TCustomColorSelector palette(nullptr);
    palette.AddDefaultColorBoxes();
    EXPECT_EQ(palette.size(), QSize(165, 84));
    const QImage image = shot(palette);
    const QRect first = palette.ItemRect(0);
    const QRect top = palette.ItemRect(10);
    const QRect middle = palette.ItemRect(20);
    EXPECT_EQ(top.top(), first.bottom() + 1 + 4);
    // The standalone box is framed all round, 4 pixels of ground below it.
    EXPECT_EQ(pixel(image, first.left() + 5, first.bottom() + 1), 0xC5C5C5);
    EXPECT_EQ(pixel(image, first.left() + 5, first.bottom() + 3), clWhite);
    // The shade boxes join: side lines, no line between them.
    EXPECT_EQ(pixel(image, top.left(), top.top() + 5), 0xC5C5C5);
    EXPECT_EQ(pixel(image, top.left() + 5, top.top()), 0xC5C5C5);
    EXPECT_EQ(pixel(image, middle.left() + 5, middle.top()), palette.Items()[20].Color);
    EXPECT_EQ(pixel(image, middle.left(), middle.top() + 5), 0xC5C5C5);
    EXPECT_EQ(pixel(image, middle.right() + 1, middle.top() + 5), 0xC5C5C5);
}

TEST(ColorPalette, AColourTwoBoxesShareSelectsTheFirst)
{
    TCustomColorSelector palette(nullptr);
    palette.AddDefaultColorBoxes();
    int events = 0;
    palette.OnItemSelect = [&](QObject *) { ++events; };
    palette.setSelectedColor(RGB(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(palette.ItemIndex(), 11);
    EXPECT_EQ(events, 1);
    palette.setSelectedColor(0x123456);
    EXPECT_EQ(palette.ItemIndex(), -1);
    palette.setItemIndex(60);
    EXPECT_EQ(palette.ItemIndex(), -1);
    // The selected box wears the red and yellow double frame.
    palette.setItemIndex(2);
    const QImage image = shot(palette);
    const QRect r = palette.ItemRect(2);
    EXPECT_EQ(pixel(image, r.left(), r.top() + 5), 0x0000FF);
    EXPECT_EQ(pixel(image, r.left() + 1, r.top() + 5), 0x94E2FF);
}

TEST(ColorCube, PaintsTheHoneycombAndOutlinesTheHotCell)
{
    TExColorCubePanel cube(nullptr);
    EXPECT_EQ(cube.size(), QSize(182, 160));
    EXPECT_EQ(cube.CellAtPos({55, 20}), 1);
    QImage image = shot(cube);
    EXPECT_EQ(pixel(image, 91, 80), clWhite);
    EXPECT_EQ(pixel(image, 55, 20), RGB(0x00, 0x33, 0x66));
    EXPECT_EQ(pixel(image, 55, 140), RGB(0x66, 0x33, 0x00));
    editortest::moveTo(cube, {55, 20});
    EXPECT_EQ(cube.HotIndex(), 1);
    EXPECT_EQ(cube.toolTip(), QStringLiteral("Red: 0,  Green: 51,  Blue: 102"));
    image = shot(cube);
    // The red outline of (X - 1, Y): its left corner column.
    EXPECT_EQ(pixel(image, 50, 20), 0x0000FF);
    // Off every cell the hot cell stays and the hint empties.
    editortest::moveTo(cube, {0, 0});
    EXPECT_EQ(cube.HotIndex(), 1);
    EXPECT_EQ(cube.toolTip(), QString());
}

TEST(ColorCube, AClickBetweenCellsChangesNothing)
{
    TExColorCubePanel cube(nullptr);
    int selects = 0;
    cube.OnSelect = [&](QObject *) { ++selects; };
    cube.setSelectedColor(0x123456);
    EXPECT_EQ(cube.SelectedIndex(), -1);
    editortest::press(cube, {61, 15});
    EXPECT_EQ(selects, 0);
    EXPECT_EQ(cube.SelectedColor(), 0x123456);
    editortest::press(cube, {19, 80});
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(cube.SelectedIndex(), 58);
    EXPECT_EQ(cube.SelectedColor(), RGB(0x00, 0x33, 0x00));
}

TEST(ColorSpectrum, PicksThePictureColoursIntoItsSwatches)
{
    TExColorSpectrumPanel spectrum(nullptr);
    EXPECT_EQ(spectrum.size(), QSize(150, 174));
    EXPECT_EQ(spectrum.Picture()->geometry(), QRect(11, 10, 128, 128));
    EXPECT_EQ(spectrum.SelectedRect(), QRect(QPoint(10, 146), QPoint(72, 165)));
    EXPECT_EQ(spectrum.HotRect(), QRect(QPoint(77, 146), QPoint(139, 165)));
    QWidget &picture = *spectrum.Picture();
    editortest::moveTo(picture, {5, 0});
    const TColor top = spectrum.HotColor();
    EXPECT_GT(GetRValue(top) + GetGValue(top) + GetBValue(top), 3 * 230);
    editortest::moveTo(picture, {0, 64});
    const TColor middle = spectrum.HotColor();
    EXPECT_GT(GetRValue(middle), 200);
    EXPECT_LT(GetBValue(middle), 60);
    int selects = 0;
    spectrum.OnSelect = [&](QObject *) { ++selects; };
    editortest::press(picture, {0, 64});
    EXPECT_EQ(selects, 1);
    EXPECT_EQ(spectrum.SelectedColor(), middle);
    const QImage image = shot(spectrum);
    EXPECT_EQ(pixel(image, 30, 155), middle);
    EXPECT_EQ(pixel(image, 100, 155), middle);
    // Frames: white, then grey, round the picture; grey round the swatches.
    EXPECT_EQ(pixel(image, 10, 50), clWhite);
    EXPECT_EQ(pixel(image, 9, 50), 0x808080);
    EXPECT_EQ(pixel(image, 9, 155), 0x808080);
}

} // namespace
