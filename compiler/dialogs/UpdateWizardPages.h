#pragma once
// The options page both update wizards show, with its four check boxes at
// the same places.
#include "compiler/update/UpdateOptions.h"

#include <QSize>

class QCheckBox;
class QWidget;
namespace platform {
class TLabel;
}

namespace compiler {

inline constexpr QSize UpdateWizardClientSize{350, 233};

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
