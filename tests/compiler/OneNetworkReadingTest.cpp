// M_Bus.xml read by the network editor and by the compiler: both take every
// value the same way, whatever the compiler then does with it.
#include "compiler/NetworkReader.h"
#include "project/NetworkFile.h"

#include <gtest/gtest.h>

namespace {

const char *const Fixture = R"(<M-Bus_Network>
<Nodo ID="3000000000" Node_ID_Type="1" ID_Primary="7" ID_Secondary="8" Node_State="0x10" Ident_Num="12abc"
      BCDtoINT_IN="1" Swap_IN="1" Var_List_Type="1" Cut_After="4" Manufacturer_Specific_Data="300"
      MSD_Length="-1" MSD_Offset="2" Access_Number=" 9" Send_SND_NKE="1" Reset_App="1">
  <Variabile Enable="1" Type="3" Fun_Field="1" Dim="7" ModReg="40001" ModScale="2" Unit="4" StoNumber="4294967295"
             Tariff="3000000000" VIFE="511" Length="6" TP_Mod_Year="12" Position="65537" Post_Operation="3"/>
  <Variabile Enable="1" Type="0x2" Fun_Field="0" Dim="0" ModReg="1" ModScale="0" StoNumber="-1" Tariff="4294967296"
             Position="" Unit="x"/>
</Nodo>
<Nodo ID="-5" Node_ID_Type="0" ID_Primary="250" ID_Secondary="99">
  <Variabile Enable="1" Type="0" Fun_Field="2" Dim="1" ModReg="3" ModScale="0" StoNumber="0x10" Tariff="$FF"/>
</Nodo>
<Nodo Node_ID_Type="0" ID="0x0C">
  <Variabile Enable="1" Type="0" Fun_Field="0" Dim="0" ModReg="5" ModScale="0"/>
</Nodo>
</M-Bus_Network>)";

std::uint32_t editorAddress(const project::TNodo &n)
{
    return static_cast<std::uint32_t>(n.Node_ID_Type == 0 ? n.Node_Pri : n.Node_Sec);
}

TEST(OneNetworkReading, TheEditorAndTheCompilerReadTheSameValues)
{
    const auto editor = project::parseNetwork(Fixture, 4);
    ASSERT_TRUE(editor.ok());
    compiler::NetworkElements elements;
    ASSERT_FALSE(compiler::readNetworkElements(QByteArray(Fixture), elements));
    const compiler::CompiledNetwork compiled =
        compiler::readNetwork(&elements, compiler::NetworkFamily::EthernetBoard, true);

    ASSERT_EQ(editor.nodes.size(), 3u);
    ASSERT_EQ(compiled.wired.size(), 3u);
    // The legacy single address above 2^31 wins in both; a negative one is no address.
    const std::uint32_t expectedAddresses[] = {3000000000u, 250u, 12u};
    for (std::size_t i = 0; i < 3; ++i) {
        const project::TNodo &e = editor.nodes[i];
        const compiler::TNodo &c = compiled.wired[i];
        SCOPED_TRACE(testing::Message() << "node " << i);
        EXPECT_EQ(editorAddress(e), expectedAddresses[i]);
        EXPECT_EQ(c.ID, expectedAddresses[i]);
        EXPECT_EQ(std::uint8_t(e.Node_ID_Type), c.ID_Type);
        EXPECT_EQ(std::uint16_t(e.Node_State), c.Node_State);
        EXPECT_EQ(std::uint16_t(e.Ident_Num), c.Ident_Num);
        EXPECT_EQ(e.BCDtoINT_IN, c.BCDtoINT_IN);
        EXPECT_EQ(std::uint8_t(e.Swap_Ident), c.Swap_IN);
        EXPECT_EQ(e.Var_List_Type, c.Var_Type);
        EXPECT_EQ(std::uint16_t(e.Manufacturer_Spec), c.Mamu_Spec_Data);
        EXPECT_EQ(e.MSD_Length, c.MSD_Length);
        EXPECT_EQ(e.MSD_Offset, c.MSD_Offset);
        EXPECT_EQ(std::uint16_t(e.Access_Number), c.Access_Number);
        EXPECT_EQ(e.Send_SNK, c.SND_NKE);
        EXPECT_EQ(e.Reset_App, c.Reset_App);

        ASSERT_EQ(e.Var_List.size(), c.Vars.size());
        for (std::size_t j = 0; j < c.Vars.size(); ++j) {
            const project::TVariabile &ev = e.Var_List[j];
            const compiler::TVariabile &cv = c.Vars[j];
            SCOPED_TRACE(testing::Message() << "variable " << j);
            EXPECT_EQ(std::uint8_t(ev.Type_Of_Data), cv.Type_Of_Data);
            EXPECT_EQ(std::uint8_t(ev.Dimension), cv.Dimension);
            EXPECT_EQ(std::uint16_t(ev.Modbus_Register), cv.Modbus_Register);
            EXPECT_EQ(std::uint16_t(ev.Modbus_Scale), cv.Modbus_Scale);
            EXPECT_EQ(std::uint8_t(ev.Unita), cv.Unita);
            EXPECT_EQ(ev.Storage_Number, cv.Storage_Num);
            EXPECT_EQ(std::uint32_t(ev.Tariff), cv.Tarif);
            EXPECT_EQ(ev.VIFE, cv.VIFE);
            EXPECT_EQ(std::uint16_t(ev.TP_Mod_Year), cv.TP_Mod_Year);
            EXPECT_EQ(ev.Position, cv.Position);
            EXPECT_EQ(ev.Post_Operation, cv.Post_Ope);
        }
    }
    // The converter counts frames, the file frames minus one.
    EXPECT_EQ(editor.nodes[0].Cut_After + 1, compiled.wired[0].Cut_After);
    // The values themselves, where the two readings used to part.
    const compiler::TVariabile &wide = compiled.wired[0].Vars[0];
    EXPECT_EQ(wide.Storage_Num, 4294967295u);
    EXPECT_EQ(wide.Tarif, 3000000000u);
    const compiler::TVariabile &outside = compiled.wired[0].Vars[1];
    EXPECT_EQ(outside.Storage_Num, 0u);
    EXPECT_EQ(outside.Tarif, 0u);
    EXPECT_EQ(compiled.wired[1].Vars[0].Storage_Num, 16u);
    EXPECT_EQ(compiled.wired[1].Vars[0].Tarif, 255u);
}

} // namespace
