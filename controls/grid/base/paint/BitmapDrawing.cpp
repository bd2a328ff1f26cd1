#include "controls/grid/base/paint/BitmapDrawing.h"

#include "platform/draw/Resources.h"
#include "platform/ui/QtColor.h"

namespace controls {

using namespace platform;

namespace {

void drawKeyedOver(TCanvas &canvas, const QImage &source, TColor background, const TRect &rect)
{
    if (source.isNull())
        return;
    QImage image = source.convertToFormat(QImage::Format_RGB32);
    const QRgb key = image.pixel(0, 0) | 0xFF000000u;
    if (!isColorSet(background)) {
        canvas.DrawImage(rect.Left, rect.Top, keyedOut(image, fromQColor(QColor(key))));
        return;
    }
    const QRgb fill = toQColor(ColorToRGB(background)).rgb();
    {
        for (int y = 0; y < image.height(); ++y) {
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                if ((line[x] | 0xFF000000u) == key)
                    line[x] = fill;
        }
    }
    canvas.DrawImage(rect.Left, rect.Top, image);
}

} // namespace

void DrawBitmapTransparent(TCanvas &canvas, const TBitmap &bitmap, TColor background, const TRect &rect)
{
    drawKeyedOver(canvas, bitmap.image(), background, rect);
}

void DrawResourceBitmap(TCanvas &canvas, TColor background, const TRect &rect, const QString &resourceName)
{
    drawKeyedOver(canvas, loadResourceImage(resourceName), background, rect);
}

} // namespace controls
