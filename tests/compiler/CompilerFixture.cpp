#include "CompilerFixture.h"

#include "support/TestSupport.h"

#include <QDir>
#include <gtest/gtest.h>

namespace compilertest {

ParGen ParGen::standard()
{
    ParGen p;
    p.set("Sel_Dev", "0").set("Sel_Dev_MBus_Present", "1");
    p.set("IP_1", "10").set("IP_2", "1").set("IP_3", "2").set("IP_4", "3");
    p.set("SM_1", "255").set("SM_2", "255").set("SM_3", "0").set("SM_4", "0");
    p.set("GA_1", "10").set("GA_2", "1").set("GA_3", "0").set("GA_4", "254");
    p.set("Gat_Enable", "1").set("TCP_Port", "1502").set("TCP_Conn_TimeOut", "5");
    p.set("Mod_Ser", "1").set("Mod_Baud", "4").set("Mod_Par", "1").set("Mod_Id", "17");
    p.set("Mod_StopBit", "1").set("Mod_Protocol", "4");
    p.set("Meter_Baud", "5").set("Meter_Par", "2").set("Meter_Req_Type", "1");
    // Above 65535: the two-byte fields keep the low bits, bank2's four-byte field all of it.
    p.set("Meter_Req_Delay", "70000");
    p.set("Node_State", "0x7F");
    p.set("Enable_Use_Fix_C_Field", "1").set("Use_Fix_C_Field_Value", "1");
    p.set("Reply_Exception_Until_First_Read", "1");
    p.set("MBus_Convert_Float_Option_Words_Order", "1");
    p.set("MBUS_Ser", "0").set("wMBus_Mode", "2").set("wMBus_Radio_Channel", "3");
    return p;
}

ParGen &ParGen::set(const QString &name, const QString &value)
{
    for (auto &e : m_elements) {
        if (e.first == name) {
            e.second = value;
            return *this;
        }
    }
    m_elements.append({name, value});
    return *this;
}

ParGen &ParGen::remove(const QString &name)
{
    m_elements.removeIf([&](const auto &e) { return e.first == name; });
    return *this;
}

ParGen &ParGen::apply(const std::vector<ParGenEdit> &edits)
{
    for (const ParGenEdit &e : edits) {
        if (e.value)
            set(e.element, e.value);
        else
            remove(e.element);
    }
    return *this;
}

QByteArray ParGen::xml() const
{
    QByteArray out = "<GeneralParameter>\n";
    for (const auto &[name, value] : m_elements)
        out += "  <" + name.toUtf8() + ">" + value.toUtf8() + "</" + name.toUtf8() + ">\n";
    out += "</GeneralParameter>\n<!--SW_VERSION = 2.306-->\n";
    return out;
}

ConfigurationFolder::ConfigurationFolder()
{
    EXPECT_TRUE(m_dir.isValid());
}

void ConfigurationFolder::writeParGen(const ParGen &parGen) const { writeParGenBytes(parGen.xml()); }

void ConfigurationFolder::writeParGenBytes(const QByteArray &bytes) const
{
    testsupport::writeFile(path() + "/ParGen.xml", bytes);
}

void ConfigurationFolder::writeMBus(const QByteArray &xml) const { testsupport::writeFile(path() + "/M_Bus.xml", xml); }

QByteArray ConfigurationFolder::bin(const QString &name) const { return testsupport::readFile(binPath() + "/" + name); }

QStringList ConfigurationFolder::binFiles() const
{
    return QDir(binPath()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
}

void ConfigurationFolder::seedBin(const QStringList &names) const
{
    QDir().mkpath(binPath());
    for (const QString &name : names)
        testsupport::writeFile(binPath() + "/" + name, "earlier " + name.toUtf8());
}

compiler::CompileResult ConfigurationFolder::compile(int converterType, int selDevValue) const
{
    return compiler::compileBanks({converterType, selDevValue, path() + "/ParGen.xml", path() + "/M_Bus.xml"});
}

QByteArray bankNamed(const compiler::CompileResult &result, const QString &name)
{
    for (const auto &bank : result.banks)
        if (bank.name == name)
            return bank.bytes;
    return {};
}

QStringList bankNames(const compiler::CompileResult &result)
{
    QStringList names;
    for (const auto &bank : result.banks)
        names << bank.name;
    return names;
}

QByteArray networkXml(const QString &nodes)
{
    return "<M-Bus_Network>\n" + nodes.toUtf8() + "</M-Bus_Network>\n<!--SW_VERSION = 2.306-->\n";
}

QByteArray wiredNetworkXml()
{
    return networkXml(R"(
  <Nodo Node_Enable="1" ID_Primary="5" ID_Secondary="1" Descrizione="Heat" Node_ID_Type="0">
    <Variabile Enable="1" Desc="A1" Type="0" Fun_Field="1" Dim="0" Unit="1" ModReg="100" ModScale="101"
               StoNumber="4294967295" Tariff="3" VIFE="7" BCDtoINT="1" Force_Int32="1" Post_Operation="2"
               Position="300"/>
    <Variabile Enable="0" Desc="A2 disabled" Type="junk"/>
    <Variabile Enable="1" Desc="A3" Type="21" Fun_Field="2" Dim="0" ModReg="110" ModScale="111"
               VIF_ASCII="kWh" Conv_Float="1"/>
  </Nodo>
  <Nodo Node_Enable="1" Node_ID_Type="1" ID_Primary="9" ID_Secondary="12345678" Descrizione="Water"
        Send_SND_NKE="1" Reset_App="1" Node_State="50" Ident_Num="51" BCDtoINT_IN="1" Swap_IN="1"
        Var_List_Type="1" Cut_After="9" Manufacturer_Specific_Data="60" MSD_Length="10" MSD_Offset="2"
        Access_Number="52">
    <Variabile Enable="1" Desc="B1" Type="20" Fun_Field="0" Dim="3" ModReg="120" ModScale="0"
               TP_Mod_Regs="1" TP_Mod_Year="200"/>
    <Variabile Enable="1" Desc="B2" Type="5" Fun_Field="0" Dim="7" Length="5" ModReg="130" ModScale="0"
               VIF_ASCII="zz"/>
  </Nodo>
  <Nodo Node_Enable="0" ID_Primary="8">
    <Variabile Enable="1" Type="0" Fun_Field="0" Dim="0" ModReg="140" ModScale="0"/>
  </Nodo>
  <Nodo Node_Enable="1" ID_Primary="7">
    <Variabile Enable="0" Type="0" Fun_Field="0" Dim="0" ModReg="150" ModScale="0"/>
  </Nodo>
)");
}

} // namespace compilertest
