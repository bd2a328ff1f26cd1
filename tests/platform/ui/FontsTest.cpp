#include "platform/ui/Fonts.h"

#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

TEST(Fonts, PointsAtNinetySixDpiRoundLikeWindows)
{
    const struct {
        int points;
        int pixels;
    } cases[] = {{8, 11}, {9, 12}, {10, 13}, {11, 15}, {12, 16}, {14, 19}, {20, 27}, {0, 0}, {-8, -11}};
    for (const auto &c : cases)
        EXPECT_EQ(platform::pointsToPixels(c.points), c.pixels) << c.points << " pt";
}

TEST(Fonts, WindowsFamiliesMapToMetricCompatibleOnes)
{
    const struct {
        const char *windows;
        const char *installed;
    } cases[] = {
        {"Verdana", "DejaVu Sans"},        {"Tahoma", "DejaVu Sans"},
        {"MS Sans Serif", "DejaVu Sans"},  {"Segoe UI", "DejaVu Sans"},
        {"segoe ui", "DejaVu Sans"},       {"Arial", "Liberation Sans"},
        {"Courier New", "Liberation Mono"}, {"Times New Roman", "Liberation Serif"},
        {"DejaVu Sans Mono", "DejaVu Sans Mono"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(platform::mapFontFamily(QString::fromLatin1(c.windows)), QString::fromLatin1(c.installed))
            << c.windows;
}

TEST(Fonts, FontIsPixelSizedAndResolvesToTheInstalledFamily)
{
    const QFont font = platform::makeFont(QStringLiteral("Verdana"), 8, {.bold = true});
    EXPECT_EQ(font.pixelSize(), 11);
    EXPECT_TRUE(font.bold());
    EXPECT_EQ(QFontInfo(font).family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(QFontInfo(platform::makeFont(QStringLiteral("Courier New"), 10)).family(),
              QStringLiteral("Liberation Mono"));
    EXPECT_EQ(platform::defaultFormFont().pixelSize(), 11);
}
