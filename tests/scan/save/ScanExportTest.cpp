// The scan-result export: every slave or meter with all its records.
#include "SaveFixture.h"
#include "scan/QStringPrinter.h"

#include "scan/ScanExport.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

using namespace scan;
using namespace savetest;

namespace {

std::unique_ptr<TVariable_MBus> decodedRecord()
{
    auto r = record(4, "Energy", 1);
    r->ValueStr = QStringLiteral("12.5 kWh");
    r->device = 1;
    r->storage_number = 2;
    r->tarif = 3;
    r->DataFieldStr = QStringLiteral("32 Bit Integer");
    r->FunctionFieldStr = QStringLiteral("Instantaneous value");
    r->DIF = QStringLiteral("$04");
    r->VIF = 0x0b;
    r->DIFE = QString();
    r->VIFE = QStringLiteral("$3C");
    r->totdati = QStringLiteral("7D000000");
    return r;
}

const char variableXml[] = "    <Variable Value=\"12.5 kWh\" Type=\"Energy\" UST=\"(U1S2T3)\">\n"
                           "      <Storage_Number>2</Storage_Number>\n"
                           "      <Tariff>3</Tariff>\n"
                           "      <Unit>1</Unit>\n"
                           "      <Data_Field>32 Bit Integer</Data_Field>\n"
                           "      <Function_Field>Instantaneous value</Function_Field>\n"
                           "      <Type>Energy</Type>\n"
                           "      <Value>12.5 kWh</Value>\n"
                           "      <DIF>$04</DIF>\n"
                           "      <VIF>$0B</VIF>\n"
                           "      <DIFE/>\n"
                           "      <VIFE>$3C</VIFE>\n"
                           "      <DATA>$7D000000</DATA>\n"
                           "    </Variable>\n";

TEST(ScanExport, WiredSlavesWithEveryRecord)
{
    TSlaveMBusList slaves;
    auto slave = kamstrupSlave();
    slave->Version = 8;
    slave->Medium = 4;
    slave->List_Var.clear();
    slave->List_Var.push_back(decodedRecord());
    slaves.lock().append(std::move(slave));
    const QByteArray expected = QByteArray("<SCAN_M-Bus_Wired>\n"
                                           "  <Node Primary_Address=\"5\" Secondary_Address=\"12345678\" "
                                           "Manufacturer=\"KAM (11309)\" Version=\"8\" Type=\"4\">\n")
                                + variableXml + "  </Node>\n</SCAN_M-Bus_Wired>\n";
    EXPECT_EQ(wiredExportDocument(slaves), expected);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("scan.xml"));
    EXPECT_FALSE(Save_XML_File_DLL(path, slaves));
    EXPECT_EQ(testsupport::readFile(path), expected);
    const auto failed = Save_XML_File_DLL(dir.filePath(QStringLiteral("gone/scan.xml")), slaves);
    ASSERT_TRUE(failed);
    EXPECT_EQ(failed->kind, project::FileError::Kind::WriteFailed);
}

TEST(ScanExport, WirelessMetersWithEveryRecord)
{
    TSlaveWMBusList meters;
    auto meter = std::make_unique<TSlave_wMBus>();
    meter->ALA_Manu_str = QStringLiteral("KAM");
    meter->ALA_Address = qint32(0x8000abcdu);
    meter->ALA_Version = 27;
    meter->ALA_DeviceType = 7;
    meter->Cripted = true;
    meter->List_Var.push_back(decodedRecord());
    meters.lock().append(std::move(meter));
    meters.lock().append(std::make_unique<TSlave_wMBus>());
    const QByteArray expected =
        QByteArray("<SCAN_M-Bus_Wireless>\n"
                   "  <Node Manufacturer=\"KAM\" Address=\"8000ABCD\" Version=\"27\" Device_Type=\"7\" "
                   "Cripted=\"True\">\n")
        + variableXml
        + "  </Node>\n"
          "  <Node Manufacturer=\"\" Address=\"00000000\" Version=\"0\" Device_Type=\"0\" Cripted=\"False\"/>\n"
          "</SCAN_M-Bus_Wireless>\n";
    EXPECT_EQ(wirelessExportDocument(meters), expected);
}

} // namespace
