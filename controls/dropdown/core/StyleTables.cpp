#include "controls/dropdown/core/StyleTables.h"

namespace controls {

using namespace platform;

namespace {

// The hot, down and disabled colours most office styles share.
TButtonStyleColors setO(TColor color, TColor colorTo)
{
    return {color,    colorTo,  clNone,   0xEBFDFF, 0xACECFF, 0x99CEDB,
            0xAAD9FF, 0x6EBBFF, 0x42AEFE, 0xF2F2F2, 0xB6B6B6};
}

// Those of the office 2010 styles.
TButtonStyleColors setN(TColor color, TColor colorTo, TColor border)
{
    return {color,    colorTo, border,   0x8AE3FD, clNone, 0x58CAF1,
            0x6CD0FF, clNone,  0x308AC2, 0xF2F2F2, 0xB6B6B6};
}

TStripStyleColors strip(TColor color, TColor colorTo, TColor font, TColor border)
{
    return {color, colorTo, font, border};
}

TDropDownStyleColors style(TColor dropDown, TColor dropDownTo, std::optional<TColor> border, TStripStyleColors header,
                           TButtonStyleColors buttons)
{
    return {dropDown, dropDownTo, border, header, header, buttons};
}

} // namespace

std::optional<TDropDownStyleColors> dropDownStyleColors(TFenloStyle fenloStyle)
{
    constexpr std::optional<TColor> kept;
    switch (fenloStyle) {
    case tsOffice2003Blue: {
        auto s = style(0xFFFFFF, clNone, kept, strip(0xFCE1CB, 0xE0A57D, 0x000000, 0x000000), setO(0xFCE1CB, 0xE0A57D));
        s.Footer.BorderColor = 0x962D00;
        return s;
    }
    case tsOffice2003Silver:
        return style(0xFFFFFF, clNone, kept, strip(0xECE2E1, 0xB39698, 0x000000, 0x947C7C), setO(0xECE2E1, 0xB39698));
    case tsOffice2003Olive:
        return style(0xFFFFFF, clNone, clNone, strip(0xCFF0EA, 0x8CC0B1, 0x000000, 0x588060),
                     setO(0xCFF0EA, 0x8CC0B1));
    case tsOffice2003Classic:
        return style(0xF2F2F2, 0xF2F2F2, clNone, strip(0x808080, 0x808080, 0xFFFFFF, 0x808080),
                     {0xFFFFFF, 0xC9D1D5, clNone, 0xD2BDB6, 0xD2BDB6, 0x808080, 0xB59285, 0xB59285, 0x808080,
                      0xD8D5D4, 0xD8D5D4});
    case tsOffice2007Luna:
        return style(0xF3E5DA, 0xF0DED0, clNone, strip(0xFFEFE3, 0xFFD2AF, 0x723708, 0xFFD2AF),
                     setO(0xFFEFE3, 0xFFDDC4));
    case tsOffice2007Obsidian:
        return style(0xFFFFFF, clNone, clNone, strip(0xF2F1F0, 0xC9C2BD, 0x433C37, 0x5C534C),
                     setO(0xF2F1F0, 0xC9C2BD));
    case tsWindowsXP:
        return style(0xFFFFFF, clNone, kept, strip(0xFFFFFF, clBtnFace, 0x000000, 0x808080),
                     {0xFFFFFF, clBtnFace, clNone, 0xEFD3C6, 0xEFD3C6, clHighlight, clInactiveCaption,
                      clInactiveCaption, clHighlight, 0xB6B6B6, 0xB6B6B6});
    case tsWhidbey:
        return style(0xF5F9FA, 0xF5F9FA, clNone, strip(0xEBEEEF, 0x7E9898, 0xFFFFFF, 0x962D00),
                     setO(0xFFFFFF, 0xDFEDF0));
    case tsCustom:
        return std::nullopt;
    case tsOffice2007Silver:
        return style(0xF8F4F1, 0xF0E8E3, clNone, strip(0xF8F7F6, 0xE8E0DB, 0x8B4215, 0x74706F),
                     setO(0xF9F8F8, 0xE4E2DF));
    case tsWindowsVista: {
        auto s = style(0xFFFFFF, 0xFFFFFF, 0x979797, strip(0xFFFDF9, 0xFFFAF0, 0x000000, 0xFCF2DA),
                       {0xFFFDF9, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFFFAF0, 0xFCF2DA, 0xFEF9F0, 0xFDF0D7, 0xFEDF9A,
                        0xFFFFFF, 0xFFFFFF});
        s.Footer.Color = 0xFFFAF0;
        s.Footer.ColorTo = 0xFFFDF9;
        return s;
    }
    case tsWindows7:
        return style(0xFFFFFF, 0xFFFFFF, 0x979797, strip(0xFDFBFA, 0xFDF3EB, 0x000000, 0xFBD6B8),
                     {0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFDFBFA, 0xFDF3EB, 0xFBD6B8, 0xFCEBDC, 0xFCDBC1, 0xCEA27D,
                      0xFFFFFF, 0xFFFFFF});
    case tsTerminal:
        return style(0xFFFFFF, 0xFFFFFF, 0x808080, strip(clBtnFace, clBtnFace, 0x000000, clNone),
                     {clBtnFace, clBtnFace, clNone, 0xC0C0C0, 0xC0C0C0, 0x808080, clHighlight, clHighlight, 0x808080,
                      clBtnFace, clBtnFace});
    case tsOffice2010Blue:
        return style(0xFFFFFF, 0xF1EFED, 0xEDEDEC, strip(0xFDF6EF, 0xF0DAC7, 0x5B391E, 0xC7B29F),
                     setN(0xFDF6EF, 0xF0DAC7, 0xC7B29F));
    case tsOffice2010Silver:
        return style(0xFFFFFF, 0xF1EFED, 0xEDEDEC, strip(0xFFFFFF, 0xEDE5E0, 0x5B391E, 0xD2CDC8),
                     setN(0xFFFFFF, 0xEDE5E0, 0xD2CDC8));
    case tsOffice2010Black:
        return style(0xFFFFFF, 0xF1EFED, 0xEDEDEC, strip(0xBFBFBF, 0x919191, 0xD7D7D6, 0x6D6D6D),
                     setN(0xBFBFBF, 0x919191, 0xD7D7D6));
    }
    return std::nullopt;
}

std::optional<TSelectionStyleColors> selectionStyleColors(TSelectionColorStyle style)
{
    switch (style) {
    case scOffice2007:
        return TSelectionStyleColors{0xD7FFFD, 0x58D4FC};
    case scWindowsVista:
        return TSelectionStyleColors{0xFDF8F1, 0xFCEFD5};
    case scWindows7:
        return TSelectionStyleColors{0xFCEBDC, 0xFCDBC1};
    case scCustom:
        break;
    }
    return std::nullopt;
}

std::optional<TSelectionFaceColors> selectionFaceColors(TSelectionColorStyle style)
{
    switch (style) {
    case scOffice2007:
        return TSelectionFaceColors{0xC3D9DF, 0x8DD7D3, 0xCAF8FF, 0xF4FEFF, 0x58D4FC, 0xB3F1FC};
    case scWindowsVista:
        return TSelectionFaceColors{0xFCEDCB, 0xFDDE99, 0xFDF5E7, 0xFDFBF6, clNone, clNone};
    case scWindows7:
        return TSelectionFaceColors{0xE0C5AE, 0xCEA27D, 0xFDEADB, 0xFDF4EB, clNone, clNone};
    case scCustom:
        break;
    }
    return std::nullopt;
}

} // namespace controls
