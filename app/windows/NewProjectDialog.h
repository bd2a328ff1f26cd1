#pragma once
// Creates a new configuration: a folder under PROJECTS with its bin folder,
// which then becomes the open configuration.
#include "app/LangRegistry.h"

#include <QDialog>

class QLineEdit;
namespace controls {
class TLbButton;
}
namespace platform {
class TLabel;
}

namespace app {

class TFNew_Project : public QDialog {
    Q_OBJECT
public:
    explicit TFNew_Project(QWidget *parent = nullptr);

    void FormCreate();
    void FormShow();
    void Set_Lang();
    void Btn_OKClick(QObject *Sender);
    // Enter (character 13) acts as OK.
    void E_New_ProjKeyPress(QObject *Sender, QChar &Key);

    QWidget *P_Title;
    platform::TLabel *L_SW_Code;
    platform::TLabel *L_SW_Desc;
    platform::TLabel *Label1;
    QLineEdit *E_New_Proj;
    QWidget *P_Button;
    controls::TLbButton *Btn_OK;
    controls::TLbButton *Btn_Cancel;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    LangRegistration m_language{LangOrder::NewConfiguration, [this] { Set_Lang(); }};
};

// Why a name cannot become a new configuration folder under PROJECTS: the
// language text to show (32, 31 or 30), or 0 when the folder may be created.
// Checked in this order: empty (32); not a plain folder name (30); an
// existing folder of that name, letter case ignored (31). A folder that then
// cannot be made (a file of that name, a name too long) is refused with 30
// by the dialog.
int newProjectRefusal(const QString &projectsDir, const QString &name);

} // namespace app
