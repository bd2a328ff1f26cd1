#pragma once
// What the steps of one cell's rendering share: the canvas, the cell, its
// rectangle as the steps narrow it, and the look its colours resolved to.
#include "controls/grid/model/ExGrid.h"
#include "controls/grid/view/GridAppearance.h"

namespace controls {

struct TExStringGrid::TCellPaint {
    platform::TCanvas &canvas;
    int col;     // display column
    int realCol; // real column
    int row;
    TGridDrawState state;
    platform::TRect rect;
    bool fixedLike = false;
    TAlignment ha = taLeftJustify;
    TVAlignment va = vtaTop;
    bool ww = false;
    platform::TColor colorTo = platform::clNone;
    platform::TColor mirror = platform::clNone;
    platform::TColor mirrorTo = platform::clNone;
    TCellGraphic *graphic = nullptr;
    int textWidth = 0; // painted width of the text plus 2, for graphics placed beside it
    int indicatorWidth = 0; // the row indicator's room at the left, given back after the text
    int scrollBarWidth = 0; // an in-cell scroll bar's room at the right, given back after the text
};

// While it lives, the text of a scrolled scroll-bar cell is drawn moved up
// by the position and clipped to the cell.
class TCellScrollClip {
public:
    TCellScrollClip(TExStringGrid &grid, TExStringGrid::TCellPaint &cell, platform::TRect &textRect);
    ~TCellScrollClip();
    TCellScrollClip(const TCellScrollClip &) = delete;
    TCellScrollClip &operator=(const TCellScrollClip &) = delete;

private:
    platform::TCanvas &m_canvas;
    int m_saved = 0;
};

// The share of the range a progress value has come, 0..100; 0 for an
// empty range.
int ProgressPercent(int value, int minimum, int maximum);

} // namespace controls
