#include "Pixels.h"

#include "platform/draw/Edges.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace drawtest;

// Letters: '.' highlight (white), l 3D light, f face, d shadow, k 3D dark
// shadow, w window frame.
TEST(DrawEdge, RingsAndSidesInTheirColours)
{
    struct Case {
        const char *name;
        unsigned edge;
        unsigned flags;
        std::string expected;
        TRect adjusted;
    } const cases[] = {
        {"raised with middle", EDGE_RAISED, BF_RECT | BF_MIDDLE,
         rows("lllllk", "l...dk", "l.ffdk", "lddddk", "kkkkkk"), Rect(0, 0, 6, 5)},
        {"sunken", EDGE_SUNKEN, BF_RECT | BF_ADJUST, rows("ddddd.", "dkkkl.", "dk..l.", "dllll.", "......"),
         Rect(2, 2, 4, 3)},
        {"soft raised swaps the light colours", EDGE_RAISED, BF_RECT | BF_SOFT,
         rows(".....k", ".llldk", ".l..dk", ".ddddk", "kkkkkk"), Rect(0, 0, 6, 5)},
        {"header button: no right side, rectangle adjusted", EDGE_RAISED,
         BF_LEFT | BF_TOP | BF_BOTTOM | BF_SOFT | BF_ADJUST,
         rows("......", ".lllll", ".ddddd", "kkkkkk", "......"), Rect(2, 2, 6, 2)},
        {"flat", EDGE_SUNKEN, BF_RECT | BF_FLAT | BF_MIDDLE,
         rows("dddddd", "dffffd", "dffffd", "dffffd", "dddddd"), Rect(0, 0, 6, 5)},
        {"mono", BDR_RAISEDOUTER, BF_RECT | BF_MONO, rows("wwwwww", "w....w", "w....w", "w....w", "wwwwww"),
         Rect(0, 0, 6, 5)},
        {"etched", EDGE_ETCHED, BF_RECT, rows("ddddd.", "d...d.", "d...d.", "ddddd.", "......"), Rect(0, 0, 6, 5)},
    };
    for (const Case &c : cases) {
        QImage image = whiteImage(6, 5);
        TCanvas canvas(&image);
        TRect r = c.edge == EDGE_RAISED && !(c.flags & BF_RIGHT) ? Rect(0, 0, 6, 4) : Rect(0, 0, 6, 5);
        EXPECT_TRUE(DrawEdge(canvas, r, c.edge, c.flags));
        EXPECT_EQ(picture(image), c.expected) << c.name;
        EXPECT_EQ(r, c.adjusted) << c.name;
    }
    QImage image = whiteImage(4, 4);
    TCanvas canvas(&image);
    TRect inverted = Rect(4, 0, 0, 4);
    EXPECT_FALSE(DrawEdge(canvas, inverted, EDGE_RAISED, BF_RECT | BF_MIDDLE | BF_ADJUST));
    EXPECT_EQ(inverted, Rect(4, 0, 0, 4));
    EXPECT_EQ(picture(image), rows("....", "....", "....", "...."));
}

namespace {

QImage control(unsigned kind, unsigned state, int size = 13)
{
    QImage image = whiteImage(size, size);
    image.fill(Qt::magenta);
    TCanvas canvas(&image);
    EXPECT_TRUE(DrawFrameControl(canvas, Rect(0, 0, size, size), kind, state));
    return image;
}

// Pixels of the colour inside the frame the edges take.
int count(const QImage &image, TColor color, int frame = 2)
{
    int n = 0;
    for (int y = frame; y < image.height() - frame; ++y)
        for (int x = frame; x < image.width() - frame; ++x)
            n += colorAt(image, x, y) == color;
    return n;
}

} // namespace

TEST(DrawFrameControl, CheckBoxStates)
{
    struct Case {
        unsigned state;
        TColor inside;
        TColor mark;
    } const cases[] = {
        {DFCS_BUTTONCHECK, clWindow, clNone},
        {DFCS_BUTTONCHECK | DFCS_CHECKED, clWindow, clWindowText},
        {DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_HOT, clWindow, clWindowText},
        {DFCS_BUTTONCHECK | DFCS_PUSHED, clBtnFace, clNone},
        {DFCS_BUTTONCHECK | DFCS_CHECKED | DFCS_INACTIVE, clBtnFace, clBtnShadow},
        {DFCS_BUTTON3STATE | DFCS_CHECKED, clBtnFace, clBtnShadow},
    };
    for (const Case &c : cases) {
        const QImage image = control(DFC_BUTTON, c.state);
        EXPECT_EQ(colorAt(image, 0, 0), ColorToRGB(clBtnShadow)) << c.state;
        EXPECT_EQ(colorAt(image, 1, 1), ColorToRGB(cl3DDkShadow)) << c.state;
        EXPECT_EQ(colorAt(image, 12, 12), ColorToRGB(clBtnHighlight)) << c.state;
        EXPECT_EQ(colorAt(image, 2, 2), ColorToRGB(c.inside)) << c.state;
        if (c.mark == clNone) {
            EXPECT_EQ(count(image, ColorToRGB(c.inside)), 81) << "nine by nine inside, no mark";
        } else {
            EXPECT_EQ(count(image, ColorToRGB(c.mark)), 21) << c.state;
            EXPECT_EQ(colorAt(image, 5, 9), ColorToRGB(c.mark)) << "the foot of the tick";
        }
    }
}

TEST(DrawFrameControl, RadioButtonIsARingWithADot)
{
    for (const bool checked : {false, true}) {
        const QImage image = control(DFC_BUTTON, DFCS_BUTTONRADIO | (checked ? DFCS_CHECKED : 0), 12);
        EXPECT_EQ(colorAt(image, 0, 0), clFuchsia) << "corners stay";
        EXPECT_EQ(colorAt(image, 0, 5), ColorToRGB(clBtnShadow));
        EXPECT_EQ(colorAt(image, 11, 6), ColorToRGB(clBtnHighlight));
        EXPECT_EQ(colorAt(image, 1, 5), ColorToRGB(cl3DDkShadow));
        EXPECT_EQ(colorAt(image, 10, 6), ColorToRGB(cl3DLight));
        EXPECT_EQ(colorAt(image, 5, 5), checked ? clBlack : clWhite);
        EXPECT_EQ(count(image, clBlack, 0), checked ? 12 : 0);
    }
    const QImage flat = control(DFC_BUTTON, DFCS_BUTTONRADIO | DFCS_FLAT, 12);
    EXPECT_EQ(colorAt(flat, 11, 6), ColorToRGB(clBtnShadow)) << "a flat ring is one colour";
}

TEST(DrawFrameControl, PushButtonAndArrows)
{
    const QImage up = control(DFC_BUTTON, DFCS_BUTTONPUSH, 10);
    EXPECT_EQ(colorAt(up, 0, 0), ColorToRGB(clBtnHighlight));
    EXPECT_EQ(colorAt(up, 9, 9), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(colorAt(up, 5, 5), ColorToRGB(clBtnFace));
    const QImage down = control(DFC_BUTTON, DFCS_BUTTONPUSH | DFCS_PUSHED, 10);
    EXPECT_EQ(colorAt(down, 0, 0), ColorToRGB(cl3DDkShadow));
    EXPECT_EQ(colorAt(down, 9, 9), ColorToRGB(clBtnHighlight));

    const QImage combo = control(DFC_SCROLL, DFCS_SCROLLCOMBOBOX, 17);
    EXPECT_EQ(count(combo, clBlack), 7 + 5 + 3 + 1) << "a seven-pixel triangle";
    EXPECT_EQ(colorAt(combo, 8, 8), clBlack);
    const QImage disabled = control(DFC_SCROLL, DFCS_SCROLLCOMBOBOX | DFCS_INACTIVE, 17);
    EXPECT_EQ(count(disabled, clBlack), 0);
    EXPECT_EQ(count(disabled, ColorToRGB(clBtnShadow)), 16) << "the arrow engraved";
    EXPECT_EQ(count(disabled, ColorToRGB(clBtnHighlight)), 7) << "its highlight shows below and right of it";
    const QImage upArrow = control(DFC_SCROLL, DFCS_SCROLLUP, 17);
    EXPECT_EQ(count(upArrow, clBlack), 16);
    EXPECT_EQ(colorAt(upArrow, 8, 7), clBlack) << "the tip on top";
    EXPECT_EQ(colorAt(upArrow, 5, 7), ColorToRGB(clBtnFace));

    QImage image = whiteImage(4, 4);
    TCanvas canvas(&image);
    EXPECT_FALSE(DrawFrameControl(canvas, Rect(4, 4, 0, 0), DFC_BUTTON, DFCS_BUTTONCHECK));
    EXPECT_FALSE(DrawFrameControl(canvas, Rect(0, 0, 4, 4), 99, 0));
    EXPECT_EQ(picture(image), rows("....", "....", "....", "...."));
}
