#include "support/PasteNetwork.h"

#include "app/Language.h"
#include "project/NetworkClipboard.h"

#include <gtest/gtest.h>

using namespace project;
using pastetest::nodeClash;
using pastetest::variable;
using pastetest::variableClash;
using pastetest::wiredNode;

namespace {

QStringList texts(std::initializer_list<int> indexes)
{
    QStringList list;
    for (int index : indexes)
        list << app::text(index);
    return list;
}

// "Heat" at primary address 5, node state 100, identification 101, with
// "Energy" at 200 (scale 201) and "Volume" at 210.
TNodoList heatNetwork()
{
    return {wiredNode("Heat", 5, {variable("Energy", 200, 201), variable("Volume", 210)}, 100, 101)};
}

PasteFields typedRegisters(std::vector<PastedRegisters> registers)
{
    PasteFields fields;
    fields.variables = std::move(registers);
    return fields;
}

PasteFields wiredPaste(const char *primary, std::vector<PastedRegisters> registers, const char *state = "0",
                       const char *ident = "0")
{
    PasteFields fields = typedRegisters(std::move(registers));
    fields.idPrimary = QString::fromLatin1(primary);
    fields.nodeState = QString::fromLatin1(state);
    fields.identNum = QString::fromLatin1(ident);
    return fields;
}

} // namespace

TEST(NetworkClipboard, CopyAndPasteAreRefusedWithoutTheSelectionTheyNeed)
{
    const TNodoList nodes = heatNetwork();
    std::optional<TVariabile> copiedVariable;
    std::optional<TNodo> copiedNode;

    EXPECT_EQ(copyVariable(copiedVariable, nodes, {-1, -1}), app::text(248));
    EXPECT_EQ(copyVariable(copiedVariable, nodes, {1, 0}), app::text(248));
    EXPECT_EQ(copyVariable(copiedVariable, nodes, {0, -1}), app::text(247));
    EXPECT_EQ(copyVariable(copiedVariable, nodes, {0, 2}), app::text(247));
    EXPECT_FALSE(copiedVariable);
    EXPECT_EQ(copyNode(copiedNode, nodes, {-1, -1}, 1), app::text(249));
    EXPECT_EQ(copyNode(copiedNode, nodes, {1, -1}, 1), app::text(250));
    EXPECT_FALSE(copiedNode);

    EXPECT_EQ(pasteVariableRefusal(copiedVariable, nodes, {0, -1}), app::text(251));
    EXPECT_EQ(copyVariable(copiedVariable, nodes, {0, 1}), std::nullopt);
    EXPECT_EQ(copiedVariable, nodes[0].Var_List[1]);
    EXPECT_EQ(pasteVariableRefusal(copiedVariable, nodes, {-1, -1}), app::text(255));
    EXPECT_EQ(pasteVariableRefusal(copiedVariable, nodes, {0, 0}), std::nullopt);

    // With a variable selected, its node is copied.
    EXPECT_EQ(copyNode(copiedNode, nodes, {0, 1}, 1), std::nullopt);
    EXPECT_EQ(copiedNode, clipboardCopyOf(nodes[0], 1));
}

TEST(NetworkClipboard, APasteGivesTheValuesOfTheMomentOfCopying)
{
    TNodoList nodes = heatNetwork();
    std::optional<TNodo> clipboard;
    ASSERT_EQ(copyNode(clipboard, nodes, {0, -1}, 1), std::nullopt);
    const TNodo atCopy = nodes[0];

    nodes[0].Description = "Changed";
    nodes[0].Var_List[0].Description = "Changed too";
    nodes[0].Var_List[0].Storage_Number = 9;
    nodes[0].Var_List.pop_back();
    nodes.clear();

    PasteFields fields;
    proposeNodeFields(fields, *clipboard, pasteFormTypeOf(*clipboard, 1));
    const TNodo pasted = pastedNode(*clipboard, fields, PasteWiredNode);
    EXPECT_EQ(pasted, atCopy) << "the proposal unchanged pastes the node as it was copied";
}

TEST(NetworkClipboard, APastedVariableIsCheckedAsTheVariablePageChecksANewOne)
{
    TNodoList network = heatNetwork();
    TNodoList energyDisabled = network;
    energyDisabled[0].Var_List[0].Enable = false;
    PasteRequest request{1, network, TNodo{}, network[0].Var_List[0], 0};

    struct Case {
        PastedRegisters typed;
        QStringList expected;
        const TNodoList *network = nullptr;
    };
    const Case cases[] = {
        {{"200", "201", "0"}, {variableClash(189, "Heat", "Energy")}},
        {{"200", "201", "0"}, {}, &energyDisabled},
        {{"300", "0", "0"}, {}},
        {{"300", "0", "59995"}, {}},
        {{"300", "0", "59996"}, texts({272})},
        {{"300", "0", "-1"}, texts({272})},
        {{"0", "0", "0"}, texts({270})},
        {{"abc", "0", "0"}, texts({270})},
        {{"60000", "0", "0"}, texts({270})},
        {{"300", "60000", "0"}, texts({271})},
        {{"300", "300", "0"}, texts({221})},
        {{"100", "0", "0"}, {nodeClash(177, "Heat")}},
        {{"300", "210", "0"}, {variableClash(198, "Heat", "Volume")}},
        {{"0x12C", "0", "0"}, {}},
    };
    for (const Case &c : cases) {
        request.network = c.network ? *c.network : network;
        EXPECT_EQ(pasteRefusals(PasteVariable, typedRegisters({c.typed}), request), c.expected)
            << c.typed.modbusRegister.toStdString() << "/" << c.typed.scale.toStdString() << "/"
            << c.typed.timePoint.toStdString();
    }
}

TEST(NetworkClipboard, TheTimePointOfAPastedVariableCountsOnlyWhenItPublishesOne)
{
    TNodoList network = heatNetwork();
    TVariabile clock = variable("Clock", 400);
    clock.Type_Of_Data = TimePointTypeOfData;
    clock.TP_Mod_Regs = true;
    clock.TP_Mod_Year = 500;
    const PasteRequest request{1, network, TNodo{}, clock, 0};

    EXPECT_EQ(pasteRefusals(PasteVariable, typedRegisters({{"300", "0", "298"}}), request), texts({226}));
    EXPECT_EQ(pasteRefusals(PasteVariable, typedRegisters({{"300", "310", "306"}}), request), texts({227}));
    EXPECT_EQ(pasteRefusals(PasteVariable, typedRegisters({{"300", "0", "206"}}), request),
              QStringList{variableClash(207, "Heat", "Volume")});
    EXPECT_EQ(pasteRefusals(PasteVariable, typedRegisters({{"300", "0", "600"}}), request), QStringList{});

    // Without "Time Point" the same year register takes nothing.
    TVariabile plain = clock;
    plain.Type_Of_Data = 0;
    const PasteRequest plainRequest{1, network, TNodo{}, plain, 0};
    EXPECT_EQ(pasteRefusals(PasteVariable, typedRegisters({{"300", "0", "206"}}), plainRequest), QStringList{});

    // 0 means none: the pasted variable publishes no time point.
    EXPECT_EQ(pasteRefusals(PasteVariable, typedRegisters({{"300", "0", "0"}}), request), QStringList{});
    const TVariabile pasted = pastedVariable(clock, {"300", "0", "0"});
    EXPECT_FALSE(pasted.TP_Mod_Regs);
    EXPECT_EQ(pasted.TP_Mod_Year, 0);
}

TEST(NetworkClipboard, APastedNodeIsCheckedAgainstTheNetworkAndItsVariablesAgainstEachOther)
{
    const TNodoList network = heatNetwork();
    const TNodo copy = clipboardCopyOf(network[0], 1);
    const PasteRequest intoNetwork{1, network, copy, TVariabile{}, -1};
    const PasteRequest intoEmpty{1, {}, copy, TVariabile{}, -1};
    const std::vector<PastedRegisters> unchanged{{"200", "201", "0"}, {"210", "0", "0"}};

    // Address and registers in use: every clash is told, the dialog stays.
    EXPECT_EQ(pasteRefusals(PasteWiredNode, wiredPaste("5", unchanged), intoNetwork),
              (QStringList{app::text(240), variableClash(189, "Heat", "Energy"), variableClash(189, "Heat", "Volume")}));
    EXPECT_EQ(pasteRefusals(PasteWiredNode, wiredPaste("6", {{"300", "0", "0"}, {"310", "0", "0"}}), intoNetwork),
              QStringList{});

    // Deleted and pasted back as it was.
    EXPECT_EQ(pasteRefusals(PasteWiredNode, wiredPaste("5", unchanged, "100", "101"), intoEmpty), QStringList{});
    // The pasted variables against each other and against the new node.
    EXPECT_EQ(pasteRefusals(PasteWiredNode, wiredPaste("5", {{"200", "0", "0"}, {"200", "0", "0"}}), intoEmpty),
              QStringList{variableClash(189, "Heat", "Energy")});
    EXPECT_EQ(pasteRefusals(PasteWiredNode, wiredPaste("5", {{"300", "0", "0"}, {"310", "0", "0"}}, "310"), intoEmpty),
              QStringList{nodeClash(177, "Heat")});

    // A bad value ends the checks at once, after what was told before it.
    EXPECT_EQ(pasteRefusals(PasteWiredNode, wiredPaste("5", {{"200", "201", "0"}, {"0", "0", "0"}}), intoNetwork),
              (QStringList{app::text(240), variableClash(189, "Heat", "Energy"), app::text(270)}));
}

TEST(NetworkClipboard, TheAddressAndNodeRegistersOfAPastedWiredNode)
{
    const TNodoList network = heatNetwork();
    const TNodo bare = wiredNode("Bare", 9, {});
    const PasteRequest request{1, network, bare, TVariabile{}, -1};

    struct Case {
        bool secondary;
        const char *address;
        const char *state;
        const char *ident;
        QStringList expected;
    };
    const Case cases[] = {
        {false, "5", "0", "0", texts({240})}, // no variables: only the address
        {false, "6", "0", "0", {}},
        {false, "256", "0", "0", texts({268})},
        {false, "x", "0", "0", texts({268})},
        {true, "99999999", "0", "0", {}},
        {true, "100000000", "0", "0", texts({269})},
        {true, "5", "0", "0", {}}, // secondary 5 is not primary 5
        {false, "6", "abc", "0", texts({231})},
        {false, "6", "0", "60000", texts({232})},
        {false, "6", "7", "7", texts({233})},
        {false, "5", "7", "7", texts({240, 233})},
    };
    for (const Case &c : cases) {
        PasteFields fields = wiredPaste(c.address, {}, c.state, c.ident);
        fields.secondary = c.secondary;
        fields.idSecondary = fields.idPrimary;
        EXPECT_EQ(pasteRefusals(PasteWiredNode, fields, request), c.expected) << c.address << " " << c.state;
    }
}

TEST(NetworkClipboard, APastedNodeTakesTheDialogsValuesAndKeepsEverythingElse)
{
    TNodo copy = wiredNode("Water", 3, {variable("Volume", 20, 21), variable("Flow", 30)}, 10, 11);
    copy.Node_Sec = 12345678;
    copy.Access_Number = 40;
    copy.Cut_After = 4;
    copy.Var_List[1].Storage_Number = 7;

    PasteFields fields;
    proposeNodeFields(fields, copy, PasteWiredNode);
    EXPECT_FALSE(fields.secondary);
    EXPECT_EQ(fields.idPrimary, "3");
    EXPECT_EQ(fields.idSecondary, "12345678");
    EXPECT_EQ(fields.nodeState, "10");
    EXPECT_EQ(fields.identNum, "11");
    EXPECT_EQ(fields.variables, (std::vector<PastedRegisters>{{"20", "21", "0"}, {"30", "0", "0"}}));

    fields.secondary = true;
    fields.idSecondary = "0x10";
    fields.idPrimary = "not a number"; // not checked: the copy's stays
    fields.nodeState = "50";
    fields.identNum = "51";
    fields.variables = {{"60", "61", "0"}, {"70", "0", "0"}};
    TNodo expected = copy;
    expected.Node_ID_Type = 1;
    expected.Node_Sec = 16;
    expected.Node_State = 50;
    expected.Ident_Num = 51;
    expected.Var_List[0].Modbus_Register = 60;
    expected.Var_List[0].Modbus_Scale = 61;
    expected.Var_List[1].Modbus_Register = 70;
    EXPECT_EQ(pastedNode(copy, fields, PasteWiredNode), expected);
}

TEST(NetworkClipboard, WirelessNodesPasteWithTheirAddressAndRssiOnTheWirelessTypes)
{
    TNodo wireless = wiredNode("Radio", 1, {variable("Energy", 20)}, 51, 52);
    wireless.MBus_Type = 0;
    wireless.wMBus_ManID = "0x2C2D";
    wireless.wMBus_Add = "0x12345678";
    wireless.wMBus_Ver = "1";
    wireless.wMBus_DevType = "7";
    wireless.RSSI = 50;
    wireless.Node_ID_Type = 1;
    wireless.Node_Sec = 777;
    for (int type : {6, 7, 1007})
        EXPECT_EQ(pasteFormTypeOf(clipboardCopyOf(wireless, type), type), PasteWirelessNode) << type;
    for (int type : {1, 2, 3, 4, 5, 1001})
        EXPECT_EQ(pasteFormTypeOf(clipboardCopyOf(wireless, type), type), PasteWiredNode) << type;

    const TNodo copy = clipboardCopyOf(wireless, 6);
    PasteFields fields;
    proposeNodeFields(fields, copy, PasteWirelessNode);
    EXPECT_EQ(fields.wAddress, "0x12345678");
    EXPECT_EQ(fields.rssi, "50");
    EXPECT_EQ(fields.nodeState, "51");

    // Pasted beside the node it was copied from, whose registers it proposes.
    TNodo original = copy;
    original.Description = "Beside";
    const PasteRequest request{6, {original}, copy, TVariabile{}, -1};
    fields.variables = {{"30", "0", "0"}};
    EXPECT_EQ(pasteRefusals(PasteWirelessNode, fields, request), QStringList{nodeClash(177, "Beside")});
    fields.nodeState = "61";
    fields.identNum = "52";
    EXPECT_EQ(pasteRefusals(PasteWirelessNode, fields, request), QStringList{nodeClash(179, "Beside")});
    fields.identNum = "62";
    EXPECT_EQ(pasteRefusals(PasteWirelessNode, fields, request), QStringList{nodeClash(370, "Beside")});
    fields.rssi = "63";
    for (auto [address, expected] : {std::pair{"0xFFFFFFFF", QStringList{}}, {"0x100000000", texts({343})},
                                     {"-1", texts({343})}, {"12", QStringList{}}}) {
        fields.wAddress = QString::fromLatin1(address);
        EXPECT_EQ(pasteRefusals(PasteWirelessNode, fields, request), expected) << address;
    }
    fields.rssi = "62";
    EXPECT_EQ(pasteRefusals(PasteWirelessNode, fields, request), texts({368}));
    fields.rssi = "30";
    EXPECT_EQ(pasteRefusals(PasteWirelessNode, fields, request), QStringList{nodeClash(370, "Radio")})
        << "a pasted variable on the new node's RSSI register";
    fields.rssi = "20";
    EXPECT_EQ(pasteRefusals(PasteWirelessNode, fields, request),
              QStringList{variableClash(189, "Beside", "Energy")})
        << "the new node's RSSI register on a variable of the network";

    // The hidden address edits and radio buttons take no part.
    fields.rssi = "60";
    fields.secondary = false;
    fields.idPrimary = "200";
    const TNodo pasted = pastedNode(copy, fields, PasteWirelessNode);
    EXPECT_EQ(pasted.wMBus_Add, "12");
    EXPECT_EQ(pasted.RSSI, 60);
    EXPECT_EQ(pasted.Node_ID_Type, 1);
    EXPECT_EQ(pasted.Node_Pri, 1);
    EXPECT_EQ(pasted.Node_Sec, 777);

    // A wired node on a wireless type keeps its own wireless values.
    TNodo wired = copy;
    wired.MBus_Type = 1;
    const TNodo pastedWired = pastedNode(wired, fields, PasteWiredNode);
    EXPECT_EQ(pastedWired.RSSI, 50);
    EXPECT_EQ(pastedWired.wMBus_Add, "0x12345678");
}

TEST(NetworkClipboard, APastedWirelessNodeMustFitWhatTheCompilerWrites)
{
    // The dialog edits the address and registers only; what the copy brought
    // from its file must still fit the converter's fields, with the node
    // page's texts.
    TNodo radio = wiredNode("Radio", 1, {variable("Energy", 20)});
    radio.MBus_Type = 0;
    radio.wMBus_ManID = "0xFFFF";
    radio.wMBus_Add = "1";
    radio.wMBus_Ver = "0xFF";
    radio.wMBus_DevType = "255";
    radio.wMBus_En_Key = 1;
    radio.wMBus_Key.fill("0xFF");
    PasteFields fields;
    proposeNodeFields(fields, radio, PasteWirelessNode);
    fields.variables = {{"30", "0", "0"}};

    struct Case {
        const char *name;
        void (*edit)(TNodo &);
        QStringList expected;
    };
    const Case cases[] = {
        {"every field at its top", [](TNodo &) {}, {}},
        {"manufacturer above 16 bits", [](TNodo &n) { n.wMBus_ManID = "0x10000"; }, texts({322})},
        {"version above a byte", [](TNodo &n) { n.wMBus_Ver = "256"; }, texts({324})},
        {"device type not a number", [](TNodo &n) { n.wMBus_DevType = "x"; }, texts({325})},
        {"key byte 5 above a byte", [](TNodo &n) { n.wMBus_Key[4] = "0x100"; }, texts({330})},
        {"a key that is not used", [](TNodo &n) {
             n.wMBus_En_Key = 0;
             n.wMBus_Key[4] = "0x100";
         },
         {}},
    };
    for (const Case &c : cases) {
        TNodo copy = radio;
        c.edit(copy);
        const PasteRequest request{7, {}, copy, TVariabile{}, -1};
        EXPECT_EQ(pasteRefusals(PasteWirelessNode, fields, request), c.expected) << c.name;
    }
}
