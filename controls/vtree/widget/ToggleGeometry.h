#pragma once
// What moves on the screen when a node opens or closes: up to two areas of
// the client, each scrolled up or down by an amount in small steps, the
// strip they uncover filled with the background. Working out the areas is
// pure arithmetic over the row's place and the heights; the steps scroll
// the pixels of a picture of the client area.
#include "platform/Color.h"

#include <QImage>
#include <QRect>
#include <cstdint>
#include <vector>

namespace vtree {

enum class TToggleDirection : std::uint8_t { Up, Down, None };

struct ToggleScrollData {
    QRect ScrollRect1;
    QRect ScrollRect2;
    TToggleDirection Direction1 = TToggleDirection::None;
    TToggleDirection Direction2 = TToggleDirection::None;
    int Amount1 = 0;
    int Amount2 = 0;
    double Scale = 0;
    double Carry = 0;
    // Background pieces of the uncovered strip: the area between Left and
    // Right (client x) takes Color; outside every piece the tree's colour.
    struct Piece {
        int Left;
        int Right;
        platform::TColor Color;
    };
    platform::TColor Background = platform::clWindow;
    std::vector<Piece> Pieces;
};

// The figures a toggle is planned from, all in client pixels and taken
// before the toggle changes anything.
struct TToggleGeometry {
    int Left = 0;   // the node's row: left, top, right, bottom
    int Top = 0;
    int Right = 0;
    int Bottom = 0;
    int NodeHeight = 0;
    int TotalHeight = 0; // the node with everything shown below it
    int ClientHeight = 0;
    int HeightChange = 0; // collapsing: negative
    int RangeY = 0;
    int OffsetY = 0;
    bool ChildrenAbove = false;
    bool Advanced = false;          // toAdvancedAnimatedToggle
    bool AutoScrollOnExpand = false;
};

// The areas for closing and opening a node; false when nothing is animated.
bool planCollapseAnimation(const TToggleGeometry &G, ToggleScrollData &Data);
bool planExpandAnimation(const TToggleGeometry &G, ToggleScrollData &Data);
// Just before running: the bigger mover first, the second's scale; the
// number of steps to run (0: nothing to animate).
int prepareToggleSteps(ToggleScrollData &Data);
// One step: moves the areas of Frame (a picture of the client area); the
// first step (Step 0) fills the uncovered strips. Always goes on.
bool AnimateToggleStep(int Step, int StepSize, ToggleScrollData &Data, QImage &Frame);

} // namespace vtree
