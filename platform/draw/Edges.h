#pragma once
// Three-dimensional edges and the small standard controls (check box, radio
// button, push button, scroll and drop-down arrows) in the classic look, in
// the system colours of the one colour table.
#include "platform/draw/Canvas.h"

namespace platform {

// Draws the edges (BDR_... or EDGE_...) on the sides in flags (BF_...).
// With BF_ADJUST the rectangle becomes what is left inside the edges. An
// empty rectangle draws nothing and gives false.
bool DrawEdge(TCanvas &canvas, TRect &rect, unsigned edge, unsigned flags);

// Draws a control of kind DFC_BUTTON or DFC_SCROLL in the state given by the
// DFCS_ flags. An empty rectangle or an unknown kind draws nothing and gives
// false.
bool DrawFrameControl(TCanvas &canvas, const TRect &rect, unsigned kind, unsigned state);

} // namespace platform
