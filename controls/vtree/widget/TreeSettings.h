#pragma once
// The tree window's settings as the setters store them; the getters and
// setters are the only files that see them.
#include "controls/vtree/widget/LazyStringTreeWidget.h"

#include <functional>

namespace vtree {

struct TTreeSettings {
    TTreeSettings(std::function<void(int)> ColorsChanged, std::function<void()> ScrollBarsChanged)
        : Colors(std::move(ColorsChanged)), ScrollBarOptions(std::move(ScrollBarsChanged))
    {
    }

    TAlignment Alignment = TAlignment::taLeftJustify;
    unsigned AnimationDuration = 200;
    unsigned AutoExpandDelay = 1000;
    unsigned AutoScrollDelay = 1000;
    unsigned AutoScrollInterval = 1;
    QImage Background;
    int BackgroundOffsetX = 0;
    int BackgroundOffsetY = 0;
    TBorderStyle BorderStyle = TBorderStyle::bsSingle;
    unsigned BottomSpace = 0;
    TLTButtonFillMode ButtonFillMode = TLTButtonFillMode::fmTreeColor;
    TLTButtonStyle ButtonStyle = TLTButtonStyle::bsRectangle;
    TLTColors Colors;
    TColor Color = platform::clWindow;
    TLTNodeAttachMode DefaultPasteMode = TLTNodeAttachMode::amAddChildLast;
    int DragHeight = 350;
    int DragWidth = 200;
    TLTDragImageKind DragImageKind = TLTDragImageKind::diComplete;
    TEnumSet<TDragOperation, std::uint8_t> DragOperations{TDragOperation::doCopy, TDragOperation::doMove};
    TLTDragType DragType = TLTDragType::dtOLE;
    TLTDrawSelectionMode DrawSelectionMode = TLTDrawSelectionMode::smDottedRectangle;
    unsigned EditDelay = 1000;
    QString EmptyListMessage;
    THintAnimationType HintAnimation = THintAnimationType::hatSystemDefault;
    TLTHintMode HintMode = TLTHintMode::hmDefault;
    TCursor HotCursor = 0;
    platform::TImageList *Images = nullptr;
    TLTIncrementalSearch IncrementalSearch = TLTIncrementalSearch::isNone;
    TLTSearchDirection SearchDirection = TLTSearchDirection::sdForward;
    TLTSearchStart SearchStart = TLTSearchStart::ssFocusedNode;
    unsigned SearchTimeout = 1000;
    unsigned Indent = 18;
    TLTLineMode LineMode = TLTLineMode::lmNormal;
    TLTLineStyle LineStyle = TLTLineStyle::lsDotted;
    int Margin = 4;
    TLTNodeAlignment NodeAlignment = TLTNodeAlignment::naProportional;
    TScrollBarOptions ScrollBarOptions;
    std::uint8_t SelectionBlendFactor = 128;
    unsigned SelectionCurveRadius = 0;
    platform::TImageList *StateImages = nullptr;
    platform::TImageList *CustomCheckImages = nullptr;
    int TextMargin = 4;
    bool WantTabs = false;
    platform::TFont Font;
};

} // namespace vtree
