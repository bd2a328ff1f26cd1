#include "app/ConverterType.h"
#include "app/Language.h"
#include "project/NetworkChecks.h"
#include "support/NetworkFixtures.h"
#include "support/TestSupport.h"

#include <functional>
#include <gtest/gtest.h>

using namespace project;
using nettest::timePoint;
using nettest::variable;
using nettest::wiredNode;
using nettest::wirelessNode;

namespace {

class NetworkChecksTest : public ::testing::Test {
protected:
    void SetUp() override { app::languageTable().Load_Default_Texts(); }
};

QString nodeClash(const QString &node, const QString &what)
{
    return QStringLiteral("Error!! %1 already use in the Node \"%2\" (%3)").arg(what.section('|', 0, 0), node,
                                                                                what.section('|', 1, 1));
}

QString variableClash(const QString &mine, const QString &node, const QString &var, const QString &theirs)
{
    return QStringLiteral("Error!! %1 already use in the Node \"%2\", Variable \"%3\" (%4)").arg(mine, node, var, theirs);
}

// ------------------------------------------------------------- register use

TEST_F(NetworkChecksTest, ValueRegisterCountFollowsWhatTheConverterPublishes)
{
    struct Case {
        int dimension;
        bool convFloat;
        bool forceInt32;
        int length;
        int registers;
    };
    const Case cases[] = {
        {0, false, false, 0, 1},  // 8 bits
        {1, false, false, 0, 1},  // 16 bits
        {2, false, false, 0, 2},  // 32 bits
        {3, false, false, 0, 4},  // 64 bits
        {4, false, false, 0, 2},  // 24 bits
        {5, false, false, 0, 3},  // 48 bits
        {6, false, false, 0, 2},  // 32-bit real
        {7, false, false, 5, 3},  // variable length: half the bytes, rounded up
        {7, false, false, 6, 3},
        {7, false, false, 0, 1},  // no bytes: the register itself still counts
        {0, true, false, 0, 2},   // float
        {3, false, true, 0, 2},   // forced 32-bit integer wins over 64 bits
        {99, false, false, 0, 1}, // unknown dimension from a file
    };
    for (const Case &c : cases) {
        TVariabile v;
        v.Dimension = c.dimension;
        v.Conv_Float = c.convFloat;
        v.Force_Int32 = c.forceInt32;
        v.Length = c.length;
        EXPECT_EQ(valueRegisterCount(v), c.registers) << "dimension " << c.dimension << " length " << c.length;
    }
}

// A network where every kind of register is taken once.
TNodoList registerNetwork()
{
    TNodo heat = wiredNode("Heat", 1, 10, 11);
    TVariabile energy = variable("Energy", 100, 110);
    energy.Dimension = 2; // 32 bits: 100 and 101
    heat.Var_List.push_back(energy);
    heat.Var_List.push_back(variable("Volume", 120));
    heat.Var_List.push_back(timePoint("Date", 130, 200)); // 200 to 205
    TVariabile off = variable("Off", 140);
    off.Enable = false;
    heat.Var_List.push_back(off);

    TNodo radio = wirelessNode("Radio", "0x12345678", 22);
    radio.Node_State = 20;
    radio.Ident_Num = 21;
    TVariabile flow = variable("Flow", 300);
    flow.Dimension = 3; // 64 bits: 300 to 303
    radio.Var_List.push_back(flow);

    TNodo spare = wiredNode("Spare", 2, 50, 51);
    spare.Enable = 0;
    spare.Var_List.push_back(variable("Unused", 500));
    return {heat, radio, spare};
}

TEST_F(NetworkChecksTest, RegisterClashesNameTheFirstRegisterInUse)
{
    struct Case {
        const char *name;
        RegisterClaim claim;
        NetworkSelection excluded;
        QString expected; // empty: no clash
    };
    const QString reg = QStringLiteral("ModBus Register");
    const QString scale = QStringLiteral("ModBus Register Scale");
    const QString tp = QStringLiteral("Time Point Registers");
    const Case cases[] = {
        // The nodes' own registers.
        {"N1 node state", {10, 1, 0, 0}, {}, nodeClash("Heat", "ModBus Register|Node State")},
        {"N2 identification", {11, 1, 0, 0}, {}, nodeClash("Heat", "ModBus Register|Identification Number")},
        {"N3 RSSI of a wireless node", {22, 1, 0, 0}, {}, nodeClash("Radio", "ModBus Register|RSSI")},
        {"N4 scale on node state", {1000, 1, 10, 0}, {}, nodeClash("Heat", "ModBus Register Scale|Node State")},
        {"N5 scale on identification", {1000, 1, 21, 0}, {},
         nodeClash("Radio", "ModBus Register Scale|Identification Number")},
        {"N6 scale on RSSI", {1000, 1, 22, 0}, {}, nodeClash("Radio", "ModBus Register Scale|RSSI")},
        {"N7 time point over node state", {1000, 1, 0, 6}, {}, nodeClash("Heat", "Time Point Registers|Node State")},
        {"N8 time point over identification", {1000, 1, 0, 11}, {},
         nodeClash("Heat", "Time Point Registers|Identification Number")},
        {"N9 time point over RSSI", {1000, 1, 0, 22}, {}, nodeClash("Radio", "Time Point Registers|RSSI")},
        // The variables' registers.
        {"V1 value register", {100, 1, 0, 0}, {}, variableClash(reg, "Heat", "Energy", "Modbus Register")},
        {"V1 second register of a 32-bit value", {101, 1, 0, 0}, {},
         variableClash(reg, "Heat", "Energy", "Modbus Register")},
        {"V1 a new 32-bit value reaching into one", {99, 2, 0, 0}, {},
         variableClash(reg, "Heat", "Energy", "Modbus Register")},
        {"V1 last register of a 64-bit value", {303, 1, 0, 0}, {},
         variableClash(reg, "Radio", "Flow", "Modbus Register")},
        {"V2 on a scale", {110, 1, 0, 0}, {}, variableClash(reg, "Heat", "Energy", "Modbus Register Scale")},
        {"V3 last time point register", {205, 1, 0, 0}, {}, variableClash(reg, "Heat", "Date", "Time Point")},
        {"V4 scale on a value", {1000, 1, 120, 0}, {}, variableClash(scale, "Heat", "Volume", "Modbus Register")},
        {"V5 scale on a scale", {1000, 1, 110, 0}, {},
         variableClash(scale, "Heat", "Energy", "Modbus Register Scale")},
        {"V6 scale on the sixth time point register", {1000, 1, 205, 0}, {},
         variableClash(scale, "Heat", "Date", "Time Point")},
        {"V7 time point over a value", {1000, 1, 0, 96}, {}, variableClash(tp, "Heat", "Energy", "Modbus Register")},
        {"V7 sixth register on a value", {1000, 1, 0, 95}, {},
         variableClash(tp, "Heat", "Energy", "Modbus Register")},
        {"V8 time point over a scale", {1000, 1, 0, 105}, {},
         variableClash(tp, "Heat", "Energy", "Modbus Register Scale")},
        {"time points overlapping", {1000, 1, 0, 195}, {}, variableClash(tp, "Heat", "Date", "Time Point")},
        // Free registers.
        {"just after a time point", {206, 1, 0, 0}, {}, {}},
        {"just after a 64-bit value", {304, 1, 304 + 1, 0}, {}, {}},
        {"time point between the values", {1000, 1, 0, 140}, {}, {}},
        {"disabled variable", {140, 1, 0, 0}, {}, {}},
        {"disabled node and its variables", {500, 1, 50, 0}, {}, {}},
        {"the variable being modified", {100, 2, 110, 0}, {0, 0}, {}},
        // A node's registers are told before its variables'.
        {"node before variables", {10, 1, 110, 0}, {}, nodeClash("Heat", "ModBus Register|Node State")},
    };
    const TNodoList network = registerNetwork();
    for (const Case &c : cases) {
        const auto clash = Check_Registers(network, c.claim, c.excluded);
        EXPECT_EQ(clash.value_or(QString()), c.expected) << c.name;
    }
}

TEST_F(NetworkChecksTest, NodeRegistersClashWithEveryRegisterOfTheNetwork)
{
    struct Case {
        const char *name;
        NodeRegisters registers; // node state, identification, RSSI
        std::optional<int> ownNode;
        QString expected; // empty: no clash
    };
    const QString reg = QStringLiteral("ModBus Register");
    const Case cases[] = {
        {"on another node's state", {10, 0, 0}, {}, nodeClash("Heat", "ModBus Register|Node State")},
        {"on another node's identification", {0, 21, 0}, {},
         nodeClash("Radio", "ModBus Register|Identification Number")},
        {"on a wireless node's RSSI", {0, 0, 22}, {}, nodeClash("Radio", "ModBus Register|RSSI")},
        {"on a value", {100, 0, 0}, {}, variableClash(reg, "Heat", "Energy", "Modbus Register")},
        {"on the second register of a 32-bit value", {0, 101, 0}, {},
         variableClash(reg, "Heat", "Energy", "Modbus Register")},
        {"RSSI on a scale", {0, 0, 110}, {}, variableClash(reg, "Heat", "Energy", "Modbus Register Scale")},
        {"inside a time point", {203, 0, 0}, {}, variableClash(reg, "Heat", "Date", "Time Point")},
        {"RSSI on the last register of a 64-bit value", {0, 0, 303}, {},
         variableClash(reg, "Radio", "Flow", "Modbus Register")},
        {"free registers", {1000, 1001, 1002}, {}, {}},
        {"none", {0, 0, 0}, {}, {}},
        {"a disabled node's registers and variables", {50, 500, 0}, {}, {}},
        {"a disabled variable", {140, 0, 0}, {}, {}},
        {"modifying a node keeps its registers", {20, 21, 22}, 1, {}},
        {"modifying a node onto its own variable", {300, 21, 22}, 1,
         variableClash(reg, "Radio", "Flow", "Modbus Register")},
        {"modifying a node onto another's RSSI", {10, 11, 22}, 0, nodeClash("Radio", "ModBus Register|RSSI")},
    };
    const TNodoList network = registerNetwork();
    for (const Case &c : cases) {
        const auto clash = Check_Node_Registers(network, c.registers, c.ownNode);
        EXPECT_EQ(clash.value_or(QString()), c.expected) << c.name;
    }
}

TEST_F(NetworkChecksTest, NodeRegistersOfZeroAreNone)
{
    TNodoList network{wiredNode("Zero", 1, 0, 0)};
    EXPECT_FALSE(Check_Registers(network, {1, 1, 0, 0}));
    EXPECT_FALSE(Check_Registers(network, {0, 1, 0, 0}));
}

TEST_F(NetworkChecksTest, ClashesQuoteHugeDescriptionsShort)
{
    const QString huge = testsupport::longValue();
    const QString cut = QString(60, u'x') + u'…';
    TNodo node = wiredNode(huge, 1, 10);
    node.Var_List.push_back(variable(huge, 100));
    const TNodoList network{node};
    EXPECT_EQ(Check_Registers(network, {10, 1, 0, 0}).value_or(QString()),
              nodeClash(cut, "ModBus Register|Node State"));
    EXPECT_EQ(Check_Registers(network, {100, 1, 0, 0}).value_or(QString()),
              variableClash("ModBus Register", cut, cut, "Modbus Register"));
}

// ------------------------------------------------------------- addresses

TEST_F(NetworkChecksTest, AddressInUse)
{
    TNodo secondary = wiredNode("Sec", 1);
    secondary.Node_ID_Type = 1;
    secondary.Node_Sec = 12345678;
    TNodo radio = wirelessNode("Radio", "1"); // Node_Pri 1, no M-Bus address
    const TNodoList network{wiredNode("A", 5), secondary, radio};

    struct Case {
        const char *name;
        int type;
        int id;
        int kind;
        int selected;
        std::optional<int> modified;
        int expectedText; // 0: free
    };
    const Case cases[] = {
        {"primary in use", 1, 5, 0, -1, std::nullopt, 242},
        {"the same number as a secondary address", 1, 5, 1, -1, std::nullopt, 0},
        {"secondary in use", 1, 12345678, 1, -1, std::nullopt, 242},
        {"modifying the node keeps its address", 1, 5, 0, 0, 0, 0},
        {"modifying another node onto it", 1, 5, 0, 1, 1, 242},
        {"adding while a variable of that node is selected", 1, 5, 0, 0, std::nullopt, 241},
        {"wireless nodes have no M-Bus address", 6, 1, 0, -1, std::nullopt, 0},
        {"a wired type reads every node as wired", 1, 1, 0, -1, std::nullopt, 242},
    };
    for (const Case &c : cases) {
        NodeCheckContext context;
        context.converterType = c.type;
        context.selectedNode = c.selected;
        context.modifiedNode = c.modified;
        const auto inUse = Check_Node_ID(network, c.id, c.kind, context);
        EXPECT_EQ(inUse.value_or(QString()), c.expectedText ? app::text(c.expectedText) : QString()) << c.name;
    }

    EXPECT_EQ(Check_Node_ID2(network, 5, 0, 1).value_or(QString()), QStringLiteral("Error!! ID Node is already used"));
    EXPECT_FALSE(Check_Node_ID2(network, 6, 0, 1));
    EXPECT_FALSE(Check_Node_ID2(network, 1, 0, 7));
}

// ------------------------------------------------------------- node fields

NodeFields plainNode()
{
    NodeFields f;
    f.idPrimary = "7";
    f.nodeState = "0";
    f.identNum = "0";
    f.manufacturerSpecific = "0";
    f.accessNumber = "0";
    return f;
}

NodeFields wirelessFields()
{
    NodeFields f = plainNode();
    f.mbusType = 0;
    f.wManId = "0x2C2D";
    f.wAddress = "0x12345678";
    f.wVersion = "1";
    f.wDevType = "7";
    f.wNodeState = "0";
    f.wIdentNum = "0";
    f.wRssi = "0";
    f.wAccessNumber = "0";
    return f;
}

TEST_F(NetworkChecksTest, NodeFieldRefusalsInOrder)
{
    const TNodoList network{wiredNode("A", 5)};
    struct Case {
        const char *name;
        int type;
        bool extended; // manufacturer specific data and access number on the page
        std::function<void(NodeFields &)> edit;
        QStringList expected;
    };
    auto texts = [](std::initializer_list<int> indexes) {
        QStringList list;
        for (int i : indexes)
            list << app::text(i);
        return list;
    };
    const std::vector<Case> cases = {
        {"defaults of a wired node pass", 1, true, [](NodeFields &) {}, {}},
        {"primary 256", 1, false, [](NodeFields &f) { f.idPrimary = "256"; }, texts({229})},
        {"primary not a number", 1, false, [](NodeFields &f) { f.idPrimary = "five"; }, texts({229})},
        {"primary in hexadecimal", 1, false, [](NodeFields &f) { f.idPrimary = "0xFF"; }, {}},
        {"secondary too long", 1, false,
         [](NodeFields &f) {
             f.secondary = true;
             f.idSecondary = "100000000";
         },
         texts({230})},
        {"the other address is not checked", 1, false, [](NodeFields &f) { f.idSecondary = "x"; }, {}},
        {"address in use goes on to the next check", 1, false,
         [](NodeFields &f) {
             f.idPrimary = "5";
             f.nodeState = "60000";
         },
         texts({242, 231})},
        {"identification out of range", 1, false, [](NodeFields &f) { f.identNum = "-1"; }, texts({232})},
        {"node state and identification the same", 1, false,
         [](NodeFields &f) { f.nodeState = f.identNum = "7"; }, texts({233})},
        {"manufacturer data hidden: not checked", 1, false, [](NodeFields &f) { f.manufacturerSpecific = "x"; }, {}},
        {"manufacturer data out of range", 1, true, [](NodeFields &f) { f.manufacturerSpecific = "60000"; },
         texts({234})},
        {"manufacturer data on identification", 1, true,
         [](NodeFields &f) { f.manufacturerSpecific = f.identNum = "9"; }, texts({235})},
        {"manufacturer data on node state", 1, true,
         [](NodeFields &f) { f.manufacturerSpecific = f.nodeState = "9"; }, texts({236})},
        {"no manufacturer data: length and offset not checked", 1, true,
         [](NodeFields &f) { f.msdLength = f.msdOffset = "x"; }, {}},
        {"manufacturer data length 0", 1, true,
         [](NodeFields &f) {
             f.manufacturerSpecific = "10";
             f.msdLength = "0";
         },
         texts({237})},
        {"manufacturer data offset 241", 1, true,
         [](NodeFields &f) {
             f.manufacturerSpecific = "10";
             f.msdOffset = "241";
         },
         texts({238})},
        {"length plus offset 242", 1, true,
         [](NodeFields &f) {
             f.manufacturerSpecific = "10";
             f.msdLength = "200";
             f.msdOffset = "42";
         },
         texts({239})},
        {"length plus offset 241", 1, true,
         [](NodeFields &f) {
             f.manufacturerSpecific = "10";
             f.msdLength = "200";
             f.msdOffset = "41";
         },
         {}},
        {"access number out of range", 1, true, [](NodeFields &f) { f.accessNumber = "60000"; }, texts({384})},
        {"access number on identification", 1, true, [](NodeFields &f) { f.accessNumber = f.identNum = "8"; },
         texts({385})},
        {"access number on node state", 1, true, [](NodeFields &f) { f.accessNumber = f.nodeState = "8"; },
         texts({386})},
        {"access number on manufacturer data", 1, true,
         [](NodeFields &f) { f.accessNumber = f.manufacturerSpecific = "8"; }, texts({387})},
        {"a wired node of a wireless type", 6, true, [](NodeFields &f) { f.mbusType = 1; }, {}},
    };
    for (const Case &c : cases) {
        NodeFields fields = plainNode();
        if (app::isWirelessType(c.type))
            fields.mbusType = 1;
        c.edit(fields);
        NodeCheckContext context;
        context.converterType = c.type;
        context.manufacturerSpecificShown = c.extended;
        context.accessNumberShown = c.extended;
        EXPECT_EQ(nodeFieldRefusals(fields, network, context), c.expected) << c.name;
    }
}

TEST_F(NetworkChecksTest, WirelessNodeFieldRefusalsInOrder)
{
    struct Case {
        const char *name;
        std::function<void(NodeFields &)> edit;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"a valid wireless node", [](NodeFields &) {}, {}},
        {"manufacturer 0x10000", [](NodeFields &f) { f.wManId = "0x10000"; },
         "Error!! Manufacturer Id must be between 0x0000 and 0xFFFF"},
        {"address 0xFFFFFFFF", [](NodeFields &f) { f.wAddress = "0xFFFFFFFF"; }, {}},
        {"address 4294967295", [](NodeFields &f) { f.wAddress = "4294967295"; }, {}},
        {"address above 0xFFFFFFFF", [](NodeFields &f) { f.wAddress = "0x100000000"; },
         "Error!! Address must be between 0x00000000 and 0xFFFFFF"},
        {"version 256", [](NodeFields &f) { f.wVersion = "256"; }, "Error!! Version must be between 0x00 and 0xFF"},
        {"device type empty", [](NodeFields &f) { f.wDevType = ""; },
         "Error!! Device Type must be between 0x00 and 0xFF"},
        {"key byte 256 while the key is off", [](NodeFields &f) { f.wKey[2] = "256"; }, {}},
        {"key byte 3 of 256", [](NodeFields &f) {
             f.wKeyEnable = true;
             f.wKey.fill("0xFF");
             f.wKey[2] = "256";
         },
         "Error!! Key (Byte 3) must be between 0x00 and 0xFF"},
        {"key byte 16 empty", [](NodeFields &f) {
             f.wKeyEnable = true;
             f.wKey.fill("1");
             f.wKey[15] = "";
         },
         "Error!! Key (Byte 16) must be between 0x00 and 0xFF"},
        {"node state", [](NodeFields &f) { f.wNodeState = "60000"; },
         "Error!! Modbus Node State must be between 0 and 59999"},
        {"identification", [](NodeFields &f) { f.wIdentNum = "x"; },
         "Error!! Modbus Identification Number must be between 0 and 59999"},
        {"RSSI", [](NodeFields &f) { f.wRssi = "-1"; }, "Error!! Modbus RSSI must be between 0 and 59999"},
        {"access number", [](NodeFields &f) { f.wAccessNumber = "60000"; },
         "Error!! Modbus Access Number must be between 0 and 59999"},
        {"identification and node state", [](NodeFields &f) { f.wIdentNum = f.wNodeState = "3"; },
         "Error!! Node State Register must be different from the Identification Number Register"},
        {"identification and RSSI", [](NodeFields &f) { f.wIdentNum = f.wRssi = "3"; },
         "Error!! RSSI Register must be different from the Identification Number Register"},
        {"identification and access number", [](NodeFields &f) { f.wIdentNum = f.wAccessNumber = "3"; },
         "Error!! Access Number Register must be different from the Identification Number Register"},
        {"node state and RSSI", [](NodeFields &f) { f.wNodeState = f.wRssi = "3"; },
         "Error!! RSSI Register must be different from the Node State Register"},
        {"node state and access number", [](NodeFields &f) { f.wNodeState = f.wAccessNumber = "3"; },
         "Error!! Access Number Register must be different from the Node State Register"},
        {"RSSI and access number", [](NodeFields &f) { f.wRssi = f.wAccessNumber = "3"; },
         "Error!! Access Number Register must be different from the RSSI Register"},
        {"the page's own access number is not the panel's", [](NodeFields &f) { f.accessNumber = "x"; }, {}},
        {"the wired address is not checked", [](NodeFields &f) { f.idPrimary = "x"; }, {}},
        {"manufacturer data under the panel", [](NodeFields &f) { f.manufacturerSpecific = f.wIdentNum = "4"; },
         "Error!! Manufacturer Specific Data must be different from the Identification Number Register"},
    };
    // A wired node at the wireless node's nominal address 1 is no clash.
    const TNodoList network{wiredNode("A", 1)};
    for (const Case &c : cases) {
        NodeFields fields = wirelessFields();
        c.edit(fields);
        NodeCheckContext context;
        context.converterType = 7;
        context.manufacturerSpecificShown = true;
        const QStringList refusals = nodeFieldRefusals(fields, network, context);
        EXPECT_EQ(refusals, c.expected.isEmpty() ? QStringList{} : QStringList{c.expected}) << c.name;
    }
}

TEST_F(NetworkChecksTest, NodeFieldRefusalsEndWithTheRegisterClash)
{
    const TNodoList network = registerNetwork();
    NodeCheckContext wireless;
    wireless.converterType = 7;
    NodeFields radio = wirelessFields();
    radio.wRssi = "120";
    EXPECT_EQ(nodeFieldRefusals(radio, network, wireless),
              QStringList{variableClash("ModBus Register", "Heat", "Volume", "Modbus Register")});
    // The node being modified passes over its own registers only.
    wireless.modifiedNode = 1;
    radio.wNodeState = "20";
    radio.wRssi = "22";
    EXPECT_EQ(nodeFieldRefusals(radio, network, wireless), QStringList{});
    radio.wIdentNum = "301";
    EXPECT_EQ(nodeFieldRefusals(radio, network, wireless),
              QStringList{variableClash("ModBus Register", "Radio", "Flow", "Modbus Register")});

    // Wired nodes too, after the address in use.
    NodeFields wired = plainNode();
    wired.idPrimary = "1";
    wired.nodeState = "22";
    NodeCheckContext plain;
    plain.converterType = 1;
    EXPECT_EQ(nodeFieldRefusals(wired, network, plain),
              (QStringList{app::text(242), nodeClash("Radio", "ModBus Register|RSSI")}));
}

// ------------------------------------------------------------- variable fields

VariableFields plainVariable()
{
    VariableFields f = defaultVariableFields();
    f.modbusRegister = "100";
    f.modbusScale = "0";
    return f;
}

TEST_F(NetworkChecksTest, VariableFieldRefusalsInOrder)
{
    struct Case {
        const char *name;
        bool byPosition;
        std::function<void(VariableFields &)> edit;
        QString expected;
    };
    auto timePointAt = [](VariableFields &f, const char *year) {
        f.typeOfData = 20;
        f.timePointRegisters = true;
        f.timePointYear = year;
    };
    const std::vector<Case> cases = {
        {"a plain variable", false, [](VariableFields &) {}, {}},
        {"register empty", false, [](VariableFields &f) { f.modbusRegister = ""; },
         "Error!! ModBus Register must be between 1 and 59999"},
        {"register 0", false, [](VariableFields &f) { f.modbusRegister = "0"; },
         "Error!! ModBus Register must be between 1 and 59999"},
        {"register 60000", false, [](VariableFields &f) { f.modbusRegister = "60000"; },
         "Error!! ModBus Register must be between 1 and 59999"},
        {"scale empty", false, [](VariableFields &f) { f.modbusScale = ""; },
         "Error!! ModBus Register Scale must be between 0 and 59999"},
        {"register and scale 100", false, [](VariableFields &f) { f.modbusScale = "100"; },
         "Error!! ModBus Register and ModBus Register Scale must be different"},
        {"scale on the second register of a 32-bit value", false,
         [](VariableFields &f) {
             f.dimension = 2;
             f.modbusScale = "101";
         },
         "Error!! ModBus Register and ModBus Register Scale must be different"},
        {"scale just after a 16-bit value", false, [](VariableFields &f) { f.modbusScale = "101"; }, {}},
        {"storage number 4294967295", false, [](VariableFields &f) { f.storageNumber = "4294967295"; }, {}},
        {"storage number 0xFFFFFFFF", false, [](VariableFields &f) { f.storageNumber = "0xFFFFFFFF"; }, {}},
        {"storage number 4294967296", false, [](VariableFields &f) { f.storageNumber = "4294967296"; },
         "Error!! Storage Number must be between 0x00000000 and 0xFFFFFFFF"},
        {"storage number -1", false, [](VariableFields &f) { f.storageNumber = "-1"; },
         "Error!! Storage Number must be between 0x00000000 and 0xFFFFFFFF"},
        {"tariff 0xFFFFF", false, [](VariableFields &f) { f.tariff = "0xFFFFF"; }, {}},
        {"tariff 0x100000", false, [](VariableFields &f) { f.tariff = "0x100000"; },
         "Error!! Tariff must be between 0x00000 and 0xFFFFF"},
        {"length 192 for variable length", false,
         [](VariableFields &f) {
             f.dimension = 7;
             f.length = "192";
         },
         "Error!! Length (Variable Len) must be between 0 and 191"},
        {"length of a fixed size is not checked", false, [](VariableFields &f) { f.length = "x"; }, {}},
        {"time point year 0", false, [&](VariableFields &f) { timePointAt(f, "0"); },
         "Error!! Year Time Point Register must be between 1 and 59995"},
        {"time point year 59996", false, [&](VariableFields &f) { timePointAt(f, "59996"); },
         "Error!! Year Time Point Register must be between 1 and 59995"},
        {"register inside the time point", false,
         [&](VariableFields &f) {
             timePointAt(f, "100");
             f.modbusRegister = "105";
         },
         "Error!! ModBus Register and Time Point Registers must be different"},
        {"register after the time point", false,
         [&](VariableFields &f) {
             timePointAt(f, "100");
             f.modbusRegister = "106";
         },
         {}},
        {"32-bit value reaching into the time point", false,
         [&](VariableFields &f) {
             timePointAt(f, "100");
             f.dimension = 2;
             f.modbusRegister = "99";
         },
         "Error!! ModBus Register and Time Point Registers must be different"},
        {"scale inside the time point", false,
         [&](VariableFields &f) {
             timePointAt(f, "200");
             f.modbusScale = "205";
         },
         "Error!! ModBus Register Scale and Time Point Registers must be different"},
        {"six registers without a time point", false,
         [](VariableFields &f) {
             f.timePointRegisters = true;
             f.timePointYear = "0";
         },
         {}},
        {"time point chosen but not on six registers", false,
         [](VariableFields &f) {
             f.typeOfData = 20;
             f.timePointYear = "0";
         },
         {}},
        {"six registers on a node read by position", true,
         [](VariableFields &f) {
             f.timePointRegisters = true;
             f.timePointYear = "0";
         },
         "Error!! Year Time Point Register must be between 1 and 59995"},
        {"position 0", false, [](VariableFields &f) { f.position = "0"; },
         "Error!! Variable position must be between 1 and 512"},
        {"position 513 by position", true, [](VariableFields &f) { f.position = "513"; },
         "Error!! Variable position must be between 1 and 512"},
        {"position 512", true, [](VariableFields &f) { f.position = "512"; }, {}},
    };
    for (const Case &c : cases) {
        VariableFields fields = plainVariable();
        c.edit(fields);
        EXPECT_EQ(variableFieldRefusal(fields, {}, c.byPosition).value_or(QString()), c.expected) << c.name;
    }
}

TEST_F(NetworkChecksTest, VariableRefusalEndsWithTheClashCheck)
{
    TNodo node = wiredNode("Heat", 1, 100, 0);
    node.Var_List.push_back(variable("Energy", 200));
    TNodo off = wiredNode("Off", 2, 300, 0);
    off.Enable = 0;
    const TNodoList network{node, off};

    VariableFields fields = plainVariable();
    fields.modbusRegister = "100";
    EXPECT_EQ(variableFieldRefusal(fields, network, false).value_or(QString()),
              nodeClash("Heat", "ModBus Register|Node State"));
    fields.modbusRegister = "300"; // node state of a disabled node
    EXPECT_FALSE(variableFieldRefusal(fields, network, false));

    // Modifying the variable without changing its register passes; a copy of
    // it is refused.
    fields.modbusRegister = "200";
    EXPECT_FALSE(variableFieldRefusal(fields, network, false, {0, 0}));
    EXPECT_EQ(variableFieldRefusal(fields, network, false).value_or(QString()),
              variableClash("ModBus Register", "Heat", "Energy", "Modbus Register"));
}

} // namespace
