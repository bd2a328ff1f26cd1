#include "controls/dropdown/ButtonAppearance.h"

#include "controls/dropdown/paint/PopupAppearance.h"

namespace controls {

TButtonAppearance::TButtonAppearance()
{
    Font.setSize(10);
    Font.setStyle(platform::FontStyle{.bold = true});
}

void TButtonAppearance::Assign(const TButtonAppearance &s)
{
    if (&s == this)
        return;
    BorderColor = s.BorderColor;
    BorderColorHot = s.BorderColorHot;
    BorderColorDown = s.BorderColorDown;
    BorderColorChecked = s.BorderColorChecked;
    Color = s.Color;
    ColorTo = s.ColorTo;
    ColorDown = s.ColorDown;
    ColorDownTo = s.ColorDownTo;
    ColorHot = s.ColorHot;
    ColorHotTo = s.ColorHotTo;
    ColorChecked = s.ColorChecked;
    ColorCheckedTo = s.ColorCheckedTo;
    ColorDisabled = s.ColorDisabled;
    ColorDisabledTo = s.ColorDisabledTo;
    GlowColorHot = s.GlowColorHot;
    GlowColorDown = s.GlowColorDown;
    ShineColor = s.ShineColor;
    Font.Assign(s.Font);
    TextColor = s.TextColor;
    SpecialTextColor = s.SpecialTextColor;
}

bool TButtonAppearance::operator==(const TButtonAppearance &o) const
{
    return BorderColor == o.BorderColor && BorderColorHot == o.BorderColorHot && BorderColorDown == o.BorderColorDown
           && BorderColorChecked == o.BorderColorChecked && Color == o.Color && ColorTo == o.ColorTo
           && ColorDown == o.ColorDown && ColorDownTo == o.ColorDownTo && ColorHot == o.ColorHot
           && ColorHotTo == o.ColorHotTo && ColorChecked == o.ColorChecked && ColorCheckedTo == o.ColorCheckedTo
           && ColorDisabled == o.ColorDisabled && ColorDisabledTo == o.ColorDisabledTo
           && GlowColorHot == o.GlowColorHot && GlowColorDown == o.GlowColorDown && ShineColor == o.ShineColor
           && Font.sameLook(o.Font) && TextColor == o.TextColor && SpecialTextColor == o.SpecialTextColor;
}

void takeStyleColors(TButtonAppearance &keys, const TExButtonAppearance &b, bool office2010)
{
    keys.BorderColorChecked = b.BorderColorDisabled();
    keys.BorderColor = b.BorderColor();
    keys.BorderColorHot = b.BorderColorHot();
    keys.BorderColorDown = b.BorderColorDown();
    keys.Color = b.Color();
    keys.ColorTo = b.ColorTo();
    keys.ColorDown = b.ColorDown();
    keys.ColorDownTo = b.ColorDownTo();
    keys.ColorChecked = b.ColorDisabledTo();
    keys.ColorCheckedTo = b.ColorHotTo();
    keys.ColorDisabled = b.ColorDisabled();
    keys.ColorDisabledTo = b.ColorDisabledTo();
    keys.ColorHot = b.ColorHot();
    keys.ColorHotTo = b.ColorHotTo();
    if (office2010) {
        keys.GlowColorHot = b.ColorHot();
        keys.GlowColorDown = b.ColorHot();
    } else {
        keys.GlowColorDown = 14008900;
        keys.GlowColorHot = b.ColorDownTo();
    }
}

} // namespace controls
