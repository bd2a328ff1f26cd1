#pragma once
// The dialog both update wizards are built on: the dialog base with the
// wizards' own buttons (Cancel, Next, Update) and options page, captions
// filled at creation and again on each language change, and the first page
// shown each time the wizard opens.
#include "app/windows/DialogBase.h"
#include "compiler/dialogs/UpdateWizardPages.h"

namespace compiler {

class UpdateWizardDialog : public app::DialogBase, public UpdateOptionsPage {
    Q_OBJECT
public:
    ~UpdateWizardDialog() override;

    void FormCreate();

    // Btn_Cancel (the dialog base's) closes with Cancel; Next and Update are
    // the wizard's to handle.
    controls::TLbButton *Btn_Next = nullptr;
    controls::TLbButton *Btn_Update = nullptr;

protected:
    // Gives the dialog its look and buttons; the wizard then adds its first
    // page, the options page, and completes its creation.
    UpdateWizardDialog(TitleBar titleBar, QWidget *parent);

    // After the first page, so that the options come after it in tab order.
    void createOptionsPage();
    // Fills the captions now and again whenever the language changes.
    void completeCreation(app::LangOrder order);

    // The first page: Cancel and Next in the button panel, the options hidden.
    void showFirstPage();
    // The options page in place of the first one: only Update is left below.
    void showOptionsPage();

private:
    void setOptionsPageVisible(bool visible);
};

} // namespace compiler
