#pragma once
// The ring the tree draws around its header and rows: a band in the border
// colour, edged by a bevel on the sides the settings name.
#include "controls/vtree/EnumSet.h"

#include <cstdint>

class QWidget;

namespace vtree {

enum class TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBevelKind : std::uint8_t { bkNone, bkTile, bkSoft, bkFlat };
enum class TBevelEdge : std::uint8_t { beLeft, beTop, beRight, beBottom };
using TBevelEdges = TEnumSet<TBevelEdge, std::uint8_t>;
inline constexpr TBevelEdges AllBevelEdges{TBevelEdge::beLeft, TBevelEdge::beTop, TBevelEdge::beRight,
                                           TBevelEdge::beBottom};

struct TTreeBorder {
    int BorderWidth = 0;
    TBevelEdges BevelEdges = AllBevelEdges;
    TBevelCut BevelInner = TBevelCut::bvRaised;
    TBevelCut BevelOuter = TBevelCut::bvLowered;
    TBevelKind BevelKind = TBevelKind::bkNone;
    int BevelWidth = 1;
    bool Ctl3D = true;
    // Made when the ring first has a thickness.
    QWidget *Ring = nullptr;
};

} // namespace vtree
