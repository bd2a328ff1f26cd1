#include "controls/dropdown/DropDownForm.h"
#include "controls/dropdown/ImagePickerDropDown.h"

#include "controls/grid/base/editors/EditorEvents.h"
#include "support/ManualIntervalTimer.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

using namespace controls;
using namespace platform;
using editortest::key;
using editortest::pixel;
using editortest::settle;

namespace {

QImage solid(QSize size, QColor color)
{
    QImage image(size, QImage::Format_ARGB32);
    image.fill(color);
    return image;
}

struct ImageWindow {
    QWidget window;
    TImageList images{16, 16};
    TExImagePickerDropDown *picker = TExCustomDropDown::create<TExImagePickerDropDown>(
        &window, std::unique_ptr<IntervalTimer>(new testsupport::ManualIntervalTimer));
    QStringList events;

    explicit ImageWindow(int count = 0)
    {
        for (int i = 0; i < count; ++i)
            images.Add(QPixmap::fromImage(solid({16, 16}, QColor::fromHsv(i * 25 % 360, 255, 200))));
        picker->setImages(&images);
        picker->AddImagesFromImageList();
        picker->OnSelect = [this](QObject *) { events << QStringLiteral("select %1").arg(picker->ItemIndex()); };
        picker->OnChange = [this](QObject *) { events << QStringLiteral("change %1").arg(picker->ItemIndex()); };
        window.resize(400, 300);
        picker->move(50, 40);
        window.show();
        window.activateWindow();
        picker->setFocus();
        settle();
    }
    void open()
    {
        picker->ShowDropDown();
        settle();
    }
    void popupKey(int code, const QString &text = {}) { key(*picker->DropDownForm(), code, text); }
};

TEST(ImagePicker, ImageIndexIsMinusOneWithoutAChoice)
{
    ImageWindow w(3);
    EXPECT_EQ(w.picker->ImageIndex(), -1);
    w.picker->setImageIndex(2);
    EXPECT_EQ(w.picker->ItemIndex(), 2);
    EXPECT_EQ(w.events, QStringList({"change 2", "select 2"}));
    w.events.clear();
    w.picker->setImageIndex(7);
    EXPECT_EQ(w.picker->ItemIndex(), -1);
    EXPECT_EQ(w.events, QStringList({"change -1", "select -1"}));
    w.events.clear();
    w.picker->setItemIndex(-1);
    w.picker->setItemIndex(3);
    EXPECT_TRUE(w.events.isEmpty());
}

TEST(ImagePicker, AddsOneItemPerImageOfTheList)
{
    ImageWindow none;
    none.picker->setImages(nullptr);
    none.picker->AddImagesFromImageList();
    EXPECT_EQ(none.picker->Items().Count(), 0);
    ImageWindow three(3);
    ASSERT_EQ(three.picker->Items().Count(), 3);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(three.picker->Items().at(i).ImageIndex, i);
        EXPECT_TRUE(three.picker->Items().at(i).Caption.isEmpty());
    }
}

TEST(ImagePicker, UpAndDownMoveByRowsWithFourColumns)
{
    ImageWindow w(10);
    w.picker->setColumns(4);
    w.picker->setItemIndex(5);
    w.open();
    w.popupKey(Qt::Key_Up);
    EXPECT_EQ(w.picker->ItemIndex(), 1);
    w.popupKey(Qt::Key_Up);
    EXPECT_EQ(w.picker->ItemIndex(), 1);
    w.popupKey(Qt::Key_Down);
    w.popupKey(Qt::Key_Down);
    EXPECT_EQ(w.picker->ItemIndex(), 9);
    w.popupKey(Qt::Key_Down);
    EXPECT_EQ(w.picker->ItemIndex(), 9);
    w.popupKey(Qt::Key_Left);
    EXPECT_EQ(w.picker->ItemIndex(), 8);
    EXPECT_TRUE(w.picker->DroppedDown());
    // The popup is the grid: four items a row.
    const QRect first = w.picker->ItemSelector()->Panel()->ItemRect(0);
    EXPECT_EQ(w.picker->ItemSelector()->Panel()->ItemRect(4).top(), first.bottom() + 1);
    w.popupKey(Qt::Key_Escape);
    EXPECT_EQ(w.picker->ItemIndex(), 5);
}

TEST(ImagePicker, EnterOnTheClosedControlRaisesOnSelect)
{
    ImageWindow w(3);
    w.picker->setItemIndex(1);
    w.events.clear();
    key(*w.picker, Qt::Key_Return);
    EXPECT_EQ(w.events, QStringList({"select 1"}));
    EXPECT_EQ(w.picker->ItemIndex(), 1);
    EXPECT_FALSE(w.picker->DroppedDown());
}

TEST(ImagePicker, TheChosenImageShowsCentredInTheEdit)
{
    ImageWindow w;
    TImageItem item;
    item.Image = solid({10, 10}, Qt::red);
    // The lower-left pixel's colour is transparent.
    item.Image.setPixelColor(0, 9, Qt::blue);
    w.picker->Items().Add(item);
    auto *other = new QLineEdit(&w.window);
    other->move(50, 200);
    other->show();
    other->setFocus();
    settle();
    w.picker->setItemIndex(0);
    const QImage image = editortest::shot(*w.picker);
    const TRect r = w.picker->EditRect();
    const int left = r.Left + (r.Width() - 10) / 2;
    const int top = r.Top + (r.Height() - 10) / 2;
    EXPECT_EQ(pixel(image, left, top), 0x0000FF);
    EXPECT_EQ(pixel(image, left + 9, top + 9), 0x0000FF);
    EXPECT_NE(pixel(image, left - 1, top + 5), 0x0000FF);
    EXPECT_NE(pixel(image, left + 10, top + 5), 0x0000FF);
    EXPECT_NE(pixel(image, left, top + 9), 0xFF0000);
}

TEST(ImagePicker, FolderImportSkipsDirectoriesAndKeepsUnloadableFilesInStep)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QDir folder(dir.path());
    ASSERT_TRUE(solid({8, 8}, Qt::green).save(folder.filePath(QStringLiteral("b.PNG")), "PNG"));
    ASSERT_TRUE(solid({8, 8}, Qt::blue).save(folder.filePath(QStringLiteral("a.bmp")), "BMP"));
    {
        QFile broken(folder.filePath(QStringLiteral("c.png")));
        ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
        broken.write("\x89PNG not really");
    }
    ASSERT_TRUE(folder.mkdir(QStringLiteral("sub")));
    ImageWindow w;
    w.picker->AddImagesFromFolder(folder.filePath(QStringLiteral("*")), true);
    ASSERT_EQ(w.picker->Items().Count(), 3);
    EXPECT_EQ(w.picker->Items().at(0).Caption, QStringLiteral("a.bmp"));
    EXPECT_EQ(w.picker->Items().at(1).Caption, QStringLiteral("b.PNG"));
    EXPECT_EQ(w.picker->Items().at(1).Image.size(), QSize(8, 8));
    EXPECT_TRUE(w.picker->Items().at(2).Image.isNull());
    EXPECT_TRUE(w.picker->Items().at(2).Caption.isEmpty());
    w.picker->AddImagesFromFolder(folder.filePath(QStringLiteral("missing/*.png")), true);
    EXPECT_EQ(w.picker->Items().Count(), 3);
}

} // namespace
