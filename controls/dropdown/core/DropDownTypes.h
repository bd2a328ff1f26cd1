#pragma once
// The small enumerations the drop-downs share with their painting and
// their descendants.
#include <cstdint>

namespace controls {

// Where the popup opens: below or above the edit as the screen allows, or
// always on one side.
enum TDropPosition : std::uint8_t { dpAuto, dpDown, dpUp };

// The drop-downs' own order; the page control has its own type with the
// opposite order.
enum TGradientDirection : std::uint8_t { gdHorizontal, gdVertical };

// The colours in which lists inside the popups paint a selected item.
enum TSelectionColorStyle : std::uint8_t { scCustom, scOffice2007, scWindowsVista, scWindows7 };

// Which side of a header or footer its buttons line up from.
enum TButtonAlignment : std::uint8_t { baLeft, baRight };

} // namespace controls
