#pragma once
// The numeric flags the drawing calls take, with the values and names the
// controls' code is written in, so that a flag word stored or passed along
// keeps its meaning.
#include <cstdint>

namespace platform {

// DrawText format.
constexpr unsigned DT_TOP = 0x0;
constexpr unsigned DT_LEFT = 0x0;
constexpr unsigned DT_CENTER = 0x1;
constexpr unsigned DT_RIGHT = 0x2;
constexpr unsigned DT_VCENTER = 0x4;
constexpr unsigned DT_BOTTOM = 0x8;
constexpr unsigned DT_WORDBREAK = 0x10;
constexpr unsigned DT_SINGLELINE = 0x20;
constexpr unsigned DT_EXPANDTABS = 0x40;
constexpr unsigned DT_NOCLIP = 0x100;
constexpr unsigned DT_EXTERNALLEADING = 0x200;
constexpr unsigned DT_CALCRECT = 0x400;
constexpr unsigned DT_NOPREFIX = 0x800;
constexpr unsigned DT_EDITCONTROL = 0x2000;
constexpr unsigned DT_PATH_ELLIPSIS = 0x4000;
constexpr unsigned DT_END_ELLIPSIS = 0x8000;
constexpr unsigned DT_MODIFYSTRING = 0x10000;
constexpr unsigned DT_RTLREADING = 0x20000;
constexpr unsigned DT_WORD_ELLIPSIS = 0x40000;
constexpr unsigned DT_HIDEPREFIX = 0x100000;
constexpr unsigned DT_PREFIXONLY = 0x200000;

// Text output options of TextOut and TextRect.
constexpr unsigned ETO_OPAQUE = 0x2;
constexpr unsigned ETO_CLIPPED = 0x4;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// DrawEdge: the edges, then the sides and options.
constexpr unsigned BDR_RAISEDOUTER = 0x1;
constexpr unsigned BDR_SUNKENOUTER = 0x2;
constexpr unsigned BDR_RAISEDINNER = 0x4;
constexpr unsigned BDR_SUNKENINNER = 0x8;
constexpr unsigned EDGE_RAISED = BDR_RAISEDOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_SUNKEN = BDR_SUNKENOUTER | BDR_SUNKENINNER;
constexpr unsigned EDGE_ETCHED = BDR_SUNKENOUTER | BDR_RAISEDINNER;
constexpr unsigned EDGE_BUMP = BDR_RAISEDOUTER | BDR_SUNKENINNER;

constexpr unsigned BF_LEFT = 0x1;
constexpr unsigned BF_TOP = 0x2;
constexpr unsigned BF_RIGHT = 0x4;
constexpr unsigned BF_BOTTOM = 0x8;
constexpr unsigned BF_RECT = BF_LEFT | BF_TOP | BF_RIGHT | BF_BOTTOM;
constexpr unsigned BF_MIDDLE = 0x800;
constexpr unsigned BF_SOFT = 0x1000;
constexpr unsigned BF_ADJUST = 0x2000;
constexpr unsigned BF_FLAT = 0x4000;
constexpr unsigned BF_MONO = 0x8000;

// DrawFrameControl: the kinds, then the part and its state.
constexpr unsigned DFC_SCROLL = 3;
constexpr unsigned DFC_BUTTON = 4;

constexpr unsigned DFCS_BUTTONCHECK = 0x0;
constexpr unsigned DFCS_BUTTONRADIO = 0x4;
constexpr unsigned DFCS_BUTTON3STATE = 0x8;
constexpr unsigned DFCS_BUTTONPUSH = 0x10;
constexpr unsigned DFCS_SCROLLUP = 0x0;
constexpr unsigned DFCS_SCROLLDOWN = 0x1;
constexpr unsigned DFCS_SCROLLLEFT = 0x2;
constexpr unsigned DFCS_SCROLLRIGHT = 0x3;
constexpr unsigned DFCS_SCROLLCOMBOBOX = 0x5;
constexpr unsigned DFCS_INACTIVE = 0x100;
constexpr unsigned DFCS_PUSHED = 0x200;
constexpr unsigned DFCS_CHECKED = 0x400;
constexpr unsigned DFCS_HOT = 0x1000;
constexpr unsigned DFCS_FLAT = 0x4000;

// Raster operations of BitBlt and StretchBlt (source S, destination D).
using TRasterOp = std::uint32_t;
constexpr TRasterOp SRCCOPY = 0x00CC0020;    // S
constexpr TRasterOp SRCPAINT = 0x00EE0086;   // S | D
constexpr TRasterOp SRCAND = 0x008800C6;     // S & D
constexpr TRasterOp SRCINVERT = 0x00660046;  // S ^ D
constexpr TRasterOp SRCERASE = 0x00440328;   // S & ~D
constexpr TRasterOp NOTSRCCOPY = 0x00330008; // ~S
constexpr TRasterOp NOTSRCERASE = 0x001100A6; // ~(S | D)
constexpr TRasterOp MERGEPAINT = 0x00BB0226; // ~S | D
constexpr TRasterOp DSTINVERT = 0x00550009;  // ~D
constexpr TRasterOp BLACKNESS = 0x00000042;
constexpr TRasterOp WHITENESS = 0x00FF0062;

// Image list drawing styles; the overlay number (1 to 15) sits in bits 8-11.
constexpr unsigned ILD_NORMAL = 0x0;
constexpr unsigned ILD_TRANSPARENT = 0x1;
constexpr unsigned ILD_BLEND25 = 0x2;
constexpr unsigned ILD_BLEND50 = 0x4;
constexpr unsigned ILD_MASK = 0x10;
constexpr unsigned ILD_OVERLAYMASK = 0xF00;
constexpr unsigned INDEXTOOVERLAYMASK(unsigned overlay) { return overlay << 8; }

} // namespace platform
