#include "controls/dropdown/core/MultiColumnStyles.h"

namespace controls::multicol {

using namespace platform;

std::optional<TLineColors> selectionLineColors(TSelectionColorStyle style)
{
    switch (style) {
    case scOffice2007:
        return TLineColors{15855083, 13745060};
    case scWindowsVista:
    case scWindows7:
        return TLineColors{15527152, 13947601};
    case scCustom:
        break;
    }
    return std::nullopt;
}

namespace {

constexpr std::optional<TColor> unchanged;

TMultiColumnStyleColors office(TColor header, TColor headerTo, std::optional<TColor> font, TColor lines,
                               TSelectionColorStyle selection = scOffice2007)
{
    return {header, headerTo, font, selection, {lines, lines}, std::nullopt, 0};
}

// The system's own selection on a button-face header.
TMultiColumnStyleColors classic(TColor line, TColor fixedLine)
{
    return {clBtnFace, clBtnFace, TColor(0), scCustom, {line, fixedLine},
            TSelectionStyleColors{clHighlight, clHighlight}, clHighlightText};
}

// The office 2010 looks: a solid header and an orange selection.
TMultiColumnStyleColors office2010(TColor header, TColor font)
{
    return {header, clNone, font, scCustom, {15654351, 15654351}, TSelectionStyleColors{7131391, 7131391}, 0};
}

} // namespace

std::optional<TMultiColumnStyleColors> multiColumnStyleColors(TFenloStyle style)
{
    switch (style) {
    case tsOffice2003Blue:
        return office(14059353, 9648131, TColor(16777215), 9841920);
    case tsOffice2003Silver:
        return office(12428453, 9794677, unchanged, 9731196);
    case tsOffice2003Olive:
        return office(8569007, 4487779, unchanged, 5800032);
    case tsOffice2003Classic:
        return office(8421504, 8421504, unchanged, 8421504);
    case tsOffice2007Luna:
        return office(16773091, 16765615, TColor(7485192), 16765615);
    case tsOffice2007Obsidian:
        return office(15921648, 13222589, TColor(4406327), 6050636);
    case tsWindowsXP:
        return classic(12632256, 0);
    case tsWhidbey:
        return office(15462127, 8296600, TColor(16777215), 9841920);
    case tsCustom:
        return std::nullopt;
    case tsOffice2007Silver:
        return office(16316406, 15261915, TColor(9126421), 7630959);
    case tsWindowsVista:
        return office(16776697, 16775920, TColor(0), 16577242, scWindowsVista);
    case tsWindows7:
        return office(16645114, 16643051, TColor(0), 16504504, scWindows7);
    case tsTerminal:
        return classic(8421504, 8421504);
    case tsOffice2010Blue:
        return office2010(15588301, 5978398);
    case tsOffice2010Silver:
        return office2010(15591909, 5978398);
    case tsOffice2010Black:
        return office2010(8553090, 14145494);
    }
    return std::nullopt;
}

} // namespace controls::multicol
