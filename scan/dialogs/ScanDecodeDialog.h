#pragma once
// The Scan & Decode window: the user scans the converter's M-Bus network
// (wired or wireless), looks at what the meters answered and saves the
// result as the open configuration's M-Bus network. The window owns the scan
// engine; the engine's reports come from its threads and are handed to this
// window's thread as queued calls.
#include "app/windows/DialogBase.h"
#include "scan/MBusScanDecode.h"
#include "scan/SaveConfXML.h"

#include <QStringList>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QSplitter;
class QTimer;
namespace controls {
class TExColumnGrid;
class TLbButton;
} // namespace controls
namespace platform {
class TImageList;
}
namespace vtree {
class TLazyStringTreeWidget;
class TBaseLazyTree;
struct TLazyNode;
} // namespace vtree

namespace scan {

class TFInsertKeyWireless;
class TFModbusStartAdd_SD;
class TFScanModbusStart;
class TScanProgressList;

// Node data of both result trees: the node's text, made when the tree
// initialises the node.
struct TMyRec {
    QString Caption;
    bool Check = false; // not used
};

// The two writers of the results; the engine's unless a test gives others.
struct ScanResultWriters {
    std::function<TSaveConfResult(const TSaveConfXML &, bool Check_BCD)> wired;
    std::function<TSaveConfResult(const TSaveConfXML &, bool Check_BCD)> wireless;
};

// The display states.
enum class ScanFormStyle { Ready = 1, WiredRunning, WiredDone, WirelessRunning, WirelessDone };

class TFScanDecode : public app::DialogBase {
    Q_OBJECT
public:
    explicit TFScanDecode(QWidget *parent = nullptr, ScanEngineSetup setup = {});
    ~TFScanDecode() override;

    // Set by the main window before showing.
    qint32 XML_Code_Dev = 0;
    QString FileName_MBus;
    qint32 Form_Type = 0;

    void FormCreate();
    void FormShow() override;
    void Set_Lang() override;
    void FormClose();

    void Move_Object_Type_Form();
    void Form_Style(ScanFormStyle style);
    ScanFormStyle formStyle() const { return m_style; }

    void BtnClick(QObject *Sender);
    void T_InScanTimer();
    bool scanTimerActive() const;

    // The engine's reports, on this window's thread.
    void Show_Scan_Progress(qint32 Kind, qint32 Value, qint32 Found, qint32 Scan);
    void Show_Wireless_Row(const WirelessReport &report);

    void ESG_WirelessClickCell(QObject *Sender, int ARow, int ACol);
    void ESG_WirelessDblClickCell(QObject *Sender, int ARow, int ACol);

    void Select_SaveXML(int kind);

    TMBusScanDecode &engine() { return *TR_ScanDecode; }
    void setResultWriters(ScanResultWriters writers) { m_writers = std::move(writers); }
    TFInsertKeyWireless &keyDialog() { return *FInsertKeyWireless; }
    TFScanModbusStart &startRegisterDialog() { return *FScanModbusStart; }
    TFModbusStartAdd_SD &startAddressDialog() { return *FModbusStartAdd_SD; }

    // The meter the wireless record tree shows, as the report that named it.
    std::optional<WirelessReport> wirelessTreeMeter() const { return m_treeMeter; }

protected:
    void hideEvent(QHideEvent *event) override;

private:
    // Which scan the results on screen come from.
    enum class Results { None, Wired, Wireless };
    // What a node of the two trees shows.
    struct NodeData;

    void createOptions();
    void createButtons();
    void createWiredView();
    void createWirelessView();
    void setUpTree(vtree::TLazyStringTreeWidget &tree);
    void readIpFromParGen();
    bool wirelessMethod() const;

    void Select_Scan();
    void StartScan();
    void StarScanWireless();
    void refuseStart(const ScanStart &start, const QString &address, quint16 port);
    void Cancel_Device_List();
    void clearWirelessResults();
    void Cancel_Grid_Wireless();

    // Results views.
    void Show_Slave_in_Tree();
    void Show_Slave_in_Tree_Wireless(const WirelessReport &meter);
    void LSTInitNode(vtree::TBaseLazyTree *Sender, vtree::TLazyNode *Node);
    void LST_WirelessInitNode(vtree::TBaseLazyTree *Sender, vtree::TLazyNode *Node);
    void LSTFreeNode(vtree::TBaseLazyTree *Sender, vtree::TLazyNode *Node);
    void LST_WirelessFreeNode(vtree::TBaseLazyTree *Sender, vtree::TLazyNode *Node);
    void LST_WirelessChecked(vtree::TBaseLazyTree *Sender, vtree::TLazyNode *Node);
    // A node of a results tree and what it shows; a check box when `checked`
    // is given (set now: the writers read nodes the user never opened).
    vtree::TLazyNode *addNode(vtree::TLazyStringTreeWidget &tree, vtree::TLazyNode *parent, const NodeData &data,
                              std::optional<bool> checked);
    // Record nodes with their detail lines under `owner`; gives the record nodes.
    std::vector<vtree::TLazyNode *> addRecordNodes(vtree::TLazyStringTreeWidget &tree, vtree::TLazyNode *owner,
                                                   const NodeData &ownerData,
                                                   const std::vector<std::optional<bool>> &recordChecks);
    void fillWirelessRow(const TSlave_wMBus &meter, int index);
    void enterKey(int index);

    // Saving.
    void Carica_Dati_Modbus_Start_Add();
    void SaveXML(bool append, qint32 startRegister, int kind);
    void SaveXMLWireless(bool append, qint32 startRegister, int kind);
    TSaveConfXML saveRecord(bool append, qint32 startRegister, int kind) const;
    void reportSaved(const TSaveConfResult &result);

    std::unique_ptr<TMBusScanDecode> TR_ScanDecode;
    TSlaveMBusList &m_slaves;
    TSlaveWMBusList &m_meters;
    ScanResultWriters m_writers;
    ScanFormStyle m_style = ScanFormStyle::Ready;
    Results m_results = Results::None;
    std::optional<WirelessReport> m_treeMeter;

    QWidget *P_Main;
    platform::TLabel *L_ScanMethod;
    QComboBox *CB_ScanMethod;
    platform::TLabel *L_ScanBy;
    QComboBox *CB_ScanBy;
    platform::TLabel *L_HardwareType;
    QComboBox *CB_HardwareType;
    platform::TLabel *L_IP;
    QLineEdit *E_IP1;
    QLineEdit *E_IP2;
    QLineEdit *E_IP3;
    QLineEdit *E_IP4;
    platform::TLabel *L_IP_Dot1;
    platform::TLabel *L_IP_Dot2;
    platform::TLabel *L_IP_Dot3;
    platform::TLabel *L_Port;
    QLineEdit *E_Port;
    platform::TLabel *L_MBus_ParGen;
    platform::TLabel *L_MBus_Baud;
    QComboBox *CB_MBus_Baud;
    platform::TLabel *L_MBus_Parity;
    QComboBox *CB_MBus_Parity;
    platform::TLabel *L_wMBus_Mode;
    QComboBox *CB_wMBus_Mode;
    platform::TLabel *L_wMBus_Radio_Channel;
    QComboBox *CB_wMBus_Radio_Channel;
    platform::TLabel *L_Option_Scan;
    QCheckBox *CB_Opt_App_Reset;
    QCheckBox *CB_Opt_SND_NKE;
    platform::TLabel *L_Opt_Cut_After;
    QLineEdit *E_Opt_Cut_After;
    QCheckBox *CB_Opt_Use_Fix_C_Field;
    QComboBox *CB_Opt_Use_Fix_C_Field_Value;
    QCheckBox *CB_Opt_Check_BCD_to_Int;
    QCheckBox *CB_Opt_Enable_Remote_Scan;

    controls::TLbButton *Btn_StartScan;
    controls::TLbButton *Btn_StopScan;
    controls::TLbButton *Btn_AbortScan;
    controls::TLbButton *Btn_NewScan;
    controls::TLbButton *Btn_SaveConf;
    controls::TLbButton *Btn_SaveConfManual;

    QWidget *P_TreeView;
    platform::TLabel *L_ScanProgress;
    platform::TLabel *L_Num_Slave;
    platform::TLabel *L_AvailableDevice;
    TScanProgressList *LB_AvailableDevice;
    vtree::TLazyStringTreeWidget *LST;

    QWidget *P_View_Wireless;
    QWidget *P_W_Table;
    controls::TExColumnGrid *ESG_Wireless;
    QSplitter *Splitter1;
    QWidget *P_W_Tree;
    vtree::TLazyStringTreeWidget *LST_Wireless;

    QTimer *T_InScan;
    std::unique_ptr<platform::TImageList> IL_Tree1;
    std::unique_ptr<platform::TImageList> IL_Wireless_Table;

    TFInsertKeyWireless *FInsertKeyWireless;
    TFScanModbusStart *FScanModbusStart;
    TFModbusStartAdd_SD *FModbusStartAdd_SD;
};

// Whether saving asks for start registers for this device code.
bool asksStartRegisters(qint32 xmlCodeDev);

// The IP address the four edits hold, joined with ".".
QString joinedAddress(const QStringList &parts);

} // namespace scan
