#include "app/AppState.h"
#include "app/LangRegistry.h"
#include "app/Language.h"
#include "controls/dropdown/LbButton.h"
#include "controls/dropdown/PageControl.h"
#include "platform/ModalResult.h"
#include "platform/ui/Label.h"
#include "project/NetworkFile.h"
#include "project/dialogs/MBusNetworkDialog.h"
#include "support/DialogDoubles.h"
#include "support/NetworkFixtures.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

using namespace project;

namespace {

class MBusNetworkDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(tempDir.isValid());
        app::state() = app::AppState{};
        app::languageTable().Load_Default_Texts();
        app::state().setUpFolders(tempDir.path());
        ASSERT_TRUE(QDir().mkpath(app::state().projectFolder("Plant")));
        app::state().openProject("Plant");
    }
    void TearDown() override
    {
        app::state() = app::AppState{};
        app::languageTable().Load_Default_Texts();
    }

    QString networkFile() const { return app::state().File_M_Bus; }
    QByteArray networkBytes() const { return testsupport::readFile(networkFile()); }
    void writeNetwork(const TNodoList &nodes, int type) const
    {
        ASSERT_FALSE(writeNetworkFile(networkFile(), nodes, type));
    }
    void writeBoardVariant(int variant) const
    {
        testsupport::writeFile(app::state().File_ParGen,
                               QStringLiteral("<GeneralParameter><Sel_Dev>%1</Sel_Dev></GeneralParameter>")
                                   .arg(variant)
                                   .toUtf8());
    }

    // The dialog as step 3 shows it.
    std::unique_ptr<TFMeter_Bus> showDialog(int type)
    {
        auto dialog = std::make_unique<TFMeter_Bus>(type);
        dialog->show();
        return dialog;
    }

    static void typeWiredNode(TFMeter_Bus &d, const QString &description, const QString &primary)
    {
        d.CB_Node_En->setChecked(true);
        d.E_New_Node_Desc->setText(description);
        d.RB_ID_Primary->setChecked(true);
        d.E_New_Node_ID_Pri->setText(primary);
        d.E_Node_State->setText("0");
        d.E_Iden->setText("0");
    }

    static void typeVariable(TFMeter_Bus &d, const QString &description, const QString &reg)
    {
        d.CB_Var_En->setChecked(true);
        d.E_New_Var_Desc->setText(description);
        d.E_Var_MR->setText(reg);
        d.E_Scale_MB->setText("0");
    }

    static QStringList treeTexts(const TFMeter_Bus &d)
    {
        QStringList texts;
        for (QTreeWidgetItemIterator it(d.TW); *it; ++it) {
            int depth = 0;
            for (const QTreeWidgetItem *up = (*it)->parent(); up; up = up->parent())
                ++depth;
            texts << QString(depth, u' ') + (*it)->text(0);
        }
        return texts;
    }

    QTemporaryDir tempDir;
    testsupport::MessageRecorder messages;
};

TEST_F(MBusNetworkDialogTest, AddModifyDeleteAndOkWriteTheNetwork)
{
    auto dialog = showDialog(1);
    TFMeter_Bus &d = *dialog;
    EXPECT_EQ(treeTexts(d), QStringList{"M-Bus Network"});
    EXPECT_EQ(d.btn_Add_Node->Caption(), "ADD NODE");

    typeWiredNode(d, "Heat", "5");
    d.btn_Add_NodeClick(d.btn_Add_Node);
    typeWiredNode(d, "Water", "6");
    d.btn_Add_NodeClick(d.btn_Add_Node);
    typeWiredNode(d, "Twin", "5");
    d.btn_Add_NodeClick(d.btn_Add_Node);
    EXPECT_EQ(messages.texts(), QStringList{"Error!! ID Node is already used"});
    ASSERT_EQ(d.Nodi_List.size(), 2u);

    // A node selected: its fields, the Nodes page, and the buttons modify it
    // and add a variable to it.
    d.selectItem(d.nodeItem(0));
    EXPECT_EQ(d.IND_NODO, 0);
    EXPECT_EQ(d.IND_VAR, -1);
    EXPECT_EQ(d.E_New_Node_Desc->text(), "Heat");
    EXPECT_EQ(d.ExPageControl1->ActivePage(), d.ExTabSheet1);
    EXPECT_EQ(d.nodeMode(), EditMode::Modify);
    EXPECT_EQ(d.btn_Add_Node->Caption(), "MODIFY NODE");
    EXPECT_EQ(d.btn_Add_Var->Caption(), "ADD VARIABLE");

    typeVariable(d, "Energy", "100");
    d.CB_Var_Dim->setCurrentIndex(2); // 32 bits: registers 100 and 101
    d.btn_Add_VarClick(d.btn_Add_Var);
    // The new variable is shown, its node open, and the node stays selected:
    // the button still adds.
    EXPECT_TRUE(d.nodeItem(0)->isExpanded());
    EXPECT_EQ(d.TW->currentItem(), d.nodeItem(0));
    EXPECT_EQ(d.IND_VAR, -1);
    EXPECT_EQ(d.btn_Add_Var->Caption(), "ADD VARIABLE");
    messages.clear();
    d.selectItem(d.nodeItem(0));
    typeVariable(d, "Power", "101");
    d.btn_Add_VarClick(d.btn_Add_Var);
    EXPECT_EQ(messages.texts(), QStringList{"Error!! ModBus Register already use in the Node \"Heat\", Variable "
                                            "\"Energy\" (Modbus Register)"});
    d.E_Var_MR->setText("102");
    d.btn_Add_VarClick(d.btn_Add_Var);
    ASSERT_EQ(d.Nodi_List[0].Var_List.size(), 2u);

    // Modify the first variable: the Variables page, its fields, a new text.
    d.selectItem(d.variableItem(0, 0));
    EXPECT_EQ(d.ExPageControl1->ActivePage(), d.ExTabSheet2);
    EXPECT_EQ(d.variableMode(), EditMode::Modify);
    EXPECT_EQ(d.btn_Add_Node->Caption(), "ADD NODE");
    EXPECT_EQ(d.btn_Add_Var->Caption(), "MODIFY VARIABLE");
    EXPECT_EQ(d.E_Var_MR->text(), "100");
    d.E_New_Var_Desc->setText("Energy total");
    d.btn_Add_VarClick(d.btn_Add_Var); // its own registers are no clash

    // Modify the second node, then delete it.
    d.selectItem(d.nodeItem(1));
    d.E_New_Node_Desc->setText("Cold water");
    d.btn_Add_NodeClick(d.btn_Add_Node); // its own address is no clash
    EXPECT_EQ(treeTexts(d), (QStringList{"M-Bus Network", " ID 5 - Heat", "  VAR - Energy total", "  VAR - Power",
                                         " ID 6 - Cold water"}));
    messages.clear();
    d.DeleteItem1Click();
    EXPECT_EQ(messages.texts(), QStringList{"Are you sure to want to cancel this Node?"});
    d.selectItem(d.variableItem(0, 1));
    d.DeleteItem1Click();
    EXPECT_EQ(treeTexts(d), (QStringList{"M-Bus Network", " ID 5 - Heat", "  VAR - Energy total"}));

    d.LbButton2Click(d.Btn_OK);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(d.result(), platform::mrOk);

    // What the fields held went into the file, the hidden rows' initial
    // values included.
    TNodo heat = nettest::wiredNode("Heat", 5);
    heat.Manufacturer_Spec = heat.MSD_Length = heat.MSD_Offset = heat.Access_Number = 1;
    TVariabile energy = nettest::variable("Energy total", 100);
    energy.Dimension = 2;
    energy.TP_Mod_Year = 1;
    heat.Var_List = {energy};
    EXPECT_EQ(QString::fromUtf8(networkBytes()), QString::fromUtf8(serializeNetwork({heat}, 1)));
}

TEST_F(MBusNetworkDialogTest, ANodeItemShowsTheAddressAsTyped)
{
    auto dialog = showDialog(1);
    TFMeter_Bus &d = *dialog;
    typeWiredNode(d, "Heat", "0x05");
    d.btn_Add_NodeClick(d.btn_Add_Node);
    EXPECT_EQ(treeTexts(d), (QStringList{"M-Bus Network", " ID 0x05 - Heat"}));
    d.selectItem(d.nodeItem(0));
    d.RB_ID_Secondary->setChecked(true);
    d.E_New_Node_ID_Sec->setText(" $0C");
    d.btn_Add_NodeClick(d.btn_Add_Node);
    EXPECT_EQ(treeTexts(d), (QStringList{"M-Bus Network", " ID  $0C - Heat"}));
    ASSERT_EQ(d.Nodi_List.size(), 1u);
    EXPECT_EQ(d.Nodi_List[0].Node_Pri, 5);
    EXPECT_EQ(d.Nodi_List[0].Node_Sec, 12);
    EXPECT_TRUE(messages.messages().empty());
}

TEST_F(MBusNetworkDialogTest, DeleteWithNothingSelectedEmptiesTheNetwork)
{
    TNodo node = nettest::wiredNode("A", 1);
    node.Var_List.push_back(nettest::variable("V", 10));
    writeNetwork({node, nettest::wiredNode("B", 2)}, 1);
    auto dialog = showDialog(1);
    messages.queueAnswer(platform::MessageAnswer::No);
    dialog->DeleteItem1Click();
    EXPECT_EQ(dialog->Nodi_List.size(), 2u);
    dialog->DeleteItem1Click();
    EXPECT_EQ(messages.texts(), (QStringList{"Are you sure to want to cancel all Nodes?",
                                             "Are you sure to want to cancel all Nodes?"}));
    EXPECT_TRUE(dialog->Nodi_List.empty());
    EXPECT_EQ(treeTexts(*dialog), QStringList{"M-Bus Network"});

    // An empty network is the root and the version comment only.
    dialog->LbButton2Click(dialog->Btn_OK);
    EXPECT_EQ(networkBytes(), serializeNetwork({}, 1));
}

TEST_F(MBusNetworkDialogTest, CancelAsksOnlyAfterAChangeAndWritesNothing)
{
    writeNetwork({nettest::wiredNode("A", 1)}, 1);
    const QByteArray before = networkBytes();

    auto dialog = showDialog(1);
    dialog->LbButton4Click(dialog->Btn_Cancel);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_FALSE(dialog->isVisible());

    dialog->show();
    ASSERT_EQ(dialog->Nodi_List.size(), 1u);
    dialog->E_New_Node_ID_Pri->setText("999"); // refused, still a change
    dialog->btn_Add_NodeClick(dialog->btn_Add_Node);
    messages.clear();
    messages.queueAnswer(platform::MessageAnswer::No);
    dialog->LbButton4Click(dialog->Btn_Cancel);
    EXPECT_EQ(messages.texts(), QStringList{"Do you want to exit without saving changes?"});
    EXPECT_TRUE(dialog->isVisible());
    dialog->reject(); // Escape or the close box: the same question
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(dialog->result(), platform::mrCancel);
    EXPECT_EQ(networkBytes(), before);
}

TEST_F(MBusNetworkDialogTest, AHalfReadNetworkIsShownButNeverSavedOver)
{
    testsupport::writeFile(networkFile(),
                           "<M-Bus_Network><Nodo Descrizione=\"A\" ID_Primary=\"3\"><Variabile Type=\"0\" "
                           "Fun_Field=\"0\" Dim=\"0\" ModReg=\"10\"/></Nodo><Nodo Descrizione=\"B\"><Variabile "
                           "Type=\"0\" Fun_Field=\"0\" Dim=\"0\"/></Nodo></M-Bus_Network>");
    const QByteArray before = networkBytes();
    auto dialog = showDialog(1);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(dialog->networkReadIncomplete());
    EXPECT_EQ(treeTexts(*dialog).value(1), " ID 3 - A");

    messages.clear();
    dialog->LbButton2Click(dialog->Btn_OK);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].contains("not read to its end"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(networkBytes(), before);

    // Starting a new network is the user's deliberate choice: it may be saved.
    dialog->selectItem(nullptr);
    dialog->DeleteItem1Click();
    dialog->LbButton2Click(dialog->Btn_OK);
    EXPECT_FALSE(dialog->isVisible());
    EXPECT_EQ(networkBytes(), serializeNetwork({}, 1));
}

// The error names where the fault is, stands over the dialog once it is on
// screen (not over the window that opened it), and quotes nothing long.
TEST_F(MBusNetworkDialogTest, AnUnreadableFileIsLocatedAndReportedOverTheShownDialog)
{
    const QByteArray huge = testsupport::longValue().toLatin1();
    const QString where = QDir::toNativeSeparators(networkFile());
    struct Case {
        const char *name;
        QByteArray file;
        QString message; // the whole message, or its start
    };
    const Case cases[] = {
        {"a register that is not a number",
         "<M-Bus_Network><Nodo Descrizione=\"" + huge + "\"/><Nodo><Variabile Desc=\"" + huge
             + "\" Type=\"0\" Fun_Field=\"0\" Dim=\"0\" ModReg=\"" + huge + "\"/></Nodo></M-Bus_Network>",
         QStringLiteral("'%1…' is not a valid integer value\n\nFile \"%2\", node 2, variable 1, attribute \"ModReg\".")
             .arg(QString(60, u'x'), where)},
        {"a file nested 100,000 levels deep", testsupport::nestedXml("M-Bus_Network", 100000),
         QStringLiteral("The file \"%1\" is not a valid XML document: Elements are nested deeper than 32 levels.")
             .arg(where)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        testsupport::writeFile(networkFile(), c.file);
        messages.clear();
        auto dialog = showDialog(1);
        ASSERT_EQ(messages.messages().size(), 1u);
        const auto &shown = messages.messages()[0];
        EXPECT_EQ(shown.kind, platform::MessageKind::Error);
        EXPECT_TRUE(shown.text.startsWith(c.message)) << shown.text.left(300).toStdString();
        EXPECT_LT(shown.text.size(), 300);
        EXPECT_EQ(shown.over, dialog.get());
        EXPECT_TRUE(shown.overShown);
        EXPECT_TRUE(dialog->networkReadIncomplete());
        EXPECT_EQ(networkBytes(), c.file);
    }
}

TEST_F(MBusNetworkDialogTest, AFailedWriteIsReportedAndTheDialogStaysOpen)
{
    app::state().File_M_Bus = tempDir.filePath("missing/M_Bus.xml");
    auto dialog = showDialog(1);
    typeWiredNode(*dialog, "A", "1");
    dialog->btn_Add_NodeClick(dialog->btn_Add_Node);
    dialog->LbButton2Click(dialog->Btn_OK);
    ASSERT_EQ(messages.texts().size(), 1);
    EXPECT_TRUE(messages.texts()[0].startsWith("Cannot create file"));
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_EQ(dialog->Nodi_List.size(), 1u);
}

TEST_F(MBusNetworkDialogTest, TheBoardVariantDecidesTheExtendedNodeRows)
{
    for (const int variant : {0, 1}) {
        writeBoardVariant(variant);
        auto dialog = showDialog(1);
        EXPECT_EQ(dialog->App_Serie_B2_Nqib, variant);
        EXPECT_EQ(dialog->E_Manu_Spec_Data->isVisibleTo(dialog->ExTabSheet1), variant == 1);
        EXPECT_EQ(dialog->E_Access_Number->isVisibleTo(dialog->ExTabSheet1), variant == 1);
        EXPECT_FALSE(dialog->CB_MBus_Type->isVisibleTo(dialog->ExTabSheet1));
        messages.clear();
        typeWiredNode(*dialog, "A", "1");
        dialog->E_Manu_Spec_Data->setText("60000");
        dialog->btn_Add_NodeClick(dialog->btn_Add_Node);
        EXPECT_EQ(messages.texts(), variant == 1 ? QStringList{"Error!! Manufacturer Specific Data must be between 0 "
                                                               "and 59999"}
                                                 : QStringList{});
    }
}

TEST_F(MBusNetworkDialogTest, AWirelessNodeUsesItsPanel)
{
    auto dialog = showDialog(7);
    TFMeter_Bus &d = *dialog;
    d.CB_MBus_Type->setCurrentIndex(0);
    EXPECT_TRUE(d.P_wMBus_Node->isVisibleTo(d.ExTabSheet1));
    EXPECT_FALSE(d.E_New_Node_ID_Pri->isVisibleTo(d.ExTabSheet1));
    EXPECT_FALSE(d.E_Access_Number->isVisibleTo(d.ExTabSheet1));
    EXPECT_TRUE(d.E_Manu_Spec_Data->isVisibleTo(d.ExTabSheet1));

    d.CB_Node_En->setChecked(true);
    d.E_New_Node_Desc->setText("Radio");
    d.E_wMBus_ManID->setText("0x2C2D");
    d.E_wMBus_Add->setText("12345678");
    d.E_wMBus_Ver->setText("1");
    d.E_wMBus_DevType->setText("7");
    d.CB_wMBus_EnKey->setChecked(true);
    for (int i = 0; i < 16; ++i)
        d.E_wMBus_K[size_t(i)]->setText(QString::number(i));
    d.E_wMBus_NodeState->setText("0");
    d.E_wMBus_Ident->setText("0");
    d.E_wMBus_RSSI->setText("30");
    d.E_wMBus_Access_Number->setText("0");
    d.E_Manu_Spec_Data->setText("0");
    d.btn_Add_NodeClick(d.btn_Add_Node);
    ASSERT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
    EXPECT_EQ(treeTexts(d).value(1), " wM-Bus Node - Address 12345678 - Radio");

    // Switching to a wired node and back shows the node's own values again.
    d.CB_MBus_Type->setCurrentIndex(1);
    for (QLineEdit *edit : d.E_wMBus_K)
        edit->clear();
    d.selectItem(d.nodeItem(0));
    EXPECT_EQ(d.CB_MBus_Type->currentIndex(), 0);
    EXPECT_EQ(d.E_wMBus_K[15]->text(), "15");
    EXPECT_EQ(d.E_wMBus_RSSI->text(), "30");
    typeVariable(d, "Level", "30");
    d.btn_Add_VarClick(d.btn_Add_Var);
    EXPECT_EQ(messages.texts(), QStringList{"Error!! ModBus Register already use in the Node \"Radio\" (RSSI)"});

    d.LbButton2Click(d.Btn_OK);
    const NetworkReadResult saved = readNetworkFile(networkFile(), 7);
    ASSERT_TRUE(saved.ok());
    ASSERT_EQ(saved.nodes.size(), 1u);
    EXPECT_EQ(saved.nodes[0].wMBus_Key[9], "9");
    EXPECT_EQ(saved.nodes[0].RSSI, 30);
    EXPECT_EQ(saved.nodes[0].MBus_Type, 0);
}

TEST_F(MBusNetworkDialogTest, VariablesAddedOneAfterAnotherAreAllKept)
{
    // Enough variables that the new one lies below the tree's bottom edge.
    TNodo heat = nettest::wiredNode("Heat", 5);
    for (int i = 0; i < 40; ++i)
        heat.Var_List.push_back(nettest::variable(QStringLiteral("Old %1").arg(i), 1000 + 2 * i));
    writeNetwork({heat}, 1);
    auto dialog = showDialog(1);
    TFMeter_Bus &d = *dialog;
    d.selectItem(d.nodeItem(0));
    d.TW->collapseItem(d.nodeItem(0));
    d.ExPageControl1->setActivePage(d.ExTabSheet2);

    typeVariable(d, "Energy", "100");
    d.btn_Add_Var->Click();
    ASSERT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
    QCoreApplication::processEvents(); // the tree lays its rows out when asked to paint
    QTreeWidgetItem *energy = d.variableItem(0, 40);
    ASSERT_NE(energy, nullptr);
    EXPECT_TRUE(d.nodeItem(0)->isExpanded());
    EXPECT_TRUE(d.TW->viewport()->rect().contains(d.TW->visualItemRect(energy)));

    typeVariable(d, "Volume", "102");
    d.btn_Add_Var->Click();
    EXPECT_TRUE(messages.texts().isEmpty()) << messages.texts().join('\n').toStdString();
    EXPECT_EQ(d.TW->currentItem(), d.nodeItem(0));
    EXPECT_EQ(d.ExPageControl1->ActivePage(), d.ExTabSheet2);
    EXPECT_EQ(d.btn_Add_Var->Caption(), "ADD VARIABLE");
    EXPECT_EQ(treeTexts(d).mid(42), (QStringList{"  VAR - Energy", "  VAR - Volume"}));

    d.LbButton2Click(d.Btn_OK);
    const NetworkReadResult saved = readNetworkFile(networkFile(), 1);
    ASSERT_TRUE(saved.ok());
    ASSERT_EQ(saved.nodes.size(), 1u);
    ASSERT_EQ(saved.nodes[0].Var_List.size(), 42u);
    EXPECT_EQ(saved.nodes[0].Var_List[40].Description, "Energy");
    EXPECT_EQ(saved.nodes[0].Var_List[40].Modbus_Register, 100);
    EXPECT_EQ(saved.nodes[0].Var_List[41].Description, "Volume");
    EXPECT_EQ(saved.nodes[0].Var_List[41].Modbus_Register, 102);
}

TEST_F(MBusNetworkDialogTest, TheTreeShowsWholeTextsAndScrollsSideways)
{
    // Two wireless meters whose texts differ only at their ends.
    const QString common = QStringLiteral("Building 7, staircase B, third floor, flat 12, heat meter of the ");
    TNodo kitchen = nettest::wiredNode(common + "kitchen", 1);
    TNodo bath = nettest::wiredNode(common + "bathroom", 2);
    writeNetwork({kitchen, bath}, 1);
    auto dialog = showDialog(1);
    TFMeter_Bus &d = *dialog;
    QTreeWidgetItem *item = d.nodeItem(1);
    ASSERT_NE(item, nullptr);
    QCoreApplication::processEvents(); // the tree sizes its column and scroll bars when asked to paint
    const int textWidth = d.TW->fontMetrics().horizontalAdvance(item->text(0));
    ASSERT_GT(textWidth, d.TW->viewport()->width());
    // The column holds the whole text, so no "..." is drawn.
    EXPECT_GE(d.TW->visualItemRect(item).width(), textWidth);
    EXPECT_EQ(d.TW->textElideMode(), Qt::ElideNone);
    QScrollBar *sideways = d.TW->horizontalScrollBar();
    EXPECT_GT(sideways->maximum(), 0);
    EXPECT_EQ(d.TW->horizontalScrollBarPolicy(), Qt::ScrollBarAsNeeded);
}

TEST_F(MBusNetworkDialogTest, TheVariablePageFollowsItsFields)
{
    TNodo byPosition = nettest::wiredNode("Pos", 1);
    byPosition.Var_List_Type = 1;
    writeNetwork({nettest::wiredNode("Type", 2), byPosition}, 2);
    auto dialog = showDialog(2);
    TFMeter_Bus &d = *dialog;
    const QWidget *page = d.ExTabSheet2;

    d.selectItem(d.nodeItem(0));
    EXPECT_TRUE(d.CB_Var_ToD->isVisibleTo(page));
    EXPECT_FALSE(d.E_Position->isVisibleTo(page));
    EXPECT_TRUE(d.CB_PostOpe->isVisibleTo(page));
    EXPECT_FALSE(d.GroupBox4->isEnabled());
    d.CB_Var_ToD->setCurrentIndex(20); // "Time Point"
    EXPECT_TRUE(d.GroupBox4->isEnabled());
    d.CB_Var_ToD->setCurrentIndex(21); // "VIF is in ASCII"
    EXPECT_TRUE(d.E_VIF_ASCII->isEnabled());
    d.E_TP_Year->setText("100");
    EXPECT_EQ(d.ST_TP_Sec->Caption(), "105");
    d.E_TP_Year->setText("x");
    EXPECT_EQ(d.ST_TP_Month->Caption(), "0");
    d.CB_Float->setChecked(true);
    d.CB_Var_Dim->setCurrentIndex(7); // "Variable Length"
    EXPECT_TRUE(d.E_Length->isEnabled());
    EXPECT_FALSE(d.CB_Float->isEnabled());
    EXPECT_FALSE(d.CB_Float->isChecked());

    d.selectItem(d.nodeItem(1));
    EXPECT_FALSE(d.CB_Var_ToD->isVisibleTo(page));
    EXPECT_TRUE(d.E_Position->isVisibleTo(page));
    EXPECT_TRUE(d.GroupBox4->isEnabled());
    EXPECT_EQ(d.E_Position->text(), "1");
    EXPECT_EQ(d.E_Var_MR->text(), "");
}

TEST_F(MBusNetworkDialogTest, ALanguageChangeKeepsWhatTheButtonsDo)
{
    writeNetwork({nettest::wiredNode("A", 1)}, 1);
    auto dialog = showDialog(1);
    dialog->selectItem(dialog->nodeItem(0));
    app::languageTable().applyLngText("STR 150 = AGGIUNGI NODO\nSTR 151 = MODIFICA NODO\nSTR 127 = Rete M-Bus\n");
    app::langRegistry().applyLanguageToAll();
    EXPECT_EQ(dialog->windowTitle(), "Rete M-Bus");
    EXPECT_EQ(dialog->btn_Add_Node->Caption(), "MODIFICA NODO");
    // Still modifying: the node keeps its place and its address passes.
    dialog->E_New_Node_Desc->setText("B");
    dialog->btn_Add_NodeClick(dialog->btn_Add_Node);
    EXPECT_TRUE(messages.texts().isEmpty());
    ASSERT_EQ(dialog->Nodi_List.size(), 1u);
    EXPECT_EQ(dialog->Nodi_List[0].Description, "B");
}

TEST_F(MBusNetworkDialogTest, StepThreeOpensTheConfigurationsNetwork)
{
    writeNetwork({nettest::wiredNode("A", 4)}, 1);
    std::vector<QStringList> seen;
    testsupport::ModalScript modal([&](QDialog &shown) {
        auto &d = static_cast<TFMeter_Bus &>(shown);
        d.show();
        seen.push_back(treeTexts(d));
        d.LbButton4Click(d.Btn_Cancel);
        return d.result();
    });
    auto step = mbusNetworkStep(1);
    QWidget mainWindow;
    step(mainWindow);
    writeNetwork({nettest::wiredNode("A", 4), nettest::wiredNode("B", 5)}, 1);
    step(mainWindow); // the same dialog, reading the file again
    EXPECT_EQ(mainWindow.findChildren<TFMeter_Bus *>().size(), 1) << "the main window owns it";
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], (QStringList{"M-Bus Network", " ID 4 - A"}));
    EXPECT_EQ(seen[1], (QStringList{"M-Bus Network", " ID 4 - A", " ID 5 - B"}));
}

} // namespace
