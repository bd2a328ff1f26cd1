#include "controls/vtree/widget/DrawingUtils.h"

#include "controls/vtree/TreeErrors.h"
#include "platform/Color.h"
#include "platform/draw/DrawFlags.h"

#include <QStringList>

#include <algorithm>
#include <utility>

namespace vtree {

using platform::TRect;

TextExtentFn canvasExtent(platform::TCanvas &Canvas)
{
    return [&Canvas](const QString &text) { return Canvas.TextWidth(text); };
}

TRect NormalizeRect(TRect R)
{
    if (R.Left > R.Right)
        std::swap(R.Left, R.Right);
    if (R.Top > R.Bottom)
        std::swap(R.Top, R.Bottom);
    return R;
}

void CalcTextRect(platform::TCanvas &Canvas, const QString &Text, TRect &R, unsigned Format)
{
    R.Right = R.Left + 1;
    R.Bottom = R.Top + 1;
    Canvas.DrawText(Text, R, Format | platform::DT_CALCRECT);
}

QString EllipsizeText(const TextExtentFn &Extent, const QString &S, int Width, int EllipsisWidth)
{
    static const QString ellipsis = QStringLiteral("...");
    if (S.isEmpty() || Width <= 0)
        return {};
    if (EllipsisWidth == 0)
        EllipsisWidth = Extent(ellipsis);
    qsizetype low = 0;
    qsizetype high = S.size();
    while (high > low) {
        const qsizetype n = (low + high + 1) / 2;
        if (Extent(S.left(n)) + EllipsisWidth <= Width)
            low = n;
        else
            high = n - 1;
    }
    if (low == S.size())
        return S;
    if (Width > EllipsisWidth)
        return S.left(low) + ellipsis;
    return {};
}

QString WrapTextLines(const TextExtentFn &Extent, const QString &S, int MaxWidth, bool RTL)
{
    const QString text = S.trimmed();
    if (text.isEmpty())
        return {};
    QStringList words = text.split(QLatin1Char(' '));
    QString result;
    QString line;
    auto joined = [RTL](const QString &l, const QString &word) {
        if (l.isEmpty())
            return word;
        return RTL ? word + QLatin1Char(' ') + l : l + QLatin1Char(' ') + word;
    };
    while (!words.isEmpty()) {
        QString &word = RTL ? words.last() : words.first();
        const QString candidate = joined(line, word);
        if (Extent(candidate) <= MaxWidth) {
            line = candidate;
            if (RTL)
                words.removeLast();
            else
                words.removeFirst();
            if (words.isEmpty())
                result += line + QLatin1Char('\n');
            continue;
        }
        if (line.isEmpty()) {
            // Not even alone on a line: the part that fits goes here.
            qsizetype take = word.size() - 1;
            while (take > 1 && Extent(RTL ? word.right(take) : word.left(take)) > MaxWidth)
                --take;
            take = std::max<qsizetype>(take, 1);
            line = RTL ? word.right(take) : word.left(take);
            word = RTL ? word.left(word.size() - take) : word.mid(take);
            if (word.isEmpty()) {
                if (RTL)
                    words.removeLast();
                else
                    words.removeFirst();
            }
        }
        result += line + QLatin1Char('\n');
        line.clear();
    }
    if (result.endsWith(QLatin1Char('\n')))
        result.chop(1);
    return result;
}

std::uint8_t BlendByte(TPixelBlend Mode, int S, int D, int A, int Bias)
{
    if (Mode == TPixelBlend::pbColorTint)
        return std::uint8_t((S * A + D * (256 - A)) >> 8);
    const int value = ((D * 256 + A * (S - D)) >> 8) + Bias;
    return std::uint8_t(std::clamp(value, 0, 255));
}

namespace {

bool is32Bit(const QImage &image)
{
    return image.format() == QImage::Format_ARGB32 || image.format() == QImage::Format_RGB32 ||
           image.format() == QImage::Format_ARGB32_Premultiplied;
}

void requireBits(const QImage &image)
{
    if (image.isNull())
        failAssertion(QString::fromUtf8(assertions::blendNoBitmap), unitUtils, __LINE__);
    if (!is32Bit(image))
        failAssertion(QString::fromUtf8(assertions::blendBitmapDepth), unitUtils, __LINE__);
}

} // namespace

void AlphaBlendRect(const QImage *Source, QImage &Destination, TRect R, platform::TPoint Target, TPixelBlend Mode,
                    int ConstantAlpha, int Bias)
{
    if (IsRectEmpty(R))
        return;
    requireBits(Destination);
    const bool tint = Mode == TPixelBlend::pbColorTint;
    if (!tint) {
        if (!Source)
            return;
        requireBits(*Source);
    }
    // The tint colour's bytes in pixel order: blue, green, red, no alpha.
    const platform::TColor tintColor = tint ? platform::ColorToRGB(platform::TColor(Bias)) : 0;
    const int tintBytes[4] = {(tintColor >> 16) & 0xFF, (tintColor >> 8) & 0xFF, tintColor & 0xFF, 0};
    for (int i = 0; i < R.Height(); ++i) {
        const int destY = tint ? R.Top + i : Target.Y + i;
        if (destY < 0 || destY >= Destination.height())
            continue;
        auto *dest = reinterpret_cast<std::uint8_t *>(Destination.scanLine(destY));
        const std::uint8_t *src = nullptr;
        if (!tint) {
            const int sourceY = R.Top + i;
            if (sourceY < 0 || sourceY >= Source->height())
                continue;
            src = reinterpret_cast<const std::uint8_t *>(Source->constScanLine(sourceY));
        }
        for (int j = 0; j < R.Width(); ++j) {
            const int sx = R.Left + j;
            const int dx = tint ? sx : Target.X + j;
            if (dx < 0 || dx >= Destination.width() || (!tint && (sx < 0 || sx >= Source->width())))
                continue;
            std::uint8_t *d = dest + 4 * dx;
            const std::uint8_t *s = src ? src + 4 * sx : nullptr;
            int alpha = ConstantAlpha;
            if (Mode == TPixelBlend::pbSourceAlpha)
                alpha = s[3];
            else if (Mode == TPixelBlend::pbScaledSourceAlpha)
                alpha = (ConstantAlpha * s[3]) >> 8;
            for (int b = 0; b < 4; ++b)
                d[b] = BlendByte(Mode, tint ? tintBytes[b] : s[b], d[b], alpha, tint ? 0 : Bias);
        }
    }
}

} // namespace vtree
