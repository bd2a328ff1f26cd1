#pragma once
// What the tree's geometry keeps: the scrollable extent, the horizontal
// position as reading direction counts it, and the scroll bars as set up.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

namespace vtree {

struct TTreeScrollState {
    int RangeX = 0;
    int RangeY = 0;
    int EffectiveOffsetX = 0;
    TTreeScrollInfo Horizontal;
    TTreeScrollInfo Vertical;
    // Set while the tree moves its own scroll bars.
    bool SettingScrollBars = false;
};

} // namespace vtree
