#pragma once
// Chooses an existing configuration among the folders of PROJECTS.
#include "app/LangRegistry.h"

#include <QDialog>
#include <QStringList>

class QListWidget;
namespace controls {
class TLbButton;
}
namespace platform {
class TLabel;
}

namespace app {

class TFOpenConf : public QDialog {
    Q_OBJECT
public:
    explicit TFOpenConf(QWidget *parent = nullptr);

    void FormCreate();
    void FormShow();
    void Set_Lang();
    void ListBox1Click(QObject *Sender);
    void Load_Existing_Configuration();
    // Index in SL of the name, letters a to z compared without regard to
    // case; -1 when none matches.
    int Search_Open_Conf(const QString &name) const;

    // The configuration folder names, sorted.
    QStringList SL;
    // The chosen name; empty until something is chosen.
    QString Name_Conf;

    QWidget *P_Title;
    platform::TLabel *L_SW_Code;
    platform::TLabel *L_SW_Desc;
    platform::TLabel *Label1;
    QListWidget *ListBox1;
    QWidget *P_Button;
    controls::TLbButton *Btn_OK;
    controls::TLbButton *Btn_Cancel;

protected:
    void showEvent(QShowEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeControls();
    LangRegistration m_language{LangOrder::OpenConfiguration, [this] { Set_Lang(); }};
};

// The configuration folders of PROJECTS: sub-folders whose names can be a
// configuration's, hidden ones and plain files left out, sorted by name
// without regard to case.
QStringList listConfigurationFolders(const QString &projectsDir);

} // namespace app
