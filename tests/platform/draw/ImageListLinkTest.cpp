#include "platform/draw/ImageList.h"

#include <gtest/gtest.h>

#include <QPixmap>

#include <memory>

using namespace platform;

namespace {

QPixmap square()
{
    QPixmap p(16, 16);
    p.fill(Qt::red);
    return p;
}

TEST(ImageListLinkTest, EveryChangeOfThePicturesIsTold)
{
    TImageList list;
    TChangeLink link;
    int told = 0;
    link.OnChange = [&told] { ++told; };
    list.RegisterChanges(link);
    EXPECT_EQ(link.Sender(), &list);
    list.Add(square());
    list.Add(square());
    list.Overlay(1, 0);
    list.Delete(0);
    list.Clear();
    EXPECT_EQ(told, 5);
    // Looks used while drawing are no change of the pictures.
    list.setBlendColor(clRed);
    list.setBkColor(clBlue);
    EXPECT_EQ(told, 5);
    list.UnRegisterChanges(link);
    list.Add(square());
    EXPECT_EQ(told, 5);
    EXPECT_EQ(link.Sender(), nullptr);
}

TEST(ImageListLinkTest, AListThatGoesTellsItsLinksAndACopyHasNone)
{
    auto list = std::make_unique<TImageList>();
    TChangeLink link;
    bool freed = false;
    link.OnFree = [&] { freed = link.Sender() == nullptr; };
    list->RegisterChanges(link);
    int told = 0;
    link.OnChange = [&told] { ++told; };
    TImageList copy(*list);
    copy.Add(square());
    EXPECT_EQ(told, 0);
    list.reset();
    EXPECT_TRUE(freed);
    // A link that dies first leaves its list.
    TImageList other;
    {
        TChangeLink shortLived;
        other.RegisterChanges(shortLived);
    }
    other.Add(square());
}

} // namespace
