#pragma once
// The paste dialog: before a copied node or variable is pasted into the
// M-Bus network, the user gives it a new address and new Modbus registers.
// It proposes the copy's own values and closes with OK only when they pass
// the checks against the network (NetworkClipboard.h).
#include "app/windows/DialogBase.h"
#include "project/NetworkClipboard.h"

class QLineEdit;
class QRadioButton;
namespace controls {
class TExColumnGrid;
} // namespace controls
namespace platform {
class TLabel;
}

namespace project {

class TFNewIDNode : public app::DialogBase {
    Q_OBJECT
public:
    explicit TFNewIDNode(QWidget *parent = nullptr);
    ~TFNewIDNode() override;

    // Set before showing: PasteWiredNode, PasteVariable or PasteWirelessNode.
    std::int32_t Form_Type = PasteVariable;
    // What the paste goes into; the OK checks run against it.
    PasteRequest Request;

    // Fill the grid (and, for a node, the edits) with the copy's values.
    void proposeVariable(const TVariabile &copy);
    void proposeNode(const TNodo &copy, int formType);

    // The edits and the grid's register column as they hold them now.
    PasteFields fields() const;

    void FormCreate();
    void FormShow() override;
    void LbButton2Click(QObject *Sender); // OK
    void Set_Lang() override;

    QWidget *Panel1; // the new node's address and registers
    QRadioButton *RB_ID_Primary;
    QLineEdit *E_New_Node_ID_Pri;
    QRadioButton *RB_ID_Secondary;
    QLineEdit *E_New_Node_ID_Sec;
    platform::TLabel *L_wMBus_Add;
    QLineEdit *E_wMBus_Add;
    platform::TLabel *Label2;
    QLineEdit *E_MR_NodeState;
    platform::TLabel *Label3;
    QLineEdit *E_MR_IdentNum;
    platform::TLabel *L_wMBus_RSSI;
    QLineEdit *E_wMBus_RSSI;
    QWidget *Panel2; // the variables' registers
    platform::TLabel *Label4;
    controls::TExColumnGrid *ESG_MR_Var;

private:
    void createNodePanel();
    void createVariablePanel();
    // Three rows per variable: value register, scale, time point.
    void fillGrid(const std::vector<TVariabile> &copies, const std::vector<PastedRegisters> &registers);
    void placeNodeRow(QWidget *caption, QLineEdit *edit, int row);
    void setNodePanelHeight(int height);
};

// Grid columns of the paste dialog.
inline constexpr int PasteGridCaptionColumn = 0;
inline constexpr int PasteGridRegisterColumn = 1;
inline constexpr int PasteGridDescriptionColumn = 2;

} // namespace project
