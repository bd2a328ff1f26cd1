#pragma once
// The tree's colour table: seventeen slots, each published under its own
// name. Without a style engine every slot reads back what was stored.
#include "platform/Color.h"

#include <array>
#include <functional>

namespace vtree {


class TLTColors {
public:
    enum Slot : int {
        DisabledColor,
        DropMarkColor,
        DropTargetColor,
        FocusedSelectionColor,
        GridLineColor,
        TreeLineColor,
        UnfocusedSelectionColor,
        BorderColor,
        HotColor,
        FocusedSelectionBorderColor,
        UnfocusedSelectionBorderColor,
        DropTargetBorderColor,
        SelectionRectangleBlendColor,
        SelectionRectangleBorderColor,
        HeaderHotColor,
        SelectionTextColor,
        UnfocusedColor,
        SlotCount
    };

    // Told the slot that changed (SlotCount after an Assign).
    explicit TLTColors(std::function<void(int slot)> changed) : m_changed(std::move(changed)) {}

    platform::TColor GetColor(int slot) const { return m_colors.at(slot); }
    void SetColor(int slot, platform::TColor value);
    void Assign(const TLTColors &source);

private:
    std::array<platform::TColor, SlotCount> m_colors{
        platform::clBtnShadow, platform::clHighlight, platform::clHighlight, platform::clHighlight, platform::clBtnFace, platform::clBtnShadow, platform::clBtnFace, platform::clBtnFace, platform::clWindowText,
        platform::clHighlight, platform::clBtnFace,   platform::clHighlight, platform::clHighlight, platform::clHighlight, platform::clBtnShadow, platform::clHighlightText, platform::clBtnFace};
    std::function<void(int slot)> m_changed;
};

} // namespace vtree
