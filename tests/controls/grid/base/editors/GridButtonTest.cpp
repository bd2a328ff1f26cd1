#include "controls/grid/base/editors/GridButton.h"

#include "EditorEvents.h"

#include <QAction>
#include <gtest/gtest.h>

using namespace controls;
using namespace editortest;
using platform::TColor;

namespace {

// A 16 x 16 glyph: a dark square on a ground of the transparent colour
// (the lower-left pixel).
platform::TBitmap squareGlyph(TColor ink = platform::RGB(0, 0, 128))
{
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(QColor(0, 255, 0));
    for (int y = 4; y < 12; ++y)
        for (int x = 4; x < 12; ++x)
            image.setPixelColor(x, y, platform::toQColor(ink));
    return platform::TBitmap(image);
}

struct Panel {
    QWidget parent;
    TExGridButton *a = new TExGridButton(&parent);
    TExGridButton *b = new TExGridButton(&parent);
    Panel()
    {
        parent.resize(200, 100);
        b->move(40, 0);
        parent.show();
    }
};

} // namespace

TEST(GridButtonLayout, PlacesGlyphAndCaptionByMarginAndSpacing)
{
    using L = TButtonLayout;
    const struct {
        L layout;
        int margin, spacing;
        QSize glyph, text;
        bool rtl;
        QPoint glyphAt;
        QPoint textAt;
    } cases[] = {
        // (100 - 16 - 4 - 30 + 1) div 2 = 25 from the left; the caption 4 past the glyph.
        {L::blGlyphLeft, -1, 4, {16, 16}, {30, 13}, false, {25, 2}, {45, 4}},
        // Spread evenly: (100 - 46) div 3 = 18 each.
        {L::blGlyphLeft, -1, -1, {16, 16}, {30, 13}, false, {18, 2}, {52, 4}},
        // A fixed margin, the spacing takes half of what is left: (100 - 2 - 46) div 2 = 26.
        {L::blGlyphLeft, 2, -1, {16, 16}, {30, 13}, false, {2, 2}, {44, 4}},
        {L::blGlyphRight, 3, 4, {16, 16}, {30, 13}, false, {81, 2}, {47, 4}},
        // Right to left turns the left layout into the right one.
        {L::blGlyphLeft, 3, 4, {16, 16}, {30, 13}, true, {81, 2}, {47, 4}},
        {L::blGlyphTop, 1, 2, {16, 16}, {30, 13}, false, {42, 1}, {35, 19}},
        {L::blGlyphBottom, 1, 2, {16, 16}, {30, 13}, false, {42, 3}, {35, -12}},
        // No glyph: no spacing either.
        {L::blGlyphLeft, -1, 4, {0, 0}, {30, 13}, false, {35, 10}, {35, 4}},
    };
    for (const auto &c : cases) {
        const auto at =
            layoutButtonContent(QRect(0, 0, 100, 20), {0, 0}, c.glyph, c.text, c.layout, c.margin, c.spacing, c.rtl);
        EXPECT_EQ(at.glyph, c.glyphAt) << int(c.layout) << " " << c.margin << " " << c.spacing;
        EXPECT_EQ(at.text.topLeft(), c.textAt) << int(c.layout) << " " << c.margin << " " << c.spacing;
    }
    // The client's corner and the offset move both.
    const auto moved = layoutButtonContent(QRect(5, 6, 100, 20), {1, 1}, {16, 16}, {30, 13}, L::blGlyphLeft, -1, 4,
                                           false);
    EXPECT_EQ(moved.glyph, QPoint(31, 9));
}

TEST(GridButton, GlyphsGreyForDisabledAndShadowTheInk)
{
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixelColor(0, 0, Qt::white);
    image.setPixelColor(1, 0, Qt::black);
    image.setPixelColor(0, 1, QColor(30, 60, 90)); // the transparent colour
    image.setPixelColor(1, 1, QColor(255, 0, 0));
    const platform::TBitmap grey = greyedGlyph(platform::TBitmap(image));
    EXPECT_EQ(grey.Canvas().Pixel(0, 0), platform::RGB(223, 223, 223));
    EXPECT_EQ(grey.Canvas().Pixel(1, 0), platform::RGB(96, 96, 96));
    EXPECT_EQ(grey.Canvas().Pixel(1, 1), platform::RGB(138, 138, 138));

    const platform::TBitmap shadow = shadowGlyph(platform::TBitmap(image));
    EXPECT_EQ(shadow.Canvas().Pixel(0, 1), platform::RGB(30, 60, 90));
    EXPECT_EQ(shadow.Canvas().Pixel(1, 1), TColor(0x808080));
    EXPECT_EQ(shadow.Canvas().Pixel(0, 0), TColor(0x808080));

    TExGridButton button;
    button.setGlyph(platform::TBitmap(image));
    EXPECT_EQ(button.GlyphDisabled().Canvas().Pixel(0, 0), platform::RGB(223, 223, 223));
    // A disabled glyph of its own is kept.
    TExGridButton other;
    other.setGlyphDisabled(squareGlyph());
    other.setGlyph(platform::TBitmap(image));
    EXPECT_EQ(other.GlyphDisabled().Width(), 16);
}

TEST(GridButton, RefusesBadMarginAndUnknownLooks)
{
    TExGridButton button;
    button.setMargin(-2);
    EXPECT_EQ(button.Margin(), -1);
    button.setMargin(3);
    EXPECT_EQ(button.Margin(), 3);

    button.setFlat(false);
    button.setLook(7);
    EXPECT_FALSE(button.Flat());
    EXPECT_EQ(button.BorderDownColor(), platform::clNone);

    button.setBorderColor(platform::clRed);
    button.setLook(2);
    EXPECT_TRUE(button.Flat());
    EXPECT_FALSE(button.Rounded());
    EXPECT_EQ(button.BorderColor(), platform::clNone);
    EXPECT_EQ(button.BorderDownColor(), platform::clBlack);
    EXPECT_EQ(button.BorderHotColor(), platform::clBlack);
    EXPECT_EQ(button.Color(), TColor(0xFDEADA));
    button.setLook(0);
    EXPECT_TRUE(button.Rounded());
    // Without visual styles the desktop's scheme is look 1.
    button.setAutoThemeAdapt(true);
    EXPECT_EQ(button.Look(), 1);
    EXPECT_EQ(button.ColorHot(), TColor(0xEED2C1));
}

TEST(GridButton, GroupKeepsOneDownAndAllUpNeedsItsFlag)
{
    Panel panel;
    panel.a->setGroupIndex(1);
    panel.b->setGroupIndex(1);
    panel.a->setDown(true);
    panel.b->setDown(true);
    EXPECT_FALSE(panel.a->Down());
    EXPECT_TRUE(panel.b->Down());
    EXPECT_EQ(panel.b->State(), TButtonState::bsExclusive);

    panel.b->setDown(false);
    EXPECT_TRUE(panel.b->Down()) << "all up is not allowed";
    panel.b->setAllowAllUp(true);
    EXPECT_TRUE(panel.a->AllowAllUp()) << "the flag spreads through the group";
    panel.b->setDown(false);
    EXPECT_FALSE(panel.b->Down());

    // Without a group a button is never down, unless it is a check button.
    TExGridButton loose;
    loose.setDown(true);
    EXPECT_FALSE(loose.Down());
    loose.setStyle(TExGridButtonStyle::tasCheck);
    loose.setDown(true);
    EXPECT_TRUE(loose.Down());
}

TEST(GridButton, ClicksOnAnInsideReleaseAndCheckButtonsToggle)
{
    Panel panel;
    int clicks = 0, drops = 0, doubles = 0;
    panel.a->OnClick = [&](QObject *) { ++clicks; };
    panel.a->OnDropDown = [&](QObject *) { ++drops; };
    panel.a->OnDblClick = [&](QObject *) { ++doubles; };
    panel.a->resize(40, 22);

    click(*panel.a, {5, 5});
    EXPECT_EQ(clicks, 1);
    press(*panel.a, {5, 5});
    EXPECT_EQ(panel.a->State(), TButtonState::bsDown);
    moveTo(*panel.a, {80, 5}, Qt::LeftButton);
    EXPECT_EQ(panel.a->State(), TButtonState::bsUp);
    release(*panel.a, {80, 5});
    EXPECT_EQ(clicks, 1);

    panel.a->setStyle(TExGridButtonStyle::tasCheck);
    click(*panel.a, {5, 5});
    EXPECT_TRUE(panel.a->Down());
    mouse(*panel.a, QEvent::MouseButtonDblClick, {5, 5});
    EXPECT_EQ(doubles, 1) << "a double click counts while down";
    release(*panel.a, {5, 5});
    click(*panel.a, {5, 5});
    EXPECT_EQ(panel.a->Down(), true);

    panel.b->resize(40, 22);
    panel.b->OnClick = [&](QObject *) { ++clicks; };
    panel.b->OnDropDown = [&](QObject *) { ++drops; };
    panel.b->setDropDownButton(true);
    const int before = clicks;
    click(*panel.b, {35, 5});
    EXPECT_EQ(drops, 1);
    EXPECT_EQ(clicks, before) << "the drop-down part does not click";
    click(*panel.b, {10, 5});
    EXPECT_EQ(clicks, before + 1);
}

TEST(GridButton, ActionLendsCaptionAndCheckedState)
{
    Panel panel;
    QAction action(QStringLiteral("Find"));
    action.setCheckable(true);
    panel.a->setGroupIndex(2);
    panel.a->setAllowAllUp(true);
    panel.a->setAction(&action);
    EXPECT_EQ(panel.a->Caption(), "Find");
    action.setText(QStringLiteral("Search"));
    EXPECT_EQ(panel.a->Caption(), "Search");
    action.setChecked(true);
    EXPECT_TRUE(panel.a->Down());
    // A caption of the button's own is no longer the action's.
    panel.a->setCaption(QStringLiteral("Own"));
    action.setText(QStringLiteral("Other"));
    EXPECT_EQ(panel.a->Caption(), "Own");
}

TEST(GridButtonPixels, FaceFollowsHotPressedAndDisabled)
{
    Panel panel;
    TExGridButton &b = *panel.a;
    b.resize(30, 24);
    b.setColor(platform::RGB(10, 20, 30));
    b.setColorHot(platform::RGB(40, 50, 60));
    b.setColorDown(platform::RGB(70, 80, 90));
    b.setBorderDownColor(platform::RGB(1, 2, 3));
    EXPECT_EQ(pixel(b.paintFace(), 2, 20), platform::RGB(10, 20, 30));
    EXPECT_EQ(pixel(b.paintFace(), 0, 0), platform::RGB(10, 20, 30)) << "a down border colour keeps the full face";
    enter(b);
    EXPECT_EQ(pixel(b.paintFace(), 2, 20), platform::RGB(40, 50, 60));
    EXPECT_EQ(pixel(b.paintFace(), 0, 0), platform::RGB(40, 50, 60)) << "no hot border colour: the face's";
    press(b, {5, 5});
    EXPECT_EQ(pixel(b.paintFace(), 2, 20), platform::RGB(70, 80, 90));
    EXPECT_EQ(pixel(b.paintFace(), 0, 0), platform::RGB(1, 2, 3));
    release(b, {5, 5});

    // A glyph without caption stands at the corner whatever the layout;
    // disabled, it shows in grey.
    b.setGlyph(squareGlyph());
    b.setLayout(TButtonLayout::blGlyphRight);
    leave(b);
    QImage face = b.paintFace();
    EXPECT_EQ(pixel(face, 5, 5), platform::RGB(0, 0, 128));
    EXPECT_EQ(pixel(face, 0, 0), platform::RGB(10, 20, 30)) << "the glyph's ground is transparent";
    b.setEnabled(false);
    face = b.paintFace();
    const int grey = (128 / 3) / 2 + 96;
    EXPECT_EQ(pixel(face, 5, 5), platform::RGB(grey, grey, grey));
}

TEST(GridButtonPixels, HotShadedGlyphRisesOverItsShadow)
{
    Panel panel;
    TExGridButton &b = *panel.a;
    b.resize(40, 40);
    b.setCaption(QStringLiteral("x"));
    b.setLayout(TButtonLayout::blGlyphTop);
    b.setGlyph(squareGlyph());
    const auto inkAt = [](const QImage &face) {
        for (int y = 0; y < face.height(); ++y)
            for (int x = 0; x < face.width(); ++x)
                if (pixel(face, x, y) == platform::RGB(0, 0, 128))
                    return QPoint(x, y);
        return QPoint(-1, -1);
    };
    const QPoint resting = inkAt(b.paintFace());
    enter(b);
    const QImage hot = b.paintFace();
    const QPoint raised = inkAt(hot);
    EXPECT_EQ(raised, resting - QPoint(1, 1));
    // The ink square is 8 wide: its shadow shows two pixels past it.
    EXPECT_EQ(pixel(hot, raised.x() + 9, raised.y() + 9), TColor(0x808080));
    EXPECT_NE(pixel(hot, raised.x() + 10, raised.y() + 10), TColor(0x808080));
}
