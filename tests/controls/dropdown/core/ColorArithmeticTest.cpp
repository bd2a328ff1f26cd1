#include "controls/dropdown/core/ColorArithmetic.h"

#include <gtest/gtest.h>

using namespace controls;
using platform::RGB;
using platform::TColor;

namespace {

TEST(MixColors, GivesEitherColourAtTheEndsAndRoundsHalvesToEven)
{
    struct Case {
        int percent;
        TColor mixed;
    };
    const Case cases[] = {
        {100, platform::clRed}, {250, platform::clRed}, {0, platform::clBlue}, {-5, platform::clBlue},
        // 127.5 goes to 128 on both channels.
        {50, 0x800080},
        // 0.2 * 255 = 51 of red, 0.8 * 255 = 204 of blue.
        {20, RGB(51, 0, 204)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(MixColors(platform::clRed, platform::clBlue, c.percent), c.mixed) << c.percent;
}

TEST(MixColors, KeepsTheMarkersAtTheEndsAndResolvesSystemColours)
{
    // Only a true mix computes: the ends give the colours as they are.
    EXPECT_EQ(MixColors(platform::clNone, platform::clWhite, 100), platform::clNone);
    EXPECT_EQ(MixColors(platform::clWhite, platform::clBtnFace, 0), platform::clBtnFace);
    const TColor face = platform::ColorToRGB(platform::clBtnFace);
    EXPECT_EQ(MixColors(platform::clBtnFace, face, 50), face);
}

TEST(ScaleColorChannels, DarkensLitChannelsAndLiftsDarkOnes)
{
    struct Case {
        TColor color;
        int r, g, b;
        TColor scaled;
    };
    const Case cases[] = {
        // A tenth off red (0xE1, 202.5 to the even 202) and green (0xF0),
        // blue kept.
        {0xF5F0E1, -10, -10, 0, RGB(202, 216, 0xF5)},
        {RGB(235, 10, 10), -10, -10, 0, RGB(212, 9, 10)},
        // A positive percent never raises a lit channel.
        {RGB(100, 100, 100), 30, 0, 200, RGB(100, 100, 100)},
        // A dark channel becomes the percent itself, never below 0.
        {RGB(0, 0, 0), 30, -20, 0, RGB(30, 0, 0)},
        // Down to nothing and beyond.
        {RGB(200, 200, 200), -100, -150, -50, RGB(0, 0, 100)},
    };
    for (const Case &c : cases)
        EXPECT_EQ(ScaleColorChannels(c.color, c.r, c.g, c.b), c.scaled) << std::hex << c.color;
}

TEST(FoldCase, UpperCasesUnlessCaseSensitive)
{
    EXPECT_EQ(FoldCase(QStringLiteral("Wärme mbar"), false), QStringLiteral("WÄRME MBAR"));
    EXPECT_EQ(FoldCase(QStringLiteral("Wärme mbar"), true), QStringLiteral("Wärme mbar"));
    EXPECT_EQ(FoldCase(QString(), false), QString());
}

} // namespace
