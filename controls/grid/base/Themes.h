#pragma once
// The looks a control can be given: an Office or Windows style by name, or
// its own colour tones, and the Office colour scheme the grid can follow.
#include "platform/Color.h"

#include <cstdint>

namespace controls {

enum TOfficeTheme : std::uint8_t {
    ot2003Blue,
    ot2003Silver,
    ot2003Olive,
    ot2003Classic,
    ot2007Blue,
    ot2007Silver,
    ot2007Black,
    ot2010Blue,
    ot2010Silver,
    ot2010Black,
    otUnknown,
};

enum TFenloStyle : std::uint8_t {
    tsOffice2003Blue,
    tsOffice2003Silver,
    tsOffice2003Olive,
    tsOffice2003Classic,
    tsOffice2007Luna,
    tsOffice2007Obsidian,
    tsWindowsXP,
    tsWhidbey,
    tsCustom,
    tsOffice2007Silver,
    tsWindowsVista,
    tsWindows7,
    tsTerminal,
    tsOffice2010Blue,
    tsOffice2010Silver,
    tsOffice2010Black,
};

struct TColorTone {
    platform::TColor BrushColor = platform::clNone;
    platform::TColor BorderColor = platform::clNone;
    platform::TColor TextColor = platform::clNone;
    friend bool operator==(const TColorTone &, const TColorTone &) = default;
};

struct TColorTones {
    TColorTone Background;
    TColorTone Foreground;
    TColorTone Selected;
    TColorTone Hover;
    TColorTone Disabled;
    friend bool operator==(const TColorTones &, const TColorTones &) = default;
};

class IFenloStyle {
public:
    virtual void SetComponentStyle(TFenloStyle style) = 0;

protected:
    ~IFenloStyle() = default;
};

class IFenloTones {
public:
    virtual void SetColorTones(const TColorTones &tones) = 0;

protected:
    ~IFenloTones() = default;
};

} // namespace controls
