#include "controls/dropdown/core/ColorPanelsLayout.h"
#include "controls/dropdown/core/ColorTexts.h"
#include "controls/dropdown/core/FolderImages.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace controls;
using namespace platform;

namespace {

std::vector<TItemPos> positions(const std::vector<TColorBoxSpec> &boxes)
{
    std::vector<TItemPos> result;
    for (const TColorBoxSpec &box : boxes)
        result.push_back(box.Pos);
    return result;
}

TEST(ColorTexts, WritesAColourInEveryFormat)
{
    struct Case {
        TColor color;
        TColorValueText format;
        QString text;
    };
    const Case cases[] = {
        {0x123456, cvtHex, QStringLiteral("123456")},
        {0x123456, cvtHTML, QStringLiteral("#563412")},
        {0x0000FF, cvtHex, QStringLiteral("0000FF")},
        {0x0000FF, cvtRGB, QStringLiteral("Red:255,Green:0,Blue:0")},
        {0x0000FF, cvtHTML, QStringLiteral("#FF0000")},
        {0x0000FF, cvtWebName, QStringLiteral("red")},
        {0x123456, cvtWebName, QStringLiteral("#563412")},
        {0x0000FF, cvtNone, QString()},
        // No colour has no text, whatever the format.
        {clNone, cvtHex, QString()},
        {clNone, cvtRGB, QString()},
        {clNone, cvtWebName, QString()},
    };
    for (const Case &c : cases)
        EXPECT_EQ(colorValueText(c.color, c.format), c.text) << std::hex << c.color << " " << int(c.format);
}

TEST(ColorTexts, SixteenDefaultColoursWithRedTenth)
{
    const auto colors = defaultColors();
    ASSERT_EQ(colors.size(), 16u);
    EXPECT_STREQ(colors[9].Caption, "Red");
    EXPECT_EQ(colors[9].Color, 0x0000FF);
    EXPECT_STREQ(colors[4].Caption, "Navy");
    EXPECT_EQ(colors[4].Color, 0x800000);
}

TEST(ColorBoxPalette, DefaultPaletteIs165By84WithTheStandaloneRowApart)
{
    const auto boxes = defaultColorBoxes();
    ASSERT_EQ(boxes.size(), 60u);
    EXPECT_EQ(boxes[1].Color, 0x000000);
    EXPECT_EQ(boxes[3].Color, RGB(0x1F, 0x49, 0x7D));
    EXPECT_EQ(boxes[11].Color, RGB(0x7F, 0x7F, 0x7F));
    EXPECT_EQ(boxes[0].Pos, ipStandAlone);
    EXPECT_EQ(boxes[10].Pos, ipTop);
    EXPECT_EQ(boxes[30].Pos, ipMiddle);
    EXPECT_EQ(boxes[59].Pos, ipBottom);
    const TColorBoxArrangement arranged = arrangeColorBoxes(positions(boxes), 10, 4, {12, 12});
    EXPECT_EQ(arranged.panel, QSize(165, 84));
    EXPECT_EQ(arranged.boxes[0], QRect(4, 4, 12, 12));
    EXPECT_EQ(arranged.boxes[1], QRect(20, 4, 12, 12));
    // The standalone row stands 4 pixels above the joined shade rows.
    EXPECT_EQ(arranged.boxes[10].top(), 4 + 12 + 4);
    EXPECT_EQ(arranged.boxes[20].top(), arranged.boxes[10].top() + 12);
    EXPECT_EQ(arrangeColorBoxes({}, 10, 4, {12, 12}).panel, QSize(100, 50));
}

TEST(ColorBoxPalette, KeysMoveByRowsWhenOpenAndByOneWhenClosed)
{
    struct Case {
        int key, current;
        bool editorEnabled, droppedDown;
        int target;
    };
    const Case cases[] = {
        {Qt::Key_Up, 2, false, true, -1},     {Qt::Key_Down, 2, false, true, 12},
        {Qt::Key_Down, 55, false, true, -1},  {Qt::Key_Up, -1, false, true, 0},
        {Qt::Key_Up, 2, false, false, 1},     {Qt::Key_Down, 59, false, false, -1},
        {Qt::Key_Left, 0, false, true, -1},   {Qt::Key_Left, 5, true, false, -1},
        {Qt::Key_Right, 5, true, true, 6},    {Qt::Key_Right, -1, false, false, 0},
        {Qt::Key_Home, 30, true, false, 0},   {Qt::Key_PageDown, 3, true, false, 59},
        {Qt::Key_A, 3, false, true, -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(colorBoxKeyTarget(c.key, c.current, 60, 10, c.editorEnabled, c.droppedDown), c.target)
            << c.key << " from " << c.current;
    EXPECT_EQ(colorBoxKeyTarget(Qt::Key_Home, -1, 0, 10, false, true), -1);
}

TEST(ColorCube, CellsLieWhereTheHoneycombPutsThem)
{
    EXPECT_EQ(cubeCellAtPos({55, 20}), 1);
    EXPECT_EQ(cubeCellAtPos({19, 80}), 58);
    EXPECT_EQ(cubeCellAtPos({55, 140}), 121);
    EXPECT_EQ(cubeCellAtPos({91, 80}), 64);
    EXPECT_EQ(cubeCells()[64].Color, clWhite);
    EXPECT_EQ(cubeCells()[127].Color, RGB(0xA5, 0x00, 0x21));
    EXPECT_EQ(cubeCells()[127].X, 127);
    // Between two cells of a row and between rows: more than 6 pixels
    // from every centre.
    EXPECT_EQ(cubeCellAtPos({61, 15}), -1);
    EXPECT_EQ(cubeCellAtPos({0, 0}), -1);
    EXPECT_EQ(cubeCellOfColor(clWhite), 64);
    EXPECT_EQ(cubeCellOfColor(0x123456), -1);
    EXPECT_EQ(rgbHint(0x0000FF), QStringLiteral("Red: 255,  Green: 0,  Blue: 0"));
}

TEST(FolderImages, TakesFilesOnlyInNameOrderWithoutRegardToCase)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir folder(dir.path());
    for (const char *name : {"b.PNG", "a.png", "C.png", "notes.txt"}) {
        QFile file(folder.filePath(QString::fromLatin1(name)));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("x");
    }
    ASSERT_TRUE(folder.mkdir(QStringLiteral("d.png")));
    const QStringList files = folderImageFiles(folder.filePath(QStringLiteral("*.png")));
    ASSERT_EQ(files.size(), 3);
    EXPECT_EQ(files[0], folder.filePath(QStringLiteral("a.png")));
    EXPECT_EQ(files[1], folder.filePath(QStringLiteral("b.PNG")));
    EXPECT_EQ(files[2], folder.filePath(QStringLiteral("C.png")));
    // Every entry but the directories, "." and ".." included.
    EXPECT_EQ(folderImageFiles(folder.filePath(QStringLiteral("*"))).size(), 4);
    EXPECT_TRUE(folderImageFiles(folder.filePath(QStringLiteral("missing/*.png"))).isEmpty());
}

} // namespace
