#pragma once
// The look every window of the program shares: Verdana 8 pt on the warm
// off-white background; the dialogs' title and button panels are as high as
// given here (see DialogBase).
#include "platform/Color.h"

class QWidget;
namespace controls {
class TExPageControl;
class TLbButton;
}

namespace app {

inline constexpr platform::TColor FormColor = platform::RGB(248, 247, 237);

// Font and background of a window; Enter and Escape go to its default and
// cancel buttons.
void applyFormLook(QWidget &form);

// The look of every owner-drawn button of the windows: the Encarta face in
// the form colour, orange while pressed, sky blue under the mouse.
void applyButtonLook(controls::TLbButton &button);

// The look of the page controls: tabs on the left reading upward, in the
// form colour, the active tab sky blue.
void applyPageControlLook(controls::TExPageControl &pages);

// Paints a widget's background in a colour.
void setBackground(QWidget &widget, platform::TColor color);

inline constexpr int TitlePanelHeight = 52;
inline constexpr int ButtonPanelHeight = 44;

} // namespace app
