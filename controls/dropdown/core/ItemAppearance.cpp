#include "controls/dropdown/core/ItemAppearance.h"

namespace controls {

using namespace platform;

namespace {

struct TPreset {
    TColor hot, hotTo, mirrorHot, mirrorHotTo;
    TColor top, bottom, border, edge;
    TColor selected, selectedTo, mirrorSelected, mirrorSelectedTo;
};

constexpr TPreset Office2007{0xD7FFFD, 0x58D4FC, 0x58D4FC, 0xB3F1FC, 0xF4FEFF, 0xCAF8FF,
                             0x8DD7D3, 0xC3D9DF, 0xA6FFFB, 0x04B9F4, 0x15C1FB, 0x68E3F9};
constexpr TPreset Vista{0xFDF8F1, 0xFCEFD5, clNone, clNone, 0xFDFBF6, 0xFDF5E7,
                        0xFDDE99, 0xFCEDCB, 0xFAEEDE, 0xFAE3B4, clNone, clNone};
constexpr TPreset Windows7{0xFCEBDC, 0xFCDBC1, clNone, clNone, 0xFDF4EB, 0xFDEADB,
                           0xCEA27D, 0xE0C5AE, 0xF9D8B9, 0xFBCAA2, clNone, clNone};

} // namespace

TItemAppearance::TItemAppearance()
{
    ApplyColorStyle(scOffice2007);
}

void TItemAppearance::ApplyColorStyle(TSelectionColorStyle style)
{
    if (style == m_colorStyle)
        return;
    m_colorStyle = style;
    const TPreset *preset = style == scOffice2007 ? &Office2007
                            : style == scWindowsVista ? &Vista
                            : style == scWindows7 ? &Windows7
                                                  : nullptr;
    if (!preset)
        return;
    ColorHot = preset->hot;
    ColorHotTo = preset->hotTo;
    ColorMirrorHot = preset->mirrorHot;
    ColorMirrorHotTo = preset->mirrorHotTo;
    BorderColorTop = preset->top;
    BorderColorBottom = preset->bottom;
    BorderColor = preset->border;
    EdgeColor = preset->edge;
    ColorSelected = preset->selected;
    ColorSelectedTo = preset->selectedTo;
    ColorMirrorSelected = preset->mirrorSelected;
    ColorMirrorSelectedTo = preset->mirrorSelectedTo;
}

void TItemAppearance::Assign(const TItemAppearance &source)
{
    if (&source == this)
        return;
    ColorHot = source.ColorHot;
    ColorHotTo = source.ColorHotTo;
    ColorMirrorHot = source.ColorMirrorHot;
    ColorMirrorHotTo = source.ColorMirrorHotTo;
    ColorSelected = source.ColorSelected;
    ColorSelectedTo = source.ColorSelectedTo;
    ColorMirrorSelected = source.ColorMirrorSelected;
    ColorMirrorSelectedTo = source.ColorMirrorSelectedTo;
    BorderColor = source.BorderColor;
    BorderColorTop = source.BorderColorTop;
    BorderColorBottom = source.BorderColorBottom;
    EdgeColor = source.EdgeColor;
    FontName = source.FontName;
    FontSize = source.FontSize;
    ApplyColorStyle(source.m_colorStyle);
    ColorHotText = source.ColorHotText;
    ColorSelectedText = source.ColorSelectedText;
    BorderColorHot = source.BorderColorHot;
    BorderColorSelected = source.BorderColorSelected;
}

namespace {

struct TStylePreset {
    TColor hot, hotTo, mirrorHot, mirrorHotTo;
    TColor border;
    TColor selected, selectedTo, mirrorSelected, mirrorSelectedTo;
    TColor top, bottom, edge;
    TColor selectedText;
};

constexpr TStylePreset Office2003{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x42AEFE, 0xAAD9FF, 0x6EBBFF,
                                  0x42AEFE, 0x7AE1FE, clNone,   clNone,   clNone,   clBlack};
constexpr TStylePreset Office2007Style{0xEBFDFF, 0xACECFF, 0x59DAFF, 0xA4E9FF, 0x42AEFE, 0xAAD9FF, 0x6EBBFF,
                                       0x42AEFE, 0x7AE1FE, 0xF4FEFF, 0xCAF8FF, 0xC3D9DF, clBlack};
constexpr TStylePreset Classic{0xD2BDB6, 0xD2BDB6, clNone, clNone, 0x808080, 0xB59285, 0xB59285,
                               clNone,   clNone,   clNone, clNone, clNone,   clBlack};
constexpr TStylePreset WindowsXP{0xEFD3C6, 0xEFD3C6, clNone, clNone, clHighlight, clHighlight, clNone,
                                 clNone,   clNone,   clNone, clNone, clNone,      clHighlightText};
constexpr TStylePreset VistaStyle{0xFFFDF9, 0xFFFAF0, clNone,   clNone,   0xFEDF9A, 0xFEF9F0, 0xFDF0D7,
                                  clNone,   clNone,   0xFDFBF6, 0xFDF5E7, 0xFCEDCB, clBlack};
constexpr TStylePreset Windows7Style{0xFDFBFA, 0xFDF3EB, clNone,   clNone,   0xCEA27D, 0xFCEBDC, 0xFCDBC1,
                                     clNone,   clNone,   0xFDF4EB, 0xFDEADB, 0xE0C5AE, clBlack};
constexpr TStylePreset Terminal{0xC0C0C0, 0xC0C0C0, clNone, clNone, 0x808080, clHighlight, clNone,
                                clNone,   clNone,   clNone, clNone, clNone,   clHighlightText};
constexpr TStylePreset Office2010{0xD9F9FD, 0x8AE3FD, 0x8AE3FD, 0xD9F9FD, 0x308AC2, 0x7BEEFF, 0x6CD0FF,
                                  0x6CD0FF, 0x7BEEFF, clNone,   clNone,   clNone,   clBlack};

const TStylePreset *stylePreset(TFenloStyle style)
{
    switch (style) {
    case tsOffice2003Blue:
    case tsOffice2003Silver:
    case tsOffice2003Olive:
    case tsWhidbey:
        return &Office2003;
    case tsOffice2007Luna:
    case tsOffice2007Obsidian:
    case tsOffice2007Silver:
        return &Office2007Style;
    case tsOffice2003Classic:
        return &Classic;
    case tsWindowsXP:
        return &WindowsXP;
    case tsWindowsVista:
        return &VistaStyle;
    case tsWindows7:
        return &Windows7Style;
    case tsTerminal:
        return &Terminal;
    case tsOffice2010Blue:
    case tsOffice2010Silver:
    case tsOffice2010Black:
        return &Office2010;
    case tsCustom:
        break;
    }
    return nullptr;
}

} // namespace

void ApplyItemAppearanceStyle(TItemAppearance *appearance, TFenloStyle style)
{
    const TStylePreset *preset = appearance ? stylePreset(style) : nullptr;
    if (!preset)
        return;
    appearance->BorderColorHot = clNone;
    appearance->BorderColorSelected = clNone;
    appearance->ColorHotText = clBlack;
    appearance->ColorHot = preset->hot;
    appearance->ColorHotTo = preset->hotTo;
    appearance->ColorMirrorHot = preset->mirrorHot;
    appearance->ColorMirrorHotTo = preset->mirrorHotTo;
    appearance->BorderColor = preset->border;
    appearance->ColorSelected = preset->selected;
    appearance->ColorSelectedTo = preset->selectedTo;
    appearance->ColorMirrorSelected = preset->mirrorSelected;
    appearance->ColorMirrorSelectedTo = preset->mirrorSelectedTo;
    appearance->BorderColorTop = preset->top;
    appearance->BorderColorBottom = preset->bottom;
    appearance->EdgeColor = preset->edge;
    appearance->ColorSelectedText = preset->selectedText;
}

} // namespace controls
