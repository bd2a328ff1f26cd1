#include "GridFixture.h"

#include "controls/grid/base/paint/FilePicture.h"

#include <QIcon>
#include <QImage>
#include <gtest/gtest.h>

using namespace controls;

namespace {

TEST(StringGridGraphics, AnAddOverACreatedPayloadFreesIt)
{
    TExStringGrid grid;
    QImage *created = grid.CreateBitmap(1, 1, false, haLeft, vaTop);
    ASSERT_NE(created, nullptr);
    const std::weak_ptr<void> life = grid.GetCellGraphic(1, 1)->ownedPayload();
    EXPECT_FALSE(life.expired());
    QIcon icon;
    grid.AddIcon(1, 1, &icon, haLeft, vaTop);
    EXPECT_TRUE(life.expired());
    EXPECT_EQ(grid.GetCellType(1, 1), ctIcon);
    EXPECT_EQ(grid.GetBitmap(1, 1), nullptr);
    // A caller's payload stays the caller's.
    QImage mine(4, 4, QImage::Format_RGB32);
    grid.AddBitmap(2, 2, &mine, true, haLeft, vaTop);
    EXPECT_EQ(grid.GetBitmap(2, 2), &mine);
    EXPECT_TRUE(grid.RemoveBitmap(2, 2));
    EXPECT_EQ(mine.width(), 4);
}


} // namespace

namespace {

TEST(StringGridGraphics, AddingKeepsTheCellTextEmptyOrNot)
{
    TExStringGrid grid;
    grid.setCells(1, 2, QStringLiteral("text"));
    QImage bmp;
    grid.AddBitmap(1, 2, &bmp, false, haLeft, vaTop);
    grid.AddBitmap(1, 3, &bmp, false, haLeft, vaTop);
    EXPECT_EQ(grid.Cells(1, 2), QStringLiteral("text"));
    EXPECT_TRUE(grid.Cells(1, 3).isEmpty());
    QIcon icon;
    grid.AddIcon(1, 3, &icon, haLeft, vaTop);
    EXPECT_FALSE(grid.RemoveBitmap(1, 3)); // an icon is no bitmap
    EXPECT_EQ(grid.GetCellType(1, 3), ctIcon);
}

TEST(StringGridGraphics, TheSharedRowCheckBoxIsNeverACellsToFree)
{
    TExStringGrid grid;
    grid.MouseActions().setHotmailRowSelect(true);
    TCellGraphic *shared = grid.GetCellGraphic(0, 3);
    ASSERT_NE(shared, nullptr);
    EXPECT_EQ(shared, grid.SharedRowCheckGraphic());
    EXPECT_EQ(grid.GetCellType(0, 3), ctRowCheckBox);
    EXPECT_FALSE(grid.RemoveCellGraphic(0, 3));
    EXPECT_EQ(grid.GetCellGraphic(0, 3), shared);
    EXPECT_EQ(shared->FCellType, ctRowCheckBox);
    // Its state is the row's selection.
    grid.MouseActions().setDisjunctRowSelect(true);
    EXPECT_TRUE(grid.ClickCellCheckBox(0, 3, false));
    EXPECT_TRUE(grid.RowSelect(3));
    EXPECT_TRUE(grid.GetCellGraphic(0, 3)->FCellBoolean);
}

TEST(StringGridGraphics, KindsAnswerEmptyForNothingAndNegativeIndexes)
{
    TExStringGrid grid;
    EXPECT_EQ(grid.GetCellType(1, 1), ctEmpty);
    EXPECT_EQ(grid.GetCellType(-1, 1), ctEmpty);
    EXPECT_FALSE(grid.HasCheckBox(-1, -1));
    grid.AttachNewCellGraphic(2, 2);
    EXPECT_EQ(grid.GetCellType(2, 2), ctNone);
}

TEST(StringGridGraphics, AnglesComeIntoZeroTo360)
{
    struct Case {
        int angle;
        int stored;
    };
    const Case cases[] = {{-30, 330}, {720, 360}, {360, 360}, {0, 0}, {370, 10}, {-360, 0}, {-1000000, 80}};
    for (const Case &c : cases) {
        TCellGraphic g;
        g.SetAngle(c.angle);
        EXPECT_EQ(g.FCellAngle, c.stored) << c.angle;
        EXPECT_EQ(g.FCellType, ctRotated);
    }
    TExStringGrid grid;
    grid.AddRotated(1, 1, -30, QStringLiteral("up"));
    int angle = 0;
    EXPECT_TRUE(grid.IsRotated(1, 1, angle));
    EXPECT_EQ(angle, 330);
    EXPECT_EQ(grid.Cells(1, 1), QStringLiteral("up"));
}

TEST(StringGridGraphics, ImageListKindsNeedTheImages)
{
    TExStringGrid grid;
    QImage bmp;
    grid.AddBitmap(1, 1, &bmp, false, haLeft, vaTop);
    grid.AddImageIdx(1, 1, 3, haLeft, vaTop);
    EXPECT_EQ(grid.GetCellType(1, 1), ctBitmap);
    int images = 0;
    grid.setGridImages(&images);
    grid.AddImageIdx(1, 1, 3, haLeft, vaTop);
    int idx = -1;
    EXPECT_TRUE(grid.GetImageIdx(1, 1, idx));
    EXPECT_EQ(idx, 3);
    grid.AddDataImage(2, 2, 4, haLeft, vaTop);
    EXPECT_EQ(grid.Cells(2, 2), QStringLiteral("4"));
    grid.RemoveDataImage(2, 2);
    EXPECT_TRUE(grid.Cells(2, 2).isEmpty());
    grid.AddMultiImage(3, 3, 0, haLeft, vaTop);
    ASSERT_NE(grid.CellImages(3, 3), nullptr);
    grid.CellImages(3, 3)->Add(7);
}

TEST(StringGridGraphics, RadioGroupsOwnOnlyWhatTheyCreate)
{
    TExStringGrid grid;
    QStringList options{"a", "b", "c"};
    grid.AddRadio(1, 1, 0, 2, &options);
    EXPECT_EQ(grid.GetRadioStrings(1, 1), &options);
    int idx = -1;
    EXPECT_TRUE(grid.GetRadioIdx(1, 1, idx));
    EXPECT_EQ(idx, 2);
    QStringList *own = grid.CreateRadio(1, 1, 1, -1);
    own->append(QStringLiteral("x"));
    EXPECT_EQ(options.size(), 3);
    const std::weak_ptr<void> life = grid.GetCellGraphic(1, 1)->ownedPayload();
    grid.setCells(1, 1, QStringLiteral("x"));
    EXPECT_TRUE(grid.SetRadioIdx(1, 1, -1));
    EXPECT_TRUE(grid.Cells(1, 1).isEmpty());
    EXPECT_TRUE(grid.RemoveRadio(1, 1));
    EXPECT_TRUE(life.expired());
}

} // namespace

namespace {

TEST(StringGridGraphics, PicturesMeasureByTheirStretchMode)
{
    TExStringGrid grid;
    QImage *picture = grid.CreatePicture(1, 1, false, StretchWithAspectRatio, 0, haLeft, vaTop);
    *picture = QImage(100, 50, QImage::Format_RGB32);
    EXPECT_EQ(grid.GetCellGraphic(1, 1)->GetPictureSize(60, 60, false), QSize(60, 30));
    EXPECT_EQ(grid.GetPicture(1, 1), picture);
    TFilePicture *file = grid.CreateFilePicture(2, 2, false, Stretch, 10, haLeft, vaTop);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(grid.GetFilePicture(2, 2), file);
    EXPECT_EQ(grid.GetCellGraphic(2, 2)->GetPictureSize(60, 50, false), QSize(50, 40));
    QImage bmp;
    grid.AddBitmap(3, 3, &bmp, false, haLeft, vaTop);
    EXPECT_EQ(grid.GetCellGraphic(3, 3)->GetPictureSize(60, 60, false), QSize());
}

} // namespace
