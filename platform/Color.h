#pragma once
// Colours stay Windows colour values, because the code computes with them and
// files store them: 0x00BBGGRR with red in the low byte. A value with 0xFF in
// the high byte names a system colour by its index in the low byte; clNone and
// clDefault are markers, not colours.
#include <cstdint>

namespace platform {

using TColor = std::int32_t;

constexpr TColor colorFromBits(std::uint32_t bits) { return static_cast<TColor>(bits); }
constexpr std::uint32_t colorBits(TColor color) { return static_cast<std::uint32_t>(color); }

// RGB(r, g, b) as Windows builds it.
constexpr TColor RGB(int r, int g, int b)
{
    return colorFromBits((static_cast<std::uint32_t>(r) & 0xFFu) | ((static_cast<std::uint32_t>(g) & 0xFFu) << 8)
                         | ((static_cast<std::uint32_t>(b) & 0xFFu) << 16));
}
constexpr int GetRValue(TColor c) { return static_cast<int>(colorBits(c) & 0xFFu); }
constexpr int GetGValue(TColor c) { return static_cast<int>((colorBits(c) >> 8) & 0xFFu); }
constexpr int GetBValue(TColor c) { return static_cast<int>((colorBits(c) >> 16) & 0xFFu); }

constexpr TColor clNone = colorFromBits(0x1FFFFFFFu);
constexpr TColor clDefault = colorFromBits(0x20000000u);

// System colours: 0xFF000000 | index.
constexpr std::uint32_t clSystemColor = 0xFF000000u;
constexpr TColor systemColor(int index) { return colorFromBits(clSystemColor | static_cast<std::uint32_t>(index)); }
constexpr bool isSystemColor(TColor c) { return (colorBits(c) & 0xFF000000u) == clSystemColor; }

constexpr TColor clScrollBar = systemColor(0);
constexpr TColor clBackground = systemColor(1);
constexpr TColor clActiveCaption = systemColor(2);
constexpr TColor clInactiveCaption = systemColor(3);
constexpr TColor clMenu = systemColor(4);
constexpr TColor clWindow = systemColor(5);
constexpr TColor clWindowFrame = systemColor(6);
constexpr TColor clMenuText = systemColor(7);
constexpr TColor clWindowText = systemColor(8);
constexpr TColor clCaptionText = systemColor(9);
constexpr TColor clActiveBorder = systemColor(10);
constexpr TColor clInactiveBorder = systemColor(11);
constexpr TColor clAppWorkSpace = systemColor(12);
constexpr TColor clHighlight = systemColor(13);
constexpr TColor clHighlightText = systemColor(14);
constexpr TColor clBtnFace = systemColor(15);
constexpr TColor clBtnShadow = systemColor(16);
constexpr TColor clGrayText = systemColor(17);
constexpr TColor clBtnText = systemColor(18);
constexpr TColor clInactiveCaptionText = systemColor(19);
constexpr TColor clBtnHighlight = systemColor(20);
constexpr TColor cl3DDkShadow = systemColor(21);
constexpr TColor cl3DLight = systemColor(22);
constexpr TColor clInfoText = systemColor(23);
constexpr TColor clInfoBk = systemColor(24);
constexpr TColor clHotLight = systemColor(26);
constexpr TColor clGradientActiveCaption = systemColor(27);
constexpr TColor clGradientInactiveCaption = systemColor(28);
constexpr TColor clMenuHighlight = systemColor(29);
constexpr TColor clMenuBar = systemColor(30);

// Named colours.
constexpr TColor clBlack = 0x000000;
constexpr TColor clMaroon = 0x000080;
constexpr TColor clGreen = 0x008000;
constexpr TColor clOlive = 0x008080;
constexpr TColor clNavy = 0x800000;
constexpr TColor clPurple = 0x800080;
constexpr TColor clTeal = 0x808000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSilver = 0xC0C0C0;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clLime = 0x00FF00;
constexpr TColor clYellow = 0x00FFFF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clFuchsia = 0xFF00FF;
constexpr TColor clAqua = 0xFFFF00;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clMoneyGreen = 0xC0DCC0;
constexpr TColor clSkyBlue = 0xF0CAA6;
constexpr TColor clCream = 0xF0FBFF;
constexpr TColor clMedGray = 0xA4A0A0;

// The RGB value of a system colour index from the one table of system
// colours; an index outside the table gives black.
TColor sysColor(int index);

// System colours become their RGB value; every other value is returned as it
// is (clNone and clDefault included), as Windows does.
TColor ColorToRGB(TColor color);

// clNone and clDefault mean "not set": the caller decides what to draw.
constexpr bool isColorSet(TColor c) { return c != clNone && c != clDefault; }

} // namespace platform
