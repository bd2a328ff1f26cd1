#pragma once
// Step 2: the general parameters of the open configuration, ParGen.xml.
// One dialog serves every converter type; the type decides which groups
// and fields show and which checks OK runs. The dialog is created once and
// shown again and again: every showing reloads the file, while the groups
// the user collapsed stay collapsed until the program ends.
#include "app/ConverterType.h"
#include "app/windows/DialogBase.h"
#include "app/windows/StepHandlers.h"
#include "project/FileError.h"
#include "project/ParGenLayout.h"
#include "project/ParGenValues.h"

#include <array>
#include <functional>
#include <map>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
namespace controls {
class TLbButton;
}
namespace platform {
class TLabel;
}

namespace project {

class TFParGen : public app::DialogBase {
    Q_OBJECT
public:
    explicit TFParGen(int converterType = app::Converter_Type(), QWidget *parent = nullptr);
    ~TFParGen() override;

    int converterType() const { return m_type; }

    // Handlers, named as the controls and events they serve.
    void FormCreate();
    void FormShow() override;
    void FormActivate();
    void Set_Lang() override;
    bool Controllo_Dati();
    void Btn_OKClick(QObject *Sender);
    void Btn_CancelClick(QObject *Sender);
    // Change of any edit or pick list.
    void On_Change(QObject *Sender);
    // Click of any of the three check boxes.
    void On_Click(QObject *Sender);
    // Key typed into one of the twelve address edits: a full stop moves on
    // to the next edit and is never inserted.
    void IP_KeyPress(QObject *Sender, QChar &Key);
    void Collapse_Expand_Creation();
    void Move_GroupBoxs();
    void Btn_GB_Collapse(QObject *Sender);
    void Btn_GB_Expande(QObject *Sender);

    // The fields as ParGen.xml would hold them.
    ParGenValues currentValues() const;
    // Shows values in the fields with the change handlers held, so that no
    // handler rewrites a value just shown; the caller runs what must follow.
    void showValues(const ParGenValues &values);

    // The group's expanded state and its collapse and expand buttons.
    bool groupExpanded(ParGenGroup group) const { return m_choices.isExpanded(group); }
    QGroupBox *groupBox(ParGenGroup group) const { return m_groups[index(group)]; }
    controls::TLbButton *collapseButton(ParGenGroup group) const { return m_collapse[index(group)]; }
    controls::TLbButton *expandButton(ParGenGroup group) const { return m_expand[index(group)]; }
    // The widgets that make up a row (label first), for the layout checks.
    const std::vector<QWidget *> &rowWidgets(ParGenRow row) const { return m_rowWidgets.at(row); }

    // The user changed a field since the dialog was last shown.
    bool Is_Change = false;

    // Controls (the code and description labels, OK and Cancel are the
    // dialog base's).
    QGroupBox *GB_Select_Device;
    QComboBox *CB_Select_Device;

    QGroupBox *GB_Modbus_TCP_Slave;
    platform::TLabel *L_IP;
    QLineEdit *E_IP1, *E_IP2, *E_IP3, *E_IP4;
    platform::TLabel *L_SM;
    QLineEdit *E_SM1, *E_SM2, *E_SM3, *E_SM4;
    QCheckBox *CB_ModTCPs_EN_GAT;
    QLineEdit *E_GAT1, *E_GAT2, *E_GAT3, *E_GAT4;
    platform::TLabel *L_Port;
    QLineEdit *E_PORT;
    platform::TLabel *L_MTCPs_Conn_TO;
    QLineEdit *E_MTCPs_Conn_TO;

    QGroupBox *GB_MBus;
    platform::TLabel *L_MBus_Serial;
    QComboBox *CB_MBus_Serial;
    platform::TLabel *L_MBus_Baud;
    QComboBox *CB_MBus_Baud;
    platform::TLabel *L_MBus_Parity;
    QComboBox *CB_MBus_Parity;
    platform::TLabel *L_MBus_Polls;
    QComboBox *CB_MBus_Polls;
    platform::TLabel *L_MBus_Delay;
    QLineEdit *E_MBus_Delay;
    platform::TLabel *L_MBus_NodeState1;
    platform::TLabel *L_MBus_NodeState2;
    QLineEdit *E_MBus_NodeState;
    QCheckBox *CB_MBus_Fix_CField;
    QComboBox *CB_MBus_Fix_CField_Val;
    QCheckBox *CB_MBus_Exception_Until_First_Read;
    platform::TLabel *L_MBus_ConvInFloatOpt;
    QComboBox *CB_MBus_ConvInFloatOpt;

    QGroupBox *GB_Modbus_Slave;
    platform::TLabel *L_Serial_Modbus_Slave;
    QComboBox *CB_Serial_Modbus_Slave;
    platform::TLabel *L_Baud_Modbus_Slave;
    QComboBox *CB_Baud_Modbus_Slave;
    platform::TLabel *L_Par_Modbus_Slave;
    QComboBox *CB_Par_Modbus_Slave;
    platform::TLabel *L_ModSlave_StopBits;
    QComboBox *CB_ModSlave_StopBits;
    platform::TLabel *L_ID_Modbus_Slave;
    QLineEdit *E_ID_Modbus_Slave;
    platform::TLabel *L_Protocol_Modbus_Slave;
    QComboBox *CB_Protocol_Modbus_Slave;

    QGroupBox *GB_wMBus;
    platform::TLabel *L_wMBus_Mode;
    QComboBox *CB_wMBus_Mode;
    platform::TLabel *L_wMBus_Radio_Channel;
    QComboBox *CB_wMBus_Radio_Channel;

    QGroupBox *GB_Sel_Dev_Wire_Present;
    platform::TLabel *L_SD_Wire_Present_MBus;
    QComboBox *CB_SD_Wire_Present_MBus;

    // The address edits in the order a full stop moves through them.
    std::array<QLineEdit *, 12> addressEdits() const;

public slots:
    // Escape acts as Cancel.
    void reject() override;

protected:
    // The title bar's close button closes as Cancel, without a question.
    void closeEvent(QCloseEvent *event) override;
    bool event(QEvent *event) override;

private:
    static int index(ParGenGroup group) { return static_cast<int>(group); }
    void createControls();
    void createRows();
    void connectHandlers();
    void placeRow(const PlacedRow &placed);
    void followLayoutWithTab(const ParGenDialogLayout &layout);
    void applyPollsRule();
    void applyFixedChoices();
    ParGenGroup groupOfButton(QObject *button) const;
    bool confirmReplacingUnreadableFile();
    void focusField(const QString &element);

    // While held, programmatic changes of the fields run no change handler.
    class HeldHandlers;
    int m_handlersHeld = 0;

    int m_type;
    ParGenLayoutChoices m_choices;
    std::array<QGroupBox *, ParGenGroupCount> m_groups{};
    std::array<controls::TLbButton *, ParGenGroupCount> m_collapse{};
    std::array<controls::TLbButton *, ParGenGroupCount> m_expand{};
    std::map<ParGenRow, std::vector<QWidget *>> m_rowWidgets;
    std::vector<platform::TLabel *> m_addressDots;
    std::map<QString, QWidget *> m_fields; // by ParGen.xml element
    // The file that was there but could not be read when the dialog was
    // shown: OK replaces it only after the user agrees.
    std::optional<FileError> m_unreadableFile;
};

// The handler of the main window's Step 2: shows the dialog modally; the
// dialog is created at the first showing, as the main window's.
app::StepHandler generalParametersStep(int converterType = app::Converter_Type());

} // namespace project
