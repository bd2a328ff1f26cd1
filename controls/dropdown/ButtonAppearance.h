#pragma once
// The colours, caption font and caption colours of the calculator's keys.
// The drop-down keeps one and hands a copy to its keypad at every opening;
// a component style recolours it from the drop-down's button colours.
#include "platform/Color.h"
#include "platform/draw/GraphicsObjects.h"

namespace controls {

class TExButtonAppearance;

struct TButtonAppearance {
    TButtonAppearance();
    TButtonAppearance(const TButtonAppearance &other) { Assign(other); }
    TButtonAppearance &operator=(const TButtonAppearance &other)
    {
        Assign(other);
        return *this;
    }

    platform::TColor BorderColor = 0;
    platform::TColor BorderColorHot = 0;
    platform::TColor BorderColorDown = 0;
    platform::TColor BorderColorChecked = 16711680;
    platform::TColor Color = 10129759;
    platform::TColor ColorTo = 11575664;
    platform::TColor ColorDown = 4927240;
    platform::TColor ColorDownTo = 11384084;
    platform::TColor ColorHot = 10448668;
    platform::TColor ColorHotTo = 14008900;
    platform::TColor ColorChecked = 16111818;
    platform::TColor ColorCheckedTo = 16367008;
    platform::TColor ColorDisabled = 15921906;
    platform::TColor ColorDisabledTo = 15921906;
    platform::TColor GlowColorHot = 14008900;
    platform::TColor GlowColorDown = 14008900;
    platform::TColor ShineColor = platform::clWhite;
    // Size 10, bold.
    platform::TFont Font;
    platform::TColor TextColor = platform::clBlack;
    // Operator and memory keys.
    platform::TColor SpecialTextColor = 128;

    void Assign(const TButtonAppearance &source);
    bool operator==(const TButtonAppearance &other) const;
};

// The key colours a component style gives: taken from the drop-down's
// popup-button colours, the glow from the style's family.
void takeStyleColors(TButtonAppearance &keys, const TExButtonAppearance &buttons, bool office2010);

} // namespace controls
