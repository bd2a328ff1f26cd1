#pragma once
// The dialog both update wizards are built on: the shared frame and options
// page, captions filled at creation and again on each language change, and
// the first page shown each time the wizard opens.
#include "app/LangRegistry.h"
#include "compiler/dialogs/UpdateWizardPages.h"

#include <QDialog>
#include <memory>

namespace compiler {

class UpdateWizardDialog : public QDialog, public UpdateWizardFrame, public UpdateOptionsPage {
    Q_OBJECT
public:
    ~UpdateWizardDialog() override;

    void FormCreate();
    virtual void FormShow() = 0;
    virtual void Set_Lang() = 0;

protected:
    // Gives the dialog its window flags, look and frame; the wizard then adds
    // its first page, the options page and joins the language changes.
    UpdateWizardDialog(Qt::WindowFlags flags, QWidget *parent);

    // After the first page, so that the options come after it in tab order.
    void createOptionsPage();
    // Fills the captions now and again whenever the language changes.
    void joinLanguageChanges(app::LangOrder order);

    // The first page: Cancel and Next in the button panel, the options hidden.
    void showFirstPage();
    // The options page in place of the first one: only Update is left below.
    void showOptionsPage();

    void showEvent(QShowEvent *event) override;

private:
    void setOptionsPageVisible(bool visible);

    std::unique_ptr<app::LangRegistration> m_language;
};

} // namespace compiler
