#pragma once
// The value types of the tree window's settings, in the order their values
// are stored, so that stored settings keep their meaning.
#include "controls/vtree/EnumSet.h"
#include "controls/vtree/TreeColumns.h"

#include <cstdint>

namespace vtree {

enum class TBorderStyle : std::uint8_t { bsNone, bsSingle };
enum class TLTButtonStyle : std::uint8_t { bsRectangle, bsTriangle };
enum class TLTButtonFillMode : std::uint8_t { fmTreeColor, fmWindowColor, fmShaded, fmTransparent };
enum class TLTLineStyle : std::uint8_t { lsCustomStyle, lsDotted, lsSolid };
enum class TLTLineMode : std::uint8_t { lmNormal, lmBands };
enum class TLTNodeAlignment : std::uint8_t { naFromBottom, naFromTop, naProportional };
enum class TLTDragImageKind : std::uint8_t { diComplete, diMainColumnOnly, diNoImage };
enum class TLTDragType : std::uint8_t { dtOLE, dtVCL };
enum class TDragOperation : std::uint8_t { doCopy, doMove, doLink };
enum class TLTDrawSelectionMode : std::uint8_t { smDottedRectangle, smBlendedRectangle };
enum class THintAnimationType : std::uint8_t { hatNone, hatFade, hatSlide, hatSystemDefault };
enum class TLTHintMode : std::uint8_t { hmDefault, hmHint, hmHintAndDefault, hmTooltip };
enum class TLTIncrementalSearch : std::uint8_t { isAll, isNone, isInitializedOnly, isVisibleOnly };
enum class TLTSearchDirection : std::uint8_t { sdForward, sdBackward };
enum class TLTSearchStart : std::uint8_t { ssAlwaysStartOver, ssLastHit, ssFocusedNode };
enum class TScrollStyle : std::uint8_t { ssNone, ssHorizontal, ssVertical, ssBoth };
enum class TScrollBarStyle : std::uint8_t { sbmRegular, sbm3D };
// The bevel of the ring around the header and rows.
enum class TBevelCut : std::uint8_t { bvNone, bvLowered, bvRaised, bvSpace };
enum class TBevelKind : std::uint8_t { bkNone, bkTile, bkSoft, bkFlat };
enum class TBevelEdge : std::uint8_t { beLeft, beTop, beRight, beBottom };
using TBevelEdges = TEnumSet<TBevelEdge, std::uint8_t>;
inline constexpr TBevelEdges AllBevelEdges{TBevelEdge::beLeft, TBevelEdge::beTop, TBevelEdge::beRight,
                                           TBevelEdge::beBottom};

} // namespace vtree
