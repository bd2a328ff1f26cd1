#include "controls/grid/base/HtmlColors.h"

#include <QHash>

namespace controls {

using namespace platform;

TColor HtmlColorByName(const QString &name)
{
    static const QHash<QString, TColor> byName{
        {QStringLiteral("clred"), clRed},
        {QStringLiteral("clblack"), clBlack},
        {QStringLiteral("clblue"), clBlue},
        {QStringLiteral("clgreen"), clGreen},
        {QStringLiteral("claqua"), clAqua},
        {QStringLiteral("clyellow"), clYellow},
        {QStringLiteral("clfuchsia"), clFuchsia},
        {QStringLiteral("clwhite"), clWhite},
        {QStringLiteral("cllime"), clLime},
        {QStringLiteral("clsilver"), clSilver},
        {QStringLiteral("clgray"), clGray},
        {QStringLiteral("clolive"), clOlive},
        {QStringLiteral("clnavy"), clNavy},
        {QStringLiteral("clpurple"), clPurple},
        {QStringLiteral("clteal"), clTeal},
        {QStringLiteral("clmaroon"), clMaroon},
        {QStringLiteral("clbackground"), clBackground},
        {QStringLiteral("clactivecaption"), clActiveCaption},
        {QStringLiteral("clinactivecaption"), clInactiveCaption},
        {QStringLiteral("clmenu"), clMenu},
        {QStringLiteral("clwindow"), clWindow},
        {QStringLiteral("clwindowframe"), clWindowFrame},
        {QStringLiteral("clmenutext"), clMenuText},
        {QStringLiteral("clwindowtext"), clWindowText},
        {QStringLiteral("clcaptiontext"), clCaptionText},
        {QStringLiteral("clactiveborder"), clActiveBorder},
        {QStringLiteral("clinactiveborder"), clInactiveBorder},
        {QStringLiteral("clappworkspace"), clAppWorkSpace},
        {QStringLiteral("clhighlight"), clHighlight},
        {QStringLiteral("clhighlighttext"), clHighlightText},
        {QStringLiteral("clbtnface"), clBtnFace},
        {QStringLiteral("clbtnshadow"), clBtnShadow},
        {QStringLiteral("clgraytext"), clGrayText},
        {QStringLiteral("clbtntext"), clBtnText},
        {QStringLiteral("clinactivecaptiontext"), clInactiveCaptionText},
        {QStringLiteral("clbtnhighlight"), clBtnHighlight},
        {QStringLiteral("cl3ddkshadow"), cl3DDkShadow},
        {QStringLiteral("cl3dlight"), cl3DLight},
        {QStringLiteral("clinfotext"), clInfoText},
        {QStringLiteral("clinfobk"), clInfoBk},
    };
    return byName.value(name, clBlack);
}

TColor HtmlHexColor(const QString &text)
{
    const auto digit = [](QChar c) {
        const char16_t u = c.unicode();
        return u >= u'0' && u <= u'9' ? u - u'0'
            : u >= u'A' && u <= u'F' ? u - u'A' + 10
            : u >= u'a' && u <= u'f' ? u - u'a' + 10
                                     : -1;
    };
    const auto pair = [&](qsizetype at) {
        if (at + 2 > text.size())
            return 0;
        const int high = digit(text[at]), low = digit(text[at + 1]);
        return high < 0 || low < 0 ? 0 : high * 16 + low;
    };
    return RGB(pair(1), pair(3), pair(5));
}

} // namespace controls
