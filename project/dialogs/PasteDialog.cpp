#include "project/dialogs/PasteDialog.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "controls/grid/model/ExCGrid.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"

#include <QLineEdit>
#include <QRadioButton>

namespace project {
namespace {

constexpr QSize ClientSize{432, 536};

// Node panel rows: caption on the left, edit on the right.
constexpr int RowTop = 8;
constexpr int RowPitch = 36;
constexpr int CaptionLeft = 16;
constexpr int EditLeft = 316;
constexpr int EditWidth = 100;
constexpr int EditHeight = 21;

constexpr int WiredPanelHeight = 161;
constexpr int VariablePanelOnlyHeight = 8;
constexpr int BelowLastEdit = 4;

constexpr platform::TColor EditableColumnColor = platform::RGB(236, 233, 216);

QLineEdit *makeEdit(QWidget *parent, const char *name)
{
    auto *edit = new QLineEdit(QStringLiteral("1"), parent);
    edit->setObjectName(QString::fromLatin1(name));
    return edit;
}

template <class Control>
Control *makeCaption(QWidget *parent, const char *name)
{
    auto *control = new Control(parent);
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

} // namespace

TFNewIDNode::TFNewIDNode(QWidget *parent) : DialogBase(parent, TitleBar::WithSystemMenu)
{
    createTitlePanel();
    createNodePanel();
    createVariablePanel();

    createButtonPanel();
    createOkCancel(ClientSize);
    Btn_OK->OnClick = [this](QObject *sender) { LbButton2Click(sender); };
    Btn_Cancel->setModalResult(platform::mrCancel);
    placePanels(ClientSize);

    joinLanguageChanges(app::LangOrder::Paste);
    platform::guarded([this] { FormCreate(); });
}

TFNewIDNode::~TFNewIDNode() = default;

void TFNewIDNode::createNodePanel()
{
    Panel1 = new QWidget(this);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    RB_ID_Primary = makeCaption<QRadioButton>(Panel1, "RB_ID_Primary");
    RB_ID_Primary->setChecked(true);
    E_New_Node_ID_Pri = makeEdit(Panel1, "E_New_Node_ID_Pri");
    RB_ID_Secondary = makeCaption<QRadioButton>(Panel1, "RB_ID_Secondary");
    E_New_Node_ID_Sec = makeEdit(Panel1, "E_New_Node_ID_Sec");
    L_wMBus_Add = makeCaption<platform::TLabel>(Panel1, "L_wMBus_Add");
    E_wMBus_Add = makeEdit(Panel1, "E_wMBus_Add");
    Label2 = makeCaption<platform::TLabel>(Panel1, "Label2");
    E_MR_NodeState = makeEdit(Panel1, "E_MR_NodeState");
    Label3 = makeCaption<platform::TLabel>(Panel1, "Label3");
    E_MR_IdentNum = makeEdit(Panel1, "E_MR_IdentNum");
    L_wMBus_RSSI = makeCaption<platform::TLabel>(Panel1, "L_wMBus_RSSI");
    E_wMBus_RSSI = makeEdit(Panel1, "E_wMBus_RSSI");
    placeNodeRow(RB_ID_Primary, E_New_Node_ID_Pri, 0);
    placeNodeRow(RB_ID_Secondary, E_New_Node_ID_Sec, 1);
    placeNodeRow(Label2, E_MR_NodeState, 2);
    placeNodeRow(Label3, E_MR_IdentNum, 3);
    placeNodeRow(L_wMBus_Add, E_wMBus_Add, 0);
    placeNodeRow(L_wMBus_RSSI, E_wMBus_RSSI, 3);
}

void TFNewIDNode::createVariablePanel()
{
    Panel2 = new QWidget(this);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Label4 = makeCaption<platform::TLabel>(Panel2, "Label4");
    Label4->move(CaptionLeft, 8);

    ESG_MR_Var = new controls::TExColumnGrid(Panel2);
    ESG_MR_Var->setObjectName(QStringLiteral("ESG_MR_Var"));
    ESG_MR_Var->setColCount(3);
    ESG_MR_Var->setFixedCols(0);
    ESG_MR_Var->setFixedRows(1);
    ESG_MR_Var->setDefaultRowHeight(21);
    ESG_MR_Var->setOptions(ESG_MR_Var->Options() | controls::goEditing);
    // The headers are the same in every language.
    const auto setColumn = [this](int index, const char *header, int width, bool readOnly) {
        controls::TGridColumnItem &column = *ESG_MR_Var->Columns().Items(index);
        column.setHeader(QString::fromLatin1(header));
        column.setWidth(width);
        column.ReadOnly = readOnly;
        return &column;
    };
    setColumn(0, "Desc. Reg.", 78, true);
    setColumn(1, "Index", 64, false)->setColor(EditableColumnColor);
    setColumn(2, "Description Variable", 223, true);
    ESG_MR_Var->setRowCount(4);
}

void TFNewIDNode::placeNodeRow(QWidget *caption, QLineEdit *edit, int row)
{
    const int top = RowTop + row * RowPitch;
    caption->move(CaptionLeft, top + 3);
    caption->adjustSize();
    edit->setGeometry(EditLeft, top, EditWidth, EditHeight);
}

void TFNewIDNode::setNodePanelHeight(int height)
{
    const int top = app::TitlePanelHeight;
    const int bottom = ClientSize.height() - app::ButtonPanelHeight;
    Panel1->setGeometry(0, top, ClientSize.width(), height);
    Panel2->setGeometry(0, top + height, ClientSize.width(), bottom - top - height);
    ESG_MR_Var->setGeometry(CaptionLeft, 28, ClientSize.width() - 2 * CaptionLeft, Panel2->height() - 36);
}

void TFNewIDNode::FormCreate()
{
    setFixedSize(ClientSize);
    setNodePanelHeight(WiredPanelHeight);
    Set_Lang();
}

void TFNewIDNode::Set_Lang()
{
    setWindowTitle(app::text(257));
    L_SW_Desc->setCaption(app::text(259));
    Btn_OK->setCaption(app::text(261));
    Btn_Cancel->setCaption(app::text(262));
    RB_ID_Primary->setText(app::text(263));
    RB_ID_Secondary->setText(app::text(264));
    Label2->setCaption(app::text(265));
    Label3->setCaption(app::text(266));
    Label4->setCaption(app::text(267));
    L_wMBus_Add->setCaption(app::text(342));
    L_wMBus_RSSI->setCaption(app::text(376));
    for (QWidget *caption : {static_cast<QWidget *>(RB_ID_Primary), static_cast<QWidget *>(RB_ID_Secondary)})
        caption->adjustSize();
}

void TFNewIDNode::FormShow()
{
    // The wired layout first, then what the form changes.
    for (QWidget *wired : {static_cast<QWidget *>(RB_ID_Primary), static_cast<QWidget *>(E_New_Node_ID_Pri),
                           static_cast<QWidget *>(RB_ID_Secondary), static_cast<QWidget *>(E_New_Node_ID_Sec)})
        wired->setVisible(true);
    for (QWidget *wireless : {static_cast<QWidget *>(L_wMBus_Add), static_cast<QWidget *>(E_wMBus_Add),
                              static_cast<QWidget *>(L_wMBus_RSSI), static_cast<QWidget *>(E_wMBus_RSSI)})
        wireless->setVisible(false);
    placeNodeRow(Label2, E_MR_NodeState, 2);
    placeNodeRow(Label3, E_MR_IdentNum, 3);

    switch (Form_Type) {
    case PasteWiredNode:
        setNodePanelHeight(WiredPanelHeight);
        setWindowTitle(app::text(257));
        L_SW_Desc->setCaption(app::text(259));
        break;
    case PasteVariable:
        setNodePanelHeight(VariablePanelOnlyHeight);
        setWindowTitle(app::text(258));
        L_SW_Desc->setCaption(app::text(260));
        break;
    case PasteWirelessNode:
        for (QWidget *wired : {static_cast<QWidget *>(RB_ID_Primary), static_cast<QWidget *>(E_New_Node_ID_Pri),
                               static_cast<QWidget *>(RB_ID_Secondary), static_cast<QWidget *>(E_New_Node_ID_Sec)})
            wired->setVisible(false);
        L_wMBus_Add->setCaption(app::text(342));
        for (QWidget *wireless : {static_cast<QWidget *>(L_wMBus_Add), static_cast<QWidget *>(E_wMBus_Add),
                                  static_cast<QWidget *>(L_wMBus_RSSI), static_cast<QWidget *>(E_wMBus_RSSI)})
            wireless->setVisible(true);
        placeNodeRow(L_wMBus_Add, E_wMBus_Add, 0);
        placeNodeRow(Label2, E_MR_NodeState, 1);
        placeNodeRow(Label3, E_MR_IdentNum, 2);
        placeNodeRow(L_wMBus_RSSI, E_wMBus_RSSI, 3);
        setNodePanelHeight(E_wMBus_RSSI->geometry().bottom() + 1 + BelowLastEdit);
        break;
    default:
        break;
    }
}

void TFNewIDNode::fillGrid(const std::vector<TVariabile> &copies, const std::vector<PastedRegisters> &registers)
{
    controls::TExColumnGrid &grid = *ESG_MR_Var;
    if (copies.empty()) {
        // One empty row: there is nothing to give registers to.
        grid.setRowCount(2);
        for (int c = 0; c < grid.ColCount(); ++c)
            grid.setCells(c, 1, QString());
        return;
    }
    grid.setRowCount(3 * int(copies.size()) + 1);
    for (std::size_t k = 0; k < copies.size(); ++k) {
        const PastedRegisters typed = k < registers.size() ? registers[k] : proposedRegisters(copies[k]);
        const int first = 3 * int(k) + 1;
        const QString rows[3][2] = {{app::text(252), typed.modbusRegister},
                                    {app::text(253), typed.scale},
                                    {app::text(254), typed.timePoint}};
        for (int i = 0; i < 3; ++i) {
            grid.setCells(PasteGridCaptionColumn, first + i, rows[i][0]);
            grid.setCells(PasteGridRegisterColumn, first + i, rows[i][1]);
            grid.setCells(PasteGridDescriptionColumn, first + i, copies[k].Description);
        }
    }
}

void TFNewIDNode::proposeVariable(const TVariabile &copy)
{
    fillGrid({copy}, {proposedRegisters(copy)});
}

void TFNewIDNode::proposeNode(const TNodo &copy, int formType)
{
    PasteFields proposal = fields();
    proposeNodeFields(proposal, copy, formType);
    (proposal.secondary ? RB_ID_Secondary : RB_ID_Primary)->setChecked(true);
    E_New_Node_ID_Pri->setText(proposal.idPrimary);
    E_New_Node_ID_Sec->setText(proposal.idSecondary);
    E_wMBus_Add->setText(proposal.wAddress);
    E_MR_NodeState->setText(proposal.nodeState);
    E_MR_IdentNum->setText(proposal.identNum);
    E_wMBus_RSSI->setText(proposal.rssi);
    fillGrid(copy.Var_List, proposal.variables);
}

PasteFields TFNewIDNode::fields() const
{
    PasteFields typed;
    typed.secondary = RB_ID_Secondary->isChecked();
    typed.idPrimary = E_New_Node_ID_Pri->text();
    typed.idSecondary = E_New_Node_ID_Sec->text();
    typed.wAddress = E_wMBus_Add->text();
    typed.nodeState = E_MR_NodeState->text();
    typed.identNum = E_MR_IdentNum->text();
    typed.rssi = E_wMBus_RSSI->text();
    const int groups = (ESG_MR_Var->RowCount() - 1) / 3;
    for (int k = 0; k < groups; ++k) {
        const int first = 3 * k + 1;
        typed.variables.push_back({ESG_MR_Var->Cells(PasteGridRegisterColumn, first),
                                   ESG_MR_Var->Cells(PasteGridRegisterColumn, first + 1),
                                   ESG_MR_Var->Cells(PasteGridRegisterColumn, first + 2)});
    }
    return typed;
}

void TFNewIDNode::LbButton2Click(QObject *)
{
    platform::guarded([this] {
        // A register typed into the grid and not yet confirmed counts too.
        ESG_MR_Var->HideEditor();
        const QStringList refusals = pasteRefusals(Form_Type, fields(), Request);
        for (const QString &message : refusals)
            platform::showError(message);
        if (refusals.isEmpty())
            done(platform::mrOk);
    });
}

} // namespace project
