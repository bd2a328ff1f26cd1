#include "compiler/dialogs/UpdateWizardDialog.h"

#include "app/AppState.h"
#include "controls/dropdown/LbButton.h"
#include "platform/ui/HandlerGuard.h"
#include "platform/ui/Label.h"

#include <QCheckBox>
#include <QShowEvent>

namespace compiler {

UpdateWizardDialog::UpdateWizardDialog(Qt::WindowFlags flags, QWidget *parent) : QDialog(parent)
{
    setWindowFlags(flags);
    static_cast<UpdateWizardFrame &>(*this) = createUpdateWizardFrame(*this);
}

UpdateWizardDialog::~UpdateWizardDialog() = default;

void UpdateWizardDialog::createOptionsPage()
{
    static_cast<UpdateOptionsPage &>(*this) = createUpdateOptionsPage(*this);
}

void UpdateWizardDialog::joinLanguageChanges(app::LangOrder order)
{
    platform::guarded([this] { FormCreate(); });
    m_language = std::make_unique<app::LangRegistration>(order, [this] { Set_Lang(); });
}

void UpdateWizardDialog::FormCreate()
{
    L_SW_Code->setCaption(app::state().SW_Code);
    Set_Lang();
}

void UpdateWizardDialog::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous())
        platform::guarded([this] { FormShow(); });
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
