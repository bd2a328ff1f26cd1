#include "platform/draw/Pixels.h"

#include "controls/grid/base/paint/FilePicture.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace controls;
using namespace platform;
using namespace drawtest;

TEST(FilePicture, KnowsItsSizeAndReadsTheFileOnlyToDraw)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("dot.png");
    QImage red(4, 2, QImage::Format_RGB32);
    red.fill(Qt::red);
    ASSERT_TRUE(red.save(path));

    TFilePicture picture;
    ASSERT_TRUE(picture.setFilename(path).ok);
    EXPECT_EQ(picture.Width(), 4);
    EXPECT_EQ(picture.Height(), 2);

    QImage image = whiteImage(10, 6);
    TCanvas canvas(&image);
    picture.DrawPicture(canvas, Rect(1, 1, 9, 5));
    EXPECT_EQ(drawtest::picture(image), rows("..........", ".rrrrrrrr.", ".rrrrrrrr.", ".rrrrrrrr.", ".rrrrrrrr.",
                                             ".........."))
        << "stretched into the rectangle";

    ASSERT_TRUE(QFile::remove(path));
    TFilePicture copy;
    copy.Assign(picture);
    EXPECT_EQ(copy.Filename(), path);
    EXPECT_EQ(copy.Width(), 4) << "assigned, not read";
    QImage untouched = whiteImage(10, 6);
    TCanvas other(&untouched);
    copy.DrawPicture(other, Rect(0, 0, 10, 6));
    EXPECT_EQ(untouched, whiteImage(10, 6)) << "a file gone draws nothing";
}

TEST(FilePicture, NoFileOrNoPictureDrawsNothingAndSaysWhy)
{
    QTemporaryDir dir;
    const QString text = dir.filePath("notes.png");
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("not a picture");
    file.close();
    for (const QString &name : {text, dir.filePath("missing.png")}) {
        TFilePicture picture;
        const TPictureLoadResult result = picture.setFilename(name);
        EXPECT_FALSE(result.ok);
        EXPECT_FALSE(result.message.isEmpty());
        EXPECT_EQ(picture.Width(), 0);
        EXPECT_EQ(picture.Filename(), name);
    }
    TFilePicture empty;
    QImage image = whiteImage(4, 4);
    TCanvas canvas(&image);
    empty.DrawPicture(canvas, Rect(0, 0, 4, 4));
    EXPECT_EQ(image, whiteImage(4, 4));
}
