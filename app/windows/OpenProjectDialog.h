#pragma once
// Chooses an existing configuration among the folders of PROJECTS.
#include "app/windows/DialogBase.h"

#include <QStringList>

class QListWidget;
namespace platform {
class TLabel;
}

namespace app {

class TFOpenConf : public DialogBase {
    Q_OBJECT
public:
    explicit TFOpenConf(QWidget *parent = nullptr);

    void FormCreate();
    void FormShow() override;
    void Set_Lang() override;
    void ListBox1Click(QObject *Sender);
    void Load_Existing_Configuration();
    // Index in SL of the name, letters a to z compared without regard to
    // case; -1 when none matches.
    int Search_Open_Conf(const QString &name) const;

    // The configuration folder names, sorted.
    QStringList SL;
    // The chosen name; empty until something is chosen.
    QString Name_Conf;

    platform::TLabel *Label1;
    QListWidget *ListBox1;

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void placeControls();
};

// The configuration folders of PROJECTS: sub-folders whose names can be a
// configuration's, hidden ones and plain files left out, sorted by name
// without regard to case.
QStringList listConfigurationFolders(const QString &projectsDir);

} // namespace app
