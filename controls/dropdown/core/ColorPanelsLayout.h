#pragma once
// The geometry and the colours of the colour picker's panels without a
// window: the palette of boxes in shade columns, and the honeycomb cube.
#include "platform/Color.h"

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <array>
#include <vector>

namespace controls {

// A box's place in a connected shade column.
enum TItemPos : unsigned char { ipStandAlone, ipTop, ipMiddle, ipBottom };

struct TColorBoxSpec {
    platform::TColor Color;
    TItemPos Pos;
};

// The 60 boxes of the default palette, ten per row: a standalone row of
// base colours over five rows of their shades.
std::vector<TColorBoxSpec> defaultColorBoxes();

struct TColorBoxArrangement {
    std::vector<QRect> boxes;
    QSize panel;
};

// Boxes in rows of columns, gap apart, with a gap under every row that
// holds a standalone box; a margin of 4 around them. No boxes: 100 x 50.
TColorBoxArrangement arrangeColorBoxes(const std::vector<TItemPos> &positions, int columns, int gap, QSize box);

// The palette's answer to a key (a Qt key code): the index to select, or
// -1 when the key selects nothing.
int colorBoxKeyTarget(int key, int current, int count, int columns, bool editorEnabled, bool droppedDown);

// ---- the cube ----

struct TCubeCell {
    int X = 0, Y = 0;
    platform::TColor Color = platform::clNone;
};

inline constexpr int CubeCellCount = 127;
inline constexpr QPoint CubeCellSize{6, 3}; // half width, quarter height
inline constexpr QSize CubePanelSize{182, 160};

// Cells 1..127 row by row (index 0 unused).
const std::array<TCubeCell, CubeCellCount + 1> &cubeCells();
// The first cell whose centre lies within 6 pixels, or -1.
int cubeCellAtPos(QPoint at);
// The index of the first cell of that colour, or -1.
int cubeCellOfColor(platform::TColor color);
// The six corners of a hexagon around a centre, points up and down.
std::array<QPoint, 6> hexagonCorners(QPoint centre, QPoint size);
// "Red: r,  Green: g,  Blue: b".
QString rgbHint(platform::TColor color);

} // namespace controls
