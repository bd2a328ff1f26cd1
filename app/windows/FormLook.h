#pragma once
// The look every window of the program shares: Verdana 8 pt on the warm
// off-white background; the dialogs' title and button panels are as high as
// given here (see DialogBase).
#include "platform/Color.h"

class QWidget;

namespace app {

inline constexpr platform::TColor FormColor = platform::RGB(248, 247, 237);

// Font and background of a window.
void applyFormLook(QWidget &form);

// Paints a widget's background in a colour.
void setBackground(QWidget &widget, platform::TColor color);

inline constexpr int TitlePanelHeight = 52;
inline constexpr int ButtonPanelHeight = 44;

} // namespace app
