#pragma once
// The small rules of the popup's life cycle that need no window: its size
// before it opens, the guard against reopening it with the click that
// closed it, and the version text.
#include <QSize>
#include <QString>

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
// where they are above 0, else the control's width (or the edit's) and the
// borders, header, footer and control stacked.
QSize computeDropDownSize(const TDropDownSizeInput &input);

// A click within this many milliseconds of the popup's last deactivation
// does not open it again: it is the click that closed it.
constexpr std::uint32_t ReopenGuardMs = 250;

// True when a click at now (a millisecond tick that may wrap) comes too
// soon after the deactivation at deactivated; never before a first one.
bool reopenBlocked(std::uint32_t now, std::optional<std::uint32_t> deactivated);

// The four bytes of a packed version, most significant first, in decimal,
// joined with ".": 0x01000200 is "1.0.2.0".
QString versionText(std::uint32_t packed);

} // namespace controls
