#pragma once
// The font, pen and brush a canvas draws with. Each is a small value object
// that tells its owner about a change through OnChange (a handler may chain
// the one it replaces) and counts its changes, so that a canvas refreshes
// what it derived from it whoever replaced the handler.
#include "platform/Color.h"
#include "platform/ui/Fonts.h"

#include <QFont>
#include <QString>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>

namespace platform {

using TNotify = std::function<void()>;

// Shared bookkeeping of the three objects.
class TGraphicsObject {
public:
    TNotify OnChange;
    // Grows with every change; compare it to see whether anything changed.
    std::uint64_t changeStamp() const { return m_stamp; }

protected:
    void changed()
    {
        ++m_stamp;
        if (OnChange)
            OnChange();
    }
    // Stores a new value and tells about it; an equal value changes nothing.
    template <class T>
    bool store(T &field, const T &value)
    {
        if (field == value)
            return false;
        field = value;
        changed();
        return true;
    }

private:
    std::uint64_t m_stamp = 1;
};

class TFont : public TGraphicsObject {
public:
    QString Name() const { return m_name; }
    void setName(const QString &name);
    // Pixels at 96 dpi: negative is the character height, positive the cell
    // height (character plus internal leading), as Windows takes it.
    int Height() const { return m_height; }
    void setHeight(int height);
    // Points at 96 dpi: 8 pt is a height of -11.
    int Size() const;
    void setSize(int points);
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    FontStyle Style() const { return m_style; }
    void setStyle(FontStyle style);
    // Angle of the text's base line, in tenths of a degree counter-clockwise.
    int Orientation() const { return m_orientation; }
    void setOrientation(int tenths);

    // Copies every attribute and tells OnChange once.
    void Assign(const TFont &other);
    bool sameLook(const TFont &other) const;

    // The Qt font that stands in for this one (family mapped, pixel-sized).
    const QFont &qfont() const;

private:
    QString m_name = QStringLiteral("Tahoma");
    int m_height = -11;
    TColor m_color = clWindowText;
    FontStyle m_style;
    int m_orientation = 0;
    mutable std::optional<QFont> m_qfont;
};

enum class TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// How the pen's colour P meets the pixel D already there.
enum class TPenMode { pmBlack, pmWhite, pmNop, pmNot, pmCopy, pmNotCopy, pmMerge, pmMask, pmXor, pmNotXor };

class TPen : public TGraphicsObject {
public:
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    int Width() const { return m_width; }
    void setWidth(int width);
    TPenStyle Style() const { return m_style; }
    void setStyle(TPenStyle style);
    TPenMode Mode() const { return m_mode; }
    void setMode(TPenMode mode);

    void Assign(const TPen &other);

private:
    TColor m_color = clBlack;
    int m_width = 1;
    TPenStyle m_style = TPenStyle::psSolid;
    TPenMode m_mode = TPenMode::pmCopy;
};

enum class TBrushStyle { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };

// Eight rows of an 8 x 8 monochrome pattern, the leftmost pixel in the high
// bit. A 0 bit paints in the canvas's text colour, a 1 bit in its background
// colour.
using TPattern8 = std::array<std::uint8_t, 8>;

class TBrush : public TGraphicsObject {
public:
    TColor Color() const { return m_color; }
    void setColor(TColor color);
    // Reads bsSolid while a pattern is set.
    TBrushStyle Style() const { return m_style; }
    void setStyle(TBrushStyle style);
    // A pattern makes the brush a pattern brush until the style is written.
    const std::optional<TPattern8> &Pattern() const { return m_pattern; }
    void setPattern(const TPattern8 &rows);

    void Assign(const TBrush &other);

private:
    TColor m_color = clWhite;
    TBrushStyle m_style = TBrushStyle::bsSolid;
    std::optional<TPattern8> m_pattern;
};

// The 8 x 8 pattern of a hatched brush style: 1 bits are the hatch lines.
TPattern8 hatchPattern(TBrushStyle style);

} // namespace platform
