#pragma once
// What the Ethernet and the serial update wizard share: the dialog frame
// (title and button panels, Cancel, Next and Update) and the options page
// with its four check boxes at the same places.
#include "compiler/update/UpdateOptions.h"

#include <QSize>

class QCheckBox;
class QWidget;
namespace controls {
class TLbButton;
}
namespace platform {
class TLabel;
}

namespace compiler {

inline constexpr QSize UpdateWizardClientSize{350, 233};

struct UpdateWizardFrame {
    QWidget *P_Title = nullptr;
    platform::TLabel *L_SW_Code = nullptr;
    platform::TLabel *L_SW_Desc = nullptr;
    QWidget *P_Button = nullptr;
    controls::TLbButton *Btn_Cancel = nullptr; // closes with Cancel
    controls::TLbButton *Btn_Next = nullptr;
    controls::TLbButton *Btn_Update = nullptr;
};

// Also gives the dialog its look and fixed client size.
UpdateWizardFrame createUpdateWizardFrame(QWidget &dialog);

struct UpdateOptionsPage {
    platform::TLabel *L_Options = nullptr;
    QCheckBox *CB_Firmware = nullptr;
    QCheckBox *CB_Read_Firm = nullptr;
    QCheckBox *CB_Conf = nullptr;
    QCheckBox *CB_Read_Conf = nullptr;

    UpdateOptions options() const;
    // Captions from five consecutive language texts, the prompt first.
    void setTexts(int firstText);
};

// All four ticked: the choice then lives as long as the wizard.
UpdateOptionsPage createUpdateOptionsPage(QWidget &dialog);

} // namespace compiler
