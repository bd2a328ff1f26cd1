#pragma once
// The window that surrounds the grid's focused cell with a soft glow: a
// translucent, top-most window that never takes the focus or the mouse,
// which the grid sizes, fills with its glow picture and moves over the
// cell.
#include "controls/grid/base/paint/LayeredWindow.h"

namespace controls {

class TGridFocusWindow : public TLayeredWindow {
public:
    explicit TGridFocusWindow(QWidget *owner = nullptr);

    // Shown before the grid gives the window its picture.
    platform::TColor Color() const { return m_color; }

protected:
    void paintWithoutImage(QPainter &painter) override;

private:
    platform::TColor m_color = platform::clRed;
};

} // namespace controls
