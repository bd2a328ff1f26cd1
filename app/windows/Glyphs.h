#pragma once
// The pictures of the main window's buttons. The program ships no image
// files, so each glyph is drawn here: simple, recognisable shapes.
#include <QPixmap>

namespace app::glyphs {

// 32 x 32, for the 50 x 50 picture buttons.
QPixmap information();
QPixmap options();
QPixmap closeProgram();

// 24 x 24, for the step buttons.
QPixmap newConfiguration();
QPixmap openConfiguration();
QPixmap generalParameters();
QPixmap mbusNetwork();
QPixmap updateDevice();
QPixmap scanDecode();

// The maker's and the partner's logo for the About dialog (120 x 48).
QPixmap makerLogo();
QPixmap partnerLogo();

} // namespace app::glyphs
