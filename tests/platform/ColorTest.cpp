#include "platform/Color.h"

#include <gtest/gtest.h>

using namespace platform;

TEST(Color, ValuesKeepTheWindowsLayout)
{
    EXPECT_EQ(RGB(248, 247, 237), 0xEDF7F8);
    EXPECT_EQ(GetRValue(0x123456), 0x56);
    EXPECT_EQ(GetGValue(0x123456), 0x34);
    EXPECT_EQ(GetBValue(0x123456), 0x12);
    EXPECT_EQ(colorBits(clNone), 0x1FFFFFFFu);
    EXPECT_EQ(colorBits(clDefault), 0x20000000u);
    EXPECT_EQ(colorBits(clBtnFace), 0xFF00000Fu);
    EXPECT_EQ(colorBits(clHighlight), 0xFF00000Du);
    EXPECT_EQ(colorBits(clInfoBk), 0xFF000018u);
    EXPECT_EQ(clBtnFace, -16777201) << "stored as the signed value Windows writes";
}

TEST(Color, SystemColoursResolveThroughTheTableOthersStay)
{
    EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
    EXPECT_EQ(ColorToRGB(clWindow), clWhite);
    EXPECT_EQ(ColorToRGB(clWindowText), clBlack);
    EXPECT_EQ(ColorToRGB(clHighlight), RGB(51, 153, 255));
    EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(160, 160, 160));
    EXPECT_EQ(ColorToRGB(clGray), clGray);
    EXPECT_EQ(ColorToRGB(clNone), clNone);
    EXPECT_EQ(ColorToRGB(clDefault), clDefault);
    EXPECT_EQ(ColorToRGB(systemColor(200)), clBlack) << "an index outside the table";
}
