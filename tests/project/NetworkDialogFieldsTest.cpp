#include "app/ConverterType.h"
#include "project/NetworkDialogFields.h"
#include "project/NetworkDialogRows.h"
#include "support/NetworkFixtures.h"

#include <gtest/gtest.h>

using namespace project;

namespace {

TNodo everyNodeField()
{
    TNodo n = nettest::wiredNode("Heat", 17, 100, 101);
    n.Node_Sec = 12345678;
    n.Node_ID_Type = 1;
    n.Send_SNK = 1;
    n.Reset_App = 1;
    n.BCDtoINT_IN = 1;
    n.Swap_Ident = 1;
    n.Var_List_Type = 1;
    n.Cut_After = 249;
    n.Manufacturer_Spec = 110;
    n.MSD_Length = 200;
    n.MSD_Offset = 41;
    n.Access_Number = 120;
    n.Var_List.push_back(nettest::variable("Energy", 200));
    return n;
}

TEST(NetworkDialogFieldsTest, ANodeShownAndStoredComesBackTheSameOnEveryType)
{
    for (const int type : app::AllConverterTypes) {
        TNodo node = everyNodeField();
        if (app::isWirelessType(type)) {
            node.MBus_Type = 0;
            node.wMBus_ManID = "0x2C2D";
            node.wMBus_Add = "12345678";
            node.wMBus_Ver = "1";
            node.wMBus_DevType = "7";
            node.wMBus_En_Key = 1;
            for (int i = 0; i < 16; ++i)
                node.wMBus_Key[size_t(i)] = QString::number(i * 16);
            node.RSSI = 130;
        }
        NodeFields fields;
        showNodeInFields(fields, node, type);
        TNodo stored = node;
        storeFieldsInNode(stored, fields, type);
        EXPECT_EQ(stored, node) << "type " << type;
    }
}

TEST(NetworkDialogFieldsTest, AWirelessNodeTakesThePanelsRegistersAndOptions)
{
    NodeFields f;
    f.mbusType = 0;
    f.nodeState = "5"; // the hidden wired rows
    f.identNum = "6";
    f.wNodeState = "7";
    f.wIdentNum = "8";
    f.wRssi = "9";
    f.wAccessNumber = "10";
    f.wBcdToIntIdent = true;
    f.wSwapIdent = 1;
    f.wVarListType = 1;
    TNodo n;
    storeFieldsInNode(n, f, 7);
    EXPECT_EQ(n.MBus_Type, 0);
    EXPECT_EQ(n.Node_State, 7);
    EXPECT_EQ(n.Ident_Num, 8);
    EXPECT_EQ(n.RSSI, 9);
    EXPECT_EQ(n.Access_Number, 10);
    EXPECT_EQ(n.BCDtoINT_IN, 1);
    EXPECT_EQ(n.Swap_Ident, 1);
    EXPECT_EQ(n.Var_List_Type, 1);
}

TEST(NetworkDialogFieldsTest, AWiredTypeStoresNoWirelessValues)
{
    NodeFields f;
    f.wManId = "1";
    f.wAddress = "2";
    f.wKeyEnable = true;
    f.wRssi = "9";
    TNodo n;
    n.RSSI = 4;
    storeFieldsInNode(n, f, 1);
    EXPECT_EQ(n.MBus_Type, 1);
    EXPECT_EQ(n.RSSI, 0);
    EXPECT_TRUE(n.wMBus_ManID.isEmpty());
    EXPECT_TRUE(n.wMBus_Add.isEmpty());
    EXPECT_TRUE(n.wMBus_Key[2].isEmpty());
    EXPECT_EQ(n.wMBus_En_Key, 0);
}

TEST(NetworkDialogFieldsTest, UncheckedEditsThatAreNotNumbersStoreZero)
{
    NodeFields f;
    f.idSecondary = "abc"; // the address kind not chosen
    f.manufacturerSpecific = "";
    f.msdLength = "x";
    f.accessNumber = "1e3";
    f.swapIdent = -1; // a pick list showing no item
    TNodo n;
    storeFieldsInNode(n, f, 1);
    EXPECT_EQ(n.Node_Sec, 0);
    EXPECT_EQ(n.Manufacturer_Spec, 0);
    EXPECT_EQ(n.MSD_Length, 0);
    EXPECT_EQ(n.Access_Number, 0);
    EXPECT_EQ(n.Swap_Ident, 0);

    VariableFields v = defaultVariableFields();
    v.modbusRegister = "12";
    v.length = "many";
    v.timePointYear = "";
    v.storageNumber = "0xFFFFFFFF";
    TVariabile var;
    storeFieldsInVariable(var, v);
    EXPECT_EQ(var.Modbus_Register, 12);
    EXPECT_EQ(var.Length, 0);
    EXPECT_EQ(var.TP_Mod_Year, 0);
    EXPECT_EQ(var.Storage_Number, 4294967295u);
    EXPECT_EQ(variableFieldsOf(var).storageNumber, "4294967295");
}

TEST(NetworkDialogFieldsTest, AVariableShownAndStoredComesBackTheSame)
{
    TVariabile v = nettest::timePoint("Date", 300, 310);
    v.Function_Field = 3;
    v.Dimension = 7;
    v.Length = 191;
    v.Unita = 10;
    v.Modbus_Scale = 59999;
    v.Storage_Number = 4294967295u;
    v.Tariff = 0xFFFFF;
    v.VIFE = 151;
    v.BCDtoINT = v.Conv_Float = v.Force_Int32 = true;
    v.VIF_ASCII = "kWh";
    v.Position = 512;
    v.Post_Operation = 12;
    TVariabile stored;
    storeFieldsInVariable(stored, variableFieldsOf(v));
    EXPECT_EQ(stored, v);

    // "Not Selected" is stored as 0 or 255 and shown as the first item.
    v.VIFE = 255;
    EXPECT_EQ(variableFieldsOf(v).vife, 0);
}

TEST(NetworkDialogRowsTest, RowsByTypeBoardVariantAndNodeKind)
{
    struct Case {
        int type;
        int variant;
        int mbusType;
        NodeRows rows;
    };
    // mbusType, panel, wired, cut after, manufacturer data, access number
    const NodeRows wiredBasic{false, false, true, false, false, false};
    const NodeRows wiredExtended{false, false, true, true, true, true};
    const NodeRows wirelessWired{true, false, true, true, true, true};
    const NodeRows wirelessRadio{true, true, false, false, true, false};
    const Case cases[] = {
        {1, 0, 0, wiredBasic},    {1, 1, 0, wiredExtended}, {1001, 0, 0, wiredBasic}, {1001, 1, 0, wiredExtended},
        {2, 0, 0, wiredExtended}, {3, 0, 0, wiredExtended}, {4, 0, 0, wiredBasic},    {4, 1, 0, wiredExtended},
        {5, 0, 0, wiredBasic},    {6, 0, 1, wirelessWired}, {6, 0, 0, wirelessRadio}, {7, 0, 0, wirelessRadio},
        {1007, 0, 1, wirelessWired},
    };
    for (const Case &c : cases)
        EXPECT_EQ(nodeRowsShown(c.type, c.variant, c.mbusType), c.rows)
            << "type " << c.type << " variant " << c.variant << " kind " << c.mbusType;
}

TEST(NetworkDialogRowsTest, PostOperationOffered)
{
    struct Case {
        int type;
        int variant;
        int varList;
        bool offered;
    };
    const Case cases[] = {
        {1, 0, 0, false},    {1, 1, 0, true},    {1001, 1, 1, true}, {2, 0, 1, true},  {3, 0, 0, true},
        {4, 1, 0, false},    {5, 0, 0, false},   {6, 0, 1, true},    {7, 0, 0, true},  {1007, 0, 0, true},
        {1007, 0, 1, false},
    };
    for (const Case &c : cases)
        EXPECT_EQ(offersPostOperation(c.type, c.variant, c.varList), c.offered)
            << "type " << c.type << " variant " << c.variant << " list " << c.varList;
}

} // namespace
