#include "support/PasteNetwork.h"

#include "app/LangRegistry.h"
#include "controls/dropdown/LbButton.h"
#include "controls/grid/model/ExCGrid.h"
#include "platform/ModalResult.h"
#include "platform/ui/Label.h"
#include "project/dialogs/PasteDialog.h"
#include "support/GuiFixture.h"

#include <QLineEdit>
#include <QRadioButton>

using namespace project;
using pastetest::variable;
using pastetest::wiredNode;

namespace {

class PasteDialogTest : public guitest::AppFolderTest {
protected:
    // Every row of the grid below the header: caption, register, description.
    static std::vector<QStringList> gridRows(const TFNewIDNode &dialog)
    {
        std::vector<QStringList> rows;
        for (int r = 1; r < dialog.ESG_MR_Var->RowCount(); ++r)
            rows.push_back({dialog.ESG_MR_Var->Cells(0, r), dialog.ESG_MR_Var->Cells(1, r),
                            dialog.ESG_MR_Var->Cells(2, r)});
        return rows;
    }

    static QStringList registerRows(const char *description, const char *reg, const char *scale,
                                    const char *timePoint, int row)
    {
        const char *values[] = {reg, scale, timePoint};
        return {app::text(252 + row), QString::fromLatin1(values[row]), QString::fromLatin1(description)};
    }
};

} // namespace

TEST_F(PasteDialogTest, AVariableGetsThreeRowsForItsRegisters)
{
    TFNewIDNode dialog;
    TVariabile energy = variable("Energy", 200, 201);
    energy.TP_Mod_Year = 7;
    dialog.Form_Type = PasteVariable;
    dialog.proposeVariable(energy);
    guitest::runModal(dialog, [](QDialog &) {});

    EXPECT_EQ(dialog.ESG_MR_Var->RowCount(), 4);
    EXPECT_EQ(dialog.ESG_MR_Var->Cells(0, 0), "Desc. Reg.");
    EXPECT_EQ(dialog.ESG_MR_Var->Cells(1, 0), "Index");
    EXPECT_EQ(dialog.ESG_MR_Var->Cells(2, 0), "Description Variable");
    EXPECT_EQ(gridRows(dialog), (std::vector<QStringList>{registerRows("Energy", "200", "201", "7", 0),
                                                           registerRows("Energy", "200", "201", "7", 1),
                                                           registerRows("Energy", "200", "201", "7", 2)}));
    EXPECT_EQ(dialog.windowTitle(), app::text(258));
    EXPECT_EQ(dialog.L_SW_Desc->Caption(), app::text(260));
    EXPECT_EQ(dialog.Panel1->height(), 8);
    EXPECT_EQ(dialog.size(), QSize(432, 536));
    EXPECT_EQ(dialog.fields().variables, (std::vector<PastedRegisters>{{"200", "201", "7"}}));
}

TEST_F(PasteDialogTest, ANodeShowsItsAddressRegistersAndThreeRowsPerVariable)
{
    TFNewIDNode dialog;
    TNodo node = wiredNode("Heat", 5, {variable("Energy", 200, 201), variable("Volume", 210)}, 100, 101);
    node.Node_ID_Type = 1;
    node.Node_Sec = 12345678;
    dialog.Form_Type = PasteWiredNode;
    dialog.proposeNode(node, PasteWiredNode);
    guitest::runModal(dialog, [](QDialog &) {});

    EXPECT_EQ(dialog.ESG_MR_Var->RowCount(), 7);
    std::vector<QStringList> expected;
    for (int row = 0; row < 3; ++row)
        expected.push_back(registerRows("Energy", "200", "201", "0", row));
    for (int row = 0; row < 3; ++row)
        expected.push_back(registerRows("Volume", "210", "0", "0", row));
    EXPECT_EQ(gridRows(dialog), expected);
    EXPECT_TRUE(dialog.RB_ID_Secondary->isChecked());
    EXPECT_EQ(dialog.E_New_Node_ID_Pri->text(), "5");
    EXPECT_EQ(dialog.E_New_Node_ID_Sec->text(), "12345678");
    EXPECT_EQ(dialog.E_MR_NodeState->text(), "100");
    EXPECT_EQ(dialog.E_MR_IdentNum->text(), "101");
    EXPECT_EQ(dialog.windowTitle(), app::text(257));
    EXPECT_EQ(dialog.L_SW_Desc->Caption(), app::text(259));
    EXPECT_EQ(dialog.Panel1->height(), 161);
    EXPECT_TRUE(dialog.RB_ID_Primary->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.E_wMBus_Add->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.E_wMBus_RSSI->isVisibleTo(&dialog));

    // A node without variables leaves one empty row, also after a paste
    // that filled the grid.
    dialog.proposeNode(wiredNode("Bare", 9, {}), PasteWiredNode);
    EXPECT_EQ(dialog.ESG_MR_Var->RowCount(), 2);
    EXPECT_EQ(gridRows(dialog), (std::vector<QStringList>{{"", "", ""}}));
    EXPECT_TRUE(dialog.fields().variables.empty());
    EXPECT_TRUE(dialog.RB_ID_Primary->isChecked());
}

TEST_F(PasteDialogTest, AWirelessNodeShowsItsAddressAndRssiInPlaceOfTheIds)
{
    TFNewIDNode dialog;
    dialog.Form_Type = PasteVariable;
    dialog.proposeVariable(variable("Energy", 200));
    guitest::runModal(dialog, [](QDialog &) {});

    TNodo radio = wiredNode("Radio", 1, {variable("Energy", 20)}, 51, 52);
    radio.MBus_Type = 0;
    radio.wMBus_Add = "0x12345678";
    radio.RSSI = 50;
    dialog.Form_Type = PasteWirelessNode;
    dialog.proposeNode(radio, PasteWirelessNode);
    guitest::runModal(dialog, [](QDialog &) {});

    for (QWidget *hidden : std::initializer_list<QWidget *>{dialog.RB_ID_Primary, dialog.E_New_Node_ID_Pri,
                                                            dialog.RB_ID_Secondary, dialog.E_New_Node_ID_Sec})
        EXPECT_FALSE(hidden->isVisibleTo(&dialog)) << hidden->objectName().toStdString();
    EXPECT_TRUE(dialog.E_wMBus_Add->isVisibleTo(&dialog));
    EXPECT_TRUE(dialog.E_wMBus_RSSI->isVisibleTo(&dialog));
    EXPECT_EQ(dialog.L_wMBus_Add->Caption(), app::text(342));
    EXPECT_EQ(dialog.E_wMBus_Add->text(), "0x12345678");
    EXPECT_EQ(dialog.E_wMBus_RSSI->text(), "50");
    EXPECT_LT(dialog.E_wMBus_Add->y(), dialog.E_MR_NodeState->y());
    EXPECT_LT(dialog.E_MR_NodeState->y(), dialog.E_MR_IdentNum->y());
    EXPECT_LT(dialog.E_MR_IdentNum->y(), dialog.E_wMBus_RSSI->y());
    EXPECT_EQ(dialog.Panel1->height(), dialog.E_wMBus_RSSI->geometry().bottom() + 1 + 4);
    // The caption and description line stay as the last showing left them.
    EXPECT_EQ(dialog.windowTitle(), app::text(258));

    // Showing a wired node again puts the rows back.
    dialog.Form_Type = PasteWiredNode;
    guitest::runModal(dialog, [](QDialog &) {});
    EXPECT_TRUE(dialog.RB_ID_Primary->isVisibleTo(&dialog));
    EXPECT_FALSE(dialog.E_wMBus_Add->isVisibleTo(&dialog));
    EXPECT_GT(dialog.E_MR_NodeState->y(), dialog.E_New_Node_ID_Sec->y());
}

TEST_F(PasteDialogTest, OkStaysOpenOnARefusalAndClosesWhenTheRegistersAreFree)
{
    TFNewIDNode dialog;
    const TNodoList network{wiredNode("Heat", 5, {variable("Energy", 200, 201)})};
    dialog.Form_Type = PasteVariable;
    dialog.Request = PasteRequest{1, network, TNodo{}, network[0].Var_List[0], 0};
    dialog.proposeVariable(network[0].Var_List[0]);

    const int result = guitest::runModal(dialog, [&](QDialog &) {
        dialog.Btn_OK->Click();
        ASSERT_TRUE(dialog.isVisible());
        ASSERT_EQ(messages.texts(), QStringList{pastetest::variableClash(189, "Heat", "Energy")});
        dialog.ESG_MR_Var->setCells(1, 3, "59996");
        dialog.Btn_OK->Click();
        ASSERT_TRUE(dialog.isVisible());
        EXPECT_EQ(messages.texts().last(), app::text(272));
        EXPECT_EQ(messages.messages().back().kind, platform::MessageKind::Error);

        dialog.ESG_MR_Var->setCells(1, 1, "300");
        dialog.ESG_MR_Var->setCells(1, 2, "0");
        dialog.ESG_MR_Var->setCells(1, 3, "0");
        messages.clear();
        dialog.Btn_OK->Click();
    });
    EXPECT_EQ(result, platform::mrOk);
    EXPECT_TRUE(messages.texts().isEmpty());
    EXPECT_EQ(dialog.fields().variables, (std::vector<PastedRegisters>{{"300", "0", "0"}}));

    EXPECT_EQ(guitest::runModal(dialog, [&](QDialog &) { dialog.Btn_Cancel->Click(); }), platform::mrCancel);
}

TEST_F(PasteDialogTest, TextsComeFromTheLanguageTable)
{
    TFNewIDNode dialog;
    EXPECT_EQ(dialog.windowTitle(), app::text(257));
    EXPECT_EQ(dialog.L_SW_Desc->Caption(), app::text(259));
    EXPECT_EQ(dialog.Btn_OK->Caption(), app::text(261));
    EXPECT_EQ(dialog.Btn_Cancel->Caption(), app::text(262));
    EXPECT_EQ(dialog.RB_ID_Primary->text(), app::text(263));
    EXPECT_EQ(dialog.RB_ID_Secondary->text(), app::text(264));
    EXPECT_EQ(dialog.Label2->Caption(), app::text(265));
    EXPECT_EQ(dialog.Label3->Caption(), app::text(266));
    EXPECT_EQ(dialog.Label4->Caption(), app::text(267));
    EXPECT_EQ(dialog.L_wMBus_RSSI->Caption(), app::text(376));
    // A language change re-captions the dialog.
    app::languageTable().applyLngText(QStringLiteral("STR 257 = Nuovo Nodo\nSTR 267 = Registri\n"));
    app::langRegistry().applyLanguageToAll();
    EXPECT_EQ(dialog.windowTitle(), "Nuovo Nodo");
    EXPECT_EQ(dialog.Label4->Caption(), "Registri");

    for (QLineEdit *edit : {dialog.E_New_Node_ID_Pri, dialog.E_New_Node_ID_Sec, dialog.E_wMBus_Add,
                            dialog.E_MR_NodeState, dialog.E_MR_IdentNum, dialog.E_wMBus_RSSI})
        EXPECT_EQ(edit->text(), "1") << edit->objectName().toStdString();
}

TEST_F(PasteDialogTest, ARegisterStillInTheGridsEditorCountsOnOk)
{
    TFNewIDNode dialog;
    const TNodoList network{wiredNode("Heat", 5, {variable("Energy", 200, 201)})};
    dialog.Form_Type = PasteVariable;
    dialog.Request = PasteRequest{1, network, TNodo{}, network[0].Var_List[0], 0};
    dialog.proposeVariable(network[0].Var_List[0]);
    dialog.ESG_MR_Var->setCells(1, 2, "0");
    dialog.ESG_MR_Var->setCells(1, 3, "0");

    const int result = guitest::runModal(dialog, [&](QDialog &) {
        controls::TExColumnGrid &grid = *dialog.ESG_MR_Var;
        grid.FocusCell(1, 1);
        grid.ShowEditor();
        ASSERT_TRUE(grid.EditorMode());
        grid.InplaceEditor()->setText("300");
        dialog.Btn_OK->Click();
    });
    EXPECT_EQ(result, platform::mrOk);
    EXPECT_EQ(dialog.fields().variables, (std::vector<PastedRegisters>{{"300", "0", "0"}}));
}
