#include "project/NetworkModel.h"

#include <gtest/gtest.h>

namespace {

using project::TNodo;
using project::TVariabile;

TEST(NetworkModel, ANewNodeIsDisabledPrimaryAddressedAndEmpty)
{
    const TNodo n;
    EXPECT_EQ(n.Enable, 0);
    EXPECT_EQ(n.Node_Pri, 0);
    EXPECT_EQ(n.Node_Sec, 0);
    EXPECT_EQ(n.Node_ID_Type, 0);
    EXPECT_EQ(n.MBus_Type, 0);
    EXPECT_EQ(n.RSSI, 0);
    EXPECT_TRUE(n.Var_List.empty());
    for (const QString &byte : n.wMBus_Key)
        EXPECT_TRUE(byte.isEmpty());

    const TVariabile v;
    EXPECT_FALSE(v.Enable);
    EXPECT_EQ(v.Modbus_Register, 0);
    EXPECT_EQ(v.Position, 0);
    EXPECT_EQ(v.Storage_Number, 0u);
}

TEST(NetworkModel, ACopiedNodeOwnsCopiesOfItsVariables)
{
    TNodo original;
    original.Description = "Heat";
    original.Var_List.resize(2);
    original.Var_List[0].Description = "Energy";

    TNodo copy = original;
    copy.Var_List[0].Description = "Changed";
    copy.Var_List.pop_back();
    EXPECT_EQ(original.Var_List.size(), 2u);
    EXPECT_EQ(original.Var_List[0].Description, "Energy");
}

TEST(NetworkModel, TheClipboardCopyKeepsWirelessValuesOnlyForWirelessTypes)
{
    TNodo node;
    node.Node_Pri = 7;
    node.MBus_Type = 0;
    node.wMBus_Add = "0x12345678";
    node.wMBus_En_Key = 1;
    node.wMBus_Key[3] = "255";
    node.RSSI = 40;
    node.Var_List.resize(3);

    const TNodo wired = project::clipboardCopyOf(node, 1);
    EXPECT_EQ(wired.MBus_Type, 1);
    EXPECT_TRUE(wired.wMBus_Add.isEmpty());
    EXPECT_EQ(wired.wMBus_En_Key, 0);
    EXPECT_TRUE(wired.wMBus_Key[3].isEmpty());
    EXPECT_EQ(wired.RSSI, 0);
    EXPECT_EQ(wired.Node_Pri, 7);
    EXPECT_EQ(wired.Var_List.size(), 3u);

    for (const int type : {6, 7, 1007})
        EXPECT_EQ(project::clipboardCopyOf(node, type), node);
}

} // namespace
