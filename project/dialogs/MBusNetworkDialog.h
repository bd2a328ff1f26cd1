#pragma once
// Step 3: the M-Bus network of the open configuration. The network is read
// from M_Bus.xml when the dialog is shown, edited in memory (a tree of nodes
// and variables, and a page of fields for each) and written back on OK.
// Nodes and variables are checked when they are added or modified; OK only
// saves. The copy, paste and Import Network handlers are defined in
// NetworkClipboardHandlers.cpp and act through the public part below.
#include "app/ConverterType.h"
#include "app/windows/DialogBase.h"
#include "app/windows/StepHandlers.h"
#include "project/NetworkChecks.h"
#include "project/NetworkDialogFields.h"
#include "project/NetworkModel.h"
#include "project/dialogs/NetworkDialogRowStack.h"

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLineEdit;
class QMenu;
class QRadioButton;
class QTreeWidget;
class QTreeWidgetItem;
namespace controls {
class TExPageControl;
class TExTabSheet;
class TLbButton;
} // namespace controls
namespace platform {
class TLabel;
}

namespace project {

// Whether a button of a page adds a new item or modifies the selected one.
enum class EditMode { Add, Modify };

class TFMeter_Bus : public app::DialogBase {
    Q_OBJECT
public:
    explicit TFMeter_Bus(int converterType = app::Converter_Type(), QWidget *parent = nullptr);
    ~TFMeter_Bus() override;

    int converterType() const { return m_converterType; }

    // ------------------------------------------------------------ the network
    // The network being edited, in tree order. Change it through the
    // operations below so that the tree follows.
    TNodoList Nodi_List;
    // Selection: the node (or the node of the selected variable) and the
    // variable in it; -1 for none. Set by TWClick only.
    std::int32_t IND_NODO = -1;
    std::int32_t IND_VAR = -1;
    NetworkSelection selection() const { return {IND_NODO, IND_VAR}; }
    // Something was added, modified, deleted or pasted since the showing.
    bool Is_Change = false;
    // Board variant: "Sel_Dev" of ParGen.xml, 0 when missing or not a number.
    std::int32_t App_Serie_B2_Nqib = 0;
    // The clipboard; it survives from one showing to the next.
    std::optional<TVariabile> Copy_Var;
    std::optional<TNodo> Copy_Node;
    // M_Bus.xml could not be read to its end: what was read is shown, but
    // it is never saved over the file (OK refuses) until the network is
    // emptied or reloaded.
    bool networkReadIncomplete() const { return m_readIncomplete; }

    // Appends a node (with its variables) to the network and its item, with
    // its variables' items, under the root; marks a change. Returns the item.
    QTreeWidgetItem *appendNode(TNodo node);
    // Appends a variable to the node at nodeIndex and its item under the
    // node's item; marks a change. Returns the item (none for a bad index).
    QTreeWidgetItem *appendVariable(int nodeIndex, TVariabile variable);
    // Builds the tree again from Nodi_List; nothing is selected afterwards.
    void refreshTree();
    // Tree item of node i and of variable j of node i (none when out of range).
    QTreeWidgetItem *nodeItem(int nodeIndex) const;
    QTreeWidgetItem *variableItem(int nodeIndex, int variableIndex) const;
    // Selects an item as the user would (the selection handler runs).
    void selectItem(QTreeWidgetItem *item);

    // The texts of the tree items.
    static QString nodeItemText(const TNodo &node, int converterType);
    // The text of a node item given from edits: a wired node's address as
    // the user typed it.
    static QString nodeItemText(const TNodo &node, int converterType, const QString &typedAddress);
    static QString variableItemText(const TVariabile &variable);

    // The fields of the two pages, as the controls hold them.
    NodeFields nodeFields() const;
    // The address edit of the chosen kind, as typed.
    QString typedNodeAddress() const;
    void setNodeFields(const NodeFields &fields);
    VariableFields variableFields() const;
    void setVariableFields(const VariableFields &fields);

    EditMode nodeMode() const { return m_nodeMode; }
    EditMode variableMode() const { return m_variableMode; }

    // ------------------------------------------------------------- handlers
    void FormCreate();
    void FormShow() override;
    void TWClick();
    void TWChange();
    void btn_Add_NodeClick(QObject *Sender);
    void btn_Add_VarClick(QObject *Sender);
    void CB_MBus_TypeChange();
    void CB_Var_ToDChange();
    void CB_Var_DimChange();
    void E_TP_YearChange();
    void DeleteItem1Click();
    void LbButton2Click(QObject *Sender); // OK
    void LbButton4Click(QObject *Sender); // Cancel
    void Set_Lang() override;

    // Copy, paste and Import Network (NetworkClipboardHandlers.cpp).
    void CopyVariable1Click();
    void PasteVariable1Click();
    void CopyNode1Click();
    void PasteNode1Click();
    void Btn_ImportNetClick(QObject *Sender);

    // ----------------------------------------------------------- operations
    void Aggiorna_Label();
    void Nodes_Move_Elements();
    void Sposta_Oggetti_Var(std::uint8_t Var_type);
    void btn_Delete_ItemClick();
    // Validations; each shows its messages and returns whether to store.
    bool Controllo_Dati_New_Nodo();
    bool Controllo_Dati_New_Var(bool newvar);
    // Address in use: false (after showing the message) when it is.
    bool Check_Node_ID(std::int32_t ID, int type_ID);
    bool Check_Node_ID2(std::int32_t ID, int type_ID);
    // Register clash with the network: true (after showing the message) when
    // one of the registers is in use. NewVar false passes over the selected
    // variable (the one being modified).
    bool Check_Registers(std::int32_t Reg_Mod, std::int32_t Reg_RE_Mod, std::int32_t Reg_TP, bool NewVar);
    bool Check_Registers(const RegisterClaim &claim, bool NewVar);

    // --------------------------------------------------------------- controls
    // The title and button panels, OK and Cancel are the dialog base's.
    QTreeWidget *TW;
    QTreeWidgetItem *NODE_ORIG = nullptr; // "M-Bus Network"
    QTreeWidgetItem *NODE_ID = nullptr;   // item of the selected node (or the variable's node)
    QTreeWidgetItem *SELECT_NODE = nullptr;
    QMenu *PopupMenu1;
    QAction *CopyVariable1;
    QAction *PasteVariable1;
    QAction *CopyNode1;
    QAction *PasteNode1;
    QAction *DeleteItem1;
    controls::TExPageControl *ExPageControl1;
    controls::TExTabSheet *ExTabSheet1; // Nodes
    controls::TExTabSheet *ExTabSheet2; // Variables
    controls::TLbButton *Btn_ImportNet;

    // Nodes page.
    QCheckBox *CB_Node_En;
    platform::TLabel *L_Node_Desc;
    QLineEdit *E_New_Node_Desc;
    platform::TLabel *L_MBus_Type;
    QComboBox *CB_MBus_Type;
    QRadioButton *RB_ID_Primary;
    QLineEdit *E_New_Node_ID_Pri;
    QRadioButton *RB_ID_Secondary;
    QLineEdit *E_New_Node_ID_Sec;
    platform::TLabel *L_Node_State;
    QLineEdit *E_Node_State;
    platform::TLabel *L_Iden;
    QLineEdit *E_Iden;
    QCheckBox *CB_BCDtoINT_IN;
    platform::TLabel *L_Swap_IN;
    QComboBox *CB_Swap_IN;
    QCheckBox *CB_SND_NKE;
    QCheckBox *CB_Reset_App;
    platform::TLabel *L_Var_Type;
    QComboBox *CB_Var_Type;
    platform::TLabel *L_Cut_After;
    QComboBox *CB_Cut_After;
    platform::TLabel *L_Frames;
    platform::TLabel *L_Manu_Spec_Data;
    QLineEdit *E_Manu_Spec_Data;
    platform::TLabel *L_MSD_Length;
    QLineEdit *E_MSD_Length;
    platform::TLabel *L_MSD_Offset;
    QLineEdit *E_MSD_Offset;
    platform::TLabel *L_Access_Number;
    QLineEdit *E_Access_Number;
    controls::TLbButton *btn_Add_Node;

    // Wireless node panel.
    QWidget *P_wMBus_Node;
    platform::TLabel *L_wMBus_ManID;
    QLineEdit *E_wMBus_ManID;
    platform::TLabel *L_wMBus_Add;
    QLineEdit *E_wMBus_Add;
    platform::TLabel *L_wMBus_Ver;
    QLineEdit *E_wMBus_Ver;
    platform::TLabel *L_wMBus_DevType;
    QLineEdit *E_wMBus_DevType;
    QCheckBox *CB_wMBus_EnKey;
    std::array<platform::TLabel *, 16> L_wMBus_K;
    std::array<QLineEdit *, 16> E_wMBus_K; // E_wMBus_K1 to E_wMBus_K16
    platform::TLabel *L_wMBus_NodeState;
    QLineEdit *E_wMBus_NodeState;
    platform::TLabel *L_wMBus_Ident;
    QLineEdit *E_wMBus_Ident;
    platform::TLabel *L_wMBus_RSSI;
    QLineEdit *E_wMBus_RSSI;
    platform::TLabel *L_wMBus_Access_Number;
    QLineEdit *E_wMBus_Access_Number;
    QCheckBox *CB_wMBus_Conv_BCD;
    platform::TLabel *L_wMBus_Swap_Ident;
    QComboBox *CB_wMBus_Swap_Ident;
    platform::TLabel *L_wMBus_VarList;
    QComboBox *CB_wMBus_VarList;

    // Variables page.
    QCheckBox *CB_Var_En;
    platform::TLabel *L_Var_Desc;
    QLineEdit *E_New_Var_Desc;
    platform::TLabel *L_Var_ToD;
    QComboBox *CB_Var_ToD;
    platform::TLabel *L_VIF_ASCII;
    QLineEdit *E_VIF_ASCII;
    platform::TLabel *L_Var_FF;
    QComboBox *CB_Var_FF;
    platform::TLabel *L_Var_Dim;
    QComboBox *CB_Var_Dim;
    platform::TLabel *L_Length;
    QLineEdit *E_Length;
    platform::TLabel *L_Var_Unit;
    QComboBox *CB_Var_Unit;
    platform::TLabel *L_Var_MR;
    QLineEdit *E_Var_MR;
    platform::TLabel *L_Scale_MB;
    QLineEdit *E_Scale_MB;
    platform::TLabel *L_Sto_Num;
    QLineEdit *E_Sto_Num;
    platform::TLabel *L_Tariff;
    QLineEdit *E_Tariff;
    platform::TLabel *L_VIFE;
    QComboBox *CB_VIFE;
    QGroupBox *GroupBox4;
    QCheckBox *CB_TP_MR;
    platform::TLabel *L_TP_Year;
    QLineEdit *E_TP_Year;
    std::array<platform::TLabel *, 5> L_TP_Parts; // MM, DD, HH, MM, SS
    platform::TLabel *ST_TP_Month;
    platform::TLabel *ST_TP_Day;
    platform::TLabel *ST_TP_Hour;
    platform::TLabel *ST_TP_Min;
    platform::TLabel *ST_TP_Sec;
    QCheckBox *CB_BCDtoINT;
    QCheckBox *CB_Float;
    QCheckBox *CB_Force_Int32;
    platform::TLabel *L_Position;
    QLineEdit *E_Position;
    platform::TLabel *L_PostOpe;
    QComboBox *CB_PostOpe;
    controls::TLbButton *btn_Add_Var;

    // Escape and the window's close button act as Cancel.
    void reject() override;

private:
    void createControls();
    void createNodePage();
    void createWirelessPanel();
    void createVariablePage();
    void layOutNodePage();
    void readBoardVariant();
    void readNetwork();
    void setNodeMode(EditMode mode);
    void setVariableMode(EditMode mode);
    QTreeWidgetItem *addNodeItem(const TNodo &node);
    void deleteSelected();
    bool byPositionNode() const;
    NodeCheckContext nodeCheckContext() const;
    void showErrors(const QStringList &messages) const;

    int m_converterType;
    EditMode m_nodeMode = EditMode::Add;
    EditMode m_variableMode = EditMode::Add;
    bool m_readIncomplete = false;
    QString m_readError;
    std::unique_ptr<RowStack> m_nodeRows;
    std::unique_ptr<RowStack> m_wirelessRows;
    std::unique_ptr<RowStack> m_variableRows;
    // Row strips of the pages, by what they hold.
    QWidget *m_rowMBusType = nullptr;
    QWidget *m_rowIdPrimary = nullptr;
    std::vector<QWidget *> m_wiredRows;
    QWidget *m_rowCutAfter = nullptr;
    std::vector<QWidget *> m_manufacturerRows;
    QWidget *m_rowAccessNumber = nullptr;
    std::vector<QWidget *> m_byTypeRows; // hidden when the node is read by position
    QWidget *m_rowPostOperation = nullptr;
    QWidget *m_rowPosition = nullptr;
};

// Step 3 of the main window: shows the program's one network dialog,
// modally; it is made on first use, as the main window's.
app::StepHandler mbusNetworkStep(int converterType = app::Converter_Type());

} // namespace project
