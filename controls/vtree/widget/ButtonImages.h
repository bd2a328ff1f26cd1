#pragma once
// The expand button's faces as the tree draws them.
#include <QImage>

namespace vtree {

// The six button images: plus and minus, each normal, hot and selected-hot.
struct TButtonBitmaps {
    QImage Plus, HotPlus, SelectedHotPlus;
    QImage Minus, HotMinus, SelectedHotMinus;
};

} // namespace vtree
