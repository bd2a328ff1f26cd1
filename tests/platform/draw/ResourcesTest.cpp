#include "Pixels.h"

#include "platform/draw/Bitmap.h"
#include "platform/draw/ImageList.h"
#include "platform/draw/Resources.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace drawtest;

TEST(Resources, EveryNamedBitmapHasTheSizeTheControlsExpect)
{
    struct Named {
        const char *name;
        QSize size;
    } const bitmaps[] = {
        {"LBOK", {36, 18}},           {"LBCANCEL", {36, 18}},       {"LBHELP", {36, 18}},
        {"LBYES", {36, 18}},          {"LBNO", {36, 18}},           {"LBCLOSE", {36, 18}},
        {"LBABORT", {36, 18}},        {"LBRETRY", {36, 18}},        {"LBIGNORE", {36, 18}},
        {"LBALL", {36, 19}},          {"LBARROW", {5, 3}},          {"FENLO_SPECTRUM", {128, 128}},
        {"LT_CHECK_LIGHT", {400, 16}}, {"LT_CHECK_DARK", {400, 16}}, {"LT_TICK_LIGHT", {400, 16}},
        {"LT_TICK_DARK", {400, 16}},  {"LT_FLAT", {400, 16}},       {"LT_XP", {400, 16}},
        {"LT_UTILITIES", {144, 16}},  {"LT_XPBUTTONPLUS", {9, 9}},  {"LT_XPBUTTONMINUS", {9, 9}},
        {"LT_MOVEALL", {32, 32}},     {"LT_MOVEEW", {32, 32}},      {"LT_MOVENS", {32, 32}},
    };
    for (const Named &n : bitmaps) {
        const QImage image = loadResourceImage(QString::fromLatin1(n.name));
        EXPECT_EQ(image.size(), n.size) << n.name;
    }
    EXPECT_FALSE(loadResourceImage(QStringLiteral("lbok")).isNull()) << "names match without regard to case";
    EXPECT_TRUE(loadResourceImage(QStringLiteral("LBNOTHING")).isNull());
    EXPECT_TRUE(loadResourceImage(QString()).isNull());
    EXPECT_TRUE(loadResourceImage(QStringLiteral("../bitmaps/LBOK")).isNull());
}

TEST(Resources, CursorsCarryTheirHotSpot)
{
    const char *names[] = {"FENLO_POINTER", "LT_HEADERSPLIT", "LT_VERTSPLIT", "LT_MOVEALL", "LT_MOVEEW",
                           "LT_MOVENS",     "LT_MOVEN",       "LT_MOVES",     "LT_MOVEE",   "LT_MOVEW",
                           "LT_MOVENE",     "LT_MOVENW",      "LT_MOVESE",    "LT_MOVESW"};
    for (const char *name : names) {
        bool found = false;
        const QCursor cursor = loadResourceCursor(QString::fromLatin1(name), &found);
        EXPECT_TRUE(found) << name;
        EXPECT_EQ(cursor.pixmap().size(), QSize(32, 32)) << name;
        EXPECT_EQ(cursor.hotSpot(), QPoint(15, 15)) << name;
    }
    bool found = true;
    EXPECT_EQ(loadResourceCursor(QStringLiteral("NONE"), &found).shape(), Qt::ArrowCursor);
    EXPECT_FALSE(found);
}

TEST(Resources, GlyphsAreTwoFramesOnATransparentCornerAndCheckSetsCutInto25)
{
    TBitmap glyph;
    glyph.LoadFromResourceName(QStringLiteral("LBOK"));
    glyph.setTransparent(true);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia);
    EXPECT_NE(colorAt(glyph.image(), 9, 9), colorAt(glyph.image(), 27, 9)) << "the disabled frame differs";

    TImageList checks(16, 16);
    const TBitmap set(loadResourceImage(QStringLiteral("LT_CHECK_LIGHT"), TResourceColors::Mapped));
    checks.AddMasked(set, TColor(colorAt(set.image(), 0, 0)));
    EXPECT_EQ(checks.Count(), 25);
    EXPECT_EQ(checks.imageAt(0).pixel(8, 8) >> 24, 0u) << "image 0 is blank";
    EXPECT_EQ(qAlpha(checks.imageAt(9).pixel(8, 8)), 255) << "a check box";
}

TEST(Resources, MappedColoursFollowTheColourTable)
{
    const QImage stored = loadResourceImage(QStringLiteral("LT_UTILITIES"));
    const QImage mapped = loadResourceImage(QStringLiteral("LT_UTILITIES"), TResourceColors::Mapped);
    // The sort glyph is grey, which becomes the button shadow colour.
    EXPECT_EQ(colorAt(stored, 2 * 16 + 8, 7), clGray);
    EXPECT_EQ(colorAt(mapped, 2 * 16 + 8, 7), ColorToRGB(clBtnShadow));
}
