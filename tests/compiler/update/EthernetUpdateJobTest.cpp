#include "DomCompare.h"
#include "compiler/update/EthernetUpdateJob.h"
#include "platform/Error.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using compiler::EthernetUpdateJob;
using compiler::UpdateOptions;

const QString Master = "/opt/cfg/MASTER";
const QString Project = "/opt/cfg/PROJECTS/Plant A";

EthernetUpdateJob job(int type, UpdateOptions options = {})
{
    EthernetUpdateJob j;
    j.converterType = type;
    j.deviceAddress = "192.168.7.12";
    j.masterDir = Master;
    j.projectDir = Project;
    j.options = options;
    return j;
}

QByteArray header(const char *title, const char *protections)
{
    return QByteArray("<Ethernet_Update><Version>1000</Version><Title>") + title +
           "</Title><IP_Address_Dev>192.168.7.12</IP_Address_Dev><Application_Port>10000</Application_Port>"
           "<Boot_Port>2008</Boot_Port><Boot_Port_Sec>2007</Boot_Port_Sec>"
           "<Address_Protection>0x78000</Address_Protection><Protections>" +
           protections + "</Protections>";
}

QByteArray operation(const char *protection, const QString &file, const char *start, bool firmware, bool readBack,
                     const char *internalData, const char *goToAppAfter)
{
    QByteArray op = QByteArray("<Operation><Ope_Protection_Enabled>") + protection +
                    "</Ope_Protection_Enabled><Ope_GoToBoot_Before>0</Ope_GoToBoot_Before>"
                    "<Ope_GoToApp_Before>0</Ope_GoToApp_Before><Ope_IP_Address/><Ope_Port>2008</Ope_Port>"
                    "<Ope_Port_Sec>2007</Ope_Port_Sec><Ope_Erase_Memory>0</Ope_Erase_Memory><Ope_FileName>" +
                    file.toUtf8() + "</Ope_FileName><Ope_Start_Address>" + start +
                    "</Ope_Start_Address><Ope_Memory_Type>0</Ope_Memory_Type><Ope_Bank_Type>" +
                    (firmware ? "1" : "2") + "</Ope_Bank_Type><Ope_Read_Back>" + (readBack ? "1" : "0") +
                    "</Ope_Read_Back><Ope_Write_CSS>" + (firmware ? "1" : "0") + "</Ope_Write_CSS><Ope_Address_CSS>" +
                    (firmware ? "0x78100" : "0x50100") + "</Ope_Address_CSS><Ope_Command_CSS>0x0B</Ope_Command_CSS>";
    op += internalData;
    return op + "<Ope_GoToApp_After>" + goToAppAfter + "</Ope_GoToApp_After></Operation>";
}

constexpr char Type1Wid[] = "<Ope_Write_Internal_Data>0</Ope_Write_Internal_Data><Ope_WID_Address>0x78300"
                            "</Ope_WID_Address><Ope_WID_Command>0x0B</Ope_WID_Command><Ope_WID_Data></Ope_WID_Data>";
constexpr char WirelessWid[] = "<Ope_Write_Internal_Data>1</Ope_Write_Internal_Data><Ope_WID_Address>0x78200"
                               "</Ope_WID_Address><Ope_WID_Command>0x0B</Ope_WID_Command>"
                               "<Ope_WID_Data>0x00</Ope_WID_Data>";

void expectJob(const EthernetUpdateJob &j, const QByteArray &expected)
{
    const QString diff = updatetest::domDifference(platform::serializeXml(compiler::buildEthernetUpdateJob(j)), expected);
    EXPECT_TRUE(diff.isEmpty()) << diff.toStdString();
}

TEST(EthernetUpdateJob, Type1WithEverythingTickedWritesBothImagesAndThreeBanks)
{
    expectJob(job(1),
              header("Tervikon - PX42Lyxa-B2 Ethernet Update",
                     "<Protection>0x6A</Protection><Protection>0xD4</Protection><Protection>0x190</Protection>") +
                  "<Operations>" +
                  operation("0x6A, 0xD4", Master + "/SimQuorLyxa-B2.sim", "0x8000", true, true, Type1Wid, "0") +
                  operation("0x190", Master + "/SimQuorLyxa-B2_B209.sim", "0x8000", true, true, Type1Wid, "0") +
                  operation("0x6A, 0xD4", Project + "/bin/bank.bin", "0x50000", false, true, Type1Wid, "1") +
                  operation("0x190", Project + "/bin/bank1.bin", "0x68000", false, true, Type1Wid, "0") +
                  operation("0x190", Project + "/bin/bank2.bin", "0x50800", false, true, Type1Wid, "1") +
                  "</Operations></Ethernet_Update>");
}

TEST(EthernetUpdateJob, FirmwareAloneReturnsToTheApplicationAfterTheImage)
{
    UpdateOptions firmwareOnly{true, false, false, true};
    expectJob(job(1, firmwareOnly),
              header("Tervikon - PX42Lyxa-B2 Ethernet Update",
                     "<Protection>0x6A</Protection><Protection>0xD4</Protection><Protection>0x190</Protection>") +
                  "<Operations>" +
                  operation("0x6A, 0xD4", Master + "/SimQuorLyxa-B2.sim", "0x8000", true, false, Type1Wid, "1") +
                  operation("0x190", Master + "/SimQuorLyxa-B2_B209.sim", "0x8000", true, false, Type1Wid, "1") +
                  "</Operations></Ethernet_Update>");
    expectJob(job(2, firmwareOnly),
              header("Tervikon - PX42Kvoz-B2 Ethernet Update", "<Protection>0x15D</Protection>") + "<Operations>" +
                  operation("", Master + "/simQuorKvozK.sim", "0x8000", true, false, "", "1") +
                  "</Operations></Ethernet_Update>");
}

TEST(EthernetUpdateJob, WirelessModelsEndTheSecondBankWithAnInternalDataWrite)
{
    UpdateOptions configurationOnly{false, true, true, false};
    expectJob(job(6, configurationOnly),
              header("Tervikon - PX42Qyre Ethernet Update", "<Protection>0xF9</Protection><Protection>0x152</Protection>") +
                  "<Operations>" + operation("", Project + "/bin/bank1.bin", "0x68000", false, false, "", "0") +
                  operation("", Project + "/bin/bank2.bin", "0x50800", false, false, WirelessWid, "1") +
                  "</Operations></Ethernet_Update>");
    expectJob(job(3),
              header("Tervikon - PX42Nqib-B2 Ethernet Update", "<Protection>0x17C</Protection>") + "<Operations>" +
                  operation("", Master + "/simQuorNqibK.sim", "0x8000", true, true, "", "0") +
                  operation("", Project + "/bin/bank1.bin", "0x68000", false, true, "", "0") +
                  operation("", Project + "/bin/bank2.bin", "0x50800", false, true, "", "1") +
                  "</Operations></Ethernet_Update>");
}

// Every model and option set: which files are written, in which order, and
// how the options show in each operation.
struct ModelRows {
    int type;
    const char *title;
    QStringList protections;
    QStringList firmware; // in MASTER
    QStringList banks;    // in bin
    bool bankInternalData; // W children on the last bank only (wireless) or on every row (type 1)
    bool everyRowInternalData;
};

const ModelRows Models[] = {
    {1, "Tervikon - PX42Lyxa-B2 Ethernet Update", {"0x6A", "0xD4", "0x190"},
     {"SimQuorLyxa-B2.sim", "SimQuorLyxa-B2_B209.sim"}, {"bank.bin", "bank1.bin", "bank2.bin"}, false, true},
    {2, "Tervikon - PX42Kvoz-B2 Ethernet Update", {"0x15D"}, {"simQuorKvozK.sim"}, {"bank1.bin", "bank2.bin"}, false,
     false},
    {3, "Tervikon - PX42Nqib-B2 Ethernet Update", {"0x17C"}, {"simQuorNqibK.sim"}, {"bank1.bin", "bank2.bin"}, false,
     false},
    {4, "Tervikon - Ethernet Update", {"0x15D"}, {}, {}, false, false},
    {5, "Tervikon - Ethernet Update", {"0x15D"}, {}, {}, false, false},
    {6, "Tervikon - PX42Qyre Ethernet Update", {"0xF9", "0x152"}, {"simQuorQyre.sim"}, {"bank1.bin", "bank2.bin"},
     true, false},
    {7, "Tervikon - PX42Rhuv Ethernet Update", {"0xFA", "0x153"}, {"simQuorRhuv.sim"}, {"bank1.bin", "bank2.bin"},
     true, false},
    // The partner editions write what their base model writes.
    {1001, "Tervikon - Ethernet Update", {"0x6A", "0xD4", "0x190"}, {"SimQuorLyxa-B2.sim", "SimQuorLyxa-B2_B209.sim"},
     {"bank.bin", "bank1.bin", "bank2.bin"}, false, true},
    {1007, "Tervikon - Ethernet Update", {"0xFA", "0x153"}, {"simQuorRhuv.sim"}, {"bank1.bin", "bank2.bin"}, true,
     false},
};

TEST(EthernetUpdateJob, EveryModelAndOptionSetNamesTheRightFilesWithTheTickedChoices)
{
    for (const ModelRows &model : Models) {
        for (int bits = 0; bits < 16; ++bits) {
            const UpdateOptions options{bool(bits & 1), bool(bits & 2), bool(bits & 4), bool(bits & 8)};
            SCOPED_TRACE(testing::Message() << "type " << model.type << " options " << bits);
            const auto parsed = platform::parseXml(platform::serializeXml(compiler::buildEthernetUpdateJob(job(model.type, options))));
            ASSERT_TRUE(parsed.ok());
            const QDomElement root = parsed.root();
            EXPECT_EQ(root.tagName(), "Ethernet_Update");
            EXPECT_EQ(platform::childText(root, "Title"), QString(model.title));
            QStringList protections;
            for (const QDomElement &p : platform::childElements(root.firstChildElement("Protections")))
                protections << p.text();
            EXPECT_EQ(protections, model.protections);

            QStringList expectedFiles;
            if (options.writeFirmware)
                for (const QString &f : model.firmware)
                    expectedFiles << Master + "/" + f;
            if (options.writeConfiguration)
                for (const QString &b : model.banks)
                    expectedFiles << Project + "/bin/" + b;

            const auto ops = platform::childElements(root.firstChildElement("Operations"));
            QStringList files;
            for (qsizetype i = 0; i < ops.size(); ++i) {
                const QDomElement &op = ops[i];
                files << op.firstChildElement("Ope_FileName").text();
                const bool firmware = files.back().startsWith(Master);
                EXPECT_EQ(op.firstChildElement("Ope_Bank_Type").text(), firmware ? "1" : "2");
                const bool readBack = firmware ? options.readBackFirmware : options.readBackConfiguration;
                EXPECT_EQ(op.firstChildElement("Ope_Read_Back").text(), readBack ? "1" : "0");
                if (firmware)
                    EXPECT_EQ(op.firstChildElement("Ope_GoToApp_After").text(), options.writeConfiguration ? "0" : "1");
                else // the last bank sends the device back to its application
                    EXPECT_EQ(op.firstChildElement("Ope_GoToApp_After").text(),
                              files.back().endsWith("bank1.bin") ? "0" : "1");
                const bool lastBank = !firmware && i == ops.size() - 1;
                const bool withInternalData = model.everyRowInternalData || (model.bankInternalData && lastBank);
                EXPECT_EQ(platform::childElements(op).size(), withInternalData ? 20 : 16);
                EXPECT_EQ(platform::childElements(op).last().tagName(), "Ope_GoToApp_After");
            }
            EXPECT_EQ(files, expectedFiles);
        }
    }
}

TEST(EthernetUpdateJob, IsSavedBesideTheProgramReplacingAnEarlierJob)
{
    QTemporaryDir dir;
    testsupport::writeFile(dir.filePath("Ethernet_Update.xml"), "<old/>");
    const QString path = compiler::saveEthernetUpdateJob(job(7), dir.path());
    EXPECT_EQ(path, dir.filePath("Ethernet_Update.xml"));
    const QByteArray written = testsupport::readFile(path);
    EXPECT_TRUE(updatetest::domDifference(written, platform::serializeXml(compiler::buildEthernetUpdateJob(job(7)))).isEmpty());
    EXPECT_FALSE(written.startsWith("<?xml")); // the root is the only top-level node
}

TEST(EthernetUpdateJob, AFolderThatCannotTakeTheJobIsAnErrorAndLeavesNothingBehind)
{
    QTemporaryDir dir;
    const QString missingFolder = dir.filePath("gone");
    try {
        compiler::saveEthernetUpdateJob(job(1), missingFolder);
        FAIL() << "no error";
    } catch (const platform::Error &e) {
        EXPECT_TRUE(e.message().contains("Ethernet_Update.xml")) << e.message().toStdString();
    }
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());
}

TEST(EthernetUpdateJob, AddressPromptNamesTheModelsEthernetHardware)
{
    const std::pair<int, const char *> cases[] = {{1, " GX42Lyxa"}, {1001, " GX42Lyxa"}, {2, " GX42Kvoz"},
                                                  {3, " GX42Nqib"}, {6, " GX42Qyre"},   {7, " GX42Rhuv"},
                                                  {1007, " GX42Rhuv"}, {4, ""},         {5, ""}};
    for (const auto &[type, code] : cases)
        EXPECT_EQ(compiler::ethernetHardwareCode(type), QString(code)) << type;
}

} // namespace
