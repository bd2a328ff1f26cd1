#include "platform/draw/GraphicsObjects.h"

#include <QFontMetricsF>

#include <cmath>

namespace platform {

void TFont::setName(const QString &name)
{
    if (store(m_name, name))
        m_qfont.reset();
}

void TFont::setHeight(int height)
{
    if (store(m_height, height))
        m_qfont.reset();
}

int TFont::Size() const
{
    // MulDiv(-Height, 72, 96), halves away from zero.
    const int h = -m_height;
    return h >= 0 ? (h * 72 + 48) / 96 : -((-h * 72 + 48) / 96);
}

void TFont::setSize(int points) { setHeight(-pointsToPixels(points)); }

void TFont::setColor(TColor color) { store(m_color, color); }

void TFont::setStyle(FontStyle style)
{
    if (style.bold == m_style.bold && style.italic == m_style.italic && style.underline == m_style.underline
        && style.strikeOut == m_style.strikeOut)
        return;
    m_style = style;
    m_qfont.reset();
    changed();
}

void TFont::setOrientation(int tenths) { store(m_orientation, tenths); }

bool TFont::sameLook(const TFont &o) const
{
    return m_name == o.m_name && m_height == o.m_height && m_color == o.m_color && m_style.bold == o.m_style.bold
           && m_style.italic == o.m_style.italic && m_style.underline == o.m_style.underline
           && m_style.strikeOut == o.m_style.strikeOut && m_orientation == o.m_orientation;
}

void TFont::Assign(const TFont &other)
{
    if (&other == this || sameLook(other))
        return;
    m_name = other.m_name;
    m_height = other.m_height;
    m_color = other.m_color;
    m_style = other.m_style;
    m_orientation = other.m_orientation;
    m_qfont = other.m_qfont;
    changed();
}

const QFont &TFont::qfont() const
{
    if (m_qfont)
        return *m_qfont;
    QFont font(mapFontFamily(m_name));
    font.setBold(m_style.bold);
    font.setItalic(m_style.italic);
    font.setUnderline(m_style.underline);
    font.setStrikeOut(m_style.strikeOut);
    int pixels = 11;
    if (m_height < 0) {
        pixels = -m_height;
    } else if (m_height > 0) {
        // A cell height: the em size whose ascent plus descent comes to it.
        QFont probe(font);
        probe.setPixelSize(100);
        const QFontMetricsF metrics(probe);
        const qreal cell = metrics.ascent() + metrics.descent();
        pixels = cell > 0 ? int(std::lround(m_height * 100.0 / cell)) : m_height;
    }
    font.setPixelSize(std::max(1, pixels));
    m_qfont = font;
    return *m_qfont;
}

void TPen::setColor(TColor color) { store(m_color, color); }

void TPen::setWidth(int width) { store(m_width, width); }

void TPen::setStyle(TPenStyle style) { store(m_style, style); }

void TPen::setMode(TPenMode mode) { store(m_mode, mode); }

void TPen::Assign(const TPen &other)
{
    if (&other == this)
        return;
    m_color = other.m_color;
    m_width = other.m_width;
    m_style = other.m_style;
    m_mode = other.m_mode;
    changed();
}

void TBrush::setColor(TColor color) { store(m_color, color); }

void TBrush::setStyle(TBrushStyle style)
{
    if (style == m_style && !m_pattern)
        return;
    m_style = style;
    m_pattern.reset();
    changed();
}

void TBrush::setPattern(const TPattern8 &rows)
{
    m_pattern = rows;
    m_style = TBrushStyle::bsSolid;
    changed();
}

void TBrush::Assign(const TBrush &other)
{
    if (&other == this)
        return;
    m_color = other.m_color;
    m_style = other.m_style;
    m_pattern = other.m_pattern;
    changed();
}

TPattern8 hatchPattern(TBrushStyle style)
{
    switch (style) {
    case TBrushStyle::bsHorizontal:
        return {0, 0, 0, 0xFF, 0, 0, 0, 0};
    case TBrushStyle::bsVertical:
        return {0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08, 0x08};
    case TBrushStyle::bsFDiagonal:
        return {0x80, 0x40, 0x20, 0x10, 0x08, 0x04, 0x02, 0x01};
    case TBrushStyle::bsBDiagonal:
        return {0x01, 0x02, 0x04, 0x08, 0x10, 0x20, 0x40, 0x80};
    case TBrushStyle::bsCross:
        return {0x08, 0x08, 0x08, 0xFF, 0x08, 0x08, 0x08, 0x08};
    case TBrushStyle::bsDiagCross:
        return {0x81, 0x42, 0x24, 0x18, 0x18, 0x24, 0x42, 0x81};
    default:
        return {};
    }
}

} // namespace platform
