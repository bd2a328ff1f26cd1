// The clock's twelve preset looks and its colours for the drop-downs'
// component styles.
#include "controls/dropdown/WatchAppearance.h"

#include "controls/dropdown/core/WatchGeometry.h"

#include <algorithm>

namespace controls {

using namespace platform;

namespace {

using L = TWatchLook;

void font(TFont &f, const QString &name, int points = 0, bool bold = false,
          std::optional<TColor> color = std::nullopt)
{
    f.setName(name);
    if (points > 0)
        f.setSize(points);
    if (bold)
        f.setStyle(FontStyle{.bold = true});
    if (color)
        f.setColor(*color);
}

const QString SansSerif = QStringLiteral("MS Sans Serif");

} // namespace

TWatchPresetExtras applyWatchPreset(TWatchAppearance &a, TWatchStyle style, QSize clientSize)
{
    a.InitDefaults();
    TWatchPresetExtras extras;
    const int side = std::min(clientSize.width(), clientSize.height());
    switch (style) {
    case wsClassic:
        font(a.AMPMFont(), SansSerif);
        font(a.HourFont(), QStringLiteral("Comic Sans MS"), 10, true);
        a.set(&L::HourMarkLength, 8);
        a.set(&L::HourPointerSize, 5);
        a.set(&L::MinuteMarkLength, 4);
        extras = {true, 10, true, true};
        break;
    case wsTower:
        font(a.AMPMFont(), SansSerif);
        a.set(&L::BorderWidth, 1);
        a.set(&L::BackgroundColor, TColor(0xB1F0FE));
        a.set(&L::BackgroundColorTo, TColor(0x5BCCE8));
        a.set(&L::BackgroundGradient, wgDiagonalForward);
        a.set(&L::CenterPointColor, TColor(0x002BD5));
        a.set(&L::CenterPointSize, 6);
        font(a.HourFont(), QStringLiteral("Century"), 0, true);
        a.set(&L::HourPointerSize, 5);
        a.set(&L::SecondPointer, TColor(0x002BD5));
        a.set(&L::Shape, wsRect);
        a.set(&L::PointerStyle, psPointer);
        a.set(&L::TickMarks, tmHours);
        extras.showNumbers = false;
        break;
    case wsFluorescent:
    case wsFuchsia: {
        const bool fluorescent = style == wsFluorescent;
        const TColor ink = fluorescent ? TColor(0xFF3E3E) : TColor(0xFFD0FF);
        font(a.AMPMFont(), SansSerif);
        a.set(&L::AMPMFrame, apRoundRect);
        a.set(&L::BorderColor, ink);
        a.set(&L::BackgroundColor, clBlack);
        a.set(&L::BackgroundColorTo, clBlack);
        if (fluorescent)
            a.set(&L::CenterPointColor, ink);
        a.set(&L::CenterPointBorderColor, fluorescent ? clBlack : TColor(0xDD68DD));
        a.set(&L::CenterPointOuterBorderColor, clBlack);
        a.set(&L::CenterPointSize, 20);
        font(a.HourFont(), SansSerif);
        a.set(&L::HourColor, ink);
        a.set(&L::HourMarkLength, 10);
        a.set(&L::HourMarkWidth, 2);
        a.set(&L::HourMarkStyle, hmsQuartDblLine);
        a.set(&L::HourPointer, ink);
        a.set(&L::HourPointerSize, 2);
        a.set(&L::MinuteColor, ink);
        a.set(&L::MinutePointer, ink);
        a.set(&L::MinutePointerSize, 2);
        if (!fluorescent)
            a.set(&L::SecondPointer, TColor(0xDD68DD));
        a.set(&L::Shape, fluorescent ? wsRoundRect : wsRect);
        a.set(&L::TickMarks, fluorescent ? tmHours : tmQuartHours);
        extras.showAMPM = false;
        extras.showNumbers = false;
        break;
    }
    case wsEmerald:
        font(a.AMPMFont(), SansSerif, 0, false, TColor(0xA00000));
        a.set(&L::AMPMFrame, apRoundRect);
        a.setAMPMColor(clNone);
        a.set(&L::BorderColor, TColor(0x3AE800));
        a.set(&L::BackgroundColor, TColor(0x3AE800));
        a.set(&L::BackgroundColorTo, clBlack);
        a.set(&L::BackgroundGradient, wgDiagonalForward);
        a.set(&L::CenterPointBorderColor, TColor(0x40FF00));
        a.set(&L::CenterPointColor, TColor(0x38E100));
        a.set(&L::CenterPointOuterBorderColor, clBlack);
        a.set(&L::CenterPointSize, 16);
        font(a.HourFont(), SansSerif, 0, false, TColor(0x3AE800));
        a.set(&L::HourColor, TColor(0x3AE800));
        a.set(&L::HourMarkStyle, hmsQuartDblLine);
        a.set(&L::HourPointer, TColor(0x40FF00));
        a.set(&L::HourPointerSize, 5);
        a.set(&L::MinutePointer, TColor(0x40FF00));
        a.set(&L::SecondPointer, clYellow);
        a.set(&L::Shape, wsRect);
        a.set(&L::PointerStyle, psPointer);
        a.set(&L::TickMarks, tmHours);
        extras.showAMPM = false;
        extras.showNumbers = false;
        break;
    case wsBlueStar:
        font(a.AMPMFont(), SansSerif, 0, false, TColor(0xA00000));
        a.setAMPMBorderColor(clNone);
        a.setAMPMColor(clNone);
        a.set(&L::AMPMFrame, apRoundRect);
        a.set(&L::BorderColor, TColor(0xFFD5D5));
        a.set(&L::BackgroundColor, TColor(0xFFD5D5));
        a.set(&L::BackgroundColorTo, TColor(0xA00000));
        a.set(&L::BackgroundGradient, wgRadial);
        font(a.HourFont(), SansSerif, 0, false, TColor(0xFFD5D5));
        a.set(&L::HourPointer, TColor(0xA00000));
        a.set(&L::HourPointerSize, 5);
        a.set(&L::MinutePointer, TColor(0xA00000));
        a.set(&L::Shape, wsRoundRect);
        a.set(&L::PointerStyle, psPointer);
        extras.showAMPM = true;
        extras.showNumbers = true;
        break;
    case wsBlack:
        font(a.AMPMFont(), SansSerif);
        a.set(&L::BackgroundColor, TColor(0x202020));
        a.set(&L::CenterPointBorderColor, clWhite);
        a.set(&L::CenterPointOuterBorderColor, clWhite);
        a.set(&L::CenterPointColor, clWhite);
        a.set(&L::HourColor, TColor(0x585858));
        font(a.HourFont(), QStringLiteral("Century Gothic"), 11, false, clWhite);
        a.set(&L::HourPointer, clWhite);
        a.set(&L::HourPointerSize, 5);
        a.set(&L::MinuteColor, TColor(0x585858));
        a.set(&L::MinutePointer, clWhite);
        a.set(&L::MinuteMarkLength, 4);
        extras.showAMPM = false;
        extras.showNumbers = true;
        break;
    case wsBlackWhite:
        a.set(&L::BorderWidth, 8);
        a.set(&L::CenterPointBorderColor, clBlack);
        a.set(&L::CenterPointOuterBorderColor, clBlack);
        a.set(&L::CenterPointSize, 8);
        a.set(&L::HourColor, TColor(0x585858));
        font(a.HourFont(), QStringLiteral("Century Gothic"), 14, true, clBlack);
        a.set(&L::HourPointerSize, 5);
        a.set(&L::MinuteMarkLength, 4);
        a.set(&L::SecondPointer, clMaroon);
        a.set(&L::PointerStyle, psPointer);
        a.set(&L::TickMarks, tmQuartHours);
        extras.showAMPM = false;
        extras.showNumbers = true;
        break;
    case wsGray:
        font(a.AMPMFont(), SansSerif);
        a.set(&L::BackgroundColor, TColor(0xD1D1D1));
        a.set(&L::BackgroundColorTo, TColor(0x6C6C6C));
        a.set(&L::BackgroundGradient, wgRadial);
        a.set(&L::BorderColor, TColor(0x454545));
        a.set(&L::CenterPointBorderColor, TColor(0x454545));
        font(a.HourFont(), QStringLiteral("Comic Sans MS"));
        a.set(&L::HourPointer, TColor(0x4E4E4E));
        a.set(&L::HourPointerShadow, clNone);
        a.set(&L::HourPointerSize, 1);
        a.set(&L::MinutePointer, TColor(0x4E4E4E));
        a.set(&L::MinutePointerShadow, clNone);
        a.set(&L::MinutePointerSize, 1);
        extras.showAMPM = true;
        extras.showNumbers = true;
        break;
    case wsSuperNova:
        a.set(&L::BackgroundColorTo, TColor(0xD1D3D3));
        a.set(&L::BorderColor, clNone);
        a.set(&L::CenterPointOuterBorderColor, clBlack);
        a.set(&L::CenterPointSize, 10);
        // Byte settings: a large clock would wrap them.
        a.set(&L::HourMarkLength, clampToByte(side / 4.5));
        a.set(&L::MinuteMarkLength, std::clamp(side / 3, 0, 255));
        extras.showAMPM = false;
        extras.showNumbers = false;
        break;
    case wsSports:
    case wsSmooth: {
        const bool sports = style == wsSports;
        if (sports) {
            a.set(&L::BackgroundColor, clBlack);
        } else {
            a.set(&L::BackgroundColorTo, TColor(0xABB0B1));
            a.set(&L::BorderColor, TColor(0x585858));
        }
        a.set(&L::BorderWidth, 1);
        a.set(&L::CenterPointBorderColor, sports ? clBlue : clBlack);
        a.set(&L::CenterPointOuterBorderColor, sports ? clBlack : TColor(0x4A4A4A));
        a.set(&L::CenterPointColor, sports ? TColor(0x191919) : clWhite);
        a.set(&L::CenterPointSize, sports ? clampToByte(side / 3.6) : 6);
        a.set(&L::HourColor, TColor(0xABB0B1));
        font(a.HourFont(), QStringLiteral("Times New Roman"), 9, false, TColor(0x797979));
        a.set(&L::HourPointer, sports ? clRed : TColor(0x4A4A4A));
        a.set(&L::HourPointerShadow, sports ? clNone : TColor(0xB2B2B2));
        a.set(&L::HourPointerSize, 2);
        a.set(&L::MinutePointer, sports ? clYellow : TColor(0x4A4A4A));
        a.set(&L::MinutePointerShadow, sports ? clNone : TColor(0xB2B2B2));
        a.set(&L::MinutePointerSize, 2);
        a.set(&L::MinuteMarkLength, 1);
        a.set(&L::SecondPointer, sports ? TColor(0x188BFE) : TColor(0x4A4A4A));
        a.set(&L::TickMarks, tmQuartHours);
        extras.showAMPM = false;
        extras.showNumbers = true;
        break;
    }
    }
    return extras;
}

namespace {

struct TWatchStyleColors {
    TColor ampmBorder, ampm, background, backgroundTo, border, centerBorder, center, ink, shadow, second;
};

std::optional<TWatchStyleColors> watchStyleColors(TFenloStyle style)
{
    switch (style) {
    case tsOffice2003Blue:
        return TWatchStyleColors{0x962D00, 0xD68759, 0xFFD2AF, 0xFFD2AF, 0xD68759, 0xD68759, 0xD68759, 0xD68759,
                                 clWhite, clWhite};
    case tsOffice2003Silver:
        return TWatchStyleColors{0x962D00, 0xBDA4A5, 0xE6D8D8, 0xE6D8D8, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5, 0xBDA4A5,
                                 clWhite, clWhite};
    case tsOffice2003Olive:
        return TWatchStyleColors{0x962D00, 0x82C0AF, 0xB9EAE1, 0xB9EAE1, 0x82C0AF, 0x82C0AF, 0x82C0AF, 0x82C0AF,
                                 clWhite, clWhite};
    case tsOffice2003Classic:
        return TWatchStyleColors{0x962D00, clGray, 0xF2F2F2, 0xF2F2F2, clGray, clGray, clGray, clGray, clWhite, clGray};
    case tsOffice2007Luna:
        return TWatchStyleColors{0xF0DED0, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0xF0DED0, 0xFFEFE3, 0xFFEFE3, 0x723708,
                                 clWhite, 0x723708};
    case tsOffice2007Obsidian:
        return TWatchStyleColors{0xF2F1F0, 0x5C534C, 0x5C534C, 0x5C534C, 0xF2F1F0, 0xFFEFE3, 0xFFEFE3, 0xF2F1F0,
                                 clWhite, 0xF2F1F0};
    case tsWindowsXP:
        return TWatchStyleColors{clBlack, clBtnFace, clBtnFace, clBtnFace, clBlack, clBlack, clBlack, clBlack,
                                 clWhite, clBlack};
    case tsWhidbey:
        return TWatchStyleColors{0x7E9898, 0xF5F9FA, 0xF5F9FA, 0xF5F9FA, 0x7E9898, 0x7E9898, 0x7E9898, 0x7E9898,
                                 clWhite, 0x7E9898};
    case tsCustom:
        return std::nullopt;
    case tsOffice2007Silver:
        return TWatchStyleColors{0xE8E0DB, 0xF8F4F1, 0xF8F4F1, 0xF8F4F1, 0xE8E0DB, 0xE8E0DB, 0x74706F, 0x74706F,
                                 clWhite, 0x74706F};
    case tsWindowsVista:
        return TWatchStyleColors{0xFEDF9A, 0xFFFDF9, 0xFFFDF9, 0xFFFAF0, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A, 0xFEDF9A,
                                 clWhite, 0xFEDF9A};
    case tsWindows7:
        return TWatchStyleColors{0xFBD6B8, 0xFDFBFA, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8, 0xFBD6B8,
                                 clWhite, 0xFBD6B8};
    case tsTerminal:
        return TWatchStyleColors{clGray, clBtnFace, clBtnFace, clBtnFace, clGray, clGray, clGray, clGray, clWhite,
                                 clGray};
    case tsOffice2010Blue:
        return TWatchStyleColors{0xC7B29F, 0xF0DAC7, 0xFDF6EF, 0xFDF6EF, 0xC7B29F, 0xC7B29F, 0xC7B29F, 0xC7B29F,
                                 clWhite, 0xC7B29F};
    case tsOffice2010Silver:
        return TWatchStyleColors{0xD2CDC8, 0xEDE5E0, clWhite, clWhite, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8, 0xD2CDC8,
                                 clSilver, 0xD2CDC8};
    case tsOffice2010Black:
        return TWatchStyleColors{0x6D6D6D, 0x919191, 0xBFBFBF, 0xBFBFBF, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D, 0x6D6D6D,
                                 clWhite, 0x6D6D6D};
    }
    return std::nullopt;
}

} // namespace

void applyWatchColorStyle(TWatchAppearance &a, TFenloStyle style)
{
    a.set(&L::CenterPointOuterBorderColor, clBlack);
    a.HourFont().setColor(clBlack);
    a.AMPMFont().setColor(clBlack);
    const std::optional<TWatchStyleColors> c = watchStyleColors(style);
    if (!c)
        return;
    if (style == tsOffice2007Obsidian) {
        a.HourFont().setColor(0xF2F1F0);
        a.AMPMFont().setColor(0xF2F1F0);
    }
    a.setAMPMBorderColor(c->ampmBorder);
    a.setAMPMColor(c->ampm);
    a.set(&L::BackgroundColor, c->background);
    a.set(&L::BackgroundColorTo, c->backgroundTo);
    a.set(&L::BorderColor, c->border);
    a.set(&L::CenterPointBorderColor, c->centerBorder);
    a.set(&L::CenterPointColor, c->center);
    a.set(&L::HourColor, c->ink);
    a.set(&L::MinuteColor, c->ink);
    a.set(&L::HourPointer, c->ink);
    a.set(&L::MinutePointer, c->ink);
    a.set(&L::HourPointerShadow, c->shadow);
    a.set(&L::MinutePointerShadow, c->shadow);
    a.set(&L::SecondPointer, c->second);
}

} // namespace controls
