#include "support/DialogDoubles.h"
#include "support/PasteNetwork.h"

#include "controls/dropdown/LbButton.h"
#include "controls/grid/model/ExCGrid.h"
#include "platform/ModalResult.h"
#include "project/NetworkFile.h"
#include "project/dialogs/MBusNetworkDialog.h"
#include "project/dialogs/PasteDialog.h"
#include "support/GuiFixture.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QLineEdit>
#include <QTreeWidget>
#include <memory>

using namespace project;
using pastetest::nodeClash;
using pastetest::variable;
using pastetest::variableClash;
using pastetest::wiredNode;

namespace {

// "Heat" at 5 with "Energy" (200, scale 201); "Water" at 6 without
// variables; as the dialog reads them from the file.
TNodoList plant()
{
    return pastetest::asRead({wiredNode("Heat", 5, {variable("Energy", 200, 201)}, 100, 101), wiredNode("Water", 6, {})},
                             1);
}

class NetworkPasteFlowTest : public guitest::AppFolderTest {
protected:
    void SetUp() override
    {
        AppFolderTest::SetUp();
        app::state().setUpFolders(appDir);
        makeFolder(QStringLiteral("PROJECTS/Plant"));
        app::state().openProject(QStringLiteral("Plant"));
        ASSERT_FALSE(writeNetworkFile(app::state().File_M_Bus, plant(), 1));
        dialog = std::make_unique<TFMeter_Bus>(1);
        dialog->show();
        ASSERT_EQ(dialog->Nodi_List, plant());
    }
    void TearDown() override
    {
        dialog.reset();
        AppFolderTest::TearDown();
    }

    void select(int node, int variable = -1)
    {
        dialog->selectItem(variable < 0 ? dialog->nodeItem(node) : dialog->variableItem(node, variable));
        ASSERT_EQ(dialog->IND_NODO, node);
        ASSERT_EQ(dialog->IND_VAR, variable);
    }

    QStringList treeTexts(int node) const
    {
        QStringList texts;
        QTreeWidgetItem *item = dialog->nodeItem(node);
        texts << item->text(0);
        for (int i = 0; i < item->childCount(); ++i)
            texts << item->child(i)->text(0);
        return texts;
    }

    // Answers the paste dialog: the script acts on it; counts the showings.
    std::unique_ptr<testsupport::ModalScript> answerPaste(std::function<void(TFNewIDNode &)> script)
    {
        return std::make_unique<testsupport::ModalScript>([this, script](QDialog &d) {
            ++pasteShowings;
            return guitest::runModal(d, [&](QDialog &) { script(static_cast<TFNewIDNode &>(d)); });
        });
    }

    // Chooses a file in the open-file dialog (none: the user cancels).
    std::unique_ptr<testsupport::ModalScript> chooseFile(const QString &path)
    {
        return std::make_unique<testsupport::ModalScript>([path](QDialog &d) {
            auto &files = dynamic_cast<QFileDialog &>(d);
            EXPECT_EQ(files.nameFilters(), QStringList{"XML File (*.xml)"});
            if (path.isEmpty())
                return int(QDialog::Rejected);
            files.selectFile(path);
            return int(QDialog::Accepted);
        });
    }

    std::unique_ptr<TFMeter_Bus> dialog;
    int pasteShowings = 0;
};

} // namespace

TEST_F(NetworkPasteFlowTest, PasteVariableIsRefusedBeforeACopyAndWithTheRootSelected)
{
    auto script = answerPaste([](TFNewIDNode &) {});
    EXPECT_FALSE(dialog->PasteVariable1->isEnabled());
    EXPECT_FALSE(dialog->PasteNode1->isEnabled());
    select(1);
    dialog->PasteVariable1Click();
    EXPECT_EQ(messages.texts(), QStringList{app::text(251)});

    select(0, 0);
    dialog->CopyVariable1Click();
    EXPECT_TRUE(dialog->PasteVariable1->isEnabled());
    dialog->selectItem(dialog->NODE_ORIG);
    dialog->PasteVariable1Click();
    EXPECT_EQ(messages.texts(), (QStringList{app::text(251), app::text(255)}));
    EXPECT_EQ(pasteShowings, 0);
    EXPECT_EQ(dialog->Nodi_List, plant());
    EXPECT_FALSE(dialog->Is_Change);
}

TEST_F(NetworkPasteFlowTest, AVariablePastesIntoTheSelectedNodeWithTheRegistersGiven)
{
    select(0, 0);
    dialog->CopyVariable1Click();
    select(1);
    auto script = answerPaste([this](TFNewIDNode &paste) {
        EXPECT_EQ(paste.Form_Type, PasteVariable);
        EXPECT_EQ(paste.ESG_MR_Var->RowCount(), 4);
        EXPECT_EQ(paste.ESG_MR_Var->Cells(1, 1), "200");
        // Unchanged, the registers clash with the variable it was copied from.
        paste.Btn_OK->Click();
        ASSERT_TRUE(paste.isVisible());
        EXPECT_EQ(messages.texts(), QStringList{variableClash(189, "Heat", "Energy")});
        paste.ESG_MR_Var->setCells(1, 1, "300");
        paste.ESG_MR_Var->setCells(1, 2, "0");
        paste.Btn_OK->Click();
    });
    dialog->PasteVariable1Click();

    TVariabile expected = variable("Energy", 300, 0);
    ASSERT_EQ(dialog->Nodi_List[1].Var_List.size(), 1u);
    EXPECT_EQ(dialog->Nodi_List[1].Var_List[0], expected);
    EXPECT_EQ(dialog->Nodi_List[0], plant()[0]);
    EXPECT_EQ(treeTexts(1), (QStringList{"ID 6 - Water", "VAR - Energy"}));
    EXPECT_TRUE(dialog->Is_Change);
}

TEST_F(NetworkPasteFlowTest, CancelInThePasteDialogPastesNothing)
{
    select(0);
    dialog->CopyNode1Click();
    EXPECT_TRUE(dialog->PasteNode1->isEnabled());
    auto script = answerPaste([](TFNewIDNode &paste) { paste.Btn_Cancel->Click(); });
    dialog->PasteNode1Click();
    EXPECT_EQ(pasteShowings, 1);
    EXPECT_EQ(dialog->Nodi_List, plant());
    EXPECT_FALSE(dialog->Is_Change);
}

TEST_F(NetworkPasteFlowTest, ANodePastesAsANewNodeOnceItsAddressAndRegistersAreFree)
{
    select(0, 0); // with a variable selected, its node is copied
    dialog->CopyNode1Click();
    auto script = answerPaste([this](TFNewIDNode &paste) {
        EXPECT_EQ(paste.Form_Type, PasteWiredNode);
        EXPECT_EQ(paste.E_New_Node_ID_Pri->text(), "5");
        paste.Btn_OK->Click();
        ASSERT_TRUE(paste.isVisible());
        // The original's address, node state and variable registers are all taken.
        EXPECT_EQ(messages.texts(), (QStringList{app::text(240), nodeClash(177, "Heat"),
                                                 variableClash(189, "Heat", "Energy")}));
        paste.E_New_Node_ID_Pri->setText("0x7"); // the tree shows it as typed
        paste.E_MR_NodeState->setText("110");
        paste.E_MR_IdentNum->setText("111");
        paste.ESG_MR_Var->setCells(1, 1, "210");
        paste.ESG_MR_Var->setCells(1, 2, "211");
        paste.Btn_OK->Click();
    });
    dialog->PasteNode1Click();

    ASSERT_EQ(dialog->Nodi_List.size(), 3u);
    TNodo expected = wiredNode("Heat", 7, {variable("Energy", 210, 211)}, 110, 111);
    EXPECT_EQ(dialog->Nodi_List[2], expected);
    EXPECT_EQ(treeTexts(2), (QStringList{"ID 0x7 - Heat", "VAR - Energy"}));
    EXPECT_TRUE(dialog->Is_Change);
}

TEST_F(NetworkPasteFlowTest, ANodeCopiedDeletedAndPastedBackComesBackAsItWas)
{
    select(0);
    dialog->CopyNode1Click();
    dialog->DeleteItem1Click(); // answered Yes
    ASSERT_EQ(dialog->Nodi_List.size(), 1u);

    auto script = answerPaste([](TFNewIDNode &paste) { paste.Btn_OK->Click(); });
    dialog->PasteNode1Click();
    EXPECT_EQ(dialog->Nodi_List, (TNodoList{plant()[1], clipboardCopyOf(plant()[0], 1)}));

    // The clipboard outlives a new showing of the network dialog.
    dialog->hide();
    dialog->show();
    EXPECT_EQ(dialog->Nodi_List, plant());
    EXPECT_TRUE(dialog->PasteNode1->isEnabled());
    EXPECT_FALSE(dialog->PasteVariable1->isEnabled());
}

TEST_F(NetworkPasteFlowTest, ImportReplacesTheNetworkAndShowsIt)
{
    const TNodoList other{wiredNode("Gas", 9, {variable("Volume", 400)})};
    const QString source = path("other.xml");
    ASSERT_FALSE(writeNetworkFile(source, other, 1));
    select(0);
    dialog->CopyNode1Click();
    dialog->DeleteItem1Click(); // an unsaved change that the import replaces

    auto files = chooseFile(source);
    dialog->Btn_ImportNetClick(dialog->Btn_ImportNet);
    EXPECT_EQ(messages.texts(), (QStringList{app::text(244), app::text(256)}));
    EXPECT_EQ(messages.messages().back().kind, platform::MessageKind::Confirmation);
    EXPECT_EQ(testsupport::readFile(app::state().File_M_Bus), testsupport::readFile(source));
    EXPECT_EQ(dialog->Nodi_List, pastetest::asRead(other, 1));
    EXPECT_EQ(treeTexts(0), (QStringList{"ID 9 - Gas", "VAR - Volume"}));
    EXPECT_FALSE(dialog->Is_Change);
    EXPECT_TRUE(dialog->PasteNode1->isEnabled());
}

TEST_F(NetworkPasteFlowTest, ImportsFileDialogOpensInTheConfigurationsFolder)
{
    // The program's working folder is somewhere else entirely.
    const QString startedIn = QDir::currentPath();
    const auto openedIn = [this] {
        QString folder;
        testsupport::ModalScript files([&folder](QDialog &d) {
            folder = dynamic_cast<QFileDialog &>(d).directory().absolutePath();
            return int(QDialog::Rejected);
        });
        dialog->Btn_ImportNetClick(dialog->Btn_ImportNet);
        return folder;
    };
    ASSERT_TRUE(QDir::setCurrent(appDir));
    EXPECT_EQ(openedIn(), QDir(path(QStringLiteral("PROJECTS/Plant"))).absolutePath());
    // A configuration whose folder has gone: PROJECTS.
    ASSERT_TRUE(QDir(path(QStringLiteral("PROJECTS/Plant"))).removeRecursively());
    EXPECT_EQ(openedIn(), QDir(path(QStringLiteral("PROJECTS"))).absolutePath());
    QDir::setCurrent(startedIn);
}

TEST_F(NetworkPasteFlowTest, ImportAsksOnlyWhenThereIsANetworkToOverwrite)
{
    const QString source = path("other.xml");
    ASSERT_FALSE(writeNetworkFile(source, {wiredNode("Gas", 9, {})}, 1));
    const QByteArray before = testsupport::readFile(app::state().File_M_Bus);

    {
        auto files = chooseFile(QString());
        dialog->Btn_ImportNetClick(dialog->Btn_ImportNet);
        EXPECT_TRUE(messages.texts().isEmpty());
    }
    {
        messages.queueAnswer(platform::MessageAnswer::No);
        auto files = chooseFile(source);
        dialog->Btn_ImportNetClick(dialog->Btn_ImportNet);
        EXPECT_EQ(messages.texts(), QStringList{app::text(256)});
        EXPECT_EQ(testsupport::readFile(app::state().File_M_Bus), before);
        EXPECT_EQ(dialog->Nodi_List, plant());
    }

    messages.clear();
    ASSERT_TRUE(QFile::remove(app::state().File_M_Bus));
    auto files = chooseFile(source);
    dialog->Btn_ImportNetClick(dialog->Btn_ImportNet);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(testsupport::readFile(app::state().File_M_Bus), testsupport::readFile(source));
    EXPECT_EQ(dialog->Nodi_List, pastetest::asRead({wiredNode("Gas", 9, {})}, 1));
}

TEST_F(NetworkPasteFlowTest, AFailedImportIsReportedAndKeepsFileAndNetwork)
{
    const QByteArray before = testsupport::readFile(app::state().File_M_Bus);
    struct Case {
        const char *name;
        QByteArray source;  // written to the chosen file; null: no such file
        bool targetMissing; // the configuration's folder is gone
        const char *told;   // part of the message
    };
    const Case cases[] = {
        {"not XML", "<M-Bus_Network><Nodo>", false, "not a valid XML document"},
        {"a variable without its register",
         "<M-Bus_Network><Nodo/><Nodo><Variabile Type=\"0\" Fun_Field=\"0\" Dim=\"0\"/></Nodo></M-Bus_Network>",
         false, "node 2, variable 1, attribute \"ModReg\""},
        {"no such file", QByteArray(), false, "does not exist"},
        {"the configuration's folder cannot take the file", "<M-Bus_Network/>", true, "Cannot create file"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        messages.clear();
        const QString source = path(QStringLiteral("import.xml"));
        QFile::remove(source);
        if (!c.source.isNull())
            testsupport::writeFile(source, c.source);
        const QString target = app::state().File_M_Bus;
        if (c.targetMissing)
            app::state().File_M_Bus = path(QStringLiteral("gone/M_Bus.xml"));
        // An unsaved change, which a failed import leaves as it is.
        select(1);
        dialog->CopyNode1Click();
        auto script = answerPaste([](TFNewIDNode &paste) {
            paste.E_New_Node_ID_Pri->setText("8");
            paste.Btn_OK->Click();
        });
        dialog->PasteNode1Click();
        const TNodoList edited = dialog->Nodi_List;

        auto files = chooseFile(source);
        dialog->Btn_ImportNetClick(dialog->Btn_ImportNet);
        ASSERT_FALSE(messages.messages().empty());
        EXPECT_EQ(messages.messages().back().kind, platform::MessageKind::Error);
        EXPECT_TRUE(messages.texts().back().contains(QString::fromLatin1(c.told))) << messages.texts().back().toStdString();
        EXPECT_EQ(testsupport::readFile(target), before);
        EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("gone"))));
        EXPECT_EQ(dialog->Nodi_List, edited);
        EXPECT_TRUE(dialog->Is_Change);
        app::state().File_M_Bus = target;
        dialog->hide();
        dialog->show();
    }
}

TEST_F(NetworkPasteFlowTest, ImportingTheConfigurationsOwnFileReloadsIt)
{
    const QByteArray before = testsupport::readFile(app::state().File_M_Bus);
    select(0);
    dialog->DeleteItem1Click();
    messages.clear();

    auto files = chooseFile(app::state().File_M_Bus);
    dialog->Btn_ImportNetClick(dialog->Btn_ImportNet);
    EXPECT_EQ(messages.texts(), QStringList{app::text(256)});
    EXPECT_EQ(testsupport::readFile(app::state().File_M_Bus), before);
    EXPECT_EQ(dialog->Nodi_List, plant());
    EXPECT_FALSE(dialog->Is_Change);
}
