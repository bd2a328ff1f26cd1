#include "platform/ColorNames.h"

#include <algorithm>
#include <array>

namespace platform {

namespace {

struct ColorName {
    TColor color;
    const char *name;
};

// One name per value: the first of two names for one value (clGray and
// clDkGray) is the one written.
constexpr std::array kColorNames = {
    ColorName{clBlack, "clBlack"},
    ColorName{clMaroon, "clMaroon"},
    ColorName{clGreen, "clGreen"},
    ColorName{clOlive, "clOlive"},
    ColorName{clNavy, "clNavy"},
    ColorName{clPurple, "clPurple"},
    ColorName{clTeal, "clTeal"},
    ColorName{clGray, "clGray"},
    ColorName{clSilver, "clSilver"},
    ColorName{clRed, "clRed"},
    ColorName{clLime, "clLime"},
    ColorName{clYellow, "clYellow"},
    ColorName{clBlue, "clBlue"},
    ColorName{clFuchsia, "clFuchsia"},
    ColorName{clAqua, "clAqua"},
    ColorName{clWhite, "clWhite"},
    ColorName{0xC0DCC0, "clMoneyGreen"},
    ColorName{0xF0CAA6, "clSkyBlue"},
    ColorName{0xF0FBFF, "clCream"},
    ColorName{0xA4A0A0, "clMedGray"},
    ColorName{clActiveBorder, "clActiveBorder"},
    ColorName{clActiveCaption, "clActiveCaption"},
    ColorName{clAppWorkSpace, "clAppWorkSpace"},
    ColorName{clBackground, "clBackground"},
    ColorName{clBtnFace, "clBtnFace"},
    ColorName{clBtnHighlight, "clBtnHighlight"},
    ColorName{clBtnShadow, "clBtnShadow"},
    ColorName{clBtnText, "clBtnText"},
    ColorName{clCaptionText, "clCaptionText"},
    ColorName{clDefault, "clDefault"},
    ColorName{clGradientActiveCaption, "clGradientActiveCaption"},
    ColorName{clGradientInactiveCaption, "clGradientInactiveCaption"},
    ColorName{clGrayText, "clGrayText"},
    ColorName{clHighlight, "clHighlight"},
    ColorName{clHighlightText, "clHighlightText"},
    ColorName{clHotLight, "clHotLight"},
    ColorName{clInactiveBorder, "clInactiveBorder"},
    ColorName{clInactiveCaption, "clInactiveCaption"},
    ColorName{clInactiveCaptionText, "clInactiveCaptionText"},
    ColorName{clInfoBk, "clInfoBk"},
    ColorName{clInfoText, "clInfoText"},
    ColorName{clMenu, "clMenu"},
    ColorName{clMenuBar, "clMenuBar"},
    ColorName{clMenuHighlight, "clMenuHighlight"},
    ColorName{clMenuText, "clMenuText"},
    ColorName{clNone, "clNone"},
    ColorName{clScrollBar, "clScrollBar"},
    ColorName{cl3DDkShadow, "cl3DDkShadow"},
    ColorName{cl3DLight, "cl3DLight"},
    ColorName{clWindow, "clWindow"},
    ColorName{clWindowFrame, "clWindowFrame"},
    ColorName{clWindowText, "clWindowText"},
};

// Names a reader takes besides the written ones.
constexpr std::array kColorAliases = {
    ColorName{clSilver, "clLtGray"},
    ColorName{clGray, "clDkGray"},
};

} // namespace

std::optional<QByteArrayView> colorToIdent(TColor color)
{
    const auto it = std::find_if(kColorNames.begin(), kColorNames.end(),
                                 [color](const ColorName &c) { return c.color == color; });
    if (it == kColorNames.end())
        return std::nullopt;
    return QByteArrayView(it->name);
}

std::optional<TColor> identToColor(QByteArrayView name)
{
    const auto find = [name](const auto &table) -> std::optional<TColor> {
        for (const ColorName &c : table)
            if (name.compare(QByteArrayView(c.name), Qt::CaseInsensitive) == 0)
                return c.color;
        return std::nullopt;
    };
    if (const auto color = find(kColorNames))
        return color;
    return find(kColorAliases);
}

} // namespace platform
