// The Nodes page of the M-Bus network dialog: its rows by converter type
// and node kind, the fields, and adding or modifying a node.
#include "project/dialogs/MBusNetworkDialog.h"

#include "app/Language.h"
#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "controls/dropdown/PageControl.h"
#include "platform/HandlerGuard.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"
#include "project/NetworkDialogLists.h"
#include "project/NetworkDialogRows.h"
#include "project/dialogs/ComboIndex.h"
#include "project/dialogs/NetworkDialogWidgets.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

namespace project {
namespace {

constexpr int PageWidth = RowWidgets::PageWidth;
constexpr int LabelLeft = RowWidgets::LabelLeft;
// The field column of the Nodes page.
constexpr int FieldLeft = 200;
constexpr int FieldWidth = 160;
constexpr RowWidgets widgets(FieldLeft, FieldWidth);

} // namespace

void TFMeter_Bus::createNodePage()
{
    QWidget *page = ExTabSheet1;
    m_nodeRows = std::make_unique<RowStack>(page, 8, PageWidth);
    RowStack &rows = *m_nodeRows;

    CB_Node_En = widgets.checkBoxIn(rows.addRow(), "CB_Node_En");
    QWidget *row = rows.addRow();
    L_Node_Desc = widgets.labelIn(row, "L_Node_Desc");
    E_New_Node_Desc = widgets.fieldAt<QLineEdit>(row, "E_New_Node_Desc", FieldLeft, 260);

    m_rowMBusType = rows.addRow();
    L_MBus_Type = widgets.labelIn(m_rowMBusType, "L_MBus_Type");
    CB_MBus_Type = widgets.fieldIn<QComboBox>(m_rowMBusType, "CB_MBus_Type");

    createWirelessPanel();
    rows.addBlock(P_wMBus_Node, m_wirelessRows ? 16 : 0);

    auto wiredRow = [&] {
        QWidget *r = rows.addRow();
        m_wiredRows.push_back(r);
        return r;
    };
    row = wiredRow();
    RB_ID_Primary = widgets.fieldAt<QRadioButton>(row, "RB_ID_Primary", LabelLeft, FieldLeft - LabelLeft - 4);
    E_New_Node_ID_Pri = widgets.fieldIn<QLineEdit>(row, "E_New_Node_ID_Pri");
    row = wiredRow();
    RB_ID_Secondary = widgets.fieldAt<QRadioButton>(row, "RB_ID_Secondary", LabelLeft, FieldLeft - LabelLeft - 4);
    E_New_Node_ID_Sec = widgets.fieldIn<QLineEdit>(row, "E_New_Node_ID_Sec");
    // The two radio buttons sit in different strips: one group keeps them exclusive.
    auto *idGroup = new QButtonGroup(this);
    idGroup->addButton(RB_ID_Primary);
    idGroup->addButton(RB_ID_Secondary);
    row = wiredRow();
    L_Node_State = widgets.labelIn(row, "L_Node_State");
    E_Node_State = widgets.fieldIn<QLineEdit>(row, "E_Node_State");
    row = wiredRow();
    L_Iden = widgets.labelIn(row, "L_Iden");
    E_Iden = widgets.fieldIn<QLineEdit>(row, "E_Iden");
    CB_BCDtoINT_IN = widgets.checkBoxIn(wiredRow(), "CB_BCDtoINT_IN");
    row = wiredRow();
    L_Swap_IN = widgets.labelIn(row, "L_Swap_IN");
    CB_Swap_IN = widgets.pickListIn(row, "CB_Swap_IN", swapIdentItems());
    CB_SND_NKE = widgets.checkBoxIn(wiredRow(), "CB_SND_NKE");
    CB_Reset_App = widgets.checkBoxIn(wiredRow(), "CB_Reset_App");
    row = wiredRow();
    L_Var_Type = widgets.labelIn(row, "L_Var_Type");
    CB_Var_Type = widgets.pickListIn(row, "CB_Var_Type", varListTypeItems());

    m_rowCutAfter = rows.addRow();
    L_Cut_After = widgets.labelIn(m_rowCutAfter, "L_Cut_After");
    CB_Cut_After = widgets.pickListIn(m_rowCutAfter, "CB_Cut_After", cutAfterItems(), 60);
    L_Frames = widgets.labelIn(m_rowCutAfter, "L_Frames");
    L_Frames->move(FieldLeft + 66, 4);

    auto manufacturerRow = [&] {
        QWidget *r = rows.addRow();
        m_manufacturerRows.push_back(r);
        return r;
    };
    row = manufacturerRow();
    L_Manu_Spec_Data = widgets.labelIn(row, "L_Manu_Spec_Data");
    E_Manu_Spec_Data = widgets.fieldIn<QLineEdit>(row, "E_Manu_Spec_Data");
    row = manufacturerRow();
    L_MSD_Length = widgets.labelIn(row, "L_MSD_Length");
    E_MSD_Length = widgets.fieldIn<QLineEdit>(row, "E_MSD_Length");
    row = manufacturerRow();
    L_MSD_Offset = widgets.labelIn(row, "L_MSD_Offset");
    E_MSD_Offset = widgets.fieldIn<QLineEdit>(row, "E_MSD_Offset");

    m_rowAccessNumber = rows.addRow();
    L_Access_Number = widgets.labelIn(m_rowAccessNumber, "L_Access_Number");
    E_Access_Number = widgets.fieldIn<QLineEdit>(m_rowAccessNumber, "E_Access_Number");

    row = rows.addRow(2);
    btn_Add_Node = new controls::TLbButton(row);
    btn_Add_Node->setObjectName(QStringLiteral("btn_Add_Node"));
    btn_Add_Node->setGeometry(FieldLeft, 8, FieldWidth, 26);
    btn_Add_Node->OnClick = [this](QObject *sender) { btn_Add_NodeClick(sender); };
    app::applyButtonLook(*btn_Add_Node);

    connect(CB_MBus_Type, &QComboBox::currentIndexChanged, this,
            [this] { platform::guarded([this] { CB_MBus_TypeChange(); }); });

    // The fields before any node is selected.
    setNodeFields(NodeFields{});
}

void TFMeter_Bus::createWirelessPanel()
{
    P_wMBus_Node = new QWidget(ExTabSheet1);
    P_wMBus_Node->setObjectName(QStringLiteral("P_wMBus_Node"));
    P_wMBus_Node->resize(PageWidth, 16 * RowStack::Pitch);
    m_wirelessRows = std::make_unique<RowStack>(P_wMBus_Node, 0, PageWidth);
    RowStack &rows = *m_wirelessRows;

    auto editRow = [&](platform::TLabel *&label, const char *labelName, QLineEdit *&edit, const char *editName) {
        QWidget *row = rows.addRow();
        label = widgets.labelIn(row, labelName);
        edit = widgets.fieldIn<QLineEdit>(row, editName);
    };
    editRow(L_wMBus_ManID, "L_wMBus_ManID", E_wMBus_ManID, "E_wMBus_ManID");
    editRow(L_wMBus_Add, "L_wMBus_Add", E_wMBus_Add, "E_wMBus_Add");
    editRow(L_wMBus_Ver, "L_wMBus_Ver", E_wMBus_Ver, "E_wMBus_Ver");
    editRow(L_wMBus_DevType, "L_wMBus_DevType", E_wMBus_DevType, "E_wMBus_DevType");
    CB_wMBus_EnKey = widgets.checkBoxIn(rows.addRow(), "CB_wMBus_EnKey");
    for (int keyRow = 0; keyRow < 4; ++keyRow) {
        QWidget *row = rows.addRow();
        for (int column = 0; column < 4; ++column) {
            const int byte = keyRow * 4 + column;
            const QByteArray labelName = "L_wMBus_K" + QByteArray::number(byte + 1);
            const QByteArray editName = "E_wMBus_K" + QByteArray::number(byte + 1);
            auto *label = widgets.labelIn(row, labelName.constData());
            label->move(LabelLeft + 24 + column * 110, 4);
            L_wMBus_K[size_t(byte)] = label;
            E_wMBus_K[size_t(byte)] =
                widgets.fieldAt<QLineEdit>(row, editName.constData(), LabelLeft + 50 + column * 110, 50);
        }
    }
    editRow(L_wMBus_NodeState, "L_wMBus_NodeState", E_wMBus_NodeState, "E_wMBus_NodeState");
    editRow(L_wMBus_Ident, "L_wMBus_Ident", E_wMBus_Ident, "E_wMBus_Ident");
    editRow(L_wMBus_RSSI, "L_wMBus_RSSI", E_wMBus_RSSI, "E_wMBus_RSSI");
    L_wMBus_RSSI->setCaption(QStringLiteral("RSSI"));
    editRow(L_wMBus_Access_Number, "L_wMBus_Access_Number", E_wMBus_Access_Number, "E_wMBus_Access_Number");
    CB_wMBus_Conv_BCD = widgets.checkBoxIn(rows.addRow(), "CB_wMBus_Conv_BCD");
    QWidget *row = rows.addRow();
    L_wMBus_Swap_Ident = widgets.labelIn(row, "L_wMBus_Swap_Ident");
    CB_wMBus_Swap_Ident = widgets.pickListIn(row, "CB_wMBus_Swap_Ident", swapIdentItems());
    row = rows.addRow();
    L_wMBus_VarList = widgets.labelIn(row, "L_wMBus_VarList");
    CB_wMBus_VarList = widgets.pickListIn(row, "CB_wMBus_VarList", varListTypeItems());
    rows.layOut();
}

void TFMeter_Bus::Nodes_Move_Elements() { layOutNodePage(); }

void TFMeter_Bus::CB_MBus_TypeChange()
{
    if (!app::isWirelessType(m_converterType))
        return;
    layOutNodePage();
}

void TFMeter_Bus::layOutNodePage()
{
    const NodeRows shown = nodeRowsShown(m_converterType, App_Serie_B2_Nqib, CB_MBus_Type->currentIndex());
    RowStack &rows = *m_nodeRows;
    rows.setShown(m_rowMBusType, shown.mbusType);
    rows.setShown(P_wMBus_Node, shown.wirelessPanel);
    for (QWidget *row : m_wiredRows)
        rows.setShown(row, shown.wiredRows);
    rows.setShown(m_rowCutAfter, shown.cutAfter);
    for (QWidget *row : m_manufacturerRows)
        rows.setShown(row, shown.manufacturerSpecific);
    rows.setShown(m_rowAccessNumber, shown.accessNumber);
    rows.layOut();
}

NodeFields TFMeter_Bus::nodeFields() const
{
    NodeFields f;
    f.enable = CB_Node_En->isChecked();
    f.description = E_New_Node_Desc->text();
    f.mbusType = CB_MBus_Type->currentIndex();
    f.secondary = !RB_ID_Primary->isChecked();
    f.idPrimary = E_New_Node_ID_Pri->text();
    f.idSecondary = E_New_Node_ID_Sec->text();
    f.nodeState = E_Node_State->text();
    f.identNum = E_Iden->text();
    f.bcdToIntIdent = CB_BCDtoINT_IN->isChecked();
    f.swapIdent = CB_Swap_IN->currentIndex();
    f.sendSndNke = CB_SND_NKE->isChecked();
    f.resetApp = CB_Reset_App->isChecked();
    f.varListType = CB_Var_Type->currentIndex();
    f.cutAfter = CB_Cut_After->currentIndex();
    f.manufacturerSpecific = E_Manu_Spec_Data->text();
    f.msdLength = E_MSD_Length->text();
    f.msdOffset = E_MSD_Offset->text();
    f.accessNumber = E_Access_Number->text();
    f.wManId = E_wMBus_ManID->text();
    f.wAddress = E_wMBus_Add->text();
    f.wVersion = E_wMBus_Ver->text();
    f.wDevType = E_wMBus_DevType->text();
    f.wKeyEnable = CB_wMBus_EnKey->isChecked();
    for (size_t byte = 0; byte < f.wKey.size(); ++byte)
        f.wKey[byte] = E_wMBus_K[byte]->text();
    f.wNodeState = E_wMBus_NodeState->text();
    f.wIdentNum = E_wMBus_Ident->text();
    f.wRssi = E_wMBus_RSSI->text();
    f.wAccessNumber = E_wMBus_Access_Number->text();
    f.wBcdToIntIdent = CB_wMBus_Conv_BCD->isChecked();
    f.wSwapIdent = CB_wMBus_Swap_Ident->currentIndex();
    f.wVarListType = CB_wMBus_VarList->currentIndex();
    return f;
}

void TFMeter_Bus::setNodeFields(const NodeFields &f)
{
    CB_Node_En->setChecked(f.enable);
    E_New_Node_Desc->setText(f.description);
    setComboIndex(CB_MBus_Type, f.mbusType);
    (f.secondary ? RB_ID_Secondary : RB_ID_Primary)->setChecked(true);
    E_New_Node_ID_Pri->setText(f.idPrimary);
    E_New_Node_ID_Sec->setText(f.idSecondary);
    E_Node_State->setText(f.nodeState);
    E_Iden->setText(f.identNum);
    CB_BCDtoINT_IN->setChecked(f.bcdToIntIdent);
    setComboIndex(CB_Swap_IN, f.swapIdent);
    CB_SND_NKE->setChecked(f.sendSndNke);
    CB_Reset_App->setChecked(f.resetApp);
    setComboIndex(CB_Var_Type, f.varListType);
    setComboIndex(CB_Cut_After, f.cutAfter);
    E_Manu_Spec_Data->setText(f.manufacturerSpecific);
    E_MSD_Length->setText(f.msdLength);
    E_MSD_Offset->setText(f.msdOffset);
    E_Access_Number->setText(f.accessNumber);
    E_wMBus_ManID->setText(f.wManId);
    E_wMBus_Add->setText(f.wAddress);
    E_wMBus_Ver->setText(f.wVersion);
    E_wMBus_DevType->setText(f.wDevType);
    CB_wMBus_EnKey->setChecked(f.wKeyEnable);
    for (size_t byte = 0; byte < f.wKey.size(); ++byte)
        E_wMBus_K[byte]->setText(f.wKey[byte]);
    E_wMBus_NodeState->setText(f.wNodeState);
    E_wMBus_Ident->setText(f.wIdentNum);
    E_wMBus_RSSI->setText(f.wRssi);
    E_wMBus_Access_Number->setText(f.wAccessNumber);
    CB_wMBus_Conv_BCD->setChecked(f.wBcdToIntIdent);
    setComboIndex(CB_wMBus_Swap_Ident, f.wSwapIdent);
    setComboIndex(CB_wMBus_VarList, f.wVarListType);
}

NodeCheckContext TFMeter_Bus::nodeCheckContext() const
{
    const NodeRows shown = nodeRowsShown(m_converterType, App_Serie_B2_Nqib, CB_MBus_Type->currentIndex());
    NodeCheckContext context;
    context.converterType = m_converterType;
    context.manufacturerSpecificShown = shown.manufacturerSpecific;
    context.accessNumberShown = shown.accessNumber;
    context.selectedNode = IND_NODO;
    if (m_nodeMode == EditMode::Modify && IND_NODO >= 0)
        context.modifiedNode = IND_NODO;
    return context;
}

bool TFMeter_Bus::Controllo_Dati_New_Nodo()
{
    const QStringList refusals = nodeFieldRefusals(nodeFields(), Nodi_List, nodeCheckContext());
    showErrors(refusals);
    return refusals.isEmpty();
}

bool TFMeter_Bus::Check_Node_ID(std::int32_t ID, int type_ID)
{
    const auto inUse = project::Check_Node_ID(Nodi_List, ID, type_ID, nodeCheckContext());
    if (inUse)
        platform::showError(*inUse);
    return !inUse;
}

bool TFMeter_Bus::Check_Node_ID2(std::int32_t ID, int type_ID)
{
    const auto inUse = project::Check_Node_ID2(Nodi_List, ID, type_ID, m_converterType);
    if (inUse)
        platform::showError(*inUse);
    return !inUse;
}

QString TFMeter_Bus::typedNodeAddress() const
{
    return RB_ID_Primary->isChecked() ? E_New_Node_ID_Pri->text() : E_New_Node_ID_Sec->text();
}

void TFMeter_Bus::btn_Add_NodeClick(QObject *)
{
    platform::guarded([this] {
        if (m_nodeMode == EditMode::Add) {
            if (Controllo_Dati_New_Nodo()) {
                TNodo node;
                storeFieldsInNode(node, nodeFields(), m_converterType);
                QTreeWidgetItem *item = appendNode(std::move(node));
                item->setText(0, nodeItemText(Nodi_List.back(), m_converterType, typedNodeAddress()));
            }
        } else if (NODE_ID != nullptr && IND_NODO >= 0 && IND_NODO < int(Nodi_List.size()) &&
                   Controllo_Dati_New_Nodo()) {
            TNodo &node = Nodi_List[size_t(IND_NODO)];
            storeFieldsInNode(node, nodeFields(), m_converterType);
            NODE_ID->setText(0, nodeItemText(node, m_converterType, typedNodeAddress()));
        }
        TW->expandItem(NODE_ORIG);
        // Also after a refusal: Cancel then asks before leaving.
        Is_Change = true;
    });
}

} // namespace project
