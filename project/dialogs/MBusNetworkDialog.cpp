#include "project/dialogs/MBusNetworkDialog.h"

#include "app/AppState.h"
#include "app/Language.h"
#include "app/windows/FormLook.h"
#include "controls/dropdown/LbButton.h"
#include "controls/dropdown/PageControl.h"
#include "platform/HandlerGuard.h"
#include "platform/ModalResult.h"
#include "platform/ui/Label.h"
#include "platform/ui/MessageBox.h"
#include "platform/ui/ModalDialog.h"
#include "project/NetworkDialogRows.h"
#include "project/NetworkFile.h"
#include "project/ParGenFile.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHeaderView>
#include <QRadioButton>
#include <QMenu>
#include <QSignalBlocker>
#include <QTreeWidget>

namespace project {
namespace {

using app::text;

constexpr QSize ClientSize{834, 700};
const QString RootText = QStringLiteral("M-Bus Network"); // the same in every language

} // namespace

TFMeter_Bus::TFMeter_Bus(int converterType, QWidget *parent) : DialogBase(parent), m_converterType(converterType)
{
    createControls();
    joinLanguageChanges(app::LangOrder::MBusNetwork);
    platform::guarded([this] { FormCreate(); });
}

TFMeter_Bus::~TFMeter_Bus() = default;

void TFMeter_Bus::createControls()
{
    createTitlePanel();
    TW = new QTreeWidget(this);
    TW->setObjectName(QStringLiteral("TW"));
    TW->setGeometry(8, app::TitlePanelHeight + 8, 290, ClientSize.height() - app::TitlePanelHeight -
                                                         app::ButtonPanelHeight - 16);
    TW->setHeaderHidden(true);
    TW->setColumnCount(1);
    TW->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TW->setSelectionMode(QAbstractItemView::SingleSelection);
    TW->setSelectionBehavior(QAbstractItemView::SelectRows);
    TW->setAllColumnsShowFocus(true);
    // Whole texts, as the platform's tree view shows them: the one column is
    // as wide as its widest item and the tree scrolls sideways to it.
    TW->header()->setStretchLastSection(false);
    TW->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    TW->setTextElideMode(Qt::ElideNone);
    TW->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // The selection stays visible while the fields have the focus.
    QPalette treePalette = TW->palette();
    treePalette.setColor(QPalette::Inactive, QPalette::Highlight, treePalette.color(QPalette::Active, QPalette::Highlight));
    treePalette.setColor(QPalette::Inactive, QPalette::HighlightedText,
                         treePalette.color(QPalette::Active, QPalette::HighlightedText));
    TW->setPalette(treePalette);
    TW->setContextMenuPolicy(Qt::CustomContextMenu);

    PopupMenu1 = new QMenu(this);
    CopyVariable1 = PopupMenu1->addAction(QString());
    PasteVariable1 = PopupMenu1->addAction(QString());
    PopupMenu1->addSeparator();
    CopyNode1 = PopupMenu1->addAction(QString());
    PasteNode1 = PopupMenu1->addAction(QString());
    PopupMenu1->addSeparator();
    DeleteItem1 = PopupMenu1->addAction(QString());

    ExPageControl1 = new controls::TExPageControl(this);
    ExPageControl1->setObjectName(QStringLiteral("ExPageControl1"));
    ExPageControl1->setGeometry(TW->geometry().right() + 9, TW->y(), ClientSize.width() - TW->geometry().right() - 17,
                                TW->height());
    app::applyPageControlLook(*ExPageControl1);
    ExPageControl1->TabMargin().setTopMargin(10);
    ExPageControl1->TabMargin().setRightMargin(20);
    ExTabSheet1 = new controls::TExTabSheet(ExPageControl1);
    ExTabSheet2 = new controls::TExTabSheet(ExPageControl1);
    createNodePage();
    createVariablePage();

    createButtonPanel();
    Btn_ImportNet = new controls::TLbButton(P_Button);
    Btn_ImportNet->setObjectName(QStringLiteral("Btn_ImportNet"));
    Btn_ImportNet->setGeometry(8, 9, 120, 26);
    app::applyButtonLook(*Btn_ImportNet);
    createOkCancel(ClientSize, 120);
    placePanels(ClientSize);

    // Handlers.
    Btn_OK->OnClick = [this](QObject *sender) { LbButton2Click(sender); };
    Btn_Cancel->OnClick = [this](QObject *sender) { LbButton4Click(sender); };
    Btn_ImportNet->OnClick = [this](QObject *sender) { platform::guarded([&] { Btn_ImportNetClick(sender); }); };
    connect(TW, &QTreeWidget::itemClicked, this, [this] { platform::guarded([this] { TWClick(); }); });
    connect(TW, &QTreeWidget::currentItemChanged, this, [this] { platform::guarded([this] { TWChange(); }); });
    connect(TW, &QTreeWidget::customContextMenuRequested, this,
            [this](const QPoint &at) { PopupMenu1->popup(TW->viewport()->mapToGlobal(at)); });
    connect(CopyVariable1, &QAction::triggered, this, [this] { platform::guarded([this] { CopyVariable1Click(); }); });
    connect(PasteVariable1, &QAction::triggered, this, [this] { platform::guarded([this] { PasteVariable1Click(); }); });
    connect(CopyNode1, &QAction::triggered, this, [this] { platform::guarded([this] { CopyNode1Click(); }); });
    connect(PasteNode1, &QAction::triggered, this, [this] { platform::guarded([this] { PasteNode1Click(); }); });
    connect(DeleteItem1, &QAction::triggered, this, [this] { DeleteItem1Click(); });
}

void TFMeter_Bus::FormCreate()
{
    Copy_Var.reset();
    Copy_Node.reset();
    setFixedSize(ClientSize);
    Nodes_Move_Elements();
    Set_Lang();
}

void TFMeter_Bus::FormShow()
{
    {
        const QSignalBlocker blocker(CB_Cut_After);
        CB_Cut_After->clear();
        for (int frames = 1; frames <= 250; ++frames)
            CB_Cut_After->addItem(QString::number(frames));
        CB_Cut_After->setCurrentIndex(0);
    }
    Nodi_List.clear();
    m_readIncomplete = false;
    m_readError.clear();
    refreshTree();
    readBoardVariant();
    layOutNodePage();
    readNetwork();

    TW->expandItem(NODE_ORIG);
    NODE_ID = nullptr;
    SELECT_NODE = nullptr;
    IND_NODO = -1;
    IND_VAR = -1;
    setNodeMode(EditMode::Add);
    setVariableMode(EditMode::Add);
    Sposta_Oggetti_Var(0);
    PasteVariable1->setEnabled(Copy_Var.has_value());
    PasteNode1->setEnabled(Copy_Node.has_value());
    CB_MBus_TypeChange();
    Is_Change = false;
}

void TFMeter_Bus::readBoardVariant()
{
    App_Serie_B2_Nqib = project::readBoardVariant(app::state().File_ParGen).variant;
}

void TFMeter_Bus::readNetwork()
{
    NetworkReadResult read = readNetworkFile(app::state().File_M_Bus, m_converterType);
    if (read.error) {
        // What was read before the failure is shown so that the user sees
        // where the file went wrong; it is never written over the file.
        m_readIncomplete = true;
        m_readError = read.error->message();
        showLoadError(m_readError);
    }
    Nodi_List = std::move(read.nodes);
    {
        const QSignalBlocker blocker(TW);
        for (const TNodo &node : Nodi_List)
            addNodeItem(node);
    }
}

// ------------------------------------------------------------------ the tree

QString TFMeter_Bus::nodeItemText(const TNodo &node, int converterType)
{
    const std::int32_t address = node.Node_ID_Type == 0 ? node.Node_Pri : node.Node_Sec;
    return nodeItemText(node, converterType, QString::number(address));
}

QString TFMeter_Bus::nodeItemText(const TNodo &node, int converterType, const QString &typedAddress)
{
    if (app::isWirelessType(converterType) && node.MBus_Type == WirelessNodeType)
        return QStringLiteral("wM-Bus Node - Address ") + node.wMBus_Add + QStringLiteral(" - ") + node.Description;
    return QStringLiteral("ID ") + typedAddress + QStringLiteral(" - ") + node.Description;
}

QString TFMeter_Bus::variableItemText(const TVariabile &variable)
{
    return QStringLiteral("VAR - ") + variable.Description;
}

QTreeWidgetItem *TFMeter_Bus::addNodeItem(const TNodo &node)
{
    auto *item = new QTreeWidgetItem(NODE_ORIG, QStringList{nodeItemText(node, m_converterType)});
    for (const TVariabile &variable : node.Var_List)
        new QTreeWidgetItem(item, QStringList{variableItemText(variable)});
    return item;
}

void TFMeter_Bus::refreshTree()
{
    {
        const QSignalBlocker blocker(TW);
        TW->clear();
        NODE_ORIG = new QTreeWidgetItem(TW, QStringList{RootText});
        for (const TNodo &node : Nodi_List)
            addNodeItem(node);
        TW->expandItem(NODE_ORIG);
        TW->setCurrentItem(nullptr);
    }
    NODE_ID = nullptr;
    SELECT_NODE = nullptr;
    IND_NODO = -1;
    IND_VAR = -1;
}

QTreeWidgetItem *TFMeter_Bus::nodeItem(int nodeIndex) const
{
    if (NODE_ORIG == nullptr || nodeIndex < 0 || nodeIndex >= NODE_ORIG->childCount())
        return nullptr;
    return NODE_ORIG->child(nodeIndex);
}

QTreeWidgetItem *TFMeter_Bus::variableItem(int nodeIndex, int variableIndex) const
{
    QTreeWidgetItem *node = nodeItem(nodeIndex);
    if (node == nullptr || variableIndex < 0 || variableIndex >= node->childCount())
        return nullptr;
    return node->child(variableIndex);
}

QTreeWidgetItem *TFMeter_Bus::appendNode(TNodo node)
{
    Nodi_List.push_back(std::move(node));
    QTreeWidgetItem *item = nullptr;
    {
        const QSignalBlocker blocker(TW);
        item = addNodeItem(Nodi_List.back());
        TW->expandItem(NODE_ORIG);
    }
    Is_Change = true;
    return item;
}

QTreeWidgetItem *TFMeter_Bus::appendVariable(int nodeIndex, TVariabile variable)
{
    QTreeWidgetItem *parentItem = nodeItem(nodeIndex);
    if (parentItem == nullptr || nodeIndex >= int(Nodi_List.size()))
        return nullptr;
    const QSignalBlocker blocker(TW);
    auto *item = new QTreeWidgetItem(parentItem, QStringList{variableItemText(variable)});
    Nodi_List[size_t(nodeIndex)].Var_List.push_back(std::move(variable));
    TW->expandItem(NODE_ORIG);
    Is_Change = true;
    return item;
}

void TFMeter_Bus::selectItem(QTreeWidgetItem *item)
{
    {
        const QSignalBlocker blocker(TW);
        TW->setCurrentItem(item);
    }
    TWClick();
}

void TFMeter_Bus::TWChange() { TWClick(); }

void TFMeter_Bus::TWClick()
{
    QTreeWidgetItem *selected = TW->currentItem();
    IND_NODO = -1;
    IND_VAR = -1;
    NODE_ID = nullptr;
    SELECT_NODE = nullptr;
    if (selected != nullptr && NODE_ORIG != nullptr && selected != NODE_ORIG) {
        QTreeWidgetItem *parentItem = selected->parent();
        if (parentItem == NODE_ORIG) {
            IND_NODO = NODE_ORIG->indexOfChild(selected);
            NODE_ID = selected;
            SELECT_NODE = selected;
        } else if (parentItem != nullptr && parentItem->parent() == NODE_ORIG) {
            IND_NODO = NODE_ORIG->indexOfChild(parentItem);
            IND_VAR = parentItem->indexOfChild(selected);
            NODE_ID = parentItem;
            SELECT_NODE = selected;
        }
    }
    // The tree and the network go together; an item without its model entry
    // counts as no selection.
    const bool nodeInList = IND_NODO >= 0 && IND_NODO < int(Nodi_List.size());
    const bool variableInList =
        nodeInList && IND_VAR >= 0 && IND_VAR < int(Nodi_List[size_t(IND_NODO)].Var_List.size());
    if (!nodeInList || (IND_VAR >= 0 && !variableInList)) {
        IND_NODO = -1;
        IND_VAR = -1;
        NODE_ID = nullptr;
        SELECT_NODE = nullptr;
    }

    Aggiorna_Label();
    CB_Var_ToDChange();
    CB_Var_DimChange();
    if (IND_VAR >= 0)
        ExPageControl1->setActivePage(ExTabSheet2);
    else if (IND_NODO >= 0)
        ExPageControl1->setActivePage(ExTabSheet1);
}

void TFMeter_Bus::Aggiorna_Label()
{
    if (IND_NODO < 0) {
        setNodeMode(EditMode::Add);
        setVariableMode(EditMode::Add);
        return;
    }
    const TNodo &node = Nodi_List[size_t(IND_NODO)];
    if (IND_VAR < 0) {
        setNodeMode(EditMode::Modify);
        setVariableMode(EditMode::Add);
    } else {
        setNodeMode(EditMode::Add);
        setVariableMode(EditMode::Modify);
    }
    NodeFields fields = nodeFields();
    showNodeInFields(fields, node, m_converterType);
    setNodeFields(fields);
    if (IND_VAR < 0)
        setVariableFields(defaultVariableFields());
    else
        setVariableFields(variableFieldsOf(node.Var_List[size_t(IND_VAR)]));
    Sposta_Oggetti_Var(node.Var_List_Type);
    CB_MBus_TypeChange();
}

void TFMeter_Bus::setNodeMode(EditMode mode)
{
    m_nodeMode = mode;
    btn_Add_Node->setCaption(text(mode == EditMode::Add ? 150 : 151));
}

void TFMeter_Bus::setVariableMode(EditMode mode)
{
    m_variableMode = mode;
    btn_Add_Var->setCaption(text(mode == EditMode::Add ? 175 : 176));
}

// ------------------------------------------------------------------ delete

void TFMeter_Bus::DeleteItem1Click()
{
    platform::guarded([this] { btn_Delete_ItemClick(); });
}

void TFMeter_Bus::btn_Delete_ItemClick()
{
    if (IND_NODO < 0) {
        if (!platform::askConfirmationYesNo(text(243)))
            return;
        Nodi_List.clear();
        // The user chose to start again: nothing of a half-read file is left.
        m_readIncomplete = false;
        refreshTree();
        Aggiorna_Label();
        Is_Change = true;
    } else if (IND_VAR < 0) {
        if (!platform::askConfirmationYesNo(text(244)))
            return;
        deleteSelected();
    } else {
        if (!platform::askConfirmationYesNo(text(245)))
            return;
        deleteSelected();
    }
    TW->viewport()->update();
}

void TFMeter_Bus::deleteSelected()
{
    QTreeWidgetItem *item = SELECT_NODE;
    if (IND_VAR < 0)
        Nodi_List.erase(Nodi_List.begin() + IND_NODO);
    else {
        auto &variables = Nodi_List[size_t(IND_NODO)].Var_List;
        variables.erase(variables.begin() + IND_VAR);
    }
    {
        const QSignalBlocker blocker(TW);
        delete item;
    }
    Is_Change = true;
    TWClick();
}

// ------------------------------------------------------------------ OK, Cancel

void TFMeter_Bus::LbButton2Click(QObject *)
{
    platform::guarded([this] {
        if (!app::requireOpenConfiguration())
            return;
        if (m_readIncomplete) {
            platform::showError(m_readError + QStringLiteral("\n\nThe M-Bus network was not read to its end and is not "
                                                             "saved over the file. Cancel, or delete all nodes to "
                                                             "start a new network."));
            return;
        }
        if (auto failed = writeNetworkFile(app::state().File_M_Bus, Nodi_List, m_converterType)) {
            platform::showError(failed->message());
            return;
        }
        Nodi_List.clear();
        refreshTree();
        done(platform::mrOk);
    });
}

void TFMeter_Bus::LbButton4Click(QObject *)
{
    platform::guarded([this] {
        if (Is_Change && !platform::askConfirmationYesNo(text(246)))
            return;
        done(platform::mrCancel);
    });
}

void TFMeter_Bus::reject() { LbButton4Click(Btn_Cancel); }

// ------------------------------------------------------------------ texts

void TFMeter_Bus::Set_Lang()
{
    setWindowTitle(text(127));
    L_SW_Desc->setCaption(text(128));
    Btn_OK->setCaption(text(129));
    Btn_Cancel->setCaption(text(130));
    Btn_ImportNet->setCaption(text(131));
    ExTabSheet1->setCaption(text(132));
    ExTabSheet2->setCaption(text(133));

    CB_Node_En->setText(text(134));
    L_Node_Desc->setCaption(text(135));
    RB_ID_Primary->setText(text(136));
    RB_ID_Secondary->setText(text(137));
    L_Node_State->setCaption(text(138));
    L_Iden->setCaption(text(139));
    CB_BCDtoINT_IN->setText(text(140));
    L_Swap_IN->setCaption(text(141));
    CB_SND_NKE->setText(text(142));
    CB_Reset_App->setText(text(143));
    L_Var_Type->setCaption(text(144));
    L_Cut_After->setCaption(text(145));
    L_Frames->setCaption(text(146));
    L_Manu_Spec_Data->setCaption(text(147));
    L_MSD_Length->setCaption(text(148));
    L_MSD_Offset->setCaption(text(149));
    L_Access_Number->setCaption(text(378));
    setNodeMode(m_nodeMode);

    L_MBus_Type->setCaption(text(298));
    {
        // Refilled in the new language; the first item is chosen again.
        const QSignalBlocker blocker(CB_MBus_Type);
        CB_MBus_Type->clear();
        CB_MBus_Type->addItems({text(299), text(300)});
        CB_MBus_Type->setCurrentIndex(0);
    }
    L_wMBus_ManID->setCaption(text(301));
    L_wMBus_Add->setCaption(text(302));
    L_wMBus_Ver->setCaption(text(303));
    L_wMBus_DevType->setCaption(text(304));
    CB_wMBus_EnKey->setText(text(305));
    for (int byte = 0; byte < 16; ++byte)
        L_wMBus_K[size_t(byte)]->setCaption(text(306 + byte));
    L_wMBus_NodeState->setCaption(text(138));
    L_wMBus_Ident->setCaption(text(139));
    CB_wMBus_Conv_BCD->setText(text(140));
    L_wMBus_Swap_Ident->setCaption(text(141));
    L_wMBus_VarList->setCaption(text(144));
    L_wMBus_Access_Number->setCaption(text(379));

    CB_Var_En->setText(text(152));
    L_Var_Desc->setCaption(text(153));
    L_Var_ToD->setCaption(text(154));
    L_VIF_ASCII->setCaption(text(155));
    L_Var_FF->setCaption(text(156));
    L_Var_Dim->setCaption(text(157));
    L_Length->setCaption(text(158));
    L_Var_Unit->setCaption(text(159));
    L_Var_MR->setCaption(text(160));
    L_Scale_MB->setCaption(text(161));
    L_Sto_Num->setCaption(text(162));
    L_Tariff->setCaption(text(163));
    L_VIFE->setCaption(text(164));
    GroupBox4->setTitle(text(165));
    CB_TP_MR->setText(text(166));
    L_TP_Year->setCaption(text(167));
    for (int part = 0; part < 4; ++part)
        L_TP_Parts[size_t(part)]->setCaption(text(168 + part));
    CB_BCDtoINT->setText(text(172));
    CB_Float->setText(text(173));
    L_Position->setCaption(text(174));
    L_PostOpe->setCaption(text(345));
    setVariableMode(m_variableMode);

    CopyVariable1->setText(text(346));
    PasteVariable1->setText(text(347));
    CopyNode1->setText(text(348));
    PasteNode1->setText(text(349));
    DeleteItem1->setText(text(350));
    CB_MBus_TypeChange();
}

void TFMeter_Bus::showErrors(const QStringList &messages) const
{
    for (const QString &message : messages)
        platform::showError(message);
}

// ------------------------------------------------------------------ step 3

app::StepHandler mbusNetworkStep(int converterType)
{
    auto dialog = std::make_shared<app::StepDialog<TFMeter_Bus>>();
    return [dialog, converterType](QWidget &mainWindow) {
        if (!app::requireOpenConfiguration())
            return;
        platform::execModal(
            dialog->of(mainWindow, [&](QWidget &owner) { return new TFMeter_Bus(converterType, &owner); }));
    };
}

} // namespace project
