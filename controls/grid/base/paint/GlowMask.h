#pragma once
// The shape and colour of the focus glow: a white rounded ring on black,
// blurred, becomes the alpha of a colour picture, premultiplied as a
// translucent window shows it. The grid's glow uses a ring 4 pixels wide
// with corners of 5, blurred with radius 3, on a mask 9 pixels larger than
// the cell, over the colour 0xFDD397 at opacity 230.
#include "platform/Color.h"

#include <QImage>

#include <array>
#include <cstdint>

namespace controls {

// 24 bits a pixel: the kind of picture the mask and the blur work on.
bool is24Bit(const QImage &image);

// The Gaussian weights of offsets -10..10 for a radius, and how many of
// them on each side of the centre the blur uses; the used ones add up to 1.
// A radius of 0 or less (or not a number) keeps the centre alone.
struct TBlurKernel {
    std::array<double, 21> weights{};
    int halfWidth = 0;
    double weight(int offset) const { return weights[std::size_t(offset + 10)]; }
};
TBlurKernel blurKernel(double radius);

// Blurs a 24-bit picture in place, each line of blue, green and red with
// the kernel, rows first, then columns; the rows (and columns) more than
// 20 from both edges take the blurred row (column) 15, as a ring mask is
// alike there. Throws platform::Error "Blur only works for 24-bit bitmaps"
// for any other picture, changing nothing; a radius of 0 or less changes
// nothing.
void BlurBitmap(QImage &bitmap, double radius);

// bitmap becomes a black 24-bit picture of the size with a white rounded
// rectangle, a ring of penWidth (filled when penWidth < 1), inset by
// penWidth / 2 + 2, blurred when blurRadius > 0.
void MakeRoundRectMask(QImage &bitmap, int width, int height, int penWidth, int cornerSize, double blurRadius);

// A 32-bit picture of premultiplied blue, green, red and alpha, and the
// opacity the whole of it is shown with.
class TGridAlphaMask {
public:
    TGridAlphaMask();

    std::uint8_t Opacity() const { return m_opacity; }
    void setOpacity(std::uint8_t opacity) { m_opacity = opacity; }
    const QImage &image() const { return m_image; }
    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    void SetSize(int width, int height);

    // Another mask's opacity and pixels (and size); any picture's pixels,
    // made 32-bit.
    void Assign(const TGridAlphaMask &source);
    void Assign(const QImage &source);

    // With a 24-bit colour picture: takes its size; each pixel's alpha is
    // the red of the mask's pixel (0 beyond the mask), its colour the
    // picture's times alpha / 255, rounded. Any other picture changes
    // nothing.
    void MergeMask(const QImage &mask, const QImage &bitmap);

private:
    QImage m_image;
    std::uint8_t m_opacity = 255;
};

} // namespace controls
