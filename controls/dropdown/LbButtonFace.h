#pragma once
// How an owner-drawn button's face is drawn: background by style, bevel,
// caption cut to fit, glyph frame by state, and the drop-down arrow. A free
// routine of every attribute, so that it paints into any canvas.
#include "controls/dropdown/LbColorStyle.h"
#include "controls/grid/base/GridTypes.h"
#include "platform/Color.h"

#include <QFont>
#include <QImage>
#include <QSize>
#include <QString>

namespace platform {
class TCanvas;
}

namespace controls {

enum class TLbButtonLayout { blGlyphLeft, blGlyphRight, blGlyphTop, blGlyphBottom };
// TAlignment is the grids' one (GridTypes.h): a dialog shows buttons and grids together.

// A font with its colour, as a Windows canvas keeps them together.
struct TLbFont {
    QFont font;
    platform::TColor color = platform::clWindowText;
};

struct LbButtonFace {
    int width = 0;
    int height = 0;
    int hotTrackStep = 0;
    int numGlyphs = 0;
    const QImage *glyph = nullptr;
    bool down = false;
    bool hot = false;
    bool enabled = true;
    bool flat = false;
    bool wordWrap = false;
    bool hasPopupMenu = false;
    TLbButtonStyle style = TLbButtonStyle::bsNormal;
    platform::TColor color = platform::clBtnFace;
    platform::TColor colorWhenDown = platform::clNone;
    platform::TColor hotTrackColor = platform::clNone;
    platform::TColor lightColor = platform::clWhite;
    platform::TColor shadowColor = platform::clGray;
    TLbFont font;
    TLbButtonLayout layout = TLbButtonLayout::blGlyphLeft;
    QString caption;
    TAlignment alignment = TAlignment::taCenter;
};

// Draws the whole face into (0, 0)-(width, height) of the canvas.
void PaintLbButtonFace(platform::TCanvas &canvas, const LbButtonFace &face);
// The face in two layers: the back (fill and bevel, which the hot-track
// colour changes) and the content over it (caption, glyph, arrow), which a
// fade leaves alone and which can be kept and drawn again.
void PaintLbButtonBack(platform::TCanvas &canvas, const LbButtonFace &face);
void PaintLbButtonContent(platform::TCanvas &canvas, const LbButtonFace &face);
// Whether two faces have the same content layer.
bool sameLbButtonContent(const LbButtonFace &a, const LbButtonFace &b);

// The smallest face that shows the whole caption in the face's font beside
// (or above) its glyph, with the drop-down arrow when there is a menu. The
// face's own size and state do not count.
QSize LbButtonFaceExtent(const LbButtonFace &face);

// Face colour of a hot-track step 0..8: the face colour at 0, the hot-track
// colour at 8, each channel blended and truncated in between.
platform::TColor BlendHotTrackColor(platform::TColor color, platform::TColor hotTrackColor, int hotTrackStep);

// 32 bands from one colour to the other, top to bottom.
void DrawLbGradient(platform::TCanvas &canvas, platform::TColor from, platform::TColor to, int left, int top, int right,
                    int bottom);

// The caption as the face shows it: without word wrap, cut from the end one
// character at a time until it fits the room (no ellipsis).
QString fitLbCaption(platform::TCanvas &canvas, QString caption, int room);

// Which frame of the glyph strip a state asks for: 1 disabled, 2 pressed (when
// the strip has it), 3 hot (when the strip has it), else 0; pressed wins over
// hot. A frame the strip lacks is drawn as frame 0.
int lbGlyphFrame(int numGlyphs, bool enabled, bool hot, bool down);

} // namespace controls
