#include "controls/grid/base/paint/GlowMask.h"

#include "platform/Error.h"
#include "platform/draw/Canvas.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#if defined(__x86_64__) || defined(__i386__)
#include <immintrin.h>
#endif

namespace controls {

using namespace platform;

namespace {

constexpr int kBlurredEdge = 20;  // lines this close to an edge are blurred
constexpr int kSampleLine = 15;   // the blurred line the others copy

// Blurs n pixels of three bytes from a packed line into dst, where they
// lie step bytes apart.
void blurLine(const std::uint8_t *src, std::uint8_t *dst, int n, std::ptrdiff_t step, const TBlurKernel &kernel)
{
    const int hw = kernel.halfWidth;
    for (int i = 0; i < n; ++i) {
        double sum[3] = {0, 0, 0};
        for (int k = -hw; k <= hw; ++k) {
            const int at = std::clamp(i - k, 0, n - 1);
            const std::uint8_t *p = src + at * 3;
            const double w = kernel.weight(k);
            sum[0] += w * p[0];
            sum[1] += w * p[1];
            sum[2] += w * p[2];
        }
        // The weights add up to 1 only up to rounding: a line of 255s must
        // stay 255, not become 254.
        std::uint8_t *q = dst + i * step;
        for (int c = 0; c < 3; ++c)
            q[c] = std::uint8_t(std::min(255, int(sum[c] + 1e-9)));
    }
}

bool blurred(int line, int count) { return line <= kBlurredEdge || line >= count - kBlurredEdge; }

// Qt's painter may leave the upper halves of the wide vector registers in
// use; until they are cleared, every SSE instruction of the blur pays for
// the switch, which made it five times slower right after a paint.
#if defined(__x86_64__) || defined(__i386__)
__attribute__((target("avx"))) void clearUpperVectorHalves() { _mm256_zeroupper(); }
void leavePaintersVectorState()
{
    if (__builtin_cpu_supports("avx"))
        clearUpperVectorHalves();
}
#else
void leavePaintersVectorState() {}
#endif

} // namespace

bool is24Bit(const QImage &image)
{
    return image.format() == QImage::Format_RGB888 || image.format() == QImage::Format_BGR888;
}

TBlurKernel blurKernel(double radius)
{
    TBlurKernel kernel;
    // No radius spreads nothing: the pixel itself, whole.
    if (!(radius > 0)) {
        kernel.weights[10] = 1.0;
        return kernel;
    }
    double total = 0;
    for (int k = -10; k <= 10; ++k) {
        const double d = k / radius;
        kernel.weights[std::size_t(k + 10)] = std::exp(-d * d / 2);
        total += kernel.weights[std::size_t(k + 10)];
    }
    for (double &w : kernel.weights)
        w /= total;
    int half = 10;
    double dropped = 0;
    while (dropped < 1.0 / 510 && half > 1) {
        dropped += 2 * kernel.weight(half);
        --half;
    }
    double kept = 0;
    for (int k = -half; k <= half; ++k)
        kept += kernel.weight(k);
    for (int k = -10; k <= 10; ++k)
        kernel.weights[std::size_t(k + 10)] = std::abs(k) <= half ? kernel.weight(k) / kept : 0.0;
    kernel.halfWidth = half;
    return kernel;
}

void BlurBitmap(QImage &bitmap, double radius)
{
    if (!is24Bit(bitmap))
        throw Error(QStringLiteral("Blur only works for 24-bit bitmaps"));
    if (!(radius > 0) || bitmap.isNull())
        return;
    leavePaintersVectorState();
    const TBlurKernel kernel = blurKernel(radius);
    const int w = bitmap.width(), h = bitmap.height();
    const std::ptrdiff_t stride = bitmap.bytesPerLine();
    std::uint8_t *bits = bitmap.bits();
    std::vector<std::uint8_t> line(std::size_t(std::max(w, h)) * 3);

    for (int y = 0; y < h; ++y) {
        std::uint8_t *row = bits + y * stride;
        if (!blurred(y, h)) {
            std::memcpy(row, bits + kSampleLine * stride, std::size_t(w) * 3);
            continue;
        }
        std::memcpy(line.data(), row, std::size_t(w) * 3);
        blurLine(line.data(), row, w, 3, kernel);
    }
    for (int x = 0; x < w; ++x) {
        std::uint8_t *column = bits + x * 3;
        if (!blurred(x, w)) {
            const std::uint8_t *sample = bits + kSampleLine * 3;
            for (int y = 0; y < h; ++y)
                std::memcpy(column + y * stride, sample + y * stride, 3);
            continue;
        }
        for (int y = 0; y < h; ++y)
            std::memcpy(&line[std::size_t(y) * 3], column + y * stride, 3);
        blurLine(line.data(), column, h, stride, kernel);
    }
}

void MakeRoundRectMask(QImage &bitmap, int width, int height, int penWidth, int cornerSize, double blurRadius)
{
    // Painted where the painter is fastest, then made 24-bit.
    QImage painted(std::max(width, 0), std::max(height, 0), QImage::Format_RGB32);
    if (!painted.isNull()) {
        painted.fill(Qt::black);
        TCanvas canvas(&painted);
        const bool ring = penWidth >= 1;
        canvas.Pen().setColor(clWhite);
        canvas.Pen().setWidth(ring ? penWidth : 1);
        canvas.Brush().setColor(ring ? clBlack : clWhite);
        const int c = penWidth / 2;
        canvas.RoundRect(c + 2, c + 2, width - c - 2, height - c - 2, cornerSize, cornerSize);
    }
    bitmap = painted.convertToFormat(QImage::Format_RGB888);
    if (blurRadius > 0 && !bitmap.isNull())
        BlurBitmap(bitmap, blurRadius);
}

TGridAlphaMask::TGridAlphaMask() : m_image(0, 0, QImage::Format_ARGB32_Premultiplied) {}

void TGridAlphaMask::SetSize(int width, int height)
{
    m_image = QImage(std::max(width, 0), std::max(height, 0), QImage::Format_ARGB32_Premultiplied);
    m_image.fill(Qt::transparent);
}

void TGridAlphaMask::Assign(const TGridAlphaMask &source)
{
    m_opacity = source.m_opacity;
    m_image = source.m_image;
}

void TGridAlphaMask::Assign(const QImage &source) { m_image = source.convertToFormat(QImage::Format_ARGB32_Premultiplied); }

void TGridAlphaMask::MergeMask(const QImage &mask, const QImage &bitmap)
{
    if (!is24Bit(bitmap))
        return;
    SetSize(bitmap.width(), bitmap.height());
    const QImage alphas = mask.convertToFormat(QImage::Format_RGB888);
    // Byte offsets of red, green and blue in a pixel of the colour picture.
    const bool rgb = bitmap.format() == QImage::Format_RGB888;
    const int r = rgb ? 0 : 2, b = rgb ? 2 : 0;
    const auto premultiplied = [](int channel, int alpha) { return (channel * alpha + 127) / 255; };
    for (int y = 0; y < bitmap.height(); ++y) {
        const std::uint8_t *colour = bitmap.constScanLine(y);
        const std::uint8_t *red = y < alphas.height() ? alphas.constScanLine(y) : nullptr;
        auto *out = reinterpret_cast<QRgb *>(m_image.scanLine(y));
        for (int x = 0; x < bitmap.width(); ++x, colour += 3) {
            const int alpha = red && x < alphas.width() ? red[x * 3] : 0;
            out[x] = qRgba(premultiplied(colour[r], alpha), premultiplied(colour[1], alpha),
                           premultiplied(colour[b], alpha), alpha);
        }
    }
}

} // namespace controls
