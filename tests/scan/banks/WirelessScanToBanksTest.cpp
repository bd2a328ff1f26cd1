// A wireless scan over loopback UDP of a plain and an encrypted meter whose
// records come from real frames, saved as the network of a wireless
// converter and compiled into its banks.
#include "compiler/CompilerFixture.h"
#include "scan/wireless/WirelessFixture.h"

#include "app/ConverterType.h"
#include "compiler/NetworkReader.h"
#include "platform/FileRead.h"
#include "platform/Xml.h"
#include "support/TestSupport.h"

using namespace scan;
using namespace testsupport;
using namespace wirelesstest;

namespace {

const MeterIdentity PlainMeter{0x2C2D, 0x12345678, 3, 7};
const MeterIdentity EncryptedMeter{0x1596, 0x80405060, 0x21, 0x16};

QByteArray telegram(const char *frame, const MeterIdentity &meter, const std::optional<AesKey> &key,
                    std::uint8_t accessNumber)
{
    WirelessTelegramSpec spec;
    if (key)
        spec = encryptedSpec(realRecords(frame), *key, meter);
    else
        spec.records = realRecords(frame);
    spec.link = meter;
    spec.accessNumber = accessNumber;
    return wirelessTelegram(spec);
}

class WirelessScanToBanks : public WirelessScan {};

TEST_F(WirelessScanToBanks, TheSavedMetersCompileWithTheirKeys)
{
    compilertest::ConfigurationFolder folder;
    folder.writeParGen(compilertest::ParGen::standard());
    overUdp();
    makeEngine();
    engine->SaveXMLFile = folder.path() + QStringLiteral("/scan-export.xml");
    startToReception(TRadioModule::rmTelit);
    const AesKey key = testKey(3);
    receive(telegram("kamstrup_382_005", PlainMeter, std::nullopt, 0x10));
    receive(telegram("frame2", EncryptedMeter, key, 0x20));
    ASSERT_TRUE(engine->Insert_Wireless_Key(1, key));
    backToReception();
    receive(telegram("frame2", EncryptedMeter, key, 0x21));
    stopToEnd();

    EXPECT_FALSE(engine->exportError());
    const QByteArray exported = readFile(engine->SaveXMLFile);
    EXPECT_TRUE(exported.contains("Address=\"12345678\"")) << exported.left(300).toStdString();
    EXPECT_TRUE(exported.contains("Address=\"80405060\""));

    TSaveConfXML in;
    in.XML_Code_Dev = app::xmlCodeDev(7);
    in.Cut_After = 3;
    in.StartModnode = 1;
    in.SMN_Array = {1, 500};
    in.File_Name = folder.path() + QStringLiteral("/M_Bus.xml");
    const TSaveConfResult saved = engine->Save_XML_Conf_Wireless(in, false);
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved.nodes, 2);

    const compiler::ProjectCompileResult compiled = compiler::Compile_Project(7, 0, folder.path());
    EXPECT_TRUE(compiled.ok()) << compiled.message.toStdString();
    EXPECT_EQ(compiled.written.size(), 2);

    compiler::NetworkElements elements;
    ASSERT_FALSE(compiler::readNetworkElements(platform::readWholeFile(in.File_Name).bytes, elements));
    const compiler::CompiledNetwork network =
        compiler::readNetwork(&elements, compiler::NetworkFamily::TwoBanks, true);
    ASSERT_EQ(network.meterTable.size(), 2u);
    EXPECT_EQ(network.meterTable[0].address, PlainMeter.address);
    EXPECT_EQ(network.meterTable[0].keyFlag, 0);
    EXPECT_EQ(network.meterTable[1].address, EncryptedMeter.address);
    EXPECT_EQ(network.meterTable[1].manufacturer, EncryptedMeter.manufacturer);
    EXPECT_EQ(network.meterTable[1].keyFlag, 1);
    EXPECT_TRUE(std::equal(key.begin(), key.end(), network.meterTable[1].key.begin()));
}

} // namespace
