#pragma once
// The look every window of the program shares: Verdana 8 pt on the warm
// off-white background, and the title and button panels of the dialogs.
#include "platform/Color.h"

#include <QSize>

class QWidget;
namespace platform {
class TLabel;
}
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

// The panel at the top of a dialog: the software code in large grey type and
// a bold description line under it.
struct TitlePanel {
    QWidget *P_Title = nullptr;
    platform::TLabel *L_SW_Code = nullptr;
    platform::TLabel *L_SW_Desc = nullptr;
};
TitlePanel createTitlePanel(QWidget &dialog);

// The panel at the bottom of a dialog that holds its OK and Cancel buttons.
QWidget *createButtonPanel(QWidget &dialog);

inline constexpr int TitlePanelHeight = 52;
inline constexpr int ButtonPanelHeight = 44;

// Keeps both panels across the full width, at the top and the bottom.
void placePanels(const TitlePanel &title, QWidget *buttonPanel, QSize client);

} // namespace app
