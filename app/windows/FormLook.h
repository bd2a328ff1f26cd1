#pragma once
// The look every window of the program shares: Verdana 8 pt on the warm
// off-white background, and the title and button panels of the dialogs.
#include "platform/Color.h"

#include <QSize>

class QWidget;
namespace platform {
class TLabel;
}

namespace app {

inline constexpr platform::TColor FormColor = platform::RGB(248, 247, 237);

// Font and background of a window.
void applyFormLook(QWidget &form);

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
