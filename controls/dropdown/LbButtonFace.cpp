#include "controls/dropdown/LbButtonFace.h"

#include "controls/dropdown/paint/DrawHelpers.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/Resources.h"

#include <algorithm>

namespace controls {
namespace {

using platform::TColor;

int half(int value) { return value / 2; }

// The face keeps this far from its edges, and between glyph and caption.
constexpr int FaceInset = 4;
constexpr int GlyphGap = 4;
// The focus rectangle lies FaceInset inside: the caption one pixel more.
constexpr int VerticalMargin = FaceInset + 1;
// The drop-down arrow sits this far from the right edge.
constexpr int ArrowRoom = 11;

void drawGlyphFrame(platform::TCanvas &canvas, const QImage &glyph, int x, int y, int frame, int frameWidth, int frameHeight)
{
    if (frameWidth <= 0 || frameHeight <= 0)
        return;
    int sourceX = frame * frameWidth;
    if (sourceX + frameWidth > glyph.width())
        sourceX = 0;
    canvas.DrawImage(x, y, transparentPart(glyph, QRect(sourceX, 0, std::min(frameWidth, glyph.width()),
                                                         std::min(frameHeight, glyph.height()))));
}

void paintBackground(platform::TCanvas &canvas, const LbButtonFace &f, TColor face, int shift)
{
    switch (f.style) {
    case TLbButtonStyle::bsShape:
        setBrush(canvas, platform::clFuchsia);
        setPen(canvas, platform::clFuchsia, platform::TPenStyle::psClear);
        fillRect(canvas, 0, 0, f.width, f.height);
        break;
    case TLbButtonStyle::bsNormal:
    case TLbButtonStyle::bsEncarta:
    case TLbButtonStyle::bsOld:
        // A rectangle one pixel beyond every side: the pen falls outside.
        setBrush(canvas, face);
        fillRect(canvas, 0, 0, f.width, f.height);
        break;
    case TLbButtonStyle::bsModern:
        DrawLbGradient(canvas, f.lightColor, face, 2, 2, f.width - 2, f.height / 4 + shift);
        DrawLbGradient(canvas, face, f.lightColor, 2, f.height / 4 + shift, f.width - 2, f.height - 1);
        break;
    case TLbButtonStyle::bsQuicken:
        break;
    }
}

void paintFrame(platform::TCanvas &canvas, const LbButtonFace &f, TColor face, bool down)
{
    const int w = f.width;
    const int h = f.height;
    setBrushClear(canvas);
    switch (f.style) {
    case TLbButtonStyle::bsNormal:
    case TLbButtonStyle::bsEncarta:
        if (f.flat && !(f.enabled && (f.hot || down)))
            return;
        setPen(canvas, down ? f.shadowColor : f.lightColor);
        canvas.MoveTo(0, h - 1);
        canvas.LineTo(0, 0);
        canvas.LineTo(w - 1, 0);
        setPen(canvas, down ? f.lightColor : f.shadowColor);
        canvas.LineTo(w - 1, h - 1);
        canvas.LineTo(0, h - 1);
        return;
    case TLbButtonStyle::bsOld:
        if (f.flat && !(f.enabled && (f.hot || down)))
            return;
        setPen(canvas, f.shadowColor);
        if (!down) {
            canvas.MoveTo(w - 2, 0);
            canvas.LineTo(w - 2, h - 2);
            canvas.LineTo(0, h - 2);
        } else {
            canvas.MoveTo(1, h - 3);
            canvas.LineTo(1, 1);
            canvas.LineTo(w - 2, 1);
        }
        setPen(canvas, down ? platform::cl3DDkShadow : f.lightColor);
        canvas.MoveTo(0, h - 1);
        canvas.LineTo(0, 0);
        canvas.LineTo(w - 1, 0);
        setPen(canvas, down ? f.lightColor : platform::cl3DDkShadow);
        canvas.LineTo(w - 1, h - 1);
        canvas.LineTo(-1, h - 1);
        return;
    case TLbButtonStyle::bsModern:
        setPen(canvas, down ? f.shadowColor : face);
        canvas.Rectangle(1, 1, w - 1, h - 1);
        setPen(canvas, f.shadowColor);
        canvas.RoundRect(0, 0, w, h, 6, 6);
        return;
    case TLbButtonStyle::bsQuicken:
        setPen(canvas, face, platform::TPenStyle::psClear);
        setBrush(canvas, face);
        canvas.RoundRect(0, 1, w, h, 4, 4);
        setBrushClear(canvas);
        setPen(canvas, f.shadowColor);
        canvas.MoveTo(4, 0);
        canvas.LineTo(w - 5, 0);
        canvas.MoveTo(4, h - 1);
        canvas.LineTo(w - 5, h - 1);
        return;
    case TLbButtonStyle::bsShape:
        return;
    }
}

unsigned alignmentFlags(TAlignment alignment)
{
    switch (alignment) {
    case TAlignment::taLeftJustify:
        return platform::DT_WORDBREAK;
    case TAlignment::taRightJustify:
        return platform::DT_WORDBREAK | platform::DT_RIGHT;
    case TAlignment::taCenter:
        break;
    }
    return platform::DT_WORDBREAK | platform::DT_CENTER;
}

struct Placement {
    int textX = 0;
    int textY = 0;
    int glyphX = 0;
    int glyphY = 0;
};

Placement place(const LbButtonFace &f, int shift, int gw, int gh, int tw, int th)
{
    Placement p;
    const int w = f.width;
    const int h = f.height;
    switch (f.layout) {
    case TLbButtonLayout::blGlyphLeft:
        p.textX = shift + 4 + (gw > 0 ? gw + 4 : 0);
        p.textY = half(h - th) + shift;
        p.glyphY = half(h - gh) + shift;
        p.glyphX = shift + 4;
        if (!f.wordWrap) {
            if (f.alignment == TAlignment::taRightJustify)
                p.glyphX = w - 4 - gw - tw + shift;
            else if (f.alignment == TAlignment::taCenter)
                p.glyphX = half(w - gw) + shift - half(tw);
        }
        break;
    case TLbButtonLayout::blGlyphRight:
        p.textX = shift + 4;
        p.textY = half(h - th) + shift;
        p.glyphY = half(h - gh) + shift;
        p.glyphX = p.textX + tw;
        if (!f.wordWrap) {
            if (f.alignment == TAlignment::taRightJustify)
                p.glyphX = w - 4 + shift - gw;
            else if (f.alignment == TAlignment::taCenter)
                p.glyphX = half(w - gw) + shift + half(tw);
        }
        break;
    case TLbButtonLayout::blGlyphTop:
    case TLbButtonLayout::blGlyphBottom: {
        const int block = th + (gh > 0 ? gh + 4 : 0);
        p.textX = shift + 4;
        if (f.layout == TLbButtonLayout::blGlyphTop) {
            p.textY = half(h - block) + gh + shift;
            p.glyphY = half(h - block) + shift;
        } else {
            p.textY = half(h - block) + shift;
            p.glyphY = half(h - block) + th + shift;
        }
        if (f.alignment == TAlignment::taLeftJustify)
            p.glyphX = shift + 4;
        else if (f.alignment == TAlignment::taRightJustify)
            p.glyphX = w - gw - 4 + shift;
        else
            p.glyphX = half(w - gw) + shift;
        break;
    }
    }
    return p;
}

} // namespace

TColor BlendHotTrackColor(TColor color, TColor hotTrackColor, int hotTrackStep)
{
    const TColor from = platform::ColorToRGB(color);
    const TColor to = platform::ColorToRGB(hotTrackColor);
    const double t = hotTrackStep / 8.0;
    const auto mix = [t](int a, int b) { return static_cast<int>(a * (1.0 - t) + b * t); };
    return platform::RGB(mix(platform::GetRValue(from), platform::GetRValue(to)),
                         mix(platform::GetGValue(from), platform::GetGValue(to)),
                         mix(platform::GetBValue(from), platform::GetBValue(to)));
}

void DrawLbGradient(platform::TCanvas &canvas, TColor from, TColor to, int left, int top, int right, int bottom)
{
    const TColor a = platform::ColorToRGB(from);
    const TColor b = platform::ColorToRGB(to);
    const int span = bottom - top;
    double r = platform::GetRValue(a);
    double g = platform::GetGValue(a);
    double bl = platform::GetBValue(a);
    const double dr = (platform::GetRValue(b) - r) / 31.0;
    const double dg = (platform::GetGValue(b) - g) / 31.0;
    const double db = (platform::GetBValue(b) - bl) / 31.0;
    for (int i = 0; i < 32; ++i) {
        const int bandTop = top + i * span / 31;
        const int bandBottom = std::min(bandTop + span / 31 + 1, bottom);
        setBrush(canvas, platform::RGB(static_cast<int>(r), static_cast<int>(g), static_cast<int>(bl)));
        fillRect(canvas, left, bandTop, right, bandBottom);
        r += dr;
        g += dg;
        bl += db;
    }
}

QSize LbButtonFaceExtent(const LbButtonFace &f)
{
    QImage scratch(1, 1, QImage::Format_ARGB32_Premultiplied);
    platform::TCanvas canvas(&scratch);
    QFont font = f.font.font;
    // Pressed, an Encarta face turns its caption bold: it must fit then too.
    if (f.style == TLbButtonStyle::bsEncarta)
        font.setBold(true);
    assignFont(canvas.Font(), font, f.font.color);
    int textWidth = 0;
    int textHeight = 0;
    if (!f.caption.isEmpty()) {
        // The face cuts the caption by this width, so it is the one to give.
        textWidth = canvas.TextWidth(f.caption);
        platform::TRect measured = platform::Rect(0, 0, textWidth, 0);
        canvas.DrawText(f.caption, measured, platform::DT_CALCRECT | platform::DT_WORDBREAK);
        textWidth = std::max(textWidth, measured.Width());
        textHeight = measured.Height();
    }
    const QImage empty;
    const QImage &glyph = f.glyph ? *f.glyph : empty;
    const int gw = f.numGlyphs > 0 ? glyph.width() / f.numGlyphs : 0;
    const int gh = glyph.height();

    int width = 0;
    int height = 0;
    if (f.style == TLbButtonStyle::bsShape) {
        width = std::max(textWidth, gw) + 2 * FaceInset;
        height = std::max(textHeight, gw > 0 ? gh : 0) + 2 * VerticalMargin;
    } else if (f.layout == TLbButtonLayout::blGlyphLeft || f.layout == TLbButtonLayout::blGlyphRight) {
        width = textWidth + (gw > 0 ? gw + GlyphGap : 0) + 2 * FaceInset;
        height = std::max(textHeight, gw > 0 ? gh : 0) + 2 * VerticalMargin;
    } else {
        width = std::max(textWidth, gw) + 2 * FaceInset;
        height = textHeight + (gh > 0 ? gh + GlyphGap : 0) + 2 * VerticalMargin;
    }
    if (f.hasPopupMenu)
        width += ArrowRoom;
    return {width, height};
}

QString fitLbCaption(platform::TCanvas &canvas, QString caption, int room)
{
    while (!caption.isEmpty() && canvas.TextWidth(caption) > room)
        caption.chop(1);
    return caption;
}

int lbGlyphFrame(int numGlyphs, bool enabled, bool hot, bool down)
{
    if (!enabled)
        return 1;
    int frame = 0;
    if (hot && numGlyphs > 3)
        frame = 3;
    if (down && numGlyphs > 2)
        frame = 2;
    return frame;
}

void PaintLbButtonFace(platform::TCanvas &canvas, const LbButtonFace &f)
{
    PaintLbButtonBack(canvas, f);
    PaintLbButtonContent(canvas, f);
}

void PaintLbButtonBack(platform::TCanvas &canvas, const LbButtonFace &f)
{
    const bool down = f.enabled && f.down;
    const int shift = down && f.style != TLbButtonStyle::bsEncarta ? 1 : 0;

    TColor face = platform::ColorToRGB(f.color);
    if (f.enabled && f.hotTrackColor != platform::clNone)
        face = BlendHotTrackColor(f.color, f.hotTrackColor, f.hotTrackStep);
    if (down && f.colorWhenDown != platform::clNone)
        face = f.colorWhenDown;

    paintBackground(canvas, f, face, shift);
    paintFrame(canvas, f, face, down);
}

bool sameLbButtonContent(const LbButtonFace &a, const LbButtonFace &b)
{
    const auto glyphKey = [](const LbButtonFace &f) { return f.glyph ? f.glyph->cacheKey() : 0; };
    // Hot shows only through a glyph frame of its own; down moves the content
    // or turns it bold, and may pick a frame.
    const auto down = [](const LbButtonFace &f) { return f.enabled && f.down; };
    const auto frame = [&](const LbButtonFace &f) { return lbGlyphFrame(f.numGlyphs, f.enabled, f.hot, down(f)); };
    return a.width == b.width && a.height == b.height && a.numGlyphs == b.numGlyphs && glyphKey(a) == glyphKey(b)
           && down(a) == down(b) && frame(a) == frame(b) && a.enabled == b.enabled && a.wordWrap == b.wordWrap
           && a.hasPopupMenu == b.hasPopupMenu && a.style == b.style && a.font.font == b.font.font
           && a.font.color == b.font.color && a.layout == b.layout && a.caption == b.caption
           && a.alignment == b.alignment;
}

void PaintLbButtonContent(platform::TCanvas &canvas, const LbButtonFace &f)
{
    const bool down = f.enabled && f.down;
    const int shift = down && f.style != TLbButtonStyle::bsEncarta ? 1 : 0;
    setBrushClear(canvas);

    QFont font = f.font.font;
    if (f.style == TLbButtonStyle::bsEncarta && down)
        font.setBold(true);
    assignFont(canvas.Font(), font, f.font.color);

    const QImage empty;
    const QImage &glyph = f.glyph ? *f.glyph : empty;
    const int gh = glyph.height();
    const int gw = f.numGlyphs > 0 ? glyph.width() / f.numGlyphs : 0;
    const int frame = lbGlyphFrame(f.numGlyphs, f.enabled, f.hot, down);
    const unsigned flags = alignmentFlags(f.alignment);

    int room = f.width - 8;
    if (f.style != TLbButtonStyle::bsShape && gw > 0
        && (f.layout == TLbButtonLayout::blGlyphLeft || f.layout == TLbButtonLayout::blGlyphRight))
        room -= gw + 4;
    room = std::max(room, 0);
    const QString caption = f.wordWrap ? f.caption : fitLbCaption(canvas, f.caption, room);
    platform::TRect measured = platform::Rect(0, 0, room, 0);
    if (!caption.isEmpty())
        canvas.DrawText(caption, measured, platform::DT_CALCRECT | platform::DT_WORDBREAK);
    const int th = caption.isEmpty() ? 0 : measured.Height();
    const int tw = caption.isEmpty() ? 0 : measured.Width() + 4;

    if (f.style == TLbButtonStyle::bsShape) {
        drawGlyphFrame(canvas, glyph, half(f.width - gw), half(f.height - gh), frame, gw, gh);
        platform::TRect box = platform::Rect(shift, half(f.height - th) + shift, f.width, f.height);
        canvas.DrawText(caption, box, platform::DT_WORDBREAK | platform::DT_CENTER);
    } else {
        const Placement p = place(f, shift, gw, gh, tw, th);
        if (!f.enabled)
            canvas.Font().setColor(platform::clGray);
        platform::TRect box = platform::Rect(p.textX, p.textY, p.textX + room, p.textY + th);
        canvas.DrawText(caption, box, flags);
        drawGlyphFrame(canvas, glyph, p.glyphX, p.glyphY, frame, gw, gh);
    }

    if (f.hasPopupMenu) {
        static const QImage arrow = platform::loadResourceImage(QStringLiteral("LBARROW"));
        canvas.DrawImage(f.width - 11, half(f.height) - 1, transparentPart(arrow, arrow.rect()));
    }
}

} // namespace controls
