#pragma once
// The small buttons inside cells and editors (drop-down arrow, push
// button, spin pair) in four looks. The themed look draws through the
// theme library (ThemeBinding.h) and falls back to the classic look where
// there is none, as on this platform.
#include "controls/grid/base/Themes.h"
#include "platform/draw/Canvas.h"

#include <cstdint>

class QObject;

namespace controls {

enum class TButtonLook : std::uint8_t {
    Themed = 0,
    Classic = 1, // the system's frame controls
    Flat = 2,    // the same, flat
    Tones = 3,   // the caller's colour tones
};

enum class TButtonState : std::uint8_t { Normal = 0, Hot = 1, Down = 2, Disabled = 3 };

// The tone of a state: Background, Hover, Selected or Disabled.
const TColorTone &toneOf(const TColorTones &tones, TButtonState state);

// A button 17 pixels wide at the rectangle's right edge, one pixel inside
// at the top and bottom and two from the right.
void DrawDropDownButton(platform::TCanvas &canvas, const QObject *window, const platform::TRect &rect,
                        TButtonLook look, TButtonState state, const TColorTones &tones);
void DrawPushButton(platform::TCanvas &canvas, const QObject *window, const platform::TRect &rect, TButtonLook look,
                    TButtonState state, const TColorTones &tones);
// An up and a down button, one above the other, in a strip 15 pixels wide
// at the rectangle's right edge, moved one pixel left and one up.
void DrawSpinButtons(platform::TCanvas &canvas, const QObject *window, const platform::TRect &rect,
                     TButtonLook look, TButtonState state, const TColorTones &tones);

} // namespace controls
