#pragma once
// The colour presets of the owner-drawn button: one row of colours, a flat
// flag and a face style per preset.
#include "platform/Color.h"

#include <optional>

namespace controls {

enum class TLbColorStyle {
    lcsCustom,
    lcsGold,
    lcsChrome,
    lcsBlue,
    lcsRed,
    lcsUltraFlat1,
    lcsUltraFlat2,
    lcsUltraFlatXP,
    lcsAqua,
    lcsDefault,
    lcsQuicken
};

enum class TLbButtonStyle { bsNormal, bsEncarta, bsModern, bsOld, bsShape, bsQuicken };

struct LbColorStyleColors {
    platform::TColor face;
    platform::TColor light;
    platform::TColor shadow;
    platform::TColor whenDown;
    platform::TColor hotTrack;
    platform::TColor font;
    bool flat;
    TLbButtonStyle style;
};

// The preset's row; none for lcsCustom, which is no preset.
std::optional<LbColorStyleColors> GetLbColorStyleColors(TLbColorStyle style);

} // namespace controls
