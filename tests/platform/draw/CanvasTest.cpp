#include "Pixels.h"

#include "platform/draw/Canvas.h"

#include <gtest/gtest.h>

#include <functional>

using namespace platform;
using namespace drawtest;

namespace {

struct Case {
    const char *name;
    std::function<void(TCanvas &)> draw;
    std::string expected;
};

std::string drawn(int width, int height, const std::function<void(TCanvas &)> &draw)
{
    QImage image = whiteImage(width, height);
    {
        TCanvas canvas(&image);
        draw(canvas);
    }
    return picture(image);
}

void black(TCanvas &c)
{
    c.Pen().setColor(clBlack);
    c.Brush().setColor(clRed);
}

} // namespace

TEST(Canvas, RectanglesAndLinesFollowTheWindowsPixelRules)
{
    const Case cases[] = {
        {"FillRect leaves out the right and bottom edge",
         [](TCanvas &c) {
             c.Brush().setColor(clBlack);
             c.FillRect(Rect(1, 1, 4, 3));
         },
         rows("......", ".###..", ".###..", "......")},
        {"a horizontal line leaves out its last pixel, both ways",
         [](TCanvas &c) {
             c.MoveTo(0, 0);
             c.LineTo(4, 0);
             c.MoveTo(5, 2);
             c.LineTo(1, 2);
         },
         rows("####..", "......", "..####", "......")},
        {"a vertical line leaves out its last pixel, both ways",
         [](TCanvas &c) {
             c.MoveTo(0, 0);
             c.LineTo(0, 3);
             c.MoveTo(2, 3);
             c.LineTo(2, 0);
         },
         rows("#.....", "#.#...", "#.#...", "..#...")},
        {"a diagonal line: one pixel per column, start in, end out",
         [](TCanvas &c) {
             c.MoveTo(0, 0);
             c.LineTo(6, 3);
         },
         rows("##....", "..##..", "....##", "......")},
        {"the reverse line lights the same inner pixels and its own start",
         [](TCanvas &c) {
             c.MoveTo(6, 3);
             c.LineTo(0, 0);
         },
         rows(".#....", "..##..", "....##", "......")},
        {"LineTo continues from the last end",
         [](TCanvas &c) {
             c.MoveTo(0, 0);
             c.LineTo(3, 0);
             c.LineTo(3, 3);
         },
         rows("####..", "...#..", "...#..", "......")},
        {"Rectangle: pen on the outer pixels, brush inside",
         [](TCanvas &c) {
             black(c);
             c.Rectangle(0, 0, 5, 4);
         },
         rows("#####.", "#rrr#.", "#rrr#.", "#####.")},
        {"Rectangle without a pen fills one pixel less right and below",
         [](TCanvas &c) {
             black(c);
             c.Pen().setStyle(TPenStyle::psClear);
             c.Rectangle(0, 0, 5, 4);
         },
         rows("rrrr..", "rrrr..", "rrrr..", "......")},
        {"a pen of colour clNone draws no outline",
         [](TCanvas &c) {
             black(c);
             c.Pen().setColor(clNone);
             c.Rectangle(0, 0, 3, 3);
         },
         rows("rr....", "rr....", "......", "......")},
        {"a clear brush leaves the inside",
         [](TCanvas &c) {
             black(c);
             c.Brush().setStyle(TBrushStyle::bsClear);
             c.Rectangle(0, 0, 4, 4);
         },
         rows("####..", "#..#..", "#..#..", "####..")},
        {"FrameRect draws one pixel in the brush colour",
         [](TCanvas &c) {
             c.Brush().setColor(clBlue);
             c.FrameRect(Rect(1, 0, 5, 3));
         },
         rows(".bbbb.", ".b..b.", ".bbbb.", "......")},
        {"Polyline leaves out its last point only",
         [](TCanvas &c) {
             const TPoint pts[] = {{0, 0}, {2, 0}, {2, 2}, {5, 2}};
             c.Polyline(pts);
         },
         rows("###...", "..#...", "..###.", "......")},
        {"a closed polygon outline covers every corner",
         [](TCanvas &c) {
             c.Brush().setStyle(TBrushStyle::bsClear);
             const TPoint pts[] = {{0, 0}, {4, 0}, {4, 3}, {0, 3}};
             c.Polygon(pts);
         },
         rows("#####.", "#...#.", "#...#.", "#####.")},
        {"Pixels are set one by one",
         [](TCanvas &c) {
             c.SetPixel(1, 1, clBlue);
             c.SetPixel(5, 3, clRed);
             c.SetPixel(6, 0, clRed);
         },
         rows("......", ".b....", "......", ".....r")},
        {"the window origin moves everything drawn",
         [](TCanvas &c) {
             c.SetWindowOrg(Point(10, 20));
             c.Brush().setColor(clBlack);
             c.FillRect(Rect(11, 21, 13, 22));
         },
         rows("......", ".##...", "......", "......")},
        {"clipping to a rectangle",
         [](TCanvas &c) {
             c.IntersectClipRect(Rect(2, 1, 4, 3));
             c.Brush().setColor(clBlack);
             c.FillRect(Rect(0, 0, 6, 4));
             c.MoveTo(0, 0);
             c.LineTo(6, 3);
         },
         rows("......", "..##..", "..##..", "......")},
        {"excluding a rectangle from the clip",
         [](TCanvas &c) {
             c.ExcludeClipRect(Rect(1, 1, 5, 3));
             c.Brush().setColor(clBlack);
             c.FillRect(Rect(0, 0, 6, 4));
         },
         rows("######", "#....#", "#....#", "######")},
    };
    for (const Case &c : cases)
        EXPECT_EQ(drawn(6, 4, c.draw), c.expected) << c.name;
}

TEST(Canvas, DegenerateInputDrawsNothing)
{
    const std::function<void(TCanvas &)> calls[] = {
        [](TCanvas &c) { c.FillRect(Rect(4, 1, 2, 3)); },
        [](TCanvas &c) { c.FillRect(Rect(1, 1, 1, 3)); },
        [](TCanvas &c) { c.FrameRect(Rect(4, 3, 1, 1)); },
        [](TCanvas &c) { c.Rectangle(4, 3, 1, 1); },
        [](TCanvas &c) { c.Ellipse(4, 3, 1, 1); },
        [](TCanvas &c) { c.RoundRect(4, 3, 1, 1, 3, 3); },
        [](TCanvas &c) { c.DrawFocusRect(Rect(3, 3, 3, 3)); },
        [](TCanvas &c) { c.InvertRect(Rect(4, 0, 0, 4)); },
        [](TCanvas &c) { c.Polygon({}); },
        [](TCanvas &c) { c.Polyline({}); },
        [](TCanvas &c) {
            c.MoveTo(2, 2);
            c.LineTo(2, 2);
        },
        [](TCanvas &c) {
            c.Brush().setColor(clNone);
            c.Pen().setColor(clNone);
            c.FillRect(Rect(0, 0, 6, 4));
            c.Rectangle(0, 0, 6, 4);
            c.Ellipse(0, 0, 6, 4);
        },
        [](TCanvas &c) { c.BitBlt(0, 0, 0, 5, c, 0, 0, SRCCOPY); },
        [](TCanvas &c) { c.BitBlt(0, 0, 5, 5, TCanvas(), 0, 0, SRCCOPY); },
    };
    for (const auto &call : calls) {
        call(*std::make_unique<TCanvas>());
        EXPECT_EQ(drawn(6, 4, [&](TCanvas &c) {
                      c.Brush().setColor(clBlack);
                      call(c);
                  }),
                  rows("......", "......", "......", "......"));
    }
    QImage empty;
    TCanvas onEmpty(&empty);
    onEmpty.FillRect(Rect(0, 0, 5, 5));
    onEmpty.TextOut(0, 0, QStringLiteral("x"));
    EXPECT_EQ(onEmpty.Pixel(0, 0), CLR_INVALID);
}

TEST(Canvas, FigureOutlinesStayInsideTheirRectangle)
{
    const std::function<void(TCanvas &, TRect)> figures[] = {
        [](TCanvas &c, TRect r) { c.Ellipse(r); },
        [](TCanvas &c, TRect r) { c.RoundRect(r.Left, r.Top, r.Right, r.Bottom, 6, 6); },
        [](TCanvas &c, TRect r) { c.Rectangle(r); },
    };
    for (const auto &figure : figures) {
        QImage image = whiteImage(30, 20);
        {
            TCanvas c(&image);
            c.Brush().setColor(clRed);
            figure(c, Rect(3, 2, 25, 17));
        }
        int minX = 99, minY = 99, maxX = -1, maxY = -1;
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x)
                if (colorAt(image, x, y) == clBlack) {
                    minX = std::min(minX, x);
                    minY = std::min(minY, y);
                    maxX = std::max(maxX, x);
                    maxY = std::max(maxY, y);
                }
        EXPECT_EQ(minX, 3);
        EXPECT_EQ(minY, 2);
        EXPECT_EQ(maxX, 24);
        EXPECT_EQ(maxY, 16);
        EXPECT_EQ(colorAt(image, 14, 9), clRed) << "filled inside";
        // The one-pixel pen is never blended: only pen and brush colours.
        for (int y = 0; y < 20; ++y)
            for (int x = 0; x < 30; ++x) {
                const TColor c = colorAt(image, x, y);
                ASSERT_TRUE(c == clBlack || c == clRed || c == clWhite) << x << "," << y;
            }
    }
}

TEST(Canvas, RoundedCornersLeaveTheCornerPixel)
{
    const std::string p = drawn(8, 6, [](TCanvas &c) {
        c.Brush().setStyle(TBrushStyle::bsClear);
        c.RoundRect(0, 0, 8, 6, 4, 4);
    });
    EXPECT_EQ(p[0], '.');
    EXPECT_EQ(p[3], '#');
}

TEST(Canvas, DottedPenDrawsItsGapsInTheBackgroundColourOnlyWhenOpaque)
{
    const auto dotted = [](int mode) {
        return drawn(14, 1, [mode](TCanvas &c) {
            c.Pen().setStyle(TPenStyle::psDot);
            c.SetBkColor(clRed);
            c.SetBkMode(mode);
            c.MoveTo(0, 0);
            c.LineTo(14, 0);
        });
    };
    EXPECT_EQ(dotted(OPAQUE), rows("###rrr###rrr##"));
    EXPECT_EQ(dotted(TRANSPARENT), rows("###...###...##"));
}

TEST(Canvas, DottedPatternRunsOnAroundARectangle)
{
    const std::string p = drawn(6, 4, [](TCanvas &c) {
        c.Pen().setStyle(TPenStyle::psDot);
        c.Brush().setStyle(TBrushStyle::bsClear);
        c.Rectangle(0, 0, 6, 4);
    });
    EXPECT_EQ(p, rows("###...", ".....#", "#....#", "##...#"));
}

TEST(Canvas, XorPenTwiceRestoresThePixels)
{
    QImage image = whiteImage(10, 6);
    TCanvas c(&image);
    c.Brush().setColor(clBlue);
    c.FillRect(Rect(0, 0, 5, 6));
    const QImage before = image.copy();
    c.Pen().setMode(TPenMode::pmXor);
    c.Pen().setColor(clWhite);
    c.Pen().setStyle(TPenStyle::psDot);
    for (int pass = 0; pass < 2; ++pass) {
        c.MoveTo(3, 0);
        c.LineTo(3, 6);
        c.MoveTo(0, 2);
        c.LineTo(10, 4);
        if (pass == 0) {
            EXPECT_EQ(colorAt(image, 3, 0), RGB(255, 255, 0)) << "blue inverted";
            EXPECT_EQ(colorAt(image, 8, 4), clBlack) << "a dot: white inverted";
            EXPECT_EQ(colorAt(image, 9, 4), clYellow) << "a gap: white xor the background colour, the brush's blue";
        }
    }
    EXPECT_EQ(image, before);
}

TEST(Canvas, PenModesCombineWithThePixel)
{
    struct ModeCase {
        TPenMode mode;
        TColor pen;
        TColor expected; // over clAqua
    } const cases[] = {
        {TPenMode::pmCopy, clRed, clRed},        {TPenMode::pmNot, clRed, clRed},
        {TPenMode::pmXor, clBlue, clLime},       {TPenMode::pmNotXor, clBlue, clFuchsia},
        {TPenMode::pmMerge, clRed, clWhite},     {TPenMode::pmMask, clBlue, clBlue},
        {TPenMode::pmBlack, clRed, clBlack},     {TPenMode::pmWhite, clRed, clWhite},
        {TPenMode::pmNotCopy, clRed, clAqua},    {TPenMode::pmNop, clRed, clAqua},
    };
    for (const ModeCase &m : cases) {
        for (const bool diagonal : {false, true}) {
            QImage image = whiteImage(4, 4);
            image.fill(QColor(0, 255, 255));
            TCanvas c(&image);
            c.Pen().setColor(m.pen);
            c.Pen().setMode(m.mode);
            c.MoveTo(0, 0);
            c.LineTo(diagonal ? 3 : 3, diagonal ? 3 : 0);
            EXPECT_EQ(colorAt(image, 1, diagonal ? 1 : 0), m.expected) << int(m.mode) << " diagonal " << diagonal;
        }
    }
}

TEST(Canvas, FocusRectangleIsDottedAndUndoneByASecondCall)
{
    QImage image = whiteImage(6, 4);
    TCanvas c(&image);
    c.DrawFocusRect(Rect(0, 0, 6, 4));
    EXPECT_EQ(picture(image), rows(".#.#.#", "#.....", ".....#", "#.#.#."));
    c.DrawFocusRect(Rect(0, 0, 6, 4));
    EXPECT_EQ(picture(image), rows("......", "......", "......", "......"));
    // With the colours the tree sets the other half of the pixels turns.
    c.SetTextColor(clWhite);
    c.SetBkColor(clBlack);
    c.DrawFocusRect(Rect(0, 0, 6, 4));
    EXPECT_EQ(picture(image), rows("#.#.#.", ".....#", "#.....", ".#.#.#"));
}

TEST(Canvas, HatchedAndPatternBrushesFollowTheBrushOrigin)
{
    const std::string pattern = drawn(8, 4, [](TCanvas &c) {
        c.Brush().setPattern({0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA, 0x55, 0xAA});
        // Set after the brush, which sets the background colour to its own.
        c.SetTextColor(clBlack);
        c.SetBkColor(clRed);
        c.FillRect(Rect(0, 0, 8, 2));
        c.SetBrushOrg(Point(1, 0));
        c.FillRect(Rect(0, 2, 8, 4));
    });
    EXPECT_EQ(pattern, rows("#r#r#r#r", "r#r#r#r#", "r#r#r#r#", "#r#r#r#r"));
    const std::string hatch = drawn(8, 4, [](TCanvas &c) {
        c.Brush().setColor(clBlue);
        c.Brush().setStyle(TBrushStyle::bsVertical);
        c.FillRect(Rect(0, 0, 8, 4));
    });
    EXPECT_EQ(hatch, rows("....b...", "....b...", "....b...", "....b..."));
}

TEST(Canvas, SetBkModeAndColoursFollowTheBrushAndFontUntilOverridden)
{
    QImage image = whiteImage(2, 2);
    TCanvas c(&image);
    EXPECT_EQ(c.BkMode(), OPAQUE);
    EXPECT_EQ(c.BkColor(), clWhite);
    EXPECT_EQ(c.TextColor(), clWindowText);
    c.Brush().setStyle(TBrushStyle::bsClear);
    EXPECT_EQ(c.BkMode(), TRANSPARENT);
    c.SetBkMode(OPAQUE);
    c.SetTextColor(clRed);
    EXPECT_EQ(c.BkMode(), OPAQUE) << "kept until the brush changes";
    EXPECT_EQ(c.TextColor(), clRed);
    c.Brush().setColor(clBlue);
    c.Font().setColor(clLime);
    EXPECT_EQ(c.BkColor(), clBlue);
    EXPECT_EQ(c.TextColor(), clLime);
}

TEST(Canvas, SavedStateComesBack)
{
    QImage image = whiteImage(6, 4);
    TCanvas c(&image);
    c.Pen().setColor(clRed);
    c.SetBkColor(clBlue);
    const int saved = c.SaveDC();
    c.Pen().setColor(clLime);
    c.SetWindowOrg(Point(3, 3));
    c.IntersectClipRect(Rect(3, 3, 4, 4));
    c.SetBkColor(clYellow);
    EXPECT_TRUE(c.RestoreDC(saved));
    EXPECT_EQ(c.Pen().Color(), clRed);
    EXPECT_EQ(c.BkColor(), clBlue);
    EXPECT_EQ(c.WindowOrg(), Point(0, 0));
    EXPECT_FALSE(c.ClipRegion().has_value());
    EXPECT_FALSE(c.RestoreDC(-1)) << "nothing left to restore";
}

TEST(Canvas, ARoundClipSelectedAgainAfterClearingStillClips)
{
    QImage image = whiteImage(40, 40);
    TCanvas c(&image);
    const QRegion round(QRect(0, 0, 40, 40), QRegion::Ellipse);
    for (int pass = 0; pass < 3; ++pass) {
        c.FillColor(Rect(0, 0, 40, 40), clWhite);
        const int saved = c.SaveDC();
        c.SelectClipRgn(round);
        c.FillColor(Rect(0, 0, 40, 40), clRed);
        c.RestoreDC(saved);
        EXPECT_EQ(c.Pixel(1, 1), clWhite) << pass;
        EXPECT_EQ(c.Pixel(20, 20), clRed) << pass;
        c.SelectClipRgn(std::nullopt);
        c.FillColor(Rect(0, 0, 2, 2), clBlue);
        EXPECT_EQ(c.Pixel(1, 1), clBlue) << pass;
    }
}

TEST(Canvas, ClipRectIsInLogicalPixels)
{
    QImage image = whiteImage(20, 10);
    TCanvas c(&image);
    EXPECT_EQ(c.ClipRect(), Rect(0, 0, 20, 10));
    c.SetWindowOrg(Point(5, 0));
    c.IntersectClipRect(Rect(6, 2, 30, 4));
    EXPECT_EQ(c.ClipRect(), Rect(6, 2, 25, 4));
    c.SelectClipRgn(std::nullopt);
    EXPECT_EQ(c.ClipRect(), Rect(5, 0, 25, 10));
}

TEST(Canvas, FloodFillStopsAtTheBorderOrCoversTheSurface)
{
    const auto filled = [](bool surface) {
        return drawn(7, 5, [surface](TCanvas &c) {
            c.Brush().setStyle(TBrushStyle::bsClear);
            c.Rectangle(1, 0, 6, 5);
            c.Brush().setStyle(TBrushStyle::bsSolid);
            c.Brush().setColor(clRed);
            c.FloodFill(3, 2, surface ? clWhite : clBlack, surface);
        });
    };
    EXPECT_EQ(filled(false), rows(".#####.", ".#rrr#.", ".#rrr#.", ".#rrr#.", ".#####."));
    EXPECT_EQ(filled(true), filled(false));
}

TEST(Canvas, BitBltCopiesAndCombines)
{
    QImage source = whiteImage(4, 2);
    {
        TCanvas s(&source);
        s.SetPixel(0, 0, clRed);
        s.SetPixel(1, 0, clBlue);
        s.SetPixel(2, 1, clBlack);
    }
    const TCanvas from(&source);
    EXPECT_EQ(drawn(6, 2, [&](TCanvas &c) { c.BitBlt(1, 0, 3, 2, from, 0, 0, SRCCOPY); }),
              rows(".rb...", "...#.."));
    EXPECT_EQ(drawn(6, 2,
                    [&](TCanvas &c) {
                        c.Brush().setColor(clBlue);
                        c.FillRect(Rect(0, 0, 6, 2));
                        c.BitBlt(0, 0, 4, 2, from, 0, 0, SRCINVERT);
                    }),
              rows("m#yybb", "yybybb"));
    EXPECT_EQ(drawn(6, 2, [&](TCanvas &c) { c.BitBlt(0, 0, 4, 2, from, 0, 0, SRCAND); }),
              rows("rb....", "..#..."));
    EXPECT_EQ(drawn(4, 2, [&](TCanvas &c) { c.StretchBlt(Rect(0, 0, 4, 2), from, Rect(0, 0, 2, 1), SRCCOPY); }),
              rows("rrbb", "rrbb"));
}
