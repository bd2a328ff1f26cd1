#pragma once
// A Windows-like canvas over QPainter. It keeps the state a Windows device
// context and its canvas keep (pen, brush, font, text and background
// colours, background mode, clip region, window origin, brush origin, pen
// position) and draws by Windows' pixel rules: a rectangle covers its left
// and top edges but not its right and bottom ones, a line leaves out its last
// pixel, one-pixel pens are never anti-aliased. It draws on a QImage (where
// every pixel can be read back) or on any other paint device, such as a
// widget inside its paint event.
#include "platform/Color.h"
#include "platform/draw/DrawFlags.h"
#include "platform/draw/Geometry.h"
#include "platform/draw/GraphicsObjects.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QRegion>
#include <QString>

#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <vector>

namespace platform {

// GetPixel's answer for a pixel it cannot read.
constexpr TColor CLR_INVALID = colorFromBits(0xFFFFFFFFu);

// How a new clip region combines with the current one.
enum class TClipCombine { RGN_AND, RGN_OR, RGN_DIFF, RGN_COPY };

// Metrics of the selected font, in pixels.
struct TTextMetric {
    int tmHeight = 0;
    int tmAscent = 0;
    int tmDescent = 0;
    int tmInternalLeading = 0;
    int tmExternalLeading = 0;
    int tmAveCharWidth = 0;
    int tmMaxCharWidth = 0;
};

// Mapping modes. MM_TEXT draws in device pixels, y growing downwards;
// MM_LOMETRIC in tenths of a millimetre, y growing upwards, every call
// converting to the device's pixels by its resolution, so that text and
// images stay upright (a flipping transform would mirror them).
enum TMapMode : int { MM_TEXT = 1, MM_LOMETRIC = 2 };

// Text formats of TextRect, turned into DrawText flags.
struct TTextFormat {
    unsigned flags = DT_NOPREFIX | DT_WORDBREAK;
};

class TCanvas {
public:
    // A canvas on nothing: every drawing call does nothing.
    TCanvas();
    // A canvas on an image that outlives it.
    explicit TCanvas(QImage *image);
    // A canvas on any paint device (a widget within its paint event, a
    // printer); pixels cannot be read back from it.
    explicit TCanvas(QPaintDevice *device);
    ~TCanvas();
    TCanvas(const TCanvas &) = delete;
    TCanvas &operator=(const TCanvas &) = delete;

    TFont &Font() { return m_font; }
    TPen &Pen() { return m_pen; }
    TBrush &Brush() { return m_brush; }
    const TFont &Font() const { return m_font; }
    const TPen &Pen() const { return m_pen; }
    const TBrush &Brush() const { return m_brush; }

    // The target's size in pixels (0 x 0 on nothing).
    TSize deviceSize() const;
    bool hasTarget() const { return m_device != nullptr; }

    // Serialises painting from several threads on one canvas.
    void Lock() { m_lock.lock(); }
    void Unlock() { m_lock.unlock(); }

    // Text and background colours and the background mode follow the font
    // and the brush whenever those change, as on Windows; these calls
    // override them until the next change.
    TColor TextColor();
    void SetTextColor(TColor color);
    TColor BkColor();
    void SetBkColor(TColor color);
    int BkMode();
    void SetBkMode(int mode);
    // ETO_OPAQUE and ETO_CLIPPED for TextOut and TextRect.
    unsigned TextFlags() const { return m_textFlags; }
    void setTextFlags(unsigned flags) { m_textFlags = flags; }

    // Logical point (x, y) is drawn at device pixel (x - origin.X, y - origin.Y).
    TPoint WindowOrg() const { return m_origin; }
    void SetWindowOrg(TPoint origin) { m_origin = origin; }
    void MoveWindowOrg(int dx, int dy) { m_origin = {m_origin.X + dx, m_origin.Y + dy}; }
    // The mapping mode (TMapMode); the window origin stays in logical units.
    int GetMapMode() const { return m_mapMode; }
    void SetMapMode(int mode);
    // The target's resolution in pixels per inch (96 on nothing).
    int LogPixelsX() const;
    int LogPixelsY() const;
    // Logical units to device pixels and back, by the mapping mode.
    TPoint LPtoDP(TPoint p) const;
    TPoint DPtoLP(TPoint p) const;
    // Where patterns start, in device pixels.
    TPoint BrushOrg() const { return m_brushOrigin; }
    void SetBrushOrg(TPoint origin) { m_brushOrigin = origin; }

    // Clipping. Regions are in device pixels, rectangles in logical ones.
    // Without a clip region the whole target is drawable.
    const std::optional<QRegion> &ClipRegion() const { return m_clip; }
    void SelectClipRgn(const std::optional<QRegion> &deviceRegion);
    void ExtSelectClipRgn(const QRegion &deviceRegion, TClipCombine mode);
    void IntersectClipRect(const TRect &rect);
    void ExcludeClipRect(const TRect &rect);
    // The smallest rectangle around the drawable area, in logical units;
    // in MM_LOMETRIC its Top lies above its Bottom (Top > Bottom).
    TRect ClipRect() const;

    // Saves the whole drawing state (objects, colours, modes, clip,
    // origins); RestoreDC(-1) restores the last one saved.
    int SaveDC();
    bool RestoreDC(int saved);

    // Lines. The pen position moves to the end point; the end pixel is left out.
    TPoint PenPos() const { return m_penPos; }
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(std::span<const TPoint> points);

    // Filled figures: the pen outlines, the brush fills. All of them cover
    // (Left, Top) to (Right - 1, Bottom - 1); without a pen the brush covers
    // one pixel less to the right and at the bottom, as on Windows.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const TRect &r) { Rectangle(r.Left, r.Top, r.Right, r.Bottom); }
    void RoundRect(int left, int top, int right, int bottom, int cornerWidth, int cornerHeight);
    void Ellipse(int left, int top, int right, int bottom);
    void Ellipse(const TRect &r) { Ellipse(r.Left, r.Top, r.Right, r.Bottom); }
    void Polygon(std::span<const TPoint> points);

    // The brush over the rectangle, without the pen.
    void FillRect(const TRect &rect);
    // The rectangle in one colour, whatever the brush (clNone fills nothing).
    void FillColor(const TRect &rect, TColor color);
    // A one-pixel frame in the brush's colour.
    void FrameRect(const TRect &rect);
    // Inverts every pixel of the rectangle.
    void InvertRect(const TRect &rect);
    // The dotted focus frame: every second pixel of the rectangle's border is
    // combined by exclusive or with the text colour or the background colour
    // in turn, so drawing it twice restores the pixels.
    void DrawFocusRect(const TRect &rect);
    // Fills from (x, y) outwards: with surface false up to pixels of the
    // colour, with surface true over pixels of the colour. Images only.
    void FloodFill(int x, int y, TColor color, bool surface = false);

    // One pixel; CLR_INVALID where it cannot be read (outside, clipped, or
    // a target other than an image).
    TColor Pixel(int x, int y) const;
    void SetPixel(int x, int y, TColor color);

    // Text with the font, the text colour and, in the opaque background
    // mode, the background colour behind the character cells. TextOut
    // draws at (x, y) as the top left of the text and moves the pen position
    // past it.
    void TextOut(int x, int y, const QString &text);
    // TextOut clipped to the rectangle, which is first filled when the
    // brush is not clear.
    void TextRect(const TRect &rect, int x, int y, const QString &text);
    // DrawText in the rectangle with the format's flags.
    void TextRect(TRect &rect, const QString &text, TTextFormat format);
    int TextWidth(const QString &text);
    int TextHeight(const QString &text);
    TSize TextExtent(const QString &text);
    TTextMetric TextMetrics();
    // The line height DrawText uses (with DT_EXTERNALLEADING the leading too).
    int lineHeight(bool externalLeading);

    // Lays out and draws text in a rectangle, or, with DT_CALCRECT, only
    // measures it into the rectangle. Gives the height of the text (with
    // DT_VCENTER or DT_BOTTOM the offset from the rectangle's top to the
    // bottom of the text); with DT_MODIFYSTRING, *shown receives the text as
    // shown after shortening.
    int DrawText(const QString &text, TRect &rect, unsigned format, QString *shown = nullptr);

    // Copies pixels of an image-backed source canvas. Draws nothing for an
    // empty size or a source without pixels.
    void BitBlt(int x, int y, int width, int height, const TCanvas &source, int sx, int sy, TRasterOp rop);
    void StretchBlt(const TRect &dest, const TCanvas &source, const TRect &src, TRasterOp rop);
    void CopyRect(const TRect &dest, const TCanvas &source, const TRect &src) { StretchBlt(dest, source, src, SRCCOPY); }
    // Draws an image at its size, or stretched. Images with transparent
    // pixels show what is under them there.
    void DrawImage(int x, int y, const QImage &image);
    void StretchImage(const TRect &dest, const QImage &image);
    // An image's pixels stretched into a logical rectangle with a raster
    // operation, as printers take bitmaps.
    void StretchDIBits(const TRect &dest, const QImage &image, TRasterOp rop = SRCCOPY);

    // The image drawn on, when it is one.
    QImage *image() const { return m_image; }
    // The painter, begun on first use; for what this class does not offer.
    QPainter *painter();
    // Ends the painter (an image may then be resized); the next drawing call
    // begins a new one. The drawing state is kept.
    void endPainting();
    // Device coordinates of a logical point, and the device pixels a
    // logical rectangle covers (its corners in any order).
    QPoint toDevice(int x, int y) const
    {
        return m_mapMode == MM_TEXT || m_devicePass ? QPoint{x - m_origin.X, y - m_origin.Y} : mappedToDevice(x, y);
    }
    QRect toDevice(const TRect &r) const
    {
        return m_mapMode == MM_TEXT || m_devicePass ? toQRect(OffsetRect(r, -m_origin.X, -m_origin.Y))
                                                    : mappedToDevice(r);
    }

private:
    struct SavedState;
    struct PenPaint;

    void syncObjects();
    QPoint mappedToDevice(int x, int y) const;
    QRect mappedToDevice(const TRect &r) const;
    bool deviceEmpty(const TRect &r) const { return toDevice(r).isEmpty(); }
    // Device pixels to logical units along an axis (lengths, not positions).
    int toLogicalWidth(int pixels) const;
    int toLogicalHeight(int pixels) const;
    // The pen's width in device pixels.
    int devicePenWidth() const;
    // The Qt font drawn and measured with: the font's own, scaled to the
    // device's pixels in a mapping mode of physical units.
    const QFont &drawFont();
    int drawTextDevice(const QString &text, TRect &rect, unsigned format, QString *shown);
    void applyClip();
    void setComposition(QPainter::CompositionMode mode);
    // The painter's pen and font, set only when they change.
    void setPainterPen(const QPen &pen);
    void setPainterFont();
    const QFontMetrics &metrics();
    bool penDraws() const;
    bool brushFills();
    QBrush qbrush();
    // One-pixel pen drawing in device coordinates.
    void penLine(int x0, int y0, int x1, int y1, bool includeLast);
    void penSpan(int x, int y, int width, int height);
    void flushPoints(std::vector<QPoint> &points, const PenPaint &paint);
    void fillDeviceRect(const QRect &rect);
    void wideOutline(const QPainterPath &path);
    void xorPattern(const QRect &deviceRect);
    void rasterBlit(const QRect &dest, const QImage &source, TRasterOp rop);
    QRect drawableDeviceRect() const;

    QPaintDevice *m_device = nullptr;
    QImage *m_image = nullptr;
    std::unique_ptr<QPainter> m_painter;
    std::recursive_mutex m_lock;

    TFont m_font;
    TPen m_pen;
    TBrush m_brush;
    std::uint64_t m_fontStamp = 0;
    std::uint64_t m_brushStamp = 0;
    TColor m_textColor = clBlack;
    TColor m_bkColor = clWhite;
    int m_bkMode = OPAQUE;
    unsigned m_textFlags = 0;

    int m_mapMode = MM_TEXT;
    // DrawText lays out a mapped text in device pixels: positions and
    // lengths pass unconverted, the font stays mapped.
    bool m_devicePass = false;
    TPoint m_origin;
    TPoint m_brushOrigin;
    TPoint m_penPos;
    int m_styleStep = 0;
    std::optional<QRegion> m_clip;
    std::vector<SavedState> m_saved;

    std::optional<QFontMetrics> m_metrics;
    std::uint64_t m_metricsStamp = 0;
    int m_metricsMapMode = MM_TEXT;
    std::optional<QFont> m_mappedFont;
    std::uint64_t m_mappedFontStamp = 0;
    QPainter::CompositionMode m_composition = QPainter::CompositionMode_SourceOver;
    QPen m_painterPen;
    std::uint64_t m_painterFontStamp = 0;
    int m_painterFontMapMode = MM_TEXT;
};

} // namespace platform
