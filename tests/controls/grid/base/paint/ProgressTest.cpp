#include "Painted.h"
#include "platform/draw/Pixels.h"

#include "controls/grid/base/paint/Progress.h"

#include <gtest/gtest.h>

#include <climits>

using namespace controls;
using namespace platform;
using namespace drawtest;

namespace {

TProgressAppearance plain()
{
    TProgressAppearance a;
    a.Level0Color = clRed;
    a.Level1Color = clYellow;
    a.Level2Color = clLime;
    a.Level3Color = clBlue;
    a.Level1Perc = 50;
    a.Level2Perc = 80;
    a.BorderColor = clBlack;
    a.ShowBorder = true;
    a.UnCompleteColor = clWhite;
    a.ShowGradient = false;
    a.ShowPercentage = false;
    return a;
}

QImage bar(int width, int height, int percent, const TProgressAppearance &a)
{
    QImage image = whiteImage(width, height);
    image.fill(Qt::gray);
    TCanvas canvas(&image);
    DrawCellProgress(canvas, Rect(0, 0, width, height), percent, a);
    return image;
}

} // namespace

TEST(CellProgress, AnEmptyBarIsItsOutline)
{
    for (const int percent : {0, -20}) {
        const QImage image = bar(6, 3, percent, plain());
        EXPECT_EQ(picture(image), rows("######", "#....#", "######")) << percent;
    }
    TProgressAppearance noBorder = plain();
    noBorder.ShowBorder = false;
    EXPECT_EQ(picture(bar(4, 3, 0, noBorder)), rows("....", "....", "....")) << "outlined in the empty colour";
}

TEST(CellProgress, StackedLevelsEndExactlyAtTheBarsEnd)
{
    TProgressAppearance a = plain();
    a.Stacked = true;
    // Length 20: level 0 up to 50 %, level 1 up to 80 %, then the last level to the end.
    for (const int percent : {100, 130})
        EXPECT_EQ(picture(bar(22, 3, percent, a), 0, 1, 22, 1), "#rrrrrrrrrryyyyyybbbb#\n") << percent;
    EXPECT_EQ(picture(bar(22, 3, 60, a), 0, 1, 22, 1), "#rrrrrrrrrryy........#\n");
    EXPECT_EQ(picture(bar(22, 3, 30, a), 0, 1, 22, 1), "#rrrrrr..............#\n");

    a.Vertical = true;
    const QImage up = bar(3, 12, 60, a);
    EXPECT_EQ(picture(up, 1, 0, 1, 12), rows("#", ".", ".", ".", ".", "y", "r", "r", "r", "r", "r", "#"))
        << "filled from the bottom";
}

TEST(CellProgress, OneSmoothAreaInTheColourOfTheLevelReached)
{
    TProgressAppearance a = plain();
    const struct {
        int percent;
        std::string row;
    } cases[] = {
        {10, "#rr..................#"}, {50, "#yyyyyyyyyy..........#"},
        {80, "#gggggggggggggggg....#"}, {100, "#bbbbbbbbbbbbbbbbbbbb#"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(picture(bar(22, 3, c.percent, a), 0, 1, 22, 1), c.row + "\n") << c.percent;
}

TEST(CellProgress, BlocksOfSevenWithGapsOfTwo)
{
    TProgressAppearance a = plain();
    a.CompletionSmooth = false;
    const struct {
        int percent;
        std::string row;
    } cases[] = {
        // Length 40; 20 pixels covered: two blocks, a rest of 2 makes none.
        {50, "#.yyyyyyy..yyyyyyy.......................#"},
        // 24 covered: two blocks and one of 6 - 1.
        {60, "#.yyyyyyy..yyyyyyy..yyyyy................#"},
        // 4 covered: one block of 4.
        {10, "#.rrrr...................................#"},
        {2, "#........................................#"},
    };
    for (const auto &c : cases) {
        const QImage image = bar(42, 6, c.percent, a);
        EXPECT_EQ(picture(image, 0, 2, 42, 1), c.row + "\n") << c.percent;
        EXPECT_EQ(picture(image, 0, 2, 42, 2), picture(image, 0, 2, 42, 1) + picture(image, 0, 3, 42, 1))
            << "blocks keep 2 pixels from the sides";
        EXPECT_EQ(colorAt(image, 3, 1), clWhite) << c.percent;
    }
}

TEST(CellProgress, GradientsRunAcrossTheBarInTwoHalves)
{
    TProgressAppearance a = plain();
    a.ShowGradient = true;
    a.Level0Color = clBlack;
    a.Level0ColorTo = clWhite;
    a.Steps = 4;
    const QImage image = bar(10, 10, 40, a);
    // Inside rows 1..8: the upper half white to black, the lower black to white.
    EXPECT_EQ(colorAt(image, 2, 1), clWhite);
    EXPECT_EQ(colorAt(image, 2, 4), clBlack);
    EXPECT_EQ(colorAt(image, 2, 5), clBlack);
    EXPECT_EQ(colorAt(image, 2, 8), clWhite);
}

TEST(CellProgress, ThePercentageIsWrittenInTheMiddle)
{
    TProgressAppearance a = plain();
    a.ShowPercentage = true;
    a.CompleteFontColor = clBlue;
    for (const bool vertical : {false, true}) {
        a.Vertical = vertical;
        const int width = vertical ? 20 : 60, height = vertical ? 60 : 20;
        const QImage image = bar(width, height, 0, a);
        const QRect text = painttest::paintedBounds(image, [](QRgb p) { return qBlue(p) > qRed(p) + 60; });
        ASSERT_FALSE(text.isEmpty()) << "text drawn, vertical " << vertical;
        const int left = text.left(), right = text.right(), top = text.top(), bottom = text.bottom();
        EXPECT_LE(std::abs(left + right - (width - 1)), 4) << "centred across: " << left << ".." << right;
        EXPECT_LE(std::abs(top + bottom - (height - 1)), 4) << "centred along: " << top << ".." << bottom;
        EXPECT_EQ(bottom - top > right - left, vertical) << "runs along the bar";
    }
    QImage image = whiteImage(10, 10);
    TCanvas canvas(&image);
    canvas.Font().setName("Verdana");
    a.Vertical = true;
    DrawCellProgress(canvas, Rect(0, 0, 10, 10), 50, a);
    EXPECT_EQ(canvas.Font().Name(), "Verdana") << "the canvas keeps its font";
    EXPECT_EQ(canvas.Font().Orientation(), 0);
}

TEST(RangeProgress, TextAndPercentage)
{
    const struct {
        const char *format;
        double position, minimum, maximum;
        const char *text;
        int percent;
    } cases[] = {
        {"", 42.6, 0, 0, "43%", 43},
        {"", 42.5, 0, 0, "42%", 42},
        {"", 150, 0, 0, "150%", 100},
        {"", -5, 0, 0, "-5%", 0},
        {"%d items", 42.6, 0, 200, "43 items", 21},
        {"%.1f V", 3.26, 2, 4, "3.3 V", 63},
        {"%.1f V", 3.26, 4, 4, "3.3 V", 0},
        {"%.0f", 900, 0, 10, "900", 100},
        {"%s", 1, 0, 10, "", 10},
    };
    for (const auto &c : cases) {
        TRangeProgress p;
        p.Format = c.format;
        p.Position = c.position;
        p.Minimum = c.minimum;
        p.Maximum = c.maximum;
        const TRangeProgressText shown = rangeProgressText(p);
        EXPECT_EQ(shown.text, c.text) << c.format << " " << c.position;
        EXPECT_EQ(shown.percent, c.percent) << c.format << " " << c.position;
    }
}

TEST(RangeProgress, FilledPartBorderAndTheFormerBrushAround)
{
    QImage image = whiteImage(20, 6);
    TCanvas canvas(&image);
    canvas.Brush().setColor(clGray);
    TRangeProgress p;
    p.FillColor = p.FillTextColor = clRed;
    p.EmptyColor = p.EmptyTextColor = clYellow;
    p.Position = 50;
    p.MarginX = 2;
    p.MarginY = 1;
    p.BorderColor = clBlack;
    DrawRangeProgress(canvas, Rect(0, 0, 20, 6), p);
    EXPECT_EQ(picture(image), rows("x##################x", "x#rrrrrrrryyyyyyyy#x", "x#rrrrrrrryyyyyyyy#x",
                                   "x#rrrrrrrryyyyyyyy#x", "x#rrrrrrrryyyyyyyy#x", "x##################x"));
}

TEST(CenteredBar, FromTheMiddleByItsShareOfHalfTheWidth)
{
    const struct {
        int value, maximum;
        std::string row;
    } cases[] = {
        {5, 10, "............ggggg......."},  {-3, 10, ".........rrr............"},
        {50, 10, "............gggggggggg.."}, {-50, 10, "..rrrrrrrrrr............"},
        {1, 4, "............gg.........."},   {3, 0, "........................"},
        {0, 10, "........................"},
    };
    for (const auto &c : cases) {
        QImage image = whiteImage(24, 6);
        TCanvas canvas(&image);
        DrawCenteredBar(canvas, Rect(0, 0, 24, 6), c.value, c.maximum, false, clRed, clLime);
        EXPECT_EQ(picture(image, 0, 2, 24, 1), c.row + "\n") << c.value << "/" << c.maximum;
        EXPECT_EQ(picture(image, 0, 3, 24, 1), c.row + "\n");
        EXPECT_EQ(picture(image, 0, 1, 24, 1), std::string(24, '.') + "\n");
    }
}

TEST(ProgressPie, TheSweptPartIsFilledClockwiseFromTheTop)
{
    const struct {
        int percent;
        bool upperRight, lowerRight, lowerLeft, upperLeft;
    } cases[] = {
        {0, false, false, false, false},
        {25, true, false, false, false},
        {50, true, true, false, false},
        {75, true, true, true, false},
        {100, true, true, true, true},
    };
    for (const auto &c : cases) {
        QImage image = whiteImage(21, 21);
        TCanvas canvas(&image);
        DrawProgressPie(canvas, Rect(0, 0, 21, 21), clBlue, c.percent, false);
        EXPECT_EQ(colorAt(image, 0, 10), clGray) << "the circle";
        EXPECT_EQ(colorAt(image, 14, 6) == clBlue, c.upperRight) << c.percent;
        EXPECT_EQ(colorAt(image, 14, 14) == clBlue, c.lowerRight) << c.percent;
        EXPECT_EQ(colorAt(image, 6, 14) == clBlue, c.lowerLeft) << c.percent;
        EXPECT_EQ(colorAt(image, 6, 6) == clBlue, c.upperLeft) << c.percent;
        EXPECT_EQ(colorAt(image, 0, 0), clWhite) << "nothing outside the circle";
    }
}

TEST(CellProgress, ExtremeValuesAreHeldToTheirRanges)
{
    TProgressAppearance a = plain();
    EXPECT_EQ(picture(bar(6, 3, INT_MIN, a)), picture(bar(6, 3, 0, a)));
    EXPECT_EQ(picture(bar(22, 3, INT_MAX, a)), picture(bar(22, 3, 100, a)));
    a.Stacked = true;
    EXPECT_EQ(picture(bar(22, 3, INT_MAX, a)), picture(bar(22, 3, 100, a)));

    for (const auto &[value, maximum] : {std::pair{INT_MIN, INT_MAX}, {INT_MAX, INT_MAX}, {INT_MIN, 1}, {5, INT_MIN}}) {
        QImage image = whiteImage(24, 6);
        TCanvas canvas(&image);
        DrawCenteredBar(canvas, Rect(0, 0, 24, 6), value, maximum, true, clRed, clLime);
    }
    QImage image = whiteImage(24, 6);
    TCanvas canvas(&image);
    DrawCenteredBar(canvas, Rect(0, 0, 24, 6), INT_MAX, INT_MAX, false, clRed, clLime);
    EXPECT_EQ(picture(image, 0, 2, 24, 1), "............gggggggggg..\n") << "a full half";
    QImage pie = whiteImage(21, 21), full = whiteImage(21, 21);
    TCanvas pieCanvas(&pie), fullCanvas(&full);
    DrawProgressPie(pieCanvas, Rect(0, 0, 21, 21), clBlue, INT_MAX, false);
    DrawProgressPie(fullCanvas, Rect(0, 0, 21, 21), clBlue, 100, false);
    EXPECT_EQ(pie, full);
}
