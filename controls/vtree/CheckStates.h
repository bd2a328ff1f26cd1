#pragma once
// The small algebra of check states the mouse, the keyboard and painting
// share, and the look of a check control as an index into a check image list
// (0 blank; 1-4 radio unchecked, 5-8 radio checked, 9-12 box unchecked,
// 13-16 box checked, 17-20 box mixed, 21-24 push button; each as normal,
// hot, pressed, disabled).
#include "controls/vtree/LazyNode.h"

#include <cstdint>

namespace vtree {

enum class TCheckImageKind : std::uint8_t {
    ckLightCheck,
    ckDarkCheck,
    ckLightTick,
    ckDarkTick,
    ckFlat,
    ckXP,
    ckCustom,
    ckSystemFlat,
    ckSystemDefault,
};

constexpr bool IsDisabledState(TCheckState s)
{
    return s == TCheckState::csUncheckedDisabled || s == TCheckState::csCheckedDisabled || s == TCheckState::csMixedDisabled;
}

constexpr bool IsCheckedState(TCheckState s)
{
    return s == TCheckState::csCheckedNormal || s == TCheckState::csCheckedPressed || s == TCheckState::csCheckedDisabled;
}

constexpr TCheckState EnabledState(TCheckState s)
{
    switch (s) {
    case TCheckState::csUncheckedDisabled:
        return TCheckState::csUncheckedNormal;
    case TCheckState::csCheckedDisabled:
        return TCheckState::csCheckedNormal;
    case TCheckState::csMixedDisabled:
        return TCheckState::csMixedNormal;
    default:
        return s;
    }
}

constexpr TCheckState PressedState(TCheckState s)
{
    switch (s) {
    case TCheckState::csUncheckedNormal:
        return TCheckState::csUncheckedPressed;
    case TCheckState::csCheckedNormal:
        return TCheckState::csCheckedPressed;
    case TCheckState::csMixedNormal:
        return TCheckState::csMixedPressed;
    default:
        return s;
    }
}

constexpr TCheckState ReleasedState(TCheckState s)
{
    switch (s) {
    case TCheckState::csUncheckedPressed:
        return TCheckState::csUncheckedNormal;
    case TCheckState::csCheckedPressed:
        return TCheckState::csCheckedNormal;
    case TCheckState::csMixedPressed:
        return TCheckState::csMixedNormal;
    default:
        return s;
    }
}

constexpr TCheckState ToggledState(TCheckState s)
{
    switch (s) {
    case TCheckState::csUncheckedNormal:
    case TCheckState::csMixedNormal:
        return TCheckState::csCheckedNormal;
    case TCheckState::csUncheckedPressed:
    case TCheckState::csMixedPressed:
        return TCheckState::csCheckedPressed;
    case TCheckState::csCheckedNormal:
        return TCheckState::csUncheckedNormal;
    case TCheckState::csCheckedPressed:
        return TCheckState::csUncheckedPressed;
    default:
        return s;
    }
}

// The image of an enabled or disabled control; -1 for ctNone.
int checkImageIndexOf(TCheckType type, TCheckState state, bool enabled, bool hot);

} // namespace vtree
