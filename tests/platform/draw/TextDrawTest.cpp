// Text on a real font: placement is checked by the box the ink falls in,
// never by glyph pixels.
#include "Pixels.h"

#include "platform/draw/Canvas.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace drawtest;

namespace {

// The smallest rectangle around every pixel that is not white.
TRect inkBox(const QImage &image)
{
    int l = image.width(), t = image.height(), r = -1, b = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (colorAt(image, x, y) != clWhite) {
                l = std::min(l, x);
                t = std::min(t, y);
                r = std::max(r, x + 1);
                b = std::max(b, y + 1);
            }
    return r < 0 ? TRect{} : Rect(l, t, r, b);
}

bool inside(const TRect &inner, const TRect &outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right
           && inner.Bottom <= outer.Bottom;
}

struct Fixture {
    QImage image = whiteImage(200, 80);
    TCanvas canvas{&image};
    Fixture()
    {
        canvas.Font().setName(QStringLiteral("Verdana"));
        canvas.Font().setSize(8);
        canvas.SetBkMode(TRANSPARENT);
    }
};

} // namespace

TEST(TextDraw, DrawTextPutsTheInkInsideTheMeasuredBox)
{
    const QString text = QStringLiteral("Hello");
    struct Case {
        unsigned format;
        // Expected box from the text's width w and height h in (10, 10, 190, 70).
        TRect (*box)(int w, int h);
    } const cases[] = {
        {DT_LEFT, [](int w, int h) { return Rect(10, 10, 10 + w, 10 + h); }},
        {DT_RIGHT, [](int w, int h) { return Rect(190 - w, 10, 190, 10 + h); }},
        {DT_CENTER, [](int w, int h) { return Rect(10 + (180 - w) / 2, 10, 10 + (180 - w) / 2 + w, 10 + h); }},
        {DT_SINGLELINE | DT_VCENTER, [](int w, int h) { return Rect(10, (80 - h) / 2, 10 + w, (80 - h) / 2 + h); }},
        {DT_SINGLELINE | DT_BOTTOM, [](int w, int h) { return Rect(10, 70 - h, 10 + w, 70); }},
    };
    for (const Case &c : cases) {
        Fixture f;
        const TSize size = f.canvas.TextExtent(text);
        TRect r = Rect(10, 10, 190, 70);
        f.canvas.DrawText(text, r, c.format);
        const TRect ink = inkBox(f.image);
        const TRect expected = c.box(size.cx, size.cy);
        EXPECT_TRUE(inside(ink, expected)) << c.format;
        EXPECT_GE(ink.Width(), size.cx - 4) << "the ink spans the measured width";
    }
}

TEST(TextDraw, CalcRectMeasuresWithoutDrawing)
{
    Fixture f;
    TRect r = Rect(5, 5, 5, 5);
    const int h = f.canvas.DrawText(QStringLiteral("Hello"), r, DT_CALCRECT | DT_SINGLELINE);
    EXPECT_EQ(r, Rect(5, 5, 5 + f.canvas.TextWidth(QStringLiteral("Hello")), 5 + h));
    EXPECT_EQ(h, f.canvas.TextHeight(QStringLiteral("Hello")));
    EXPECT_EQ(inkBox(f.image), TRect{});

    r = Rect(0, 0, f.canvas.TextWidth(QStringLiteral("one two")) + 2, 0);
    const int twoLines = f.canvas.DrawText(QStringLiteral("one two three"), r, DT_CALCRECT | DT_WORDBREAK);
    EXPECT_EQ(twoLines, 2 * f.canvas.TextHeight(QStringLiteral("x")));
    EXPECT_EQ(r.Right, f.canvas.TextWidth(QStringLiteral("one two")));

    r = Rect(0, 0, 100, 0);
    EXPECT_EQ(f.canvas.DrawText(QString(), r, DT_CALCRECT), f.canvas.TextHeight(QString()));
    EXPECT_EQ(r.Right, 0);
}

TEST(TextDraw, PrefixUnderlinesOneCharacterAndDoubleAmpersandShowsOne)
{
    Fixture f;
    TRect r = Rect(0, 0, 200, 40);
    f.canvas.DrawText(QStringLiteral("a&&b"), r, DT_CALCRECT);
    EXPECT_EQ(r.Right, f.canvas.TextWidth(QStringLiteral("a&b")));
    r = Rect(0, 0, 200, 40);
    f.canvas.DrawText(QStringLiteral("a&&b"), r, DT_CALCRECT | DT_NOPREFIX);
    EXPECT_EQ(r.Right, f.canvas.TextWidth(QStringLiteral("a&&b")));

    // The underline is the lowest row of ink, under the marked letter only.
    r = Rect(0, 0, 200, 40);
    f.canvas.DrawText(QStringLiteral("W&W"), r, DT_SINGLELINE);
    const TRect ink = inkBox(f.image);
    const int under = ink.Bottom - 1;
    const int firstW = f.canvas.TextWidth(QStringLiteral("W"));
    int underlined = 0;
    for (int x = 0; x < 200; ++x)
        if (colorAt(f.image, x, under) != clWhite) {
            EXPECT_GE(x, firstW);
            ++underlined;
        }
    EXPECT_EQ(underlined, f.canvas.TextWidth(QStringLiteral("W")));
}

TEST(TextDraw, ClippedToTheRectangleUnlessNoClip)
{
    for (const bool noClip : {false, true}) {
        Fixture f;
        TRect r = Rect(10, 10, 30, 30);
        f.canvas.DrawText(QStringLiteral("Clipped text"), r, DT_SINGLELINE | (noClip ? DT_NOCLIP : 0));
        const TRect ink = inkBox(f.image);
        EXPECT_EQ(ink.Right > 30, noClip);
        EXPECT_TRUE(inside(ink, noClip ? Rect(10, 10, 200, 80) : Rect(10, 10, 30, 30)));
    }
}

TEST(TextDraw, EndEllipsisShortensToTheWidth)
{
    Fixture f;
    TRect r = Rect(0, 0, 60, 20);
    QString shown;
    f.canvas.DrawText(QStringLiteral("A rather long caption"), r, DT_SINGLELINE | DT_END_ELLIPSIS | DT_MODIFYSTRING,
                      &shown);
    EXPECT_TRUE(shown.endsWith(QStringLiteral("...")));
    EXPECT_LE(f.canvas.TextWidth(shown), 60);
    EXPECT_TRUE(inside(inkBox(f.image), Rect(0, 0, 60, 20)));
}

TEST(TextDraw, OpaqueTextOutFillsTheCellAndMovesThePen)
{
    Fixture f;
    f.canvas.SetBkMode(OPAQUE);
    f.canvas.SetBkColor(clYellow);
    f.canvas.TextOut(20, 10, QStringLiteral("Cell"));
    const TSize size = f.canvas.TextExtent(QStringLiteral("Cell"));
    EXPECT_EQ(inkBox(f.image), Bounds(20, 10, size.cx, size.cy));
    EXPECT_EQ(colorAt(f.image, 20, 10), clYellow);
    EXPECT_EQ(f.canvas.PenPos(), Point(20 + size.cx, 10));
}

TEST(TextDraw, EscapementTurnsTheTextAroundItsStart)
{
    struct Turn {
        int tenths;
        TRect (*box)(int w, int h);
    } const turns[] = {
        // Reading upward: the text rises from the start point, its top to the left.
        {-2700, [](int w, int h) { return Rect(100, 60 - w, 100 + h, 60); }},
        // Reading downward.
        {-900, [](int w, int h) { return Rect(100 - h, 60, 100, 60 + w); }},
    };
    for (const Turn &t : turns) {
        QImage image = whiteImage(200, 200);
        TCanvas c(&image);
        c.SetBkMode(TRANSPARENT);
        c.Font().setOrientation(t.tenths);
        const TSize size = c.TextExtent(QStringLiteral("Nodes"));
        c.TextOut(100, 60, QStringLiteral("Nodes"));
        const TRect ink = inkBox(image);
        EXPECT_TRUE(inside(ink, InflateRect(t.box(size.cx, size.cy), 1, 1))) << t.tenths;
        EXPECT_GE(ink.Height(), size.cx - 4) << t.tenths;
    }
}

TEST(TextDraw, FontsMapToPixelSizesAt96Dpi)
{
    TFont font;
    font.setName(QStringLiteral("Verdana"));
    font.setSize(8);
    EXPECT_EQ(font.Height(), -11);
    EXPECT_EQ(font.qfont().pixelSize(), 11);
    EXPECT_EQ(font.qfont().family(), QStringLiteral("DejaVu Sans"));
    font.setHeight(-13);
    EXPECT_EQ(font.Size(), 10);
    int changes = 0;
    font.OnChange = [&] { ++changes; };
    font.setHeight(-13);
    font.setStyle({.bold = true});
    EXPECT_EQ(changes, 1) << "only a real change is told";
    EXPECT_TRUE(font.qfont().bold());
}
