#include "platform/ui/QtColor.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(QtColor, ConversionToQtAndBack)
{
    EXPECT_EQ(toQColor(clRed), QColor(255, 0, 0));
    EXPECT_EQ(toQColor(RGB(248, 247, 237)), QColor(248, 247, 237));
    EXPECT_EQ(toQColor(clInfoBk), QColor(255, 255, 225));
    EXPECT_EQ(toQColor(clNone).alpha(), 0);
    EXPECT_EQ(toQColor(clDefault).alpha(), 0);
    EXPECT_EQ(fromQColor(QColor(1, 2, 3)), RGB(1, 2, 3));
    EXPECT_EQ(fromQColor(QColor(0, 0, 255, 10)), clBlue);
}
