#pragma once
// The main window: the model's code and description, the open configuration,
// the four-step guide and the information, options and close buttons. Every
// task runs in a modal dialog opened from here; the window checks the
// preconditions and keeps the shared state up to date.
#include "app/ConverterType.h"
#include "app/LangRegistry.h"
#include "app/windows/StepHandlers.h"

#include <QString>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>

class QLabel;

namespace controls {
class TLbButton;
}
namespace platform {
class IntervalTimer;
class TLabel;
class TShape;
} // namespace platform

namespace app {

class TFNew_Project;
class TFOpenConf;
class TFAbout;
class VersionCheckTimer;

class TFRostavelineFirmWare : public QWidget {
    Q_OBJECT
public:
    // Runs the creation handler: folders beside appDir, settings, language,
    // the last configuration. The handlers open the later steps' windows.
    TFRostavelineFirmWare(StepHandlers handlers, const QString &appDir, int converterType = Converter_Type(),
                          QWidget *parent = nullptr);
    ~TFRostavelineFirmWare() override;

    // The dialogs this window opens (they are created after the window,
    // because their creation needs what the window set up).
    void setDialogs(TFNew_Project *newProject, TFOpenConf *openConf, TFAbout *about);

    int converterType() const { return m_converterType; }

    // Handlers, named as the controls and events they serve.
    void FormCreate(const QString &appDir);
    void FormClose();
    void Btn_Click(QObject *Sender);
    void Set_Lang();
    void Set_Files();
    bool Save_Setting();
    void Create_New_Project();
    void Open_Project();
    // A tick of Timer_Update: starts the version check; the next one comes
    // two hours after its answer.
    void Timer_UpdateTimer();
    // Re-applies the texts of this window and of every dialog that follows
    // the language.
    void Change_Language();
    void LL_UpdateLinkClick(QObject *Sender, const QString &Link);
    void L_TervikClick(QObject *Sender);

    // Shows the open configuration (text 11 and the name) or none (texts 9, 10).
    void showOpenConfiguration();

    // Controls.
    platform::TLabel *L_SW_Code;
    platform::TLabel *L_SW_Desc;
    QLabel *LL_Update;
    controls::TLbButton *Btn_Info;
    controls::TLbButton *Btn_Opz;
    controls::TLbButton *Btn_Close;
    platform::IntervalTimer *Timer_Update;
    platform::TLabel *L_Begin;
    std::array<platform::TLabel *, 8> L_Step;
    platform::TShape *Shape1;
    platform::TShape *Shape2;
    platform::TLabel *L_Name_Conf;
    platform::TLabel *L_Name_Conf_L2;
    platform::TLabel *L_Tervik;
    controls::TLbButton *Btn_New;
    controls::TLbButton *Btn_Open;
    controls::TLbButton *Btn_Prm_Gen;
    controls::TLbButton *Btn_MBus;
    controls::TLbButton *Btn_CreateBin;
    controls::TLbButton *Btn_ScanDecode;

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void createControls();
    void applyLayout();
    void runStep(const StepHandler &step);
    void updateTimerFromFlags();
    void runVersionCheck(std::function<void()> finished);
    void showVersionCheckResult(bool newer);

    StepHandlers m_handlers;
    int m_converterType;
    TFNew_Project *m_newProject = nullptr;
    TFOpenConf *m_openConf = nullptr;
    TFAbout *m_about = nullptr;
    std::unique_ptr<platform::IntervalTimer> m_updateTimer;
    std::unique_ptr<VersionCheckTimer> m_versionSchedule;
    LangRegistration m_language{LangOrder::MainWindow, [this] { Set_Lang(); }};
};

} // namespace app
