#include "Pixels.h"

#include "platform/draw/ColorMath.h"
#include "platform/draw/ImageList.h"

#include <gtest/gtest.h>

using namespace platform;
using namespace drawtest;

namespace {

// A bitmap from a picture: letters as in Pixels.h.
TBitmap bitmapOf(const std::vector<std::string> &lines)
{
    TBitmap b(int(lines[0].size()), int(lines.size()));
    for (int y = 0; y < b.Height(); ++y)
        for (int x = 0; x < b.Width(); ++x)
            for (const auto &[color, letter] : legend())
                if (letter == lines[std::size_t(y)][std::size_t(x)])
                    b.Canvas().SetPixel(x, y, color);
    return b;
}

} // namespace

TEST(Bitmap, SizeCanvasAndCopies)
{
    TBitmap b(3, 2);
    EXPECT_EQ(picture(b.image()), rows("...", "..."));
    b.Canvas().Brush().setColor(clRed);
    b.Canvas().FillRect(Rect(0, 0, 2, 2));
    b.SetSize(4, 3);
    EXPECT_EQ(picture(b.image()), rows("rr..", "rr..", "....")) << "kept at the upper left, new pixels white";
    b.Canvas().FillRect(Rect(3, 2, 4, 3));
    EXPECT_EQ(colorAt(b.image(), 3, 2), clRed) << "the canvas draws on after a resize";

    TBitmap copy(b);
    copy.Canvas().SetPixel(0, 0, clBlue);
    EXPECT_EQ(colorAt(b.image(), 0, 0), clRed) << "a copy has pixels of its own";

    b.SetSize(0, 5);
    EXPECT_TRUE(b.Empty());
    b.Canvas().FillRect(Rect(0, 0, 5, 5));
    EXPECT_EQ(b.TransparentColor(), clNone);
}

TEST(Bitmap, DrawsLeavingOutItsTransparentColour)
{
    TBitmap glyph = bitmapOf({"mbm", "bbm", "mbm"});
    QImage target = whiteImage(5, 3);
    TCanvas canvas(&target);
    DrawBitmap(canvas, 1, 0, glyph);
    EXPECT_EQ(picture(target), rows(".mbm.", ".bbm.", ".mbm.")) << "opaque unless transparent";
    glyph.setTransparent(true);
    EXPECT_EQ(glyph.TransparentColor(), clFuchsia) << "the lower-left pixel";
    target.fill(Qt::white);
    DrawBitmap(canvas, 1, 0, glyph);
    EXPECT_EQ(picture(target), rows("..b..", ".bb..", "..b.."));
    glyph.setTransparentColor(clBlue);
    target.fill(Qt::white);
    DrawBitmap(canvas, 0, 0, glyph);
    EXPECT_EQ(picture(target), rows("m.m..", "..m..", "m.m.."));
    target.fill(Qt::white);
    StretchTransparentPart(canvas, Rect(0, 0, 4, 2), glyph, Rect(1, 0, 3, 1), clFuchsia);
    EXPECT_EQ(picture(target), rows("bb...", "bb...", "....."));
    StretchTransparentPart(canvas, Rect(0, 0, 4, 2), glyph, Rect(1, 0, 9, 1), clFuchsia);
    EXPECT_EQ(picture(target), rows("bb...", "bb...", ".....")) << "a part outside the bitmap draws nothing";
}

TEST(Bitmap, MissingResourceRaises)
{
    TBitmap b;
    EXPECT_THROW(b.LoadFromResourceName(QStringLiteral("NO_SUCH_PICTURE")), EResNotFound);
    EXPECT_TRUE(b.Empty());
}

TEST(ImageList, CutsStripsAndMasksByColour)
{
    TImageList list(2, 2);
    EXPECT_EQ(list.AddMasked(bitmapOf({"mrbm", "rrmb"}), clFuchsia), 0);
    EXPECT_EQ(list.Count(), 2);
    QImage target = whiteImage(4, 2);
    TCanvas canvas(&target);
    list.Draw(canvas, 0, 0, 0);
    list.Draw(canvas, 2, 0, 1);
    EXPECT_EQ(picture(target), rows(".rb.", "rr.b"));
    EXPECT_EQ(list.Add(TBitmap()), -1);
    list.Draw(canvas, 0, 0, 2);
    list.Draw(canvas, 0, 0, -1);
    EXPECT_EQ(picture(target), rows(".rb.", "rr.b")) << "an index outside the list draws nothing";

    TImageList withMask(2, 1);
    const TBitmap mask = bitmapOf({".#"});
    withMask.Add(bitmapOf({"rr"}), &mask);
    target.fill(Qt::white);
    withMask.Draw(canvas, 0, 0, 0);
    EXPECT_EQ(picture(target, 0, 0, 2, 1), rows(".r")) << "white mask pixels are transparent";
}

TEST(ImageList, BlendedGreyedMaskedAndOverlaid)
{
    TImageList list(1, 1);
    list.Add(bitmapOf({"r"}));
    list.Add(bitmapOf({"b"}));
    list.setBlendColor(clBlue);
    const auto drawn = [&](unsigned style, bool enabled, TColor under = clWhite) {
        QImage target = whiteImage(1, 1);
        target.fill(QColor::fromRgb(0xFF000000u | (qRgb(GetRValue(under), GetGValue(under), GetBValue(under)))));
        TCanvas canvas(&target);
        list.DrawEx(canvas, 0, 0, 0, style, enabled);
        return colorAt(target, 0, 0);
    };
    EXPECT_EQ(drawn(ILD_NORMAL, true), clRed);
    EXPECT_EQ(drawn(ILD_BLEND50, true), RGB(127, 0, 128)) << "half way to the blend colour";
    EXPECT_EQ(drawn(ILD_BLEND25, true), RGB(191, 0, 64));
    EXPECT_EQ(drawn(ILD_NORMAL, false), RGB(76, 76, 76)) << "disabled: grey of the same brightness";
    EXPECT_EQ(drawn(ILD_MASK, true), clBlack);
    list.setBlendColor(clDefault);
    EXPECT_EQ(drawn(ILD_BLEND50, true), BlendColors(clRed, clHighlight, 128)) << "the highlight colour by default";

    EXPECT_TRUE(list.Overlay(1, 0));
    EXPECT_FALSE(list.Overlay(1, 15));
    EXPECT_FALSE(list.Overlay(7, 0));
    EXPECT_EQ(drawn(ILD_TRANSPARENT | INDEXTOOVERLAYMASK(1), true), clBlue) << "the overlay on top";
    EXPECT_EQ(drawn(ILD_TRANSPARENT | INDEXTOOVERLAYMASK(2), true), clRed) << "an unused overlay slot";
    list.Delete(1);
    EXPECT_EQ(drawn(ILD_TRANSPARENT | INDEXTOOVERLAYMASK(1), true), clRed) << "the overlay image is gone";
}

TEST(ImageList, KeepsThePixmapCalls)
{
    TImageList list(4, 4);
    QPixmap red(8, 8);
    red.fill(Qt::red);
    EXPECT_EQ(list.Add(red), 0);
    EXPECT_EQ(list.GetBitmap(0).size(), QSize(4, 4)) << "scaled to the list";
    EXPECT_TRUE(list.GetBitmap(1).isNull());
    TBitmap b;
    EXPECT_TRUE(list.GetBitmap(0, b));
    EXPECT_EQ(colorAt(b.image(), 3, 3), clRed);
    list.SetSize(2, 2);
    EXPECT_EQ(list.Count(), 0) << "a new size empties the list";
}
