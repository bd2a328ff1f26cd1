#pragma once
// The few drawing calls of a Windows canvas that the button face and the tab
// strip use, with GDI's pixel rules (fills and outlines leave out the right
// and bottom edge, a line leaves out its last pixel, no anti-aliasing), over
// a QPainter. Kept small and to these two painters' needs.
#include "platform/Color.h"

#include <QFont>
#include <QPainter>
#include <QRect>
#include <QRegion>
#include <QString>

class QImage;

namespace controls {

// DrawText flags with their Windows values.
enum : unsigned {
    DT_LEFT = 0x0,
    DT_CENTER = 0x1,
    DT_RIGHT = 0x2,
    DT_WORDBREAK = 0x10,
    DT_SINGLELINE = 0x20,
    DT_NOCLIP = 0x100,
    DT_CALCRECT = 0x400,
    DT_NOPREFIX = 0x800,
};

enum class TPenStyle { psSolid, psDot, psClear };

class GdiCanvas {
public:
    explicit GdiCanvas(QPaintDevice &device);

    void setPen(platform::TColor color, TPenStyle style = TPenStyle::psSolid);
    void setPenStyle(TPenStyle style) { m_penStyle = style; }
    void setBrush(platform::TColor color);
    void setBrushClear() { m_brushClear = true; }
    bool brushClear() const { return m_brushClear; }
    void setFont(const QFont &font, platform::TColor color);
    void setFontColor(platform::TColor color) { m_fontColor = color; }
    const QFont &font() const { return m_font; }

    // Outline in the pen, inside in the brush; without a pen the filled area
    // is one pixel smaller on the right and at the bottom, as in GDI.
    void Rectangle(int left, int top, int right, int bottom);
    void Rectangle(const QRect &r) { Rectangle(r.left(), r.top(), r.left() + r.width(), r.top() + r.height()); }
    // Fills (left, top) up to but not including (right, bottom) in the brush.
    void FillRect(int left, int top, int right, int bottom);
    void RoundRect(int left, int top, int right, int bottom, int ellipseWidth, int ellipseHeight);
    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Pixel(int x, int y, platform::TColor color);

    int TextWidth(const QString &text) const;
    int TextHeight() const;
    // Draws the text in the rectangle with the flags above; with DT_CALCRECT
    // draws nothing and returns the rectangle the text needs.
    QRect DrawText(const QString &text, const QRect &rect, unsigned flags);
    // The text with its upper left corner at (x, y), turned by the angle in
    // tenths of degrees counter-clockwise (Windows' escapement).
    void TextOut(int x, int y, const QString &text, int escapement = 0);

    // Draws a part of a picture leaving out the colour of its lower-left
    // pixel (and any pixel that is already transparent).
    void DrawTransparent(int x, int y, const QImage &picture, const QRect &part);
    // A dotted rectangle, every other pixel inverted.
    void DrawFocusRect(const QRect &rect);

    void setClipRegion(const QRegion &region);
    void clearClip();

    QPainter &painter() { return m_painter; }

private:
    void line(int x0, int y0, int x1, int y1);

    QPainter m_painter;
    platform::TColor m_pen = platform::clBlack;
    TPenStyle m_penStyle = TPenStyle::psSolid;
    platform::TColor m_brush = platform::clWhite;
    bool m_brushClear = false;
    QFont m_font;
    platform::TColor m_fontColor = platform::clBlack;
    QPoint m_at;
};

// The image of a picture part with the transparent colour (its lower-left
// pixel) taken out.
QImage transparentPart(const QImage &picture, const QRect &part);
// The picture with every pixel of one colour made transparent.
QImage withoutColour(const QImage &picture, QRgb key);

} // namespace controls
