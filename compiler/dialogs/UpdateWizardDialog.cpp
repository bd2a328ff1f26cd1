#include "compiler/dialogs/UpdateWizardDialog.h"

#include "app/windows/NamedWidgets.h"
#include "controls/dropdown/LbButton.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/ui/Label.h"

#include <QCheckBox>

namespace compiler {

UpdateWizardDialog::UpdateWizardDialog(TitleBar titleBar, QWidget *parent) : DialogBase(parent, titleBar)
{
    createTitlePanel();
    createButtonPanel();
    const int width = UpdateWizardClientSize.width();
    Btn_Update = app::namedButton(P_Button, "Btn_Update", {16, 9, 180, 26});
    Btn_Cancel = app::namedButton(P_Button, "Btn_Cancel", {width - 2 * 88, 9, 80, 26});
    Btn_Cancel->setModalResult(platform::mrCancel);
    Btn_Cancel->setCancel(true);
    Btn_Next = app::namedButton(P_Button, "Btn_Next", {width - 88, 9, 80, 26});
    placePanels(UpdateWizardClientSize);
    setFixedSize(UpdateWizardClientSize);
}

UpdateWizardDialog::~UpdateWizardDialog() = default;

void UpdateWizardDialog::createOptionsPage()
{
    static_cast<UpdateOptionsPage &>(*this) = createUpdateOptionsPage(*this);
}

void UpdateWizardDialog::completeCreation(app::LangOrder order)
{
    platform::guarded([this] { FormCreate(); });
    joinLanguageChanges(order);
}

void UpdateWizardDialog::FormCreate()
{
    Set_Lang();
}

void UpdateWizardDialog::setOptionsPageVisible(bool visible)
{
    for (QWidget *w : std::initializer_list<QWidget *>{L_Options, CB_Firmware, CB_Read_Firm, CB_Conf, CB_Read_Conf,
                                                       Btn_Update})
        w->setVisible(visible);
    Btn_Cancel->setVisible(!visible);
    Btn_Next->setVisible(!visible);
}

void UpdateWizardDialog::showFirstPage() { setOptionsPageVisible(false); }

void UpdateWizardDialog::showOptionsPage() { setOptionsPageVisible(true); }

} // namespace compiler
