// Scan results written into M_Bus.xml: the attributes and their order, the
// registers handed out, new files and appended ones, and what is refused.
#include "SaveFixture.h"
#include "scan/QStringPrinter.h"

#include "controls/vtree/LazyNode.h"
#include "project/NetworkFile.h"
#include "scan/RegisterWidth.h"
#include "scan/SaveConfXML.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace scan;
using namespace savetest;
using Outcome = TSaveConfResult::Outcome;

namespace {

vtree::TLazyNode treeNode(vtree::TCheckState state)
{
    vtree::TLazyNode node{};
    node.CheckState = state;
    return node;
}

class SaveConf : public ::testing::Test {
protected:
    SaveConf() { slaves.lock().append(kamstrupSlave()); }

    TSaveConfXML request() const
    {
        TSaveConfXML in;
        in.XML_Code_Dev = 1;
        in.Mod_Start = 100;
        in.Node_ID_Type = 1;
        in.SND_NKE = 1;
        in.Cut_After = 3;
        in.File_Name = path;
        return in;
    }

    QList<Element> written() const { return elementsOf(testsupport::readFile(path)); }

    TSlave_MBus &slave(int i) { return slaves.lock().at(i); }

    QTemporaryDir dir;
    QString path = dir.filePath(QStringLiteral("M_Bus.xml"));
    TSlaveMBusList slaves;
    TSlaveWMBusList meters;
};

TEST_F(SaveConf, WiredNodeAndVariablesInTheirOrder)
{
    const TSaveConfResult result = Save_XML_Conf_Wired(request(), true, slaves);
    ASSERT_TRUE(result) << (result.error ? result.error->message().toStdString() : "");
    EXPECT_EQ(result.nodes, 1);
    const QList<Element> all = written();
    ASSERT_EQ(all.size(), 4);
    EXPECT_EQ(all[0].name, "M-Bus_Network");
    EXPECT_TRUE(all[0].attributes.isEmpty());

    const Element node = all[1];
    EXPECT_EQ(node.attributes, (Attributes{{"Node_Enable", "1"}, {"ID_Primary", "5"}, {"ID_Secondary", "12345678"},
                                           {"Node_ID_Type", "1"}, {"Descrizione", "KAM"}, {"Send_SND_NKE", "1"},
                                           {"Reset_App", "0"}, {"Cut_After", "2"}}));
    EXPECT_EQ(all[2].attributes,
              (Attributes{{"Enable", "1"}, {"Position", "1"}, {"Desc", "Energy (U0S0T0)"}, {"Type", "1"},
                          {"VIF_ASCII", ""}, {"Fun_Field", "0"}, {"Length", "0"}, {"ModReg", "100"}, {"Dim", "2"},
                          {"Unit", "0"}, {"StoNumber", "0"}, {"Tariff", "0"}, {"VIFE", "0"}, {"ModScale", "0"},
                          {"BCDtoINT", "0"}, {"SWAP", "0"}}));
    EXPECT_EQ(all[3]["Position"], "2");
    EXPECT_EQ(all[3]["ModReg"], "102");
    EXPECT_EQ(all[3]["Dim"], "1");
    // A new file has no version comment.
    EXPECT_FALSE(testsupport::readFile(path).contains("<!--"));
}

TEST_F(SaveConf, WirelessConvertersMarkWiredNodesAndEachNodeMayHaveItsOwnRegisters)
{
    TSaveConfXML in = request();
    in.XML_Code_Dev = 13;
    in.StartModnode = 1;
    in.SMN_Array = {200};
    in.En_NodeState = true;
    in.En_IdeNum = true;
    ASSERT_TRUE(Save_XML_Conf_Wired(in, false, slaves));
    const Element node = named(written(), "Nodo").value(0);
    EXPECT_EQ(node.names(), (QStringList{"Node_Enable", "ID_Primary", "ID_Secondary", "Node_ID_Type", "Descrizione",
                                         "Send_SND_NKE", "Reset_App", "Cut_After", "MBus_Type", "Node_State",
                                         "Ident_Num"}));
    EXPECT_EQ(node["MBus_Type"], "1");
    EXPECT_EQ(node["Node_State"], "200");
    EXPECT_EQ(node["Ident_Num"], "202");
}

TEST_F(SaveConf, RegistersAsTheRequestAndTheTreeSay)
{
    vtree::TLazyNode unchecked = treeNode(vtree::TCheckState::csUncheckedNormal);
    struct Case {
        const char *name;
        qint32 startModnode;
        std::vector<qint32> smn;
        bool nodeState, ideNum;
        bool secondSlave;
        bool firstRecordUnchecked;
        bool variableLengthFirst;
        std::vector<QString> nodeRegisters; // Node_State, Ident_Num per node; empty: not written
        std::vector<QString> modRegs;
    };
    const Case cases[] = {
        {"one start register", 0, {}, false, false, false, false, false, {}, {"100", "102"}},
        {"own start, state and ident", 1, {200}, true, true, false, false, false, {"200", "202"}, {"203", "205"}},
        {"own start, nothing extra", 1, {200}, false, false, false, false, false, {"0", "0"}, {"200", "202"}},
        {"own start, first record unchecked", 1, {200}, true, true, false, true, false, {"200", "202"},
         {"203", "203"}},
        {"one start, unchecked records still count", 0, {}, false, false, false, true, false, {}, {"100", "102"}},
        {"two nodes share the count", 0, {}, false, false, true, false, false, {}, {"100", "102", "103", "105"}},
        {"two nodes, each its own start", 1, {10, 50}, false, false, true, false, false, {"0", "0", "0", "0"},
         {"10", "12", "50", "52"}},
        {"variable length of 5 bytes takes 3", 0, {}, false, false, false, false, true, {}, {"100", "103"}},
    };
    for (const Case &c : cases) {
        slaves.lock().clear();
        slaves.lock().append(kamstrupSlave());
        if (c.secondSlave)
            slaves.lock().append(kamstrupSlave());
        if (c.firstRecordUnchecked)
            slave(0).List_Var[0]->Node = &unchecked;
        if (c.variableLengthFirst) {
            slave(0).List_Var[0]->dimension = VariableLengthField;
            slave(0).List_Var[0]->nbyte = 5;
        }
        TSaveConfXML in = request();
        in.StartModnode = c.startModnode;
        in.SMN_Array = c.smn;
        in.En_NodeState = c.nodeState;
        in.En_IdeNum = c.ideNum;
        ASSERT_TRUE(Save_XML_Conf_Wired(in, false, slaves)) << c.name;

        const QList<Element> all = written();
        std::vector<QString> nodeRegisters, modRegs;
        for (const Element &node : named(all, "Nodo"))
            if (c.startModnode == 1)
                nodeRegisters.insert(nodeRegisters.end(), {node["Node_State"], node["Ident_Num"]});
            else
                EXPECT_FALSE(node.names().contains("Node_State")) << c.name;
        for (const Element &v : named(all, "Variabile"))
            modRegs.push_back(v["ModReg"]);
        EXPECT_EQ(nodeRegisters, c.nodeRegisters) << c.name;
        EXPECT_EQ(modRegs, c.modRegs) << c.name;
        const Element first = named(all, "Variabile").value(0);
        EXPECT_EQ(first["Enable"], c.firstRecordUnchecked ? "0" : "1") << c.name;
        EXPECT_EQ(first["Length"], c.variableLengthFirst ? "5" : "0") << c.name;
        EXPECT_EQ(first["Dim"], c.variableLengthFirst ? "7" : "2") << c.name;
    }
}

TEST(RegisterWidth, ByDataFieldAndForVariableLengthByBytes)
{
    const std::pair<quint8, RegisterWidth> fixed[] = {
        {1, {0, 1}},  {2, {1, 1}},  {3, {4, 2}},  {4, {2, 2}},  {5, {6, 2}},  {6, {5, 3}},    {7, {3, 4}},
        {9, {0, 1}},  {10, {1, 1}}, {11, {4, 2}}, {12, {2, 2}}, {14, {5, 3}}, {0, {255, 0}}, {8, {255, 0}},
        {15, {255, 0}}};
    for (const auto &[field, width] : fixed)
        EXPECT_EQ(registerWidth(field, 9), width) << int(field);
    const qint32 byBytes[] = {0, 1, 2, 2, 2, 3, 4, 4, 4};
    for (qint32 n = 0; n < qint32(std::size(byBytes)); ++n)
        EXPECT_EQ(registerWidth(VariableLengthField, n), (RegisterWidth{7, byBytes[n]})) << n;
}

TEST_F(SaveConf, RecordAndNodeFields)
{
    vtree::TLazyNode checked = treeNode(vtree::TCheckState::csCheckedNormal);
    vtree::TLazyNode mixed = treeNode(vtree::TCheckState::csMixedNormal);
    vtree::TLazyNode unchecked = treeNode(vtree::TCheckState::csUncheckedNormal);
    slaves.lock().append(kamstrupSlave());
    slaves.lock().append(kamstrupSlave());
    slave(0).Node = &checked;
    slave(1).Node = &mixed;
    slave(2).Node = &unchecked;
    TVariable_MBus &r = *slave(0).List_Var[0];
    r.device = 1;
    r.storage_number = 7;
    r.tarif = 2;
    r.Type_Data_Vife = 12;
    r.Is_BCD = true;
    TVariable_MBus &text = *slave(0).List_Var[1];
    text.type_data = 21;
    text.VIF_ASCII = QStringLiteral("kWh/x");
    slave(1).List_Var[0]->VIF_ASCII = QStringLiteral("not plain text");

    const quint16 functionFields[] = {0, 1, 2, 3};
    const char *fileFunctionFields[] = {"0", "2", "1", "3"};
    for (int i = 0; i < 4; ++i) {
        slave(1).List_Var[0]->function_fild = functionFields[i];
        TSaveConfXML in = request();
        in.Cut_After = i == 0 ? 300 : i == 1 ? 0 : 1;
        ASSERT_TRUE(Save_XML_Conf_Wired(in, true, slaves));
        const QList<Element> nodes = named(written(), "Nodo");
        const QList<Element> vars = named(written(), "Variabile");
        EXPECT_EQ(vars[2]["Fun_Field"], fileFunctionFields[i]);
        EXPECT_EQ(nodes[0]["Cut_After"], i == 0 ? "254" : "0");
    }
    const QList<Element> nodes = named(written(), "Nodo");
    EXPECT_EQ(nodes[0]["Node_Enable"], "1");
    EXPECT_EQ(nodes[1]["Node_Enable"], "1"); // some of its records chosen
    EXPECT_EQ(nodes[2]["Node_Enable"], "0");
    const QList<Element> vars = named(written(), "Variabile");
    EXPECT_EQ(vars[0]["Desc"], "Energy (U1S7T2)");
    EXPECT_EQ(vars[0]["Unit"], "1");
    EXPECT_EQ(vars[0]["StoNumber"], "7");
    EXPECT_EQ(vars[0]["Tariff"], "2");
    EXPECT_EQ(vars[0]["VIFE"], "12");
    EXPECT_EQ(vars[0]["BCDtoINT"], "1");
    EXPECT_EQ(vars[1]["VIF_ASCII"], "kWh/x");
    EXPECT_EQ(vars[2]["VIF_ASCII"], "");

    ASSERT_TRUE(Save_XML_Conf_Wired(request(), false, slaves));
    EXPECT_EQ(named(written(), "Variabile")[0]["BCDtoINT"], "0");
}

TEST_F(SaveConf, WirelessMeters)
{
    auto meter = kamstrupMeter();
    meter->ALA_Version = 27;
    meter->ALA_DeviceType = 7;
    meter->Enable = false;
    meter->Enable_Key = true;
    for (int i = 0; i < 16; ++i)
        meter->Key[std::size_t(i)] = std::uint8_t(i * 17);
    meter->List_Var.push_back(record(2, "Filler"));
    meter->List_Var.push_back(record(2, "Flow", 4));
    meter->List_Var[2]->Real_Wireless_Var = true;
    meter->List_Var[2]->Enable = false;
    meters.lock().append(std::move(meter));

    TSaveConfXML in = request();
    in.XML_Code_Dev = 14;
    in.StartModnode = 1;
    in.SMN_Array = {300};
    ASSERT_TRUE(Save_XML_Conf_Wireless(in, false, meters));
    const QList<Element> all = written();
    const Element node = named(all, "Nodo").value(0);
    Attributes expected{{"Node_Enable", "0"},   {"ID_Primary", "1"},       {"ID_Secondary", "1"},
                        {"Node_ID_Type", "0"},  {"Descrizione", "KAM"},    {"Send_SND_NKE", "0"},
                        {"Reset_App", "0"},     {"Cut_After", "2"},        {"Node_State", "0"},
                        {"Ident_Num", "0"},     {"MBus_Type", "0"},        {"wMBus_ManID", "11309"},
                        {"wMBus_Add", "-2147483647"}, {"wMBus_Ver", "27"}, {"wMBus_DevType", "7"},
                        {"wMBus_En_Key", "1"}};
    for (int i = 0; i < 16; ++i)
        expected.append({QStringLiteral("wMBus_Key_%1").arg(i + 1), QString::number(i * 17)});
    EXPECT_EQ(node.attributes, expected);
    const QList<Element> vars = named(all, "Variabile");
    ASSERT_EQ(vars.size(), 2);
    EXPECT_EQ(vars[0]["Position"], "1");
    EXPECT_EQ(vars[1]["Position"], "3");
    EXPECT_EQ(vars[0]["Enable"], "1");
    EXPECT_EQ(vars[1]["Enable"], "0");
    EXPECT_EQ(vars[0]["ModReg"], "300");
    EXPECT_EQ(vars[1]["ModReg"], "302");
    EXPECT_EQ(vars[0].names(), (QStringList{"Enable", "Position", "Desc", "Type", "VIF_ASCII", "Fun_Field", "Length",
                                            "ModReg", "Dim", "Unit", "StoNumber", "Tariff", "VIFE", "ModScale",
                                            "BCDtoINT", "SWAP"}));
}

// What the network editor and the compiler read back is what was saved.
TEST_F(SaveConf, TheNetworkReaderReadsBackTheSavedNetwork)
{
    ASSERT_TRUE(Save_XML_Conf_Wired(request(), false, slaves));
    const project::NetworkReadResult wired = project::readNetworkFile(path, 1);
    ASSERT_TRUE(wired.ok()) << wired.error->message().toStdString();
    project::TNodo node;
    node.Enable = 1;
    node.Description = QStringLiteral("KAM");
    node.Node_Pri = 5;
    node.Node_Sec = 12345678;
    node.Send_SNK = 1;
    node.Node_ID_Type = 1;
    node.Cut_After = 2;
    node.MBus_Type = 0;
    project::TVariabile energy;
    energy.Enable = true;
    energy.Description = QStringLiteral("Energy (U0S0T0)");
    energy.Type_Of_Data = 1;
    energy.Dimension = 2;
    energy.Modbus_Register = 100;
    energy.Position = 1;
    project::TVariabile volume = energy;
    volume.Description = QStringLiteral("Volume (U0S0T0)");
    volume.Type_Of_Data = 3;
    volume.Dimension = 1;
    volume.Modbus_Register = 102;
    volume.Position = 2;
    node.Var_List = {energy, volume};
    EXPECT_EQ(wired.nodes, project::TNodoList{node});

    auto meter = kamstrupMeter();
    meter->Key[0] = 200;
    meters.lock().append(std::move(meter));
    ASSERT_TRUE(Save_XML_Conf_Wireless(request(), false, meters));
    const project::NetworkReadResult wireless = project::readNetworkFile(path, 7);
    ASSERT_TRUE(wireless.ok());
    ASSERT_EQ(wireless.nodes.size(), 1u);
    const project::TNodo &m = wireless.nodes[0];
    EXPECT_EQ(m.MBus_Type, 0);
    EXPECT_EQ(m.Enable, 1);
    EXPECT_EQ(m.Cut_After, 2);
    EXPECT_EQ(m.wMBus_ManID, "11309");
    EXPECT_EQ(m.wMBus_Add, "-2147483647");
    EXPECT_EQ(m.wMBus_Key[0], "200");
    EXPECT_EQ(m.wMBus_Key[15], "0");
    ASSERT_EQ(m.Var_List.size(), 1u);
    EXPECT_EQ(m.Var_List[0].Modbus_Register, 100);
}

TEST_F(SaveConf, AppendAddsUnderTheRootAndKeepsTheComment)
{
    struct Case {
        const char *name;
        QByteArray existing;
        int nodesBefore;
        bool comment;
    };
    const Case cases[] = {
        {"written by the network editor", project::serializeNetwork(project::TNodoList(2), 1), 2, true},
        {"a declaration and a comment first",
         "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<!--by hand-->\n<M-Bus_Network><Nodo/></M-Bus_Network>\n", 1,
         false},
        {"no node yet", "<M-Bus_Network/>", 0, false},
    };
    for (const Case &c : cases) {
        testsupport::writeFile(path, c.existing);
        TSaveConfXML in = request();
        in.Append = 1;
        const TSaveConfResult result = Save_XML_Conf_Wired(in, false, slaves);
        ASSERT_TRUE(result) << c.name << ": " << (result.error ? result.error->message().toStdString() : "");
        const project::NetworkReadResult back = project::readNetworkFile(path, 1);
        ASSERT_TRUE(back.ok()) << c.name;
        ASSERT_EQ(back.nodes.size(), std::size_t(c.nodesBefore + 1)) << c.name;
        EXPECT_EQ(back.nodes.back().Description, "KAM") << c.name;
        EXPECT_EQ(back.nodes.back().Var_List.size(), 2u) << c.name;
        const QByteArray bytes = testsupport::readFile(path);
        EXPECT_EQ(bytes.contains("<!--SW_VERSION = 2.306-->"), c.comment) << c.name;
        EXPECT_EQ(bytes.count("<!--"), c.existing.count("<!--")) << c.name;
        EXPECT_EQ(elementsOf(bytes).value(0).name, "M-Bus_Network") << c.name;
    }

    // Not appending: the file is replaced, without a comment.
    testsupport::writeFile(path, project::serializeNetwork(project::TNodoList(2), 1));
    ASSERT_TRUE(Save_XML_Conf_Wired(request(), false, slaves));
    EXPECT_EQ(project::readNetworkFile(path, 1).nodes.size(), 1u);
    EXPECT_FALSE(testsupport::readFile(path).contains("<!--"));
}

TEST_F(SaveConf, NothingIsWrittenWhenTheSaveCannotBeDone)
{
    const QByteArray old = project::serializeNetwork(project::TNodoList(1), 1);
    auto check = [&](const char *name, const TSaveConfResult &result, Outcome outcome, QByteArray after) {
        EXPECT_EQ(result.outcome, outcome) << name;
        EXPECT_FALSE(result) << name;
        EXPECT_EQ(testsupport::readFile(path), after) << name;
        return result;
    };

    testsupport::writeFile(path, old);
    TSlaveMBusList none;
    check("no slave", Save_XML_Conf_Wired(request(), false, none), Outcome::NothingToSave, old);
    check("no meter", Save_XML_Conf_Wireless(request(), false, meters), Outcome::NothingToSave, old);

    slaves.lock().append(kamstrupSlave());
    TSaveConfXML in = request();
    in.StartModnode = 1;
    in.SMN_Array = {1};
    const auto missing = check("a start register short", Save_XML_Conf_Wired(in, false, slaves),
                               Outcome::StartRegisterMissing, old);
    EXPECT_EQ(missing.missingPosition, 1);

    in = request();
    in.Append = 1;
    const QByteArray broken = "<M-Bus_Network><Nodo></M-Bus_Network>";
    testsupport::writeFile(path, broken);
    const auto malformed = check("append to a broken file", Save_XML_Conf_Wired(in, false, slaves),
                                 Outcome::FileFailed, broken);
    EXPECT_EQ(malformed.error->kind, project::FileError::Kind::NotWellFormed);

    QFile::remove(path);
    const auto gone = Save_XML_Conf_Wired(in, false, slaves);
    EXPECT_EQ(gone.outcome, Outcome::FileFailed);
    EXPECT_EQ(gone.error->kind, project::FileError::Kind::Unreadable);
    EXPECT_FALSE(QFile::exists(path));

    in = request();
    in.File_Name = dir.filePath(QStringLiteral("gone/M_Bus.xml"));
    const auto unwritable = Save_XML_Conf_Wired(in, false, slaves);
    EXPECT_EQ(unwritable.outcome, Outcome::FileFailed);
    EXPECT_EQ(unwritable.error->kind, project::FileError::Kind::WriteFailed);
    EXPECT_TRUE(unwritable.error->message().contains("M_Bus.xml"));
}

} // namespace
