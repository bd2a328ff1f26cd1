#pragma once
// What painting knows about the cell being drawn: the canvas (the row
// bitmap, in absolute x and row-local y), the rectangles and the images
// placed in it.
#include "controls/vtree/LazyNode.h"
#include "controls/vtree/TreeTypes.h"
#include "controls/vtree/widget/TreeLooks.h"
#include "controls/vtree/EnumSet.h"
#include "platform/draw/Canvas.h"
#include "platform/draw/ImageList.h"

#include <array>
#include <vector>

namespace vtree {

// What one paint call draws.
enum class TLTInternalPaintOption : std::uint8_t {
    poBackground,
    poColumnColor,
    poDrawFocusRect,
    poDrawSelection,
    poDrawDropMark,
    poGridLines,
    poMainOnly,
    poSelectedOnly,
    poUnbuffered,
};
using TLTInternalPaintOptions = TEnumSet<TLTInternalPaintOption, std::uint16_t>;
inline constexpr TLTInternalPaintOptions DefaultPaintOptions{
    TLTInternalPaintOption::poBackground,    TLTInternalPaintOption::poColumnColor,
    TLTInternalPaintOption::poDrawFocusRect, TLTInternalPaintOption::poDrawSelection,
    TLTInternalPaintOption::poDrawDropMark,  TLTInternalPaintOption::poGridLines};

// How a level of a row's indentation shows its tree line.
enum class TLTLineType : std::uint8_t {
    ltNone,
    ltBottomRight,
    ltTopDown,
    ltTopDownRight,
    ltRight,
    ltTopRight,
    ltLeft,
    ltLeftBottom,
};
using TLineImage = std::vector<TLTLineType>;

enum TImageInfoIndex : int { iiNormal, iiState, iiCheck, iiOverlay };

struct TLTImageInfo {
    int Index = -1;
    int XPos = 0;
    int YPos = 0;
    bool Ghosted = false;
    platform::TImageList *Images = nullptr;
};

struct TLTPaintInfo {
    platform::TCanvas *Canvas = nullptr;
    TLTInternalPaintOptions PaintOptions;
    PLazyNode Node = nullptr;
    TColumnIndex Column = NoColumn;
    TAlignment Alignment = TAlignment::taLeftJustify;
    // The cell's reading direction: its column's, else the tree's.
    TBiDiMode BidiMode = TBiDiMode::bdLeftToRight;
    platform::TRect CellRect;
    platform::TRect ContentRect;
    int NodeWidth = 0;
    std::array<TLTImageInfo, 4> ImageInfo;
    int VAlign = 0;
    int ButtonX = 0;
    int ButtonY = 0;
    // Absolute coordinates of the row's top-left pixel: the dotted
    // patterns stay aligned to the tree while it scrolls.
    platform::TPoint BrushOrigin;
    TLineImage LineImage;
    int SelectLevel = 0;
};

// Narrows R to a text TextWidth wide placed by Alignment; clipped (not
// Unclipped), only a narrower text narrows it.
void alignTextRect(platform::TRect &R, int TextWidth, TAlignment Alignment, bool Unclipped);

} // namespace vtree
