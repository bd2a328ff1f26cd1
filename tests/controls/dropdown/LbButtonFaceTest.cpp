#include "controls/dropdown/paint/DrawHelpers.h"
#include "controls/dropdown/LbButton.h"
#include "controls/dropdown/LbButtonFace.h"

#include "platform/ui/Fonts.h"
#include "platform/ui/QtColor.h"

#include <QApplication>
#include <QPainter>
#include <gtest/gtest.h>

using namespace controls;
using platform::TColor;

namespace {

const TColor Face = platform::RGB(248, 247, 237);
const TColor Orange = platform::RGB(255, 128, 0);

QColor q(TColor c) { return platform::toQColor(platform::ColorToRGB(c)); }

LbButtonFace dialogFace()
{
    LbButtonFace f;
    f.width = 80;
    f.height = 26;
    f.style = TLbButtonStyle::bsEncarta;
    f.color = Face;
    f.colorWhenDown = Orange;
    f.hotTrackColor = platform::clSkyBlue;
    f.lightColor = platform::clWhite;
    f.shadowColor = platform::clGray;
    f.font = {platform::makeFont(QStringLiteral("Verdana"), 8), platform::clBlack};
    return f;
}

QImage paint(const LbButtonFace &f)
{
    QImage image(f.width, f.height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    platform::TCanvas canvas(&image);
    PaintLbButtonFace(canvas, f);
    return image;
}

// The box of the pixels darker than any face colour: the caption's ink.
QRect inkBox(const QImage &image)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            if (c.red() < 100 && c.green() < 100 && c.blue() < 100 && c.alpha() == 255)
                box |= QRect(x, y, 1, 1);
        }
    return box;
}

int darkest(const QImage &image, const QRect &area)
{
    int least = 255;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            least = std::min(least, image.pixelColor(x, y).red());
    return least;
}

// A strip of frames, each filled with its colour on a fuchsia bottom row.
QImage strip(const std::vector<QColor> &colours)
{
    QImage image(8 * int(colours.size()), 9, QImage::Format_ARGB32);
    image.fill(QColor(255, 0, 255));
    for (std::size_t i = 0; i < colours.size(); ++i) {
        QPainter p(&image);
        p.fillRect(QRect(8 * int(i), 0, 8, 8), colours[i]);
    }
    return image;
}

} // namespace

TEST(LbButtonFace, HotTrackStepsBlendAndTruncate)
{
    EXPECT_EQ(BlendHotTrackColor(platform::clWhite, platform::clBlack, 4), platform::colorFromBits(0x7F7F7F));
    EXPECT_EQ(BlendHotTrackColor(platform::clWhite, platform::clBlack, 0), platform::clWhite);
    EXPECT_EQ(BlendHotTrackColor(platform::clWhite, platform::clBlack, 8), platform::clBlack);
    EXPECT_EQ(BlendHotTrackColor(platform::RGB(0, 100, 200), platform::RGB(8, 0, 255), 1),
              platform::RGB(1, 87, 206));
}

TEST(LbButtonFace, GradientBandsFallOnRowsByThirtyFirsts)
{
    // 32 bands over 10 rows: band i starts at row i*10/31 and is one row
    // high, so later bands overwrite earlier ones and the last paints nothing.
    QImage image(4, 12, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    {
        platform::TCanvas canvas(&image);
        DrawLbGradient(canvas, platform::RGB(0, 0, 0), platform::RGB(248, 124, 62), 0, 0, 4, 10);
    }
    for (int row = 0; row < 10; ++row) {
        int band = 0;
        for (int i = 0; i < 31; ++i)
            if (i * 10 / 31 == row)
                band = i;
        EXPECT_EQ(image.pixelColor(2, row), QColor(8 * band, 4 * band, 2 * band)) << "row " << row;
    }
    EXPECT_EQ(image.pixelColor(2, 10), QColor(Qt::white)) << "nothing below the bottom";
}

TEST(LbButtonFace, StatesColourTheFaceAndTheBevel)
{
    const struct {
        const char *name;
        bool down, hot, enabled, flat;
        int step;
        TColor inside, leftEdge, bottomEdge;
    } cases[] = {
        {"normal", false, false, true, false, 0, Face, platform::clWhite, platform::clGray},
        {"hot", false, true, true, false, 8, platform::clSkyBlue, platform::clWhite, platform::clGray},
        {"pressed", true, true, true, false, 8, Orange, platform::clGray, platform::clWhite},
        {"disabled", true, true, false, false, 8, Face, platform::clWhite, platform::clGray},
        {"flat", false, false, true, true, 0, Face, Face, Face},
        {"flat hot", false, true, true, true, 8, platform::clSkyBlue, platform::clWhite, platform::clGray},
        {"flat disabled hot", false, true, false, true, 8, Face, Face, Face},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        LbButtonFace f = dialogFace();
        f.down = c.down;
        f.hot = c.hot;
        f.enabled = c.enabled;
        f.flat = c.flat;
        f.hotTrackStep = c.step;
        const QImage image = paint(f);
        EXPECT_EQ(image.pixelColor(3, 3), q(c.inside));
        EXPECT_EQ(image.pixelColor(0, 13), q(c.leftEdge));
        EXPECT_EQ(image.pixelColor(40, 25), q(c.bottomEdge));
    }
}

TEST(LbButtonFace, PressingMovesTheCaptionExceptInEncartaWhichTurnsItBold)
{
    for (const TLbButtonStyle style : {TLbButtonStyle::bsNormal, TLbButtonStyle::bsEncarta}) {
        LbButtonFace f = dialogFace();
        f.style = style;
        f.alignment = TAlignment::taLeftJustify;
        f.caption = QStringLiteral("Hi");
        const QRect up = inkBox(paint(f));
        f.down = true;
        const QRect down = inkBox(paint(f));
        ASSERT_FALSE(up.isEmpty());
        if (style == TLbButtonStyle::bsNormal) {
            EXPECT_EQ(down, up.translated(1, 1));
        } else {
            EXPECT_EQ(down.top(), up.top());
            EXPECT_NEAR(down.left(), up.left(), 1);
            EXPECT_GT(down.width(), up.width()) << "bold";
        }
    }
}

TEST(LbButtonFace, DisabledCaptionsAreGrey)
{
    LbButtonFace f = dialogFace();
    f.caption = QStringLiteral("HHH");
    const QImage enabled = paint(f);
    const QRect ink = inkBox(enabled);
    // Small type never covers a whole pixel: the darkest comes near the ink.
    EXPECT_LE(darkest(enabled, ink), 10);
    f.enabled = false;
    const QImage disabled = paint(f);
    EXPECT_NEAR(darkest(disabled, ink.adjusted(-1, -1, 1, 1)), 128, 4);
}

TEST(LbButtonFace, ACaptionTooWideIsCutFromTheEnd)
{
    QImage image(10, 10, QImage::Format_ARGB32_Premultiplied);
    platform::TCanvas canvas(&image);
    assignFont(canvas.Font(), platform::makeFont(QStringLiteral("Verdana"), 8), platform::clBlack);
    const int abc = canvas.TextWidth(QStringLiteral("ABC"));
    EXPECT_EQ(fitLbCaption(canvas, QStringLiteral("ABCDEF"), abc), QStringLiteral("ABC"));
    EXPECT_EQ(fitLbCaption(canvas, QStringLiteral("ABCDEF"), abc - 1), QStringLiteral("AB"));
    EXPECT_EQ(fitLbCaption(canvas, QStringLiteral("ABCDEF"), 0), QString());

    LbButtonFace f = dialogFace();
    f.width = 40;
    f.alignment = TAlignment::taLeftJustify;
    f.caption = QStringLiteral("Configuration");
    const QRect ink = inkBox(paint(f));
    EXPECT_LE(ink.right(), 4 + 32) << "within the room of width - 8";
}

TEST(LbButtonFace, DoubledAmpersandsShowOneAmpersand)
{
    LbButtonFace f = dialogFace();
    f.caption = QStringLiteral("R&D");
    const int prefixed = inkBox(paint(f)).width();
    f.caption = QStringLiteral("R&&D");
    const int withAmpersand = inkBox(paint(f)).width();
    f.caption = QStringLiteral("RD");
    const int plain = inkBox(paint(f)).width();
    EXPECT_NEAR(prefixed, plain, 1) << "the single ampersand only marks the accelerator";
    EXPECT_GT(withAmpersand, plain);
}

TEST(LbButtonFace, TheStateChoosesTheGlyphFrame)
{
    const QColor red(255, 0, 0), green(0, 255, 0), blue(0, 0, 255), yellow(255, 255, 0);
    const QImage four = strip({red, green, blue, yellow});
    const struct {
        int frames;
        bool enabled, hot, down;
        QColor shown;
    } cases[] = {
        {4, true, false, false, red},  {4, false, true, true, green}, {4, true, true, false, yellow},
        {4, true, false, true, blue},  {4, true, true, true, blue},   {3, true, true, false, red},
        {2, true, false, true, red},   {1, false, false, false, red},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << c.frames << " frames, enabled " << c.enabled << " hot " << c.hot
                                        << " down " << c.down);
        const QImage glyph = four.copy(0, 0, 8 * c.frames, 9);
        LbButtonFace f = dialogFace();
        f.glyph = &glyph;
        f.numGlyphs = c.frames;
        f.enabled = c.enabled;
        f.hot = c.hot;
        f.down = c.down;
        const QImage image = paint(f);
        EXPECT_EQ(image.pixelColor(40, 12), c.shown);
    }
}

TEST(LbButtonFace, LayoutAndAlignmentPlaceTheGlyph)
{
    const QImage glyph = strip({QColor(255, 0, 0)});
    const struct {
        TLbButtonLayout layout;
        TAlignment alignment;
        QPoint at;
    } cases[] = {
        {TLbButtonLayout::blGlyphLeft, TAlignment::taCenter, {26, 10}},
        {TLbButtonLayout::blGlyphLeft, TAlignment::taLeftJustify, {4, 10}},
        {TLbButtonLayout::blGlyphLeft, TAlignment::taRightJustify, {48, 10}},
        {TLbButtonLayout::blGlyphRight, TAlignment::taRightJustify, {48, 10}},
        {TLbButtonLayout::blGlyphTop, TAlignment::taCenter, {26, 8}},
        {TLbButtonLayout::blGlyphBottom, TAlignment::taLeftJustify, {4, 8}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(testing::Message() << int(c.layout) << "/" << int(c.alignment));
        LbButtonFace f = dialogFace();
        f.width = 60;
        f.height = 30;
        f.glyph = &glyph;
        f.numGlyphs = 1;
        f.layout = c.layout;
        f.alignment = c.alignment;
        const QImage image = paint(f);
        EXPECT_EQ(image.pixelColor(c.at), QColor(255, 0, 0));
        EXPECT_NE(image.pixelColor(c.at - QPoint(1, 1)), QColor(255, 0, 0));
    }
}

TEST(LbButtonFace, APopupMenuShowsTheArrow)
{
    LbButtonFace f = dialogFace();
    f.hasPopupMenu = true;
    const QImage image = paint(f);
    const QPoint arrow(f.width - 11, f.height / 2 - 1);
    EXPECT_EQ(image.pixelColor(arrow), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(arrow + QPoint(2, 2)), QColor(0, 0, 0)) << "the tip";
    EXPECT_EQ(image.pixelColor(arrow + QPoint(0, 2)), q(Face)) << "transparent ground";
}

TEST(LbButtonFace, RoundStylesLeaveTheirCornersToTheParent)
{
    for (const TLbButtonStyle style : {TLbButtonStyle::bsModern, TLbButtonStyle::bsQuicken, TLbButtonStyle::bsShape}) {
        TLbButton button;
        button.resize(80, 26);
        button.setStyle(style);
        const QImage face = button.paintFace();
        EXPECT_EQ(face.pixelColor(0, 0).alpha(), 0) << int(style);
        if (style != TLbButtonStyle::bsShape) {
            EXPECT_EQ(face.pixelColor(40, 13).alpha(), 255) << int(style);
        }
    }
}

TEST(LbButtonFace, TheFocusShowsADottedRectangleFourPixelsIn)
{
    QWidget window;
    auto *button = new TLbButton(&window);
    button->resize(80, 26);
    auto *other = new TLbButton(&window);
    other->move(0, 40);
    window.show();
    window.activateWindow();
    QApplication::processEvents();
    button->setFocus();
    ASSERT_TRUE(button->hasFocus());
    const QImage focused = button->paintFace();
    const QColor face = q(platform::clBtnFace);
    // Every other pixel of the frame 4 pixels in is inverted.
    int dots = 0;
    for (int x = 4; x < 76; ++x) {
        const bool dot = focused.pixelColor(x, 4) != face;
        EXPECT_NE(dot, focused.pixelColor(x + 1, 4) != face) << x;
        dots += dot ? 1 : 0;
    }
    EXPECT_EQ(dots, 36);
    EXPECT_EQ(focused.pixelColor(3, 4), face);
    EXPECT_EQ(focused.pixelColor(10, 3), face);
    button->setStyle(TLbButtonStyle::bsOld);
    const QImage old = button->paintFace();
    EXPECT_EQ(old.pixelColor(0, 13), QColor(0, 0, 0)) << "the old style frames a focused face in black";
    EXPECT_EQ(old.pixelColor(79, 13), QColor(0, 0, 0));
    button->setStyle(TLbButtonStyle::bsNormal);

    other->setFocus();
    const QImage unfocused = button->paintFace();
    for (int x = 4; x < 76; ++x)
        EXPECT_EQ(unfocused.pixelColor(x, 4), face) << x;
}
