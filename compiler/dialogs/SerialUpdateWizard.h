#pragma once
// The serial update wizard: tells the user how to put the device into boot
// mode, lets them pick the COM port and what to write, and runs the model's
// serial update tool with the port, the options, the firmware image and the
// configuration's bin folder as its arguments.
#include "app/ConverterType.h"
#include "compiler/dialogs/UpdateWizardDialog.h"
#include "compiler/update/UpdateTool.h"

#include <QStringList>
#include <functional>
#include <memory>

class QComboBox;
namespace controls {
class TLbButton;
}
namespace platform {
class TLabel;
}

namespace compiler {

// What the serial wizard reaches outside its window; tests put scripted ones here.
struct SerialWizardServices {
    std::function<QStringList()> listPorts; // port numbers as text, ascending; empty: the real probe
    UpdateToolLauncher launch = startUpdateTool();
};

class TFBootSer : public UpdateWizardDialog {
    Q_OBJECT
public:
    using Services = SerialWizardServices;

    explicit TFBootSer(int converterType = app::Converter_Type(), Services services = {}, QWidget *parent = nullptr);
    ~TFBootSer() override;

    void FormShow() override;
    void Set_Lang() override;
    QStringList EnumPorts();
    void update_ComPort();
    void Btn_COM_ListClick(QObject *Sender);
    void Btn_NextClick(QObject *Sender);
    void Btn_UpdateClick(QObject *Sender);

    // Port page.
    platform::TLabel *L_Steps1;
    platform::TLabel *L_Steps2;
    platform::TLabel *L_Steps3;
    platform::TLabel *L_Steps4;
    platform::TLabel *L_Steps5;
    QComboBox *CB_Com;
    controls::TLbButton *Btn_COM_List;

private:
    void setPortPageVisible(bool visible);

    int m_converterType;
    Services m_services;
};

} // namespace compiler
