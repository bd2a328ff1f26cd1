#pragma once
// Free routines the tree's painting shares: ordering rectangles, shortening
// and wrapping text, and blending 32-bit images.
#include "platform/draw/Canvas.h"
#include "platform/draw/Geometry.h"

#include <QImage>
#include <QString>

#include <cstdint>
#include <functional>

namespace vtree {

enum class TPixelBlend : std::uint8_t { pbConstantAlpha, pbSourceAlpha, pbScaledSourceAlpha, pbColorTint };

// The pixel width of a text, as the canvas measures it.
using TextExtentFn = std::function<int(const QString &)>;
TextExtentFn canvasExtent(platform::TCanvas &Canvas);

platform::TRect NormalizeRect(platform::TRect R);

// R becomes the extent of Text drawn with Format from R's top-left.
void CalcTextRect(platform::TCanvas &Canvas, const QString &Text, platform::TRect &R, unsigned Format);

// S, or its longest prefix that fits Width together with "..." (0 for
// EllipsisWidth measures it); empty when not even "..." fits.
QString EllipsizeText(const TextExtentFn &Extent, const QString &S, int Width, int EllipsisWidth);

// S broken into lines of at most MaxWidth pixels, separated by line feeds;
// right-to-left fills lines from the end of the text. A word too long for a
// line of its own is split.
QString WrapTextLines(const TextExtentFn &Extent, const QString &S, int MaxWidth, bool RTL);

// One byte blended as the mode says (S source, D destination, A alpha).
std::uint8_t BlendByte(TPixelBlend Mode, int S, int D, int A, int Bias);

// Blends R of Source onto Destination at Target (pbColorTint: R of
// Destination in place, Bias the tint colour). Both images hold 32 bits
// per pixel; any other image fails the assertion.
void AlphaBlendRect(const QImage *Source, QImage &Destination, platform::TRect R, platform::TPoint Target,
                    TPixelBlend Mode, int ConstantAlpha, int Bias);

} // namespace vtree
