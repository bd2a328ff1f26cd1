#pragma once
// Creates a new configuration: a folder under PROJECTS with its bin folder,
// which then becomes the open configuration.
#include "app/windows/DialogBase.h"

class QLineEdit;
namespace platform {
class TLabel;
}

namespace app {

class TFNew_Project : public DialogBase {
    Q_OBJECT
public:
    explicit TFNew_Project(QWidget *parent = nullptr);

    void FormCreate();
    void FormShow() override;
    void Set_Lang() override;
    void Btn_OKClick(QObject *Sender);
    // Enter (character 13) acts as OK.
    void E_New_ProjKeyPress(QObject *Sender, QChar &Key);

    platform::TLabel *Label1;
    QLineEdit *E_New_Proj;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
};

// Why a name cannot become a new configuration folder under PROJECTS: the
// language text to show (32, 31 or 30), or 0 when the folder may be created.
// Checked in this order: empty (32); not a plain folder name (30); an
// existing folder of that name, letter case ignored (31). A folder that then
// cannot be made (a file of that name, a name too long) is refused with 30
// by the dialog.
int newProjectRefusal(const QString &projectsDir, const QString &name);

} // namespace app
