#pragma once
// Pictures of small images as rows of characters, one per pixel, so that a
// test states the exact pixels it expects.
#include "platform/Color.h"

#include <QImage>

#include <map>
#include <string>

namespace drawtest {

inline const std::map<platform::TColor, char> &legend()
{
    using namespace platform;
    static const std::map<TColor, char> l = {{clWhite, '.'}, {clBlack, '#'}, {clRed, 'r'}, {clBlue, 'b'},
                                             {clLime, 'g'},  {clYellow, 'y'}, {clGray, 'x'}, {clSilver, 's'},
                                             {clAqua, 'c'}, {clFuchsia, 'm'}, {RGB(0xF0, 0xF0, 0xF0), 'f'},
                                             {RGB(160, 160, 160), 'd'}, {RGB(105, 105, 105), 'k'},
                                             {RGB(227, 227, 227), 'l'}, {RGB(100, 100, 100), 'w'}};
    return l;
}

inline platform::TColor colorAt(const QImage &image, int x, int y)
{
    const QRgb p = image.pixel(x, y);
    return platform::RGB(qRed(p), qGreen(p), qBlue(p));
}

// The pixels of rows top.. and columns left.., '?' for colours without a letter.
inline std::string picture(const QImage &image, int left, int top, int width, int height)
{
    std::string out;
    for (int y = top; y < top + height; ++y) {
        for (int x = left; x < left + width; ++x) {
            const auto found = legend().find(colorAt(image, x, y));
            out += found == legend().end() ? '?' : found->second;
        }
        out += '\n';
    }
    return out;
}

inline std::string picture(const QImage &image) { return picture(image, 0, 0, image.width(), image.height()); }

// Rows given as separate strings, joined as picture() prints them.
template <class... Rows>
std::string rows(const Rows &...r)
{
    std::string out;
    ((out += std::string(r) + '\n'), ...);
    return out;
}

inline QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::white);
    return image;
}

} // namespace drawtest
