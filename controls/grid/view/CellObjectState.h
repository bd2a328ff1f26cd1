#pragma once
// What the cell objects keep between paints and mouse events: the button
// under the mouse and the scroll bar shown over the hovered scroll-bar cell.
// Only the cell-object files include this.
#include "controls/grid/model/ExGrid.h"

#include <QPointer>
#include <QScrollBar>

#include <memory>

namespace controls {

struct TCellObjectState {
    TGridCoord HoverButton{-1, -1}; // display column
    // The bar over the hovered cell lives in a holder of its own, so that
    // the grid's own bars are its only direct scroll-bar children.
    QPointer<QWidget> BarHolder;
    QPointer<QScrollBar> Bar;
    int ScrollCol = -1; // real column
    int ScrollRow = -1;
    // Paints the bars of the cells the mouse is not over; never shown.
    std::unique_ptr<QScrollBar> PaintBar;
};

// The width of the bar in a scroll-bar cell.
inline constexpr int kInCellBarWidth = 17;

} // namespace controls
