#include "controls/dropdown/paint/DrawHelpers.h"

namespace controls {

void setPen(platform::TCanvas &canvas, platform::TColor color, platform::TPenStyle style)
{
    canvas.Pen().setColor(color);
    canvas.Pen().setStyle(style);
}

void setBrush(platform::TCanvas &canvas, platform::TColor color)
{
    canvas.Brush().setColor(color);
    canvas.Brush().setStyle(platform::TBrushStyle::bsSolid);
}

void setBrushClear(platform::TCanvas &canvas) { canvas.Brush().setStyle(platform::TBrushStyle::bsClear); }

void fillRect(platform::TCanvas &canvas, int left, int top, int right, int bottom)
{
    canvas.FillRect(platform::Rect(left, top, right, bottom));
}

void assignFont(platform::TFont &target, const QFont &font, platform::TColor color)
{
    target.setName(font.family());
    const int pixels = font.pixelSize() > 0 ? font.pixelSize() : platform::pointsToPixels(font.pointSize());
    target.setHeight(-pixels);
    target.setStyle({.bold = font.bold(), .italic = font.italic(), .underline = font.underline(),
                     .strikeOut = font.strikeOut()});
    target.setColor(color);
}

QImage transparentPart(const QImage &picture, const QRect &part)
{
    if (picture.isNull())
        return picture;
    const QImage argb = picture.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = argb.pixel(0, argb.height() - 1);
    QImage frame = argb.copy(part);
    for (int y = 0; y < frame.height(); ++y) {
        auto *row = reinterpret_cast<QRgb *>(frame.scanLine(y));
        for (int x = 0; x < frame.width(); ++x)
            if (row[x] == key)
                row[x] = 0;
    }
    return frame;
}

} // namespace controls
