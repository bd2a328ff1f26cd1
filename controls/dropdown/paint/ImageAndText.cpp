#include "controls/dropdown/paint/ImageAndText.h"

#include <algorithm>

namespace controls {

using namespace platform;

void DrawImageAndText(TCanvas *canvas, const TRect &r, const QString &text, int imageIndex,
                      const TImageList *images)
{
    if (!canvas)
        return;
    TRect textRect = r;
    const bool withImage = imageIndex >= 0 && images;
    if (withImage) {
        images->Draw(*canvas, r.Left + 4, r.Top + (r.Height() - images->Height()) / 2, imageIndex, true);
        textRect.Left = r.Left + images->Width() + 8;
    }
    if (text.isEmpty())
        return;
    unsigned format = DT_SINGLELINE | DT_VCENTER | DT_END_ELLIPSIS;
    if (!withImage)
        format |= DT_CENTER;
    canvas->DrawText(text, textRect, format);
}

void DrawGlyphTransparent(TCanvas &canvas, const TBitmap &glyph, TColor backColor, const TRect &r)
{
    if (glyph.Empty())
        return;
    QImage copy = glyph.image().convertToFormat(QImage::Format_ARGB32);
    const QRgb ground = copy.pixel(0, 0);
    const TColor back = ColorToRGB(backColor);
    const QRgb replacement = qRgb(GetRValue(back), GetGValue(back), GetBValue(back));
    for (int y = 0; y < copy.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(copy.scanLine(y));
        for (int x = 0; x < copy.width(); ++x)
            if (row[x] == ground)
                row[x] = replacement;
    }
    // Outside the glyph there is nothing to copy.
    const int width = std::min(r.Width(), copy.width());
    const int height = std::min(r.Height(), copy.height());
    if (width > 0 && height > 0)
        canvas.DrawImage(r.Left, r.Top, copy.copy(0, 0, width, height));
}

} // namespace controls
