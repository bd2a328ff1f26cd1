#pragma once
// The small rules of the popup's life cycle that need no window: its size
// before it opens and the guard against reopening it with the click that
// closed it.
#include <QSize>

#include <cstdint>
#include <optional>

namespace controls {

// The popup is never smaller than this.
constexpr QSize MinDropDownSize(80, 50);

struct TDropDownSizeInput {
    int dropDownWidth = 0;  // the setting; 0 or less: computed
    int dropDownHeight = 0; // likewise
    int editWidth = 0;
    int borderWidth = 1;
    // The hosted control's size, when there is one and it is visible.
    std::optional<QSize> control;
    // The header's and the footer's heights, when they are shown.
    std::optional<int> header;
    std::optional<int> footer;
};

// The popup's size before a descendant adjusts its height: the settings
// where they are above 0, else the control and the borders round it (or
// the edit's width), with the header and the footer stacked. The control
// keeps its width from one opening to the next.
QSize computeDropDownSize(const TDropDownSizeInput &input);

// A click within this many milliseconds of the popup's last deactivation
// does not open it again: it is the click that closed it.
constexpr std::uint32_t ReopenGuardMs = 250;

// True when a click at now (a millisecond tick that may wrap) comes too
// soon after the deactivation at deactivated; never before a first one.
bool reopenBlocked(std::uint32_t now, std::optional<std::uint32_t> deactivated);

} // namespace controls
