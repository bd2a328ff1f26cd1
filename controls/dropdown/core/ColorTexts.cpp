#include "controls/dropdown/core/ColorTexts.h"

#include <array>

namespace controls {

using namespace platform;

namespace {

constexpr std::array<TNamedColor, 16> Defaults{{
    {"Black", 0x000000},
    {"Maroon", 0x000080},
    {"Green", 0x008000},
    {"Olive", 0x008080},
    {"Navy", 0x800000},
    {"Purple", 0x800080},
    {"Teal", 0x808000},
    {"Gray", 0x808080},
    {"Silver", 0xC0C0C0},
    {"Red", 0x0000FF},
    {"Lime", 0x00FF00},
    {"Yellow", 0x00FFFF},
    {"Blue", 0xFF0000},
    {"Fuchsia", 0xFF00FF},
    {"Aqua", 0xFFFF00},
    {"White", 0xFFFFFF},
}};

// CSS names by RGB (red high, as CSS writes them); the first name of a
// colour wins.
struct TWebName {
    const char *Name;
    unsigned Rgb;
};

constexpr TWebName WebNames[] = {
    {"black", 0x000000},   {"silver", 0xC0C0C0},    {"gray", 0x808080},      {"white", 0xFFFFFF},
    {"maroon", 0x800000},  {"red", 0xFF0000},       {"purple", 0x800080},    {"fuchsia", 0xFF00FF},
    {"green", 0x008000},   {"lime", 0x00FF00},      {"olive", 0x808000},     {"yellow", 0xFFFF00},
    {"navy", 0x000080},    {"blue", 0x0000FF},      {"teal", 0x008080},      {"aqua", 0x00FFFF},
    {"orange", 0xFFA500},  {"aliceblue", 0xF0F8FF}, {"beige", 0xF5F5DC},     {"brown", 0xA52A2A},
    {"chocolate", 0xD2691E}, {"coral", 0xFF7F50},   {"crimson", 0xDC143C},   {"darkblue", 0x00008B},
    {"darkgray", 0xA9A9A9}, {"darkgreen", 0x006400}, {"darkred", 0x8B0000},  {"gold", 0xFFD700},
    {"goldenrod", 0xDAA520}, {"indigo", 0x4B0082},  {"ivory", 0xFFFFF0},     {"khaki", 0xF0E68C},
    {"lavender", 0xE6E6FA}, {"lightblue", 0xADD8E6}, {"lightgray", 0xD3D3D3}, {"lightgreen", 0x90EE90},
    {"lightyellow", 0xFFFFE0}, {"magenta", 0xFF00FF}, {"orchid", 0xDA70D6},  {"pink", 0xFFC0CB},
    {"plum", 0xDDA0DD},    {"salmon", 0xFA8072},    {"sienna", 0xA0522D},    {"skyblue", 0x87CEEB},
    {"tan", 0xD2B48C},     {"tomato", 0xFF6347},    {"turquoise", 0x40E0D0}, {"violet", 0xEE82EE},
    {"wheat", 0xF5DEB3},
};

QString hex2(int value)
{
    return QStringLiteral("%1").arg(value, 2, 16, QChar(u'0')).toUpper();
}

} // namespace

QString webColorName(TColor color)
{
    const TColor rgb = ColorToRGB(color);
    const unsigned key = unsigned(GetRValue(rgb)) << 16 | unsigned(GetGValue(rgb)) << 8 | unsigned(GetBValue(rgb));
    for (const TWebName &name : WebNames)
        if (name.Rgb == key)
            return QString::fromLatin1(name.Name);
    return QStringLiteral("#") + hex2(GetRValue(rgb)) + hex2(GetGValue(rgb)) + hex2(GetBValue(rgb));
}

QString colorValueText(TColor color, TColorValueText format)
{
    if (color == clNone)
        return {};
    switch (format) {
    case cvtNone:
        return {};
    case cvtHex:
        return QStringLiteral("%1").arg(colorBits(color), 6, 16, QChar(u'0')).toUpper();
    case cvtWebName:
        return webColorName(color);
    case cvtRGB: {
        const TColor rgb = ColorToRGB(color);
        return QStringLiteral("Red:%1,Green:%2,Blue:%3").arg(GetRValue(rgb)).arg(GetGValue(rgb)).arg(GetBValue(rgb));
    }
    case cvtHTML: {
        const TColor rgb = ColorToRGB(color);
        return QStringLiteral("#") + hex2(GetRValue(rgb)) + hex2(GetGValue(rgb)) + hex2(GetBValue(rgb));
    }
    }
    return {};
}

std::span<const TNamedColor> defaultColors()
{
    return Defaults;
}

} // namespace controls
