#pragma once
// Drawing the editors share: the canvas font from a widget's font, one-pixel
// frames, the flat border the combo box and the date pickers draw over the
// platform's frame, and their drop-down button, coloured or classic.
#include "platform/Color.h"
#include "platform/draw/Bitmap.h"
#include "platform/draw/Canvas.h"

#include <QFont>
#include <QWidget>

namespace controls {

// The colours of a button drawn in colours of its own (clNone: the classic
// look). The text colours are kept for callers; the arrows and captions are
// drawn in their fixed colours.
struct TButtonColors {
    platform::TColor ButtonColor = platform::clNone;
    platform::TColor ButtonColorHot = platform::clNone;
    platform::TColor ButtonColorDown = platform::clNone;
    platform::TColor ButtonTextColor = platform::clNone;
    platform::TColor ButtonTextColorHot = platform::clNone;
    platform::TColor ButtonTextColorDown = platform::clNone;
    platform::TColor ButtonBorderColor = platform::clNone;
};

void setCanvasFont(platform::TFont &target, const QFont &font, platform::TColor color);
void frameRect(platform::TCanvas &canvas, const platform::TRect &rect, platform::TColor color);
void fillRect(platform::TCanvas &canvas, const platform::TRect &rect, platform::TColor color);
// A filled polygon in one colour.
void fillPolygon(platform::TCanvas &canvas, std::initializer_list<platform::TPoint> points, platform::TColor color);

// The frame a disabled control gets from the themed library.
constexpr platform::TColor DisabledThemedBorder = platform::RGB(127, 157, 185);

// The combo box and the flat picker draw three rings when no colour is
// set (the middle one stops short of the button) and a sunken edge with
// the focus frame; the date/time picker draws two rings, and draws them
// also while only an unfocused focus colour is set.
enum class TBorderRings { Three, Two };

// What decides the flat border of a combo box or a date picker.
struct TEditorBorder {
    TBorderRings rings = TBorderRings::Three;
    platform::TColor borderColor = platform::clNone;
    platform::TColor focusBorderColor = platform::clNone;
    platform::TColor parentColor = platform::clBtnFace;
    platform::TColor controlColor = platform::clWindow;
    // The colour of the line under a flat combo box (clNone: none).
    platform::TColor flatLineColor = platform::clNone;
    bool enabled = true;
    bool focused = false;
    // The common controls in use draw themed (the disabled frame).
    bool themedLibrary = false;
    // Disabled controls keep their normal frame.
    bool disabledBorder = false;
    // The sunken frame of a hovered or active control with a focus border.
    bool focusFrame = false;
    // The middle ring of the plain frame stops short of the button.
    int buttonWidth = 0;
};

// Draws the border into the window rectangle: the themed disabled frame, a
// frame in the focus or border colour, or, with neither colour set, two
// rings in the parent's (or, with the focus frame, the button face's)
// colour and one in the control's.
void paintEditorBorder(platform::TCanvas &canvas, const platform::TRect &window, const TEditorBorder &border);

// A drop-down button in colours of its own: a line down its left edge, the
// face from faceInset pixels right of it, and a small arrow whose left
// corner stands arrowLeft pixels in and 7 pixels down.
void paintColoredDropButton(platform::TCanvas &canvas, const platform::TRect &rect, platform::TColor face,
                            platform::TColor borderLine, platform::TColor arrow, int arrowLeft, int faceInset = 0);

// The one-pixel outline a picker with its 3-D look off draws round itself,
// and inside it a line along the top and the left (all round with
// innerAllSides).
void paintFlatOutline(platform::TCanvas &canvas, QSize size, platform::TColor outer, platform::TColor inner,
                      bool innerAllSides);

// The classic combo-box button: flat when enabled, greyed when not.
void paintClassicDropButton(platform::TCanvas &canvas, const platform::TRect &rect, bool enabled);

// A speed button's glyph, centred in the area (one pixel right and down
// while pressed), from a strip of numGlyphs frames: normal, disabled and
// pressed as far as the strip has them.
void drawSpeedButtonGlyph(platform::TCanvas &canvas, QSize area, const platform::TBitmap &glyph, int numGlyphs,
                          bool enabled, bool pressed);

// Where an edit puts the button embedded at its right end: inside the
// frame of a bordered edit, one pixel short of it otherwise.
QRect embeddedButtonRect(QSize edit, int buttonWidth, bool border);

// The colour a state picks: down over hot over normal, each only when set.
platform::TColor stateColor(platform::TColor normal, platform::TColor hot, platform::TColor down, bool isHot,
                            bool isDown);

} // namespace controls
