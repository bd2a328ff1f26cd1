#pragma once
// A bitmap as the controls use one: pixels in a 32-bit image (bytes blue,
// green, red and alpha, every pixel opaque unless the owner writes alpha),
// a canvas to draw on it, and a transparent colour that drawing it leaves
// out.
#include "platform/draw/Canvas.h"

#include <QImage>

#include <memory>
#include <stdexcept>

namespace platform {

// A named resource that does not exist.
class EResNotFound : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

enum class TTransparentMode {
    tmAuto,  // the colour of the lower-left pixel
    tmFixed, // TransparentColor as written
};

class TBitmap {
public:
    TBitmap();
    TBitmap(int width, int height);
    explicit TBitmap(const QImage &image);
    TBitmap(const TBitmap &other);
    TBitmap &operator=(const TBitmap &other);
    ~TBitmap();

    int Width() const { return m_image.width(); }
    int Height() const { return m_image.height(); }
    // A new size keeps the pixels at the upper left; new pixels are white.
    // Sizes below 1 make the bitmap empty.
    void SetSize(int width, int height);
    void setWidth(int width) { SetSize(width, Height()); }
    void setHeight(int height) { SetSize(Width(), height); }
    bool Empty() const { return m_image.isNull(); }

    TCanvas &Canvas() { return *m_canvas; }
    const TCanvas &Canvas() const { return *m_canvas; }
    const QImage &image() const { return m_image; }

    void Assign(const TBitmap &other);
    void Assign(const QImage &image);
    // The bitmap resource of that name; throws EResNotFound when there is none.
    void LoadFromResourceName(const QString &name);

    bool Transparent() const { return m_transparent; }
    void setTransparent(bool transparent) { m_transparent = transparent; }
    TTransparentMode TransparentMode() const { return m_mode; }
    void setTransparentMode(TTransparentMode mode) { m_mode = mode; }
    // The lower-left pixel's colour in the automatic mode (clNone when empty).
    TColor TransparentColor() const;
    // Writing a colour switches to the fixed mode.
    void setTransparentColor(TColor color);

    // The pixels with those of the transparent colour made fully transparent.
    QImage transparentImage(TColor key) const;

private:
    void rebind();

    QImage m_image;
    std::unique_ptr<TCanvas> m_canvas;
    bool m_transparent = false;
    TTransparentMode m_mode = TTransparentMode::tmAuto;
    TColor m_transparentColor = clNone;
};

// The image with the pixels of the colour made fully transparent.
QImage keyedOut(const QImage &image, TColor key);

// Draws the bitmap at its size, or stretched, leaving out its transparent
// colour when it is transparent.
void DrawBitmap(TCanvas &canvas, int x, int y, const TBitmap &bitmap);
void StretchDrawBitmap(TCanvas &canvas, const TRect &rect, const TBitmap &bitmap);
// The part src of the bitmap at (x, y), or stretched over dest, leaving out
// one colour.
void DrawTransparentPart(TCanvas &canvas, int x, int y, const TBitmap &bitmap, const TRect &src, TColor key);
void StretchTransparentPart(TCanvas &canvas, const TRect &dest, const TBitmap &bitmap, const TRect &src, TColor key);

} // namespace platform
