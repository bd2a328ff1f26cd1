#include "controls/dropdown/LbColorStyle.h"

#include <array>

namespace controls {
namespace {

using platform::clBlack;
using platform::clBtnFace;
using platform::clNone;
using platform::clWhite;
using S = TLbButtonStyle;

constexpr platform::TColor bgr(unsigned value) { return platform::colorFromBits(value); }

// Indexed by the preset, lcsGold first.
constexpr std::array<LbColorStyleColors, 10> Presets{{
    {bgr(0x00C0C0), bgr(0x00FFFF), bgr(0x008080), clNone, bgr(0x00DFDF), clBlack, false, S::bsModern},
    {bgr(0xC0C0C0), bgr(0xFFFFFF), bgr(0x808080), clNone, clNone, clBlack, false, S::bsModern},
    {bgr(0xFF8000), bgr(0xFFFF00), bgr(0xFF0000), clNone, clNone, clBlack, false, S::bsModern},
    {bgr(0x0000FF), bgr(0xC0C0FF), bgr(0x0000C0), clNone, clNone, clBlack, false, S::bsModern},
    {clBtnFace, bgr(0xB59284), bgr(0xB59284), bgr(0xB59284), bgr(0xDED3D6), clBlack, true, S::bsNormal},
    {clBtnFace, bgr(0x000000), bgr(0x000000), bgr(0x24DABC), bgr(0x8CF6E4), clBlack, true, S::bsNormal},
    {bgr(0xD1D8DB), bgr(0xB59284), bgr(0xB59285), bgr(0xB59285), bgr(0xD2BDB6), clBlack, true, S::bsNormal},
    {bgr(0xECCE94), bgr(0xFCE6D4), bgr(0x000000), clNone, clNone, clBlack, false, S::bsModern},
    {clBtnFace, clWhite, bgr(0x808080), clNone, clNone, clBlack, false, S::bsNormal},
    {bgr(0x603000), bgr(0xC0C0C0), bgr(0xC0C0C0), bgr(0xAD6529), bgr(0xCEAE9C), clWhite, false, S::bsQuicken},
}};

} // namespace

std::optional<LbColorStyleColors> GetLbColorStyleColors(TLbColorStyle style)
{
    const int index = static_cast<int>(style) - 1;
    if (index < 0 || index >= static_cast<int>(Presets.size()))
        return std::nullopt;
    return Presets[static_cast<std::size_t>(index)];
}

} // namespace controls
