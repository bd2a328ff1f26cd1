#include "platform/draw/Bitmap.h"

#include "platform/draw/Resources.h"

#include <QPainter>

namespace platform {

TBitmap::TBitmap() : m_canvas(std::make_unique<TCanvas>(&m_image)) {}

TBitmap::TBitmap(int width, int height) : TBitmap() { SetSize(width, height); }

TBitmap::TBitmap(const QImage &image) : TBitmap() { Assign(image); }

TBitmap::TBitmap(const TBitmap &other) : TBitmap() { Assign(other); }

TBitmap &TBitmap::operator=(const TBitmap &other)
{
    Assign(other);
    return *this;
}

TBitmap::~TBitmap() = default;

void TBitmap::rebind()
{
    // The canvas keeps its pen, brush and font; only its painter ends.
    m_canvas->endPainting();
}

void TBitmap::SetSize(int width, int height)
{
    if (width == Width() && height == Height())
        return;
    rebind();
    if (width < 1 || height < 1) {
        m_image = QImage();
        return;
    }
    QImage sized(width, height, QImage::Format_ARGB32_Premultiplied);
    sized.fill(Qt::white);
    if (!m_image.isNull()) {
        QPainter p(&sized);
        p.setCompositionMode(QPainter::CompositionMode_Source);
        p.drawImage(0, 0, m_image);
    }
    m_image = sized;
}

void TBitmap::Assign(const TBitmap &other)
{
    if (&other == this)
        return;
    Assign(other.m_image);
    m_transparent = other.m_transparent;
    m_mode = other.m_mode;
    m_transparentColor = other.m_transparentColor;
}

void TBitmap::Assign(const QImage &image)
{
    rebind();
    m_image = image.isNull() ? QImage() : image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    // A deep copy: the canvas must never draw into another bitmap's pixels.
    m_image.detach();
}

void TBitmap::LoadFromResourceName(const QString &name)
{
    const QImage image = loadResourceImage(name);
    if (image.isNull())
        throw EResNotFound("Resource " + name.toStdString() + " not found");
    Assign(image);
}

TColor TBitmap::TransparentColor() const
{
    if (m_mode == TTransparentMode::tmFixed)
        return m_transparentColor;
    if (m_image.isNull())
        return clNone;
    const QRgb p = m_image.pixel(0, m_image.height() - 1);
    return RGB(qRed(p), qGreen(p), qBlue(p));
}

void TBitmap::setTransparentColor(TColor color)
{
    m_transparentColor = color;
    m_mode = TTransparentMode::tmFixed;
}

QImage TBitmap::transparentImage(TColor key) const { return keyedOut(m_image, key); }

QImage keyedOut(const QImage &image, TColor key)
{
    if (image.isNull() || !isColorSet(key))
        return image;
    const TColor rgb = ColorToRGB(key);
    const QRgb match = qRgb(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb)) & 0xFFFFFFu;
    QImage out = image.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    for (int y = 0; y < out.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(out.scanLine(y));
        for (int x = 0; x < out.width(); ++x)
            if ((line[x] & 0xFFFFFFu) == match)
                line[x] = 0;
    }
    return out;
}

namespace {

QImage drawable(const TBitmap &bitmap)
{
    return bitmap.Transparent() ? bitmap.transparentImage(bitmap.TransparentColor()) : bitmap.image();
}

} // namespace

void DrawBitmap(TCanvas &canvas, int x, int y, const TBitmap &bitmap)
{
    canvas.DrawImage(x, y, drawable(bitmap));
}

void StretchDrawBitmap(TCanvas &canvas, const TRect &rect, const TBitmap &bitmap)
{
    canvas.StretchImage(rect, drawable(bitmap));
}

void DrawTransparentPart(TCanvas &canvas, int x, int y, const TBitmap &bitmap, const TRect &src, TColor key)
{
    StretchTransparentPart(canvas, Bounds(x, y, src.Width(), src.Height()), bitmap, src, key);
}

void StretchTransparentPart(TCanvas &canvas, const TRect &dest, const TBitmap &bitmap, const TRect &src, TColor key)
{
    const TRect part = IntersectRect(src, Rect(0, 0, bitmap.Width(), bitmap.Height()));
    if (IsRectEmpty(part) || IsRectEmpty(dest) || part != src)
        return;
    canvas.StretchImage(dest, keyedOut(bitmap.image().copy(toQRect(part)), key));
}

} // namespace platform
