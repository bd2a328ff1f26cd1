#pragma once
// Small fixtures of the mini-HTML suites: a white image with a canvas in
// the grid's font, the box its ink falls in, pictures made on the spot and
// GIF files built byte by byte.
#include "platform/draw/Pixels.h"

#include "controls/grid/base/html/DrawHtmlText.h"

#include <QBuffer>
#include <QFile>

#include <vector>

namespace htmltest {

using namespace platform;
using namespace controls;

struct Paper {
    QImage image;
    TCanvas canvas;
    explicit Paper(int width = 200, int height = 60, int dpi = 96)
        : image(drawtest::whiteImage(width, height)), canvas(&image)
    {
        if (dpi != 96) {
            // Image resolutions are kept in dots per metre.
            image.setDotsPerMeterX(qRound(dpi / 0.0254));
            image.setDotsPerMeterY(qRound(dpi / 0.0254));
        }
        canvas.Font().setName(QStringLiteral("Verdana"));
        canvas.Font().setSize(8);
        canvas.Font().setColor(clBlack);
    }
    int width(const QString &text) { return canvas.TextWidth(text); }
    int gh() { return canvas.TextHeight(QStringLiteral("gh")); }
    bool draw(const QString &text, const TRect &rect, const THtmlDrawParams &params, THtmlDrawResult &result)
    {
        return DrawHtmlText(canvas, text, rect, params, result);
    }
    THtmlDrawResult draw(const QString &text, const TRect &rect, const THtmlDrawParams &params = {})
    {
        THtmlDrawResult result;
        DrawHtmlText(canvas, text, rect, params, result);
        return result;
    }
};

inline THtmlDrawParams measuring()
{
    THtmlDrawParams p;
    p.MeasureOnly = true;
    return p;
}

inline THtmlDrawParams hitTest(int x, int y)
{
    THtmlDrawParams p;
    p.HitTestOnly = true;
    p.HitX = x;
    p.HitY = y;
    return p;
}

// The smallest rectangle around the pixels of the area that are not white.
inline TRect inkBox(const QImage &image, TRect area = {})
{
    if (IsRectEmpty(area))
        area = Rect(0, 0, image.width(), image.height());
    int l = area.Right, t = area.Bottom, r = -1, b = -1;
    for (int y = area.Top; y < area.Bottom; ++y)
        for (int x = area.Left; x < area.Right; ++x)
            if (drawtest::colorAt(image, x, y) != clWhite) {
                l = std::min(l, x);
                t = std::min(t, y);
                r = std::max(r, x + 1);
                b = std::max(b, y + 1);
            }
    return r < 0 ? TRect{} : Rect(l, t, r, b);
}

inline bool inside(const TRect &inner, const TRect &outer)
{
    return inner.Left >= outer.Left && inner.Top >= outer.Top && inner.Right <= outer.Right
           && inner.Bottom <= outer.Bottom;
}

// How many pixels of the area have a colour the test counts.
template <class Pred>
int countPixels(const QImage &image, const TRect &area, Pred pred)
{
    int n = 0;
    for (int y = std::max(0, area.Top); y < std::min(image.height(), area.Bottom); ++y)
        for (int x = std::max(0, area.Left); x < std::min(image.width(), area.Right); ++x)
            n += pred(drawtest::colorAt(image, x, y)) ? 1 : 0;
    return n;
}

inline bool reddish(TColor c) { return GetRValue(c) > 160 && GetGValue(c) < 90 && GetBValue(c) < 90; }
inline bool bluish(TColor c) { return GetBValue(c) > 160 && GetRValue(c) < 90 && GetGValue(c) < 90; }
inline bool greenish(TColor c) { return GetGValue(c) > 100 && GetRValue(c) < 90 && GetBValue(c) < 90; }
inline bool dark(TColor c) { return GetRValue(c) < 90 && GetGValue(c) < 90 && GetBValue(c) < 90; }

inline QByteArray pngBytes(int width, int height, QColor color)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

inline bool writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

inline void loadPicture(THTMLPicture &picture, const QByteArray &bytes)
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    picture.LoadFromStream(&buffer);
}

// GIF files: a global table of white, red, green and blue; each frame is a
// rectangle of one of those colours.
struct GifFrameSpec {
    int left = 0;
    int top = 0;
    int width = 1;
    int height = 1;
    int color = 1;
    int delay = 10; // hundredths of a second
};

inline void putWord(QByteArray &out, int value)
{
    out += char(value & 0xFF);
    out += char((value >> 8) & 0xFF);
}

// Image data as 3-bit LZW codes with a clear code after every two pixels,
// so that the code size never grows.
inline QByteArray lzwBlocks(int pixels, int color)
{
    std::vector<int> codes{4};
    for (int i = 0; i < pixels; ++i) {
        codes.push_back(color);
        if (i % 2 == 1)
            codes.push_back(4);
    }
    codes.push_back(5);
    QByteArray packed;
    unsigned bits = 0;
    int count = 0;
    for (int code : codes) {
        bits |= unsigned(code) << count;
        count += 3;
        while (count >= 8) {
            packed += char(bits & 0xFF);
            bits >>= 8;
            count -= 8;
        }
    }
    if (count > 0)
        packed += char(bits & 0xFF);
    QByteArray out;
    out += char(2);
    for (qsizetype at = 0; at < packed.size(); at += 255) {
        const QByteArray block = packed.mid(at, 255);
        out += char(block.size());
        out += block;
    }
    out += char(0);
    return out;
}

inline QByteArray gifBytes(int screenWidth, int screenHeight, const std::vector<GifFrameSpec> &frames,
                           bool controlExtensions = true)
{
    QByteArray out("GIF89a");
    putWord(out, screenWidth);
    putWord(out, screenHeight);
    out += char(0x81); // global table of 4 colours
    out += char(0);
    out += char(0);
    out += QByteArray::fromHex("FFFFFF" "FF0000" "00FF00" "0000FF");
    for (const GifFrameSpec &f : frames) {
        if (controlExtensions) {
            out += QByteArray::fromHex("21F904");
            out += char(0x04); // leave the frame in place
            putWord(out, f.delay);
            out += char(0);
            out += char(0);
        }
        out += char(0x2C);
        putWord(out, f.left);
        putWord(out, f.top);
        putWord(out, f.width);
        putWord(out, f.height);
        out += char(0);
        out += lzwBlocks(f.width * f.height, f.color);
    }
    out += char(0x3B);
    return out;
}

} // namespace htmltest
